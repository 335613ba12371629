// TTabSheet: a page of a page control.

#include "host/containers/PageControl.h"
#include "host/qt/ContainerWindows_p.h"

namespace {
void PublishTabSheet(TPublisher& p) {
    // A page's place and size come from its page control, so streams leave them out.
    p.Prop("Left", &TControl::Left, &TControl::SetLeft).Stored(false);
    p.Prop("Top", &TControl::Top, &TControl::SetTop).Stored(false);
    p.Prop("Width", &TControl::Width, &TControl::SetWidth).Stored(false);
    p.Prop("Height", &TControl::Height, &TControl::SetHeight).Stored(false);
    p.Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alClient);
    p.Prop("Visible", &TControl::Visible, &TControl::SetVisible).Stored(false);
    p.Prop("Caption", TypeInfos::TCaption(), &TControl::Caption, &TControl::SetCaption);
    p.Prop("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(0);
    p.Prop("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl).Stored(false);
    p.Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
    p.Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(1);
}

const bool registered = (RegisterClass(TTabSheet::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TTabSheet, TWinControl, PublishTabSheet)

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    (void)registered;
    FControlStyle += {csAcceptsControls, csNoDesignVisible};
    FVisible = false;
    SetAlign(alClient);
}

void TTabSheet::BeforeDestruction() {
    if (FPageControl) FPageControl->RemovePage(this);
    TWinControl::BeforeDestruction();
}

void TTabSheet::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    Params.WinClassName = TabSheetWindowClass();
}

void TTabSheet::SetPageControl(TPageControl* APageControl) {
    if (FPageControl == APageControl) return;
    if (FPageControl) FPageControl->RemovePage(this);
    SetParent(APageControl);
    if (APageControl) APageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
    if (FPageControl) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int index = 0;
    for (TTabSheet* page : FPageControl->FPages) {
        if (page == this) return index;
        if (page->FTabVisible) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool Value) {
    if (FTabVisible == Value) return;
    const int oldTab = TabIndex();
    FTabVisible = Value;
    if (FPageControl) FPageControl->TabShowingChanged(this, oldTab);
}

void TTabSheet::SetParentComponent(TComponent* Value) {
    if (auto* pages = Cast<TPageControl>(Value))
        SetPageControl(pages);
    else
        SetParent(Cast<TWinControl>(Value));
}

TComponent* TTabSheet::GetParentComponent() const {
    if (FPageControl) return FPageControl;
    return Parent();
}

void TTabSheet::CMTextChanged(TMessage& Message) {
    TWinControl::CMTextChanged(Message);
    if (FPageControl) FPageControl->PagesChanged();
}

// TPageControl: the pages, their tabs and the active page.

#include "host/containers/PageControl.h"
#include "host/controls/Forms.h"

namespace {
void PublishPageControl(TPublisher& p) {
    p.Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    p.Prop("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine).Default(0);
    p.Prop("Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle).Default(tsTabs);
    p.Prop("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex)
        .Default(-1)
        .Stored(false);
    p.Prop("TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition)
        .Default(tpTop);
    p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(1);
    p.Prop("OnChange", &TCustomTabControl::OnChange, &TCustomTabControl::OnChange);
    p.Prop("OnChanging", TypeInfos::TTabChangingEvent(), &TCustomTabControl::OnChanging,
           &TCustomTabControl::OnChanging);
}

const bool registered = (RegisterClass(TPageControl::StaticClass()), true);
} // namespace

ZK_IMPLEMENT_CLASS(TPageControl, TCustomTabControl, PublishPageControl)

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {
    (void)registered;
}

TPageControl::~TPageControl() {
    // The pages outlive this list while the windowed base frees them.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
}

void TPageControl::BeforeDestruction() {
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
    TCustomTabControl::BeforeDestruction();
}

TTabSheet* TPageControl::Pages(int Index) const {
    if (Index < 0 || Index >= PageCount())
        throw EListError("列表索引越界（" + IntToStr(Index) + "）");
    return FPages[static_cast<size_t>(Index)];
}

int TPageControl::TabCount() const {
    return static_cast<int>(
        std::count_if(FPages.begin(), FPages.end(), [](TTabSheet* p) { return p->FTabVisible; }));
}

TTabSheet* TPageControl::PageForTab(int Index) const {
    for (TTabSheet* page : FPages)
        if (page->FTabVisible && Index-- == 0) return page;
    return nullptr;
}

std::vector<std::string> TPageControl::TabCaptions() const {
    std::vector<std::string> captions;
    for (TTabSheet* page : FPages)
        if (page->FTabVisible) captions.push_back(page->Caption());
    return captions;
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value) {
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<size_t>(Value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* Page) {
    if (Page && Page->FPageControl != this) return;
    ChangeActivePage(Page);
}

void TPageControl::ChangeActivePage(TTabSheet* Page) {
    if (FActivePage != Page) {
        TTabSheet* old = FActivePage;
        // Focus inside the page that goes would be left on a hidden control. Not while the
        // form loads: focusing would make its windows, and the stream names its active control.
        TCustomForm* form = GetParentForm(this);
        if (form && old && !ComponentState().Contains(csLoading) &&
            old->ContainsControl(form->ActiveControl()) && CanFocus())
            SetFocus();
        FActivePage = Page;
        if (Page) {
            Page->BringToFront();
            Page->SetVisible(true);
        }
        if (old && old->FPageControl == this) old->SetVisible(false);
    }
    FTabIndex = Page ? Page->TabIndex() : -1;
    if (HandleAllocated()) UpdateTabs();
}

void TPageControl::Change() {
    ChangeActivePage(PageForTab(FTabIndex));
    TCustomTabControl::Change();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward,
                                      bool CheckTabVisible) const {
    const int count = PageCount();
    if (count == 0) return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), CurPage);
    const int start =
        it == FPages.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - FPages.begin());
    int i = start;
    do {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* page = FPages[static_cast<size_t>(i)];
        if (!CheckTabVisible || page->FTabVisible) return page;
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
    TTabSheet* page = FindNextPage(FActivePage, GoForward, true);
    if (!page || page == FActivePage || !CanChange()) return;
    SetTabIndex(page->TabIndex());
    Change();
}

void TPageControl::CMDialogKey(TWMKey& Message) {
    const TShiftState shift = KeyDataToShiftState(Message.KeyData);
    if (Message.CharCode == VK_TAB && shift.Contains(ssCtrl) && !shift.Contains(ssAlt) &&
        HandleAllocated()) {
        // The focused window, or one of its parents, is this control's (raw windows count).
        HWND focus = GetFocus();
        while (focus && focus != Handle())
            focus = GetParent(focus);
        if (focus) {
            SelectNextPage(!shift.Contains(ssShift));
            Message.Result = 1;
            return;
        }
    }
    TCustomTabControl::CMDialogKey(Message);
}

void TPageControl::CMDialogChar(TWMKey& Message) {
    if (CanFocus()) {
        for (TTabSheet* page : FPages) {
            if (!page->FTabVisible || !IsAccel(Message.CharCode, page->Caption())) continue;
            Message.Result = 1;
            if (page != FActivePage && CanChange()) {
                SetTabIndex(page->TabIndex());
                Change();
            }
            return;
        }
    }
    TCustomTabControl::CMDialogChar(Message);
}

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    Page->FPageControl = this;
    FreeNotification(Page);
    // The first tab is selected as the tab row gets it, and its page shows.
    if (!FActivePage && Page->FTabVisible)
        ChangeActivePage(Page);
    else
        PagesChanged();
}

void TPageControl::RemovePage(TTabSheet* Page) {
    auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    TTabSheet* next = nullptr;
    if (Page == FActivePage) {
        next = FindNextPage(Page, true, !ComponentState().Contains(csDesigning));
        if (next == Page) next = nullptr;
    } else {
        next = FActivePage;
    }
    FPages.erase(it);
    Page->FPageControl = nullptr;
    RemoveFreeNotification(Page);
    if (FActivePage == Page) FActivePage = nullptr;
    ChangeActivePage(next);
    PagesChanged();
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
    auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    Index = std::clamp(Index, 0, PageCount());
    FPages.insert(FPages.begin() + Index, Page);
    PagesChanged();
}

void TPageControl::TabShowingChanged(TTabSheet* Page, int OldTab) {
    // The active page losing its tab hands the selection to the tab now at its place.
    if (Page == FActivePage && !Page->FTabVisible) {
        const int count = TabCount();
        ChangeActivePage(count > 0 ? PageForTab(std::min(OldTab, count - 1)) : nullptr);
    } else if (!FActivePage && Page->FTabVisible) {
        ChangeActivePage(Page);
    }
    PagesChanged();
}

void TPageControl::PagesChanged() {
    FTabIndex = FActivePage ? FActivePage->TabIndex() : -1;
    UpdateTabs();
}

void TPageControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    (void)Root;
    for (TTabSheet* page : std::vector<TTabSheet*>(FPages))
        Proc(page);
}

void TPageControl::SetChildOrder(TComponent* Child, int Order) {
    if (auto* page = Cast<TTabSheet>(Child)) page->SetPageIndex(Order);
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomTabControl::Notification(AComponent, Operation);
    if (Operation == opRemove)
        if (auto* page = Cast<TTabSheet>(AComponent)) RemovePage(page);
}

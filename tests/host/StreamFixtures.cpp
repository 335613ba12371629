#include "StreamFixtures.h"

#include <algorithm>

#include "host/core/Stream.h"

ZK_ENUM_TYPEINFO(TFixKind, "fkNone", "fkAlpha", "fkBeta", "fkGamma")
ZK_SET_TYPEINFO(TFixKinds, TFixKind)

const TTypeInfo* FixColorType() {
    static const TTypeInfo* type = [] {
        auto* t = const_cast<TTypeInfo*>(MakeTypeInfo(tkInteger, "TFixColor"));
        t->Data.OrdType = otSLong;
        t->Data.MinValue = INT32_MIN;
        t->Data.MaxValue = INT32_MAX;
        RegisterIntegerConsts(
            t,
            [](const std::string& ident, int32_t& v) {
                if (!SameText(ident, "fxRed")) return false;
                v = 0xFF;
                return true;
            },
            [](int32_t v, std::string& ident) {
                if (v != 0xFF) return false;
                ident = "fxRed";
                return true;
            });
        return t;
    }();
    return type;
}

namespace {
void PublishFont(TPublisher& p) {
    p.Prop("Name", &TFixFont::Name, &TFixFont::Name);
    p.Prop("Size", &TFixFont::Size, &TFixFont::Size).Default(10);
    p.Prop("Style", &TFixFont::Style, &TFixFont::Style).Default(0);
    p.Prop("Color", FixColorType(), &TFixFont::Color, &TFixFont::Color).Default(0);
}

void PublishItem(TPublisher& p) {
    p.Prop("Caption", &TFixItem::Caption, &TFixItem::Caption);
    p.Prop("Width", &TFixItem::Width, &TFixItem::Width);
}

void PublishWidget(TPublisher& p) {
    using W = TFixWidget;
    p.Prop("Left", &W::Left, &W::Left);
    p.Prop("Count", &W::Count, &W::Count).Default(0);
    p.Prop("Big", &W::Big, &W::Big).Default(0);
    p.Prop("Ratio", &W::Ratio, &W::Ratio);
    p.Prop("Scale", &W::Scale, &W::Scale);
    p.Prop("When", TypeInfos::TDateTime(), &W::When, &W::When);
    p.Prop("Flag", &W::Flag, &W::Flag).Default(0);
    p.Prop("Enabled", &W::Enabled, &W::Enabled).Default(1);
    p.Prop("Kind", &W::Kind, &W::Kind).Default(fkNone);
    p.Prop("Kinds", &W::Kinds, &W::Kinds).Default(0);
    p.Prop("Caption", TypeInfos::TCaption(), &W::Caption, &W::SetCaption);
    p.Prop("Hint", TypeInfos::WideString(), &W::Hint, &W::Hint);
    p.Prop("Letter", TypeInfos::Char(), &W::Letter, &W::Letter).Default(0);
    p.Prop("Color", FixColorType(), &W::Color, &W::Color).Default(0);
    p.Prop("Value", &W::Value, &W::Value);
    p.Prop("Font", &W::Font, &W::SetFont);
    p.Prop("Lines", &W::Lines, &W::SetLines);
    p.Prop("Items", &W::Items, &W::SetItems);
    p.Prop("Buddy", &W::Buddy, &W::SetBuddy);
    p.Prop("OnClick", &W::OnClick, &W::OnClick);
}

void PublishTimer(TPublisher& p) {
    p.Prop("Interval", &TFixTimer::Interval, &TFixTimer::Interval).Default(1000);
    p.Prop("Target", &TFixTimer::Target, &TFixTimer::Target);
}

void PublishForm(TPublisher& p) {
    p.Prop("Caption", &TFixForm::Caption, &TFixForm::Caption);
    p.Prop("ActiveControl", &TFixForm::ActiveControl, &TFixForm::ActiveControl);
    p.Method("WidgetClick", &TFixForm::WidgetClick);
    p.Method("OtherClick", &TFixForm::OtherClick);
}
} // namespace

ZK_IMPLEMENT_CLASS(TFixFont, TPersistent, PublishFont)
ZK_IMPLEMENT_CLASS(TFixItem, TCollectionItem, PublishItem)
ZK_IMPLEMENT_CLASS(TFixItems, TCollection, nullptr)
ZK_IMPLEMENT_CLASS(TFixContainer, TComponent, nullptr)
ZK_IMPLEMENT_CLASS(TFixWidget, TFixContainer, PublishWidget)
ZK_IMPLEMENT_CLASS(TFixTimer, TComponent, PublishTimer)
ZK_IMPLEMENT_CLASS(TFixForm, TFixContainer, PublishForm)

void TFixFont::Assign(TPersistent* Source) {
    if (auto* f = Cast<TFixFont>(Source)) {
        Name = f->Name;
        Size = f->Size;
        Style = f->Style;
        Color = f->Color;
        return;
    }
    TPersistent::Assign(Source);
}

void TFixItem::Assign(TPersistent* Source) {
    if (auto* item = Cast<TFixItem>(Source)) {
        Caption = item->Caption;
        Width = item->Width;
        return;
    }
    TCollectionItem::Assign(Source);
}

// ---- TFixContainer ------------------------------------------------------------------------

TFixContainer::~TFixContainer() {
    for (TFixWidget* c : Controls)
        c->SetParentContainer(nullptr);
}

void TFixContainer::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TFixWidget* c : Controls)
        if (c->Owner() == Root) Proc(c);
}

void TFixContainer::SetChildOrder(TComponent* Child, int Order) {
    auto it = std::find(Controls.begin(), Controls.end(), Child);
    if (it == Controls.end()) return;
    auto* w = *it;
    Controls.erase(it);
    Order = std::clamp(Order, 0, static_cast<int>(Controls.size()));
    Controls.insert(Controls.begin() + Order, w);
}

std::vector<std::string>& TFixContainer::LoadedLog() {
    static std::vector<std::string> log;
    return log;
}

void TFixContainer::Loaded() {
    TComponent::Loaded();
    LoadedLog().push_back(Name());
}

// ---- TFixWidget ---------------------------------------------------------------------------

TFixWidget::TFixWidget(TComponent* AOwner)
    : TFixContainer(AOwner), FFont(new TFixFont), FLines(new TStringList),
      FItems(new TFixItems(this)) {
    FItems->SetPropName("Items");
}

TFixWidget::~TFixWidget() {
    SetParentContainer(nullptr);
    FFont->Free();
    FLines->Free();
    FItems->Free();
}

void TFixWidget::SetParentContainer(TFixContainer* Value) {
    if (FParent == Value) return;
    if (FParent) std::erase(FParent->Controls, this);
    FParent = Value;
    if (FParent) FParent->Controls.push_back(this);
}

void TFixWidget::SetParentComponent(TComponent* Value) {
    SetParentContainer(Cast<TFixContainer>(Value));
}

void TFixWidget::SetBuddy(TComponent* Value) {
    if (FBuddy) FBuddy->RemoveFreeNotification(this);
    FBuddy = Value;
    if (FBuddy) FBuddy->FreeNotification(this);
}

void TFixWidget::Notification(TComponent* AComponent, TOperation Operation) {
    TFixContainer::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
}

void TFixWidget::SetCaption(const std::string& Value) {
    Caption = Value;
    if (ComponentState().Contains(csLoading)) LoadingSeenBySetter = true;
}

void TFixWidget::DefineProperties(TFiler* Filer) {
    TFixContainer::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* s) {
            Data.resize(static_cast<size_t>(s->Size()));
            s->ReadBuffer(Data.data(), s->Size());
        },
        [this](TStream* s) { s->WriteBuffer(Data.data(), static_cast<int64_t>(Data.size())); },
        !Data.empty());
}

// ---- TFixForm -----------------------------------------------------------------------------

void TFixForm::WidgetClick(TObject* Sender) {
    (void)Sender;
    ++Clicks;
}

void TFixForm::OtherClick(TObject* Sender) {
    (void)Sender;
    Clicks += 100;
}

void TFixForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    // Controls first, in z-order, then the non-visual components.
    TFixContainer::GetChildren(Proc, Root);
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent()) Proc(Components(i));
}

void RegisterStreamFixtures() {
    RegisterClasses({TFixWidget::StaticClass(), TFixTimer::StaticClass(), TFixForm::StaticClass(),
                     TFixItem::StaticClass()});
}

TFixForm* MakeSampleForm() {
    RegisterStreamFixtures();
    auto* form = new TFixForm;
    form->SetName("Form1");
    form->Caption = "主窗口 Main";

    auto* panel = new TFixWidget(form);
    panel->SetName("Panel1");
    panel->SetParentContainer(form);
    panel->Left = -5;
    panel->Count = -129;
    panel->Big = 5000000000LL;
    panel->Ratio = 1.5;
    panel->Scale = 0.25f;
    panel->When = EncodeDate(2024, 2, 29) + 0.75;
    panel->Flag = true;
    panel->Enabled = false;
    panel->Kind = fkBeta;
    panel->Kinds = {fkAlpha, fkGamma};
    panel->SetCaption("标题 Title");
    panel->Hint = "提示：it's \"quoted\"";
    panel->Letter = 'Z';
    panel->Color = 0xFF;
    panel->Value = Variant(int64_t(123456789012));
    panel->Font()->Name = "宋体";
    panel->Font()->Size = 12;
    panel->Font()->Style = {fkAlpha};
    panel->Font()->Color = 0x123456;
    panel->Lines()->Add("Alpha");
    panel->Lines()->Add("第二行");
    panel->Lines()->Add("");
    auto* item = static_cast<TFixItem*>(panel->Items()->Add());
    item->Caption = "列一";
    item->Width = 50;
    item = static_cast<TFixItem*>(panel->Items()->Add());
    item->Width = 200;
    panel->OnClick.Assign(form->ClassType()->MethodAddress("WidgetClick")->Bind(form));
    panel->Data = std::string("\x00\x01\xFF"
                              "abc",
                              6);

    auto* edit = new TFixWidget(form);
    edit->SetName("Edit1");
    edit->SetParentContainer(panel);
    edit->Left = 300;
    edit->Ratio = -2.0;
    edit->SetCaption("x");
    edit->Value = Variant("变体");
    edit->SetBuddy(panel);

    auto* button = new TFixWidget(form);
    button->SetName("Button1");
    button->SetParentContainer(form);
    button->Left = 32768;
    button->Big = -70000;
    button->SetBuddy(form);
    button->OnClick.Assign(form->ClassType()->MethodAddress("OtherClick")->Bind(form));

    // A forward reference: the panel names a component written after it.
    panel->SetBuddy(button);

    auto* timer = new TFixTimer(form);
    timer->SetName("Timer1");
    timer->Interval = 250;
    timer->Target = edit;

    form->ActiveControl = button;
    return form;
}

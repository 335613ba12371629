#include "ControlStreamFixtures.h"

namespace {
void PublishPanel(TPublisher& p) {
    p.Prop("Caption", TypeInfos::TCaption(), &TControl::Caption, &TControl::SetCaption);
}

void PublishEdit(TPublisher& p) {
    using E = TStreamEdit;
    p.Prop("Text", TypeInfos::TCaption(), &TControl::Text, &TControl::SetTextProp);
    // Edits stop the tab key by default, as the platform's do.
    p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(1);
    p.Prop("Lines", &E::Lines, &E::SetLines);
    p.Prop("Columns", &E::Columns, &E::SetColumns);
    p.Prop("Ratio", &E::Ratio, &E::Ratio);
    p.Prop("Big", &E::Big, &E::Big).Default(0);
    p.Prop("MaxLength", &E::MaxLength, &E::MaxLength).Default(0);
}

void PublishLabel(TPublisher& p) {
    p.Prop("Caption", TypeInfos::TCaption(), &TControl::Caption, &TControl::SetCaption);
    p.Prop("FocusControl", &TStreamLabel::FocusControl, &TStreamLabel::SetFocusControl);
}

void PublishImage(TPublisher& p) {
    p.Prop("Picture", &TStreamImage::Picture, &TStreamImage::SetPicture);
    p.Prop("Stretch", &TStreamImage::Stretch, &TStreamImage::Stretch).Default(0);
}

void PublishTimer(TPublisher& p) {
    p.Prop("Enabled", &TStreamTimer::Enabled, &TStreamTimer::Enabled).Default(1);
    p.Prop("Interval", &TStreamTimer::Interval, &TStreamTimer::Interval).Default(1000);
    p.Prop("OnTimer", &TStreamTimer::OnTimer, &TStreamTimer::OnTimer);
}

void PublishForm(TPublisher& p) {
    p.Method("ButtonClick", &TStreamForm::ButtonClick);
    p.Method("FormShow", &TStreamForm::FormShow);
}
} // namespace

ZK_IMPLEMENT_CLASS(TStreamPanel, TCustomControl, PublishPanel)
ZK_IMPLEMENT_CLASS(TStreamEdit, TWinControl, PublishEdit)
ZK_IMPLEMENT_CLASS(TStreamLabel, TGraphicControl, PublishLabel)
ZK_IMPLEMENT_CLASS(TStreamImage, TGraphicControl, PublishImage)
ZK_IMPLEMENT_CLASS(TStreamTimer, TComponent, PublishTimer)
ZK_IMPLEMENT_CLASS(TStreamForm, TForm, PublishForm)

TStreamPanel::TStreamPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

TStreamEdit::TStreamEdit(TComponent* AOwner)
    : TWinControl(AOwner), FLines(new TStringList), FColumns(new TFixItems(this)) {
    FColumns->SetPropName("Columns");
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

TStreamEdit::~TStreamEdit() {
    FLines->Free();
    FColumns->Free();
}

void TStreamLabel::SetFocusControl(TWinControl* Value) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TStreamLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

TStreamImage::TStreamImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture) {
    SetBounds(0, 0, 105, 105);
}

TStreamImage::~TStreamImage() {
    FPicture->Free();
}

void TStreamForm::ButtonClick(TObject*) {
    ++Clicks;
}

void TStreamForm::FormShow(TObject*) {
    Log.push_back("shown " + IntToStr(ComponentCount()));
}

void TStreamForm::Loaded() {
    TForm::Loaded();
    Log.push_back("loaded");
}

void RegisterControlStreamClasses() {
    RegisterStreamFixtures();
    RegisterClasses({TStreamPanel::StaticClass(), TStreamEdit::StaticClass(),
                     TStreamLabel::StaticClass(), TStreamImage::StaticClass(),
                     TStreamTimer::StaticClass(), TStreamForm::StaticClass()});
}

TStreamForm* MakeControlSampleForm() {
    RegisterControlStreamClasses();
    auto* form = new TStreamForm(nullptr);
    form->SetName("SampleForm");
    form->SetCaption("设计窗体 Design");
    form->SetBounds(-20, 40, 500, 400);
    form->SetBorderStyle(bsDialog);
    form->SetKeyPreview(true);
    form->SetColor(clInfoBk);
    form->Font()->SetName("宋体");
    form->Font()->SetHeight(-14);
    form->Font()->SetStyle({fsBold, fsItalic});
    form->Font()->SetCharset(GB2312_CHARSET);
    form->OnShow.Assign(form->ClassType()->MethodAddress("FormShow")->Bind(form));

    auto* top = new TStreamPanel(form);
    top->SetName("TopPanel");
    top->SetParent(form);
    top->SetAlign(alTop);
    top->SetHeight(60);
    top->SetCaption("顶部面板");
    top->SetColor(clRed);

    auto* nameLabel = new TStreamLabel(form);
    nameLabel->SetName("NameLabel");
    nameLabel->SetParent(top);
    nameLabel->SetBounds(8, 12, 40, 13);
    nameLabel->SetCaption("名称：");
    nameLabel->Font()->SetColor(clNavy);
    nameLabel->Font()->SetStyle({fsUnderline});

    auto* nameEdit = new TStreamEdit(form);
    nameEdit->SetName("NameEdit");
    nameEdit->SetParent(top);
    nameEdit->SetBounds(56, 8, 200, 21);
    nameEdit->SetTextProp("文本 text");
    nameEdit->Lines()->Add("第一行");
    nameEdit->Lines()->Add("it's");
    nameEdit->Lines()->Add("");
    nameEdit->Ratio = -2.5;
    nameEdit->Big = 5000000000LL;
    nameEdit->MaxLength = 32768;
    auto* column = static_cast<TFixItem*>(nameEdit->Columns()->Add());
    column->Caption = "列一";
    column->Width = 80;
    column = static_cast<TFixItem*>(nameEdit->Columns()->Add());
    column->Width = -129;
    nameLabel->SetFocusControl(nameEdit);

    auto* client = new TStreamPanel(form);
    client->SetName("ClientPanel");
    client->SetParent(form);
    client->SetAlign(alClient);
    client->SetCaption("");

    auto* image = new TStreamImage(form);
    image->SetName("Image1");
    image->SetParent(client);
    image->SetBounds(10, 10, 32, 32);
    image->Stretch = true;
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    image->Picture()->SetGraphic(&bitmap);

    auto* first = new TStreamEdit(form);
    first->SetName("FirstEdit");
    first->SetParent(client);
    first->SetBounds(60, 10, 100, 21);
    first->OnClick.Assign(form->ClassType()->MethodAddress("ButtonClick")->Bind(form));
    auto* second = new TStreamEdit(form);
    second->SetName("SecondEdit");
    second->SetParent(client);
    second->SetBounds(60, 40, 100, 21);
    second->SetTabStop(false);
    // Z-order and tab order both differ from the creation order.
    first->BringToFront();
    image->BringToFront();
    second->SetTabOrder(0);

    auto* hidden = new TStreamEdit(form);
    hidden->SetName("HiddenEdit");
    hidden->SetParent(form);
    hidden->SetBounds(300, 330, 80, 21);
    hidden->SetEnabled(false);
    hidden->SetVisible(false);
    hidden->SetHint("提示：\"quoted\"");
    hidden->SetShowHint(true);
    hidden->SetCursor(crHandPoint);
    hidden->SetTag(-70000);
    hidden->SetParentFont(false);

    // Read in z-order (top, client, hidden), these tab orders cannot be set one by one.
    hidden->SetTabOrder(0);
    client->SetTabOrder(1);

    auto* timer = new TStreamTimer(form);
    timer->SetName("Timer1");
    timer->Interval = 250;
    timer->Enabled = false;
    timer->SetDesignInfo(static_cast<int32_t>((300u << 16) | 24u));
    timer->OnTimer.Assign(form->ClassType()->MethodAddress("ButtonClick")->Bind(form));

    form->SetActiveControl(first);
    return form;
}

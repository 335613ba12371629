#include "EmbedForm.h"

#include "Dial.h"
#include "Rating.h"

ZK_IMPLEMENT_CLASS(TEmbedForm, TForm, nullptr)

namespace {
template <class T> T* Make(TWinControl* parent, TComponent* owner, const char* name, TRect r) {
    auto* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBoundsRect(r);
    return c;
}

} // namespace

TEmbedForm::TEmbedForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("EmbedForm");
    SetCaption("运行时表单设计器 — 嵌入示例");
    SetBounds(100, 100, 860, 400);
    BuildTools();
    BuildContents();
    AttachDesigner();
    UpdateStatus();
}

void TEmbedForm::BuildTools() {
    // No owner: the tool row is the application's, so the stream neither writes nor replaces
    // it. Its parent, the form, frees it.
    FTools = new TPanel(nullptr);
    FTools->SetName("PanelTools");
    FTools->SetParent(this);
    FTools->SetAlign(alTop);
    FTools->SetHeight(36);
    FTools->SetCaption("");
    int left = 8;
    auto add = [this, &left](const char* caption, int width, TNotifyEvent onClick) {
        auto* b = Make<TButton>(FTools, nullptr, "", Bounds(left, 6, width, 24));
        b->SetCaption(caption);
        b->OnClick = std::move(onClick);
        left += width + 6;
        return b;
    };
    FDesignButton = add("开始设计", 80, [this](TObject*) { ToggleDesign(); });
    //! [palette]
    add("插入按钮", 80, [this](TObject*) { Insert(TButton::StaticClass()); });
    add("插入评分", 80, [this](TObject*) { Insert(TRating::StaticClass()); });
    add("插入仪表", 80, [this](TObject*) { Insert(DialClass()); });
    //! [palette]
    add("保存", 56, [this](TObject*) { SaveToFile(FFileName); });
    add("载入", 56, [this](TObject*) { LoadFromFile(FFileName); });
    FStatus = Make<TLabel>(FTools, nullptr, "", Bounds(left + 8, 10, 360, 17));
}

void TEmbedForm::BuildContents() {
    Make<TLabel>(this, this, "LabelName", Bounds(16, 56, 64, 17))->SetCaption("姓名：");
    Make<TEdit>(this, this, "EditName", Bounds(88, 52, 160, 21))->SetTextProp("张三");
    Make<TLabel>(this, this, "LabelCity", Bounds(16, 88, 64, 17))->SetCaption("城市：");
    auto* city = Make<TComboBox>(this, this, "ComboCity", Bounds(88, 84, 160, 21));
    for (const char* name : {"北京", "上海", "广州"})
        city->Items()->Add(name);
    city->SetItemIndex(0);
    Make<TLabel>(this, this, "LabelRating", Bounds(16, 122, 64, 17))->SetCaption("评分：");
    Make<TRating>(this, this, "RatingService", Bounds(88, 118, 120, 24));
    auto* group = Make<TGroupBox>(this, this, "GroupKind", Bounds(280, 52, 180, 90));
    group->SetCaption("客户类别");
    Make<TRadioButton>(group, this, "RadioPerson", Bounds(16, 24, 140, 17))->SetCaption("个人");
    Make<TRadioButton>(group, this, "RadioCompany", Bounds(16, 52, 140, 17))->SetCaption("企业");
    Make<TCheckBox>(this, this, "CheckVip", Bounds(88, 156, 120, 17))->SetCaption("贵宾客户");
    // A control whose window is a Qt widget of the example's own (Dial.cpp).
    auto* dial = As<TWinControl>(DialClass()->Create(this));
    dial->SetName("DialSpeed");
    dial->SetParent(this);
    dial->SetBounds(480, 52, 90, 90);
}

//! [attach-designer]
void TEmbedForm::AttachDesigner() {
    // A form loaded from a file brings the designer it was saved with; otherwise make one.
    FDesigner = nullptr;
    for (int i = 0; i < ComponentCount() && !FDesigner; ++i)
        FDesigner = Cast<TZkFormDesigner>(Components(i));
    if (!FDesigner) {
        FDesigner = new TZkFormDesigner(this); // owned by the form it designs
        FDesigner->SetName("Designer");
        FDesigner->CannotDesignControls()->Add("PanelTools"); // stays clickable
    }
    // Events are code, not data: the host binds them again after every load.
    FDesigner->OnSelectionChange = [this](TDesignControl*, TChangeType) { UpdateStatus(); };
    FDesigner->OnObjectClicked = [this](TDesignControl* overlay) {
        FLastClicked = overlay->Control()->Name();
        UpdateStatus();
    };
    FDesigner->OnDirty = [this](TObject*) { UpdateStatus(); };
    FDesigner->OnEndDesign = [this](TObject*) { UpdateStatus(); };
}
//! [attach-designer]

//! [toggle-design]
void TEmbedForm::ToggleDesign() {
    if (FDesigner->IsDesigning())
        FDesigner->EndDesign();
    else
        FDesigner->BeginDesign();
    UpdateStatus();
}
//! [toggle-design]

//! [insert]
TDesignControl* TEmbedForm::Insert(TClass ControlClass) {
    if (!FDesigner->IsDesigning()) FDesigner->BeginDesign();
    const int step = 12 * (FInserted++ % 8);
    // Undoable like any other change of the session; the designer names the new control.
    TDesignControl* overlay =
        FDesigner->AddControlToDesign(ControlClass, Bounds(300 + step, 180 + step, 120, 24));
    FDesigner->ClearSelection(nullptr);
    overlay->SetSelected(true);
    return overlay;
}
//! [insert]

//! [save-load]
void TEmbedForm::SaveToFile(const std::string& FileName) {
    // Writes the form as ending the session would leave it, with everything it owns, beside
    // FileName first, then over it: a save that fails halfway leaves the old file whole. The
    // session goes on, its selection and history with it.
    FDesigner->SaveToBinaryFile(FileName);
    FDesigner->SetIsDirty(false);
    UpdateStatus();
}

void TEmbedForm::LoadFromFile(const std::string& FileName) {
    // Ends every session on the form and replaces what it owns with the file's components. A
    // missing, damaged or foreign file raises the framework's error and changes nothing.
    TZkFormDesigner::LoadFromBinaryFile(this, FileName);
    FLastClicked.clear();
    AttachDesigner(); // the designer came back with the form: bind its events again
    UpdateStatus();
}
//! [save-load]

void TEmbedForm::UpdateStatus() {
    if (!FDesigner || !FStatus) return;
    const bool designing = FDesigner->IsDesigning();
    FDesignButton->SetCaption(designing ? "结束设计" : "开始设计");
    std::string text = designing ? "设计中" : "运行中";
    if (designing) text += "，选中 " + IntToStr(FDesigner->Selection()->Count()) + " 个";
    if (!FLastClicked.empty()) text += "，单击了 " + FLastClicked;
    if (FDesigner->IsDirty()) text += "，已修改";
    FStatus->SetCaption(text);
}

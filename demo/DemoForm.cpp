#include "demo/DemoForm.h"

#include "demo/LinesEditor.h"
#include "design/Registration.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/core/ComponentPalette.h"
#include "host/core/Version.h"
#include "host/dialogs/Dialogs.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/grids/Grids.h"
#include "host/menus/Menus.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

ZK_IMPLEMENT_CLASS(TDemoForm, TForm, nullptr)

namespace {
constexpr uintptr_t StatusTimer = 1;
/// Form files of this program: the binary component stream under an extension of our own.
const char* const FormFileFilter = "窗体文件 (*.zkf)|*.zkf|所有文件 (*)|*";
const char* const FormFileExt = "zkf";

/// The stock controls the demo inserts, on a palette page of their own, and the package's page.
void RegisterPaletteClasses() {
    Register();
    RegisterComponents("标准",
                       {TButton::StaticClass(), TLabel::StaticClass(), TEdit::StaticClass(),
                        TMemo::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                        TListBox::StaticClass(), TComboBox::StaticClass(), TPanel::StaticClass(),
                        TGroupBox::StaticClass()});
}

/// Room at the form's left edge for the inspector that a session docks there (with its
/// splitter), so that it covers no designed control.
constexpr int InspectorRoom = 190;

template <class T> T* Make(TForm* owner, TWinControl* parent, const char* name, TRect r) {
    if (parent == owner) OffsetRect(r, InspectorRoom, 0);
    auto* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBoundsRect(r);
    return c;
}
} // namespace

TDemoForm::TDemoForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("DemoForm");
    SetCaption("运行时表单设计器 — 示例");
    SetBounds(40, 80, 860 + InspectorRoom, 560);
    BuildBars();
    BuildPalette();
    BuildEntryFields();
    BuildContainers();

    // A designer the form does not own: loading a saved form replaces what the form owns, and
    // the designer and its bound events stay.
    FDesigner = new TZkFormDesigner(this, nullptr, false);
    FDesigner->SetName("FormDesigner1");
    FDesigner->OnSelectionChange = [this](TDesignControl*, TChangeType) { UpdateStatus(); };
    FDesigner->OnDirty = [this](TObject*) { UpdateStatus(); };
    // Undo and redo by the keys, and changes that make no selection event.
    FDesigner->OnChange = [this](TObject*) { UpdateStatus(); };
    FDesigner->OnEndDesign = [this](TObject*) { UpdateStatus(); };
    FDesigner->OnEditProp = [this](const std::string& type, TObject* object) {
        EditProperty(type, object);
    };
    BuildAlignButton();
    BuildSnapButtons();
    BuildFileButton();
    OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = AskToSave(); };
    UpdateStatus();
    // What the history allows changes with every edit; the tool bar follows it a few times a
    // second, as actions are updated while the application idles.
    SetTimer(Handle(), StatusTimer, 150);
}

TDemoForm::~TDemoForm() {
    // The form is still whole: the session ends on its controls before they go.
    FreeAndNil(FDesigner);
}

void TDemoForm::WndProc(TMessage& Message) {
    if (Message.Msg == WM_TIMER && Message.WParam == StatusTimer) {
        UpdateStatus();
        return;
    }
    inherited::WndProc(Message);
}

TToolButton* TDemoForm::AddToolButton(TToolBar* bar, const char* caption, TNotifyEvent onClick) {
    // Owned by its bar, as the bar is by no one: the designed form's stream holds neither.
    auto* b = new TToolButton(bar);
    b->SetCaption(caption);
    b->SetParent(bar);
    b->OnClick = std::move(onClick);
    return b;
}

void TDemoForm::BuildBars() {
    FToolBar = new TToolBar(nullptr);
    FToolBar->SetName("ToolBar1");
    FToolBar->SetParent(this);
    FToolBar->SetShowCaptions(true);
    FToolBar->SetButtonWidth(72);
    FBeginButton = AddToolButton(FToolBar, "开始设计", [this](TObject*) { StartDesign(); });
    FEndButton = AddToolButton(FToolBar, "结束设计", [this](TObject*) {
        FDesigner->EndDesign();
        UpdateStatus();
    });
    FUndoButton = AddToolButton(FToolBar, "撤销", [this](TObject*) {
        FDesigner->Undo();
        UpdateStatus();
    });
    FRedoButton = AddToolButton(FToolBar, "重做", [this](TObject*) {
        FDesigner->Redo();
        UpdateStatus();
    });
    FInspectorButton = AddToolButton(FToolBar, "属性", [this](TObject*) {
        FDesigner->SetShowInspector(!FDesigner->ShowInspector());
        UpdateStatus();
    });
    FInspectorButton->SetStyle(tbsCheck);
    AddToolButton(FToolBar, "关于", [this](TObject*) { ShowAbout(); });
    AddToolButton(FToolBar, "删除", [this](TObject*) {
        FDesigner->DeleteSelection();
        UpdateStatus();
    });

    FStatusBar = new TStatusBar(nullptr);
    FStatusBar->SetName("StatusBar1");
    FStatusBar->SetParent(this);
    for (int width : {120, 200, 160, 200})
        FStatusBar->Panels()->Add()->SetWidth(width);
}

void TDemoForm::BuildPalette() {
    FPalette = new TToolBar(nullptr);
    FPalette->SetName("ToolBarPalette");
    FPalette->SetParent(this);
    FPalette->SetAlign(alRight);
    FPalette->SetWidth(84);
    FPalette->SetShowCaptions(true);
    FPalette->SetButtonWidth(80);
    FPalette->SetWrapable(true);
    RegisterPaletteClasses();
    auto addEntry = [this](const std::string& caption, TClass cls) {
        TToolButton* b =
            AddToolButton(FPalette, caption.c_str(), [this, cls](TObject*) { SetInsertMode(cls); });
        b->SetStyle(tbsCheck);
        b->SetGrouped(true);
        FPaletteButtons.emplace_back(b, cls);
    };
    addEntry("↖ 选择", nullptr);
    // Every control class of the palette's pages: the stock controls this program registers
    // and what packages register (the designer's own page holds no control to insert).
    for (const std::string& page : GetPalettePages())
        for (TClass cls : GetPaletteClasses(page))
            if (cls->InheritsFrom(TControl::StaticClass())) addEntry(PaletteCaption(cls), cls);
    FPaletteButtons.front().first->SetDown(true);
}

std::string TDemoForm::PaletteCaption(TClass cls) {
    static const std::pair<const char*, const char*> names[] = {
        {"TButton", "按钮"},     {"TLabel", "标签"},      {"TEdit", "编辑框"},
        {"TMemo", "备忘录"},     {"TCheckBox", "复选框"}, {"TRadioButton", "单选按钮"},
        {"TListBox", "列表框"},  {"TComboBox", "组合框"}, {"TPanel", "面板"},
        {"TGroupBox", "分组框"},
    };
    for (auto [name, caption] : names)
        if (cls->ClassName() == name) return caption;
    return cls->ClassName();
}

void TDemoForm::SetInsertMode(TClass controlClass) {
    // Insert mode belongs to a session: outside one the palette is disabled, and a click that
    // reaches it anyway (code) leaves the arrow down.
    if (!FDesigner->IsDesigning()) controlClass = nullptr;
    FDesigner->SetInsertClass(controlClass);
    FDesigner->SetDesignState(controlClass ? dsInsert : dsSelect);
    for (auto& [button, cls] : FPaletteButtons)
        button->SetDown(cls == controlClass);
    UpdateStatus();
}

void TDemoForm::BuildAlignButton() {
    // The same commands as the designer's context menu, taken from it.
    auto* menu = new TPopupMenu(FToolBar);
    TMenuItem* source = FDesigner->PopupMenu()->Items();
    for (int i = 0; i < source->Count(); ++i) {
        const auto command = static_cast<TKmAlign>(source->Items(i)->Tag());
        if (command == daUndo || command == daRedo) continue;
        auto* item = new TMenuItem(menu);
        item->SetCaption(source->Items(i)->Caption());
        item->SetTag(source->Items(i)->Tag());
        item->OnClick = [this, command](TObject*) { AlignSelection(command); };
        menu->Items()->Add(item);
    }
    menu->OnPopup = [this, menu](TObject*) {
        // The designer of the selection, or the form's for what needs no selection.
        TZkFormDesigner* d = SelectionDesigner();
        if (!d && FDesigner->IsDesigning()) d = FDesigner;
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            TMenuItem* item = menu->Items()->Items(i);
            if (item->Caption() != "-")
                item->SetEnabled(d && d->CommandEnabled(static_cast<TKmAlign>(item->Tag())));
        }
    };
    TToolButton* button = AddToolButton(FToolBar, "对齐", nullptr);
    button->SetStyle(tbsDropDown);
    button->SetDropdownMenu(menu);
    button->OnClick = [button, menu](TObject*) {
        const TPoint below = button->ClientToScreen({0, button->Height()});
        menu->Popup(below.X, below.Y);
    };
}

void TDemoForm::BuildSnapButtons() {
    // Both on: a demo shows what the designer can do.
    FDesigner->SetSnapToGrid(true);
    FDesigner->SetSnapToGuides(true);
    FGridButton = AddToolButton(FToolBar, "对齐网格", [this](TObject*) {
        FDesigner->SetSnapToGrid(!FDesigner->SnapToGrid());
        UpdateStatus();
    });
    FGridButton->SetStyle(tbsCheck);
    FGuidesButton = AddToolButton(FToolBar, "参考线", [this](TObject*) {
        FDesigner->SetSnapToGuides(!FDesigner->SnapToGuides());
        UpdateStatus();
    });
    FGuidesButton->SetStyle(tbsCheck);
}

void TDemoForm::BuildFileButton() {
    auto* menu = new TPopupMenu(FToolBar);
    // Layouts first: they are what a user keeps, and they survive the program's next version.
    const std::pair<const char*, TNotifyEvent> items[] = {
        {"打开布局…", [this](TObject*) { OpenLayout(); }},
        {"保存布局…", [this](TObject*) { SaveLayout(); }},
        {"-", nullptr},
        {"打开窗体…", [this](TObject*) { OpenForm(); }},
        {"保存窗体…", [this](TObject*) { SaveForm(); }},
    };
    for (const auto& [caption, action] : items) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        item->OnClick = action;
        menu->Items()->Add(item);
    }
    TToolButton* button = AddToolButton(FToolBar, "文件", nullptr);
    button->SetStyle(tbsDropDown);
    button->SetDropdownMenu(menu);
    button->OnClick = [button, menu](TObject*) {
        const TPoint below = button->ClientToScreen({0, button->Height()});
        menu->Popup(below.X, below.Y);
    };
}

bool TDemoForm::SaveForm() {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(FormFileFilter);
    dialog.SetDefaultExt(FormFileExt);
    if (!dialog.Execute()) return false;
    FDesigner->SaveToBinaryFile(dialog.FileName());
    FDesigner->SetIsDirty(false);
    UpdateStatus();
    return true;
}

void TDemoForm::OpenForm() {
    if (!AskToSave()) return;
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(FormFileFilter);
    dialog.SetDefaultExt(FormFileExt);
    if (!dialog.Execute()) return;
    TZkFormDesigner::LoadFromBinaryFile(this, dialog.FileName());
    // The stream holds the grid's size, not its cells: the form fills them, as after making.
    if (auto* grid = Cast<TStringGrid>(FindComponent("GridItems"))) FillGrid(grid);
    FDesigner->SetIsDirty(false);
    UpdateStatus();
}

bool TDemoForm::AskToSave() {
    if (!FDesigner->IsDirty()) return true;
    TMessageBoxRequest ask;
    ask.Caption = "保存";
    ask.Text = "窗体已修改，是否保存？";
    ask.Type = mtConfirmation;
    ask.Buttons = mbYesNoCancel;
    ask.DefaultButton = mbYes;
    ask.ButtonCaptions = {{mbYes, "保存"}, {mbNo, "不保存"}, {mbCancel, "取消"}};
    switch (ShowMessageBox(ask)) {
    case mrYes:
        return SaveLayout();
    case mrNo:
        return true;
    default:
        return false;
    }
}

TToolButton* TDemoForm::ToolButton(const std::string& caption) const {
    for (TToolBar* bar : {FToolBar, FPalette})
        for (int i = 0; i < bar->ComponentCount(); ++i)
            if (auto* b = Cast<TToolButton>(bar->Components(i)); b && b->Caption() == caption)
                return b;
    return nullptr;
}

TZkFormDesigner* TDemoForm::SelectionDesigner() const {
    TZkControlSelection* selection = FDesigner->Selection();
    if (!FDesigner->IsDesigning() || !selection || selection->Count() == 0) return nullptr;
    return selection->Get(0)->Designer();
}

void TDemoForm::AlignSelection(TKmAlign command) {
    TZkFormDesigner* d = SelectionDesigner();
    if (!d && FDesigner->IsDesigning()) d = FDesigner;
    if (d) d->KMAlignControls(command);
    UpdateStatus();
}

void TDemoForm::BuildEntryFields() {
    Make<TLabel>(this, this, "LabelName", Bounds(16, 48, 60, 17))->SetCaption("姓名：");
    Make<TEdit>(this, this, "EditName", Bounds(88, 44, 160, 21))->SetTextProp("张三");
    Make<TLabel>(this, this, "LabelCity", Bounds(16, 80, 60, 17))->SetCaption("城市：");
    auto* city = Make<TComboBox>(this, this, "ComboCity", Bounds(88, 76, 160, 21));
    for (const char* c : {"北京", "上海", "广州", "深圳"})
        city->Items()->Add(c);
    city->SetItemIndex(1);
    Make<TLabel>(this, this, "LabelNote", Bounds(16, 112, 60, 17))->SetCaption("备注：");
    auto* memo = Make<TMemo>(this, this, "MemoNote", Bounds(88, 108, 160, 70));
    memo->Lines()->Add("第一行备注");
    memo->Lines()->Add("第二行备注");
    Make<TCheckBox>(this, this, "CheckVip", Bounds(88, 188, 120, 17))
        ->SetCaption(NewVersion ? "贵宾（VIP）" : "贵宾客户");
    auto* male = Make<TRadioButton>(this, this, "RadioMale", Bounds(88, 212, 60, 17));
    male->SetCaption("男");
    male->SetChecked(true);
    Make<TRadioButton>(this, this, "RadioFemale", Bounds(156, 212, 60, 17))->SetCaption("女");
    if (NewVersion) {
        Make<TLabel>(this, this, "LabelPhone", Bounds(272, 192, 60, 17))->SetCaption("电话：");
        Make<TEdit>(this, this, "EditPhone", Bounds(340, 188, 160, 21));
    }
}

void TDemoForm::BuildContainers() {
    auto* panel = Make<TPanel>(this, this, "PanelActions", Bounds(272, 44, 220, 134));
    panel->SetCaption("");
    auto* group = Make<TGroupBox>(this, panel, "GroupActions", Bounds(10, 8, 200, 116));
    group->SetCaption("操作");
    Make<TButton>(this, group, "ButtonSave", Bounds(16, 24, 80, 25))->SetCaption("保存");
    Make<TButton>(this, group, "ButtonCancel", Bounds(104, 24, 80, 25))->SetCaption("取消");
    Make<TButton>(this, group, "ButtonHelp", Bounds(16, 64, 168, 25))->SetCaption("帮助");

    auto* list = Make<TListView>(this, this, "ListOrders", Bounds(508, 44, 228, 134));
    list->SetViewStyle(vsReport);
    for (auto [caption, width] :
         {std::pair{"订单号", 80}, std::pair{"金额", 70}, std::pair{"状态", 70}}) {
        TListColumn* col = list->Columns()->Add();
        col->SetCaption(caption);
        col->SetWidth(width);
    }
    for (auto [no, amount, state] :
         {std::tuple{"A001", "120.00", "已付"}, std::tuple{"A002", "86.50", "未付"}}) {
        TListItem* item = list->Items()->Add();
        item->SetCaption(no);
        item->SubItems()->Add(amount);
        item->SubItems()->Add(state);
    }

    auto* pages = Make<TPageControl>(this, this, "PagesDetail", Bounds(16, 244, 720, 260));
    auto* sheetGrid = new TTabSheet(this);
    sheetGrid->SetName("SheetGrid");
    sheetGrid->SetPageControl(pages);
    sheetGrid->SetCaption("明细");
    auto* sheetMore = new TTabSheet(this);
    sheetMore->SetName("SheetMore");
    sheetMore->SetPageControl(pages);
    sheetMore->SetCaption("其他");
    auto* grid = Make<TStringGrid>(this, sheetGrid, "GridItems", Bounds(8, 8, 690, 200));
    grid->SetColCount(4);
    grid->SetRowCount(4);
    FillGrid(grid);
    BuildMorePage(sheetMore);
    pages->SetActivePage(sheetGrid);
}

void TDemoForm::FillGrid(TStringGrid* grid) {
    const char* heads[] = {"序号", "品名", "数量", "单价"};
    for (int c = 0; c < 4 && c < grid->ColCount(); ++c)
        grid->SetCells(c, 0, heads[c]);
    if (grid->RowCount() < 2 || grid->ColCount() < 4) return;
    grid->SetCells(0, 1, "1");
    grid->SetCells(1, 1, "铅笔");
    grid->SetCells(2, 1, "10");
    grid->SetCells(3, 1, "1.50");
}

void TDemoForm::BuildMorePage(TWinControl* page) {
    Make<TLabel>(this, page, "LabelMore", Bounds(16, 12, 200, 17))->SetCaption("其他常用控件：");
    auto* list = Make<TListBox>(this, page, "ListTags", Bounds(16, 36, 140, 120));
    for (const char* tag : {"新客户", "老客户", "批发", "零售"})
        list->Items()->Add(tag);
    auto* scroll = Make<TScrollBox>(this, page, "ScrollNotes", Bounds(172, 36, 180, 120));
    Make<TPanel>(this, scroll, "PanelLong", Bounds(4, 4, 150, 220))->SetCaption("滚动框里的面板");
    const char* alignCaptions[] = {"左", "中", "右"};
    for (int i = 0; i < 3; ++i) {
        auto* b = Make<TSpeedButton>(this, page, ("SpeedAlign" + IntToStr(i + 1)).c_str(),
                                     Bounds(368 + i * 36, 36, 32, 26));
        b->SetCaption(alignCaptions[i]);
        b->SetGroupIndex(1);
        b->SetDown(i == 0);
    }
    auto* shape = Make<TShape>(this, page, "ShapeMark", Bounds(368, 72, 104, 40));
    shape->SetShape(stRoundRect);
    shape->Brush()->SetColor(clSkyBlue);
    Make<TBevel>(this, page, "BevelLine", Bounds(368, 124, 320, 2))->SetShape(bsTopLine);
    auto* check = Make<TCheckBox>(this, page, "CheckPrint", Bounds(488, 36, 120, 17));
    check->SetCaption("打印(&P)");
    check->SetChecked(true);
}

void TDemoForm::StartDesign(const std::string& selectName) {
    FDesigner->BeginDesign();
    if (TComponent* c = FindComponent(selectName))
        if (auto* control = Cast<TControl>(c))
            if (Cast<TDesignControl>(control->Parent())) {
                // As a click: selected alone, focused, shown in the inspector.
                control->Perform(WM_LBUTTONDOWN, 0, 0);
                control->Perform(WM_LBUTTONUP, 0, 0);
            }
    UpdateStatus();
}

void TDemoForm::ShowAbout() {
    TMessageBoxRequest about;
    about.Caption = "关于";
    about.Text = std::string("运行时表单设计器 示例\n版本 ") + ZK_VERSION_STRING;
    ShowMessageBox(about);
}

void TDemoForm::UpdateStatus() {
    if (!FStatusBar || !FDesigner) return;
    const bool designing = FDesigner->IsDesigning();
    const TOperateHistory* history = FDesigner->History();
    FBeginButton->SetEnabled(!designing);
    FEndButton->SetEnabled(designing);
    FUndoButton->SetEnabled(history && history->CanUndo());
    FRedoButton->SetEnabled(history && history->CanRedo());
    FInspectorButton->SetDown(FDesigner->ShowInspector());
    if (FGridButton) FGridButton->SetDown(FDesigner->SnapToGrid());
    if (FGuidesButton) FGuidesButton->SetDown(FDesigner->SnapToGuides());
    // The inspector and the palette act on a session only.
    FInspectorButton->SetEnabled(designing);
    for (auto& [button, cls] : FPaletteButtons)
        button->SetEnabled(designing);

    std::string mode = "模式：选择";
    for (auto& [button, cls] : FPaletteButtons)
        if (cls && FDesigner->DesignState() == dsInsert && cls == FDesigner->InsertClass())
            mode = "模式：插入" + button->Caption();
    const int selected = FDesigner->Selection() ? FDesigner->Selection()->Count() : 0;
    const std::string texts[] = {designing ? "设计中" : "运行中", mode,
                                 "选中：" + IntToStr(selected) + " 个控件",
                                 FDesigner->IsDirty() ? "已修改" : "未修改"};
    for (int i = 0; i < 4; ++i)
        if (FStatusBar->Panels()->Items(i)->Text() != texts[i])
            FStatusBar->Panels()->Items(i)->SetText(texts[i]);
}

void TDemoForm::EditProperty(const std::string& type, TObject* object) {
    auto* lines = Cast<TStrings>(object);
    if (type != "TStrings" || !lines) return;
    if (EditLines(lines, FLinesEditorRunner)) FDesigner->SetIsDirty(true);
}

#include "demo/DemoForm.h"

#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/grids/Grids.h"
#include "host/menus/Menus.h"
#include "host/stdctrls/StdCtrls.h"

ZK_IMPLEMENT_CLASS(TDemoForm, TForm, nullptr)

namespace {
template <class T> T* Make(TForm* owner, TWinControl* parent, const char* name, TRect r) {
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
    SetBounds(120, 80, 760, 560);
    BuildBars();
    BuildEntryFields();
    BuildContainers();

    FDesigner = new TZkFormDesigner(this);
    FDesigner->SetName("FormDesigner1");
    FDesigner->SetShowInspector(false);
    FDesigner->OnSelectionChange = [this](TDesignControl*, TChangeType) { UpdateStatus(); };
    FDesigner->OnDirty = [this](TObject*) { UpdateStatus(); };
    FDesigner->OnEndDesign = [this](TObject*) { UpdateStatus(); };
    BuildAlignButton();
    UpdateStatus();
}

TToolButton* TDemoForm::AddToolButton(const char* caption, TNotifyEvent onClick) {
    auto* b = new TToolButton(this);
    b->SetCaption(caption);
    b->SetParent(FToolBar);
    b->OnClick = std::move(onClick);
    return b;
}

void TDemoForm::BuildBars() {
    FToolBar = new TToolBar(this);
    FToolBar->SetName("ToolBar1");
    FToolBar->SetParent(this);
    FToolBar->SetShowCaptions(true);
    FToolBar->SetButtonWidth(72);
    AddToolButton("开始设计", [this](TObject*) { StartDesign(); });
    AddToolButton("结束设计", [this](TObject*) { FDesigner->EndDesign(); });
    AddToolButton("撤销", [this](TObject*) { FDesigner->Undo(); });
    AddToolButton("重做", [this](TObject*) { FDesigner->Redo(); });
    AddToolButton("删除", [this](TObject*) { FDesigner->DeleteSelection(); });

    FStatusBar = new TStatusBar(this);
    FStatusBar->SetName("StatusBar1");
    FStatusBar->SetParent(this);
    for (int width : {160, 160, 200})
        FStatusBar->Panels()->Add()->SetWidth(width);
}

void TDemoForm::BuildAlignButton() {
    // The same commands as the designer's context menu, taken from it.
    auto* menu = new TPopupMenu(this);
    TMenuItem* source = FDesigner->PopupMenu()->Items();
    for (int i = 0; i < source->Count(); ++i) {
        const auto command = static_cast<TKmAlign>(source->Items(i)->Tag());
        if (command == daUndo || command == daRedo) continue;
        auto* item = new TMenuItem(menu);
        item->SetCaption(source->Items(i)->Caption());
        item->OnClick = [this, command](TObject*) { AlignSelection(command); };
        menu->Items()->Add(item);
    }
    menu->OnPopup = [this, menu](TObject*) {
        TZkFormDesigner* d = SelectionDesigner();
        for (int i = 0; i < menu->Items()->Count(); ++i)
            menu->Items()->Items(i)->SetEnabled(d && d->GetSelectCount() >= 2);
    };
    TToolButton* button = AddToolButton("对齐", nullptr);
    button->SetStyle(tbsDropDown);
    button->SetDropdownMenu(menu);
    button->OnClick = [button, menu](TObject*) {
        const TPoint below = button->ClientToScreen({0, button->Height()});
        menu->Popup(below.X, below.Y);
    };
}

TZkFormDesigner* TDemoForm::SelectionDesigner() const {
    TZkControlSelection* selection = FDesigner->Selection();
    if (!FDesigner->IsDesigning() || !selection || selection->Count() == 0) return nullptr;
    return selection->Get(0)->Designer();
}

void TDemoForm::AlignSelection(TKmAlign command) {
    if (TZkFormDesigner* d = SelectionDesigner()) d->KMAlignControls(command);
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
    Make<TCheckBox>(this, this, "CheckVip", Bounds(88, 188, 120, 17))->SetCaption("贵宾客户");
    auto* male = Make<TRadioButton>(this, this, "RadioMale", Bounds(88, 212, 60, 17));
    male->SetCaption("男");
    male->SetChecked(true);
    Make<TRadioButton>(this, this, "RadioFemale", Bounds(156, 212, 60, 17))->SetCaption("女");
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
    const char* heads[] = {"序号", "品名", "数量", "单价"};
    for (int c = 0; c < 4; ++c)
        grid->SetCells(c, 0, heads[c]);
    grid->SetCells(0, 1, "1");
    grid->SetCells(1, 1, "铅笔");
    grid->SetCells(2, 1, "10");
    grid->SetCells(3, 1, "1.50");
    BuildMorePage(sheetMore);
    pages->SetActivePage(sheetGrid);
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
            if (auto* overlay = Cast<TDesignControl>(control->Parent())) overlay->SetSelected(true);
    UpdateStatus();
}

void TDemoForm::UpdateStatus() {
    if (!FStatusBar || !FDesigner) return;
    const bool designing = FDesigner->IsDesigning();
    const int selected = FDesigner->Selection() ? FDesigner->Selection()->Count() : 0;
    FStatusBar->Panels()->Items(0)->SetText(designing ? "设计中" : "运行中");
    FStatusBar->Panels()->Items(1)->SetText("选中：" + IntToStr(selected) + " 个控件");
    FStatusBar->Panels()->Items(2)->SetText(FDesigner->IsDirty() ? "已修改" : "未修改");
}

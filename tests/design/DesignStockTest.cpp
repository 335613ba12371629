// Designing forms made of the stock controls: what each kind of control needs of the design.
#include "DesignTesting.h"
#include "host/comctrls/ComCtrls.h"
#include "host/comctrls/ListView.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/grids/Grids.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

/// A host's own inspector, derived from the object inspector.
class THostInspector : public TObjectInspForm {
    ZK_CLASS(THostInspector, TObjectInspForm)
    explicit THostInspector(TComponent* AOwner) : TObjectInspForm(AOwner) {}
};
ZK_IMPLEMENT_CLASS(THostInspector, TObjectInspForm, nullptr)

namespace {

class DesignStock : public DesignTest {};

TEST_F(DesignStock, TabSheetsAreWrappedWholeAndNeverSelected) {
    auto* pages = Add<TPageControl>(Form, Bounds(10, 10, 300, 200), "Pages");
    auto* sheet = new TTabSheet(Form);
    sheet->SetName("Sheet1");
    sheet->SetPageControl(pages);
    auto* sheet2 = new TTabSheet(Form);
    sheet2->SetName("Sheet2");
    sheet2->SetPageControl(pages);
    pages->SetActivePage(sheet);
    int events = 0;
    Designer->OnSelectionChange = [&](TDesignControl*, TChangeType) { ++events; };
    Begin();
    TDesignControl* overlay = OverlayOf(sheet);
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->Align(), alClient);
    EXPECT_TRUE(overlay->HasInnerDesigner());
    overlay->SetSelected(true);
    EXPECT_FALSE(overlay->Selected());
    EXPECT_EQ(events, 0);
    EXPECT_FALSE(sheet2->Visible()) << "the page behind stays hidden";
    Designer->EndDesign();
    EXPECT_EQ(sheet->Parent(), pages);
    EXPECT_EQ(pages->ActivePage(), sheet);
}

TEST_F(DesignStock, TheOverlayFollowsAControlThatSizesItself) {
    auto* label = Add<TLabel>(Form, Bounds(10, 10, 40, 15), "Label1");
    label->SetCaption("ab");
    Begin();
    TDesignControl* overlay = Designer->FindOverlay(label);
    ASSERT_TRUE(overlay);
    const int left = overlay->Left();
    // A longer caption widens the label itself; a drag of its handle that the label undoes
    // ends the same way.
    label->SetCaption("a much longer caption than before");
    Process();
    EXPECT_GT(label->Width(), 40);
    EXPECT_EQ(label->BoundsRect(), InnerRect(overlay->Width(), overlay->Height()));
    EXPECT_EQ(overlay->Left(), left);
    overlay->SetBounds(overlay->Left(), overlay->Top(), 30, overlay->Height());
    Process();
    EXPECT_EQ(label->BoundsRect(), InnerRect(overlay->Width(), overlay->Height()));
    Designer->EndDesign();
}

TEST_F(DesignStock, ComboBoxIsADropDownListOfFixedHeightDuringTheDesign) {
    auto* combo = Add<TComboBox>(Form, Bounds(10, 10, 120, 21), "Combo1");
    combo->SetStyle(csDropDown);
    const int height = combo->Height(); // the height the combo box keeps at run time
    Begin();
    EXPECT_EQ(combo->Style(), csDropDownList);
    TDesignControl* overlay = OverlayOf(combo);
    EXPECT_EQ(overlay->Height(), 2 * HandleSize + height) << "the combo's own height";
    overlay->SetHeight(60);
    EXPECT_EQ(overlay->Height(), 2 * HandleSize + height);
    EXPECT_EQ(combo->Height(), height);
    Designer->EndDesign();
    EXPECT_EQ(combo->Style(), csDropDown);
    EXPECT_EQ(combo->Parent(), Form);
}

TEST_F(DesignStock, BarsAndTheInspectorStayLiveAndUndesigned) {
    auto* inspector = new TObjectInspForm(Form);
    inspector->SetParent(Form);
    auto* derived = new THostInspector(Form);
    derived->SetParent(Form);
    auto* status = new TStatusBar(Form);
    status->SetName("StatusBar1");
    status->SetParent(Form);
    auto* tools = new TToolBar(Form);
    tools->SetName("ToolBar1");
    tools->SetParent(Form);
    auto* edit = Add<TEdit>(Form, Bounds(10, 40, 100, 21), "Edit1");
    Begin();
    for (TControl* live : std::initializer_list<TControl*>{status, tools, inspector, derived})
        EXPECT_EQ(live->Parent(), Form) << live->ClassName();
    EXPECT_NE(edit->Parent(), Form);
    EXPECT_EQ(Designer->OverlayCount(), 1);
    Designer->EndDesign();
}

TEST_F(DesignStock, GridGetsAnOverlayButNoInnerDesigner) {
    auto* grid = Add<TStringGrid>(Form, Bounds(10, 10, 200, 120), "Grid1");
    auto* panel = Add<TPanel>(Form, Bounds(220, 10, 100, 100), "Panel1");
    Begin();
    EXPECT_FALSE(OverlayOf(grid)->HasInnerDesigner());
    EXPECT_TRUE(OverlayOf(panel)->HasInnerDesigner());
    Designer->EndDesign();
}

TEST_F(DesignStock, ClickOnAListViewsColumnHeaderSelectsTheListView) {
    auto* list = Add<TListView>(Form, Bounds(10, 10, 200, 120), "List1");
    list->SetViewStyle(vsReport);
    list->Columns()->Add()->SetCaption("列一");
    Begin();
    Click(At(list, 10, 4)); // on the header, at the top of the list view
    EXPECT_TRUE(OverlayOf(list)->Selected());
    Designer->EndDesign();
}

TEST_F(DesignStock, PageControlSwitchesPagesByItsTabsAndTheSessionLeavesThePageInFront) {
    auto* pages = Add<TPageControl>(Form, Bounds(10, 10, 300, 200), "Pages");
    TTabSheet* sheets[2];
    for (int i = 0; i < 2; ++i) {
        sheets[i] = new TTabSheet(Form);
        sheets[i]->SetName(i == 0 ? "SheetA" : "SheetB");
        sheets[i]->SetCaption(i == 0 ? "第一页" : "第二页");
        sheets[i]->SetPageControl(pages);
    }
    pages->SetActivePage(sheets[0]);
    auto* hidden = Add(Form, Bounds(320, 10, 60, 60), "Hidden1");
    Add<TTestButton>(hidden, Bounds(5, 5, 40, 20), "InHidden");
    hidden->SetVisible(false);
    Begin();
    const TRect tab = pages->TabRect(1);
    Click(At(pages, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2));
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(OverlayOf(pages)->Selected()) << "the click also selects the page control";
    Designer->EndDesign();
    Process();
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_TRUE(IsWindowVisible(sheets[1]->Handle()));
    EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
    EXPECT_FALSE(hidden->Visible()) << "hidden for another reason, it stays hidden";
    EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
}

} // namespace

// In-place editing through real input on the inspector's window: rows picked with the mouse
// and the arrows, typed text written when the row is left, the column boundary dragged.

#include "InspectorTesting.h"

namespace {

class InspectorEditing : public InspectorTest {
protected:
    void SetUp() override {
        InspectorTest::SetUp();
        Button1->SetCaption("OK");
        Button1->SetHint("OK");
        Insp->SetCurObject(Button1);
        ShowInspector();
    }
};

TEST_F(InspectorEditing, EnterWritesNothingAndLeavingTheRowWritesOnce) {
    const int row = RowOf("Hint");
    ASSERT_LT(row, Insp->GetCount() - 1);
    ClickRow(row);
    ASSERT_EQ(Insp->ItemIndex(), row);
    ASSERT_TRUE(Insp->Edit1->Focused());
    EXPECT_EQ(Insp->Edit1->Text(), "OK");
    InspType("Go");
    InspKey(Qt::Key_Return);
    EXPECT_EQ(Button1->Hint(), "OK");
    EXPECT_TRUE(Modified.empty());
    EXPECT_EQ(Insp->Edit1->SelLength(), 2);
    InspKey(Qt::Key_Down);
    EXPECT_EQ(Button1->Hint(), "Go");
    EXPECT_EQ(Modified, std::vector<int>{row});
    EXPECT_EQ(Insp->ItemIndex(), row + 1);
    InspKey(Qt::Key_Up);
    EXPECT_EQ(Modified.size(), 1u);
}

TEST_F(InspectorEditing, EscapeUndoesAndLeavingWritesNothing) {
    ClickRow(RowOf("Hint"));
    InspType("xyz");
    InspKey(Qt::Key_Escape);
    EXPECT_EQ(Insp->Edit1->Text(), "OK");
    EXPECT_FALSE(Insp->Edit1->Modified());
    InspKey(Qt::Key_Down);
    EXPECT_EQ(Button1->Hint(), "OK");
    EXPECT_TRUE(Modified.empty());
}

TEST_F(InspectorEditing, ArrowsStopAtTheEndsAndClicksBelowTakeTheLastRow) {
    ClickRow(0);
    InspKey(Qt::Key_Up);
    EXPECT_EQ(Insp->ItemIndex(), 0);
    const int last = Insp->GetCount() - 1;
    ClickRow(last);
    EXPECT_EQ(Insp->ItemIndex(), last);
    InspKey(Qt::Key_Down);
    EXPECT_EQ(Insp->ItemIndex(), last);
    EXPECT_TRUE(Insp->Edit1->Focused());
    ClickRow(0);
    // The grid ends with the last row; a press reported below it selects that row.
    Insp->PaintBox1->Perform(WM_LBUTTONDOWN, 0,
                             PointToLParam({20, (last + 3) * Insp->RowHeight()}));
    Insp->PaintBox1->Perform(WM_LBUTTONUP, 0, PointToLParam({20, (last + 3) * Insp->RowHeight()}));
    EXPECT_EQ(Insp->ItemIndex(), last);
}

TEST_F(InspectorEditing, EditorsFitTheRowKind) {
    struct Case {
        const char* prop;
        bool edit, readOnly, dialog, list;
        const char* text;
    };
    const Case cases[] = {{"Color", false, true, true, false, nullptr},
                          {"Font", true, true, true, false, "Font"},
                          {"Visible", true, true, false, true, "是"},
                          {"Cursor", true, true, false, true, "crDefault"},
                          {"Caption", true, false, false, false, "OK"}};
    const int H = Insp->RowHeight(), W = Insp->GridWidth(), S = Insp->SplitPos();
    for (const Case& c : cases) {
        const int row = RowOf(c.prop);
        ASSERT_GE(row, 0) << c.prop;
        ClickRow(row);
        EXPECT_EQ(Insp->Edit1->Visible(), c.edit) << c.prop;
        EXPECT_EQ(Insp->EditPanel->Visible(), c.dialog) << c.prop;
        EXPECT_EQ(Insp->ComboPanel->Visible(), c.list) << c.prop;
        if (c.edit) {
            EXPECT_EQ(Insp->Edit1->ReadOnly(), c.readOnly) << c.prop;
            EXPECT_EQ(Insp->Edit1->Text(), c.text) << c.prop;
        }
        const int buttons = (c.dialog ? 15 : 0) + (c.list ? 15 : 0);
        EXPECT_EQ(Insp->Edit1->BoundsRect(),
                  Rect(S + 3, row * H + 1, W + 1 - buttons, row * H + H - 1))
            << c.prop;
        TPanel* panel = c.dialog ? Insp->EditPanel : c.list ? Insp->ComboPanel : nullptr;
        if (panel) {
            EXPECT_EQ(panel->BoundsRect(), Rect(W - 14, row * H + 1, W, row * H + H - 1));
        }
    }
}

TEST_F(InspectorEditing, AFailedCommitIsReportedAndKeepsTheTypedText) {
    Button1->SetLeft(20);
    const int row = RowOf("Left");
    ClickRow(row);
    InspType("abc");
    InspKey(Qt::Key_Down);
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Button1->Left(), 20);
    EXPECT_EQ(Insp->ItemIndex(), row);
    EXPECT_EQ(Insp->Edit1->Text(), "abc");
    EXPECT_TRUE(Insp->Edit1->Modified());
    EXPECT_TRUE(Modified.empty());
}

TEST_F(InspectorEditing, AModifyHandlerCannotMoveTheSelection) {
    Insp->OnModify = [this](int item) {
        Modified.push_back(item);
        Insp->SetItemIndex(0);
    };
    const int row = RowOf("Hint");
    ClickRow(row);
    InspType("New");
    InspKey(Qt::Key_Down);
    EXPECT_EQ(Modified, std::vector<int>{row});
    EXPECT_EQ(Insp->ItemIndex(), row + 1);
}

TEST_F(InspectorEditing, SettingTheSameObjectCommitsTheEditAndKeepsTheRows) {
    const int row = RowOf("Caption");
    ClickRow(row);
    TProp* before = Insp->Props(row);
    InspType("Same");
    Insp->SetCurObject(Button1);
    EXPECT_EQ(Button1->Caption(), "Same");
    EXPECT_EQ(Insp->Props(row), before);
    EXPECT_EQ(Insp->ItemIndex(), row);
    // Another object: the pending edit goes to the one being left.
    InspType("Left behind");
    Insp->SetCurObject(Target);
    EXPECT_EQ(Button1->Caption(), "Left behind");
    EXPECT_EQ(Insp->GetClassName(), "TInspTarget");
}

TEST_F(InspectorEditing, AModifyHandlerThatInspectsAnotherObjectGetsTheEditorsPlaced) {
    Insp->SetCurObject(Button1);
    Insp->OnModify = [&](int) { Insp->SetCurObject(Target); };
    ClickRow(RowOf("Hint"));
    InspClick(Insp->Edit1, 5, 5);
    Insp->OnModify = nullptr;
    Process();
    ASSERT_EQ(Insp->CurObject(), Target);
    const int row = Insp->ItemIndex(), H = Insp->RowHeight();
    TProp* prop = Insp->CurItem();
    ASSERT_NE(prop, nullptr);
    // The box shows the new object's row, placed over it as a box placed afresh is.
    EXPECT_EQ(Insp->Edit1->Text(), Insp->GetItemValue(row));
    EXPECT_FALSE(Insp->Edit1->Modified());
    EXPECT_EQ(Insp->Edit1->Top(), row * H + 1);
    EXPECT_EQ(Insp->EditPanel->Visible(), prop->IsClassProp());
    EXPECT_EQ(Insp->ComboPanel->Visible(), prop->IsListProp());
}

TEST_F(InspectorEditing, ADoubleClickWritesTheShownValueBackExceptForEnumerations) {
    const int caption = RowOf("Caption"), visible = RowOf("Visible");
    for (int row : {caption, visible}) {
        Modified.clear();
        ClickRow(row);
        InspClick(Insp->Edit1, 5, 5);
        EXPECT_EQ(Modified, row == caption ? std::vector<int>{row} : std::vector<int>{});
        EXPECT_FALSE(Insp->Edit1->Modified());
    }
    EXPECT_EQ(Button1->Caption(), "OK");
    EXPECT_TRUE(Button1->Visible());
    // A row that shows a name rather than a value is not written back.
    Modified.clear();
    ClickRow(RowOf("Font"));
    InspClick(Insp->Edit1, 5, 5);
    EXPECT_TRUE(Modified.empty());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(InspectorEditing, TheBoundaryZoneAndItsDrag) {
    const int S = Insp->SplitPos(), y = Insp->RowHeight() / 2;
    for (int x = S - 5; x <= S + 5; ++x) {
        InspMove(Insp->PaintBox1, x, y);
        EXPECT_EQ(Insp->PaintBox1->Cursor(), (x > S - 3 && x < S + 3) ? crHSplit : crDefault) << x;
    }
    InspMove(Insp->PaintBox1, S, y);
    InspPress(Insp->PaintBox1, S, y);
    EXPECT_TRUE(Insp->SplitDragging());
    EXPECT_EQ(Insp->ItemIndex(), -1);
    InspMove(Insp->PaintBox1, 5, y);
    EXPECT_EQ(Insp->SplitPos(), S);
    InspMove(Insp->PaintBox1, 100, y);
    EXPECT_EQ(Insp->SplitPos(), 100);
    // No further than leaves the value column room for its editors.
    InspMove(Insp->PaintBox1, Insp->GridWidth() + 50, y);
    EXPECT_EQ(Insp->SplitPos(), Insp->GridWidth() - 32);
    InspRelease(Insp->PaintBox1, Insp->GridWidth() - 32, y);
    EXPECT_FALSE(Insp->SplitDragging());
    ClickRow(RowOf("Hint"));
    EXPECT_EQ(Insp->Edit1->Left(), Insp->GridWidth() - 29);
    EXPECT_GE(Insp->Edit1->Width(), 0);
}

TEST_F(InspectorEditing, ANarrowedWindowGivesTheBoundaryBackWhenWidened) {
    const int wide = Insp->Width(), row = RowOf("Hint"), H = Insp->RowHeight();
    ClickRow(row);
    for (const int set : {75, 100}) { // the boundary at creation, then one dragged
        const int y = H / 2;
        if (set != Insp->SplitPos()) {
            InspMove(Insp->PaintBox1, Insp->SplitPos(), y);
            InspPress(Insp->PaintBox1, Insp->SplitPos(), y);
            InspMove(Insp->PaintBox1, set, y);
            InspRelease(Insp->PaintBox1, set, y);
        }
        ASSERT_EQ(Insp->SplitPos(), set);
        Insp->SetWidth(set);
        Process();
        ASSERT_LT(Insp->GridWidth(), set + 32) << "the value column has to be squeezed";
        EXPECT_EQ(Insp->SplitPos(), set);
        EXPECT_EQ(Insp->ShownSplitPos(), std::max(Insp->GridWidth() - 32, 6));
        EXPECT_EQ(Insp->Edit1->Left(), Insp->ShownSplitPos() + 3);
        Insp->SetWidth(wide);
        Process();
        EXPECT_EQ(Insp->ShownSplitPos(), set);
        EXPECT_EQ(Insp->Edit1->Left(), set + 3);
        // The grid's boundary lines are drawn there again, and the cursor changes there.
        Insp->PaintBox1->Repaint();
        Process();
        const TColor shadow = ColorToRGB(clBtnShadow);
        EXPECT_EQ(Insp->Buffer()->Canvas()->Pixels(set - 1, (row + 1) * H + 5), shadow) << set;
        InspMove(Insp->PaintBox1, set, (row + 1) * H + 5);
        EXPECT_EQ(Insp->PaintBox1->Cursor(), crHSplit) << set;
    }
}

TEST_F(InspectorEditing, CharRowsShowAndTakeTheSameText) {
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(20, 100, 100, 21);
    Insp->SetCurObject(edit);
    const int row = RowOf("PasswordChar");
    ASSERT_GE(row, 0);
    ASSERT_EQ(Insp->ItemName(row), "密码字符");
    auto doubleClick = [&] {
        ClickRow(row);
        InspClick(Insp->Edit1, 5, 5);
    };
    // No character: shown as #0, and a double click writes #0 back, not the digit 0.
    ClickRow(row);
    EXPECT_EQ(Insp->Edit1->Text(), "#0");
    doubleClick();
    EXPECT_EQ(edit->PasswordChar(), '\0');
    EXPECT_EQ(Modified, std::vector<int>{row});
    struct Case {
        const char* typed;
        char stored;
        const char* shown;
    };
    const Case cases[] = {{"#42", '*', "*"}, {"0", '0', "0"}, {" ", ' ', "#32"}, {"#0", '\0', "#0"}};
    for (const Case& c : cases) {
        ClickRow(row);
        InspType(c.typed);
        InspKey(Qt::Key_Down);
        EXPECT_EQ(edit->PasswordChar(), c.stored) << c.typed;
        ClickRow(row);
        EXPECT_EQ(Insp->Edit1->Text(), c.shown) << c.typed;
        // What is shown, written back as it stands, changes nothing.
        doubleClick();
        EXPECT_EQ(edit->PasswordChar(), c.stored) << c.typed;
        EXPECT_EQ(Insp->Edit1->Text(), c.shown) << c.typed;
    }
    EXPECT_TRUE(Errors.empty());
    // Neither one character nor #n: refused, and the row keeps the typed text to mend.
    InspType("42");
    InspKey(Qt::Key_Down);
    EXPECT_EQ(Errors.size(), 1u);
    EXPECT_EQ(edit->PasswordChar(), '\0');
    EXPECT_EQ(Insp->ItemIndex(), row);
}

TEST_F(InspectorEditing, SelectingARowOutOfViewScrollsItIn) {
    Insp->OnTransFieldName = [](const std::string& n) { return n; };
    Insp->SetCurObject(Target);
    const int H = Insp->RowHeight();
    Insp->SetClientHeight(Insp->CB1->Height() + 7 + 10 * H);
    Process();
    TControlScrollBar* bar = Insp->Box->VertScrollBar();
    const int view = Insp->Box->ClientHeight(), row = Insp->GetCount() - 2;
    ASSERT_GT((row + 1) * H, view);
    Insp->SetItemIndex(row);
    const int top = row * H + 1;
    EXPECT_EQ(bar->Position(), top + H - view);
    Insp->SetItemIndex(1);
    EXPECT_EQ(bar->Position(), H);
    // The row under a click follows the scrolled grid.
    ClickRow(3);
    EXPECT_EQ(Insp->ItemIndex(), 3);
}

} // namespace

TEST_F(InspectorEditing, ResizingTheWindowLeavesAPendingEditPending) {
    // A layout pass places the editor again; it must not write (and raise for) typed text,
    // as when the session's end realigns the form the inspector is docked on.
    const int row = RowOf("Width");
    ClickRow(row);
    InspType("abc");
    EXPECT_NO_THROW(
        Insp->SetBounds(Insp->Left(), Insp->Top(), Insp->Width() + 20, Insp->Height() + 20));
    EXPECT_EQ(Insp->Edit1->Text(), "abc");
    EXPECT_TRUE(Insp->Edit1->Modified());
    EXPECT_EQ(Insp->ItemIndex(), row);
}

TEST_F(InspectorEditing, ARefusedEditIsReportedWhenTheObjectChangesUnderIt) {
    // A deletion or an undo that changes the inspected object must run to its end.
    std::vector<std::string> reports;
    Application->SetErrorReport([&](const std::string& m) { reports.push_back(m); });
    ClickRow(RowOf("Width"));
    InspType("abc");
    EXPECT_NO_THROW(Insp->SetCurObject(Target));
    EXPECT_EQ(Insp->CurObject(), Target);
    EXPECT_EQ(reports.size(), 1u);
    Application->SetErrorReport({});
}

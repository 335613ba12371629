// The designer's keyboard: several selected controls moved and resized as one change, the
// focus step, Esc, undo and redo from the design form, and keys on an unselected overlay.
#include "DesignTesting.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignKeys : public DesignRowTest {
protected:
    /// Selects what a band from one point to the other overlaps; the form keeps the focus.
    void Band(TPoint from, TPoint to) {
        Press(from);
        Move(to);
        Release(to);
        Process();
    }
    void CtrlClick(TControl* c) {
        Press(At(c, 5, 5), Qt::LeftButton, Qt::ControlModifier);
        Release(At(c, 5, 5), Qt::LeftButton, Qt::ControlModifier);
        Process();
    }
    void KeyIn(Qt::Key key, Qt::KeyboardModifiers m = {}) {
        Key(key, m);
        Process();
    }
    TOperateHistory* History() { return Designer->History(); }
};

TEST_F(DesignKeys, RightWithTwoSelectedMovesBothAsOneChangeThenSelectsTheNextInTabOrder) {
    Begin();
    Band({150, 70}, {300, 5}); // B and C
    ASSERT_TRUE(Form->Focused());
    ASSERT_EQ(Designer->GetSelectCount(), 2);
    KeyIn(Qt::Key_Right);
    EXPECT_EQ(OverlayOf(B)->Left(), 117);
    EXPECT_EQ(OverlayOf(C)->Left(), 217);
    EXPECT_EQ(OverlayOf(A)->Left(), 16);
    EXPECT_EQ(History()->Count(), 2);
    EXPECT_TRUE(Designer->IsDirty());
    // The form had no active control: the next tab stop is the first, which joins in.
    EXPECT_TRUE(OverlayOf(A)->Focused());
    EXPECT_EQ(Designer->GetSelectCount(), 3);
    // With three selected the focused overlay hands the key on: all three move at once.
    KeyIn(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(OverlayOf(A)->Top(), 17);
    EXPECT_EQ(OverlayOf(C)->Top(), 17);
    EXPECT_EQ(History()->Count(), 4);
    Designer->Undo();
    EXPECT_EQ(OverlayOf(C)->Top(), 16);
    Designer->Undo();
    EXPECT_EQ(OverlayOf(B)->Left(), 116);
    EXPECT_EQ(OverlayOf(C)->Left(), 216);
}

TEST_F(DesignKeys, ShiftDownMakesTheEditTallerButNotTheComboBox) {
    auto* combo = Add<TComboBox>(Form, Bounds(20, 100, 120, 21), "Combo");
    auto* edit = Add<TEdit>(Form, Bounds(160, 100, 120, 21), "Edit");
    Begin();
    Band({10, 140}, {300, 110});
    ASSERT_EQ(Designer->GetSelectCount(), 2);
    const int comboHeight = OverlayOf(combo)->Height(), editHeight = OverlayOf(edit)->Height();
    const int comboWidth = combo->Width();
    KeyIn(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(OverlayOf(edit)->Height(), editHeight + 1);
    EXPECT_EQ(edit->Height(), editHeight + 1 - 8);
    EXPECT_EQ(OverlayOf(combo)->Height(), comboHeight);
    EXPECT_EQ(History()->Count(), 2);
    EXPECT_TRUE(Designer->IsDirty());
    Band({10, 140}, {300, 110});
    ASSERT_TRUE(Form->Focused());
    KeyIn(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(combo->Width(), comboWidth + 1) << "the combo box widens, fitted to its overlay";
    EXPECT_EQ(OverlayOf(edit)->Width(), 129);
}

TEST_F(DesignKeys, EscDeselectsOnlyTheReceivingDesignersControls) {
    auto* panel = Add(Form, Bounds(20, 100, 200, 120), "P");
    auto* x = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "X");
    Begin();
    Band({5, 5}, {150, 60}); // A and B
    OverlayOf(x)->SetSelected(true);
    ASSERT_TRUE(Form->Focused());
    KeyIn(Qt::Key_Escape);
    EXPECT_EQ(Designer->GetSelectCount(), 0);
    EXPECT_TRUE(OverlayOf(x)->Selected());
    EXPECT_EQ(History()->Count(), 0);
}

TEST_F(DesignKeys, UndoAndRedoFromTheDesignForm) {
    Begin();
    Band({150, 70}, {300, 5});
    KeyIn(Qt::Key_Left);
    Click({300, 250}); // the form takes the focus, nothing stays selected
    ASSERT_TRUE(Form->Focused());
    struct Step {
        Qt::KeyboardModifiers Mods;
        int Left;
    } steps[] = {
        {Qt::NoModifier, 115},                          // Z alone does nothing
        {Qt::ShiftModifier, 115},                       // nor Shift+Z
        {Qt::ControlModifier, 116},                     // undo
        {Qt::ControlModifier | Qt::ShiftModifier, 115}, // redo
    };
    for (const Step& s : steps) {
        KeyIn(Qt::Key_Z, s.Mods);
        EXPECT_EQ(OverlayOf(B)->Left(), s.Left);
        EXPECT_TRUE(Form->Focused()) << "undo and redo do not move the focus";
    }
    EXPECT_EQ(History()->Count(), 2);
}

TEST_F(DesignKeys, AnArrowWithNothingSelectedRecordsNothingButMovesTheFocus) {
    Begin();
    Click({300, 250});
    ASSERT_TRUE(Form->Focused());
    KeyIn(Qt::Key_Right);
    EXPECT_EQ(History()->Count(), 0);
    EXPECT_TRUE(OverlayOf(A)->Focused());
    EXPECT_EQ(Designer->GetSelectCount(), 1);
}

TEST_F(DesignKeys, KeysOnAnOverlayCtrlClickedOutOfTheSelectionActOnTheSelection) {
    Begin();
    // A selected; B Ctrl+clicked in and out again, so that it keeps the focus.
    auto selectAFocusB = [&] {
        Click({300, 250});
        Click(At(A, 5, 5));
        CtrlClick(B);
        CtrlClick(B);
        ASSERT_TRUE(OverlayOf(B)->Focused());
        ASSERT_FALSE(OverlayOf(B)->Selected());
        ASSERT_TRUE(OverlayOf(A)->Selected());
    };
    selectAFocusB();
    KeyIn(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(OverlayOf(A)->Left(), 17);
    EXPECT_EQ(OverlayOf(B)->Left(), 116) << "the unselected control stays where it is";
    selectAFocusB();
    KeyIn(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(OverlayOf(A)->Width(), 69);
    EXPECT_EQ(OverlayOf(B)->Width(), 68);
    selectAFocusB();
    KeyIn(Qt::Key_Escape);
    EXPECT_FALSE(OverlayOf(A)->Selected()) << "Esc clears the designer's selection";
    EXPECT_EQ(Designer->GetSelectCount(), 0);
    EXPECT_EQ(History()->Count(), 4);
}

TEST_F(DesignKeys, KeysForwardedInsideAContainerMoveWithoutTheFocusStep) {
    auto* panel = Add(Form, Bounds(20, 100, 300, 120), "P");
    auto* x = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "X");
    auto* y = Add<TTestButton>(panel, Bounds(100, 10, 60, 25), "Y");
    Begin();
    Click(At(x, 5, 5));
    CtrlClick(y);
    ASSERT_TRUE(OverlayOf(y)->Focused());
    KeyIn(Qt::Key_Right);
    KeyIn(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(OverlayOf(x)->BoundsRect(), Rect(7, 6, 75, 40));
    EXPECT_EQ(OverlayOf(y)->BoundsRect(), Rect(97, 6, 165, 40));
    EXPECT_TRUE(OverlayOf(y)->Focused()) << "an inner designer moves no focus";
    EXPECT_EQ(OverlayOf(x)->Designer()->GetSelectCount(), 2);
    EXPECT_EQ(History()->Count(), 2) << "a move and a resize in a row by keys: one change";
}

TEST_F(DesignKeys, TabAndTheArrowsWalkFromAnUnselectedChildOfAContainer) {
    auto* panel = Add(Form, Bounds(20, 100, 300, 120), "P");
    auto* x = Add<TTestButton>(panel, Bounds(10, 10, 60, 25), "X");
    auto* y = Add<TTestButton>(panel, Bounds(100, 10, 60, 25), "Y");
    Begin();
    const struct {
        Qt::Key Key;
        TTestButton* From;
        TTestButton* To;
    } cases[] = {{Qt::Key_Tab, x, y}, {Qt::Key_Right, x, y}, {Qt::Key_Down, x, y},
                 {Qt::Key_Left, y, x}, {Qt::Key_Up, y, x}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        Click(At(c.From, 5, 5));
        KeyIn(Qt::Key_Escape);
        ASSERT_FALSE(OverlayOf(c.From)->Selected());
        ASSERT_TRUE(OverlayOf(c.From)->Focused());
        KeyIn(c.Key);
        EXPECT_TRUE(OverlayOf(c.To)->Focused());
        EXPECT_TRUE(OverlayOf(c.To)->Selected());
    }
    EXPECT_EQ(History()->Count(), 0) << "walking moves nothing";
}

TEST_F(DesignKeys, DeleteDuringADragOfSeveralEndsTheDragFirst) {
    Begin();
    Click(At(A, 5, 5));
    CtrlClick(B);
    const TRect c = OverlayOf(C)->BoundsRect();
    Press(At(B, 5, 5));
    Move(At(B, 25, 15));
    ASSERT_TRUE(Designer->IsDragging());
    KeyIn(Qt::Key_Delete);
    EXPECT_FALSE(Designer->IsDragging());
    Move(At(B, 45, 25));
    Release(At(B, 45, 25));
    Process();
    EXPECT_TRUE(OverlayOf(C)->Selected()) << "the deletion selects what is left";
    EXPECT_EQ(OverlayOf(C)->BoundsRect(), c) << "and the release moves nothing";
    EXPECT_EQ(History()->Count(), 2) << "one deletion of two, no move";
}

} // namespace

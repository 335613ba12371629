// Input on designed controls: moving and resizing through the window system's loop, the
// keyboard, undo and redo, and what one user action records.
#include <QTimer>

#include "DesignTesting.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignInput : public DesignTest {
protected:
    /// Presses the left button at `from` (form client coordinates) and moves the mouse one
    /// pixel, which hands the drag to the window system's loop; the loop then follows queued
    /// moves to (dx, dy) from the press in `steps` steps and the release there.
    void Drag(TPoint from, int dx, int dy, int steps = 2) {
        QWindow* window = Window();
        const QPoint press(from.X, from.Y);
        Press(from);
        QTimer::singleShot(0, [=] {
            for (int i = 1; i <= steps; ++i)
                QTest::mouseMove(window, press + QPoint(dx * i / steps, dy * i / steps));
            QTest::mouseRelease(window, Qt::LeftButton, {}, press + QPoint(dx, dy));
        });
        QTest::mouseMove(window, press + QPoint(1, 0));
        Process();
    }
    TOperateHistory* History() { return Designer->History(); }
    /// The history as its text dump, lines joined with '|'.
    std::string Dump() {
        TMemoryStream s;
        for (int i = 0; i < History()->Count(); ++i)
            History()->Record(i)->SaveToStream(&s);
        std::string text(static_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size()));
        std::string out;
        for (char c : text)
            out += c == '\r' ? std::string() : c == '\n' ? std::string("|") : std::string(1, c);
        return out;
    }
};

TEST_F(DesignInput, DraggingTheOnlySelectedControlMovesItAndRecordsOneChange) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
    Begin();
    TDesignControl* overlay = OverlayOf(a);
    Click(At(a, 10, 10));
    ASSERT_TRUE(overlay->Selected());
    Drag(At(a, 10, 10), 30, 12, 3);
    EXPECT_EQ(overlay->BoundsRect(), Bounds(36, 28, 108, 58));
    EXPECT_EQ(a->BoundsRect(), Bounds(4, 4, 100, 50));
    EXPECT_TRUE(Designer->IsDirty());
    EXPECT_EQ(Dump(), "Edit1:(6,16,114,74,);|Edit1:(36,28,144,86,);|");
    Designer->EndDesign();
    EXPECT_EQ(a->BoundsRect(), Bounds(40, 32, 100, 50));
}

TEST_F(DesignInput, DraggingTheRightHandleResizesAndRecordsOnlyTheRightEdge) {
    for (int steps : {1, 4}) {
        SCOPED_TRACE(steps);
        auto* a = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
        Begin();
        TDesignControl* overlay = OverlayOf(a);
        overlay->SetSelected(true);
        Process();
        const TPoint handle{6 + 106, 16 + 29}; // the right-hand handle's middle
        Drag(handle, 10, 0, steps);
        EXPECT_EQ(overlay->BoundsRect(), Bounds(6, 16, 118, 58));
        EXPECT_EQ(a->BoundsRect(), Bounds(4, 4, 110, 50));
        EXPECT_EQ(Dump(), "Edit1:(6,16,114,74,);|Edit1:(6,16,124,74,);|");
        EXPECT_EQ(overlay->Cursor(), crSizeWE);
        Designer->EndDesign();
        EXPECT_EQ(a->BoundsRect(), Bounds(10, 20, 110, 50));
        a->Free();
        Designer->SetIsDirty(false);
    }
}

TEST_F(DesignInput, CtrlArrowsMoveAndShiftArrowsResizeOnePixelEach) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
    Begin();
    TDesignControl* overlay = OverlayOf(a);
    Click(At(a, 5, 5));
    KeyTo(overlay, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(overlay->BoundsRect(), Bounds(5, 16, 108, 58));
    EXPECT_TRUE(Designer->IsDirty());
    Designer->SetIsDirty(false);
    KeyTo(overlay, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(overlay->BoundsRect(), Bounds(5, 16, 108, 59));
    EXPECT_EQ(a->Height(), 51);
    EXPECT_TRUE(Designer->IsDirty()) << "a keyboard resize is a change like any other";
    KeyTo(overlay, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(overlay->Width(), 109);
    KeyTo(overlay, Qt::Key_Z); // Z without Ctrl does nothing
    // Keyboard steps that follow each other are one change; the save between the move and
    // the resizes (SetIsDirty(false)) ends the first.
    EXPECT_EQ(History()->Count(), 4);
    EXPECT_EQ(Dump(), "Edit1:(6,16,114,74,);|Edit1:(5,16,113,74,);|"
                      "Edit1:(5,16,113,74,);|Edit1:(5,16,114,75,);|");

    // Ctrl+Z takes back the newest change, Ctrl+Shift+Z re-applies it.
    KeyTo(overlay, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(overlay->BoundsRect(), Rect(5, 16, 113, 74));
    EXPECT_FALSE(Designer->IsDirty()) << "back where it was saved";
    KeyTo(overlay, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(overlay->BoundsRect(), Rect(5, 16, 114, 75));
    EXPECT_EQ(History()->Count(), 4) << "undo and redo record nothing themselves";
    // After an undo, a step is a change of its own again.
    KeyTo(overlay, Qt::Key_Z, Qt::ControlModifier);
    KeyTo(overlay, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(History()->Count(), 4);
    EXPECT_EQ(Dump(), "Edit1:(6,16,114,74,);|Edit1:(5,16,113,74,);|"
                      "Edit1:(5,16,113,74,);|Edit1:(6,16,114,74,);|");
    Designer->EndDesign();
}

TEST_F(DesignInput, EscTabAndArrowsWalkTheSelectionThroughTheTabOrder) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    auto* c = Add<TTestButton>(Form, Bounds(200, 10, 60, 25), "C");
    Begin();
    Click(At(a, 5, 5));
    KeyTo(OverlayOf(a), Qt::Key_Tab);
    EXPECT_FALSE(OverlayOf(a)->Selected());
    EXPECT_TRUE(OverlayOf(b)->Selected());
    KeyTo(OverlayOf(b), Qt::Key_Right);
    EXPECT_TRUE(OverlayOf(c)->Selected());
    KeyTo(OverlayOf(c), Qt::Key_Up);
    EXPECT_TRUE(OverlayOf(b)->Selected());
    EXPECT_EQ(Designer->GetSelectCount(), 1);
    KeyTo(OverlayOf(b), Qt::Key_Escape);
    EXPECT_EQ(Designer->GetSelectCount(), 0);
    EXPECT_TRUE(OverlayOf(b)->Focused());
    Designer->EndDesign();
}

TEST_F(DesignInput, ComboBoxKeepsItsHeightUnderShiftUpAndDown) {
    // A combo box's overlay always has the combo's fixed height; Shift+Left and Right still
    // resize it.
    auto* combo = Add<TComboBox>(Form, Bounds(10, 10, 100, 20), "Combo1");
    Begin();
    TDesignControl* overlay = OverlayOf(combo);
    Click(At(combo, 5, 5));
    const TRect start = overlay->BoundsRect();
    KeyTo(overlay, Qt::Key_Down, Qt::ShiftModifier);
    KeyTo(overlay, Qt::Key_Down, Qt::ShiftModifier);
    KeyTo(overlay, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(overlay->BoundsRect(), start);
    EXPECT_EQ(History()->Count(), 0) << "no change, nothing recorded";
    KeyTo(overlay, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(overlay->BoundsRect(), Rect(start.Left, start.Top, start.Right + 1, start.Bottom));
    Designer->EndDesign();
}

TEST_F(DesignInput, UndoOfAMoveIsNotRecordedAfterADragThatChangedNothing) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
    auto* b = Add<TTestButton>(Form, Bounds(200, 20, 50, 50), "Edit2");
    Begin();
    Click(At(b, 5, 5));
    KeyTo(OverlayOf(b), Qt::Key_Right, Qt::ControlModifier);
    Click(At(a, 5, 5));
    Drag(At(a, 5, 5), 0, 0, 1); // a drag that ends where it began
    KeyTo(OverlayOf(a), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(OverlayOf(b)->BoundsRect(), Bounds(196, 16, 58, 58));
    EXPECT_EQ(History()->Count(), 2) << "the undo's own bounds change is no new change";
    EXPECT_TRUE(History()->CanRedo());
    KeyTo(OverlayOf(a), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(OverlayOf(b)->BoundsRect(), Bounds(197, 16, 58, 58));
    Designer->EndDesign();
}

TEST_F(DesignInput, HidingAControlHidesItsOverlay) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
    Begin();
    a->SetVisible(false);
    EXPECT_FALSE(OverlayOf(a)->Visible());
    a->SetVisible(true);
    EXPECT_TRUE(OverlayOf(a)->Visible());
    Designer->EndDesign();
}

TEST_F(DesignInput, DeleteHidesTheSelectionUndoablyAndFocusesTheFirstVisible) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    auto* c = Add<TTestButton>(Form, Bounds(200, 10, 60, 25), "C");
    std::vector<std::string> events;
    Designer->OnSelectionChange = [&](TDesignControl* o, TChangeType t) {
        events.push_back((t == ctSelected ? "+" : "-") + o->Control()->Name());
    };
    Begin();
    Click(At(b, 5, 5));
    Press(At(a, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    Release(At(a, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    events.clear();
    Designer->DeleteSelection();
    Process();
    EXPECT_FALSE(OverlayOf(a)->Visible());
    EXPECT_FALSE(OverlayOf(b)->Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"-A", "-B", "+C"}));
    EXPECT_EQ(Designer->GetSelectCount(), 1);
    EXPECT_EQ(History()->Count(), 2) << "one Delete, one change";
    Designer->Undo();
    EXPECT_TRUE(OverlayOf(a)->Visible());
    EXPECT_TRUE(OverlayOf(b)->Visible());
    Designer->Redo();
    EXPECT_FALSE(OverlayOf(a)->Visible());
    EXPECT_FALSE(OverlayOf(b)->Visible());
    Designer->Undo();
    // The Delete key on the single selected control deletes it.
    Click(At(c, 5, 5));
    KeyTo(OverlayOf(c), Qt::Key_Delete);
    EXPECT_FALSE(OverlayOf(c)->Visible());
    EXPECT_TRUE(OverlayOf(a)->Focused() || OverlayOf(b)->Focused());
    Designer->EndDesign();
    // The deletions that were not undone become final with the session.
    EXPECT_EQ(Form->ControlCount(), 2);
    EXPECT_EQ(a->Parent(), Form);
}

} // namespace

namespace {
TEST_F(DesignInput, AcceleratorsOfDesignedControlsStayQuietDuringASession) {
    auto* ok = Add<TButton>(Form, Bounds(10, 10, 75, 25), "OkButton");
    ok->SetCaption("&OK");
    auto* check = Add<TCheckBox>(Form, Bounds(10, 50, 97, 17), "Check");
    check->SetCaption("&Check");
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    Begin();
    Click(At(OverlayOf(check), 5, 5));
    KeyTo(OverlayOf(check), Qt::Key_O, Qt::AltModifier);
    KeyTo(OverlayOf(check), Qt::Key_O);
    KeyTo(OverlayOf(check), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(check->Checked());
    Designer->EndDesign();
    ok->SetFocus();
    Key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks, 1) << "after the session the accelerator works again";
}
} // namespace

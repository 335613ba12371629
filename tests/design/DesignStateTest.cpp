// State a session keeps right: the dirty flag, the form's active control, accelerators of
// live controls, the overlays' regions and sizes.
#include "DesignTesting.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignState : public DesignTest {};

TEST_F(DesignState, EveryRecordedChangeAndEveryUndoAndRedoMakesTheDesignDirty) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    Begin();
    TDesignControl* overlay = OverlayOf(a);
    Click(At(a, 5, 5));
    int dirty = 0;
    Designer->OnDirty = [&](TObject*) { ++dirty; };
    const struct {
        const char* what;
        std::function<void()> act;
    } steps[] = {
        {"Shift+Right", [&] { KeyTo(overlay, Qt::Key_Right, Qt::ShiftModifier); }},
        {"Shift+Down", [&] { KeyTo(overlay, Qt::Key_Down, Qt::ShiftModifier); }},
        {"undo", [&] { KeyTo(overlay, Qt::Key_Z, Qt::ControlModifier); }},
        {"redo", [&] { KeyTo(overlay, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"delete", [&] { KeyTo(overlay, Qt::Key_Delete); }},
        {"insert",
         [&] {
             Designer->AddControlToDesign(TTestButton::StaticClass(), Rect(200, 100, 260, 125));
         }},
        {"Undo()", [&] { Designer->Undo(); }},
        {"Redo()", [&] { Designer->Redo(); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        Designer->SetIsDirty(false);
        dirty = 0;
        step.act();
        EXPECT_TRUE(Designer->IsDirty());
        EXPECT_EQ(dirty, 1);
    }
    Designer->EndDesign();
}

TEST_F(DesignState, FocusArrivingThroughTheWindowSystemMakesTheOverlayTheActiveControl) {
    auto* a = Add<TTestButton>(Form, Bounds(10, 10, 60, 25), "A");
    auto* b = Add<TTestButton>(Form, Bounds(100, 10, 60, 25), "B");
    auto* c = Add<TTestButton>(Form, Bounds(200, 10, 60, 25), "C");
    Begin();
    Click(At(a, 5, 5));
    KeyTo(OverlayOf(a), Qt::Key_Escape); // nothing selected, the focus stays
    ASSERT_EQ(Form->ActiveControl(), OverlayOf(a));
    ::SetFocus(OverlayOf(b)->Handle()); // as a click of the window system would
    Process();
    EXPECT_EQ(Form->ActiveControl(), OverlayOf(b));
    KeyTo(OverlayOf(b), Qt::Key_Tab);
    EXPECT_TRUE(OverlayOf(c)->Selected()) << "Tab walks on from the focused overlay";
    EXPECT_FALSE(OverlayOf(b)->Selected());
    Designer->EndDesign();
}

TEST_F(DesignState, LiveControlsKeepTheirAcceleratorsAndDesignedOnesStayQuiet) {
    auto* live = Add<TButton>(Form, Bounds(10, 200, 75, 25), "LiveButton");
    live->SetCaption("&Live");
    auto* designed = Add<TButton>(Form, Bounds(10, 10, 75, 25), "OkButton");
    designed->SetCaption("&OK");
    TStringList names;
    names.Add("LiveButton");
    Designer->SetCannotDesignControls(&names);
    int liveClicks = 0, designedClicks = 0;
    live->OnClick = [&](TObject*) { ++liveClicks; };
    designed->OnClick = [&](TObject*) { ++designedClicks; };
    Begin();
    Click(At(designed, 5, 5));
    KeyTo(OverlayOf(designed), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(designedClicks, 0);
    Key(Qt::Key_L, Qt::AltModifier);
    Process();
    EXPECT_EQ(liveClicks, 1);
    Designer->EndDesign();
}

TEST_F(DesignState, AnUndoneDeletionLeavesNoHandleSquaresTakingClicks) {
    auto* a = Add<TTestButton>(Form, Bounds(40, 40, 100, 50), "A");
    Add<TTestButton>(Form, Bounds(200, 40, 60, 25), "B");
    Begin();
    TDesignControl* overlay = OverlayOf(a);
    Click(At(a, 5, 5));
    const TPoint corner = At(overlay, 1, 1); // the top-left handle while selected
    KeyTo(overlay, Qt::Key_Delete);
    Designer->Undo();
    Process();
    ASSERT_TRUE(overlay->Visible());
    ASSERT_FALSE(overlay->Selected());
    {
        MessageLog formLog(Form); // off again before the session's hook
        Click(corner);
        EXPECT_EQ(formLog.Count(WM_LBUTTONDOWN), 1) << "the click reaches the form beneath";
    }
    Designer->EndDesign();
}

TEST_F(DesignState, ListAndComboBoxesInsertedDuringAVisibleSessionFitTheirOverlays) {
    Begin();
    ASSERT_TRUE(IsWindowVisible(Form->Handle()));
    TDesignControl* list =
        Designer->AddControlToDesign(TListBox::StaticClass(), Rect(20, 20, 140, 120));
    TDesignControl* combo =
        Designer->AddControlToDesign(TComboBox::StaticClass(), Rect(200, 20, 320, 41));
    Process();
    EXPECT_EQ(list->Control()->BoundsRect(), Bounds(HandleSize, HandleSize, 120, 100));
    EXPECT_EQ(list->BoundsRect(), Rect(16, 16, 144, 124));
    EXPECT_EQ(combo->Control()->Width(), 120);
    EXPECT_GT(combo->Control()->Height(), 0);
    EXPECT_EQ(combo->Height(), 2 * HandleSize + combo->Control()->Height());
    for (TDesignControl* overlay : {list, combo}) {
        SCOPED_TRACE(overlay->Control()->ClassName());
        Click(At(overlay->Control(), 10, 5));
        EXPECT_TRUE(overlay->Selected());
    }
    Designer->EndDesign();
}

TEST_F(DesignState, TheClientHitRectGrowsWhenAskedLikeTheHandleRects) {
    auto* a = Add<TTestButton>(Form, Bounds(40, 40, 100, 50), "A");
    Begin();
    TDesignControl* overlay = OverlayOf(a);
    EXPECT_EQ(overlay->GetHitTestRect(hcClient, false), Rect(0, 0, 100, 50));
    EXPECT_EQ(overlay->GetHitTestRect(hcClient, true), Rect(-2, -2, 102, 52));
    EXPECT_EQ(overlay->GetHitTestRect(hcTopLeft, true), Rect(-2, -2, 6, 6));
    Designer->EndDesign();
}

} // namespace

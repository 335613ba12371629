// Design sessions: wrapping and unwrapping controls, nesting, exclusions, the form's hook.
#include "DesignTesting.h"

namespace {

class DesignSession : public DesignTest {};

/// What a control looks like from outside, to compare before and after a session.
struct Placement {
    TWinControl* Parent;
    TRect Bounds;
    int TabOrder;
    bool TabStop;
    TAlign Align;
    bool operator==(const Placement&) const = default;
};
Placement PlacementOf(TControl* c) {
    auto* w = Cast<TWinControl>(c);
    return {c->Parent(), c->BoundsRect(), w ? w->TabOrder() : -1, w ? w->TabStop() : false,
            c->Align()};
}

TEST_F(DesignSession, OverlayGrowsTheControlByTheHandleSizeAndGivesItBack) {
    auto* edit = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
    Begin();
    TDesignControl* overlay = OverlayOf(edit);
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->Parent(), Form);
    EXPECT_EQ(overlay->BoundsRect(), Bounds(6, 16, 108, 58));
    EXPECT_EQ(edit->BoundsRect(), Bounds(4, 4, 100, 50));
    EXPECT_EQ(overlay->Control(), edit);
    EXPECT_FALSE(overlay->HasInnerDesigner());
    Designer->EndDesign();
    EXPECT_EQ(edit->Parent(), Form);
    EXPECT_EQ(edit->BoundsRect(), Rect(10, 20, 110, 70));
}

TEST_F(DesignSession, EveryControlOfANestedFormComesBackWhole) {
    auto* panel = Add(Form, Bounds(10, 10, 300, 200), "Panel1");
    auto* group = Add(panel, Bounds(20, 20, 200, 120), "GroupBox1");
    auto* button = Add<TTestButton>(group, Bounds(10, 10, 75, 25), "Button1");
    auto* button2 = Add<TTestButton>(group, Bounds(10, 50, 75, 25), "Button2");
    auto* edit = Add<TTestButton>(Form, Bounds(320, 10, 60, 25), "Edit1");
    auto* label = Add<TTestGraphic>(Form, Bounds(320, 50, 60, 20), "Label1");
    auto* left = Add<TTestButton>(Form, Bounds(0, 0, 8, 8), "Left1");
    left->SetAlign(alLeft);
    button2->SetTabOrder(0);
    std::vector<TControl*> all = {panel, group, button, button2, edit, label, left};
    std::vector<Placement> before;
    for (TControl* c : all)
        before.push_back(PlacementOf(c));
    // A window procedure that survives the session is recognisable by what it does.
    int seen = 0;
    TWndMethod saved = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_KEYDOWN) ++seen;
        saved(m);
    };

    // Inside the hidden form the containers are not hidden one by one: their visibility, which
    // their own handlers may watch, does not flicker.
    MessageLog panelLog(panel), groupLog(group);
    Begin();
    EXPECT_EQ(Designer->GetDesignerCount(), 2);
    EXPECT_EQ(OverlayOf(group)->Designer(), OverlayOf(panel)->InnerDesigner());
    EXPECT_EQ(OverlayOf(button)->Designer()->GetRoolDesigner(), Designer);
    EXPECT_TRUE(OverlayOf(panel)->HasInnerDesigner());
    button->Perform(WM_KEYDOWN, 'A');
    EXPECT_EQ(seen, 0) << "the overlay's hook takes the control's keys away";
    Designer->EndDesign();

    EXPECT_EQ(Designer->GetDesignerCount(), 0);
    EXPECT_EQ(panelLog.Count(CM_VISIBLECHANGED) + groupLog.Count(CM_VISIBLECHANGED), 0);
    for (size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(all[i]->Name());
        EXPECT_EQ(PlacementOf(all[i]), before[i]);
    }
    button->Perform(WM_KEYDOWN, 'A');
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(Form->ControlCount(), 4);
    button->WindowProc = saved; // the hook refers to this test's locals
}

TEST_F(DesignSession, AlignedControlIsUnalignedDuringTheDesignAndAlignedAgainAfter) {
    auto* left = Add<TTestButton>(Form, Bounds(0, 0, 50, 10), "Left1");
    left->SetAlign(alLeft);
    const TRect aligned = left->BoundsRect(); // as the form laid it out
    Begin();
    TDesignControl* overlay = OverlayOf(left);
    EXPECT_EQ(left->Align(), alNone);
    EXPECT_EQ(overlay->Align(), alNone);
    TRect grown = aligned;
    InflateRect(grown, HandleSize, HandleSize);
    EXPECT_EQ(overlay->BoundsRect(), grown);
    EXPECT_EQ(left->BoundsRect(), Bounds(4, 4, aligned.Width(), aligned.Height()));
    Designer->EndDesign();
    EXPECT_EQ(left->Align(), alLeft);
    EXPECT_EQ(left->BoundsRect(), aligned) << "sessions must not make it grow";
    EXPECT_EQ(left->Parent(), Form);
}

TEST_F(DesignSession, AControlAlignedDuringTheSessionTakesItsPlaceWhenItEnds) {
    // The inspector's Align row aligns the overlay; the control takes the alignment, and the
    // place it gives, as the session ends, before anything could save the form.
    auto* button = Add<TTestButton>(Form, Bounds(100, 60, 50, 20), "Bottom1");
    Begin();
    OverlayOf(button)->SetAlign(alBottom);
    Designer->EndDesign();
    EXPECT_EQ(button->Align(), alBottom);
    EXPECT_EQ(button->BoundsRect(), Bounds(0, Form->ClientHeight() - 20, Form->ClientWidth(), 20));
}

TEST_F(DesignSession, InvisibleControlGetsAHiddenOverlayThatFollowsIt) {
    auto* hidden = Add<TTestButton>(Form, Bounds(10, 10, 50, 20), "Hidden1");
    hidden->SetVisible(false);
    Begin();
    TDesignControl* overlay = OverlayOf(hidden);
    EXPECT_FALSE(overlay->Visible());
    EXPECT_FALSE(IsWindowVisible(overlay->Handle()));
    hidden->SetVisible(true);
    EXPECT_TRUE(overlay->Visible());
    EXPECT_TRUE(IsWindowVisible(overlay->Handle()));
    hidden->SetVisible(false);
    EXPECT_FALSE(overlay->Visible());
    Designer->EndDesign();
    EXPECT_FALSE(hidden->Visible());
}

TEST_F(DesignSession, NamesInCannotDesignControlsStayLiveInAnyLetterCase) {
    auto* keep = Add(Form, Bounds(10, 10, 100, 100), "KeepMe");
    auto* inner = Add<TTestButton>(keep, Bounds(5, 5, 50, 20), "Inner1");
    auto* other = Add<TTestButton>(Form, Bounds(150, 10, 50, 20), "Other1");
    TStringList names;
    names.Add("KEEPME");
    Designer->SetCannotDesignControls(&names);
    Begin();
    EXPECT_EQ(keep->Parent(), Form);
    EXPECT_EQ(inner->Parent(), keep);
    EXPECT_NE(other->Parent(), Form);
    EXPECT_EQ(Designer->GetDesignerCount(), 0);
    try {
        Designer->SetCannotDesignControls(&names);
        FAIL() << "accepted during a session";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "设计时不允许此操作，请先退出设计！");
    }
    Designer->EndDesign();
}

TEST_F(DesignSession, BeginDesignTwiceRaisesOnBeforeDesignOnceAndEndTwiceOnEndDesignOnce) {
    Add<TTestButton>(Form, Bounds(10, 10, 50, 20), "B1");
    int before = 0, after = 0;
    Designer->OnBeforeDesign = [&](TObject* s) {
        EXPECT_EQ(s, Designer);
        ++before;
    };
    Designer->OnEndDesign = [&](TObject*) { ++after; };
    Begin();
    Begin();
    EXPECT_EQ(before, 1);
    EXPECT_NE(Designer->History(), nullptr);
    Designer->EndDesign();
    Designer->EndDesign();
    EXPECT_EQ(after, 1);
    EXPECT_EQ(Designer->History(), nullptr);
}

TEST_F(DesignSession, EmptyFormStillGetsAHistoryAndNoSelection) {
    Begin();
    EXPECT_EQ(Designer->OverlayCount(), 0);
    EXPECT_NE(Designer->History(), nullptr);
    EXPECT_EQ(Designer->GetSelectCount(), 0);
    Designer->EndDesign();
}

TEST_F(DesignSession, BeginDesignOnAnotherContainerKeepsItForLaterSessions) {
    auto* panel = Add(Form, Bounds(10, 10, 200, 100), "Panel1");
    auto* b = Add<TTestButton>(panel, Bounds(5, 5, 50, 20), "B1");
    Designer->BeginDesign(panel);
    EXPECT_EQ(Designer->GetDesignForm(), panel);
    EXPECT_NE(b->Parent(), panel);
    Designer->EndDesign();
    Begin();
    EXPECT_EQ(Designer->GetDesignForm(), panel);
    Designer->EndDesign();
    EXPECT_EQ(b->Parent(), panel);
}

TEST_F(DesignSession, SetIsDirtyRaisesOnDirtyOnlyWhenItBecomesTrue) {
    int dirty = 0;
    Designer->OnDirty = [&](TObject*) { ++dirty; };
    Designer->SetIsDirty(true);
    Designer->SetIsDirty(true);
    EXPECT_EQ(dirty, 1);
    Designer->SetIsDirty(false);
    EXPECT_EQ(dirty, 1);
    Designer->SetIsDirty(true);
    EXPECT_EQ(dirty, 2);
}

TEST_F(DesignSession, DesignFormSwallowsKeysWheelAndMiddleButton) {
    // Installed under the designer's hook, a recorder sees only what the designer passes on.
    MessageLog under(Form);
    Begin();
    Form->SetFocus();
    Process();
    under.Clear();
    Key(Qt::Key_A);
    Key(Qt::Key_Tab);
    QTest::mouseClick(Window(), Qt::MiddleButton, {}, QPoint(50, 50));
    QPoint pos(50, 50);
    QWheelEvent wheel(pos, Window()->mapToGlobal(pos), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Window(), &wheel);
    Process();
    for (uint32_t m :
         {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEWHEEL, CN_KEYDOWN})
        EXPECT_EQ(under.Count(m), 0) << std::hex << m;
    Designer->EndDesign();
}

TEST_F(DesignSession, ClosingTheDesignFormEndsTheSessionFirst) {
    auto* b = Add<TTestButton>(Form, Bounds(10, 10, 50, 20), "B1");
    bool designingWhenClosed = true;
    Begin();
    Form->OnClose = [&](TObject*, TCloseAction& a) {
        designingWhenClosed = Designer->IsDesigning();
        a = caNone;
    };
    Window()->close(); // as the window system's close button does
    Process();
    EXPECT_FALSE(designingWhenClosed);
    EXPECT_FALSE(Designer->IsDesigning());
    EXPECT_EQ(b->Parent(), Form);
}

TEST_F(DesignSession, DestroyingTheDesignFormDuringASessionLeavesNothingDangling) {
    auto* other = new TForm(nullptr);
    auto* designed = new TTestPanel(other);
    designed->SetParent(Form);
    designed->SetBounds(0, 0, 200, 200);
    Add<TTestButton>(designed, Bounds(10, 10, 50, 20), "B1");
    auto* designer = new TZkFormDesigner(other);
    designer->SetShowInspector(false);
    designer->BeginDesign(designed);
    designed->Free(); // its destroy message ends the session while it is whole
    EXPECT_FALSE(designer->IsDesigning());
    EXPECT_EQ(designer->GetDesignForm(), nullptr);
    designer->BeginDesign(); // nothing to design any more: nothing happens
    EXPECT_FALSE(designer->IsDesigning());
    other->Free();
}

TEST_F(DesignSession, HostFreeingADesignedControlDuringASessionIsSafe) {
    auto* b = Add<TTestButton>(Form, Bounds(10, 10, 50, 20), "B1");
    Add<TTestButton>(Form, Bounds(100, 10, 50, 20), "B2");
    Begin();
    OverlayOf(b)->SetSelected(true);
    b->Free();
    Designer->EndDesign();
    EXPECT_EQ(Form->ControlCount(), 1);
}

TEST_F(DesignSession, InnerDesignerWithoutAParentIsItsOwnRoot) {
    auto* panel = Add(Form, Bounds(10, 10, 200, 100), "Panel1");
    auto* b = Add<TTestButton>(panel, Bounds(5, 5, 50, 20), "B1");
    auto* lone = new TZkFormDesigner(panel, nullptr, false);
    lone->BeginDesign();
    EXPECT_EQ(lone->GetRoolDesigner(), lone);
    OverlayOf(b)->SetSelected(true);
    EXPECT_EQ(lone->GetSelectCount(), 1);
    lone->Free();
    EXPECT_EQ(b->Parent(), panel);
}

TEST_F(DesignSession, ChildDesignerLookupOutsideTheListIsNull) {
    Add(Add(Form, Bounds(10, 10, 200, 100), "Panel1"), Bounds(5, 5, 100, 50), "Group1");
    Begin();
    EXPECT_EQ(Designer->GetDesignerCount(), 2);
    EXPECT_EQ(Designer->GetChildDesigner(-1), nullptr);
    EXPECT_EQ(Designer->GetChildDesigner(2), nullptr);
    EXPECT_EQ(Designer->GetChildDesigner(1)->GetRoolDesigner(), Designer);
    EXPECT_EQ(Designer->GetChildDesigner(1)->GetParenTZkFormDesigner(),
              Designer->GetChildDesigner(0));
    Designer->EndDesign();
}

} // namespace

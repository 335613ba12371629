// A session that ends or loses controls while the designer is still at work: handlers of the
// designer's events that end it, a host timer that ends it inside the window system's move
// loop, and controls the host frees mid-session. Nothing freed may be touched (the suite runs
// under AddressSanitizer) and nothing of the session may be left behind.
#include <QTimer>

#include "DesignTesting.h"
#include "design/DesignControl.h"
#include "design/OperateHistory.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

namespace {

/// Button A on the form and panel P holding button B, the inspector docked.
class DesignReentrancy : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Form->SetBounds(100, 100, 640, 360);
        Designer->SetShowInspector(true);
        A = Add<TTestButton>(Form, Bounds(300, 10, 60, 25), "A");
        P = Add<TTestPanel>(Form, Bounds(300, 60, 200, 100), "P");
        B = Add<TTestButton>(P, Bounds(10, 10, 60, 25), "B");
        C = Add<TTestButton>(Form, Bounds(420, 10, 60, 25), "C");
    }
    void TearDown() override {
        Designer->EndDesign();
        DesignTest::TearDown();
    }
    /// Every control is back where the session found it, in its own parent.
    void ExpectGivenBack() {
        EXPECT_FALSE(Designer->IsDesigning());
        EXPECT_EQ(A->Parent(), Form);
        EXPECT_EQ(B->Parent(), P);
        EXPECT_EQ(P->Parent(), Form);
        EXPECT_EQ(B->Width(), 60);
        EXPECT_EQ(B->Height(), 25);
        for (int i = 0; i < Form->ControlCount(); ++i)
            EXPECT_FALSE(Form->Controls(i)->Is<TDesignControl>()) << "an overlay was left";
        EXPECT_TRUE(Errors.empty()) << Errors.front();
    }
    TStrings* Listed() const { return Designer->Inspector()->CB1->Items(); }
    TTestButton* A = nullptr;
    TTestPanel* P = nullptr;
    TTestButton* B = nullptr;
    TTestButton* C = nullptr;
};

TEST_F(DesignReentrancy, AHandlerThatEndsTheSessionDuringAnyCommandIsSafe) {
    enum class Event { None, SelectionChange, ObjectClicked, Dirty };
    struct Case {
        const char* Name;
        Event Ends;
        /// What the user does; the session ends inside it.
        std::function<void()> Act;
        /// C was deleted, and the end of the session freed it.
        bool FreesC = false;
        /// Selected and focused before: the child of the panel (whose keys are tried),
        /// otherwise A.
        bool StartOnChild = false;
    };
    const std::vector<Case> cases = {
        {"click on a form's control", Event::SelectionChange,
         [this] { Click(At(C, 5, 5)); }},
        {"click on a panel's child", Event::SelectionChange,
         [this] { Click(At(B, 5, 5)); }},
        {"clicked, form's control", Event::ObjectClicked,
         [this] { Click(At(C, 5, 5)); }},
        {"clicked, panel's child", Event::ObjectClicked,
         [this] { Click(At(B, 5, 5)); }},
        {"band on the form", Event::SelectionChange,
         [this] {
             Press(Point(560, 200));
             Move(Point(290, 5));
             Release(Point(290, 5));
         }},
        {"Esc on the selected child", Event::SelectionChange, [this] { Key(Qt::Key_Escape); },
         false, true},
        {"Ctrl+arrow moves the child", Event::Dirty,
         [this] { Key(Qt::Key_Right, Qt::ControlModifier); }, false, true},
        {"Delete a control", Event::Dirty,
         [this] {
             Click(At(C, 5, 5));
             Key(Qt::Key_Delete);
         },
         true},
    };
    // Every event ends the session when it is the one armed.
    Event armed{};
    int ended = 0;
    auto endIf = [&](Event e) {
        if (e != armed || !Designer->IsDesigning()) return;
        ++ended;
        Designer->EndDesign();
    };
    Designer->OnSelectionChange = [&](TDesignControl*, TChangeType) { endIf(Event::SelectionChange); };
    Designer->OnObjectClicked = [&](TDesignControl*) { endIf(Event::ObjectClicked); };
    Designer->OnDirty = [&](TObject*) { endIf(Event::Dirty); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        armed = Event::None;
        Begin();
        Click(At(c.StartOnChild ? static_cast<TControl*>(B) : A, 5, 5));
        Process();
        Designer->SetIsDirty(false);
        ended = 0;
        armed = c.Ends;
        c.Act();
        Process();
        EXPECT_EQ(ended, 1);
        ExpectGivenBack();
        if (c.FreesC) C = nullptr;
    }
}

TEST_F(DesignReentrancy, EndingTheSessionInsideTheMoveLoopEndsTheLoop) {
    Begin();
    Click(At(C, 5, 5));
    Process();
    const TRect before = Bounds(420, 10, 60, 25);
    QWindow* window = Window();
    const TPoint from = At(C, 10, 10);
    bool loopReturned = false;
    Press(from);
    QTimer::singleShot(0, [&] {
        // A host timer: the drag is under way when the session ends.
        Designer->EndDesign();
        QTest::mouseMove(window, QPoint(from.X + 40, from.Y + 30));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(from.X + 40, from.Y + 30));
    });
    Move(Point(from.X + 5, from.Y + 5));
    loopReturned = true;
    Process();
    EXPECT_TRUE(loopReturned);
    EXPECT_EQ(GetCapture(), nullptr);
    ExpectGivenBack();
    EXPECT_EQ(C->Parent(), Form);
    // The step before the end counts; nothing after it does.
    EXPECT_LE(std::abs(C->Left() - before.Left), 5);
    EXPECT_LE(std::abs(C->Top() - before.Top), 5);
}

TEST_F(DesignReentrancy, AControlTheHostFreesTakesItsOverlayWithIt) {
    Begin();
    Click(At(A, 5, 5));
    // A recorded change of the selected A, so that the history holds it.
    KeyTo(OverlayOf(A), Qt::Key_Right, Qt::ControlModifier);
    A->Free();
    P->Free(); // a container, with a designed child
    A = nullptr, P = nullptr, B = nullptr;
    Process();
    // Only C is left: designed, listed (the list opened and drawn), shown, and nothing selected.
    ASSERT_EQ(Designer->OverlayCount(), 1);
    EXPECT_EQ(Designer->Overlay(0)->Control(), C);
    EXPECT_EQ(Designer->Selection()->Count(), 0);
    EXPECT_EQ(Designer->GetDesignerCount(), 0);
    Designer->Inspector()->CB1DropDown(Designer->Inspector()->CB1);
    ASSERT_EQ(Listed()->Count(), 1);
    EXPECT_EQ(Designer->Inspector()->ComboItemText(0), "C: TTestButton");
    int overlays = 0;
    for (int i = 0; i < Form->ControlCount(); ++i)
        overlays += Form->Controls(i)->Is<TDesignControl>();
    EXPECT_EQ(overlays, 1);
    // Undo and redo of A's change find nothing to act on; Tab lands on C only.
    Designer->Undo();
    Designer->Redo();
    Click(At(C, 5, 5));
    Key(Qt::Key_Tab);
    Process();
    EXPECT_TRUE(Errors.empty()) << Errors.front();
}

} // namespace

// Window procedures: hooks on WindowProc, default handling by the real widget, raw windows.

#include <QSignalSpy>

#include "WindowTesting.h"

namespace {
class WinProcTest : public WindowTest {};

TEST_F(WinProcTest, SwallowedPressNeitherPressesNorFocusesTheButton_RestoringBringsItBack) {
    auto* other = new TTestButton(Form);
    other->SetParent(Form);
    other->SetBounds(10, 100, 75, 25);
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->SetBounds(10, 10, 75, 25);
    other->SetFocus();
    Process();
    ASSERT_TRUE(other->Focused());
    QSignalSpy clicked(button->Button(), &QPushButton::clicked);

    TWndMethod saved = button->WindowProc;
    bool sawPress = false;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) {
            sawPress = true;
            return;
        }
        saved(m);
    };
    Press(At(button, 20, 10));
    EXPECT_TRUE(sawPress);
    EXPECT_FALSE(button->Button()->isDown());
    Release(At(button, 20, 10));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_TRUE(other->Focused());
    EXPECT_FALSE(button->Focused());

    button->WindowProc = saved;
    Press(At(button, 20, 10));
    EXPECT_TRUE(button->Button()->isDown());
    EXPECT_TRUE(button->Focused());
    Release(At(button, 20, 10));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(WinProcTest, PerformedPressReachesTheWidgetAsAnEvent) {
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLong(5, 5));
    EXPECT_TRUE(button->Button()->isDown());
    button->Perform(WM_LBUTTONUP, 0, MakeLong(5, 5));
    EXPECT_FALSE(button->Button()->isDown());
}

TEST_F(WinProcTest, PerformAnswersTheResultTheHookSets) {
    auto* panel = new TTestPanel(Form);
    TWndMethod saved = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_USER + 1)
            m.Result = m.WParam + m.LParam;
        else
            saved(m);
    };
    EXPECT_EQ(panel->Perform(WM_USER + 1, 40, 2), 42);
    panel->WindowProc = saved;
}

TEST_F(WinProcTest, DestroyArrivesWhileTheControlAndItsChildrenAreWhole) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    auto* child = new TTestButton(Form);
    child->SetParent(panel);
    child->SetName("Child");
    std::vector<std::string> seen;
    TWndMethod saved = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_DESTROY) {
            seen.push_back("panel:" + std::to_string(panel->ControlCount()) + ":" +
                           panel->Controls(0)->Name() + ":" +
                           (IsWindow(child->Handle()) ? "window" : "none"));
        }
        saved(m);
    };
    TWndMethod childSaved = child->WindowProc;
    child->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_DESTROY) seen.push_back("child");
        childSaved(m);
    };
    panel->Free();
    EXPECT_EQ(seen, (std::vector<std::string>{"panel:1:Child:window", "child"}));
}

TEST_F(WinProcTest, ExceptionInAHandlerReachesTheErrorReportNotQt) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 100);
    panel->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw EInvalidOperation("boom");
    };
    Click(At(panel, 10, 10));
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "boom");

    std::string fromEvent;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        fromEvent = e.Message() + (sender == panel ? "@panel" : "");
    };
    Click(At(panel, 10, 10));
    Application->OnException = nullptr;
    EXPECT_EQ(fromEvent, "boom@panel");
    EXPECT_EQ(Errors.size(), 1u);
}

TEST_F(WinProcTest, RawChildWindowAnnouncesItselfAndIsSubclassedByHandle) {
    MessageLog log(Form);
    HWND raw = CreateWindowEx(0, "", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, Form->Handle());
    ASSERT_TRUE(IsWindow(raw));
    ASSERT_EQ(log.Count(WM_PARENTNOTIFY), 1);
    const auto& note = log.Entries().back();
    EXPECT_EQ(LoWord(note.WParam), static_cast<int>(WM_CREATE));
    EXPECT_EQ(reinterpret_cast<HWND>(note.LParam), raw);
    EXPECT_EQ(FindControl(raw), nullptr);

    std::vector<uint32_t> seen;
    WNDPROC old = reinterpret_cast<WNDPROC>(GetWindowLong(raw, GWL_WNDPROC));
    WNDPROC hook = MakeObjectInstance([&](TMessage& m) {
        seen.push_back(m.Msg);
        m.Result = CallWindowProc(old, raw, m.Msg, m.WParam, m.LParam);
    });
    SetWindowLong(raw, GWL_WNDPROC, reinterpret_cast<intptr_t>(hook));
    Click({10, 10});
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONDOWN), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONUP), seen.end());
    SetWindowLong(raw, GWL_WNDPROC, reinterpret_cast<intptr_t>(old));
    FreeObjectInstance(hook);
    seen.clear();
    Click({10, 10});
    EXPECT_TRUE(seen.empty());
    DestroyWindow(raw);
    EXPECT_FALSE(IsWindow(raw));
}

TEST_F(WinProcTest, AWidgetDeletedByQtLeavesNoHandleForTheNextWidgetAtItsAddress) {
    auto* adopted = new QWidget(WidgetOf(Form->Handle()));
    HWND wnd = AdoptWidget(adopted);
    ASSERT_EQ(HwndOf(adopted), wnd);
    const QWidget* address = adopted;
    delete adopted;  // by Qt, as a parent deletes its children: no DestroyWindow
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(HwndOf(address), nullptr) << "a later widget at this address would get a dead handle";
}

TEST_F(WinProcTest, PlainWindowsDeletedByQtWithTheirParentTakeTheirHandlesAlong) {
    // Plain windows forget themselves from their widget's destructor, adopted widgets through
    // a connection: both kinds, nested, deleted in one go from the top.
    HWND top = CreateWindowEx(0, "", "", WS_CHILD, 0, 0, 50, 50, Form->Handle());
    HWND inner = CreateWindowEx(0, "", "", WS_CHILD, 0, 0, 20, 20, top);
    HWND adopted = AdoptWidget(new QWidget(WidgetOf(inner)));
    const QWidget* addresses[] = {WidgetOf(top), WidgetOf(inner), WidgetOf(adopted)};
    delete WidgetOf(top);
    for (HWND wnd : {top, inner, adopted})
        EXPECT_FALSE(IsWindow(wnd));
    for (const QWidget* address : addresses)
        EXPECT_EQ(HwndOf(address), nullptr);
}

TEST_F(WinProcTest, PostedMessageArrivesThroughTheEventLoopAndNotAfterTheWindowGoes) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    MessageLog log(panel);
    PostMessage(panel->Handle(), WM_USER + 7, 1, 2);
    EXPECT_EQ(log.Count(WM_USER + 7), 0);
    Process();
    EXPECT_EQ(log.Count(WM_USER + 7), 1);

    HWND raw = CreateWindowEx(0, "", "", WS_CHILD, 0, 0, 10, 10, Form->Handle());
    PostMessage(raw, WM_USER + 8, 0, 0);
    DestroyWindow(raw);
    Process(); // nothing to deliver to; must not crash
}

TEST_F(WinProcTest, CloseGoesThroughWindowProcAndHidesTheForm) {
    MessageLog log(Form);
    TCloseAction seen = caNone;
    Form->OnClose = [&](TObject*, TCloseAction& a) { seen = a; };
    WidgetOf(Form->Handle())->close();
    EXPECT_EQ(log.Count(WM_CLOSE), 1);
    EXPECT_EQ(seen, caHide);
    EXPECT_FALSE(Form->Visible());
}

TEST_F(WinProcTest, ReleaseFreesTheFormOnceQueuedMessagesAreHandled) {
    auto* other = new TForm(nullptr);
    other->Show();
    struct Watch : TComponent {
        using TComponent::TComponent;
        bool Gone = false;
        void Notification(TComponent* c, TOperation op) override {
            TComponent::Notification(c, op);
            if (op == opRemove && c != this) Gone = true;
        }
    } watch(nullptr);
    other->FreeNotification(&watch);
    other->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
    other->Close();
    EXPECT_FALSE(watch.Gone);
    Process();
    EXPECT_TRUE(watch.Gone);
}
} // namespace

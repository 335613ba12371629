// The move and size loop of WM_NCLBUTTONDOWN, driven by queued real input.

#include <QTimer>

#include "WindowTesting.h"

namespace {
class SizeMoveTest : public WindowTest {
protected:
    /// Presses at `from` on the control; its press handler sends WM_NCLBUTTONDOWN with
    /// hitTest, and queued input then drags by (dx, dy) and releases.
    void Drag(TTestPanel* panel, TPoint from, int hitTest, int dx, int dy) {
        TPoint start = At(panel, from.X, from.Y);
        TPoint end{start.X + dx, start.Y + dy};
        QWindow* window = Window();
        panel->OnMouseDown = [&, hitTest](TObject*, TMouseButton, TShiftState, int, int) {
            ReleaseCapture();
            QTimer::singleShot(0, [=] {
                QTest::mouseMove(window, QPoint(start.X + dx / 2, start.Y + dy / 2));
                QTest::mouseMove(window, QPoint(end.X, end.Y));
                QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(end.X, end.Y));
            });
            loopReturned = false;
            SendMessage(panel->Handle(), WM_NCLBUTTONDOWN, hitTest, 0);
            loopReturned = true;
            releasedBeforeReturn = !(GetKeyState(VK_LBUTTON) & 0x8000);
        };
        Press(start);
        panel->OnMouseDown = nullptr;
    }
    bool loopReturned = false;
    bool releasedBeforeReturn = false;
};

TEST_F(SizeMoveTest, RightEdgeDragOfTenPixelsWidensTheWindowThroughSizeMessages) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(20, 20, 100, 60);
    MessageLog log(panel);
    Drag(panel, {99, 30}, HTRIGHT, 10, 0);
    EXPECT_TRUE(loopReturned);
    EXPECT_TRUE(releasedBeforeReturn);
    EXPECT_EQ(panel->BoundsRect(), Bounds(20, 20, 110, 60));
    EXPECT_GE(log.Count(WM_SIZE), 1);
    EXPECT_EQ(log.Count(WM_LBUTTONUP), 0) << "the loop takes the release";
    EXPECT_EQ(WidgetOf(panel->Handle())->width(), 110);
}

TEST_F(SizeMoveTest, EachHitTestCodeMovesTheEdgesItNames) {
    struct Case {
        int hitTest;
        TRect expected;
    };
    const Case cases[] = {
        {HTCAPTION, Bounds(30, 25, 100, 60)},  {HTLEFT, Bounds(30, 20, 90, 60)},
        {HTTOP, Bounds(20, 25, 100, 55)},      {HTBOTTOM, Bounds(20, 20, 100, 65)},
        {HTTOPLEFT, Bounds(30, 25, 90, 55)},   {HTBOTTOMRIGHT, Bounds(20, 20, 110, 65)},
        {HTTOPRIGHT, Bounds(20, 25, 110, 55)}, {HTBOTTOMLEFT, Bounds(30, 20, 90, 65)},
    };
    for (const Case& c : cases) {
        auto* panel = new TTestPanel(Form);
        panel->SetParent(Form);
        panel->SetBounds(20, 20, 100, 60);
        Drag(panel, {50, 30}, c.hitTest, 10, 5);
        EXPECT_EQ(panel->BoundsRect(), c.expected) << "hit test " << c.hitTest;
        panel->Free();
    }
}

class FixedWidthPanel : public TTestPanel {
public:
    using TTestPanel::TTestPanel;
    bool CanResize(int& w, int&) override {
        w = 100;
        return true;
    }
};

TEST_F(SizeMoveTest, TheLoopHonoursCanResize) {
    auto* panel = new FixedWidthPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(20, 20, 100, 60);
    Drag(panel, {50, 30}, HTBOTTOMRIGHT, 30, 10);
    EXPECT_EQ(panel->BoundsRect(), Bounds(20, 20, 100, 70));
}

TEST_F(SizeMoveTest, ControlAnsweringHtCaptionIsDraggedByTheWindowSystem) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(20, 20, 100, 60);
    TWndMethod saved = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        saved(m);
        if (m.Msg == WM_NCHITTEST) m.Result = HTCAPTION;
    };
    TPoint start = At(panel, 10, 10);
    QWindow* window = Window();
    QTimer::singleShot(0, [=] {
        QTest::mouseMove(window, QPoint(start.X + 15, start.Y + 7));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(start.X + 15, start.Y + 7));
    });
    Press(start);
    panel->WindowProc = saved;
    EXPECT_EQ(panel->BoundsRect(), Bounds(35, 27, 100, 60));
}
} // namespace

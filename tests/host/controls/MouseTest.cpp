// Mouse: regions, capture, the clipped cursor, the last input position, key states in messages.

#include "WindowTesting.h"
#include "host/graphics/GdiApi.h"

namespace {
class MouseTest : public WindowTest {};

TEST_F(MouseTest, ClickInTheMarginOutsideAWindowRegionReachesTheWindowBeneath) {
    auto* below = new TTestPanel(Form);
    below->SetParent(Form);
    below->SetBounds(0, 0, 200, 200);
    auto* above = new TTestPanel(below);
    above->SetParent(below);
    above->SetBounds(50, 50, 100, 100);
    SetWindowRgn(above->Handle(), CreateRectRgn(10, 10, 90, 90), true);
    MessageLog belowLog(below);
    MessageLog aboveLog(above);

    Click(At(above, 5, 5));
    EXPECT_EQ(aboveLog.Count(WM_LBUTTONDOWN), 0);
    ASSERT_EQ(belowLog.Count(WM_LBUTTONDOWN), 1);
    for (const auto& e : belowLog.Entries())
        if (e.Msg == WM_LBUTTONDOWN) {
            EXPECT_EQ(PointFromLParam(e.LParam), (TPoint{55, 55}));
        }

    belowLog.Clear();
    Click(At(above, 50, 50));
    EXPECT_EQ(aboveLog.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(belowLog.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(WindowFromPoint(above->ClientToScreen({5, 5})), below->Handle());
    EXPECT_EQ(WindowFromPoint(above->ClientToScreen({50, 50})), above->Handle());
}

TEST_F(MouseTest, AWindowRegionBelongsToTheWindowOnceGiven) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 100);
    HRGN rgn = CreateRectRgn(10, 10, 60, 60);
    ASSERT_EQ(SetWindowRgn(panel->Handle(), rgn, true), 1);
    EXPECT_EQ(WindowFromPoint(panel->ClientToScreen({20, 20})), panel->Handle());
    EXPECT_NE(WindowFromPoint(panel->ClientToScreen({80, 80})), panel->Handle());
    // The handle is the window's now: deleting it again or giving it a second time is
    // refused, and the shape stays.
    EXPECT_FALSE(DeleteObject(rgn));
    EXPECT_EQ(SetWindowRgn(panel->Handle(), rgn, true), 0);
    EXPECT_EQ(WindowFromPoint(panel->ClientToScreen({20, 20})), panel->Handle());
    EXPECT_NE(WindowFromPoint(panel->ClientToScreen({80, 80})), panel->Handle());
    ASSERT_EQ(SetWindowRgn(panel->Handle(), nullptr, true), 1);
    EXPECT_EQ(WindowFromPoint(panel->ClientToScreen({80, 80})), panel->Handle());
}

TEST_F(MouseTest, MouseMessagesCarryKeyStatesAndClientCoordinates) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(20, 30, 100, 100);
    MessageLog log(panel);
    Press(At(panel, 7, 9), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    Release(At(panel, 7, 9));
    const auto& down = *std::find_if(log.Entries().begin(), log.Entries().end(),
                                     [](const auto& e) { return e.Msg == WM_LBUTTONDOWN; });
    EXPECT_EQ(down.WParam, MK_LBUTTON | MK_SHIFT | MK_CONTROL);
    EXPECT_EQ(PointFromLParam(down.LParam), (TPoint{7, 9}));
    TShiftState shift;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) { shift = s; };
    Press(At(panel, 1, 1), Qt::LeftButton, Qt::ShiftModifier);
    Release(At(panel, 1, 1));
    EXPECT_EQ(shift, (TShiftState{ssShift, ssLeft}));
}

TEST_F(MouseTest, WhileCapturedEveryMouseMessageGoesToTheCapturingWindow) {
    auto* a = new TTestPanel(Form);
    a->SetParent(Form);
    a->SetBounds(0, 0, 50, 50);
    auto* b = new TTestPanel(Form);
    b->SetParent(Form);
    b->SetBounds(100, 0, 50, 50);
    MessageLog logA(a);
    MessageLog logB(b);
    SetCapture(a->Handle());
    EXPECT_EQ(GetCapture(), a->Handle());
    Move(At(b, 10, 10));
    Click(At(b, 10, 10));
    EXPECT_EQ(logB.Count(WM_MOUSEMOVE) + logB.Count(WM_LBUTTONDOWN), 0);
    EXPECT_GE(logA.Count(WM_MOUSEMOVE), 1);
    ASSERT_EQ(logA.Count(WM_LBUTTONDOWN), 1);
    for (const auto& e : logA.Entries())
        if (e.Msg == WM_LBUTTONDOWN) {
            EXPECT_EQ(PointFromLParam(e.LParam), (TPoint{110, 10}));
        }
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(logA.Count(WM_CAPTURECHANGED), 1);
    Click(At(b, 10, 10));
    EXPECT_EQ(logB.Count(WM_LBUTTONDOWN), 1);
}

TEST_F(MouseTest, AFormThatStopsBeingActiveLosesTheCaptureHeldInsideIt) {
    auto* a = new TTestPanel(Form);
    a->SetParent(Form);
    a->SetBounds(10, 10, 50, 50);
    // Drawing on the screen layer takes no activation: the capture stays.
    SetCapture(a->Handle());
    HDC dc = GetDC(nullptr);
    SetROP2(dc, R2_XORPEN);
    Rectangle(dc, 10, 10, 60, 60);
    Process();
    EXPECT_EQ(GetCapture(), a->Handle());
    Rectangle(dc, 10, 10, 60, 60);
    ReleaseDC(nullptr, dc);

    MessageLog log(a);
    auto* other = new TForm(nullptr);
    other->SetBounds(600, 100, 100, 100);
    other->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(WidgetOf(other->Handle())->windowHandle()));
    Process();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(log.Count(WM_CAPTURECHANGED), 1);
    other->Free();
}

TEST_F(MouseTest, PressOnACapturingControlCapturesUntilTheRelease) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 50, 50);
    auto* other = new TTestPanel(Form);
    other->SetParent(Form);
    other->SetBounds(100, 0, 50, 50);
    bool capturedDuringPress = false;
    std::vector<TPoint> moves;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        capturedDuringPress = panel->MouseCapture();
    };
    panel->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    int clicks = 0;
    panel->OnClick = [&](TObject*) { ++clicks; };
    Press(At(panel, 10, 10));
    EXPECT_TRUE(capturedDuringPress);
    QTest::mouseMove(Window(), QPoint(At(other, 5, 5).X, At(other, 5, 5).Y));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), (TPoint{105, 5}));
    Release(At(other, 5, 5));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(clicks, 0) << "released outside: no click";
    Click(At(panel, 30, 30));
    EXPECT_EQ(clicks, 1);
}

TEST_F(MouseTest, ClipCursorClampsReportedPositionsAndGetCursorPosFollowsInput) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 300, 200);
    Move(At(panel, 40, 50));
    TPoint p;
    GetCursorPos(p);
    EXPECT_EQ(p, panel->ClientToScreen({40, 50}));

    TPoint origin = panel->ClientToScreen({0, 0});
    TRect clip = Bounds(origin.X + 10, origin.Y + 10, 50, 50);
    ClipCursor(&clip);
    std::vector<TPoint> moves;
    panel->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    Move(At(panel, 200, 150));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), (TPoint{59, 59}));
    GetCursorPos(p);
    EXPECT_EQ(p, (TPoint{origin.X + 59, origin.Y + 59}));
    ClipCursor(nullptr);
    Move(At(panel, 201, 151));
    EXPECT_EQ(moves.back(), (TPoint{201, 151}));
}

TEST_F(MouseTest, GraphicControlGetsItsMouseMessagesThroughItsOwnWindowProc) {
    auto* g = new TTestGraphic(Form);
    g->SetParent(Form);
    g->SetBounds(30, 40, 50, 50);
    MessageLog formLog(Form);
    MessageLog log(g);
    int clicks = 0;
    g->OnClick = [&](TObject*) { ++clicks; };
    Click({35, 45});
    ASSERT_EQ(log.Count(WM_LBUTTONDOWN), 1);
    for (const auto& e : log.Entries())
        if (e.Msg == WM_LBUTTONDOWN) {
            EXPECT_EQ(PointFromLParam(e.LParam), (TPoint{5, 5}));
        }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(FindDragTarget(Form->ClientToScreen({35, 45}), false), g);
}

TEST_F(MouseTest, DoubleClickArrivesAsDoubleClickMessage) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 50, 50);
    int dbl = 0;
    panel->OnDblClick = [&](TObject*) { ++dbl; };
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(dbl, 1);
    EXPECT_GT(GetDoubleClickTime(), 0u);
}
} // namespace

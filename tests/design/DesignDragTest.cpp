// Dragging designed controls with the mouse as a user does: where a drag starts, what one
// drag records and what a cancelled one leaves, and what stays above a dragged control.
#include <functional>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "DesignTesting.h"
#include "host/comctrls/ComCtrls.h"
#include "host/containers/Panels.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignDrag : public DesignTest {
protected:
    /// Presses at `from`, moves through `path` (the first step synchronously, which starts
    /// the window system's loop; the rest queued for it) and releases at the last point.
    /// With `escape`, Esc is pressed before the release.
    void DragPath(TPoint from, std::vector<TPoint> path, bool escape = false) {
        QWindow* window = Window();
        Press(from);
        QTimer::singleShot(0, [=] {
            for (size_t i = 1; i < path.size(); ++i)
                QTest::mouseMove(window, QPoint(path[i].X, path[i].Y));
            if (escape) QTest::keyClick(window, Qt::Key_Escape);
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(path.back().X, path.back().Y));
        });
        Move(path.front());
        Process();
    }
    static TPoint Plus(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }
    /// Selects c, drags it by (dx, dy) and compares every pixel it uncovered, as the window
    /// shows it now (a grab would paint it all anew), with expected(x, y) in the coordinates
    /// of c's overlay's parent. Returns how many were compared, stopping at the first wrong.
    int DragAndCheckUncovered(TControl* c, int dx, int dy,
                              const std::function<QColor(int, int)>& expected) {
        TDesignControl* overlay = Selected(c);
        const TRect before = overlay->BoundsRect();
        const TPoint p = At(c, 10, 10);
        DragPath(p, {Plus(p, 3, 2), Plus(p, dx, dy)});
        EXPECT_EQ(overlay->Left(), before.Left + dx);
        Process();
        const QImage shown =
            QGuiApplication::primaryScreen()->grabWindow(Window()->winId()).toImage();
        QWidget* parent = WidgetOf(overlay->Parent()->Handle());
        const QPoint origin = parent->mapTo(parent->window(), QPoint());
        int checked = 0;
        for (int y = before.Top; y < before.Bottom; ++y)
            for (int x = before.Left; x < before.Right; ++x) {
                if (PtInRect(overlay->BoundsRect(), Point(x, y))) continue;
                const QColor shownColor(shown.pixel(origin + QPoint(x, y)));
                if (shownColor != expected(x, y)) {
                    ADD_FAILURE() << "at " << x << "," << y << " the window shows "
                                  << shownColor.name().toStdString();
                    return checked;
                }
                ++checked;
            }
        return checked;
    }
    /// The middle of an overlay's handle, in form client coordinates.
    TPoint HandleAt(TDesignControl* overlay, uint32_t code) {
        const TRect r = HandleRect(code, overlay->Width(), overlay->Height(), false);
        return At(overlay, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    TDesignControl* Selected(TControl* c) {
        Click(At(c, 5, 5));
        Process();
        TDesignControl* overlay = OverlayOf(c);
        EXPECT_TRUE(overlay->Selected());
        return overlay;
    }
};

constexpr uint32_t AllHandles[] = {hcLeft,     hcRight,      hcTop,    hcTopLeft,
                                   hcTopRight, hcBottomLeft, hcBottom, hcBottomRight};

TEST_F(DesignDrag, UndoOfAHandleDragGivesBackTheBoundsBeforeItForEveryHandle) {
    auto* a = Add<TTestButton>(Form, Bounds(60, 60, 100, 50), "A");
    Begin();
    TDesignControl* overlay = Selected(a);
    for (uint32_t code : AllHandles) {
        SCOPED_TRACE(code);
        const TRect before = overlay->BoundsRect();
        const TPoint h = HandleAt(overlay, code);
        DragPath(h, {Plus(h, 1, 1), Plus(h, 7, 5), Plus(h, 9, 6)});
        ASSERT_NE(overlay->BoundsRect(), before) << "the drag resized";
        Designer->Undo();
        EXPECT_EQ(overlay->BoundsRect(), before);
        Designer->Redo();
        Designer->Undo();
        EXPECT_EQ(overlay->BoundsRect(), before);
    }
    Designer->EndDesign();
}

TEST_F(DesignDrag, TheHandleUnderThePressDecidesEvenWhenTheFirstStepLeavesIt) {
    auto* a = Add<TTestButton>(Form, Bounds(60, 60, 100, 50), "A");
    Begin();
    TDesignControl* overlay = Selected(a);
    const TRect start = overlay->BoundsRect();
    const TPoint h = HandleAt(overlay, hcRight);
    // The first step lands 8 pixels away, outside the handle and its slack.
    DragPath(h, {Plus(h, 8, 8), Plus(h, 20, 8)});
    EXPECT_EQ(overlay->BoundsRect(), Rect(start.Left, start.Top, start.Right + 20, start.Bottom))
        << "a resize of the right edge, not a move";
    const TPoint corner = HandleAt(overlay, hcTopLeft);
    DragPath(corner, {Plus(corner, -9, 9), Plus(corner, -10, -10)});
    EXPECT_EQ(overlay->BoundsRect(),
              Rect(start.Left - 10, start.Top - 10, start.Right + 20, start.Bottom));
    Designer->EndDesign();
}

TEST_F(DesignDrag, AMoveFollowsThePointerFromThePressAndAQuickFlickStillMoves) {
    auto* a = Add<TTestButton>(Form, Bounds(60, 60, 100, 50), "A");
    Begin();
    TDesignControl* overlay = Selected(a);
    TRect expected = overlay->BoundsRect();
    const TPoint p = At(a, 10, 10);
    DragPath(p, {Plus(p, 5, 0), Plus(p, 20, 10)});
    OffsetRect(expected, 20, 10);
    EXPECT_EQ(overlay->BoundsRect(), expected) << "the first step counts too";

    // A flick: the first step already leaves the control, far to the right.
    const TPoint q = At(a, 95, 25);
    DragPath(q, {Plus(q, 60, 0), Plus(q, 70, 5)});
    OffsetRect(expected, 70, 5);
    EXPECT_EQ(overlay->BoundsRect(), expected);
    EXPECT_EQ(Designer->History()->Count(), 4) << "two moves, one change each";
    Designer->EndDesign();
}

TEST_F(DesignDrag, EscInsideTheLoopRecordsNothingAndLeavesTheDirtyFlagAlone) {
    auto* a = Add<TTestButton>(Form, Bounds(60, 60, 100, 50), "A");
    auto* b = Add<TTestButton>(Form, Bounds(200, 60, 50, 50), "B");
    Begin();
    Selected(b);
    Key(Qt::Key_Right, Qt::ControlModifier);
    Process();
    Designer->Undo(); // a change taken back, which a cancelled drag must not discard
    Designer->SetIsDirty(false);
    TDesignControl* overlay = Selected(a);
    const TRect start = overlay->BoundsRect();
    for (uint32_t code : {uint32_t(hcCaption), uint32_t(hcBottomRight), uint32_t(hcLeft)}) {
        SCOPED_TRACE(code);
        const TPoint from = code == hcCaption ? At(a, 10, 10) : HandleAt(overlay, code);
        DragPath(from, {Plus(from, 2, 2), Plus(from, 15, 12)}, true);
        EXPECT_EQ(overlay->BoundsRect(), start);
        EXPECT_EQ(Designer->History()->Count(), 2);
        EXPECT_TRUE(Designer->History()->CanRedo());
        EXPECT_FALSE(Designer->IsDirty());
    }
    Designer->EndDesign();
}

TEST_F(DesignDrag, LiveBarsStayAboveAControlDraggedOverThem) {
    auto* tools = new TToolBar(Form);
    tools->SetName("ToolBar1");
    tools->SetParent(Form);
    tools->SetShowCaptions(true);
    auto* button = new TToolButton(Form);
    button->SetCaption("结束设计");
    button->SetParent(tools);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    auto* a = Add<TTestButton>(Form, Bounds(20, 80, 120, 60), "A");
    Begin();
    TDesignControl* overlay = Selected(a);
    const TPoint p = At(a, 10, 10);
    const TPoint onButton = At(button, button->Width() / 2, button->Height() / 2);
    DragPath(p, {Plus(p, 0, -2), Plus(p, 0, onButton.Y - p.Y)});
    ASSERT_LT(overlay->Top(), tools->Top() + tools->Height()) << "the control lies under the bar";
    Click(onButton);
    Process();
    EXPECT_EQ(clicks, 1) << "the bar's button still takes the click";
    Designer->EndDesign();
}

TEST_F(DesignDrag, TheGridShowsAgainWhereADraggedControlWas) {
    Form->SetColor(clWhite);
    Form->Font()->SetColor(clBlack);
    auto* a = Add<TTestButton>(Form, Bounds(60, 60, 100, 50), "A");
    Begin();
    const int checked = DragAndCheckUncovered(a, 61, 43, [](int x, int y) {
        return x % 8 == 0 && y % 8 == 0 ? QColor(Qt::black) : QColor(Qt::white);
    });
    EXPECT_GT(checked, 2000);
    Designer->EndDesign();
}

TEST_F(DesignDrag, WhereAControlLeftAPanelShowsThePanelsBackground) {
    // Overlays paint every pixel of themselves, so nothing beneath them is painted first; a
    // see-through panel must still show what lies under it where a control was dragged off.
    for (bool parentBackground : {true, false}) {
        SCOPED_TRACE(parentBackground ? "see-through panel" : "panel of its own colour");
        Form->SetColor(clWhite);
        auto* panel = Add<TPanel>(Form, Bounds(40, 40, 260, 200));
        panel->SetParentBackground(parentBackground);
        panel->SetColor(clYellow);
        auto* button = Add<TTestButton>(panel, Bounds(20, 20, 60, 30), "A");
        Begin();
        const QColor expected = parentBackground ? QColor(Qt::white) : QColor(Qt::yellow);
        EXPECT_GT(DragAndCheckUncovered(button, 70, 50, [&](int, int) { return expected; }), 1000);
        Designer->EndDesign();
        panel->Free();
    }
}

TEST_F(DesignDrag, ASizingCursorShowsOnlyOverItsOwnOverlay) {
    auto* tools = new TToolBar(Form);
    tools->SetName("ToolBar1");
    tools->SetParent(Form);
    auto* a = Add<TTestButton>(Form, Bounds(60, 80, 100, 50), "A");
    Begin();
    TDesignControl* overlay = Selected(a);
    const TPoint onBar = At(tools, 150, tools->Height() / 2);
    const TPoint onForm{300, 250};
    for (bool drag : {false, true}) {
        SCOPED_TRACE(drag);
        const TPoint h = HandleAt(overlay, hcRight);
        Move(Plus(h, 0, 1));
        Process();
        EXPECT_EQ(Window()->cursor().shape(), Qt::SizeHorCursor);
        if (drag) DragPath(h, {Plus(h, 3, 0), Plus(h, 10, 0)});
        for (TPoint p : {onBar, onForm}) {
            Move(p);
            Process();
            EXPECT_EQ(Window()->cursor().shape(), Qt::ArrowCursor);
        }
    }
    Designer->EndDesign();
}

TEST_F(DesignDrag, AHandleDraggedPastTheOppositeEdgeLeavesThatEdgeAndAGrabbableControl) {
    auto* a = Add<TTestButton>(Form, Bounds(100, 80, 60, 40), "A");
    Begin();
    TDesignControl* overlay = Selected(a);
    const TRect start = overlay->BoundsRect();
    constexpr int smallest = 2 * HandleSize + MinGrabSize;
    for (uint32_t code : AllHandles) {
        SCOPED_TRACE(code);
        const bool left = code == hcLeft || code == hcTopLeft || code == hcBottomLeft;
        const bool right = code == hcRight || code == hcTopRight || code == hcBottomRight;
        const bool top = code == hcTop || code == hcTopLeft || code == hcTopRight;
        const bool bottom = code == hcBottom || code == hcBottomLeft || code == hcBottomRight;
        // Far past the opposite edge, in two steps.
        const int dx = left ? 150 : right ? -150 : 0, dy = top ? 110 : bottom ? -110 : 0;
        const TPoint h = HandleAt(overlay, code);
        DragPath(h, {Plus(h, dx / 3, dy / 3), Plus(h, dx, dy)});
        const TRect r = overlay->BoundsRect();
        TRect expected = start;
        if (left) expected.Left = start.Right - smallest;
        if (right) expected.Right = start.Left + smallest;
        if (top) expected.Top = start.Bottom - smallest;
        if (bottom) expected.Bottom = start.Top + smallest;
        EXPECT_EQ(r, expected);
        EXPECT_EQ(a->BoundsRect(), InnerRect(r.Width(), r.Height()));
        Designer->Undo();
        ASSERT_EQ(overlay->BoundsRect(), start);
    }
    Designer->EndDesign();
}

} // namespace

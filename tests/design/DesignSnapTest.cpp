// Snapping what the mouse drags: the arithmetic of the grid and the guide lines, then real
// drags, resizes, group moves and drawn insertions on a form and inside a panel, the guides
// seen on the screen during a drag and gone after it.
#include <functional>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "DesignTesting.h"
#include "design/SnapGeometry.h"

namespace {

TEST(SnapGeometry, GridAndGuidesPlaceTheDraggedEdges) {
    TGuideLines lines;
    lines.AddRect(Rect(30, 100, 90, 130)); // lines x 30, 90, 60 and y 100, 130, 115
    lines.Finish();
    TDraggedEdges move;
    TDraggedEdges right;
    right.Whole = right.Left = right.Top = right.Bottom = false;
    const struct {
        const char* What;
        TRect From;
        TDraggedEdges Edges;
        const TGuideLines* Lines;
        int Grid;
        TRect To;
    } cases[] = {
        {"a move onto the nearest grid point", Rect(13, 21, 53, 41), move, nullptr, 8,
         Rect(16, 24, 56, 44)},
        {"a guide within reach wins over the grid", Rect(27, 5, 47, 15), move, &lines, 8,
         Rect(30, 8, 50, 18)},
        {"a centre snaps to a centre", Rect(43, 5, 79, 15), move, &lines, 0, Rect(42, 5, 78, 15)},
        {"a line out of reach is no guide", Rect(0, 5, 10, 15), move, &lines, 0,
         Rect(0, 5, 10, 15)},
        {"a resize moves only the dragged edge", Rect(13, 21, 57, 41), right, nullptr, 8,
         Rect(13, 21, 56, 41)},
        {"a dragged edge snaps to a guide", Rect(13, 21, 88, 41), right, &lines, 8,
         Rect(13, 21, 90, 41)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(SnapRect(c.From, c.Edges, c.Lines, c.Grid, {0, 0}).Rect, c.To);
    }
    // Either side of the origin alike, and from a scrolled origin.
    EXPECT_EQ(SnapToGridLine(-3, 0, 8), 0);
    EXPECT_EQ(SnapToGridLine(-5, 0, 8), -8);
    EXPECT_EQ(SnapToGridLine(13, 3, 8), 11);
    // The guide that holds is drawn across both rectangles.
    const TSnapped held = SnapRect(Rect(28, 10, 48, 20), move, &lines, 0, {0, 0});
    ASSERT_EQ(held.Marks.size(), 1u);
    EXPECT_EQ(held.Marks[0], (TGuideMark{true, 30, 10, 130}));
}

/// A form with a grid of 8 and guides on; buttons A and B in a row, C under A, a panel P with
/// a button X inside.
class DesignSnap : public DesignRowTest {
protected:
    void SetUp() override {
        DesignRowTest::SetUp();
        Designer->SetSnapToGrid(true);
        Designer->SetSnapToGuides(true);
        Panel = Add(Form, Bounds(300, 100, 200, 150), "P");
        X = Add<TTestButton>(Panel, Bounds(20, 20, 60, 25), "X");
    }
    /// Presses at from, moves to to with the given keys held (the first step synchronously,
    /// which starts a loop; the rest queued for it), runs during() before the release.
    void Drag(TPoint from, TPoint to, Qt::KeyboardModifiers keys = {},
              const std::function<void()>& during = nullptr) {
        QWindow* window = Window();
        Press(from);
        QTimer::singleShot(0, [=] {
            QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, keys, QPoint(to.X, to.Y));
            if (during) during();
            QTest::mouseEvent(QTest::MouseRelease, window, Qt::LeftButton, keys,
                              QPoint(to.X, to.Y));
        });
        QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, keys,
                          QPoint(from.X + 3, from.Y + 2));
        Process();
    }
    QImage Shown() const {
        return QGuiApplication::primaryScreen()->grabWindow(Window()->winId()).toImage();
    }
    static int CountColour(const QImage& image, QColor colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += QColor(image.pixel(x, y)) == colour ? 1 : 0;
        return n;
    }
    TTestPanel* Panel = nullptr;
    TTestButton* X = nullptr;
};

TEST_F(DesignSnap, EveryMouseDragPutsTheControlsEdgesOnTheGridAndAltSuspendsIt) {
    Designer->SetSnapToGuides(false);
    Begin();
    const struct {
        const char* What;
        TControl* Control;
        bool Handle;
        Qt::KeyboardModifiers Keys;
        bool OnGrid;
    } cases[] = {
        {"a move", A, false, {}, true},
        {"a resize at the bottom-right handle", B, true, {}, true},
        {"a move with Alt held", C, false, Qt::AltModifier, false},
        {"a move inside a panel, on the panel's grid", X, false, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Click(At(c.Control, 5, 5));
        TDesignControl* overlay = OverlayOf(c.Control);
        const int changes = Designer->History()->Count();
        TPoint from = At(c.Control, 10, 10);
        if (c.Handle) {
            const TRect h = overlay->GetHitTestRect(hcBottomRight, false);
            from = At(overlay, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
        }
        Drag(from, {from.X + 13, from.Y + 11}, c.Keys);
        // The dragged corner in the container: the control's top-left, or its bottom-right.
        const TRect r = c.Control->BoundsRect();
        const TPoint at{overlay->Left() + HandleSize + (c.Handle ? r.Width() : 0),
                        overlay->Top() + HandleSize + (c.Handle ? r.Height() : 0)};
        EXPECT_EQ(at.X % 8 == 0 && at.Y % 8 == 0, c.OnGrid) << at.X << "," << at.Y;
        EXPECT_EQ(Designer->History()->Count(), changes + 2) << "one change";
    }
}

TEST_F(DesignSnap, AGroupMoveAndADrawnInsertionSnapToo) {
    Designer->SetSnapToGuides(false);
    Begin();
    Click(At(A, 5, 5));
    Press(At(B, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    Release(At(B, 5, 5), Qt::LeftButton, Qt::ControlModifier);
    Press(At(A, 10, 10));
    Move(At(A, 20, 20));
    Move(At(A, 29, 27));
    Release(At(A, 29, 27));
    Process();
    // The group's corner (A's) lands on the grid; the group keeps its shape.
    EXPECT_EQ(OverlayOf(A)->BoundsRect(), Bounds(36, 36, 68, 33));
    EXPECT_EQ(OverlayOf(B)->Left() - OverlayOf(A)->Left(), 100);

    Designer->SetInsertClass(TTestButton::StaticClass());
    Designer->SetDesignState(dsInsert);
    Press({203, 201});
    Move({230, 220});
    Move({261, 233});
    Release({261, 233});
    Process();
    TDesignControl* inserted = OverlayOf(As<TControl>(Form->Components(Form->ComponentCount() - 1)));
    TRect r = inserted->BoundsRect();
    InflateRect(r, -HandleSize, -HandleSize);
    EXPECT_EQ(r, Rect(200, 200, 264, 232));
}

TEST_F(DesignSnap, AGuideShowsWhileItHoldsAndNothingStaysAfterTheReleaseOrEsc) {
    Designer->SetSnapToGrid(false);
    C->SetBounds(20, 200, 60, 25);
    Begin();
    const QColor guide(255, 0, 255);
    ASSERT_EQ(CountColour(Shown(), guide), 0);
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Esc" : "release");
        Click(At(B, 5, 5));
        const TPoint from = At(B, 10, 10);
        int during = 0;
        QRgb onLine = 0;
        // B's left edge comes to 22, within reach of A's and C's left edge at 20.
        Drag(from, {from.X - 98, from.Y + 40}, {}, [&] {
            Process();
            const QImage image = Shown();
            during = CountColour(image, guide);
            onLine = image.pixel(20, 150);
            if (escape) QTest::keyClick(Window(), Qt::Key_Escape);
        });
        EXPECT_GT(during, 100) << "a line from A down to C, through B";
        EXPECT_EQ(QColor(onLine), guide);
        Process();
        EXPECT_EQ(CountColour(Shown(), guide), 0) << "nothing stays painted";
        EXPECT_EQ(OverlayOf(B)->Left() + HandleSize, escape ? 120 : 20);
    }
}

} // namespace

// Grids: the layout along an axis, the grid state during drags with the mouse, selection,
// keys, moving columns and scrolling.

#include <QWheelEvent>

#include <map>

#include "WindowTesting.h"
#include "host/grids/Grids.h"

namespace {
TEST(GridAxis, PositionsHitsAndScrollLimits) {
    // Widths 10, 20, 30, 40, 50 with one-pixel lines; one fixed cell; 60 pixels of room.
    TGridAxis axis{{10, 20, 30, 40, 50}, 1, 1, 1, 60};
    struct Case {
        int first;
        int index;
        int start;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{1, 1, 11}, Case{1, 2, 32}, Case{1, 3, -1},
                          Case{3, 1, -1}, Case{3, 3, 11}, Case{3, 4, 52}, Case{1, 7, -1}}) {
        axis.First = c.first;
        EXPECT_EQ(axis.CellStart(c.index), c.start) << c.first << "/" << c.index;
    }
    axis.First = 1;
    // A cell's trailing line belongs to it.
    for (auto [pos, cell] : std::vector<std::pair<int, int>>{
             {0, 0}, {10, 0}, {11, 1}, {31, 1}, {32, 2}, {59, 2}, {60, -1}, {-1, -1}})
        EXPECT_EQ(axis.CellAt(pos), cell) << pos;
    EXPECT_EQ(axis.LastVisible(), 2);
    EXPECT_EQ(axis.LastFullyVisible(), 1);
    EXPECT_EQ(axis.FixedBoundary(), 11);
    // Room for 49 pixels after the fixed cell: only the last cell (51 with its line) fits
    // on its own, so scrolling ends with it first.
    EXPECT_EQ(axis.MaxFirst(), 4);
    axis.ClientExtent = 200;
    EXPECT_EQ(axis.MaxFirst(), 1);
}

TEST(GridAxis, DividerIsFoundWithinTheToleranceOfAnEdge) {
    const TGridAxis axis{{64, 64, 64}, 1, 1, 1, 400};
    for (auto [pos, divider] : std::vector<std::pair<int, int>>{
             {64, 0}, {62, 0}, {66, 0}, {61, -1}, {67, -1}, {129, 1}, {30, -1}})
        EXPECT_EQ(axis.DividerAt(pos, 2), divider) << pos;
}

class GridTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Grid = new TStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(10, 10, 360, 200);
        Process();
    }
    /// A client point of the grid, as the tests reason in cell coordinates.
    TPoint P(int x, int y) const { return At(Grid, x, y); }
    void Type(const char* text) {
        for (; *text; ++text)
            QTest::keyClick(Window(), *text);
    }
    void Drag(TPoint from, TPoint to) {
        Press(from);
        Move({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
        Move(to);
    }
    TStringGrid* Grid = nullptr;
};

TEST_F(GridTest, SizingAColumnByItsHeadingLineIsAGridStateUntilTheRelease) {
    Grid->SetOptions(Grid->Options() + TGridOptions{goColSizing});
    // The line after column 0 lies at 2 (border) + 64.
    ASSERT_EQ(Grid->CellRect(0, 0).Right, 66);
    std::vector<TGridState> seen;
    Grid->OnMouseMove = [&](TObject*, TShiftState, int, int) { seen.push_back(Grid->GridState()); };
    Drag(P(66, 10), P(96, 12));
    EXPECT_EQ(Grid->GridState(), gsColSizing);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), gsColSizing);
    EXPECT_EQ(Grid->ColWidths(0), 64) << "the width changes when the button is released";
    Release(P(96, 12));
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Grid->ColWidths(0), 94);
    EXPECT_EQ(Grid->CellRect(1, 1).Left, 2 + 94 + 1);
}

TEST_F(GridTest, RowSizingNeedsItsOptionAndTheFixedColumn) {
    Drag(P(30, 26), P(30, 50));
    EXPECT_NE(Grid->GridState(), gsRowSizing);
    Release(P(30, 50));
    Grid->SetOptions(Grid->Options() + TGridOptions{goRowSizing});
    Drag(P(100, 26), P(100, 50));
    EXPECT_NE(Grid->GridState(), gsRowSizing) << "not across a scrolled column";
    Release(P(100, 50));
    Drag(P(30, 26), P(30, 50));
    EXPECT_EQ(Grid->GridState(), gsRowSizing);
    Release(P(30, 50));
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Grid->RowHeights(0), 48);
}

TEST_F(GridTest, DraggingOverCellsSelectsARange) {
    const TRect from = Grid->CellRect(1, 1);
    const TRect to = Grid->CellRect(3, 2);
    Drag(P(from.Left + 5, from.Top + 5), P(to.Left + 5, to.Top + 5));
    EXPECT_EQ(Grid->GridState(), gsSelecting);
    int clicks = 0;
    Grid->OnClick = [&](TObject*) { ++clicks; };
    Release(P(to.Left + 5, to.Top + 5));
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 2}));
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GridTest, SelectCellCanRefuseACell) {
    Grid->OnSelectCell = [](TObject*, int ACol, int, bool& CanSelect) { CanSelect = ACol != 2; };
    const TRect refused = Grid->CellRect(2, 2);
    Click(P(refused.Left + 5, refused.Top + 5));
    EXPECT_EQ(Grid->Col(), 1);
    const TRect allowed = Grid->CellRect(3, 2);
    Click(P(allowed.Left + 5, allowed.Top + 5));
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(GridTest, ArrowKeysMoveTheCurrentCellAndShiftExtendsTheSelection) {
    Grid->SetFocus();
    Process();
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 3, 3}));
    Key(Qt::Key_Up);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 1, 2, 1}));
}

TEST_F(GridTest, MovingAColumnByItsHeadingTakesItsCellsAlong) {
    Grid->SetOptions(Grid->Options() + TGridOptions{goColMoving});
    Grid->SetCells(1, 1, "甲");
    Grid->SetCells(3, 1, "丙");
    int from = -1, to = -1;
    Grid->OnColumnMoved = [&](TObject*, int f, int t) { from = f, to = t; };
    const TRect heading = Grid->CellRect(1, 0);
    const TRect target = Grid->CellRect(3, 0);
    Drag(P(heading.Left + 20, 10), P(target.Left + 20, 10));
    EXPECT_EQ(Grid->GridState(), gsColMoving);
    Release(P(target.Left + 20, 10));
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3);
    EXPECT_EQ(Grid->Cells(3, 1), "甲");
    EXPECT_EQ(Grid->Cells(2, 1), "丙");
}

TEST_F(GridTest, ScrollBarsAppearForCellsBeyondTheClientAndScrollByRows) {
    EXPECT_EQ(Grid->ClientRect(), Rect(2, 2, 358, 198)) << "everything fits: no bars";
    Grid->SetRowCount(40);
    const TRect client = Grid->ClientRect();
    EXPECT_LT(client.Right, 358);
    EXPECT_EQ(client.Bottom, 198);
    EXPECT_EQ(Grid->TopRow(), 1);
    // A click on the lower end of the vertical bar steps one row.
    int topChanges = 0;
    Grid->OnTopLeftChanged = [&](TObject*) { ++topChanges; };
    Click(P(client.Right + 3, client.Bottom - 4));
    EXPECT_EQ(Grid->TopRow(), 2);
    EXPECT_EQ(topChanges, 1);
    // Moving the current cell out of view scrolls it into view.
    Grid->SetRow(39);
    EXPECT_EQ(Grid->TopRow(), 40 - Grid->VisibleRowCount());
    EXPECT_GE(Grid->CellRect(1, 39).Top, 0);
}

TEST_F(GridTest, FixedCountsStayBelowTheCounts) {
    EXPECT_THROW(Grid->SetFixedCols(5), EInvalidGridOperation);
    Grid->SetColCount(2);
    EXPECT_EQ(Grid->FixedCols(), 1);
    Grid->SetColCount(1);
    EXPECT_EQ(Grid->FixedCols(), 0);
    Grid->SetFixedRows(0);
    EXPECT_EQ(Grid->Row(), 0);
}
} // namespace

namespace {
TEST_F(GridTest, DrawGridAsksOnDrawCellForEachCellShownWithItsState) {
    auto* grid = new TDrawGrid(Form);
    grid->SetParent(Form);
    grid->SetBounds(10, 10, 360, 200);
    grid->SetSelection({1, 1, 2, 1});
    std::map<std::pair<int, int>, TGridDrawState> drawn;
    std::map<std::pair<int, int>, TRect> rects;
    grid->OnDrawCell = [&](TObject*, int c, int r, TRect rect, TGridDrawState state) {
        drawn[{c, r}] = state;
        rects[{c, r}] = rect;
    };
    Process();
    WidgetOf(grid->Handle())->repaint();
    EXPECT_EQ(drawn.size(), 25u);
    EXPECT_EQ((drawn[{0, 3}]), (TGridDrawState{gdFixed}));
    EXPECT_EQ((drawn[{3, 3}]), TGridDrawState{});
    EXPECT_EQ((drawn[{2, 1}]), (TGridDrawState{gdSelected, gdFocused}));
    EXPECT_EQ((drawn[{1, 1}]), (TGridDrawState{gdSelected}));
    EXPECT_EQ((rects[{2, 1}]), grid->CellRect(2, 1));
}
} // namespace

namespace {
TEST_F(GridTest, TypingInAnEditableGridEditsTheCellInPlace) {
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetCells(2, 1, "旧");
    Grid->SetCol(2);
    Grid->SetFocus();
    Process();
    Type("ab");
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 1), "旧") << "the text goes into the cell when the edit ends";
    Key(Qt::Key_Return);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 1), "ab");
    EXPECT_TRUE(Grid->Focused());
    // F2 edits the text there; Escape leaves it as it was; Down keeps it and moves on.
    Key(Qt::Key_F2);
    Type("x");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid->Cells(2, 1), "ab");
    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    Type("c");
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid->Cells(2, 1), "abc");
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(GridTest, WithoutEditingTypedKeysOnlyNavigate) {
    Grid->SetFocus();
    Process();
    Type("ab");
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "");
}
} // namespace

namespace {
TEST_F(GridTest, RowSelectSelectsWholeRowsAndTheWheelMovesTheRow) {
    Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
    const TRect cell = Grid->CellRect(3, 2);
    Click(P(cell.Left + 5, cell.Top + 5));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 4, 2}));
    EXPECT_EQ(Grid->Col(), 1);
    Grid->SetFocus();
    Process();
    // A wheel notch down on the top-level window, as the window system delivers it.
    const QPointF at(P(cell.Left + 5, cell.Top + 5).X, P(cell.Left + 5, cell.Top + 5).Y);
    QWheelEvent wheel(at, Window()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Window(), &wheel);
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(GridTest, SelectingPastTheEdgeScrollsOnATimerAndTakesTheSelectionAlong) {
    Grid->SetColCount(20);
    Grid->SetRowCount(40);
    Process();
    const TRect first = Grid->CellRect(1, 1);
    const TRect client = Grid->ClientRect();
    Press(P(first.Left + 5, first.Top + 5));
    // Below the cells: each tick shows one more row and the selection reaches it.
    Move(P(first.Left + 5, client.Bottom + 20));
    const int startTop = Grid->TopRow();
    const int lastShown = startTop + Grid->VisibleRowCount() - 1;
    EXPECT_EQ(Grid->Selection().Bottom, lastShown);
    for (int tick = 1; tick <= 3; ++tick) {
        Grid->Perform(WM_TIMER, 1, 0);
        EXPECT_EQ(Grid->Selection().Bottom, lastShown + tick) << tick;
        EXPECT_EQ(Grid->TopRow(), startTop + tick) << tick;
    }
    EXPECT_EQ(Grid->Selection().Left, 1);
    EXPECT_EQ(Grid->Selection().Right, 1);
    // The real timer goes on by itself while the mouse stays out.
    const int top = Grid->TopRow();
    QTest::qWait(300);
    EXPECT_GT(Grid->TopRow(), top + 1);
    // Back over the cells it stops.
    Move(P(first.Left + 5, first.Top + 5));
    const int stopped = Grid->TopRow();
    QTest::qWait(200);
    EXPECT_EQ(Grid->TopRow(), stopped);
    // Left of the scrolled cells and above them: back up and to the left, diagonally.
    Grid->SetLeftCol(3);
    Move(P(1, 1));
    const TGridRect before = Grid->Selection();
    Grid->Perform(WM_TIMER, 1, 0);
    EXPECT_EQ(Grid->LeftCol(), 2);
    EXPECT_EQ(Grid->TopRow(), stopped - 1);
    EXPECT_EQ(Grid->Selection().Top, std::min(before.Top, stopped - 1));
    Release(P(1, 1));
    EXPECT_EQ(Grid->GridState(), gsNormal);
    const int released = Grid->TopRow();
    Grid->Perform(WM_TIMER, 1, 0);
    QTest::qWait(150);
    EXPECT_EQ(Grid->TopRow(), released) << "no scrolling once the drag is over";
}
} // namespace

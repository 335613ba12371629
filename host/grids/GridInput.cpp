// TCustomGrid: the mouse (selecting, sizing and moving rows and columns) and the keys.

#include "host/grids/Grids.h"

namespace {
/// How near a line the mouse must be to size the row or column before it.
constexpr int SizingTolerance = 2;
/// The timer of a selecting drag past the edge, and its period, the platform's.
constexpr uintptr_t AutoScrollTimer = 1;
constexpr unsigned AutoScrollPeriod = 60;
enum : unsigned { ScrollLeft = 1, ScrollRight = 2, ScrollUp = 4, ScrollDown = 8 };
} // namespace

TGridState TCustomGrid::SizingStateAt(int X, int Y, int& Index, int& Offset) const {
    const TGridAxis h = HorzAxis();
    const TGridAxis v = VertAxis();
    const int x = X - Edge();
    const int y = Y - Edge();
    // Lines are sized where they cross the headings: the fixed rows or the fixed columns.
    if (FOptions.Contains(goColSizing) && y >= 0 && y < v.FixedBoundary() && x < h.ClientExtent) {
        const int index = h.DividerAt(x, SizingTolerance);
        if (index >= 0) {
            Index = index;
            Offset = x - (h.CellStart(index) + h.Extents[static_cast<size_t>(index)]);
            return gsColSizing;
        }
    }
    if (FOptions.Contains(goRowSizing) && x >= 0 && x < h.FixedBoundary() && y < v.ClientExtent) {
        const int index = v.DividerAt(y, SizingTolerance);
        if (index >= 0) {
            Index = index;
            Offset = y - (v.CellStart(index) + v.Extents[static_cast<size_t>(index)]);
            return gsRowSizing;
        }
    }
    return gsNormal;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && !Shift.Contains(ssDouble)) {
        int index = -1;
        int offset = 0;
        const TGridState sizing = SizingStateAt(X, Y, index, offset);
        const TGridCoord cell = MouseCoord(X, Y);
        if (sizing != gsNormal) {
            FGridState = sizing;
            FSizingIndex = index;
            FSizingOffset = offset;
            FSizingPos = sizing == gsColSizing ? X : Y;
            Invalidate();
        } else if (cell.X >= 0 && cell.Y >= 0) {
            const bool fixedCol = cell.X < FFixedCols;
            const bool fixedRow = cell.Y < FFixedRows;
            if (fixedRow && !fixedCol && FOptions.Contains(goColMoving)) {
                FGridState = gsColMoving;
                FMoveIndex = FMovePos = cell.X;
                Invalidate();
            } else if (fixedCol && !fixedRow && FOptions.Contains(goRowMoving)) {
                FGridState = gsRowMoving;
                FMoveIndex = FMovePos = cell.Y;
                Invalidate();
            } else if (!fixedCol && !fixedRow) {
                if (Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect))
                    MoveAnchor(cell);
                else
                    MoveCurrent(cell.X, cell.Y, true, true);
                FGridState = gsSelecting;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    switch (FGridState) {
    case gsSelecting: {
        // Past the edge the nearest cell shown is meant; the selection scrolls with it.
        const TRect client = ClientRect();
        const int x = std::clamp(X, client.Left, std::max(client.Right - 1, client.Left));
        const int y = std::clamp(Y, client.Top, std::max(client.Bottom - 1, client.Top));
        TGridCoord cell = MouseCoord(x, y);
        if (cell.X < 0) cell.X = HorzAxis().LastVisible();
        if (cell.Y < 0) cell.Y = VertAxis().LastVisible();
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows && !(cell == FAnchor)) {
            if (FOptions.Contains(goRangeSelect))
                MoveAnchor(cell);
            else
                MoveCurrent(cell.X, cell.Y, true, true);
        }
        UpdateAutoScroll(X, Y);
        break;
    }
    case gsColSizing:
        FSizingPos = X;
        Invalidate();
        break;
    case gsRowSizing:
        FSizingPos = Y;
        Invalidate();
        break;
    case gsColMoving: {
        const int col = MouseCoord(X, Y).X;
        if (col >= FFixedCols && col != FMovePos) {
            FMovePos = col;
            Invalidate();
        }
        break;
    }
    case gsRowMoving: {
        const int row = MouseCoord(X, Y).Y;
        if (row >= FFixedRows && row != FMovePos) {
            FMovePos = row;
            Invalidate();
        }
        break;
    }
    default:
        break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridState state = FGridState;
    StopAutoScroll();
    // The state is normal again before the changes below report anything.
    FGridState = gsNormal;
    switch (state) {
    case gsSelecting:
        FGridState = gsSelecting;
        MouseMove(Shift, X, Y);
        StopAutoScroll();
        FGridState = gsNormal;
        Click();
        break;
    case gsColSizing: {
        const TGridAxis h = HorzAxis();
        const int start = h.CellStart(FSizingIndex);
        if (start >= 0) SetColWidths(FSizingIndex, X - Edge() - FSizingOffset - start);
        break;
    }
    case gsRowSizing: {
        const TGridAxis v = VertAxis();
        const int start = v.CellStart(FSizingIndex);
        if (start >= 0) SetRowHeights(FSizingIndex, Y - Edge() - FSizingOffset - start);
        break;
    }
    case gsColMoving:
        if (FMovePos >= FFixedCols && FMovePos != FMoveIndex) MoveColumn(FMoveIndex, FMovePos);
        break;
    case gsRowMoving:
        if (FMovePos >= FFixedRows && FMovePos != FMoveIndex) MoveRow(FMoveIndex, FMovePos);
        break;
    default:
        break;
    }
    if (state != gsNormal) Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::UpdateAutoScroll(int X, int Y) {
    const TGridAxis h = HorzAxis();
    const TGridAxis v = VertAxis();
    const int x = X - Edge();
    const int y = Y - Edge();
    unsigned directions = 0;
    if (x < h.FixedBoundary()) directions |= ScrollLeft;
    if (x >= std::min(h.GridExtent(), h.ClientExtent)) directions |= ScrollRight;
    if (y < v.FixedBoundary()) directions |= ScrollUp;
    if (y >= std::min(v.GridExtent(), v.ClientExtent)) directions |= ScrollDown;
    if (directions == FScrollDirections) return;
    FScrollDirections = directions;
    if (!HandleAllocated()) return;
    if (directions)
        SetTimer(Handle(), AutoScrollTimer, AutoScrollPeriod);
    else
        KillTimer(Handle(), AutoScrollTimer);
}

void TCustomGrid::StopAutoScroll() {
    if (FScrollDirections && HandleAllocated()) KillTimer(Handle(), AutoScrollTimer);
    FScrollDirections = 0;
}

bool TCustomGrid::TimedScroll(uintptr_t TimerId) {
    if (TimerId != AutoScrollTimer) return false;
    if (FGridState != gsSelecting || !FScrollDirections) return true;
    const TGridAxis h = HorzAxis();
    const TGridAxis v = VertAxis();
    // One cell past those shown, in each direction the mouse lies, joins the selection; the
    // view scrolls to show it.
    TGridCoord cell = FOptions.Contains(goRangeSelect) ? FAnchor : FCurrent;
    if (FScrollDirections & ScrollLeft) cell.X = std::max(FTopLeft.X - 1, FFixedCols);
    if (FScrollDirections & ScrollRight)
        cell.X = std::min(h.LastFullyVisible() + 1, ColCount() - 1);
    if (FScrollDirections & ScrollUp) cell.Y = std::max(FTopLeft.Y - 1, FFixedRows);
    if (FScrollDirections & ScrollDown) cell.Y = std::min(v.LastFullyVisible() + 1, RowCount() - 1);
    if (FOptions.Contains(goRangeSelect))
        MoveAnchor(cell);
    else
        MoveCurrent(cell.X, cell.Y, true, true);
    return true;
}

void TCustomGrid::WMCancelMode(TMessage& Message) {
    StopAutoScroll();
    TCustomControl::WMCancelMode(Message);
    if (FGridState != gsNormal) {
        FGridState = gsNormal;
        Invalidate();
    }
}

void TCustomGrid::WMKillFocus(TWMKillFocus& Message) {
    TCustomControl::WMKillFocus(Message);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::WMSetCursor(TWMSetCursor& Message) {
    if (Message.HitTest == HTCLIENT && FGridState == gsNormal && HandleAllocated()) {
        TPoint p;
        GetCursorPos(p);
        p = ScreenToClient(p);
        int index = 0;
        int offset = 0;
        const TGridState sizing = SizingStateAt(p.X, p.Y, index, offset);
        if (sizing != gsNormal) {
            ::SetCursor(LoadStandardCursor(sizing == gsColSizing ? crHSplit : crVSplit));
            Message.Result = 1;
            return;
        }
    }
    TCustomControl::WMSetCursor(Message);
}

bool TCustomGrid::WantsKey(uint16_t Key) {
    return Key != VK_TAB || FOptions.Contains(goTabs);
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0 || FGridState != gsNormal) return;
    const bool ctrl = Shift.Contains(ssCtrl);
    const int page = std::max(VisibleRowCount(), 1);
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    // With a row selected the arrows across scroll the columns instead.
    const bool rowSelect = FOptions.Contains(goRowSelect);
    TGridCoord next = FCurrent;
    switch (Key) {
    case VK_UP:
        --next.Y;
        break;
    case VK_DOWN:
        ++next.Y;
        break;
    case VK_LEFT:
        if (rowSelect) {
            SetLeftCol(LeftCol() - 1);
            return;
        }
        --next.X;
        break;
    case VK_RIGHT:
        if (rowSelect) {
            SetLeftCol(LeftCol() + 1);
            return;
        }
        ++next.X;
        break;
    case VK_PRIOR:
        next.Y -= page;
        break;
    case VK_NEXT:
        next.Y += page;
        break;
    case VK_HOME:
        if (ctrl)
            next.Y = FFixedRows;
        else
            next.X = FFixedCols;
        break;
    case VK_END:
        if (ctrl)
            next.Y = lastRow;
        else
            next.X = lastCol;
        break;
    case VK_F2:
        if (FOptions.Contains(goEditing)) ShowEditor();
        return;
    case VK_TAB:
        if (!FOptions.Contains(goTabs)) return;
        if (Shift.Contains(ssShift)) {
            if (--next.X < FFixedCols) next = {lastCol, next.Y - 1};
        } else if (++next.X > lastCol) {
            next = {FFixedCols, next.Y + 1};
        }
        if (next.Y < FFixedRows || next.Y > lastRow) return;
        break;
    default:
        return;
    }
    next.X = std::clamp(next.X, FFixedCols, lastCol);
    next.Y = std::clamp(next.Y, FFixedRows, lastRow);
    if (next == FCurrent) return;
    if (Shift.Contains(ssShift) && Key != VK_TAB && FOptions.Contains(goRangeSelect)) {
        TGridCoord anchor = FAnchor;
        anchor.X += next.X - FCurrent.X;
        anchor.Y += next.Y - FCurrent.Y;
        anchor.X = std::clamp(anchor.X, FFixedCols, lastCol);
        anchor.Y = std::clamp(anchor.Y, FFixedRows, lastRow);
        MoveAnchor(anchor);
    } else {
        FocusCell(next.X, next.Y, true);
    }
}

// TCustomGrid: painting the cells, the lines and the feedback of a drag.

#include "host/grids/Grids.h"

namespace {
constexpr TColor LineColor = clSilver;
constexpr TColor FixedLineColor = cl3DDkShadow;

/// The indices shown along an axis: the fixed ones, then the scrolled ones in view.
std::vector<int> ShownCells(const TGridAxis& axis) {
    std::vector<int> cells;
    for (int i = 0; i < axis.FixedCount && i < axis.Count(); ++i)
        if (axis.CellStart(i) >= 0) cells.push_back(i);
    for (int i = axis.First; i <= axis.LastVisible(); ++i)
        cells.push_back(i);
    return cells;
}
} // namespace

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::Paint() {
    TCanvas* c = Canvas();
    const TGridAxis h = HorzAxis();
    const TGridAxis v = VertAxis();
    const TRect client = ClientRect();
    const int edge = Edge();
    const TGridRect sel = Selection();
    const bool focusSelected =
        FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect);

    for (int row : ShownCells(v)) {
        for (int col : ShownCells(h)) {
            TRect r =
                Bounds(edge + h.CellStart(col), edge + v.CellStart(row),
                       h.Extents[static_cast<size_t>(col)], v.Extents[static_cast<size_t>(row)]);
            TRect clipped;
            if (!IntersectRect(clipped, r, client)) continue;
            TGridDrawState state;
            const bool fixed = col < FFixedCols || row < FFixedRows;
            if (fixed) state.Include(gdFixed);
            if (!fixed && col >= sel.Left && col <= sel.Right && row >= sel.Top &&
                row <= sel.Bottom)
                state.Include(gdSelected);
            if (col == FCurrent.X && row == FCurrent.Y) state.Include(gdFocused);
            c->Font()->Assign(Font());
            c->Brush()->SetStyle(bsSolid);
            if (fixed) {
                c->Brush()->SetColor(FFixedColor);
            } else if (state.Contains(gdSelected) &&
                       (!state.Contains(gdFocused) || focusSelected)) {
                c->Brush()->SetColor(clHighlight);
                c->Font()->SetColor(clHighlightText);
            } else {
                c->Brush()->SetColor(Color());
            }
            if (FDefaultDrawing) c->FillRect(clipped);
            DrawCell(col, row, r, state);
            if (FDefaultDrawing && fixed) {
                TRect edgeRect = r;
                DrawFrame3D(c, edgeRect, clBtnHighlight, clBtnShadow, 1);
            }
            if (FDefaultDrawing && state.Contains(gdFocused) && !fixed && Focused() &&
                !FOptions.Contains(goRowSelect)) {
                c->Pen()->SetColor(clWindowText);
                c->Pen()->SetStyle(psDot);
                c->Brush()->SetStyle(bsClear);
                c->Rectangle(r);
                c->Pen()->SetStyle(psSolid);
            }
        }
    }
    // The client beyond the last cells.
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    const int right = edge + h.GridExtent();
    const int bottom = edge + v.GridExtent();
    if (right < client.Right) c->FillRect(Rect(right, client.Top, client.Right, client.Bottom));
    if (bottom < client.Bottom)
        c->FillRect(Rect(client.Left, bottom, std::min(right, client.Right), client.Bottom));
    PaintLines(h, v);
    PaintDragFeedback(h, v);
    if (FBorderStyle == bsSingle) {
        TRect r = Rect(0, 0, Width(), Height());
        DrawSunkenEdge(c, r);
    }
    if (FHorzShown && FVertShown) {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(Bounds(client.Right, client.Bottom, Width() - edge - client.Right,
                           Height() - edge - client.Bottom));
    }
    TCustomControl::Paint();
}

void TCustomGrid::PaintLines(const TGridAxis& Horz, const TGridAxis& Vert) {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    const int edge = Edge();
    c->Brush()->SetStyle(bsSolid);
    auto line = [&](TRect r, TColor color) {
        TRect clipped;
        if (!IntersectRect(clipped, r, client)) return;
        c->Brush()->SetColor(color);
        c->FillRect(clipped);
    };
    const int fixedBottom = edge + Vert.FixedBoundary();
    const int fixedRight = edge + Horz.FixedBoundary();
    const int gridBottom = edge + Vert.GridExtent();
    const int gridRight = edge + Horz.GridExtent();
    // Lines between columns: across the heading rows, then across the scrolled rows.
    if (Horz.LineWidth > 0) {
        for (int col : ShownCells(Horz)) {
            const int x = edge + Horz.CellStart(col) + Horz.Extents[static_cast<size_t>(col)];
            const bool fixedCol = col < FFixedCols;
            if (FOptions.Contains(goFixedVertLine))
                line(Rect(x, edge, x + Horz.LineWidth, fixedBottom), FixedLineColor);
            if (FOptions.Contains(fixedCol ? goFixedVertLine : goVertLine))
                line(Rect(x, fixedBottom, x + Horz.LineWidth, gridBottom),
                     fixedCol ? FixedLineColor : LineColor);
        }
    }
    if (Vert.LineWidth > 0) {
        for (int row : ShownCells(Vert)) {
            const int y = edge + Vert.CellStart(row) + Vert.Extents[static_cast<size_t>(row)];
            const bool fixedRow = row < FFixedRows;
            if (FOptions.Contains(goFixedHorzLine))
                line(Rect(edge, y, fixedRight, y + Vert.LineWidth), FixedLineColor);
            if (FOptions.Contains(fixedRow ? goFixedHorzLine : goHorzLine))
                line(Rect(fixedRight, y, gridRight, y + Vert.LineWidth),
                     fixedRow ? FixedLineColor : LineColor);
        }
    }
}

void TCustomGrid::PaintDragFeedback(const TGridAxis& Horz, const TGridAxis& Vert) {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    const int edge = Edge();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clWindowText);
    switch (FGridState) {
    case gsColSizing: {
        const int x = FSizingPos - FSizingOffset;
        c->FillRect(Rect(x, client.Top, x + 1, client.Bottom));
        break;
    }
    case gsRowSizing: {
        const int y = FSizingPos - FSizingOffset;
        c->FillRect(Rect(client.Left, y, client.Right, y + 1));
        break;
    }
    case gsColMoving: {
        // Where the column would go: before the cell under the mouse, or after it when moving
        // to the right.
        const int start = Horz.CellStart(FMovePos);
        if (start < 0) break;
        int x = edge + start;
        if (FMovePos > FMoveIndex) x += Horz.Extents[static_cast<size_t>(FMovePos)];
        c->FillRect(Rect(x - 1, client.Top, x + 1, edge + Vert.GridExtent()));
        break;
    }
    case gsRowMoving: {
        const int start = Vert.CellStart(FMovePos);
        if (start < 0) break;
        int y = edge + start;
        if (FMovePos > FMoveIndex) y += Vert.Extents[static_cast<size_t>(FMovePos)];
        c->FillRect(Rect(client.Left, y - 1, edge + Horz.GridExtent(), y + 1));
        break;
    }
    default:
        break;
    }
}

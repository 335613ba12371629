// TCustomGrid: sizes, the current cell and the selection, scrolling and the scroll bars.

#include "host/grids/Grids.h"
#include "host/qt/ContainerWindows_p.h"
#include "host/qt/ScrollBarWindow_p.h"
#include "host/qt/WindowState_p.h"
#include "host/streaming/Filer.h"

namespace {
[[noreturn]] void IndexError() {
    throw EInvalidGridOperation("表格索引越界");
}

/// Moves the index that was at From to To, and the ones between by one the other way.
void MoveAdjust(int& Index, int From, int To) {
    if (Index == From)
        Index = To;
    else if (From < Index && Index <= To)
        --Index;
    else if (To <= Index && Index < From)
        ++Index;
}
} // namespace

ZK_IMPLEMENT_CLASS(TCustomGrid, TCustomControl, nullptr)

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner), FColWidths(5, 64), FRowHeights(5, 24) {
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.WinClassName = GridWindowClass();
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
    TCustomControl::CreateWnd();
    FHorzBar = CreateScrollBarWindow(Handle(), false);
    FVertBar = CreateScrollBarWindow(Handle(), true);
    UpdateScrollBars();
}

void TCustomGrid::WMDestroy(TMessage& Message) {
    TCustomControl::WMDestroy(Message);
    // The window's timers end with it.
    FScrollDirections = 0;
    FHorzBar = nullptr;
    FVertBar = nullptr;
    FEditor = nullptr;
    FEditorMode = false;
}

// ---- Layout -----------------------------------------------------------------------------

int TCustomGrid::LineWidthOf(bool Vertical) const {
    const bool lines = Vertical
                           ? FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine)
                           : FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine);
    return lines ? FGridLineWidth : 0;
}

TGridAxis TCustomGrid::HorzAxis() const {
    return {FColWidths, LineWidthOf(true), FFixedCols, FTopLeft.X, ClientRect().Width()};
}

TGridAxis TCustomGrid::VertAxis() const {
    return {FRowHeights, LineWidthOf(false), FFixedRows, FTopLeft.Y, ClientRect().Height()};
}

TRect TCustomGrid::ClientRect() const {
    TRect r = TCustomControl::ClientRect();
    InflateRect(r, -Edge(), -Edge());
    if (FVertShown) r.Right -= ScrollBarExtent();
    if (FHorzShown) r.Bottom -= ScrollBarExtent();
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    const TGridAxis h = HorzAxis();
    const TGridAxis v = VertAxis();
    const int x = h.CellStart(ACol);
    const int y = v.CellStart(ARow);
    if (x < 0 || y < 0) return {};
    return Bounds(Edge() + x, Edge() + y, FColWidths[static_cast<size_t>(ACol)],
                  FRowHeights[static_cast<size_t>(ARow)]);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    return {HorzAxis().CellAt(X - Edge()), VertAxis().CellAt(Y - Edge())};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

int TCustomGrid::VisibleColCount() const {
    return std::max(HorzAxis().LastFullyVisible() - FTopLeft.X + 1, 0);
}

int TCustomGrid::VisibleRowCount() const {
    return std::max(VertAxis().LastFullyVisible() - FTopLeft.Y + 1, 0);
}

// ---- Sizes ------------------------------------------------------------------------------

void TCustomGrid::SetColCount(int Value) {
    Value = std::max(Value, 1);
    if (Value == ColCount()) return;
    const int oldCols = ColCount();
    if (Value <= FFixedCols) FFixedCols = Value - 1;
    FColWidths.resize(static_cast<size_t>(Value), FDefaultColWidth);
    auto clampX = [&](TGridCoord& c) { c.X = std::clamp(c.X, FFixedCols, Value - 1); };
    clampX(FCurrent);
    clampX(FAnchor);
    clampX(FTopLeft);
    if (FOptions.Contains(goRowSelect)) FAnchor.X = Value - 1;
    SizeChanged(oldCols, RowCount());
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetRowCount(int Value) {
    Value = std::max(Value, 1);
    if (Value == RowCount()) return;
    const int oldRows = RowCount();
    if (Value <= FFixedRows) FFixedRows = Value - 1;
    FRowHeights.resize(static_cast<size_t>(Value), FDefaultRowHeight);
    auto clampY = [&](TGridCoord& c) { c.Y = std::clamp(c.Y, FFixedRows, Value - 1); };
    clampY(FCurrent);
    clampY(FAnchor);
    clampY(FTopLeft);
    SizeChanged(ColCount(), oldRows);
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::SetFixedCols(int Value) {
    if (Value < 0 || Value >= ColCount())
        throw EInvalidGridOperation("固定列数必须小于列数");
    FFixedCols = Value;
    // The grid starts over at its first scrolled cell, as the platform's does.
    FTopLeft.X = FCurrent.X = FAnchor.X = Value;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int Value) {
    if (Value < 0 || Value >= RowCount())
        throw EInvalidGridOperation("固定行数必须小于行数");
    FFixedRows = Value;
    FTopLeft.Y = FCurrent.Y = FAnchor.Y = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    Value = std::max(Value, 0);
    FDefaultColWidth = Value;
    std::fill(FColWidths.begin(), FColWidths.end(), Value);
    ColWidthsChanged();
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    Value = std::max(Value, 0);
    FDefaultRowHeight = Value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
    RowHeightsChanged();
    UpdateScrollBars();
    Invalidate();
}

int TCustomGrid::ColWidths(int Index) const {
    if (Index < 0 || Index >= ColCount()) IndexError();
    return FColWidths[static_cast<size_t>(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    if (Index < 0 || Index >= ColCount()) IndexError();
    Value = std::max(Value, 0);
    if (FColWidths[static_cast<size_t>(Index)] == Value) return;
    FColWidths[static_cast<size_t>(Index)] = Value;
    ColWidthsChanged();
    UpdateScrollBars();
    Invalidate();
}

int TCustomGrid::RowHeights(int Index) const {
    if (Index < 0 || Index >= RowCount()) IndexError();
    return FRowHeights[static_cast<size_t>(Index)];
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
    if (Index < 0 || Index >= RowCount()) IndexError();
    Value = std::max(Value, 0);
    if (FRowHeights[static_cast<size_t>(Index)] == Value) return;
    FRowHeights[static_cast<size_t>(Index)] = Value;
    RowHeightsChanged();
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int Value) {
    Value = std::max(Value, 0);
    if (FGridLineWidth == Value) return;
    FGridLineWidth = Value;
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    if (FOptions == Value) return;
    FOptions = Value;
    if (Value.Contains(goRowSelect)) {
        FCurrent.X = FFixedCols;
        FAnchor.X = ColCount() - 1;
    } else if (!Value.Contains(goRangeSelect)) {
        FAnchor = FCurrent;
    }
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    UpdateScrollBars();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
    if (Value != bsSingle) Value = bsNone;
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateClientEdge(Value == bsSingle);
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    if (FFixedColor == Value) return;
    FFixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
    if (FDefaultDrawing == Value) return;
    FDefaultDrawing = Value;
    Invalidate();
}

// ---- Current cell and selection ---------------------------------------------------------

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y),
                std::max(FCurrent.X, FAnchor.X), std::max(FCurrent.Y, FAnchor.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
    const TGridRect old = Selection();
    auto inside = [this](int c, int r) {
        return c >= FFixedCols && c < ColCount() && r >= FFixedRows && r < RowCount();
    };
    if (!inside(Value.Left, Value.Top) || !inside(Value.Right, Value.Bottom)) IndexError();
    FAnchor = {Value.Left, Value.Top};
    FCurrent = {Value.Right, Value.Bottom};
    InvalidateSelection(old);
}

void TCustomGrid::SetCol(int Value) {
    if (Value != FCurrent.X) FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int Value) {
    if (Value != FCurrent.Y) FocusCell(FCurrent.X, Value, true);
}

bool TCustomGrid::SelectCell(int, int) {
    return true;
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    Click();
}

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) IndexError();
    if (!SelectCell(ACol, ARow)) return;
    const TGridRect old = Selection();
    // An edit in progress keeps its text in the cell it was in.
    const bool editing = FEditorMode && !(FCurrent == TGridCoord{ACol, ARow});
    if (editing) EndEdit(true, true);
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
        FAnchor = FCurrent;
        if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
    }
    if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
    if (Show) ClampInView({ACol, ARow});
    InvalidateSelection(old);
    if (editing && FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
}

void TCustomGrid::MoveAnchor(TGridCoord NewAnchor) {
    if (!FOptions.Contains(goRangeSelect)) {
        MoveCurrent(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    const TGridRect old = Selection();
    FAnchor = NewAnchor;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
    ClampInView(NewAnchor);
    InvalidateSelection(old);
}

void TCustomGrid::InvalidateSelection(const TGridRect&) {
    // Cells are cheap to draw; the whole grid keeps the old and the new selection right.
    Invalidate();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    const TRect r = CellRect(ACol, ARow);
    if (HandleAllocated() && !IsRectEmpty(r)) InvalidateRect(Handle(), &r, false);
}

// ---- Scrolling --------------------------------------------------------------------------

void TCustomGrid::ClampInView(TGridCoord Coord) {
    TGridAxis h = HorzAxis();
    TGridAxis v = VertAxis();
    int left = FTopLeft.X;
    int top = FTopLeft.Y;
    if (Coord.X >= FFixedCols) {
        if (Coord.X < left) left = Coord.X;
        for (h.First = left; left < Coord.X && h.LastFullyVisible() < Coord.X; h.First = ++left) {
        }
    }
    if (Coord.Y >= FFixedRows) {
        if (Coord.Y < top) top = Coord.Y;
        for (v.First = top; top < Coord.Y && v.LastFullyVisible() < Coord.Y; v.First = ++top) {
        }
    }
    MoveTopLeft(left, top);
}

void TCustomGrid::SetTopRow(int Value) {
    MoveTopLeft(FTopLeft.X, Value);
}

void TCustomGrid::SetLeftCol(int Value) {
    MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
    ALeft = std::clamp(ALeft, FFixedCols, std::max(HorzAxis().MaxFirst(), FFixedCols));
    ATop = std::clamp(ATop, FFixedRows, std::max(VertAxis().MaxFirst(), FFixedRows));
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
    FTopLeft = {ALeft, ATop};
    UpdateScrollBars();
    Invalidate();
    UpdateEditorPlace();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
    OnTopLeftChanged(this);
}

void TCustomGrid::UpdateScrollBars() {
    const int edge = Edge();
    const int extent = ScrollBarExtent();
    const int width = std::max(Width() - 2 * edge, 0);
    const int height = std::max(Height() - 2 * edge, 0);
    auto total = [](const std::vector<int>& extents, int line) {
        int sum = 0;
        for (int e : extents)
            sum += e + line;
        return sum;
    };
    const int cols = total(FColWidths, LineWidthOf(true));
    const int rows = total(FRowHeights, LineWidthOf(false));
    const bool mayHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool mayVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    bool vert = mayVert && rows > height;
    const bool horz = mayHorz && cols > width - (vert ? extent : 0);
    if (horz && !vert) vert = mayVert && rows > height - extent;
    if (horz != FHorzShown || vert != FVertShown) {
        FHorzShown = horz;
        FVertShown = vert;
        Invalidate();
    }
    // A bigger client, or fewer cells, may leave nothing to scroll to where the view stands.
    const int maxLeft = std::max(HorzAxis().MaxFirst(), FFixedCols);
    const int maxTop = std::max(VertAxis().MaxFirst(), FFixedRows);
    if (FTopLeft.X > maxLeft || FTopLeft.Y > maxTop) {
        FTopLeft = {std::min(FTopLeft.X, maxLeft), std::min(FTopLeft.Y, maxTop)};
        Invalidate();
        TopLeftChanged();
    }
    PlaceScrollBars();
}

void TCustomGrid::PlaceScrollBars() {
    if (!HandleAllocated()) return;
    const int edge = Edge();
    const int extent = ScrollBarExtent();
    const bool tracking = FOptions.Contains(goThumbTracking);
    if (IsWindow(FVertBar)) {
        if (FVertShown) {
            PlaceWindow(FVertBar,
                        Bounds(Width() - edge - extent, edge, extent,
                               std::max(Height() - 2 * edge - (FHorzShown ? extent : 0), 0)));
            SetScrollBarInfo(FVertBar, {std::max(VertAxis().MaxFirst(), FFixedRows) - FFixedRows,
                                        std::max(VisibleRowCount(), 1), 1, FTopLeft.Y - FFixedRows,
                                        tracking});
            ShowWindow(FVertBar, SW_SHOWNA);
        } else {
            ShowWindow(FVertBar, SW_HIDE);
        }
    }
    if (IsWindow(FHorzBar)) {
        if (FHorzShown) {
            PlaceWindow(FHorzBar,
                        Bounds(edge, Height() - edge - extent,
                               std::max(Width() - 2 * edge - (FVertShown ? extent : 0), 0),
                               extent));
            SetScrollBarInfo(FHorzBar, {std::max(HorzAxis().MaxFirst(), FFixedCols) - FFixedCols,
                                        std::max(VisibleColCount(), 1), 1, FTopLeft.X - FFixedCols,
                                        tracking});
            ShowWindow(FHorzBar, SW_SHOWNA);
        } else {
            ShowWindow(FHorzBar, SW_HIDE);
        }
    }
}

void TCustomGrid::ScrollRequest(bool Vertical, int Code, int Pos) {
    const int fixed = Vertical ? FFixedRows : FFixedCols;
    const int first = Vertical ? FTopLeft.Y : FTopLeft.X;
    const int page = std::max(Vertical ? VisibleRowCount() : VisibleColCount(), 1);
    const int last = std::max(Vertical ? VertAxis().MaxFirst() : HorzAxis().MaxFirst(), fixed);
    int next = first;
    switch (Code) {
    case SB_LINEUP:
        next = first - 1;
        break;
    case SB_LINEDOWN:
        next = first + 1;
        break;
    case SB_PAGEUP:
        next = first - page;
        break;
    case SB_PAGEDOWN:
        next = first + page;
        break;
    case SB_THUMBTRACK:
        if (FOptions.Contains(goThumbTracking)) next = fixed + Pos;
        break;
    case SB_THUMBPOSITION:
        next = fixed + Pos;
        break;
    case SB_TOP:
        next = fixed;
        break;
    case SB_BOTTOM:
        next = last;
        break;
    default:
        break;
    }
    if (Vertical)
        MoveTopLeft(FTopLeft.X, next);
    else
        MoveTopLeft(next, FTopLeft.Y);
    // The bar shows where the grid stands, whatever the bar itself had moved to.
    PlaceScrollBars();
}

void TCustomGrid::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (TimedScroll(static_cast<uintptr_t>(Message.WParam))) return;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        TWMScroll scroll(Message);
        HWND bar = Message.Msg == WM_VSCROLL ? FVertBar : FHorzBar;
        if (!scroll.ScrollBar() || scroll.ScrollBar() == bar) {
            ScrollRequest(Message.Msg == WM_VSCROLL, scroll.ScrollCode, scroll.Pos);
            return;
        }
        break;
    }
    case CN_NOTIFY: {
        TWMNotify notify(Message);
        const NMHDR* hdr = notify.NMHdr();
        if (hdr && FEditor && hdr->hwndFrom == FEditor) {
            EditorNotify(hdr);
            return;
        }
        break;
    }
    case WM_MOUSEWHEEL: {
        // The wheel moves the current row, as the platform's grid does.
        TWMMouseWheel wheel(Message);
        if (FGridState == gsNormal) {
            if (wheel.WheelDelta < 0 && FCurrent.Y < RowCount() - 1)
                SetRow(FCurrent.Y + 1);
            else if (wheel.WheelDelta > 0 && FCurrent.Y > FFixedRows)
                SetRow(FCurrent.Y - 1);
        }
        Message.Result = 1;
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TCustomGrid::WMSize(TWMSize& Message) {
    TCustomControl::WMSize(Message);
    UpdateScrollBars();
    Invalidate();
    UpdateEditorPlace();
}

// ---- Moving rows and columns ------------------------------------------------------------

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    const int width = FColWidths[static_cast<size_t>(FromIndex)];
    FColWidths.erase(FColWidths.begin() + FromIndex);
    FColWidths.insert(FColWidths.begin() + ToIndex, width);
    MoveAdjust(FCurrent.X, FromIndex, ToIndex);
    MoveAdjust(FAnchor.X, FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    Invalidate();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
    if (FromIndex == ToIndex) return;
    const int height = FRowHeights[static_cast<size_t>(FromIndex)];
    FRowHeights.erase(FRowHeights.begin() + FromIndex);
    FRowHeights.insert(FRowHeights.begin() + ToIndex, height);
    MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
    MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    Invalidate();
}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex) {
    OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex) {
    OnRowMoved(this, FromIndex, ToIndex);
}

// ---- Streaming --------------------------------------------------------------------------

void TCustomGrid::DefineProperties(TFiler* Filer) {
    TCustomControl::DefineProperties(Filer);
    auto differs = [](const std::vector<int>& extents, int def) {
        return std::any_of(extents.begin(), extents.end(), [def](int e) { return e != def; });
    };
    // Sizes that differ from the defaults travel as lists of integers, one per column or row;
    // the counts are read before them, as published properties come first.
    auto reader = [](TCustomGrid* grid, bool cols) {
        return [grid, cols](TReader* reader) {
            reader->ReadListBegin();
            for (int i = 0; !reader->EndOfList(); ++i) {
                const int value = reader->ReadInteger();
                if (cols && i < grid->ColCount()) grid->SetColWidths(i, value);
                if (!cols && i < grid->RowCount()) grid->SetRowHeights(i, value);
            }
            reader->ReadListEnd();
        };
    };
    auto writer = [](const std::vector<int>* extents) {
        return [extents](TWriter* writer) {
            writer->WriteListBegin();
            for (int e : *extents)
                writer->WriteInteger(e);
            writer->WriteListEnd();
        };
    };
    Filer->DefineProperty("ColWidths", reader(this, true), writer(&FColWidths),
                          differs(FColWidths, FDefaultColWidth));
    Filer->DefineProperty("RowHeights", reader(this, false), writer(&FRowHeights),
                          differs(FRowHeights, FDefaultRowHeight));
}

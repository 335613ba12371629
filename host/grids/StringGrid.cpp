// TDrawGrid and TStringGrid, and the published properties of the grids.

#include "host/grids/Grids.h"

ZK_ENUM_TYPEINFO(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine",
                 "goRangeSelect", "goDrawFocusSelected", "goRowSizing", "goColSizing",
                 "goRowMoving", "goColMoving", "goEditing", "goTabs", "goRowSelect",
                 "goAlwaysShowEditor", "goThumbTracking")
ZK_SET_TYPEINFO(TGridOptions, TGridOption)

ZK_METHOD_TYPEINFO(TDrawCellEvent)
ZK_METHOD_TYPEINFO(TSelectCellEvent)
ZK_METHOD_TYPEINFO(TMovedEvent)

namespace {
void PublishDrawGrid(TPublisher& p) {
    p.Prop("BorderStyle", TypeInfos::TBorderStyle(), &TCustomGrid::BorderStyle,
           &TCustomGrid::SetBorderStyle)
        .Default(bsSingle);
    // Before the fixed counts, which must stay below them while a stream is read.
    p.Prop("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).Default(5);
    p.Prop("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth)
        .Default(64);
    p.Prop("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight)
        .Default(24);
    p.Prop("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing)
        .Default(1);
    p.Prop("FixedColor", TypeInfos::TColor(), &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor)
        .Default(clBtnFace);
    p.Prop("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).Default(1);
    p.Prop("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).Default(5);
    p.Prop("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).Default(1);
    p.Prop("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth).Default(1);
    p.Prop("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions)
        .Default(static_cast<int64_t>(DefaultGridOptions.Bits()));
    p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(0);
    p.Prop("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars).Default(ssBoth);
    p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(1);
    p.Prop("OnColumnMoved", &TCustomGrid::OnColumnMoved, &TCustomGrid::OnColumnMoved);
    p.Prop("OnDrawCell", &TDrawGrid::OnDrawCell, &TDrawGrid::OnDrawCell);
    p.Prop("OnRowMoved", &TCustomGrid::OnRowMoved, &TCustomGrid::OnRowMoved);
    p.Prop("OnSelectCell", &TDrawGrid::OnSelectCell, &TDrawGrid::OnSelectCell);
    p.Prop("OnTopLeftChanged", &TCustomGrid::OnTopLeftChanged, &TCustomGrid::OnTopLeftChanged);
}

const bool registered =
    (RegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass()}), true);
} // namespace

ZK_IMPLEMENT_CLASS(TDrawGrid, TCustomGrid, PublishDrawGrid)
ZK_IMPLEMENT_CLASS(TStringGrid, TDrawGrid, nullptr)
ZK_IMPLEMENT_CLASS(TStringGridStrings, TStrings, nullptr)

// ---- TDrawGrid ----------------------------------------------------------------------------

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow) {
    bool canSelect = true;
    OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

// ---- TStringGrid --------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {
    (void)registered;
    SizeChanged(0, 0);
}

TStringGrid::~TStringGrid() {
    for (auto* views : {&FColViews, &FRowViews})
        for (TStrings* view : *views)
            if (view) view->Free();
}

std::string TStringGrid::Cells(int ACol, int ARow) const {
    if (ARow < 0 || ARow >= static_cast<int>(FCells.size())) return {};
    const auto& row = FCells[static_cast<size_t>(ARow)];
    if (ACol < 0 || ACol >= static_cast<int>(row.size())) return {};
    return row[static_cast<size_t>(ACol)].Text;
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidGridOperation("表格索引越界");
    FCells[static_cast<size_t>(ARow)][static_cast<size_t>(ACol)].Text = Value;
    InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return nullptr;
    return FCells[static_cast<size_t>(ARow)][static_cast<size_t>(ACol)].Object;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidGridOperation("表格索引越界");
    FCells[static_cast<size_t>(ARow)][static_cast<size_t>(ACol)].Object = Value;
}

TStrings* TStringGrid::Cols(int Index) {
    return View(FColViews, true, Index);
}

TStrings* TStringGrid::Rows(int Index) {
    return View(FRowViews, false, Index);
}

TStrings* TStringGrid::View(std::vector<TStrings*>& Views, bool Column, int Index) {
    if (Index < 0 || Index >= (Column ? ColCount() : RowCount()))
        throw EInvalidGridOperation("表格索引越界");
    if (static_cast<size_t>(Index) >= Views.size()) Views.resize(static_cast<size_t>(Index) + 1);
    TStrings*& view = Views[static_cast<size_t>(Index)];
    if (!view) view = new TStringGridStrings(this, Column, Index);
    return view;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    SetCells(ACol, ARow, Value);
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
    FCells.resize(static_cast<size_t>(RowCount()));
    for (auto& row : FCells)
        row.resize(static_cast<size_t>(ColCount()));
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (DefaultDrawing()) {
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
        Canvas()->Brush()->SetStyle(bsSolid);
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    for (auto& row : FCells) {
        TCell moved = std::move(row[static_cast<size_t>(FromIndex)]);
        row.erase(row.begin() + FromIndex);
        row.insert(row.begin() + ToIndex, std::move(moved));
    }
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    auto moved = std::move(FCells[static_cast<size_t>(FromIndex)]);
    FCells.erase(FCells.begin() + FromIndex);
    FCells.insert(FCells.begin() + ToIndex, std::move(moved));
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

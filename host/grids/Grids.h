#pragma once
// Grids: rows and columns of cells drawn by the grid itself, with fixed (heading) rows and
// columns, a current cell and a selection, scrolling, and sizing and moving with the mouse.

#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/core/Strings.h"

class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption>;
/// What the grid is doing with the mouse: normal, or in the middle of a drag that selects,
/// sizes or moves.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

/// A cell: column X, row Y.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};
/// A block of cells, corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
};

using TDrawCellEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = TEvent<void(TObject* Sender, int FromIndex, int ToIndex)>;

ZK_DECLARE_TYPEINFO(TGridOption)
ZK_DECLARE_TYPEINFO(TGridOptions)
ZK_DECLARE_TYPEINFO(TDrawCellEvent)
ZK_DECLARE_TYPEINFO(TSelectCellEvent)
ZK_DECLARE_TYPEINFO(TMovedEvent)

inline constexpr TGridOptions DefaultGridOptions = {goFixedVertLine, goFixedHorzLine, goVertLine,
                                                    goHorzLine, goRangeSelect};

/// One direction of a grid's layout, as pixels along it: the cells' extents, the line after each
/// cell, the leading fixed cells, the first scrolled cell shown and the space there is.
struct TGridAxis {
    std::vector<int> Extents;
    int LineWidth = 0;
    int FixedCount = 0;
    int First = 0;
    int ClientExtent = 0;

    int Count() const { return static_cast<int>(Extents.size()); }
    /// Where the scrolled cells begin: after the fixed cells and their lines.
    int FixedBoundary() const;
    /// Where a cell begins, or -1 when it is scrolled away or lies beyond the client.
    int CellStart(int Index) const;
    /// The cell at a position, or -1 over no cell (or over a line past the last one).
    int CellAt(int Pos) const;
    /// The last cell that shows at least in part.
    int LastVisible() const;
    /// The last cell that shows entirely (at least First).
    int LastFullyVisible() const;
    /// The largest First that still shows the last cell entirely.
    int MaxFirst() const;
    /// The end of the last cell shown, with its line.
    int GridExtent() const;
    /// The cell whose trailing edge lies within Tolerance of Pos, or -1.
    int DividerAt(int Pos, int Tolerance) const;
};

/// The grid: cells laid out in rows and columns and painted on the grid's canvas, a current
/// cell with a selection around it, scroll bars, and sizing or moving of rows and columns by
/// dragging the lines and headings of the fixed cells.
class TCustomGrid : public TCustomControl {
    ZK_CLASS(TCustomGrid, TCustomControl)
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    int ColCount() const { return static_cast<int>(FColWidths.size()); }
    void SetColCount(int Value);
    int RowCount() const { return static_cast<int>(FRowHeights.size()); }
    void SetRowCount(int Value);
    /// Fewer than ColCount; EInvalidGridOperation otherwise.
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    /// Setting it gives every column this width.
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);

    /// The current cell; setting it asks SelectCell, scrolls it into view and reports Click.
    int Col() const { return FCurrent.X; }
    void SetCol(int Value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int Value);
    /// The selected block: the current cell and the anchor at its opposite corner.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);
    /// The first scrolled row and column shown.
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int Value);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int Value);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    /// Normal, except while the grid itself selects, sizes or moves with the mouse.
    TGridState GridState() const { return FGridState; }
    /// Whether the current cell is being edited in place (with goEditing).
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    void ShowEditor();
    /// Keeps the edited text in the cell and puts the editor away.
    void HideEditor();
    /// A cell's rectangle in client coordinates; empty when the cell is not shown.
    TRect CellRect(int ACol, int ARow) const;
    /// The cell at a client point; -1 in a coordinate over no cell.
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    void InvalidateCell(int ACol, int ARow);
    void InvalidateGrid() { Invalidate(); }

    /// The area inside the border and the scroll bars shown.
    TRect ClientRect() const override;
    void DefineProperties(TFiler* Filer) override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Paint() override;
    /// Draws one cell after its background; descendants draw content and call the event.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    /// Whether the cell may become the current one.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    /// The text an edit of the cell starts with, and where an edit's text goes.
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    /// Whether the in-place editor may show now.
    virtual bool CanEditShow();
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void TopLeftChanged();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    bool WantsKey(uint16_t Key) override;
    void DblClick() override;
    void WMSize(TWMSize& Message) override;
    void WMSetCursor(TWMSetCursor& Message) override;
    void WMKillFocus(TWMKillFocus& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void WMDestroy(TMessage& Message) override;

private:
    TGridAxis HorzAxis() const;
    TGridAxis VertAxis() const;
    /// The client point of the grid's first pixel (inside the border).
    int Edge() const { return FBorderStyle == bsSingle ? 2 : 0; }
    int LineWidthOf(bool Vertical) const;
    /// Which divider (if any) a fixed cell's edge at the point is, for sizing.
    TGridState SizingStateAt(int X, int Y, int& Index, int& Offset) const;
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    void MoveAnchor(TGridCoord NewAnchor);
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    /// Scrolls so that the current cell shows.
    void ClampInView(TGridCoord Coord);
    void MoveTopLeft(int ALeft, int ATop);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void UpdateScrollBars();
    void PlaceScrollBars();
    void ScrollRequest(bool Vertical, int Code, int Pos);
    void InvalidateSelection(const TGridRect& Old);
    void PaintLines(const TGridAxis& Horz, const TGridAxis& Vert);
    /// Shows the editor over the current cell, starting with Text (all selected when SelectAll).
    void ShowEditorWith(const std::string& Text, bool SelectAll);
    /// Puts the editor away, keeping its text in the cell when Commit, and giving the grid the
    /// focus back when FocusGrid.
    void EndEdit(bool Commit, bool FocusGrid);
    void UpdateEditorPlace();
    void EditorNotify(const NMHDR* Header);
    void PaintDragFeedback(const TGridAxis& Horz, const TGridAxis& Vert);
    /// While a selecting drag is past the cells' edge a timer scrolls that way and takes
    /// the selection along; back over the cells it stops.
    void UpdateAutoScroll(int X, int Y);
    void StopAutoScroll();
    /// Handles the drag's timer; false for another timer.
    bool TimedScroll(uintptr_t TimerId);

    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    TGridOptions FOptions = DefaultGridOptions;
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridCoord FTopLeft{1, 1};
    TGridState FGridState = gsNormal;
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOffset = 0;
    int FMoveIndex = -1;
    int FMovePos = -1;
    bool FHorzShown = false;
    bool FVertShown = false;
    HWND FHorzBar = nullptr;
    HWND FVertBar = nullptr;
    HWND FEditor = nullptr;
    bool FEditorMode = false;
    bool FEnding = false;
    /// The directions a selecting drag scrolls in: ScrollLeft ... ScrollDown bits.
    unsigned FScrollDirections = 0;
};

/// A grid whose cells the application draws in OnDrawCell.
class TDrawGrid : public TCustomGrid {
    ZK_CLASS(TDrawGrid, TCustomGrid)
    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
};

class TStringGrid;

/// One column or row of a string grid seen as a string list: item I is the cell at I along
/// it, with the cell's object. Its length is the grid's; it cannot grow or shrink.
class TStringGridStrings : public TStrings {
    ZK_CLASS(TStringGridStrings, TStrings)
    TStringGridStrings(TStringGrid* AGrid, bool AColumn, int AIndex);

    std::string Get(int Index) const override;
    TObject* GetObject(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    int Count() const override;
    /// The cells are fixed in number: EInvalidGridOperation.
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    /// Empties every cell (texts and objects).
    void Clear() override;
    /// Puts S in the first empty cell and answers its index (-1 when none is empty); an empty
    /// S is stored as one blank, so that the cell counts as taken.
    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    /// Copies the source's strings and objects into the first cells; cells beyond the
    /// source's count keep what they hold, and source items beyond the grid are left out.
    void Assign(TPersistent* Source) override;

private:
    TStringGrid* FGrid;
    bool FColumn;
    int FIndex;
};

/// A grid that holds a text and an object for each cell and draws the text.
class TStringGrid : public TDrawGrid {
    ZK_CLASS(TStringGrid, TDrawGrid)
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    std::string Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string& Value);
    /// The object attached to a cell (not owned); null outside the grid.
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);
    /// A column or a row as a string list that reads and writes the cells; the grid owns it.
    TStrings* Cols(int Index);
    void SetCols(int Index, TStrings* Value) { Cols(Index)->Assign(Value); }
    TStrings* Rows(int Index);
    void SetRows(int Index, TStrings* Value) { Rows(Index)->Assign(Value); }

protected:
    std::string GetEditText(int ACol, int ARow) override { return Cells(ACol, ARow); }
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;

private:
    struct TCell {
        std::string Text;
        TObject* Object = nullptr;
    };
    TStrings* View(std::vector<TStrings*>& Views, bool Column, int Index);

    /// Rows of columns; kept the size of the grid.
    std::vector<std::vector<TCell>> FCells;
    /// The column and row views handed out, made on first use.
    std::vector<TStrings*> FColViews;
    std::vector<TStrings*> FRowViews;
};

#pragma once
// Tabs in several rows: which row each tab lies in and where along it, as a tab control with
// MultiLine lays them out. Pure geometry, reached by tests without a window.

#include <vector>

/// A tab's place: its row, counted from the page area outward, and its span along the row.
struct TTabPlace {
    int Row = 0;
    int Start = 0;
    int Length = 0;
    bool operator==(const TTabPlace&) const = default;
};

/// Lays tabs of the given lengths into rows no longer than RowLength, in order, a tab that
/// does not fit starting the next row. With more than one row every row is stretched to the
/// full length, and the rows turn so that the one holding Selected lies next to the page
/// area, the rows before it following outward. A tab longer than a row has one of its own.
std::vector<TTabPlace> LayoutTabRows(const std::vector<int>& Lengths, int RowLength, int Selected);
/// The number of rows in a layout (1 when there are no tabs).
int TabRowCount(const std::vector<TTabPlace>& Places);

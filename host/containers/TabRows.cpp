// The row layout of multi-line tabs.

#include "host/containers/TabRows.h"

#include <algorithm>

std::vector<TTabPlace> LayoutTabRows(const std::vector<int>& Lengths, int RowLength, int Selected) {
    std::vector<TTabPlace> places(Lengths.size());
    // Rows in reading order first: greedily, a tab that would overflow begins a new row.
    std::vector<size_t> rowStarts;
    int used = 0;
    for (size_t i = 0; i < Lengths.size(); ++i) {
        const int length = std::max(Lengths[i], 0);
        if (rowStarts.empty() || (used > 0 && used + length > RowLength)) {
            rowStarts.push_back(i);
            used = 0;
        }
        places[i] = {static_cast<int>(rowStarts.size()) - 1, used, length};
        used += length;
    }
    const int rows = static_cast<int>(rowStarts.size());
    if (rows <= 1) return places;
    // Several rows fill the whole length, the space left shared among the row's tabs.
    for (int r = 0; r < rows; ++r) {
        const size_t begin = rowStarts[static_cast<size_t>(r)];
        const size_t end = r + 1 < rows ? rowStarts[static_cast<size_t>(r) + 1] : places.size();
        const int count = static_cast<int>(end - begin);
        const int natural = places[end - 1].Start + places[end - 1].Length;
        const int spare = std::max(RowLength - natural, 0);
        int start = 0;
        for (size_t i = begin; i < end; ++i) {
            const int k = static_cast<int>(i - begin);
            // The first tabs take the remainder, one pixel each.
            const int extra = spare / count + (k < spare % count ? 1 : 0);
            places[i].Start = start;
            places[i].Length += extra;
            start += places[i].Length;
        }
    }
    // The selected tab's row goes next to the page; the others keep their cyclic order.
    const int selectedRow = Selected >= 0 && Selected < static_cast<int>(places.size())
                                ? places[static_cast<size_t>(Selected)].Row
                                : rows - 1;
    for (TTabPlace& p : places)
        p.Row = (selectedRow - p.Row + rows) % rows;
    return places;
}

int TabRowCount(const std::vector<TTabPlace>& Places) {
    int rows = 1;
    for (const TTabPlace& p : Places)
        rows = std::max(rows, p.Row + 1);
    return rows;
}

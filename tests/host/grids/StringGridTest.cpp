// String grids: a column or a row as a string list of the cells, with their objects.

#include <gtest/gtest.h>

#include "host/grids/Grids.h"

namespace {
/// A 4 x 3 string grid (no window) with "c,r" in every cell.
struct GridFixture {
    GridFixture() : Grid(new TStringGrid(nullptr)) {
        Grid->SetColCount(4);
        Grid->SetRowCount(3);
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 3; ++r)
                Grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
    }
    ~GridFixture() { Grid->Free(); }
    GridFixture(const GridFixture&) = delete;
    GridFixture& operator=(const GridFixture&) = delete;
    TStringGrid* Grid;
};

std::vector<std::string> Texts(const TStrings* s) {
    std::vector<std::string> out;
    for (int i = 0; i < s->Count(); ++i)
        out.push_back(s->Strings(i));
    return out;
}
} // namespace

TEST(StringGridStrings, ColsAndRowsReadAndWriteTheCellsWithTheirObjects) {
    GridFixture f;
    TStringGrid* g = f.Grid;
    TObject marker;
    EXPECT_EQ(Texts(g->Cols(2)), (std::vector<std::string>{"2,0", "2,1", "2,2"}));
    EXPECT_EQ(Texts(g->Rows(1)), (std::vector<std::string>{"0,1", "1,1", "2,1", "3,1"}));
    EXPECT_EQ(g->Cols(2), g->Cols(2)) << "the same view each time";
    g->Cols(2)->SetStrings(1, "改");
    g->Rows(2)->SetObjects(3, &marker);
    EXPECT_EQ(g->Cells(2, 1), "改");
    EXPECT_EQ(g->Objects(3, 2), &marker);
    EXPECT_EQ(g->Cols(3)->Objects(2), &marker);
    EXPECT_EQ(g->Cols(3)->IndexOf("3,1"), 1);
    // A view follows the grid's size.
    g->SetRowCount(5);
    EXPECT_EQ(g->Cols(0)->Count(), 5);
    EXPECT_EQ(g->Cols(0)->Strings(4), "");
    EXPECT_THROW(g->Cols(4), EInvalidGridOperation);
    EXPECT_THROW(g->Rows(-1), EInvalidGridOperation);
    EXPECT_THROW(g->Cols(0)->SetStrings(5, "x"), EInvalidGridOperation);
    EXPECT_THROW(g->Cols(0)->Insert(0, "x"), EInvalidGridOperation);
    EXPECT_THROW(g->Rows(0)->Delete(0), EInvalidGridOperation);
    EXPECT_EQ(g->Cols(0)->Count(), 5) << "the failed calls changed nothing";
}

TEST(StringGridStrings, AssigningFillsTheFirstCellsAndLeavesTheRest) {
    struct Case {
        const char* Name;
        std::vector<std::string> Source;
        std::vector<std::string> Column;
    };
    const std::vector<Case> cases = {
        {"shorter source", {"甲", "乙"}, {"甲", "乙", "1,2"}},
        {"longer source is cut", {"a", "b", "c", "d"}, {"a", "b", "c"}},
        {"empty source changes nothing", {}, {"1,0", "1,1", "1,2"}},
    };
    for (const Case& c : cases) {
        GridFixture f;
        TObject first, second;
        auto* source = new TStringList;
        for (const std::string& s : c.Source)
            source->AddObject(s, source->Count() == 0 ? &first : &second);
        f.Grid->SetCols(1, source);
        EXPECT_EQ(Texts(f.Grid->Cols(1)), c.Column) << c.Name;
        if (!c.Source.empty()) {
            EXPECT_EQ(f.Grid->Objects(1, 0), &first) << c.Name;
            EXPECT_EQ(f.Grid->Objects(1, 1), &second) << c.Name;
        }
        source->Free();
    }
    // A row from a column of the same grid, and a string list from a row.
    GridFixture f;
    f.Grid->SetRows(0, f.Grid->Cols(3));
    EXPECT_EQ(Texts(f.Grid->Rows(0)), (std::vector<std::string>{"3,0", "3,1", "3,2", "3,0"}));
    auto* copy = new TStringList;
    copy->Assign(f.Grid->Rows(2));
    EXPECT_EQ(copy->CommaText(), R"("0,2","1,2","2,2","3,2")");
    copy->Free();
}

TEST(StringGridStrings, AddTakesTheFirstEmptyCellAndClearEmptiesTheLine) {
    GridFixture f;
    TStrings* row = f.Grid->Rows(1);
    TObject marker;
    row->Clear();
    EXPECT_EQ(Texts(row), (std::vector<std::string>(4, "")));
    EXPECT_EQ(f.Grid->Cells(1, 0), "1,0") << "other rows keep their cells";
    EXPECT_EQ(row->Add("一"), 0);
    EXPECT_EQ(row->Add(""), 1) << "an empty text takes a cell too";
    EXPECT_EQ(row->Strings(1), " ");
    EXPECT_EQ(row->AddObject("三", &marker), 2);
    EXPECT_EQ(f.Grid->Objects(2, 1), &marker);
    EXPECT_EQ(row->Add("四"), 3);
    EXPECT_EQ(row->Add("五"), -1) << "no empty cell left";
    EXPECT_EQ(row->AddObject("五", &marker), -1);
    row->Clear();
    EXPECT_EQ(f.Grid->Objects(2, 1), nullptr);
}

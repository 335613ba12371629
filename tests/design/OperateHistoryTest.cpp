// The operation history: pairs of records, undo and redo stepping, and the text dump.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "DesignTesting.h"

namespace {

class OperateHistory : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Edit = Add<TTestButton>(Form, Bounds(10, 20, 100, 50), "Edit1");
        Begin();
        Overlay = OverlayOf(Edit);
    }
    void TearDown() override {
        Designer->EndDesign();
        DesignTest::TearDown();
    }
    /// Records a move of the overlay to left, as a recorder does, and applies it.
    void RecordMoveTo(int left) {
        auto* before = new TOperateRec();
        before->AddHistory(otBounds, Overlay->BoundsRect(), Overlay);
        TRect r = Overlay->BoundsRect();
        OffsetRect(r, left - r.Left, 0);
        auto* after = new TOperateRec();
        after->AddHistory(otBounds, r, Overlay);
        H()->BeginChange(before);
        H()->EndChange(after);
        Overlay->SetRect(r);
    }
    TOperateHistory* H() { return Designer->History(); }
    int Left() { return Overlay->Left(); }

    TTestButton* Edit = nullptr;
    TDesignControl* Overlay = nullptr;
};

TEST_F(OperateHistory, FreshHistoryHasNothingToUndoOrRedo) {
    EXPECT_EQ(H()->Position(), -1);
    H()->Previous();
    EXPECT_EQ(H()->Position(), -1);
    H()->Next();
    EXPECT_EQ(H()->Position(), -1);
    EXPECT_FALSE(H()->CanUndo());
    EXPECT_FALSE(H()->CanRedo());
    EXPECT_EQ(Left(), 6);
}

TEST_F(OperateHistory, UndoTakesBackTheNewestAndRedoReappliesTheOldestTakenBack) {
    RecordMoveTo(100); // change 1: 6 -> 100
    RecordMoveTo(200); // change 2: 100 -> 200
    RecordMoveTo(300); // change 3: 200 -> 300
    EXPECT_EQ(H()->Position(), 5);
    EXPECT_TRUE(H()->CanUndo());
    EXPECT_FALSE(H()->CanRedo());
    // Each step is one change, also when undo and redo alternate mid-history.
    struct Step {
        char op;
        int left;
    } steps[] = {{'U', 200}, {'U', 100}, {'R', 200}, {'U', 100}, {'R', 200}, {'R', 300},
                 {'R', 300}, {'U', 200}, {'U', 100}, {'U', 6},   {'U', 6},   {'R', 100},
                 {'U', 6},   {'R', 100}, {'R', 200}, {'R', 300}};
    for (const Step& s : steps) {
        if (s.op == 'U')
            H()->Previous();
        else
            H()->Next();
        EXPECT_EQ(Left(), s.left) << s.op;
    }
    EXPECT_EQ(H()->Position(), H()->Count() - 1);
}

TEST_F(OperateHistory, NewChangeDiscardsExactlyTheChangesTakenBack) {
    RecordMoveTo(100);
    RecordMoveTo(200);
    RecordMoveTo(300);
    H()->Previous();
    H()->Previous();
    EXPECT_EQ(Left(), 100);
    RecordMoveTo(50);
    EXPECT_EQ(H()->Count(), 4);
    EXPECT_FALSE(H()->CanRedo());
    H()->Previous();
    EXPECT_EQ(Left(), 100);
    H()->Previous();
    EXPECT_EQ(Left(), 6);
    H()->Next();
    H()->Next();
    EXPECT_EQ(Left(), 50);

    // After a redo that did not reach the newest change, a new change keeps what is in
    // effect and drops only the changes still taken back.
    H()->Previous();
    H()->Previous();
    H()->Next(); // change 1 in effect, change "50" taken back
    RecordMoveTo(70);
    EXPECT_EQ(H()->Count(), 4);
    H()->Previous();
    EXPECT_EQ(Left(), 100);
}

TEST_F(OperateHistory, DumpWritesOneLinePerEntryWithCrLf) {
    auto* before = new TOperateRec();
    before->AddHistory(otBounds, Rect(8, 8, 91, 41), Overlay);
    before->AddHistory(otBounds, Rect(-4, 10, 60, 31), Overlay);
    auto* after = new TOperateRec();
    after->AddHistory(otBounds, Rect(9, 8, 92, 41), Overlay);
    after->AddHistory(otDeleted, Overlay);
    H()->BeginChange(before);
    H()->EndChange(after);
    const std::string path = testing::TempDir() + "history_dump.txt";
    Designer->SaveOpHisToFile(path);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Edit1:(8,8,91,41,);\r\nEdit1:(-4,10,60,31,);\r\n"
                          "Edit1:(9,8,92,41,);\r\nEdit1:(0,0,0,0,);\r\n");
    // A renamed control is written under its new name.
    Edit->SetName("Renamed");
    Designer->SaveOpHisToFile(path);
    std::ifstream again(path, std::ios::binary);
    std::string first;
    std::getline(again, first);
    EXPECT_EQ(first, "Renamed:(8,8,91,41,);\r");
    std::remove(path.c_str());
}

TEST_F(OperateHistory, AnInnerDesignerDumpsTheTreesHistoryAndNoSessionAnEmptyFile) {
    const std::string path = testing::TempDir() + "history_empty.txt";
    auto isEmptyFile = [&] {
        std::ifstream in(path, std::ios::binary);
        return in.good() && in.peek() == std::char_traits<char>::eof();
    };
    // An inner designer keeps no history of its own: it writes the tree's, the root's.
    Designer->EndDesign();
    Add<TTestButton>(Add(Form, Bounds(150, 20, 120, 80), "Panel1"), Bounds(5, 5, 50, 20), "B1");
    Begin();
    Overlay = OverlayOf(Edit);
    RecordMoveTo(30);
    TZkFormDesigner* inner = Designer->GetChildDesigner(0);
    ASSERT_NE(inner, nullptr);
    ASSERT_TRUE(inner->IsInner());
    auto contents = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    inner->SaveOpHisToFile(path);
    const std::string fromInner = contents();
    EXPECT_FALSE(fromInner.empty());
    Designer->SaveOpHisToFile(path);
    EXPECT_EQ(contents(), fromInner);

    Designer->EndDesign();
    Designer->SaveOpHisToFile(path);
    EXPECT_TRUE(isEmptyFile());
    EXPECT_THROW(Designer->SaveOpHisToFile("/nonexistent-dir/x.txt"), EFCreateError);
    std::remove(path.c_str());
}

} // namespace

// The history's clean point: where the host last marked the design saved, which undo and
// redo come back to.
#include "DesignTesting.h"
#include "design/OperateHistory.h"

namespace {

using DesignCleanPoint = DesignRowTest;

TEST_F(DesignCleanPoint, UndoAndRedoComeBackToTheSavedStateWithoutOnDirty) {
    int dirtied = 0;
    Designer->OnDirty = [&](TObject*) { ++dirtied; };
    Begin();
    Click(At(A, 5, 5));
    auto step = [this] { KeyTo(OverlayOf(A), Qt::Key_Right, Qt::ControlModifier); };
    // Each row: what happens, then IsDirty and the count of OnDirty so far.
    const struct {
        const char* What;
        std::function<void()> Do;
        bool Dirty;
        int Dirtied;
    } rows[] = {
        {"a step", step, true, 1},
        {"undone to the start, which was clean", [this] { Designer->Undo(); }, false, 1},
        {"redone", [this] { Designer->Redo(); }, true, 2},
        {"saved", [this] { Designer->SetIsDirty(false); }, false, 2},
        {"a step after the save is a change of its own", step, true, 3},
        {"undone to the save", [this] { Designer->Undo(); }, false, 3},
        {"undone past the save", [this] { Designer->Undo(); }, true, 4},
        {"redone to the save", [this] { Designer->Redo(); }, false, 4},
        {"undone, then a new change: the save is gone",
         [&] {
             Designer->Undo();
             step();
         },
         true, 5},
        {"undone to the start, which is no longer clean", [this] { Designer->Undo(); }, true, 5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.What);
        r.Do();
        EXPECT_EQ(Designer->IsDirty(), r.Dirty);
        EXPECT_EQ(dirtied, r.Dirtied);
    }
}

} // namespace

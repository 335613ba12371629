// The cursors a session shows: the move cursor over a selected control, the sizing cursors
// over its handles, the cross in insert mode, and the control's own Cursor kept as the
// user's value underneath.
#include <QWidget>

#include "DesignTesting.h"
#include "design/DesignControl.h"
#include "host/stdctrls/StdCtrls.h"

namespace {

class DesignCursor : public DesignRowTest {
protected:
    /// The shape the window under p shows: its own cursor, or the one it inherits.
    Qt::CursorShape ShownAt(TPoint p) {
        Move(p);
        Process();
        QWidget* top = WidgetOf(Form->Handle());
        QWidget* w = top->childAt(p.X, p.Y);
        if (!w) w = top;
        while (w && !w->testAttribute(Qt::WA_SetCursor) && w != top)
            w = w->parentWidget();
        return w && w->testAttribute(Qt::WA_SetCursor) ? w->cursor().shape() : Qt::ArrowCursor;
    }
    TPoint RightHandleOf(TControl* c) {
        TDesignControl* o = OverlayOf(c);
        const TRect r = HandleRect(hcRight, o->Width(), o->Height(), false);
        return At(o, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(DesignCursor, TheDesignShowsItsCursorsWithoutTakingTheControlsOwn) {
    B->SetCursor(crHandPoint);
    Begin();
    Click(At(A, 5, 5));
    EXPECT_EQ(ShownAt(At(A, 10, 10)), Qt::SizeAllCursor);
    EXPECT_EQ(ShownAt(RightHandleOf(A)), Qt::SizeHorCursor);
    // Straight from the handle to another control: A is no longer selected, and over it the
    // arrow shows, not the sizing cursor its overlay showed last.
    Click(At(C, 5, 5));
    EXPECT_EQ(ShownAt(At(A, 10, 10)), Qt::ArrowCursor);
    EXPECT_EQ(ShownAt(At(C, 10, 10)), Qt::SizeAllCursor);
    // B keeps its own cursor, selected or not; none of the design's reaches the property.
    EXPECT_EQ(ShownAt(At(B, 10, 10)), Qt::PointingHandCursor);
    Click(At(B, 5, 5));
    EXPECT_EQ(ShownAt(At(B, 10, 10)), Qt::SizeAllCursor) << "selected, it shows the design's";
    EXPECT_EQ(A->Cursor(), crDefault);
    EXPECT_EQ(B->Cursor(), crHandPoint);
    EXPECT_EQ(C->Cursor(), crDefault);

    Designer->SetInsertClass(TTestButton::StaticClass());
    Designer->SetDesignState(dsInsert);
    EXPECT_EQ(ShownAt(Point(350, 200)), Qt::CrossCursor) << "over the form";
    EXPECT_EQ(ShownAt(At(A, 10, 10)), Qt::CrossCursor) << "over a control";
    EXPECT_EQ(ShownAt(At(B, 10, 10)), Qt::CrossCursor) << "over a selected control";
    Designer->SetDesignState(dsSelect);

    Designer->EndDesign();
    EXPECT_EQ(B->Cursor(), crHandPoint);
    EXPECT_EQ(ShownAt(At(B, 10, 10)), Qt::PointingHandCursor);
    EXPECT_EQ(ShownAt(At(A, 10, 10)), Qt::ArrowCursor);
}

} // namespace

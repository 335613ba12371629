// Message records: the typed views read and write through to the record.

#include <gtest/gtest.h>

#include "host/controls/Messages.h"

namespace {
TEST(Messages, NumbersAreThePlatforms) {
    EXPECT_EQ(CN_KEYDOWN, 0xBD00u);
    EXPECT_EQ(CM_VISIBLECHANGED, 0xB00Bu);
    EXPECT_EQ(CM_ENABLEDCHANGED, 0xB00Cu);
    EXPECT_EQ(WM_NCLBUTTONDOWN, 0xA1u);
    EXPECT_EQ(HTBOTTOMRIGHT, 17);
}

TEST(Messages, MouseViewSplitsSignedCoordinatesAndWritesThemBack) {
    TMessage m{WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MakeLong(-5, 300), 0};
    TWMMouse mouse(m);
    EXPECT_EQ(mouse.XPos, -5);
    EXPECT_EQ(mouse.YPos, 300);
    EXPECT_EQ(mouse.Keys, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(mouse.Pos(), (TPoint{-5, 300}));
    mouse.XPos = 7;
    EXPECT_EQ(PointFromLParam(m.LParam), (TPoint{7, 300}));
    TMessage& back = mouse;
    EXPECT_EQ(&back, &m);
}

TEST(Messages, KeyViewChangesTheCharacterCodeInPlace) {
    TMessage m{WM_CHAR, 'a', 1 | AltMask, 0};
    TWMKey key(m);
    EXPECT_EQ(key.CharCode, 'a');
    EXPECT_EQ(key.KeyData & AltMask, AltMask);
    key.CharCode = 0;
    key.Result = 1;
    EXPECT_EQ(m.WParam, 0);
    EXPECT_EQ(m.Result, 1);
}

TEST(Messages, SizeAndWheelViewsReadTheirHalves) {
    TMessage size{WM_SIZE, SIZE_RESTORED, MakeLong(640, 480), 0};
    TWMSize s(size);
    EXPECT_EQ(s.Width, 640);
    EXPECT_EQ(s.Height, 480);
    TMessage wheel{WM_MOUSEWHEEL, MakeLong(MK_CONTROL, -WHEEL_DELTA), 0, 0};
    TWMMouseWheel w(wheel);
    EXPECT_EQ(w.WheelDelta, -WHEEL_DELTA);
    EXPECT_EQ(w.Keys, MK_CONTROL);
}
} // namespace

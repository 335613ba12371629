// Grab-handle rectangles and hit testing of overlays of various sizes.
#include <gtest/gtest.h>

#include "design/HandleGeometry.h"

TEST(HandleGeometry, MiddleHandlesOf100And101PixelOverlaysCoincide) {
    for (int w : {100, 101}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(HandleRect(hcTop, w, 58, false), Rect(48, 0, 52, 4));
        EXPECT_EQ(HandleRect(hcBottom, w, 58, false), Rect(48, 54, 52, 58));
    }
    EXPECT_EQ(HandleRect(hcLeft, 108, 101, false), Rect(0, 48, 4, 52));
}

TEST(HandleGeometry, HandleRectanglesOfA108By58Overlay) {
    struct Case {
        uint32_t code;
        TRect plain;
    } cases[] = {
        {hcTopLeft, {0, 0, 4, 4}},        {hcTopRight, {104, 0, 108, 4}},
        {hcTop, {52, 0, 56, 4}},          {hcLeft, {0, 27, 4, 31}},
        {hcRight, {104, 27, 108, 31}},    {hcBottomLeft, {0, 54, 4, 58}},
        {hcBottom, {52, 54, 56, 58}},     {hcBottomRight, {104, 54, 108, 58}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(HandleRect(c.code, 108, 58, false), c.plain);
        TRect grown = c.plain;
        InflateRect(grown, 2, 2);
        EXPECT_EQ(HandleRect(c.code, 108, 58, true), grown);
    }
    EXPECT_TRUE(IsRectEmpty(HandleRect(hcCaption, 108, 58, false)));
}

TEST(HandleGeometry, HitTestFindsTheFirstInflatedHandle) {
    struct Case {
        int w, h;
        TPoint p;
        uint32_t code;
    } cases[] = {
        {108, 58, {5, 5}, hcTopLeft},    {108, 58, {54, 1}, hcTop},
        {108, 58, {30, 30}, hcCaption},  {108, 58, {107, 57}, hcBottomRight},
        {108, 58, {109, 29}, hcRight},   {108, 58, {-2, 29}, hcLeft},
        {108, 58, {-3, 29}, hcCaption},  {108, 58, {54, 59}, hcBottom},
        // Under 20 pixels the inflated rectangles overlap and the first in the test order
        // wins: the top-left corner beats everything, Left beats the bottom-left corner and
        // Bottom the bottom-right one.
        {12, 12, {5, 2}, hcTopLeft},     {12, 12, {7, 2}, hcTopRight},
        {12, 12, {5, 5}, hcTopLeft},     {12, 12, {5, 9}, hcLeft},
        {16, 16, {8, 1}, hcTop},         {16, 16, {11, 14}, hcBottom},
        {16, 16, {13, 15}, hcBottomRight},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " at " << c.p.X << "," << c.p.Y);
        EXPECT_EQ(HitTestHandles(c.p, c.w, c.h), c.code);
    }
}

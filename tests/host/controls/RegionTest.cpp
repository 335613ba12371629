// Regions: combination modes, result types, point and rectangle hit tests, object lifetime.

#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"

namespace {

struct CombineCase {
    const char* name;
    int mode;
    int expectedType;
    std::vector<TPoint> inside;
    std::vector<TPoint> outside;
};

// a = (0,0)-(10,10), b = (5,5)-(15,15)
TEST(Region_Combine, EachModeGivesTheSetOperationAndItsType) {
    const CombineCase cases[] = {
        {"and", RGN_AND, SIMPLEREGION, {{5, 5}, {9, 9}}, {{4, 4}, {10, 10}, {12, 12}}},
        {"or", RGN_OR, COMPLEXREGION, {{0, 0}, {9, 9}, {14, 14}}, {{12, 2}, {2, 12}, {15, 15}}},
        {"xor", RGN_XOR, COMPLEXREGION, {{0, 0}, {14, 14}}, {{5, 5}, {9, 9}, {12, 2}}},
        {"diff", RGN_DIFF, COMPLEXREGION, {{0, 0}, {9, 4}, {4, 9}}, {{5, 5}, {9, 9}, {14, 14}}},
        {"copy", RGN_COPY, SIMPLEREGION, {{0, 0}, {9, 9}}, {{10, 10}, {14, 14}}},
    };
    for (const CombineCase& c : cases) {
        SCOPED_TRACE(c.name);
        HRGN a = CreateRectRgn(0, 0, 10, 10);
        HRGN b = CreateRectRgn(5, 5, 15, 15);
        HRGN dst = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(dst, a, b, c.mode), c.expectedType);
        for (TPoint p : c.inside)
            EXPECT_TRUE(PtInRegion(dst, p.X, p.Y)) << p.X << "," << p.Y;
        for (TPoint p : c.outside)
            EXPECT_FALSE(PtInRegion(dst, p.X, p.Y)) << p.X << "," << p.Y;
        EXPECT_TRUE(DeleteObject(a));
        EXPECT_TRUE(DeleteObject(b));
        EXPECT_TRUE(DeleteObject(dst));
    }
}

TEST(Region_Combine, DisjointAndIsNullRegionAndDestinationMayBeAnOperand) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_AND), NULLREGION);
    TRect box{1, 1, 1, 1};
    EXPECT_EQ(GetRgnBox(a, &box), NULLREGION);
    EXPECT_EQ(box, TRect{});
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);
    EXPECT_EQ(GetRgnBox(a, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(20, 20, 30, 30));
    EXPECT_EQ(CombineRgn(a, a, b, 99), ERROR);
    EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_OR), ERROR);
    DeleteObject(a);
    DeleteObject(b);
}

TEST(Region_HitTest, RightAndBottomEdgesAreOutside) {
    HRGN r = CreateRectRgnIndirect(Rect(10, 20, 30, 40));
    EXPECT_TRUE(PtInRegion(r, 10, 20));
    EXPECT_TRUE(PtInRegion(r, 29, 39));
    EXPECT_FALSE(PtInRegion(r, 30, 39));
    EXPECT_FALSE(PtInRegion(r, 29, 40));
    EXPECT_FALSE(PtInRegion(r, 9, 20));
    EXPECT_TRUE(RectInRegion(r, Rect(29, 39, 50, 50)));
    EXPECT_FALSE(RectInRegion(r, Rect(30, 40, 50, 50)));
    TRect box;
    EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(10, 20, 30, 40));
    EXPECT_EQ(OffsetRgn(r, 5, -5), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(r, 15, 15));
    EXPECT_TRUE(PtInRegion(r, 34, 34));
    EXPECT_FALSE(PtInRegion(r, 35, 34));
    DeleteObject(r);
}

TEST(Region_Equal, ComparesPointSetsNotConstruction) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN left = CreateRectRgn(0, 0, 5, 10);
    HRGN right = CreateRectRgn(5, 0, 10, 10);
    HRGN joined = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(joined, left, right, RGN_OR);
    EXPECT_TRUE(EqualRgn(a, joined));
    EXPECT_FALSE(EqualRgn(a, left));
    EXPECT_EQ(GetRegionRects(joined), std::vector<TRect>{Rect(0, 0, 10, 10)});
    // Swapped corners describe the same rectangle.
    HRGN swapped = CreateRectRgn(10, 10, 0, 0);
    EXPECT_TRUE(EqualRgn(a, swapped));
    for (HRGN r : {a, left, right, joined, swapped})
        DeleteObject(r);
}

TEST(GdiObject_Delete, StockObjectsSurviveAndDeletedHandlesAreRefused) {
    for (int stock :
         {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, HOLLOW_BRUSH, WHITE_PEN, BLACK_PEN, NULL_PEN}) {
        HGDIOBJ obj = GetStockObject(stock);
        ASSERT_NE(obj, nullptr) << stock;
        EXPECT_FALSE(DeleteObject(obj)) << stock;
        EXPECT_EQ(GetStockObject(stock), obj);
    }
    EXPECT_EQ(GetStockObject(NULL_BRUSH), GetStockObject(HOLLOW_BRUSH));
    LOGBRUSH lb;
    ASSERT_TRUE(GetObject(GetStockObject(NULL_BRUSH), &lb));
    EXPECT_EQ(lb.lbStyle, BS_NULL);

    HRGN r = CreateRectRgn(0, 0, 1, 1);
    EXPECT_TRUE(DeleteObject(r));
    EXPECT_FALSE(DeleteObject(nullptr));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
}

TEST(GdiObject_Delete, DeletingASelectedObjectFallsBackToTheDefault) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_DASH, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

} // namespace

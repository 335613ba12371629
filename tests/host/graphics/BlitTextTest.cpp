// Image transfers between device contexts and formatted text.

#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

namespace {

TEST(Gdi_BitBlt, RasterOperationsCombineSourceAndDestination) {
    struct Case {
        const char* name;
        DWORD rop;
        TColor expected; // source red onto destination blue
    };
    for (Case c :
         {Case{"copy", SRCCOPY, clRed}, Case{"invert", SRCINVERT, clFuchsia},
          Case{"and", SRCAND, clBlack}, Case{"paint", SRCPAINT, clFuchsia},
          Case{"not copy", NOTSRCCOPY, clAqua}, Case{"blackness", BLACKNESS, clBlack},
          Case{"whiteness", WHITENESS, clWhite}, Case{"dst invert", DSTINVERT, clYellow}}) {
        SCOPED_TRACE(c.name);
        TBitmap src, dst;
        src.SetSize(4, 4);
        src.Canvas()->Brush()->SetColor(clRed);
        src.Canvas()->FillRect(Rect(0, 0, 4, 4));
        dst.SetSize(8, 8);
        dst.Canvas()->Brush()->SetColor(clBlue);
        dst.Canvas()->FillRect(Rect(0, 0, 8, 8));
        EXPECT_TRUE(
            BitBlt(dst.Canvas()->Handle(), 2, 2, 4, 4, src.Canvas()->Handle(), 0, 0, c.rop));
        EXPECT_EQ(dst.Canvas()->Pixels(2, 2), c.expected);
        EXPECT_EQ(dst.Canvas()->Pixels(5, 5), c.expected);
        EXPECT_EQ(dst.Canvas()->Pixels(6, 6), clBlue);
    }
}

TEST(Gdi_BitBlt, CopyRectStretchesBetweenCanvases) {
    TBitmap src, dst;
    src.SetSize(2, 2);
    src.Canvas()->SetPixels(0, 0, clRed);
    src.Canvas()->SetPixels(1, 1, clGreen);
    dst.SetSize(10, 10);
    dst.Canvas()->CopyRect(Rect(0, 0, 8, 8), src.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(dst.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(dst.Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(dst.Canvas()->Pixels(7, 7), clGreen);
    EXPECT_EQ(dst.Canvas()->Pixels(8, 8), clWhite);
}

TEST(Gdi_DrawText, MeasuresAndAlignsInTheRectangle) {
    TBitmap b;
    b.SetSize(200, 40);
    TCanvas* c = b.Canvas();
    c->Font()->SetHeight(-16);
    HDC dc = c->Handle();
    SelectObject(dc, c->Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    TRect measured = Rect(0, 0, 0, 0);
    const int h =
        DrawText(dc, "设计器 &Form", &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(h, measured.Height());
    EXPECT_EQ(measured.Width(), c->TextWidth("设计器 &Form"));

    TRect box = Rect(0, 0, 200, 40);
    DrawText(dc, "中", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int left = 200, right = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (c->Pixels(x, y) != clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 100, 3) << "centred horizontally";
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
}

} // namespace

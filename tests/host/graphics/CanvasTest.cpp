// Canvas drawing into bitmaps, checked pixel by pixel: edges, fills, lines, dashes, raster
// modes, text and the monochrome blit.

#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"

namespace {

/// A white bitmap of the given size.
struct Surface {
    TBitmap bmp;
    Surface(int w, int h) {
        bmp.SetSize(w, h);
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(Rect(0, 0, w, h));
    }
    TCanvas* Canvas() { return bmp.Canvas(); }
    TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
    /// The pixels of row y from x0 to x1 (exclusive) as a string of '#' (not white) and '.'.
    std::string Row(int y, int x0, int x1) {
        std::string s;
        for (int x = x0; x < x1; ++x)
            s += At(x, y) == clWhite ? '.' : '#';
        return s;
    }
};

TEST(Canvas_Rectangle, OutlineWithPenFillWithBrushRightBottomExclusive) {
    Surface s(20, 20);
    TCanvas* c = s.Canvas();
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clBlue);
    c->Rectangle(2, 3, 12, 13);
    EXPECT_EQ(s.At(2, 3), clRed);
    EXPECT_EQ(s.At(11, 12), clRed);
    EXPECT_EQ(s.At(11, 3), clRed);
    EXPECT_EQ(s.At(2, 12), clRed);
    EXPECT_EQ(s.At(12, 12), clWhite) << "right edge is exclusive";
    EXPECT_EQ(s.At(11, 13), clWhite) << "bottom edge is exclusive";
    EXPECT_EQ(s.At(3, 4), clBlue);
    EXPECT_EQ(s.At(10, 11), clBlue);
    EXPECT_EQ(s.At(1, 3), clWhite);

    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clGreen);
    c->Rectangle(Rect(14, 14, 18, 18));
    EXPECT_EQ(s.At(14, 14), clGreen);
    EXPECT_EQ(s.At(15, 15), clWhite) << "a clear brush leaves the inside";
}

TEST(Canvas_FillRect, UsesTheBrushOnlyAndFrameRectItsColour) {
    Surface s(10, 10);
    TCanvas* c = s.Canvas();
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clLime);
    c->FillRect(Rect(1, 1, 4, 4));
    EXPECT_EQ(s.At(1, 1), clLime);
    EXPECT_EQ(s.At(3, 3), clLime);
    EXPECT_EQ(s.At(4, 3), clWhite);
    EXPECT_EQ(s.At(3, 4), clWhite);
    c->Brush()->SetColor(clNavy);
    c->FrameRect(Rect(5, 5, 9, 9));
    EXPECT_EQ(s.At(5, 5), clNavy);
    EXPECT_EQ(s.At(8, 8), clNavy);
    EXPECT_EQ(s.At(6, 6), clWhite);
    EXPECT_EQ(s.At(9, 9), clWhite);
}

TEST(Canvas_LineTo, LeavesOutTheEndPointAndMovesThePen) {
    struct Case {
        TPoint from, to, lastDrawn, excluded;
    };
    for (Case k : {Case{{1, 5}, {8, 5}, {7, 5}, {8, 5}}, Case{{5, 1}, {5, 8}, {5, 7}, {5, 8}},
                   Case{{8, 5}, {1, 5}, {2, 5}, {1, 5}}, Case{{1, 1}, {8, 8}, {7, 7}, {8, 8}}}) {
        Surface s(10, 10);
        TCanvas* c = s.Canvas();
        c->MoveTo(k.from.X, k.from.Y);
        c->LineTo(k.to.X, k.to.Y);
        EXPECT_EQ(s.At(k.from.X, k.from.Y), clBlack);
        EXPECT_EQ(s.At(k.lastDrawn.X, k.lastDrawn.Y), clBlack);
        EXPECT_EQ(s.At(k.excluded.X, k.excluded.Y), clWhite) << k.to.X << "," << k.to.Y;
        EXPECT_EQ(c->PenPos(), k.to);
    }
}

TEST(Canvas_PenStyle, UserDashPatternsAreInPixels) {
    struct Case {
        std::vector<DWORD> dashes;
        const char* row;
    };
    for (const Case& k : {Case{{4, 4}, "####....####....####....####...."},
                          Case{{1, 7}, "#.......#.......#.......#......."},
                          Case{{2, 1}, "##.##.##.##.##.##.##.##.##.##.##"}}) {
        Surface s(40, 3);
        LOGBRUSH lb;
        lb.lbColor = RGB(0, 0, 0);
        HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 1,
                                &lb, DWORD(k.dashes.size()), k.dashes.data());
        ASSERT_NE(pen, nullptr);
        EXPECT_EQ(GetObject(pen, static_cast<EXTLOGPEN*>(nullptr)), 0);
        EXTLOGPEN lp;
        ASSERT_TRUE(GetObject(pen, &lp));
        EXPECT_EQ(lp.elpStyleEntry, k.dashes);
        s.Canvas()->Pen()->SetHandle(pen);
        s.Canvas()->MoveTo(0, 1);
        s.Canvas()->LineTo(33, 1);
        EXPECT_EQ(s.Row(1, 0, 32), k.row);
    }
    LOGBRUSH lb;
    const DWORD one[] = {1};
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, &lb, 0, one), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 1, &lb, 1, one), nullptr);
}

TEST(Canvas_PenMode, XorTwiceRestoresAndNotInverts) {
    Surface s(20, 20);
    TCanvas* c = s.Canvas();
    c->Brush()->SetColor(clYellow);
    c->FillRect(Rect(0, 0, 10, 20));
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetStyle(psDot);
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(2, 2, 15, 15);
    EXPECT_EQ(s.At(2, 2), clBlue) << "yellow xor white";
    EXPECT_EQ(s.At(14, 2), clBlack) << "white xor white";
    c->Rectangle(2, 2, 15, 15);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 20; ++y)
            ASSERT_EQ(s.At(x, y), x < 10 ? clYellow : clWhite) << x << "," << y;
    c->Pen()->SetMode(pmNot);
    c->MoveTo(0, 19);
    c->LineTo(20, 19);
    EXPECT_EQ(s.At(0, 19), clBlue);
    EXPECT_EQ(s.At(12, 19), clBlack) << "dots of three pixels";
    EXPECT_EQ(s.At(15, 19), clWhite) << "gaps of three pixels";
}

TEST(Canvas_Text, DrawnInTheFontColourOnTheBrushColourUnlessClear) {
    Surface s(200, 60);
    TCanvas* c = s.Canvas();
    c->Font()->SetHeight(-24);
    c->Font()->SetStyle({fsBold});
    c->Font()->SetColor(clRed);
    c->Brush()->SetColor(clYellow);
    const std::string text = "中文 Wg";
    const TSize ext = c->TextExtent(text);
    EXPECT_GT(ext.cx, 40);
    EXPECT_GE(ext.cy, 24);
    EXPECT_EQ(c->TextWidth(text), ext.cx);
    c->TextOut(2, 2, text);
    int red = 0, other = 0;
    for (int y = 2; y < 2 + ext.cy; ++y)
        for (int x = 2; x < 2 + ext.cx; ++x) {
            const TColor p = s.At(x, y);
            if (p == clRed)
                ++red;
            else if (p == clWhite)
                ++other;
        }
    EXPECT_GT(red, 30) << "glyph strokes in the font colour";
    EXPECT_EQ(other, 0) << "the whole cell is filled with the brush";
    EXPECT_EQ(s.At(2 + ext.cx + 1, 5), clWhite);
    EXPECT_EQ(c->PenPos(), Point(2 + ext.cx, 2));

    Surface clear(60, 60);
    clear.Canvas()->Font()->SetHeight(-24);
    clear.Canvas()->Brush()->SetColor(clYellow);
    clear.Canvas()->Brush()->SetStyle(bsClear);
    clear.Canvas()->TextOut(2, 2, "中");
    int yellow = 0, ink = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            yellow += clear.At(x, y) == clYellow;
            ink += clear.At(x, y) != clWhite;
        }
    EXPECT_EQ(yellow, 0);
    EXPECT_GT(ink, 20);
}

TEST(Canvas_TextRect, ClipsTheTextToTheRectangle) {
    Surface s(100, 40);
    TCanvas* c = s.Canvas();
    c->Font()->SetHeight(-20);
    c->Font()->SetColor(clBlack);
    c->Brush()->SetColor(clAqua);
    c->TextRect(Rect(10, 5, 30, 35), 12, 8, "WWWWWWWW");
    EXPECT_EQ(s.At(10, 5), clAqua) << "the rectangle is filled with the brush";
    EXPECT_EQ(s.At(29, 34), clAqua);
    for (int y = 0; y < 40; ++y)
        for (int x = 30; x < 100; ++x)
            ASSERT_EQ(s.At(x, y), clWhite) << x << "," << y;
}

TEST(Canvas_Draw, MonochromeBitmapTakesBrushColourForWhiteAndFontColourForBlack) {
    TBitmap grid;
    grid.SetMonochrome(true);
    grid.SetSize(8, 8);
    grid.Canvas()->Brush()->SetColor(clWhite);
    grid.Canvas()->FillRect(Rect(0, 0, 8, 8));
    grid.Canvas()->SetPixels(0, 0, clBlack);
    grid.Canvas()->SetPixels(4, 4, clBlack);
    grid.Canvas()->SetPixels(2, 2, clGray);
    EXPECT_TRUE(grid.Monochrome());
    EXPECT_EQ(grid.PixelFormat(), pf1bit);
    EXPECT_EQ(grid.Canvas()->Pixels(2, 2), clBlack) << "a one-bit bitmap holds black or white";

    Surface s(20, 20);
    s.Canvas()->Brush()->SetColor(clBtnFace);
    s.Canvas()->Font()->SetColor(clNavy);
    s.Canvas()->Draw(10, 10, &grid);
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(s.At(10, 10), clNavy);
    EXPECT_EQ(s.At(14, 14), clNavy);
    EXPECT_EQ(s.At(12, 12), clNavy);
    EXPECT_EQ(s.At(11, 10), face);
    EXPECT_EQ(s.At(17, 17), face);
    EXPECT_EQ(s.At(18, 18), clWhite) << "nothing outside the bitmap";
    EXPECT_EQ(s.At(9, 9), clWhite);
}

TEST(Canvas_Draw, ColourBitmapCopiesAndTransparentColourIsLeftOut) {
    TBitmap pic;
    pic.SetSize(4, 4);
    pic.Canvas()->Brush()->SetColor(clFuchsia);
    pic.Canvas()->FillRect(Rect(0, 0, 4, 4));
    pic.Canvas()->SetPixels(1, 1, clGreen);
    Surface s(10, 10);
    s.Canvas()->Draw(0, 0, &pic);
    EXPECT_EQ(s.At(0, 0), clFuchsia);
    EXPECT_EQ(s.At(1, 1), clGreen);
    pic.SetTransparent(true);
    EXPECT_EQ(pic.TransparentColor(), clFuchsia) << "bottom-left pixel";
    s.Canvas()->Draw(5, 5, &pic);
    EXPECT_EQ(s.At(5, 5), clWhite);
    EXPECT_EQ(s.At(6, 6), clGreen);
    s.Canvas()->StretchDraw(Rect(0, 5, 2, 7), &pic);
    EXPECT_EQ(s.At(0, 5), clWhite);
}

TEST(Canvas_Pixels, SetAndGetWithinTheBitmapAndMinusOneOutside) {
    Surface s(5, 5);
    s.Canvas()->SetPixels(4, 4, 0x00123456);
    EXPECT_EQ(s.At(4, 4), 0x00123456);
    EXPECT_EQ(s.At(5, 5), -1);
}

TEST(Canvas_Clip, SelectedRegionConfinesDrawing) {
    Surface s(20, 20);
    TCanvas* c = s.Canvas();
    HRGN clip = CreateRectRgn(5, 5, 10, 10);
    SelectClipRgn(c->Handle(), clip);
    DeleteObject(clip);
    EXPECT_EQ(c->ClipRect(), Rect(5, 5, 10, 10));
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.At(5, 5), clRed);
    EXPECT_EQ(s.At(9, 9), clRed);
    EXPECT_EQ(s.At(10, 9), clWhite);
    EXPECT_EQ(s.At(4, 5), clWhite);
    SelectClipRgn(c->Handle(), nullptr);
    EXPECT_EQ(c->ClipRect(), Rect(0, 0, 20, 20));
}

TEST(Canvas_Clip, NeitherAnOldRegionNorATextBoxConfinesTheNextDrawing) {
    // The painter keeps its clip between drawing calls; every change must still reach it.
    Surface s(40, 20);
    TCanvas* c = s.Canvas();
    c->Brush()->SetColor(clRed);
    HRGN left = CreateRectRgn(0, 0, 10, 20), right = CreateRectRgn(30, 0, 40, 20);
    SelectClipRgn(c->Handle(), left);
    c->FillRect(Rect(0, 0, 40, 20));
    SelectClipRgn(c->Handle(), right);
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(0, 0, 40, 20));
    EXPECT_EQ(s.At(5, 5), clRed);
    EXPECT_EQ(s.At(35, 5), clBlue);
    EXPECT_EQ(s.At(20, 5), clWhite);
    SelectClipRgn(c->Handle(), nullptr);
    DeleteObject(left);
    DeleteObject(right);
    TRect box = Rect(12, 0, 16, 4);
    c->Brush()->SetStyle(bsClear);
    c->TextRect(box, 12, 0, "W");
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clGreen);
    c->FillRect(Rect(10, 10, 30, 20));
    EXPECT_EQ(s.At(20, 15), clGreen);
    ::DrawText(c->Handle(), "W", &box, 0);
    c->Brush()->SetColor(clYellow);
    c->FillRect(Rect(10, 10, 30, 20));
    EXPECT_EQ(s.At(20, 15), clYellow);
}

TEST(Canvas_Pen, ChangesReachTheDrawingAlsoWithAHandlerOfOnesOwnOnThePenAndBrush) {
    // The canvas hears of its pen's and brush's changes apart from their OnChange, which
    // stays free for the caller.
    Surface s(20, 20);
    TCanvas* c = s.Canvas();
    int changes = 0;
    c->Pen()->OnChange = [&](TObject*) { ++changes; };
    c->Brush()->OnChange = [&](TObject*) { ++changes; };
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clBlue);
    c->Rectangle(2, 2, 10, 10);
    c->Pen()->SetColor(clLime);
    c->Brush()->SetColor(clYellow);
    c->Rectangle(10, 10, 18, 18);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(s.At(2, 2), clRed);
    EXPECT_EQ(s.At(5, 5), clBlue);
    EXPECT_EQ(s.At(10, 10), clLime);
    EXPECT_EQ(s.At(14, 14), clYellow);
}

TEST(Canvas_Handle, ACanvasWithoutContextRefusesToDrawButMeasures) {
    TCanvas c;
    EXPECT_THROW(c.Rectangle(0, 0, 5, 5), EInvalidOperation);
    EXPECT_GT(c.TextWidth("abc"), 0);
    int changes = 0;
    TBitmap b;
    b.SetSize(4, 4);
    b.Canvas()->OnChange = [&](TObject*) { ++changes; };
    b.Canvas()->FillRect(Rect(0, 0, 2, 2));
    b.Canvas()->LineTo(3, 3);
    EXPECT_EQ(changes, 2);
}

} // namespace

TEST(BitmapSize, WidthThenHeightOfAnEmptyBitmapGivesBoth) {
    for (bool mono : {false, true}) {
        TBitmap b;
        b.SetMonochrome(mono);
        b.SetWidth(30);
        EXPECT_EQ(b.Width(), 30);
        EXPECT_TRUE(b.Empty());
        b.SetHeight(20);
        EXPECT_EQ(b.Width(), 30);
        EXPECT_EQ(b.Height(), 20);
        EXPECT_FALSE(b.Empty());
        b.Canvas()->SetPixels(29, 19, clBlack);
        EXPECT_EQ(b.Canvas()->Pixels(29, 19), clBlack);
    }
}

// The screen layer: exclusive-or frames and lines on the screen device context, their
// clipping, the widget that shows them, and that nothing is left behind.

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

namespace {

class ScreenLayer : public testing::Test {
protected:
    void SetUp() override { ClearScreenLayer(); }
    void TearDown() override {
        ClearScreenLayer();
        EXPECT_EQ(ScreenLayerWidget(), nullptr);
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a window was leaked";
    }
    /// The designer's selection pen: grey, dashed {4,4}, geometric with flat ends.
    static HPEN SelectionPen() {
        LOGBRUSH lb;
        lb.lbColor = RGB(128, 128, 128);
        const DWORD dashes[] = {4, 4};
        return ExtCreatePen(0x11207, 1, &lb, 2, dashes);
    }
    static void XorRect(HDC dc, const TRect& r) { Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom); }
};

TEST_F(ScreenLayer, XorRectangleOnceShowsItTwiceRemovesIt) {
    HDC dc = GetDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HPEN pen = SelectionPen();
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(GetROP2(dc), R2_XORPEN);

    XorRect(dc, Rect(10, 20, 110, 70));
    EXPECT_EQ(ScreenFramesShown(), std::vector<TRect>{Rect(10, 20, 110, 70)});
    QWidget* layer = ScreenLayerWidget();
    ASSERT_NE(layer, nullptr);
    EXPECT_TRUE(layer->isVisible());
    EXPECT_EQ(layer->geometry(), QRect(10, 20, 100, 50));
    EXPECT_TRUE(layer->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(layer->windowFlags() & Qt::WindowTransparentForInput);
    const QRegion shown = ScreenLayerRegion();
    EXPECT_TRUE(shown.contains(QPoint(10, 20))) << "first dash is shown";
    EXPECT_TRUE(shown.contains(QPoint(13, 20)));
    EXPECT_FALSE(shown.contains(QPoint(14, 20))) << "gap of the dash pattern";
    EXPECT_TRUE(shown.contains(QPoint(109, 69)) || shown.contains(QPoint(109, 68)));
    EXPECT_FALSE(shown.contains(QPoint(110, 69))) << "right edge exclusive";
    EXPECT_FALSE(shown.contains(QPoint(50, 45))) << "the inside stays see-through";

    XorRect(dc, Rect(200, 200, 220, 220));
    EXPECT_EQ(ScreenFramesShown().size(), 2u);
    XorRect(dc, Rect(10, 20, 110, 70));
    EXPECT_EQ(ScreenFramesShown(), std::vector<TRect>{Rect(200, 200, 220, 220)});
    XorRect(dc, Rect(200, 200, 220, 220));
    EXPECT_TRUE(ScreenFramesShown().empty());
    EXPECT_EQ(ScreenLayerWidget(), nullptr) << "no widget while nothing is shown";

    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(ReleaseDC(nullptr, dc), 1);
}

TEST_F(ScreenLayer, ClipRegionCutsFramesAndAFrameOutsideItShowsNothing) {
    HDC dc = GetDC(nullptr);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetROP2(dc, R2_XORPEN);
    HRGN clip = CreateRectRgn(50, 0, 300, 300);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);

    XorRect(dc, Rect(0, 10, 100, 60));
    EXPECT_EQ(ScreenFramesShown(), std::vector<TRect>{Rect(50, 10, 100, 60)});
    XorRect(dc, Rect(0, 400, 40, 440));
    EXPECT_EQ(ScreenFramesShown().size(), 1u) << "wholly clipped: nothing drawn";
    // Erasing needs the same clip; without it the frame is another one.
    SelectClipRgn(dc, nullptr);
    XorRect(dc, Rect(0, 10, 100, 60));
    EXPECT_EQ(ScreenFramesShown().size(), 2u);
    XorRect(dc, Rect(0, 10, 100, 60));
    clip = CreateRectRgn(50, 0, 300, 300);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    XorRect(dc, Rect(0, 10, 100, 60));
    EXPECT_TRUE(ScreenFramesShown().empty());
    ReleaseDC(nullptr, dc);
}

TEST_F(ScreenLayer, LinesToggleLikeFrames) {
    HDC dc = GetDC(nullptr);
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, 5, 5, nullptr);
    LineTo(dc, 5, 105);
    EXPECT_EQ(ScreenLinesShown(), (std::vector<TScreenLine>{{{5, 5}, {5, 105}}}));
    EXPECT_NE(ScreenLayerWidget(), nullptr);
    MoveToEx(dc, 5, 5, nullptr);
    LineTo(dc, 5, 105);
    EXPECT_TRUE(ScreenLinesShown().empty());
    ReleaseDC(nullptr, dc);
}

TEST_F(ScreenLayer, CanvasOnTheScreenContextDrawsWithItsXorPen) {
    TCanvas canvas;
    HDC dc = GetDC(nullptr);
    canvas.SetHandle(dc);
    canvas.Pen()->SetMode(pmXor);
    canvas.Pen()->SetColor(clWhite);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(Rect(30, 30, 60, 60));
    EXPECT_EQ(ScreenFramesShown(), std::vector<TRect>{Rect(30, 30, 60, 60)});
    canvas.Rectangle(Rect(30, 30, 60, 60));
    EXPECT_TRUE(ScreenFramesShown().empty());
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
}

TEST_F(ScreenLayer, CopyPenShowsOnceAndNopShowsNothing) {
    HDC dc = GetDC(nullptr);
    SetROP2(dc, R2_NOP);
    XorRect(dc, Rect(0, 0, 10, 10));
    EXPECT_TRUE(ScreenFramesShown().empty());
    SetROP2(dc, R2_COPYPEN);
    XorRect(dc, Rect(0, 0, 10, 10));
    XorRect(dc, Rect(0, 0, 10, 10));
    EXPECT_EQ(ScreenFramesShown().size(), 1u);
    PatBlt(dc, 20, 20, 5, 5, PATINVERT);
    EXPECT_EQ(ScreenFramesShown().size(), 2u);
    PatBlt(dc, 20, 20, 5, 5, PATINVERT);
    EXPECT_EQ(ScreenFramesShown().size(), 1u);
    ReleaseDC(nullptr, dc);
}

} // namespace

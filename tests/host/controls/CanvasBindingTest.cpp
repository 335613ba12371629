// Canvases bound to widgets: the painter opens lazily inside the widget's paint, after the
// native painting, with the binding's origin and clip; the window layer's DC hook.

#include <QPainter>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

namespace {

/// Paints its background natively, then lets a canvas draw, as a window's paint message does.
class PaintedWidget : public QWidget {
public:
    QPoint origin;
    QRegion clip;
    std::function<void(TCanvas&)> draw;

protected:
    void paintEvent(QPaintEvent*) override {
        {
            QPainter native(this);
            native.fillRect(rect(), Qt::white);
        }
        TCanvas canvas;
        BindCanvas(&canvas, this, origin, clip);
        draw(canvas);
        UnbindCanvas(&canvas);
        EXPECT_FALSE(canvas.HandleAllocated());
    }
};

TEST(Canvas_Binding, DrawsOverTheNativePaintingOfAWidget) {
    PaintedWidget w;
    w.resize(40, 30);
    w.draw = [](TCanvas& c) {
        c.Brush()->SetColor(clRed);
        c.FillRect(Rect(5, 5, 15, 15));
        c.Pen()->SetColor(clBlue);
        c.MoveTo(0, 20);
        c.LineTo(40, 20);
    };
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(14, 14), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(30, 20), QColor(Qt::blue));
}

TEST(Canvas_Binding, OriginAndClipPlaceAChildsDrawingOnItsParent) {
    PaintedWidget w;
    w.resize(60, 60);
    w.origin = QPoint(20, 10);
    w.clip = QRegion(20, 10, 15, 15);
    w.draw = [](TCanvas& c) {
        EXPECT_EQ(c.ClipRect(), Rect(0, 0, 15, 15));
        c.Brush()->SetColor(clLime);
        c.FillRect(Rect(-50, -50, 100, 100));
    };
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 10), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(34, 24), QColor(Qt::green));
    EXPECT_EQ(shot.pixelColor(35, 24), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(19, 10), QColor(Qt::white));
}

HDC gWindowDC = nullptr;
HDC ProvideDC(HWND) {
    return gWindowDC;
}
int ReleaseProvided(HWND, HDC dc) {
    DestroyDeviceContext(dc);
    gWindowDC = nullptr;
    return 1;
}

/// Puts back the window layer's hook that a test replaced, so that later tests in the same
/// process still get window contexts.
class RestoreDCProvider {
public:
    explicit RestoreDCProvider(TWindowDCProviders saved) : FSaved(saved) {}
    ~RestoreDCProvider() { SetWindowDCProvider(FSaved.Provide, FSaved.Release); }
    RestoreDCProvider(const RestoreDCProvider&) = delete;
    RestoreDCProvider& operator=(const RestoreDCProvider&) = delete;

private:
    TWindowDCProviders FSaved;
};

TEST(Canvas_Binding, WindowContextsComeFromTheWindowLayer) {
    QImage surface(10, 10, QImage::Format_RGB32);
    surface.fill(Qt::white);
    HWND fakeWindow = reinterpret_cast<HWND>(0x1000);
    const RestoreDCProvider restore(SetWindowDCProvider(nullptr));
    EXPECT_EQ(GetDC(fakeWindow), nullptr) << "no provider installed";
    gWindowDC = CreateDeviceContext(&surface);
    SetWindowDCProvider(ProvideDC, ReleaseProvided);
    HDC dc = GetDC(fakeWindow);
    ASSERT_EQ(dc, gWindowDC);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 2, 2, 4, 4);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 4, 4), RGB(255, 255, 255));
    EXPECT_EQ(ReleaseDC(fakeWindow, dc), 1);
    EXPECT_EQ(gWindowDC, nullptr);
    SetWindowDCProvider(nullptr);
    EXPECT_EQ(surface.pixelColor(2, 2), QColor(Qt::black)) << "the painter ended on release";
}

} // namespace

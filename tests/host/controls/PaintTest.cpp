// Painting: erase and paint messages through WindowProc with the canvas bound.

#include "WindowTesting.h"
#include "host/graphics/GdiApi.h"

namespace {
class PaintTest : public WindowTest {
protected:
    QImage Grab(TWinControl* c) { return WidgetOf(c->Handle())->grab().toImage(); }
};

TEST_F(PaintTest, HookDrawsOnTheBoundCanvasAfterPassingThePaintOn) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetColor(clWhite);
    panel->OnPaint = [&](TObject*) {
        panel->Canvas()->Brush()->SetColor(clBlue);
        panel->Canvas()->FillRect(Rect(0, 0, 60, 40));
    };
    std::vector<uint32_t> order;
    TWndMethod saved = panel->WindowProc;
    panel->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_ERASEBKGND || m.Msg == WM_PAINT) order.push_back(m.Msg);
        saved(m);
        if (m.Msg == WM_PAINT) {
            panel->Canvas()->Brush()->SetColor(clRed);
            panel->Canvas()->FillRect(Rect(10, 10, 20, 20));
        }
    };
    QImage image = Grab(panel);
    panel->WindowProc = saved;
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(order[0], WM_ERASEBKGND);
    EXPECT_EQ(order[1], WM_PAINT);
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(40, 30), QColor(Qt::blue));
}

TEST_F(PaintTest, EraseFillsWithTheControlsColour) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 30, 30);
    panel->SetColor(clLime);
    EXPECT_EQ(Grab(panel).pixelColor(5, 5), QColor(Qt::green));
}

TEST_F(PaintTest, GraphicControlPaintsAtItsPlaceOnTheParentsWindow) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 100);
    panel->SetColor(clWhite);
    auto* g = new TTestGraphic(Form);
    g->SetParent(panel);
    g->SetBounds(40, 50, 20, 20);
    MessageLog log(g);
    g->OnPaint = [&](TObject*) {
        g->Canvas()->Brush()->SetColor(clRed);
        g->Canvas()->FillRect(Rect(0, 0, 100, 100));
    };
    QImage image = Grab(panel);
    EXPECT_EQ(log.Count(WM_PAINT), 1);
    EXPECT_EQ(image.pixelColor(45, 55), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(30, 55), QColor(Qt::white)) << "clipped to the control";
    EXPECT_EQ(image.pixelColor(65, 55), QColor(Qt::white)) << "clipped to the control";
}

TEST_F(PaintTest, WindowDeviceContextIsAvailableThroughGetDC) {
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    HDC dc = GetDC(panel->Handle());
    EXPECT_NE(dc, nullptr);
    ReleaseDC(panel->Handle(), dc);
}
} // namespace

namespace {
TEST_F(PaintTest, ScreenshotOfAFormWithChineseTextIsWrittenAsPng) {
    Form->SetCaption("窗体设计器");
    auto* button = new TTestButton(Form);
    button->SetParent(Form);
    button->SetBounds(20, 20, 120, 30);
    button->SetCaption("确定按钮");
    auto* panel = new TTestPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(20, 70, 200, 80);
    panel->SetColor(clWhite);
    panel->OnPaint = [&](TObject*) { panel->Canvas()->TextOut(10, 10, "中文文本：属性"); };
    QImage image = WidgetOf(Form->Handle())->grab().toImage();
    ASSERT_TRUE(image.save("form_screenshot.png"));
    // Something darker than the white panel was drawn where the text goes.
    bool ink = false;
    for (int x = 30; x < 120 && !ink; ++x)
        for (int y = 80; y < 100 && !ink; ++y)
            ink = image.pixelColor(x, y).lightness() < 128;
    EXPECT_TRUE(ink);
}
} // namespace

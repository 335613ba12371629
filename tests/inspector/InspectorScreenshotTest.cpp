// The inspector on a button, as a picture for review: written as inspector_screenshot.png when
// the run has a real X server. A few checks make sure the names and the swatch were drawn.

#include <QGuiApplication>

#include "InspectorTesting.h"

namespace {

class InspectorScreenshot : public InspectorTest {};

TEST_F(InspectorScreenshot, TheInspectorOnAButtonWithChineseNamesAndAColourSwatch) {
    Button1->SetCaption("确定");
    Button1->SetColor(clSkyBlue);
    Button1->SetHint("提示文字");
    Insp->CB1->Items()->AddObject("Button1", Button1);
    Insp->SetCurObject(Button1);
    Insp->SetBounds(Form->Left() + Form->Width() + 10, Form->Top(), 184, 511);
    ShowInspector();
    Insp->SetItemIndex(RowOf("Caption"));
    Process();
    const QImage shot = WidgetOf(Insp->Handle())->grab().toImage();
    if (QGuiApplication::platformName() == "xcb") {
        ASSERT_TRUE(shot.save("inspector_screenshot.png"));
    }
    const TPoint grid = Insp->ScreenToClient(Insp->PaintBox1->ClientToScreen({0, 0}));
    const int H = Insp->RowHeight(), S = Insp->SplitPos();
    const int name = RowOf("Name"), color = RowOf("Color");
    int ink = 0;
    for (int x = grid.X + 5; x < grid.X + S - 2; ++x)
        for (int y = grid.Y + name * H + 1; y < grid.Y + name * H + H - 1; ++y)
            if (shot.pixelColor(x, y).lightness() < 120) ++ink;
    EXPECT_GT(ink, 15) << "名称 was not drawn";
    const QColor swatch = shot.pixelColor(grid.X + S + 20, grid.Y + color * H + H / 2);
    EXPECT_EQ(swatch.red(), GetRValue(clSkyBlue));
    EXPECT_EQ(swatch.green(), GetGValue(clSkyBlue));
    EXPECT_EQ(swatch.blue(), GetBValue(clSkyBlue));
}

} // namespace

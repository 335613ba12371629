// A screenshot of one form holding each bar, painting control, speed button and the main menu,
// with Chinese captions: review material, written as bars_screenshot.png.

#include "WindowTesting.h"
#include "host/buttons/Buttons.h"
#include "host/comctrls/ComCtrls.h"
#include "host/extctrls/ExtCtrls.h"
#include "host/menus/Menus.h"

namespace {
class PaintBarsScreenshot : public WindowTest {};

TEST_F(PaintBarsScreenshot, OneFormWithEachControlAndChineseCaptions) {
    Form->SetBounds(Form->Left(), Form->Top(), 640, 420);
    Form->SetCaption("工具栏、状态栏与绘图控件");
    auto* menu = new TMainMenu(Form);
    for (const char* caption : {"文件(&F)", "编辑(&E)", "视图(&V)", "帮助(&H)"}) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    Form->SetMenu(menu);

    auto* tools = new TToolBar(Form);
    tools->SetParent(Form);
    tools->SetShowCaptions(true);
    tools->SetButtonHeight(24);
    tools->SetHeight(30);
    for (const char* caption : {"新建", "打开", "保存", "-", "对齐", "网格"}) {
        auto* b = new TToolButton(Form);
        if (std::string(caption) == "-")
            b->SetStyle(tbsDivider);
        else
            b->SetCaption(caption);
        b->SetParent(tools);
    }
    Cast<TToolButton>(tools->Buttons(5))->SetStyle(tbsCheck);
    Cast<TToolButton>(tools->Buttons(5))->SetDown(true);

    auto* cool = new TCoolBar(Form);
    cool->SetParent(Form);
    cool->SetAutoSize(true);
    auto* bandContent = new TTestPanel(Form);
    bandContent->SetBounds(0, 0, 200, 22);
    bandContent->SetColor(clWhite);
    bandContent->SetParent(cool);
    cool->Bands()->Items(0)->SetText("地址");

    auto* status = new TStatusBar(Form);
    status->SetParent(Form);
    for (const char* text : {"就绪", "第 12 行，第 5 列", "插入模式"}) {
        TStatusPanel* p = status->Panels()->Add();
        p->SetText(text);
        p->SetWidth(140);
    }

    auto* left = new TTestPanel(Form);
    left->SetParent(Form);
    left->SetWidth(150);
    left->SetAlign(alLeft);
    left->SetColor(clWhite);
    auto* splitter = new TSplitter(Form);
    splitter->SetLeft(200);
    splitter->SetBeveled(true);
    splitter->SetParent(Form);

    const char* speedCaptions[] = {"左", "中", "右"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new TSpeedButton(Form);
        b->SetParent(Form);
        b->SetBounds(170 + i * 40, 110, 36, 26);
        b->SetCaption(speedCaptions[i]);
        b->SetGroupIndex(1);
        if (i == 0) b->SetDown(true);
    }
    const TShapeType shapes[] = {stRectangle, stRoundRect, stEllipse, stCircle};
    for (int i = 0; i < 4; ++i) {
        auto* s = new TShape(Form);
        s->SetParent(Form);
        s->SetBounds(170 + i * 70, 150, 60, 45);
        s->SetShape(shapes[i]);
        s->Brush()->SetColor(i % 2 ? clSkyBlue : clMoneyGreen);
    }
    auto* bevel = new TBevel(Form);
    bevel->SetParent(Form);
    bevel->SetBounds(170, 210, 200, 60);
    bevel->SetShape(bsFrame);
    auto* box = new TPaintBox(Form);
    box->SetParent(Form);
    box->SetBounds(180, 220, 180, 40);
    box->OnPaint = [box](TObject*) {
        box->Canvas()->Brush()->SetStyle(bsClear);
        box->Canvas()->Font()->SetColor(clNavy);
        box->Canvas()->TextOut(6, 10, "绘图框：中文文字");
    };
    auto* image = new TImage(Form);
    image->SetParent(Form);
    image->SetBounds(400, 210, 60, 60);
    image->SetStretch(true);
    TBitmap picture;
    picture.SetSize(4, 4);
    for (int i = 0; i < 16; ++i)
        picture.Canvas()->SetPixels(i % 4, i / 4, (i + i / 4) % 2 ? clRed : clYellow);
    image->Picture()->SetGraphic(&picture);

    auto* pager = new TPageScroller(Form);
    pager->SetParent(Form);
    pager->SetBounds(170, 285, 300, 30);
    auto* strip = new TTestPanel(Form);
    strip->SetBounds(0, 0, 700, 30);
    strip->SetColor(clCream);
    strip->SetParent(pager);
    pager->SetPosition(40);

    Process();
    QImage shot = WidgetOf(Form->Handle())->grab().toImage();
    ASSERT_TRUE(shot.save("bars_screenshot.png"));
    // The status bar's first panel carries ink from its Chinese text.
    const TRect panel = status->PanelRect(0);
    int dark = 0;
    for (int x = panel.Left; x < panel.Right; ++x)
        for (int y = status->Top() + panel.Top; y < status->Top() + panel.Bottom; ++y)
            if (shot.pixelColor(x, y).lightness() < 90) ++dark;
    EXPECT_GT(dark, 10);
}
} // namespace

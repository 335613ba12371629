// The status bar: at the bottom of its form, its panels laid out and painted, owner-drawn
// panels, streaming of the panels, and the size grip that sizes the form.

#include <QTimer>

#include "StreamTestUtil.h"
#include "WindowTesting.h"
#include "host/comctrls/ComCtrls.h"

namespace {
class StatusBarTest : public WindowTest {
protected:
    TStatusBar* MakeBar() {
        auto* bar = new TStatusBar(Form);
        bar->SetParent(Form);
        return bar;
    }
    QImage Grab(TWinControl* c) { return WidgetOf(c->Handle())->grab().toImage(); }
};

TEST_F(StatusBarTest, SitsAtTheBottomOfItsFormAndStaysThereWhenTheFormResizes) {
    auto* client = new TTestPanel(Form);
    client->SetParent(Form);
    client->SetAlign(alClient);
    TStatusBar* bar = MakeBar();
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 300 - 19, 400, 300));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 400, 300 - 19));
    Form->SetBounds(Form->Left(), Form->Top(), 500, 350);
    Process();
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 350 - 19, 500, 350));
    EXPECT_EQ(WidgetOf(bar->Handle())->geometry(), QRect(0, 331, 500, 19));
}

TEST_F(StatusBarTest, PanelsLieLeftToRightAndTheLastTakesTheRest) {
    struct Case {
        std::vector<int> widths;
        int grip;
        std::vector<TRect> expected;
    };
    const Case cases[] = {
        {{50, 80, 10}, 0, {Rect(0, 2, 50, 19), Rect(50, 2, 130, 19), Rect(130, 2, 300, 19)}},
        {{50, 80}, 16, {Rect(0, 2, 50, 19), Rect(50, 2, 284, 19)}},
        {{350, 10}, 0, {Rect(0, 2, 350, 19), Rect(350, 2, 350, 19)}},
        {{}, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutStatusPanels(c.widths, Rect(0, 2, 300, 19), c.grip), c.expected);

    TStatusBar* bar = MakeBar();
    bar->SetSizeGrip(false);
    bar->Panels()->Add()->SetWidth(100);
    bar->Panels()->Add()->SetWidth(60);
    EXPECT_EQ(bar->PanelRect(0), Rect(0, 2, 100, 19));
    EXPECT_EQ(bar->PanelRect(1), Rect(100, 2, 400, 19));
    EXPECT_EQ(bar->PanelAt({150, 10}), 1);
    bar->Panels()->Items(0)->SetWidth(120);
    EXPECT_EQ(bar->PanelRect(1).Left, 120);
}

TEST_F(StatusBarTest, PanelTextsAndTheSimpleTextArePainted) {
    TStatusBar* bar = MakeBar();
    bar->SetSizeGrip(false);
    bar->SetHeight(24);
    TStatusPanel* p = bar->Panels()->Add();
    p->SetWidth(150);
    p->SetText("就绪状态");
    auto inkIn = [](const QImage& image, QRect r) {
        int dark = 0;
        for (int x = r.left(); x <= r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                if (image.pixelColor(x, y).lightness() < 100) ++dark;
        return dark;
    };
    QImage shot = Grab(bar);
    EXPECT_GT(inkIn(shot, QRect(4, 6, 100, 12)), 10) << "the panel's Chinese text";
    EXPECT_EQ(inkIn(shot, QRect(200, 6, 150, 12)), 0);

    bar->SetSimpleText("简单文本在这里");
    bar->SetSimplePanel(true);
    shot = Grab(bar);
    EXPECT_EQ(inkIn(shot, QRect(4, 6, 20, 12)) > 10, true) << "the simple text replaces the panels";
}

TEST_F(StatusBarTest, OwnerDrawnPanelsArePaintedByOnDrawPanelOnTheBarsCanvas) {
    TStatusBar* bar = MakeBar();
    bar->SetSizeGrip(false);
    TStatusPanel* plain = bar->Panels()->Add();
    plain->SetWidth(60);
    TStatusPanel* drawn = bar->Panels()->Add();
    drawn->SetStyle(psOwnerDraw);
    std::vector<std::pair<TStatusPanel*, TRect>> calls;
    bar->OnDrawPanel = [&](TStatusBar* sender, TStatusPanel* panel, const TRect& r) {
        EXPECT_EQ(sender, bar);
        calls.push_back({panel, r});
        sender->Canvas()->Brush()->SetColor(clRed);
        sender->Canvas()->FillRect(r);
    };
    QImage shot = Grab(bar);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, drawn);
    EXPECT_EQ(calls[0].second, Rect(61, 3, 399, 18));
    EXPECT_EQ(shot.pixelColor(200, 10), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(30, 10), QColor(Qt::red));
}

TEST_F(StatusBarTest, PanelsStreamAsACollectionAndDefaultsAreLeftOut) {
    auto* bar = new TStatusBar(nullptr);
    bar->SetName("StatusBar1");
    TStatusPanel* a = bar->Panels()->Add();
    a->SetText("行 1");
    a->SetWidth(80);
    TStatusPanel* b = bar->Panels()->Add();
    b->SetAlignment(taCenter);
    b->SetBevel(pbRaised);
    bar->SetSimpleText("提示");
    const std::string bytes = SaveToBytes(bar);
    bar->Free();
    // Property names are written after their length byte.
    auto stored = [&](const std::string& name) {
        return bytes.find(char(name.size()) + name) != std::string::npos;
    };
    EXPECT_FALSE(stored("Align")) << "alBottom is the default";
    EXPECT_FALSE(stored("SizeGrip"));
    EXPECT_FALSE(stored("Color")) << "clBtnFace is the default";
    EXPECT_TRUE(stored("Panels"));
    EXPECT_TRUE(stored("Alignment"));

    auto* loaded = As<TStatusBar>(LoadFromBytes(bytes));
    ASSERT_EQ(loaded->Panels()->Count(), 2);
    EXPECT_EQ(loaded->Panels()->Items(0)->Text(), "行 1");
    EXPECT_EQ(loaded->Panels()->Items(0)->Width(), 80);
    EXPECT_EQ(loaded->Panels()->Items(1)->Alignment(), taCenter);
    EXPECT_EQ(loaded->Panels()->Items(1)->Bevel(), pbRaised);
    EXPECT_EQ(loaded->SimpleText(), "提示");
    EXPECT_EQ(loaded->Align(), alBottom);
    loaded->Free();
}

TEST_F(StatusBarTest, TheGripShowsOnlyInTheCornerOfASizeableForm) {
    TStatusBar* bar = MakeBar();
    EXPECT_TRUE(bar->SizeGripShown());
    EXPECT_EQ(bar->SizeGripRect(), Rect(400 - 16, 3, 400, 19));
    Form->SetBorderStyle(bsSingle);
    EXPECT_FALSE(bar->SizeGripShown());
    Form->SetBorderStyle(bsSizeable);
    bar->SetAlign(alTop);
    EXPECT_FALSE(bar->SizeGripShown()) << "not in the bottom corner";
    bar->SetAlign(alBottom);
    bar->SetSizeGrip(false);
    EXPECT_FALSE(bar->SizeGripShown());
}

TEST_F(StatusBarTest, DraggingTheGripSizesTheFormThroughItsSizeLoop) {
    TStatusBar* bar = MakeBar();
    MessageLog formLog(Form);
    const TPoint start = At(bar, 400 - 5, 19 - 5);
    QWindow* window = Window();
    // The form's size loop follows queued input until the release.
    QTimer::singleShot(0, [=] {
        QTest::mouseMove(window, QPoint(start.X + 10, start.Y + 10));
        QTest::mouseMove(window, QPoint(start.X + 20, start.Y + 15));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(start.X + 20, start.Y + 15));
    });
    Press(start);
    Process();
    EXPECT_GE(formLog.Count(WM_NCLBUTTONDOWN), 1) << "the bar passed the press to its form";
    EXPECT_EQ(Form->Width(), 420);
    EXPECT_EQ(Form->Height(), 315);
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 315 - 19, 420, 315));
}
} // namespace

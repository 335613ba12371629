// Speed buttons: clicks, groups whose buttons release each other under one parent, AllowAllUp,
// the pressed face, and the layout of glyph and caption.

#include "WindowTesting.h"
#include "host/buttons/Buttons.h"

namespace {
class SpeedButtonTest : public WindowTest {
protected:
    TSpeedButton* Make(TWinControl* parent, int left, int group = 0) {
        auto* b = new TSpeedButton(Form);
        b->SetParent(parent);
        b->SetBounds(left, 10, 30, 25);
        b->SetGroupIndex(group);
        return b;
    }
    QImage Grab() { return WidgetOf(Form->Handle())->grab().toImage(); }
};

TEST_F(SpeedButtonTest, ClickFiresOnReleaseInsideOnly) {
    TSpeedButton* b = Make(Form, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    Press(At(b, 5, 5));
    EXPECT_EQ(b->State(), bsDown);
    Move(At(b, 50, 5));
    EXPECT_EQ(b->State(), bsUp) << "the face comes up while the mouse is outside";
    Move(At(b, 6, 5));
    EXPECT_EQ(b->State(), bsDown);
    Release(At(b, 6, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_FALSE(b->Down()) << "without a group the button does not stay down";
    Press(At(b, 5, 5));
    Release(At(b, 60, 5));
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, ButtonsOfAGroupUnderOneParentReleaseEachOther) {
    auto* other = new TTestPanel(Form);
    other->SetParent(Form);
    other->SetBounds(0, 100, 300, 60);
    TSpeedButton* a = Make(Form, 10, 1);
    TSpeedButton* b = Make(Form, 50, 1);
    TSpeedButton* c = Make(Form, 90, 2);
    TSpeedButton* elsewhere = Make(other, 10, 1);
    Click(At(a, 5, 5));
    Click(At(c, 5, 5));
    Click(At(elsewhere, 5, 5));
    EXPECT_TRUE(a->Down());
    EXPECT_TRUE(c->Down());
    EXPECT_TRUE(elsewhere->Down());
    Click(At(b, 5, 5));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(c->Down()) << "another group";
    EXPECT_TRUE(elsewhere->Down()) << "another parent";
    Click(At(b, 5, 5));
    EXPECT_TRUE(b->Down()) << "without AllowAllUp one button stays down";
    a->SetDown(true);
    EXPECT_FALSE(b->Down()) << "setting Down by code releases the others too";
}

TEST_F(SpeedButtonTest, AllowAllUpLetsTheDownButtonComeUpAndSpreadsToTheGroup) {
    TSpeedButton* a = Make(Form, 10, 3);
    TSpeedButton* b = Make(Form, 50, 3);
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    Click(At(b, 5, 5));
    Click(At(b, 5, 5));
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());
    TSpeedButton* single = Make(Form, 90);
    single->SetDown(true);
    EXPECT_FALSE(single->Down()) << "Down needs a group";
}

TEST_F(SpeedButtonTest, AHeldButtonLooksDifferentFromOneThatIsUp) {
    TSpeedButton* a = Make(Form, 10, 1);
    TSpeedButton* b = Make(Form, 50, 1);
    a->SetCaption("粗");
    b->SetCaption("粗");
    Click(At(a, 5, 5));
    QImage shot = Grab();
    int differing = 0;
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 25; ++y)
            if (shot.pixelColor(10 + x, 10 + y) != shot.pixelColor(50 + x, 10 + y)) ++differing;
    EXPECT_GT(differing, 20);
}

TEST_F(SpeedButtonTest, GlyphAndCaptionAreLaidOutAsTheLayoutSays) {
    struct Case {
        TButtonLayout layout;
        int margin, spacing;
        TButtonLayoutResult expected;
    };
    const TRect client = Rect(0, 0, 100, 40);
    const TSize glyph{16, 16};
    const TSize text{40, 14};
    const Case cases[] = {
        {blGlyphLeft, -1, 4, {{20, 12}, Bounds(40, 13, 40, 14)}},
        {blGlyphLeft, 2, 4, {{2, 12}, Bounds(22, 13, 40, 14)}},
        {blGlyphRight, 2, 4, {{82, 12}, Bounds(38, 13, 40, 14)}},
        {blGlyphLeft, -1, -1, {{14, 12}, Bounds(44, 13, 40, 14)}},
        {blGlyphTop, 2, 2, {{42, 2}, Bounds(30, 20, 40, 14)}},
        {blGlyphBottom, 2, 2, {{42, 22}, Bounds(30, 6, 40, 14)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalcButtonLayout(client, glyph, text, c.layout, c.margin, c.spacing), c.expected)
            << c.layout << " " << c.margin << " " << c.spacing;
    // Without a glyph the caption is centred.
    EXPECT_EQ(CalcButtonLayout(client, {}, text, blGlyphLeft, -1, 4).TextBounds,
              Bounds(30, 13, 40, 14));
}

TEST_F(SpeedButtonTest, AGlyphStripShowsTheImageOfTheState) {
    TSpeedButton* b = Make(Form, 10, 1);
    b->SetBounds(10, 10, 40, 40);
    TBitmap strip;
    strip.SetSize(64, 16);
    const TColor colours[] = {clGreen, clGray, clBlue, clRed};
    for (int i = 0; i < 4; ++i) {
        strip.Canvas()->Brush()->SetColor(colours[i]);
        strip.Canvas()->FillRect(Bounds(i * 16, 0, 16, 16));
    }
    strip.Canvas()->SetPixels(0, 15, clFuchsia);
    b->SetGlyph(&strip);
    EXPECT_EQ(b->NumGlyphs(), 4);
    const QPoint middle(10 + 20, 10 + 20);
    EXPECT_EQ(Grab().pixelColor(middle), QColor(0, 128, 0)) << "up";
    Click(At(b, 5, 5));
    EXPECT_EQ(Grab().pixelColor(middle + QPoint(1, 1)), QColor(Qt::red)) << "held down";
    b->SetEnabled(false);
    EXPECT_EQ(Grab().pixelColor(middle), QColor(128, 128, 128)) << "disabled";
}
} // namespace

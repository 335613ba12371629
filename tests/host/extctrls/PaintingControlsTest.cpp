// The painting controls: the paint box's OnPaint, the image's placement of its picture, shapes
// and bevels as drawn on their parent's window.

#include "StreamTestUtil.h"
#include "WindowTesting.h"
#include "host/buttons/Buttons.h"
#include "host/extctrls/ExtCtrls.h"

namespace {
class PaintingControlsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Form->SetColor(clWhite);
    }
    QImage Grab() { return WidgetOf(Form->Handle())->grab().toImage(); }
    template <class T> T* Make(int left, int top, int width, int height) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetBounds(left, top, width, height);
        return c;
    }
};

TEST_F(PaintingControlsTest, PaintBoxPaintsInOnPaintAgainAfterInvalidate) {
    auto* box = Make<TPaintBox>(20, 20, 60, 40);
    TColor colour = clRed;
    int paints = 0;
    box->OnPaint = [&](TObject*) {
        ++paints;
        box->Canvas()->Brush()->SetColor(colour);
        box->Canvas()->FillRect(Rect(0, 0, 60, 40));
    };
    EXPECT_EQ(Grab().pixelColor(50, 40), QColor(Qt::red));
    const int before = paints;
    colour = clBlue;
    box->Invalidate();
    Process();
    EXPECT_GT(paints, before) << "Invalidate repaints";
    EXPECT_EQ(Grab().pixelColor(50, 40), QColor(Qt::blue));
    EXPECT_EQ(Grab().pixelColor(90, 40), QColor(Qt::white)) << "clipped to the box";
}

TEST_F(PaintingControlsTest, ImagePlacesItsPictureAsStretchProportionalAndCenterSay) {
    struct Case {
        int w, h;
        bool stretch, proportional, center;
        TRect expected;
    };
    const Case cases[] = {
        {40, 20, false, false, false, Bounds(0, 0, 40, 20)},
        {40, 20, false, false, true, Bounds(30, 40, 40, 20)},
        {40, 20, true, false, false, Bounds(0, 0, 100, 100)},
        {40, 20, true, true, false, Bounds(0, 0, 100, 50)},
        {40, 20, true, true, true, Bounds(0, 25, 100, 50)},
        {20, 40, true, true, true, Bounds(25, 0, 50, 100)},
        {400, 100, false, true, false, Bounds(0, 0, 100, 25)},
        {40, 20, false, true, false, Bounds(0, 0, 40, 20)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageDestRect(c.w, c.h, 100, 100, c.stretch, c.proportional, c.center),
                  c.expected)
            << c.w << "x" << c.h << " " << c.stretch << c.proportional << c.center;
}

TEST_F(PaintingControlsTest, ImageDrawsItsPictureAndAutoSizeFitsIt) {
    auto* image = Make<TImage>(10, 10, 100, 100);
    TBitmap picture;
    picture.SetSize(20, 10);
    picture.Canvas()->Brush()->SetColor(clGreen);
    picture.Canvas()->FillRect(Rect(0, 0, 20, 10));
    image->Picture()->SetGraphic(&picture);
    QImage shot = Grab();
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(Qt::white));
    image->SetStretch(true);
    shot = Grab();
    EXPECT_EQ(shot.pixelColor(100, 100), QColor(0, 128, 0));
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 20);
    EXPECT_EQ(image->Height(), 10);
    // Drawing on the image's canvas draws on its picture.
    image->Canvas()->Pixels(0, 0);
    image->Canvas()->SetPixels(1, 1, clRed);
    EXPECT_EQ(image->Picture()->Bitmap()->Canvas()->Pixels(1, 1), clRed);
}

TEST_F(PaintingControlsTest, ShapesFillTheirFigureWithTheBrushAndOutlineItWithThePen) {
    struct Case {
        TShapeType shape;
        QPoint inside;
        QPoint outside;
    };
    // A 60 x 40 control: the square and circle are 40 x 40, centred.
    const Case cases[] = {
        {stRectangle, {2, 2}, {-1, 20}}, {stSquare, {12, 2}, {5, 20}},
        {stEllipse, {30, 20}, {2, 2}},   {stCircle, {30, 20}, {5, 20}},
        {stRoundRect, {30, 3}, {0, 0}},  {stRoundSquare, {30, 20}, {10, 0}},
    };
    for (const Case& c : cases) {
        auto* shape = Make<TShape>(100, 100, 60, 40);
        shape->SetShape(c.shape);
        shape->Brush()->SetColor(clYellow);
        shape->Pen()->SetColor(clBlue);
        QImage shot = Grab();
        EXPECT_EQ(shot.pixelColor(QPoint(100, 100) + c.inside), QColor(Qt::yellow)) << c.shape;
        EXPECT_EQ(shot.pixelColor(QPoint(100, 100) + c.outside), QColor(Qt::white)) << c.shape;
        shape->Free();
    }
    auto* rect = Make<TShape>(100, 100, 60, 40);
    rect->Pen()->SetColor(clBlue);
    EXPECT_EQ(Grab().pixelColor(100, 120), QColor(Qt::blue)) << "the pen outlines it";
    EXPECT_EQ(rect->ShapeRect(), Rect(0, 0, 60, 40));
    rect->Pen()->SetWidth(4);
    EXPECT_EQ(rect->ShapeRect(), Rect(2, 2, 59, 39));
}

TEST_F(PaintingControlsTest, BevelsDrawShadowAndLightOnTheSidesTheirShapeNames) {
    struct Case {
        TBevelShape shape;
        TBevelStyle style;
        QPoint shadow;
        QPoint light;
    };
    const Case cases[] = {
        {bsBox, bsLowered, {0, 10}, {49, 10}},     {bsBox, bsRaised, {49, 10}, {0, 10}},
        {bsTopLine, bsLowered, {20, 0}, {20, 1}},  {bsBottomLine, bsLowered, {20, 48}, {20, 49}},
        {bsLeftLine, bsLowered, {0, 20}, {1, 20}}, {bsRightLine, bsRaised, {49, 20}, {48, 20}},
    };
    for (const Case& c : cases) {
        auto* bevel = Make<TBevel>(200, 20, 50, 50);
        bevel->SetShape(c.shape);
        bevel->SetStyle(c.style);
        QImage shot = Grab();
        const QColor s = shot.pixelColor(QPoint(200, 20) + c.shadow);
        const QColor l = shot.pixelColor(QPoint(200, 20) + c.light);
        EXPECT_LT(s.lightness(), l.lightness()) << c.shape << "/" << c.style;
        EXPECT_NE(s, QColor(Qt::white)) << c.shape << "/" << c.style;
        bevel->Free();
    }
}
} // namespace

namespace {
TEST(PaintingControls_Stream, AnImagesPictureAndASpeedButtonsGlyphTravelInTheStream) {
    auto* image = new TImage(nullptr);
    image->SetName("Image1");
    TBitmap picture;
    picture.SetSize(6, 4);
    picture.Canvas()->Brush()->SetColor(clAqua);
    picture.Canvas()->FillRect(Rect(0, 0, 6, 4));
    image->Picture()->SetGraphic(&picture);
    const std::string bytes = SaveToBytes(image);
    image->Free();
    auto* loaded = As<TImage>(LoadFromBytes(bytes));
    ASSERT_NE(loaded->Picture()->Graphic(), nullptr);
    EXPECT_EQ(loaded->Picture()->Width(), 6);
    EXPECT_EQ(loaded->Picture()->Bitmap()->Canvas()->Pixels(2, 2), clAqua);
    loaded->Free();

    auto* button = new TSpeedButton(nullptr);
    button->SetName("SpeedButton1");
    button->Glyph()->Assign(&picture);
    auto* again = As<TSpeedButton>(LoadFromBytes(SaveToBytes(button)));
    EXPECT_EQ(again->Glyph()->Width(), 6);
    EXPECT_EQ(again->Glyph()->Canvas()->Pixels(5, 3), clAqua);
    button->Free();
    again->Free();

    auto* empty = new TImage(nullptr);
    EXPECT_EQ(SaveToBytes(empty).find("Picture.Data"), std::string::npos);
    empty->Free();
}
} // namespace

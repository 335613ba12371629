// Labels: sized to their text in their font, painted on the parent with their alignment and
// layout, Chinese text included.

#include "StdTesting.h"

namespace {
class LabelTest : public StdTest {
protected:
    static TSize TextSize(TLabel* label, const std::string& text) {
        TCanvas canvas;
        canvas.Font()->Assign(label->Font());
        return canvas.TextExtent(text);
    }
    QImage Shot() const {
        return WidgetOf(Form->Handle())->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    /// The columns of r that hold text-coloured (dark) pixels: first and last, or -1.
    static std::pair<int, int> Ink(const QImage& image, const TRect& r) {
        int first = -1;
        int last = -1;
        for (int x = r.Left; x < r.Right; ++x)
            for (int y = r.Top; y < r.Bottom; ++y)
                if (image.pixelColor(x, y).lightness() < 100) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }
};

TEST_F(LabelTest, AutoSizeFitsTheCaptionInTheLabelsFont) {
    auto* label = Make<TLabel>(10, 10);
    label->SetCaption("中文标签");
    EXPECT_EQ(label->Width(), TextSize(label, "中文标签").cx);
    EXPECT_EQ(label->Height(), TextSize(label, "中文标签").cy);
    label->Font()->SetHeight(-24);
    EXPECT_EQ(label->Width(), TextSize(label, "中文标签").cx);
    EXPECT_GT(label->Height(), 24);

    // Right-justified, the label grows to the left.
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("更长的中文标签");
    EXPECT_EQ(label->Left() + label->Width(), right);

    // Word-wrapped, the width stays and the height takes the lines.
    label->SetWordWrap(true);
    label->SetWidth(TextSize(label, "更长的").cx + 2);
    label->SetCaption("更长的中文标签！");
    EXPECT_EQ(label->Width(), TextSize(label, "更长的").cx + 2);
    EXPECT_GE(label->Height(), 2 * TextSize(label, "更").cy);

    label->SetAutoSize(false);
    label->SetCaption("短");
    EXPECT_GE(label->Height(), 2 * TextSize(label, "更").cy);
}

TEST_F(LabelTest, CaptionIsPaintedOnTheParentWithItsAlignmentAndLayout) {
    auto* label = Make<TLabel>(20, 20);
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 200, 60);
    label->SetColor(clWhite);
    label->SetCaption("属性");
    const int text = TextSize(label, "属性").cx;
    struct Case {
        TAlignment Alignment;
        int Left;
    };
    const Case cases[] = {
        {taLeftJustify, 20}, {taCenter, 20 + (200 - text) / 2}, {taRightJustify, 220 - text}};
    for (const Case& c : cases) {
        label->SetAlignment(c.Alignment);
        const QImage image = Shot();
        const auto [first, last] = Ink(image, label->BoundsRect());
        EXPECT_NEAR(first, c.Left, 3) << c.Alignment;
        EXPECT_NEAR(last, c.Left + text, 4) << c.Alignment;
        EXPECT_EQ(image.pixelColor(21, 75), QColor(Qt::white)) << "the label's colour behind";
    }
    // At the bottom, nothing is drawn in the top half.
    label->SetLayout(tlBottom);
    const QImage image = Shot();
    EXPECT_EQ(Ink(image, Rect(20, 20, 220, 45)).first, -1);
    EXPECT_NE(Ink(image, Rect(20, 45, 220, 80)).first, -1);
    // Transparent, the form shows through.
    label->SetTransparent(true);
    EXPECT_NE(Shot().pixelColor(21, 22), QColor(Qt::white));
}

TEST_F(LabelTest, FocusControlForgetsAFreedControl) {
    auto* label = Make<TLabel>(10, 10);
    auto* edit = Make<TEdit>(10, 40);
    label->SetFocusControl(edit);
    EXPECT_EQ(GetObjectProp(label, "FocusControl"), edit);
    edit->Free();
    EXPECT_EQ(label->FocusControl(), nullptr);
}
} // namespace

// Fonts, colours and pictures of the graphics layer in component streams.

#include <gtest/gtest.h>

#include "StreamTestUtil.h"
#include "host/core/Stream.h"
#include "host/graphics/Graphics.h"
#include "host/streaming/ObjectText.h"

namespace {
/// A component with the graphics objects a control publishes.
class TFixImage : public TComponent {
    ZK_CLASS(TFixImage, TComponent)
    explicit TFixImage(TComponent* AOwner) : TComponent(AOwner) {}
    ~TFixImage() override {
        FFont->Free();
        FPicture->Free();
    }
    TFont* Font() const { return FFont; }
    void SetFont(TFont* v) { FFont->Assign(v); }
    TPicture* Picture() const { return FPicture; }
    void SetPicture(TPicture* v) { FPicture->Assign(v); }

private:
    TFont* FFont = new TFont;
    TPicture* FPicture = new TPicture;
};
void PublishImage(TPublisher& p) {
    p.Prop("Font", &TFixImage::Font, &TFixImage::SetFont);
    p.Prop("Picture", &TFixImage::Picture, &TFixImage::SetPicture);
}
} // namespace

ZK_IMPLEMENT_CLASS(TFixImage, TComponent, PublishImage)

TEST(StreamGraphics, FontColoursByNameAndPictureDataRoundTrip) {
    RegisterStreamFixtures();
    RegisterClass(TFixImage::StaticClass());
    auto* form = new TFixForm;
    form->SetName("F");
    auto* image = new TFixImage(form);
    image->SetName("Image1");
    image->Font()->SetColor(clRed);
    image->Font()->SetName("Noto Sans CJK SC");
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    image->Picture()->SetGraphic(&bitmap);
    std::string bytes = SaveToBytes(form);

    TStringStream in(bytes), text;
    ObjectBinaryToText(in, text);
    EXPECT_NE(text.DataString().find("    Font.Color = clRed\n"), std::string::npos);
    EXPECT_NE(text.DataString().find("    Picture.Data = {\n      07544269746D6170"),
              std::string::npos);

    TComponent* loaded = LoadFromBytes(bytes);
    auto* image2 = static_cast<TFixImage*>(loaded->FindComponent("Image1"));
    ASSERT_NE(image2, nullptr);
    EXPECT_EQ(image2->Font()->Color(), clRed);
    EXPECT_EQ(image2->Font()->Name(), "Noto Sans CJK SC");
    ASSERT_TRUE(image2->Picture()->Graphic() && image2->Picture()->Graphic()->Is<TBitmap>());
    EXPECT_EQ(image2->Picture()->Width(), 3);
    EXPECT_EQ(image2->Picture()->Height(), 2);
    EXPECT_EQ(Hex(bytes), Hex(SaveToBytes(loaded)));
    loaded->Free();
    form->Free();
}

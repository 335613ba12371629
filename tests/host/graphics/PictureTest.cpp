// Pictures and bitmaps: file round trips per format, bad files, streamed bytes, assignment.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include "host/graphics/Graphics.h"

namespace {

class Picture_Files : public testing::Test {
protected:
    QTemporaryDir dir;
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
    void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static void Paint(TBitmap& b) {
        b.SetSize(30, 20);
        b.Canvas()->Brush()->SetColor(clRed);
        b.Canvas()->FillRect(Rect(0, 0, 15, 20));
        b.Canvas()->Brush()->SetColor(clBlue);
        b.Canvas()->FillRect(Rect(15, 0, 30, 20));
    }
};

TEST_F(Picture_Files, EachFormatSavesAndLoadsBackInItsOwnClass) {
    struct Case {
        const char* file;
        TClass cls;
        bool exactPixels;
    };
    for (Case c : {Case{"a.bmp", TBitmap::StaticClass(), true},
                   Case{"a.png", TPngImage::StaticClass(), true},
                   Case{"a.jpg", TJPEGImage::StaticClass(), false},
                   Case{"a.JPEG", TJPEGImage::StaticClass(), false}}) {
        SCOPED_TRACE(c.file);
        TPicture source;
        TGraphic* g = static_cast<TGraphic*>(c.cls->Create(nullptr));
        Paint(*static_cast<TBitmap*>(g));
        source.SetGraphic(g);
        g->Free();
        ASSERT_EQ(source.Graphic()->ClassType(), c.cls);
        source.SaveToFile(Path(c.file));

        TPicture loaded;
        loaded.LoadFromFile(Path(c.file));
        ASSERT_NE(loaded.Graphic(), nullptr);
        EXPECT_EQ(loaded.Graphic()->ClassType(), c.cls);
        EXPECT_EQ(loaded.Width(), 30);
        EXPECT_EQ(loaded.Height(), 20);
        TBitmap* b = static_cast<TBitmap*>(loaded.Graphic());
        if (c.exactPixels) {
            EXPECT_EQ(b->Canvas()->Pixels(0, 0), clRed);
            EXPECT_EQ(b->Canvas()->Pixels(29, 19), clBlue);
        } else {
            EXPECT_GT(GetRValue(b->Canvas()->Pixels(2, 2)), 200);
            EXPECT_GT(GetBValue(b->Canvas()->Pixels(27, 17)), 200);
        }
    }
}

TEST_F(Picture_Files, MonochromeBitmapStaysMonochrome) {
    TBitmap b;
    b.SetMonochrome(true);
    b.SetSize(9, 9);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, 9, 9));
    b.Canvas()->SetPixels(3, 3, clBlack);
    b.SaveToFile(Path("mono.bmp"));
    TBitmap back;
    back.LoadFromFile(Path("mono.bmp"));
    EXPECT_TRUE(back.Monochrome());
    EXPECT_EQ(back.Canvas()->Pixels(3, 3), clBlack);
    EXPECT_EQ(back.Canvas()->Pixels(4, 3), clWhite);
}

TEST_F(Picture_Files, MissingDamagedAndUnknownFilesRaiseAndKeepTheGraphic) {
    TPicture p;
    Paint(*p.Bitmap());
    TGraphic* before = p.Graphic();
    EXPECT_THROW(p.LoadFromFile(Path("missing.png")), EFOpenError);
    Write(Path("junk.png"), "this is not a picture at all");
    EXPECT_THROW(p.LoadFromFile(Path("junk.png")), EInvalidGraphic);
    Write(Path("empty.bmp"), "");
    EXPECT_THROW(p.LoadFromFile(Path("empty.bmp")), EInvalidGraphic);
    // A real PNG cut short.
    p.SaveToFile(Path("whole.bmp"));
    TPicture png;
    png.Assign(p.Graphic());
    TPngImage full;
    full.Assign(p.Bitmap());
    full.SaveToFile(Path("whole.png"));
    std::ifstream in(Path("whole.png"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Write(Path("cut.png"), bytes.substr(0, 40));
    EXPECT_THROW(p.LoadFromFile(Path("cut.png")), EInvalidGraphic);
    Write(Path("a.xyz"), bytes);
    EXPECT_THROW(p.LoadFromFile(Path("a.xyz")), EInvalidGraphic);
    EXPECT_EQ(p.Graphic(), before);
    EXPECT_EQ(p.Width(), 30);
    TBitmap b;
    EXPECT_THROW(b.SaveToFile(Path("no/such/dir/x.bmp")), Exception);
}

TEST_F(Picture_Files, DataBytesCarryTheClassNameAndRoundTrip) {
    TPicture p;
    TPngImage png;
    Paint(png);
    p.SetGraphic(&png);
    const std::vector<uint8_t> data = p.SaveToData();
    ASSERT_GT(data.size(), 14u);
    EXPECT_EQ(data[0], 9);
    EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 10), "TPngImage");
    EXPECT_EQ(data[10] | data[11] << 8 | data[12] << 16 | data[13] << 24, int(data.size() - 14));
    EXPECT_EQ(std::string(data.begin() + 15, data.begin() + 18), "PNG");

    TPicture q;
    q.LoadFromData(data);
    EXPECT_EQ(q.Graphic()->ClassName(), "TPngImage");
    EXPECT_EQ(q.Bitmap()->Canvas()->Pixels(29, 0), clBlue);

    TPicture empty;
    EXPECT_EQ(empty.SaveToData(), std::vector<uint8_t>{0});
    q.LoadFromData({0});
    EXPECT_EQ(q.Graphic(), nullptr);

    std::vector<uint8_t> bad = data;
    bad[1] = 'X';
    EXPECT_THROW(q.LoadFromData(bad), EInvalidGraphic);
    EXPECT_THROW(q.LoadFromData(std::vector<uint8_t>(data.begin(), data.begin() + 20)),
                 EInvalidGraphic);
    EXPECT_THROW(q.LoadFromData({}), EInvalidGraphic);
}

TEST(Picture_Graphic, AssignCopiesAndBitmapReplacesOtherFormats) {
    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(p.Graphic(), nullptr);
    EXPECT_EQ(p.Width(), 0);
    TBitmap* b = p.Bitmap();
    EXPECT_EQ(changes, 1);
    b->SetSize(3, 4);
    EXPECT_EQ(changes, 2) << "a change of the graphic is a change of the picture";
    EXPECT_EQ(p.Height(), 4);

    TPicture copy;
    copy.Assign(&p);
    EXPECT_NE(copy.Graphic(), p.Graphic());
    EXPECT_EQ(copy.Width(), 3);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);

    TJPEGImage jpeg;
    jpeg.SetSize(2, 2);
    p.SetGraphic(&jpeg);
    EXPECT_EQ(p.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_TRUE(p.Graphic()->Is<TBitmap>());
    EXPECT_EQ(FindClass("TPngImage"), TPngImage::StaticClass());
    EXPECT_EQ(TPicture::FileFormatClass(".PNG"), TPngImage::StaticClass());
    EXPECT_EQ(TPicture::FileFormatClass("gif"), nullptr);
    const std::string filter = GraphicFilter(TGraphic::StaticClass());
    EXPECT_NE(filter.find("*.bmp;*.png;*.jpg"), std::string::npos) << filter;
    EXPECT_NE(filter.find("|PNG 图像 (*.png)|*.png"), std::string::npos) << filter;
}

} // namespace

#include "host/core/Stream.h"

namespace {

TEST(Picture_Stream, GraphicAndPictureDataTravelThroughStreams) {
    TBitmap b;
    b.SetSize(5, 6);
    b.Canvas()->SetPixels(1, 1, clRed);
    TMemoryStream stream;
    const char head[] = "xy";
    stream.WriteBuffer(head, 2);
    b.SaveToStream(&stream);
    stream.SetPosition(2);
    TBitmap back;
    back.LoadFromStream(&stream);
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Canvas()->Pixels(1, 1), clRed);

    TPicture p;
    p.SetGraphic(&b);
    TMemoryStream data;
    p.WriteData(&data);
    EXPECT_EQ(data.Size(), int64_t(p.SaveToData().size()));
    data.SetPosition(0);
    TPicture q;
    q.ReadData(&data);
    EXPECT_EQ(q.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(q.Height(), 6);
}

} // namespace

// Fonts, pens and brushes: defaults, size/height conversion, change notification, handles.

#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

namespace {

TEST(Font_Defaults, MatchThePlatformAndArePublished) {
    TFont f;
    EXPECT_EQ(f.Name(), "MS Sans Serif");
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Color(), clWindowText);
    EXPECT_EQ(f.Charset(), DEFAULT_CHARSET);
    EXPECT_TRUE(f.Style().Empty());
    EXPECT_EQ(f.Pitch(), fpDefault);

    std::vector<std::string> names;
    for (const TPropInfo* p : GetPropList(&f))
        names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch",
                                               "Size", "Style"}));
    EXPECT_EQ(GetPropInfo(&f, "Color")->PropType->Name, "TColor");
    EXPECT_EQ(GetPropInfo(&f, "Charset")->PropType->Name, "TFontCharset");
    EXPECT_EQ(GetPropInfo(&f, "Name")->PropType->Name, "TFontName");
    EXPECT_EQ(GetPropInfo(&f, "Style")->PropType->Kind, tkSet);
    EXPECT_FALSE(IsStoredProp(&f, GetPropInfo(&f, "Size")));
    SetPropValue(&f, "Style", Variant(std::string("fsBold,fsItalic")));
    EXPECT_EQ(f.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(GetOrdProp(&f, "Color"), clWindowText);
}

TEST(Font_Size, ConvertsToNegativePixelHeightAt96Dpi) {
    struct Case {
        int size;
        int height;
    };
    for (Case c :
         {Case{8, -11}, Case{9, -12}, Case{10, -13}, Case{12, -16}, Case{14, -19}, Case{72, -96}}) {
        TFont f;
        f.SetSize(c.size);
        EXPECT_EQ(f.Height(), c.height) << c.size;
        EXPECT_EQ(f.Size(), c.size) << c.size;
    }
    TFont f;
    f.SetHeight(-24);
    EXPECT_EQ(f.Size(), 18);
    EXPECT_EQ(ToQFont(f).pixelSize(), 24);
}

TEST(Font_OnChange, FiresOncePerRealChange) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &f);
        ++changes;
    };
    f.SetSize(12);
    EXPECT_EQ(changes, 1);
    f.SetSize(12);
    f.SetHeight(-16);
    EXPECT_EQ(changes, 1);
    f.SetStyle({fsBold});
    f.SetColor(clRed);
    f.SetName("宋体");
    f.SetCharset(GB2312_CHARSET);
    EXPECT_EQ(changes, 5);
    TFont other;
    other.SetSize(20);
    f.Assign(&other);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(f.Height(), other.Height());
    EXPECT_EQ(f.Name(), "MS Sans Serif");
    EXPECT_EQ(f.Color(), clWindowText);
    EXPECT_THROW(f.Assign(nullptr), EConvertError);
}

TEST(Font_Family, MissingFamiliesFallBackToTheCjkFont) {
    ASSERT_TRUE(QFontDatabase::hasFamily("Noto Sans CJK SC"));
    EXPECT_EQ(MapFontFamily("MS Sans Serif"), "Noto Sans CJK SC");
    EXPECT_EQ(MapFontFamily("宋体"), "Noto Sans CJK SC");
    EXPECT_EQ(MapFontFamily("Noto Sans CJK SC"), "Noto Sans CJK SC");
    TFont f;
    f.SetStyle({fsBold, fsUnderline});
    const QFont q = ToQFont(f);
    EXPECT_EQ(QFontInfo(q).family(), "Noto Sans CJK SC");
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
}

TEST(Font_Handle, DescribesTheFontAndIsReplacedOnChange) {
    TFont f;
    f.SetStyle({fsItalic});
    HFONT h = f.Handle();
    LOGFONT lf;
    ASSERT_TRUE(GetObject(h, &lf));
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfFaceName, "MS Sans Serif");
    f.SetHeight(-20);
    EXPECT_FALSE(GetObject(h, &lf)) << "the old font object is deleted";

    LOGFONT bold;
    bold.lfHeight = -30;
    bold.lfWeight = FW_BOLD;
    bold.lfFaceName = "Arial";
    TFont g;
    g.SetHandle(CreateFontIndirect(&bold));
    EXPECT_EQ(g.Height(), -30);
    EXPECT_EQ(g.Style(), TFontStyles{fsBold});
    EXPECT_EQ(g.Name(), "Arial");
}

TEST(PenBrush_Defaults, MatchThePlatformAndArePublishedWithDefaults) {
    TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Mode(), pmCopy);
    for (const char* name : {"Color", "Mode", "Style", "Width"})
        EXPECT_TRUE(IsDefaultPropValue(&pen, GetPropInfo(&pen, name))) << name;
    pen.SetMode(pmXor);
    EXPECT_FALSE(IsDefaultPropValue(&pen, GetPropInfo(&pen, "Mode")));
    EXPECT_EQ(GetEnumProp(&pen, "Mode"), "pmXor");

    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    for (const char* name : {"Color", "Style"})
        EXPECT_TRUE(IsDefaultPropValue(&brush, GetPropInfo(&brush, name))) << name;
    EXPECT_EQ(GetPropInfo(&brush, "Color")->PropType->Name, "TColor");
}

TEST(PenBrush_OnChange, FiresOncePerRealChange) {
    TPen pen;
    TBrush brush;
    int penChanges = 0, brushChanges = 0;
    pen.OnChange = [&](TObject*) { ++penChanges; };
    brush.OnChange = [&](TObject*) { ++brushChanges; };
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetStyle(psDot);
    pen.SetMode(pmNot);
    EXPECT_EQ(penChanges, 4);
    brush.SetStyle(bsClear);
    brush.SetColor(clBlue);
    EXPECT_EQ(brush.Style(), bsSolid) << "a coloured brush is solid";
    EXPECT_EQ(brushChanges, 2);
    TBrush other;
    brush.Assign(&other);
    EXPECT_EQ(brushChanges, 3);
    EXPECT_EQ(brush.Color(), clWhite);
}

TEST(Pen_Handle, AdoptsAnExtendedPenWithItsDashPattern) {
    LOGBRUSH lb;
    lb.lbColor = RGB(128, 128, 128);
    const DWORD dashes[] = {4, 4};
    HPEN h = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 1, &lb, 2,
                          dashes);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 0x11207u);
    TPen pen;
    int changes = 0;
    pen.OnChange = [&](TObject*) { ++changes; };
    pen.SetHandle(h);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pen.Handle(), h);
    EXPECT_EQ(pen.Color(), TColor(RGB(128, 128, 128)));
    EXPECT_EQ(pen.Width(), 1);
    // The pen owns it now: a change deletes it, and deleting it again is refused.
    pen.SetColor(clRed);
    EXPECT_FALSE(DeleteObject(h));

    // Code that deletes the handle it gave away leaves the pen whole.
    HPEN given = ExtCreatePen(0x11207, 1, &lb, 2, dashes);
    pen.SetHandle(given);
    EXPECT_TRUE(DeleteObject(given));
    EXTLOGPEN lp;
    EXPECT_TRUE(GetObject(pen.Handle(), &lp)) << "a fresh pen object";
    EXPECT_EQ(lp.elpColor, RGB(128, 128, 128));
}

} // namespace

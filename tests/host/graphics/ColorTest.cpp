// Colours: the platform's values, palette mapping of system colours, and text conversion.

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

#include "host/graphics/GdiApi.h"
#include "host/graphics/Graphics.h"
#include "host/qt/Gdi_p.h"

namespace {

TEST(Color_Values, AreThePlatformsNumbers) {
    EXPECT_EQ(clBlack, 0);
    EXPECT_EQ(clRed, 0x0000FF);
    EXPECT_EQ(clBlue, 0xFF0000);
    EXPECT_EQ(clWhite, 0xFFFFFF);
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(clDefault, 0x20000000);
    EXPECT_EQ(uint32_t(clBtnFace), 0x8000000Fu);
    EXPECT_EQ(uint32_t(clWindowText), 0x80000008u);
    EXPECT_EQ(uint32_t(clInfoBk), 0x80000018u);
}

TEST(Color_ToRGB, SystemColoursFollowThePaletteAndPlainOnesPassThrough) {
    const QPalette pal = QApplication::palette();
    struct Case {
        TColor color;
        QPalette::ColorRole role;
    };
    for (Case c : {Case{clBtnFace, QPalette::Button}, Case{clWindow, QPalette::Base},
                   Case{clWindowText, QPalette::Text}, Case{clHighlight, QPalette::Highlight},
                   Case{clBtnShadow, QPalette::Dark}, Case{clBtnHighlight, QPalette::Light},
                   Case{clInfoBk, QPalette::ToolTipBase}}) {
        const QColor q = pal.color(QPalette::Active, c.role);
        EXPECT_EQ(ColorToRGB(c.color), int32_t(RGB(q.red(), q.green(), q.blue())))
            << ColorToString(c.color);
        EXPECT_EQ(ToQColor(c.color).rgb(), q.rgb()) << ColorToString(c.color);
    }
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00C08040), QColor(0x40, 0x80, 0xC0));
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
}

TEST(Color_String, NamesAndHexRoundTrip) {
    struct Case {
        TColor color;
        const char* text;
    };
    for (Case c :
         {Case{clRed, "clRed"}, Case{clBtnFace, "clBtnFace"}, Case{clNone, "clNone"},
          Case{clDefault, "clDefault"}, Case{clSilver, "clSilver"}, Case{0x00C08040, "$00C08040"},
          Case{0x00000001, "$00000001"}, Case{TColor(0x80000040), "$80000040"}}) {
        EXPECT_EQ(ColorToString(c.color), c.text);
        EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    }
    EXPECT_EQ(StringToColor("CLRED"), clRed);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("$FF"), clRed);
    EXPECT_EQ(StringToColor("-2147483633"), clBtnFace);
    EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
    EXPECT_THROW(StringToColor(""), EConvertError);
}

TEST(Color_Names, EnumerationListsEachNameOnceAndEachMapsBack) {
    std::vector<std::string> names;
    GetColorValues([&](const std::string& n) { names.push_back(n); });
    ASSERT_GE(names.size(), 45u);
    EXPECT_EQ(names.front(), "clBlack");
    EXPECT_EQ(names[15], "clWhite");
    for (const std::string& n : names) {
        int32_t value = 0;
        ASSERT_TRUE(IdentToColor(n, value)) << n;
        EXPECT_EQ(ColorToString(value), n);
        EXPECT_EQ(std::count(names.begin(), names.end(), n), 1) << n;
    }
}

} // namespace

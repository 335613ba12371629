// The package's registration: one palette page with the designer alone, its glyph, and the
// designer's class known to the stream reader.
#include <gtest/gtest.h>

#include <algorithm>

#include "design/DesignCommon.h"
#include "design/Registration.h"
#include "host/core/ComponentPalette.h"
#include "host/core/Resources.h"
#include "host/graphics/Graphics.h"

namespace {

TEST(Registration, TheDesignerStandsAloneOnItsPalettePage) {
    Register();
    const std::vector<TClass> page = GetPaletteClasses("Zk控件");
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0], TZkFormDesigner::StaticClass());
    for (const std::string& name : GetPalettePages())
        for (TClass cls : GetPaletteClasses(name))
            EXPECT_FALSE(cls->InheritsFrom(TDesignControl::StaticClass())) << name;
    Register();
    EXPECT_EQ(GetPaletteClasses("Zk控件").size(), 1u) << "registering again adds nothing";
    EXPECT_EQ(FindClass("tzkformdesigner"), TZkFormDesigner::StaticClass());
}

TEST(Registration, TheGlyphIsA23By24BitmapNamedAfterTheClass) {
    TBitmap glyph;
    glyph.LoadFromBytes(ResourceData(UpperCase(TZkFormDesigner::StaticClass()->ClassName())));
    EXPECT_EQ(glyph.Width(), 23);
    EXPECT_EQ(glyph.Height(), 24);
    EXPECT_EQ(ResourceData("TZKFORMDESIGNER")[28], 8) << "256 colours: 8 bits a pixel";
}

TEST(ComponentPalette, PagesKeepTheirOrderAndLoseClassesTakenOff) {
    RegisterComponents("甲", {TZkControlSelection::StaticClass()});
    RegisterComponents("乙", {TOperateHistory::StaticClass()});
    RegisterComponents("甲", {TOperateHistory::StaticClass()});
    const auto pages = GetPalettePages();
    const auto a = std::find(pages.begin(), pages.end(), "甲");
    ASSERT_NE(a, pages.end());
    EXPECT_EQ(*(a + 1), "乙");
    EXPECT_EQ(GetPaletteClasses("甲").size(), 1u) << "a class stays on its first page";
    UnRegisterComponents({TOperateHistory::StaticClass(), TZkControlSelection::StaticClass()});
    EXPECT_TRUE(GetPaletteClasses("甲").empty());
    const auto left = GetPalettePages();
    EXPECT_EQ(std::count(left.begin(), left.end(), "乙"), 0) << "an emptied page goes";
}

} // namespace

// The package loaded and unloaded at run time: its units start once, in order, with the first
// load and end, in reverse order, with the last unload.
#include <gtest/gtest.h>

#include "host/core/Object.h"
#include "host/core/Package.h"
#include "host/core/Resources.h"

namespace {

std::vector<std::string> LogSince(size_t from) {
    const auto& log = UnitLog();
    return {log.begin() + long(from), log.end()};
}

TEST(Package, UnitsStartWithTheFirstLoadAndEndWithTheLastUnload) {
    ASSERT_EQ(GetClass("TZkFormDesigner"), nullptr) << "this program does not link the package";
    const size_t start = UnitLog().size();

    HMODULE first = LoadPackage(ZK_PACKAGE_FILE);
    EXPECT_EQ(LogSince(start),
              (std::vector<std::string>{"+ZkPopupList", "+ObjectInsp", "+DesignCommon"}));
    EXPECT_NE(GetClass("TZkFormDesigner"), nullptr) << "a stream may name the designer";
    EXPECT_NE(FindResource("TZkFormDesigner"), nullptr) << "the palette glyph";

    HMODULE second = LoadPackage(ZK_PACKAGE_FILE);
    EXPECT_EQ(second, first);
    EXPECT_EQ(LogSince(start).size(), 3u) << "a second load starts nothing again";

    UnloadPackage(second);
    EXPECT_EQ(LogSince(start).size(), 3u) << "unloading one of two loads ends nothing";

    UnloadPackage(first);
    EXPECT_EQ(LogSince(start + 3),
              (std::vector<std::string>{"-DesignCommon", "-ObjectInsp", "-ZkPopupList"}));
    EXPECT_EQ(GetClass("TZkFormDesigner"), nullptr);
    EXPECT_EQ(FindResource("TZkFormDesigner"), nullptr);
}

TEST(Package, LoadingWhatIsNoLibraryRaises) {
    EXPECT_THROW(LoadPackage("/nonexistent/libnothing.so"), EPackageError);
    EXPECT_NO_THROW(UnloadPackage(nullptr));
}

} // namespace

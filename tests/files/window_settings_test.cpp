// dat/qminit.ini: defaults, the width and item rules, and what is written when
// the window closes.
#include <gtest/gtest.h>

#include "files/window_settings.hpp"
#include "temp_data_root.hpp"
#include "text/gbk.hpp"

namespace qimen::files {
namespace {

using qimen::testing::TempDataRoot;
using qimen::testing::writeBytes;

TEST(WindowSettings, MissingFileGivesDefaults) {
    TempDataRoot root;
    auto read = readWindowSettings(root.path());
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(*read, WindowSettings{});
    EXPECT_EQ(read->fontName, "宋体");
    EXPECT_EQ(read->backgroundColour, 12635344);
    EXPECT_EQ(read->chartMethodItem, 1);
}

TEST(WindowSettings, StoredValuesAreRead) {
    TempDataRoot root;
    writeBytes(windowSettingsPath(root.path()),
               text::utf8ToGbk("[winpos]\r\nleft=5\r\nlistwid=10\r\n[minggao]\r\nfname=黑体\r\nsheng=40\r\n[set]\r\npanshi=2\r\n"));
    auto s = *readWindowSettings(root.path());
    EXPECT_EQ(s.left, 5);
    EXPECT_EQ(s.fontName, "黑体");
    EXPECT_EQ(effectiveListWidth(s.listWidth), 30);
    EXPECT_EQ(effectiveProvinceItem(s.province), 0);
    EXPECT_EQ(s.chartMethodItem, 2);  // a blank item: the next chart asks for a method
}

struct WidthCase {
    long stored, list, memo;
};
class WidthRule : public ::testing::TestWithParam<WidthCase> {};
TEST_P(WidthRule, SmallWidthsAreRaised) {
    EXPECT_EQ(effectiveListWidth(GetParam().stored), GetParam().list);
    EXPECT_EQ(effectiveMemoWidth(GetParam().stored), GetParam().memo);
}
INSTANTIATE_TEST_SUITE_P(Widths, WidthRule,
                         ::testing::Values(WidthCase{10, 30, 50}, WidthCase{30, 30, 50}, WidthCase{31, 31, 50},
                                           WidthCase{50, 50, 50}, WidthCase{51, 51, 51}, WidthCase{-5, 30, 50}));

TEST(WindowSettings, ItemRules) {
    EXPECT_EQ(effectiveProvinceItem(34), 34);
    EXPECT_EQ(effectiveProvinceItem(35), 0);
    EXPECT_EQ(effectiveProvinceItem(-1), 0);
    EXPECT_EQ(effectiveCityItem(3, 4), 3);
    EXPECT_EQ(effectiveCityItem(4, 4), 0);
    EXPECT_EQ(effectiveCityItem(-1, 4), 0);
}

TEST(WindowSettings, MaximizedCloseKeepsTheNormalBounds) {
    TempDataRoot root;
    WindowSettings normal;
    normal.left = 100;
    normal.width = 800;
    ASSERT_TRUE(writeWindowSettings(root.path(), normal));
    WindowSettings maximized = normal;
    maximized.state = 2;
    maximized.left = 0;
    maximized.width = 1920;
    maximized.fontSize = 14;
    ASSERT_TRUE(writeWindowSettings(root.path(), maximized));
    auto s = *readWindowSettings(root.path());
    EXPECT_EQ(s.state, 2);
    EXPECT_EQ(s.left, 100);
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.fontSize, 14);
}

TEST(WindowSettings, WriteKeepsTheClassList) {
    TempDataRoot root;
    writeBytes(windowSettingsPath(root.path()), text::utf8ToGbk("[classes]\r\ncount=1\r\n1=求财\r\n"));
    ASSERT_TRUE(writeWindowSettings(root.path(), WindowSettings{}));
    auto bytes = qimen::testing::readText(windowSettingsPath(root.path()));
    EXPECT_NE(bytes.find(text::utf8ToGbk("1=求财")), std::string::npos);
    EXPECT_NE(bytes.find(text::utf8ToGbk("fname=宋体")), std::string::npos);
}

TEST(WindowSettings, Utf8FileIsReportedAndKept) {
    TempDataRoot root;
    std::string utf8 = "[minggao]\r\nfname=黑体\r\n";
    writeBytes(windowSettingsPath(root.path()), utf8);
    auto read = readWindowSettings(root.path());
    EXPECT_NE(read.message().find("UTF-8"), std::string::npos);
    EXPECT_FALSE(writeWindowSettings(root.path(), WindowSettings{}));
    EXPECT_EQ(qimen::testing::readText(windowSettingsPath(root.path())), utf8);
}

}  // namespace
}  // namespace qimen::files

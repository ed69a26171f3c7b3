// The place table over dat/dili.ini: values, coordinates, range checks, and
// the add, change and delete operations on the file.
#include <gtest/gtest.h>

#include "../files/child_process.hpp"
#include "../files/temp_data_root.hpp"
#include "places/place_table.hpp"
#include "places/provinces.hpp"
#include "text/gbk.hpp"

namespace qimen::places {
namespace {

using qimen::testing::TempDataRoot;
using qimen::testing::readText;
using qimen::testing::writeBytes;

class PlaceTableTest : public ::testing::Test {
protected:
    void write(const std::string& utf8) { writeBytes(root.dat() / "dili.ini", text::utf8ToGbk(utf8)); }
    TempDataRoot root;
};

TEST(PlaceValueTest, SplitsAtFirstStarAndColon) {
    auto t = splitPlaceValue("119:18*26:5");
    EXPECT_EQ(t.longitudeDegrees, "119");
    EXPECT_EQ(t.longitudeMinutes, "18");
    EXPECT_EQ(t.latitudeDegrees, "26");
    EXPECT_EQ(t.latitudeMinutes, "5");
    auto odd = splitPlaceValue("1:2:3*4");
    EXPECT_EQ(odd.longitudeMinutes, "2:3");
    EXPECT_EQ(odd.latitudeDegrees, "4");
    EXPECT_EQ(odd.latitudeMinutes, "");
}

TEST(PlaceValueTest, MinutesAreAddedAlsoToNegativeDegrees) {
    auto value = parsePlaceValue("-75:30*40:45");
    ASSERT_TRUE(value);
    EXPECT_DOUBLE_EQ(longitudeOf(*value), -74.5);
    EXPECT_DOUBLE_EQ(latitudeOf(*value), 40.75);
    EXPECT_EQ(formatPlaceValue(*value), "-75:30*40:45");
}

struct RangeCase {
    PlaceValue value;
    const char* message;
};
class PlaceRange : public ::testing::TestWithParam<RangeCase> {};
TEST_P(PlaceRange, DialogLimits) { EXPECT_EQ(checkPlaceValue(GetParam().value).message(), GetParam().message); }
INSTANTIATE_TEST_SUITE_P(
    Limits, PlaceRange,
    ::testing::Values(RangeCase{{179, 59, 89, 59}, ""}, RangeCase{{-179, 0, -89, 0}, ""},
                      RangeCase{{180, 0, 30, 0}, "经度在-180到180之间，分数在0-60之间"},
                      RangeCase{{-180, 0, 30, 0}, "经度在-180到180之间，分数在0-60之间"},
                      RangeCase{{120, 60, 30, 0}, "经度在-180到180之间，分数在0-60之间"},
                      RangeCase{{120, -1, 30, 0}, "经度在-180到180之间，分数在0-60之间"},
                      RangeCase{{120, 0, 90, 0}, "纬度在-90到90之间，分数在0-60之间"},
                      RangeCase{{120, 0, -90, 0}, "纬度在-90到90之间，分数在0-60之间"},
                      RangeCase{{120, 0, 30, 60}, "纬度在-90到90之间，分数在0-60之间"},
                      RangeCase{{200, 0, 95, 0}, "经度在-180到180之间，分数在0-60之间"}));

TEST(PlaceValueTest, NonIntegerTextCountsAsOutOfRange) {
    EXPECT_EQ(placeValueOfTexts({"abc", "0", "30", "0"}).message(), "经度在-180到180之间，分数在0-60之间");
    EXPECT_EQ(placeValueOfTexts({"120", "0", "30", "x"}).message(), "纬度在-90到90之间，分数在0-60之间");
    EXPECT_EQ(placeValueOfTexts({"120", "0", "30", "0"}).valueOr({}), (PlaceValue{120, 0, 30, 0}));
}

TEST_F(PlaceTableTest, CitiesInFileOrderAndMissingOrEmptyValueIsDefault) {
    write("[福建省]\r\n福州=119:18*26:5\r\n无值=\r\n厦门=118:5*24:29\r\n");
    PlaceTable table(root.path());
    EXPECT_EQ(table.cities("福建省"), (std::vector<std::string>{"福州", "无值", "厦门"}));
    EXPECT_EQ(table.valueText("福建省", "无值"), "120:0*30:0");
    EXPECT_EQ(table.valueText("福建省", "没有"), "120:0*30:0");
    auto fuzhou = table.coordinates("福建省", "福州");
    EXPECT_DOUBLE_EQ(fuzhou.longitude, 119.3);
    EXPECT_NEAR(fuzhou.latitude, 26.0833, 1e-4);
    EXPECT_TRUE(table.cities("北京市").empty());
}

TEST_F(PlaceTableTest, UnknownPlaceIs120By30) {
    PlaceTable table(root.path());
    auto c = table.coordinates("未知地", "未知地");
    EXPECT_DOUBLE_EQ(c.longitude, 120.0);
    EXPECT_DOUBLE_EQ(c.latitude, 30.0);
    EXPECT_TRUE(table.cities("未知地").empty());
}

TEST_F(PlaceTableTest, MalformedValueGivesDefaultAndSaysSo) {
    write("[福建省]\r\n坏=东经119度\r\n");
    PlaceTable table(root.path());
    auto c = table.coordinates("福建省", "坏");
    EXPECT_FALSE(c.valid);
    EXPECT_DOUBLE_EQ(c.longitude, 120.0);
    EXPECT_NE(c.problem, "");
}

TEST_F(PlaceTableTest, SetAddsThenOverwritesWithoutASecondEntry) {
    write("[福建省]\r\n福州=119:18*26:5\r\n");
    PlaceTable table(root.path());
    EXPECT_TRUE(table.setPlace("福建省", "泉州", {118, 35, 24, 54}));
    EXPECT_TRUE(table.setPlace("福建省", "福州", {119, 17, 26, 4}));
    PlaceTable reread(root.path());
    EXPECT_EQ(reread.cities("福建省"), (std::vector<std::string>{"福州", "泉州"}));
    EXPECT_EQ(reread.valueText("福建省", "福州"), "119:17*26:4");
    EXPECT_NE(readText(root.dat() / "dili.ini").find(text::utf8ToGbk("泉州=118:35*24:54\r\n")), std::string::npos);
}

TEST_F(PlaceTableTest, RefusedChangesLeaveTheFile) {
    write("[福建省]\r\n福州=119:18*26:5\r\n");
    auto before = readText(root.dat() / "dili.ini");
    PlaceTable table(root.path());
    EXPECT_EQ(table.setPlace("福建省", "福州", {180, 0, 26, 5}).message(), "经度在-180到180之间，分数在0-60之间");
    EXPECT_FALSE(table.setPlace("未知地", "某地", {120, 0, 30, 0}));
    EXPECT_FALSE(table.setPlace("火星", "某地", {120, 0, 30, 0}));
    EXPECT_FALSE(table.setPlace("福建省", "一二三四五六七八九十一", {120, 0, 30, 0}));
    EXPECT_FALSE(table.setPlace("福建省", "a=b", {120, 0, 30, 0}));
    EXPECT_FALSE(table.setPlace("福建省", "", {120, 0, 30, 0}));
    EXPECT_FALSE(table.setPlace("福建省", "　", {120, 0, 30, 0}));  // spaces only count as empty
    EXPECT_EQ(readText(root.dat() / "dili.ini"), before);
}

TEST_F(PlaceTableTest, DeleteRemovesTheKeyOnly) {
    write("[福建省]\r\n福州=119:18*26:5\r\n厦门=118:5*24:29\r\n");
    PlaceTable table(root.path());
    EXPECT_TRUE(table.deletePlace("福建省", "福州"));
    EXPECT_FALSE(table.deletePlace("福建省", "福州"));
    EXPECT_EQ(PlaceTable(root.path()).cities("福建省"), std::vector<std::string>{"厦门"});
}

TEST_F(PlaceTableTest, Utf8TableIsReportedAndNotOverwritten) {
    writeBytes(root.dat() / "dili.ini", "[福建省]\r\n福州=119:18*26:5\r\n");
    PlaceTable table(root.path());
    EXPECT_NE(table.error().find("UTF-8"), std::string::npos);
    EXPECT_TRUE(table.cities("福建省").empty());
    EXPECT_FALSE(table.setPlace("福建省", "厦门", {118, 5, 24, 29}));
    EXPECT_EQ(readText(root.dat() / "dili.ini"), "[福建省]\r\n福州=119:18*26:5\r\n");
}

// Sixteen processes adding a place each at the same moment: each change is
// made on the file as the one before left it, so all sixteen are kept.
TEST_F(PlaceTableTest, ConcurrentChangesAreAllKept) {
    write("[福建省]\r\n福州=119:18*26:5\r\n");
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<std::unique_ptr<qimen::testing::Child>> children;
    for (int i = 0; i < 16; ++i) {
        children.push_back(std::make_unique<qimen::testing::Child>([&, i](int) {
            ::close(go[1]);
            char start;
            if (::read(go[0], &start, 1) < 0) return 2;
            return PlaceTable(root.path()).setPlace("福建省", "城" + std::to_string(i), {119, i, 26, 5}) ? 0 : 1;
        }));
    }
    ::close(go[0]);
    ::close(go[1]);
    for (auto& child : children) EXPECT_EQ(child->wait().code, 0);
    EXPECT_EQ(PlaceTable(root.path()).cities("福建省").size(), 17u);
}

}  // namespace
}  // namespace qimen::places

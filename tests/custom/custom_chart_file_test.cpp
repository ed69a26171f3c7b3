// dat/custom.dat: the 352-byte slot layout, the alias rule, and the class
// operations with reuse of free slots; damaged files from the corpus in
// tests/custom/data are read as far as they can be and never written.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "custom/custom_chart_file.hpp"
#include "files/fixed_fields.hpp"
#include "files/file_io.hpp"
#include "text/gbk.hpp"

namespace qimen::custom {
namespace {

using qimen::testing::fileBytes;
using qimen::testing::TempDataRoot;
namespace fs = std::filesystem;

CustomClass defaults(const std::string& name) {
    CustomClass c;
    c.name = name;
    c.yinDeities = {"直符", "螣蛇", "太阴", "六合", "白虎", "玄武", "九地", "九天"};
    c.yangDeities = {"直符", "螣蛇", "太阴", "六合", "勾陈", "朱雀", "九地", "九天"};
    c.stars = {"天英", "天蓬", "天芮", "天冲", "天辅", "天禽", "天心", "天柱", "天任"};
    c.heavenStems = {"乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    c.doors = {"景门", "休门", "死门", "伤门", "杜门", "开门", "惊门", "生门"};
    c.earthStems = c.heavenStems;
    c.palaces = {"离九", "坎一", "坤二", "震三", "巽四", "乾六", "兑七", "艮八"};
    c.dayStem = "日干";
    c.hourStem = "时干";
    c.leaderStar = "直符";
    c.leaderDoor = "直使";
    c.dayStemOnHeaven = true;
    c.useLeaderDoor = true;
    return c;
}

struct AliasCase {
    const char* input;
    const char* stored;  // nullptr when refused
};
class AliasRule : public ::testing::TestWithParam<AliasCase> {};
TEST_P(AliasRule, OneOrTwoDoubleByteCharacters) {
    auto stored = checkedAlias(GetParam().input);
    if (GetParam().stored) {
        ASSERT_TRUE(stored);
        EXPECT_EQ(*stored, GetParam().stored);
    } else {
        EXPECT_FALSE(stored) << GetParam().input;
    }
}
INSTANTIATE_TEST_SUITE_P(Aliases, AliasRule,
                         ::testing::Values(AliasCase{"乙", "乙　"}, AliasCase{"景门", "景门"}, AliasCase{"ab", nullptr},
                                           AliasCase{"a乙", nullptr}, AliasCase{"景门门", nullptr},
                                           AliasCase{"", nullptr}, AliasCase{"😀", nullptr},
                                           AliasCase{"ＡＢ", "ＡＢ"}));

TEST(CustomSlotLayout, FieldsAtTheirOffsets) {
    CustomClass c = defaults("我的类别");
    c.slotNumber = 3;
    CustomSlotImage image = *encodeCustomClass(c);
    auto gbk = [](const char* s) { return text::utf8ToGbk(s); };
    auto cell = [&](std::size_t offset, std::size_t size) { return std::string(files::cellBytes(image, offset, size)); };
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(image, 0), 3);
    EXPECT_EQ(image[4], 0);
    EXPECT_EQ(cell(5, 25), gbk("我的类别"));
    EXPECT_EQ(cell(30, 5), gbk("直符"));
    EXPECT_EQ(cell(70 + 4 * 5, 5), gbk("勾陈"));
    EXPECT_EQ(cell(110 + 8 * 5, 5), gbk("天任"));
    EXPECT_EQ(cell(155, 5), gbk("乙　"));
    EXPECT_EQ(cell(200 + 7 * 5, 5), gbk("生门"));
    EXPECT_EQ(cell(240 + 8 * 5, 5), gbk("癸　"));
    EXPECT_EQ(cell(285 + 7 * 5, 5), gbk("艮八"));
    EXPECT_EQ(cell(325, 5), gbk("日干"));
    EXPECT_EQ(image[330], 1);
    EXPECT_EQ(image[331], 0);
    EXPECT_EQ(cell(332, 5), gbk("时干"));
    EXPECT_EQ(cell(339, 5), gbk("直符"));
    EXPECT_EQ(image[344], 0);
    EXPECT_EQ(cell(345, 5), gbk("直使"));
    EXPECT_EQ(image[350], 1);
    EXPECT_EQ(image[351], 0);
    for (std::size_t i = 5 + 8; i < 30; ++i) EXPECT_EQ(image[i], 0) << i;
}

TEST(CustomSlotLayout, EncodingRefusesABadAliasNamingItsGroup) {
    CustomClass c = defaults("x");
    c.doors[2] = "d";
    auto image = encodeCustomClass(c);
    ASSERT_FALSE(image);
    EXPECT_NE(image.message().find("八门"), std::string::npos) << image.message();
}

class CustomFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto opened = file.open();
        ASSERT_TRUE(opened) << opened.message();
    }
    TempDataRoot root;
    fs::path path = CustomChartFile::pathIn(root.path());
    CustomChartFile file{path};
};

TEST_F(CustomFileTest, OpeningMissingFileMakesCountZero) {
    EXPECT_EQ(fileBytes(path), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_TRUE(file.listClasses()->empty());
}

TEST_F(CustomFileTest, DeletingTheOnlyClassKeepsCountAndNextAddReusesSlotZero) {
    ASSERT_EQ(file.addClass(defaults("A")).valueOr(-1), 0);
    EXPECT_EQ(fileBytes(path).size(), 4u + 352u);
    ASSERT_TRUE(file.deleteClass("A"));
    auto bytes = fileBytes(path);
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(bytes, 0), 1);
    EXPECT_EQ(bytes[4 + 4], 1);
    EXPECT_TRUE(file.listClasses()->empty());
    ASSERT_EQ(file.addClass(defaults("B")).valueOr(-1), 0);
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(fileBytes(path), 0), 1);
}

TEST_F(CustomFileTest, AddFillsTheFirstFreeSlot) {
    for (auto name : {"A", "B", "C"}) ASSERT_TRUE(file.addClass(defaults(name)));
    ASSERT_TRUE(file.deleteClass("B"));
    EXPECT_EQ(file.addClass(defaults("D")).valueOr(-1), 1);
    EXPECT_EQ(*file.listClasses(), (std::vector<std::string>{"A", "D", "C"}));
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(fileBytes(path), 4 + 352), 1);  // slotNumber
}

TEST_F(CustomFileTest, SameNameActsOnTheFirstLiveOne) {
    CustomClass first = defaults("同名");
    CustomClass second = defaults("同名");
    second.dayStem = "第二";
    ASSERT_TRUE(file.addClass(first));
    ASSERT_TRUE(file.addClass(second));
    EXPECT_EQ(file.readClass("同名")->dayStem, "日干");
    CustomClass changed = defaults("同名");
    changed.dayStem = "改";
    ASSERT_TRUE(file.updateClass("同名", changed));
    EXPECT_EQ(file.readClass("同名")->dayStem, "改　");
    ASSERT_TRUE(file.deleteClass("同名"));
    EXPECT_EQ(file.readClass("同名")->dayStem, "第二");
}

TEST_F(CustomFileTest, DeletedSlotWithTheNameIsSkipped) {
    ASSERT_TRUE(file.addClass(defaults("X")));
    ASSERT_TRUE(file.deleteClass("X"));
    EXPECT_FALSE(file.readClass("X"));
    EXPECT_FALSE(file.updateClass("X", defaults("X")));
    EXPECT_FALSE(file.deleteClass("X"));
}

TEST_F(CustomFileTest, UpdateWritesTheImageAsGiven) {
    ASSERT_TRUE(file.addClass(defaults("A")));
    ASSERT_TRUE(file.addClass(defaults("B")));
    ASSERT_TRUE(file.updateClass("B", defaults("B")));  // slotNumber 0 in the image
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(fileBytes(path), 4 + 352), 0);
    EXPECT_EQ(file.readClass("B")->doors, defaults("B").doors);
    EXPECT_EQ(file.readClass("B")->slotNumber, 0);
}

TEST_F(CustomFileTest, BadAliasLeavesTheFileUntouched) {
    auto before = fileBytes(path);
    CustomClass bad = defaults("A");
    bad.stars[0] = "星星星";
    auto added = file.addClass(bad);
    EXPECT_FALSE(added);
    EXPECT_NE(added.message().find("九星"), std::string::npos);
    EXPECT_EQ(fileBytes(path), before);
}

struct DamagedCustom {
    const char* file;
    std::size_t listed;  // classes still listed
    const char* reason;
};
class DamagedCustomFile : public ::testing::TestWithParam<DamagedCustom> {};

TEST_P(DamagedCustomFile, ListsWhatCanBeReadAndWritesNothing) {
    TempDataRoot root;
    auto path = CustomChartFile::pathIn(root.path());
    fs::create_directories(path.parent_path());
    fs::copy_file(fs::path(QIMEN_TEST_DATA_DIR) / GetParam().file, path);
    auto before = fileBytes(path);
    CustomChartFile file(path);
    ASSERT_TRUE(file.open());
    auto listed = file.listClasses();
    // An unreadable count lists nothing and fails; a count past the slots
    // lists the slots there are and warns.
    const std::string& why = listed ? file.lastWarning() : listed.message();
    EXPECT_EQ(listed.valueOr({}).size(), GetParam().listed);
    EXPECT_EQ(listed.ok(), GetParam().listed > 0);
    EXPECT_NE(why.find(GetParam().reason), std::string::npos) << why;
    EXPECT_FALSE(file.addClass(defaults("新")));
    EXPECT_FALSE(file.deleteClass("测试"));
    EXPECT_EQ(fileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(Corpus, DamagedCustomFile,
                         ::testing::Values(DamagedCustom{"TruncatedCount.dat", 0, "shorter than"},
                                           DamagedCustom{"NegativeCount.dat", 0, "slot count is -3"},
                                           DamagedCustom{"CountBeyondSlots.dat", 1, "counts 5 slots but holds 1"},
                                           DamagedCustom{"HugeCount.dat", 1, "holds 1"}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace qimen::custom

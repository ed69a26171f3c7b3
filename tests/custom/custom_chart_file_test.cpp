// dat/custom.dat: the 352-byte slot layout, the alias rule, and the class
// operations with reuse of free slots; damaged files from the corpus in
// tests/custom/data are read as far as they can be and never written.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "custom/alias_groups.hpp"
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
    CustomClass c = defaultCustomClass();
    c.name = name;
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
        ASSERT_FALSE(stored) << GetParam().input;
        EXPECT_EQ(stored.message(), kAliasRuleMessage);
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
    CustomSlotImage image = encodeCustomClass(c).value();
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
    EXPECT_EQ(cell(285 + 7 * 5, 5), gbk("艮８"));
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

// Each group's cells are read in the editor's order; the first bad alias
// names its group, whatever comes after it.
class BadAliasGroup : public ::testing::TestWithParam<AliasGroupInfo> {};
TEST_P(BadAliasGroup, RefusedWithItsGroupsMessage) {
    CustomClass c = defaults("x");
    aliasCells(c, GetParam().group).back() = "d";
    aliasCells(c, AliasGroup::LeaderDoor)[0] = "坏了的别名";  // later groups do not count
    auto image = encodeCustomClass(c);
    ASSERT_FALSE(image);
    EXPECT_EQ(image.message(), aliasErrorMessage(GetParam().group));
}
INSTANTIATE_TEST_SUITE_P(Groups, BadAliasGroup, ::testing::ValuesIn(aliasGroups()),
                         [](const auto& info) { return std::string(info.param.control); });

TEST(CustomSlotLayout, GroupMessagesNameTheGroups) {
    const char* expected[] = {"神盘阴遁", "神盘阳遁", "九星", "天盘奇仪", "八门", "地盘奇仪",
                              "九宫",     "日干",     "时干", "直符",     "直使"};
    for (std::size_t i = 0; i < kAliasGroupCount; ++i)
        EXPECT_EQ(aliasErrorMessage(aliasGroups()[i].group), std::string(expected[i]) + "别名输入错误,别名必须为1-2个汉字");
}

TEST(CustomSlotLayout, DefaultsRoundTripAsStoredAliases) {
    CustomClass c = defaultCustomClass();
    EXPECT_FALSE(c.dayStemOnHeaven || c.dayStemOnEarth || c.hourStemOnHeaven || c.hourStemOnEarth || c.useLeaderStar ||
                 c.useLeaderDoor);
    CustomClass back = decodeCustomClass(encodeCustomClass(c).value());
    EXPECT_EQ(back.heavenStems[8], "癸　");
    EXPECT_EQ(back.stars, c.stars);
    EXPECT_EQ(back.palaces[7], "艮８");
    EXPECT_EQ(back.leaderStar, "直符");
}

TEST(CustomSlotLayout, NameOverTwentyFourBytesIsRefused) {
    EXPECT_TRUE(encodeCustomClass(defaults("十二个汉字十二个汉字十二")));
    auto image = encodeCustomClass(defaults("十三个汉字十三个汉字十三个"));
    ASSERT_FALSE(image);
    EXPECT_EQ(image.message(), kClassNameMessage);
    EXPECT_FALSE(isValidClassName(""));
    EXPECT_FALSE(isValidClassName(" 　 "));
    EXPECT_FALSE(isValidClassName("😀"));
    EXPECT_TRUE(isValidClassName("a"));
}

struct DisplayCase {
    const char* stored;
    const char* shown;
};
class DisplayAlias : public ::testing::TestWithParam<DisplayCase> {};
TEST_P(DisplayAlias, DamagedAliasesKeepTwoFullWidthPlaces) {
    EXPECT_EQ(displayAlias(GetParam().stored), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(Aliases, DisplayAlias,
                         ::testing::Values(DisplayCase{"景门", "景门"}, DisplayCase{"乙", "乙　"},
                                           DisplayCase{"", "　　"}, DisplayCase{"ab", "　　"},
                                           DisplayCase{"a景b", "景　"}, DisplayCase{"\xEF\xBF\xBD门", "门　"}));

class CustomFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file.open()); }
    std::vector<std::string> names() { return file.listClasses().value().names; }
    std::optional<CustomClass> read(std::string_view name) { return file.readClass(name).value(); }
    std::int32_t add(const CustomClass& c) { return file.addClass(c).value(); }
    bool update(std::string_view name, const CustomClass& c) { return file.updateClass(name, c).value(); }
    bool remove(std::string_view name) { return file.deleteClass(name).value(); }

    TempDataRoot root;
    fs::path path = CustomChartFile::pathIn(root.path());
    CustomChartFile file{path};
};

TEST_F(CustomFileTest, OpeningMissingFileMakesCountZero) {
    EXPECT_EQ(fileBytes(path), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_TRUE(names().empty());
}

TEST_F(CustomFileTest, DeletingTheOnlyClassKeepsCountAndNextAddReusesSlotZero) {
    ASSERT_EQ(add(defaults("A")), 0);
    EXPECT_EQ(fileBytes(path).size(), 4u + 352u);
    ASSERT_TRUE(remove("A"));
    auto bytes = fileBytes(path);
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(bytes, 0), 1);
    EXPECT_EQ(bytes[4 + 4], 1);
    EXPECT_TRUE(names().empty());
    ASSERT_EQ(add(defaults("B")), 0);
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(fileBytes(path), 0), 1);
}

TEST_F(CustomFileTest, AddFillsTheFirstFreeSlot) {
    for (auto name : {"A", "B", "C"}) add(defaults(name));
    ASSERT_TRUE(remove("B"));
    EXPECT_EQ(add(defaults("D")), 1);
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "D", "C"}));
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(fileBytes(path), 4 + 352), 1);  // slotNumber
}

// Files written elsewhere may hold two live classes of one name; this
// program never adds a second.
TEST_F(CustomFileTest, SameNameActsOnTheFirstLiveOne) {
    CustomClass first = defaults("同名");
    CustomClass second = defaults("另名");
    second.dayStem = "第二";
    add(first);
    add(second);
    EXPECT_EQ(file.addClass(defaults("同名")).message(), kDuplicateClassMessage);
    auto bytes = fileBytes(path);
    std::string gbk = text::utf8ToGbk("同名");
    std::copy(gbk.begin(), gbk.end(), bytes.begin() + 4 + 352 + 5);
    qimen::testing::writeBytes(path, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(names(), (std::vector<std::string>{"同名", "同名"}));
    EXPECT_EQ(read("同名")->dayStem, "日干");
    CustomClass changed = defaults("同名");
    changed.dayStem = "改";
    ASSERT_TRUE(update("同名", changed));
    EXPECT_EQ(read("同名")->dayStem, "改　");
    ASSERT_TRUE(remove("同名"));
    EXPECT_EQ(read("同名")->dayStem, "第二");
}

TEST_F(CustomFileTest, DeletedSlotWithTheNameIsSkipped) {
    add(defaults("X"));
    ASSERT_TRUE(remove("X"));
    EXPECT_FALSE(read("X"));
    EXPECT_FALSE(update("X", defaults("X")));
    EXPECT_FALSE(remove("X"));
}

TEST_F(CustomFileTest, UpdateWritesTheImageAsGiven) {
    add(defaults("A"));
    add(defaults("B"));
    ASSERT_TRUE(update("B", defaults("B")));  // slotNumber 0 in the image
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(fileBytes(path), 4 + 352), 0);
    EXPECT_EQ(read("B")->doors, defaults("B").doors);
    EXPECT_EQ(read("B")->slotNumber, 0);
}

TEST_F(CustomFileTest, RefusedClassesLeaveTheFileUntouched) {
    auto before = fileBytes(path);
    CustomClass bad = defaults("A");
    bad.stars[0] = "星星星";
    auto added = file.addClass(bad);
    ASSERT_FALSE(added);
    EXPECT_EQ(added.message(), "九星别名输入错误,别名必须为1-2个汉字");
    EXPECT_EQ(file.addClass(defaults("  ")).message(), kClassNameMessage);
    EXPECT_EQ(fileBytes(path), before);
}

struct DamagedCustom {
    const char* file;
    std::size_t listed;  // classes still listed; 0 when the listing fails
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
    auto listing = file.listClasses();
    std::string said = listing ? listing->damage : listing.message();
    EXPECT_EQ(listing ? listing->names.size() : 0u, GetParam().listed);
    EXPECT_NE(said.find(GetParam().reason), std::string::npos) << said;
    EXPECT_NE(said.find(path.string()), std::string::npos) << said;
    auto added = file.addClass(defaults("新"));
    ASSERT_FALSE(added);
    EXPECT_NE(added.message().find("没有写入任何改动"), std::string::npos) << added.message();
    EXPECT_FALSE(file.deleteClass("测试"));
    EXPECT_EQ(fileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(Corpus, DamagedCustomFile,
                         ::testing::Values(DamagedCustom{"TruncatedCount.dat", 0, "不足4个字节"},
                                           DamagedCustom{"NegativeCount.dat", 0, "类别数为-3"},
                                           DamagedCustom{"CountBeyondSlots.dat", 1, "记有5个类别位置,只存有1个"},
                                           DamagedCustom{"HugeCount.dat", 1, "只存有1个"}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace qimen::custom

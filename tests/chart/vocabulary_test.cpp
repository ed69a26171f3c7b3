// Every text table of the chart vocabulary, entry by entry, and the width
// of its GBK cells.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "chart/vocabulary.hpp"
#include "text/gbk.hpp"

namespace qimen::chart {
namespace {

struct Table {
    const char* name;
    std::function<std::string_view(int)> lookup;
    std::vector<const char*> texts;
    std::size_t gbkBytes;  // each text's GBK length (the cell less its zero)
};

std::vector<Table> tables() {
    auto deities = [](DeityList list) { return [list](int code) { return deityText(list, code); }; };
    return {
        {"Stems", stemText, {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "　"}, 2},
        {"Branches", branchText, {"亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"}, 2},
        {"Stars", starText, {"英", "蓬", "芮", "冲", "辅", "禽", "心", "柱", "任"}, 2},
        {"Doors", doorText, {"景", "休", "死", "伤", "杜", "中", "开", "惊", "生"}, 2},
        {"PalaceLabels", palaceLabelText, {"离９", "坎１", "坤２", "震３", "巽４", "中５", "乾６", "兑７", "艮８"}, 4},
        {"PalaceNames", palaceNameText, {"离", "坎", "坤", "震", "巽", "中", "乾", "兑", "艮"}, 2},
        {"Directions", directionText, {"正南", "正北", "西南", "正东", "东南", "中央", "西北", "正西", "东北"}, 4},
        {"PalaceDigits", palaceDigitText, {"９", "１", "２", "３", "４", "５", "６", "７", "８"}, 2},
        {"DeitiesW", deities(DeityList::W), {"直符", "螣蛇", "太阴", "六合", "太常", "白虎", "玄武", "九地", "九天"}, 4},
        {"DeitiesG", deities(DeityList::G), {"直符", "螣蛇", "太阴", "六合", "太常", "勾陈", "朱雀", "九地", "九天"}, 4},
        {"DeitiesFlyingYang", deities(DeityList::FlyingYang), {"符", "蛇", "阴", "合", "勾", "常", "雀", "地", "天"}, 2},
        {"DeitiesFlyingYin", deities(DeityList::FlyingYin), {"符", "蛇", "阴", "合", "虎", "常", "玄", "地", "天"}, 2},
        {"DeitiesYinPlate", deities(DeityList::YinPlate), {"符", "蛇", "阴", "合", "常", "虎", "玄", "地", "天"}, 2},
        {"SolarTerms", solarTermText,
         {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
          "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"},
         4},
        {"Elements", elementText, {"水", "木", "火", "土", "金"}, 2},
        {"Strengths", strengthText, {"旺", "相", "休", "囚", "死"}, 2},
        {"Weekdays", weekdayText, {"日", "一", "二", "三", "四", "五", "六"}, 2},
        {"DaySpirits", daySpiritText, {"太乙", "摄提", "轩辕", "招摇", "天符", "青龙", "咸池", "太阴", "天乙"}, 4},
        {"SmallSpirits", smallSpiritText,
         {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德", "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"}, 4},
        {"Officers", officerText, {"建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭"}, 2},
    };
}

class TextTable : public ::testing::TestWithParam<Table> {};

TEST_P(TextTable, EveryCodePrintsItsTextInItsCellWidth) {
    const Table& table = GetParam();
    for (std::size_t code = 0; code < table.texts.size(); ++code) {
        std::string_view text = table.lookup(static_cast<int>(code));
        EXPECT_EQ(text, table.texts[code]) << table.name << " code " << code;
        EXPECT_EQ(text::gbkLength(text), table.gbkBytes) << table.name << " code " << code;
    }
    EXPECT_THROW(table.lookup(static_cast<int>(table.texts.size())), std::out_of_range);
    EXPECT_THROW(table.lookup(-1), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(AllTables, TextTable, ::testing::ValuesIn(tables()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Numerals, JuNumbersOneToNine) {
    const char* expected[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int value = 1; value <= 9; ++value) EXPECT_EQ(numeralText(value), expected[value - 1]);
    EXPECT_THROW(numeralText(0), std::out_of_range);
}

TEST(FullWidthDigits, ZeroToNine) {
    EXPECT_EQ(fullWidthDigitText(0), "０");
    EXPECT_EQ(fullWidthDigitText(9), "９");
}

TEST(GanZhiText, SixtiethTermAndNeighbours) {
    EXPECT_EQ(ganZhiText(0), "癸亥");
    EXPECT_EQ(ganZhiText(1), "甲子");
    EXPECT_EQ(ganZhiText(11), "甲戌");
    EXPECT_EQ(ganZhiText(55), "戊午");
    EXPECT_EQ(ganZhiText(59), "壬戌");
}

TEST(DeityListChoice, ShenSelectsListGOnlyInYangDun) {
    EXPECT_EQ(rotatingDeityList(0, true), DeityList::W);
    EXPECT_EQ(rotatingDeityList(0, false), DeityList::W);
    EXPECT_EQ(rotatingDeityList(1, true), DeityList::G);
    EXPECT_EQ(rotatingDeityList(1, false), DeityList::W);
    EXPECT_EQ(rotatingDeityList(7, true), DeityList::G);
    EXPECT_EQ(flyingDeityList(true), DeityList::FlyingYang);
    EXPECT_EQ(flyingDeityList(false), DeityList::FlyingYin);
}

}  // namespace
}  // namespace qimen::chart

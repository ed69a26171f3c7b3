// Month, year and yin-plate charts, and the day and small charts laid for
// display, worked out by hand from their rules. Palaces in grid order
// 巽 离 坤 / 震 中 兑 / 艮 坎 乾, "deity star heaven door earth" (list W).
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "chart_test_support.hpp"

namespace qimen::chart {
namespace {

using testing::chartText;
using testing::hiddenText;
using testing::marksText;
using Grid = std::array<std::string, 9>;

struct MonthJuCase {
    GanZhiCode yearGZ;
    GanZhiCode startYear;
    int yuan;
    int ju;
};

class MonthChartJu : public ::testing::TestWithParam<MonthJuCase> {};

TEST_P(MonthChartJu, CountsBackToTheNearestJiaOrJiYear) {
    const MonthJuCase& c = GetParam();
    ChartRecord record;
    record.yangDun = true;
    record.yearGZ = c.yearGZ;
    YuanOfChart yuan = monthChartJu(record);
    EXPECT_EQ(yuan.startYear, c.startYear);
    EXPECT_EQ(yuan.yuan, c.yuan);
    EXPECT_FALSE(record.yangDun);
    EXPECT_EQ(record.ju, c.ju);
}

// 甲子 is its own start (子 → ju 1); 丙寅 counts back two to 甲子; 己巳 is its
// own start (巳 → 4); 癸亥 (0) counts back to 己未 (56, 未 → 7); 戊辰 (5)
// counts back to 甲子; 甲戌 (11, 戌 → 7).
INSTANTIATE_TEST_SUITE_P(Years, MonthChartJu,
                         ::testing::Values(MonthJuCase{1, 1, 0, 1}, MonthJuCase{3, 1, 0, 1}, MonthJuCase{6, 6, 1, 4},
                                           MonthJuCase{0, 56, 2, 7}, MonthJuCase{5, 1, 0, 1},
                                           MonthJuCase{11, 11, 2, 7}));

struct YearJuCase {
    int year;
    GanZhiCode yearGZ;
    int yuan;
};

class YearChartJu : public ::testing::TestWithParam<YearJuCase> {};

TEST_P(YearChartJu, FollowsTheThreeSixtyYearEras) {
    const YearJuCase& c = GetParam();
    ChartRecord record;
    record.computeDate = {static_cast<std::int16_t>(c.year), 6, 1, 12, 0};
    record.yearGZ = c.yearGZ;
    YuanOfChart yuan = yearChartJu(record);
    EXPECT_EQ(yuan.yuan, c.yuan);
    EXPECT_EQ(record.ju, 1 + 3 * c.yuan);
    EXPECT_FALSE(record.yangDun);
}

// 2000 after 立春 (庚辰 17): c = 50, 下元, ju 7. 1864 甲子 upper, 1923 癸亥
// upper, 1924 甲子 middle, 1983 middle, 1984 lower; January 1984 before
// 立春 (still 癸亥, 0) counts as middle.
INSTANTIATE_TEST_SUITE_P(Years, YearChartJu,
                         ::testing::Values(YearJuCase{2000, 17, 2}, YearJuCase{1864, 1, 0}, YearJuCase{1923, 0, 0},
                                           YearJuCase{1924, 1, 1}, YearJuCase{1983, 0, 1}, YearJuCase{1984, 1, 2},
                                           YearJuCase{1984, 0, 1}));

TEST(MonthChart, YinOneWithTheBingYinMonth) {
    // A 甲子 year: ju 1 yin. Month 丙寅 (3) in the 甲子 xun: earth yin 1:
    // 1戊 9己 8庚 7辛 6壬 5癸 4丁 3丙 2乙; 戊 in 坎 (a = 0). 丙 in 震: b = 2.
    // 值使 休: 1 − 2 → 8 (艮), c = 1. No marks, no month general.
    ChartRecord record;
    record.yearGZ = 1;
    record.monthGZ = 3;
    monthChartJu(record);
    layMonthChart(record);
    Grid expected = {"九天 任 庚 伤 丁", "九地 冲 丙 杜 己", "玄武 辅 丁 景 乙",
                     "直符 蓬 戊 生 丙", "太常 禽 癸 中 癸", "白虎 英 己 死 辛",
                     "螣蛇 心 壬 休 庚", "太阴 柱 辛 开 戊", "六合 芮 乙 惊 壬"};
    EXPECT_EQ(chartText(record), expected);
    EXPECT_EQ(record.xunHead, 1);
    EXPECT_EQ(record.leaderStarPalace, 3);
    EXPECT_EQ(record.leaderDoorPalace, 8);
    EXPECT_EQ(record.monthGeneral, 0);
    EXPECT_EQ(record.plateEcho, 0);
    for (const auto& marks : marksText(record)) EXPECT_EQ(marks, "0000");
}

TEST(YearChart, Year2000IsYinSevenWithTheYearStemInTheCentre) {
    // 2000 (庚辰, 甲戌 xun): yin 7. Earth 7戊 6己 5庚 4辛 3壬 2癸 1丁 9丙 8乙.
    // 己 in 乾: a = 7, 值符 心, 值使 开. 庚 in the centre: from 乾 the centre
    // counts 1, b = 1 − 3 → 6, bringing 心 to 坤; leaderStarPalace 5. 值使:
    // 庚辰 is 6 after 甲戌, 6 − 6 → 9 (离), c = 5.
    ChartRecord record;
    record.computeDate = {2000, 6, 1, 12, 0};
    record.yearGZ = 17;
    yearChartJu(record);
    layYearChart(record);
    Grid expected = {"太阴 芮 癸 惊 辛", "螣蛇 柱 戊 开 丙", "直符 心 己 休 癸",
                     "六合 英 丙 死 壬", "太常 禽 庚 中 庚", "九天 蓬 丁 生 戊",
                     "白虎 辅 辛 景 乙", "玄武 冲 壬 杜 丁", "九地 任 乙 伤 己"};
    EXPECT_EQ(chartText(record), expected);
    EXPECT_EQ(record.leaderStar, 6);
    EXPECT_EQ(record.leaderDoor, 6);
    EXPECT_EQ(record.leaderStarPalace, 5);
    EXPECT_EQ(record.leaderDoorPalace, 9);
}

TEST(YinPlateJu, SumOfYearMonthDayAndHourNumbers) {
    // 子 year (1), lunar month 1, lunar day 1, 子 hour (1): 4. In February,
    // before 夏至: yang dun.
    ChartRecord record;
    setChartMoment(record, {1984, 2, 10, 0, 30}, {1984, 2, 10, 0, 30});
    record.yearGZ = 1;
    record.monthGZ = 3;
    record.hourGZ = 13;
    record.lunarDate = {1984, 1, 1, 0, 30};
    yinPlateJu(record);
    EXPECT_TRUE(record.yangDun);
    EXPECT_EQ(record.ju, 4);
    // With selyue 1 the month number comes from the month branch: 寅 → 1, the
    // same here; a 丑 month (12) gives (1 + 12 + 1 + 1) mod 9 = 6.
    record.settings.selyue = 1;
    record.monthGZ = 2;
    yinPlateJu(record);
    EXPECT_EQ(record.ju, 6);
    // 亥 counts 12: a 亥 year, month 6, day 3, 亥 hour: 33 mod 9 = 6; and a
    // sum of 18 gives 9.
    record.settings.selyue = 0;
    record.yearGZ = 0;
    record.hourGZ = 12;  // 乙亥
    record.lunarDate = {1984, 6, 3, 22, 0};
    yinPlateJu(record);
    EXPECT_EQ(record.ju, 6);
    record.lunarDate = {1984, 3, 6, 22, 0};
    record.yearGZ = 1;
    record.hourGZ = 1;
    record.lunarDate.day = 13;  // 1 + 3 + 13 + 1 = 18
    yinPlateJu(record);
    EXPECT_EQ(record.ju, 9);
}

TEST(YinPlateJu, YinFromTheSummerToTheWinterSolstice) {
    ChartRecord record;
    record.yearGZ = 17;
    record.hourGZ = 1;
    record.lunarDate = {2000, 5, 20, 0, 0};
    for (auto [date, yang] : {std::pair{calendar::CivilDateTime{2000, 6, 21, 9, 0}, true},
                              std::pair{calendar::CivilDateTime{2000, 6, 21, 10, 0}, false},
                              std::pair{calendar::CivilDateTime{2000, 12, 21, 21, 0}, false},
                              std::pair{calendar::CivilDateTime{2000, 12, 21, 22, 0}, true}}) {
        setChartMoment(record, date, date);
        yinPlateJu(record);
        EXPECT_EQ(record.yangDun, yang) << date.month << '-' << date.day << ' ' << date.hour;
    }
}

TEST(YinPlateChart, YangFourBingZiHourWithHiddenStemsByRotation) {
    // Yang 4, 丙子 hour (甲戌 xun, 己). Earth 4戊 5己 6庚 7辛 8壬 9癸 1丁 2丙 3乙:
    // 己 in the centre: 值符 禽, 值使 死, a = 5 (值符 deity to 坤). 丙 in 坤: b
    // = 0 from 坤, nothing turns (伏吟). 值使: 5 + 2 = 7 (兑), c = 1. Horse of 子
    // is 寅 (艮 second); void 申 (坤 second) 酉 (兑 first). Hidden stems by
    // rotation although angan is 0: 丙 is in 坤 (ring 2), the 值使 in 兑
    // (ring 3): one step clockwise, 坤's 丙 bringing the centre's 己 to 兑.
    ChartRecord record;
    record.yangDun = true;
    record.ju = 4;
    record.hourGZ = 13;
    record.monthGZ = 3;
    layYinPlateChart(record);
    Grid expected = {"九地 辅 戊 伤 戊", "九天 英 癸 杜 癸", "直符 芮 丙 景 丙",
                     "玄武 冲 乙 生 乙", "太常 禽 己 中 己", "螣蛇 柱 辛 死 辛",
                     "白虎 任 壬 休 壬", "六合 蓬 丁 开 丁", "太阴 心 庚 惊 庚"};
    EXPECT_EQ(chartText(record), expected);
    EXPECT_EQ(record.leaderStar, 5);
    EXPECT_EQ(record.leaderDoor, 2);
    EXPECT_EQ(record.leaderStarPalace, 2);
    EXPECT_EQ(record.leaderDoorPalace, 7);
    EXPECT_EQ(record.monthGeneral, 0);  // 寅 month → 亥
    EXPECT_EQ(record.plateEcho, kFuYin);
    Grid marks = {"0000", "0000", "0100", "0000", "0000", "1000", "0001", "0000", "0000"};
    EXPECT_EQ(marksText(record), marks);
    Grid hidden = {"乙", "戊", "癸", "壬", "　", "丙己", "丁", "庚", "辛"};
    EXPECT_EQ(hiddenText(record), hidden);
    EXPECT_EQ(record.centerHiddenStem, kNoStem);
}

TEST(YinPlateChart, TianyiIsIgnored) {
    ChartRecord plain;
    plain.yangDun = false;
    plain.ju = 9;
    plain.hourGZ = 7;
    ChartRecord withTianXin = plain;
    withTianXin.settings.tianyi = 1;
    layYinPlateChart(plain);
    layYinPlateChart(withTianXin);
    EXPECT_EQ(plain.cells, withTianXin.cells);
}

// The day-chart text of a layout: spirit names and door names by grid cell.
std::array<std::string, 9> dayText(const DayChartLayout& layout) {
    std::array<std::string, 9> texts;
    for (int c = 0; c < 9; ++c)
        texts[c] = std::string(daySpiritText(layout.spiritOfCell[c])) + " " + std::string(doorText(layout.doorOfCell[c]));
    return texts;
}

TEST(DayChart, JiaZiDayInTheYangHalf) {
    // d = 1: e = 8, 太乙 in 艮 then forwards 9 1 2 …; doors: h = 0, 休 in 1
    // (坎), odd d runs clockwise: 坎 休, 艮 生, 震 伤, 巽 杜, 离 景, 坤 死, 兑 惊, 乾 开.
    std::array<std::string, 9> expected = {"青龙 杜", "摄提 景", "招摇 死", "天符 伤", "咸池 中",
                                           "天乙 惊", "太乙 生", "轩辕 休", "太阴 开"};
    EXPECT_EQ(dayText(layDayChart(1, true)), expected);
}

TEST(DayChart, JiaZiDayInTheYinHalf) {
    // d = 1: e = 83 mod 9 = 2, 太乙 in 坤 then backwards 1 9 8 …; 休 in 9 (离),
    // clockwise: 离 休, 坤 生, 兑 伤, 乾 杜, 坎 景, 艮 死, 震 惊, 巽 开.
    std::array<std::string, 9> expected = {"太阴 开", "轩辕 休", "太乙 生", "天乙 惊", "咸池 中",
                                           "天符 伤", "招摇 死", "摄提 景", "青龙 杜"};
    EXPECT_EQ(dayText(layDayChart(1, false)), expected);
}

TEST(DayChart, GuiHaiDayIsReadAsSixty) {
    // d = 60: e = 67 mod 9 = 4, 太乙 in 巽; h = 19 mod 8 = 3 → 休 in 4 (巽),
    // even d runs counter-clockwise: 巽 休, 震 生, 艮 伤, 坎 杜, 乾 景, 兑 死,
    // 坤 惊, 离 开.
    std::array<std::string, 9> expected = {"太乙 休", "青龙 开", "太阴 惊", "天乙 生", "摄提 中",
                                           "招摇 死", "天符 伤", "咸池 杜", "轩辕 景"};
    EXPECT_EQ(dayText(layDayChart(0, true)), expected);
}

TEST(DayChart, HalfYearTurnsAtTheSolstices) {
    EXPECT_TRUE(dayChartYangHalf(2000, calendar::julianDay({2000, 6, 21, 9, 0})));
    EXPECT_FALSE(dayChartYangHalf(2000, calendar::julianDay({2000, 6, 21, 10, 0})));
    EXPECT_FALSE(dayChartYangHalf(2000, calendar::julianDay({2000, 12, 21, 21, 0})));
    EXPECT_TRUE(dayChartYangHalf(2000, calendar::julianDay({2000, 12, 21, 22, 0})));
}

// "spirit/officer" of both slots, door and stem, by grid cell.
std::array<std::string, 9> smallText(const SmallChartLayout& layout) {
    std::array<std::string, 9> texts;
    for (int c = 0; c < 9; ++c) {
        std::string text;
        for (int slot = 0; slot < 2; ++slot) {
            if (layout.spirit[c][slot] == kNoName) continue;
            text += std::string(smallSpiritText(layout.spirit[c][slot])) + std::string(officerText(layout.officer[c][slot])) + " ";
        }
        text += std::string(doorText(layout.doorOfCell[c])) + std::string(stemText(layout.stemOfCell[c]));
        texts[c] = text;
    }
    return texts;
}

TEST(SmallChart, ZiHour) {
    // Spirits from 子: 青龙 子, 明堂 丑, 天刑 寅 … 勾陈 亥; officers from 申: 建
    // 申, 除 酉 … 闭 未; slots: 亥 丑 辰 申 second. Stems from 坎 (1): 甲 1 … 壬
    // 9, 癸 on the tenth place (the centre's second). Doors from 坤 (after 1)
    // clockwise: 坤 休, 兑 生, 乾 伤, 坎 杜, 艮 景, 震 死, 巽 惊, 离 开.
    std::array<std::string, 9> expected = {
        "天德收 金匮成 惊丁", "白虎开 开壬", "玉堂闭 天牢建 休乙",
        "朱雀危 死丙",        "中戊",         "玄武除 生庚",
        "天刑破 明堂执 景辛", "青龙定 杜甲", "司命满 勾陈平 伤己"};
    SmallChartLayout layout = laySmallChart(1);
    EXPECT_EQ(smallText(layout), expected);
    EXPECT_EQ(layout.centreSecondStem, 0);  // 癸
}

TEST(SmallChart, WuHourWrapsTheStemsThroughTheTenthPlace) {
    // 午 is in 离 (9): 甲 9, 乙 on the tenth place, 丙 1 … 癸 8; the centre
    // holds 庚 (palace 5) and 乙. Doors from 1 (after 9) clockwise.
    SmallChartLayout layout = laySmallChart(7);
    EXPECT_EQ(layout.stemOfCell[kCentreCell], 7);
    EXPECT_EQ(layout.centreSecondStem, 2);
    EXPECT_EQ(layout.stemOfCell[cellOfPalace(9)], 1);
    EXPECT_EQ(layout.stemOfCell[cellOfPalace(1)], 3);
    EXPECT_EQ(layout.doorOfCell[cellOfPalace(1)], 1);  // 休 in 坎
    EXPECT_EQ(layout.doorOfCell[cellOfPalace(8)], 8);  // 生 in 艮
    EXPECT_EQ(layout.spirit[1][0], 0);                 // 青龙 on 午
    EXPECT_EQ(layout.officer[1][0], 10);               // officers from 申: 午 is the eleventh, 开
}

TEST(SmallChart, SiHourSkipsTheCentreForTheDoors) {
    // 巳 is in 巽 (4): the doors start in 6 (乾).
    SmallChartLayout layout = laySmallChart(6);
    EXPECT_EQ(layout.doorOfCell[cellOfPalace(6)], 1);
    EXPECT_EQ(layout.officer[1][0], 0);  // 巳 hour: officers from 午, 建 on 午 (离)
}

}  // namespace
}  // namespace qimen::chart

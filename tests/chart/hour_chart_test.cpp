// Hour charts of real moments, from the clock through pillars and ju to the
// plate, worked out by hand. Term instants are those of the calendar's table
// (UTC+8). Palaces in grid order 巽 离 坤 / 震 中 兑 / 艮 坎 乾, "deity star
// heaven door earth" (list W).
#include <gtest/gtest.h>

#include "calendar/true_solar_time.hpp"
#include "chart_test_support.hpp"

namespace qimen::chart {
namespace {

using testing::chartText;
using testing::marksText;
using Grid = std::array<std::string, 9>;

TEST(HourChartOfAMoment, LateZiHourTakesTheNextDay) {
    // 2000-01-01 23:30: the day pillar moves on to 己未 (56) and the hour is
    // 甲子; year 己卯, month 丙子 (before 小寒). 子 month in January: 冬至 of
    // 1999 is in force; 己未 is lower yuan: yang 4. A 甲 hour: 戊 in 巽 (4),
    // a = 3 (值符 deity from 坎 to 巽), nothing else turns (伏吟); 值符 辅,
    // 值使 杜, both in 4. Month general of 子 is 丑; horse of 子 is 寅 (艮
    // second); void 戌 亥 (乾).
    ChartRecord record;
    setChartMoment(record, {2000, 1, 1, 23, 30}, {2000, 1, 1, 23, 30});
    ASSERT_TRUE(computeHourChart(record));
    EXPECT_EQ(record.yearGZ, 16);
    EXPECT_EQ(record.monthGZ, 13);
    EXPECT_EQ(record.dayGZ, 56);
    EXPECT_EQ(record.hourGZ, 1);
    EXPECT_TRUE(record.yangDun);
    EXPECT_EQ(record.ju, 4);
    Grid expected = {"直符 辅 戊 杜 戊", "螣蛇 英 癸 景 癸", "太阴 芮 丙 死 丙",
                     "九天 冲 乙 伤 乙", "太常 禽 己 中 己", "六合 柱 辛 惊 辛",
                     "九地 任 壬 生 壬", "玄武 蓬 丁 休 丁", "白虎 心 庚 开 庚"};
    EXPECT_EQ(chartText(record), expected);
    EXPECT_EQ(record.leaderStarPalace, 4);
    EXPECT_EQ(record.leaderDoorPalace, 4);
    EXPECT_EQ(record.monthGeneral, 2);
    EXPECT_EQ(record.plateEcho, kFuYin);
    Grid marks = {"0000", "0000", "0000", "0000", "0000", "0000", "0001", "0000", "1100"};
    EXPECT_EQ(marksText(record), marks);
    EXPECT_EQ(record.monthElement, 0);  // 子 month: water
}

TEST(HourChartOfAMoment, TrueSolarTimeWestOf120MovesDayAndHourOnly) {
    // 2000-06-15 00:10 at 100° E: the equation of time of day 166 (−0.53)
    // truncates to 0, the longitude takes 80 minutes: 2000-06-14 22:50. Day
    // 癸卯 (40) and hour 癸亥 follow the corrected time; year 庚辰 and month 壬午
    // the clock. 芒种 (06-05) is in force, 癸卯 is middle yuan: yang 3. The
    // hour stem 癸 is the 甲寅 xun's own instrument, in 艮 (8): found at once
    // (b = 0), and the 值使 walks 9 palaces back to 8: 伏吟 with the deities
    // one step round (a = 1). Month general of 午 is 未; horse of 亥 is 巳
    // (巽 second); void of 甲寅 is 子 (坎 first) and 丑 (艮 first).
    calendar::CivilDateTime clock{2000, 6, 15, 0, 10};
    calendar::CivilDateTime solar = calendar::trueSolarTime(clock, 100.0);
    ASSERT_EQ(solar, (calendar::CivilDateTime{2000, 6, 14, 22, 50}));
    ChartRecord record;
    setChartMoment(record, clock, solar);
    ASSERT_TRUE(computeHourChart(record));
    EXPECT_EQ(record.yearGZ, 17);
    EXPECT_EQ(record.monthGZ, 19);
    EXPECT_EQ(record.dayGZ, 40);
    EXPECT_EQ(record.hourGZ, 0);
    EXPECT_TRUE(record.yangDun);
    EXPECT_EQ(record.ju, 3);
    Grid expected = {"太阴 辅 己 杜 己", "六合 英 丁 景 丁", "白虎 芮 乙 死 乙",
                     "螣蛇 冲 戊 伤 戊", "太常 禽 庚 中 庚", "玄武 柱 壬 惊 壬",
                     "直符 任 癸 生 癸", "九天 蓬 丙 休 丙", "九地 心 辛 开 辛"};
    EXPECT_EQ(chartText(record), expected);
    EXPECT_EQ(record.leaderStar, 8);
    EXPECT_EQ(record.leaderStarPalace, 8);
    EXPECT_EQ(record.leaderDoorPalace, 8);
    EXPECT_EQ(record.monthGeneral, 8);
    Grid marks = {"0001", "0000", "0000", "0000", "0000", "0000", "1000", "1000", "0000"};
    EXPECT_EQ(marksText(record), marks);
}

TEST(HourChartOfAMoment, IntercalationOutsideItsTableLaysNothing) {
    ChartRecord record;
    record.settings.ju = 1;
    setChartMoment(record, {1899, 6, 1, 12, 0}, {1899, 6, 1, 12, 0});
    EXPECT_FALSE(computeHourChart(record));
    EXPECT_NE(record.dayGZ + record.hourGZ, 0);  // the pillars are there
    EXPECT_EQ(record.ju, 0);
    record.settings.ju = 0;
    EXPECT_TRUE(computeHourChart(record));
}

TEST(HourChartOfAMoment, PanSelectsTheFlyingPalace) {
    for (std::uint8_t pan : {1, 2}) {
        ChartRecord flying;
        flying.settings.pan = pan;
        setChartMoment(flying, {2000, 6, 15, 12, 0}, {2000, 6, 15, 12, 0});
        ASSERT_TRUE(computeHourChart(flying));
        ChartRecord expected = flying;
        layFlyingHourChart(expected);
        EXPECT_EQ(flying.cells, expected.cells);
    }
}

TEST(GivenJuChart, YangThreeFromThirteen) {
    // The chart laid for a given ju uses the dun and ju as given, whatever
    // the date says.
    ChartRecord record;
    setChartMoment(record, {2000, 6, 15, 12, 0}, {2000, 6, 15, 12, 0});
    computePillars(record);
    DunJu given = givenDunJu(13);
    record.yangDun = given.yangDun;
    record.ju = given.ju;
    layHourChart(record);
    EXPECT_EQ(record.cells[cellOfPalace(3)].earthStem, kStemWu);  // yang 3: 戊 in 3
    EXPECT_EQ(record.cells[cellOfPalace(4)].earthStem, kStemJi);
}

}  // namespace
}  // namespace qimen::chart

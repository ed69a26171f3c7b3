// Flying-palace hour charts, hidden stems and the nine-palace flying stars,
// worked out by hand from their rules. Palaces in grid order 巽 离 坤 / 震 中
// 兑 / 艮 坎 乾; "deity star heaven door earth" with deity codes named by
// list W (直符 螣蛇 太阴 六合 太常 白虎 玄武 九地 九天 for 0..8).
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "chart_test_support.hpp"

namespace qimen::chart {
namespace {

using testing::chartText;
using testing::hiddenText;
using testing::recordFor;
using Grid = std::array<std::string, 9>;

std::array<int, 9> earthDeities(const ChartRecord& record) {
    std::array<int, 9> deities{};
    for (int c = 0; c < 9; ++c) deities[c] = record.cells[c].earthDeity;
    return deities;
}

struct FlyingChart {
    const char* name;
    bool yangDun;
    int ju;
    GanZhiCode hourGZ;
    Grid palaces;
    std::array<int, 9> earthDeity;
    Star leaderStar;
    Door leaderDoor;
    Palace leaderStarPalace;
    Palace leaderDoorPalace;
};

const FlyingChart kFlyingCharts[] = {
    // Yang 1, 丙寅. Earth 1戊 2己 3庚 4辛 5壬 6癸 7丁 8丙 9乙; P0 = 1 (戊).
    // 丙 is in 8: palace 8 + j gets deity j with the star and stem of palace
    // 1 + j (8 直符 蓬 戊, 9 螣蛇 芮 己, 1 太阴 冲 庚 …). 值使 休 walks 2 palaces
    // to 3: palace 3 + j gets the door of 1 + j (3 休, 4 死, 5 伤, 6 杜, 7 中,
    // 8 开, 9 惊, 1 生, 2 景). The earth deities count from P0: palace p holds
    // p − 1.
    {"Yang1BingYinHour", true, 1, 3,
     {"白虎 心 癸 死 辛", "螣蛇 芮 己 惊 乙", "六合 辅 辛 景 己",
      "太常 禽 壬 休 庚", "玄武 柱 丁 伤 壬", "九天 英 乙 中 丁",
      "直符 蓬 戊 开 丙", "太阴 冲 庚 生 戊", "九地 任 丙 杜 癸"},
     {3, 8, 1, 2, 4, 6, 7, 0, 5}, 1, 1, 8, 3},
    // Yang 1, 壬申: the hour stem 壬 lies in 5, so 值符 flies from the centre:
    // palace 5 + j gets deity j with the star and stem of 1 + j. 值使: 1 + 8 =
    // 9; palace 9 + j gets the door of 1 + j.
    {"Yang1RenShenHourStemInCentre", true, 1, 9,
     {"九天 英 乙 中 辛", "太常 禽 壬 休 乙", "玄武 柱 丁 伤 己",
      "九地 任 丙 杜 庚", "直符 蓬 戊 开 壬", "太阴 冲 庚 生 丁",
      "六合 辅 辛 景 丙", "白虎 心 癸 死 戊", "螣蛇 芮 己 惊 癸"},
     {3, 8, 1, 2, 4, 6, 7, 0, 5}, 1, 1, 5, 9},
    // Yang 5, 甲子: a 甲 hour with 戊 in the centre. Everything stays home;
    // both deity layers count from palace 5 (palace p holds (p − 5) mod 9);
    // the 值使 is the centre's own code 中.
    {"Yang5JiaZiHourAllAtHome", true, 5, 1,
     {"九天 辅 乙 杜 乙", "太常 英 壬 景 壬", "玄武 芮 丁 死 丁",
      "九地 冲 丙 伤 丙", "直符 禽 戊 中 戊", "太阴 柱 庚 惊 庚",
      "六合 任 辛 生 辛", "白虎 蓬 癸 休 癸", "螣蛇 心 己 开 己"},
     {8, 4, 6, 7, 0, 2, 3, 5, 1}, 5, 5, 5, 5},
    // Yin 9, 庚午. Earth 9戊 8己 7庚 6辛 5壬 4癸 3丁 2丙 1乙; P0 = 9. 庚 in 7:
    // palace 7 − j gets deity j with the star and stem of 9 − j. 值使 景: 9 − 6
    // = 3; palace 3 − j gets the door of 9 − j. Earth deities: palace 9 − j
    // holds j.
    {"Yin9GengWuHour", false, 9, 7,
     {"六合 心 辛 休 癸", "九地 芮 丙 开 戊", "白虎 辅 癸 生 丙",
      "太常 禽 壬 景 丁", "太阴 柱 庚 死 壬", "直符 英 戊 杜 庚",
      "九天 蓬 乙 中 己", "玄武 冲 丁 惊 乙", "螣蛇 任 己 伤 辛"},
     {5, 0, 7, 6, 4, 2, 1, 8, 3}, 0, 0, 7, 3},
};

class WholeFlyingChart : public ::testing::TestWithParam<FlyingChart> {};

TEST_P(WholeFlyingChart, MatchesTheHandDerivedChart) {
    const FlyingChart& expected = GetParam();
    ChartRecord record = recordFor(expected.yangDun, expected.ju, expected.hourGZ);
    record.settings.pan = 1;
    layFlyingHourChart(record);
    Grid actual = chartText(record);
    for (int c = 0; c < 9; ++c) EXPECT_EQ(actual[c], expected.palaces[c]) << "grid cell " << c;
    EXPECT_EQ(earthDeities(record), expected.earthDeity);
    EXPECT_EQ(record.leaderStar, expected.leaderStar);
    EXPECT_EQ(record.leaderDoor, expected.leaderDoor);
    EXPECT_EQ(record.leaderStarPalace, expected.leaderStarPalace);
    EXPECT_EQ(record.leaderDoorPalace, expected.leaderDoorPalace);
    EXPECT_EQ(record.plateEcho, 0);
    EXPECT_EQ(record.monthGeneral, 0);
    for (const PalaceCell& cell : record.cells) EXPECT_EQ(cell.voidFirst + cell.voidSecond + cell.horseFirst + cell.horseSecond, 0);
}

INSTANTIATE_TEST_SUITE_P(HandDerived, WholeFlyingChart, ::testing::ValuesIn(kFlyingCharts),
                         [](const auto& info) { return std::string(info.param.name); });

struct HiddenCase {
    const char* name;
    bool yangDun;
    int ju;
    GanZhiCode hourGZ;
    std::uint8_t angan;
    Grid hidden;
    StemCode centerHiddenStem;
};

const HiddenCase kHiddenCases[] = {
    // By flight, yang 1 丙寅: the 值使 is in 3 (earth 庚, not 丙), so 丙
    // starts in 3 and flies on: 3丙 4乙 5戊 6己 7庚 8辛 9壬 1癸 2丁. The
    // centre keeps the reset value 0.
    {"FlightFromTheLeaderDoor", true, 1, 3, 2, {"乙", "壬", "丁", "丙", "戊", "庚", "辛", "癸", "己"}, 0},
    // By flight, yang 1 丁酉 (甲午 xun, 辛 in 4): the 值使 walks 3 to palace 7,
    // whose earth stem is 丁, the hour stem: the laying starts in 5:
    // 5丁 6丙 7乙 8戊 9己 1庚 2辛 3壬 4癸.
    {"FlightFromTheCentreWhenTheHourStemIsUnderTheDoor", true, 1, 34, 2,
     {"癸", "己", "辛", "壬", "丁", "乙", "戊", "庚", "丙"}, 0},
    // By flight, yang 5 甲子: the 值使 counts to palace 5, whose door stands
    // in 坤; 坤's earth stem 丁 is compared with u = 戊 (the instrument of the
    // 甲 hour), they differ, and the laying starts in V, the centre:
    // 5戊 6己 7庚 8辛 9壬 1癸 2丁 3丙 4乙.
    {"FlightWithTheLeaderDoorInTheCentre", true, 5, 1, 2,
     {"乙", "壬", "丁", "丙", "戊", "庚", "辛", "癸", "己"}, 0},
    // By rotation, yang 1 丙寅: 丙 is in 艮 (ring 6), the 值使 in 震 (ring 7):
    // the earth plate turns one step clockwise; 坤's 己 arrives in 兑 with
    // the centre's 壬.
    {"RotationBringsTheHourStemToTheLeaderDoor", true, 1, 3, 1,
     {"庚", "辛", "乙", "丙", "　", "己壬", "戊", "癸", "丁"}, kNoStem},
    // By rotation, yang 1 甲子 (伏吟, 戊 on both plates of the 值使 palace 1):
    // the stems fly from the centre: 5戊 6己 7庚 8辛 9壬 1癸 2丁 3丙 4乙.
    {"RotationInFuYinFliesFromTheCentre", true, 1, 1, 1,
     {"乙", "壬", "丁", "丙", "戊", "庚", "辛", "癸", "己"}, 5},
    // By rotation, yang 5 甲子: 伏吟 with the 值使 palace 5 and 戊 on both
    // plates of the centre: u becomes 坤's earth stem 丁, which flies from
    // the centre: 5丁 6丙 7乙 8戊 9己 1庚 2辛 3壬 4癸.
    {"RotationInFuYinWithTheLeaderDoorInTheCentre", true, 5, 1, 1,
     {"癸", "己", "辛", "壬", "丁", "乙", "戊", "庚", "丙"}, 4},
};

class HiddenStems : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(HiddenStems, MatchTheHandDerivedLaying) {
    const HiddenCase& expected = GetParam();
    ChartRecord record = recordFor(expected.yangDun, expected.ju, expected.hourGZ);
    record.settings.angan = expected.angan;
    layRotatingHourChart(record);
    EXPECT_EQ(hiddenText(record), expected.hidden);
    EXPECT_EQ(record.centerHiddenStem, expected.centerHiddenStem);
}

INSTANTIATE_TEST_SUITE_P(HandDerived, HiddenStems, ::testing::ValuesIn(kHiddenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HiddenStemsSetting, NoneWithAnganZeroOrOutOfRange) {
    for (std::uint8_t angan : {0, 3, 255}) {
        ChartRecord record = recordFor(true, 1, 3);
        record.settings.angan = angan;
        layRotatingHourChart(record);
        for (const PalaceCell& cell : record.cells) EXPECT_EQ(cell.hiddenStem + cell.hiddenStem2, 0);
    }
}

// A record at a moment with the pillars given, for the flying stars.
ChartRecord starsRecord(calendar::CivilDateTime date, GanZhiCode year, GanZhiCode month, GanZhiCode day,
                        GanZhiCode hour) {
    ChartRecord record;
    record.clockDate = record.computeDate = date;
    record.clockJulianDay = calendar::julianDay(date);
    record.yearGZ = year;
    record.monthGZ = month;
    record.dayGZ = day;
    record.hourGZ = hour;
    return record;
}

TEST(FlyingStars, YearStarChangesAtBeginningOfSpring) {
    // 2000 after 立春 (庚辰): nine (0); January 2000 (still 己卯): one. 2001: 8.
    ChartRecord after = starsRecord({2000, 3, 1, 12, 0}, 17, 3, 1, 1);
    computeFlyingStars(after);
    EXPECT_EQ(after.flyingStars[0], 0);
    EXPECT_EQ(after.flyingStars[1], 1);
    ChartRecord before = starsRecord({2000, 1, 20, 12, 0}, 16, 2, 1, 1);
    computeFlyingStars(before);
    EXPECT_EQ(before.flyingStars[0], 1);
    ChartRecord next = starsRecord({2001, 3, 1, 12, 0}, 18, 3, 1, 1);
    computeFlyingStars(next);
    EXPECT_EQ(next.flyingStars[0], 8);
}

TEST(FlyingStars, YinMonthStartsAtTwoEightOrFive) {
    // A 寅 month in a 申 (亥寅巳申) year → 2, in a 子 year → 8, in a 辰 year → 5;
    // the month after runs one lower.
    struct Case { GanZhiCode year; GanZhiCode month; int centre; };
    for (Case c : {Case{9, 3, 2}, Case{1, 3, 8}, Case{17, 3, 5}, Case{17, 4, 4}, Case{1, 2, 6}}) {
        ChartRecord record = starsRecord({2000, 3, 1, 12, 0}, c.year, c.month, 1, 1);
        computeFlyingStars(record);
        EXPECT_EQ(record.flyingStars[2], c.centre) << c.year << ' ' << c.month;
        EXPECT_EQ(record.flyingStars[3], 1);
    }
}

TEST(FlyingStars, DayStarsFollowTheEvenMonthPrincipalTerms) {
    // 甲子 days: after 雨水 seven, after 夏至 nine (0) running backwards.
    // 2000-03-01 is an odd month: February's 雨水 governs. 2000-08-01 is
    // before 处暑 (08-22): 夏至 governs. 2000-12-25 is after 冬至: one.
    struct Case { calendar::CivilDateTime date; GanZhiCode day; int centre; int step; };
    for (Case c : {Case{{2000, 3, 1, 12, 0}, 1, 7, 1}, Case{{2000, 8, 1, 12, 0}, 1, 0, -1},
                   Case{{2000, 12, 25, 12, 0}, 1, 1, 1}, Case{{2000, 12, 25, 12, 0}, 2, 2, 1},
                   Case{{2000, 1, 10, 12, 0}, 0, 6, 1}, Case{{2000, 8, 1, 12, 0}, 2, 8, -1}}) {
        ChartRecord record = starsRecord(c.date, 17, 3, c.day, 1);
        computeFlyingStars(record);
        EXPECT_EQ(record.flyingStars[4], c.centre) << c.date.month << '-' << c.date.day << " day " << c.day;
        EXPECT_EQ(record.flyingStars[5], c.step);
    }
}

TEST(FlyingStars, HourStarOfZiDayZiHourIsOneInYangAndNineInYin) {
    ChartRecord yang = starsRecord({2000, 3, 1, 0, 0}, 17, 3, 1, 1);
    computeFlyingStars(yang);
    EXPECT_EQ(yang.flyingStars[6], 1);
    EXPECT_EQ(yang.flyingStars[7], 1);
    ChartRecord yin = starsRecord({2000, 8, 1, 0, 0}, 17, 3, 1, 1);
    computeFlyingStars(yin);
    EXPECT_EQ(yin.flyingStars[6], 0);
    EXPECT_EQ(yin.flyingStars[7], -1);
}

TEST(FlyingStars, CellDigitsRunAlongTheFlightOrder) {
    // Centre 5 step +1: 乾 6, 兑 7, 艮 8, 离 0 (nine), 坎 1, 坤 2, 震 3, 巽 4.
    std::array<int, 9> expected = {4, 0, 2, 3, 5, 7, 8, 1, 6};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(flyingStarOfCell(c, 5, 1), expected[c]) << c;
}

}  // namespace
}  // namespace qimen::chart

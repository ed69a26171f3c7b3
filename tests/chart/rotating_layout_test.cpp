// Whole rotating-plate charts worked out by hand from the layout rules and
// checked palace by palace. Each case states how its chart was derived:
// earth plate from the ju, the 值符 palace X of the xun head's instrument,
// the step counts a (deities), b (heaven plate and stars) and c (doors) on
// the outer ring (巽0 离1 坤2 兑3 乾4 坎5 艮6 震7), and the 值使 palace.
// Palaces are listed in grid order 巽 离 坤 / 震 中 兑 / 艮 坎 乾 as
// "deity star heaven door earth" (deity names of list W by code).
#include <gtest/gtest.h>

#include "chart_test_support.hpp"

namespace qimen::chart {
namespace {

using testing::chartText;
using testing::marksText;
using testing::recordFor;
using Grid = std::array<std::string, 9>;

struct WholeChart {
    const char* name;
    bool yangDun;
    int ju;
    GanZhiCode hourGZ;
    std::uint8_t tianyi;
    std::uint8_t zhifu;
    Grid palaces;
    Star leaderStar;
    Door leaderDoor;
    Palace leaderStarPalace;
    Palace leaderDoorPalace;
    std::uint8_t plateEcho;
    Grid marks;  // voidFirst voidSecond horseFirst horseSecond
};

const WholeChart kCharts[] = {
    // Yang 1, 丙寅 hour. Earth: 1戊 2己 3庚 4辛 5壬 6癸 7丁 8丙 9乙. 甲子 xun:
    // 戊 in 坎 (X, a = 0), 值符 蓬, 值使 休. 丙 in 艮: b = 1, everything one
    // step clockwise. 值使: 丙寅 is 2 after 甲子, palace 1 + 2 = 3 (震), c = 2.
    // Horse of 寅 is 申 (坤, second slot); void 戌 亥 (乾, both slots).
    {"Yang1BingYinHour", true, 1, 3, 0, 0,
     {"太阴 冲 庚 生 辛", "六合 辅 辛 伤 乙", "白虎 英 乙 杜 己",
      "螣蛇 任 丙 休 庚", "太常 禽 壬 中 壬", "玄武 芮 己 景 丁",
      "直符 蓬 戊 开 丙", "九天 心 癸 惊 戊", "九地 柱 丁 死 癸"},
     1, 1, 8, 3, kNoEcho,
     {"0000", "0000", "0001", "0000", "0000", "0000", "0000", "0000", "1100"}},
    // The same with zhifu 1: the deities stay where the 值符 turn put them, the
    // base yang layout (a = 0), while stars, stems and doors turn as before.
    {"Yang1BingYinHourDeitiesOnEarthPlate", true, 1, 3, 0, 1,
     {"六合 冲 庚 生 辛", "白虎 辅 辛 伤 乙", "玄武 英 乙 杜 己",
      "太阴 任 丙 休 庚", "太常 禽 壬 中 壬", "九地 芮 己 景 丁",
      "螣蛇 蓬 戊 开 丙", "直符 心 癸 惊 戊", "九天 柱 丁 死 癸"},
     1, 1, 8, 3, kNoEcho,
     {"0000", "0000", "0001", "0000", "0000", "0000", "0000", "0000", "1100"}},
    // Yin 9, 庚午 hour. Earth: 9戊 8己 7庚 6辛 5壬 4癸 3丁 2丙 1乙. 戊 in 离:
    // a = 4, 值符 英, 值使 景. 庚 in 兑: b = 2 from 离. 值使: 庚午 is 6 after
    // 甲子, palace 9 − 6 = 3 (震), c = 6. Yin deities run counter-clockwise.
    {"Yin9GengWuHour", false, 9, 7, 0, 0,
     {"六合 任 己 死 癸", "太阴 冲 丁 惊 戊", "螣蛇 辅 癸 开 丙",
      "白虎 蓬 乙 景 丁", "太常 禽 壬 中 壬", "直符 英 戊 休 庚",
      "玄武 心 辛 杜 己", "九地 柱 庚 伤 乙", "九天 芮 丙 生 辛"},
     0, 0, 7, 3, kNoEcho,
     {"0000", "0000", "0001", "0000", "0000", "0000", "0000", "0000", "1100"}},
    // The same with tianyi 1: 天心 stands in 艮 (8); the heaven stems are
    // re-laid from 8 downwards: 8戊 7己 6庚 5辛 4壬 3癸 2丁 1丙 9乙.
    {"Yin9GengWuHourStemsFromTianXin", false, 9, 7, 1, 0,
     {"六合 任 壬 死 癸", "太阴 冲 乙 惊 戊", "螣蛇 辅 丁 开 丙",
      "白虎 蓬 癸 景 丁", "太常 禽 辛 中 壬", "直符 英 己 休 庚",
      "玄武 心 戊 杜 己", "九地 柱 丙 伤 乙", "九天 芮 庚 生 辛"},
     0, 0, 7, 3, kNoEcho,
     {"0000", "0000", "0001", "0000", "0000", "0000", "0000", "0000", "1100"}},
    // Yin 9, 甲戌 hour (a 甲 hour). 甲戌 hides under 己, in 艮: a = 1, 值符 任,
    // 值使 生, both in 8; heaven plate, stars and doors stay home (伏吟).
    // Horse of 戌 is 申 (坤 second); void of the 甲戌 xun 申 (坤 second) and
    // 酉 (兑 first).
    {"Yin9JiaXuHour", false, 9, 11, 0, 0,
     {"九地 辅 癸 杜 癸", "玄武 英 戊 景 戊", "白虎 芮 丙 死 丙",
      "九天 冲 丁 伤 丁", "太常 禽 壬 中 壬", "六合 柱 庚 惊 庚",
      "直符 任 己 生 己", "螣蛇 蓬 乙 休 乙", "太阴 心 辛 开 辛"},
     8, 8, 8, 8, kFuYin,
     {"0000", "0000", "0101", "0000", "0000", "1000", "0000", "0000", "0000"}},
    // Yang 5, 丙寅 hour: the instrument 戊 lies in the centre. 值符 禽, 值使
    // 死, a = 5 (值符 deity to 坤), counting from 坤. 丙 in 震: b = 5 from 坤;
    // 芮 carries 坤's 丁 to 震 (printed with the centre's 戊). 值使: 5 + 2 = 7
    // (兑), c = 1 from 坤.
    {"Yang5BingYinHourInstrumentInCentre", true, 5, 3, 0, 0,
     {"螣蛇 柱 庚 伤 乙", "太阴 心 己 杜 壬", "六合 蓬 癸 景 丁",
      "直符 芮 丁 生 丙", "太常 禽 戊 中 戊", "白虎 任 辛 死 庚",
      "九天 英 壬 休 辛", "九地 辅 乙 开 癸", "玄武 冲 丙 惊 己"},
     5, 2, 3, 7, kNoEcho,
     {"0000", "0000", "0001", "0000", "0000", "0000", "0000", "0000", "1100"}},
    // Yang 1, 壬申 hour: the hour stem 壬 lies in the centre. From 坎 the
    // centre counts as 坎 (0), so b = 0 − 3 → 5, the turn that brings 蓬 to 坤;
    // leaderStarPalace stays 5. 值使: 1 + 8 = 9 (离), c = 4. Horse of 申 is 寅
    // (艮 second).
    {"Yang1RenShenHourStemInCentre", true, 1, 9, 0, 0,
     {"九地 柱 丁 开 辛", "九天 心 癸 休 乙", "直符 蓬 戊 生 己",
      "玄武 芮 己 惊 庚", "太常 禽 壬 中 壬", "螣蛇 任 丙 伤 丁",
      "白虎 英 乙 死 丙", "六合 辅 辛 景 戊", "太阴 冲 庚 杜 癸"},
     1, 1, 5, 9, kNoEcho,
     {"0000", "0000", "0000", "0000", "0000", "0000", "0001", "0000", "1100"}},
};

class WholeRotatingChart : public ::testing::TestWithParam<WholeChart> {};

TEST_P(WholeRotatingChart, MatchesTheHandDerivedChart) {
    const WholeChart& expected = GetParam();
    ChartRecord record = recordFor(expected.yangDun, expected.ju, expected.hourGZ);
    record.settings.tianyi = expected.tianyi;
    record.settings.zhifu = expected.zhifu;
    layRotatingHourChart(record);
    Grid actual = chartText(record);
    for (int c = 0; c < 9; ++c) EXPECT_EQ(actual[c], expected.palaces[c]) << "grid cell " << c;
    EXPECT_EQ(record.leaderStar, expected.leaderStar);
    EXPECT_EQ(record.leaderDoor, expected.leaderDoor);
    EXPECT_EQ(record.leaderStarPalace, expected.leaderStarPalace);
    EXPECT_EQ(record.leaderDoorPalace, expected.leaderDoorPalace);
    EXPECT_EQ(record.plateEcho, expected.plateEcho);
    EXPECT_EQ(marksText(record), expected.marks);
    EXPECT_EQ(record.xunHead, xunHeadOf(expected.hourGZ));
    for (int c = 0; c < 9; ++c) EXPECT_EQ(record.cells[c].homeStar, homeOfCell(c));
}

INSTANTIATE_TEST_SUITE_P(HandDerived, WholeRotatingChart, ::testing::ValuesIn(kCharts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RotatingLayout, MonthGeneralFollowsTheMonthBranch) {
    ChartRecord record = recordFor(true, 1, 3, 14);  // 丁丑 month → general 子
    layRotatingHourChart(record);
    EXPECT_EQ(record.monthGeneral, 1);
}

TEST(RotatingLayout, JiaHourIsFuYinWithLeadersTogether) {
    // Every 甲 hour of every ju: nothing turns, so the plates echo (伏吟).
    for (bool yang : {true, false})
        for (int ju = 1; ju <= 9; ++ju)
            for (GanZhiCode head : {1, 11, 21, 31, 41, 51}) {
                ChartRecord record = recordFor(yang, ju, head);
                layRotatingHourChart(record);
                EXPECT_EQ(record.plateEcho, kFuYin) << yang << ju << head;
                EXPECT_EQ(record.leaderStarPalace, record.leaderDoorPalace);
            }
}

TEST(RotatingLayout, StemOfTheInstrumentFindsItsOwnPalaceAtOnce) {
    // 戊辰 in the 甲子 xun: the walk from X tests X first, b = 0, and the
    // heaven plate stays; the 值使 walks 4 palaces: yang 2 → 6.
    ChartRecord record = recordFor(true, 2, 5);
    layRotatingHourChart(record);
    EXPECT_EQ(record.leaderStarPalace, 2);
    EXPECT_EQ(record.leaderDoorPalace, 6);
    EXPECT_EQ(record.plateEcho, kFuYin);
    EXPECT_EQ(record.cells[cellOfPalace(6)].door, 2);  // 死门 from 坤 to 乾
}

TEST(RotatingLayout, FanYinWhenTheHeavenPlateTurnsHalfWay) {
    // Yang 1, 甲子 xun, 戊 in 坎; the hour stem opposite 坎 is 乙 in 离, so
    // 乙丑 turns everything four steps: each outer heaven stem is the earth
    // stem across (反吟).
    ChartRecord record = recordFor(true, 1, 2);
    layRotatingHourChart(record);
    EXPECT_EQ(record.plateEcho, kFanYin);
}

TEST(RotatingLayout, TianXinVariantPutsWuUnderTianXin) {
    for (bool yang : {true, false})
        for (int ju = 1; ju <= 9; ++ju)
            for (GanZhiCode hour = 0; hour < 60; ++hour) {
                ChartRecord record = recordFor(yang, ju, hour);
                record.settings.tianyi = 1;
                layRotatingHourChart(record);
                for (const PalaceCell& cell : record.cells) {
                    if (cell.star == kStarXin) {
                        EXPECT_EQ(cell.heavenStem, kStemWu) << yang << ju << hour;
                    }
                }
            }
}

TEST(RotatingLayout, TianyiOtherThanOneKeepsTheRotatedStems) {
    ChartRecord plain = recordFor(false, 9, 7);
    layRotatingHourChart(plain);
    ChartRecord two = recordFor(false, 9, 7);
    two.settings.tianyi = 2;
    layRotatingHourChart(two);
    EXPECT_EQ(plain.cells, two.cells);
}

TEST(RotatingLayout, JuOutsideOneToNineIsLaidWithoutLeavingThePlate) {
    // A given ju of 10 or 20 has the ju digit 0; the earth plate takes it as
    // palace 9 rather than reading outside its tables.
    ChartRecord zero = recordFor(true, 0, 3);
    layRotatingHourChart(zero);
    ChartRecord nine = recordFor(true, 9, 3);
    layRotatingHourChart(nine);
    EXPECT_EQ(zero.cells, nine.cells);
}

}  // namespace
}  // namespace qimen::chart

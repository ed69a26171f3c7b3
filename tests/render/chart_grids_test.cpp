// Rules of the chart grids: equal GBK widths, the cell contents of each
// method, the marks of the rotating and yin-plate grids, flying-star digits.
#include <gtest/gtest.h>

#include "chart_text_fixture.hpp"

namespace qimen::render {
namespace {

using namespace testing;

ChartSettings settingsWith(int pan, int angan, bool jiugong) {
    ChartSettings settings;
    settings.pan = static_cast<std::uint8_t>(pan);
    settings.angan = static_cast<std::uint8_t>(angan);
    settings.jiugong = jiugong;
    return settings;
}

// ---- widths ----------------------------------------------------------------

struct WidthCase {
    const char* name;
    ChartMethod method;
    ChartSettings settings;
    std::size_t lineBytes;
    std::size_t lineCount;
};

class GridWidth : public ::testing::TestWithParam<WidthCase> {};

// Every two hours of a year, so every dun, ju, leader and mark occurs.
TEST_P(GridWidth, EveryLineOfTheGridHasTheSameGbkWidthAllYear) {
    const WidthCase& c = GetParam();
    for (int day = 0; day < 365; day += 3) {
        for (int hour = 0; hour < 24; hour += 2) {
            CivilDateTime date = calendar::dateFromJulianDay(calendar::julianDay({2023, 1, 1, 0, 0}) + day);
            date.hour = static_cast<std::int16_t>(hour);
            ChartRecord record = chartFor(requestFor(c.method, date), c.settings);
            std::vector<std::string> grid = gridLines(record.chartText);
            ASSERT_EQ(grid.size(), c.lineCount) << c.name;
            for (const std::string& line : grid) ASSERT_EQ(gbkBytes(line), c.lineBytes) << c.name << ": " << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grids, GridWidth,
    ::testing::Values(WidthCase{"rotating", ChartMethod::Hour, settingsWith(0, 0, false), 44, 16},
                      WidthCase{"rotating_angan1_jiugong", ChartMethod::Hour, settingsWith(0, 1, true), 44, 16},
                      WidthCase{"rotating_angan2", ChartMethod::Hour, settingsWith(0, 2, false), 44, 16},
                      WidthCase{"flying", ChartMethod::Hour, settingsWith(1, 0, false), 38, 13},
                      WidthCase{"flying_jiugong", ChartMethod::Hour, settingsWith(1, 0, true), 38, 13},
                      WidthCase{"month", ChartMethod::Month, settingsWith(0, 0, true), 44, 16},
                      WidthCase{"year", ChartMethod::Year, settingsWith(0, 0, false), 44, 16},
                      WidthCase{"day", ChartMethod::Day, settingsWith(0, 0, true), 32, 13},
                      WidthCase{"small", ChartMethod::SmallFlying, settingsWith(0, 0, false), 32, 13}),
    [](const ::testing::TestParamInfo<WidthCase>& info) { return std::string(info.param.name); });

TEST(RotatingGrid, EveryLineWithItsLineBreakIs46Bytes) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    std::size_t top = record.chartText.find("┌");
    std::string grid = record.chartText.substr(top);
    std::size_t start = 0;
    int lines = 0;
    for (std::size_t end = grid.find("\r\n"); end != std::string::npos; end = grid.find("\r\n", start)) {
        EXPECT_EQ(gbkBytes(grid.substr(start, end + 2 - start)), 46u);
        start = end + 2;
        ++lines;
    }
    EXPECT_EQ(lines, 16);
    EXPECT_EQ(start, grid.size());
}

// ---- rotating-plate cells --------------------------------------------------

TEST(RotatingGrid, WithoutHiddenStemsEveryOuterFirstLineEndsInTwoBlanks) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    std::vector<std::string> grid = gridLines(record.chartText);
    for (std::size_t row : {1u, 6u, 11u}) {
        std::vector<std::string> cells;
        std::string line = grid[row];
        for (std::size_t at = line.find("│"); at != std::string::npos;) {
            std::size_t next = line.find("│", at + 3);
            if (next == std::string::npos) break;
            cells.push_back(line.substr(at + 3, next - at - 3));
            at = next;
        }
        ASSERT_EQ(cells.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            if (row == 6 && i == 1) continue;  // the centre
            EXPECT_TRUE(cells[i].ends_with("　　")) << cells[i];
        }
    }
}

TEST(RotatingGrid, RuiPalaceShowsRuiQinWithBothHeavenStemsAndKunBothEarthStems) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    std::vector<std::string> grid = gridLines(record.chartText);
    // 天芮 stands in 离 here; the centre's stems are 丁.
    EXPECT_EQ(grid[2], "│天英　庚　　│芮禽　戊┄丁│天柱　壬　　│");
    EXPECT_EQ(grid[4], "│巽４　丙　　│离９　庚　　│坤２　戊┄丁│");
}

TEST(RotatingGrid, VoidAndHorseMarksFollowTheCellsSlots) {
    ChartRecord laid = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    laid.chartText.clear();
    for (auto& cell : laid.cells) cell.voidFirst = cell.voidSecond = cell.horseFirst = cell.horseSecond = 0;
    laid.cells[0].voidSecond = 1;   // 巽, second slot
    laid.cells[2].horseFirst = 1;   // 坤, first slot
    laid.cells[8].voidFirst = 1;    // 乾: both
    laid.cells[8].horseSecond = 1;
    appendRotatingGrid(laid);
    std::vector<std::string> grid = gridLines(laid.chartText);
    EXPECT_EQ(grid[1], "│直符○　　　│九天　　　　│九地　◇　　│");
    EXPECT_TRUE(grid[11].ends_with("│白虎○◇　　│"));
}

struct HiddenCase {
    chart::StemCode first;
    chart::StemCode second;
    const char* text;
};

class RotatingHiddenStems : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(RotatingHiddenStems, OneHiddenStemIsPaddedAndTwoStandTogether) {
    ChartSettings angan;
    angan.angan = 1;
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), angan);
    record.cells[1].hiddenStem = GetParam().first;
    record.cells[1].hiddenStem2 = GetParam().second;
    record.cells[4].hiddenStem = 3;
    record.chartText.clear();
    appendRotatingGrid(record);
    std::vector<std::string> grid = gridLines(record.chartText);
    EXPECT_NE(grid[1].find(std::string("│九天○　") + GetParam().text + "│"), std::string::npos) << grid[1];
    EXPECT_NE(grid[6].find("│　　　　　丙│"), std::string::npos) << grid[6];
}

INSTANTIATE_TEST_SUITE_P(Stems, RotatingHiddenStems,
                         ::testing::Values(HiddenCase{5, 10, "　戊"}, HiddenCase{5, 9, "戊壬"}, HiddenCase{0, 2, "癸乙"}));

TEST(RotatingGrid, FlyingStarDigitZeroPrintsAsNine) {
    ChartSettings jiugong;
    jiugong.jiugong = true;
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), jiugong);
    record.flyingStars[6] = 0;  // hour centre nine
    record.flyingStars[7] = 1;
    record.chartText.clear();
    appendRotatingGrid(record);
    std::vector<std::string> grid = gridLines(record.chartText);
    EXPECT_NE(grid[8].find("│　　９　　　│"), std::string::npos) << grid[8];
    // 乾 is one flight from the centre: (1 + 0) → １; 离 four flights → ４.
    EXPECT_TRUE(grid[13].ends_with("　　１　│")) << grid[13];
    EXPECT_NE(grid[3].find("伤门　　４　"), std::string::npos) << grid[3];
}

TEST(RotatingGrid, ShenOneUsesListGInYangDunOnly) {
    ChartSettings shen;
    shen.shen = 1;
    ChartRecord yang = chartFor(requestFor(ChartMethod::Hour, {2024, 3, 15, 10, 30}), shen);
    ASSERT_TRUE(yang.yangDun);
    EXPECT_NE(yang.chartText.find("勾陈"), std::string::npos);
    EXPECT_EQ(yang.chartText.find("白虎"), std::string::npos);
    ChartRecord yin = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), shen);
    ASSERT_FALSE(yin.yangDun);
    EXPECT_NE(yin.chartText.find("白虎"), std::string::npos);
    EXPECT_EQ(yin.chartText.find("勾陈"), std::string::npos);
}

// ---- month and year --------------------------------------------------------

TEST(MonthGrid, CentreShowsPillarsYuanAndTheStartYear) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Month, {2008, 8, 8, 20, 8}));
    std::vector<std::string> grid = gridLines(record.chartText);
    EXPECT_NE(grid[6].find("│戊子年庚申月│"), std::string::npos);
    EXPECT_NE(grid[7].find("│　中元甲申　│"), std::string::npos);
    EXPECT_EQ(record.chartText.find("○"), std::string::npos);
    EXPECT_EQ(record.chartText.find("◇"), std::string::npos);
}

struct YuanCase {
    int yuan;
    const char* text;
};

class YearGridYuan : public ::testing::TestWithParam<YuanCase> {};

TEST_P(YearGridYuan, CentreShowsTheYuanAndTheYearPillar) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Year, {2008, 8, 8, 20, 8}));
    record.chartText.clear();
    appendYearGrid(record, {GetParam().yuan, 0});
    EXPECT_NE(record.chartText.find(std::string("│") + GetParam().text + "戊子　│"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Yuan, YearGridYuan,
                         ::testing::Values(YuanCase{0, "　上元"}, YuanCase{1, "　中元"}, YuanCase{2, "　下元"}));

// ---- flying palace ---------------------------------------------------------

TEST(FlyingGrid, DrawsTheCentreLikeEveryOtherCell) {
    ChartSettings flying;
    flying.pan = 1;
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), flying);
    std::vector<std::string> grid = gridLines(record.chartText);
    EXPECT_EQ(grid[5], "│蛇　任　辛│天　蓬　己│玄　冲　乙│");
    EXPECT_EQ(grid[6], "│　　中门　│　　惊门　│　　景门　│");
    EXPECT_EQ(grid[7], "│玄　震　乙│虎　中　丁│阴　兑　壬│");
}

TEST(FlyingGrid, WithFlyingStarsTheDoorLosesItsSuffixForTheDigit) {
    ChartSettings flying;
    flying.pan = 1;
    flying.jiugong = true;
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), flying);
    std::vector<std::string> grid = gridLines(record.chartText);
    EXPECT_EQ(grid[6].find("门"), std::string::npos);
    EXPECT_NE(grid[6].find("│　　中　"), std::string::npos) << grid[6];
}

// ---- day and small charts --------------------------------------------------

TEST(DayGrid, GuiHaiDayIsCountedAsSixty) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Day, {2008, 8, 8, 20, 8}));
    record.dayGZ = 0;  // 癸亥, yin half: start palace (84 − 60) mod 9 = 6
    record.chartText.clear();
    appendDayGrid(record);
    std::vector<std::string> grid = gridLines(record.chartText);
    EXPECT_TRUE(grid[9].ends_with("│　太乙　│")) << grid[9];
    EXPECT_NE(grid[5].find("│阴癸亥日│"), std::string::npos);
    EXPECT_NE(record.chartText.find("\r\n喜神方位：巽方"), std::string::npos);
}

TEST(DayGrid, AlmanacFollowsTheGridDirectly) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Day, {2008, 8, 8, 20, 8}));
    EXPECT_NE(record.chartText.find("┘\r\n\r\n喜神方位："), std::string::npos);
    EXPECT_TRUE(record.chartText.ends_with("注：日家奇门应用于预测一天所发生的事情。"));
}

TEST(SmallGrid, ZiHourStartsSpiritsAtZiAndOfficersAtShen) {
    ChartRecord record = chartFor(requestFor(ChartMethod::SmallFlying, {2008, 8, 8, 0, 30}));
    ASSERT_EQ(calendar::branchOf(record.hourGZ), 1);
    std::vector<std::string> grid = gridLines(record.chartText);
    // 子 (坎, first slot): 青龙 and officer 定 (建 on 申, four branches on).
    EXPECT_NE(grid[9].find("│青龙　定│"), std::string::npos) << grid[9];
    // 申 is 坤's second slot: 建.
    EXPECT_TRUE(grid[2].ends_with("　建│")) << grid[2];
    // Edge cells have no second line.
    EXPECT_NE(grid[10].find("│　　　　│"), std::string::npos);
}

// ---- yin plate -------------------------------------------------------------

ChartRecord blankYinPlate() {
    ChartRecord record = chartFor(requestFor(ChartMethod::YinPlate, {2008, 8, 8, 20, 8}));
    for (auto& cell : record.cells) cell.voidFirst = cell.voidSecond = cell.horseFirst = cell.horseSecond = 0;
    record.chartText.clear();
    return record;
}

TEST(YinPlateGrid, LinesThroughTheBoxAreEquallyWideAndTheMarksStandOutside) {
    ChartRecord record = chartFor(requestFor(ChartMethod::YinPlate, {2008, 8, 8, 20, 8}));
    std::vector<std::string> lines = crlfLines(record.chartText);
    std::size_t top = 0;
    while (!lines[top].starts_with("　┌")) ++top;
    ASSERT_GE(top, 1u);
    EXPECT_EQ(gbkBytes(lines[top - 1]), 36u);
    for (std::size_t i = top; i < top + 13; ++i) {
        bool border = i == top || i == top + 4 || i == top + 8 || i == top + 12;
        EXPECT_EQ(gbkBytes(lines[i]), border ? 34u : 36u) << lines[i];
    }
    EXPECT_EQ(gbkBytes(lines[top + 13]), 34u);
    EXPECT_EQ(gbkBytes(lines[top + 14]), 36u);
    EXPECT_EQ(lines[top + 15], "");
}

struct RingCase {
    const char* name;
    int cell;
    bool second;
    bool horse;
    int line;          // line of the grid text (0 = top marks)
    std::size_t pos;   // character position of the mark
};

class YinPlateRing : public ::testing::TestWithParam<RingCase> {};

TEST_P(YinPlateRing, EachBranchMarkStandsAtItsPlaceAroundTheBox) {
    const RingCase& c = GetParam();
    ChartRecord record = blankYinPlate();
    chart::PalaceCell& cell = record.cells[static_cast<std::size_t>(c.cell)];
    (c.horse ? (c.second ? cell.horseSecond : cell.horseFirst) : (c.second ? cell.voidSecond : cell.voidFirst)) = 1;
    renderYinPlateGrid(record);
    std::vector<std::string> lines = crlfLines(record.chartText);
    std::string expected = c.horse ? "马" : "○";
    // Character positions: every character of these lines is three UTF-8 bytes.
    ASSERT_GE(lines[static_cast<std::size_t>(c.line)].size(), c.pos * 3 + 3);
    EXPECT_EQ(lines[static_cast<std::size_t>(c.line)].substr(c.pos * 3, 3), expected) << lines[static_cast<std::size_t>(c.line)];
    std::size_t marks = 0;
    for (std::size_t at = record.chartText.find(expected); at != std::string::npos; at = record.chartText.find(expected, at + 1)) ++marks;
    EXPECT_EQ(marks, 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Branches, YinPlateRing,
    ::testing::Values(RingCase{"si_void", 0, true, false, 0, 5}, RingCase{"wu_void", 1, false, false, 0, 10},
                      RingCase{"wei_void", 2, false, false, 0, 15}, RingCase{"shen_void", 2, true, false, 4, 17},
                      RingCase{"you_void", 5, false, false, 8, 17}, RingCase{"xu_void", 8, false, false, 12, 17},
                      RingCase{"chou_void", 6, false, false, 14, 5}, RingCase{"zi_void", 7, false, false, 14, 10},
                      RingCase{"hai_void", 8, true, false, 14, 15}, RingCase{"chen_void", 0, false, false, 4, 0},
                      RingCase{"mao_void", 3, false, false, 8, 0}, RingCase{"yin_void", 6, true, false, 12, 0},
                      RingCase{"si_horse", 0, true, true, 0, 0}, RingCase{"shen_horse", 2, true, true, 0, 17},
                      RingCase{"yin_horse", 6, true, true, 15, 0}, RingCase{"hai_horse", 8, true, true, 15, 17}),
    [](const ::testing::TestParamInfo<RingCase>& info) { return std::string(info.param.name); });

TEST(YinPlateGrid, RuiPalaceShowsBothHeavenStemsAndKunBothEarthStems) {
    ChartRecord record = blankYinPlate();
    for (auto& cell : record.cells) cell.star = cell.homeStar;  // 芮 at home in 坤
    record.cells[4].heavenStem = 4;  // 丁
    record.cells[4].earthStem = 3;   // 丙
    record.cells[2].heavenStem = 5;  // 戊
    record.cells[2].earthStem = 6;   // 己
    renderYinPlateGrid(record);
    std::vector<std::string> lines = crlfLines(record.chartText);
    EXPECT_NE(lines[3].find("│戊丁　芮│"), std::string::npos) << lines[3];
    EXPECT_NE(lines[4].find("│己丙　"), std::string::npos) << lines[4];
}

TEST(YinPlateGrid, CentreShowsItsHiddenStemAndNoDeity) {
    ChartRecord record = blankYinPlate();
    record.centerHiddenStem = 8;  // 辛
    renderYinPlateGrid(record);
    std::vector<std::string> lines = crlfLines(record.chartText);
    EXPECT_NE(lines[6].find("│　　　　│"), std::string::npos);
    EXPECT_NE(lines[8].find("│　　　辛│"), std::string::npos) << lines[8];
}

}  // namespace
}  // namespace qimen::render

// Rules of the output formatting: when it writes, what the landmarks of
// each method select, and GBK byte positions over UTF-8 text.
#include <gtest/gtest.h>

#include <algorithm>

#include "chart_text_fixture.hpp"
#include "render/chart_output.hpp"
#include "render/gbk_positions.hpp"

namespace qimen::render {
namespace {

using namespace testing;

const std::filesystem::path kNoRoot = "/nonexistent-qimen-root";

std::string covered(const StyledText& styled, const StyledRange& range) {
    return styled.text.substr(range.start, range.length);
}

std::vector<std::string> coveredWith(const StyledText& styled, std::uint32_t colour) {
    std::vector<std::string> texts;
    for (const StyledRange& range : styled.ranges)
        if (range.colour == colour) texts.push_back(covered(styled, range));
    return texts;
}

StyledText formatted(ChartRecord record) {
    std::optional<StyledText> styled = formatChartOutput(record, kNoRoot);
    EXPECT_TRUE(styled);
    return styled.value_or(StyledText{});
}

// The analysis a later stage appends: its "※" heading, the palace headings
// and the quotation heading, as the landmarks expect them.
std::string analysisText() {
    std::string text = "※综合分析：吉\r\n";
    for (const char* heading : {"[坎宫-正北方]", "[坤宫-西南方]", "[震宫-正东方]", "[巽宫-东南方]", "[乾宫-西北方]",
                                "[兑宫-正西方]", "[艮宫-东北方]", "[离宫-正南方]"})
        text += std::string(heading) + "\r\n说明。\r\n";
    return text + "御定奇门宝鉴：引文。\r\n";
}

// ---- when it writes --------------------------------------------------------

TEST(OutputFormatter, WithWriteOutputOffProducesNothingAndKeepsTheText) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    record.writeOutput = false;
    std::string before = record.chartText;
    EXPECT_FALSE(formatChartOutput(record, kNoRoot));
    EXPECT_EQ(record.chartText, before);
}

TEST(OutputFormatter, MovesTheTextOutAndCarriesTheIndent) {
    ChartSettings settings;
    settings.ileft = 24;
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), settings);
    std::string before = record.chartText;
    std::optional<StyledText> styled = formatChartOutput(record, kNoRoot);
    ASSERT_TRUE(styled);
    EXPECT_EQ(styled->text, before);
    EXPECT_EQ(styled->indent, 24);
    EXPECT_TRUE(record.chartText.empty());
}

// ---- rotating plate --------------------------------------------------------

TEST(RotatingLandmarks, ColourTheDunLineTheLeaderLineAndTheLeadersCells) {
    StyledText styled = formatted(chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8})));
    EXPECT_EQ(coveredWith(styled, kBlue), std::vector<std::string>{"※阴遁二局,旬首:甲申(庚)  月将:巳\r\n"});
    std::vector<std::string> red = coveredWith(styled, kRed);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[0], "★直符天英落4宫,直使景门落7宫。");
    EXPECT_EQ(red[1], "天英");
    EXPECT_EQ(red[2], "景门");
    // Both names are the grid's, in the cells of 直符 (巽) and 直使 (兑7).
    std::size_t grid = styled.text.find("┌");
    std::vector<std::string> lines = crlfLines(styled.text.substr(grid));
    EXPECT_EQ(styled.ranges[2].start, grid + lines[0].size() + 2 + lines[1].size() + 2 + std::string("│").size());
    std::size_t doorLine = styled.text.find("│休门", grid);
    EXPECT_EQ(styled.ranges[3].start, styled.text.find("景门", doorLine));
}

TEST(RotatingLandmarks, AStarInSymbolInTheMatterDoesNotTakeTheDunLine) {
    ChartRequest request = requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8});
    request.matter = "※问※财";
    StyledText styled = formatted(chartFor(request));
    EXPECT_EQ(coveredWith(styled, kBlue), std::vector<std::string>{"※阴遁二局,旬首:甲申(庚)  月将:巳\r\n"});
}

TEST(RotatingLandmarks, RuiAndQinLeadersAreFoundAsTheGridPrintsThem) {
    StyledText rui = formatted(chartFor(requestFor(ChartMethod::Hour, {1999, 12, 31, 23, 30})));  // 直符天芮
    EXPECT_EQ(coveredWith(rui, kRed)[1], "芮");
    EXPECT_GT(rui.ranges[2].start, rui.text.find("┌"));
    ChartRequest given = requestFor(ChartMethod::GivenJuHour, {2008, 8, 8, 20, 8});
    given.givenJu = 13;  // 直符天禽
    StyledText qin = formatted(chartFor(given));
    EXPECT_EQ(coveredWith(qin, kRed)[1], "禽");
    EXPECT_GT(qin.ranges[2].start, qin.text.find("┌"));
}

TEST(RotatingLandmarks, TheAnalysisIsSmallerItsStarBoldRedAndItsHeadingsBlueBold) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    std::size_t analysisStart = record.chartText.size();
    record.chartText += analysisText();
    StyledText styled = formatted(record);
    auto smaller = std::find_if(styled.ranges.begin(), styled.ranges.end(), [](const StyledRange& r) { return r.sizeDelta == -2; });
    ASSERT_NE(smaller, styled.ranges.end());
    EXPECT_EQ(smaller->start, analysisStart);
    EXPECT_EQ(smaller->start + smaller->length, styled.text.size());
    std::vector<std::string> boldBlue;
    std::vector<std::string> boldRed;
    for (const StyledRange& r : styled.ranges) {
        if (r.bold && r.colour == kBlue) boldBlue.push_back(covered(styled, r));
        if (r.bold && r.colour == kRed) boldRed.push_back(covered(styled, r));
    }
    EXPECT_EQ(boldRed, std::vector<std::string>{"※"});
    ASSERT_EQ(boldBlue.size(), 9u);
    EXPECT_EQ(boldBlue[0], "[坎宫-正北方]\r\n");
    EXPECT_EQ(boldBlue[7], "[离宫-正南方]\r\n");
    EXPECT_EQ(boldBlue[8], "御定奇门宝鉴：");
}

TEST(RotatingLandmarks, AHeadingOutOfOrderIsSkippedAndTheRestStillFound) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}));
    record.chartText += "※分析\r\n[坤宫-西南方]\r\n[坎宫-正北方]\r\n[震宫-正东方]\r\n";
    StyledText styled = formatted(record);
    std::vector<std::string> headings;
    for (const StyledRange& r : styled.ranges)
        if (r.bold && r.colour == kBlue) headings.push_back(covered(styled, r));
    // 坎 is found after 坤, so the 坤 search starts past it and finds nothing.
    EXPECT_EQ(headings, (std::vector<std::string>{"[坎宫-正北方]\r\n", "[震宫-正东方]\r\n"}));
}

TEST(Landmarks, ATextWithoutLandmarksGetsNoRangesAndKeepsItsText) {
    ChartRecord record;
    record.chartText = "没有标记的文字\r\n";
    StyledText styled = formatted(record);
    EXPECT_EQ(styled.text, "没有标记的文字\r\n");
    EXPECT_TRUE(styled.ranges.empty());
}

// ---- other methods ---------------------------------------------------------

TEST(FlyingLandmarks, ShorterDunLineLongerLeaderLineAndTheLeadersInTheGrid) {
    ChartSettings flying;
    flying.pan = 1;
    StyledText styled = formatted(chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8}), flying));
    EXPECT_EQ(coveredWith(styled, kBlue), std::vector<std::string>{"※阴遁二局,旬首:甲申(庚)  "});
    std::vector<std::string> red = coveredWith(styled, kRed);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[0], "★直符天英落4宫,直使景门落7宫。\r");
    EXPECT_EQ(red[1], "英");
    EXPECT_EQ(red[2], "景门");
    EXPECT_GT(styled.ranges[2].start, styled.text.find("┌"));
}

TEST(MonthYearLandmarks, FindTheLeadersInsideTheLeaderLine) {
    for (ChartMethod method : {ChartMethod::Month, ChartMethod::Year}) {
        ChartRecord record = chartFor(requestFor(method, {2008, 8, 8, 20, 8}));
        record.chartText += analysisText();
        StyledText styled = formatted(record);
        std::size_t star = styled.text.find("★");
        std::size_t lineEnd = styled.text.find("\r\n", star);
        std::vector<std::string> blue = coveredWith(styled, kBlue);
        ASSERT_FALSE(blue.empty());
        EXPECT_TRUE(blue[0].starts_with("※阴遁")) << blue[0];
        EXPECT_TRUE(blue[0].ends_with(")\r\n")) << blue[0];
        EXPECT_EQ(gbkBytes(blue[0]), 26u);
        for (std::size_t i = 2; i <= 3; ++i) {
            EXPECT_GT(styled.ranges[i].start, star);
            EXPECT_LT(styled.ranges[i].start, lineEnd);
        }
        EXPECT_EQ(styled.text.find("御定奇门宝鉴："), styled.text.rfind("御定奇门宝鉴："));
        for (const StyledRange& r : styled.ranges) EXPECT_NE(covered(styled, r), "御定奇门宝鉴：");
    }
}

TEST(YinPlateLandmarks, LeaderStarAndDoorAreSingleCharactersInTheGrid) {
    StyledText styled = formatted(chartFor(requestFor(ChartMethod::YinPlate, {2008, 8, 8, 20, 8})));
    std::vector<std::string> red = coveredWith(styled, kRed);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[1], "柱");
    EXPECT_EQ(red[2], "惊");
    EXPECT_GT(styled.ranges[2].start, styled.text.find("┌"));
    EXPECT_GT(styled.ranges[3].start, styled.text.find("┌"));
}

TEST(DayLandmarks, ColourTheLuckyWordsOfTheGrid) {
    StyledText styled = formatted(chartFor(requestFor(ChartMethod::Day, {2008, 8, 8, 20, 8})));
    std::vector<std::string> red = coveredWith(styled, kRed);
    EXPECT_EQ(red, (std::vector<std::string>{"太乙", "天乙", "生门", "开门"}));
    std::size_t gridEnd = styled.text.find("┘");
    for (const StyledRange& r : styled.ranges) EXPECT_LT(r.start, gridEnd);
}

TEST(SmallChartLandmarks, ColourEachWordByItsOwnLength) {
    StyledText styled = formatted(chartFor(requestFor(ChartMethod::SmallFlying, {2008, 8, 8, 20, 8})));
    EXPECT_EQ(coveredWith(styled, kRed), (std::vector<std::string>{"成", "收", "生门", "开门", "金匮", "天德"}));
}

// ---- GBK positions ---------------------------------------------------------

TEST(GbkPositions, OffsetsAndLengthsCountGbkBytes) {
    GbkPositions positions("ab※cd");
    EXPECT_EQ(positions.gbkSize(), 6u);
    EXPECT_EQ(positions.find("※", 0), 2u);
    EXPECT_EQ(positions.find("c", 3), 4u);
    StyledRange range = positions.select(2, 3);  // ※ and c
    EXPECT_EQ(range.start, 2u);
    EXPECT_EQ(range.length, 4u);
    EXPECT_EQ(range.charStart, 2u);
    EXPECT_EQ(range.charLength, 2u);
}

TEST(GbkPositions, MatchesOnlyWholeCharacters) {
    // 啊 is B0 A1 and 鵃 F9 40: their joint holds A1 F9, the bytes of ※.
    GbkPositions positions("啊鵃※");
    EXPECT_EQ(positions.find("※", 0), 4u);
}

TEST(GbkPositions, ASearchStartingInsideACharacterBeginsWithTheNextOne) {
    GbkPositions positions("※※");
    EXPECT_EQ(positions.find("※", 1), 2u);
    StyledRange range = positions.select(1, 2);
    EXPECT_EQ(range.charStart, 1u);
    EXPECT_EQ(range.charLength, 1u);
}

TEST(GbkPositions, ARangeEndingInsideACharacterIncludesIt) {
    StyledRange range = GbkPositions("天英门").select(0, 3);
    EXPECT_EQ(range.charLength, 2u);
    EXPECT_EQ(range.length, 6u);
}

TEST(GbkPositions, RangesAreClippedToTheText) {
    StyledRange range = GbkPositions("天英").select(2, 100);
    EXPECT_EQ(range.start, 3u);
    EXPECT_EQ(range.length, 3u);
    EXPECT_EQ(GbkPositions("天英").select(10, 2).length, 0u);
}

TEST(GbkPositions, ACharacterWithoutGbkFormCountsTwoBytesAndMatchesNothing) {
    GbkPositions positions("\xF0\x9F\x98\x80※");
    EXPECT_EQ(positions.gbkSize(), 4u);
    EXPECT_EQ(positions.find("※", 0), 2u);
    EXPECT_FALSE(positions.find("\xF0\x9F\x98\x80", 0));
}

}  // namespace
}  // namespace qimen::render

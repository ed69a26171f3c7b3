// The chart's styled text resolved into the runs of a commentary file:
// overlapping changes in order, partial styles, the pane's font size, and
// range edges that would split a character or a CR LF line end.
#include <gtest/gtest.h>

#include "cases/chart_rich_text.hpp"
#include "cases/rtf_reader.hpp"
#include "cases/rtf_writer.hpp"

namespace qimen::cases {
namespace {

using render::StyledRange;
using render::StyledText;

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

StyledRange colourRange(std::size_t start, std::size_t length, std::uint32_t colour) {
    StyledRange r;
    r.start = start;
    r.length = length;
    r.colour = colour;
    return r;
}
StyledRange sizeRange(std::size_t start, std::size_t length, int delta) {
    StyledRange r;
    r.start = start;
    r.length = length;
    r.sizeDelta = delta;
    return r;
}
StyledRange boldRange(std::size_t start, std::size_t length) {
    StyledRange r;
    r.start = start;
    r.length = length;
    r.bold = true;
    return r;
}

TextStyle style(std::uint32_t colour, bool bold, int halfPoints) {
    TextStyle s;
    s.colour = colour;
    s.bold = bold;
    s.halfPoints = halfPoints;
    return s;
}

StyledText ascii(std::size_t length, std::vector<StyledRange> ranges) {
    return StyledText{std::string(length, 'x'), std::move(ranges), 0};
}

TEST(ChartRichText, UnstyledTextAtTheDefaultSizeHasNoRuns) {
    auto rich = richTextFromChartOutput(StyledText{"时家奇门\r\n", {}, 0}, 12);
    EXPECT_EQ(rich.text, "时家奇门\r\n");
    EXPECT_TRUE(rich.runs.empty());
}

TEST(ChartRichText, LaterColourOverridesEarlierOnlyWhereItCovers) {
    auto rich = richTextFromChartOutput(ascii(10, {colourRange(0, 10, kBlue), colourRange(3, 3, kRed)}), 12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{0, 3, style(kBlue, false, 24)}, {3, 3, style(kRed, false, 24)}, {6, 4, style(kBlue, false, 24)}}));
}

TEST(ChartRichText, SizeChangeUnderALaterColourKeepsBoth) {
    // The analysis part is set smaller, then a heading inside it is coloured
    // and made bold: the heading keeps the smaller size.
    auto rich = richTextFromChartOutput(ascii(20, {sizeRange(5, 15, -2), colourRange(8, 4, kBlue), boldRange(8, 4)}), 12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{5, 3, style(0, false, 20)}, {8, 4, style(kBlue, true, 20)}, {12, 8, style(0, false, 20)}}));
}

TEST(ChartRichText, PartialStylesLeaveTheOtherAttributesAsTheyWere) {
    // A colourless bold range over red keeps red; a later size-free colour
    // keeps the size; bold is never taken away.
    auto rich = richTextFromChartOutput(
        ascii(6, {colourRange(0, 6, kRed), sizeRange(0, 6, 4), boldRange(2, 2), colourRange(3, 3, kBlue)}), 12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{0, 2, style(kRed, false, 32)}, {2, 1, style(kRed, true, 32)},
                                               {3, 1, style(kBlue, true, 32)}, {4, 2, style(kBlue, false, 32)}}));
}

TEST(ChartRichText, AdjacentRangesOfOneStyleMergeIntoOneRun) {
    auto rich = richTextFromChartOutput(ascii(8, {colourRange(0, 4, kRed), colourRange(4, 4, kRed)}), 12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{0, 8, style(kRed, false, 24)}}));
}

struct PaneSize {
    int points;
    int delta;
    int plainHalfPoints;  // 0: no run for the plain text
    int smallerHalfPoints;
};
class ChartRichTextPaneSize : public ::testing::TestWithParam<PaneSize> {};
TEST_P(ChartRichTextPaneSize, SizesFollowThePaneFontSize) {
    auto p = GetParam();
    auto rich = richTextFromChartOutput(ascii(10, {sizeRange(5, 5, p.delta)}), p.points);
    std::vector<RichRun> expected;
    if (p.plainHalfPoints != 0) expected.push_back({0, 5, style(0, false, p.plainHalfPoints)});
    expected.push_back({5, 5, style(0, false, p.smallerHalfPoints)});
    EXPECT_EQ(rich.runs, expected);
}
INSTANTIATE_TEST_SUITE_P(Sizes, ChartRichTextPaneSize,
                         ::testing::Values(PaneSize{12, -2, 0, 20},      // the default pane: plain text needs no run
                                           PaneSize{10, -2, 20, 16},     // a smaller pane: every character styled
                                           PaneSize{2, -2, 4, 2},        // never below one point
                                           PaneSize{0, 3, 2, 8},         // a zero pane size counts as one point
                                           PaneSize{5000, -2, 3276, 3272}));  // never above what RTF holds

TEST(ChartRichText, EdgesInsideACharacterMoveToTheNextCharacter) {
    // "甲乙丙" is three 3-byte characters; a range from byte 1 to byte 4
    // starts inside 甲 and ends inside 乙, so it styles 乙 alone.
    auto rich = richTextFromChartOutput(StyledText{"甲乙丙", {colourRange(1, 3, kRed)}, 0}, 12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{3, 3, style(kRed, false, 24)}}));
}

TEST(ChartRichText, ARangeEndingBetweenCrAndLfTakesTheWholeLineEnd) {
    // "ab\r\ncd": a range over "ab\r" ends inside the line end.
    auto rich = richTextFromChartOutput(StyledText{"ab\r\ncd", {colourRange(0, 3, kRed), colourRange(3, 3, kBlue)}, 0}, 12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{0, 4, style(kRed, false, 24)}, {4, 2, style(kBlue, false, 24)}}));
    // The line end survives the commentary file as one paragraph break.
    auto read = readRtf(writeRtf(rich));
    EXPECT_EQ(read.text.text, "ab\r\ncd");
    EXPECT_EQ(read.text.runs, rich.runs);
}

TEST(ChartRichText, RangesPastTheEndAreCutAndEmptyOnesIgnored) {
    auto rich = richTextFromChartOutput(
        ascii(4, {colourRange(2, 100, kRed), colourRange(50, 5, kBlue), colourRange(1, 0, kBlue),
                  colourRange(SIZE_MAX, SIZE_MAX, kBlue), colourRange(3, SIZE_MAX, kRed)}),
        12);
    EXPECT_EQ(rich.runs, (std::vector<RichRun>{{2, 2, style(kRed, false, 24)}}));
}

TEST(ChartRichText, EmptyTextGivesNoRuns) {
    EXPECT_TRUE(richTextFromChartOutput(StyledText{"", {colourRange(0, 5, kRed)}, 3}, 12).runs.empty());
}

TEST(ChartRichText, IndentBecomesTwipsAndSurvivesTheFile) {
    auto rich = richTextFromChartOutput(StyledText{"a\r\nb", {}, 20}, 12);
    EXPECT_EQ(rich.firstLineIndent, 20 * kTwipsPerIndentUnit);
    EXPECT_EQ(readRtf(writeRtf(rich)).text.firstLineIndent, 300);
}

}  // namespace
}  // namespace qimen::cases

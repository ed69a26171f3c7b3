// The comprehensive analysis: scoring and 五不遇时, the pattern lists and
// their order, the palace blocks with every section and length threshold,
// the two variants and the 御定奇门宝鉴 quote. Texts come from a table set
// by each test, so the rules are checked apart from the shipped texts.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../patterns/pattern_test_support.hpp"
#include "analysis/analysis_chart.hpp"
#include "analysis/analysis_tables.hpp"
#include "knowledge/knowledge_base.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::analysis {
namespace {

using namespace knowledge;
using namespace patterns;
using namespace patterns::testing;

struct Texts {
    std::map<TextId, std::string> table;
    std::map<TextId, int> reads;
    TextSource source() {
        return [this](TextId id) -> std::string_view {
            ++reads[id];
            auto it = table.find(id);
            return it == table.end() ? std::string_view{} : std::string_view(it->second);
        };
    }
};

// The probe chart of the pattern tests with no stem in the centre, which
// 坤 (carrying 芮 at home) would otherwise borrow: no rule holds anywhere.
chart::ChartRecord inertChart() {
    chart::ChartRecord chart = Probe{}.chart();
    chart.cells[chart::kCentreCell].heavenStem = chart::kNoStem;
    chart.cells[chart::kCentreCell].earthStem = chart::kNoStem;
    chart.method = chart::ChartMethod::Hour;
    chart.ju = 1;
    return chart;
}

std::size_t countOf(const std::string& text, std::string_view needle) {
    std::size_t n = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++n;
    return n;
}

// The block of palace `palace` within an analysis text.
std::string blockOf(const std::string& text, int palace) {
    std::string heading = palaceHeading(chart::homeOfPalace(palace));
    std::size_t start = text.find(heading);
    if (start == std::string::npos) return {};
    std::size_t end = text.find("\r\n\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

// ---- scoring and lists -------------------------------------------------------

TEST(AnalysisLists, AChartWithoutPatternsPrintsBothListHeadsAlone) {
    chart::ChartRecord chart = inertChart();
    ChartScore score = scoreChart(chart, AnalysisVariant::Full);
    for (const PalaceFindings& f : score.findings) ASSERT_EQ(f.count, 0) << (f.count ? patternName(f.codes[0]) : "");
    Texts texts;
    std::string text = composeAnalysis(chart, AnalysisVariant::Full, texts.source());
    EXPECT_NE(text.find("判断此盘：" + std::string(verdictLine(score.total)) + "吉格：\r\n凶格：\r\n\r\n["),
              std::string::npos);
}

TEST(AnalysisLists, TheOpeningLineStartsWithABlankLineAndTheReferenceMark) {
    Texts texts;
    std::string text = composeAnalysis(inertChart(), AnalysisVariant::Full, texts.source());
    EXPECT_EQ(text.rfind("\r\n※综合分析整个遁甲盘，考量了吉、凶格局，每宫的星、门、神、奇仪的组合关系，判断此盘：", 0), 0u);
}

TEST(AnalysisScore, TheTotalIsTheSumOfTheEightOuterScores) {
    chart::ChartRecord chart = inertChart();
    ChartScore score = scoreChart(chart, AnalysisVariant::Short);
    int sum = 0;
    for (int g = 0; g < 9; ++g) {
        if (g == 4) continue;
        PalaceFindings f;
        detectPatterns(chart, chart::homeOfCell(g), chart.cells[g], f);
        sum += f.score;
    }
    EXPECT_EQ(score.total, sum);
    EXPECT_EQ(score.findings[4].count, 0);
    EXPECT_EQ(score.findings[4].score, 0);
}

TEST(FiveNonMeetingHour, DayJiaHourGengWuLowersTheFullTotalByOneAndHeadsTheInauspiciousList) {
    chart::ChartRecord chart = inertChart();
    chart.dayGZ = 1;    // 甲子
    chart.hourGZ = 7;   // 庚午
    ChartScore full = scoreChart(chart, AnalysisVariant::Full);
    ChartScore brief = scoreChart(chart, AnalysisVariant::Short);
    EXPECT_TRUE(full.fiveNonMeeting);
    EXPECT_EQ(full.total, brief.total - 1);
    Texts texts;
    EXPECT_NE(composeAnalysis(chart, AnalysisVariant::Full, texts.source()).find("\r\n凶格：五不遇时,\r\n\r\n"),
              std::string::npos);
}

TEST(FiveNonMeetingHour, IsNotAppliedByTheShortVariant) {
    chart::ChartRecord chart = inertChart();
    chart.method = chart::ChartMethod::Month;
    chart.dayGZ = 1;
    chart.hourGZ = 7;
    EXPECT_FALSE(scoreChart(chart, AnalysisVariant::Short).fiveNonMeeting);
    Texts texts;
    EXPECT_EQ(composeAnalysis(chart, AnalysisVariant::Short, texts.source()).find("五不遇时"), std::string::npos);
}

TEST(FiveNonMeetingHour, DoesNotHoldForAnotherHourStem) {
    chart::ChartRecord chart = inertChart();
    chart.dayGZ = 1;   // 甲子
    chart.hourGZ = 9;  // 壬申
    EXPECT_FALSE(scoreChart(chart, AnalysisVariant::Full).fiveNonMeeting);
}

// 三奇升殿 holds for 丙 in 离9 (grid cell 1) and 乙 in 震3 (grid cell 3);
// the list walks the grid cells, so 9 comes before 3, though the palace
// blocks run 3 before 9.
TEST(AnalysisLists, CodesFollowTheGridCellsAndThePalaceNumberIsPrinted) {
    chart::ChartRecord chart = inertChart();
    chart.cells[chart::cellOfPalace(9)].heavenStem = kBing;
    chart.cells[chart::cellOfPalace(3)].heavenStem = kYi;
    Texts texts;
    std::string text = composeAnalysis(chart, AnalysisVariant::Full, texts.source());
    std::size_t nine = text.find("三奇升殿(9宫),");
    std::size_t three = text.find("三奇升殿(3宫),");
    ASSERT_NE(nine, std::string::npos);
    ASSERT_NE(three, std::string::npos);
    EXPECT_LT(nine, three);
    EXPECT_LT(text.find("吉格："), nine);
    EXPECT_LT(three, text.find("凶格："));
    EXPECT_LT(text.find("[震宫-正东方]"), text.find("[离宫-正南方]"));
}

TEST(AnalysisLists, InauspiciousCodesGoToTheirOwnListInStoredOrder) {
    chart::ChartRecord chart = inertChart();
    // 六仪击刑 (戊 in 震3) and 三奇入墓 (乙 in 乾6).
    chart.cells[chart::cellOfPalace(3)].heavenStem = kWu;
    chart.cells[chart::cellOfPalace(6)].heavenStem = kYi;
    Texts texts;
    std::string text = composeAnalysis(chart, AnalysisVariant::Full, texts.source());
    std::size_t bad = text.find("凶格：");
    EXPECT_GT(text.find("六仪击刑(3宫),"), bad);
    EXPECT_GT(text.find("三奇入墓(6宫),"), text.find("六仪击刑(3宫),"));
}

// ---- palace blocks -------------------------------------------------------------

TEST(PalaceBlocks, RunInPalaceOrderWithTheCentreSkippedEachFollowedByABlankLine) {
    Texts texts;
    std::string text = composeAnalysis(inertChart(), AnalysisVariant::Full, texts.source());
    std::size_t last = 0;
    for (int palace : {1, 2, 3, 4, 6, 7, 8, 9}) {
        std::size_t at = text.find(palaceHeading(chart::homeOfPalace(palace)));
        ASSERT_NE(at, std::string::npos) << palace;
        EXPECT_GT(at, last) << palace;
        EXPECT_EQ(text.substr(at - 4, 4), "\r\n\r\n") << palace;
        last = at;
    }
    EXPECT_EQ(text.find("中宫"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    EXPECT_EQ(palaceHeading(1), "[坎宫-正北方]\r\n");
}

TEST(PalaceBlocks, FullSectionsComeInOrderDoorRelationStarDeity) {
    chart::ChartRecord chart = inertChart();
    chart.monthElement = 0;  // 水
    Texts texts;
    // Palace 乾6 of the probe: door 死 (土), star 柱 (金), deity 直符 (火).
    texts.table[doorDescriptionId(2)] = "死门描述";
    texts.table[doorStateId(2)] = "旺主一；相主二；休主三；囚主四；死主五；";
    texts.table[starDescriptionId(7)] = "天柱描述";
    texts.table[starStateId(7)] = "旺主a；相主b；休主c；囚主d；死主e；";
    texts.table[deityDescriptionId(0, false)] = "直符描述";
    texts.table[deityStateId(0, false)] = "旺主x；相主y；休主z；囚主u；死主v；";
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Full, texts.source()), 6);
    // In a 水 month 土 is 囚, 金 is 休, 火 is 死. 死 (土) in 乾 (金): 门生宫.
    EXPECT_EQ(block,
              "[乾宫-西北方]\r\n"
              "◎死门描述\r\n状态：囚主四。\r\n"
              "生克：门生宫，吉。\r\n"
              "☆天柱描述\r\n状态：休主c。\r\n"
              "▲直符描述\r\n状态：死主v。\r\n");
}

TEST(PalaceBlocks, TheShortVariantHasNoDoorStarOrDeitySection) {
    chart::ChartRecord chart = inertChart();
    chart.method = chart::ChartMethod::Year;
    Texts texts;
    std::string text = composeAnalysis(chart, AnalysisVariant::Short, texts.source());
    EXPECT_EQ(countOf(text, "◎"), 0u);
    EXPECT_EQ(countOf(text, "☆"), 0u);
    EXPECT_EQ(countOf(text, "▲"), 0u);
    EXPECT_EQ(countOf(text, "生克："), 8u);
    EXPECT_EQ(blockOf(text, 6), "[乾宫-西北方]\r\n生克：门生宫，吉。\r\n");
}

struct RelationCase {
    chart::Door door;
    int palace;
    const char* line;
};
class DoorPalaceRelation : public ::testing::TestWithParam<RelationCase> {};

TEST_P(DoorPalaceRelation, NamesTheElementRelationOfDoorAndPalace) {
    chart::ChartRecord chart = inertChart();
    chart.cells[chart::cellOfPalace(GetParam().palace)].door = GetParam().door;
    Texts texts;
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Short, texts.source()), GetParam().palace);
    EXPECT_NE(block.find(GetParam().line), std::string::npos) << block;
}

INSTANTIATE_TEST_SUITE_P(
    FiveRelations, DoorPalaceRelation,
    ::testing::Values(RelationCase{kKai, 6, "生克：门宫比和。\r\n"},    // 金 in 金
                      RelationCase{kShang, 1, "生克：宫生门，吉。\r\n"},  // 木 in 水
                      RelationCase{kShang, 7, "生克：宫克门，凶。\r\n"},     // 木 in 金
                      RelationCase{kXiu, 9, "生克：门克宫，凶。\r\n"},   // 水 in 火
                      RelationCase{kSheng, 7, "生克：门生宫，吉。\r\n"}));  // 土 in 金

// ---- the centre's stems --------------------------------------------------------

TEST(PalaceBlocks, KunWithRuiAtHomeQuotesAllFourStemPairsAndBothEarthStemsUnderTheDoor) {
    chart::ChartRecord chart = inertChart();
    chart::PalaceCell& kun = chart.cells[chart::cellOfPalace(2)];
    kun = chart::PalaceCell{0, kXin, kRui, kSi, kGeng, 2, 0, 0, 0, 0, 0, 10, 10};
    chart.cells[4].heavenStem = kRen;
    chart.cells[4].earthStem = kGui;
    Texts texts;
    texts.table[stemOverStemId(kXin, kGeng)] = "辛加庚";
    texts.table[stemOverStemId(kXin, kGui)] = "辛加癸";
    texts.table[stemOverStemId(kRen, kGeng)] = "壬加庚";
    texts.table[stemOverStemId(kRen, kGui)] = "壬加癸";
    int si = doorIndexOf(kSi);
    texts.table[doorOverDoorId(si, 2)] = "死加死。";
    texts.table[doorOverStemId(si, kGeng)] = "死加庚。";
    texts.table[doorOverStemId(si, kGui)] = "死加癸。";
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Short, texts.source()), 2);
    EXPECT_NE(block.find("◆辛加庚\r\n◆辛加癸\r\n◆壬加庚\r\n◆壬加癸\r\n◆死加死。\r\n◆死加庚。\r\n◆死加癸。\r\n"),
              std::string::npos)
        << block;
}

TEST(PalaceBlocks, RuiAwayFromKunBorrowsOnlyTheCentresHeavenStemAndStar) {
    chart::ChartRecord chart = inertChart();
    chart::PalaceCell& li = chart.cells[chart::cellOfPalace(9)];
    li.star = kRui;
    li.heavenStem = kXin;
    li.earthStem = kGeng;
    chart.cells[4].heavenStem = kDing;
    chart.cells[4].earthStem = kGui;
    Texts texts;
    texts.table[stemOverStemId(kXin, kGeng)] = "辛加庚";
    texts.table[stemOverStemId(kXin, kGui)] = "辛加癸";
    texts.table[stemOverStemId(kDing, kGeng)] = "丁加庚";
    texts.table[stemOverStemId(kDing, kGui)] = "丁加癸";
    texts.table[starDescriptionId(kRui)] = "天芮描述";
    texts.table[starDescriptionId(kQin)] = "天禽描述";
    texts.table[wonderInPalaceId(0, kDing)] = "六丁到离";
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Full, texts.source()), 9);
    EXPECT_NE(block.find("◆辛加庚\r\n◆丁加庚\r\n"), std::string::npos) << block;
    EXPECT_EQ(block.find("加癸"), std::string::npos);
    EXPECT_NE(block.find("☆天芮描述\r\n状态：。\r\n☆天禽描述\r\n状态：。\r\n"), std::string::npos) << block;
    EXPECT_NE(block.find("◆六丁到离\r\n"), std::string::npos) << block;
}

// ---- length thresholds --------------------------------------------------------

struct ThresholdCase {
    const char* what;
    std::size_t minBytes;
};
class LengthThreshold : public ::testing::TestWithParam<ThresholdCase> {};

// Texts of the threshold length and one byte shorter, with the 乾6 palace of
// the probe set up so that each section quotes exactly one text.
TEST_P(LengthThreshold, ATextOfTheThresholdLengthIsPrintedAndOneByteLessIsNot) {
    const ThresholdCase& c = GetParam();
    chart::ChartRecord chart = inertChart();
    chart::PalaceCell& qian = chart.cells[chart::cellOfPalace(6)];
    qian.heavenStem = kBing;  // a wonder; 丙 over 壬 pairs with no rule in 乾
    TextId id = 0;
    std::string what = c.what;
    if (what == "stem") id = stemOverStemId(kBing, kRen);
    if (what == "door-door") id = doorOverDoorId(doorIndexOf(kSi), 6);
    if (what == "door-stem") id = doorOverStemId(doorIndexOf(kSi), kRen);
    if (what == "wonder") id = wonderInPalaceId(6, kBing);
    for (std::size_t bytes : {c.minBytes, c.minBytes - 1, std::size_t{1}}) {
        Texts texts;
        std::string quote(bytes, 'x');
        if (bytes == 1) quote = " ";  // the placeholder
        texts.table[id] = quote;
        std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Short, texts.source()), 6);
        bool printed = block.find("◆" + quote + "\r\n") != std::string::npos;
        EXPECT_EQ(printed, bytes >= c.minBytes) << what << " with " << bytes << " bytes: " << block;
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, LengthThreshold,
                         ::testing::Values(ThresholdCase{"stem", 5}, ThresholdCase{"door-door", 6},
                                           ThresholdCase{"door-stem", 6}, ThresholdCase{"wonder", 6}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::erase(name, '-');
                             return name;
                         });

TEST(LengthThreshold, ThresholdsCountGbkBytesNotUtf8Bytes) {
    chart::ChartRecord chart = inertChart();
    Texts texts;
    texts.table[doorOverDoorId(doorIndexOf(kSi), 6)] = "死加死";  // 6 GBK bytes, 9 UTF-8 bytes
    texts.table[stemOverStemId(kXin, kRen)] = "辛壬";             // 4 GBK bytes, 6 UTF-8 bytes
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Short, texts.source()), 6);
    EXPECT_NE(block.find("◆死加死\r\n"), std::string::npos);
    EXPECT_EQ(block.find("辛壬"), std::string::npos);
}

TEST(PatternComments, ACommentOfSixBytesFollowsTheNameAShorterOneLeavesTheNameAlone) {
    chart::ChartRecord chart = inertChart();
    chart.cells[chart::cellOfPalace(3)].heavenStem = kYi;  // 三奇升殿 in 震3
    for (std::size_t bytes : {6u, 5u}) {
        Texts texts;
        texts.table[patternCommentId(pattern::kSanQiShengDian)] = std::string(bytes, 'c');
        std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Short, texts.source()), 3);
        std::string expected = "○三奇升殿:" + (bytes == 6 ? std::string(6, 'c') : std::string()) + "\r\n";
        EXPECT_NE(block.find(expected), std::string::npos) << bytes << ": " << block;
    }
}

TEST(PatternComments, InauspiciousCodesUseTheFilledCircleAndTheirOwnRange) {
    chart::ChartRecord chart = inertChart();
    chart.cells[chart::cellOfPalace(3)].heavenStem = kWu;  // 六仪击刑 in 震3
    Texts texts;
    texts.table[patternCommentId(pattern::kLiuYiJiXing)] = "戊到震宫击刑。";
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Short, texts.source()), 3);
    EXPECT_NE(block.find("●六仪击刑:戊到震宫击刑。\r\n"), std::string::npos) << block;
    EXPECT_EQ(texts.reads.count(3015), 1u);
}

// ---- deities -------------------------------------------------------------------

TEST(DeityTexts, ShenOneInYangDunReadsGouChenAndZhuQueTexts) {
    chart::ChartRecord chart = inertChart();
    chart.settings.shen = 1;
    chart.yangDun = true;
    chart.cells[chart::cellOfPalace(6)].deity = 5;
    Texts texts;
    texts.table[2735] = "勾陈";
    texts.table[2835] = "旺主甲；相主乙；休主丙；囚主丁；死主戊；";
    chart.monthElement = 3;  // 土: 勾陈 (土) is 旺
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Full, texts.source()), 6);
    EXPECT_NE(block.find("▲勾陈\r\n状态：旺主甲。\r\n"), std::string::npos) << block;
}

TEST(DeityTexts, ShenOneInYinDunStillReadsBaiHu) {
    chart::ChartRecord chart = inertChart();
    chart.settings.shen = 1;
    chart.yangDun = false;
    chart.cells[chart::cellOfPalace(6)].deity = 5;
    Texts texts;
    texts.table[2725] = "白虎";
    texts.table[2825] = "旺主甲；相主乙；休主丙；囚主丁；死主戊；";
    chart.monthElement = 4;  // 金: 白虎 (金) is 旺
    std::string block = blockOf(composeAnalysis(chart, AnalysisVariant::Full, texts.source()), 6);
    EXPECT_NE(block.find("▲白虎\r\n状态：旺主甲。\r\n"), std::string::npos) << block;
    EXPECT_EQ(texts.reads.count(2735), 0u);
}

// ---- variants, memo and quotation --------------------------------------------

TEST(AnalysisVariants, TheShortVariantEndsWithTheNoteOfItsMethodAndNoLineBreak) {
    chart::ChartRecord chart = inertChart();
    Texts texts;
    chart.method = chart::ChartMethod::Month;
    std::string month = composeAnalysis(chart, AnalysisVariant::Short, texts.source());
    EXPECT_TRUE(month.ends_with("\r\n\r\n注：月家奇门是用来预测一个月内所发生的事，常用于进京赶考、外出做官、经商出行以及玄空风水等方面的预测择吉之用。正常来说，得三奇、吉门、吉星等旺相者为吉，反之，则为凶也！"));
    chart.method = chart::ChartMethod::Year;
    std::string year = composeAnalysis(chart, AnalysisVariant::Short, texts.source());
    EXPECT_TRUE(year.ends_with("\r\n\r\n注：年家奇门主要是应用于国家大事和年内吉凶的预测。"));
}

TEST(AnalysisVariants, FullAppendsToTheChartTextAndReplacesTheMemo) {
    chart::ChartRecord chart = inertChart();
    chart.settings.baojian = false;
    chart.chartText = "grid";
    chart.memoText = "old memo";
    Texts texts;
    analyseChartFull(chart, texts.source());
    EXPECT_EQ(chart.chartText, "grid" + chart.memoText);
    EXPECT_EQ(chart.memoText, composeAnalysis(chart, AnalysisVariant::Full, texts.source()));
    EXPECT_EQ(chart.memoText.find("御定奇门宝鉴"), std::string::npos);
}

TEST(AnalysisVariants, ShortNeverQuotesTheBaojian) {
    chart::ChartRecord chart = inertChart();
    chart.method = chart::ChartMethod::Month;
    chart.settings.baojian = true;
    Texts texts;
    analyseChartShort(chart, texts.source());
    EXPECT_EQ(chart.chartText.find("御定奇门宝鉴"), std::string::npos);
    EXPECT_EQ(chart.chartText, chart.memoText);
}

struct QuoteCase {
    calendar::GanZhiCode day, hour;
    bool yang;
    int ju;
    TextId first;
};
class BaojianQuote : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(BaojianQuote, QuotesThePairOfDayGroupHourDunAndJuAfterTheAnalysis) {
    const QuoteCase& c = GetParam();
    chart::ChartRecord chart = inertChart();
    chart.settings.baojian = true;
    chart.dayGZ = c.day;
    chart.hourGZ = c.hour;
    chart.yangDun = c.yang;
    chart.ju = static_cast<std::int16_t>(c.ju);
    Texts texts;
    texts.table[c.first] = "first\r\n";
    texts.table[static_cast<TextId>(c.first + 1)] = "second\r\n";
    analyseChartFull(chart, texts.source());
    EXPECT_TRUE(chart.chartText.ends_with("\r\n\r\n御定奇门宝鉴：\r\nfirst\r\nsecond\r\n")) << chart.chartText;
    EXPECT_TRUE(chart.memoText.ends_with("御定奇门宝鉴：\r\nfirst\r\nsecond\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Pairs, BaojianQuote,
                         ::testing::Values(QuoteCase{1, 1, false, 1, 100},     // 甲子 day, 甲子 hour, 阴一局
                                           QuoteCase{10, 60, true, 9, 2258},   // 癸酉 day, 癸亥 hour (code 0 → 60), 阳九局
                                           QuoteCase{55, 12, true, 9, 2258},   // 戊午 day, 乙亥 hour, 阳九局
                                           QuoteCase{6, 13, false, 5, 108}));  // 己巳 day, 丙子 hour, 阴五局: n = 4

TEST(BaojianQuote, EmptyPairsStillPrintTheHeading) {
    chart::ChartRecord chart = inertChart();
    chart.settings.baojian = true;
    Texts texts;
    analyseChartFull(chart, texts.source());
    EXPECT_TRUE(chart.chartText.ends_with("\r\n\r\n御定奇门宝鉴：\r\n"));
}

TEST(AnalysisWithoutTexts, EveryBlockStillHasItsFixedLines) {
    Texts texts;
    std::string text = composeAnalysis(inertChart(), AnalysisVariant::Full, texts.source());
    EXPECT_EQ(countOf(text, "◎\r\n状态：。\r\n"), 8u);
    EXPECT_EQ(countOf(text, "▲\r\n状态：。\r\n"), 8u);
    EXPECT_EQ(countOf(text, "◆"), 0u);
}

}  // namespace
}  // namespace qimen::analysis

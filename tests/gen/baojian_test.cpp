// The 御定奇门宝鉴 texts: the committed file is what the generator writes;
// each chart is the one the id formula names; the palace lines carry exactly
// the detector's findings; the twenty matters come in order and rest on the
// pieces of the chart tradition reads for them; every text fits the store.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "baojian_file.hpp"
#include "calendar/ganzhi.hpp"
#include "chart/vocabulary.hpp"
#include "knowledge/knowledge_base.hpp"
#include "patterns/pattern_codes.hpp"
#include "text/gbk.hpp"

namespace {

using namespace qimen;
using namespace qimen::gen;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0;;) {
        std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return lines;
        at = end + 2;
    }
}

std::vector<std::string> splitNames(const std::string& list) {
    std::vector<std::string> names;
    if (list.empty()) return names;
    for (std::size_t at = 0;;) {
        std::size_t end = list.find("、", at);
        names.push_back(list.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return names;
        at = end + std::string("、").size();
    }
}

// The texts of all charts, composed once for the whole suite.
const std::vector<BaojianTexts>& allTexts() {
    static const std::vector<BaojianTexts> texts = [] {
        std::vector<BaojianTexts> v;
        for (int n = 0; n < kBaojianChartCount; ++n) v.push_back(composeBaojianTexts(n));
        return v;
    }();
    return texts;
}

TEST(BaojianFile, CommittedFileIsWhatTheGeneratorWrites) {
    std::ifstream in(std::string(QIMEN_SOURCE_DIR) + "/data/knowledge/baojian.txt", std::ios::binary);
    ASSERT_TRUE(in) << "data/knowledge/baojian.txt is missing";
    std::stringstream committed;
    committed << in.rdbuf();
    EXPECT_TRUE(committed.str() == formatBaojianFile())
        << "regenerate with gen_baojian data/knowledge/baojian.txt";
}

TEST(BaojianFile, CompiledTextsAreTheComposedOnes) {
    for (int n = 0; n < kBaojianChartCount; n += 37) {
        EXPECT_EQ(knowledge::lookupText(static_cast<knowledge::TextId>(100 + 2 * n)), allTexts()[n].remarks) << n;
        EXPECT_EQ(knowledge::lookupText(static_cast<knowledge::TextId>(101 + 2 * n)), allTexts()[n].readings) << n;
    }
}

// The five-rat rule: the 子 hour of 甲己 days is 甲子, of 乙庚 丙子, of 丙辛
// 戊子, of 丁壬 庚子, of 戊癸 壬子; the 亥 hour of 戊癸 days is 癸亥.
TEST(BaojianCharts, HourPillarFollowsTheFiveRatRule) {
    const char* const ziHour[5] = {"甲子", "丙子", "戊子", "庚子", "壬子"};
    for (int g = 1; g <= 5; ++g)
        EXPECT_EQ(chart::ganZhiText(baojianHourPillar({g, 1, false, 1})), ziHour[g - 1]) << g;
    EXPECT_EQ(chart::ganZhiText(baojianHourPillar({5, 12, true, 9})), "癸亥");
    EXPECT_EQ(chart::ganZhiText(baojianHourPillar({1, 7, false, 1})), "庚午");
}

// Each chart is the one whose texts the lookup of the analyses finds.
TEST(BaojianCharts, EveryChartIsAddressedByItsOwnIds) {
    for (int n = 0; n < kBaojianChartCount; ++n) {
        BaojianKey key = baojianKeyOf(n);
        chart::ChartRecord r = layBaojianChart(key);
        auto ids = knowledge::baojianIds(calendar::stemOf(r.dayGZ), calendar::branchOf(r.hourGZ), r.yangDun, r.ju);
        ASSERT_EQ(ids.first, 100 + 2 * n) << n;
        EXPECT_EQ(r.yangDun, key.yangDun);
        EXPECT_EQ(r.ju, key.ju);
    }
}

TEST(BaojianTexts, PalaceLinesListExactlyTheDetectorsPatterns) {
    const char* const palaces[8] = {"乾", "坎", "艮", "震", "巽", "离", "坤", "兑"};
    for (int n = 0; n < kBaojianChartCount; ++n) {
        SCOPED_TRACE(n);
        BaojianChart c = analyseBaojianChart(baojianKeyOf(n));
        auto lines = linesOf(allTexts()[n].remarks);
        ASSERT_EQ(lines.size(), 9u);
        for (int p = 0; p < 8; ++p) {
            std::string head = std::string(palaces[p]) + "：";
            ASSERT_TRUE(lines[p].starts_with(head)) << lines[p];
            // The named palace is the one whose findings the line lists.
            int cell = kRemarkPalaceCells[p];
            ASSERT_EQ(palaceOf(cell), palaces[p]);
            std::vector<std::string> expected;
            for (auto code : c.found(cell).found()) {
                std::string name(patterns::patternName(code));
                if (expected.empty() || expected.back() != name) expected.push_back(name);
            }
            EXPECT_EQ(splitNames(lines[p].substr(head.size())), expected) << lines[p];
        }
        EXPECT_TRUE(lines[8].starts_with("断曰：")) << lines[8];
    }
}

TEST(BaojianTexts, JudgementHasTwoToFourSentencesAndTheChartsVerdict) {
    for (int n = 0; n < kBaojianChartCount; ++n) {
        BaojianChart c = analyseBaojianChart(baojianKeyOf(n));
        std::string judgement = linesOf(allTexts()[n].remarks).back();
        std::size_t sentences = 0;
        for (auto at = judgement.find("。"); at != std::string::npos; at = judgement.find("。", at + 1)) ++sentences;
        EXPECT_GE(sentences, 2u) << n;
        EXPECT_LE(sentences, 4u) << n;
        std::string verdict(verdictOf(c.scoreSum));
        if (verdict == "平") verdict = "平平";
        EXPECT_TRUE(judgement.find("总断" + verdict + "，") != std::string::npos ||
                    judgement.find("局属" + verdict + "，") != std::string::npos)
            << n << judgement;
        // The leaders are named where they stand.
        EXPECT_NE(judgement.find("值符天" + std::string(chart::starText(c.record.leaderStar)) + "加" +
                                 std::string(palaceOf(c.leaderStarCell()))),
                  std::string::npos)
            << n;
    }
}

TEST(BaojianTexts, VerdictScaleIsTheAnalysisScale) {
    EXPECT_EQ(verdictOf(-15), "大凶");
    EXPECT_EQ(verdictOf(-14), "凶");
    EXPECT_EQ(verdictOf(-5), "凶");
    EXPECT_EQ(verdictOf(-4), "平");
    EXPECT_EQ(verdictOf(5), "平");
    EXPECT_EQ(verdictOf(6), "吉");
    EXPECT_EQ(verdictOf(14), "吉");
    EXPECT_EQ(verdictOf(15), "大吉");
}

TEST(BaojianTexts, TwentyMattersComeInOrder) {
    for (int n = 0; n < kBaojianChartCount; ++n) {
        auto lines = linesOf(allTexts()[n].readings);
        ASSERT_EQ(lines.size(), 20u) << n;
        for (int t = 0; t < 20; ++t) {
            EXPECT_TRUE(lines[t].starts_with(std::string(kTopicHeadings[t]) + "：")) << n << " " << lines[t];
            EXPECT_TRUE(lines[t].ends_with("。")) << n << " " << lines[t];
        }
    }
}

// 求财 reads the 生门, 疾病 天芮, 出行 the 开门's direction, 婚姻 六合,
// 天时 天蓬 and 天英: each reading names where they stand in this chart.
TEST(BaojianTexts, ReadingsNameThePiecesTraditionConsults) {
    for (int n = 0; n < kBaojianChartCount; ++n) {
        SCOPED_TRACE(n);
        BaojianChart c = analyseBaojianChart(baojianKeyOf(n));
        auto lines = linesOf(allTexts()[n].readings);
        auto palace = [](int cell) { return std::string(palaceOf(cell)); };
        EXPECT_NE(lines[13].find("生门" + std::string(c.cellOfDoor(8) == c.cellOfHeavenStem(5) ? "戊土同临" : "临") +
                                 palace(c.cellOfDoor(8))),
                  std::string::npos)
            << lines[13];
        EXPECT_NE(lines[16].find("天芮" + std::string(c.cellOfStar(2) == c.cellOfDoor(2) ? "死门同临" : "临") +
                                 palace(c.cellOfStar(2))),
                  std::string::npos)
            << lines[16];
        EXPECT_NE(lines[1].find("开门在" + std::string(directionOf(c.cellOfDoor(6)))), std::string::npos) << lines[1];
        EXPECT_NE(lines[14].find("六合" + palace(c.cellOfDeity(3))), std::string::npos) << lines[14];
        EXPECT_NE(lines[8].find("天蓬临" + palace(c.cellOfStar(1)) + "，天英临" + palace(c.cellOfStar(0))),
                  std::string::npos)
            << lines[8];
    }
}

// Readings differ as the charts differ: no two charts share a second text,
// and every matter has many different readings over the 1,080 charts.
TEST(BaojianTexts, ReadingsDifferFromChartToChart) {
    std::set<std::string> whole;
    std::vector<std::set<std::string>> perMatter(20);
    for (int n = 0; n < kBaojianChartCount; ++n) {
        EXPECT_TRUE(whole.insert(allTexts()[n].readings).second) << n;
        auto lines = linesOf(allTexts()[n].readings);
        for (std::size_t t = 0; t < lines.size() && t < 20; ++t) perMatter[t].insert(lines[t]);
    }
    for (int t = 0; t < 20; ++t) EXPECT_GE(perMatter[t].size(), 24u) << kTopicHeadings[t];
}

TEST(BaojianTexts, EveryTextIsGbkWithinTheStoresLimit) {
    for (int n = 0; n < kBaojianChartCount; ++n)
        for (const std::string* text : {&allTexts()[n].remarks, &allTexts()[n].readings}) {
            ASSERT_TRUE(text::isGbkEncodable(*text)) << n;
            EXPECT_LE(text::gbkLength(*text), 850u) << n;
        }
}

}  // namespace

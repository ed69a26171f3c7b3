// The 御定奇门宝鉴 texts: the committed file is what the generator writes;
// each chart is the one the id formula names; the palace lines carry exactly
// the detector's findings; the twenty matters come in order, rest on the
// pieces of the chart tradition reads for them and follow its verdict and
// plates; the sentences vary (measured on the committed file); every text
// fits the store.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <span>
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
        // A 甲 year and month: no 戏格 or 月格 of their own.
        EXPECT_EQ(calendar::stemOf(r.yearGZ), 1);
        EXPECT_EQ(calendar::stemOf(r.monthGZ), 1);
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

// 求财 reads the 生门, 疾病 天芮, 出行 the 开门's direction, 婚姻 乙 庚 and
// 六合, 天时 天蓬 and 天英: each reading names where they stand in this
// chart. 伏吟 and 反吟 charts say so in their travel reading.
TEST(BaojianTexts, ReadingsNameThePiecesTraditionConsults) {
    for (int n = 0; n < kBaojianChartCount; ++n) {
        SCOPED_TRACE(n);
        BaojianChart c = analyseBaojianChart(baojianKeyOf(n));
        auto lines = linesOf(allTexts()[n].readings);
        auto palace = [](int cell) { return std::string(palaceOf(cell)); };
        auto holds = [](const std::string& line, const std::string& piece) {
            return line.find(piece) != std::string::npos;
        };
        int sheng = c.cellOfDoor(8), rui = c.cellOfStar(2);
        EXPECT_TRUE(holds(lines[13], "生门" + palace(sheng)) || holds(lines[13], "生门戊同临" + palace(sheng)))
            << lines[13];
        EXPECT_TRUE(holds(lines[16], "芮" + palace(rui)) || holds(lines[16], "芮死同临" + palace(rui))) << lines[16];
        EXPECT_TRUE(holds(lines[1], "开门" + std::string(directionOf(c.cellOfDoor(6))))) << lines[1];
        EXPECT_TRUE(holds(lines[14], "乙" + palace(c.cellOfHeavenStem(2)) + "庚" + palace(c.cellOfHeavenStem(7)) +
                                         "，六合" + palace(c.cellOfDeity(3))))
            << lines[14];
        EXPECT_TRUE(holds(lines[8], "蓬" + palace(c.cellOfStar(1))) && holds(lines[8], "英" + palace(c.cellOfStar(0))))
            << lines[8];
        EXPECT_TRUE(!c.fuYin() || holds(lines[1], "伏吟")) << lines[1];
        EXPECT_TRUE(!c.fanYin() || holds(lines[1], "反吟")) << lines[1];
    }
}

// Each key serves both days of its group: a reading that names the day
// stem names both (日干乙坎庚离, 日干甲己), never one alone; a bare 日干
// (合临日干) names none.
TEST(BaojianTexts, DayStemIsNamedAsItsGroup) {
    const char* const groups[5][2] = {{"甲", "己"}, {"乙", "庚"}, {"丙", "辛"}, {"丁", "壬"}, {"戊", "癸"}};
    for (int n = 0; n < kBaojianChartCount; ++n) {
        const auto& group = groups[baojianKeyOf(n).group - 1];
        for (const std::string* text : {&allTexts()[n].remarks, &allTexts()[n].readings})
            for (auto at = text->find("日干"); at != std::string::npos; at = text->find("日干", at + 1)) {
                std::string clause = text->substr(at, text->find("，", at) - at);
                std::string next = clause.substr(std::string("日干").size(), 3);
                if (std::string("甲乙丙丁戊己庚辛壬癸").find(next) == std::string::npos || next.empty()) continue;
                EXPECT_TRUE(clause.find(group[0]) != std::string::npos && clause.find(group[1]) != std::string::npos)
                    << n << " " << clause;
            }
    }
}

// 门迫 is said only of a palace whose door restrains it: the 值符 and 值使
// palaces in the judgement, the 开门 and 生门 in the readings that rest on
// them (出行, 阳宅, 官禄, 求财).
TEST(BaojianTexts, DoorPressureOnlyWhereTheChartHasIt) {
    for (int n = 0; n < kBaojianChartCount; ++n) {
        SCOPED_TRACE(n);
        BaojianChart c = analyseBaojianChart(baojianKeyOf(n));
        std::string judgement = linesOf(allTexts()[n].remarks).back();
        bool leaderPressed = doorRelation(c, c.leaderStarCell()) == 3;
        bool envoyPressed = doorRelation(c, c.leaderDoorCell()) == 3;
        EXPECT_TRUE(leaderPressed || judgement.find("门迫其宫") == std::string::npos) << judgement;
        EXPECT_TRUE(envoyPressed || judgement.find("门迫于宫") == std::string::npos) << judgement;
        auto lines = linesOf(allTexts()[n].readings);
        for (auto [topic, door] : {std::pair{1, 6}, {2, 8}, {11, 6}, {13, 8}}) {
            bool pressed = doorRelation(c, c.cellOfDoor(static_cast<chart::Door>(door))) == 3;
            EXPECT_TRUE(pressed || lines[topic].find("门迫") == std::string::npos) << lines[topic];
        }
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

// ---- measured on the committed file ------------------------------------------
//
// A sentence is the text up to and including a "。", taken line by line
// with the line's heading ("兵事：", "断曰：") cut off; the palace lines of
// the first text hold no "。" and so no sentence. A contradiction is a matter
// line of the second text that promises success (one of kPromises, not
// directly after a negating character) while the 断曰 of its first text says
// 凶 or 大凶, or a 出行 line that promises going (kPromises and kGoing) in a
// chart whose plates stand in 伏吟.

// The two texts of each n, read from data/knowledge/baojian.txt.
std::vector<BaojianTexts> committedTexts() {
    std::ifstream in(std::string(QIMEN_SOURCE_DIR) + "/data/knowledge/baojian.txt", std::ios::binary);
    std::vector<BaojianTexts> texts(kBaojianChartCount);
    std::string line, *into = nullptr;
    while (std::getline(in, line)) {
        if (line.starts_with("#")) continue;
        if (line.starts_with("@")) {
            int id = std::stoi(line.substr(1));
            int n = (id - 100) / 2;
            into = n >= 0 && n < kBaojianChartCount ? (id % 2 ? &texts[n].readings : &texts[n].remarks) : nullptr;
            continue;
        }
        if (!into || line.empty()) continue;
        if (!into->empty()) *into += "\r\n";
        *into += line;
    }
    return texts;
}

std::vector<std::string> sentencesOf(const std::string& text) {
    const std::string colonMark = "：", stop = "。";
    std::vector<std::string> sentences;
    for (std::string line : linesOf(text)) {
        auto colon = line.find(colonMark);
        if (colon != std::string::npos) line = line.substr(colon + colonMark.size());
        for (std::size_t at = 0, end; (end = line.find(stop, at)) != std::string::npos; at = end + stop.size())
            sentences.push_back(line.substr(at, end + stop.size() - at));
    }
    return sentences;
}

const char* const kPromises[] = {"可成", "必成", "易成", "有成", "可就", "易就", "顺遂", "顺利", "如意", "称心",
                                 "遂心", "大利", "得利", "获利", "可得", "必得", "易得", "有获", "得手", "广进",
                                 "亨通", "高中", "必胜", "可胜", "必克", "可破", "可愈", "天成", "昌盛", "兴旺",
                                 "可期", "无阻", "通达", "平安", "复得", "寻回", "有功", "吉利"};
const char* const kGoing[] = {"宜行", "可行", "利行", "宜出", "利出", "宜远行", "利远行", "宜往", "可往", "远行吉"};

// A phrase counts unless the character right before it negates it (不可成,
// 未顺利, 难如意 …).
bool saysAny(const std::string& line, std::span<const char* const> phrases) {
    static const std::vector<std::string> negations = {"不", "未", "难", "莫", "勿", "非", "无", "忌", "岂"};
    for (const char* phrase : phrases)
        for (auto at = line.find(phrase); at != std::string::npos; at = line.find(phrase, at + 1)) {
            bool negated = false;
            for (const auto& neg : negations)
                negated = negated || (at >= neg.size() && line.compare(at - neg.size(), neg.size(), neg) == 0);
            if (!negated) return true;
        }
    return false;
}

bool judgedBad(const std::string& remarks) {
    for (const char* frame : {"总断凶，", "局属凶，", "总断大凶，", "局属大凶，"})
        if (remarks.find(frame) != std::string::npos) return true;
    return false;
}

TEST(BaojianQuality, SentencesVaryAndMattersFollowTheVerdict) {
    auto texts = committedTexts();
    std::size_t occurrences = 0;
    std::map<std::string, std::set<int>> textsOf;  // sentence → ids of the texts holding it
    int contradictions = 0;
    for (int n = 0; n < kBaojianChartCount; ++n) {
        for (int half = 0; half < 2; ++half)
            for (const auto& sentence : sentencesOf(half ? texts[n].readings : texts[n].remarks)) {
                ++occurrences;
                textsOf[sentence].insert(100 + 2 * n + half);
            }
        auto matters = linesOf(texts[n].readings);
        bool bad = judgedBad(texts[n].remarks);
        bool fuYin = layBaojianChart(baojianKeyOf(n)).plateEcho == chart::kFuYin;
        for (std::size_t t = 0; t < matters.size(); ++t) {
            bool promise = saysAny(matters[t], kPromises);
            bool going = t == 1 && (promise || saysAny(matters[t], kGoing));
            if ((bad && promise) || (fuYin && going)) {
                ++contradictions;
                ADD_FAILURE() << n << " " << matters[t];
            }
        }
    }
    std::size_t widest = 0;
    std::string widestSentence;
    for (const auto& [sentence, ids] : textsOf)
        if (ids.size() > widest) widest = ids.size(), widestSentence = sentence;
    double distinct = 100.0 * static_cast<double>(textsOf.size()) / static_cast<double>(occurrences);
    std::printf("distinct sentences %.1f %% (%zu of %zu); widest sentence in %zu texts: %s; contradictions %d\n",
                distinct, textsOf.size(), occurrences, widest, widestSentence.c_str(), contradictions);
    EXPECT_GE(distinct, 60.0);
    EXPECT_LE(widest, 40u) << widestSentence;
    EXPECT_EQ(contradictions, 0);
}

}  // namespace

// The knowledge base: the id formulas against worked examples, and a walk of
// the whole id table checking that each range holds what it must, in the
// form the analyses rely on (they cut state texts at "；", skip short texts,
// and print stem and door texts after a bullet).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "knowledge/knowledge_base.hpp"
#include "knowledge/knowledge_store.hpp"
#include "text/gbk.hpp"

namespace {

using namespace qimen::knowledge;

// ---- formulas ----------------------------------------------------------------

TEST(KnowledgeIds, BaojianPairRunsYinThenYangWithinDayGroupAndHour) {
    // 甲 (1) or 己 (6) day, 子 (1) hour, 阴遁一局: the first pair.
    EXPECT_EQ(baojianIds(1, 1, false, 1).first, 100);
    EXPECT_EQ(baojianIds(6, 1, false, 1).second, 101);
    // 戊 (5) or 癸 (0) day, 亥 (0) hour, 阳遁九局: the last pair.
    EXPECT_EQ(baojianIds(5, 0, true, 9).first, 2258);
    EXPECT_EQ(baojianIds(0, 0, true, 9).second, 2259);
    // Yang ju 1 follows yin ju 9 of the same hour.
    EXPECT_EQ(baojianIds(1, 1, false, 9).first + 2, baojianIds(1, 1, true, 1).first);
    // The next hour starts 18 pairs later; the next day group 216 pairs later.
    EXPECT_EQ(baojianIds(1, 2, false, 1).first, 100 + 36);
    EXPECT_EQ(baojianIds(2, 1, false, 1).first, 100 + 432);
    EXPECT_EQ(baojianIds(7, 1, false, 1).first, 100 + 432);  // 庚 groups with 乙
}

TEST(KnowledgeIds, EveryBaojianChartHasItsOwnPairInsideTheRange) {
    std::set<int> firsts;
    for (int stem = 0; stem < 5; ++stem)
        for (int branch = 0; branch < 12; ++branch)
            for (bool yang : {false, true})
                for (int ju = 1; ju <= 9; ++ju) {
                    auto ids = baojianIds(static_cast<std::uint8_t>(stem),
                                          static_cast<std::uint8_t>(branch), yang, ju);
                    EXPECT_EQ(ids.second, ids.first + 1);
                    EXPECT_GE(ids.first, kBaojianFirstId);
                    EXPECT_LE(ids.second, kBaojianLastId);
                    firsts.insert(ids.first);
                }
    EXPECT_EQ(firsts.size(), 1080u);
}

TEST(KnowledgeIds, StemOverStem) {
    EXPECT_EQ(stemOverStemId(0, 2), 2302);  // 癸加乙
    EXPECT_EQ(stemOverStemId(0, 1), 2301);  // 癸加甲, a placeholder
    EXPECT_EQ(stemOverStemId(9, 0), 2390);  // 壬加癸
    EXPECT_EQ(stemOverStemId(5, 3), 2353);  // 戊加丙
}

TEST(KnowledgeIds, DoorIndexSkipsTheCentre) {
    const int expected[9] = {0, 1, 2, 3, 4, kNoDoorIndex, 5, 6, 7};
    for (int door = 0; door < 9; ++door)
        EXPECT_EQ(doorIndexOf(static_cast<std::uint8_t>(door)), expected[door]) << door;
    // The centre's ids fall outside the door ranges.
    EXPECT_GT(doorOverDoorId(kNoDoorIndex, 0), 2559);
    EXPECT_GT(doorOverStemId(kNoDoorIndex, 0), 2559);
}

TEST(KnowledgeIds, DoorOverDoorAndOverStemInterleaveWithoutOverlap) {
    EXPECT_EQ(doorOverDoorId(doorIndexOf(0), 1), 2401);   // 景 over 坎 (休)
    EXPECT_EQ(doorOverStemId(doorIndexOf(0), 0), 2410);   // 景 over 癸
    EXPECT_EQ(doorOverStemId(doorIndexOf(8), 9), 2559);   // 生 over 壬
    EXPECT_EQ(doorOverDoorId(doorIndexOf(6), 8), 2508);   // 开 over 艮 (生)
    std::set<int> ids;
    for (int d = 0; d < 8; ++d) {
        for (int h = 0; h < 9; ++h) EXPECT_TRUE(ids.insert(doorOverDoorId(d, h)).second);
        for (int s = 0; s < 10; ++s) EXPECT_TRUE(ids.insert(doorOverStemId(d, s)).second);
    }
}

TEST(KnowledgeIds, WondersDescriptionsAndStates) {
    EXPECT_EQ(wonderInPalaceId(0, 2), 2602);  // 乙 at 离
    EXPECT_EQ(wonderInPalaceId(8, 4), 2684);  // 丁 at 艮
    EXPECT_EQ(doorDescriptionId(5), 2705);
    EXPECT_EQ(starDescriptionId(8), 2718);
    EXPECT_EQ(deityDescriptionId(5, false), 2725);  // 白虎
    EXPECT_EQ(deityDescriptionId(5, true), 2735);   // 勾陈
    EXPECT_EQ(deityDescriptionId(6, true), 2736);   // 朱雀
    EXPECT_EQ(deityDescriptionId(7, true), 2727);   // 九地 is the same in both lists
    EXPECT_EQ(starStateId(0), 2800);
    EXPECT_EQ(doorStateId(5), 2815);
    EXPECT_EQ(deityStateId(5, false), 2825);
    EXPECT_EQ(deityStateId(6, true), 2836);
    EXPECT_EQ(deityStateId(0, true), 2820);
    EXPECT_EQ(palaceStateId(8), 2848);
}

TEST(KnowledgeIds, PatternsTopicsTravel) {
    EXPECT_EQ(patternCommentId(0), 2900);
    EXPECT_EQ(patternCommentId(26), 2926);
    EXPECT_EQ(patternCommentId(10000), 3000);
    EXPECT_EQ(patternCommentId(10027), 3027);
    EXPECT_EQ(topicGuideIds(0).first, 3100);
    EXPECT_EQ(topicGuideIds(6).second, 3113);
    EXPECT_EQ(travelFormulaId(13), 3213);
    EXPECT_EQ(travelFormulaId(27), 3227);
}

// ---- the id table ---------------------------------------------------------

const char* const kStem[10] = {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬"};
const char* const kDoorByIndex[8] = {"景", "休", "死", "伤", "杜", "开", "惊", "生"};
const int kDoorCodeByIndex[8] = {0, 1, 2, 3, 4, 6, 7, 8};
// The own door of each palace, by HomeCode (the centre has none).
const char* const kPalaceDoor[9] = {"景", "休", "死", "伤", "杜", "", "开", "惊", "生"};
const char* const kPalaceName[9] = {"离", "坎", "坤", "震", "巽", "中", "乾", "兑", "艮"};

enum class Form {
    Placeholder,
    StemOverStem,
    DoorOverDoor,
    DoorOverStem,
    Wonder,
    Description,
    State,
    PatternComment,
    TopicGuide,
    Travel,
};

struct Expected {
    Form form;
    std::string head;  // what the text must begin with (empty: no fixed head)
};

// Every id outside the 御定奇门宝鉴 range that must hold a text, with its
// form. Ids not listed (and not in 100..2259) must hold nothing. The
// placeholders are the combinations that cannot occur: earth 甲 under a
// stem (it hides under its instrument), the centre palace's door (door over
// the centre, 2705, 2815). Every pattern the detector reports and every door
// over a stem has a real text.
std::map<int, Expected> expectedTable() {
    std::map<int, Expected> table;
    auto put = [&](int id, Form form, std::string head = {}) {
        ASSERT_TRUE(table.emplace(id, Expected{form, std::move(head)}).second) << id;
    };
    for (int h = 0; h < 10; ++h) {
        if (h == 1) continue;  // heaven 甲: absent
        for (int e = 0; e < 10; ++e) {
            int id = stemOverStemId(static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(e));
            if (e == 1)
                put(id, Form::Placeholder);
            else
                put(id, Form::StemOverStem, std::string(kStem[h]) + "加" + kStem[e] + "为“");
        }
    }
    for (int d = 0; d < 8; ++d) {
        for (int h = 0; h < 9; ++h) {
            int id = doorOverDoorId(d, static_cast<std::uint8_t>(h));
            if (h == 5)
                put(id, Form::Placeholder);
            else
                put(id, Form::DoorOverDoor, std::string(kDoorByIndex[d]) + "加" + kPalaceDoor[h] + "：");
        }
        for (int s = 0; s < 10; ++s) {
            int id = doorOverStemId(d, static_cast<std::uint8_t>(s));
            // Earth 甲 reads the door over the hidden 甲 of the ten-day head.
            put(id, Form::DoorOverStem, std::string(kDoorByIndex[d]) + "加" + kStem[s] + "：");
        }
    }
    for (int h = 0; h < 9; ++h) {
        if (h == 5) continue;
        for (int w = 2; w <= 4; ++w)
            put(wonderInPalaceId(static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(w)),
                Form::Wonder, std::string("六") + kStem[w] + "到" + kPalaceName[h] + "，名为“");
    }
    for (int c = 0; c < 9; ++c) {
        auto code = static_cast<std::uint8_t>(c);
        put(doorDescriptionId(code), c == 5 ? Form::Placeholder : Form::Description);
        put(starDescriptionId(code), Form::Description);
        put(deityDescriptionId(code, false), Form::Description);
        put(starStateId(code), Form::State);
        put(doorStateId(code), c == 5 ? Form::Placeholder : Form::State);
        put(deityStateId(code, false), Form::State);
        put(palaceStateId(code), Form::State);
    }
    for (int c = 5; c <= 6; ++c) {
        put(deityDescriptionId(static_cast<std::uint8_t>(c), true), Form::Description);
        put(deityStateId(static_cast<std::uint8_t>(c), true), Form::State);
    }
    for (int code = 0; code <= 26; ++code)
        put(patternCommentId(static_cast<PatternCode>(code)), Form::PatternComment);
    for (int k = 0; k <= 27; ++k)
        put(patternCommentId(static_cast<PatternCode>(10000 + k)), Form::PatternComment);
    for (int t = 0; t < 7; ++t) {
        put(topicGuideIds(t).first, Form::TopicGuide);
        put(topicGuideIds(t).second, Form::TopicGuide);
    }
    const char* verdict = "吉凶吉吉凶吉凶凶吉吉凶吉吉吉凶";  // 13..27, 3 bytes each
    for (int n = 13; n <= 27; ++n)
        put(travelFormulaId(n), Form::Travel,
            std::to_string(n) + "数" + std::string(verdict + 3 * (n - 13), 3) + "\r\n");
    return table;
}

bool isBaojian(int id) { return id >= kBaojianFirstId && id <= kBaojianLastId; }

std::size_t characterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

std::size_t countOf(std::string_view text, std::string_view piece) {
    std::size_t n = 0;
    for (auto at = text.find(piece); at != std::string_view::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(KnowledgeTable, CompiledDataParsesWithoutErrors) {
    const auto& store = builtInKnowledge();
    for (const auto& e : store.errors()) ADD_FAILURE() << e.file << ":" << e.line << ": " << e.message;
}

TEST(KnowledgeTable, TheTableHoldsExactlyTheExpectedIds) {
    auto table = expectedTable();
    // 2,577 texts in all, of which 2,160 are the 御定奇门宝鉴 pairs; 19
    // placeholders: 9 stems over earth 甲, 8 doors over the centre, 2705, 2815.
    EXPECT_EQ(table.size(), 2577u - 2160u);
    EXPECT_EQ(std::count_if(table.begin(), table.end(),
                            [](const auto& entry) { return entry.second.form == Form::Placeholder; }),
              19);
    for (const auto& [id, expected] : table) {
        std::string_view text = lookupText(static_cast<TextId>(id));
        if (expected.form == Form::Placeholder) {
            EXPECT_EQ(text, " ") << "placeholder " << id;
        } else {
            EXPECT_GT(text.size(), 1u) << "missing text " << id;
        }
    }
    for (TextId id : builtInKnowledge().ids())
        EXPECT_TRUE(isBaojian(id) || table.contains(id)) << "unexpected id " << id;
    for (int id = 2310; id <= 2319; ++id) EXPECT_EQ(lookupText(static_cast<TextId>(id)), "");
    for (int id : {2409, 2549, 2560, 2652, 2653, 2654, 2729, 2737, 2849, 2927, 3028, 3114, 3212, 3228})
        EXPECT_EQ(lookupText(static_cast<TextId>(id)), "") << id;
}

TEST(KnowledgeTable, EveryTextConvertsToGbkWithinTheLimit) {
    for (TextId id : builtInKnowledge().ids()) {
        std::string_view text = lookupText(id);
        ASSERT_TRUE(qimen::text::isGbkEncodable(text)) << id;
        EXPECT_LE(qimen::text::gbkLength(text), 850u) << id;
        EXPECT_EQ(countOf(text, "\n"), countOf(text, "\r\n")) << id;
    }
}

// Characters of a UTF-8 text (code points).
std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

// The analyses skip short texts, and a reading must say something: stem and
// door readings run to a full clause, descriptions and guides to several
// sentences.
TEST(KnowledgeTable, ReadingsHaveASensibleLength) {
    for (const auto& [id, expected] : expectedTable()) {
        std::string_view text = lookupText(static_cast<TextId>(id));
        switch (expected.form) {
            case Form::StemOverStem:
            case Form::DoorOverDoor:
            case Form::DoorOverStem:
                EXPECT_GE(characters(text), 12u) << id;
                break;
            case Form::Description:
            case Form::TopicGuide:
                EXPECT_GE(countOf(text, "。"), 2u) << id << " should hold several sentences";
                break;
            default:
                break;
        }
    }
}

TEST(KnowledgeTable, NoTwoRealTextsAreEqual) {
    std::map<std::string_view, TextId> seen;
    for (TextId id : builtInKnowledge().ids()) {
        std::string_view text = lookupText(id);
        if (text == " ") continue;
        auto [it, fresh] = seen.emplace(text, id);
        EXPECT_TRUE(fresh) << id << " repeats " << it->second;
    }
}

// The reading after the key must differ too: a combination text that only
// swaps its header onto another key's reading is filler.
TEST(KnowledgeTable, CombinationReadingsAreNotSharedBetweenKeys) {
    std::map<std::string, int> seen;
    for (const auto& [id, expected] : expectedTable()) {
        if (expected.form != Form::StemOverStem && expected.form != Form::DoorOverDoor &&
            expected.form != Form::DoorOverStem)
            continue;
        std::string_view text = lookupText(static_cast<TextId>(id));
        auto colon = text.find("：");
        if (colon == std::string_view::npos) continue;  // the form test reports it
        auto [it, fresh] = seen.emplace(std::string(text.substr(colon)), id);
        EXPECT_TRUE(fresh) << id << " reads like " << it->second;
    }
}

TEST(KnowledgeTable, AllTextsArePresentAndTheBaojianRangeIsFull) {
    EXPECT_EQ(builtInKnowledge().ids().size(), 2577u);
    for (int id = kBaojianFirstId; id <= kBaojianLastId; ++id)
        EXPECT_GT(lookupText(static_cast<TextId>(id)).size(), 1u) << "missing text " << id;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0;;) {
        std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) return lines;
        at = end + 2;
    }
}

// First text: eight palace lines 乾 坎 艮 震 巽 离 坤 兑 and a 断曰 line;
// second text: the twenty matters, each "heading：reading".
TEST(KnowledgeTable, BaojianPairsHaveTheirTwoForms) {
    const char* const palaces[8] = {"乾", "坎", "艮", "震", "巽", "离", "坤", "兑"};
    const char* const headings[20] = {"兵事", "出行", "阳宅", "阴宅", "人事", "虚实", "攻城",
                                      "守城", "天时", "地理", "家宅", "官禄", "应试", "求财",
                                      "婚姻", "胎产", "疾病", "失物", "远信", "鸦鸣"};
    for (int id = kBaojianFirstId; id <= kBaojianLastId; id += 2) {
        SCOPED_TRACE(id);
        auto first = linesOf(lookupText(static_cast<TextId>(id)));
        ASSERT_EQ(first.size(), 9u);
        for (int p = 0; p < 8; ++p) EXPECT_TRUE(first[p].starts_with(std::string(palaces[p]) + "：")) << first[p];
        EXPECT_TRUE(first[8].starts_with("断曰：")) << first[8];
        auto sentences = countOf(first[8], "。");
        EXPECT_GE(sentences, 2u);
        EXPECT_LE(sentences, 4u);
        auto second = linesOf(lookupText(static_cast<TextId>(id + 1)));
        ASSERT_EQ(second.size(), 20u);
        for (int t = 0; t < 20; ++t) {
            EXPECT_TRUE(second[t].starts_with(std::string(headings[t]) + "：")) << second[t];
            EXPECT_TRUE(second[t].ends_with("。")) << second[t];
        }
    }
}

void checkState(int id, std::string_view text) {
    static const char* const words[5] = {"旺主", "相主", "休主", "囚主", "死主"};
    ASSERT_TRUE(text.ends_with("；")) << id;
    std::size_t start = 0;
    for (int n = 0; n < 5; ++n) {
        std::size_t end = text.find("；", start);
        ASSERT_NE(end, std::string_view::npos) << id << " has fewer than five entries";
        std::string_view entry = text.substr(start, end - start);
        EXPECT_TRUE(entry.starts_with(words[n])) << id << " entry " << n + 1 << ": " << entry;
        EXPECT_GE(characterCount(entry), 6u) << id << " entry " << n + 1;
        start = end + std::string_view("；").size();
    }
    EXPECT_EQ(start, text.size()) << id << " has more than five entries";
}

TEST(KnowledgeTable, EveryTextHasTheFormOfItsRange) {
    for (const auto& [id, expected] : expectedTable()) {
        std::string_view text = lookupText(static_cast<TextId>(id));
        if (expected.form == Form::Placeholder || text.empty()) continue;  // reported above
        SCOPED_TRACE(id);
        if (!expected.head.empty()) {
            EXPECT_TRUE(text.starts_with(expected.head)) << text;
        }
        switch (expected.form) {
        case Form::StemOverStem: {
            // X加Y为“name”：reading。
            auto close = text.find("”：");
            ASSERT_NE(close, std::string_view::npos) << text;
            std::size_t nameStart = expected.head.size();
            EXPECT_GE(close, nameStart + 6) << "name of at least two characters";
            EXPECT_EQ(text.substr(nameStart, close - nameStart).find("“"), std::string_view::npos);
            EXPECT_TRUE(text.ends_with("。")) << text;
            EXPECT_GE(characterCount(text), 12u);
            break;
        }
        case Form::DoorOverDoor:
        case Form::DoorOverStem:
            EXPECT_TRUE(text.ends_with("。")) << text;
            EXPECT_GE(characterCount(text), 12u) << text;
            break;
        case Form::Wonder: {
            // 六X到P，名为“name”，吉|凶|平。reading
            auto close = text.find("”，");
            ASSERT_NE(close, std::string_view::npos) << text;
            std::string_view verdict = text.substr(close + std::string_view("”，").size(), 6);
            EXPECT_TRUE(verdict == "吉。" || verdict == "凶。" || verdict == "平。") << text;
            EXPECT_TRUE(text.ends_with("。")) << text;
            break;
        }
        case Form::State:
            checkState(id, text);
            break;
        case Form::Description:
        case Form::PatternComment:
            EXPECT_GE(countOf(text, "。"), 2u) << "several sentences: " << text;
            EXPECT_GE(characterCount(text), 30u) << text;
            break;
        case Form::TopicGuide:
            EXPECT_GE(countOf(text, "。"), 3u) << text;
            EXPECT_GE(characterCount(text), 150u);
            break;
        case Form::Travel:
            EXPECT_GE(countOf(text, "\r\n"), 3u) << "heading and a few lines of verse";
            break;
        case Form::Placeholder:
            break;
        }
    }
}

// The wonders' verdicts follow the palace: each wonder is strongest where it
// ascends (乙 震 日出扶桑, 丙 离 月照端门, 丁 兑 星见西方) and weakest in its
// tomb (乙 坤, 丙 乾, 丁 艮).
TEST(KnowledgeTable, WonderVerdictsAtAscentAndTomb) {
    auto verdictOf = [](int home, int wonder) {
        std::string_view text = lookupText(wonderInPalaceId(static_cast<std::uint8_t>(home),
                                                             static_cast<std::uint8_t>(wonder)));
        auto close = text.find("”，");
        return close == std::string_view::npos ? std::string_view{}
                                               : text.substr(close + std::string_view("”，").size(), 3);
    };
    EXPECT_EQ(verdictOf(3, 2), "吉");
    EXPECT_EQ(verdictOf(0, 3), "吉");
    EXPECT_EQ(verdictOf(7, 4), "吉");
    EXPECT_EQ(verdictOf(2, 2), "凶");
    EXPECT_EQ(verdictOf(6, 3), "凶");
    EXPECT_EQ(verdictOf(8, 4), "凶");
    EXPECT_TRUE(lookupText(wonderInPalaceId(7, 4)).starts_with("六丁到兑，名为“星见西方”"));
    EXPECT_TRUE(lookupText(wonderInPalaceId(2, 2)).find("入墓") != std::string_view::npos);
}

TEST(KnowledgeTable, AnyIdGivesTheSameViewEachTime) {
    // The views point into one arena: two lookups of an id give the same bytes.
    for (int id = 0; id < 65536; ++id) {
        auto a = lookupText(static_cast<TextId>(id));
        auto b = lookupText(static_cast<TextId>(id));
        ASSERT_EQ(a.data(), b.data());
        ASSERT_EQ(a.size(), b.size());
    }
}

}  // namespace

// The classical-text knowledge base: every reading the analyses quote,
// addressed by a 16-bit TextId.
//
// Data flow: the UTF-8 files of data/knowledge/ are compiled into the library
// (a configure step wraps each file in a raw string literal, see
// src/knowledge/CMakeLists.txt); on the first lookup the store parses them once
// into one text arena with a direct index table (knowledge_store.hpp); every
// lookup after that is one array access. The id of a reading is a plain
// formula of the chart codes, one named function per range below, so the
// analyses never spell an id by hand.
//
// Id layout (the formulas below are the contract):
//   100..2259  御定奇门宝鉴, two texts per (day-stem group, hour, dun, ju)
//   2300..2399 stem over stem, 2300 + 10·heaven + earth (heaven 甲 absent,
//              earth 甲 a placeholder)
//   2400+20d+h door over the palace's own door (h 5, the centre, a placeholder)
//   2410+20d+s door over an earth stem (s 甲 and 2559 生加壬 placeholders)
//   2600+10h+w a wonder 乙/丙/丁 in a palace (h 5 absent)
//   2700.., 2710.., 2720.., 2735/2736  door, star, deity descriptions
//   2800.., 2810.., 2820.., 2835/2836  star, door, deity seasonal states
//   2840..2848 the nine palaces' seasonal states (by HomeCode; nothing reads
//              them yet)
//   2900+code, 3000+k  auspicious and inauspicious pattern comments
//   3100+2t, 3101+2t   topic guides; 3213..3227 travel-formula verses
// A placeholder is a single ASCII space: the analyses' length thresholds skip
// it. An id without a text reads as the empty text.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "calendar/ganzhi.hpp"
#include "chart/codes.hpp"

namespace qimen::knowledge {

using TextId = std::uint16_t;
// 0..26 auspicious pattern, 10000 + k (k = 0..27) inauspicious pattern.
using PatternCode = std::int16_t;

// The text of an id, UTF-8 with CR LF line breaks; the empty text when the
// id holds none. The view stays valid for the life of the program. The first
// call parses the compiled-in data (thread-safe); later calls never allocate.
std::string_view lookupText(TextId id);

// ---- 御定奇门宝鉴 ----------------------------------------------------------

inline constexpr TextId kBaojianFirstId = 100;
inline constexpr TextId kBaojianLastId = 2259;

struct TextPair {
    TextId first;
    TextId second;
};

// The two texts for a chart: day stem code 0..9, hour branch code 0..11,
// dun, ju 1..9. Day-stem group g (甲己 1, 乙庚 2, 丙辛 3, 丁壬 4, 戊癸 5),
// hour number b (子 1 … 亥 12), n = (g−1)·216 + (b−1)·18 + 9·yang + ju − 1,
// texts 100 + 2n and 101 + 2n. 甲/己 子 阴一局 → 100, 101; 戊/癸 亥 阳九局
// → 2258, 2259.
constexpr TextPair baojianIds(calendar::StemCode dayStem, calendar::BranchCode hourBranch,
                              bool yangDun, int ju) {
    int s = dayStem > 4 ? dayStem - 5 : dayStem;  // [0, 4]
    int g = s == 0 ? 5 : s;                       // [1, 5]
    int b = hourBranch == 0 ? 12 : hourBranch;    // [1, 12]
    int n = (g - 1) * 216 + (b - 1) * 18 + (yangDun ? 9 : 0) + (ju - 1);  // [0, 1079]
    return {static_cast<TextId>(kBaojianFirstId + 2 * n),
            static_cast<TextId>(kBaojianFirstId + 1 + 2 * n)};
}

// ---- stem over stem --------------------------------------------------------

// Heaven stem over earth stem, both StemCodes 0..9: 2300 + 10·heaven + earth.
// Heaven 甲 (2310..2319) holds no text; earth 甲 is a placeholder.
constexpr TextId stemOverStemId(calendar::StemCode heaven, calendar::StemCode earth) {
    return static_cast<TextId>(2300 + 10 * heaven + earth);
}

// ---- doors -----------------------------------------------------------------

// The door's index with the centre skipped: 景 0, 休 1, 死 2, 伤 3, 杜 4,
// 开 5, 惊 6, 生 7. The centre code 5 has no door and gets kNoDoorIndex, whose
// ids fall outside every range and read as empty.
inline constexpr int kNoDoorIndex = 8;
constexpr int doorIndexOf(chart::Door door) {
    return door < 5 ? door : door == chart::kDoorCentre ? kNoDoorIndex : door - 1;
}

// Door (by index) over the own door of the palace with this HomeCode:
// 2400 + 20·index + home. Home 5 (the centre) is a placeholder.
constexpr TextId doorOverDoorId(int doorIndex, chart::HomeCode home) {
    return static_cast<TextId>(2400 + 20 * doorIndex + home);
}

// Door (by index) over an earth stem: 2410 + 20·index + stem. Earth 甲 and
// 生 over 壬 (2559) are placeholders.
constexpr TextId doorOverStemId(int doorIndex, calendar::StemCode earthStem) {
    return static_cast<TextId>(2410 + 20 * doorIndex + earthStem);
}

// ---- wonders in palaces ----------------------------------------------------

// A wonder (乙 2, 丙 3, 丁 4) on the heaven plate of the palace with this
// HomeCode: 2600 + 10·home + wonder. The centre (home 5) holds no text.
constexpr TextId wonderInPalaceId(chart::HomeCode home, calendar::StemCode wonder) {
    return static_cast<TextId>(2600 + 10 * home + wonder);
}

// ---- descriptions and seasonal states ---------------------------------------

// Door code 0..8 (2705, the centre, is a placeholder).
constexpr TextId doorDescriptionId(chart::Door door) { return static_cast<TextId>(2700 + door); }
// Star code 0..8.
constexpr TextId starDescriptionId(chart::Star star) { return static_cast<TextId>(2710 + star); }
// Deity code 0..8 of list W; with `listG` the codes 5 and 6 are 勾陈 and
// 朱雀 and read 2735, 2736. The other codes are the same in both lists.
constexpr TextId deityDescriptionId(chart::Deity deity, bool listG) {
    return static_cast<TextId>((listG && (deity == 5 || deity == 6) ? 2730 : 2720) + deity);
}

// The state texts: five entries 旺 相 休 囚 死, in this order, each ended by
// "；". Star 2800 + code, door 2810 + code (2815 a placeholder), deity
// 2820 + code or, for 勾陈/朱雀 of list G, 2835/2836.
constexpr TextId starStateId(chart::Star star) { return static_cast<TextId>(2800 + star); }
constexpr TextId doorStateId(chart::Door door) { return static_cast<TextId>(2810 + door); }
constexpr TextId deityStateId(chart::Deity deity, bool listG) {
    return static_cast<TextId>((listG && (deity == 5 || deity == 6) ? 2830 : 2820) + deity);
}
// The nine palaces' own seasonal states by HomeCode 0..8 (离 … 艮), shipped
// in the same form; no analysis reads them yet.
constexpr TextId palaceStateId(chart::HomeCode home) { return static_cast<TextId>(2840 + home); }

// ---- pattern comments, topics, travel ----------------------------------------

// Auspicious 0..26 → 2900 + code (2900..2905 are placeholders);
// inauspicious 10000 + k → 3000 + k.
constexpr TextId patternCommentId(PatternCode code) {
    return static_cast<TextId>(code >= 10000 ? 3000 + (code - 10000) : 2900 + code);
}

// Topic t = 0..6 (求财 婚姻 疾病 工作 考试 诉讼 天气): the two halves of its
// guide, printed one after the other.
constexpr TextPair topicGuideIds(int topic) {
    return {static_cast<TextId>(3100 + 2 * topic), static_cast<TextId>(3101 + 2 * topic)};
}

// Travel-formula number 13..27 → its verse 3213..3227.
constexpr TextId travelFormulaId(int number) { return static_cast<TextId>(3200 + number); }

}  // namespace qimen::knowledge

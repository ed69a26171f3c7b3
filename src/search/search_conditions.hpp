// The conditions of a time search: in which palace given deities, stars,
// stems and doors should stand, which stars may lead, where 值符 and 值使
// should land, which patterns are wanted and which avoided.
//
// Data flow of the time selection: the condition form (condition_form.hpp)
// validates the user's texts into a SearchConditions → the SearchEngine
// (search_engine.hpp) copies it, lays the hour chart of every two-hour
// candidate (candidate_chart.hpp), counts the satisfied groups
// (condition_matcher.hpp) and lists the passing moments → a listing
// (search_listing.hpp) prints the chart of one listed moment.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qimen::search {

inline constexpr int kDeityColumns = 8;   // 直符 螣蛇 太阴 六合 白虎 玄武 九地 九天
inline constexpr int kStarColumns = 9;    // by Star code
inline constexpr int kStemColumns = 9;    // 乙 丙 丁 戊 己 庚 辛 壬 癸
inline constexpr int kDoorColumns = 8;    // 景 休 死 伤 杜 开 惊 生
inline constexpr int kGoodPatterns = 27;  // auspicious codes 0..26
inline constexpr int kBadPatterns = 28;   // inauspicious codes 10000 + 0..27

// A flat record of unsigned bytes; palace values are 1..9 and 0 means the
// item is not used. The count fields are recomputed whenever the condition
// form accepts input and the search relies on them. All zero: no condition,
// mode 条件部分成立.
struct SearchConditions {
    std::uint8_t allRequired = 0;  // 1 every active group must hold, 0 at least one
    std::array<std::uint8_t, kDeityColumns> deityPalace{};
    std::uint8_t deityCount = 0;
    std::uint8_t deityAll = 0;
    std::array<std::uint8_t, kStarColumns> starPalace{};
    std::uint8_t starCount = 0;
    std::uint8_t starAll = 0;
    std::array<std::uint8_t, kStemColumns> heavenStemPalace{};
    std::uint8_t heavenStemCount = 0;
    std::uint8_t heavenStemAll = 0;
    std::array<std::uint8_t, kDoorColumns> doorPalace{};
    std::uint8_t doorCount = 0;
    std::uint8_t doorAll = 0;
    std::array<std::uint8_t, kStemColumns> earthStemPalace{};
    std::uint8_t earthStemCount = 0;
    std::uint8_t earthStemAll = 0;
    std::array<std::uint8_t, kStarColumns> leaderChoice{};  // 1: the 值符 may be this star
    std::uint8_t leaderChoiceCount = 0;
    std::uint8_t leaderChoiceAny = 0;
    std::uint8_t wantedLeaderStarPalace = 0;  // 直符落宫
    std::uint8_t wantedLeaderDoorPalace = 0;  // 直使落宫
    std::array<std::uint8_t, kGoodPatterns> goodPattern{};
    std::uint8_t goodPatternCount = 0;
    std::uint8_t goodPatternAll = 0;
    std::array<std::uint8_t, kBadPatterns> badPattern{};
    std::uint8_t badPatternCount = 0;
    std::uint8_t badPatternAll = 0;  // 1 none of the ticked may occur, 0 at least one absent

    friend bool operator==(const SearchConditions&, const SearchConditions&) = default;
};
static_assert(sizeof(SearchConditions) == 126, "a flat record of bytes, no padding");

// Column of a deity code in deityPalace: d, or d − 1 above 4 (太常, code 4,
// stays in the centre and has no column). Takes a code 0..8 other than 4.
constexpr int deityColumn(int deity) { return deity > 4 ? deity - 1 : deity; }
// Column of a stem code 0..9 in the stem arrays: (s − 2) mod 10, so 乙 is 0
// and 癸 8. 甲 (1) has no column (9); callers never see it on a plate.
constexpr int stemColumn(int stem) { return (stem + 8) % 10; }
// Column of a door code in doorPalace: d, or d − 1 above 5 (the centre).
constexpr int doorColumn(int door) { return door > 5 ? door - 1 : door; }

// G: how many of the ten condition groups are active (their count or
// palace field non-zero).
int activeGroupCount(const SearchConditions& conditions);

// The names of the condition form's pattern lists, UTF-8, in code order:
// 27 auspicious (entries 2 and 3 both 丙奇逢鼠) and 28 inauspicious.
std::string_view goodPatternName(int index);  // index 0..26
std::string_view badPatternName(int index);   // index 0..27

}  // namespace qimen::search

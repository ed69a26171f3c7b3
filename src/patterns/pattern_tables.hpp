// The fixed tables of pattern detection and scoring, shared with
// the comprehensive analysis: star-over-door and stem-over-stem
// scores, the elements of doors and palaces with their relation, the
// opposite palaces and the clashing partners of the six instruments.
#pragma once

#include <array>
#include <cstdint>

#include "chart/codes.hpp"

namespace qimen::patterns {

// StarDoorScore: rows by Star code (英 蓬 芮 冲 辅 禽 心 柱 任), columns by
// Door code (景 休 死 伤 杜 中 开 惊 生).
inline constexpr std::array<std::array<std::int8_t, 9>, 9> kStarDoorScore = {{
    {-1, -1, -1, -1, -1, 0, 2, -1, 2},   // 英
    {-2, -1, -1, -1, -1, 0, 2, -1, 2},   // 蓬
    {1, 2, -2, -1, -1, 0, 2, -1, -1},    // 芮
    {1, 2, -1, -2, -1, 0, 2, -2, 2},     // 冲
    {1, 2, -1, -1, -2, 0, 1, -1, 2},     // 辅
    {1, 2, -1, -1, -1, 0, 2, -1, 2},     // 禽
    {1, 2, -1, -1, -2, 0, -1, -1, 2},    // 心
    {1, 2, -1, -2, -1, 0, 2, -2, 2},     // 柱
    {1, 2, -2, -1, -1, 0, 2, -1, -1},    // 任
}};
// The row a palace carrying 天禽 with 天芮 adds for its door: the star-over-door
// score counts the carried star by the 天辅 row, not the 天禽 row.
inline constexpr chart::Star kCarriedStarScoreRow = 4;

// StemPairScore: rows by the earth-plate StemCode, columns by the
// heaven-plate StemCode (癸 甲 乙 丙 丁 戊 己 庚 辛 壬). Row and column 10
// (no stem) are added to the traditional table and score 0.
inline constexpr std::array<std::array<std::int8_t, 11>, 11> kStemPairScore = {{
    {-1, 0, -1, -1, 2, -1, -1, -1, -1, -1, 0},  // 癸
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // 甲
    {-1, 0, -1, 2, 2, 1, 1, 1, -1, -1, 0},      // 乙
    {-1, 0, 1, -1, 1, 1, -1, -1, 1, -1, 0},     // 丙
    {1, 0, 1, 2, 1, -1, 1, -1, -1, 1, 0},       // 丁
    {1, 0, 1, 2, 1, -1, 1, -1, -1, 1, 0},       // 戊
    {-1, 0, 2, 2, -1, -1, -1, -1, -1, -1, 0},   // 己
    {-1, 0, -1, -1, 1, -1, -1, -1, -1, -1, 0},  // 庚
    {-1, 0, -1, 1, -1, -1, -1, -1, -1, -1, 0},  // 辛
    {-1, 0, 1, 1, 2, 1, -1, -1, -1, -1, 0},     // 壬
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // no stem
}};

// Element (0 水 1 木 2 火 3 土 4 金) of a door, by Door code:
// 景 火, 休 水, 死 土, 伤 木, 杜 木, 中 土, 开 金, 惊 金, 生 土.
inline constexpr std::array<chart::ElementCode, 9> kDoorElement = {2, 0, 3, 1, 1, 3, 4, 4, 3};
// Element of a palace, by HomeCode: 离 火, 坎 水, 坤 土, 震 木, 巽 木, 中 土,
// 乾 金, 兑 金, 艮 土.
inline constexpr std::array<chart::ElementCode, 9> kPalaceElement = {2, 0, 3, 1, 1, 3, 4, 4, 3};

// r = (element of the door − element of the palace) mod 5, in [0, 4]:
// 0 比和, 1 宫生门, 2 宫克门, 3 门克宫, 4 门生宫.
constexpr int doorPalaceRelation(chart::Door door, chart::HomeCode home) {
    return (kDoorElement[door] - kPalaceElement[home] + 5) % 5;  // [0, 4]
}
// What that relation adds to the palace score: +1 for 宫生门 and 门生宫, −1
// for 门克宫.
constexpr int doorPalaceScore(int relation) { return relation == 1 || relation == 4 ? 1 : relation == 3 ? -1 : 0; }

// OppositeHome by HomeCode: 离↔坎, 坤↔艮, 震↔兑, 巽↔乾; the centre maps to 离.
inline constexpr std::array<chart::HomeCode, 9> kOppositeHome = {1, 0, 8, 7, 6, 0, 4, 3, 2};

// InstrumentClash by StemCode 0..9: 癸→庚, 戊→辛, 己→壬, 庚→癸, 辛→戊, 壬→己;
// 甲 乙 丙 丁 map to 0 (癸), as tabled.
inline constexpr std::array<calendar::StemCode, 10> kInstrumentClash = {7, 0, 0, 0, 0, 8, 9, 0, 5, 6};

}  // namespace qimen::patterns

// The small integer codes every chart table is indexed by, and the
// arithmetic between them: palaces in their three indexings, ten-day groups
// and their hidden instruments and void branches, the laying order of the
// stems, the branches' palaces, month generals and post horses.
//
// Everything here is constexpr and table-driven: the time search lays
// hundreds of thousands of charts and these are its innermost steps.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/ganzhi.hpp"

namespace qimen::chart {

using calendar::BranchCode;
using calendar::GanZhiCode;
using calendar::StemCode;

// Luoshu number 1..9.
using Palace = std::uint8_t;
// Display cell 0..8, row by row with south on top:
//   巽4 离9 坤2 / 震3 中5 兑7 / 艮8 坎1 乾6.
using GridCell = std::uint8_t;
// Palace number mod 9 (palace 9 → 0); indexes stars, doors, palace texts.
using HomeCode = std::uint8_t;
// Star code = HomeCode of the star's home palace: 0 英 1 蓬 2 芮 3 冲 4 辅
// 5 禽 6 心 7 柱 8 任.
using Star = std::uint8_t;
// Door code = HomeCode of the door's home palace: 0 景 1 休 2 死 3 伤 4 杜
// 5 中 (the centre, no door) 6 开 7 惊 8 生.
using Door = std::uint8_t;
// Deity code 0..8; its name depends on the list in force (vocabulary.hpp).
using Deity = std::uint8_t;
// Solar term 0 = 小寒 … 23 = 冬至.
using SolarTerm = std::uint8_t;
// Element 0 水 1 木 2 火 3 土 4 金.
using ElementCode = std::uint8_t;

inline constexpr StemCode kNoStem = 10;
inline constexpr GridCell kCentreCell = 4;
inline constexpr Palace kCentrePalace = 5;
inline constexpr Palace kKunPalace = 2;  // 坤, which answers for the centre

inline constexpr Star kStarRui = 2;   // 芮
inline constexpr Star kStarQin = 5;   // 禽
inline constexpr Star kStarXin = 6;   // 心
inline constexpr Door kDoorSi = 2;    // 死, the door the centre borrows
inline constexpr Door kDoorCentre = 5;

// Stem codes used by the rules.
inline constexpr StemCode kStemJia = 1;  // 甲
inline constexpr StemCode kStemJi = 6;   // 己
inline constexpr StemCode kStemWu = 5;   // 戊

// ---- palaces, cells, home codes -------------------------------------------

inline constexpr std::array<Palace, 9> kPalaceOfCell = {4, 9, 2, 3, 5, 7, 8, 1, 6};
// Index 1..9; index 0 unused.
inline constexpr std::array<GridCell, 10> kCellOfPalace = {0, 7, 2, 3, 0, 4, 8, 5, 6, 1};

constexpr HomeCode homeOfPalace(int palace) { return static_cast<HomeCode>(palace % 9); }
constexpr Palace palaceOfHome(int home) { return static_cast<Palace>(home == 0 ? 9 : home); }
constexpr Palace palaceOfCell(int cell) { return kPalaceOfCell[static_cast<std::size_t>(cell)]; }
constexpr GridCell cellOfPalace(int palace) { return kCellOfPalace[static_cast<std::size_t>(palace)]; }
constexpr HomeCode homeOfCell(int cell) { return homeOfPalace(palaceOfCell(cell)); }

// A palace number brought into 1..9 (any integer).
constexpr Palace wrapPalace(int palace) {
    return static_cast<Palace>(calendar::positiveMod(palace - 1, 9) + 1);
}

// The palace j steps from `palace` along the flight order: Luoshu numbers
// ascending in yang dun, descending in yin dun, 9 followed by 1.
constexpr Palace flightPalace(int palace, int j, bool yangDun) { return wrapPalace(yangDun ? palace + j : palace - j); }

// ---- sexagenary helpers ----------------------------------------------------

// A code with 癸亥 counted as 60, for distances within the cycle.
constexpr int cycleOrdinal(GanZhiCode code) { return code == 0 ? 60 : code; }

// Head of the ten-day group (旬首) holding `code`: 1 甲子, 11 甲戌, 21 甲申,
// 31 甲午, 41 甲辰 or 51 甲寅. 癸亥 (0) → 51; 癸酉 (10) → 1.
constexpr GanZhiCode xunHeadOf(GanZhiCode code) {
    return static_cast<GanZhiCode>((cycleOrdinal(code) - 1) / 10 * 10 + 1);
}

// The instrument under which the head's 甲 hides: 甲子 → 戊 (5), 甲戌 → 己,
// 甲申 → 庚, 甲午 → 辛, 甲辰 → 壬, 甲寅 → 癸 (0). Takes a xun head.
constexpr StemCode hiddenInstrumentOf(GanZhiCode xunHead) {
    return static_cast<StemCode>(((xunHead - 1) / 10 + 5) % 10);
}

// The two void branches (空亡) of the ten-day group holding `code`:
// 甲子 group → 戌 (11) and 亥 (0); 甲戌 group → 申 and 酉.
struct VoidBranches {
    BranchCode first;
    BranchCode second;
};
constexpr VoidBranches voidBranchesOf(GanZhiCode code) {
    int x = (xunHeadOf(code) - 1) / 10;
    return {static_cast<BranchCode>(11 - 2 * x), static_cast<BranchCode>((12 - 2 * x) % 12)};
}

// ---- the laying order of stems (三奇六仪) -----------------------------------

// 戊 己 庚 辛 壬 癸 丁 丙 乙.
inline constexpr std::array<StemCode, 9> kLayingOrder = {5, 6, 7, 8, 9, 0, 4, 3, 2};

// Successor in the laying order: 戊→己→庚→辛→壬→癸→丁→丙→乙→戊. Stem 甲 and
// code 10 have no place in the order and map to themselves.
constexpr StemCode nextInLayingOrder(StemCode stem) {
    constexpr std::array<StemCode, 11> next = {4, 1, 5, 2, 3, 6, 7, 8, 9, 0, 10};
    return next[stem];
}

// ---- branches in palaces ---------------------------------------------------

// The grid cell whose outer mark holds the branch, by branch code 0..11.
inline constexpr std::array<GridCell, 12> kCellOfBranch = {8, 7, 6, 6, 3, 0, 0, 1, 2, 2, 5, 8};

// True when the branch takes the second branch slot of its cell (亥 寅 巳 申).
constexpr bool isSecondSlotBranch(BranchCode branch) { return branch % 3 == 0; }

// Month general (月将) by the branch of the month pillar: 寅 → 亥 … 丑 → 子.
constexpr BranchCode monthGeneralOf(BranchCode monthBranch) {
    constexpr std::array<BranchCode, 12> general = {3, 2, 1, 0, 11, 10, 9, 8, 7, 6, 5, 4};
    return general[monthBranch];
}

// Post horse (驿马) of a branch: 申子辰 → 寅, 寅午戌 → 申, 巳酉丑 → 亥,
// 亥卯未 → 巳.
constexpr BranchCode postHorseOf(BranchCode branch) {
    constexpr std::array<BranchCode, 12> horse = {6, 3, 0, 9, 6, 3, 0, 9, 6, 3, 0, 9};
    return horse[branch];
}

// Element of a month branch (月令): 亥子 水, 寅卯 木, 巳午 火, 申酉 金,
// 辰戌丑未 土.
constexpr ElementCode elementOfMonthBranch(BranchCode branch) {
    constexpr std::array<ElementCode, 12> element = {0, 0, 3, 1, 1, 3, 2, 2, 3, 4, 4, 3};
    return element[branch];
}

}  // namespace qimen::chart

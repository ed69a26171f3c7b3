// The two fixed walks over the grid cells that every layout uses: the outer
// ring, along which rotating plates turn, and the search ring, along which
// stems and stars are looked for and steps are counted.
#pragma once

#include <array>
#include <cstdint>

#include "chart/codes.hpp"

namespace qimen::chart {

// The eight outer cells clockwise as displayed: 巽 离 坤 兑 乾 坎 艮 震.
inline constexpr std::array<GridCell, 8> kOuterRing = {0, 1, 2, 5, 8, 7, 6, 3};

// Position of a cell on the outer ring; the centre has none (−1).
inline constexpr std::array<std::int8_t, 9> kRingPositionOfCell = {0, 1, 2, 7, -1, 3, 6, 5, 4};

// The circular search list 巽 离 坤 兑 乾 中 坎 艮 震, entered at 坎.
inline constexpr std::array<GridCell, 9> kSearchRing = {0, 1, 2, 5, 8, 4, 7, 6, 3};
inline constexpr int kSearchRingEntry = 6;

inline constexpr int kRingPositionKan = 5;  // 坎
inline constexpr int kRingPositionKun = 2;  // 坤

constexpr int ringPositionOfCell(int cell) { return kRingPositionOfCell[static_cast<std::size_t>(cell)]; }

// Steps counted along the search ring from the outer cell at ring position
// `from` to `cell`, the start itself counting 0. The step onto the centre
// counts and the step off it does not, so the centre is counted where 坎
// stands: walking from 乾 the centre and 坎 are both one step away. Between
// outer cells this is the clockwise distance on the outer ring, 0..7.
constexpr int searchSteps(int from, int cell) {
    int to = cell == kCentreCell ? kRingPositionKan : ringPositionOfCell(cell);
    return calendar::positiveMod(to - from, 8);
}

// A walk along the search ring: from the outer cell at ring position `from`
// (the ring's entry 坎 is position 5) through the search ring in its order
// 巽 离 坤 兑 乾 中 坎 艮 震, testing the start first, to the first cell whose
// record satisfies `test`. Answers the cell and its steps counted as by
// searchSteps, or cell 9 when no cell satisfies the test.
struct SearchHit {
    int cell;
    int steps;
};
template <typename Cells, typename Test>
constexpr SearchHit walkSearchRing(const Cells& cells, int from, Test test) {
    int index = 0;
    while (kSearchRing[index] != kOuterRing[from]) ++index;
    for (int i = 0; i < 9; ++i) {
        int cell = kSearchRing[(index + i) % 9];
        if (test(cells[cell])) return {cell, searchSteps(from, cell)};
    }
    return {9, 0};
}

// Turns one field of the outer cells clockwise by k ring positions: the
// value of ring position j moves to ring position j + k. The centre cell is
// untouched. `Cells` is any array of records; `field` a member pointer.
template <typename Cells, typename Field>
constexpr void rotateOuterRing(Cells& cells, Field field, int k) {
    k = calendar::positiveMod(k, 8);
    if (k == 0) return;
    std::array<std::uint8_t, 8> old{};
    for (int j = 0; j < 8; ++j) old[j] = cells[kOuterRing[j]].*field;
    for (int j = 0; j < 8; ++j) cells[kOuterRing[(j + k) % 8]].*field = old[j];
}

}  // namespace qimen::chart

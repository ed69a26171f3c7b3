// Sexagenary arithmetic: stems, branches and their sixty combinations as the
// small integers every table of the system is indexed by.
#pragma once

#include <cstdint>

#include "calendar/numeric.hpp"

namespace qimen::calendar {

// 0 = 癸, 1 = 甲 … 9 = 壬; 10 = no stem.
using StemCode = std::uint8_t;
// 0 = 亥, 1 = 子 … 11 = 戌.
using BranchCode = std::uint8_t;
// 1 = 甲子 … 59 = 壬戌, 0 = 癸亥.
using GanZhiCode = std::int16_t;

constexpr StemCode stemOf(GanZhiCode code) { return static_cast<StemCode>(positiveMod(code, 10)); }
constexpr BranchCode branchOf(GanZhiCode code) { return static_cast<BranchCode>(positiveMod(code, 12)); }

// The code of stem s and branch b, which must have equal parity:
// s + 10 × (((s − b) mod 12) / 2). 甲戌 (1, 11) → 11; 癸亥 (0, 0) → 0.
constexpr GanZhiCode ganZhiOf(int stem, int branch) {
    return static_cast<GanZhiCode>(stem + 10 * (positiveMod(stem - branch, 12) / 2));
}

}  // namespace qimen::calendar

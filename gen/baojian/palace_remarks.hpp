// The first 御定奇门宝鉴 text of a chart: the eight palaces with the
// patterns the detector finds in each, and the judgement (断曰).
#pragma once

#include <string>

#include "baojian_chart.hpp"

namespace qimen::gen {

// The outer palaces in the order of the text: 乾 坎 艮 震 巽 离 坤 兑, as
// grid cells.
inline constexpr std::array<int, 8> kRemarkPalaceCells = {8, 7, 6, 3, 0, 1, 2, 5};

// The patterns of one palace as its line prints them: the names in the
// detector's order joined by "、"; a name equal to the one before it (丙奇逢鼠
// over 戊 and over 庚 in one palace) is printed once. Empty when none.
std::string patternList(const patterns::PalaceFindings& findings);

// The verdict word of the chart by the sum of the eight palace scores, on
// the scale of the comprehensive analysis: 大凶 (≤ −15), 凶 (−14..−5),
// 平 (−4..5), 吉 (6..14), 大吉 (≥ 15).
std::string_view verdictOf(int scoreSum);

// The whole first text, UTF-8, lines joined with CR LF and no final line
// break: eight "palace：patterns" lines and the 断曰 line of three
// sentences: the hour, dun and ju and where 值符 and 值使 stand; what their palaces hold; the
// decisive patterns, the three wonders and the verdict ("总断X，" or, when
// auspicious and inauspicious patterns mix, "合而观之，局属X，") with its
// counsel.
std::string composePalaceRemarks(const BaojianChart& chart);

}  // namespace qimen::gen

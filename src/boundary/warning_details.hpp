// The boundary report as a window shows it: a short caption per kind of
// warning, and the details behind a warning's one line — the two readings
// of the moment, number by number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "boundary/boundary_report.hpp"
#include "boundary/chart_numbers.hpp"

namespace qimen::boundary {

// "交节", "夜子时", "真太阳时", "夏令时", "农历月首".
std::string_view boundaryKindCaption(BoundaryKind kind);

// One line per number of a reading (UTF-8): "钟点：2024-02-04 16:26", then
// "真太阳时：…" when the chart reads true solar time and it differs, "农历：…",
// "四柱：癸卯年 乙丑月 戊戌日 庚申时", "遁局：阳遁三局" and "月将：子" when
// the chart has them.
std::vector<std::string> numbersLines(const ChartNumbers& numbers);

// The details of `warning` for the chart whose numbers are `charted`
// (numbersOf the charted record): the warning's text, then "本盘：" and
// "另一读法：" each with its numbersLines indented; the text alone when the
// warning has no other reading. Lines end in "\n".
std::string warningDetails(const BoundaryWarning& warning, const ChartNumbers& charted);

}  // namespace qimen::boundary

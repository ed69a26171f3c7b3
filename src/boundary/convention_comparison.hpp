// The same moment laid under the two choices of one convention (拆补法 /
// 置闰法, 转盘 / 飞盘, day change at 23:00 / at midnight, 月将 by the month
// pillar / by the principal term), with the palaces and items that differ,
// and the two grids side by side as text.
//
// Data flow: the request and the record the driver laid → per choice a
// copy with that setting → pillars, dun and ju, plate (chart engine) → grid
// (render) → cells and items compared.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/expected.hpp"
#include "boundary/chart_numbers.hpp"
#include "chart/chart_record.hpp"
#include "chart/conventions.hpp"
#include "render/styled_text.hpp"

namespace qimen::boundary {

// Refusals of a comparison, shown to the user as they are.
inline constexpr const char* kCompareHourChartsOnlyMessage = "两种方法对照只用于时家奇门。";
inline constexpr const char* kCompareGivenJuMessage = "局数由人指定，拆补法与置闰法无从对照。";
// The closing line of two identical charts.
inline constexpr const char* kIdenticalMessage = "两种方法此刻相同";

struct ConventionSide {
    int choice = 0;                      // 0 or 1
    std::string title;                   // the choice's caption: 拆补法, 置闰法, 转盘, 飞盘 …
    chart::ChartRecord record;           // laid, with the grid in chartText (UTF-8, CR LF)
    ChartNumbers numbers;                // pillars, dun, ju, month general
    std::vector<std::string> summary;    // 干支, 遁局 and 旬首 with 月将, 值符 and 值使 lines
    std::vector<std::string> gridLines;  // the grid, one line each, without line ends
};

struct ConventionComparison {
    chart::Convention convention = chart::Convention::Ju;
    std::array<ConventionSide, 2> sides;  // choice 0, then choice 1
    std::array<bool, 9> cellDiffers{};    // by grid cell: the palace holds other things
    std::vector<std::string> differingItems;  // 年柱 月柱 日柱 时柱 局数 值符 值使 月将, in that order

    bool identical() const;
};

// Lays the hour chart that the driver laid from `request` into `charted`
// under both choices of `convention`, everything else as charted (the
// settings, the clock and compute dates). Fails for a request that is not
// an hour chart (kCompareHourChartsOnlyMessage), for 拆补法 / 置闰法 with a
// given ju (kCompareGivenJuMessage), and with the driver's message when
// 置闰法 cannot lay the moment (outside 1900..2050).
Expected<ConventionComparison> compareConventions(const chart::ChartRequest& request,
                                                  const chart::ChartRecord& charted, chart::Convention convention);

// The comparison as text (UTF-8, "\n" line ends): the two titles, summaries
// and grids side by side, the borders of every differing palace drawn heavy
// (┃) in both grids, then a line naming the differences ("不同：" with the
// palaces and items) or kIdenticalMessage.
std::string sideBySideText(const ConventionComparison& comparison);

// The closing line of the comparison, without line end: "不同：" with the
// differing palaces (巽4宫 …) and items, or kIdenticalMessage.
std::string differencesText(const ConventionComparison& comparison);

// Side `side` (0 or 1) as a window's pane shows it: title, summary and grid
// ("\r\n" line ends, light bars), the title bold and the text of every
// differing palace red and bold.
render::StyledText sideStyledText(const ConventionComparison& comparison, int side);

}  // namespace qimen::boundary

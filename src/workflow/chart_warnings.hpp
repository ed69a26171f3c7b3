// The boundary report and the comparison of conventions as the main window
// runs them: the warning strip above the output pane (one line per warning,
// a click shows its details) and 选项 → 对照 (the charted moment under the
// two choices of a convention, side by side).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "boundary/boundary_report.hpp"
#include "boundary/convention_comparison.hpp"
#include "chart/chart_record.hpp"
#include "chart/conventions.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

struct WarningLine {
    boundary::BoundaryKind kind = boundary::BoundaryKind::SolarTerm;
    std::string caption;  // the kind's caption: 交节, 夜子时 …
    std::string text;     // the strip's line: "注意：" and the warning's text
    std::string details;  // what a click on the line shows
};

// The strip's lines for the chart the driver laid from `request` into
// `charted` (after a successful 排盘 or 查看: the Consultation's request()
// and record()); empty for a chart without a warning, and
// the strip is then hidden.
std::vector<WarningLine> warningStrip(const chart::ChartRequest& request, const chart::ChartRecord& charted);

// A click on a strip line: its details in a message box captioned "注意",
// warning icon.
void showWarningDetails(const WarningLine& line, Prompter& prompter);

// 选项 → 对照 → one of the four conventions, for the Consultation's
// chartValid(), request() and record(). Before a valid chart says
// kNoChartYet (caption "先排盘", information icon); a
// comparison that cannot be made says why (caption "提示", information
// icon). Otherwise the comparison, whose sides the window shows in two panes
// side by side (boundary::sideStyledText) above its differencesText.
std::optional<boundary::ConventionComparison> compareCharted(bool chartValid, const chart::ChartRequest& request,
                                                            const chart::ChartRecord& charted,
                                                            chart::Convention convention, Prompter& prompter);

}  // namespace qimen::workflow

// The warning strip's lines and details, and the window's comparison.
#include "workflow/chart_warnings.hpp"

#include "boundary/warning_details.hpp"
#include "workflow/consultation.hpp"

namespace qimen::workflow {

std::vector<WarningLine> warningStrip(const chart::ChartRequest& request, const chart::ChartRecord& charted) {
    std::vector<WarningLine> lines;
    const boundary::ChartNumbers here = boundary::numbersOf(charted, request.method);
    for (const boundary::BoundaryWarning& w : boundary::reportBoundaries(request, charted))
        lines.push_back({w.kind, std::string(boundary::boundaryKindCaption(w.kind)), "注意：" + w.text,
                         boundary::warningDetails(w, here)});
    return lines;
}

void showWarningDetails(const WarningLine& line, Prompter& prompter) {
    prompter.message(line.details, "注意", Icon::Warning);
}

std::optional<boundary::ConventionComparison> compareCharted(bool chartValid, const chart::ChartRequest& request,
                                                            const chart::ChartRecord& charted,
                                                            chart::Convention convention, Prompter& prompter) {
    if (!chartValid) {
        prompter.message(kNoChartYet, "先排盘", Icon::Information);
        return std::nullopt;
    }
    Expected<boundary::ConventionComparison> comparison = boundary::compareConventions(request, charted, convention);
    if (!comparison) {
        prompter.message(comparison.message(), "提示", Icon::Information);
        return std::nullopt;
    }
    return std::move(*comparison);
}

}  // namespace qimen::workflow

// The month general by the month pillar or by the principal term in force.
#include "chart/month_general.hpp"

#include "chart/codes.hpp"
#include "chart/ju_rules.hpp"

namespace qimen::chart {

BranchCode monthGeneralOfChart(const ChartRecord& record) {
    if (record.settings.yuejiang == 0) return monthGeneralOf(calendar::branchOf(record.monthGZ));
    // Series index k: 2m for the principal term of Gregorian month m, 2m − 1
    // for its sectional term; a sectional term leaves the principal term
    // before it in force. That principal term opens the second half of the
    // month branch (m + 1) mod 12 (雨水, month 2, in the 寅 month; 冬至,
    // index 0 or 24, in the 子 month).
    int k = termInForce(record);
    int principal = k % 2 == 0 ? k : k - 1;  // [0, 24]
    int month = principal / 2;               // [0, 12]; 0 is the previous December
    return monthGeneralOf(static_cast<BranchCode>((month + 1) % 12));
}

}  // namespace qimen::chart

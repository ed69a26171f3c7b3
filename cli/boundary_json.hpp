// JSON forms of the boundary report and of a comparison of conventions, for
// `qimen chart --json` and `qimen chart --compare … --json`.
#pragma once

#include <vector>

#include <nlohmann/json.hpp>

#include "boundary/boundary_report.hpp"
#include "boundary/convention_comparison.hpp"

namespace qimen::cli {

// The numbers of another reading of the moment: clockDate, computeDate,
// lunarDate {year, month, day, leap}, the four pillars, yangDun and ju when the chart
// has them, monthGeneral when it prints one.
nlohmann::json chartNumbersJson(const boundary::ChartNumbers& numbers);

// [{kind, text, minutes, alternative}, …]; alternative is left out when the
// other reading cannot be told.
nlohmann::json warningsJson(const std::vector<boundary::BoundaryWarning>& warnings);

// {convention, sides: [{choice, title, summary, grid, numbers}, …],
//  differingCells (grid cells), differingItems, identical}.
nlohmann::json comparisonJson(const boundary::ConventionComparison& comparison);

}  // namespace qimen::cli

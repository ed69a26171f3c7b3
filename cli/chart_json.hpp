// JSON form of a laid chart record and of its styled text, for `qimen chart
// --json`.
#pragma once

#include <nlohmann/json.hpp>

#include "chart/chart_record.hpp"
#include "render/styled_text.hpp"

namespace qimen::cli {

// The computed record: method, dun and ju, pillars, leaders, marks, dates,
// flying stars, the nine cells by grid cell, and for the day and small
// charts their display placements.
nlohmann::json chartRecordJson(const chart::ChartRecord& record);

// The chart text and its styled ranges (character offsets).
nlohmann::json styledTextJson(const render::StyledText& styled);

}  // namespace qimen::cli

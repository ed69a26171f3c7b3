// The printout of one listed moment: its number, the moment, the pillars,
// dun and ju, xun head, the leaders and a 3 × 3 grid of the plates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil_date_time.hpp"
#include "chart/chart_record.hpp"

namespace qimen::search {

// A result line "N:YYYY-MM-DD HH:MM" taken apart: N is the text before the
// first ':', the moment is read from the fixed positions after it.
struct ListedMoment {
    std::string number;
    calendar::CivilDateTime moment;
};

// Splits a result line; nullopt when it has no ':', when the rest is shorter
// than "YYYY-MM-DD HH:MM" or has a non-digit where a digit belongs, or when
// the moment is not a valid date and time of 1900..2050.
std::optional<ListedMoment> parseResultLine(std::string_view line);

// The chart printout of a chart laid by layCandidateChart, CR LF line ends:
// the moment, pillars, dun and ju, xun head with its instrument, the
// leaders, and the grid (deity names by record.settings.shen; the centre's
// heaven stem shown beside 芮 and under the centre's earth plate).
std::string chartPrintout(const chart::ChartRecord& record);

}  // namespace qimen::search

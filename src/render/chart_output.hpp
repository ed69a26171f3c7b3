// The last step of every chart run: the chart text becomes the output
// pane's content, with the closing text appended and the method's
// landmarks (dun line, ★ line, the leader's star and door, the analysis
// headings, the auspicious words of day and small charts) styled.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "chart/chart_record.hpp"
#include "render/styled_text.hpp"

namespace qimen::render {

// The landmark rules a chart text is styled by, one per formatter.
enum class LandmarkRules { RotatingHour, FlyingHour, YinPlate, Month, Year, Day, SmallChart };

// The rules of the record's method: hour charts (methods 0 and 250) by the
// setting pan, the other methods by their own.
LandmarkRules landmarkRulesOf(const chart::ChartRecord& record);

// The styled ranges of a chart text (UTF-8) under the given rules. Offsets
// and lengths of the rules are GBK bytes; each search starts at a character
// boundary and finds whole characters; a range covers the characters that
// start within its bytes. A search that finds nothing styles nothing and
// leaves the position later searches start from where the last successful
// search left it. Reads leaderStar and leaderDoor of the record.
std::vector<StyledRange> landmarkRanges(const chart::ChartRecord& record, LandmarkRules rules, std::string_view text);

// The output formatter of every method. While writeOutput is 0 it returns
// nothing and leaves chartText as it is. Otherwise, with the setting
// endinfo on, the closing text of `dataRoot` is appended first; then
// chartText moves into the result (chartText is left empty) with the
// landmark ranges of the record's method and the indent of the setting
// ileft.
std::optional<StyledText> formatChartOutput(chart::ChartRecord& record, const std::filesystem::path& dataRoot);

}  // namespace qimen::render

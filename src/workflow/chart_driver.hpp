// The chart driver: the one entry that turns a chart::ChartRequest into a finished
// chart. It copies the request into the record, re-reads dat/set.ini,
// validates and converts the moment, computes the pillars, lays the chosen
// method's plates, writes header, grid and analysis into chartText and hands
// the styled text to the output pane.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"
#include "chart/ju_rules.hpp"
#include "render/styled_text.hpp"

namespace qimen::workflow {

// The failure texts of a chart run, shown to the user as they are.
inline constexpr const char* kInvalidDateMessage = "不存在这个日期";
inline constexpr const char* kConvertedYearOutOfRangeMessage = "时间越界，年份在-850到2100之间";
inline constexpr const char* kLunarMomentOutOfRangeMessage = "公、农历正常转换年份在-850到2100之间";
inline constexpr const char* kIntercalationYearsMessage = chart::kIntercalationYearsMessage;
inline constexpr const char* kGivenJuMessage = "局数应为阴遁或阳遁的一至九局。";
inline constexpr const char* kUnknownMethodMessage = "没有这种盘式。";
// A longitude or latitude that is not a number of degrees in range (a case
// stored with a damaged coordinate).
inline constexpr const char* kCoordinatesMessage = "经纬度不正确：经度应在-180到180度之间，纬度应在-90到90度之间";

// What a chart run reads and where it writes: the data root (dat/set.ini,
// dat/EndInfo.txt), an optional change to the settings after they are read
// (the command line's --set), whether the analysis also judges the matter
// asked, the window's output pane and memo, and where a warning about the
// settings file goes.
struct ChartEnvironment {
    std::filesystem::path dataRoot;
    std::function<void(chart::ChartSettings&)> adjustSettings;
    // When the matter names a topic (求财 … 出行), a rotating-plate hour
    // chart's analysis ends with that topic's judgement ("本盘断语："), in
    // the chart text and the memo alike. Off, the texts are the classical
    // ones whatever the matter.
    bool judgeMatter = false;
    std::function<void(render::StyledText&&)> showOutput;
    std::function<void(const std::string&)> showMemo;
    // Told when dat/set.ini cannot be read or is damaged: the chart is still
    // laid, with the default settings where the file fails.
    std::function<void(const std::string&)> showWarning;
};

// Runs one chart. On success the chart text went to showOutput (unless the
// record's writeOutput is off) and memoText to showMemo. On failure the
// message to show is the result's (and the record's errorText), and neither
// the pane nor the memo was touched. A failed validation leaves the computed
// fields of the previous chart; the 置闰 year check fails after the reset
// and the pillars.
Expected<void> drawChart(chart::ChartRecord& record, const chart::ChartRequest& request,
                         const ChartEnvironment& environment);

// Whether the user asked to be offered saving after each chart (setting save).
inline bool promptToSave(const chart::ChartRecord& record) { return record.settings.save; }

// Validation and conversion of the request's moment into computeDate,
// clockDate, clockJulianDay, lunarDate and leapMonth (settings already in
// the record). A failure's message is also left in errorText: coordinates
// that are not finite degrees in range, or the moment's own faults. A moment
// whose day pillar and lunar date fall outside the years served (23:00 on
// 2100-12-31 is read as 2101-01-01) is refused with the range text and the
// day it would need.
Expected<void> validateAndConvertMoment(chart::ChartRecord& record);

}  // namespace qimen::workflow

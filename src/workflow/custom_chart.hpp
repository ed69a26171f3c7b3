// The custom printout of a moment: the chart driver's validation and
// pillars, then the rotating-plate hour chart, written with a custom label
// class's aliases (customchart/custom_chart_text.hpp). Only the hour chart
// on the rotating plate can be shown this way.
//
//   ChartRequest + dat/set.ini → validated moment → pillars (flying stars
//   with jiugong) → method check → dun and ju (拆补法 or 置闰法) →
//   rotating plate with hidden stems by angan → text by the class.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"
#include "custom/custom_class.hpp"

namespace qimen::workflow {

inline constexpr const char* kHourChartOnlyMessage = "只有时家转盘才能显示自定义奇门盘!";
inline constexpr const char* kUnknownClassMessage = "找不到这个类别,无法排盘!";

// Where the settings come from: dat/set.ini under the data root, read at
// every run, then an optional change (the command line's --set, tests).
struct CustomChartEnvironment {
    std::filesystem::path dataRoot;
    std::function<void(chart::ChartSettings&)> adjustSettings;
};

// Lays the chart of `request` into `record` and returns the printout for
// `aliases`. Fails with the driver's message for a moment it refuses, with
// kHourChartOnlyMessage for a method other than the hour chart (given-ju
// charts included) or setting pan non-zero, and with the 置闰法 years message
// when that method is asked outside 1900..2050. On failure the record's
// errorText holds the same message. The record's chartText is not touched:
// the printout needs only the laid chart.
Expected<std::string> drawCustomChart(chart::ChartRecord& record, const chart::ChartRequest& request,
                                      const custom::CustomClass& aliases, const CustomChartEnvironment& environment);

}  // namespace qimen::workflow

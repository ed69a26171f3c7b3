// The numbers in which two readings of one moment can differ — pillars, dun
// and ju under the chart's method, month general, lunar date and the two
// moments — taken from a charted record, or laid afresh for a changed moment
// or changed settings, and the text that names their differences.
#pragma once

#include <optional>
#include <string>

#include "calendar/lunar_calendar.hpp"
#include "chart/chart_record.hpp"

namespace qimen::boundary {

struct ChartNumbers {
    calendar::CivilDateTime clockDate;
    calendar::CivilDateTime computeDate;
    bool trueSolarTime = false;  // the chart reads true solar time: computeDate is that time
    calendar::LunarDate lunarDate;  // the day (hour and minute 0)
    calendar::GanZhiCode yearGZ = 0;
    calendar::GanZhiCode monthGZ = 0;
    calendar::GanZhiCode dayGZ = 0;
    calendar::GanZhiCode hourGZ = 0;
    // Dun of a chart that has one (the day chart: its half-year); ju 1..9
    // of a chart that has one, 0 for none (day and small charts, or 置闰法
    // outside its years).
    bool hasDun = false;
    bool yangDun = false;
    std::int16_t ju = 0;
    // The month general of the charts that print it (hour and yin-plate).
    bool hasMonthGeneral = false;
    chart::BranchCode monthGeneral = 0;

    friend bool operator==(const ChartNumbers&, const ChartNumbers&) = default;
};

// The numbers of a record the chart driver has laid for a request of
// `method` (the request's method: the driver turns 250 into 0).
ChartNumbers numbersOf(const chart::ChartRecord& charted, chart::ChartMethod method);

// Lays the numbers of `record` afresh from its clockDate, computeDate and
// settings: the pillars, the lunar date (of chart::lunarMomentOf, or
// `lunar` when given), and the dun and ju of `method` (拆补法 or 置闰法 for
// an hour chart by setting ju; a given ju is kept from the record). The
// record is a copy; nothing is written.
ChartNumbers layNumbers(chart::ChartRecord record, chart::ChartMethod method,
                        const std::optional<calendar::LunarDate>& lunar = std::nullopt);

// The differences from `from` to `to`, e.g. "年柱甲辰→癸卯，月柱丙寅→乙丑，
// 阳遁八局→阳遁五局"; "" when the pillars, dun, ju, month general and lunar
// date agree (the moments are not compared).
std::string describeChanges(const ChartNumbers& from, const ChartNumbers& to);

// The chart-relevant numbers agree (all but the two moments).
bool sameChart(const ChartNumbers& a, const ChartNumbers& b);

// Texts of the numbers: "2024-02-04", "16:27", "2024-02-04 16:27" (the
// user's year); "阳遁八局" ("阳遁" for a dun without ju, "" for none); the
// lunar day "十二月廿五", with the year first "2023年十二月廿五".
std::string dateText(const calendar::CivilDateTime& t);
std::string timeText(const calendar::CivilDateTime& t);
std::string momentText(const calendar::CivilDateTime& t);
std::string dunJuText(const ChartNumbers& numbers);
std::string lunarText(const calendar::LunarDate& lunar, bool withYear);

}  // namespace qimen::boundary

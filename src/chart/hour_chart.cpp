// The hour chart of a moment: pillars, ju, plate.
#include "chart/hour_chart.hpp"

#include "calendar/day_arithmetic.hpp"
#include "calendar/pillars.hpp"
#include "chart/flying_layout.hpp"
#include "chart/rotating_layout.hpp"

namespace qimen::chart {

void setChartMoment(ChartRecord& record, const calendar::CivilDateTime& clockDate,
                    const calendar::CivilDateTime& computeDate) {
    record.clockDate = clockDate;
    record.computeDate = computeDate;
    record.clockJulianDay = calendar::julianDay(clockDate);
}

void computePillars(ChartRecord& record) {
    resetComputedFields(record);
    calendar::FourPillars pillars =
        calendar::fourPillars(record.clockDate, record.computeDate, dayChangeOf(record.settings));
    record.yearGZ = pillars.year;
    record.monthGZ = pillars.month;
    record.dayGZ = pillars.day;
    record.hourGZ = pillars.hour;
    record.monthElement = elementOfMonthBranch(calendar::branchOf(pillars.month));
}

calendar::CivilDateTime lunarMomentOf(const ChartRecord& record) {
    bool nextDay = record.computeDate.hour == 23 && dayChangeOf(record.settings) == calendar::DayChange::At23;
    return nextDay ? calendar::nextDay(record.computeDate) : record.computeDate;
}

void layHourChart(ChartRecord& record) {
    if (record.settings.pan != 0)
        layFlyingHourChart(record);
    else
        layRotatingHourChart(record);
}

bool computeHourChart(ChartRecord& record) {
    computePillars(record);
    if (record.settings.ju != 0) {
        if (!intercalationJu(record)) return false;
    } else {
        splitComplementJu(record);
    }
    layHourChart(record);
    return true;
}

}  // namespace qimen::chart

// The candidate chart from the chart engine's own steps.
#include "search/candidate_chart.hpp"

#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/rotating_layout.hpp"

namespace qimen::search {

bool layCandidateChart(chart::ChartRecord& record, const calendar::CivilDateTime& moment, double julianDay) {
    record.clockDate = moment;
    record.computeDate = moment;
    record.clockJulianDay = julianDay;
    chart::computePillars(record);
    if (record.settings.ju != 0) {
        if (!chart::intercalationJu(record)) return false;
    } else {
        chart::splitComplementJu(record);
    }
    chart::layRotatingPlate(record, record.hourGZ);
    if (record.settings.tianyi == 1) chart::relayHeavenStemsFromTianXin(record);
    return true;
}

}  // namespace qimen::search

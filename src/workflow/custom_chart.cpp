// The custom printout's chart run.
#include "workflow/custom_chart.hpp"

#include "chart/chart_settings.hpp"
#include "chart/flying_stars.hpp"
#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/rotating_layout.hpp"
#include "customchart/custom_chart_text.hpp"
#include "workflow/chart_driver.hpp"

namespace qimen::workflow {
namespace {

Expected<std::string> refuse(chart::ChartRecord& record, std::string message) {
    record.errorText = message;
    return fail(std::move(message));
}

}  // namespace

Expected<std::string> drawCustomChart(chart::ChartRecord& record, const chart::ChartRequest& request,
                                      const custom::CustomClass& aliases, const CustomChartEnvironment& environment) {
    record.setRequest(request);
    record.settings = chart::loadChartSettings(chart::chartSettingsPath(environment.dataRoot));
    if (environment.adjustSettings) environment.adjustSettings(record.settings);
    if (!validateAndConvertMoment(record)) return fail(record.errorText);

    chart::computePillars(record);  // resets the computed fields first
    if (record.settings.jiugong) chart::computeFlyingStars(record);

    if (record.method != chart::ChartMethod::Hour || record.settings.pan != 0)
        return refuse(record, kHourChartOnlyMessage);
    if (record.settings.ju == 0) {
        chart::splitComplementJu(record);
    } else if (record.clockDate.year < chart::kIntercalationFirstYear ||
               record.clockDate.year > chart::kIntercalationLastYear || !chart::intercalationJu(record)) {
        // Like the chart driver: true solar time can also move the compute
        // day out of the table.
        return refuse(record, kIntercalationYearsMessage);
    }
    chart::layRotatingHourChart(record);
    return customchart::customChartText(record, aliases);
}

}  // namespace qimen::workflow

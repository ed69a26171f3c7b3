// The chart driver's steps and its dispatch table by chart method.
#include "chart/chart_driver.hpp"

#include <optional>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/true_solar_time.hpp"
#include "chart/chart_settings.hpp"
#include "chart/flying_layout.hpp"
#include "chart/flying_stars.hpp"
#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/other_methods.hpp"
#include "chart/rotating_layout.hpp"
#include "output/analysis_chart.hpp"
#include "output/chart_header.hpp"
#include "output/chart_output.hpp"
#include "output/display_grids.hpp"
#include "output/flying_grid.hpp"
#include "output/rotating_grid.hpp"
#include "output/yin_plate_grid.hpp"

namespace qimen::chart {
namespace {

bool inSupportedYears(int year) { return year >= calendar::kFirstYear && year <= calendar::kLastYear; }

// The hour chart of a record whose dun and ju are set: plate, header, grid,
// analysis, by the setting pan.
void writeHourChart(ChartRecord& record) {
    if (record.settings.pan != 0) {
        layFlyingHourChart(record);
        // The flying layout leaves the month general to the header; keep the
        // record consistent for every reader.
        record.monthGeneral = monthGeneralOf(calendar::branchOf(record.monthGZ));
        output::appendHeader(record);
        output::appendFlyingGrid(record);
    } else {
        layRotatingHourChart(record);
        output::appendHeader(record);
        output::appendRotatingGrid(record);
        output::analyseChartFull(record);
    }
}

// Dun and ju of an hour chart by the ju setting; false with errorText set
// when 置闰法 is asked outside its years.
bool determineHourJu(ChartRecord& record) {
    if (record.settings.ju == 0) {
        splitComplementJu(record);
        return true;
    }
    // 置闰法 counts days of a table built for 1900..2050; the compute date
    // can also leave it when true solar time moves 1900-01-01 back a day.
    if (record.clockDate.year < 1900 || record.clockDate.year > 2050 || !intercalationJu(record)) {
        record.errorText = kIntercalationYearsMessage;
        return false;
    }
    return true;
}

// Steps of each method after the pillars; false with errorText set.
bool dispatch(ChartRecord& record) {
    switch (record.method) {
        case ChartMethod::Hour:
            if (!determineHourJu(record)) return false;
            writeHourChart(record);
            return true;
        case ChartMethod::GivenJuHour: {
            int ju = record.givenJu % 10;
            if (ju == 0 || record.givenJu > 19) {
                record.errorText = kGivenJuMessage;
                return false;
            }
            record.method = ChartMethod::Hour;
            record.yangDun = record.givenJu > 9;
            record.ju = static_cast<std::int16_t>(ju);
            writeHourChart(record);
            return true;
        }
        case ChartMethod::Day:
            output::appendHeader(record);
            output::appendDayGrid(record);
            return true;
        case ChartMethod::Month: {
            YuanOfChart yuan = monthChartJu(record);
            layMonthChart(record);
            output::appendHeader(record);
            output::appendMonthGrid(record, yuan);
            output::analyseChartShort(record);
            return true;
        }
        case ChartMethod::Year: {
            YuanOfChart yuan = yearChartJu(record);
            layYearChart(record);
            output::appendHeader(record);
            output::appendYearGrid(record, yuan);
            output::analyseChartShort(record);
            return true;
        }
        case ChartMethod::SmallFlying:
            output::appendHeader(record);
            output::appendSmallChartGrid(record);
            return true;
        case ChartMethod::YinPlate:
            yinPlateJu(record);
            layYinPlateChart(record);
            output::appendHeader(record);
            output::renderYinPlateGrid(record);
            output::analyseChartFull(record);
            return true;
    }
    record.errorText = kUnknownMethodMessage;
    return false;
}

}  // namespace

bool validateAndConvertMoment(ChartRecord& record) {
    record.errorText.clear();
    calendar::CivilDateTime moment;
    if (record.lunarInput) {
        calendar::SolarDateResult solar = calendar::lunarToSolar(record.inputDate, record.leapMonth);
        if (!solar) {
            record.errorText = solar.message;
            return false;
        }
        if (!inSupportedYears(solar.date.year)) {
            record.errorText = kConvertedYearOutOfRangeMessage;
            return false;
        }
        moment = solar.date;
    } else {
        if (!calendar::isValidDate(record.inputDate)) {
            record.errorText = kInvalidDateMessage;
            return false;
        }
        moment = record.inputDate;
    }
    calendar::CivilDateTime compute =
        record.settings.sun ? calendar::trueSolarTime(moment, record.longitude) : moment;
    setChartMoment(record, moment, compute);

    // The lunar date of a 子 hour begun at 23:00 is the next day's.
    calendar::CivilDateTime lunarMoment =
        record.computeDate.hour == 23 ? calendar::nextDay(record.computeDate) : record.computeDate;
    if (!inSupportedYears(lunarMoment.year)) {
        record.errorText = kLunarMomentOutOfRangeMessage;
        return false;
    }
    calendar::LunarDate lunar = calendar::solarToLunar(lunarMoment);
    record.lunarDate = lunar.date;
    record.leapMonth = lunar.leap;
    return true;
}

bool drawChart(ChartRecord& record, const ChartRequest& request, const ChartEnvironment& environment) {
    record.setRequest(request);
    record.settings = loadChartSettings(chartSettingsPath(environment.dataRoot));
    if (environment.adjustSettings) environment.adjustSettings(record.settings);
    if (!validateAndConvertMoment(record)) return false;

    computePillars(record);  // resets the computed fields first
    if (record.settings.jiugong) computeFlyingStars(record);
    record.memoText.clear();
    if (!dispatch(record)) return false;

    std::optional<output::StyledText> styled = output::formatChartOutput(record, environment.dataRoot);
    if (styled && environment.showOutput) environment.showOutput(std::move(*styled));
    if (environment.showMemo) environment.showMemo(record.memoText);
    return true;
}

}  // namespace qimen::chart

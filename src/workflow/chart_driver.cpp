// The chart driver's steps and its dispatch table by chart method.
#include "workflow/chart_driver.hpp"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "analysis/analysis_chart.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/true_solar_time.hpp"
#include "chart/chart_settings.hpp"
#include "chart/flying_layout.hpp"
#include "chart/flying_stars.hpp"
#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/month_general.hpp"
#include "chart/other_methods.hpp"
#include "chart/rotating_layout.hpp"
#include "judgement/judgement_text.hpp"
#include "render/chart_header.hpp"
#include "render/chart_output.hpp"
#include "render/display_grids.hpp"
#include "render/flying_grid.hpp"
#include "render/rotating_grid.hpp"
#include "render/yin_plate_grid.hpp"

namespace qimen::workflow {

using chart::ChartMethod;
using chart::ChartRecord;
using chart::ChartRequest;
using chart::YuanOfChart;

namespace {

bool inSupportedYears(int year) { return year >= calendar::kFirstYear && year <= calendar::kLastYear; }

// A failed run: the record keeps the message as its errorText, and the
// caller gets it too.
Failure refuse(ChartRecord& record, std::string message) {
    record.errorText = message;
    return fail(std::move(message));
}

// The hour chart of a record whose dun and ju are set: plate, header, grid,
// analysis, by the setting pan.
void writeHourChart(ChartRecord& record) {
    if (record.settings.pan != 0) {
        layFlyingHourChart(record);
        // The flying layout leaves the month general to the header; keep the
        // record consistent for every reader.
        record.monthGeneral = chart::monthGeneralOfChart(record);
        render::appendHeader(record);
        render::appendFlyingGrid(record);
    } else {
        layRotatingHourChart(record);
        render::appendHeader(record);
        render::appendRotatingGrid(record);
        analysis::analyseChartFull(record);
    }
}

// Dun and ju of an hour chart by the ju setting; refused when 置闰法 is
// asked outside its years.
Expected<void> determineHourJu(ChartRecord& record) {
    if (record.settings.ju == 0) {
        splitComplementJu(record);
        return ok();
    }
    // 置闰法 counts days of a table built for 1900..2050; the compute date
    // can also leave it when true solar time moves 1900-01-01 back a day.
    if (record.clockDate.year < 1900 || record.clockDate.year > 2050 || !intercalationJu(record))
        return refuse(record, kIntercalationYearsMessage);
    return ok();
}

// What each method lays and writes after the pillars.
Expected<void> dispatch(ChartRecord& record) {
    switch (record.method) {
        case ChartMethod::Hour:
            if (auto ju = determineHourJu(record); !ju) return ju;
            writeHourChart(record);
            return ok();
        case ChartMethod::GivenJuHour: {
            int ju = record.givenJu % 10;
            if (ju == 0 || record.givenJu > 19) return refuse(record, kGivenJuMessage);
            record.method = ChartMethod::Hour;
            record.yangDun = record.givenJu > 9;
            record.ju = static_cast<std::int16_t>(ju);
            writeHourChart(record);
            return ok();
        }
        case ChartMethod::Day:
            render::appendHeader(record);
            render::appendDayGrid(record);
            return ok();
        case ChartMethod::Month: {
            YuanOfChart yuan = monthChartJu(record);
            layMonthChart(record);
            render::appendHeader(record);
            render::appendMonthGrid(record, yuan);
            analysis::analyseChartShort(record);
            return ok();
        }
        case ChartMethod::Year: {
            YuanOfChart yuan = yearChartJu(record);
            layYearChart(record);
            render::appendHeader(record);
            render::appendYearGrid(record, yuan);
            analysis::analyseChartShort(record);
            return ok();
        }
        case ChartMethod::SmallFlying:
            render::appendHeader(record);
            render::appendSmallChartGrid(record);
            return ok();
        case ChartMethod::YinPlate:
            yinPlateJu(record);
            layYinPlateChart(record);
            render::appendHeader(record);
            render::renderYinPlateGrid(record);
            analysis::analyseChartFull(record);
            return ok();
    }
    return refuse(record, kUnknownMethodMessage);
}

}  // namespace

Expected<void> validateAndConvertMoment(ChartRecord& record) {
    record.errorText.clear();
    if (!std::isfinite(record.longitude) || !std::isfinite(record.latitude) || std::fabs(record.longitude) > 180 ||
        std::fabs(record.latitude) > 90)
        return refuse(record, kCoordinatesMessage);
    calendar::CivilDateTime moment;
    if (record.lunarInput) {
        Expected<calendar::CivilDateTime> solar = calendar::lunarToSolar(record.inputDate, record.leapMonth);
        if (!solar) return refuse(record, solar.message());
        if (!inSupportedYears(solar->year)) return refuse(record, kConvertedYearOutOfRangeMessage);
        moment = *solar;
    } else {
        if (!calendar::isValidDate(record.inputDate)) return refuse(record, kInvalidDateMessage);
        moment = record.inputDate;
    }
    calendar::CivilDateTime compute =
        record.settings.sun ? calendar::trueSolarTime(moment, record.longitude) : moment;
    setChartMoment(record, moment, compute);

    // The lunar date of a 子 hour begun at 23:00 is the next day's (unless
    // setting zishi changes the day at midnight).
    calendar::CivilDateTime lunarMoment = chart::lunarMomentOf(record);
    if (!inSupportedYears(lunarMoment.year)) {
        // The moment typed lies in the range, but the day it is read as (the
        // next day from 23:00, or the previous one by true solar time) does not.
        char day[64];
        std::snprintf(day, sizeof day, "%d年%d月%d日", calendar::userFromAstronomicalYear(lunarMoment.year),
                      lunarMoment.month, lunarMoment.day);
        return refuse(record, std::string(kLunarMomentOutOfRangeMessage) + "；此时刻的日柱与农历要按" + day +
                                  "计算，超出了这个范围");
    }
    calendar::LunarDate lunar = calendar::solarToLunar(lunarMoment);
    record.lunarDate = lunar.date;
    record.leapMonth = lunar.leap;
    return ok();
}

Expected<void> drawChart(ChartRecord& record, const ChartRequest& request, const ChartEnvironment& environment) {
    record.setRequest(request);
    chart::ChartSettingsRead settings = chart::readChartSettings(chart::chartSettingsPath(environment.dataRoot));
    record.settings = settings.settings;
    if (!settings.problem.empty() && environment.showWarning) environment.showWarning(settings.problem);
    if (environment.adjustSettings) environment.adjustSettings(record.settings);
    if (auto moment = validateAndConvertMoment(record); !moment) return moment;

    computePillars(record);  // resets the computed fields first
    if (record.settings.jiugong) computeFlyingStars(record);
    record.memoText.clear();
    if (auto laid = dispatch(record); !laid) return laid;
    if (environment.judgeMatter) {
        std::string judged = judgement::matterJudgementText(record);
        record.chartText += judged;
        record.memoText += judged;
    }

    std::optional<render::StyledText> styled = render::formatChartOutput(record, environment.dataRoot);
    if (styled && environment.showOutput) environment.showOutput(std::move(*styled));
    if (environment.showMemo) environment.showMemo(record.memoText);
    return ok();
}

}  // namespace qimen::workflow

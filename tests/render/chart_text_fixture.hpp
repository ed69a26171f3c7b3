// Helpers of the chart-text tests: records laid from a request the way a
// chart run lays them (dates, pillars, lunar date, ju and layout of each
// method), the whole text of a chart, and GBK measures of its lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/true_solar_time.hpp"
#include "chart/chart.hpp"
#include "render/chart_header.hpp"
#include "render/display_grids.hpp"
#include "render/flying_grid.hpp"
#include "render/rotating_grid.hpp"
#include "render/yin_plate_grid.hpp"
#include "text/gbk.hpp"

namespace qimen::render::testing {

using calendar::CivilDateTime;
using chart::ChartMethod;
using chart::ChartRecord;
using chart::ChartRequest;
using chart::ChartSettings;

inline ChartRequest requestFor(ChartMethod method, CivilDateTime date) {
    ChartRequest request;
    request.method = method;
    request.inputDate = date;
    request.askerName = "张三";
    request.matter = "求财";
    request.placeName = "北京北京";
    request.longitude = 116.4667f;  // 116°28′
    request.latitude = 39.9f;       // 39°54′
    return request;
}

// Dates, pillars, flying stars and the lunar date of a request, as a chart
// run computes them before its method. Returns false for an invalid date.
inline bool setMoment(ChartRecord& record, const ChartRequest& request, const ChartSettings& settings) {
    record.setRequest(request);
    record.settings = settings;
    CivilDateTime compute = request.inputDate;
    if (request.lunarInput) {
        Expected<CivilDateTime> solar = calendar::lunarToSolar(request.inputDate, request.leapMonth);
        if (!solar) return false;
        compute = *solar;
    } else if (!calendar::isValidDate(compute)) {
        return false;
    }
    CivilDateTime clock = compute;
    if (settings.sun) compute = calendar::trueSolarTime(compute, record.longitude);
    chart::setChartMoment(record, clock, compute);
    CivilDateTime lunarMoment = compute.hour == 23 ? calendar::nextDay(compute) : compute;
    calendar::LunarDate lunar = calendar::solarToLunar(lunarMoment);
    record.lunarDate = lunar.date;
    record.leapMonth = lunar.leap;
    chart::computePillars(record);
    if (settings.jiugong) chart::computeFlyingStars(record);
    return true;
}

// The chart text of a request up to the output formatter: header, grid
// (and the day almanac), for every method.
inline ChartRecord chartFor(const ChartRequest& request, const ChartSettings& settings = {}) {
    ChartRecord record;
    if (!setMoment(record, request, settings)) return record;
    switch (request.method) {
    case ChartMethod::Hour:
    case ChartMethod::GivenJuHour:
        if (request.method == ChartMethod::GivenJuHour) {
            chart::DunJu given = chart::givenDunJu(request.givenJu);
            record.method = ChartMethod::Hour;
            record.yangDun = given.yangDun;
            record.ju = given.ju;
        } else if (settings.ju != 0) {
            chart::intercalationJu(record);
        } else {
            chart::splitComplementJu(record);
        }
        chart::layHourChart(record);
        appendHeader(record);
        if (settings.pan != 0)
            appendFlyingGrid(record);
        else
            appendRotatingGrid(record);
        break;
    case ChartMethod::Day:
        appendHeader(record);
        appendDayGrid(record);
        break;
    case ChartMethod::Month: {
        chart::YuanOfChart yuan = chart::monthChartJu(record);
        chart::layMonthChart(record);
        appendHeader(record);
        appendMonthGrid(record, yuan);
        break;
    }
    case ChartMethod::Year: {
        chart::YuanOfChart yuan = chart::yearChartJu(record);
        chart::layYearChart(record);
        appendHeader(record);
        appendYearGrid(record, yuan);
        break;
    }
    case ChartMethod::SmallFlying:
        appendHeader(record);
        appendSmallChartGrid(record);
        break;
    case ChartMethod::YinPlate:
        chart::yinPlateJu(record);
        chart::layYinPlateChart(record);
        appendHeader(record);
        renderYinPlateGrid(record);
        break;
    }
    return record;
}

// The lines of a text split at "\r\n" (the line break not included).
inline std::vector<std::string> crlfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
}

// The lines of the grid: from the line that starts with `topLeft` through
// the line that starts with `bottomLeft`.
inline std::vector<std::string> gridLines(std::string_view text, std::string_view topLeft = "┌",
                                          std::string_view bottomLeft = "└") {
    std::vector<std::string> all = crlfLines(text);
    std::vector<std::string> grid;
    bool inside = false;
    for (const std::string& line : all) {
        if (!inside && line.starts_with(topLeft)) inside = true;
        if (inside) grid.push_back(line);
        if (inside && line.starts_with(bottomLeft)) break;
    }
    return grid;
}

inline std::size_t gbkBytes(std::string_view utf8) { return text::gbkLength(utf8); }

}  // namespace qimen::render::testing

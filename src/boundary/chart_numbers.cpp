// Chart numbers: read from a record, laid afresh with the engine's own
// steps, and compared.
#include "boundary/chart_numbers.hpp"

#include <cstdio>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_text.hpp"
#include "chart/display_layouts.hpp"
#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/month_general.hpp"
#include "chart/other_methods.hpp"
#include "chart/vocabulary.hpp"

namespace qimen::boundary {

using chart::ChartMethod;

namespace {

bool hasJu(ChartMethod m) {
    return m == ChartMethod::Hour || m == ChartMethod::GivenJuHour || m == ChartMethod::Month ||
           m == ChartMethod::Year || m == ChartMethod::YinPlate;
}

}  // namespace

ChartNumbers numbersOf(const chart::ChartRecord& r, ChartMethod method) {
    ChartNumbers n;
    n.clockDate = r.clockDate;
    n.computeDate = r.computeDate;
    n.trueSolarTime = r.settings.sun;
    n.lunarDate = calendar::LunarDate{r.lunarDate, r.leapMonth};
    n.lunarDate.date.hour = n.lunarDate.date.minute = 0;  // the day only
    n.yearGZ = r.yearGZ;
    n.monthGZ = r.monthGZ;
    n.dayGZ = r.dayGZ;
    n.hourGZ = r.hourGZ;
    if (hasJu(method)) {
        n.hasDun = r.ju != 0;
        n.yangDun = r.yangDun;
        n.ju = r.ju;
    } else if (method == ChartMethod::Day) {
        n.hasDun = true;
        n.yangDun = chart::dayChartYangHalf(r.computeDate.year, r.clockJulianDay);
    }
    if (method == ChartMethod::Hour || method == ChartMethod::GivenJuHour || method == ChartMethod::YinPlate) {
        n.hasMonthGeneral = true;
        n.monthGeneral = chart::monthGeneralOfChart(r);
    }
    return n;
}

ChartNumbers layNumbers(chart::ChartRecord record, ChartMethod method, const std::optional<calendar::LunarDate>& lunar) {
    const bool givenYang = record.yangDun;
    const std::int16_t givenJu = record.ju;
    record.clockJulianDay = calendar::julianDay(record.clockDate);
    chart::computePillars(record);
    if (lunar) {
        record.lunarDate = lunar->date;
        record.leapMonth = lunar->leap;
    } else {
        calendar::CivilDateTime moment = chart::lunarMomentOf(record);
        if (moment.year >= calendar::kFirstYear && moment.year <= calendar::kLastYear) {
            calendar::LunarDate date = calendar::solarToLunar(moment);
            record.lunarDate = date.date;
            record.leapMonth = date.leap;
        }
    }
    switch (method) {
        case ChartMethod::Hour:
            if (record.settings.ju == 0)
                chart::splitComplementJu(record);
            else if (record.clockDate.year < chart::kIntercalationFirstYear ||
                     record.clockDate.year > chart::kIntercalationLastYear || !chart::intercalationJu(record))
                record.ju = 0;
            break;
        case ChartMethod::GivenJuHour:
            record.yangDun = givenYang;
            record.ju = givenJu;
            break;
        case ChartMethod::Month: chart::monthChartJu(record); break;
        case ChartMethod::Year: chart::yearChartJu(record); break;
        case ChartMethod::YinPlate: chart::yinPlateJu(record); break;
        case ChartMethod::Day:
        case ChartMethod::SmallFlying: break;
    }
    return numbersOf(record, method);
}

bool sameChart(const ChartNumbers& a, const ChartNumbers& b) {
    ChartNumbers x = a;
    x.clockDate = b.clockDate;
    x.computeDate = b.computeDate;
    return x == b;
}

std::string dateText(const calendar::CivilDateTime& t) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d", calendar::userFromAstronomicalYear(t.year), t.month, t.day);
    return buffer;
}

std::string timeText(const calendar::CivilDateTime& t) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", t.hour, t.minute);
    return buffer;
}

std::string momentText(const calendar::CivilDateTime& t) { return dateText(t) + " " + timeText(t); }

std::string dunJuText(const ChartNumbers& n) {
    if (!n.hasDun) return "";
    std::string text = n.yangDun ? "阳遁" : "阴遁";
    if (n.ju != 0) text += std::string(chart::numeralText(n.ju)) + "局";
    return text;
}

std::string lunarText(const calendar::LunarDate& lunar, bool withYear) {
    std::string text = withYear ? std::to_string(calendar::userFromAstronomicalYear(lunar.date.year)) + "年" : "";
    return text + calendar::lunarMonthName(lunar.date.month, lunar.leap) + calendar::lunarDayName(lunar.date.day);
}

std::string describeChanges(const ChartNumbers& from, const ChartNumbers& to) {
    std::string text;
    auto add = [&](const std::string& what, const std::string& before, const std::string& after) {
        if (before == after) return;
        if (!text.empty()) text += "，";
        text += what + before + "→" + after;
    };
    add("年柱", chart::ganZhiText(from.yearGZ), chart::ganZhiText(to.yearGZ));
    add("月柱", chart::ganZhiText(from.monthGZ), chart::ganZhiText(to.monthGZ));
    add("日柱", chart::ganZhiText(from.dayGZ), chart::ganZhiText(to.dayGZ));
    add("时柱", chart::ganZhiText(from.hourGZ), chart::ganZhiText(to.hourGZ));
    add("", dunJuText(from), dunJuText(to));
    if (from.hasMonthGeneral && to.hasMonthGeneral)
        add("月将", std::string(chart::branchText(from.monthGeneral)), std::string(chart::branchText(to.monthGeneral)));
    bool otherYear = from.lunarDate.date.year != to.lunarDate.date.year;
    add("农历", lunarText(from.lunarDate, otherYear), lunarText(to.lunarDate, otherYear));
    return text;
}

}  // namespace qimen::boundary

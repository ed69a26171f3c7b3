// The travel formula: pillars of a moment, T and the surrounding text.
#include "search/travel_formula.hpp"

#include <cstdio>
#include <memory>

#include "calendar/day_arithmetic.hpp"
#include "chart/chart_record.hpp"
#include "chart/hour_chart.hpp"
#include "chart/vocabulary.hpp"
#include "knowledge/knowledge_base.hpp"

namespace qimen::search {

Expected<TravelFormula> travelFormula(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t hour,
                                      std::int16_t minute) {
    const calendar::CivilDateTime moment{year, month, day, hour, minute};
    const bool validClock = hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
    if (year < 1900 || year > 2050 || !validClock || !calendar::isValidDate(moment))
        return fail(std::string(kTravelRefusal));

    TravelFormula result;
    auto chart = std::make_unique<chart::ChartRecord>();
    chart::setChartMoment(*chart, moment, moment);
    chart::computePillars(*chart);
    result.number = travelNumber(chart->dayGZ, chart->hourGZ);

    char line[96];
    std::snprintf(line, sizeof line, "出行公历:%d年%d月%d日%d时%d分\r\n", year, month, day, hour, minute);
    std::string text = line;
    // Appended piece by piece: GCC 12 warns falsely on the concatenated form.
    text += "当日干支:";
    text += chart::ganZhiText(chart->yearGZ);
    text += "年 ";
    text += chart::ganZhiText(chart->monthGZ);
    text += "月 ";
    text += chart::ganZhiText(chart->dayGZ);
    text += "日 ";
    text += chart::ganZhiText(chart->hourGZ);
    text += "时\r\n\r\n【出行密诀】\r\n";
    text += knowledge::lookupText(knowledge::travelFormulaId(result.number));
    text += "\r\n提示：每个数字都有它的出行方向与事物对应，要方向对碰见的事物对上才有效，吉者应吉，凶者应凶。";
    result.text = std::move(text);
    return result;
}

}  // namespace qimen::search

// Field-by-field JSON of the chart record; names follow the record's fields.
#include "chart_json.hpp"

#include <cstdio>

#include "chart/codes.hpp"
#include "chart/display_layouts.hpp"
#include "chart/vocabulary.hpp"
#include "date_argument.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

json pillar(calendar::GanZhiCode code) { return json{{"code", code}, {"text", chart::ganZhiText(code)}}; }

json dateJson(const calendar::CivilDateTime& d) {
    return json{{"year", calendar::userFromAstronomicalYear(d.year)},
                {"month", d.month},
                {"day", d.day},
                {"hour", d.hour},
                {"minute", d.minute},
                {"text", formatMoment(d)}};
}

json cellJson(const chart::PalaceCell& c, int cell) {
    return json{{"gridCell", cell},
                {"palace", chart::palaceOfCell(cell)},
                {"deity", c.deity},
                {"heavenStem", c.heavenStem},
                {"star", c.star},
                {"door", c.door},
                {"earthStem", c.earthStem},
                {"homeStar", c.homeStar},
                {"earthDeity", c.earthDeity},
                {"voidFirst", c.voidFirst},
                {"voidSecond", c.voidSecond},
                {"horseFirst", c.horseFirst},
                {"horseSecond", c.horseSecond},
                {"hiddenStem", c.hiddenStem},
                {"hiddenStem2", c.hiddenStem2}};
}

const char* methodName(chart::ChartMethod method) {
    switch (method) {
        case chart::ChartMethod::Hour: return "hour";
        case chart::ChartMethod::Day: return "day";
        case chart::ChartMethod::Month: return "month";
        case chart::ChartMethod::Year: return "year";
        case chart::ChartMethod::SmallFlying: return "small";
        case chart::ChartMethod::YinPlate: return "yin";
        case chart::ChartMethod::GivenJuHour: return "given";
    }
    return "unknown";
}

}  // namespace

json chartRecordJson(const chart::ChartRecord& r) {
    json cells = json::array();
    for (int i = 0; i < 9; ++i) cells.push_back(cellJson(r.cells[static_cast<std::size_t>(i)], i));
    json j{{"method", methodName(r.method)},
           {"methodCode", static_cast<int>(r.method)},
           {"yangDun", r.yangDun},
           {"ju", r.ju},
           {"yearGZ", pillar(r.yearGZ)},
           {"monthGZ", pillar(r.monthGZ)},
           {"dayGZ", pillar(r.dayGZ)},
           {"hourGZ", pillar(r.hourGZ)},
           {"monthElement", r.monthElement},
           {"xunHead", pillar(r.xunHead)},
           {"leaderStar", r.leaderStar},
           {"leaderDoor", r.leaderDoor},
           {"leaderStarPalace", r.leaderStarPalace},
           {"leaderDoorPalace", r.leaderDoorPalace},
           {"monthGeneral", r.monthGeneral},
           {"plateEcho", r.plateEcho},
           {"centerHiddenStem", r.centerHiddenStem},
           {"flyingStars", r.flyingStars},
           {"clockDate", dateJson(r.clockDate)},
           {"computeDate", dateJson(r.computeDate)},
           {"lunarDate", dateJson(r.lunarDate)},
           {"leapMonth", r.leapMonth},
           {"cells", cells}};
    if (r.method == chart::ChartMethod::Day) {
        bool yangHalf = chart::dayChartYangHalf(r.computeDate.year, r.clockJulianDay);
        chart::DayChartLayout day = chart::layDayChart(r.dayGZ, yangHalf);
        j["dayLayout"] = json{{"yangHalf", day.yangHalf}, {"spiritOfCell", day.spiritOfCell}, {"doorOfCell", day.doorOfCell}};
    } else if (r.method == chart::ChartMethod::SmallFlying) {
        chart::SmallChartLayout small = chart::laySmallChart(calendar::branchOf(r.hourGZ));
        j["smallLayout"] = json{{"spirit", small.spirit},
                                {"officer", small.officer},
                                {"doorOfCell", small.doorOfCell},
                                {"stemOfCell", small.stemOfCell},
                                {"centreSecondStem", small.centreSecondStem}};
    }
    return j;
}

json styledTextJson(const output::StyledText& styled) {
    json ranges = json::array();
    for (const auto& range : styled.ranges) {
        json r{{"start", range.charStart}, {"length", range.charLength}, {"bold", range.bold},
               {"sizeDelta", range.sizeDelta}};
        if (range.colour) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%06X", *range.colour);
            r["colour"] = hex;
        }
        ranges.push_back(r);
    }
    return json{{"text", styled.text}, {"ranges", ranges}, {"indent", styled.indent}};
}

}  // namespace qimen::cli

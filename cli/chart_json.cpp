// Field-by-field JSON of the chart record; names follow the record's fields.
#include "chart_json.hpp"

#include <cstdio>

#include "analysis/analysis_chart.hpp"
#include "analysis/analysis_tables.hpp"
#include "chart/codes.hpp"
#include "chart/display_layouts.hpp"
#include "json_fields.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

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

// The scored findings of a chart that carries an analysis: per outer cell
// its pattern codes with names and its score; the total and the verdict.
void addAnalysis(json& j, const chart::ChartRecord& r) {
    std::optional<analysis::AnalysisVariant> variant = analysis::analysisVariantOf(r);
    if (!variant) return;
    analysis::ChartScore score = analysis::scoreChart(r, *variant);
    for (int g = 0; g < 9; ++g) {
        if (g == chart::kCentreCell) continue;
        const patterns::PalaceFindings& findings = score.findings[static_cast<std::size_t>(g)];
        json patterns = json::array();
        for (knowledge::PatternCode code : findings.found())
            patterns.push_back(json{{"code", code}, {"name", patterns::patternName(code)}});
        j["cells"][static_cast<std::size_t>(g)]["patterns"] = patterns;
        j["cells"][static_cast<std::size_t>(g)]["score"] = findings.score;
    }
    std::string verdict(analysis::verdictLine(score.total));
    verdict.resize(verdict.size() - std::string_view("。\r\n").size());
    j["analysis"] = json{{"total", score.total}, {"verdict", verdict}, {"fiveNonMeeting", score.fiveNonMeeting}};
}

}  // namespace

json chartRecordJson(const chart::ChartRecord& r) {
    json cells = json::array();
    for (int i = 0; i < 9; ++i) cells.push_back(cellJson(r.cells[static_cast<std::size_t>(i)], i));
    json j{{"method", methodName(r.method)},
           {"methodCode", static_cast<int>(r.method)},
           {"yangDun", r.yangDun},
           {"ju", r.ju},
           {"yearGZ", ganZhiJson(r.yearGZ)},
           {"monthGZ", ganZhiJson(r.monthGZ)},
           {"dayGZ", ganZhiJson(r.dayGZ)},
           {"hourGZ", ganZhiJson(r.hourGZ)},
           {"monthElement", r.monthElement},
           {"xunHead", ganZhiJson(r.xunHead)},
           {"leaderStar", r.leaderStar},
           {"leaderDoor", r.leaderDoor},
           {"leaderStarPalace", r.leaderStarPalace},
           {"leaderDoorPalace", r.leaderDoorPalace},
           {"monthGeneral", r.monthGeneral},
           {"plateEcho", r.plateEcho},
           {"centerHiddenStem", r.centerHiddenStem},
           {"flyingStars", r.flyingStars},
           {"clockDate", momentJson(r.clockDate)},
           {"computeDate", momentJson(r.computeDate)},
           {"lunarDate", momentJson(r.lunarDate)},
           {"leapMonth", r.leapMonth},
           {"cells", cells}};
    addAnalysis(j, r);
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

json styledTextJson(const render::StyledText& styled) {
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

// Field-by-field JSON of warnings and comparisons.
#include "boundary_json.hpp"

#include "chart/conventions.hpp"
#include "json_fields.hpp"

namespace qimen::cli {

using nlohmann::json;

json chartNumbersJson(const boundary::ChartNumbers& n) {
    json j{{"clockDate", momentJson(n.clockDate)},
           {"computeDate", momentJson(n.computeDate)},
           {"lunarDate",
            {{"year", calendar::userFromAstronomicalYear(n.lunarDate.date.year)},
             {"month", n.lunarDate.date.month},
             {"day", n.lunarDate.date.day},
             {"leap", n.lunarDate.leap}}},
           {"yearGZ", ganZhiJson(n.yearGZ)},
           {"monthGZ", ganZhiJson(n.monthGZ)},
           {"dayGZ", ganZhiJson(n.dayGZ)},
           {"hourGZ", ganZhiJson(n.hourGZ)}};
    if (n.hasDun) j["yangDun"] = n.yangDun;
    if (n.ju != 0) j["ju"] = n.ju;
    if (n.hasMonthGeneral) j["monthGeneral"] = n.monthGeneral;
    return j;
}

json warningsJson(const std::vector<boundary::BoundaryWarning>& warnings) {
    json list = json::array();
    for (const boundary::BoundaryWarning& w : warnings) {
        json j{{"kind", boundary::boundaryKindName(w.kind)}, {"text", w.text}, {"minutes", w.minutes}};
        if (w.alternative) j["alternative"] = chartNumbersJson(*w.alternative);
        list.push_back(j);
    }
    return list;
}

json comparisonJson(const boundary::ConventionComparison& c) {
    json sides = json::array();
    for (const boundary::ConventionSide& side : c.sides)
        sides.push_back(json{{"choice", side.choice},
                             {"title", side.title},
                             {"summary", side.summary},
                             {"grid", side.gridLines},
                             {"numbers", chartNumbersJson(side.numbers)}});
    json cells = json::array();
    for (std::size_t g = 0; g < c.cellDiffers.size(); ++g)
        if (c.cellDiffers[g]) cells.push_back(g);
    return json{{"convention", chart::conventionInfo(c.convention).key},
                {"sides", sides},
                {"differingCells", cells},
                {"differingItems", c.differingItems},
                {"identical", c.identical()}};
}

}  // namespace qimen::cli

// Generation of the lunar tables.
#include "lunar_tables_generator.hpp"

namespace qimen::gen {

LunarTableTexts generateLunarTables() {
    const AstronomicalEvents events = computeAstronomicalEvents();
    const auto months = astronomicalLunarMonths(events);
    const MonthTables tables = packMonthTables(months);
    std::map<int, int> leaps;
    for (auto [year, month] : leapMonthsByYear(months))
        if (year >= kMonthTableFirstYear && year <= kMonthTableLastYear) leaps[year] = month;
    return LunarTableTexts{formatLunarFromSolarTable(tables), formatSolarFromLunarTable(tables),
                           formatLeapMonthTable(computeLeapMonthTable(leaps)),
                           formatDisputedMonthTable(monthDisputes(months, astronomicalLunarMonths(events, false)))};
}

}  // namespace qimen::gen

// The lunar calendar of the core's series, computed month by month.
#include "series_calendar.hpp"

#include <cmath>

#include "calendar/day_arithmetic.hpp"
#include "calendar/new_moon_series.hpp"
#include "calendar/solar_terms.hpp"

namespace qimen::gen {

std::vector<int> seriesNewMoons(int firstYear, int lastYear) {
    std::vector<int> days;
    for (int y = firstYear; y <= lastYear; ++y) {
        const int yearStart = calendar::dayNumber(y, 1, 1);
        const int yearEnd = calendar::dayNumber(y, 12, 31);
        for (int day : calendar::newMoonDays(y).days)
            if (day >= yearStart && day <= yearEnd && (days.empty() || day > days.back())) days.push_back(day);
    }
    return days;
}

std::vector<TermDay> seriesPrincipalTerms(int firstYear, int lastYear, std::vector<int>& solsticeYears) {
    std::vector<TermDay> terms;
    solsticeYears.clear();
    for (int y = firstYear; y <= lastYear; ++y) {
        const int dayZero = calendar::dayNumber(y, 1, 0);
        for (int k = 2; k <= 24; k += 2) {
            const int day = dayZero + static_cast<int>(std::floor(calendar::termSeries(y, k, true)));
            terms.push_back(TermDay{day, k == 24});
        }
        solsticeYears.push_back(y);
    }
    return terms;
}

std::vector<LunarMonth> seriesLunarMonths(int firstYear, int lastYear) {
    std::vector<int> solsticeYears;
    const auto terms = seriesPrincipalTerms(firstYear - 2, lastYear + 1, solsticeYears);
    return numberMonths(seriesNewMoons(firstYear - 2, lastYear + 2), terms, solsticeYears);
}

}  // namespace qimen::gen

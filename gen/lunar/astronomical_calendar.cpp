// True new moons and principal terms of 1899..2051 and the months they make.
#include "astronomical_calendar.hpp"

#include <algorithm>
#include <cmath>

#include "astro/astro.hpp"
#include "calendar/day_arithmetic.hpp"

namespace qimen::gen {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kSynodicMonth = 29.530588853;

astro::JulianDate ttOf(int year, int month, int day) {
    astro::CivilTime civil;
    civil.year = year;
    civil.month = month;
    civil.day = day;
    return astro::ttFromCivil(civil);
}

}  // namespace

AstronomicalEvents computeAstronomicalEvents() {
    AstronomicalEvents events;
    const astro::JulianDate end = ttOf(2052, 2, 15);
    astro::JulianDate moon = astro::newMoonNear(ttOf(1899, 10, 5));
    while (astro::daysBetween(moon, end) < 0) {
        events.newMoons.push_back(moon);
        moon = astro::newMoonNear(astro::plusDays(moon, kSynodicMonth));
    }
    for (int year = events.firstTermYear; year <= 2051; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const double longitude = std::fmod(285.0 + 15.0 * (2 * month - 1), 360.0);
            events.principalTerms.push_back(astro::sunLongitudeCrossing(longitude, ttOf(year, month, 21)));
        }
    }
    return events;
}

EventDay civilDayOf(astro::JulianDate tt, bool beijingMeanTime) {
    astro::CivilTime civil = astro::civilFromTt(tt);
    if (beijingMeanTime && civil.year >= kBeijingMeanTimeFirstYear && civil.year <= kBeijingMeanTimeLastYear)
        civil = astro::civilFromTt(astro::plusDays(tt, kBeijingMeanTimeOffsetSeconds / kSecondsPerDay));
    const double seconds = civil.hour * 3600.0 + civil.minute * 60.0 + civil.second;  // [0, 86400)
    return EventDay{calendar::dayNumber(civil.year, civil.month, civil.day),
                    std::min(seconds, kSecondsPerDay - seconds)};
}

std::vector<LunarMonth> astronomicalLunarMonths(const AstronomicalEvents& events, bool beijingMeanTime) {
    std::vector<int> newMoons;
    for (const auto& tt : events.newMoons) newMoons.push_back(civilDayOf(tt, beijingMeanTime).day);
    std::vector<TermDay> terms;
    std::vector<int> solsticeYears;
    for (std::size_t i = 0; i < events.principalTerms.size(); ++i) {
        const bool solstice = i % 12 == 11;
        terms.push_back(TermDay{civilDayOf(events.principalTerms[i], beijingMeanTime).day, solstice});
        if (solstice) solsticeYears.push_back(events.firstTermYear + static_cast<int>(i / 12));
    }
    return numberMonths(newMoons, terms, solsticeYears);
}

std::vector<LunarMonth> lmtMovedMonths(const AstronomicalEvents& events) {
    const auto rule = astronomicalLunarMonths(events, true);
    const auto zone = astronomicalLunarMonths(events, false);
    std::vector<LunarMonth> moved;
    for (std::size_t i = 0; i < rule.size(); ++i) {
        const bool same = i < zone.size() && rule[i].start == zone[i].start && rule[i].month == zone[i].month &&
                          rule[i].leap == zone[i].leap && rule[i].year == zone[i].year;
        if (!same) moved.push_back(rule[i]);
    }
    return moved;
}

}  // namespace qimen::gen

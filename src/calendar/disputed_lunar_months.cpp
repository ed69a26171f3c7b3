// The disputed months, compiled in from the generated table.
#include "calendar/disputed_lunar_months.hpp"

#include <cmath>
#include <vector>

#include "calendar/day_arithmetic.hpp"

namespace qimen::calendar {
namespace {

struct Row {
    int lunarYear, month, leap;
    struct Day {
        int year, month, day;
    } tableStart, otherStart;
};

constexpr Row kRows[] = {
#include "calendar/disputed_lunar_months.inc"
};

CivilDateTime dateOf(const Row::Day& d) {
    return CivilDateTime{static_cast<std::int16_t>(d.year), static_cast<std::int16_t>(d.month),
                         static_cast<std::int16_t>(d.day), 0, 0};
}

const std::vector<DisputedLunarMonth>& table() {
    static const std::vector<DisputedLunarMonth> months = [] {
        std::vector<DisputedLunarMonth> list;
        for (const Row& r : kRows)
            list.push_back({r.lunarYear, r.month, r.leap != 0, dateOf(r.tableStart), dateOf(r.otherStart)});
        return list;
    }();
    return months;
}

}  // namespace

std::span<const DisputedLunarMonth> disputedLunarMonths() { return table(); }

const DisputedLunarMonth* disputedMonthOf(const LunarDate& lunar) {
    for (const DisputedLunarMonth& m : table())
        if (m.lunarYear == lunar.date.year && m.month == lunar.date.month && m.leap == lunar.leap) return &m;
    return nullptr;
}

LunarDate otherLunarDate(const DisputedLunarMonth& month, const CivilDateTime& date) {
    CivilDateTime day = date;
    day.hour = 0;
    day.minute = 0;
    // Whole days from the other reckoning's first day; negative on the
    // tables' first day, which the other reckoning leaves in the month before.
    auto offset = static_cast<int>(std::lround(julianDay(day) - julianDay(month.otherStart)));
    LunarDate other;
    if (offset < 0) {
        CivilDateTime before = dateFromJulianDay(julianDay(month.tableStart) - 1);
        other = solarToLunar(before);
        other.date.day = static_cast<std::int16_t>(other.date.day + 1);
    } else {
        other = solarToLunar(day);
        other.date.day = static_cast<std::int16_t>(offset + 1);
    }
    other.date.hour = date.hour;
    other.date.minute = date.minute;
    return other;
}

}  // namespace qimen::calendar

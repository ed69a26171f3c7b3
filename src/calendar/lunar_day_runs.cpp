// Lunar dates from the table and from the series, with the length of the
// run each begins.
#include "calendar/lunar_day_runs.hpp"

#include <algorithm>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_tables.hpp"
#include "calendar/new_moon_series.hpp"

namespace qimen::calendar {
namespace {

std::int16_t i16(int x) { return static_cast<std::int16_t>(x); }

LunarDate makeLunar(int year, int month, int day, bool leap, const CivilDateTime& time) {
    return LunarDate{CivilDateTime{i16(year), i16(month), i16(day), time.hour, time.minute}, leap};
}

// Days of the Gregorian month from `date` on, the 1582 gap ending a run
// (October 1582 jumps from the 4th to the 15th).
int daysToMonthEnd(const CivilDateTime& date) {
    if (date.year == 1582 && date.month == 10) return (date.day <= 4 ? 4 : 31) - date.day + 1;
    return monthLength(date.year, date.month) - date.day + 1;
}

// Table path. The word splits the month at B and, in 64 months, at a second
// start C (lunar_tables.hpp).
LunarDayRun tableRun(const CivilDateTime& date) {
    const std::uint32_t word = storedLunarFromSolarWord(date.year, date.month);
    const int lastOfEarlierMonth = static_cast<int>(word & 0x1F);
    const int secondStart = static_cast<int>((word >> 16) & 0x1F);
    const int monthEnd = monthLength(date.year, date.month);
    int day;
    int month;
    bool leap;
    int runEnd;
    if (secondStart != 0 && date.day >= secondStart) {
        day = date.day - secondStart + 1;
        month = date.month - static_cast<int>((word >> 21) & 0x3);
        leap = (word >> 23) & 0x1;
        runEnd = monthEnd;
    } else if (date.day > lastOfEarlierMonth) {
        day = date.day - lastOfEarlierMonth;
        month = date.month - static_cast<int>((word >> 5) & 0x3);
        leap = (word >> 7) & 0x1;
        runEnd = secondStart != 0 ? secondStart - 1 : monthEnd;
    } else {
        day = date.day + static_cast<int>((word >> 8) & 0x1F);
        month = date.month - static_cast<int>((word >> 13) & 0x3);
        leap = (word >> 15) & 0x1;
        runEnd = lastOfEarlierMonth;
    }
    int year = date.year;
    if (month <= 0) {  // a lunar month 11 or 12 in January or February
        month += 12;
        year -= 1;
    }
    return LunarDayRun{makeLunar(year, month, day, leap, date), runEnd - date.day + 1};
}

// The new moons of the last two series years asked for on this thread (a
// search and a sweep move between two neighbouring years).
const NewMoonDays& newMoonsOf(int year) {
    struct Slot {
        bool filled = false;
        NewMoonDays moons;
    };
    thread_local Slot slots[2];
    thread_local int newest = 0;
    for (int i : {newest, 1 - newest})
        if (slots[i].filled && slots[i].moons.year == year) return slots[i].moons;
    newest = 1 - newest;  // replace the older
    slots[newest] = Slot{true, newMoonDays(year)};
    return slots[newest].moons;
}

LunarDayRun seriesRun(const CivilDateTime& date) {
    const NewMoonDays& moons = newMoonsOf(date.year);
    const int dayCount = dayNumber(date.year, date.month, date.day);
    const int lunarDay = lunarDayFromSeries(dayCount, moons);
    const LunationMonth lunation = lunationMonth(date.year, date.month, date.day, lunarDay);
    // A month numbered above the Gregorian month began in the previous year.
    // A leap month belongs to the year whose table entry made it leap: in the
    // historical numberings of the first month the comparison can place it
    // in a year without one, which no lunar date could name.
    int year = lunation.month > date.month ? date.year - 1 : date.year;
    if (lunation.leap) year = lunation.leapOfPreviousYear ? date.year - 1 : date.year;

    // The lunar day counts on until the next new moon of the list (or up to
    // 30); the count of lunations, hence the month, stays with it because the
    // day of the month's new moon stays.
    int run = std::min(daysToMonthEnd(date), 30 - lunarDay + 1);
    auto next = std::upper_bound(moons.days.begin(), moons.days.end(), dayCount);
    if (next != moons.days.end()) run = std::min(run, *next - dayCount);
    return LunarDayRun{makeLunar(year, lunation.month, lunarDay, lunation.leap, date), std::max(run, 1)};
}

}  // namespace

LunarDayRun lunarDayRunFrom(const CivilDateTime& date) {
    // Two lunar months begin in December 1986; the 31st is the first day of
    // the second (the table says the same).
    if (date.year == 1986 && date.month == 12) {
        if (date.day == 31) return LunarDayRun{makeLunar(1986, 12, 1, false, date), 1};
        LunarDayRun run = tableRun(date);
        run.days = std::min(run.days, 31 - date.day);
        return run;
    }
    if (date.year >= kLunarTableFirstYear && date.year <= kLunarTableLastYear) return tableRun(date);
    return seriesRun(date);
}

LunarDayRun seriesLunarDayRunFrom(const CivilDateTime& date) { return seriesRun(date); }

}  // namespace qimen::calendar

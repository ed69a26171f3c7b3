// Centre values and steps of the nine-palace flying stars.
#include "chart/flying_stars.hpp"

#include "calendar/day_arithmetic.hpp"
#include "calendar/solar_terms.hpp"

namespace qimen::chart {
namespace {

double principalTermDay(int year, int month) {
    return calendar::julianDay(calendar::termOfMonth(year, month, false).time);
}

// Base and step of the day stars by the even month whose principal term
// opened the current sixty-day stretch.
struct DayBase {
    int base;
    int step;
};
constexpr DayBase dayBaseOf(int month) {
    switch (month) {
        case 12: return {1, 1};   // 冬至
        case 2: return {7, 1};    // 雨水
        case 4: return {4, 1};    // 谷雨
        case 6: return {9, -1};   // 夏至
        case 8: return {3, -1};   // 处暑
        default: return {6, -1};  // 霜降 (October)
    }
}

}  // namespace

void computeFlyingStars(ChartRecord& record) {
    const int y = record.computeDate.year;
    auto& stars = record.flyingStars;

    // Year: the year of the 立春 in force.
    int yearOfSpring = record.yearGZ == calendar::positiveMod(y + 897, 60) ? y : y - 1;
    stars[0] = static_cast<std::int16_t>(calendar::positiveMod(10 - calendar::positiveMod(yearOfSpring + 1016, 9), 9));
    stars[1] = 1;

    // Month: 寅 month starts at 2, 8 or 5 by the year branch; months of the
    // year run from 寅 (3) to 丑 (14).
    constexpr int monthBase[3] = {2, 8, 5};
    int e = monthBase[calendar::branchOf(record.yearGZ) % 3];
    int mb = calendar::branchOf(record.monthGZ);
    int i = mb <= 2 ? mb + 12 : mb;
    stars[2] = static_cast<std::int16_t>(calendar::positiveMod(e - i + 21, 9));
    stars[3] = 1;

    // Day: the latest principal term of an even month at or before the day.
    // An odd month follows the even month before it (January follows the
    // December 冬至); an even month counts from its own principal term once
    // the day has reached it, else from the even month two before.
    int g = record.computeDate.month;
    int termMonth = g - 1;
    if (g % 2 == 0) {
        calendar::CivilDateTime endOfDay = record.computeDate;
        endOfDay.hour = 23;
        endOfDay.minute = 59;
        termMonth = calendar::julianDay(endOfDay) >= principalTermDay(y, g) ? g : g - 2;
    }
    if (termMonth <= 0) termMonth += 12;
    DayBase day = dayBaseOf(termMonth);
    stars[4] = static_cast<std::int16_t>(calendar::positiveMod(day.base + day.step * (cycleOrdinal(record.dayGZ) - 1) + 81, 9));
    stars[5] = static_cast<std::int16_t>(day.step);

    // Hour: backwards between 夏至 and 冬至 of the compute year.
    bool yinHalf = record.clockJulianDay >= principalTermDay(y, 6) && record.clockJulianDay < principalTermDay(y, 12);
    int t = yinHalf ? -1 : 1;
    int dayBranch = calendar::branchOf(record.dayGZ);
    int v = (dayBranch + 11) % 12 % 3 == 0 ? 1 : (dayBranch + 11) % 12 % 3 == 1 ? 4 : 7;
    int base = yinHalf ? 10 - v : v;
    int h = (calendar::branchOf(record.hourGZ) + 11) % 12;
    stars[6] = static_cast<std::int16_t>(calendar::positiveMod(t * h + base + 81, 9));
    stars[7] = static_cast<std::int16_t>(t);
}

}  // namespace qimen::chart

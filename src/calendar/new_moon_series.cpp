// New-moon series and lunation count. The new moons follow the classical
// mean-lunation series with the main periodic terms of the Sun's and the
// Moon's anomalies and the Moon's argument of latitude, in UTC+8.
#include "calendar/new_moon_series.hpp"

#include <cmath>
#include <numbers>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_tables.hpp"
#include "calendar/numeric.hpp"

namespace qimen::calendar {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Every input of an angle is a 32-bit float.
float f32(double x) { return static_cast<float>(x); }
float degreesF32(double degrees) { return f32(degrees / kDegreesPerRadian); }

// 2π × frac(c × k) + a0 − e2 T² − e3 T³, radians.
double angle(float c, float a0, float e2, float e3, float k, float t) {
    double ck = static_cast<double>(c) * k;
    double tt = static_cast<double>(t) * t;
    return 2 * std::numbers::pi * fracPart(ck) + a0 - e2 * tt - e3 * tt * t;
}

// dayNumber(-849, 1, 21): the day of the new moon the lunation count starts
// from (Julian day 1410981 at noon).
constexpr int kOriginDay = -310444;

}  // namespace

NewMoonDays newMoonDays(int year) {
    const float t = f32(0.01 * (year - 1899.5));
    const float k = f32(std::floor(12.3685 * (year - 1900)));
    const double h = angle(0, f32(0.75933), f32(0.0002172), f32(1.55e-7), k, t);
    const double m = angle(f32(0.08084821), degreesF32(359.2242), degreesF32(0.0000333), degreesF32(0.00000347), k, t);
    const double mp =
        angle(f32(0.07171366), degreesF32(306.0253), degreesF32(-0.0107306), degreesF32(-0.00001236), k, t);
    const double f = angle(f32(0.085195854), degreesF32(21.2964), degreesF32(0.0016528), degreesF32(0.00000239), k, t);
    // 8/24: instants in UTC+8; 0.5: from Julian-day noon to the day count.
    const double r = h + 0.53058868 * k - 0.000837 * t + 8.0 / 24 + 0.5;

    NewMoonDays out;
    out.year = year;
    for (int i = 0; i < 15; ++i) {
        const int d = i - 1;  // lunation k + d, d in [-1, 13]
        const double e = m + 0.507984293 * d;
        const double g = mp + 6.73377553 * d;
        const double o = f + 6.818486628 * d;
        const double n = 28.0 * d + 29.0 * k + 693595 + (0.1734 - 0.000393 * t) * std::sin(e) + 1.53058868 * d + r -
                         0.4068 * std::sin(g) + 0.0021 * std::sin(2 * e) + 0.0161 * std::sin(2 * g) +
                         0.0104 * std::sin(2 * o) - 0.0074 * std::sin(e - g) - 0.0051 * std::sin(e + g);
        out.days[i] = static_cast<int>(std::floor(n));
    }
    return out;
}

int lunarDayFromSeries(int dayCount, const NewMoonDays& moons) {
    int lunarDay = 0;
    for (int newMoon : moons.days) {
        int since = dayCount - newMoon;
        if (since >= 0 && since <= 29) lunarDay = since + 1;  // the latest wins
    }
    return lunarDay;
}

int historicalMonthShift(int year) {
    int shift = 0;
    if (year <= 240) shift += 1;
    if (year <= 237) shift -= 1;
    if (year < 24) shift += 1;
    if (year < 9) shift -= 1;
    if (year <= -255) shift += 1;
    if (year <= -256) shift += 2;
    if (year <= -722) shift += 1;
    return shift;
}

LunationMonth lunationMonth(int year, int month, int day, int lunarDay) {
    const int leapYears = leapYearsThrough(year);
    const double lunations =
        roundHalfDown((dayNumber(year, month, day) - kOriginDay - lunarDay) * 0.033863192971301484);  // 1/29.530589
    const double v = lunations - leapYears - 3 + historicalMonthShift(year);
    int f = static_cast<int>(roundHalfDown(floatMod(v, 12) + 1));  // [1, 12]
    const int leapBefore = leapMonthOf(year - 1);
    const int leapNow = leapMonthOf(year);

    // The leap month of the previous lunar year running on into January.
    if (f == leapBefore && month == 1 && day < lunarDay) return {f, true, true};
    // A count equal to this year's leap month is that leap month, except:
    // - a leap month after month 12 follows month 12 of this lunar year, which
    //   begins in late December at the earliest, so it always lies in the
    //   next Gregorian year (leapBefore there); 12 here is month 1 before the
    //   leap and goes to the general rule;
    // - in January, and for a leap month 11 in February too, it is the month
    //   before the leap month (month 12 of the previous lunar year can run
    //   into February; leap month 11 lies in December or January).
    if (f == leapNow && leapNow != 12) {
        if (month == 1 || (month == 2 && f == 11)) return {f + 1, false, false};
        return {f, true, false};
    }
    // Before this year's leap month the count took one leap too many.
    if (f < leapNow || (f > month && leapNow != 0)) ++f;
    const int r = static_cast<int>(roundHalfDown(floatMod(f - 1, 12) + 1));  // [1, 12]
    if (leapBefore == 12 && month < 3 && r == 12) return {12, true, true};
    if (leapBefore == 12 && month == 1 && r == 11) return {12, false, false};
    return {r, false, false};
}

}  // namespace qimen::calendar

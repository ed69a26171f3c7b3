// Julian-day conversion and day counts. The formulas keep the historical
// calendar rule: Julian leap years (every fourth, year 0 included) before the
// reform, Gregorian after it, and the ten days 1582-10-05..14 missing.
#include "calendar/day_arithmetic.hpp"

#include <cmath>
#include <initializer_list>

#include "calendar/numeric.hpp"

namespace qimen::calendar {
namespace {

bool isBeforeReform(int year, int month, int day) {
    return year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day < 15)));
}

bool isGregorianLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Leap rule of the date's own calendar.
bool isLeapYear(int year) { return year < 1582 ? year % 4 == 0 : isGregorianLeap(year); }

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of the months before `month`, without the 1582 correction.
int daysBeforeMonth(int year, int month) {
    int sum = 0;
    for (int i = 1; i < month; ++i) sum += kMonthLengths[i - 1] + (i == 2 && isLeapYear(year) ? 1 : 0);
    return sum;
}

// 1/100 s as a fraction of a day: absorbs the binary rounding of
// hour/24 + minute/1440 on Julian days near 2.4 million.
constexpr double kTimeTolerance = 0.01 / 86400.0;

}  // namespace

double julianDay(const CivilDateTime& date) {
    double m = date.month > 2 ? date.month : date.month + 12;
    double y = date.month > 2 ? date.year + 4800 : date.year + 4799;
    double a = std::floor(0.01 * y);
    double b = isBeforeReform(date.year, date.month, date.day) ? -38.0 : std::floor(0.25 * a - a);
    return b + std::floor(365.25 * y) + std::floor(30.6 * (m + 1)) + date.day - 32167.5 + date.hour / 24.0 +
           date.minute / 1440.0;
}

CivilDateTime dateFromJulianDay(double jd) {
    jd += kTimeTolerance;
    double z;
    double f;
    if (jd < 2299160.5) {
        z = std::floor(jd + 0.5);
        f = jd + 0.5 - z;
    } else {
        // Shift onto the Julian calendar: one day per century year passed
        // since 1700 that is not a Gregorian leap year, plus the ten days.
        double x = jd + 10;
        for (double epoch : {2342031.5, 2378555.5, 2415079.5})
            x += std::floor((jd - epoch) * (1 / 36524.25) * 0.25) + 1;
        f = x + 0.5 - std::floor(x + 0.5);
        z = std::floor(x + 0.5);
    }
    z += 32083;
    double t = std::ceil(z * (1 / 365.25)) - 1;
    int year = static_cast<int>(t - 4800);
    double d = z - std::floor(t * 365.25);
    int month = static_cast<int>(std::floor((d - 0.6) * 0.032690421706440015)) + 3;  // 1/30.59
    double span = (month - 3) * 30.6;
    double whole = std::floor(span);
    if (span - whole >= 0.5) whole += 1;
    d -= whole;
    if (month > 12) {
        month -= 12;
        year += 1;
    }
    double minutes = f * 1440;
    int hour = static_cast<int>(std::floor(minutes * (1.0 / 60)));
    int minute = static_cast<int>(std::floor(minutes - 60.0 * hour));
    return CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                         static_cast<std::int16_t>(std::floor(d)), static_cast<std::int16_t>(hour),
                         static_cast<std::int16_t>(minute)};
}

CivilDateTime nextDay(const CivilDateTime& date) { return dateFromJulianDay(julianDay(date) + 1); }

int dayOfYear(int year, int month, int day) {
    int n = daysBeforeMonth(year, month) + day;
    if (year == 1582 && month == 10 && day > 4 && day < 15) return 0;
    if (year == 1582 && !isBeforeReform(year, month, day)) n -= 10;
    return n;
}

int dayNumber(int year, int month, int day) {
    int x = year - 1;
    int n = static_cast<int>(std::floor(0.25 * x)) + 365 * year + dayOfYear(year, month, day) - 367;
    if (year >= 1583)
        n += static_cast<int>(std::floor(0.0025 * x)) - static_cast<int>(std::floor(0.01 * x)) + 2;
    return n;
}

int monthLength(int year, int month) {
    if (month == 12) return 31;
    return dayOfYear(year, month + 1, 1) - dayOfYear(year, month, 1);
}

int monthDayFromDayOfYear(int year, int n) {
    for (int i = 1; i < 12; ++i) {
        int length = monthLength(year, i);
        if (length >= n) return n + 100 * i;
        n -= length;
    }
    return n + 1200;
}

bool isValidDate(const CivilDateTime& date) {
    if (date.year < kFirstYear || date.year > kLastYear) return false;
    if (date.month < 1 || date.month > 12 || date.day < 1) return false;
    int length = kMonthLengths[date.month - 1];
    if (date.month == 2) {
        bool leap = date.year > 1582 ? isGregorianLeap(date.year) : date.year % 4 == 0;
        length = leap ? 29 : 28;
    }
    return date.day <= length;
}

int weekday(const CivilDateTime& date) {
    return positiveMod(static_cast<long long>(std::floor(julianDay(date) - 1410960.5)), 7);
}

}  // namespace qimen::calendar

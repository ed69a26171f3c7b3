// Solar-term lookups. The stored table (generated astronomically, see
// gen/solar_terms) answers 1900..2050; the series answers the rest of the
// supported range.
#include "calendar/solar_terms.hpp"

#include <cmath>
#include <iterator>

#include "calendar/day_arithmetic.hpp"
#include "calendar/numeric.hpp"

namespace qimen::calendar {
namespace {

constexpr std::uint32_t kTermTable[] = {
#include "calendar/solar_term_table.inc"
};
static_assert(std::size(kTermTable) == (kTermTableLastYear - kTermTableFirstYear + 1) * 12);

bool inTable(int year) { return year >= kTermTableFirstYear && year <= kTermTableLastYear; }

TermInstant fromTable(int year, int month, bool sectional) {
    std::uint32_t word = storedTermWord(year, month);
    std::uint32_t half = sectional ? (word & 0xFFFFu) : (word >> 16);
    return TermInstant{CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                     static_cast<std::int16_t>(half & 0x1F),
                                     static_cast<std::int16_t>((half >> 5) & 0x1F),
                                     static_cast<std::int16_t>((half >> 10) & 0x3F)},
                       month};
}

// Mean position M and the periodic terms P + Q of term k of year y, as a
// Julian day shifted by half a day (M + P + Q − 0.5 is the instant's Julian
// day in UTC+8).
double seriesValue(int year, int k, bool withPeriodic) {
    double y = year;
    double c = y - 100;
    double m = (365.2423112 - 6.4e-14 * c * c - 3.047e-8 * c) * y + 15.218427 * k + 1721050.71301;
    if (!withPeriodic) return m;
    double e = 0.0003 * y - 0.372781384 - 0.2617913325 * k;
    double p = (1.945 * std::sin(e) - 0.01206 * std::sin(2 * e)) * (1.048994 - 0.00002583 * y);
    double q = -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * k);
    return m + p + q;
}

int monthOfBelonging(int k) { return k % 2 == 1 ? (k + 1) / 2 : k / 2; }

// Gregorian month (of any year) in which term k of `year` falls, as the
// series places it relative to `year`: 0 or less and 13 or more mean the
// neighbouring years.
int monthTermFallsIn(int year, int k) {
    return monthDayFromDayOfYear(year, static_cast<int>(std::floor(termSeries(year, k, true)))) / 100;
}

}  // namespace

std::uint32_t storedTermWord(int year, int month) {
    return kTermTable[(year - kTermTableFirstYear) * 12 + (month - 1)];
}

double termSeries(int year, int k, bool withPeriodic) {
    return seriesValue(year, k, withPeriodic) - (dayNumber(year, 1, 0) + 1721425);
}

CivilDateTime termSeriesInstant(int year, int k) { return dateFromJulianDay(seriesValue(year, k, true) - 0.5); }

TermInstant termOfMonth(int year, int month, bool sectional) {
    if (inTable(year)) return fromTable(year, month, sectional);
    int k = sectional ? 2 * month - 1 : 2 * month;
    return TermInstant{termSeriesInstant(year, k), month};
}

TermInstant termInMonth(int year, int month, bool sectional) {
    if (inTable(year)) return fromTable(year, month, sectional);
    int before = 2 * month - 2;
    int first = 2 * month - 1;
    int second = 2 * month;
    int after = month == 12 ? 1 : 2 * month + 1;
    if (monthTermFallsIn(year, before) == month) {
        second = first;
        first = before;
    }
    if (monthTermFallsIn(year, after) == month) {
        first = second;
        second = after;
    }
    // The member of the requested parity. Its instant comes from its own
    // index (index 0 is the previous year's 冬至); the month it belongs to
    // from the index reduced into 1..24.
    int k = (first % 2 == 1) == sectional ? first : second;
    int reduced = static_cast<int>(floatMod(k - 1, 24)) + 1;
    return TermInstant{termSeriesInstant(year, k), monthOfBelonging(reduced)};
}

}  // namespace qimen::calendar

#include "astro/time_scale.hpp"

#include <cmath>
#include <stdexcept>
#include <string>

#include <erfa.h>

namespace qimen::astro {

namespace {

constexpr double kJ2000 = 2451545.0;
// Julian date of 2000-01-01 00:00, the epoch of the civil minute count.
constexpr double kCivilEpoch = 2451544.5;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kDaysPerYear = 365.2425;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Decimal year of an instant given in days since J2000.0.
double yearOfDays(double daysSinceJ2000) { return 2000.0 + (daysSinceJ2000 + 0.5) / kDaysPerYear; }

// UT as days since J2000.0 of a TT instant. ΔT is evaluated at the UT
// instant, as ttFromCivil does, so that the two are inverse to rounding
// error; one correction of the first estimate settles it (ΔT changes by a
// few seconds per year at most).
double utDaysFromTt(JulianDate tt) {
    double ttDays = daysBetween(tt, {kJ2000, 0.0});
    double ut = ttDays - deltaTSeconds(yearOfDays(ttDays)) / kSecondsPerDay;
    return ttDays - deltaTSeconds(yearOfDays(ut)) / kSecondsPerDay;
}

// Civil days since 2000-01-01 00:00 civil time (UTC+8) of a TT instant.
double civilDaysFromTt(JulianDate tt) {
    return utDaysFromTt(tt) + (kJ2000 - kCivilEpoch) + kCivilOffsetHours / 24.0;
}

// Gregorian date of the civil day `dayIndex` days after 2000-01-01.
void dateOfDayIndex(std::int64_t dayIndex, CivilTime& out) {
    int iy = 0, im = 0, id = 0;
    double fd = 0.0;
    if (eraJd2cal(kCivilEpoch, static_cast<double>(dayIndex), &iy, &im, &id, &fd) != 0) {
        throw std::domain_error("civil day outside ERFA's calendar: " + std::to_string(dayIndex));
    }
    out.year = iy;
    out.month = im;
    out.day = id;
}

}  // namespace

JulianDate plusDays(JulianDate date, double days) { return {date.jd1, date.jd2 + days}; }

double daysBetween(JulianDate a, JulianDate b) { return (a.jd1 - b.jd1) + (a.jd2 - b.jd2); }

double decimalYear(JulianDate tt) { return yearOfDays(daysBetween(tt, {kJ2000, 0.0})); }

JulianDate ttFromCivil(const CivilTime& civil) {
    double mjd0 = 0.0, mjd = 0.0;
    int status = eraCal2jd(civil.year, civil.month, civil.day, &mjd0, &mjd);
    if (status != 0) {
        throw std::invalid_argument("invalid civil date " + std::to_string(civil.year) + "-" +
                                    std::to_string(civil.month) + "-" + std::to_string(civil.day));
    }
    // Days of UT since J2000.0: midnight of the civil day, plus the time of
    // day, minus the eight hours of the zone.
    double dayStart = (mjd0 - kJ2000) + mjd;  // x.5: midnight
    double timeOfDay = (civil.hour * 3600.0 + civil.minute * 60.0 + civil.second) / kSecondsPerDay;
    double ut = dayStart + (timeOfDay - kCivilOffsetHours / 24.0);
    double dt = deltaTSeconds(yearOfDays(ut)) / kSecondsPerDay;
    return {kJ2000, ut + dt};
}

CivilTime civilFromTt(JulianDate tt) {
    double civilDays = civilDaysFromTt(tt);
    double dayIndex = std::floor(civilDays);
    double secondsOfDay = (civilDays - dayIndex) * kSecondsPerDay;  // [0, 86400]
    if (secondsOfDay >= kSecondsPerDay) {  // binary rounding at the day's end
        dayIndex += 1.0;
        secondsOfDay = 0.0;
    }
    CivilTime out;
    dateOfDayIndex(static_cast<std::int64_t>(dayIndex), out);
    int wholeMinutes = static_cast<int>(secondsOfDay / 60.0);  // 0..1439
    out.hour = wholeMinutes / 60;
    out.minute = wholeMinutes % 60;
    out.second = secondsOfDay - wholeMinutes * 60.0;
    if (out.second < 0.0) out.second = 0.0;
    return out;
}

std::int64_t civilMinuteCount(JulianDate tt) {
    return static_cast<std::int64_t>(std::floor(civilDaysFromTt(tt) * 1440.0 + 0.5));
}

CivilTime civilFromMinuteCount(std::int64_t minutes) {
    std::int64_t dayIndex = floorDiv(minutes, 1440);
    auto minuteOfDay = static_cast<int>(minutes - dayIndex * 1440);  // [0, 1439]
    CivilTime out;
    dateOfDayIndex(dayIndex, out);
    out.hour = minuteOfDay / 60;
    out.minute = minuteOfDay % 60;
    out.second = 0.0;
    return out;
}

}  // namespace qimen::astro

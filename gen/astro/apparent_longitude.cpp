#include <cmath>

#include <erfa.h>
#include <erfam.h>

#include "astro/astro.hpp"

namespace qimen::astro {

namespace {

constexpr double kDegreesPerRadian = 180.0 / ERFA_DPI;
// Light time for one au, days.
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

// Ecliptic longitude of date, degrees in [0, 360), of a GCRS direction.
double apparentEclipticLongitude(JulianDate tt, double gcrs[3]) {
    double rm[3][3];
    eraEcm06(tt.jd1, tt.jd2, rm);
    double ecl[3];
    eraRxp(rm, gcrs, ecl);
    double dpsi = 0.0, deps = 0.0;
    eraNut06a(tt.jd1, tt.jd2, &dpsi, &deps);
    // The ecliptic does not nutate: the true equinox lies Δψ along it.
    double lambda = std::atan2(ecl[1], ecl[0]) + dpsi;
    return eraAnp(lambda) * kDegreesPerRadian;
}

}  // namespace

double sunApparentLongitude(JulianDate tt) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(tt.jd1, tt.jd2, pvh, pvb);

    // Earth → Sun now, and the Sun's barycentric velocity (au, au/day).
    double toSun[3], sunVelocity[3];
    eraSxp(-1.0, pvh[0], toSun);
    eraPmp(pvb[1], pvh[1], sunVelocity);

    // Light left the Sun a light time earlier; the Sun's barycentric motion
    // over those 8 minutes is a few km, so one step is exact enough.
    double lightTime = eraPm(toSun) * kLightDaysPerAu;
    double shift[3];
    eraSxp(lightTime, sunVelocity, shift);
    double geometric[3];
    eraPmp(toSun, shift, geometric);

    // Annual aberration from the Earth's barycentric velocity in units of c.
    double distance = 0.0, direction[3];
    eraPn(geometric, &distance, direction);
    double v[3];
    eraSxp(kLightDaysPerAu, pvb[1], v);
    double bm1 = std::sqrt(1.0 - eraPdp(v, v));
    double apparent[3];
    eraAb(direction, v, distance, bm1, apparent);

    return apparentEclipticLongitude(tt, apparent);
}

double moonApparentLongitude(JulianDate tt) {
    double pv[2][3];
    eraMoon98(tt.jd1, tt.jd2, pv);
    double lightTime = eraPm(pv[0]) * kLightDaysPerAu;
    double shift[3], retarded[3];
    eraSxp(lightTime, pv[1], shift);
    eraPmp(pv[0], shift, retarded);
    return apparentEclipticLongitude(tt, retarded);
}

}  // namespace qimen::astro

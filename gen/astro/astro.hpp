// Apparent places of the Sun and the Moon and the instants the calendar is
// built from: solar terms and new moons.
//
// Data flow: a TT instant → ERFA ephemerides (eraEpv00 for the Earth,
// eraMoon98 for the Moon, both in GCRS/ICRS axes) → light time and
// aberration → rotation to the mean ecliptic and equinox of date (IAU 2006
// precession, eraEcm06) → plus the nutation in longitude (IAU 2000A as
// adjusted for 2006, eraNut06a) = apparent geocentric ecliptic longitude of
// date. The event finders search these longitudes for an instant in TT;
// time_scale.hpp turns it into civil time.
#pragma once

#include "astro/time_scale.hpp"

namespace qimen::astro {

// Apparent geocentric ecliptic longitude of the Sun, ecliptic and equinox of
// date (the longitude the solar terms are defined on).
// Given: tt, a TT instant; eraEpv00 is fitted for 1900..2100 and degrades
// slowly outside it.
// Returns: degrees in [0, 360).
// Chain: the Earth's heliocentric and barycentric position and velocity
// (eraEpv00, TT taken for TDB: they differ by < 2 ms); the Sun's barycentric
// position moved back by the light time; the annual aberration of the
// Earth's barycentric velocity (eraAb); rotation into the mean ecliptic of
// date (eraEcm06); plus Δψ (eraNut06a). The Sun bends no light towards
// itself, so there is no deflection step. Accuracy: that of eraEpv00, a few
// km or about 0.01″ over 1900..2100, a fraction of a second of time in the
// instant of a term.
double sunApparentLongitude(JulianDate tt);

// Apparent geocentric ecliptic longitude of the Moon, ecliptic and equinox of
// date.
// Given: tt, a TT instant (eraMoon98 is meant for 1900..2100).
// Returns: degrees in [0, 360).
// Chain: eraMoon98 geocentric position and velocity (GCRS), moved back by the
// light time (1.3 s); rotation into the mean ecliptic of date (eraEcm06);
// plus Δψ (eraNut06a). Geocentric, so no annual aberration: the Moon shares
// the Earth's motion around the Sun. Accuracy: that of eraMoon98, about
// 10″ in longitude, i.e. about 20 s in the instant of a new moon.
double moonApparentLongitude(JulianDate tt);

// The TT instant at which the Sun's apparent longitude reaches
// `targetDegrees`, the crossing nearest to `guess`.
// Given: targetDegrees, any value (taken modulo 360); guess, a TT instant
// within about 60 days of the crossing wanted.
// Returns: the crossing, converged to better than 1 ms.
// Throws std::runtime_error if the search fails to converge (it does not for
// any guess within the ephemeris range).
JulianDate sunLongitudeCrossing(double targetDegrees, JulianDate guess);

// The TT instant of the new moon (apparent longitude of the Moon minus that
// of the Sun = 0) nearest to `guess` in elongation: the one within about
// half a lunation of the guess.
// Given: guess, a TT instant in 1900..2100.
// Returns: the new moon, converged to better than 1 ms.
// Throws std::runtime_error if the search fails to converge.
JulianDate newMoonNear(JulianDate guess);

// An angle reduced to (−180, 180] degrees.
double wrapDegrees180(double degrees);

}  // namespace qimen::astro

// The astronomy of the calendar generators: ΔT, civil time ↔ TT, the Sun's
// and the Moon's apparent longitudes and the event finders, against
// published values and by sweeps.
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <erfa.h>
#include <gtest/gtest.h>

#include "astro/astro.hpp"

namespace {

using qimen::astro::CivilTime;
using qimen::astro::JulianDate;
namespace astro = qimen::astro;

struct UtMinute {
    int year, month, day, hour, minute;
};

std::string describe(const UtMinute& t) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d UT", t.year, t.month, t.day, t.hour, t.minute);
    return buffer;
}

// TT of a published UT minute, through the same ΔT the generators use.
JulianDate ttOfUt(const UtMinute& t) {
    CivilTime civil{t.year, t.month, t.day, t.hour, t.minute, 0.0};
    return astro::plusDays(astro::ttFromCivil(civil), astro::kCivilOffsetHours / 24.0);
}

double secondsBetween(JulianDate a, JulianDate b) { return astro::daysBetween(a, b) * 86400.0; }

// --- ΔT -------------------------------------------------------------------

// Observed ΔT on 1 January, seconds: McCarthy and Babcock (1986) before
// 1955 and the IERS after, as tabulated in the Astronomical Almanac.
// Tolerance 0.5 s: the polynomials fit the observations to a few tenths.
TEST(DeltaT, MatchesObservedValuesWithinHalfASecond) {
    struct Case {
        double year, seconds;
    };
    const Case cases[] = {{1900.0, -2.72}, {1910.0, 10.46}, {1920.0, 21.16}, {1930.0, 24.02},
                          {1940.0, 24.33}, {1950.0, 29.15}, {1960.0, 33.15}, {1970.0, 40.18},
                          {1980.0, 50.54}, {1990.0, 56.86}, {2000.0, 63.83}, {2010.0, 66.07},
                          {2020.0, 69.36}, {2025.0, 69.14}};
    for (const Case& c : cases) {
        double actual = astro::deltaTSeconds(c.year);
        EXPECT_NEAR(actual, c.seconds, 0.5) << "year " << c.year << ": expected " << c.seconds << " s, actual "
                                            << actual << " s, difference " << actual - c.seconds << " s";
    }
}

// ΔT is smooth: no jump where the pieces meet, no wrong coefficient making a
// spike. Over 1800..2150 it changes by less than 0.1 s per 0.01 year: its
// fastest change is 2.7 s per year near 2150, and the published polynomials
// meet within 0.08 s (0.054 s at 1860, 0.074 s at 1900). The observed
// values join the polynomials within 0.05 s.
TEST(DeltaT, ChangesSmoothlyOverItsWholeRange) {
    double previous = astro::deltaTSeconds(1800.0);
    for (int i = 1; i <= 35000; ++i) {
        double year = 1800.0 + i * 0.01;
        double value = astro::deltaTSeconds(year);
        ASSERT_LT(std::abs(value - previous), 0.1) << "year " << year << ": " << previous << " → " << value;
        previous = value;
    }
    EXPECT_NEAR(astro::deltaTSeconds(2004.999999), astro::deltaTSeconds(2005.0), 0.05);
    EXPECT_NEAR(astro::deltaTSeconds(2025.999999), astro::deltaTSeconds(2026.000001), 1e-4);
}

TEST(DeltaT, RefusesYearsOutsideItsRange) {
    EXPECT_THROW(astro::deltaTSeconds(1799.9), std::domain_error);
    EXPECT_THROW(astro::deltaTSeconds(2150.1), std::domain_error);
    EXPECT_THROW(astro::deltaTSeconds(std::nan("")), std::domain_error);
}

// --- civil time ↔ TT ----------------------------------------------------

// 2000-01-01 20:00 civil time is 12:00 UT, which is J2000.0 minus ΔT.
TEST(CivilTime, TwentyHoursCivilIsNoonUtAndTtIsUtPlusDeltaT) {
    JulianDate tt = astro::ttFromCivil({2000, 1, 1, 20, 0, 0.0});
    double expected = astro::deltaTSeconds(2000.0 + 0.5 / 365.2425);
    double actual = secondsBetween(tt, {2451545.0, 0.0});
    EXPECT_NEAR(actual, expected, 1e-6);
}

// Every 7 h 13 min 17.25 s over 1900..2050 converts to TT and back.
TEST(CivilTime, RoundTripsThroughTtOver1900To2050) {
    JulianDate start = astro::ttFromCivil({1900, 1, 1, 0, 0, 0.0});
    const double step = (7 * 3600.0 + 13 * 60.0 + 17.25) / 86400.0;
    for (int i = 0; i * step < 151 * 365.25; ++i) {
        CivilTime civil = astro::civilFromTt(astro::plusDays(start, i * step));
        CivilTime back = astro::civilFromTt(astro::ttFromCivil(civil));
        ASSERT_EQ(back.year, civil.year) << i;
        ASSERT_EQ(back.month, civil.month) << i;
        ASSERT_EQ(back.day, civil.day) << i;
        ASSERT_EQ(back.hour, civil.hour) << i;
        ASSERT_EQ(back.minute, civil.minute) << i;
        ASSERT_NEAR(back.second, civil.second, 1e-4) << i;
    }
}

// The minute count rounds to the nearest minute, a half minute going up,
// across the end of a day and of a year and before its epoch.
TEST(CivilTime, MinuteCountRoundsToTheNearestMinute) {
    struct Case {
        CivilTime in;
        CivilTime out;
    };
    const Case cases[] = {
        {{2000, 1, 6, 9, 0, 42.0}, {2000, 1, 6, 9, 1, 0}},
        {{2000, 1, 6, 9, 0, 30.01}, {2000, 1, 6, 9, 1, 0}},
        {{2000, 1, 6, 9, 0, 29.99}, {2000, 1, 6, 9, 0, 0}},
        {{2000, 12, 31, 23, 59, 45.0}, {2001, 1, 1, 0, 0, 0}},
        {{1999, 12, 31, 23, 59, 29.0}, {1999, 12, 31, 23, 59, 0}},
        {{1950, 6, 15, 12, 34, 20.0}, {1950, 6, 15, 12, 34, 0}},
        {{1904, 2, 28, 23, 59, 31.0}, {1904, 2, 29, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CivilTime actual = astro::civilFromMinuteCount(astro::civilMinuteCount(astro::ttFromCivil(c.in)));
        char expected[32], got[32];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d %02d:%02d", c.out.year, c.out.month, c.out.day,
                      c.out.hour, c.out.minute);
        std::snprintf(got, sizeof got, "%04d-%02d-%02d %02d:%02d", actual.year, actual.month, actual.day,
                      actual.hour, actual.minute);
        EXPECT_STREQ(got, expected) << "from second " << c.in.second;
    }
    CivilTime epoch = astro::civilFromMinuteCount(0);
    EXPECT_EQ(epoch.year * 10000 + epoch.month * 100 + epoch.day, 20000101);
    CivilTime before = astro::civilFromMinuteCount(-1);
    EXPECT_EQ(before.year * 10000 + before.month * 100 + before.day, 19991231);
    EXPECT_EQ(before.hour * 100 + before.minute, 2359);
}

TEST(CivilTime, RefusesInvalidDates) {
    EXPECT_THROW(astro::ttFromCivil({2001, 2, 29, 0, 0, 0.0}), std::invalid_argument);
    EXPECT_THROW(astro::ttFromCivil({2001, 13, 1, 0, 0, 0.0}), std::invalid_argument);
    EXPECT_THROW(astro::ttFromCivil({1700, 1, 1, 0, 0, 0.0}), std::domain_error);
}

// --- the Sun ---------------------------------------------------------------

// Equinoxes and solstices published by the US Naval Observatory ("Earth's
// Seasons", UT to the minute). Tolerance 60 s: half a minute of rounding,
// and USNO's own ΔT and ephemeris.
TEST(SunLongitude, EquinoxesAndSolsticesMatchUsnoWithinAMinute) {
    const UtMinute seasons[][4] = {
        {{2000, 3, 20, 7, 35}, {2000, 6, 21, 1, 48}, {2000, 9, 22, 17, 27}, {2000, 12, 21, 13, 37}},
        {{2004, 3, 20, 6, 49}, {2004, 6, 21, 0, 57}, {2004, 9, 22, 16, 30}, {2004, 12, 21, 12, 42}},
        {{2005, 3, 20, 12, 33}, {2005, 6, 21, 6, 46}, {2005, 9, 22, 22, 23}, {2005, 12, 21, 18, 35}},
        {{2006, 3, 20, 18, 26}, {2006, 6, 21, 12, 26}, {2006, 9, 23, 4, 3}, {2006, 12, 22, 0, 22}},
        {{2007, 3, 21, 0, 7}, {2007, 6, 21, 18, 6}, {2007, 9, 23, 9, 51}, {2007, 12, 22, 6, 8}},
        {{2008, 3, 20, 5, 48}, {2008, 6, 20, 23, 59}, {2008, 9, 22, 15, 44}, {2008, 12, 21, 12, 4}},
        {{2009, 3, 20, 11, 44}, {2009, 6, 21, 5, 45}, {2009, 9, 22, 21, 18}, {2009, 12, 21, 17, 47}},
        {{2010, 3, 20, 17, 32}, {2010, 6, 21, 11, 28}, {2010, 9, 23, 3, 9}, {2010, 12, 21, 23, 38}},
        {{2011, 3, 20, 23, 21}, {2011, 6, 21, 17, 16}, {2011, 9, 23, 9, 4}, {2011, 12, 22, 5, 30}},
        {{2012, 3, 20, 5, 14}, {2012, 6, 20, 23, 9}, {2012, 9, 22, 14, 49}, {2012, 12, 21, 11, 12}},
        {{2013, 3, 20, 11, 2}, {2013, 6, 21, 5, 4}, {2013, 9, 22, 20, 44}, {2013, 12, 21, 17, 11}},
        {{2014, 3, 20, 16, 57}, {2014, 6, 21, 10, 51}, {2014, 9, 23, 2, 29}, {2014, 12, 21, 23, 3}},
        {{2015, 3, 20, 22, 45}, {2015, 6, 21, 16, 38}, {2015, 9, 23, 8, 20}, {2015, 12, 22, 4, 48}},
        {{2016, 3, 20, 4, 30}, {2016, 6, 20, 22, 34}, {2016, 9, 22, 14, 21}, {2016, 12, 21, 10, 44}},
        {{2017, 3, 20, 10, 29}, {2017, 6, 21, 4, 24}, {2017, 9, 22, 20, 2}, {2017, 12, 21, 16, 28}},
        {{2018, 3, 20, 16, 15}, {2018, 6, 21, 10, 7}, {2018, 9, 23, 1, 54}, {2018, 12, 21, 22, 23}},
        {{2019, 3, 20, 21, 58}, {2019, 6, 21, 15, 54}, {2019, 9, 23, 7, 50}, {2019, 12, 22, 4, 19}},
    };
    for (const auto& year : seasons) {
        for (int q = 0; q < 4; ++q) {
            JulianDate published = ttOfUt(year[q]);
            JulianDate computed = astro::sunLongitudeCrossing(90.0 * q, published);
            double difference = secondsBetween(computed, published);
            EXPECT_LE(std::abs(difference), 60.0) << "longitude " << 90 * q << ": expected " << describe(year[q])
                                                  << ", computed " << difference << " s later";
        }
    }
}

// Solstices and the March equinox of 2022 in TT to the second, computed from
// the NASA/JPL DE405 ephemeris (J. Tanner, equinox and solstice calculator,
// neoprogrammics.com). Free of ΔT, so the tolerance is 2 s.
TEST(SunLongitude, MatchesDe405InstantsWithinTwoSeconds) {
    struct Case {
        double longitude;
        int month, day, hour, minute, second;
    };
    const Case cases[] = {{0.0, 3, 20, 15, 34, 33}, {90.0, 6, 21, 9, 15, 0}, {270.0, 12, 21, 21, 49, 22}};
    for (const Case& c : cases) {
        double mjd0 = 0.0, mjd = 0.0;
        ASSERT_EQ(eraCal2jd(2022, c.month, c.day, &mjd0, &mjd), 0);
        JulianDate published{mjd0, mjd + (c.hour * 3600.0 + c.minute * 60.0 + c.second) / 86400.0};
        JulianDate computed = astro::sunLongitudeCrossing(c.longitude, published);
        double difference = secondsBetween(computed, published);
        EXPECT_LE(std::abs(difference), 2.0) << "longitude " << c.longitude << ": computed " << difference
                                             << " s from the published instant";
    }
}

// Over a year, sampled every six hours, the longitude stays in [0, 360) and
// advances by 0.95..1.02 degrees a day (perihelion to aphelion).
TEST(SunLongitude, AdvancesAtTheOrbitalRateThroughAYear) {
    JulianDate start{2451545.0, 8000.0};
    double previous = astro::sunApparentLongitude(start);
    for (int i = 1; i <= 4 * 366; ++i) {
        double now = astro::sunApparentLongitude(astro::plusDays(start, 0.25 * i));
        ASSERT_GE(now, 0.0);
        ASSERT_LT(now, 360.0);
        double rate = astro::wrapDegrees180(now - previous) / 0.25;
        ASSERT_GT(rate, 0.95) << "step " << i;
        ASSERT_LT(rate, 1.02) << "step " << i;
        previous = now;
    }
}

// The crossing found has the target longitude, including across 0/360, and
// is the same from guesses up to fifty days away.
TEST(SunLongitude, CrossingReachesTheTargetFromDistantGuesses) {
    JulianDate around{2451545.0, 9000.0};
    for (double target : {0.0, 359.9999, 0.0001, 123.456, 270.0}) {
        JulianDate first = astro::sunLongitudeCrossing(target, around);
        double reached = astro::wrapDegrees180(astro::sunApparentLongitude(first) - target);
        EXPECT_LT(std::abs(reached), 1e-7) << "target " << target;
        for (double offset : {-50.0, -7.0, 7.0, 50.0}) {
            JulianDate again = astro::sunLongitudeCrossing(target, astro::plusDays(first, offset));
            EXPECT_LT(std::abs(secondsBetween(again, first)), 0.01) << "target " << target << " offset " << offset;
        }
    }
}

// --- the Moon ------------------------------------------------------------

// New moons published by the US Naval Observatory ("Phases of the Moon", UT
// to the minute). Tolerance 90 s: half a minute of rounding and the
// accuracy of eraMoon98 (about 10″, 20 s).
TEST(NewMoon, MatchesUsnoWithinNinetySeconds) {
    const UtMinute newMoons[] = {{1999, 8, 11, 11, 8}, {2000, 1, 6, 18, 14}, {2000, 2, 5, 13, 3},
                                 {2009, 7, 22, 2, 35}, {2017, 8, 21, 18, 30}, {2023, 4, 20, 4, 12},
                                 {2024, 4, 8, 18, 21}};
    for (const UtMinute& published : newMoons) {
        JulianDate expected = ttOfUt(published);
        JulianDate computed = astro::newMoonNear(astro::plusDays(expected, 9.0));
        double difference = secondsBetween(computed, expected);
        EXPECT_LE(std::abs(difference), 90.0) << "expected " << describe(published) << ", computed "
                                              << difference << " s later";
    }
}

// Successive new moons of 2000..2024 are 29.2..29.9 days apart, the Moon
// and the Sun share their longitude at each, and any guess within twelve
// days finds the same one.
TEST(NewMoon, LunationsOf2000To2024HaveTheSynodicLength) {
    JulianDate previous = astro::newMoonNear(astro::ttFromCivil({2000, 1, 7, 0, 0, 0.0}));
    for (int i = 1; i < 310; ++i) {
        JulianDate next = astro::newMoonNear(astro::plusDays(previous, 29.53));
        double length = astro::daysBetween(next, previous);
        ASSERT_GT(length, 29.2) << "lunation " << i;
        ASSERT_LT(length, 29.9) << "lunation " << i;
        double elongation =
            astro::wrapDegrees180(astro::moonApparentLongitude(next) - astro::sunApparentLongitude(next));
        ASSERT_LT(std::abs(elongation), 1e-6) << "lunation " << i;
        if (i % 37 == 0) {
            for (double offset : {-12.0, 12.0}) {
                JulianDate again = astro::newMoonNear(astro::plusDays(next, offset));
                ASSERT_LT(std::abs(secondsBetween(again, next)), 0.01) << "lunation " << i << " offset " << offset;
            }
        }
        previous = next;
    }
}

}  // namespace

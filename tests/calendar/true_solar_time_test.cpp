// True solar time: equation of time by day of the year and the longitude
// correction.
#include <gtest/gtest.h>

#include "calendar/true_solar_time.hpp"

namespace {

using namespace qimen::calendar;

TEST(TrueSolarTime, EquationOfTimeAtTheMeridianOf120) {
    EXPECT_EQ(trueSolarTime({2000, 2, 11, 12, 0}, 120), (CivilDateTime{2000, 2, 11, 11, 46}));  // E = -14.32
    // E = 16.4 on day index 307: the clock time plus sixteen whole minutes.
    EXPECT_EQ(trueSolarTime({2000, 11, 3, 12, 0}, 120), (CivilDateTime{2000, 11, 3, 12, 16}));
    EXPECT_EQ(trueSolarTime({2001, 1, 1, 8, 0}, 120), (CivilDateTime{2001, 1, 1, 7, 57}));      // E = -3.4 → -3
    EXPECT_EQ(trueSolarTime({2000, 4, 16, 8, 0}, 120), (CivilDateTime{2000, 4, 16, 8, 0}));     // E = 0.05 → 0
}

TEST(TrueSolarTime, LongitudeCostsFourMinutesADegreeFloored) {
    // Day index 105 (E = -0.19 truncates to 0) isolates the longitude term.
    CivilDateTime clock{2000, 4, 15, 12, 0};
    EXPECT_EQ(trueSolarTime(clock, 116.4), (CivilDateTime{2000, 4, 15, 11, 46}));  // floor(14.4) = 14
    EXPECT_EQ(trueSolarTime(clock, 121.5), (CivilDateTime{2000, 4, 15, 12, 6}));   // floor(−6) = −6
    EXPECT_EQ(trueSolarTime(clock, 87.6), (CivilDateTime{2000, 4, 15, 9, 51}));    // floor(129.6) = 129
}

TEST(TrueSolarTime, CrossesMidnightAndYearEnd) {
    // Urumqi-like longitude early in the morning of January 1st.
    EXPECT_EQ(trueSolarTime({2001, 1, 1, 1, 0}, 87.6), (CivilDateTime{2000, 12, 31, 22, 48}));
    // The last day of a leap year uses row 365.
    EXPECT_EQ(trueSolarTime({2000, 12, 31, 12, 0}, 120), (CivilDateTime{2000, 12, 31, 11, 58}));
}

}  // namespace

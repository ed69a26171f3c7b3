// The four pillars: the year turns at 立春, the month at each sectional term,
// the day at 23:00, and the hour stem follows the day stem.
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/pillars.hpp"
#include "calendar/solar_terms.hpp"

namespace {

using namespace qimen::calendar;

CivilDateTime minuteBefore(const CivilDateTime& t) { return dateFromJulianDay(julianDay(t) - 1.0 / 1440); }

TEST(Pillars, NewYearsDay2000) {
    // 己卯 丙子 戊午 壬子
    EXPECT_EQ(fourPillars({2000, 1, 1, 0, 0}), (FourPillars{16, 13, 55, 49}));
}

TEST(Pillars, LateZiHourTakesTheNextDay) {
    // 23:30 on 2000-01-01: day 己未 (56), hour 甲子 with its stem from 己.
    FourPillars p = fourPillars({2000, 1, 1, 23, 30});
    EXPECT_EQ(p.day, 56);
    EXPECT_EQ(p.hour, 1);
    // 22:59 is still the 亥 hour of 戊午: 癸亥 (0).
    EXPECT_EQ(fourPillars({2000, 1, 1, 22, 59}).hour, 0);
    // With the day changing at midnight the day stays 戊午 (55); the 子 hour
    // keeps its stem from the next day, as its own day's hours run on to it.
    FourPillars late = fourPillars({2000, 1, 1, 23, 30}, {2000, 1, 1, 23, 30}, DayChange::AtMidnight);
    EXPECT_EQ(late.day, 55);
    EXPECT_EQ(late.hour, 1);
    EXPECT_EQ(fourPillars({2000, 1, 2, 0, 30}, {2000, 1, 2, 0, 30}, DayChange::AtMidnight), fourPillars({2000, 1, 2, 0, 30}));
}

TEST(Pillars, YearAndMonthTurnAtTheirTermsToTheMinute) {
    for (int year : {1901, 1950, 2000, 2024, 2050}) {
        TermInstant spring = termOfMonth(year, 2, true);
        FourPillars at = fourPillars(spring.time);
        FourPillars before = fourPillars(minuteBefore(spring.time));
        EXPECT_EQ(at.year, (year + 897) % 60) << year;
        EXPECT_EQ(before.year, (year + 896) % 60) << year;
        EXPECT_EQ(branchOf(at.month), 3) << year;      // 寅 month
        EXPECT_EQ(branchOf(before.month), 2) << year;  // 丑 month of the previous year
        // The 丑 month's stem follows the previous year's stem.
        EXPECT_EQ(stemOf(before.month), positiveMod(13 + 2 * stemOf(before.year) - 1, 10)) << year;
        for (int month = 1; month <= 12; ++month) {
            TermInstant term = termOfMonth(year, month, true);
            int expectedBranch = positiveMod(month + 1, 12);
            EXPECT_EQ(branchOf(fourPillars(term.time).month), expectedBranch) << year << '-' << month;
            EXPECT_EQ(branchOf(fourPillars(minuteBefore(term.time)).month), positiveMod(month, 12))
                << year << '-' << month;
        }
    }
}

TEST(Pillars, FirstMonthStemsFollowTheYearStem) {
    // February after 立春: 甲 year → 丙寅, 庚 year → 戊寅.
    EXPECT_EQ(fourPillars({1984, 2, 20, 12, 0}).month, ganZhiOf(3, 3));  // 1984 甲子
    EXPECT_EQ(fourPillars({1990, 2, 20, 12, 0}).month, ganZhiOf(5, 3));  // 1990 庚午
    EXPECT_EQ(fourPillars({2000, 6, 1, 12, 0}).year, 17);                // 庚辰
    EXPECT_EQ(fourPillars({4, 6, 1, 12, 0}).year, 1);                    // 甲子
}

TEST(Pillars, DayPillarRunsContinuouslyAndHourStemsFollowTheDay) {
    CivilDateTime d{1899, 12, 20, 12, 0};
    GanZhiCode previous = fourPillars(d).day;
    for (int i = 0; i < 3000; ++i) {
        d = nextDay(d);
        GanZhiCode day = fourPillars(d).day;
        ASSERT_EQ(day, (previous + 1) % 60);
        previous = day;
        // 子 hour stem: 甲 on 甲/己 days, 丙 on 乙/庚 … 壬 on 戊/癸 days.
        int zi = fourPillars({d.year, d.month, d.day, 0, 10}).hour;
        ASSERT_EQ(stemOf(zi), positiveMod(2 * (stemOf(day) % 5 == 0 ? 5 : stemOf(day) % 5) - 1, 10));
        ASSERT_EQ(branchOf(zi), 1);
    }
}

TEST(Pillars, HourBranchesChangeOnOddHours) {
    const int expected[24] = {1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 0, 0, 1};
    for (int h = 0; h < 24; ++h)
        EXPECT_EQ(branchOf(fourPillars({2000, 5, 5, static_cast<std::int16_t>(h), 0}).hour), expected[h]) << h;
}

TEST(Pillars, DayAndHourFollowTheComputeDate) {
    // True solar time moves the day and hour only; year and month stay with the clock.
    CivilDateTime clock{2000, 2, 4, 20, 45};  // just after 立春 (20:40)
    CivilDateTime solar{2000, 2, 4, 18, 30};
    FourPillars p = fourPillars(clock, solar);
    EXPECT_EQ(p.year, 17);
    EXPECT_EQ(branchOf(p.month), 3);
    EXPECT_EQ(p.hour, fourPillars(solar).hour);
    EXPECT_EQ(p.day, fourPillars(solar).day);
}

TEST(Pillars, AncientAndReformYears) {
    // The whole range answers sensible pillars: branch parity matches the stem.
    for (CivilDateTime d : {CivilDateTime{-849, 1, 1, 0, 0}, CivilDateTime{-849, 12, 31, 23, 59},
                            CivilDateTime{1582, 10, 4, 12, 0}, CivilDateTime{1582, 10, 15, 12, 0},
                            CivilDateTime{1582, 10, 31, 12, 0}, CivilDateTime{2100, 12, 31, 23, 0}}) {
        FourPillars p = fourPillars(d);
        for (GanZhiCode c : {p.year, p.month, p.day, p.hour}) {
            EXPECT_GE(c, 0);
            EXPECT_LT(c, 60);
        }
    }
    // Across the reform the day pillar advances by one.
    EXPECT_EQ(fourPillars({1582, 10, 15, 12, 0}).day, (fourPillars({1582, 10, 4, 12, 0}).day + 1) % 60);
    // October 1582 reads its month from September's sectional terms; that
    // year 寒露 falls on 09-29, so the whole of October is the 戌 month.
    EXPECT_EQ(branchOf(fourPillars({1582, 10, 3, 12, 0}).month), 11);
    EXPECT_EQ(branchOf(fourPillars({1582, 10, 20, 12, 0}).month), 11);
    EXPECT_EQ(branchOf(fourPillars({1582, 9, 20, 12, 0}).month), 10);
}

}  // namespace

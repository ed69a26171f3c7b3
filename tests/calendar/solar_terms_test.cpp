// Solar terms: lookups from the stored table, the series outside it, and the
// agreement of the two over the table's years.
#include <cmath>

#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/solar_terms.hpp"
#include "calendar/term_proximity.hpp"

namespace {

using namespace qimen::calendar;

struct Row {
    int year, month;
    CivilDateTime sectional, principal;
};

// Reference rows of the stored table (UTC+8). Two rows hold the minute of
// the astronomical instant where the published row is one minute later:
// 1900-01 principal 19:32 (instant 19:32:25, published 19:33) and 2008-02
// sectional 19:00 (instant 19:00:24, published 19:01); tests/gen checks the
// instants themselves.
const Row kRows[] = {
    {1900, 1, {1900, 1, 6, 2, 4}, {1900, 1, 20, 19, 32}},   {2000, 1, {2000, 1, 6, 9, 1}, {2000, 1, 21, 2, 23}},
    {2000, 2, {2000, 2, 4, 20, 40}, {2000, 2, 19, 16, 33}}, {2000, 6, {2000, 6, 5, 16, 59}, {2000, 6, 21, 9, 48}},
    {2000, 12, {2000, 12, 7, 3, 37}, {2000, 12, 21, 21, 37}}, {2008, 2, {2008, 2, 4, 19, 0}, {2008, 2, 19, 14, 50}},
    {2050, 12, {2050, 12, 7, 6, 42}, {2050, 12, 22, 0, 39}},
};

TEST(SolarTermTable, ReferenceRowsThroughBothLookups) {
    for (const Row& r : kRows) {
        EXPECT_EQ(termOfMonth(r.year, r.month, true), (TermInstant{r.sectional, r.month})) << r.year << '-' << r.month;
        EXPECT_EQ(termOfMonth(r.year, r.month, false), (TermInstant{r.principal, r.month}));
        EXPECT_EQ(termInMonth(r.year, r.month, true), (TermInstant{r.sectional, r.month}));
        EXPECT_EQ(termInMonth(r.year, r.month, false), (TermInstant{r.principal, r.month}));
    }
}

double minutesBetween(const CivilDateTime& a, const CivilDateTime& b) { return (julianDay(a) - julianDay(b)) * 1440; }

// The series is the only source outside 1900..2050; over the table's years it
// must stay close to the astronomical instants for every term. The largest
// difference measured over all 3,624 terms is 24.0 minutes.
TEST(SolarTermSeries, StaysCloseToTheTableForEveryTerm) {
    double worst = 0;
    int worstYear = 0, worstTerm = 0;
    for (int year = kTermTableFirstYear; year <= kTermTableLastYear; ++year) {
        for (int k = 1; k <= 24; ++k) {
            TermInstant table = termOfMonth(year, (k + 1) / 2, k % 2 == 1);
            double diff = std::abs(minutesBetween(termSeriesInstant(year, k), table.time));
            if (diff > worst) {
                worst = diff;
                worstYear = year;
                worstTerm = k;
            }
        }
    }
    RecordProperty("worst_minutes", std::to_string(worst));
    EXPECT_LE(worst, 24.5) << "worst difference " << worst << " min at " << worstYear << " term " << worstTerm;
}

TEST(SolarTermSeries, OutsideTheTableLookupsUseTheSeries) {
    EXPECT_EQ(termOfMonth(2051, 2, true), (TermInstant{termSeriesInstant(2051, 3), 2}));
    EXPECT_EQ(termOfMonth(2051, 2, true).time.day, 4);
    EXPECT_EQ(termOfMonth(1899, 12, false), (TermInstant{termSeriesInstant(1899, 24), 12}));
}

TEST(SolarTermSeries, WinterSolsticeOfDecemberIsTheSameYears) {
    for (int year : {-849, -1, 0, 1000, 1582, 1899, 1900, 2000, 2050, 2051, 2100}) {
        TermInstant t = termOfMonth(year, 12, false);
        EXPECT_EQ(t.time.year, year);
        EXPECT_EQ(t.time.month, 12);
        EXPECT_EQ(t.month, 12);
    }
}

TEST(SolarTermSeries, AncientTermsDriftThroughTheJulianMonths) {
    // In -849 小满 falls on June 1st: it belongs to May and keeps its own date.
    TermInstant xiaoman = termOfMonth(-849, 5, false);
    EXPECT_EQ(xiaoman.time.month, 6);
    EXPECT_EQ(xiaoman.time.day, 1);
    EXPECT_EQ(xiaoman.month, 5);
    TermInstant inJune = termInMonth(-849, 6, false);
    EXPECT_EQ(inJune, xiaoman);
    EXPECT_EQ(termInMonth(-849, 6, true).month, 6);  // 芒种
    // Late in the Julian calendar 小寒 falls in December of the previous year.
    TermInstant xiaohan = termOfMonth(1500, 1, true);
    EXPECT_EQ(xiaohan.time.year, 1499);
    EXPECT_EQ(xiaohan.time.month, 12);
    EXPECT_EQ(xiaohan.month, 1);
    // Asked in January 1500, the principal term falling there is 大寒.
    EXPECT_EQ(termInMonth(1500, 1, false).month, 1);
    // 1501's December: 冬至 of 1500 is the principal term of December.
    EXPECT_EQ(termInMonth(1500, 12, false).month, 12);
}

TEST(SolarTermSeries, PreviousWinterSolsticeFallingInJanuaryKeepsItsYear) {
    // Around -849 冬至 drifts to the first days of January: asked for January's
    // principal term, the answer is the solstice of the year before, dated in
    // that January, never the solstice at the end of the year asked.
    for (int year = -849; year <= -600; ++year) {
        TermInstant t = termInMonth(year, 1, false);
        ASSERT_EQ(t.time.year, year) << year;
        ASSERT_EQ(t.time.month, 1) << year;
    }
}

// Over the whole range the series gives 24 terms a year in order, 14 to 16
// days apart, and each lookup of a month's own term answers inside a window
// of that month.
TEST(SolarTermSeries, TermsIncreaseWithRegularSpacingOverTheWholeRange) {
    double previous = julianDay(termSeriesInstant(kFirstYear, 0));
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int k = 1; k <= 24; ++k) {
            double jd = julianDay(termSeriesInstant(year, k));
            double gap = jd - previous;
            ASSERT_GT(gap, 14.0) << year << " term " << k;
            ASSERT_LT(gap, 16.0) << year << " term " << k;
            previous = jd;
        }
    }
}

TEST(SolarTermSeries, SeriesPositionIsTheDayOfYear) {
    // floor of the series value is the day of the year of the instant.
    for (int year : {-849, 1000, 1582, 2051, 2100}) {
        for (int k = 2; k <= 23; ++k) {
            CivilDateTime t = termSeriesInstant(year, k);
            EXPECT_EQ(static_cast<int>(std::floor(termSeries(year, k, true))), dayOfYear(t.year, t.month, t.day))
                << year << " term " << k;
        }
    }
}

// Every term instant of the table is its own nearest term, passed by zero
// minutes; a minute either side it is one minute away, whatever the year end.
TEST(NearestTerm, EveryTableInstantIsFoundToTheMinute) {
    for (int year = kTermTableFirstYear; year <= kTermTableLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (bool sectional : {true, false}) {
                const CivilDateTime t = termOfMonth(year, month, sectional).time;
                const int code = 2 * month - (sectional ? 2 : 1);
                NearestTerm on = nearestTerm(t);
                ASSERT_EQ(on.term, code) << year << "-" << month;
                ASSERT_EQ(on.minutesAway, 0) << year << "-" << month;
                ASSERT_EQ(nearestTerm(dateFromJulianDay(julianDay(t) - 0.5 / 1440)).minutesAway, 1);
                ASSERT_EQ(nearestTerm(dateFromJulianDay(julianDay(t) + 1.5 / 1440)).minutesAway, -1);
            }
    // Across the year end: 2000-12-31 lies nearer 小寒 2001-01-05 than 冬至
    // 2000-12-21; 2000-01-02 nearer 小寒 2000-01-06 than 冬至 1999-12-22.
    NearestTerm end = nearestTerm({2000, 12, 31, 12, 0});
    EXPECT_EQ(end.term, 0);
    EXPECT_EQ(end.instant.time.year, 2001);
    EXPECT_GT(end.minutesAway, 0);
    EXPECT_EQ(nearestTerm({2000, 1, 2, 0, 0}).instant.time, (CivilDateTime{2000, 1, 6, 9, 1}));
    EXPECT_EQ(nearestTerm({1999, 12, 25, 0, 0}).term, 23);
}

}  // namespace

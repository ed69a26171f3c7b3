// The table path of 1900..2050 swept day by day: both directions invert each
// other, the months are whole and in order, and the leap months are those of
// the leap-month table and lack a principal term.
#include <vector>

#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/lunar_tables.hpp"
#include "calendar/solar_terms.hpp"

namespace {

using namespace qimen::calendar;
using qimen::Expected;

std::string text(const CivilDateTime& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

std::string text(const LunarDate& l) { return text(l.date) + (l.leap ? " (leap)" : ""); }

// One lunar month as the day-by-day sweep sees it.
struct SweptMonth {
    LunarDate first;  // its first day
    int firstDay = 0;  // dayNumber of its first day
    int length = 0;
};

// Every day of 1900-01-01 .. 2050-12-31 through solarToLunar, grouped into
// lunar months; fails the test on a day that does not continue its month.
std::vector<SweptMonth> sweepTableYears() {
    std::vector<SweptMonth> months;
    const double end = julianDay(CivilDateTime{2050, 12, 31, 0, 0});
    for (double jd = julianDay(CivilDateTime{1900, 1, 1, 0, 0}); jd <= end; jd += 1) {
        const CivilDateTime d = dateFromJulianDay(jd);
        const LunarDate l = solarToLunar(d);
        const int day = dayNumber(d.year, d.month, d.day);
        if (!months.empty()) {
            SweptMonth& m = months.back();
            const bool continues = l.date.year == m.first.date.year && l.date.month == m.first.date.month &&
                                   l.leap == m.first.leap && l.date.day == m.length + 1;
            if (continues) {
                ++m.length;
                continue;
            }
            EXPECT_EQ(l.date.day, 1) << text(d) << " neither continues " << text(m.first) << " nor begins a month: "
                                     << text(l);
            if (l.date.day != 1) return months;
        }
        months.push_back(SweptMonth{l, day, 1});
    }
    return months;
}

// The number that follows lunar month (year, month, leap).
LunarDate nextMonth(const LunarDate& m) {
    if (!m.leap && leapMonthOf(m.date.year) == m.date.month) return LunarDate{m.date, true};
    if (m.date.month == 12) return LunarDate{CivilDateTime{static_cast<std::int16_t>(m.date.year + 1), 1, 1, 0, 0}, false};
    return LunarDate{CivilDateTime{m.date.year, static_cast<std::int16_t>(m.date.month + 1), 1, 0, 0}, false};
}

TEST(LunarTables, MonthsOf29Or30DaysFollowEachOtherInOrder) {
    const auto months = sweepTableYears();
    ASSERT_GT(months.size(), 1860u);
    EXPECT_EQ(months.front().first, (LunarDate{CivilDateTime{1899, 12, 1, 0, 0}, false}));
    for (std::size_t i = 1; i < months.size(); ++i) {
        const SweptMonth& before = months[i - 1];
        const SweptMonth& m = months[i];
        LunarDate expected = nextMonth(before.first);
        EXPECT_EQ(m.first, expected) << "after " << text(before.first) << " came " << text(m.first);
        if (i + 1 < months.size()) {  // the last month is cut by 2050-12-31
            EXPECT_TRUE(m.length == 29 || m.length == 30) << text(m.first) << " has " << m.length << " days";
        }
    }
}

TEST(LunarTables, LeapMonthsAreThoseOfTheLeapTableAndLackAPrincipalTerm) {
    // Principal terms of the stored term table, as day counts (UTC+8; in
    // 1912..1928 the month tables count days in Beijing local mean time,
    // 14 min 20 s earlier, so a term within that time after midnight is
    // tested by its day in that time).
    std::vector<int> termDays;
    for (int y = 1899; y <= 2051; ++y) {
        for (int month = 1; month <= 12; ++month) {
            if (y < kTermTableFirstYear || y > kTermTableLastYear) {
                termDays.push_back(dayNumber(y, 1, 0) + static_cast<int>(termSeries(y, 2 * month, true)));
                continue;
            }
            const TermInstant t = termOfMonth(y, month, false);
            int day = dayNumber(t.time.year, t.time.month, t.time.day);
            if (y >= 1912 && y <= 1928 && t.time.hour * 60 + t.time.minute < 15) day -= 1;
            termDays.push_back(day);
        }
    }
    const auto months = sweepTableYears();
    int leapMonths = 0;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        const SweptMonth& m = months[i];
        int terms = 0;
        for (int day : termDays) terms += day >= m.firstDay && day < m.firstDay + m.length;
        if (m.first.leap) {
            ++leapMonths;
            EXPECT_EQ(terms, 0) << "leap month " << text(m.first);
            EXPECT_EQ(leapMonthOf(m.first.date.year), m.first.date.month) << text(m.first);
        }
        // Leap years of the table have their leap month in the sweep.
    }
    int tableLeapYears = 0;
    for (int y = kLunarTableFirstYear; y <= kLunarTableLastYear; ++y) {
        if (leapMonthOf(y) != 0) ++tableLeapYears;
        for (int month = 1; month <= 12; ++month) {
            const bool hasLeap = (storedSolarFromLunarWord(y, month) >> 31) != 0;
            EXPECT_EQ(hasLeap, leapMonthOf(y) == month) << y << "-" << month;
        }
    }
    EXPECT_EQ(leapMonths, tableLeapYears);  // 1899 and 2050 add none
}

TEST(LunarTables, EveryDayComesBackThroughLunarToSolar) {
    const double end = julianDay(CivilDateTime{2050, 12, 31, 0, 0});
    int failures = 0;
    for (double jd = julianDay(CivilDateTime{1900, 1, 31, 0, 0}); jd <= end && failures < 10; jd += 1) {
        const CivilDateTime d = dateFromJulianDay(jd);
        const LunarDate l = solarToLunar(d);
        const Expected<CivilDateTime> back = lunarToSolar(l);
        if (!back.ok() || *back != d) {
            ++failures;
            ADD_FAILURE() << text(d) << " → " << text(l) << " → " << (back.ok() ? text(*back) : back.message());
        }
    }
}

TEST(LunarTables, DaysBeyondTheMonthLengthFail) {
    // Every lunar month of lunar years 1900..2050: its last day converts, the
    // day after fails with the message of the table path.
    for (int y = kLunarTableFirstYear; y <= kLunarTableLastYear; ++y) {
        for (int month = 1; month <= 12; ++month) {
            for (bool leap : {false, true}) {
                if (leap && leapMonthOf(y) != month) continue;
                const CivilDateTime first{static_cast<std::int16_t>(y), static_cast<std::int16_t>(month), 1, 0, 0};
                const Expected<CivilDateTime> start = lunarToSolar(first, leap);
                ASSERT_TRUE(start.ok()) << y << "-" << month;
                int length = 29;
                CivilDateTime day30 = first;
                day30.day = 30;
                const Expected<CivilDateTime> thirtieth = lunarToSolar(day30, leap);
                if (thirtieth.ok()) {
                    length = 30;
                    EXPECT_EQ(julianDay(*thirtieth) - julianDay(*start), 29) << y << "-" << month;
                } else {
                    EXPECT_EQ(thirtieth.message(), kLunarDayOutOfRangeMessage) << y << "-" << month;
                }
                CivilDateTime last = first;
                last.day = static_cast<std::int16_t>(length);
                EXPECT_EQ(solarToLunar(*lunarToSolar(last, leap)), (LunarDate{last, leap}));
            }
        }
    }
}

}  // namespace

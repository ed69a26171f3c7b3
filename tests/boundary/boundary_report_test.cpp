// The boundary report on real boundaries: 立春 2024, 春分 2000 under 拆补法,
// the 23:00 子 hour, true solar time, China's summer time of 1988, the
// disputed lunar months of 1914, 1916 and 1920, and quiet charts.
#include <functional>

#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "boundary/boundary_report.hpp"
#include "calendar/day_arithmetic.hpp"
#include "workflow/chart_driver.hpp"

namespace {

using namespace qimen;
using boundary::BoundaryKind;
using boundary::BoundaryWarning;
using calendar::CivilDateTime;
using chart::ChartMethod;
using chart::ChartRequest;
using chart::ChartSettings;

ChartRequest requestAt(CivilDateTime date, ChartMethod method = ChartMethod::Hour) {
    ChartRequest request;
    request.method = method;
    request.inputDate = date;
    return request;
}

class Boundaries : public ::testing::Test {
protected:
    std::vector<BoundaryWarning> report(const ChartRequest& request,
                                        std::function<void(ChartSettings&)> adjust = {},
                                        const boundary::BoundaryOptions& options = {}) {
        workflow::ChartEnvironment environment;
        environment.dataRoot = root_.path();
        environment.adjustSettings = std::move(adjust);
        EXPECT_TRUE(workflow::drawChart(record_, request, environment)) << record_.errorText;
        return boundary::reportBoundaries(request, record_, options);
    }
    std::vector<BoundaryWarning> report(CivilDateTime at, std::function<void(ChartSettings&)> adjust = {}) {
        return report(requestAt(at), std::move(adjust));
    }

    qimen::testing::TempDataRoot root_;
    chart::ChartRecord record_;
};

TEST_F(Boundaries, SpringBeginning2024OneMinuteEitherSide) {
    auto before = report({2024, 2, 4, 16, 26});
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before[0].kind, BoundaryKind::SolarTerm);
    EXPECT_EQ(before[0].minutes, 1);
    EXPECT_EQ(before[0].text,
              "距立春（2024-02-04 16:27）还有1分钟；交立春后：年柱癸卯→甲辰，月柱乙丑→丙寅，阳遁三局→阳遁八局，月将子→亥");
    ASSERT_TRUE(before[0].alternative);
    EXPECT_EQ(before[0].alternative->yearGZ, 41);  // 甲辰
    EXPECT_EQ(before[0].alternative->monthGZ, 3);  // 丙寅
    EXPECT_EQ(before[0].alternative->ju, 8);
    EXPECT_EQ(before[0].alternative->dayGZ, record_.dayGZ);  // the day and hour do not move

    auto after = report({2024, 2, 4, 16, 28});
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].minutes, -1);
    EXPECT_EQ(after[0].alternative->yearGZ, 40);  // 癸卯
    EXPECT_EQ(after[0].alternative->monthGZ, 2);  // 乙丑
    EXPECT_EQ(after[0].alternative->ju, 3);
    EXPECT_NE(after[0].text.find("已过1分钟；交立春前："), std::string::npos) << after[0].text;

    auto on = report({2024, 2, 4, 16, 27});
    ASSERT_EQ(on.size(), 1u);
    EXPECT_EQ(on[0].minutes, 0);
    EXPECT_NE(on[0].text.find("恰在此刻"), std::string::npos) << on[0].text;
    EXPECT_EQ(report({2024, 2, 4, 15, 57}).size(), 1u);  // 30 minutes: inside the window
    EXPECT_TRUE(report({2024, 2, 4, 15, 56}).empty());   // 31 minutes: outside
}

// 春分 2000-03-20 15:35: 拆补法 moves from 惊蛰 to 春分 (yang 4 → 6) and the
// month pillar stays. 置闰法 does not change at a principal term, so it gives
// no warning — unless the 月将 changes there too (yuejiang 1).
TEST_F(Boundaries, SpringEquinox2000ChangesTheSplitComplementJuOnly) {
    auto split = report({2000, 3, 20, 15, 30});
    ASSERT_EQ(split.size(), 1u);
    EXPECT_EQ(split[0].minutes, 5);
    EXPECT_EQ(split[0].text, "距春分（2000-03-20 15:35）还有5分钟；交春分后：阳遁四局→阳遁六局");
    EXPECT_EQ(split[0].alternative->monthGZ, record_.monthGZ);

    EXPECT_TRUE(report({2000, 3, 20, 15, 30}, [](ChartSettings& s) { s.ju = 1; }).empty());
    auto general = report({2000, 3, 20, 15, 30}, [](ChartSettings& s) {
        s.ju = 1;
        s.yuejiang = 1;
    });
    ASSERT_EQ(general.size(), 1u);
    EXPECT_NE(general[0].text.find("月将亥→戌"), std::string::npos) << general[0].text;
}

TEST_F(Boundaries, LateZiHourUnderEitherDayChange) {
    auto late = report({2000, 1, 1, 23, 30});
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].kind, BoundaryKind::LateZiHour);
    EXPECT_EQ(late[0].minutes, 30);
    EXPECT_EQ(record_.dayGZ, 56);                  // 己未, the next day's
    EXPECT_EQ(late[0].alternative->dayGZ, 55);     // 戊午 when the day changes at midnight
    EXPECT_EQ(late[0].alternative->hourGZ, record_.hourGZ);
    EXPECT_NE(late[0].text.find("若零时换日：日柱己未→戊午"), std::string::npos) << late[0].text;

    auto midnight = report({2000, 1, 1, 23, 30}, [](ChartSettings& s) { s.zishi = 1; });
    ASSERT_EQ(midnight.size(), 1u);
    EXPECT_EQ(record_.dayGZ, 55);
    EXPECT_EQ(midnight[0].alternative->dayGZ, 56);
    EXPECT_NE(midnight[0].text.find("若23时换日：日柱戊午→己未"), std::string::npos) << midnight[0].text;

    EXPECT_TRUE(report({2000, 1, 1, 0, 30}).empty());
}

// Urumqi (87.6° E): at 10:58 clock time the sun stands at about 08:40, two
// double hours earlier. Only a chart that applies true solar time is warned;
// the other reading is the clock's.
TEST_F(Boundaries, TrueSolarTimeInAnotherDoubleHour) {
    ChartRequest request = requestAt({2010, 5, 1, 10, 58});
    request.longitude = 87.6f;
    auto on = report(request, [](ChartSettings& s) { s.sun = true; });
    ASSERT_EQ(on.size(), 1u);
    EXPECT_EQ(on[0].kind, BoundaryKind::TrueSolarTime);
    EXPECT_LT(on[0].minutes, -120);
    EXPECT_EQ(record_.computeDate.hour, 8);
    EXPECT_EQ(on[0].alternative->computeDate, request.inputDate);
    EXPECT_NE(on[0].text.find("不在同一时辰"), std::string::npos) << on[0].text;
    EXPECT_NE(on[0].text.find("按钟点：时柱"), std::string::npos) << on[0].text;
    EXPECT_TRUE(report(request).empty());

    // Shortly after midnight far west of 120° the sun is still in the 亥 hour
    // of the day before. At 110° it stands at 23:42 of the day before, the
    // same 子 hour: only the 23:00 warning.
    ChartRequest night = requestAt({2010, 5, 1, 0, 20});
    night.longitude = 110.0f;
    auto late = report(night, [](ChartSettings& s) { s.sun = true; });
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].kind, BoundaryKind::LateZiHour);
    night.longitude = 95.0f;
    auto day = report(night, [](ChartSettings& s) { s.sun = true; });
    ASSERT_EQ(day.size(), 1u);
    EXPECT_NE(day[0].text.find("不在同一天"), std::string::npos) << day[0].text;
    EXPECT_NE(day[0].alternative->dayGZ, record_.dayGZ);
}

TEST_F(Boundaries, SummerTimeOf1988AndNoneIn1992) {
    auto summer = report({1988, 7, 1, 10, 0});
    ASSERT_EQ(summer.size(), 1u);
    EXPECT_EQ(summer[0].kind, BoundaryKind::DaylightSaving);
    EXPECT_EQ(summer[0].minutes, -60);
    EXPECT_EQ(summer[0].alternative->clockDate, (CivilDateTime{1988, 7, 1, 9, 0}));
    EXPECT_NE(summer[0].text.find("北京标准时间为09:00"), std::string::npos) << summer[0].text;
    EXPECT_TRUE(report({1992, 7, 1, 10, 0}).empty());

    // A zone database that cannot be read is said, not taken for "no summer time".
    const Expected<std::vector<boundary::SummerTimePeriod>> unreadable = fail("/x/Asia/Shanghai: cannot be opened");
    boundary::BoundaryOptions options;
    options.summerTime = &unreadable;
    auto unknown = report(requestAt({1988, 7, 1, 10, 0}), {}, options);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_FALSE(unknown[0].alternative);
    EXPECT_NE(unknown[0].text.find("无法读取时区数据库"), std::string::npos);
    EXPECT_TRUE(report(requestAt({1992, 7, 1, 10, 0}), {}, options).empty());
}

struct DisputedDay {
    CivilDateTime date;
    const char* change;  // the lunar dates in the tables and in a UTC+8 calendar
};

class DisputedMonths : public Boundaries, public ::testing::WithParamInterface<DisputedDay> {};

TEST_P(DisputedMonths, NameTheOtherCalendarsLunarDate) {
    auto warnings = report(GetParam().date);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].kind, BoundaryKind::LunarMonthStart);
    EXPECT_EQ(warnings[0].minutes, 0);
    EXPECT_NE(warnings[0].text.find(GetParam().change), std::string::npos) << warnings[0].text;
    // The Gregorian day, hence the pillars, stay.
    EXPECT_EQ(warnings[0].alternative->dayGZ, record_.dayGZ);
}

INSTANTIATE_TEST_SUITE_P(
    BeijingMeridianAlmanacs, DisputedMonths,
    ::testing::Values(DisputedDay{{1914, 11, 17, 10, 0}, "农历十月初一→九月三十"},
                      DisputedDay{{1916, 2, 3, 10, 0}, "农历1916年正月初一→1915年十二月三十"},
                      DisputedDay{{1920, 11, 12, 10, 0}, "农历十月初三→十月初二"}));

TEST_F(Boundaries, DisputedMonthsOfALunarInputAndTheirEdges) {
    // Lunar 1916-01-01 is 1916-02-03 in the tables, 02-04 in a UTC+8 calendar.
    ChartRequest lunar = requestAt({1916, 1, 1, 10, 0});
    lunar.lunarInput = true;
    auto warnings = report(lunar);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].minutes, 1440);
    EXPECT_EQ(warnings[0].alternative->clockDate, (CivilDateTime{1916, 2, 4, 10, 0}));
    EXPECT_EQ(warnings[0].alternative->lunarDate.date, (CivilDateTime{1916, 1, 1, 0, 0}));
    EXPECT_EQ(warnings[0].alternative->dayGZ, (record_.dayGZ + 1) % 60);
    // The day before the month and the first day of the next are not in doubt.
    EXPECT_TRUE(report({1914, 11, 16, 10, 0}).empty());
    EXPECT_TRUE(report({1914, 12, 17, 10, 0}).empty());
}

// Charts away from every boundary have no warning; the numbers laid afresh
// for an unchanged record are those the driver laid, for every method.
TEST_F(Boundaries, QuietChartsAndUnchangedReadings) {
    for (ChartMethod method : {ChartMethod::Hour, ChartMethod::Day, ChartMethod::Month, ChartMethod::Year,
                               ChartMethod::SmallFlying, ChartMethod::YinPlate}) {
        ChartRequest request = requestAt({2008, 8, 8, 20, 8}, method);
        EXPECT_TRUE(report(request).empty()) << static_cast<int>(method);
        EXPECT_EQ(boundary::layNumbers(record_, method), boundary::numbersOf(record_, method))
            << static_cast<int>(method);
    }
}

}  // namespace

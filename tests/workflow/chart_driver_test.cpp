// The chart driver: validation messages in their order, the dates it derives,
// the dispatch of each method, and what a failed run leaves untouched.
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/pillars.hpp"
#include "text/gbk.hpp"
#include "workflow/chart_driver.hpp"

namespace {

using namespace qimen;
using chart::ChartMethod;
using chart::ChartRecord;
using chart::ChartRequest;
using calendar::CivilDateTime;

class ChartDriver : public ::testing::Test {
protected:
    // Writes dat/set.ini with the given [qimen] lines.
    void writeSettings(const std::string& lines) {
        std::filesystem::create_directories(root_.dat());
        std::ofstream(root_.dat() / "set.ini", std::ios::binary) << text::utf8ToGbk("[qimen]\r\n" + lines);
    }

    workflow::ChartEnvironment environment() {
        workflow::ChartEnvironment env;
        env.dataRoot = root_.path();
        env.showOutput = [this](render::StyledText&& text) { shown_ = std::move(text); };
        env.showMemo = [this](const std::string& memo) { memo_ = memo; };
        return env;
    }

    Expected<void> draw(const ChartRequest& request) {
        shown_.reset();
        memo_.reset();
        return workflow::drawChart(record_, request, environment());
    }

    static ChartRequest at(CivilDateTime date, ChartMethod method = ChartMethod::Hour) {
        ChartRequest request;
        request.method = method;
        request.inputDate = date;
        return request;
    }

    qimen::testing::TempDataRoot root_;
    ChartRecord record_;
    std::optional<render::StyledText> shown_;
    std::optional<std::string> memo_;
};

TEST_F(ChartDriver, ValidationMessagesWordForWord) {
    EXPECT_EQ(draw(at({2001, 2, 29, 10, 0})).message(), "不存在这个日期");
    EXPECT_EQ(record_.errorText, "不存在这个日期");  // the record keeps it too

    ChartRequest lunar = at({2001, 4, 30, 10, 0});
    lunar.lunarInput = true;
    lunar.leapMonth = true;  // that leap fourth month has 29 days
    EXPECT_EQ(draw(lunar).message(), "不存在这个日期,请重新输入！");

    lunar.inputDate = {2002, 4, 1, 10, 0};
    EXPECT_EQ(draw(lunar).message(), "此年没有闰4月,请重新确定月份！");

    // The last lunar days of 2100 fall in 2101.
    lunar.leapMonth = false;
    lunar.inputDate = {2100, 12, 20, 10, 0};
    EXPECT_EQ(draw(lunar).message(), "时间越界，年份在-850到2100之间");

    // A 子 hour begun at 23:00 on the last day takes its day pillar and lunar
    // date from 2101, and the refusal says so.
    EXPECT_EQ(draw(at({2100, 12, 31, 23, 30})).message(),
              "公、农历正常转换年份在-850到2100之间；此时刻的日柱与农历要按2101年1月1日计算，超出了这个范围");
    EXPECT_TRUE(draw(at({2100, 12, 31, 22, 59})));
    EXPECT_TRUE(record_.errorText.empty());
}

TEST_F(ChartDriver, CoordinatesMustBeFiniteDegreesInRange) {
    for (auto [longitude, latitude] : {std::pair{std::nanf(""), 30.0f}, std::pair{120.0f, std::nanf("")},
                                       std::pair{std::numeric_limits<float>::infinity(), 30.0f},
                                       std::pair{-180.5f, 30.0f}, std::pair{120.0f, 90.5f}}) {
        ChartRequest request = at({2008, 8, 8, 10, 0});
        request.longitude = longitude;
        request.latitude = latitude;
        EXPECT_FALSE(draw(request));
        EXPECT_EQ(record_.errorText, qimen::workflow::kCoordinatesMessage);
    }
}

TEST_F(ChartDriver, FailedRunTouchesNeitherPaneNorMemoNorThePreviousChart) {
    ASSERT_TRUE(draw(at({2000, 1, 1, 12, 0})));
    ASSERT_TRUE(shown_);
    ASSERT_TRUE(memo_);
    auto cells = record_.cells;
    auto pillars = std::tuple(record_.yearGZ, record_.monthGZ, record_.dayGZ, record_.hourGZ);
    EXPECT_FALSE(draw(at({2001, 2, 29, 10, 0})));
    EXPECT_FALSE(shown_);
    EXPECT_FALSE(memo_);
    EXPECT_EQ(record_.cells, cells);
    EXPECT_EQ(std::tuple(record_.yearGZ, record_.monthGZ, record_.dayGZ, record_.hourGZ), pillars);
}

TEST_F(ChartDriver, IntercalationOnlyForItsYearsAndAfterThePillars) {
    writeSettings("ju=1\r\n");
    EXPECT_EQ(draw(at({1899, 6, 1, 12, 0})).message(), "置闰法起局只能用于1900-2050年。");
    // The check comes after the reset and the pillars of the new moment.
    EXPECT_EQ(record_.dayGZ, calendar::fourPillars({1899, 6, 1, 12, 0}).day);
    EXPECT_EQ(record_.ju, 0);
    EXPECT_FALSE(shown_);
    writeSettings("ju=0\r\n");  // settings are read afresh by every run
    EXPECT_TRUE(draw(at({1899, 6, 1, 12, 0})));
    EXPECT_GE(record_.ju, 1);
}

TEST_F(ChartDriver, LateZiHourTakesTheNextDaysPillarAndLunarDate) {
    ASSERT_TRUE(draw(at({2000, 2, 4, 23, 10})));
    EXPECT_EQ(record_.dayGZ, calendar::fourPillars({2000, 2, 5, 12, 0}).day);
    EXPECT_EQ(record_.lunarDate.month, 1);  // 2000-02-05 is lunar new year's day
    EXPECT_EQ(record_.lunarDate.day, 1);
    EXPECT_EQ(record_.lunarDate.hour, 23);
    EXPECT_EQ(record_.computeDate, (CivilDateTime{2000, 2, 4, 23, 10}));
}

TEST_F(ChartDriver, TrueSolarTimeMovesDayAndHourButNotYearAndMonth) {
    writeSettings("sun=1\r\n");
    // 00:20 on 2000-02-05 at 100° E: eighty minutes west and -14 minutes of
    // the equation of time put the sun at 22:46 of February 4th.
    ChartRequest request = at({2000, 2, 5, 0, 20});
    request.longitude = 100.0f;
    ASSERT_TRUE(draw(request));
    EXPECT_EQ(record_.clockDate, (CivilDateTime{2000, 2, 5, 0, 20}));
    EXPECT_EQ(record_.computeDate, (CivilDateTime{2000, 2, 4, 22, 46}));
    auto byClock = calendar::fourPillars({2000, 2, 5, 0, 20});
    auto bySun = calendar::fourPillars({2000, 2, 4, 22, 46});
    EXPECT_EQ(record_.yearGZ, byClock.year);    // after 立春 (02-04 20:40) either way
    EXPECT_EQ(record_.monthGZ, byClock.month);
    EXPECT_EQ(record_.dayGZ, bySun.day);
    EXPECT_EQ(record_.hourGZ, bySun.hour);
    EXPECT_EQ(record_.lunarDate.month, 12);  // the last day of the old lunar year
    EXPECT_EQ(record_.lunarDate.day, 29);
}

TEST_F(ChartDriver, GivenJuChartsTheChosenDunAndJu) {
    ChartRequest request = at({2010, 7, 7, 9, 0}, ChartMethod::GivenJuHour);
    request.givenJu = 13;
    ASSERT_TRUE(draw(request));
    EXPECT_TRUE(record_.yangDun);
    EXPECT_EQ(record_.ju, 3);
    EXPECT_EQ(record_.method, ChartMethod::Hour);
    request.givenJu = 9;
    ASSERT_TRUE(draw(request));
    EXPECT_FALSE(record_.yangDun);
    EXPECT_EQ(record_.ju, 9);
    // No ju determination, so no year limit even with 置闰法.
    writeSettings("ju=1\r\n");
    request.inputDate = {1700, 1, 1, 9, 0};
    EXPECT_TRUE(draw(request));
    // A ju digit without a palace is refused.
    for (int bad : {0, 10, 20, 25}) {
        request.givenJu = static_cast<std::uint8_t>(bad);
        EXPECT_FALSE(draw(request)) << bad;
        EXPECT_EQ(record_.errorText, workflow::kGivenJuMessage);
    }
}

TEST_F(ChartDriver, EveryMethodWritesItsTitleAndGrid) {
    struct Case {
        ChartMethod method;
        const char* title;
    };
    for (Case c : {Case{ChartMethod::Hour, "时家奇门"}, {ChartMethod::Day, "日家奇门"}, {ChartMethod::Month, "月家奇门"},
                   {ChartMethod::Year, "年家奇门"}, {ChartMethod::SmallFlying, "飞宫小奇门"},
                   {ChartMethod::YinPlate, "阴盘奇门"}}) {
        ASSERT_TRUE(draw(at({2008, 8, 8, 20, 0}, c.method))) << c.title << ": " << record_.errorText;
        ASSERT_TRUE(shown_);
        EXPECT_NE(shown_->text.find(c.title), std::string::npos) << c.title;
        EXPECT_NE(shown_->text.find("┌"), std::string::npos) << c.title;
        EXPECT_TRUE(record_.chartText.empty()) << "the text moved into the pane";
    }
    writeSettings("pan=1\r\n");
    ASSERT_TRUE(draw(at({2008, 8, 8, 20, 0})));
    EXPECT_EQ(record_.monthGeneral, chart::monthGeneralOf(calendar::branchOf(record_.monthGZ)));
}

TEST_F(ChartDriver, WithoutWriteOutputThePaneIsLeftAlone) {
    record_.writeOutput = false;
    ASSERT_TRUE(draw(at({2000, 1, 1, 12, 0})));
    EXPECT_FALSE(shown_);
    EXPECT_FALSE(record_.chartText.empty());
    EXPECT_TRUE(memo_);
}

TEST_F(ChartDriver, ClosingTextFollowsTheChartWhenEnabled) {
    writeSettings("endinfo=1\r\n");
    std::ofstream(root_.dat() / "EndInfo.txt", std::ios::binary) << text::utf8ToGbk("谨供参考\r\n");
    ASSERT_TRUE(draw(at({2000, 1, 1, 12, 0})));
    ASSERT_TRUE(shown_);
    EXPECT_TRUE(shown_->text.ends_with("谨供参考\r\n"));
}

}  // namespace

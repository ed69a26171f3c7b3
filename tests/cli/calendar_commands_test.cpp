// The calendar commands of the tool, run in-process with a fixed clock.
#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_run.hpp"

namespace {

using qimen::testing::CliRun;

CliRun run(const std::vector<std::string>& args) { return qimen::testing::runQimen(args, {2000, 1, 1, 23, 30}); }

TEST(CalendarCommands, PillarsPrintsYearMonthDayHour) {
    CliRun r = run({"calendar", "pillars", "2000-01-01 00:00"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "己卯 丙子 戊午 壬子\n");
    EXPECT_EQ(run({"calendar", "pillars", "now"}).out, "己卯 丙子 己未 甲子\n");
}

TEST(CalendarCommands, PillarsJsonCarriesCodesAndTexts) {
    CliRun r = run({"calendar", "pillars", "2000-01-01 00:00", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["year"]["code"], 16);
    EXPECT_EQ(j["day"]["text"], "戊午");
    EXPECT_EQ(j["hour"]["code"], 49);
}

TEST(CalendarCommands, TermsListsTheYearInTermOrder) {
    CliRun r = run({"calendar", "terms", "2000"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_EQ(all.size(), 24u);
    EXPECT_EQ(all[0], "小寒 2000-01-06 09:01");
    EXPECT_EQ(all[2], "立春 2000-02-04 20:40");
    EXPECT_EQ(all[23], "冬至 2000-12-21 21:37");
    auto j = nlohmann::json::parse(run({"calendar", "terms", "2000", "--json"}).out);
    ASSERT_EQ(j.size(), 24u);
    EXPECT_EQ(j[3]["name"], "雨水");
    EXPECT_EQ(j[3]["time"]["day"], 19);
}

TEST(CalendarCommands, YearsAreWrittenWithoutYearZero) {
    // -850 is the first year as the user writes it (astronomical -849).
    CliRun first = run({"calendar", "terms", "-850"});
    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_NE(first.out.find("小满 -850-06-01"), std::string::npos);
    EXPECT_EQ(run({"calendar", "jd", "-850-01-01 00:00"}).out, "1410960.5\n");
    EXPECT_EQ(run({"calendar", "jd", "-1-12-31 00:00"}).out, "1721422.5\n");
    EXPECT_EQ(run({"calendar", "jd", "1-01-01 00:00"}).out, "1721423.5\n");
}

TEST(CalendarCommands, JulianDayWeekdayAndSolarTime) {
    EXPECT_EQ(run({"calendar", "jd", "2000-01-01 12:00"}).out, "2451545\n");
    EXPECT_EQ(run({"calendar", "weekday", "2000-01-01"}).out, "星期六\n");
    EXPECT_EQ(run({"calendar", "solar-time", "2000-02-11 12:00", "--lon", "120"}).out, "2000-02-11 11:46\n");
    auto j = nlohmann::json::parse(run({"calendar", "solar-time", "2000-04-15 12:00", "--lon", "116.4", "--json"}).out);
    EXPECT_EQ(j["solarTime"]["text"], "2000-04-15 11:46");
    EXPECT_EQ(nlohmann::json::parse(run({"calendar", "weekday", "2000-01-02", "--json"}).out)["weekday"], 0);
}

// Bad input never crashes: one line on standard error and exit code 1.
TEST(CalendarCommands, BadDatesAndYearsFailWithOneLine) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"calendar", "pillars", "2000-02-30 00:00"},
          {"calendar", "pillars", "0-01-01 00:00"},
          {"calendar", "pillars", "-851-12-31 00:00"},
          {"calendar", "pillars", "2101-01-01 00:00"},
          {"calendar", "pillars", "2000-13-01"},
          {"calendar", "pillars", "2000-01-01 24:00"},
          {"calendar", "pillars", "2000-01-01 12:60"},
          {"calendar", "pillars", "yesterday"},
          {"calendar", "pillars", ""},
          {"calendar", "pillars", "2000-1-1 1:1x"},
          {"calendar", "pillars", "99999999999-01-01"},
          {"calendar", "terms", "0"},
          {"calendar", "terms", "2101"},
          {"calendar", "terms", "20x0"},
          {"calendar", "weekday", "1900-02-29"}}) {
        CliRun r = run(args);
        EXPECT_EQ(r.code, 1) << args[2];
        EXPECT_TRUE(r.out.empty()) << args[2];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("qimen: ", 0), 0u) << r.err;
    }
}

TEST(CalendarCommands, UsageErrorsExitTwo) {
    EXPECT_EQ(run({}).code, 2);
    EXPECT_EQ(run({"calendar"}).code, 2);
    EXPECT_EQ(run({"calendar", "pillars"}).code, 2);
    EXPECT_EQ(run({"calendar", "solar-time", "2000-01-01 00:00", "--lon", "500"}).code, 2);
    EXPECT_EQ(run({"--help"}).code, 0);
}

}  // namespace

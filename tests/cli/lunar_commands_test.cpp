// The lunar-calendar commands of the tool, run in-process.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_run.hpp"

namespace {

using qimen::testing::CliRun;

CliRun run(const std::vector<std::string>& args) { return qimen::testing::runQimen(args, {2000, 2, 5, 12, 0}); }

struct Printed {
    const char* date;
    const char* text;
};

void PrintTo(const Printed& p, std::ostream* os) { *os << p.date << " → " << p.text; }

class LunarCommandPrints : public testing::TestWithParam<Printed> {};

TEST_P(LunarCommandPrints, YearMonthNameAndDayName) {
    CliRun r = run({"calendar", "lunar", GetParam().date});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, std::string(GetParam().text) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Dates, LunarCommandPrints,
                         testing::Values(Printed{"2000-02-05", "2000年正月初一"},
                                         Printed{"2000-02-05 13:45", "2000年正月初一"},
                                         Printed{"now", "2000年正月初一"},
                                         Printed{"1900-01-01", "1899年十二月初一"},
                                         Printed{"2001-06-20", "2001年闰四月廿九"},
                                         Printed{"2033-12-22", "2033年闰十一月初一"},
                                         Printed{"1986-12-31", "1986年十二月初一"},
                                         Printed{"2000-02-14", "2000年正月初十"},
                                         Printed{"2000-02-24", "2000年正月二十"},
                                         Printed{"2000-03-05", "2000年正月三十"},
                                         Printed{"2000-11-26", "2000年十一月初一"},
                                         Printed{"-1-06-30", "-1年五月十一"}));

TEST(LunarCommand, JsonGivesYearMonthDayAndLeap) {
    CliRun r = run({"calendar", "lunar", "2001-06-20", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["year"], 2001);
    EXPECT_EQ(j["month"], 4);
    EXPECT_EQ(j["day"], 29);
    EXPECT_EQ(j["leap"], true);
    EXPECT_EQ(j["text"], "2001年闰四月廿九");
    auto plain = nlohmann::json::parse(run({"calendar", "lunar", "2000-02-05", "--json"}).out);
    EXPECT_EQ(plain["leap"], false);
}

TEST(LunarCommand, YearsAreWrittenWithoutYearZero) {
    // Astronomical year 0 is 1 BCE, written -1, on both sides.
    auto j = nlohmann::json::parse(run({"calendar", "lunar", "-850-06-01", "--json"}).out);
    EXPECT_LE(j["year"].get<int>(), -850);
    EXPECT_EQ(run({"calendar", "lunar", "0-01-01"}).code, 1);
}

TEST(SolarCommand, PrintsTheGregorianDate) {
    CliRun r = run({"calendar", "solar", "--lunar", "2001-04-29", "--leap"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2001-06-20\n");
    EXPECT_EQ(run({"calendar", "solar", "--lunar", "2001-04-29"}).out, "2001-05-21\n");
    EXPECT_EQ(run({"calendar", "solar", "--lunar", "1938-01-30"}).out, "1938-03-01\n");
    EXPECT_EQ(run({"calendar", "solar", "--lunar", "2000-01-01 08:30"}).out, "2000-02-05 08:30\n");
    EXPECT_EQ(run({"calendar", "solar", "--lunar", "2051-01-01"}).out, "2051-02-11\n");
}

TEST(SolarCommand, JsonGivesTheDate) {
    auto j = nlohmann::json::parse(run({"calendar", "solar", "--lunar", "2000-01-01", "--json"}).out);
    EXPECT_EQ(j["year"], 2000);
    EXPECT_EQ(j["month"], 2);
    EXPECT_EQ(j["day"], 5);
}

TEST(SolarCommand, RoundTripsTheLunarCommand) {
    for (const char* date : {"1900-01-31", "1950-06-15", "2033-12-22", "1800-01-10", "-850-03-01", "2100-12-31"}) {
        auto lunar = nlohmann::json::parse(run({"calendar", "lunar", date, "--json"}).out);
        char text[32];
        std::snprintf(text, sizeof text, "%d-%02d-%02d", lunar["year"].get<int>(), lunar["month"].get<int>(),
                      lunar["day"].get<int>());
        std::vector<std::string> args{"calendar", "solar", "--lunar", text};
        if (lunar["leap"].get<bool>()) args.push_back("--leap");
        CliRun back = run(args);
        ASSERT_EQ(back.code, 0) << date << ": " << back.err;
        auto again = nlohmann::json::parse(run({"calendar", "lunar", back.out.substr(0, back.out.size() - 1), "--json"}).out);
        EXPECT_EQ(again, lunar) << date;
    }
}

struct Failure {
    std::vector<std::string> args;
    const char* message;
};

void PrintTo(const Failure& f, std::ostream* os) {
    for (const auto& a : f.args) *os << a << ' ';
}

class SolarCommandFails : public testing::TestWithParam<Failure> {};

TEST_P(SolarCommandFails, WithTheCalendarsMessageOnStandardError) {
    std::vector<std::string> args{"calendar", "solar", "--lunar"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    CliRun r = run(args);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("qimen: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Messages, SolarCommandFails,
                         testing::Values(Failure{{"2001-04-30", "--leap"}, "不存在这个日期,请重新输入！"},
                                         Failure{{"2000-01-31"}, "不存在这个日期,请重新输入！"},
                                         Failure{{"2002-04-01", "--leap"}, "此年没有闰4月,请重新确定月份！"},
                                         Failure{{"2051-01-01", "--leap"}, "此年没有闰月"},
                                         Failure{{"2100-12-30"}, "不存在这个日期"}));

TEST(SolarCommand, RejectsAMalformedLunarDate) {
    for (const char* bad : {"2001-4", "2001-13-01", "2001-04-00", "x", "2101-01-01"}) {
        CliRun r = run({"calendar", "solar", "--lunar", bad});
        EXPECT_EQ(r.code, 1) << bad;
        EXPECT_NE(r.err, "") << bad;
    }
}

}  // namespace

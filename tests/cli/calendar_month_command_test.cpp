// `qimen calendar month`, run in-process with a fixed clock: the page as
// text and JSON, its options, its refusals, and the lunar day of every cell
// of 1900..2050 against `qimen calendar lunar`.
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_run.hpp"

namespace {

using qimen::testing::CliRun;

CliRun run(const std::vector<std::string>& args) { return qimen::testing::runQimen(args, {2000, 2, 10, 8, 0}); }

// Reviewed by hand against a printed calendar of February 2000.
const char* const kFebruary2000 =
    "                           2000年2月\n"
    " 一       二       三       四       五       六       日\n"
    "           1        2        3        4 立春   5        6\n"
    "          廿六     廿七     廿八     廿九     初一     初二\n"
    "  7        8        9      [10]      11       12       13\n"
    " 初三     初四     初五     初六     初七     初八     初九\n"
    " 14       15       16       17       18       19 雨水  20\n"
    " 初十     十一     十二     十三     十四     十五     十六\n"
    " 21       22       23       24       25       26       27\n"
    " 十七     十八     十九     二十     廿一     廿二     廿三\n"
    " 28       29\n"
    " 廿四     廿五\n"
    "立春4日20时40分\n"
    "雨水19日16时33分\n"
    "2000-02-10 08:00 正月初六 龙年 庚辰年 戊寅月 戊戌日 丙辰时\n";

TEST(CalendarMonthCommand, PrintsThePageTheTermsAndTheSelectedMoment) {
    for (std::vector<std::string> args : {std::vector<std::string>{"calendar", "month", "2000-02", "--at", "2000-02-10 08:00"},
                                          {"calendar", "month", "--at", "2000-02-10 08:00"},
                                          {"calendar", "month", "2000-02"},  // now lies in it
                                          {"calendar", "month"}}) {
        CliRun r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, kFebruary2000) << args.back();
    }
}

TEST(CalendarMonthCommand, AnotherMonthSelectsItsFirstDayAtMidnight) {
    CliRun r = run({"calendar", "month", "2000-01"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("[ 1]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n2000-01-01 00:00 十一月廿五 兔年 己卯年 丙子月 戊午日 壬子时\n"), std::string::npos) << r.out;
}

TEST(CalendarMonthCommand, LunarMonthsNameEachMonthOnItsFirstDay) {
    CliRun r = run({"calendar", "month", "2033-12", "--lunar-months"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find(" 三十     闰十一月 初二"), std::string::npos) << r.out;
    EXPECT_EQ(run({"calendar", "month", "2033-12"}).out.find("闰十一月 初二"), std::string::npos);
}

TEST(CalendarMonthCommand, LunarPillarsCountTheYearAndMonthByTheLunarCalendar) {
    const std::string moment = "2000-02-04 22:00";  // after 立春, lunar 1999-12-29
    EXPECT_NE(run({"calendar", "month", "--at", moment}).out.find("龙年 庚辰年 戊寅月 壬辰日 辛亥时"), std::string::npos);
    CliRun lunar = run({"calendar", "month", "--at", moment, "--lunar-pillars"});
    EXPECT_NE(lunar.out.find("兔年 己卯年 丁丑月 壬辰日 辛亥时"), std::string::npos) << lunar.out;
    auto j = nlohmann::json::parse(run({"calendar", "month", "--at", moment, "--lunar-pillars", "--json"}).out);
    EXPECT_EQ(j["selected"]["termsChangeMonth"], false);
    EXPECT_EQ(j["selected"]["pillars"]["month"]["text"], "丁丑");
}

TEST(CalendarMonthCommand, JsonCarriesThePageTermsDaysAndPillars) {
    CliRun r = run({"calendar", "month", "2000-02", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["title"], "2000年2月");
    EXPECT_EQ(j["length"], 29);
    EXPECT_EQ(j["firstColumn"], 1);
    EXPECT_EQ(j["terms"][0]["text"], "立春4日20时40分");
    EXPECT_EQ(j["terms"][1]["time"]["day"], 19);
    ASSERT_EQ(j["days"].size(), 29u);
    EXPECT_EQ(j["days"][3]["term"], "立春");
    EXPECT_TRUE(j["days"][4]["term"].is_null());
    EXPECT_EQ(j["days"][4]["lunar"]["text"], "正月初一");
    EXPECT_EQ(j["selected"]["zodiac"], "龙年");
    EXPECT_EQ(j["selected"]["pillars"]["day"]["text"], "戊戌");
}

TEST(CalendarMonthCommand, RefusalsAreOneLineOnStandardError) {
    struct Refusal {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Refusal& refusal :
         {Refusal{{"calendar", "month", "1899-12"}, "qimen: 年份在1900-2050之间\n"},
          Refusal{{"calendar", "month", "--at", "2051-01-01 00:00"}, "qimen: 年份在1900-2050之间\n"},
          Refusal{{"calendar", "month", "2000-02", "--at", "2000-03-01"}, "qimen: --at 2000-03-01 is not in 2000-02\n"},
          Refusal{{"calendar", "month", "2000-13"}, "qimen: month 13 in \"2000-13\" is not 1..12\n"},
          Refusal{{"calendar", "month", "2000-2x"}, "qimen: \"2000-2x\" is not a month; write YYYY-MM, e.g. 2024-02\n"},
          Refusal{{"calendar", "month", "--at", "2000-04-31"}, ""}}) {
        CliRun r = run(refusal.args);
        EXPECT_EQ(r.code, 1) << refusal.args.back();
        EXPECT_TRUE(r.out.empty()) << r.out;
        if (!refusal.message.empty()) {
            EXPECT_EQ(r.err, refusal.message);
        }
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// The cells of the months where the lunar tables are most easily wrong (the
// first and last of the range, months with two lunar month starts, the
// months moved by Beijing mean time and the one that is not, leap months)
// name the lunar month and day that `qimen calendar lunar` prints for their
// dates. month_page_test.cpp sweeps every month of the range in the core.
TEST(CalendarMonthCommand, CellsAgreeWithTheLunarCommand) {
    for (const char* month : {"1900-01", "1906-04", "1914-11", "1916-02", "1920-11", "1938-01", "1986-12",
                              "2001-05", "2033-12", "2050-12"}) {
        CliRun page = run({"calendar", "month", month, "--json"});
        ASSERT_EQ(page.code, 0) << month << ": " << page.err;
        const nlohmann::json days = nlohmann::json::parse(page.out)["days"];
        ASSERT_GE(days.size(), 28u) << month;
        for (const auto& day : days) {
            const std::string date = std::string(month) + "-" + (day["day"].get<int>() < 10 ? "0" : "") +
                                     std::to_string(day["day"].get<int>());
            const auto& l = day["lunar"];
            EXPECT_EQ(run({"calendar", "lunar", date}).out,
                      std::to_string(l["year"].get<int>()) + "年" + l["text"].get<std::string>() + "\n");
        }
    }
}

}  // namespace

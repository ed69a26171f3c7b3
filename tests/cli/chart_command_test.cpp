// `qimen chart`: options into a chart request, the four output forms, and
// failures as one line with exit code 1.
#include <sys/stat.h>

#include <algorithm>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "../files/child_process.hpp"
#include "cli_run.hpp"
#include "text/gbk.hpp"

namespace {

using ChartRun = qimen::testing::CliRun;

class ChartCommand : public qimen::testing::CliTest {
protected:
    ChartCommand() : CliTest({"chart"}, {2008, 8, 8, 20, 8}) {}
};

TEST_F(ChartCommand, PrintsTheHourChartOfNowByDefault) {
    ChartRun r = run({});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("时家奇门"), std::string::npos);
    EXPECT_NE(r.out.find("公历:2008年8月8日20时8分"), std::string::npos);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);  // plain text for a terminal
    // The data root was prepared with the shipped defaults.
    EXPECT_TRUE(std::filesystem::exists(root.dat() / "set.ini"));
}

TEST_F(ChartCommand, JsonCarriesTheRecordAndTheStyledText) {
    ChartRun r = run({"--at", "2000-01-01 12:00", "--json", "--name", "张三", "--matter", "求财"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["method"], "hour");
    EXPECT_EQ(j["yangDun"], true);
    EXPECT_EQ(j["ju"], 7);
    EXPECT_EQ(j["dayGZ"]["text"], "戊午");
    EXPECT_EQ(j["hourGZ"]["text"], "戊午");
    EXPECT_EQ(j["xunHead"]["text"], "甲寅");
    ASSERT_EQ(j["cells"].size(), 9u);
    EXPECT_EQ(j["cells"][4]["palace"], 5);
    EXPECT_EQ(j["lunarDate"]["month"], 11);
    EXPECT_NE(j["output"]["text"].get<std::string>().find("占问事宜:求财"), std::string::npos);
    EXPECT_FALSE(j["output"]["ranges"].empty());
}

TEST_F(ChartCommand, GbkAndColourForms) {
    ChartRun gbk = run({"--at", "2000-01-01 12:00", "--gbk"});
    ASSERT_EQ(gbk.code, 0);
    std::string utf8 = qimen::text::gbkToUtf8(gbk.out);
    EXPECT_NE(utf8.find("\r\n┌"), std::string::npos);
    ChartRun colour = run({"--at", "2000-01-01 12:00", "--color"});
    EXPECT_NE(colour.out.find("\x1b["), std::string::npos);
}

TEST_F(ChartCommand, MethodsGivenJuLunarInputAndSettings) {
    auto json = [&](std::vector<std::string> args) {
        args.push_back("--json");
        ChartRun r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return r.code == 0 ? nlohmann::json::parse(r.out) : nlohmann::json{};
    };
    EXPECT_EQ(json({"--method", "day"})["method"], "day");
    EXPECT_TRUE(json({"--method", "day"}).contains("dayLayout"));
    EXPECT_TRUE(json({"--method", "small"}).contains("smallLayout"));
    auto given = json({"--ju", "yang3"});
    EXPECT_EQ(given["yangDun"], true);
    EXPECT_EQ(given["ju"], 3);
    auto yin = json({"--ju", "yin9"});
    EXPECT_EQ(yin["yangDun"], false);
    EXPECT_EQ(yin["ju"], 9);
    auto lunar = json({"--at", "2000-01-01 12:00", "--lunar"});
    EXPECT_EQ(lunar["clockDate"]["text"], "2000-02-05 12:00");
    auto flying = json({"--at", "2000-01-01 12:00", "--set", "pan=1", "--set", "jiugong=1"});
    // The flying-palace grid is five characters wide and prints short deity names.
    EXPECT_NE(flying["output"]["text"].get<std::string>().find("┌─────┬"), std::string::npos);
}

TEST_F(ChartCommand, FailuresAreOneLineWithExitCodeOne) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Case& c : {Case{{"--at", "2001-02-29 10:00"}, "不存在这个日期"},
                          Case{{"--at", "2001-04-30 10:00", "--lunar", "--leap"}, "不存在这个日期,请重新输入！"},
                          Case{{"--at", "2002-04-01 10:00", "--lunar", "--leap"}, "此年没有闰4月,请重新确定月份！"},
                          Case{{"--at", "1899-06-01 10:00", "--set", "ju=1"}, "置闰法起局只能用于1900-2050年。"},
                          Case{{"--at", "2100-12-31 23:00"}, "此时刻的日柱与农历要按2101年1月1日计算"},
                          Case{{"--at", "+2001-01-01 10:00"}, "is not a date"},
                          Case{{"--at", "2001- 1- 1 10: 0"}, "is not a date"},
                          Case{{"--method", "week"}, "--method"},
                          Case{{"--ju", "yang0"}, "--ju"},
                          Case{{"--set", "colour=1"}, "no chart setting"},
                          Case{{"--set", "pan=one"}, "whole number"},
                          Case{{"--name", "一二三四五六"}, "at most 10"},
                          Case{{"--leap"}, "--lunar"}}) {
        ChartRun r = run(c.args);
        EXPECT_EQ(r.code, 1) << c.args[0];
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

// Warnings go to standard error and, with --json, into a warnings array;
// the chart itself prints as without them; --strict turns them into exit 3.
TEST_F(ChartCommand, BoundaryWarningsOnStandardErrorJsonAndStrict) {
    ChartRun quiet = run({"--at", "2024-02-04 14:00"});
    ChartRun near = run({"--at", "2024-02-04 16:26"});
    ASSERT_EQ(near.code, 0) << near.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(near.err,
              "注意：距立春（2024-02-04 16:27）还有1分钟；交立春后：年柱癸卯→甲辰，月柱乙丑→丙寅，"
              "阳遁三局→阳遁八局，月将子→亥\n");

    auto j = nlohmann::json::parse(run({"--at", "2024-02-04 16:26", "--json"}).out);
    ASSERT_EQ(j["warnings"].size(), 1u);
    EXPECT_EQ(j["warnings"][0]["kind"], "solar-term");
    EXPECT_EQ(j["warnings"][0]["minutes"], 1);
    EXPECT_EQ(j["warnings"][0]["alternative"]["monthGZ"]["text"], "丙寅");
    EXPECT_EQ(j["warnings"][0]["alternative"]["ju"], 8);
    EXPECT_FALSE(nlohmann::json::parse(run({"--at", "2024-02-04 14:00", "--json"}).out).contains("warnings"));

    ChartRun strict = run({"--at", "2024-02-04 16:26", "--strict"});
    EXPECT_EQ(strict.code, 3);
    EXPECT_EQ(strict.out, near.out);
    EXPECT_EQ(run({"--at", "2024-02-04 14:00", "--strict"}).code, 0);
}

TEST_F(ChartCommand, CompareTwoConventionsSideBySide) {
    ChartRun differ = run({"--at", "2024-02-02 10:00", "--compare", "ju"});
    ASSERT_EQ(differ.code, 0) << differ.err;
    EXPECT_EQ(differ.out.rfind("拆补法", 0), 0u);
    EXPECT_NE(differ.out.find("置闰法"), std::string::npos);
    EXPECT_NE(differ.out.find("\n不同："), std::string::npos);
    ChartRun same = run({"--at", "2024-02-10 10:00", "--compare", "ju"});
    EXPECT_TRUE(same.out.ends_with("两种方法此刻相同\n")) << same.out;
    auto j = nlohmann::json::parse(run({"--at", "2024-02-10 10:00", "--compare", "yuejiang", "--json"}).out);
    EXPECT_EQ(j["differingItems"], nlohmann::json::array({"月将"}));
    EXPECT_EQ(j["sides"][1]["title"], "月将随中气");

    ChartRun bad = run({"--compare", "moon"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("--compare takes ju, pan, zishi or yuejiang"), std::string::npos) << bad.err;
    ChartRun day = run({"--compare", "ju", "--method", "day"});
    EXPECT_EQ(day.code, 1);
    EXPECT_NE(day.err.find("两种方法对照只用于时家奇门。"), std::string::npos) << day.err;
}

// A damaged or unreadable set.ini is reported with a warning line, and the
// chart is laid with the defaults; a FIFO in its place is not waited on.
TEST_F(ChartCommand, DamagedSettingsFileIsReportedWithAWarning) {
    ASSERT_EQ(run({}).code, 0);  // prepares the data root
    qimen::testing::writeBytes(root.dat() / "set.ini", "\xFF\xFE[qimen]\npan=1\n");
    ChartRun damaged = run({"--at", "2008-08-08 10:00"});
    ASSERT_EQ(damaged.code, 0) << damaged.err;
    EXPECT_EQ(damaged.err.rfind("qimen: warning: ", 0), 0u) << damaged.err;
    EXPECT_NE(damaged.err.find("set.ini"), std::string::npos) << damaged.err;
    EXPECT_NE(damaged.out.find("时家奇门"), std::string::npos);

    std::filesystem::remove(root.dat() / "set.ini");
    ASSERT_EQ(::mkfifo((root.dat() / "set.ini").c_str(), 0644), 0);
    qimen::testing::HangGuard guard;
    ChartRun fifo = run({"--at", "2008-08-08 10:00"});
    ASSERT_EQ(fifo.code, 0) << fifo.err;
    EXPECT_NE(fifo.err.find("not a regular file"), std::string::npos) << fifo.err;
}

// A coordinate must be a decimal number of degrees: nan, inf and hex are
// usage errors, never a chart at 经度 -2147483648度.
TEST_F(ChartCommand, CoordinatesAreDecimalAndFinite) {
    for (auto args : {std::vector<std::string>{"--lon", "nan"}, {"--lat", "nan"}, {"--lon", "inf"},
                      {"--lon", "0x10"}, {"--lat", "1e1"}}) {
        args.insert(args.end(), {"--set", "sun=1"});
        ChartRun r = run(args);
        EXPECT_EQ(r.code, 2) << args[1];
        EXPECT_TRUE(r.out.empty()) << args[1];
    }
    ChartRun r = run({"--at", "2008-08-08 10:00", "--lon", "116.5", "--set", "sun=1"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("经度:116度30分"), std::string::npos) << r.out.substr(0, 300);
}

}  // namespace

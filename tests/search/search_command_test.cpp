// `qimen search`: options into conditions with the form's messages, the
// result lines and closing message, JSON, and the listing of a line.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "../cli/cli_run.hpp"
#include "search/search_engine.hpp"

namespace {

using SearchRun = qimen::testing::CliRun;

class SearchCommand : public qimen::testing::CliTest {
protected:
    SearchCommand() : CliTest({"search"}, {2008, 8, 8, 20, 8}) {}
};

TEST_F(SearchCommand, PrintsTheResultLinesAndTheClosingMessage) {
    SearchRun r = run({"--from", "2008-05-03 00:30", "--to", "2008-05-03 04:30"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "1:2008-05-03 00:30\n2:2008-05-03 02:30\n查找完毕，共找到2个奇门盘。\n");
    EXPECT_EQ(r.err, "");  // no progress bar off a terminal
}

// 立春 2008 fell at 2008-02-04 19:00: the candidates 16:30, 18:30 and 20:30
// lie 150, 30 and 90 minutes away.
TEST_F(SearchCommand, AvoidsMomentsNearASolarTerm) {
    auto search = [&](const char* minutes) {
        return run({"--from", "2008-02-04 16:30", "--to", "2008-02-04 21:00", "--avoid-term-minutes", minutes}).out;
    };
    EXPECT_EQ(search("30"), "1:2008-02-04 16:30\n2:2008-02-04 20:30\n查找完毕，共找到2个奇门盘。\n");
    EXPECT_EQ(search("29"), search("0"));
    EXPECT_NE(search("0").find("3:2008-02-04 20:30"), std::string::npos) << search("0");
}

void ignoreInterrupt(int) {}

// Ctrl-C while the scan runs: the lines found so far and the closing message
// are printed, and the exit status is 130 (128 + SIGINT), not success.
TEST_F(SearchCommand, InterruptedSearchPrintsWhatItFoundAndExits130) {
    struct sigaction own {}, previous {};
    own.sa_handler = ignoreInterrupt;
    ASSERT_EQ(::sigaction(SIGINT, &own, &previous), 0);
    std::atomic<bool> done{false};
    // Sends SIGINT for as long as the command's own handler is in place.
    std::thread interrupter([&] {
        while (!done) {
            struct sigaction now {};
            ::sigaction(SIGINT, nullptr, &now);
            if (now.sa_handler != ignoreInterrupt) ::kill(::getpid(), SIGINT);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    SearchRun r = run({"--from", "1900-01-01 00:00", "--to", "2050-12-31 22:00", "--door", "开门=6", "--star", "天心=1",
                       "--all-doors", "--require-all"});
    done = true;
    interrupter.join();
    ::sigaction(SIGINT, &previous, nullptr);
    EXPECT_EQ(r.code, 130) << r.err;
    EXPECT_NE(r.out.find(std::string(qimen::search::kCancelledMessage.substr(2))), std::string::npos) << r.out;
}

TEST_F(SearchCommand, RefusalsUseTheEngineMessages) {
    SearchRun r = run({"--from", "1899-12-31 00:00", "--to", "1900-01-01 00:00"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("开始时间在1900－2050，请检查输入的时间是否正确！"), std::string::npos) << r.err;
    r = run({"--from", "2008-05-03 14:00", "--to", "2008-05-03 13:59"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("结束时间必须大于或等于开始时间！"), std::string::npos) << r.err;
}

TEST_F(SearchCommand, PalacesAreValidatedWithTheFormMessages) {
    SearchRun r = run({"--from", "2008-05-03 00:00", "--to", "2008-05-04 00:00", "--deity", "直符=5"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("神盘落宫输入错误，宫数在1－9，5宫请输入2"), std::string::npos) << r.err;
    r = run({"--from", "2008-05-03 00:00", "--to", "2008-05-04 00:00", "--leader-door-palace", "12"});
    EXPECT_NE(r.err.find("直使落宫输入错误，宫数在1－9"), std::string::npos) << r.err;
    r = run({"--from", "2008-05-03 00:00", "--to", "2008-05-04 00:00", "--star", "天王=1"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("天王"), std::string::npos) << r.err;
}

TEST_F(SearchCommand, ConditionsNarrowTheResults) {
    SearchRun all = run({"--from", "2008-05-01 00:00", "--to", "2008-05-11 00:00", "--json"});
    SearchRun led = run({"--from", "2008-05-01 00:00", "--to", "2008-05-11 00:00", "--json", "--leader", "天心,任"});
    ASSERT_EQ(led.code, 0) << led.err;
    auto a = nlohmann::json::parse(all.out);
    auto l = nlohmann::json::parse(led.out);
    EXPECT_EQ(a["found"], 120);
    EXPECT_GT(l["found"].get<int>(), 0);
    EXPECT_LT(l["found"].get<int>(), 120);
    EXPECT_EQ(l["results"][0]["number"], 1);
    EXPECT_EQ(l["capped"], false);
}

TEST_F(SearchCommand, PatternNamesTickEveryEntryOfTheNameAndCodesOne) {
    // 丙奇逢鼠 by name ticks codes 2 and 3; by codes both are needed for the
    // same result.
    std::vector<std::string> range = {"--from", "2008-01-01 00:00", "--to", "2008-03-01 00:00", "--json"};
    auto with = [&](std::vector<std::string> extra) {
        auto args = range;
        args.insert(args.end(), extra.begin(), extra.end());
        SearchRun r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return nlohmann::json::parse(r.out)["found"].get<int>();
    };
    int byName = with({"--good", "丙奇逢鼠"});
    EXPECT_EQ(byName, with({"--good", "2,3"}));
    EXPECT_EQ(with({"--avoid", "大格，刑格", "--avoid-all"}), with({"--avoid", "10005", "--avoid", "6", "--avoid-all"}));
    SearchRun bad = run({"--from", "2008-01-01 00:00", "--to", "2008-01-02 00:00", "--good", "27"});
    EXPECT_EQ(bad.code, 1);
}

TEST_F(SearchCommand, ListingPrintsTheChartOfOneLine) {
    SearchRun r = run({"--listing", "12:2008-05-03 14:00"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("第12条:\n公历:2008年5月3日14时0分\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("└──────┴──────┴──────┘"), std::string::npos);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(run({"--listing", "2008-05-03"}).code, 1);
}

}  // namespace

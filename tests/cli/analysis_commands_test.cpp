// `qimen topic`, `qimen travel` and the analysis in `qimen chart`: what each
// prints, and refusals as one line on standard error with exit code 1.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_run.hpp"
#include "knowledge/knowledge_base.hpp"

namespace {

using CommandRun = qimen::testing::CliRun;

class AnalysisCommands : public qimen::testing::CliTest {
protected:
    AnalysisCommands() : CliTest({}, {2008, 8, 8, 20, 8}) {}
};

std::string withoutCr(std::string_view text) {
    std::string s(text);
    std::erase(s, '\r');
    return s;
}

TEST_F(AnalysisCommands, TopicPrintsBothHalvesOfTheGuideForAnHourChart) {
    CommandRun r = run({"topic", "天气"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string guide = withoutCr(std::string(qimen::knowledge::lookupText(3112)) +
                                  std::string(qimen::knowledge::lookupText(3113)));
    EXPECT_EQ(r.out.substr(0, guide.size()), guide);
    EXPECT_TRUE(std::filesystem::exists(root.dat() / "syscus.dat"));
}

TEST_F(AnalysisCommands, TopicIsRefusedForADayChartAndAFlyingPalaceHourChart) {
    for (auto args : {std::vector<std::string>{"topic", "求财", "--method", "day"},
                      std::vector<std::string>{"topic", "求财", "--set", "pan=1"}}) {
        CommandRun r = run(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "qimen: 目前只能预测时家转盘奇门，请选择时家奇门盘式!\n");
    }
}

TEST_F(AnalysisCommands, AnUnknownTopicIsAnError) {
    CommandRun r = run({"topic", "搬家"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("求财"), std::string::npos);
}

TEST_F(AnalysisCommands, TravelPrintsTheFormulaOfTheMoment) {
    CommandRun r = run({"travel", "2008-08-08 20:08"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("出行公历:2008年8月8日20时8分\n当日干支:戊子年 庚申月 庚辰日 丙戌时\n\n【出行密诀】\n18数吉", 0), 0u)
        << r.out;
}

TEST_F(AnalysisCommands, TravelOutsideItsYearsOrOnAMissingDayIsRefusedWithExitOne) {
    // Far years are refused, never wrapped into the range (67536 is not 2000).
    for (const char* moment : {"1899-12-31 12:00", "2051-01-01 00:00", "67536-01-01 10:00", "2101-01-01 00:00",
                               "-5-01-01 00:00"}) {
        CommandRun r = run({"travel", moment});
        EXPECT_EQ(r.code, 1) << moment;
        EXPECT_EQ(r.err, "qimen: 出行时间在开始时间那里输入，范围在1900－2050年。\n") << moment;
    }
    // A day that does not exist is named as such.
    CommandRun missing = run({"travel", "2001-02-29 12:00"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "qimen: 不存在这个日期\n");
    // One strict form, as every command takes it.
    for (const char* moment : {"tomorrow", "+2001-01-01 10:00", "2001- 1- 1 10: 0", "2001-01-01 10:00x"}) {
        CommandRun r = run({"travel", moment});
        EXPECT_EQ(r.code, 1) << moment;
        EXPECT_EQ(r.out, "") << moment;
    }
}

TEST_F(AnalysisCommands, ARefusedTopicLeavesNoFileBehind) {
    for (auto args : {std::vector<std::string>{"topic", "求财", "--method", "day"},
                      std::vector<std::string>{"topic", "求财", "--set", "pan=1"},
                      std::vector<std::string>{"topic", "求财", "--at", "1899-06-01 10:00", "--set", "ju=1"}}) {
        CommandRun r = run(args);
        EXPECT_EQ(r.code, 1) << r.err;
        EXPECT_TRUE(std::filesystem::is_empty(root.path())) << args.back();
    }
}

TEST_F(AnalysisCommands, ChartPrintsTheAnalysisBelowTheGrid) {
    CommandRun r = run({"chart", "--at", "2008-08-08 20:08"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::size_t grid = r.out.find("└");
    std::size_t analysis = r.out.find("※综合分析整个遁甲盘");
    ASSERT_NE(analysis, std::string::npos);
    EXPECT_LT(grid, analysis);
    EXPECT_NE(r.out.find("凶格：五不遇时,"), std::string::npos);
    EXPECT_NE(r.out.find("御定奇门宝鉴："), std::string::npos);
}

TEST_F(AnalysisCommands, ChartJsonCarriesPatternsScoresTotalAndVerdict) {
    CommandRun r = run({"chart", "--at", "2008-08-08 20:08", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    ASSERT_TRUE(j.contains("analysis"));
    int sum = 0;
    for (int g = 0; g < 9; ++g) {
        if (g == 4) {
            EXPECT_FALSE(j["cells"][g].contains("patterns"));
            continue;
        }
        ASSERT_TRUE(j["cells"][g].contains("score"));
        sum += j["cells"][g]["score"].get<int>();
    }
    EXPECT_EQ(j["analysis"]["fiveNonMeeting"], true);
    EXPECT_EQ(j["analysis"]["total"].get<int>(), sum - 1);
    EXPECT_EQ(j["analysis"]["verdict"], "平平");
    // 巽4 (grid cell 0) shows 悖格 first, as the chart text lists it.
    EXPECT_EQ(j["cells"][0]["patterns"][0]["name"], "悖格");
    EXPECT_EQ(j["cells"][0]["patterns"][0]["code"], 10000);
}

TEST_F(AnalysisCommands, ChartJsonOfADayChartHasNoAnalysis) {
    CommandRun r = run({"chart", "--at", "2008-08-08 20:08", "--method", "day", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_FALSE(nlohmann::json::parse(r.out).contains("analysis"));
}

TEST_F(AnalysisCommands, TopicPrintsTheGuideThenTheJudgementOfTheChart) {
    CommandRun r = run({"topic", "求财", "--at", "2008-08-08 20:00"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string guide = withoutCr(std::string(qimen::knowledge::lookupText(3100)) +
                                  std::string(qimen::knowledge::lookupText(3101)));
    EXPECT_EQ(r.out.rfind(guide + "\n\n本盘断语：凶\n取用：日干庚为求财之人，落巽４；", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n●生门落巽受宫克：财路受阻，经营吃力\n"), std::string::npos);
}

TEST_F(AnalysisCommands, TopicTravelGivesTheVerseAndTheDirections) {
    CommandRun r = run({"topic", "出行", "--at", "2008-08-08 20:00"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("【出行密诀】\n18数吉\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n出行方位：宜向东北（艮８："), std::string::npos) << r.out;
    CommandRun refused = run({"topic", "出行", "--method", "day"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "qimen: 目前只能预测时家转盘奇门，请选择时家奇门盘式!\n");
}

TEST_F(AnalysisCommands, TopicJsonCarriesTheVerdictTheReasonsAndThePalaces) {
    CommandRun r = run({"topic", "求财", "--at", "2008-08-08 20:00", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["topic"], "求财");
    EXPECT_EQ(j["verdict"], "凶");
    EXPECT_EQ(j["score"], -7);
    EXPECT_EQ(j["elements"][2]["name"], "生门");
    EXPECT_EQ(j["elements"][2]["role"], "用");
    EXPECT_EQ(j["elements"][2]["palace"], 4);
    EXPECT_EQ(j["elements"][2]["direction"], "东南");
    EXPECT_EQ(j["elements"][3]["palace"], 9);
    bool pressed = false;
    for (const auto& reason : j["reasons"])
        pressed = pressed || (reason["feature"] == "宫迫" && reason["element"] == "生门" && reason["weight"] == -2);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(j["timing"], "生门落巽入墓，待戌日冲开墓库，事乃有动");
    EXPECT_EQ(j["text"].get<std::string>().rfind(j["guide"].get<std::string>(), 0), 0u);
}

TEST_F(AnalysisCommands, ChartAnalysisEndsWithTheJudgementWhenTheMatterNamesATopic) {
    CommandRun asked = run({"chart", "--at", "2008-08-08 20:00", "--matter", "问求财"});
    ASSERT_EQ(asked.code, 0) << asked.err;
    EXPECT_NE(asked.out.find("\n\n所问：求财\n本盘断语：凶\n"), std::string::npos) << asked.out;
    CommandRun other = run({"chart", "--at", "2008-08-08 20:00", "--matter", "搬家"});
    EXPECT_EQ(other.out.find("本盘断语："), std::string::npos);
    auto j = nlohmann::json::parse(run({"chart", "--at", "2008-08-08 20:00", "--matter", "求财", "--json"}).out);
    EXPECT_EQ(j["judgement"]["verdict"], "凶");
    EXPECT_FALSE(nlohmann::json::parse(run({"chart", "--at", "2008-08-08 20:00", "--json"}).out).contains("judgement"));
}

}  // namespace

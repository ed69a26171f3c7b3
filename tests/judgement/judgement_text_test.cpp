// What the user reads: the "本盘断语：" block, the topic memo (guide, blank
// line, block) for the window's buttons and the command line, the refusal
// of charts that are not rotating-plate hour charts, and the block the
// chart's analysis gains when the matter names a topic.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "workflow/chart_driver.hpp"
#include "judgement/judgement_text.hpp"
#include "judgement/snapshot_memo.hpp"
#include "judgement_test_support.hpp"
#include "knowledge/knowledge_base.hpp"

namespace qimen::judgement::testing {
namespace {

constexpr calendar::CivilDateTime kOlympics{2008, 8, 8, 20, 0};

struct Named {
    const char* name;
    const char* matter;
    std::optional<Topic> topic;
};

class MatterText : public ::testing::TestWithParam<Named> {};

TEST_P(MatterText, NamesTheTopicThatAppearsFirst) { EXPECT_EQ(topicNamedIn(GetParam().matter), GetParam().topic); }

INSTANTIATE_TEST_SUITE_P(Topics, MatterText,
                         ::testing::Values(Named{"Alone", "求财", Topic::Wealth},
                                           Named{"InASentence", "问婚姻能否成", Topic::Marriage},
                                           Named{"TravelFirst", "月底出行求财", Topic::Travel},
                                           Named{"WealthFirst", "求财出行", Topic::Wealth},
                                           Named{"AfterAPerson", "母亲疾病", Topic::Illness},
                                           Named{"NoTopic", "搬家", std::nullopt}, Named{"Empty", "", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JudgementText, BlockOpensWithTheVerdictAndThePlacesAndEndsWithTheTiming) {
    auto chart = hourChart(kOlympics);
    Expected<Judgement> judged = judgeTopic(*chart, Topic::Wealth);
    ASSERT_TRUE(judged);
    std::string text = judgementText(*judged);
    EXPECT_EQ(text.rfind("本盘断语：凶\r\n"
                         "取用：日干庚为求财之人，落巽４；时干丙为所求之财，落震３；生门为财路，落巽４；戊为本钱，落离９。\r\n"
                         "○日干庚当令而旺：求财之人精力充沛\r\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\r\n●生门落巽受宫克：财路受阻，经营吃力\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n●庚临生门之宫：有人争利，财路有阻\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n●戊落离逢空亡：本钱落空，资金难以为继\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n应期：生门落巽入墓，待戌日冲开墓库，事乃有动\r\n")) << text;
    // One line per reason between the places and the timing.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(judged->reasons.size()) + 3);
}

TEST(JudgementText, TravelNamesTheBestAndWorstDirections) {
    auto chart = hourChart(kOlympics);
    std::string text = judgementText(*judgeTopic(*chart, Topic::Travel));
    EXPECT_TRUE(text.ends_with("出行方位：宜向东北（艮８：开门、太阴、乙奇逢马、真诈、云遁）；忌向西北（乾６：死门、天蓬、白虎）\r\n"))
        << text;
}

TEST(JudgementText, AHiddenDayStemIsShownWithItsInstrument) {
    auto chart = hourChart({2024, 3, 1, 4, 0});  // 甲子 day: 甲 hides under 戊
    std::string text = judgementText(*judgeTopic(*chart, Topic::Illness));
    EXPECT_NE(text.find("取用：日干甲（遁于戊）为病人，落兑７；"), std::string::npos) << text;
}

TEST(TopicMemo, IsTheGuideABlankLineAndTheJudgement) {
    auto chart = hourChart(kOlympics);
    for (int t = 0; t < kTopicCount; ++t) {
        const Topic topic = static_cast<Topic>(t);
        Expected<std::string> memo = topicMemo(*chart, topic);
        ASSERT_TRUE(memo) << memo.message();
        std::string guide;
        if (topic == Topic::Travel) {
            guide = "【出行密诀】\r\n" + std::string(knowledge::lookupText(3218));  // 庚 8 + 辰 5 + 戌 5 = 18
        } else {
            guide = std::string(knowledge::lookupText(static_cast<knowledge::TextId>(3100 + 2 * t))) +
                    std::string(knowledge::lookupText(static_cast<knowledge::TextId>(3101 + 2 * t)));
        }
        EXPECT_EQ(*memo, guide + "\r\n\r\n" + judgementText(*judgeTopic(*chart, topic))) << kTopicNames[t];
    }
}

TEST(TopicMemo, ChartsOtherThanRotatingHourChartsAreRefusedWithTheTopicMessage) {
    auto chart = hourChart(kOlympics);
    chart::ChartRecord flying = *chart;
    flying.settings.pan = 1;
    chart::ChartRecord day = *chart;
    day.method = chart::ChartMethod::Day;
    chart::ChartRecord yinPlate = *chart;
    yinPlate.method = chart::ChartMethod::YinPlate;
    for (const chart::ChartRecord* refused : {&flying, &day, &yinPlate})
        for (int t = 0; t < kTopicCount; ++t) {
            Expected<std::string> memo = topicMemo(*refused, static_cast<Topic>(t));
            ASSERT_FALSE(memo);
            EXPECT_EQ(memo.message(), "目前只能预测时家转盘奇门，请选择时家奇门盘式!");
        }
}

// The window's buttons go through the topic judge's copy of the last chart.
TEST(TopicMemo, TheJudgesSnapshotGivesTheSameMemoAsTheChartAndRefusesOtherMethods) {
    qimen::testing::TempDataRoot root;
    chart::ChartRequest request;
    request.inputDate = kOlympics;
    workflow::ChartEnvironment environment;
    environment.dataRoot = root.path();
    auto record = std::make_unique<chart::ChartRecord>();
    ASSERT_TRUE(workflow::drawChart(*record, request, environment));
    analysis::TopicJudge judge(root.path());
    judge.takeSnapshot(*record);
    for (int t = 0; t < kTopicCount; ++t) {
        Expected<std::string> fromJudge = topicButtonMemo(judge, static_cast<Topic>(t));
        ASSERT_TRUE(fromJudge) << fromJudge.message();
        EXPECT_EQ(*fromJudge, *topicMemo(*record, static_cast<Topic>(t))) << kTopicNames[t];
    }
    request.method = chart::ChartMethod::Day;
    ASSERT_TRUE(workflow::drawChart(*record, request, environment));
    judge.takeSnapshot(*record);
    for (int t = 0; t < kTopicCount; ++t)
        EXPECT_EQ(topicButtonMemo(judge, static_cast<Topic>(t)).message(), "目前只能预测时家转盘奇门，请选择时家奇门盘式!");
}

struct Drawn {
    std::string chartText;
    std::vector<render::StyledRange> ranges;
    std::string memo;
};

Drawn draw(const std::string& matter, chart::ChartMethod method, bool judgeMatter) {
    qimen::testing::TempDataRoot root;
    chart::ChartRequest request;
    request.inputDate = kOlympics;
    request.method = method;
    request.matter = matter;
    Drawn drawn;
    workflow::ChartEnvironment environment;
    environment.dataRoot = root.path();
    environment.judgeMatter = judgeMatter;
    environment.showOutput = [&](render::StyledText&& text) {
        drawn.chartText = std::move(text.text);
        drawn.ranges = std::move(text.ranges);
    };
    environment.showMemo = [&](const std::string& memo) { drawn.memo = memo; };
    auto record = std::make_unique<chart::ChartRecord>();
    EXPECT_TRUE(workflow::drawChart(*record, request, environment));
    return drawn;
}

TEST(ChartAnalysis, EndsWithTheJudgementOfTheMatterWhenAskedAndOnlyThen) {
    const Drawn plain = draw("问求财", chart::ChartMethod::Hour, false);
    const Drawn judged = draw("问求财", chart::ChartMethod::Hour, true);
    auto chart = hourChart(kOlympics);
    const std::string block = "\r\n所问：求财\r\n" + judgementText(*judgeTopic(*chart, Topic::Wealth));
    EXPECT_EQ(judged.chartText, plain.chartText + block);
    EXPECT_EQ(judged.memo, plain.memo + block);
    EXPECT_EQ(plain.chartText.find("本盘断语："), std::string::npos);
    // Its heading is blue and bold, like the quotation's; the ranges before it are the plain chart's.
    ASSERT_EQ(judged.ranges.size(), plain.ranges.size() + 1);
    const render::StyledRange& added = judged.ranges.back();
    EXPECT_EQ(added.start, judged.chartText.find("本盘断语："));
    EXPECT_EQ(added.length, std::string_view("本盘断语：").size());
    EXPECT_EQ(added.colour, render::kBlue);
    EXPECT_TRUE(added.bold);
    // A matter naming no topic, and a chart without the judgement, are left as they were.
    EXPECT_EQ(draw("搬家", chart::ChartMethod::Hour, true).chartText, draw("搬家", chart::ChartMethod::Hour, false).chartText);
    EXPECT_EQ(draw("求财", chart::ChartMethod::Day, true).chartText, draw("求财", chart::ChartMethod::Day, false).chartText);
}

}  // namespace
}  // namespace qimen::judgement::testing

// The topic judge: which charts it answers for, the refusal word for word,
// the two halves of a guide, the snapshot and the system chart file.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "analysis/topic_judge.hpp"
#include "knowledge/knowledge_base.hpp"

namespace qimen::analysis {
namespace {

using namespace knowledge;

chart::ChartRecord hourChart(int pan = 0) {
    chart::ChartRecord record;
    record.method = chart::ChartMethod::Hour;
    record.settings.pan = static_cast<std::uint8_t>(pan);
    record.dayGZ = 17;
    record.yangDun = true;
    record.ju = 4;
    record.cells[3].heavenStem = 8;
    return record;
}

TEST(TopicJudge, ARotatingPlateHourChartGetsBothHalvesOfTheGuideWithNothingBetween) {
    qimen::testing::TempDataRoot root;
    TopicJudge judge(root.path());
    judge.takeSnapshot(hourChart());
    for (int t = 0; t < kTopicCount; ++t) {
        auto guide = judge.judgeTopic(t);
        ASSERT_TRUE(guide) << t;
        TextPair ids = topicGuideIds(t);
        EXPECT_EQ(*guide, std::string(lookupText(ids.first)) + std::string(lookupText(ids.second))) << t;
    }
}

TEST(TopicJudge, WeatherJoinsTexts3112And3113) {
    qimen::testing::TempDataRoot root;
    TopicJudge judge(root.path());
    judge.takeSnapshot(hourChart());
    auto guide = judge.judgeTopic(topicOfName("天气"));
    ASSERT_TRUE(guide);
    EXPECT_EQ(*guide, std::string(lookupText(3112)) + std::string(lookupText(3113)));
    EXPECT_FALSE(lookupText(3112).empty());
}

struct RefusedCase {
    const char* name;
    chart::ChartMethod method;
    int pan;
};
class TopicRefusal : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(TopicRefusal, AnyChartButARotatingPlateHourChartIsRefusedWithTheFixedMessage) {
    qimen::testing::TempDataRoot root;
    TopicJudge judge(root.path());
    judge.takeSnapshot(hourChart());
    chart::ChartRecord record = hourChart(GetParam().pan);
    record.method = GetParam().method;
    judge.takeSnapshot(record);
    EXPECT_EQ(judge.judgeTopic(0).message(), "目前只能预测时家转盘奇门，请选择时家奇门盘式!");
}

INSTANTIATE_TEST_SUITE_P(Charts, TopicRefusal,
                         ::testing::Values(RefusedCase{"day", chart::ChartMethod::Day, 0},
                                           RefusedCase{"month", chart::ChartMethod::Month, 0},
                                           RefusedCase{"year", chart::ChartMethod::Year, 0},
                                           RefusedCase{"small", chart::ChartMethod::SmallFlying, 0},
                                           RefusedCase{"yin", chart::ChartMethod::YinPlate, 0},
                                           RefusedCase{"flying_hour", chart::ChartMethod::Hour, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TopicSnapshot, AnotherMethodChangesOnlyTheMethodOfTheSnapshot) {
    qimen::testing::TempDataRoot root;
    TopicJudge judge(root.path());
    judge.takeSnapshot(hourChart());
    chart::ChartRecord day;
    day.method = chart::ChartMethod::Day;
    day.dayGZ = 40;
    judge.takeSnapshot(day);
    EXPECT_EQ(judge.snapshot().request.method, chart::ChartMethod::Day);
    EXPECT_EQ(judge.snapshot().dayGZ, 17);
    EXPECT_EQ(judge.snapshot().cells[3].heavenStem, 8);
}

TEST(TopicSnapshot, AnHourChartAfterARefusalIsAnsweredAgain) {
    qimen::testing::TempDataRoot root;
    TopicJudge judge(root.path());
    chart::ChartRecord day;
    day.method = chart::ChartMethod::Day;
    judge.takeSnapshot(day);
    EXPECT_FALSE(judge.judgeTopic(1));
    judge.takeSnapshot(hourChart());
    EXPECT_TRUE(judge.judgeTopic(1));
    EXPECT_EQ(judge.snapshot().ju, 4);
}

TEST(TopicJudge, ATopicOutsideTheSevenIsRefused) {
    qimen::testing::TempDataRoot root;
    TopicJudge judge(root.path());
    judge.takeSnapshot(hourChart());
    EXPECT_EQ(judge.judgeTopic(7).message(), "topic number 7 is outside 0..6");
    EXPECT_EQ(judge.judgeTopic(-1).message(), "topic number -1 is outside 0..6");
}

TEST(TopicNames, AreTheToolbarLabelsInTopicOrder) {
    EXPECT_EQ(topicOfName("求财"), 0);
    EXPECT_EQ(topicOfName("婚姻"), 1);
    EXPECT_EQ(topicOfName("疾病"), 2);
    EXPECT_EQ(topicOfName("工作"), 3);
    EXPECT_EQ(topicOfName("考试"), 4);
    EXPECT_EQ(topicOfName("诉讼"), 5);
    EXPECT_EQ(topicOfName("天气"), 6);
    EXPECT_EQ(topicOfName("出行"), -1);
}

TEST(SystemChartFile, AMissingFileIsCreatedHoldingTheCountZero) {
    qimen::testing::TempDataRoot root;
    std::filesystem::create_directories(root.dat());
    TopicJudge judge(root.path());
    EXPECT_EQ(judge.systemChartsError(), "");
    EXPECT_EQ(qimen::testing::fileBytes(root.dat() / "syscus.dat"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(SystemChartFile, AnExistingFileIsLeftAsItIs) {
    qimen::testing::TempDataRoot root;
    std::filesystem::create_directories(root.dat());
    {
        std::ofstream out(root.dat() / "syscus.dat", std::ios::binary);
        out.write("\0\0\0\0extra", 9);
    }
    TopicJudge judge(root.path());
    EXPECT_EQ(qimen::testing::fileBytes(root.dat() / "syscus.dat").size(), 9u);
}

}  // namespace
}  // namespace qimen::analysis

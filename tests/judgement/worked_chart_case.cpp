// The check every hand-worked chart goes through.
#include "worked_chart_case.hpp"

namespace qimen::judgement::testing {
namespace {

TEST_P(WorkedChart, VerdictReasonsAndTimingAreThoseReckonedByHand) {
    const WorkedCase& c = GetParam();
    auto chart = hourChart(c.moment);
    Expected<Judgement> judged = judgeTopic(*chart, c.topic);
    ASSERT_TRUE(judged) << judged.message();
    EXPECT_EQ(signatures(*judged), c.reasons);
    EXPECT_EQ(judged->score, c.score);
    EXPECT_EQ(judged->verdict, c.verdict) << verdictText(judged->verdict);
    EXPECT_EQ(judged->timing, c.timing);
    if (c.topic == Topic::Travel) {
        ASSERT_TRUE(judged->best && judged->worst);
        EXPECT_EQ(judged->best->palace, c.best);
        EXPECT_EQ(judged->worst->palace, c.worst);
    }
}

}  // namespace
}  // namespace qimen::judgement::testing

// The verdict thresholds, the seasonal state of a thing in the month, the
// entries of a state text and the 五不遇时 rule.
#include <gtest/gtest.h>

#include "analysis/analysis_tables.hpp"

namespace qimen::analysis {
namespace {

struct VerdictCase {
    int sum;
    const char* line;
};

class VerdictBySum : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictBySum, EachBandEndsExactlyAtItsThreshold) {
    EXPECT_EQ(verdictLine(GetParam().sum), GetParam().line) << "sum " << GetParam().sum;
}

INSTANTIATE_TEST_SUITE_P(Thresholds, VerdictBySum,
                         ::testing::Values(VerdictCase{-40, "大凶。\r\n"}, VerdictCase{-15, "大凶。\r\n"},
                                           VerdictCase{-14, "凶。\r\n"}, VerdictCase{-5, "凶。\r\n"},
                                           VerdictCase{-4, "平平。\r\n"}, VerdictCase{0, "平平。\r\n"},
                                           VerdictCase{5, "平平。\r\n"}, VerdictCase{6, "吉。\r\n"},
                                           VerdictCase{14, "吉。\r\n"}, VerdictCase{15, "大吉。\r\n"},
                                           VerdictCase{40, "大吉。\r\n"}));

// Elements: 0 水 1 木 2 火 3 土 4 金. In a 水 month: 水 旺, 木 相, 金 休,
// 土 囚, 火 死; entries run 旺 相 休 囚 死 = 1..5.
TEST(SeasonalState, FollowsTheGeneratingAndControllingCycles) {
    EXPECT_EQ(stateIndex(0, 0), 1);  // 水 in 水: 旺
    EXPECT_EQ(stateIndex(1, 0), 2);  // 木 in 水: 相
    EXPECT_EQ(stateIndex(4, 0), 3);  // 金 in 水: 休
    EXPECT_EQ(stateIndex(3, 0), 4);  // 土 in 水: 囚
    EXPECT_EQ(stateIndex(2, 0), 5);  // 火 in 水: 死
}

TEST(SeasonalState, DependsOnlyOnTheDistanceOfTheElements) {
    for (int month = 0; month < 5; ++month)
        for (int d = 0; d < 5; ++d) EXPECT_EQ(stateIndex((month + d) % 5, month), stateIndex(d, 0));
}

TEST(StateEntry, EntryNIsBetweenTheSemicolonsNMinusOneAndN) {
    constexpr std::string_view text = "旺主甲；相主乙；休主丙；囚主丁；死主戊；";
    EXPECT_EQ(stateEntry(text, 1), "旺主甲");
    EXPECT_EQ(stateEntry(text, 2), "相主乙");
    EXPECT_EQ(stateEntry(text, 3), "休主丙");
    EXPECT_EQ(stateEntry(text, 4), "囚主丁");
    EXPECT_EQ(stateEntry(text, 5), "死主戊");
}

TEST(StateEntry, AnEntryBeyondTheTextsSemicolonsIsEmpty) {
    constexpr std::string_view shortText = "旺主甲；相主乙；休主丙";
    EXPECT_EQ(stateEntry(shortText, 2), "相主乙");
    EXPECT_EQ(stateEntry(shortText, 3), "");  // not ended by "；"
    EXPECT_EQ(stateEntry(shortText, 5), "");
    EXPECT_EQ(stateEntry("", 1), "");
    EXPECT_EQ(stateEntry(" ", 1), "");  // the placeholder
}

TEST(StateEntry, AnAsciiSemicolonDoesNotSeparateEntries) {
    EXPECT_EQ(stateEntry("旺主甲;相；", 1), "旺主甲;相");
}

TEST(FiveNonMeeting, HoldsWhenTheHourStemIsSixAfterTheDayStem) {
    EXPECT_TRUE(isFiveNonMeetingHour(1, 7));   // 甲 day, 庚 hour
    EXPECT_TRUE(isFiveNonMeetingHour(0, 6));   // 癸 day, 己 hour
    EXPECT_TRUE(isFiveNonMeetingHour(5, 1));   // 戊 day, 甲 hour
    EXPECT_FALSE(isFiveNonMeetingHour(1, 1));  // 甲 day, 甲 hour
    for (int day = 0; day < 10; ++day) {
        int holding = 0;
        for (int hour = 0; hour < 10; ++hour)
            holding += isFiveNonMeetingHour(static_cast<calendar::StemCode>(day), static_cast<calendar::StemCode>(hour));
        EXPECT_EQ(holding, 1) << "day stem " << day;
    }
}

}  // namespace
}  // namespace qimen::analysis

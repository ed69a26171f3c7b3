// The counters, the satisfied groups and the pass rule on laid charts and
// on hand-made tallies.
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "chart/codes.hpp"
#include "search/candidate_chart.hpp"
#include "search/condition_matcher.hpp"

namespace {

using qimen::chart::ChartRecord;
using qimen::search::ChartTally;
using qimen::search::SearchConditions;

std::unique_ptr<ChartRecord> laid(qimen::calendar::CivilDateTime m) {
    auto r = std::make_unique<ChartRecord>();
    qimen::search::layCandidateChart(*r, m, qimen::calendar::julianDay(m));
    return r;
}

bool passes(const SearchConditions& c, const ChartRecord& r) {
    return qimen::search::chartPasses(c, qimen::search::activeGroupCount(c), r);
}

TEST(ConditionColumns, DeityStemAndDoorColumnsSkipTheCentreCodes) {
    EXPECT_EQ(qimen::search::deityColumn(3), 3);
    EXPECT_EQ(qimen::search::deityColumn(5), 4);
    EXPECT_EQ(qimen::search::deityColumn(8), 7);
    EXPECT_EQ(qimen::search::stemColumn(2), 0);  // 乙
    EXPECT_EQ(qimen::search::stemColumn(9), 7);  // 壬
    EXPECT_EQ(qimen::search::stemColumn(0), 8);  // 癸
    EXPECT_EQ(qimen::search::doorColumn(4), 4);
    EXPECT_EQ(qimen::search::doorColumn(6), 5);  // 开
    EXPECT_EQ(qimen::search::doorColumn(8), 7);
}

TEST(ConditionGroups, TenFieldsCountAsGroups) {
    SearchConditions c;
    EXPECT_EQ(qimen::search::activeGroupCount(c), 0);
    c.starCount = 3;
    c.wantedLeaderDoorPalace = 4;
    c.badPatternCount = 1;
    c.starAll = 1;  // flags are not groups
    EXPECT_EQ(qimen::search::activeGroupCount(c), 3);
}

TEST(ConditionPositions, EachCellIsComparedWithThePalaceWantedForWhatItHolds) {
    auto r = laid({2008, 5, 3, 14, 0});
    for (int cell = 0; cell < 9; ++cell) {
        const auto& pc = r->cells[static_cast<std::size_t>(cell)];
        auto palace = qimen::chart::palaceOfCell(cell);
        SearchConditions c;
        c.allRequired = 1;
        c.starPalace[pc.star] = palace;
        c.starCount = 1;
        c.heavenStemPalace[static_cast<std::size_t>(qimen::search::stemColumn(pc.heavenStem))] = palace;
        c.heavenStemCount = 1;
        c.earthStemPalace[static_cast<std::size_t>(qimen::search::stemColumn(pc.earthStem))] = palace;
        c.earthStemCount = 1;
        if (cell != qimen::chart::kCentreCell) {
            c.deityPalace[static_cast<std::size_t>(qimen::search::deityColumn(pc.deity))] = palace;
            c.deityCount = 1;
            c.doorPalace[static_cast<std::size_t>(qimen::search::doorColumn(pc.door))] = palace;
            c.doorCount = 1;
        }
        EXPECT_TRUE(passes(c, *r)) << "cell " << cell;
        // One palace off and the all-required search fails.
        c.starPalace[pc.star] = palace == 9 ? 1 : palace + 1;
        EXPECT_FALSE(passes(c, *r)) << "cell " << cell;
    }
}

TEST(ConditionPositions, TianQinHoldsInTheCentreOnlyAndPalaceZeroNeverMatches) {
    for (auto m : {qimen::calendar::CivilDateTime{2008, 5, 3, 14, 0}, {1931, 12, 22, 3, 0}, {2050, 6, 1, 9, 0}}) {
        auto r = laid(m);
        SearchConditions c;
        c.starCount = 1;
        c.starPalace[qimen::chart::kStarQin] = 5;
        EXPECT_TRUE(passes(c, *r));
        for (int p : {0, 1, 2, 3, 4, 6, 7, 8, 9}) {
            c.starPalace[qimen::chart::kStarQin] = static_cast<std::uint8_t>(p);
            EXPECT_FALSE(passes(c, *r)) << p;
        }
    }
}

TEST(ConditionPositions, SimultaneousFlagNeedsEveryStatedPosition) {
    auto r = laid({2008, 5, 3, 14, 0});
    SearchConditions c;
    c.starPalace[qimen::chart::kStarQin] = 5;  // holds
    c.starPalace[r->cells[0].star] = 1;        // cell 0 is 巽4: never palace 1
    c.starCount = 2;
    EXPECT_TRUE(passes(c, *r));
    c.starAll = 1;
    EXPECT_FALSE(passes(c, *r));
}

TEST(ConditionLeaders, LeaderStarChoiceAndLeaderPalaces) {
    auto r = laid({2008, 5, 3, 14, 0});
    SearchConditions c;
    c.leaderChoice[r->leaderStar] = 1;
    c.leaderChoiceCount = 1;
    EXPECT_TRUE(passes(c, *r));
    c = SearchConditions{};
    c.leaderChoice[(r->leaderStar + 1) % 9] = 1;
    c.leaderChoiceCount = 1;
    EXPECT_FALSE(passes(c, *r));
    c = SearchConditions{};
    c.allRequired = 1;
    c.wantedLeaderStarPalace = r->leaderStarPalace;
    c.wantedLeaderDoorPalace = r->leaderDoorPalace;
    EXPECT_TRUE(passes(c, *r));
    c.wantedLeaderDoorPalace = r->leaderDoorPalace % 9 + 1;
    EXPECT_FALSE(passes(c, *r));
    c.allRequired = 0;
    EXPECT_TRUE(passes(c, *r));
}

// The pattern groups on hand-made tallies.
struct PatternGroupCase {
    const char* name;
    int goodCount, goodAll, goodFound;
    int badCount, badAll, badFound;
    int satisfied;
};

class ConditionPatternGroups : public ::testing::TestWithParam<PatternGroupCase> {};

TEST_P(ConditionPatternGroups, SatisfiedCount) {
    const auto& p = GetParam();
    SearchConditions c;
    c.goodPatternCount = static_cast<std::uint8_t>(p.goodCount);
    c.goodPatternAll = static_cast<std::uint8_t>(p.goodAll);
    c.badPatternCount = static_cast<std::uint8_t>(p.badCount);
    c.badPatternAll = static_cast<std::uint8_t>(p.badAll);
    ChartRecord r;
    r.leaderStarPalace = r.leaderDoorPalace = 1;
    ChartTally t;
    t.goodFound = p.goodFound;
    t.badFound = p.badFound;
    EXPECT_EQ(qimen::search::satisfiedGroupCount(c, r, t), p.satisfied);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConditionPatternGroups,
    ::testing::Values(PatternGroupCase{"OneWantedFound", 3, 0, 1, 0, 0, 0, 1},
                      PatternGroupCase{"AllWantedButOneFound", 3, 1, 2, 0, 0, 0, 0},
                      PatternGroupCase{"AllWantedAllFound", 3, 1, 3, 0, 0, 0, 1},
                      PatternGroupCase{"NoneWantedFound", 3, 0, 0, 0, 0, 0, 0},
                      PatternGroupCase{"AvoidAllNoneOccurs", 0, 0, 0, 2, 1, 0, 1},
                      PatternGroupCase{"AvoidAllOneOccurs", 0, 0, 0, 2, 1, 1, 0},
                      PatternGroupCase{"AvoidSomeOneOfTwoOccurs", 0, 0, 0, 2, 0, 1, 1},
                      PatternGroupCase{"AvoidSomeBothOccur", 0, 0, 0, 2, 0, 2, 0},
                      PatternGroupCase{"NothingTickedNothingHolds", 0, 1, 0, 0, 1, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConditionPatterns, AvoidAllPassesOnlyChartsWithoutTheTickedPatternsInAnyCell) {
    // Over a week of charts, compare with the detector run by hand.
    SearchConditions c;
    c.badPattern[5] = c.badPattern[6] = 1;  // 大格, 刑格
    c.badPatternCount = 2;
    c.badPatternAll = 1;
    SearchConditions some = c;
    some.badPatternAll = 0;
    int passedAll = 0, passedSome = 0;
    for (int k = 0; k < 84; ++k) {
        auto r = laid({2011, 3, static_cast<std::int16_t>(1 + k / 12), static_cast<std::int16_t>(2 * (k % 12)), 0});
        std::array<qimen::patterns::PalaceFindings, 9> f{};
        qimen::patterns::detectChartPatterns(*r, f, {}, qimen::patterns::CentreCell::Include);
        bool da = false, xing = false;
        for (const auto& cell : f) {
            da = da || cell.contains(10005);
            xing = xing || cell.contains(10006);
        }
        EXPECT_EQ(passes(c, *r), !da && !xing) << k;
        EXPECT_EQ(passes(some, *r), !(da && xing)) << k;
        passedAll += passes(c, *r);
        passedSome += passes(some, *r);
    }
    EXPECT_GT(passedAll, 0);
    EXPECT_LT(passedAll, 84);
}

}  // namespace

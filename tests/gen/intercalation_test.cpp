// The committed 置闰 table is what its generator writes from the calendar's
// solar terms, and its periods follow the intercalation rule.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "chart/intercalation_table.hpp"
#include "chart/ju_rules.hpp"
#include "intercalation_rule.hpp"

namespace {

using qimen::chart::DunJu;
using qimen::chart::intercalationBlock;
using qimen::chart::termJu;

TEST(IntercalationTable, CommittedFileMatchesGenerator) {
    std::ifstream in(std::string(QIMEN_SOURCE_DIR) + "/data/calendar/intercalation_table.inc", std::ios::binary);
    ASSERT_TRUE(in) << "data/calendar/intercalation_table.inc is missing";
    std::stringstream committed;
    committed << in.rdbuf();
    EXPECT_EQ(committed.str(), qimen::gen::formatIntercalationTable(qimen::gen::computeIntercalationTable()))
        << "regenerate with gen_intercalation data/calendar/intercalation_table.inc";
}

// The term (series index 1..24) whose three yuan give these three blocks.
int termOfPeriod(int firstBlock) {
    for (int term = 1; term <= 24; ++term) {
        bool fits = true;
        for (int yuan = 0; yuan < 3; ++yuan) fits = fits && intercalationBlock(firstBlock + yuan) == termJu(term, yuan);
        if (fits) return term;
    }
    return 0;
}

TEST(IntercalationTable, PeriodsRunThroughTheTermsRepeatingOnlyGrainInEarAndGreatSnow) {
    // Terms with equal triples (e.g. 小寒 and 大寒 differ, but 立夏 and 清明 share
    // 4 1 7) make a period's term ambiguous; follow the expected successor.
    int term = 1;
    int repeats = 0;
    for (int first = 1; first + 2 < qimen::chart::kIntercalationBlocks; first += 3) {
        int next = term % 24 + 1;
        bool isNext = true, isSame = true;
        for (int yuan = 0; yuan < 3; ++yuan) {
            isNext = isNext && intercalationBlock(first + yuan) == termJu(next, yuan);
            isSame = isSame && intercalationBlock(first + yuan) == termJu(term, yuan);
        }
        if (first == 1) {
            ASSERT_EQ(termOfPeriod(1), 1) << "the period from 1900-01-06 is 小寒";
            continue;
        }
        if (isNext) {
            term = next;
        } else {
            ASSERT_TRUE(isSame && (term == 11 || term == 23)) << "block " << first;
            ++repeats;
        }
    }
    // The terms run 0.2184 days longer than the fifteen-day periods, 5.24
    // days a year; one 闰 of fifteen days every 2.86 years: about 53 in 151.
    EXPECT_GE(repeats, 50);
    EXPECT_LE(repeats, 56);
}

TEST(IntercalationRule, RepeatsATermWhenThePeriodLeadsItByNineDays) {
    // With every 芒种 and 大雪 placed 20 days after the period could begin,
    // every such period is repeated; with none ahead, none is.
    auto late = [](int year, int month) { return qimen::calendar::CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), 28, 0, 0}; };
    auto early = [](int year, int month) { return qimen::calendar::CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), 1, 0, 0}; };
    auto lateTable = qimen::gen::computeIntercalationTable(late);
    auto earlyTable = qimen::gen::computeIntercalationTable(early);
    EXPECT_NE(lateTable, earlyTable);
    EXPECT_EQ(lateTable.size(), 1839u);
    EXPECT_EQ(lateTable[0], earlyTable[0]);  // the first thirty days hold no 芒种 or 大雪
}

}  // namespace

// Dun and ju of the hour chart: the split-and-complement table of all 24
// terms and 3 yuan, the yuan of the day, the term in force at real moments,
// and samples of the stored 置闰 table.
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/pillars.hpp"
#include "chart/chart.hpp"
#include "chart/intercalation_table.hpp"

namespace qimen::chart {
namespace {

struct TermRow {
    int termIndex;  // series index, 1 小寒 … 24 冬至
    const char* term;
    bool yang;
    int upper, middle, lower;
};

// The traditional verses: 冬至惊蛰一七四, 小寒二八五, 大寒春分三九六, 雨水九六三,
// 清明立夏四一七, 立春八五二, 谷雨小满五二八, 芒种六三九 (yang); 夏至白露九三六,
// 小暑八二五, 大暑秋分七一四, 立秋二五八, 寒露立冬六九三, 处暑一四七,
// 霜降小雪五八二, 大雪四七一 (yin).
const TermRow kTermTable[] = {
    {1, "小寒", true, 2, 8, 5},   {2, "大寒", true, 3, 9, 6},   {3, "立春", true, 8, 5, 2},
    {4, "雨水", true, 9, 6, 3},   {5, "惊蛰", true, 1, 7, 4},   {6, "春分", true, 3, 9, 6},
    {7, "清明", true, 4, 1, 7},   {8, "谷雨", true, 5, 2, 8},   {9, "立夏", true, 4, 1, 7},
    {10, "小满", true, 5, 2, 8},  {11, "芒种", true, 6, 3, 9},  {12, "夏至", false, 9, 3, 6},
    {13, "小暑", false, 8, 2, 5}, {14, "大暑", false, 7, 1, 4}, {15, "立秋", false, 2, 5, 8},
    {16, "处暑", false, 1, 4, 7}, {17, "白露", false, 9, 3, 6}, {18, "秋分", false, 7, 1, 4},
    {19, "寒露", false, 6, 9, 3}, {20, "霜降", false, 5, 8, 2}, {21, "立冬", false, 6, 9, 3},
    {22, "小雪", false, 5, 8, 2}, {23, "大雪", false, 4, 7, 1}, {24, "冬至", true, 1, 7, 4},
};

class SplitComplementTable : public ::testing::TestWithParam<TermRow> {};

TEST_P(SplitComplementTable, EveryYuanOfTheTermMatchesTheVerse) {
    const TermRow& row = GetParam();
    EXPECT_EQ(solarTermText(row.termIndex - 1), row.term);
    int expected[3] = {row.upper, row.middle, row.lower};
    for (int yuan = 0; yuan < 3; ++yuan) {
        DunJu dunJu = termJu(row.termIndex, yuan);
        EXPECT_EQ(dunJu.yangDun, row.yang) << row.term << " yuan " << yuan;
        EXPECT_EQ(dunJu.ju, expected[yuan]) << row.term << " yuan " << yuan;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTerms, SplitComplementTable, ::testing::ValuesIn(kTermTable),
                         [](const auto& info) { return "Term" + std::to_string(info.param.termIndex); });

TEST(SplitComplementJu, IndexZeroIsTheWinterSolsticeOfTheYearBefore) {
    EXPECT_EQ(termJu(0, 0), termJu(24, 0));
    EXPECT_EQ(termJu(0, 2), (DunJu{true, 4}));
}

TEST(Yuan, FollowsTheFiveDayBlocksOfTheCycle) {
    // 甲子..戊辰 upper, 己巳..癸酉 middle, 甲戌..戊寅 lower, 己卯 upper again;
    // 癸亥 (0, the sixtieth) lower.
    EXPECT_EQ(yuanOfDay(1), 0);
    EXPECT_EQ(yuanOfDay(5), 0);
    EXPECT_EQ(yuanOfDay(6), 1);
    EXPECT_EQ(yuanOfDay(11), 2);
    EXPECT_EQ(yuanOfDay(16), 0);
    EXPECT_EQ(yuanOfDay(31), 0);
    EXPECT_EQ(yuanOfDay(0), 2);
}

// The record of a clock moment (no true solar time) with its pillars.
ChartRecord atMoment(calendar::CivilDateTime date) {
    ChartRecord record;
    setChartMoment(record, date, date);
    computePillars(record);
    return record;
}

struct MomentJu {
    calendar::CivilDateTime date;
    bool yang;
    int ju;
    const char* why;
};

// Term instants from the calendar's table (UTC+8): 2000 冬至 12-21 21:37,
// 大雪 12-07 03:37, 芒种 06-05 16:59, 夏至 06-21 09:48, 立春 02-04 20:40;
// 1999 冬至 12-22.
const MomentJu kMoments[] = {
    {{2000, 12, 21, 21, 0}, false, 4, "大雪, day 癸丑 (50) upper yuan: yin 4"},
    {{2000, 12, 21, 21, 40}, true, 1, "冬至 from 21:37, day 癸丑 upper yuan: yang 1"},
    {{2000, 6, 15, 12, 0}, true, 9, "芒种, day 甲辰 (41) lower yuan: yang 9"},
    {{2000, 6, 21, 12, 0}, false, 9, "夏至 from 09:48, day 庚戌 (47) upper yuan: yin 9"},
    {{2000, 1, 1, 23, 30}, true, 4, "子 month in January: 冬至 of 1999, day 己未 (56, the next day's) lower: yang 4"},
    {{2000, 2, 4, 21, 0}, true, 2, "立春 from 20:40, day 壬辰 (29) lower yuan: yang 2"},
    {{2000, 2, 4, 20, 0}, true, 6, "before 立春 the month is 丑: 大寒, day 壬辰 lower yuan: yang 6"},
};

TEST(SplitComplementJu, TermInForceAtRealMoments) {
    for (const MomentJu& m : kMoments) {
        ChartRecord record = atMoment(m.date);
        splitComplementJu(record);
        EXPECT_EQ(record.yangDun, m.yang) << m.why;
        EXPECT_EQ(record.ju, m.ju) << m.why;
    }
}

// Days from 1900-01-01 to a date.
int daysSince1900(int year, int month, int day) {
    return calendar::dayNumber(year, month, day) - calendar::dayNumber(1900, 1, 1);
}

struct BlockSample {
    calendar::CivilDateTime start;
    bool yang;
    int ju;
};

TEST(IntercalationTable, PublishedSamples) {
    // 1900-01-01 is 甲戌; its five days are 冬至 lower (yang 4), then the
    // 小寒 period from 己卯 1900-01-06: yang 2, yang 8. Block 34 (from
    // 1900-06-20) is 夏至 upper, yin 9. Around 冬至 2000-12-21: 大雪 lower yin
    // 1, then 冬至 upper yang 1 and middle yang 7.
    const BlockSample samples[] = {
        {{1900, 1, 1}, true, 4},   {{1900, 1, 6}, true, 2},   {{1900, 1, 11}, true, 8},
        {{1900, 6, 20}, false, 9}, {{2000, 12, 12}, false, 1}, {{2000, 12, 17}, true, 1},
        {{2000, 12, 22}, true, 7},
    };
    for (const BlockSample& s : samples) {
        int days = daysSince1900(s.start.year, s.start.month, s.start.day);
        ASSERT_EQ(days % 5, 0) << "samples start blocks";
        EXPECT_EQ(intercalationBlock(days / 5), (DunJu{s.yang, static_cast<std::int16_t>(s.ju)}))
            << s.start.year << '-' << s.start.month << '-' << s.start.day;
    }
    EXPECT_EQ(daysSince1900(1900, 6, 20) / 5, 34);
}

TEST(IntercalationTable, EveryEntryIsAValidDunAndJuAndTheTopBitsAreClear) {
    for (int i = 0; i < kIntercalationWords; ++i) EXPECT_EQ(intercalationWord(i) >> 30, 0u) << i;
    for (int b = 0; b < kIntercalationBlocks; ++b) {
        DunJu dunJu = intercalationBlock(b);
        ASSERT_GE(dunJu.ju, 1) << b;
        ASSERT_LE(dunJu.ju, 9) << b;
    }
    EXPECT_THROW(intercalationBlock(kIntercalationBlocks), std::out_of_range);
    EXPECT_THROW(intercalationBlock(-1), std::out_of_range);
}

TEST(IntercalationTable, CoversEveryDayOf1900To2050) {
    EXPECT_GT(kIntercalationBlocks * 5, daysSince1900(2051, 1, 1));
}

TEST(IntercalationJu, LateHourStaysInItsCalendarDay) {
    // Find a day that closes its block; at 23:30 its day pillar is the next
    // day's, but the block is still its own.
    int days = daysSince1900(2000, 1, 1);
    while (days % 5 != 4) ++days;
    calendar::CivilDateTime day = calendar::dateFromJulianDay(2415020.5 + days);
    day.hour = 23;
    day.minute = 30;
    ChartRecord record = atMoment(day);
    ASSERT_TRUE(intercalationJu(record));
    EXPECT_EQ((DunJu{record.yangDun, record.ju}), intercalationBlock(days / 5));
}

TEST(IntercalationJu, ComputeDateOutsideTheTableIsRefusedWithoutChange) {
    // True solar time can move 1900-01-01 00:10 back into 1899.
    ChartRecord record;
    setChartMoment(record, {1900, 1, 1, 0, 10}, {1899, 12, 31, 23, 30});
    record.ju = 5;
    EXPECT_FALSE(intercalationJu(record));
    EXPECT_EQ(record.ju, 5);
    setChartMoment(record, {2051, 6, 1, 0, 0}, {2051, 6, 1, 0, 0});
    EXPECT_FALSE(intercalationJu(record));
}

TEST(IntercalationJu, ReadsTheBlockOfTheComputeDay) {
    // 2000-12-22 lies in the block of 冬至 middle yuan (see the samples).
    ChartRecord record = atMoment({2000, 12, 22, 12, 0});
    ASSERT_TRUE(intercalationJu(record));
    EXPECT_TRUE(record.yangDun);
    EXPECT_EQ(record.ju, 7);
}

TEST(GivenJu, AboveNineIsYangAndTheJuIsTheLastDigit) {
    EXPECT_EQ(givenDunJu(13), (DunJu{true, 3}));
    EXPECT_EQ(givenDunJu(9), (DunJu{false, 9}));
    EXPECT_EQ(givenDunJu(11), (DunJu{true, 1}));
    EXPECT_EQ(givenDunJu(19), (DunJu{true, 9}));
    EXPECT_EQ(givenDunJu(1), (DunJu{false, 1}));
    EXPECT_EQ(givenDunJu(10), (DunJu{true, 9}));  // digit 0 has no palace
}

}  // namespace
}  // namespace qimen::chart

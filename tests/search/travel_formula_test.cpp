// The travel formula: the number T, the range refusal and the text around
// the verse.
#include <gtest/gtest.h>

#include "knowledge/knowledge_base.hpp"
#include "search/travel_formula.hpp"

namespace qimen::search {
namespace {

TEST(TravelNumbers, StemAndBranchNumbersFollowTheTable) {
    const int stems[10] = {5, 9, 8, 7, 6, 5, 9, 8, 7, 6};  // 癸 甲 乙 丙 丁 戊 己 庚 辛 壬
    for (int s = 0; s < 10; ++s) EXPECT_EQ(travelStemNumber(static_cast<calendar::StemCode>(s)), stems[s]) << s;
    const int branches[12] = {4, 9, 8, 7, 6, 5, 4, 9, 8, 7, 6, 5};  // 亥 子 丑 … 戌
    for (int b = 0; b < 12; ++b) EXPECT_EQ(travelBranchNumber(static_cast<calendar::BranchCode>(b)), branches[b]) << b;
}

TEST(TravelNumbers, JiaZiDayAtAZiHourIs27AndGuiSiOrGuiHaiAtSiOrHaiIs13) {
    EXPECT_EQ(travelNumber(1, 1), 27);    // 甲子 day, 甲子 hour
    EXPECT_EQ(travelNumber(30, 6), 13);   // 癸巳 day, 巳 hour (己巳)
    EXPECT_EQ(travelNumber(0, 12), 13);   // 癸亥 day, 亥 hour (乙亥)
    for (int day = 0; day < 60; ++day)
        for (int hour = 0; hour < 60; ++hour) {
            int t = travelNumber(static_cast<calendar::GanZhiCode>(day), static_cast<calendar::GanZhiCode>(hour));
            EXPECT_GE(t, 13);
            EXPECT_LE(t, 27);
        }
}

TEST(TravelFormula, TextHasTheMomentThePillarsTheVerseAndTheHint) {
    // 2008-08-08 20:08: 戊子年 庚申月 庚辰日 丙戌时; T = 8 + 5 + 5 = 18.
    auto r = travelFormula(2008, 8, 8, 20, 8);
    ASSERT_TRUE(r) << r.message();
    EXPECT_EQ(r->number, 18);
    std::string expected = "出行公历:2008年8月8日20时8分\r\n当日干支:戊子年 庚申月 庚辰日 丙戌时\r\n\r\n【出行密诀】\r\n";
    expected += knowledge::lookupText(3218);
    expected += "\r\n提示：每个数字都有它的出行方向与事物对应，要方向对碰见的事物对上才有效，吉者应吉，凶者应凶。";
    EXPECT_EQ(r->text, expected);
    EXPECT_TRUE(knowledge::lookupText(3218).starts_with("18数吉"));
}

TEST(TravelFormula, TheDayAdvancesAt23) {
    auto before = travelFormula(2008, 8, 8, 22, 59);  // 庚辰 day, 亥 hour
    auto after = travelFormula(2008, 8, 8, 23, 0);    // 辛巳 day, 子 hour
    ASSERT_TRUE(before && after);
    EXPECT_EQ(before->number, 8 + 5 + 4);
    EXPECT_EQ(after->number, 7 + 4 + 9);
    EXPECT_NE(after->text.find("辛巳日"), std::string::npos);
}

struct MomentCase {
    std::int16_t year, month, day, hour, minute;
    bool accepted;
};
class TravelRange : public ::testing::TestWithParam<MomentCase> {};

TEST_P(TravelRange, Only1900To2050AndRealMomentsAreAccepted) {
    const MomentCase& c = GetParam();
    auto r = travelFormula(c.year, c.month, c.day, c.hour, c.minute);
    EXPECT_EQ(r.ok(), c.accepted);
    EXPECT_EQ(r.message(), c.accepted ? "" : "出行时间在开始时间那里输入，范围在1900－2050年。");
}

INSTANTIATE_TEST_SUITE_P(Moments, TravelRange,
                         ::testing::Values(MomentCase{1899, 12, 31, 23, 59, false}, MomentCase{1900, 1, 1, 0, 0, true},
                                           MomentCase{2050, 12, 31, 23, 59, true}, MomentCase{2051, 1, 1, 0, 0, false},
                                           MomentCase{2001, 2, 29, 12, 0, false}, MomentCase{2000, 2, 29, 12, 0, true},
                                           MomentCase{2008, 8, 8, 24, 0, false}, MomentCase{2008, 8, 8, 12, 60, false},
                                           MomentCase{2008, 13, 1, 12, 0, false}));

}  // namespace
}  // namespace qimen::search

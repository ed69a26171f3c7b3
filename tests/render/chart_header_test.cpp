// Rules of the chart header and the day almanac.
#include <gtest/gtest.h>

#include "chart_text_fixture.hpp"

namespace qimen::render {
namespace {

using namespace testing;

ChartRecord hourChart(CivilDateTime date, const ChartSettings& settings = {}) {
    return chartFor(requestFor(ChartMethod::Hour, date), settings);
}

std::string line(const ChartRecord& record, std::size_t index) { return crlfLines(record.chartText).at(index); }

// ---- title -----------------------------------------------------------------

struct TitleCase {
    ChartMethod method;
    const char* title;
};

class HeaderTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(HeaderTitle, StartsTheTextAfreshWithTheMethodTitleAndTwoSpaces) {
    ChartRecord record = chartFor(requestFor(GetParam().method, {2008, 8, 8, 20, 8}));
    record.chartText = "left over from the previous chart";
    appendHeader(record);
    EXPECT_EQ(line(record, 0), std::string(GetParam().title) + "占问事宜:求财");
}

INSTANTIATE_TEST_SUITE_P(Methods, HeaderTitle,
                         ::testing::Values(TitleCase{ChartMethod::Hour, "奇门盘式:时家奇门  "},
                                           TitleCase{ChartMethod::GivenJuHour, "奇门盘式:时家奇门  "},
                                           TitleCase{ChartMethod::Day, "奇门盘式:日家奇门  "},
                                           TitleCase{ChartMethod::Month, "奇门盘式:月家奇门  "},
                                           TitleCase{ChartMethod::Year, "奇门盘式:年家奇门  "},
                                           TitleCase{ChartMethod::SmallFlying, "奇门盘式:飞宫小奇门  "},
                                           TitleCase{ChartMethod::YinPlate, "奇门盘式:阴盘奇门  "}));

// ---- place and Gregorian date ----------------------------------------------

TEST(HeaderPlace, WithoutTrueSolarTimeNamesThePlaceOnly) {
    EXPECT_EQ(line(hourChart({2008, 8, 8, 20, 8}), 1), "求测人:张三   预测地:北京北京。");
}

TEST(HeaderPlace, WithTrueSolarTimeAddsDegreesAndMinutes) {
    ChartSettings sun;
    sun.sun = true;
    EXPECT_EQ(line(hourChart({2008, 8, 8, 20, 8}, sun), 1),
              "求测人:张三   预测地:北京北京,经度:116度28分,纬度:39度54分。");
}

TEST(HeaderPlace, MinutesRoundToNearestWithAnExactHalfGoingDown) {
    EXPECT_EQ(degreesMinutes(116.125).minutes, 7);  // 7.5′ → 7
    EXPECT_EQ(degreesMinutes(116.375).minutes, 22);  // 22.5′ → 22
    EXPECT_EQ(degreesMinutes(116.25).minutes, 15);
    EXPECT_EQ(degreesMinutes(116.0 + 20.6 / 60).minutes, 21);
    EXPECT_EQ(degreesMinutes(116.0 + 20.4 / 60).minutes, 20);
}

TEST(HeaderPlace, SixtyMinutesCarryIntoTheNextDegree) {
    DegreesMinutes dm = degreesMinutes(116.0 + 59.8 / 60);
    EXPECT_EQ(dm.degrees, 117);
    EXPECT_EQ(dm.minutes, 0);
}

TEST(HeaderDate, TagsBeijingTimeOrTrueSolarTimeWithTheWeekday) {
    EXPECT_EQ(line(hourChart({2008, 8, 8, 20, 8}), 2), "公历:2008年8月8日20时8分,星期五(北京时间)。");
    ChartSettings sun;
    sun.sun = true;
    EXPECT_TRUE(line(hourChart({2008, 8, 10, 20, 8}, sun), 2).starts_with("公历:2008年8月10日"));
    EXPECT_TRUE(line(hourChart({2008, 8, 10, 20, 8}, sun), 2).ends_with(",星期日(真太阳时)。"));
}

TEST(HeaderDate, AStoredYearZeroPrintsAsMinusOne) {
    ChartRecord record = hourChart({0, 6, 1, 12, 0});
    EXPECT_TRUE(line(record, 2).starts_with("公历:-1年6月1日12时0分")) << line(record, 2);
}

// ---- lunar line ------------------------------------------------------------

struct LunarCase {
    CivilDateTime lunar;
    bool leap;
    const char* text;
};

class LunarLine : public ::testing::TestWithParam<LunarCase> {};

TEST_P(LunarLine, PrintsMonthDayAndDoubleHourAsTheAlmanacDoes) {
    EXPECT_EQ(lunarLineText(GetParam().lunar, GetParam().leap), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LunarLine,
    ::testing::Values(LunarCase{{2008, 1, 1, 9, 0}, false, "农历:戊子年 正月 初一日 巳时。"},
                      LunarCase{{2004, 3, 10, 0, 0}, true, "农历:甲申年 闰三月 初十日 子时。"},
                      LunarCase{{2004, 3, 11, 23, 0}, false, "农历:甲申年 三月 十一日 子时。"},
                      LunarCase{{2007, 12, 29, 22, 0}, false, "农历:丁亥年 十二月 廿九日 亥时。"},
                      LunarCase{{2007, 11, 20, 1, 0}, false, "农历:丁亥年 十一月 二十日 丑时。"},
                      LunarCase{{2007, 11, 30, 2, 0}, false, "农历:丁亥年 十一月 三十日 丑时。"},
                      LunarCase{{2007, 1, 1, 21, 0}, true, "农历:丁亥年 闰正月 初一日 亥时。"},
                      LunarCase{{-1, 5, 5, 12, 0}, false, "农历:己未年 五月 初五日 午时。"}));

TEST(LunarLine, NamesTheLunarYearNotTheSpringYearBetweenLiChunAndNewYear) {
    // 2008-02-05 is after 立春 (year pillar 戊子) but before the lunar new year.
    ChartRecord record = hourChart({2008, 2, 5, 12, 0});
    EXPECT_EQ(line(record, 3).substr(0, line(record, 3).find("节气")), "农历:丁亥年 十二月 廿九日 午时。");
    EXPECT_NE(record.chartText.find("干支:戊子年"), std::string::npos);
}

TEST(LunarLine, AnHourOf23IsReadAsTheNextDaysZiHour) {
    ChartRecord record = hourChart({2008, 8, 8, 23, 10});
    EXPECT_TRUE(line(record, 3).starts_with("农历:戊子年 七月 初九日 子时。")) << line(record, 3);
}

// ---- term line -------------------------------------------------------------

TEST(TermLine, ShowsTheMonthsTwoTermsAndTheSeasonalStrengths) {
    EXPECT_EQ(line(hourChart({2008, 8, 8, 20, 8}), 4), "节气:立秋:8-7 11:16 处暑:8-23 2:2 (金旺-水相-土休-火囚-木死)");
}

TEST(TermLine, EarlyJanuaryShowsThePreviousYearsDaXueAndDongZhi) {
    EXPECT_EQ(line(hourChart({2024, 1, 3, 8, 0}), 4), "节气:大雪:12-7 17:33 冬至:12-22 11:27 (水旺-木相-金休-土囚-火死)");
}

TEST(TermLine, TheHaiMonthOfTheSameYearIsNotMovedBack) {
    EXPECT_TRUE(line(hourChart({2023, 11, 20, 8, 0}), 4).starts_with("节气:立冬:11-8 ")) << line(hourChart({2023, 11, 20, 8, 0}), 4);
}

struct StrengthCase {
    CivilDateTime date;
    const char* strengths;
};

class SeasonalStrength : public ::testing::TestWithParam<StrengthCase> {};

TEST_P(SeasonalStrength, RulerThenWhatItGeneratesWhatGeneratesItWhatControlsItWhatItControls) {
    EXPECT_TRUE(line(hourChart(GetParam().date), 4).ends_with(GetParam().strengths)) << line(hourChart(GetParam().date), 4);
}

INSTANTIATE_TEST_SUITE_P(Months, SeasonalStrength,
                         ::testing::Values(StrengthCase{{2024, 3, 15, 10, 0}, "(木旺-火相-水休-金囚-土死)"},
                                           StrengthCase{{2024, 6, 15, 10, 0}, "(火旺-土相-木休-水囚-金死)"},
                                           StrengthCase{{2024, 4, 15, 10, 0}, "(土旺-金相-火休-木囚-水死)"},
                                           StrengthCase{{2024, 12, 15, 10, 0}, "(水旺-木相-金休-土囚-火死)"}));

TEST(TermLine, AYearChartHasNone) {
    ChartRecord record = chartFor(requestFor(ChartMethod::Year, {2008, 8, 8, 20, 8}));
    EXPECT_EQ(record.chartText.find("节气:"), std::string::npos);
    EXPECT_TRUE(line(record, 4).starts_with("干支:"));
}

// ---- pillars, voids, dun line ---------------------------------------------

TEST(PillarLines, PrintPillarsAndTheVoidBranchesOfEachTenDayGroup) {
    ChartRecord record = hourChart({2008, 8, 8, 20, 8});
    EXPECT_EQ(line(record, 5), "干支:戊子年 庚申月 庚辰日 丙戌时");
    EXPECT_EQ(line(record, 6), "空亡:午未　 子丑　 申酉　 午未　 ");
}

TEST(DunLines, HourChartShowsDunJuXunHeadMonthGeneralAndLeaders) {
    ChartRecord record = hourChart({2008, 8, 8, 20, 8});
    EXPECT_EQ(line(record, 7), "※阴遁二局,旬首:甲申(庚)  月将:巳");
    EXPECT_EQ(line(record, 8), "★直符天英落4宫,直使景门落7宫。");
}

TEST(DunLines, MonthAndYearChartsHaveNoMonthGeneral) {
    for (ChartMethod method : {ChartMethod::Month, ChartMethod::Year}) {
        ChartRecord record = chartFor(requestFor(method, {2008, 8, 8, 20, 8}));
        EXPECT_NE(record.chartText.find("※阴遁"), std::string::npos);
        EXPECT_EQ(record.chartText.find("月将"), std::string::npos);
        EXPECT_NE(record.chartText.find("★直符天"), std::string::npos);
    }
}

TEST(DunLines, DayAndSmallChartsHaveNone) {
    for (ChartMethod method : {ChartMethod::Day, ChartMethod::SmallFlying}) {
        ChartRecord record;
        ASSERT_TRUE(setMoment(record, requestFor(method, {2008, 8, 8, 20, 8}), {}));
        appendHeader(record);
        EXPECT_TRUE(record.chartText.ends_with("空亡:午未　 子丑　 申酉　 午未　 \r\n"));
        EXPECT_EQ(record.chartText.find("※"), std::string::npos);
        EXPECT_EQ(record.chartText.find("★"), std::string::npos);
    }
}

TEST(DunLines, FlyingPalaceChartNamesTheMonthGeneralOfItsMonthPillar) {
    ChartSettings flying;
    flying.pan = 1;
    ChartRecord record = hourChart({2008, 8, 8, 20, 8}, flying);  // 庚申 month → 巳
    EXPECT_EQ(line(record, 7), "※阴遁二局,旬首:甲申(庚)  月将:巳");
}

TEST(DunLines, YinPlateChartShowsTheMonthGeneral) {
    ChartRecord record = chartFor(requestFor(ChartMethod::YinPlate, {2008, 8, 8, 20, 8}));
    EXPECT_NE(record.chartText.find("  月将:巳\r\n★"), std::string::npos);
}

// ---- day almanac -----------------------------------------------------------

TEST(DayAlmanac, WuWuDayHasItsDirectionsNoblemanBlockedRoadAndAzureDragonOnShen) {
    ChartRecord record;
    record.dayGZ = 55;  // 戊午
    appendDayAlmanac(record);
    std::vector<std::string> lines = crlfLines(record.chartText);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "喜神方位：巽方。(吉)");
    EXPECT_EQ(lines[2], "天乙贵人：丑、未。(逢凶化吉)");
    EXPECT_EQ(lines[3], "截路空亡：乾、坎方，戌、亥、子、丑时。(吉凶不成)");
    EXPECT_EQ(lines[4], "十二黑黄道：(黄道吉，黑道凶)");
    EXPECT_EQ(lines[5], "子-金匮黄道");
    EXPECT_EQ(lines[13], "申-青龙黄道");
    EXPECT_EQ(lines[16], "亥-朱雀黑道");
    EXPECT_EQ(lines[17], "★以上神煞用事时辰或方位临之，吉神主吉，凶神主凶。");
    EXPECT_EQ(lines[18], "注：日家奇门应用于预测一天所发生的事情。");
}

struct AlmanacCase {
    calendar::GanZhiCode day;
    const char* joy;
    const char* nobleman;
    const char* dragonLine;
};

class DayAlmanacByStem : public ::testing::TestWithParam<AlmanacCase> {};

TEST_P(DayAlmanacByStem, DirectionsFollowTheDayStemAndTheDragonTheDayBranch) {
    ChartRecord record;
    record.dayGZ = GetParam().day;
    appendDayAlmanac(record);
    EXPECT_NE(record.chartText.find(std::string("喜神方位：") + GetParam().joy), std::string::npos);
    EXPECT_NE(record.chartText.find(std::string("天乙贵人：") + GetParam().nobleman), std::string::npos);
    EXPECT_NE(record.chartText.find(std::string("\r\n") + GetParam().dragonLine + "\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Days, DayAlmanacByStem,
                         ::testing::Values(AlmanacCase{1, "艮方", "丑、未", "申-青龙黄道"},    // 甲子
                                           AlmanacCase{2, "乾方", "子、申", "戌-青龙黄道"},    // 乙丑
                                           AlmanacCase{3, "坤方", "酉、亥", "子-青龙黄道"},    // 丙寅
                                           AlmanacCase{4, "离方", "酉、亥", "寅-青龙黄道"},    // 丁卯
                                           AlmanacCase{6, "艮方", "子、申", "午-青龙黄道"},    // 己巳
                                           AlmanacCase{8, "坤方", "寅、午", "戌-青龙黄道"},    // 辛未
                                           AlmanacCase{9, "离方", "卯、巳", "子-青龙黄道"},    // 壬申
                                           AlmanacCase{0, "巽方", "卯、巳", "午-青龙黄道"}));  // 癸亥

}  // namespace
}  // namespace qimen::render

// The detector as a whole: the palace score, the edge cases of the rules,
// whole charts laid by the rotating layout and derived by hand, the switches
// the time search uses, the bound of 30 codes, and a sweep of every rotating
// chart and of random hand-set palaces against a literal re-reading of the
// rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/rotating_layout.hpp"
#include "pattern_test_support.hpp"
#include "patterns/pattern_tables.hpp"

namespace qimen::patterns {
namespace {

using namespace testing;
using namespace pattern;
using Codes = std::vector<PatternCode>;

Codes codesOf(const PalaceFindings& findings) { return {findings.found().begin(), findings.found().end()}; }

constexpr DetectOptions kScoreOnly{.score = true, .auspicious = false, .inauspicious = false};

// ---- the palace score: star over door, stem pairs, door and palace --------------

TEST(PatternScore, NoRuleHoldingLeavesCountZeroAndThePalaceScore) {
    // Neutral probe: 柱 over 死 −1; 辛 over 壬 −1; 死 (土) in 乾 (金): 门生宫 +1.
    PalaceFindings f = Probe{}.findings();
    EXPECT_EQ(f.count, 0);
    EXPECT_EQ(f.score, -1);
}

TEST(PatternScore, RuiCarriesTheFuRowNotTheQinRow) {
    // 芮 with door 开 in 乾6: 芮/开 2 plus the 辅 row's 开 1 (the 禽 row would
    // give 2); 辛 over 壬 −1 and the carried 壬 over 壬 −1; 开 (金) in 乾
    // (金) 比和 0. Total 1.
    Probe probe{.star = kRui, .door = kKai};
    EXPECT_EQ(probe.findings(kScoreOnly).score, 1);
}

TEST(PatternScore, KunWithRuiScoresAllFourStemCombinations) {
    // 坤2, 芮, door 休: 芮/休 2 + 辅/休 2 = 4. Combinations (heaven over
    // earth): 丁/戊 1, 丁/centre 乙 2, centre 壬/戊 1, centre 壬/centre 乙 −1
    // → 3. 休 (水) in 坤 (土): 宫克门 0. Total 7.
    Probe probe{.home = 2, .heaven = kDing, .earth = kWu, .star = kRui, .door = kXiu, .centreHeaven = kRen,
                .centreEarth = kYi};
    EXPECT_EQ(probe.findings(kScoreOnly).score, 7);
}

TEST(PatternScore, CombinationsAreCountedByPositionEvenWhenTheirStemsRepeat) {
    // As above with the centre heaven 丁 equal to the own heaven: the four
    // combinations are 丁/戊 1, 丁/乙 2, 丁/戊 1, 丁/乙 2 → 6; total 10. (A
    // laid chart never repeats a stem on one plate; hand-set cells may.)
    Probe probe{.home = 2, .heaven = kDing, .earth = kWu, .star = kRui, .door = kXiu, .centreHeaven = kDing,
                .centreEarth = kYi};
    EXPECT_EQ(probe.findings(kScoreOnly).score, 10);
}

TEST(PatternScore, DoorAgainstPalaceAddsOneForGeneratingAndTakesOneWhenTheDoorControls) {
    // 乾6 is 金. 开 金 比和; 休 水 宫生门; 伤 木 宫克门; 景 火 门克宫; 死 土 门生宫.
    EXPECT_EQ(doorPalaceRelation(kKai, 6), 0);
    EXPECT_EQ(doorPalaceRelation(kXiu, 6), 1);
    EXPECT_EQ(doorPalaceRelation(kShang, 6), 2);
    EXPECT_EQ(doorPalaceRelation(kJingScene, 6), 3);
    EXPECT_EQ(doorPalaceRelation(kSi, 6), 4);
    EXPECT_EQ(doorPalaceScore(0), 0);
    EXPECT_EQ(doorPalaceScore(1), 1);
    EXPECT_EQ(doorPalaceScore(2), 0);
    EXPECT_EQ(doorPalaceScore(3), -1);
    EXPECT_EQ(doorPalaceScore(4), 1);
    // Through the detector: 柱/景 1, 辛/壬 −1, 门克宫 −1 → −1.
    EXPECT_EQ((Probe{.door = kJingScene}).findings(kScoreOnly).score, -1);
}

TEST(PatternScore, EachAuspiciousRuleAddsTwoAndEachInauspiciousRuleTakesTwo) {
    // 丁 over 癸 with 九地 and 死 in 乾6: 丁奇逢虎 and 鬼假 (+4), 朱雀入江
    // (−2) on top of the palace score.
    Probe probe{.heaven = kDing, .earth = kGui, .door = kSi, .deity = kJiuDi};
    PalaceFindings all = probe.findings();
    EXPECT_EQ(codesOf(all), (Codes{kDingQiFengHu, kGuiJia, kZhuQueRuJiang}));
    EXPECT_EQ(all.score, probe.findings(kScoreOnly).score + 4 - 2);
}

// ---- edge cases of the rules -------------------------------------------------

TEST(PatternEdgeCases, RuiBringsTheCentreBingOverTheOwnWu) {
    // 兑7 with 芮, own heaven 辛 over own earth 戊, centre heaven 丙: H {辛 丙},
    // E {戊}: 丙奇逢鼠 (2) and 飞鸟跌穴 (19), nothing else. Score: 芮/死 −2,
    // 辅/死 −1; 辛/戊 −1, 丙/戊 2; 死 (土) in 兑 (金) +1; rules +4 → 3.
    Probe probe{.home = 7, .heaven = kXin, .earth = kWu, .star = kRui, .centreHeaven = kBing};
    PalaceFindings f = probe.findings();
    EXPECT_EQ(codesOf(f), (Codes{kBingQiFengShuWu, kFeiNiaoDieXue}));
    EXPECT_EQ(f.score, 3);
}

TEST(PatternEdgeCases, KunBringsTheCentreXinUnderItsYi) {
    // 坤2, heaven 乙 over own earth 乙 and centre earth 辛: 乙奇逢马 and
    // 青龙逃走 through the centre stem. Score: 柱/死 −1; 乙/乙 −1, 乙/辛 −1;
    // 死 in 坤 比和 0; +2 −2 → −3.
    Probe probe{.home = 2, .heaven = kYi, .earth = kYi, .centreEarth = kXin};
    PalaceFindings f = probe.findings();
    EXPECT_EQ(codesOf(f), (Codes{kYiQiFengMa, kQingLongTaoZou}));
    EXPECT_EQ(f.score, -3);
}

TEST(PatternEdgeCases, GengOverGuiOnAGuiDayIsFuGanGeAndDaGe) {
    // 乾6: 柱/死 −1, 癸/庚 −1, 门生宫 +1, two inauspicious −4 → −5.
    Probe probe{.heaven = kGeng, .earth = kGui, .dayGZ = pillarWithStem(kGui)};
    PalaceFindings f = probe.findings();
    EXPECT_EQ(codesOf(f), (Codes{kFuGanGe, kDaGe}));
    EXPECT_EQ(f.score, -5);
}

TEST(PatternEdgeCases, ZhiFuFanYinNeedsTwoInstruments) {
    EXPECT_FALSE((Probe{.heaven = kYi, .earth = kGui, .leaderStarPalace = 6}).findings().contains(kZhiFuFanYin));
    EXPECT_TRUE((Probe{.heaven = kWu, .earth = kXin, .leaderStarPalace = 6}).findings().contains(kZhiFuFanYin));
}

// ---- whole charts from the rotating layout ---------------------------------------

chart::ChartRecord laidChart(bool yangDun, int ju, calendar::GanZhiCode hourGZ, calendar::GanZhiCode dayGZ,
                             calendar::GanZhiCode monthGZ = 15, calendar::GanZhiCode yearGZ = 17) {
    chart::ChartRecord record;
    record.yangDun = yangDun;
    record.ju = static_cast<std::int16_t>(ju);
    record.yearGZ = yearGZ;
    record.monthGZ = monthGZ;
    record.dayGZ = dayGZ;
    record.hourGZ = hourGZ;
    chart::layRotatingHourChart(record);
    return record;
}

bool isEcho(PatternCode code) { return code >= kJiuXingFuYin && code <= kZhiFuFanYin; }

TEST(PatternCharts, Yang1BingYinHourPalaceByPalace) {
    // Year 庚辰, month 戊寅, day 甲子, hour 丙寅, yang 1 (the chart of the
    // rotating-layout tests): 值符 蓬 lands in 艮8, 值使 休 in 震3. Palaces
    // "deity star heaven door earth", centre 禽 壬/壬:
    //   巽4 太阴 冲 庚 生 辛: 冲/生 2, 辛/庚 −1, 生 in 巽 宫克门 0 → 1, no rule.
    //   离9 六合 辅 辛 伤 乙: 辅/伤 −1, 乙/辛 −1, 门生宫 +1 → −1; 白虎猖狂
    //       (辛 over 乙) and 六仪击刑 (辛 at 离9) → −5.
    //   坤2 白虎 英 乙 杜 己, carrying the centre earth 壬: 英/杜 −1, 己/乙 2,
    //       壬/乙 1, 门克宫 −1 → 1; 乙奇逢犬 → 3.
    //   震3 螣蛇 任 丙 休 庚: 任/休 2, 庚/丙 −1, 门生宫 +1 → 2; 丙奇逢鼠 (庚),
    //       悖格 (丙 over the year stem 庚), 荧惑入白 → 0.
    //   兑7 玄武 芮 己 景 丁, carrying the centre heaven 壬: 芮/景 1, 辅/景 1,
    //       丁/己 1, 丁/壬 1, 门克宫 −1 → 3, no rule (壬 over 丁 is none).
    //   艮8 直符 蓬 戊 开 丙: 蓬/开 2, 丙/戊 1, 宫生门 +1 → 4; 青龙返首, 悖格
    //       (the 值符 star over 丙) → 4. 艮8 is the 值符 palace, but 蓬 is not
    //       at home or opposite, 戊 ≠ 丙 and 丙 is a wonder: no echo.
    //   坎1 九天 心 癸 惊 戊: 心/惊 −1, 戊/癸 1, 门生宫 +1 → 1, no rule.
    //   乾6 九地 柱 丁 死 癸: 柱/死 −1, 癸/丁 2, 门生宫 +1 → 2; 丁奇逢虎, 鬼假
    //       (丁, 死, 九地), 朱雀入江 → 4.
    // Sum 11.
    chart::ChartRecord record = laidChart(true, 1, 3, 1);
    ASSERT_EQ(record.leaderStarPalace, 8);
    ASSERT_EQ(record.leaderDoorPalace, 3);
    ASSERT_EQ(record.cells[3].heavenStem, kBing);
    ASSERT_EQ(record.cells[5].star, kRui);

    std::array<PalaceFindings, 9> findings;
    detectChartPatterns(record, findings);
    const std::array<Codes, 9> codes = {Codes{},
                                        Codes{kBaiHuChangKuang, kLiuYiJiXing},
                                        Codes{kYiQiFengQuan},
                                        Codes{kBingQiFengShuGeng, kBeiGe, kYingHuoRuBai},
                                        Codes{},
                                        Codes{},
                                        Codes{kQingLongFanShou, kBeiGe},
                                        Codes{},
                                        Codes{kDingQiFengHu, kGuiJia, kZhuQueRuJiang}};
    const std::array<int, 9> scores = {1, -5, 3, 0, 0, 3, 4, 1, 4};
    int sum = 0;
    for (int g = 0; g < 9; ++g) {
        EXPECT_EQ(codesOf(findings[g]), codes[g]) << "cell " << g;
        EXPECT_EQ(findings[g].score, scores[g]) << "cell " << g;
        sum += findings[g].score;
    }
    EXPECT_EQ(sum, 11);

    // The time search's view of the same chart includes the centre: 禽 over
    // 中 0, 壬 over 壬 −1, 比和 0, no rule.
    detectChartPatterns(record, findings, {}, CentreCell::Include);
    EXPECT_EQ(findings[4].count, 0);
    EXPECT_EQ(findings[4].score, -1);
}

TEST(PatternCharts, FullFuYinReportsEachEchoOnceAtTheLeaderPalace) {
    // Yin 9, 甲戌 hour: everything at home, 值符 任 and 值使 生 both in 艮8
    // where 己 stands over 己: 九星伏吟, 直符伏吟, 八门伏吟 there and no
    // echo pattern in any other palace.
    chart::ChartRecord record = laidChart(false, 9, 11, 1);
    ASSERT_EQ(record.plateEcho, chart::kFuYin);
    std::array<PalaceFindings, 9> findings;
    detectChartPatterns(record, findings, {}, CentreCell::Include);
    for (int g = 0; g < 9; ++g) {
        Codes echoes;
        for (PatternCode c : findings[g].found())
            if (isEcho(c)) echoes.push_back(c);
        EXPECT_EQ(echoes, g == 6 ? (Codes{kJiuXingFuYin, kZhiFuFuYin, kBaMenFuYin}) : Codes{}) << "cell " << g;
    }
}

TEST(PatternCharts, ALeaderInTheCentreIsAnsweredByKunThroughTheCentreStems) {
    // Yang 5, 甲子 hour: 戊 lies in the centre, so 值符 禽 and 值使 死 are in
    // palace 5, answered by 坤2. 坤 holds 丁 over 丁 (a wonder) with 芮 at
    // home, so it carries the centre's 戊 on both plates: 戊 over 戊 makes
    // 直符伏吟; 芮 at home and 死 at home make 九星伏吟 and 八门伏吟.
    chart::ChartRecord record = laidChart(true, 5, 1, 1);
    ASSERT_EQ(record.leaderStarPalace, 5);
    ASSERT_EQ(record.leaderDoorPalace, 5);
    ASSERT_EQ(record.cells[2].heavenStem, kDing);
    std::array<PalaceFindings, 9> findings;
    detectChartPatterns(record, findings);
    for (int g = 0; g < 9; ++g) {
        Codes echoes;
        for (PatternCode c : findings[g].found())
            if (isEcho(c)) echoes.push_back(c);
        EXPECT_EQ(echoes, g == 2 ? (Codes{kJiuXingFuYin, kZhiFuFuYin, kBaMenFuYin}) : Codes{}) << "cell " << g;
    }
}

TEST(PatternCharts, AllStemsCoincidingWithAWonderInTheLeaderPalaceGiveNoZhiFuFuYin) {
    // The yin 9 甲戌 chart with its 值符 palace moved by hand to 震3, where
    // 丁 stands over 丁: no palace reports 直符伏吟.
    chart::ChartRecord record = laidChart(false, 9, 11, 1);
    record.leaderStarPalace = 3;
    ASSERT_EQ(record.cells[3].heavenStem, kDing);
    std::array<PalaceFindings, 9> findings;
    detectChartPatterns(record, findings, {}, CentreCell::Include);
    for (int g = 0; g < 9; ++g) EXPECT_FALSE(findings[g].contains(kZhiFuFuYin)) << "cell " << g;
}

// ---- the switches of the time search ------------------------------------------------

TEST(PatternOptions, EachHalfAloneGivesExactlyItsPartOfTheFullFindings) {
    for (bool yang : {false, true})
        for (int ju = 1; ju <= 9; ++ju)
            for (int hour = 0; hour < 60; ++hour) {
                chart::ChartRecord record = laidChart(yang, ju, static_cast<calendar::GanZhiCode>(hour), 7);
                std::array<PalaceFindings, 9> all, good, bad, none;
                detectChartPatterns(record, all, {}, CentreCell::Include);
                detectChartPatterns(record, good, {.score = false, .auspicious = true, .inauspicious = false},
                                    CentreCell::Include);
                detectChartPatterns(record, bad, {.score = false, .auspicious = false, .inauspicious = true},
                                    CentreCell::Include);
                detectChartPatterns(record, none, {.score = false, .auspicious = false, .inauspicious = false},
                                    CentreCell::Include);
                for (int g = 0; g < 9; ++g) {
                    Codes wantGood, wantBad;
                    for (PatternCode c : all[g].found()) (isAuspiciousPattern(c) ? wantGood : wantBad).push_back(c);
                    ASSERT_EQ(codesOf(good[g]), wantGood);
                    ASSERT_EQ(codesOf(bad[g]), wantBad);
                    ASSERT_EQ(good[g].score, 0);
                    ASSERT_EQ(bad[g].score, 0);
                    ASSERT_EQ(none[g].count, 0);
                    ASSERT_EQ(none[g].score, 0);
                }
            }
}

// The year, month and day pillars vary with the hour so that every stem
// meets every plate rule that reads them.
TEST(PatternOptions, ChartBitsAreTheUnionOfTheCellFindingsAndThePlateSplitGivesThem) {
    const DetectOptions choices[] = {{}, {.score = false, .auspicious = true, .inauspicious = false},
                                     {.score = false, .auspicious = false, .inauspicious = true}};
    for (bool yang : {false, true})
        for (int ju = 1; ju <= 9; ++ju)
            for (int hour = 0; hour < 60; ++hour)
                for (CentreCell centre : {CentreCell::Skip, CentreCell::Include})
                    for (const DetectOptions& options : choices) {
                        auto gz = [](int n) { return static_cast<calendar::GanZhiCode>(n % 60); };
                        chart::ChartRecord record =
                            laidChart(yang, ju, gz(hour), gz(hour * 7 + ju), gz(hour * 11 + 3 * ju), gz(hour * 13 + 5));
                        std::array<PalaceFindings, 9> cells;
                        detectChartPatterns(record, cells, options, centre);
                        PatternBits want;
                        for (const PalaceFindings& f : cells)
                            for (PatternCode c : f.found())
                                (isAuspiciousPattern(c) ? want.good : want.bad) |=
                                    1u << (isAuspiciousPattern(c) ? c : c - kInauspiciousBase);
                        PatternBits got = chartPatternBits(record, options, centre);
                        ASSERT_EQ(got.good, want.good) << yang << ju << " hour " << hour;
                        ASSERT_EQ(got.bad, want.bad) << yang << ju << " hour " << hour;
                        PatternBits split = withPillarStems(platePatternBits(record, options, centre),
                                                            calendar::stemOf(record.yearGZ),
                                                            calendar::stemOf(record.monthGZ),
                                                            calendar::stemOf(record.dayGZ));
                        ASSERT_EQ(split.good, want.good) << yang << ju << " hour " << hour;
                        ASSERT_EQ(split.bad, want.bad) << yang << ju << " hour " << hour;
                    }
}

TEST(PatternOptions, TheCentreIsExaminedWithHomeFiveAndBorrowsNothingFromItself) {
    // The centre probe (home 5, 禽, 中): 庚 over 癸 is 大格; the other
    // centre fields are the probe's own, so H and E hold one stem each.
    Probe probe{.home = 5, .heaven = kGeng, .earth = kGui, .star = kQin, .door = chart::kDoorCentre, .deity = 4};
    PalaceFindings f = probe.findings();
    EXPECT_EQ(codesOf(f), (Codes{kDaGe}));
    // 禽/中 0, 癸/庚 −1, 中 (土) in 中 (土) 0, −2.
    EXPECT_EQ(f.score, -3);
}

TEST(PatternOptions, SkippingTheCentreLeavesItsSlotEmpty) {
    chart::ChartRecord record = laidChart(true, 1, 3, 1);
    std::array<PalaceFindings, 9> findings;
    findings[4].count = 30;
    findings[4].score = 99;
    detectChartPatterns(record, findings);
    EXPECT_EQ(findings[4].count, 0);
    EXPECT_EQ(findings[4].score, 0);
}

// ---- the bound of 30 codes ------------------------------------------------------

TEST(PatternBound, AFullRecordTakesNoFurtherCode) {
    PalaceFindings f;
    for (int i = 0; i < kMaxPalaceFindings; ++i) EXPECT_TRUE(f.append(static_cast<PatternCode>(i)));
    EXPECT_FALSE(f.append(kDiWangZheBi));
    EXPECT_EQ(f.count, kMaxPalaceFindings);
    EXPECT_EQ(f.codes.back(), 29);
}

TEST(PatternBound, TheDetectorStartsFromAnEmptyRecord) {
    PalaceFindings f;
    for (int i = 0; i < kMaxPalaceFindings; ++i) f.append(kDaGe);
    f.score = 77;
    chart::ChartRecord record = Probe{}.chart();
    detectPatterns(record, 6, record.cells[8], f);
    EXPECT_EQ(f.count, 0);
    EXPECT_EQ(f.score, -1);
}

TEST(PatternBound, TheMostCrowdedPalaceFoundHoldsSixteenCodesInCodeOrder) {
    // Found by a randomised search over hand-set palaces (nothing above 16
    // turned up). 坤2 with 芮: H {庚, centre 丙}, E {庚, centre 癸}, S {芮
    // 禽}, P {2 5}; door 生, 六合; 值符 禽 with 值符 and 值使 palace 2;
    // pillars 庚 year, 癸 month, 庚 day, 癸亥 hour. 丙奇逢鼠 (丙/庚), 休诈;
    // 悖格 (丙 over 庚 of year and day), 伏干格 and 飞干格 (庚/庚 with a 庚
    // day), 天乙伏宫 (庚, palace code 5), 天乙飞宫 (庚 under 禽), 大格, 戏格,
    // 月格, 时格, 荧惑入白 (丙 over own 庚), 九星伏吟 (芮 at home),
    // 直符伏吟 (庚/庚), 八门反吟 (生 opposite 坤), 直符反吟 (庚 over 癸).
    Probe probe{.home = 2, .heaven = kGeng, .earth = kGeng, .star = kRui, .door = kSheng, .deity = kLiuHe,
                .centreHeaven = kBing, .centreEarth = kGui, .leaderStar = kQin, .leaderDoor = kSi,
                .leaderStarPalace = 2, .leaderDoorPalace = 2, .yearGZ = 37, .monthGZ = 10, .dayGZ = 37,
                .hourGZ = 0};
    EXPECT_EQ(codesOf(probe.findings()),
              (Codes{kBingQiFengShuGeng, kXiuZha, kBeiGe, kFuGanGe, kFeiGanGe, kTianYiFuGong, kTianYiFeiGong, kDaGe,
                     kXiGe, kYueGe, kShiGe, kYingHuoRuBai, kJiuXingFuYin, kZhiFuFuYin, kBaMenFanYin,
                     kZhiFuFanYin}));
}

// ---- sweeps against a literal reading of the rules ---------------------------------

// The rules read word for word with small vectors: H, E, S, P as lists, the
// combinations as an explicit list, each rule as tabled. Independent of the
// bit masks of the detector; shares only the score tables.
struct Reference {
    Codes codes;
    int score = 0;
};

Reference referenceFindings(const chart::ChartRecord& chart, chart::HomeCode home, const chart::PalaceCell& cell) {
    const chart::PalaceCell& centre = chart.cells[4];
    const bool cs = cell.star == 2, ce = cell.homeStar == 2;
    std::vector<int> H{cell.heavenStem}, E{cell.earthStem}, S{cell.star}, P{cell.homeStar};
    if (cs) H.push_back(centre.heavenStem), S.push_back(centre.star);
    if (ce) E.push_back(centre.earthStem), P.push_back(centre.homeStar);
    struct Combination { int h, e; };
    std::vector<Combination> combos{{cell.heavenStem, cell.earthStem}};
    if (ce) combos.push_back({cell.heavenStem, centre.earthStem});
    if (cs) combos.push_back({centre.heavenStem, cell.earthStem});
    if (cs && ce) combos.push_back({centre.heavenStem, centre.earthStem});
    auto in = [](const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); };
    auto pair = [&](int x, int y) {
        for (auto c : combos)
            if (c.h == x && c.e == y) return true;
        return false;
    };
    auto wonder = [](int s) { return s == 2 || s == 3 || s == 4; };
    const int palace = home == 0 ? 9 : home;
    const int ls = chart.leaderStarPalace == 5 ? 2 : chart.leaderStarPalace;
    const int ld = chart.leaderDoorPalace == 5 ? 2 : chart.leaderDoorPalace;
    const int door = cell.door, deity = cell.deity;
    const bool good = door == 1 || door == 6 || door == 8;
    const bool hWonder = in(H, 2) || in(H, 3) || in(H, 4);
    const bool hDJG = in(H, 4) || in(H, 6) || in(H, 0);
    const int ys = chart.yearGZ % 10, ms = chart.monthGZ % 10, ds = chart.dayGZ % 10, hs = chart.hourGZ % 10;

    Reference r;
    r.score = kStarDoorScore[cell.star][door] + (cs ? kStarDoorScore[4][door] : 0);
    for (auto c : combos) r.score += kStemPairScore[c.e][c.h];
    int rel = ((kDoorElement[door] - kPalaceElement[home]) % 5 + 5) % 5;
    r.score += rel == 1 || rel == 4 ? 1 : rel == 3 ? -1 : 0;

    const bool good0[27] = {
        pair(2, 8), pair(2, 6), pair(3, 5), pair(3, 7), pair(4, 9), pair(4, 0),
        door == chart.leaderDoor && in(E, 4),
        hWonder && good && deity == 2, hWonder && good && deity == 7, hWonder && good && deity == 3,
        pair(3, 4) && door == 8, pair(2, 6) && door == 6,
        in(H, 4) && door == 1 && deity == 2, in(H, 3) && door == 8 && deity == 8,
        in(H, 4) && door == 4 && deity == 7,
        good && (pair(2, 0) || (in(H, 2) && palace == 1)),
        in(H, 2) && good && palace == 4, pair(2, 8) && good, in(H, 2) && door == 1 && palace == 8,
        pair(3, 5), pair(5, 3),
        (in(H, 2) && palace == 3) || (in(H, 3) && palace == 9) || (in(H, 4) && palace == 7),
        hWonder && door == 0 && deity == 8, hDJG && door == 4 && (deity == 2 || deity == 3 || deity == 8),
        in(H, 9) && door == 7 && deity == 8, hDJG && door == 3 && deity == 7, hDJG && door == 2 && deity == 7};
    for (int k = 0; k < 27; ++k)
        if (good0[k]) r.codes.push_back(static_cast<PatternCode>(k)), r.score += 2;

    bool beige = false;
    for (int s : S)
        if (s == chart.leaderStar && in(E, 3)) beige = true;
    for (auto c : combos)
        if (c.h == 3 && (c.e == ys || c.e == ms || c.e == ds || c.e == hs)) beige = true;
    for (int p : P)
        if (in(H, 3) && p == chart.leaderStar) beige = true;
    bool fuGong = false;
    for (int p : P)
        if (in(H, 7) && p == chart.leaderStar) fuGong = true;
    bool zhiFuFu = false, zhiFuFan = false;
    for (auto c : combos) {
        if (c.h == c.e && c.h < 10 && !wonder(c.h)) zhiFuFu = true;
        if (c.h < 10 && c.e < 10 && !wonder(c.h) && !wonder(c.e) &&
            (kInstrumentClash[c.e] == c.h || kInstrumentClash[c.h] == c.e))
            zhiFuFan = true;
    }
    const int hour = chart.hourGZ;
    const bool bad[28] = {
        beige, pair(7, ds), pair(ds, 7), fuGong, in(E, 7) && in(S, chart.leaderStar),
        pair(7, 0), pair(7, 6), pair(7, 9), pair(7, ys), pair(7, ms), pair(7, hs),
        pair(0, 4), pair(4, 0), pair(2, 8), pair(8, 2),
        (in(H, 5) && palace == 3) || (in(H, 6) && palace == 2) || (in(H, 7) && palace == 8) ||
            (in(H, 8) && palace == 9) || (in(H, 9) && palace == 4) || (in(H, 0) && palace == 4),
        ((in(H, 2) || in(H, 3)) && palace == 6) || (in(H, 4) && palace == 8),
        (in(H, 0) && palace == 2 && hour == 20) || (in(H, 3) && palace == 6 && hour == 23) ||
            (in(H, 5) && palace == 6 && hour == 35) || (in(H, 4) && palace == 8 && hour == 14) ||
            (in(H, 9) && palace == 4 && hour == 29),
        in(H, 3) && cell.earthStem == 7, in(H, 7) && cell.earthStem == 3,
        cell.star == cell.homeStar && palace == ls, zhiFuFu && palace == ls, door == home && palace == ld,
        cell.homeStar == kOppositeHome[cell.star] && palace == ls, home == kOppositeHome[door] && palace == ld,
        zhiFuFan && palace == ls, pair(0, hs), pair(9, hs)};
    for (int k = 0; k < 28; ++k)
        if (bad[k]) r.codes.push_back(static_cast<PatternCode>(10000 + k)), r.score -= 2;
    return r;
}

void expectMatchesReference(const chart::ChartRecord& record, int g, chart::HomeCode home) {
    PalaceFindings f;
    detectPatterns(record, home, record.cells[g], f);
    Reference r = referenceFindings(record, home, record.cells[g]);
    ASSERT_EQ(codesOf(f), r.codes) << "cell " << g;
    ASSERT_EQ(f.score, r.score) << "cell " << g;
}

TEST(PatternSweep, EveryRotatingChartAgreesWithTheLiteralReading) {
    // Both duns, ju 1..9, all sixty hours, both tianyi and zhifu settings,
    // with the day, month and year pillars moved along so that every pillar
    // stem meets every plate; all nine cells.
    int n = 0;
    for (bool yang : {false, true})
        for (int ju = 1; ju <= 9; ++ju)
            for (int hour = 0; hour < 60; ++hour)
                for (int setting = 0; setting < 4; ++setting) {
                    chart::ChartRecord record;
                    record.yangDun = yang;
                    record.ju = static_cast<std::int16_t>(ju);
                    record.hourGZ = static_cast<calendar::GanZhiCode>(hour);
                    record.dayGZ = static_cast<calendar::GanZhiCode>((hour * 7 + ju) % 60);
                    record.monthGZ = static_cast<calendar::GanZhiCode>((hour * 11 + 3 * ju) % 60);
                    record.yearGZ = static_cast<calendar::GanZhiCode>((hour * 13 + 5 * ju + setting) % 60);
                    record.settings.tianyi = static_cast<std::uint8_t>(setting & 1);
                    record.settings.zhifu = static_cast<std::uint8_t>(setting >> 1);
                    chart::layRotatingHourChart(record);
                    for (int g = 0; g < 9; ++g) expectMatchesReference(record, g, chart::homeOfCell(g));
                    ++n;
                }
    EXPECT_EQ(n, 2 * 9 * 60 * 4);
}

TEST(PatternSweep, RandomHandSetPalacesAgreeWithTheLiteralReading) {
    std::mt19937 rng(20240611);
    auto pick = [&rng](int n) { return static_cast<std::uint8_t>(rng() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 200000; ++i) {
        chart::ChartRecord record;
        for (auto& cell : record.cells)
            cell = chart::PalaceCell{pick(9), pick(10), pick(9), pick(9), pick(10), pick(9), 0, 0, 0, 0, 0, 10, 10};
        // Half of the draws force the borrowing flags on.
        int g = pick(9);
        if (i % 2 == 0) record.cells[g].star = 2;
        if (i % 4 == 0) record.cells[g].homeStar = 2;
        record.leaderStar = pick(9);
        record.leaderDoor = pick(9);
        record.leaderStarPalace = static_cast<chart::Palace>(1 + pick(9));
        record.leaderDoorPalace = static_cast<chart::Palace>(1 + pick(9));
        record.yearGZ = pick(60);
        record.monthGZ = pick(60);
        record.dayGZ = pick(60);
        record.hourGZ = pick(60);
        expectMatchesReference(record, g, pick(9));
    }
}

TEST(PatternSweep, CodesAreInCodeOrderAndEchoesAppearAtMostOncePerChart) {
    for (bool yang : {false, true})
        for (int ju = 1; ju <= 9; ++ju)
            for (int hour = 0; hour < 60; ++hour) {
                chart::ChartRecord record = laidChart(yang, ju, static_cast<calendar::GanZhiCode>(hour), 1);
                std::array<PalaceFindings, 9> findings;
                detectChartPatterns(record, findings, {}, CentreCell::Include);
                std::array<int, 6> echoes{};
                for (const auto& f : findings) {
                    ASSERT_TRUE(std::is_sorted(f.found().begin(), f.found().end()));
                    ASSERT_TRUE(std::adjacent_find(f.found().begin(), f.found().end()) == f.found().end());
                    ASSERT_LE(f.count, kMaxPalaceFindings);
                    for (PatternCode c : f.found())
                        if (isEcho(c)) ++echoes[static_cast<std::size_t>(c - kJiuXingFuYin)];
                }
                for (int e : echoes) ASSERT_LE(e, 1);
            }
}

}  // namespace
}  // namespace qimen::patterns

// Each of the 55 rules on hand-set palaces: a probe where it
// holds and a near miss where one condition is changed and it does not.
// Probes start from the neutral probe of pattern_test_support.hpp; every
// case names what it changes and why the rule then holds or fails. Only the
// rule's own code is asserted; other codes may come and go.
//
// A second group sweeps every pair rule through the four stem
// combinations, borrowing the centre's heaven stem through 天芮 and its
// earth stem through 坤2, with near misses where the borrowing flag is off.
#include <gtest/gtest.h>

#include <string>

#include "pattern_test_support.hpp"

namespace qimen::patterns {
namespace {

using namespace testing;
using namespace pattern;

struct RuleCase {
    const char* name;
    PatternCode code;
    Probe holds;
    Probe misses;
};

// Field order of Probe: home, heaven, earth, star, door, deity, centreHeaven,
// centreEarth, leaderStar, leaderDoor, leaderStarPalace, leaderDoorPalace,
// yearGZ, monthGZ, dayGZ, hourGZ.
const RuleCase kRuleCases[] = {
    // ---- 吉格 ----
    // Pairs: heaven x over earth y; the miss changes the earth stem.
    {"YiQiFengMa", kYiQiFengMa, {.heaven = kYi, .earth = kXin}, {.heaven = kYi, .earth = kGeng}},
    {"YiQiFengQuan", kYiQiFengQuan, {.heaven = kYi, .earth = kJi}, {.heaven = kYi, .earth = kWu}},
    {"BingQiFengShuOverWu", kBingQiFengShuWu, {.heaven = kBing, .earth = kWu}, {.heaven = kBing, .earth = kJi}},
    {"BingQiFengShuOverGeng", kBingQiFengShuGeng, {.heaven = kBing, .earth = kGeng},
     {.heaven = kBing, .earth = kXin}},
    {"DingQiFengLong", kDingQiFengLong, {.heaven = kDing, .earth = kRen}, {.heaven = kDing, .earth = kXin}},
    {"DingQiFengHu", kDingQiFengHu, {.heaven = kDing, .earth = kGui}, {.heaven = kDing, .earth = kRen}},
    // 玉女守门: door 休 is the 值使 door and 丁 is on the earth plate; the
    // miss puts 丙 there instead.
    {"YuNvShouMen", kYuNvShouMen, {.earth = kDing, .door = kXiu, .leaderDoor = kXiu},
     {.earth = kBing, .door = kXiu, .leaderDoor = kXiu}},
    // 玉女守门 with the 丁 borrowed from the centre's earth by 坤2; the miss
    // is the same stems in 离9, which borrows nothing.
    {"YuNvShouMenThroughKun", kYuNvShouMen,
     {.home = 2, .earth = kJi, .door = kXiu, .centreEarth = kDing, .leaderDoor = kXiu},
     {.home = 0, .earth = kJi, .door = kXiu, .centreEarth = kDing, .leaderDoor = kXiu}},
    // 真诈 / 重诈 / 休诈: a wonder over any earth, door 休 开 生, deity
    // 太阴 / 九地 / 六合.
    {"ZhenZha", kZhenZha, {.heaven = kBing, .door = kKai, .deity = kTaiYin},
     {.heaven = kBing, .door = kJingScene, .deity = kTaiYin}},
    // The wonder borrowed through 天芮 (centre heaven 乙); the miss has the
    // star 冲, which carries nothing.
    {"ZhenZhaThroughRui", kZhenZha,
     {.heaven = kXin, .star = kRui, .door = kKai, .deity = kTaiYin, .centreHeaven = kYi},
     {.heaven = kXin, .star = kChong, .door = kKai, .deity = kTaiYin, .centreHeaven = kYi}},
    {"ChongZha", kChongZha, {.heaven = kYi, .door = kSheng, .deity = kJiuDi},
     {.heaven = kXin, .door = kSheng, .deity = kJiuDi}},
    {"XiuZha", kXiuZha, {.heaven = kDing, .door = kXiu, .deity = kLiuHe},
     {.heaven = kDing, .door = kXiu, .deity = kTaiYin}},
    // 天遁: 丙 over 丁 with door 生; the miss has door 开.
    {"TianDun", kTianDun, {.heaven = kBing, .earth = kDing, .door = kSheng},
     {.heaven = kBing, .earth = kDing, .door = kKai}},
    // 地遁: 乙 over 己 with door 开; the miss has door 休.
    {"DiDun", kDiDun, {.heaven = kYi, .earth = kJi, .door = kKai}, {.heaven = kYi, .earth = kJi, .door = kXiu}},
    // 人遁: 丁 in heaven, 休, 太阴; the miss has 丙 in heaven.
    {"RenDun", kRenDun, {.heaven = kDing, .door = kXiu, .deity = kTaiYin},
     {.heaven = kBing, .door = kXiu, .deity = kTaiYin}},
    // Heaven only: 丁 on the earth plate does not count.
    {"RenDunLooksAtHeavenOnly", kRenDun, {.heaven = kDing, .earth = kXin, .door = kXiu, .deity = kTaiYin},
     {.heaven = kXin, .earth = kDing, .door = kXiu, .deity = kTaiYin}},
    // 神遁: 丙 in heaven, 生, 九天; the miss has deity 九地.
    {"ShenDun", kShenDun, {.heaven = kBing, .door = kSheng, .deity = kJiuTian},
     {.heaven = kBing, .door = kSheng, .deity = kJiuDi}},
    // 鬼遁: 丁 in heaven, 杜, 九地; the miss has door 伤.
    {"GuiDun", kGuiDun, {.heaven = kDing, .door = kDu, .deity = kJiuDi},
     {.heaven = kDing, .door = kShang, .deity = kJiuDi}},
    // 龙遁, first clause: 乙 over 癸 with a good door; the miss has door 杜.
    {"LongDunOverGui", kLongDun, {.heaven = kYi, .earth = kGui, .door = kXiu},
     {.heaven = kYi, .earth = kGui, .door = kDu}},
    // 龙遁, second clause: 乙 in heaven in 坎1 with a good door (earth 壬);
    // the miss has 丙 in heaven.
    {"LongDunInKan", kLongDun, {.home = 1, .heaven = kYi, .door = kKai},
     {.home = 1, .heaven = kBing, .door = kKai}},
    // 风遁: 乙, good door, 巽4; the miss is the same in 震3.
    {"FengDun", kFengDun, {.home = 4, .heaven = kYi, .door = kSheng}, {.home = 3, .heaven = kYi, .door = kSheng}},
    // 云遁: 乙 over 辛 with a good door; the miss has door 死.
    {"YunDun", kYunDun, {.heaven = kYi, .earth = kXin, .door = kXiu}, {.heaven = kYi, .earth = kXin, .door = kSi}},
    // 虎遁: 乙, door 休, 艮8; the miss has door 开 (good, but not 休).
    {"HuDun", kHuDun, {.home = 8, .heaven = kYi, .door = kXiu}, {.home = 8, .heaven = kYi, .door = kKai}},
    {"FeiNiaoDieXue", kFeiNiaoDieXue, {.heaven = kBing, .earth = kWu}, {.heaven = kDing, .earth = kWu}},
    // 青龙返首 is 戊 over 丙, not 丙 over 戊: the miss is 戊 over 丁.
    {"QingLongFanShou", kQingLongFanShou, {.heaven = kWu, .earth = kBing}, {.heaven = kWu, .earth = kDing}},
    // 三奇升殿: 乙 in 震3, 丙 in 离9, 丁 in 兑7; each miss moves the wonder
    // to another of the three palaces.
    {"SanQiShengDianYiInZhen", kSanQiShengDian, {.home = 3, .heaven = kYi}, {.home = 7, .heaven = kYi}},
    {"SanQiShengDianBingInLi", kSanQiShengDian, {.home = 0, .heaven = kBing}, {.home = 3, .heaven = kBing}},
    {"SanQiShengDianDingInDui", kSanQiShengDian, {.home = 7, .heaven = kDing}, {.home = 0, .heaven = kDing}},
    // 天假: a wonder, door 景, 九天; the miss has door 惊.
    {"TianJia", kTianJia, {.heaven = kDing, .door = kJingScene, .deity = kJiuTian},
     {.heaven = kDing, .door = kJingFear, .deity = kJiuTian}},
    // 地假: 丁/己/癸, door 杜, 太阴/六合/九天; the miss has deity 九地.
    {"DiJia", kDiJia, {.heaven = kJi, .door = kDu, .deity = kLiuHe}, {.heaven = kJi, .door = kDu, .deity = kJiuDi}},
    // 人假: 壬, door 惊, 九天; the miss has 癸 in heaven.
    {"RenJia", kRenJia, {.heaven = kRen, .door = kJingFear, .deity = kJiuTian},
     {.heaven = kGui, .door = kJingFear, .deity = kJiuTian}},
    // 神假: 丁/己/癸, door 伤, 九地; the miss has 戊 in heaven.
    {"ShenJia", kShenJia, {.heaven = kGui, .door = kShang, .deity = kJiuDi},
     {.heaven = kWu, .door = kShang, .deity = kJiuDi}},
    // 鬼假: 丁/己/癸, door 死, 九地; the miss has door 伤.
    {"GuiJia", kGuiJia, {.heaven = kDing, .door = kSi, .deity = kJiuDi},
     {.heaven = kDing, .door = kShang, .deity = kJiuDi}},

    // ---- 凶格 ----
    // 悖格, first clause: the 值符 star (柱) stands here and 丙 is on the
    // earth plate; the miss makes 任 the 值符 star.
    {"BeiGeLeaderStarOverBing", kBeiGe, {.earth = kBing, .leaderStar = kZhu},
     {.earth = kBing, .leaderStar = kRenStar}},
    // Through 天芮: 天禽 travels with 芮, so 值符 禽 counts as standing here.
    {"BeiGeLeaderStarQinThroughRui", kBeiGe, {.earth = kBing, .star = kRui, .leaderStar = kQin},
     {.earth = kBing, .star = kChong, .leaderStar = kQin}},
    // Second clause: 丙 over the month stem 戊; the miss has a 甲 month.
    {"BeiGeBingOverPillarStem", kBeiGe, {.heaven = kBing, .earth = kWu, .monthGZ = pillarWithStem(kWu)},
     {.heaven = kBing, .earth = kWu, .monthGZ = pillarWithStem(kJia)}},
    // Third clause: 丙 in heaven in the home palace of the 值符 star (乾6,
    // 值符 心); the miss has 丁 in heaven.
    {"BeiGeBingInLeaderStarHome", kBeiGe, {.heaven = kBing, .leaderStar = kXinStar},
     {.heaven = kDing, .leaderStar = kXinStar}},
    // 伏干格: 庚 over the day stem (癸, day 癸酉); the miss has a 甲 day.
    {"FuGanGe", kFuGanGe, {.heaven = kGeng, .earth = kGui, .dayGZ = pillarWithStem(kGui)},
     {.heaven = kGeng, .earth = kGui, .dayGZ = pillarWithStem(kJia)}},
    // 飞干格: the day stem (己) over 庚; the miss has 戊 in heaven.
    {"FeiGanGe", kFeiGanGe, {.heaven = kJi, .earth = kGeng, .dayGZ = pillarWithStem(kJi)},
     {.heaven = kWu, .earth = kGeng, .dayGZ = pillarWithStem(kJi)}},
    // 天乙伏宫: 庚 in heaven in the 值符 star's home (乾6, 值符 心); the miss
    // makes 柱 the 值符 star.
    {"TianYiFuGong", kTianYiFuGong, {.heaven = kGeng, .leaderStar = kXinStar},
     {.heaven = kGeng, .leaderStar = kZhu}},
    // Through 坤2, which also carries the centre's palace code 5: 值符 禽.
    {"TianYiFuGongThroughKun", kTianYiFuGong, {.home = 2, .heaven = kGeng, .leaderStar = kQin},
     {.home = 0, .heaven = kGeng, .leaderStar = kQin}},
    // 天乙飞宫: 庚 on the earth plate under the 值符 star (柱); the miss has
    // 辛 on the earth plate.
    {"TianYiFeiGong", kTianYiFeiGong, {.earth = kGeng, .leaderStar = kZhu}, {.earth = kXin, .leaderStar = kZhu}},
    // 庚 borrowed from the centre's earth by 坤2.
    {"TianYiFeiGongThroughKun", kTianYiFeiGong,
     {.home = 2, .earth = kXin, .star = kZhu, .centreEarth = kGeng, .leaderStar = kZhu},
     {.home = 0, .earth = kXin, .star = kZhu, .centreEarth = kGeng, .leaderStar = kZhu}},
    {"DaGe", kDaGe, {.heaven = kGeng, .earth = kGui}, {.heaven = kGeng, .earth = kXin}},
    {"XingGe", kXingGe, {.heaven = kGeng, .earth = kJi}, {.heaven = kGeng, .earth = kWu}},
    {"ShangGe", kShangGe, {.heaven = kGeng, .earth = kRen}, {.heaven = kXin, .earth = kRen}},
    // 戏格 / 月格 / 时格: 庚 over the year / month / hour stem (戊); each
    // miss gives that pillar the stem 甲.
    {"XiGe", kXiGe, {.heaven = kGeng, .earth = kWu, .yearGZ = pillarWithStem(kWu)},
     {.heaven = kGeng, .earth = kWu, .yearGZ = pillarWithStem(kJia)}},
    {"YueGe", kYueGe, {.heaven = kGeng, .earth = kWu, .monthGZ = pillarWithStem(kWu)},
     {.heaven = kGeng, .earth = kWu, .monthGZ = pillarWithStem(kJia)}},
    {"ShiGe", kShiGe, {.heaven = kGeng, .earth = kWu, .hourGZ = pillarWithStem(kWu)},
     {.heaven = kGeng, .earth = kWu, .hourGZ = pillarWithStem(kJia)}},
    {"SheYaoJiao", kSheYaoJiao, {.heaven = kGui, .earth = kDing}, {.heaven = kGui, .earth = kBing}},
    {"ZhuQueRuJiang", kZhuQueRuJiang, {.heaven = kDing, .earth = kGui}, {.heaven = kBing, .earth = kGui}},
    {"QingLongTaoZou", kQingLongTaoZou, {.heaven = kYi, .earth = kXin}, {.heaven = kYi, .earth = kRen}},
    {"BaiHuChangKuang", kBaiHuChangKuang, {.heaven = kXin, .earth = kYi}, {.heaven = kXin, .earth = kDing}},
    // 六仪击刑: 戊 at 震3, 己 at 坤2, 庚 at 艮8, 辛 at 离9, 壬 and 癸 at 巽4;
    // each miss moves the stem to a palace of another clause.
    {"LiuYiJiXingWuInZhen", kLiuYiJiXing, {.home = 3, .heaven = kWu}, {.home = 2, .heaven = kWu}},
    {"LiuYiJiXingJiInKun", kLiuYiJiXing, {.home = 2, .heaven = kJi}, {.home = 3, .heaven = kJi}},
    {"LiuYiJiXingGengInGen", kLiuYiJiXing, {.home = 8, .heaven = kGeng}, {.home = 0, .heaven = kGeng}},
    {"LiuYiJiXingXinInLi", kLiuYiJiXing, {.home = 0, .heaven = kXin}, {.home = 8, .heaven = kXin}},
    {"LiuYiJiXingRenInXun", kLiuYiJiXing, {.home = 4, .heaven = kRen}, {.home = 3, .heaven = kRen}},
    {"LiuYiJiXingGuiInXun", kLiuYiJiXing, {.home = 4, .heaven = kGui}, {.home = 2, .heaven = kGui}},
    // Heaven only: 戊 on the earth plate of 震3 does not count.
    {"LiuYiJiXingLooksAtHeavenOnly", kLiuYiJiXing, {.home = 3, .heaven = kWu, .earth = kXin},
     {.home = 3, .heaven = kXin, .earth = kWu}},
    // 三奇入墓: 乙 or 丙 at 乾6, 丁 at 艮8.
    {"SanQiRuMuYiInQian", kSanQiRuMu, {.home = 6, .heaven = kYi}, {.home = 8, .heaven = kYi}},
    {"SanQiRuMuBingInQian", kSanQiRuMu, {.home = 6, .heaven = kBing}, {.home = 6, .heaven = kDing}},
    {"SanQiRuMuDingInGen", kSanQiRuMu, {.home = 8, .heaven = kDing}, {.home = 6, .heaven = kDing}},
    // 时墓格: each stem in its tomb palace in its own hour; each miss keeps
    // the palace and the hour stem but takes another hour of that stem.
    {"ShiMuGeGuiWei", kShiMuGe, {.home = 2, .heaven = kGui, .hourGZ = 20}, {.home = 2, .heaven = kGui, .hourGZ = 10}},
    {"ShiMuGeBingXu", kShiMuGe, {.home = 6, .heaven = kBing, .hourGZ = 23}, {.home = 6, .heaven = kBing, .hourGZ = 3}},
    {"ShiMuGeWuXu", kShiMuGe, {.home = 6, .heaven = kWu, .hourGZ = 35}, {.home = 6, .heaven = kWu, .hourGZ = 5}},
    {"ShiMuGeDingChou", kShiMuGe, {.home = 8, .heaven = kDing, .hourGZ = 14}, {.home = 8, .heaven = kDing, .hourGZ = 4}},
    {"ShiMuGeRenChen", kShiMuGe, {.home = 4, .heaven = kRen, .hourGZ = 29}, {.home = 4, .heaven = kRen, .hourGZ = 9}},
    // 荧惑入白: 丙 over the palace's own earth 庚.
    {"YingHuoRuBai", kYingHuoRuBai, {.heaven = kBing, .earth = kGeng}, {.heaven = kBing, .earth = kXin}},
    // The 丙 may come through 天芮 …
    {"YingHuoRuBaiThroughRui", kYingHuoRuBai, {.heaven = kXin, .earth = kGeng, .star = kRui, .centreHeaven = kBing},
     {.heaven = kXin, .earth = kGeng, .star = kChong, .centreHeaven = kBing}},
    // … but the 庚 must be the own earth stem: 坤2's borrowed centre earth 庚
    // does not count (the holding twin has 庚 as 坤2's own earth).
    {"YingHuoRuBaiOwnEarthOnly", kYingHuoRuBai, {.home = 2, .heaven = kBing, .earth = kGeng, .centreEarth = kXin},
     {.home = 2, .heaven = kBing, .earth = kXin, .centreEarth = kGeng}},
    {"TaiBaiRuYing", kTaiBaiRuYing, {.heaven = kGeng, .earth = kBing}, {.heaven = kGeng, .earth = kDing}},
    {"TaiBaiRuYingOwnEarthOnly", kTaiBaiRuYing, {.home = 2, .heaven = kGeng, .earth = kBing, .centreEarth = kXin},
     {.home = 2, .heaven = kGeng, .earth = kXin, .centreEarth = kBing}},
    // 九星伏吟: the star at home (心 in 乾6) in the 值符 palace; the miss
    // puts the 值符 in 坎1.
    {"JiuXingFuYin", kJiuXingFuYin, {.star = kXinStar, .leaderStarPalace = 6},
     {.star = kXinStar, .leaderStarPalace = 1}},
    // A 值符 landing in the centre (5) is answered by 坤2, where 芮 is at
    // home; the miss has 冲 in 坤 instead.
    {"JiuXingFuYinCentreAnsweredByKun", kJiuXingFuYin, {.home = 2, .star = kRui, .leaderStarPalace = 5},
     {.home = 2, .star = kChong, .leaderStarPalace = 5}},
    // 直符伏吟: equal stems, not a wonder, in the 值符 palace; the miss has
    // the wonder 丙 over 丙.
    {"ZhiFuFuYin", kZhiFuFuYin, {.heaven = kWu, .earth = kWu, .leaderStarPalace = 6},
     {.heaven = kBing, .earth = kBing, .leaderStarPalace = 6}},
    // 八门伏吟: the door at home (开 in 乾6) in the 值使 palace; the miss
    // has 惊 there.
    {"BaMenFuYin", kBaMenFuYin, {.door = kKai, .leaderDoorPalace = 6}, {.door = kJingFear, .leaderDoorPalace = 6}},
    // 九星反吟: the star of the opposite palace (辅 of 巽4 in 乾6) in the
    // 值符 palace; the miss has 冲.
    {"JiuXingFanYin", kJiuXingFanYin, {.star = kFu, .leaderStarPalace = 6}, {.star = kChong, .leaderStarPalace = 6}},
    // 八门反吟: the opposite door (杜 in 乾6) in the 值使 palace; the miss
    // has the 值使 in 兑7.
    {"BaMenFanYin", kBaMenFanYin, {.door = kDu, .leaderDoorPalace = 6}, {.door = kDu, .leaderDoorPalace = 7}},
    // 直符反吟: clashing instruments in the 值符 palace: 庚 over 癸 (癸→庚);
    // the miss has the wonder 乙 over 癸, which the table would pair
    // (乙→癸) but the rule excludes.
    {"ZhiFuFanYin", kZhiFuFanYin, {.heaven = kGeng, .earth = kGui, .leaderStarPalace = 6},
     {.heaven = kYi, .earth = kGui, .leaderStarPalace = 6}},
    // 天网四张 / 地网遮蔽: 癸 / 壬 over the hour stem (丙, hour 丙寅); each
    // miss takes a 丁 hour.
    {"TianWangSiZhang", kTianWangSiZhang, {.heaven = kGui, .earth = kBing, .hourGZ = pillarWithStem(kBing)},
     {.heaven = kGui, .earth = kBing, .hourGZ = pillarWithStem(kDing)}},
    {"DiWangZheBi", kDiWangZheBi, {.heaven = kRen, .earth = kBing, .hourGZ = pillarWithStem(kBing)},
     {.heaven = kRen, .earth = kBing, .hourGZ = pillarWithStem(kDing)}},
};

class PatternRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(PatternRule, HoldsInItsProbeAndNotInItsNearMiss) {
    const RuleCase& c = GetParam();
    PalaceFindings holds = c.holds.findings();
    PalaceFindings misses = c.misses.findings();
    EXPECT_TRUE(holds.contains(c.code)) << "code " << c.code << " (" << patternName(c.code) << ") missing";
    EXPECT_FALSE(misses.contains(c.code)) << "code " << c.code << " (" << patternName(c.code) << ") in near miss";
}

INSTANTIATE_TEST_SUITE_P(EveryRule, PatternRule, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(PatternRuleTable, EveryOneOfThe55CodesHasACase) {
    for (int i = 0; i < kPatternCount; ++i) {
        PatternCode code = patternCodeOfIndex(i);
        bool found = false;
        for (const RuleCase& c : kRuleCases) found = found || c.code == code;
        EXPECT_TRUE(found) << "no case for code " << code;
    }
}

// ---- pair rules through the four stem combinations --------------------------

struct PairRule {
    const char* name;
    PatternCode code;
    calendar::StemCode heaven;
    calendar::StemCode earth;
    // The pillar whose stem takes part in the pair, as a member pointer,
    // or null for a fixed pair.
    calendar::GanZhiCode Probe::*pillar;
    calendar::StemCode pillarStem;
};

const PairRule kPairRules[] = {
    {"YiQiFengMa", kYiQiFengMa, kYi, kXin, nullptr, 0},
    {"YiQiFengQuan", kYiQiFengQuan, kYi, kJi, nullptr, 0},
    {"BingQiFengShuOverWu", kBingQiFengShuWu, kBing, kWu, nullptr, 0},
    {"BingQiFengShuOverGeng", kBingQiFengShuGeng, kBing, kGeng, nullptr, 0},
    {"DingQiFengLong", kDingQiFengLong, kDing, kRen, nullptr, 0},
    {"DingQiFengHu", kDingQiFengHu, kDing, kGui, nullptr, 0},
    {"FeiNiaoDieXue", kFeiNiaoDieXue, kBing, kWu, nullptr, 0},
    {"QingLongFanShou", kQingLongFanShou, kWu, kBing, nullptr, 0},
    {"BeiGeOverYearStem", kBeiGe, kBing, kJi, &Probe::yearGZ, kJi},
    {"FuGanGe", kFuGanGe, kGeng, kGui, &Probe::dayGZ, kGui},
    {"FeiGanGe", kFeiGanGe, kJi, kGeng, &Probe::dayGZ, kJi},
    {"DaGe", kDaGe, kGeng, kGui, nullptr, 0},
    {"XingGe", kXingGe, kGeng, kJi, nullptr, 0},
    {"ShangGe", kShangGe, kGeng, kRen, nullptr, 0},
    {"XiGe", kXiGe, kGeng, kWu, &Probe::yearGZ, kWu},
    {"YueGe", kYueGe, kGeng, kXin, &Probe::monthGZ, kXin},
    {"ShiGe", kShiGe, kGeng, kJi, &Probe::hourGZ, kJi},
    {"SheYaoJiao", kSheYaoJiao, kGui, kDing, nullptr, 0},
    {"ZhuQueRuJiang", kZhuQueRuJiang, kDing, kGui, nullptr, 0},
    {"QingLongTaoZou", kQingLongTaoZou, kYi, kXin, nullptr, 0},
    {"BaiHuChangKuang", kBaiHuChangKuang, kXin, kYi, nullptr, 0},
    {"TianWangSiZhang", kTianWangSiZhang, kGui, kWu, &Probe::hourGZ, kWu},
    {"DiWangZheBi", kDiWangZheBi, kRen, kJi, &Probe::hourGZ, kJi},
};

// A stem that is neither member of the pair, to fill the other positions.
calendar::StemCode fillerFor(const PairRule& rule) {
    for (calendar::StemCode s : {kXin, kRen, kWu, kJi, kGui})
        if (s != rule.heaven && s != rule.earth) return s;
    return kJia;
}

class PairRuleCombinations : public ::testing::TestWithParam<PairRule> {
protected:
    // The pair rule's pillar set, every stem position filled with the
    // filler; the palace is 乾6 with star 冲 (borrowing nothing) unless the
    // case changes it.
    Probe base() const {
        const PairRule& rule = GetParam();
        Probe probe;
        calendar::StemCode f = fillerFor(rule);
        probe.heaven = probe.earth = probe.centreHeaven = probe.centreEarth = f;
        probe.star = kChong;
        if (rule.pillar != nullptr) probe.*rule.pillar = pillarWithStem(rule.pillarStem);
        return probe;
    }
    bool holds(const Probe& probe) const { return probe.findings().contains(GetParam().code); }
};

TEST_P(PairRuleCombinations, OwnHeavenOverOwnEarth) {
    Probe probe = base();
    probe.heaven = GetParam().heaven;
    probe.earth = GetParam().earth;
    EXPECT_TRUE(holds(probe));
}

// 坤2 carries the centre's earth stem: own heaven over the centre earth.
// The near miss is the same in 离9, which carries nothing.
TEST_P(PairRuleCombinations, OwnHeavenOverCentreEarthThroughKun) {
    Probe probe = base();
    probe.home = 2;
    probe.heaven = GetParam().heaven;
    probe.centreEarth = GetParam().earth;
    EXPECT_TRUE(holds(probe));
    probe.home = 0;
    EXPECT_FALSE(holds(probe));
}

// 天芮 carries the centre's heaven stem: centre heaven over own earth. The
// near miss has the star 冲 instead.
TEST_P(PairRuleCombinations, CentreHeavenOverOwnEarthThroughRui) {
    Probe probe = base();
    probe.star = kRui;
    probe.centreHeaven = GetParam().heaven;
    probe.earth = GetParam().earth;
    EXPECT_TRUE(holds(probe));
    probe.star = kChong;
    EXPECT_FALSE(holds(probe));
}

// 坤2 with 天芮 carries both: centre heaven over centre earth. Each near miss
// drops one of the two borrowings.
TEST_P(PairRuleCombinations, CentreHeavenOverCentreEarthInKunWithRui) {
    Probe probe = base();
    probe.home = 2;
    probe.star = kRui;
    probe.centreHeaven = GetParam().heaven;
    probe.centreEarth = GetParam().earth;
    EXPECT_TRUE(holds(probe));
    Probe noRui = probe;
    noRui.star = kChong;
    EXPECT_FALSE(holds(noRui));
    Probe notKun = probe;
    notKun.home = 0;
    EXPECT_FALSE(holds(notKun));
}

INSTANTIATE_TEST_SUITE_P(EveryPairRule, PairRuleCombinations, ::testing::ValuesIn(kPairRules),
                         [](const ::testing::TestParamInfo<PairRule>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::patterns

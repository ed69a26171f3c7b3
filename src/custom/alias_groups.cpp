// The alias groups' table: controls, captions, default texts and messages.
#include "custom/alias_groups.hpp"

namespace qimen::custom {
namespace {

using Names = std::string_view;

constexpr Names kYinDeities[] = {"直符", "螣蛇", "太阴", "六合", "白虎", "玄武", "九地", "九天"};
constexpr Names kYangDeities[] = {"直符", "螣蛇", "太阴", "六合", "勾陈", "朱雀", "九地", "九天"};
// "天" and each star by Star code: 英 蓬 芮 冲 辅 禽 心 柱 任.
constexpr Names kStars[] = {"天英", "天蓬", "天芮", "天冲", "天辅", "天禽", "天心", "天柱", "天任"};
constexpr Names kStems[] = {"乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
// Each door and "门", by Door code without the centre.
constexpr Names kDoors[] = {"景门", "休门", "死门", "伤门", "杜门", "开门", "惊门", "生门"};
// The palace labels by HomeCode without the centre (full-width digits).
constexpr Names kPalaces[] = {"离９", "坎１", "坤２", "震３", "巽４", "乾６", "兑７", "艮８"};
constexpr Names kDayStem[] = {"日干"};
constexpr Names kHourStem[] = {"时干"};
constexpr Names kLeaderStar[] = {"直符"};
constexpr Names kLeaderDoor[] = {"直使"};

const std::array<AliasGroupInfo, kAliasGroupCount> kGroups = {{
    {AliasGroup::YinDeities, "GrdShenYin", "阴遁", "神盘阴遁", kYinDeities},
    {AliasGroup::YangDeities, "GrdShenYang", "阳遁", "神盘阳遁", kYangDeities},
    {AliasGroup::Stars, "GrdXing", "九星", "九星", kStars},
    {AliasGroup::HeavenStems, "GrdTianYi", "天盘奇仪", "天盘奇仪", kStems},
    {AliasGroup::Doors, "GrdMen", "八门", "八门", kDoors},
    {AliasGroup::EarthStems, "GrdDiYi", "地盘奇仪", "地盘奇仪", kStems},
    {AliasGroup::Palaces, "GrdGong", "九宫", "九宫", kPalaces},
    {AliasGroup::DayStem, "LedtRiGan", "日干", "日干", kDayStem},
    {AliasGroup::HourStem, "LedtShiGan", "时干", "时干", kHourStem},
    {AliasGroup::LeaderStar, "LedtZhiFu", "值符", "直符", kLeaderStar},
    {AliasGroup::LeaderDoor, "LedtZhiShi", "直使", "直使", kLeaderDoor},
}};

const std::array<AliasCheckInfo, kAliasCheckCount> kChecks = {{
    {AliasCheck::DayOnHeaven, "ChkRiTian", "天盘奇仪", &CustomClass::dayStemOnHeaven},
    {AliasCheck::DayOnEarth, "ChkRiDi", "地盘奇仪", &CustomClass::dayStemOnEarth},
    {AliasCheck::HourOnHeaven, "ChkShiTian", "天盘奇仪", &CustomClass::hourStemOnHeaven},
    {AliasCheck::HourOnEarth, "ChkShiDi", "地盘奇仪", &CustomClass::hourStemOnEarth},
    {AliasCheck::LeaderStar, "ChkZhiFu", "使用直符", &CustomClass::useLeaderStar},
    {AliasCheck::LeaderDoor, "ChkZhiShi", "使用直使", &CustomClass::useLeaderDoor},
}};

template <typename Class, typename Cells>
Cells cellsOf(Class& custom, AliasGroup group) {
    switch (group) {
    case AliasGroup::YinDeities: return custom.yinDeities;
    case AliasGroup::YangDeities: return custom.yangDeities;
    case AliasGroup::Stars: return custom.stars;
    case AliasGroup::HeavenStems: return custom.heavenStems;
    case AliasGroup::Doors: return custom.doors;
    case AliasGroup::EarthStems: return custom.earthStems;
    case AliasGroup::Palaces: return custom.palaces;
    case AliasGroup::DayStem: return Cells(&custom.dayStem, 1);
    case AliasGroup::HourStem: return Cells(&custom.hourStem, 1);
    case AliasGroup::LeaderStar: return Cells(&custom.leaderStar, 1);
    case AliasGroup::LeaderDoor: return Cells(&custom.leaderDoor, 1);
    }
    return {};
}

}  // namespace

const std::array<AliasGroupInfo, kAliasGroupCount>& aliasGroups() { return kGroups; }

const AliasGroupInfo& aliasGroupInfo(AliasGroup group) { return kGroups[static_cast<std::size_t>(group)]; }

std::string aliasErrorMessage(AliasGroup group) {
    return std::string(aliasGroupInfo(group).name) + "别名输入错误," + kAliasRuleMessage;
}

std::span<std::string> aliasCells(CustomClass& custom, AliasGroup group) {
    return cellsOf<CustomClass, std::span<std::string>>(custom, group);
}

std::span<const std::string> aliasCells(const CustomClass& custom, AliasGroup group) {
    return cellsOf<const CustomClass, std::span<const std::string>>(custom, group);
}

const std::array<AliasCheckInfo, kAliasCheckCount>& aliasChecks() { return kChecks; }

CustomClass defaultCustomClass() {
    CustomClass custom;
    for (const AliasGroupInfo& info : kGroups) {
        std::span<std::string> cells = aliasCells(custom, info.group);
        for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = std::string(info.defaults[i]);
    }
    return custom;
}

}  // namespace qimen::custom

// The eleven groups of aliases a custom label class holds, in the order the
// class editor reads them: each group's control, caption, cells and default
// texts ("默认输入", which are also the headings of the grids' row 0), and
// the message that names the group when one of its aliases breaks the alias
// rule. Also the six check boxes of the editor.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "custom/custom_class.hpp"

namespace qimen::custom {

enum class AliasGroup : std::uint8_t {
    YinDeities,   // GrdShenYin
    YangDeities,  // GrdShenYang
    Stars,        // GrdXing
    HeavenStems,  // GrdTianYi
    Doors,        // GrdMen
    EarthStems,   // GrdDiYi
    Palaces,      // GrdGong
    DayStem,      // LedtRiGan
    HourStem,     // LedtShiGan
    LeaderStar,   // LedtZhiFu
    LeaderDoor,   // LedtZhiShi
};
inline constexpr std::size_t kAliasGroupCount = 11;

struct AliasGroupInfo {
    AliasGroup group;
    std::string_view control;  // the editor's grid or edit
    std::string_view caption;  // the label beside it
    std::string_view name;     // how its message names it
    // Default texts by column (one for an edit); the grids' row-0 headings.
    std::span<const std::string_view> defaults;
};

// Every group, in the editor's reading order.
const std::array<AliasGroupInfo, kAliasGroupCount>& aliasGroups();
const AliasGroupInfo& aliasGroupInfo(AliasGroup group);

// "…别名输入错误,别名必须为1-2个汉字" naming the group.
std::string aliasErrorMessage(AliasGroup group);

// The longest text the four edits take, in GBK bytes (two Chinese
// characters).
inline constexpr int kAliasEditMaxBytes = 4;

// The caption over both deity grids, and the note beside the yang-dun grid.
inline constexpr std::string_view kDeityGridsCaption = "神盘";
inline constexpr std::string_view kYangDeitiesNote = "如果设置阳遁同阴遁，此处不用修改";

// The cells of a group within a class: 8 or 9 for a grid, 1 for an edit.
std::span<std::string> aliasCells(CustomClass& custom, AliasGroup group);
std::span<const std::string> aliasCells(const CustomClass& custom, AliasGroup group);

// The six check boxes beside the edits.
enum class AliasCheck : std::uint8_t { DayOnHeaven, DayOnEarth, HourOnHeaven, HourOnEarth, LeaderStar, LeaderDoor };
inline constexpr std::size_t kAliasCheckCount = 6;

struct AliasCheckInfo {
    AliasCheck check;
    std::string_view control;  // ChkRiTian …
    std::string_view caption;  // "天盘奇仪" …
    bool CustomClass::*flag;
};
const std::array<AliasCheckInfo, kAliasCheckCount>& aliasChecks();

// The class "默认输入" loads: every default text, every check box clear, no
// name.
CustomClass defaultCustomClass();

}  // namespace qimen::custom

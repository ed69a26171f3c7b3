// CustomClass: one named class of custom labels for the elements of a
// rotating-plate hour chart, and its 352-byte slot in dat/custom.dat. Every
// alias is two full-width characters (a one-character alias is completed with
// the full-width blank "　").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/expected.hpp"

namespace qimen::custom {

inline constexpr std::size_t kCustomSlotSize = 352;
using CustomSlotImage = std::array<std::uint8_t, kCustomSlotSize>;
inline constexpr std::size_t kClassNameMaxBytes = 24;

// Offsets within the slot.
namespace slot {
inline constexpr std::size_t kSlotNumber = 0;  // int32
inline constexpr std::size_t kDeleted = 4;     // byte, 1 = free slot
inline constexpr std::size_t kClassName = 5;   // 25-byte cell
inline constexpr std::size_t kYinDeities = 30;
inline constexpr std::size_t kYangDeities = 70;
inline constexpr std::size_t kStars = 110;
inline constexpr std::size_t kHeavenStems = 155;
inline constexpr std::size_t kDoors = 200;
inline constexpr std::size_t kEarthStems = 240;
inline constexpr std::size_t kPalaces = 285;
inline constexpr std::size_t kDayStem = 325;  // alias, then on-heaven, on-earth flags
inline constexpr std::size_t kHourStem = 332;
inline constexpr std::size_t kLeaderStar = 339;  // alias, then use flag
inline constexpr std::size_t kLeaderDoor = 345;
inline constexpr std::size_t kAliasCell = 5;
}  // namespace slot

struct CustomClass {
    std::int32_t slotNumber = 0;
    bool deleted = false;
    std::string name;  // UTF-8, at most 24 GBK bytes
    // Aliases (UTF-8, each two full-width characters once checked).
    std::array<std::string, 8> yinDeities;   // 直符 螣蛇 太阴 六合 白虎 玄武 九地 九天
    std::array<std::string, 8> yangDeities;  // 直符 螣蛇 太阴 六合 勾陈 朱雀 九地 九天
    std::array<std::string, 9> stars;        // by Star code 0..8: 英 蓬 芮 冲 辅 禽 心 柱 任
    std::array<std::string, 9> heavenStems;  // 乙 丙 丁 戊 己 庚 辛 壬 癸
    std::array<std::string, 8> doors;        // 景 休 死 伤 杜 开 惊 生
    std::array<std::string, 9> earthStems;   // 乙 丙 丁 戊 己 庚 辛 壬 癸
    std::array<std::string, 8> palaces;      // 离９ 坎１ 坤２ 震３ 巽４ 乾６ 兑７ 艮８
    std::string dayStem;
    bool dayStemOnHeaven = false;
    bool dayStemOnEarth = false;
    std::string hourStem;
    bool hourStemOnHeaven = false;
    bool hourStemOnEarth = false;
    std::string leaderStar;
    bool useLeaderStar = false;
    std::string leaderDoor;
    bool useLeaderDoor = false;

    friend bool operator==(const CustomClass&, const CustomClass&) = default;
};

// The alias rule: the text must be exactly 2 or 4 GBK bytes, every byte with
// its high bit set (one or two double-byte characters). Answers the alias to
// store (a one-character alias completed with "　"); fails with
// kAliasRuleMessage, which callers prefix with the group's name
// (aliasErrorMessage).
inline constexpr const char* kAliasRuleMessage = "别名必须为1-2个汉字";
Expected<std::string> checkedAlias(std::string_view utf8);

// The text an alias prints as: a stored alias as it is; a text a damaged
// slot holds instead is fitted to two full-width characters (its first
// double-byte characters, completed with "　") so the grid keeps its shape.
std::string displayAlias(std::string_view utf8);

// A usable class name: 1 to 24 GBK bytes, not only blanks (ASCII or "　").
bool isValidClassName(std::string_view utf8);
// Why a name is refused, for callers that must say so.
inline constexpr const char* kClassNameMessage = "类别名须为1-24个字节(最长12个汉字)的GBK文字,不能全是空格";

// Decodes a slot (texts not valid GBK show U+FFFD where bad).
CustomClass decodeCustomClass(const CustomSlotImage& image);

// Encodes a class into a zero-filled slot with every alias stored by the
// alias rule. Fails with the message of the first group (in the editor's
// order) holding an alias that breaks the rule, then with kClassNameMessage
// when the name does not fit 24 GBK bytes (an empty name is encoded; the
// editor checks every alias before it names a new class).
Expected<CustomSlotImage> encodeCustomClass(const CustomClass& custom);

}  // namespace qimen::custom

// Texts of the chart vocabulary, indexed by the system's codes (codes.hpp):
// stems and branches by the sexagenary arithmetic, stars, doors and palace
// texts by HomeCode, deities by the list in force, solar terms 0 = 小寒 …
// 23 = 冬至. Texts are UTF-8 in memory; a one-character text is a 3-byte
// GBK cell on disk, a two-character text a 5-byte cell.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/calendar_text.hpp"
#include "calendar/ganzhi.hpp"

namespace qimen::chart {

// Stems, branches, their sixty combinations, solar terms and weekdays are
// the calendar's texts (calendar/calendar_text.hpp).
using calendar::branchText;
using calendar::ganZhiText;
using calendar::solarTermText;
using calendar::stemText;
using calendar::weekdayText;

// Every lookup below takes a code in the range stated and throws
// std::out_of_range for any other.

// Star by code 0..8: 英 蓬 芮 冲 辅 禽 心 柱 任 (printed after "天").
std::string_view starText(int star);
// Door by code 0..8: 景 休 死 伤 杜 中 开 惊 生 (printed before "门").
std::string_view doorText(int door);
// Palace label by HomeCode 0..8: 离９ 坎１ 坤２ … 艮８ (full-width digits).
std::string_view palaceLabelText(int home);
// Palace trigram name by HomeCode 0..8: 离 坎 坤 震 巽 中 乾 兑 艮.
std::string_view palaceNameText(int home);
// Direction by HomeCode 0..8: 正南 正北 西南 正东 东南 中央 西北 正西 东北.
std::string_view directionText(int home);
// Full-width digit by value 0..9: "０" … "９". Palace digits are indexed by
// palace number, so HomeCode 0 (palace 9) prints as fullWidthDigitText(9).
std::string_view fullWidthDigitText(int value);
// Full-width digit of the palace with this HomeCode: ９ １ ２ … ８.
std::string_view palaceDigitText(int home);

// The deity lists. W and G are the rotating plate's long names (G differs
// in 5 勾陈 and 6 朱雀); the flying lists are the flying-palace chart's
// short names by dun; YinPlate the yin-plate chart's short names.
enum class DeityList : std::uint8_t { W, G, FlyingYang, FlyingYin, YinPlate };

// Deity name by code 0..8 in the given list.
std::string_view deityText(DeityList list, int deity);

// The long list a rotating-plate grid prints: W with setting `shen` 0;
// with `shen` non-zero, G in yang dun and W in yin dun.
constexpr DeityList rotatingDeityList(int shen, bool yangDun) {
    return (shen != 0 && yangDun) ? DeityList::G : DeityList::W;
}
// The short list of a flying-palace hour chart by its dun.
constexpr DeityList flyingDeityList(bool yangDun) {
    return yangDun ? DeityList::FlyingYang : DeityList::FlyingYin;
}

// Element by code 0..4: 水 木 火 土 金.
std::string_view elementText(int element);
// Seasonal strength word by index 0..4: 旺 相 休 囚 死.
std::string_view strengthText(int index);
// Numeral of a ju number 1..9: 一 … 九.
std::string_view numeralText(int value);

// Day-chart spirit by index 0..8: 太乙 摄提 轩辕 招摇 天符 青龙 咸池 太阴 天乙.
std::string_view daySpiritText(int index);
// Small-chart spirit by index 0..11: 青龙 明堂 天刑 朱雀 金匮 天德 白虎 玉堂
// 天牢 玄武 司命 勾陈.
std::string_view smallSpiritText(int index);
// Small-chart officer by index 0..11: 建 除 满 平 定 执 破 危 成 收 开 闭.
std::string_view officerText(int index);

}  // namespace qimen::chart

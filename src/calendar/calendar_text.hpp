// Texts of the calendar's codes (UTF-8): stems and branches by the
// sexagenary arithmetic of ganzhi.hpp, solar terms by code 0 = 小寒 …
// 23 = 冬至, weekdays Sunday first, and the zodiac animals by branch. The
// chart vocabulary (chart/vocabulary.hpp) shares these lookups.
#pragma once

#include <string>
#include <string_view>

#include "calendar/ganzhi.hpp"

namespace qimen::calendar {

// Every lookup below takes a code in the range stated and throws
// std::out_of_range for any other.

// Stem text by code 0..10: 癸 甲 乙 丙 丁 戊 己 庚 辛 壬, and 10 (no stem) the
// full-width blank "　".
std::string_view stemText(int stem);
// Branch text by code 0..11: 亥 子 丑 寅 卯 辰 巳 午 未 申 酉 戌.
std::string_view branchText(int branch);
// Stem and branch of a sexagenary code, e.g. 55 → "戊午", 0 → "癸亥".
std::string ganZhiText(GanZhiCode code);
// Solar-term name by code 0..23: 小寒 大寒 立春 … 大雪 冬至.
std::string_view solarTermText(int term);
// Weekday word by weekday 0..6, Sunday first: 日 一 … 六.
std::string_view weekdayText(int weekday);
// Zodiac animal by branch code 0..11: 猪 鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗.
std::string_view zodiacText(int branch);

}  // namespace qimen::calendar

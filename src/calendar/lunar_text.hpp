// Texts of lunar dates: numerals, month names and day names (UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace qimen::calendar {

// The ten numeral cells 0..9: "○" "一" "二" "三" "四" "五" "六" "七" "八"
// "九" (a year is written digit by digit: 二○○○). Any other value answers "".
std::string_view lunarDigitText(int digit);

// A number 1..30 in words: 1..9 "一".."九", 10 "十", 11..19 "十" and the
// digit, 20 "二十", 21..29 "廿" and the digit, 30 "三十". Any other value
// answers "". The header and the perpetual calendar add their own prefixes.
std::string lunarNumeral(int n);

// Month name 1..12: 正月, 二月 … 十月, 十一月, 十二月 (the month numbers in
// words, month 1 by its own name); "闰" goes before it for a leap month.
// Any other value answers "".
std::string lunarMonthName(int month, bool leap = false);

// Day name 1..30 as an almanac prints it: 初一 … 初十, 十一 … 十九, 二十,
// 廿一 … 廿九, 三十. Any other value answers "".
std::string lunarDayName(int day);

}  // namespace qimen::calendar

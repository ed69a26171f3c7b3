// Lunar numerals and the names of lunar months and days.
#include "calendar/lunar_text.hpp"

namespace qimen::calendar {
namespace {

constexpr std::string_view kDigits[10] = {"○", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

std::string_view lunarDigitText(int digit) { return digit >= 0 && digit <= 9 ? kDigits[digit] : std::string_view{}; }

std::string lunarNumeral(int n) {
    if (n < 1 || n > 30) return {};
    if (n < 10) return std::string(kDigits[n]);
    if (n == 10) return "十";
    if (n < 20) return "十" + std::string(kDigits[n - 10]);
    if (n == 20) return "二十";
    if (n < 30) return "廿" + std::string(kDigits[n - 20]);
    return "三十";
}

std::string lunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12) return {};
    std::string name = leap ? "闰" : "";
    name += month == 1 ? "正" : lunarNumeral(month);
    return name + "月";
}

std::string lunarDayName(int day) {
    if (day < 1 || day > 30) return {};
    if (day <= 10) return "初" + lunarNumeral(day);
    return lunarNumeral(day);
}

}  // namespace qimen::calendar

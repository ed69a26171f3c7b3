// The fixed text tables of the calendar's codes.
#include "calendar/calendar_text.hpp"

#include <array>
#include <stdexcept>

namespace qimen::calendar {
namespace {

using Text = std::string_view;

constexpr std::array<Text, 11> kStems = {"癸", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "　"};
constexpr std::array<Text, 12> kBranches = {"亥", "子", "丑", "寅", "卯", "辰",
                                            "巳", "午", "未", "申", "酉", "戌"};
constexpr std::array<Text, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
constexpr std::array<Text, 7> kWeekdays = {"日", "一", "二", "三", "四", "五", "六"};
constexpr std::array<Text, 12> kZodiac = {"猪", "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗"};

template <std::size_t N>
Text lookup(const std::array<Text, N>& table, int index, const char* what) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) throw std::out_of_range(what);
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view stemText(int stem) { return lookup(kStems, stem, "stem code"); }
std::string_view branchText(int branch) { return lookup(kBranches, branch, "branch code"); }

std::string ganZhiText(GanZhiCode code) {
    std::string text(stemText(stemOf(code)));
    text += branchText(branchOf(code));
    return text;
}

std::string_view solarTermText(int term) { return lookup(kSolarTerms, term, "solar term code"); }
std::string_view weekdayText(int weekday) { return lookup(kWeekdays, weekday, "weekday"); }
std::string_view zodiacText(int branch) { return lookup(kZodiac, branch, "branch code"); }

}  // namespace qimen::calendar

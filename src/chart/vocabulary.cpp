// The fixed text tables of stems, branches and solar terms.
#include "chart/vocabulary.hpp"

#include <array>

namespace qimen::chart {
namespace {

constexpr std::array<std::string_view, 11> kStems = {"癸", "甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "　"};
constexpr std::array<std::string_view, 12> kBranches = {"亥", "子", "丑", "寅", "卯", "辰",
                                                        "巳", "午", "未", "申", "酉", "戌"};
constexpr std::array<std::string_view, 7> kWeekdays = {"日", "一", "二", "三", "四", "五", "六"};
constexpr std::array<std::string_view, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

}  // namespace

std::string_view stemText(int stem) { return kStems.at(static_cast<std::size_t>(stem)); }

std::string_view branchText(int branch) { return kBranches.at(static_cast<std::size_t>(branch)); }

std::string ganZhiText(calendar::GanZhiCode code) {
    return std::string(stemText(calendar::stemOf(code))) + std::string(branchText(calendar::branchOf(code)));
}

std::string_view weekdayText(int weekday) { return kWeekdays.at(static_cast<std::size_t>(weekday)); }

std::string_view solarTermText(int term) { return kSolarTerms.at(static_cast<std::size_t>(term)); }

}  // namespace qimen::chart

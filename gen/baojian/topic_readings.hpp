// The second 御定奇门宝鉴 text of a chart: twenty matters, each read from
// the pieces of this chart that tradition consults for it, composed within
// the store's byte limit.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "baojian_chart.hpp"

namespace qimen::gen {

// The headings in the order of the text.
inline constexpr std::array<std::string_view, 20> kTopicHeadings = {
    "兵事", "出行", "阳宅", "阴宅", "人事", "虚实", "攻城", "守城", "天时", "地理",
    "家宅", "官禄", "应试", "求财", "婚姻", "胎产", "疾病", "失物", "远信", "鸦鸣"};

// The longest the second text may be, in GBK bytes (the store's longest
// text).
inline constexpr std::size_t kReadingsMaxBytes = 850;

// The reading of heading `topic` (0..19) for the chart at detail 0..2 (see
// matters.hpp): one or two short sentences naming the palaces it rests on
// and ending with "。".
std::string topicReading(const BaojianChart& chart, int topic, int detail = 2);

// The whole second text: twenty "heading：reading" lines joined with CR LF,
// no final line break. Every reading starts at full detail; while the text
// is longer than kReadingsMaxBytes the longest reading that can still be
// shortened loses one step of detail.
std::string composeTopicReadings(const BaojianChart& chart);

}  // namespace qimen::gen

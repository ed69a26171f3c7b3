// The travel formula (出行密诀): a moment of departure judged by one number
// T = 13..27 formed from the day pillar and the hour branch, with the verse
// of that number from the knowledge base.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/expected.hpp"
#include "calendar/ganzhi.hpp"

namespace qimen::search {

inline constexpr std::string_view kTravelRefusal = "出行时间在开始时间那里输入，范围在1900－2050年。";

// Stem number: 甲己 9, 乙庚 8, 丙辛 7, 丁壬 6, 戊癸 5. Takes a StemCode 0..9.
constexpr int travelStemNumber(calendar::StemCode stem) {
    int s = stem == 0 ? 10 : stem;  // [1, 10]
    if (s > 5) s -= 5;              // [1, 5]
    return 10 - s;                  // [5, 9]
}
// Branch number: 子午 9, 丑未 8, 寅申 7, 卯酉 6, 辰戌 5, 巳亥 4. Takes a
// BranchCode 0..11.
constexpr int travelBranchNumber(calendar::BranchCode branch) {
    int b = branch == 0 ? 12 : branch;  // [1, 12]
    if (b > 6) b -= 6;                  // [1, 6]
    return 10 - b;                      // [4, 9]
}
// T of a day pillar and hour pillar: stem and branch of the day plus the
// hour branch, in 13..27.
constexpr int travelNumber(calendar::GanZhiCode day, calendar::GanZhiCode hour) {
    return travelStemNumber(calendar::stemOf(day)) + travelBranchNumber(calendar::branchOf(day)) +
           travelBranchNumber(calendar::branchOf(hour));
}

struct TravelFormula {
    std::string text;  // the whole text
    int number = 0;    // T
};

// The travel formula of a civil moment (proleptic Gregorian after 1582).
// Refuses with kTravelRefusal a date that does not exist, a year outside
// 1900..2050, and an hour outside 0..23 or a minute outside 0..59. The
// pillars are those of a chart of that moment (the day advances at 23:00;
// no true solar time). The text: the moment, the four pillars, the heading
// 【出行密诀】, the verse 3200 + T and the closing hint.
Expected<TravelFormula> travelFormula(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t hour,
                                  std::int16_t minute);

}  // namespace qimen::search

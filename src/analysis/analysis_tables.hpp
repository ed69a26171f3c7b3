// The small tables and rules of the comprehensive analysis that are not
// pattern detection: the elements of stars and deities, the seasonal state
// (旺 相 休 囚 死) a thing has in the month, the entry of a state text that
// names it, and the verdict of a summed score.
#pragma once

#include <array>
#include <string_view>

#include "chart/codes.hpp"

namespace qimen::analysis {

// Element (0 水 1 木 2 火 3 土 4 金) of a star by Star code:
// 英 火, 蓬 水, 芮 土, 冲 木, 辅 木, 禽 土, 心 金, 柱 金, 任 土.
inline constexpr std::array<chart::ElementCode, 9> kStarElement = {2, 0, 3, 1, 1, 3, 4, 4, 3};

// Element of a deity by code in list W: 直符 火, 螣蛇 土, 太阴 金, 六合 木,
// 太常 土, 白虎 金, 玄武 水, 九地 土, 九天 金.
inline constexpr std::array<chart::ElementCode, 9> kDeityElementW = {2, 3, 4, 1, 3, 4, 0, 3, 4};
// The same in list G, which differs in 勾陈 (5) 土 and 朱雀 (6) 火.
inline constexpr std::array<chart::ElementCode, 9> kDeityElementG = {2, 3, 4, 1, 3, 3, 2, 3, 4};

// The position (1..5) of the seasonal state in a state text, whose entries
// run 旺 相 休 囚 死. Takes the thing's element and the month's element,
// both 0..4. d = (thing − month) mod 5: 0 旺 → 1, 1 相 → 2, 2 死 → 5,
// 3 囚 → 4, 4 休 → 3.
constexpr int stateIndex(int thingElement, int monthElement) {
    constexpr std::array<int, 5> position = {1, 2, 5, 4, 3};
    return position[static_cast<std::size_t>(((thingElement - monthElement) % 5 + 5) % 5)];  // [1, 5]
}

// Entry n (1..5) of a state text: the text between the (n−1)-th and the
// n-th full-width semicolon "；" (entry 1 runs from the start). A text with
// fewer than n semicolons, the empty text and the placeholder " " give the
// empty entry. The view points into `stateText`.
std::string_view stateEntry(std::string_view stateText, int n);

// The verdict step of a summed score: −2 at most −15, −1 for −14..−5, 0 for
// −4..5, 1 for 6..14, 2 for 15 or more. Every verdict of the system (the
// analysis and the composed quotation texts) uses this one scale.
int verdictLevel(int sum);

// The verdict line of a summed score, CR LF included: at most −15 "大凶。",
// −14..−5 "凶。", −4..5 "平平。", 6..14 "吉。", 15 or more "大吉。".
std::string_view verdictLine(int sum);

// 五不遇时: the hour stem equals (day stem + 6) mod 10, the hour stem
// clashing with the day stem (day 甲, hour 庚). Takes StemCodes 0..9.
constexpr bool isFiveNonMeetingHour(calendar::StemCode dayStem, calendar::StemCode hourStem) {
    return hourStem == (dayStem + 6) % 10;
}

}  // namespace qimen::analysis

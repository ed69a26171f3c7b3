// The main window's input lists and the codes their items stand for: chart
// methods at odd items of CboPanShi, given ju at CboCustom items, the 24
// hour labels with their branches, and the year as typed in EdtYear (no
// year 0; a typed −1 is the stored year 0). The case and search dialogs
// share the date lists and the year rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"

namespace qimen::workflow {

inline constexpr int kMethodItemCount = 13;    // CboPanShi
inline constexpr int kGivenJuItemCount = 21;   // CboCustom
inline constexpr int kHourChartMethodItem = 1; // 时家奇门

// The texts of the lists, item 0 first: CboPanShi (blank lines between the
// six methods), CboCustom (blank, 阴遁一局 … 阴遁九局, blank, 阳遁一局 … 阳遁九局,
// blank), cbom "1月", cbod "1日" … "31日", cbos "0时子" … "23时子", cbomin
// "0分" … "59分".
std::vector<std::string> methodItems();
std::vector<std::string> givenJuItems();
std::vector<std::string> monthItems();
std::vector<std::string> dayItems();
std::vector<std::string> hourItems();
std::vector<std::string> minuteItems();

// Item h of the hour list: "%d时" and the branch of the double hour
// (odd hours take the branch of h + 1; 23 is 子).
std::string hourItemText(int hour);

// The method of a CboPanShi item: item 2k + 1 is method k (0..5); a blank
// item or one outside 0..12 (none selected) has none.
std::optional<chart::ChartMethod> methodOfItem(int item);
// The item that shows a method 0..5 (2k + 1).
int itemOfMethod(chart::ChartMethod method);

// The given ju of a CboCustom item: items 1..9 are 阴遁 ju 1..9, items 11..19
// 阳遁 ju 1..9 (the item is the given-ju value); blanks have none.
std::optional<std::uint8_t> givenJuOfItem(int item);

// The CboCustom item a random draw selects: r mod 18 gives 阴遁一局 … 阴遁九局,
// 阳遁一局 … 阳遁九局 with equal chance.
int randomGivenJuItem(std::uint32_t r);

// The year message of the main window, the case dialog and the case search.
inline constexpr std::string_view kYearMessage =
    "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120";
inline constexpr std::string_view kYearCaption = "年份错误";

// A typed text (a year, an indent) as a decimal integer (optional sign,
// digits, nothing else), or `notInteger` when it is not one.
int typedInteger(std::string_view text, int notInteger);

// The stored (astronomical) year of a typed year −850..2100 other than 0:
// negative years + 1. Fails with kYearMessage otherwise; a text that is not
// an integer counts as −1000 ("abc" fails, "-1" is stored 0).
Expected<std::int16_t> storedYearOfText(std::string_view text);

// The year as the user writes it: a stored y ≤ 0 reads y − 1.
int typedYearOfStored(int stored);
std::string yearTextOfStored(int stored);

}  // namespace qimen::workflow

// The main window's input lists and the codes of their items.
#include "workflow/input_lists.hpp"

#include <charconv>
#include <cstdio>

#include "calendar/civil_date_time.hpp"

namespace qimen::workflow {
namespace {

constexpr const char* kMethodNames[6] = {"时家奇门", "日家奇门", "月家奇门", "年家奇门", "飞宫小奇门", "阴盘奇门"};
constexpr const char* kJuNumbers[9] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
// Branch of a double hour by its index 0..11 (子 first).
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

std::vector<std::string> numbered(int first, int count, const char* unit) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back(std::to_string(first + i) + unit);
    return items;
}

}  // namespace

std::vector<std::string> methodItems() {
    std::vector<std::string> items;
    for (const char* name : kMethodNames) {
        items.emplace_back();
        items.emplace_back(name);
    }
    items.emplace_back();
    return items;
}

std::vector<std::string> givenJuItems() {
    std::vector<std::string> items{""};
    for (const char* dun : {"阴遁", "阳遁"}) {
        for (const char* n : kJuNumbers) items.push_back(std::string(dun) + n + "局");
        items.emplace_back();
    }
    return items;
}

std::vector<std::string> monthItems() { return numbered(1, 12, "月"); }
std::vector<std::string> dayItems() { return numbered(1, 31, "日"); }
std::vector<std::string> minuteItems() { return numbered(0, 60, "分"); }

std::string hourItemText(int hour) {
    int branch = ((hour + 1) / 2) % 12;  // 23 and 0 are 子, 1 and 2 丑 …
    return std::to_string(hour) + "时" + kBranches[branch];
}

std::vector<std::string> hourItems() {
    std::vector<std::string> items;
    for (int h = 0; h < 24; ++h) items.push_back(hourItemText(h));
    return items;
}

std::optional<chart::ChartMethod> methodOfItem(int item) {
    if (item < 0 || item >= kMethodItemCount || item % 2 == 0) return std::nullopt;
    return static_cast<chart::ChartMethod>((item - 1) / 2);
}

int itemOfMethod(chart::ChartMethod method) { return 2 * static_cast<int>(method) + 1; }

std::optional<std::uint8_t> givenJuOfItem(int item) {
    if (item <= 0 || item >= kGivenJuItemCount - 1 || item % 10 == 0) return std::nullopt;
    return static_cast<std::uint8_t>(item);
}

int randomGivenJuItem(std::uint32_t r) {
    int k = static_cast<int>(r % 18);  // [0, 17]
    return k <= 8 ? k + 1 : k + 2;
}

int typedInteger(std::string_view text, int notInteger) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) return notInteger;
    return value;
}

Expected<std::int16_t> storedYearOfText(std::string_view text) {
    int year = typedInteger(text, -1000);
    if (year < -850 || year > 2100 || year == 0) return fail(std::string(kYearMessage));
    return static_cast<std::int16_t>(calendar::astronomicalFromUserYear(year));
}

int typedYearOfStored(int stored) { return calendar::userFromAstronomicalYear(stored); }

std::string yearTextOfStored(int stored) { return std::to_string(typedYearOfStored(stored)); }

}  // namespace qimen::workflow

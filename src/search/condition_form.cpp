// Show, clear and accept of the condition form.
#include "search/condition_form.hpp"

#include <charconv>

#include "chart/vocabulary.hpp"

namespace qimen::search {
namespace {

constexpr std::array<std::string_view, kDeityColumns> kDeityHeadings = {"直符", "螣蛇", "太阴", "六合",
                                                                       "白虎", "玄武", "九地", "九天"};
constexpr std::array<std::string_view, kStemColumns> kStemHeadings = {"乙", "丙", "丁", "戊", "己",
                                                                     "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, kDoorColumns> kDoorHeadings = {"景", "休", "死", "伤",
                                                                     "杜", "开", "惊", "生"};
constexpr std::array<std::string_view, kStarColumns> kLeaderItems = {
    "天英、景门", "天蓬、休门", "天芮、死门", "天冲、伤门", "天辅、杜门",
    "天禽、死门", "天心、开门", "天柱、惊门", "天任、生门"};

template <std::size_t N>
void showPalaces(const std::array<std::uint8_t, N>& palaces, std::array<std::string, N>& cells) {
    for (std::size_t i = 0; i < N; ++i) cells[i] = std::to_string(palaces[i]);
}

template <std::size_t N>
void showFlags(const std::array<std::uint8_t, N>& bytes, std::array<bool, N>& flags) {
    for (std::size_t i = 0; i < N; ++i) flags[i] = bytes[i] == 1;
}

// Reads one grid row into `palaces`, counting non-zero values into `count`
// as it goes; false at the first invalid cell (earlier cells stay stored).
template <std::size_t N>
bool readPalaces(const std::array<std::string, N>& cells, bool allowCentre, std::array<std::uint8_t, N>& palaces,
                 std::uint8_t& count) {
    count = 0;
    for (std::size_t i = 0; i < N; ++i) {
        std::optional<int> value = readWholeNumber(cells[i]);
        if (!value || *value < 0 || *value > 9 || (!allowCentre && *value == 5)) return false;
        palaces[i] = static_cast<std::uint8_t>(*value);
        if (*value != 0) ++count;
    }
    return true;
}

template <std::size_t N>
std::uint8_t storeFlags(const std::array<bool, N>& flags, std::array<std::uint8_t, N>& bytes) {
    std::uint8_t count = 0;
    for (std::size_t i = 0; i < N; ++i) {
        bytes[i] = flags[i] ? 1 : 0;
        count = static_cast<std::uint8_t>(count + bytes[i]);
    }
    return count;
}

std::optional<std::uint8_t> readEdit(const std::string& text) {
    std::optional<int> value = readWholeNumber(text);
    if (!value || *value < 0 || *value > 9) return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

}  // namespace

std::optional<int> readWholeNumber(std::string_view text) {
    std::size_t start = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (text.size() == start || text.size() > start + 9) return std::nullopt;
    int value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    return text[0] == '-' ? -value : value;
}

ConditionForm formFromConditions(const SearchConditions& c) {
    ConditionForm form;
    showPalaces(c.deityPalace, form.deityCells);
    showPalaces(c.starPalace, form.starCells);
    showPalaces(c.heavenStemPalace, form.heavenStemCells);
    showPalaces(c.doorPalace, form.doorCells);
    showPalaces(c.earthStemPalace, form.earthStemCells);
    form.deityAll = c.deityAll == 1;
    form.starAll = c.starAll == 1;
    form.heavenStemAll = c.heavenStemAll == 1;
    form.doorAll = c.doorAll == 1;
    form.earthStemAll = c.earthStemAll == 1;
    showFlags(c.leaderChoice, form.leaderChoice);
    form.leaderStarEdit = std::to_string(c.wantedLeaderStarPalace);
    form.leaderDoorEdit = std::to_string(c.wantedLeaderDoorPalace);
    showFlags(c.goodPattern, form.goodPattern);
    form.goodPatternAll = c.goodPatternAll == 1;
    showFlags(c.badPattern, form.badPattern);
    form.badPatternAll = c.badPatternAll == 1;
    form.allRequired = c.allRequired != 0;
    return form;
}

ConditionForm clearedForm() { return formFromConditions(SearchConditions{}); }

Expected<void> acceptForm(const ConditionForm& form, SearchConditions& c) {
    if (!readPalaces(form.deityCells, false, c.deityPalace, c.deityCount))
        return fail("神盘落宫输入错误，宫数在1－9，5宫请输入2");
    c.deityAll = form.deityAll ? 1 : 0;
    if (!readPalaces(form.starCells, true, c.starPalace, c.starCount)) return fail("九星落宫输入错误，宫数在1－9");
    c.starAll = form.starAll ? 1 : 0;
    if (!readPalaces(form.heavenStemCells, true, c.heavenStemPalace, c.heavenStemCount))
        return fail("天盘奇仪落宫输入错误，宫数在1－9");
    c.heavenStemAll = form.heavenStemAll ? 1 : 0;
    if (!readPalaces(form.doorCells, false, c.doorPalace, c.doorCount))
        return fail("八门落宫输入错误，宫数在1－9，5宫请输入2");
    c.doorAll = form.doorAll ? 1 : 0;
    if (!readPalaces(form.earthStemCells, true, c.earthStemPalace, c.earthStemCount))
        return fail("地盘奇仪落宫输入错误，宫数在1－9");
    c.earthStemAll = form.earthStemAll ? 1 : 0;
    c.leaderChoiceCount = storeFlags(form.leaderChoice, c.leaderChoice);
    c.leaderChoiceAny = c.leaderChoiceCount != 0 ? 1 : 0;
    std::optional<std::uint8_t> starPalace = readEdit(form.leaderStarEdit);
    if (!starPalace) return fail("直符落宫输入错误，宫数在1－9");
    c.wantedLeaderStarPalace = *starPalace;
    std::optional<std::uint8_t> doorPalace = readEdit(form.leaderDoorEdit);
    if (!doorPalace) return fail("直使落宫输入错误，宫数在1－9");
    c.wantedLeaderDoorPalace = *doorPalace;
    c.goodPatternCount = storeFlags(form.goodPattern, c.goodPattern);
    c.goodPatternAll = form.goodPatternAll ? 1 : 0;
    c.badPatternCount = storeFlags(form.badPattern, c.badPattern);
    c.badPatternAll = form.badPatternAll ? 1 : 0;
    c.allRequired = form.allRequired ? 1 : 0;
    return ok();
}

std::string_view deityHeading(int column) { return kDeityHeadings.at(static_cast<std::size_t>(column)); }

std::string starHeading(int star) { return "天" + std::string(chart::starText(star)); }

std::string_view stemHeading(int column) { return kStemHeadings.at(static_cast<std::size_t>(column)); }

std::string doorHeading(int column) {
    return std::string(kDoorHeadings.at(static_cast<std::size_t>(column))) + "门";
}

std::string_view leaderChoiceItem(int star) { return kLeaderItems.at(static_cast<std::size_t>(star)); }

}  // namespace qimen::search

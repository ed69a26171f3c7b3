// The condition form's logic without a window: the texts of the five grids,
// the check flags and the two edits, filled from a SearchConditions on show,
// reset by 清除, and validated back into the record by 确定.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/expected.hpp"
#include "search/search_conditions.hpp"

namespace qimen::search {

// What the form's controls hold. Grid cells and edits are the user's texts;
// flags are check boxes and check-list items.
struct ConditionForm {
    std::array<std::string, kDeityColumns> deityCells;
    std::array<std::string, kStarColumns> starCells;
    std::array<std::string, kStemColumns> heavenStemCells;
    std::array<std::string, kDoorColumns> doorCells;
    std::array<std::string, kStemColumns> earthStemCells;
    bool deityAll = false;
    bool starAll = false;
    bool heavenStemAll = false;
    bool doorAll = false;
    bool earthStemAll = false;
    std::array<bool, kStarColumns> leaderChoice{};
    std::string leaderStarEdit;  // 直符落宫
    std::string leaderDoorEdit;  // 直使落宫
    std::array<bool, kGoodPatterns> goodPattern{};
    bool goodPatternAll = false;
    std::array<bool, kBadPatterns> badPattern{};
    bool badPatternAll = false;
    bool allRequired = false;  // RdoAll checked; otherwise RdoPart

    friend bool operator==(const ConditionForm&, const ConditionForm&) = default;
};

// The form on show: every palace byte as its decimal text, each flag set
// when its byte is exactly 1, allRequired when the byte is non-zero.
ConditionForm formFromConditions(const SearchConditions& conditions);

// 清除 (after the user confirmed): the form of the all-zero record. The
// caller's record is not touched until accept succeeds.
ConditionForm clearedForm();

// Accept (确定): validates and stores group by group in the form's order,
// writing each group into `conditions` as soon as it is read and
// recomputing every count. At the first invalid cell or edit it stops and
// fails with the error text (shown under the caption kInputErrorCaption);
// the groups stored before it stay in the record.
// A cell is valid when it is a whole decimal integer 0..9 (an empty text is
// invalid); 5 is refused for deities and doors.
Expected<void> acceptForm(const ConditionForm& form, SearchConditions& conditions);

// A cell or edit read as a whole decimal integer (optional sign, digits
// only); nullopt for anything else, the empty text included.
std::optional<int> readWholeNumber(std::string_view text);

inline constexpr std::string_view kInputErrorCaption = "输入错误";
inline constexpr std::string_view kClearQuestion = "这将清除已输入信息,设置为默认值";
inline constexpr std::string_view kClearCaption = "注意";

// Row 0 of the grids and the items of the leader list, UTF-8.
std::string_view deityHeading(int column);          // 0..7: 直符 … 九天
std::string starHeading(int star);                  // 0..8: 天英 … 天任
std::string_view stemHeading(int column);           // 0..8: 乙 … 癸
std::string doorHeading(int column);                // 0..7: 景门 … 生门
std::string_view leaderChoiceItem(int star);        // 0..8: "天英、景门" …

}  // namespace qimen::search

// The places dialog's logic over the place table: the province and city
// lists, the four coordinate texts of a city, and change, delete and add with
// their checks, questions and boxes in the dialog's order. A damaged
// dili.ini is announced when the dialog opens and is never written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "places/place_table.hpp"
#include "places/place_value.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

inline constexpr std::string_view kPlaceDoneMessage = "完成";
inline constexpr std::string_view kPlaceRangeCaption = "输入错误";
inline constexpr std::string_view kPlaceOverwriteQuestion = "已有这个地方的地理数据，要覆盖吗？";
inline constexpr std::string_view kPlaceQuestionCaption = "注意";

// What an add did to the city list.
enum class PlaceAdded { Nothing, NewCity, Overwritten };

class PlaceDialogForm {
public:
    PlaceDialogForm(places::PlaceTable& table, Prompter& prompter) : table_(table), prompter_(prompter) {}

    // The dialog opens: when dili.ini cannot be read whole, or holds lines a
    // rewrite would drop, a warning says so; the provinces then show what
    // could be read (nothing for an unreadable file) and every change is
    // refused. Answers false in that case.
    bool open();

    // The 34 provinces the dialog offers.
    static std::vector<std::string> provinces();
    std::vector<std::string> cities(std::string_view province) const { return table_.cities(province); }
    // The four edit texts of a city, split from its value as stored (120, 0,
    // 30, 0 when it has none).
    places::PlaceValueTexts cityTexts(std::string_view province, std::string_view city) const;

    // 修改: an empty city does nothing; a range fault shows its message
    // (caption "输入错误", focus on the degrees edit of the faulty
    // coordinate); otherwise the value is written and "完成" shown. True when
    // written.
    bool change(std::string_view province, std::string_view city, const places::PlaceValueTexts& texts);

    // 删除: asks 确定要删除"<province><city>"吗？ (No the default); on Yes the
    // city is deleted and "完成" shown. True when deleted.
    bool remove(std::string_view province, std::string_view city);

    // 增加: an empty name does nothing; an existing name asks whether to
    // overwrite (No stops); then the checks of change(), the write and
    // "完成".
    PlaceAdded add(std::string_view province, std::string_view name, const places::PlaceValueTexts& texts);

private:
    // The value of the four texts, or nullopt after the range box and focus.
    std::optional<places::PlaceValue> checkedValue(const places::PlaceValueTexts& texts);
    // Shows why the file cannot be changed and answers false, or answers true.
    bool writable();
    bool reportFailure(const Expected<void>& written);

    places::PlaceTable& table_;
    Prompter& prompter_;
};

// The warning of a dili.ini that cannot be changed, naming the reason.
std::string damagedPlaceFileWarning(std::string_view reason);

}  // namespace qimen::workflow

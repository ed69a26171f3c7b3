// The places dialog's checks, questions and writes.
#include "workflow/place_dialog_form.hpp"

#include "places/place_file_check.hpp"
#include "places/provinces.hpp"

namespace qimen::workflow {
namespace {

// The reason the file may not be rewritten, or "" when it may.
std::string damageOf(const places::PlaceTable& table) {
    if (!table.error().empty()) return table.error();
    return places::checkPlaceFile(table.path()).message();
}

}  // namespace

std::string damagedPlaceFileWarning(std::string_view reason) {
    std::string text = "地理数据文件 dat/dili.ini 已损坏，不能完整读出：\n";
    text += reason;
    text += "\n\n读不出的地方按默认经纬度 120:0*30:0 计算。为免丢失数据，本窗口不会改写这个文件；请先修复或替换它。";
    return text;
}

bool PlaceDialogForm::open() {
    const std::string damage = damageOf(table_);
    if (damage.empty()) return true;
    prompter_.message(damagedPlaceFileWarning(damage), kPlaceQuestionCaption, Icon::Warning);
    return false;
}

std::vector<std::string> PlaceDialogForm::provinces() {
    return {places::kProvinces.begin(), places::kProvinces.begin() + places::kTableProvinceCount};
}

places::PlaceValueTexts PlaceDialogForm::cityTexts(std::string_view province, std::string_view city) const {
    return places::splitPlaceValue(table_.valueText(province, city));
}

bool PlaceDialogForm::writable() {
    (void)table_.reload();  // the file may have changed since the dialog opened
    const std::string damage = damageOf(table_);
    if (damage.empty()) return true;
    prompter_.message(damagedPlaceFileWarning(damage), "错误", Icon::Error);
    return false;
}

bool PlaceDialogForm::reportFailure(const Expected<void>& written) {
    if (written) return false;
    prompter_.message(written.message(), "错误", Icon::Error);
    return true;
}

std::optional<places::PlaceValue> PlaceDialogForm::checkedValue(const places::PlaceValueTexts& texts) {
    auto value = places::placeValueOfTexts(texts);
    if (value) return *value;
    prompter_.message(value.message(), kPlaceRangeCaption, Icon::Error);
    prompter_.focus(value.message() == places::kLongitudeRangeMessage ? "LedtJingDu" : "LedtWeiDu");
    return std::nullopt;
}

bool PlaceDialogForm::change(std::string_view province, std::string_view city, const places::PlaceValueTexts& texts) {
    if (city.empty()) return false;
    auto value = checkedValue(texts);
    if (!value) return false;
    if (!writable() || reportFailure(table_.setPlace(province, city, *value))) return false;
    prompter_.message(kPlaceDoneMessage, "", Icon::None);
    return true;
}

bool PlaceDialogForm::remove(std::string_view province, std::string_view city) {
    if (city.empty()) return false;
    std::string question = "确定要删除\"";
    question += province;
    question += city;
    question += "\"吗？";
    if (!prompter_.ask(question, kPlaceQuestionCaption, Icon::Warning, false)) return false;
    if (!writable() || reportFailure(table_.deletePlace(province, city))) return false;
    prompter_.message(kPlaceDoneMessage, "", Icon::None);
    return true;
}

PlaceAdded PlaceDialogForm::add(std::string_view province, std::string_view name, const places::PlaceValueTexts& texts) {
    if (name.empty()) return PlaceAdded::Nothing;
    const bool known = table_.hasCity(province, name);
    if (known && !prompter_.ask(kPlaceOverwriteQuestion, kPlaceQuestionCaption, Icon::Warning, false))
        return PlaceAdded::Nothing;
    auto value = checkedValue(texts);
    if (!value) return PlaceAdded::Nothing;
    if (!writable() || reportFailure(table_.setPlace(province, name, *value))) return PlaceAdded::Nothing;
    prompter_.message(kPlaceDoneMessage, "", Icon::None);
    return known ? PlaceAdded::Overwritten : PlaceAdded::NewCity;
}

}  // namespace qimen::workflow

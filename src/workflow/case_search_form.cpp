// The case-search dialog's steps over the main window's filter.
#include "workflow/case_search_form.hpp"

#include "cases/class_list.hpp"
#include "chart/chart_record.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::workflow {
namespace {

// A criterion's text and mode as the dialog shows them.
void showCriterion(const std::string& text, cases::TextMatch mode, std::string& box, bool& exact) {
    exact = mode == cases::TextMatch::Equals;
    box = !text.empty() && mode != cases::TextMatch::Unused ? text : "";
}

void takeCriterion(const std::string& box, bool exact, std::size_t maxBytes, std::string& text,
                   cases::TextMatch& mode) {
    if (box.empty()) {
        mode = cases::TextMatch::Unused;
        return;
    }
    mode = exact ? cases::TextMatch::Equals : cases::TextMatch::Contains;
    text = chart::clipToGbkBytes(box, maxBytes);
}

// A typed search year: a text that is not an integer counts as 0.
std::optional<std::int16_t> searchYear(const std::string& text) {
    int year = typedInteger(text, 0);
    if (year < -850 || year > 2100 || year == 0) return std::nullopt;
    return static_cast<std::int16_t>(calendar::astronomicalFromUserYear(year));
}

}  // namespace

CaseSearchForm CaseSearchForm::show(const cases::CaseFilter& filter, std::vector<std::string> classes) {
    CaseSearchForm form;
    form.classes = std::move(classes);
    if (filter.yearRange) {
        form.yearFrom = yearTextOfStored(filter.yearFrom);
        form.yearTo = yearTextOfStored(filter.yearTo);
    }
    showCriterion(filter.name, filter.nameMode, form.name, form.nameExact);
    showCriterion(filter.className, filter.classMode, form.className, form.classExact);
    showCriterion(filter.matter, filter.matterMode, form.matter, form.matterExact);
    return form;
}

void CaseSearchForm::clear(Prompter& prompter) {
    if (!prompter.ask("这将清除所有输入的条件参数，以便搜索所有事例，确定吗？", "提示", Icon::Information, true))
        return;
    yearFrom.clear();
    yearTo.clear();
    name.clear();
    className.clear();
    matter.clear();
    nameExact = classExact = matterExact = false;
}

std::optional<std::vector<std::int32_t>> scanCasesToList(cases::CaseStore& store, const cases::CaseFilter& filter,
                                                         Prompter& prompter, const std::function<void(bool)>& scanning) {
    auto sound = store.check();
    if (!sound) prompter.message(sound.message(), "错误", Icon::Error);
    auto header = store.header();
    if (!header) return std::nullopt;  // the check named why
    if (header->slotCount == 0) {
        if (sound) prompter.message("没有记录，无从查找。", "", Icon::None);
        return std::nullopt;
    }
    if (scanning) scanning(true);
    auto found = store.filteredScan(filter);
    if (scanning) scanning(false);
    if (!found) {
        prompter.message(found.message(), "错误", Icon::Error);
        return std::nullopt;
    }
    if (found->empty()) {
        if (sound) prompter.message("没有找到符合条件的事例。", "信息", Icon::Information);
        return std::nullopt;
    }
    return std::move(*found);
}

std::optional<std::vector<std::int32_t>> CaseSearchForm::search(cases::CaseFilter& filter, cases::CaseStore& store,
                                                                Prompter& prompter,
                                                                const std::function<void(bool)>& scanning) {
    if (yearFrom.empty() && yearTo.empty()) {
        filter.yearRange = false;
    } else {
        filter.yearRange = true;
        auto first = searchYear(yearFrom);
        auto last = searchYear(yearTo);
        if (!first || !last) {
            prompter.message(kYearMessage, kYearCaption, Icon::Warning);
            return std::nullopt;
        }
        if (*last < *first) {
            prompter.message("结束年必须大于或等于起始年", kYearCaption, Icon::Warning);
            return std::nullopt;
        }
        filter.yearFrom = *first;
        filter.yearTo = *last;
    }
    takeCriterion(name, nameExact, cases::kAskerNameMax, filter.name, filter.nameMode);
    takeCriterion(className, classExact, cases::kClassListNameMax, filter.className, filter.classMode);
    takeCriterion(matter, matterExact, cases::kMatterMax, filter.matter, filter.matterMode);

    auto found = scanCasesToList(store, filter, prompter, scanning);
    if (!found) return std::nullopt;
    std::string question = "共找到" + std::to_string(found->size()) + "条记录，要显示到事例列表中吗？";
    if (!prompter.ask(question, "提示", Icon::Information, true)) return std::nullopt;
    return std::move(*found);
}

}  // namespace qimen::workflow

// 查找事例: the case-search dialog as a form over the main window's filter.
// It shows the last criteria (years as the user writes them), checks the
// years, fills the filter, scans the store and asks whether to list what
// it found.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cases/case_filter.hpp"
#include "cases/case_store.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

// The scan behind a fill of the case list (查找, 显示全部事例): the numbers
// of the live cases matching `filter`, or nullopt after a box saying why
// there are none ("没有记录，无从查找。", "没有找到符合条件的事例。", or the
// scan's failure). A damaged store is named first (its damage and the way to
// repair it) and never reported as empty or as holding no match; what can
// still be read of it is answered. `scanning` as in CaseSearchForm::search.
std::optional<std::vector<std::int32_t>> scanCasesToList(cases::CaseStore& store, const cases::CaseFilter& filter,
                                                         Prompter& prompter,
                                                         const std::function<void(bool)>& scanning = {});

struct CaseSearchForm {
    std::string name;       // Edtname
    bool nameExact = false; // ChkName
    std::string className;  // CboFenLei
    bool classExact = false;
    std::string matter;     // LedtEvent
    bool matterExact = false;
    std::string yearFrom;   // LedtY1, as typed
    std::string yearTo;     // LedtY2
    std::vector<std::string> classes;  // CboFenLei items

    // The form as the dialog opens over `filter` and the class list.
    static CaseSearchForm show(const cases::CaseFilter& filter, std::vector<std::string> classes);

    // 清除: asks first; on Yes empties the inputs (the filter changes only at
    // the next search).
    void clear(Prompter& prompter);

    // 查找: fills `filter` and scans. Answers the case numbers to list when
    // the user agreed to show them (the dialog closes with OK); nullopt when
    // the dialog stays open (a year message, an empty store, nothing found,
    // or No to the count question). `scanning` (when given) is told true
    // just before the store is scanned and false as soon as the scan ends,
    // before any box about its result: the dialog's busy indicator.
    std::optional<std::vector<std::int32_t>> search(cases::CaseFilter& filter, cases::CaseStore& store,
                                                    Prompter& prompter,
                                                    const std::function<void(bool)>& scanning = {});
};

}  // namespace qimen::workflow

// TFrmSearch, "查找事例": the case search over the main window's filter and
// the case store of a data root, thin over the workflows' CaseSearchForm.
// It opens with the filter's last criteria (years as the user writes them);
// 清除 asks and empties the inputs; 查找 checks the years, fills the filter,
// scans the store with Animate1 running and the buttons disabled, and asks
// whether to list what it found; Yes closes with the matching case numbers.
//
// The main window's 查找事例:
//   if (auto found = runTFrmSearch(window, consultation.caseFilter(),
//                                  consultation.dataRoot(), prompter))
//       consultation.listCases(*found);
#pragma once

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "cases/case_filter.hpp"
#include "cases/case_store.hpp"
#include "workflow/case_search_form.hpp"
#include "workflow/prompter.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace qimen::app {

class TFrmSearch : public QDialog {
    Q_OBJECT
public:
    // Edits `filter` (kept by the caller between searches) and scans the
    // store of data root `root`; `filter` and `prompter` must outlive the
    // dialog.
    TFrmSearch(cases::CaseFilter& filter, const std::filesystem::path& root, workflow::Prompter& prompter,
               QWidget* parent = nullptr);

    // The case numbers of the last search the user chose to list (empty
    // until then), ascending.
    const std::vector<std::int32_t>& foundCases() const { return result_; }

    QLineEdit *Edtname, *LedtEvent, *LedtY1, *LedtY2;
    QComboBox* CboFenLei;
    QCheckBox *ChkName, *ChkClass, *ChkEvent;
    QPushButton *BtoAll, *BtnSearch, *BtoCancel;
    QProgressBar* Animate1;

private:
    void build();
    void showForm();
    void takeForm();
    void BtoAllClick();
    void BtnSearchClick();
    void setScanning(bool scanning);

    cases::CaseFilter& filter_;
    cases::CaseStore store_;
    workflow::Prompter& prompter_;
    workflow::CaseSearchForm form_;
    std::vector<std::int32_t> result_;
};

// 查找事例: runs the dialog modally; the case numbers to list when the user
// agreed to list them, nullopt when the dialog was cancelled.
std::optional<std::vector<std::int32_t>> runTFrmSearch(QWidget* parent, cases::CaseFilter& filter,
                                                       const std::filesystem::path& root,
                                                       workflow::Prompter& prompter);

}  // namespace qimen::app

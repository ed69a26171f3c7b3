// TFrmClassEdit, "类别编辑": the class list of the case dialogs in a memo, one
// name per line. 保存 hands the lines to the class editor's form, which
// refuses an empty memo or a bad line (naming its number) and writes the
// list; 取消 closes without writing.
//
// Open it from the case list's popup item 编辑类别 with runTFrmClassEdit().
#pragma once

#include <QDialog>
#include <filesystem>

#include "workflow/prompter.hpp"

class QPlainTextEdit;
class QPushButton;

namespace qimen::app {

class TFrmClassEdit : public QDialog {
    Q_OBJECT
public:
    // The class list of data root `root` (dat/qminit.ini, section classes);
    // boxes through `prompter`, which must outlive the dialog.
    TFrmClassEdit(std::filesystem::path root, workflow::Prompter& prompter, QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QPushButton *BtnSave, *BtnCancel;

private:
    void BtnSaveClick();

    std::filesystem::path root_;
    workflow::Prompter& prompter_;
};

// 编辑类别: runs the dialog modally; true when the class list was written.
bool runTFrmClassEdit(QWidget* parent, const std::filesystem::path& root, workflow::Prompter& prompter);

}  // namespace qimen::app

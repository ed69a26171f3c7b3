// TFrmDiLi, "经纬度设置": the places dialog over dat/dili.ini. A thin owner of
// a PlaceDialogForm: the province and city lists, the four coordinate edits
// and the name of a new place; 修改, 删除 and 增加 forward to the form, which
// checks, asks and writes. A damaged file is announced when the dialog is
// shown and is left untouched.
//
// Open it modally from the menu 辅助工具 → 经纬度设置 with openTFrmDiLi(); the
// main window's city list is not reloaded afterwards.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "places/place_table.hpp"
#include "workflow/place_dialog_form.hpp"

namespace qimen::app {

class TFrmDiLi : public QDialog {
    Q_OBJECT
public:
    // The places of the data root `root` (root/dat/dili.ini); boxes through
    // `prompter`, which must outlive the dialog.
    TFrmDiLi(const std::filesystem::path& root, workflow::Prompter& prompter, QWidget* parent = nullptr);

    // Controls by their names in the form.
    QComboBox* CboSheng;
    QComboBox* CboShi;
    QLineEdit *LedtJingDu, *LedtJingFen, *LedtWeiDu, *LedtWeiFen;
    QLineEdit* LedtShiName;
    QPushButton *BtoEdit, *BtoDel, *BtoAdd;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void CboShengClick();
    void CboShiClick();
    void BtoEditClick();
    void BtoDelClick();
    void BtoAddClick();
    places::PlaceValueTexts edits() const;

    places::PlaceTable table_;
    workflow::PlaceDialogForm form_;
    bool warned_ = false;
};

// The 经纬度设置 of the menu: runs the dialog modally over `root`.
void openTFrmDiLi(QWidget* parent, const std::filesystem::path& root, workflow::Prompter& prompter);

}  // namespace qimen::app

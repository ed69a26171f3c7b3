// TFrmInfo, "事例信息": the stored inputs of one case for editing, over the
// workflows' CaseEditForm, which holds the copy, the class list and the
// checks. 保存 takes the controls into the form and closes when its checks
// (the question first, then name, year, notes, class, matter) pass; 关闭
// closes with Cancel and leaves the form's record as it was.
//
// The main window's 编辑事例 passes it to Consultation::editCase:
//   consultation.editCase(selected, [&](workflow::CaseEditForm& form) {
//       return runTFrmInfo(window, form, prompter); });
#pragma once

#include <QDialog>

#include "workflow/case_forms.hpp"
#include "workflow/prompter.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qimen::app {

class TFrmInfo : public QDialog {
    Q_OBJECT
public:
    // Shows `form` (as CaseEditForm::ofRecord made it); both it and
    // `prompter` must outlive the dialog.
    TFrmInfo(workflow::CaseEditForm& form, workflow::Prompter& prompter, QWidget* parent = nullptr);

    QComboBox *CboFenLei, *CboEvent;
    QComboBox *cbom, *cbod, *cbos, *cbomin;
    QLineEdit *EdtYear, *Edtname;
    QSpinBox* UpDyear;
    QRadioButton *Rdogl, *Rdonl;
    QCheckBox* Chkrun;
    QPlainTextEdit* Memo1;
    QPushButton *BtnSave, *BtnClose;

private:
    void build();
    void showForm(const workflow::CaseEditForm& form);
    void BtnSaveClick();

    workflow::CaseEditForm& form_;
    workflow::Prompter& prompter_;
};

// 编辑事例: runs the dialog modally over `form`; true when it closed with
// 保存 (the form's record then holds the edited case).
bool runTFrmInfo(QWidget* parent, workflow::CaseEditForm& form, workflow::Prompter& prompter);

}  // namespace qimen::app

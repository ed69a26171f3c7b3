// TFrmFenLei "分类保存": the class and notes of a case saved anew, over the
// workflows' ClassificationForm, which holds the list and the checks.
#pragma once

#include <QDialog>

#include "qt_prompter.hpp"
#include "workflow/case_forms.hpp"

class QComboBox;
class QPlainTextEdit;

namespace qimen::app {

class TFrmFenLei : public QDialog {
    Q_OBJECT
public:
    TFrmFenLei(workflow::ClassificationForm& form, const QtPrompter::Hook& hook, QWidget* parent = nullptr);

    // 确定: the form takes the class and notes; closes when its checks pass.
    void BtnokClick();

    QComboBox* CboFenLei;
    QPlainTextEdit* Memo1;

private:
    workflow::ClassificationForm& form_;
    QtPrompter prompter_;
};

}  // namespace qimen::app

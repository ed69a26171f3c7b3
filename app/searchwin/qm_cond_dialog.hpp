// TFrmQmCond (查找条件): the conditions dialog of the time search. It shows a
// SearchConditions in its five palace grids, check boxes, leader edits and
// pattern check lists, and writes it back through the condition form's own
// validation, whose messages it shows under "输入错误".
#pragma once

#include <QDialog>

#include "search/condition_form.hpp"
#include "search/search_conditions.hpp"
#include "workflow/prompter.hpp"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace qimen::app {

class TFrmQmCond : public QDialog {
    Q_OBJECT
public:
    // Edits `conditions` in place: the controls show it at once; 确定 writes
    // it back group by group (a failed 确定 keeps the groups stored before
    // the faulty one, as the form's logic does); 取消 leaves it alone.
    // Boxes and questions go through `prompter`.
    TFrmQmCond(search::SearchConditions& conditions, workflow::Prompter& prompter, QWidget* parent = nullptr);

    // 清除: after a Yes (default No) the controls show the all-zero record.
    void BtoClearClick();
    // 确定: validates and stores; closes with Accepted only when all is valid.
    void BtoSearchClick();

    // The controls' content as the form logic reads it, and back.
    search::ConditionForm form() const;
    void showForm(const search::ConditionForm& form);

    // The controls, by their names.
    QTableWidget *GrdShenYin = nullptr, *GrdXing = nullptr, *GrdTianYi = nullptr, *GrdMen = nullptr,
                 *GrdDiYi = nullptr;
    QCheckBox *ChkShenYinAll = nullptr, *ChkXingAll = nullptr, *ChkTianYiAll = nullptr, *ChkMenAll = nullptr,
              *ChkDiYiAll = nullptr;
    QListWidget *ChkFuShi = nullptr, *ChkJiGe = nullptr, *ChkXiongGe = nullptr;
    QLineEdit *LedtFuGong = nullptr, *LedtShiGong = nullptr;
    QCheckBox *ChkJiAll = nullptr, *ChkXiongAll = nullptr;
    QRadioButton *RdoAll = nullptr, *RdoPart = nullptr;
    QPushButton *BtoClear = nullptr, *BtoSearch = nullptr, *Button2 = nullptr;

private:
    void buildControls();

    search::SearchConditions& conditions_;
    workflow::Prompter& prompter_;
};

// Shows TFrmQmCond modally over `parent` on `conditions`; true on 确定.
bool editSearchConditions(search::SearchConditions& conditions, workflow::Prompter& prompter, QWidget* parent);

}  // namespace qimen::app

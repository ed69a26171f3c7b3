// TFrmEndfo "编辑尾部信息": the closing text of every chart (dat/EndInfo.txt)
// and whether it is added (endinfo in dat/set.ini).
#pragma once

#include <QDialog>
#include <filesystem>

#include "qt_prompter.hpp"

class QCheckBox;
class QPlainTextEdit;

namespace qimen::app {

class TFrmEndfo : public QDialog {
    Q_OBJECT
public:
    TFrmEndfo(std::filesystem::path dataRoot, const QtPrompter::Hook& hook, QWidget* parent = nullptr);

    // 确定: an empty text is refused ("输入不能为空") and the dialog stays
    // open; otherwise the text and the setting are written and it closes.
    void BtnokClick();

    QPlainTextEdit* Memo1;
    QCheckBox* ChkAuto;

private:
    std::filesystem::path dataRoot_;
    QtPrompter prompter_;
};

class TFrmMain;
void showClosingTextDialog(TFrmMain& window, const std::filesystem::path& dataRoot);

}  // namespace qimen::app

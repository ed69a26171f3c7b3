// TFrmSet "排盘设置": the chart settings of dat/set.ini as radio groups, check
// boxes and the text indent, over the workflows' ChartSettingsForm.
#pragma once

#include <QDialog>
#include <filesystem>

#include "qt_prompter.hpp"
#include "workflow/chart_settings_form.hpp"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace qimen::app {

class TFrmSet : public QDialog {
    Q_OBJECT
public:
    TFrmSet(std::filesystem::path dataRoot, const QtPrompter::Hook& hook, QWidget* parent = nullptr);

    // The form as the controls show it, and the controls from a form.
    workflow::ChartSettingsForm form() const;
    void showForm(const workflow::ChartSettingsForm& form);

    void defaultsClick();  // 默认值
    void applyClick();     // 设置

private:
    std::filesystem::path dataRoot_;
    QtPrompter prompter_;
    QButtonGroup *GpPan, *GpJu, *GpShen, *GpTianQy, *GpZhiFu, *GpAnGan, *GpSelYue;
    QButtonGroup *GpZiShi, *GpYueJiang;  // zishi, yuejiang
    QCheckBox *ChkJiuGong, *ChkSun, *ChkSave, *ChkBaoJian;
    QLineEdit* LedtLeftText;
};

// 选项 → 排盘设置: the dialog, modal over `window`.
class TFrmMain;
void showChartSettingsDialog(TFrmMain& window, const std::filesystem::path& dataRoot);

}  // namespace qimen::app

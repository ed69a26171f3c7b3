// TFrmShowCustom "自定义奇门盘": the chooser that stays on top beside the
// main window, a thin window over workflow::CustomChartChooser (CboClass,
// 查看 laying the printout into MeoCustomText, 关闭). CustomChartWindow is
// the main window's handle on it: SbtoCustomPan shows it with the request,
// a successful 排盘 or 查看 and closing the main window close it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>

#include "chart/chart_record.hpp"
#include "workflow/custom_chart_chooser.hpp"
#include "workflow/custom_prompter.hpp"

class QComboBox;
class QPlainTextEdit;

namespace qimen::app {

// The face the memo asks for; the application maps it to a font that has
// it (on Linux 宋体 → AR PL UMing CN by QFont::insertSubstitution).
inline constexpr const char* kCustomTextFont = "宋体";

class TFrmShowCustom : public QWidget {
    Q_OBJECT

public:
    // A chooser for `request` (the main window's inputs when SbtoCustomPan
    // was pressed), reading dat/custom.dat and dat/set.ini of the
    // environment's data root. A top-level window that stays on top; it is
    // deleted when closed.
    TFrmShowCustom(workflow::Prompter& prompter, workflow::CustomChartEnvironment environment,
                   const chart::ChartRequest& request, QWidget* parent = nullptr);

    // SbtoCustomPan pressed while the chooser is open: the new inputs.
    void setRequest(const chart::ChartRequest& request) { chooser_.setRequest(request); }

    // Handlers, public for the tests and the screenshot.
    void FormShow();
    void CboClassChange(int index);
    void BtoCustomPanClick();

    const workflow::CustomChartChooser& chooser() const { return chooser_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    workflow::CustomPrompterOver prompter_;
    workflow::CustomChartChooser chooser_;
    bool shown_ = false;
    QComboBox* CboClass = nullptr;
    QPlainTextEdit* MeoCustomText = nullptr;
};

// What the main window holds: at most one chooser at a time.
//
//   CustomChartWindow customChart(this, prompter(), dataRoot);
//   attachCustomChart([&](const ChartRequest& r) { customChart.show(r); },
//                     [&] { customChart.close(); });
class CustomChartWindow {
public:
    // Choosers are created as children of `mainWindow` (so they go with it)
    // and speak through `prompter`.
    CustomChartWindow(QWidget* mainWindow, workflow::Prompter& prompter, std::filesystem::path dataRoot);
    ~CustomChartWindow();
    CustomChartWindow(const CustomChartWindow&) = delete;
    CustomChartWindow& operator=(const CustomChartWindow&) = delete;

    // SbtoCustomPan, after the main window's checks: creates the chooser
    // when none is open, else gives the open one the new inputs; then shows
    // and raises it.
    void show(const chart::ChartRequest& request);
    // A successful 排盘 or 查看, or the main window closing: closes and
    // discards an open chooser; nothing when none is open.
    void close();

    // The open chooser, or nullptr (none yet, or closed by the user).
    TFrmShowCustom* window() const { return window_.data(); }

private:
    QWidget* mainWindow_;
    workflow::Prompter& prompter_;
    std::filesystem::path dataRoot_;
    QPointer<TFrmShowCustom> window_;
};

}  // namespace qimen::app

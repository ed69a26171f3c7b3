// TFrmCompare "对照": the chart the main window shows, laid under the two
// choices of one convention (拆补法 / 置闰法, 转盘 / 飞盘, the day changing at
// 23:00 or at midnight, the 月将 by the month pillar or by the principal
// term), side by side in two read-only panes styled as RedtQiMen shows a
// chart, the differing palaces red, and the differences below. Opened from
// 选项 → 对照; one window, brought up again for the next comparison.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "boundary/convention_comparison.hpp"
#include "chart/conventions.hpp"
#include "text_pane.hpp"

class QLabel;
class QMenu;
class QTextEdit;

namespace qimen::app {

class TFrmMain;

class TFrmCompare : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCompare(QWidget* parent);
    ~TFrmCompare() override;

    // Shows `comparison` in the panes ("RedtSide0", "RedtSide1") with the
    // font and background of the main pane, the differences in
    // "LblDifferences", and sizes the panes to their charts.
    void showComparison(const boundary::ConventionComparison& comparison, const workflow::PaneFont& font,
                        const QColor& background);

    QTextEdit* side(int index) const { return edits_[index == 0 ? 0 : 1]; }
    QLabel* differences() const { return differences_; }

private:
    std::array<QTextEdit*, 2> edits_{};
    std::array<std::unique_ptr<TextPane>, 2> panes_;
    QLabel* differences_ = nullptr;
};

// 选项 → 对照: the chart on screen under both choices of `convention`;
// without a chart, or when the comparison cannot be made, the window's
// Prompter says so. Nothing is laid, saved or asked.
void openConventionComparison(TFrmMain& window, chart::Convention convention);

// The submenu 对照 ("OmenuCompare") of `options`, one item per convention
// ("OmenuCompare_ju", "OmenuCompare_pan", "OmenuCompare_zishi",
// "OmenuCompare_yuejiang").
void addComparisonMenu(QMenu& options, TFrmMain& window);

}  // namespace qimen::app

// SearchTab: the page "奇门选择" of the main window's Page1. It owns the
// time search engine, the one SearchConditions kept between searches and
// the controls of the page (by their traditional objectNames), and forwards
// each click to the core: 查找 opens TFrmQmCond and runs the scan on a
// worker thread whose progress and new result lines come back as queued
// calls, so the page stays responsive; 取消 stops it and keeps the lines; a
// double-click appends a line's listing to MeoSelText; 出行密诀 shows the
// travel formula of the start moment. The context menu of a result line
// asks for its full chart (chartRequested) or saves the list as text.
//
// The main window puts the page into Page1's second tab, hides its own
// input panel while that tab is active, and connects chartRequested to its
// 排盘 of that moment.
#pragma once

#include <QMetaType>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "calendar/civil_date_time.hpp"
#include "chart/chart_settings.hpp"
#include "search/search_conditions.hpp"
#include "search/search_engine.hpp"
#include "workflow/prompter.hpp"

class QComboBox;
class QListView;
class QMenu;
class QModelIndex;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

Q_DECLARE_METATYPE(qimen::calendar::CivilDateTime)

namespace qimen::app {

class ResultListModel;

class SearchTab : public QWidget {
    Q_OBJECT
public:
    // `readSettings` gives the chart settings each search reads at its
    // start (chartSettingsReader(dataRoot) reads dat/set.ini of the data
    // root); boxes go through `prompter`. The date lists are filled and both
    // rows set to now.
    SearchTab(workflow::Prompter& prompter, std::function<chart::ChartSettings()> readSettings,
              QWidget* parent = nullptr);
    // A running search is cancelled and its thread joined.
    ~SearchTab() override;

    // The conditions kept between searches (all zero at first).
    search::SearchConditions& conditions() { return conditions_; }
    bool searching() const { return running_; }
    // The lines of the result list.
    std::vector<std::string> resultLines() const;

    // The dialog 查找 opens on the conditions; true on 确定. The default
    // shows TFrmQmCond modally.
    void setConditionsDialog(std::function<bool(search::SearchConditions&)> dialog) { dialog_ = std::move(dialog); }
    // Called on the scan's thread at every progress step, before the step
    // is passed to the page (tests hold the scan there).
    void setScanProgressHook(std::function<void(const search::SearchProgress&)> hook) { hook_ = std::move(hook); }

    // The start and end rows as moments, and setting them.
    calendar::CivilDateTime startMoment() const;
    calendar::CivilDateTime endMoment() const;
    void setMoments(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end);

    // The operations of the controls.
    void SbtoNow1Click();
    void BtoSearchClick();
    void BtoSearchCanClick();
    void LstSelTimeDblClick(const QModelIndex& index);
    void BtoChuXingClick();
    // The context menu of the result list at `index` (invalid: no line):
    // "排盘" and "保存结果…".
    QMenu* resultMenu(const QModelIndex& index);
    // Writes the result list to `path` as GBK text and says so; false (with
    // the reason shown) when it cannot be written.
    bool saveResults(const std::filesystem::path& path);

    // The controls, by their names.
    QListView* LstSelTime = nullptr;
    QPlainTextEdit* MeoSelText = nullptr;
    QWidget *PanProcess = nullptr, *PanSearchIn = nullptr;
    QProgressBar* ProBar1 = nullptr;
    QPushButton *BtoSearchCan = nullptr, *BtoChuXing = nullptr, *BtoSearch = nullptr;
    QToolButton* SbtoNow1 = nullptr;
    QComboBox *CboY1 = nullptr, *CboM1 = nullptr, *CboD1 = nullptr, *CboH1 = nullptr, *CboMin1 = nullptr;
    QComboBox *CboY2 = nullptr, *CboM2 = nullptr, *CboD2 = nullptr, *CboH2 = nullptr, *CboMin2 = nullptr;

signals:
    // "排盘" on a result line: the main window lays the full chart of it.
    void chartRequested(qimen::calendar::CivilDateTime moment);
    // A search ended (completed, cancelled or failed) and its box was shown.
    void searchFinished();

private:
    void buildControls();
    void startSearch(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end);
    // The scan on the worker thread; talks back through queued calls only.
    void scan(calendar::CivilDateTime start, calendar::CivilDateTime end, search::SearchConditions conditions,
              int generation);
    void showProgress(int generation, const QStringList& lines, int percent);
    void finishSearch(int generation, bool succeeded, const QString& message);
    void showInputPanel();
    void stopWorker();
    void saveResultsAs();

    workflow::Prompter& prompter_;
    std::unique_ptr<search::SearchEngine> engine_;
    search::SearchConditions conditions_;
    std::function<bool(search::SearchConditions&)> dialog_;
    std::function<void(const search::SearchProgress&)> hook_;
    ResultListModel* results_ = nullptr;
    std::thread worker_;
    bool running_ = false;
    // Numbers the searches; calls queued by an abandoned scan are dropped.
    int generation_ = 0;
};

// The settings reader of a data root: dat/set.ini read at every call.
std::function<chart::ChartSettings()> chartSettingsReader(std::filesystem::path dataRoot);

}  // namespace qimen::app

// Offscreen pictures of the time-selection page and its conditions dialog.
#include "search_window_shots.hpp"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QListView>
#include <QListWidget>
#include <QPixmap>
#include <QTableWidget>

#include "qm_cond_dialog.hpp"
#include "search_tab.hpp"

namespace qimen::app {

bool grabToPng(QWidget& widget, const QString& path) {
    if (!widget.isVisible()) widget.show();
    return widget.grab().save(path, "PNG");
}

bool renderSearchWindows(const QString& folder, workflow::Prompter& prompter,
                         std::function<chart::ChartSettings()> readSettings) {
    SearchTab tab(prompter, std::move(readSettings));
    tab.resize(760, 480);
    tab.setMoments({2008, 5, 3, 0, 0}, {2008, 5, 4, 0, 0});
    tab.setConditionsDialog([](search::SearchConditions&) { return true; });
    QEventLoop loop;
    QObject::connect(&tab, &SearchTab::searchFinished, &loop, &QEventLoop::quit);
    tab.BtoSearchClick();
    if (tab.searching()) loop.exec();
    tab.LstSelTime->setCurrentIndex(tab.LstSelTime->model()->index(11, 0));
    tab.LstSelTimeDblClick(tab.LstSelTime->currentIndex());
    bool written = grabToPng(tab, QDir(folder).filePath("search_tab.png"));

    search::SearchConditions conditions;
    conditions.starPalace[6] = 1;  // 天心 in 坎
    conditions.starCount = 1;
    conditions.goodPattern[19] = conditions.goodPattern[20] = 1;
    conditions.goodPatternCount = 2;
    TFrmQmCond dialog(conditions, prompter);
    return grabToPng(dialog, QDir(folder).filePath("qm_cond_dialog.png")) && written;
}

}  // namespace qimen::app

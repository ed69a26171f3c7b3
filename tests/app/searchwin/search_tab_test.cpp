// The 奇门选择 page through its widgets: searches without and with
// conditions (against `qimen search`), the listing and the travel formula,
// cancelling and closing during a full-range scan, a refused range, the
// result line's menu, and the page's responsiveness (printed, not asserted).
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <ctime>
#include <future>
#include <sstream>

#include "cli_app.hpp"
#include "files/data_root.hpp"
#include "files/file_io.hpp"
#include "qm_cond_dialog.hpp"
#include "recording_prompter.hpp"
#include "search/condition_form.hpp"
#include "search_tab.hpp"
#include "search_window_shots.hpp"

using qimen::app::SearchTab;
using qimen::calendar::CivilDateTime;
using qimen::search::SearchConditions;

class SearchTabTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void oneDayWithoutConditionsListsEveryTwoHourStep();
    void conditionsFromTheDialogListWhatTheCommandLineLists();
    void doubleClickAppendsTheListingAndTravelReplacesTheText();
    void refusedRangeKeepsTheLinesAndRestoresThePanels();
    void cancelKeepsTheLinesFoundAndRestoresThePanels();
    void destroyingThePageDuringASearchCancelsIt();
    void resultMenuOpensTheChartAndSavesTheList();
    void fullRangeWithEveryPatternRuleKeepsTheEventLoopAnswering();
    void rendersThePageAndTheDialog();

private:
    std::unique_ptr<SearchTab> makeTab();
    // Starts 查找 with the dialog answering `conditions` and waits for the end.
    void search(SearchTab& tab, CivilDateTime start, CivilDateTime end, const SearchConditions& conditions = {});
    std::string qimen(const std::vector<std::string>& args);

    QTemporaryDir root_;
    qimen::testing::RecordingPrompter prompter_;
};

namespace {

QStringList qlines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l);
    return out;
}

// Every pattern ticked; the auspicious ones wanted all together (never
// met), so the scan runs the whole range with both halves of the rules.
SearchConditions everyPatternRule() {
    qimen::search::ConditionForm form = qimen::search::clearedForm();
    form.goodPattern.fill(true);
    form.goodPatternAll = true;
    form.badPattern.fill(true);
    form.badPatternAll = true;
    SearchConditions conditions;
    if (!qimen::search::acceptForm(form, conditions)) qFatal("the form refused its own cleared cells");
    return conditions;
}

double cpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
// CPU time of the calling thread.
double threadCpuMs() { return cpuMs(CLOCK_THREAD_CPUTIME_ID); }

}  // namespace

void SearchTabTest::initTestCase() {
    QVERIFY(root_.isValid());
    QVERIFY(qimen::files::prepareDataRoot(root_.path().toStdString(), qimen::files::shippedDefaultsDirectory()));
    qimen::files::setDurableWrites(false);
}

std::unique_ptr<SearchTab> SearchTabTest::makeTab() {
    prompter_.log.clear();
    auto tab = std::make_unique<SearchTab>(prompter_, qimen::app::chartSettingsReader(root_.path().toStdString()));
    tab->resize(760, 480);
    tab->show();
    return tab;
}

void SearchTabTest::search(SearchTab& tab, CivilDateTime start, CivilDateTime end, const SearchConditions& conditions) {
    tab.setMoments(start, end);
    tab.setConditionsDialog([conditions](SearchConditions& kept) {
        kept = conditions;
        return true;
    });
    QSignalSpy finished(&tab, &SearchTab::searchFinished);
    QTest::mouseClick(tab.findChild<QPushButton*>("BtoSearch"), Qt::LeftButton);
    if (finished.isEmpty()) QVERIFY(finished.wait(120000));
}

std::string SearchTabTest::qimen(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"--data", root_.path().toStdString()};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    int code = qimen::cli::runCli(all, out, err);
    if (code != 0) qWarning("qimen failed: %s", err.str().c_str());
    return out.str();
}

void SearchTabTest::oneDayWithoutConditionsListsEveryTwoHourStep() {
    auto tab = makeTab();
    search(*tab, {2008, 5, 3, 0, 30}, {2008, 5, 4, 0, 30});
    QStringList expected;
    for (int k = 0; k < 12; ++k) expected << QString("%1:2008-05-03 %2:30").arg(k + 1).arg(2 * k, 2, 10, QChar('0'));
    QCOMPARE(qlines(tab->resultLines()), expected);
    QCOMPARE(tab->findChild<QListView*>("LstSelTime")->model()->rowCount(), 12);
    QCOMPARE(prompter_.log, QStringList{"查找完毕，共找到12个奇门盘。||none"});
    QCOMPARE(tab->findChild<QProgressBar*>("ProBar1")->value(), 100);
    QVERIFY(tab->findChild<QWidget*>("PanProcess")->isHidden());
    QVERIFY(!tab->findChild<QWidget*>("PanSearchIn")->isHidden());
}

void SearchTabTest::conditionsFromTheDialogListWhatTheCommandLineLists() {
    auto tab = makeTab();
    tab->setMoments({2008, 5, 1, 1, 0}, {2008, 7, 1, 1, 0});
    // The real dialog, filled through its widgets.
    tab->setConditionsDialog([this, &tab](SearchConditions& conditions) {
        qimen::app::TFrmQmCond dialog(conditions, prompter_, tab.get());
        dialog.findChild<QTableWidget*>("GrdXing")->item(1, 6)->setText("1");    // 天心 in 坎
        dialog.findChild<QTableWidget*>("GrdMen")->item(1, 5)->setText("6");     // 开门 in 乾
        dialog.findChild<QListWidget*>("ChkJiGe")->item(19)->setCheckState(Qt::Checked);  // 飞鸟跌穴
        dialog.findChild<QListWidget*>("ChkXiongGe")->item(5)->setCheckState(Qt::Checked);  // 大格
        dialog.findChild<QCheckBox*>("ChkXiongAll")->setChecked(true);
        dialog.BtoSearchClick();
        return dialog.result() == QDialog::Accepted;
    });
    QSignalSpy finished(tab.get(), &SearchTab::searchFinished);
    tab->BtoSearchClick();
    QVERIFY(finished.wait(60000));
    std::string cli = qimen({"search", "--from", "2008-05-01 01:00", "--to", "2008-07-01 01:00", "--star", "天心=1",
                             "--door", "开门=6", "--good", "飞鸟跌穴", "--avoid", "大格", "--avoid-all"});
    QStringList expected = QString::fromStdString(cli).split('\n', Qt::SkipEmptyParts);
    QString closing = expected.takeLast();
    QVERIFY(expected.size() > 50);
    QVERIFY(expected.size() < 732);  // the conditions did select
    QCOMPARE(qlines(tab->resultLines()), expected);
    QCOMPARE(prompter_.log, QStringList{closing + "||none"});
}

void SearchTabTest::doubleClickAppendsTheListingAndTravelReplacesTheText() {
    auto tab = makeTab();
    search(*tab, {2008, 5, 3, 0, 0}, {2008, 5, 4, 0, 0});
    auto* list = tab->findChild<QListView*>("LstSelTime");
    auto* text = tab->findChild<QPlainTextEdit*>("MeoSelText");
    text->setPlainText("已有的字\n");
    QModelIndex twelfth = list->model()->index(11, 0);
    QCOMPARE(twelfth.data().toString(), QString("12:2008-05-03 22:00"));
    list->scrollTo(twelfth);
    // A widget's double-click in Qt Test is the second click's event alone.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(twelfth).center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(twelfth).center());
    QString listing = QString::fromStdString(qimen({"search", "--listing", "12:2008-05-03 22:00"}));
    QVERIFY(listing.startsWith("第12条:\n公历:2008年5月3日22时0分\n"));
    QCOMPARE(text->toPlainText(), "已有的字\n" + listing);

    QTest::mouseClick(tab->findChild<QPushButton*>("BtoChuXing"), Qt::LeftButton);
    QString travel = QString::fromStdString(qimen({"travel", "2008-05-03 00:00"}));
    QVERIFY(text->toPlainText().startsWith("出行公历:2008年5月3日0时0分\n"));
    QVERIFY2(travel.contains(text->toPlainText().section('\n', 0, 1)), qPrintable(travel));
}

void SearchTabTest::refusedRangeKeepsTheLinesAndRestoresThePanels() {
    auto tab = makeTab();
    search(*tab, {2008, 5, 3, 0, 0}, {2008, 5, 3, 4, 0});
    prompter_.log.clear();
    tab->setMoments({2008, 5, 3, 14, 0}, {2008, 5, 3, 13, 59});
    tab->BtoSearchClick();
    QCOMPARE(prompter_.log, QStringList{"结束时间必须大于或等于开始时间！|输入错误|error"});
    QCOMPARE(tab->resultLines().size(), 2u);
    QVERIFY(!tab->searching());
    QVERIFY(!tab->findChild<QWidget*>("PanSearchIn")->isHidden());
}

void SearchTabTest::cancelKeepsTheLinesFoundAndRestoresThePanels() {
    auto tab = makeTab();
    SearchConditions conditions;
    conditions.goodPattern.fill(1);
    conditions.goodPatternCount = qimen::search::kGoodPatterns;
    // The scan waits at its second progress step until the test lets it go.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> holding{false};
    tab->setScanProgressHook([&](const qimen::search::SearchProgress& progress) {
        if (progress.candidate > 2048 && !holding.exchange(true)) released.wait();
    });
    tab->setMoments({1900, 1, 1, 0, 0}, {2050, 12, 31, 23, 0});
    tab->setConditionsDialog([conditions](SearchConditions& kept) {
        kept = conditions;
        return true;
    });
    QSignalSpy finished(tab.get(), &SearchTab::searchFinished);
    tab->BtoSearchClick();
    QVERIFY(tab->findChild<QWidget*>("PanSearchIn")->isHidden());
    QVERIFY(!tab->findChild<QWidget*>("PanProcess")->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(holding.load() && !tab->resultLines().empty(), 30000);
    const auto shown = tab->resultLines();
    QTest::mouseClick(tab->findChild<QPushButton*>("BtoSearchCan"), Qt::LeftButton);
    QVERIFY(tab->findChild<QWidget*>("PanProcess")->isHidden());
    QVERIFY(!tab->findChild<QWidget*>("PanSearchIn")->isHidden());
    release.set_value();
    QVERIFY(finished.wait(30000));
    const auto kept = tab->resultLines();
    QVERIFY(kept.size() >= shown.size());
    QVERIFY(std::equal(shown.begin(), shown.end(), kept.begin()));
    QVERIFY(kept.size() < 30000);
    QCOMPARE(prompter_.log, QStringList{"\r\n搜索被手工中断！||none"});
    QVERIFY(tab->findChild<QProgressBar*>("ProBar1")->value() < 100);
}

void SearchTabTest::destroyingThePageDuringASearchCancelsIt() {
    auto tab = makeTab();
    std::atomic<int> steps{0};
    tab->setScanProgressHook([&](const qimen::search::SearchProgress&) { ++steps; });
    tab->setMoments({1900, 1, 1, 0, 0}, {2050, 12, 31, 23, 0});
    const SearchConditions conditions = everyPatternRule();
    tab->setConditionsDialog([conditions](SearchConditions& kept) {
        kept = conditions;
        return true;
    });
    tab->BtoSearchClick();
    QTRY_VERIFY_WITH_TIMEOUT(steps.load() > 0, 30000);
    QVERIFY(tab->searching());
    tab.reset();
    const int atDestruction = steps.load();
    QTest::qWait(50);  // nothing the scan queued reaches the page
    QCOMPARE(steps.load(), atDestruction);
    QVERIFY(prompter_.log.isEmpty());
}

void SearchTabTest::resultMenuOpensTheChartAndSavesTheList() {
    auto tab = makeTab();
    search(*tab, {2008, 5, 3, 0, 30}, {2008, 5, 3, 4, 30});
    auto* list = tab->findChild<QListView*>("LstSelTime");
    std::vector<CivilDateTime> asked;
    connect(tab.get(), &SearchTab::chartRequested, [&](CivilDateTime m) { asked.push_back(m); });
    QMenu* menu = tab->resultMenu(list->model()->index(1, 0));
    QAction* chart = menu->findChild<QAction*>("pmenu_sel_pai");
    QCOMPARE(chart->text(), QString("排盘"));
    chart->trigger();
    QCOMPARE(asked.size(), 1u);
    QVERIFY((asked[0] == CivilDateTime{2008, 5, 3, 2, 30}));
    QVERIFY(!tab->resultMenu({})->findChild<QAction*>("pmenu_sel_pai")->isEnabled());

    prompter_.log.clear();
    const std::string file = root_.filePath("结果.txt").toStdString();
    QVERIFY(tab->saveResults(file));
    QCOMPARE(qimen::files::readWholeFile(file, 1 << 20), std::string("1:2008-05-03 00:30\r\n2:2008-05-03 02:30\r\n"));
    QCOMPARE(prompter_.log, QStringList{"已保存！||none"});
    QVERIFY(!tab->saveResults(root_.filePath("missing/a.txt").toStdString()));
    QVERIFY(prompter_.log.last().endsWith("|错误|error"));
}

void SearchTabTest::fullRangeWithEveryPatternRuleKeepsTheEventLoopAnswering() {
    auto tab = makeTab();
    auto* bar = tab->findChild<QProgressBar*>("ProBar1");
    int barUpdates = 0;
    connect(bar, &QProgressBar::valueChanged, [&] { ++barUpdates; });
    // A 5 ms timer: the longest wait between two of its ticks is how long
    // the event loop was busy elsewhere.
    // The page's own CPU time within that gap tells a busy page from one
    // waiting for a processor on a loaded machine.
    QElapsedTimer clock, sinceTick;
    qint64 longestGap = 0;
    double busyInLongestGap = 0;
    double cpuAtTick = threadCpuMs();
    QTimer ticker;
    ticker.setInterval(5);
    connect(&ticker, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart();
        const double cpu = threadCpuMs();
        if (gap > longestGap) {
            longestGap = gap;
            busyInLongestGap = cpu - cpuAtTick;
        }
        cpuAtTick = cpu;
    });
    const double processCpuAtStart = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    const double pageCpuAtStart = threadCpuMs();
    clock.start();
    sinceTick.start();
    ticker.start();
    search(*tab, {1900, 1, 1, 0, 0}, {2050, 12, 31, 23, 0}, everyPatternRule());
    const qint64 wall = clock.elapsed();
    const double processCpu = cpuMs(CLOCK_PROCESS_CPUTIME_ID) - processCpuAtStart;
    const double pageCpu = threadCpuMs() - pageCpuAtStart;
    ticker.stop();
    QCOMPARE(prompter_.log.size(), 1);
    QVERIFY(prompter_.log[0].startsWith("查找完毕"));
    std::printf("full range 1900-2050, every pattern rule: %lld ms wall, %.0f ms CPU of all threads (%.0f ms of them the page's), %zu lines, %d progress-bar updates "
                "(%.0f per second), longest event-loop gap %lld ms (the page's thread busy %.1f ms of it)\n",
                static_cast<long long>(wall), processCpu, pageCpu, tab->resultLines().size(), barUpdates,
                barUpdates * 1000.0 / std::max<qint64>(1, wall), static_cast<long long>(longestGap), busyInLongestGap);
}

void SearchTabTest::rendersThePageAndTheDialog() {
    // QIMEN_SCREENSHOT_DIR names a folder to keep the pictures in.
    const QString folder = qEnvironmentVariable("QIMEN_SCREENSHOT_DIR", root_.path());
    QVERIFY(qimen::app::renderSearchWindows(folder, prompter_, qimen::app::chartSettingsReader(root_.path().toStdString())));
    QVERIFY(QImage(folder + "/search_tab.png").width() > 0);
    QVERIFY(QImage(folder + "/qm_cond_dialog.png").width() == 697);
}

QTEST_MAIN(SearchTabTest)
#include "search_tab_test.moc"

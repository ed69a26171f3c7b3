// SearchTab: the page's controls, the search on its worker thread and the
// operations of the buttons and the result list.
#include "search_tab.hpp"

#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

#include "calendar/calendar_text.hpp"
#include "qm_cond_dialog.hpp"
#include "result_list_model.hpp"
#include "search/condition_form.hpp"
#include "search/result_list_file.hpp"
#include "search/search_listing.hpp"
#include "search/travel_formula.hpp"
#include "search_window_style.hpp"

namespace qimen::app {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;
// How often a running scan tells the page of its progress and new lines:
// 25 times a second, smooth to the eye and cheap to paint.
constexpr std::chrono::milliseconds kProgressInterval{40};

QComboBox* dateList(QWidget* parent, const char* name) {
    auto* box = named(new QComboBox(parent), name);
    box->setMaxVisibleItems(16);
    return box;
}

// The items of the five lists of a row: years as plain numbers, then
// "%d月", "%d日", "%d时" with the branch of the double hour, "%d分".
void fillRow(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour, QComboBox* minute) {
    for (int y = kFirstYear; y <= kLastYear; ++y) year->addItem(QString::number(y));
    for (int m = 1; m <= 12; ++m) month->addItem(q("%1月").arg(m));
    for (int d = 1; d <= 31; ++d) day->addItem(q("%1日").arg(d));
    for (int h = 0; h < 24; ++h) {
        int doubleHour = (h + 1) / 2 % 12;  // [0, 11], 0 = 子
        hour->addItem(q("%1时").arg(h) + q(calendar::branchText((doubleHour + 1) % 12)));
    }
    for (int m = 0; m < 60; ++m) minute->addItem(q("%1分").arg(m));
}

calendar::CivilDateTime momentOf(const QComboBox* year, const QComboBox* month, const QComboBox* day,
                                 const QComboBox* hour, const QComboBox* minute) {
    return {static_cast<std::int16_t>(year->currentIndex() + kFirstYear),
            static_cast<std::int16_t>(month->currentIndex() + 1), static_cast<std::int16_t>(day->currentIndex() + 1),
            static_cast<std::int16_t>(hour->currentIndex()), static_cast<std::int16_t>(minute->currentIndex())};
}

void showMoment(const calendar::CivilDateTime& m, QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour,
                QComboBox* minute) {
    year->setCurrentIndex(std::clamp<int>(m.year, kFirstYear, kLastYear) - kFirstYear);
    month->setCurrentIndex(m.month - 1);
    day->setCurrentIndex(m.day - 1);
    hour->setCurrentIndex(m.hour);
    minute->setCurrentIndex(m.minute);
}

// The core's texts end lines with CR LF; the text boxes want LF.
QString paneText(const std::string& text) { return q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

std::function<chart::ChartSettings()> chartSettingsReader(std::filesystem::path dataRoot) {
    return [root = std::move(dataRoot)] { return chart::loadChartSettings(chart::chartSettingsPath(root)); };
}

SearchTab::SearchTab(workflow::Prompter& prompter, std::function<chart::ChartSettings()> readSettings, QWidget* parent)
    : QWidget(parent),
      prompter_(prompter),
      engine_(std::make_unique<search::SearchEngine>(std::move(readSettings))),
      dialog_([this](search::SearchConditions& conditions) { return editSearchConditions(conditions, prompter_, this); }) {
    setObjectName("SearchTab");
    buildControls();
    SbtoNow1Click();
}

SearchTab::~SearchTab() { stopWorker(); }

void SearchTab::stopWorker() {
    engine_->requestCancel();
    if (worker_.joinable()) worker_.join();
}

void SearchTab::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    PanProcess = named(new QWidget(this), "PanProcess");
    auto* process = new QHBoxLayout(PanProcess);
    process->setContentsMargins(4, 2, 4, 2);
    ProBar1 = named(new QProgressBar(PanProcess), "ProBar1");
    ProBar1->setRange(0, 100);
    BtoSearchCan = named(new QPushButton(q("取消"), PanProcess), "BtoSearchCan");
    process->addWidget(ProBar1, 1);
    process->addWidget(BtoSearchCan);
    PanProcess->hide();
    layout->addWidget(PanProcess);

    auto* split = new QSplitter(Qt::Horizontal, this);
    LstSelTime = named(new QListView(split), "LstSelTime");
    results_ = new ResultListModel(LstSelTime);
    LstSelTime->setModel(results_);
    LstSelTime->setUniformItemSizes(true);
    LstSelTime->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LstSelTime->setContextMenuPolicy(Qt::CustomContextMenu);
    MeoSelText = named(new QPlainTextEdit(split), "MeoSelText");
    // A listing's grid lines up only in a face whose CJK and box-drawing
    // characters are equally wide.
    QFont memoFont = songFont();
    memoFont.setPixelSize(14);
    MeoSelText->setFont(memoFont);
    split->addWidget(LstSelTime);
    split->addWidget(MeoSelText);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 500});
    layout->addWidget(split, 1);

    PanSearchIn = named(new QWidget(this), "PanSearchIn");
    auto* rows = new QGridLayout(PanSearchIn);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->addWidget(new QLabel(q("开始"), PanSearchIn), 0, 0);
    rows->addWidget(new QLabel(q("结束时间"), PanSearchIn), 1, 0);
    QComboBox** start[] = {&CboY1, &CboM1, &CboD1, &CboH1, &CboMin1};
    QComboBox** end[] = {&CboY2, &CboM2, &CboD2, &CboH2, &CboMin2};
    const char* const startNames[] = {"CboY1", "CboM1", "CboD1", "CboH1", "CboMin1"};
    const char* const endNames[] = {"CboY2", "CboM2", "CboD2", "CboH2", "CboMin2"};
    for (int i = 0; i < 5; ++i) {
        *start[i] = dateList(PanSearchIn, startNames[i]);
        *end[i] = dateList(PanSearchIn, endNames[i]);
        rows->addWidget(*start[i], 0, i + 1);
        rows->addWidget(*end[i], 1, i + 1);
    }
    fillRow(CboY1, CboM1, CboD1, CboH1, CboMin1);
    fillRow(CboY2, CboM2, CboD2, CboH2, CboMin2);
    SbtoNow1 = named(new QToolButton(PanSearchIn), "SbtoNow1");
    SbtoNow1->setText(q("现在时间"));
    SbtoNow1->setAutoRaise(true);
    BtoChuXing = named(new QPushButton(q("出行密诀"), PanSearchIn), "BtoChuXing");
    BtoSearch = named(new QPushButton(q("查找"), PanSearchIn), "BtoSearch");
    rows->addWidget(SbtoNow1, 0, 6);
    rows->addWidget(BtoChuXing, 0, 7);
    rows->addWidget(BtoSearch, 1, 7);
    rows->setColumnStretch(8, 1);
    layout->addWidget(PanSearchIn);

    connect(SbtoNow1, &QToolButton::clicked, this, &SearchTab::SbtoNow1Click);
    connect(BtoSearch, &QPushButton::clicked, this, &SearchTab::BtoSearchClick);
    connect(BtoSearchCan, &QPushButton::clicked, this, &SearchTab::BtoSearchCanClick);
    connect(BtoChuXing, &QPushButton::clicked, this, &SearchTab::BtoChuXingClick);
    connect(LstSelTime, &QListView::doubleClicked, this, &SearchTab::LstSelTimeDblClick);
    connect(LstSelTime, &QListView::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = resultMenu(LstSelTime->indexAt(at));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(LstSelTime->viewport()->mapToGlobal(at));
    });
}

std::vector<std::string> SearchTab::resultLines() const {
    std::vector<std::string> lines;
    lines.reserve(results_->lines().size());
    for (const QString& line : results_->lines()) lines.push_back(line.toStdString());
    return lines;
}

calendar::CivilDateTime SearchTab::startMoment() const { return momentOf(CboY1, CboM1, CboD1, CboH1, CboMin1); }
calendar::CivilDateTime SearchTab::endMoment() const { return momentOf(CboY2, CboM2, CboD2, CboH2, CboMin2); }

void SearchTab::setMoments(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end) {
    showMoment(start, CboY1, CboM1, CboD1, CboH1, CboMin1);
    showMoment(end, CboY2, CboM2, CboD2, CboH2, CboMin2);
}

void SearchTab::SbtoNow1Click() {
    const QDateTime now = QDateTime::currentDateTime();
    int year = now.date().year();
    if (year < kFirstYear || year > kLastYear) year = kLastYear;
    calendar::CivilDateTime moment{static_cast<std::int16_t>(year), static_cast<std::int16_t>(now.date().month()),
                                   static_cast<std::int16_t>(now.date().day()),
                                   static_cast<std::int16_t>(now.time().hour()),
                                   static_cast<std::int16_t>(now.time().minute())};
    setMoments(moment, moment);
}

void SearchTab::BtoSearchClick() {
    if (running_) return;  // the input panel is hidden while a scan runs
    if (!dialog_ || !dialog_(conditions_)) return;
    startSearch(startMoment(), endMoment());
}

void SearchTab::startSearch(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end) {
    // A scan cancelled a moment ago may still finish its last block: wait
    // for it and drop what it has yet to say.
    stopWorker();
    ++generation_;
    PanSearchIn->hide();
    PanProcess->show();
    ProBar1->setValue(0);
    // Refused ranges are told before anything is cleared.
    if (auto checked = search::checkSearchRange(start, end); !checked) {
        prompter_.message(checked.message(), search::kInputErrorCaption, workflow::Icon::Error);
        showInputPanel();
        return;
    }
    results_->clear();
    running_ = true;
    worker_ = std::thread(&SearchTab::scan, this, start, end, conditions_, generation_);
}

void SearchTab::scan(calendar::CivilDateTime start, calendar::CivilDateTime end, search::SearchConditions conditions,
                     int generation) {
    // The scan runs at the page's own priority: lowered, its threads lost
    // most of the processors to any other busy program (a full-range scan
    // took 5 to 9 s beside a compiler instead of under 2), while the page's
    // thread, asleep but for a few milliseconds, answers at once either way.
    std::size_t sent = 0;
    // The lines listed since the last call, as the page shows them.
    auto newLines = [&] {
        QStringList lines;
        const auto& all = engine_->results();
        lines.reserve(static_cast<qsizetype>(all.size() - sent));
        for (; sent < all.size(); ++sent) lines << q(all[sent]);
        return lines;
    };
    // The engine reports every block of candidates, hundreds of times a
    // second; the page repaints its list and bar for each call it gets, so
    // it hears of the first step at once and then of one step per interval,
    // with the lines gathered meanwhile.
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastSent{};
    bool anySent = false;
    int percent = 0;  // of the latest step, sent or not
    auto searched = engine_->search(start, end, conditions, [&](const search::SearchProgress& progress) {
        if (hook_) hook_(progress);
        percent = static_cast<int>(
            progress.maximum > 0 ? std::min<long>(100, progress.candidate * 100 / progress.maximum) : 100);
        const Clock::time_point now = Clock::now();
        if (anySent && now - lastSent < kProgressInterval) return;
        anySent = true;
        lastSent = now;
        QMetaObject::invokeMethod(
            this, [this, generation, lines = newLines(), percent] { showProgress(generation, lines, percent); },
            Qt::QueuedConnection);
    });
    QString message = q(searched ? engine_->closingMessage() : searched.message());
    // The last step and lines, then the end.
    QMetaObject::invokeMethod(
        this,
        [this, generation, lines = newLines(), percent, ok = searched.ok(), message] {
            showProgress(generation, lines, percent);
            finishSearch(generation, ok, message);
        },
        Qt::QueuedConnection);
}

void SearchTab::showProgress(int generation, const QStringList& lines, int percent) {
    if (generation != generation_) return;
    results_->append(lines);
    ProBar1->setValue(percent);
}

void SearchTab::finishSearch(int generation, bool succeeded, const QString& message) {
    if (generation != generation_) return;
    if (worker_.joinable()) worker_.join();
    running_ = false;  // already so after 取消
    if (succeeded) {
        prompter_.message(message.toStdString(), "", workflow::Icon::None);
        showInputPanel();
        MeoSelText->clear();
    } else {
        prompter_.message(message.toStdString(), search::kInputErrorCaption, workflow::Icon::Error);
        showInputPanel();
    }
    emit searchFinished();
}

void SearchTab::showInputPanel() {
    PanProcess->hide();
    PanSearchIn->show();
}

void SearchTab::BtoSearchCanClick() {
    // The scan stops after its current candidate; its closing box follows.
    // A new 查找 before that waits for it and drops the rest of its output.
    engine_->requestCancel();
    running_ = false;
    showInputPanel();
}

void SearchTab::LstSelTimeDblClick(const QModelIndex& index) {
    if (!index.isValid()) return;
    // Safe while a scan runs: its lines appear only after it has read the
    // settings a listing uses, and it does not change them again.
    auto listing = engine_->listing(index.data().toString().toStdString());
    if (!listing) {
        prompter_.message(listing.message(), "错误", workflow::Icon::Error);
        return;
    }
    MeoSelText->moveCursor(QTextCursor::End);
    MeoSelText->insertPlainText(paneText(*listing));
}

void SearchTab::BtoChuXingClick() {
    const calendar::CivilDateTime m = startMoment();
    auto formula = search::travelFormula(m.year, m.month, m.day, m.hour, m.minute);
    if (!formula) {
        prompter_.message(formula.message(), search::kInputErrorCaption, workflow::Icon::Error);
        return;
    }
    MeoSelText->setPlainText(paneText(formula->text));
}

QMenu* SearchTab::resultMenu(const QModelIndex& index) {
    auto* menu = new QMenu(this);
    QAction* chart = menu->addAction(q("排盘"));
    chart->setObjectName("pmenu_sel_pai");
    std::optional<search::ListedMoment> listed;
    if (index.isValid()) listed = search::parseResultLine(index.data().toString().toStdString());
    chart->setEnabled(listed.has_value());
    if (listed)
        connect(chart, &QAction::triggered, this, [this, moment = listed->moment] { emit chartRequested(moment); });
    QAction* save = menu->addAction(q("保存结果…"));
    save->setObjectName("pmenu_sel_save");
    save->setEnabled(results_->rowCount() > 0);
    connect(save, &QAction::triggered, this, &SearchTab::saveResultsAs);
    return menu;
}

void SearchTab::saveResultsAs() {
    QString path = QFileDialog::getSaveFileName(this, q("保存结果"), QString(), q("Txt格式 (*.txt)"));
    if (!path.isEmpty()) saveResults(std::filesystem::path(path.toStdString()));
}

bool SearchTab::saveResults(const std::filesystem::path& path) {
    if (auto saved = search::saveResultList(path, resultLines()); !saved) {
        prompter_.message(saved.message(), "错误", workflow::Icon::Error);
        return false;
    }
    prompter_.message("已保存！", "", workflow::Icon::None);
    return true;
}

}  // namespace qimen::app

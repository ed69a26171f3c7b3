// TFrmMain's handlers: each copies the controls into the consultation's
// inputs, runs one operation of the consultation and shows the inputs, the
// case list and the case state again.
#include "main_window.hpp"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QItemSelectionModel>
#include <array>

#include "case_list_model.hpp"
#include "classify_dialog.hpp"
#include "pane_actions.hpp"
#include <QFileDialog>

#include "casedlg/tfrm_class_edit.hpp"
#include "casedlg/tfrm_info.hpp"
#include "casedlg/tfrm_search.hpp"
#include "custom/custom_pan_window.hpp"
#include "custom/show_custom_window.hpp"
#include "searchwin/search_tab.hpp"
#include "tools/tfrm_dili.hpp"
#include "tools/tfrm_wnl.hpp"
#include "up_down.hpp"
#include "warning_strip.hpp"
#include "workflow/history.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::app {
namespace {


void selectItem(QComboBox* box, int item) {
    box->setCurrentIndex(item >= 0 && item < box->count() ? item : -1);
}

}  // namespace

TFrmMain::TFrmMain(std::filesystem::path dataRoot, QWidget* parent)
    : QMainWindow(parent), dataRoot_(std::move(dataRoot)), prompter_(*this) {
    setObjectName("TFrmMain");
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    buildControls();
    pane_ = std::make_unique<TextPane>(*RedtQiMen);
    new PaneActions(*pane_, prompter_, this);
    buildMenus();
    buildCaseMenu();
    for (const char* name : kLaterWindows) attachWindow(QString::fromLatin1(name), nullptr);

    workflow::ConsultationServices services;
    services.dataRoot = dataRoot_;
    services.prompter = &prompter_;
    services.pane = pane_.get();
    services.showMemo = [this](const std::string& text) { MeoInfo->setPlainText(QString::fromStdString(text)); };
    services.now = localNow;
    services.random = [] { return QRandomGenerator::global()->generate(); };
    services.classify = [this](workflow::ClassificationForm& form) { return classifyDialog_ && classifyDialog_(form); };
    services.closeCustomChart = [this] {
        if (closeCustomChart_) closeCustomChart_();
    };
    consultation_ = std::make_unique<workflow::Consultation>(std::move(services));
    caseModel_ = std::make_unique<CaseListModel>(consultation_->caseRows());
    ListView1->setModel(caseModel_.get());
    const int widths[] = {60, 85, 60, 80, 3};
    for (int c = 0; c < workflow::kCaseColumnCount; ++c) ListView1->setColumnWidth(c, widths[c]);
    connectControls();
    attachClassifyDialog([this](workflow::ClassificationForm& form) {
        TFrmFenLei dialog(form, prompter_.hook(), this);
        return dialog.exec() == QDialog::Accepted;
    });
    attachWindow("mnuT_wnl", [this] { openTFrmWnl(this, prompter_); });
    attachWindow("mnuT_dili", [this] { openTFrmDiLi(this, dataRoot_, prompter_); });
    attachWindow("OmenuCustomPan", [this] { openTFrmCustomPan(this, prompter_, dataRoot_); });
    customChart_ = std::make_unique<CustomChartWindow>(this, prompter_, dataRoot_);
    attachCustomChart([this](const chart::ChartRequest& request) { customChart_->show(request); },
                      [this] { customChart_->close(); });
    attachCaseWindows();
}

void TFrmMain::attachCaseWindows() {
    attachWindow("pmenu_r_edit", [this] {
        run([this] {
            consultation_->editCase(selectedCase(), [this](workflow::CaseEditForm& form) {
                return runTFrmInfo(this, form, prompter_);
            });
        });
    });
    attachWindow("pmenu_r_class", [this] { runTFrmClassEdit(this, dataRoot_, prompter_); });
    attachWindow("pmenu_r_find", [this] {
        run([this] {
            if (auto found = runTFrmSearch(this, consultation_->caseFilter(), dataRoot_, prompter_))
                consultation_->listCases(*found);
        });
    });
    attachWindow("mnuF_import", [this] {
        auto chooseFile = [this]() -> std::optional<std::filesystem::path> {
            QString file = QFileDialog::getOpenFileName(this, QString::fromUtf8("导入历史记录"), QString(),
                                                        QStringLiteral("qimen0.dat (qimen0.dat);;*.dat (*.dat)"));
            if (file.isEmpty()) return std::nullopt;
            return std::filesystem::path(file.toStdString());
        };
        if (workflow::importHistory(consultation_->store(), prompter_, chooseFile)) storeReplaced();
    });
    attachWindow("mnuF_export", [this] {
        QString folder = QFileDialog::getExistingDirectory(this, QString::fromUtf8("导出历史记录"));
        if (!folder.isEmpty()) workflow::exportHistory(consultation_->store(), prompter_, folder.toStdString());
    });
    attachWindow("mnuF_clear", [this] {
        if (workflow::clearHistory(consultation_->store(), prompter_)) storeReplaced();
    });
}

void TFrmMain::storeReplaced() {
    // The viewed case is gone with the old store (kept in its backup), so its
    // pending edits are not offered for saving.
    pane_->setModified(false);
    run([this] {
        consultation_->newCase();
        consultation_->reloadCases();
    });
}

TFrmMain::~TFrmMain() { ListView1->setModel(nullptr); }

void TFrmMain::connectControls() {
    connect(Btnpai, &QPushButton::clicked, this, &TFrmMain::BtnpaiClick);
    connect(CboCustom, &QComboBox::activated, this, &TFrmMain::CboCustomClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFrmMain::SpeedButton1Click);
    connect(SbtoNow, &QToolButton::clicked, this, &TFrmMain::SbtoNowClick);
    connect(BtoNew, &QPushButton::clicked, this, &TFrmMain::BtoNewClick);
    connect(SbtoSave, &QToolButton::clicked, this, &TFrmMain::SbtoSaveClick);
    connect(SbtoCustomPan, &QToolButton::clicked, this, &TFrmMain::SbtoCustomPanClick);
    connect(cbodiZ, &QComboBox::activated, this, &TFrmMain::cbodiZClick);
    connect(UpDyear, &UpDown::clicked, this, &TFrmMain::UpDyearClick);
    connect(ListView1, &QTreeView::doubleClicked, this, [this] { pmenu_r_paiClick(); });
    connect(Page1, &QTabWidget::currentChanged, this, &TFrmMain::Page1Change);
    // A result line's 排盘: the full hour chart of that moment in the first tab.
    connect(searchTab, &SearchTab::chartRequested, this, [this](calendar::CivilDateTime moment) {
        Page1->setCurrentIndex(0);
        run([this, moment] {
            consultation_->setMoment(moment);
            consultation_->inputs().methodItem = workflow::kHourChartMethodItem;
            consultation_->chart();
        });
    });
    connect(RedtQiMen, &QWidget::customContextMenuRequested, findChild<PaneActions*>(), &PaneActions::popup);
}

void TFrmMain::attachWindow(const QString& objectName, std::function<void()> handler) {
    QWidget* button = findChild<QWidget*>(objectName);
    QAction* action = findChild<QAction*>(objectName);
    const bool enabled = static_cast<bool>(handler);
    if (button) {
        button->setEnabled(enabled);
        if (auto* tool = qobject_cast<QAbstractButton*>(button); tool && enabled && objectName != "SbtoCustomPan")
            connect(tool, &QAbstractButton::clicked, this, handler);
    }
    if (action) {
        action->setEnabled(enabled);
        if (enabled) connect(action, &QAction::triggered, this, handler);
    }
}

void TFrmMain::attachClassifyDialog(std::function<bool(workflow::ClassificationForm&)> dialog) {
    classifyDialog_ = std::move(dialog);
}

void TFrmMain::attachCustomChart(std::function<void(const chart::ChartRequest&)> show, std::function<void()> close) {
    showCustomChart_ = std::move(show);
    closeCustomChart_ = std::move(close);
    SbtoCustomPan->setEnabled(static_cast<bool>(showCustomChart_));
}

void TFrmMain::FormShow() {
    if (shown_) return;
    shown_ = true;
    fillLists();
    auto settings = files::readWindowSettings(dataRoot_);
    loadedSettings_ = settings ? *settings : files::WindowSettings{};
    applyWindowSettings(loadedSettings_);
    consultation_->start(loadedSettings_);
    showInputs();
    caseModel_->refresh();
    showCaseState();
}

void TFrmMain::readInputs() {
    auto& in = consultation_->inputs();
    in.yearText = EdtYear->text().toStdString();
    in.yearSpin = UpDyear->position();
    in.monthItem = cbom->currentIndex();
    in.dayItem = cbod->currentIndex();
    in.hourItem = cbos->currentIndex();
    in.minuteItem = cbomin->currentIndex();
    in.lunar = Rdonl->isChecked();
    in.leapMonth = Chkrun->isChecked();
    in.provinceItem = cbodiZ->currentIndex();
    in.cityItem = cbodiC->currentIndex();
    in.name = Edtname->text().toStdString();
    in.matter = LedtEvent->text().toStdString();
    in.methodItem = CboPanShi->currentIndex();
    in.givenJuItem = CboCustom->currentIndex();
}

void TFrmMain::showCities() {
    const auto& cities = consultation_->cities();
    bool same = cbodiC->count() == static_cast<int>(cities.size());
    for (int i = 0; same && i < cbodiC->count(); ++i)
        same = cbodiC->itemText(i).toStdString() == cities[static_cast<std::size_t>(i)].name;
    if (same) return;
    cbodiC->clear();
    for (const auto& city : cities) cbodiC->addItem(QString::fromStdString(city.name));
}

void TFrmMain::showInputs() {
    const auto& in = consultation_->inputs();
    const QSignalBlocker blockers[] = {QSignalBlocker(cbodiZ), QSignalBlocker(cbodiC), QSignalBlocker(CboCustom),
                                       QSignalBlocker(CboPanShi)};
    EdtYear->setText(QString::fromStdString(in.yearText));
    UpDyear->setPosition(in.yearSpin);
    selectItem(cbom, in.monthItem);
    selectItem(cbod, in.dayItem);
    selectItem(cbos, in.hourItem);
    selectItem(cbomin, in.minuteItem);
    (in.lunar ? Rdonl : Rdogl)->setChecked(true);
    Chkrun->setChecked(in.leapMonth);
    selectItem(cbodiZ, in.provinceItem);
    showCities();
    selectItem(cbodiC, in.cityItem);
    if (Edtname->text().toStdString() != in.name) Edtname->setText(QString::fromStdString(in.name));
    if (LedtEvent->text().toStdString() != in.matter) LedtEvent->setText(QString::fromStdString(in.matter));
    selectItem(CboPanShi, in.methodItem);
    selectItem(CboCustom, in.givenJuItem);
}

void TFrmMain::showCaseState() {
    SbtoSave->setText(QString::fromStdString(consultation_->saveCaption()));
    QPalette palette = SbtoSave->palette();
    palette.setColor(QPalette::ButtonText,
                     consultation_->caseState() == workflow::CaseState::Viewing ? QColor(0, 0, 255) : QColor(0, 0, 0));
    SbtoSave->setPalette(palette);
}

void TFrmMain::run(const std::function<void()>& operation) {
    const std::optional<std::int32_t> selected = selectedCase();
    const int selectedRow = ListView1->currentIndex().row();
    readInputs();
    operation();
    warningStrip->showFor(*consultation_);
    showInputs();
    caseModel_->refresh();
    // The row the user picked stays picked while its case is still listed,
    // so a second action on it needs no second click.
    if (selected && *selected >= 0) {
        if (const int row = caseModel_->rowOf(*selected, selectedRow); row >= 0) {
            const QModelIndex index = caseModel_->index(row, 0);
            ListView1->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            ListView1->scrollTo(index);
        }
    }
    showCaseState();
}

void TFrmMain::BtnpaiClick() { run([this] { consultation_->chart(); }); }

void TFrmMain::CboCustomClick(int item) { run([this, item] { consultation_->chartGivenJu(item); }); }

void TFrmMain::SpeedButton1Click() { run([this] { consultation_->chartRandom(); }); }

void TFrmMain::SbtoNowClick() { run([this] { consultation_->setNow(); }); }

void TFrmMain::BtoNewClick() { run([this] { consultation_->newCase(); }); }

void TFrmMain::SbtoSaveClick() { run([this] { consultation_->save(); }); }

void TFrmMain::SbtoCustomPanClick() {
    run([this] {
        if (auto request = consultation_->customChart(); request && showCustomChart_) showCustomChart_(*request);
    });
}

void TFrmMain::cbodiZClick(int item) { run([this, item] { consultation_->selectProvince(item); }); }

void TFrmMain::UpDyearClick(int position) {
    EdtYear->setText(QString::fromStdString(workflow::yearTextOfStored(position)));
}

std::optional<std::int32_t> TFrmMain::selectedCase() const {
    const QModelIndex index = ListView1->currentIndex();
    if (!index.isValid() || !ListView1->selectionModel()->isSelected(index)) return std::nullopt;
    bool ok = false;
    const int n = caseModel_->index(index.row(), workflow::kIdColumn).data().toString().toInt(&ok);
    return ok ? n : -1;
}

void TFrmMain::pmenu_r_paiClick() { run([this] { consultation_->view(selectedCase()); }); }

void TFrmMain::pmenu_r_deleteClick() { run([this] { consultation_->deleteCase(selectedCase()); }); }

void TFrmMain::pmenu_r_allClick() { run([this] { consultation_->listAll(); }); }

void TFrmMain::topicClick(int topic) { run([this, topic] { consultation_->topic(topic); }); }

void TFrmMain::TBtoInfoClick() { run([this] { consultation_->explain(); }); }

void TFrmMain::Page1Change(int index) {
    PanInput->setVisible(index == 0);
    if (index == 0) PanInput->update();
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    readInputs();
    consultation_->close();
    if (auto written = files::writeWindowSettings(dataRoot_, currentWindowSettings()); !written)
        prompter_.message(written.message(), "错误", workflow::Icon::Error);
    event->accept();
}

}  // namespace qimen::app

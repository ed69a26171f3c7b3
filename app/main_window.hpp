// TFrmMain: the workbench's main window. It owns the controls and one
// Consultation, and forwards every click to it: the controls are copied into
// the consultation's inputs before an operation and shown again after it;
// messages, questions and focus come back through the QtPrompter, the chart
// through the TextPane over RedtQiMen. Controls carry their traditional
// names as objectName (Btnpai, EdtYear, CboPanShi, RedtQiMen …).
//
// Later windows plug in through attachWindow(): the menu items and buttons
// of windows not built yet are present and disabled until a handler is
// attached for their objectName.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "files/window_settings.hpp"
#include "qt_prompter.hpp"
#include "text_pane.hpp"
#include "workflow/consultation.hpp"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QToolButton;
class QTreeView;

namespace qimen::app {

class CaseListModel;
class CustomChartWindow;
class SearchTab;
class UpDown;
class WarningStrip;

// The objectNames of the items whose windows come later.
inline constexpr const char* kLaterWindows[] = {
};

class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window over the data root `dataRoot` (dat/ and qimen_f/ prepared).
    explicit TFrmMain(std::filesystem::path dataRoot, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // FormShow: fills the lists, applies dat/qminit.ini, opens the case store
    // and lists the first cases. Called once, before the window is shown.
    void FormShow();

    // Enables the item or button `objectName` and runs `handler` on a click.
    void attachWindow(const QString& objectName, std::function<void()> handler);
    // The 分类保存 dialog a new case is saved through; answers true on OK.
    void attachClassifyDialog(std::function<bool(workflow::ClassificationForm&)> dialog);
    // The custom-chart window: shown with a request, closed after a chart.
    void attachCustomChart(std::function<void(const chart::ChartRequest&)> show, std::function<void()> close);

    workflow::Consultation& consultation() { return *consultation_; }
    // Runs one consultation operation between copying the controls into its
    // inputs and showing the inputs, the case list and the save button
    // again; later windows run their consultation calls through it.
    void run(const std::function<void()>& operation);
    QtPrompter& prompter() { return prompter_; }
    TextPane& pane() { return *pane_; }
    const std::filesystem::path& dataRoot() const { return dataRoot_; }

    // The operations of the buttons, callable by tests and the screenshot.
    void BtnpaiClick();
    void CboCustomClick(int item);
    void SpeedButton1Click();
    void SbtoNowClick();
    void BtoNewClick();
    void SbtoSaveClick();
    void SbtoCustomPanClick();
    void cbodiZClick(int item);
    void UpDyearClick(int position);
    void pmenu_r_paiClick();
    void pmenu_r_deleteClick();
    void pmenu_r_allClick();
    void topicClick(int topic);
    void TBtoInfoClick();
    void Page1Change(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildInputPanel(QWidget* panel);
    void buildMenus();
    void buildCaseMenu();
    void fillLists();
    void connectControls();

    // Controls → consultation inputs, and back.
    void readInputs();
    void showInputs();
    void showCities();
    void showCaseState();

    void attachCaseWindows();
    // After a clear or an import replaced the store: state New, the list again.
    void storeReplaced();

    void applyWindowSettings(const files::WindowSettings& settings);
    files::WindowSettings currentWindowSettings() const;
    std::optional<std::int32_t> selectedCase() const;

    std::filesystem::path dataRoot_;
    QtPrompter prompter_;
    std::unique_ptr<TextPane> pane_;
    std::unique_ptr<workflow::Consultation> consultation_;
    std::unique_ptr<CaseListModel> caseModel_;
    std::function<bool(workflow::ClassificationForm&)> classifyDialog_;
    std::function<void(const chart::ChartRequest&)> showCustomChart_;
    std::function<void()> closeCustomChart_;
    std::unique_ptr<CustomChartWindow> customChart_;
    files::WindowSettings loadedSettings_;
    bool shown_ = false;

public:
    // The controls, by their names.
    QTreeView* ListView1 = nullptr;
    QTabWidget* Page1 = nullptr;
    QTextEdit* RedtQiMen = nullptr;
    WarningStrip* warningStrip = nullptr;  // above RedtQiMen: the last chart's warnings
    QToolBar* ToolBar1 = nullptr;
    QPlainTextEdit* MeoInfo = nullptr;
    QWidget* PanInput = nullptr;
    QSplitter* splitter = nullptr;
    QLineEdit* EdtYear = nullptr;
    UpDown* UpDyear = nullptr;
    QComboBox *cbom = nullptr, *cbod = nullptr, *cbos = nullptr, *cbomin = nullptr;
    QRadioButton *Rdogl = nullptr, *Rdonl = nullptr;
    QCheckBox* Chkrun = nullptr;
    QComboBox *cbodiZ = nullptr, *cbodiC = nullptr;
    QLineEdit *Edtname = nullptr, *LedtEvent = nullptr;
    QComboBox *CboPanShi = nullptr, *CboCustom = nullptr;
    QPushButton* Btnpai = nullptr;
    QToolButton *SbtoNow = nullptr, *SbtoSave = nullptr, *SbtoCustomPan = nullptr, *SpeedButton1 = nullptr;
    QPushButton* BtoNew = nullptr;
    // The time-selection tab (奇门选择).
    SearchTab* searchTab = nullptr;
};

}  // namespace qimen::app

// TFrmMain's controls, layout and menus: the case list on the left, the tabs
// in the middle (the pane with its topic bar, the time selection), the side
// memo on the right, the input panel along the bottom.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "analysis/topic_judge.hpp"
#include "app_paths.hpp"
#include "closing_text_dialog.hpp"
#include "settings_dialog.hpp"
#include "case_list_model.hpp"
#include "main_window.hpp"
#include "pane_actions.hpp"
#include "places/provinces.hpp"
#include "searchwin/search_tab.hpp"
#include "up_down.hpp"
#include "warning_strip.hpp"
#include "compare_window.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::app {
namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* comboBox(QWidget* parent, const char* name) {
    auto* box = named(new QComboBox(parent), name);
    box->setMaxVisibleItems(24);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

void fill(QComboBox* box, const std::vector<std::string>& items) {
    box->clear();
    for (const auto& item : items) box->addItem(QString::fromStdString(item));
}

QToolButton* speedButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(q(caption));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

void TFrmMain::buildControls() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(2);

    splitter = named(new QSplitter(Qt::Horizontal, central), "splitter");
    ListView1 = named(new QTreeView(splitter), "ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setUniformRowHeights(true);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);

    Page1 = named(new QTabWidget(splitter), "Page1");
    auto* analysisTab = new QWidget(Page1);
    auto* analysisLayout = new QHBoxLayout(analysisTab);
    analysisLayout->setContentsMargins(0, 0, 0, 0);
    analysisLayout->setSpacing(0);
    RedtQiMen = named(new QTextEdit(analysisTab), "RedtQiMen");
    RedtQiMen->setContextMenuPolicy(Qt::CustomContextMenu);
    ToolBar1 = named(new QToolBar(analysisTab), "ToolBar1");
    ToolBar1->setOrientation(Qt::Vertical);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    static const char* const topicButtons[analysis::kTopicCount] = {
        "TbtoQiuCai", "TbtoHunYin", "TbtoJiBing", "TBtoGongZuo", "TBtoKaoShi", "TBtoSuSong", "TBtoTianQi"};
    for (int t = 0; t < analysis::kTopicCount; ++t) {
        QAction* action = ToolBar1->addAction(QString::fromUtf8(analysis::kTopicNames[t].data(),
                                                                 static_cast<qsizetype>(analysis::kTopicNames[t].size())));
        action->setObjectName(QString::fromLatin1(topicButtons[t]));
        ToolBar1->widgetForAction(action)->setObjectName(QString::fromLatin1(topicButtons[t]));
        connect(action, &QAction::triggered, this, [this, t] { topicClick(t); });
    }
    ToolBar1->addSeparator();
    QAction* info = ToolBar1->addAction(q("解释"));
    info->setObjectName("TBtoInfo");
    ToolBar1->widgetForAction(info)->setObjectName("TBtoInfo");
    connect(info, &QAction::triggered, this, &TFrmMain::TBtoInfoClick);
    warningStrip = new WarningStrip(prompter_, analysisTab);
    auto* paneColumn = new QVBoxLayout;
    paneColumn->setSpacing(0);
    paneColumn->addWidget(warningStrip);
    paneColumn->addWidget(RedtQiMen, 1);
    analysisLayout->addLayout(paneColumn, 1);
    analysisLayout->addWidget(ToolBar1);
    Page1->addTab(analysisTab, q("奇门分析"));
    searchTab = new SearchTab(prompter_, chartSettingsReader(dataRoot_), Page1);
    Page1->addTab(searchTab, q("奇门选择"));

    MeoInfo = named(new QPlainTextEdit(splitter), "MeoInfo");
    QFont memoFont(q("宋体"));
    memoFont.setPixelSize(14);
    MeoInfo->setFont(memoFont);
    QPalette memoPalette = MeoInfo->palette();
    memoPalette.setColor(QPalette::Text, QColor(0, 128, 0));
    MeoInfo->setPalette(memoPalette);

    splitter->addWidget(ListView1);
    splitter->addWidget(Page1);
    splitter->addWidget(MeoInfo);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 0);
    outer->addWidget(splitter, 1);

    PanInput = named(new QWidget(central), "PanInput");
    buildInputPanel(PanInput);
    outer->addWidget(PanInput);
    setCentralWidget(central);
}

void TFrmMain::buildInputPanel(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    auto* calendarRow = new QHBoxLayout;
    Rdogl = named(new QRadioButton(q("公历"), panel), "Rdogl");
    Rdonl = named(new QRadioButton(q("农历"), panel), "Rdonl");
    auto* calendarGroup = new QButtonGroup(panel);
    calendarGroup->addButton(Rdogl);
    calendarGroup->addButton(Rdonl);
    Rdogl->setChecked(true);
    Chkrun = named(new QCheckBox(q("农历闰月"), panel), "Chkrun");
    EdtYear = named(new QLineEdit(panel), "EdtYear");
    EdtYear->setMaxLength(4);
    EdtYear->setFixedWidth(EdtYear->fontMetrics().horizontalAdvance(QStringLiteral("-8500")) + 8);
    UpDyear = named(new UpDown(-849, 2100, panel), "UpDyear");
    cbom = comboBox(panel, "cbom");
    cbod = comboBox(panel, "cbod");
    cbos = comboBox(panel, "cbos");
    cbomin = comboBox(panel, "cbomin");
    SbtoNow = speedButton(panel, "SbtoNow", "现在时间");
    for (QWidget* w : std::initializer_list<QWidget*>{Rdogl, Rdonl, Chkrun, EdtYear, UpDyear, cbom, cbod, cbos, cbomin, SbtoNow})
        calendarRow->addWidget(w);
    calendarRow->addStretch(1);
    Btnpai = named(new QPushButton(q("排盘"), panel), "Btnpai");
    Btnpai->setDefault(true);
    BtoNew = named(new QPushButton(q("新建"), panel), "BtoNew");
    SbtoSave = speedButton(panel, "SbtoSave", "存新");
    SbtoCustomPan = speedButton(panel, "SbtoCustomPan", "自定义盘");
    for (QWidget* w : std::initializer_list<QWidget*>{Btnpai, BtoNew, SbtoSave, SbtoCustomPan}) calendarRow->addWidget(w);

    auto* caseRow = new QHBoxLayout;
    Edtname = named(new QLineEdit(q("某人"), panel), "Edtname");
    Edtname->setFixedWidth(Edtname->fontMetrics().horizontalAdvance(q("某某某某某")) + 12);
    LedtEvent = named(new QLineEdit(q("关心的事情。"), panel), "LedtEvent");
    LedtEvent->setMinimumWidth(LedtEvent->fontMetrics().horizontalAdvance(q("关心的事情关心的事情")) + 12);
    CboPanShi = comboBox(panel, "CboPanShi");
    CboCustom = comboBox(panel, "CboCustom");
    SpeedButton1 = speedButton(panel, "SpeedButton1", "随机起局");
    cbodiZ = comboBox(panel, "cbodiZ");
    cbodiC = comboBox(panel, "cbodiC");
    cbodiC->setToolTip(q("选择邻近城市"));
    caseRow->addWidget(new QLabel(q("姓名"), panel));
    caseRow->addWidget(Edtname);
    caseRow->addWidget(new QLabel(q("占问事宜"), panel));
    caseRow->addWidget(LedtEvent, 1);
    caseRow->addWidget(new QLabel(q("选择盘式"), panel));
    caseRow->addWidget(CboPanShi);
    caseRow->addWidget(new QLabel(q("手工定局"), panel));
    caseRow->addWidget(CboCustom);
    caseRow->addWidget(SpeedButton1);
    caseRow->addWidget(cbodiZ);
    caseRow->addWidget(cbodiC);

    grid->addLayout(calendarRow, 0, 0);
    grid->addLayout(caseRow, 1, 0);
    panel->setFixedHeight(std::max(56, panel->sizeHint().height()));
}

void TFrmMain::fillLists() {
    fill(cbom, workflow::monthItems());
    fill(cbod, workflow::dayItems());
    fill(cbos, workflow::hourItems());
    fill(cbomin, workflow::minuteItems());
    for (auto province : places::kProvinces)
        cbodiZ->addItem(QString::fromUtf8(province.data(), static_cast<qsizetype>(province.size())));
    fill(CboPanShi, workflow::methodItems());
    fill(CboCustom, workflow::givenJuItems());
    CboPanShi->setCurrentIndex(workflow::kHourChartMethodItem);
    CboCustom->setCurrentIndex(0);
}

void TFrmMain::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(q(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(q("文件(&F)"));
    QAction* save = add(file, "mnuF_save", "保存记录");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &TFrmMain::SbtoSaveClick);
    file->addSeparator();
    add(file, "mnuF_import", "导入历史记录");
    add(file, "mnuF_export", "导出历史记录");
    add(file, "mnuF_clear", "清除历史记录");
    file->addSeparator();
    connect(add(file, "mnuF_exit", "退出程序"), &QAction::triggered, this, &QWidget::close);

    QMenu* tools = menuBar()->addMenu(q("辅助工具(&T)"));
    add(tools, "mnuT_dili", "经纬度设置");
    add(tools, "mnuT_wnl", "万年历");
    tools->addSeparator();
    QAction* knowledge = add(tools, "mnuT_knowledge", "相关知识");

    QMenu* options = menuBar()->addMenu(q("选项(&O)"));
    QMenu* paneMenu = options->addMenu(q("命稿设置"));
    paneMenu->setObjectName("Omnuminggao");
    auto* paneActions = findChild<PaneActions*>();
    connect(add(paneMenu, "Osetmo", "默认"), &QAction::triggered, paneActions, &PaneActions::setDefaults);
    connect(add(paneMenu, "Omnusetfont", "字体设置"), &QAction::triggered, paneActions, &PaneActions::choosePaneFont);
    connect(add(paneMenu, "Omnusetcolor", "背景色设置"), &QAction::triggered, paneActions, &PaneActions::chooseBackground);
    QAction* chartSettings = add(options, "OmenuSet", "排盘设置");
    QAction* endInfo = add(options, "OmenuEndInfo", "命稿结尾信息");
    add(options, "OmenuCustomPan", "编辑自定义盘");
    addComparisonMenu(*options, *this);

    QMenu* help = menuBar()->addMenu(q("帮助(&H)"));
    QAction* guide = add(help, "mnuH_help", "软件帮助");

    connect(chartSettings, &QAction::triggered, this, [this] { showChartSettingsDialog(*this, dataRoot_); });
    connect(endInfo, &QAction::triggered, this, [this] { showClosingTextDialog(*this, dataRoot_); });
    connect(guide, &QAction::triggered, this, [this] { openHelp(dataRoot_, "qmhelp.chm"); });
    connect(knowledge, &QAction::triggered, this, [this] { openHelp(dataRoot_, "qimen.chm"); });
}

void TFrmMain::buildCaseMenu() {
    auto* menu = named(new QMenu(ListView1), "PmenuRecord");
    auto add = [menu](const char* name, const char* caption) {
        QAction* action = menu->addAction(q(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(add("pmenu_r_pai", "查看"), &QAction::triggered, this, &TFrmMain::pmenu_r_paiClick);
    add("pmenu_r_edit", "编辑事例");
    connect(add("pmenu_r_delete", "删除事例"), &QAction::triggered, this, &TFrmMain::pmenu_r_deleteClick);
    add("pmenu_r_class", "编辑类别");
    menu->addSeparator();
    add("pmenu_r_find", "查找事例");
    connect(add("pmenu_r_all", "显示全部事例"), &QAction::triggered, this, &TFrmMain::pmenu_r_allClick);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(ListView1->viewport()->mapToGlobal(at)); });
}

}  // namespace qimen::app

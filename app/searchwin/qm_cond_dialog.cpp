// TFrmQmCond: the controls of the conditions dialog at their fixed places,
// and the copy between the controls and the condition form.
#include "qm_cond_dialog.hpp"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "search_window_style.hpp"

namespace qimen::app {
namespace {

constexpr int kGridWidth = 345;
constexpr int kGridHeight = 40;

QTableWidget* palaceGrid(QWidget* parent, const char* name, int columns) {
    auto* grid = named(new QTableWidget(2, columns, parent), name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < columns; ++c) {
        auto* heading = new QTableWidgetItem;
        heading->setFlags(Qt::ItemIsEnabled);
        heading->setTextAlignment(Qt::AlignCenter);
        heading->setBackground(grid->palette().button());
        grid->setItem(0, c, heading);
        auto* cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        grid->setItem(1, c, cell);
    }
    return grid;
}

// A check list laid out in three columns, filled with `count` items.
QListWidget* checkList(QWidget* parent, const char* name, int count, const std::function<QString(int)>& text) {
    auto* list = named(new QListWidget(parent), name);
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    for (int i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(text(i), list);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

// Places a check list and splits its width into three columns of items.
void placeCheckList(QListWidget* list, const QRect& place, int rowHeight) {
    list->setGeometry(place);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int inner = place.width() - 2 * list->frameWidth() - 1;
    list->setGridSize(QSize(inner / 3, rowHeight));
}

void setGridRow(QTableWidget* grid, int row, const std::function<std::string(int)>& text) {
    for (int c = 0; c < grid->columnCount(); ++c) grid->item(row, c)->setText(QString::fromStdString(text(c)));
}

template <std::size_t N>
void showCells(QTableWidget* grid, const std::array<std::string, N>& cells) {
    setGridRow(grid, 1, [&](int c) { return cells[static_cast<std::size_t>(c)]; });
}

template <std::size_t N>
std::array<std::string, N> readCells(const QTableWidget* grid) {
    std::array<std::string, N> cells;
    for (std::size_t c = 0; c < N; ++c) cells[c] = grid->item(1, static_cast<int>(c))->text().toStdString();
    return cells;
}

template <std::size_t N>
void showChecks(QListWidget* list, const std::array<bool, N>& flags) {
    for (std::size_t i = 0; i < N; ++i)
        list->item(static_cast<int>(i))->setCheckState(flags[i] ? Qt::Checked : Qt::Unchecked);
}

template <std::size_t N>
std::array<bool, N> readChecks(const QListWidget* list) {
    std::array<bool, N> flags{};
    for (std::size_t i = 0; i < N; ++i) flags[i] = list->item(static_cast<int>(i))->checkState() == Qt::Checked;
    return flags;
}

// A label written top to bottom, one character a line.
QLabel* verticalLabel(QWidget* parent, const QString& text, const QColor& colour) {
    QString lines;
    for (QChar c : text) lines += lines.isEmpty() ? QString(c) : QStringLiteral("\n") + c;
    auto* label = new QLabel(lines, parent);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLabel* colouredLabel(QWidget* parent, const QString& text, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

TFrmQmCond::TFrmQmCond(search::SearchConditions& conditions, workflow::Prompter& prompter, QWidget* parent)
    : QDialog(parent), conditions_(conditions), prompter_(prompter) {
    setObjectName("TFrmQmCond");
    setWindowTitle(q("查找条件"));
    setFont(songFont());
    setFixedSize(697, 427);
    buildControls();
    showForm(search::formFromConditions(conditions_));
}

void TFrmQmCond::buildControls() {
    auto* hint = named(new QLabel(q("输入所落的宫位数，输入0表示不用此项。宫位数,坎=1、坤=2、震=3、巽=4、乾=6、兑=7、艮=8、离=9"),
                                  this),
                       "StaticText1");
    hint->setGeometry(8, 6, 681, 18);

    const QColor blue(Qt::blue);
    struct GridPlace {
        QTableWidget** grid;
        QCheckBox** all;
        const char* gridName;
        const char* allName;
        const char* label;
        int columns;
    };
    const GridPlace grids[] = {
        {&GrdShenYin, &ChkShenYinAll, "GrdShenYin", "ChkShenYinAll", "神盘", search::kDeityColumns},
        {&GrdXing, &ChkXingAll, "GrdXing", "ChkXingAll", "九星", search::kStarColumns},
        {&GrdTianYi, &ChkTianYiAll, "GrdTianYi", "ChkTianYiAll", "天盘奇仪", search::kStemColumns},
        {&GrdMen, &ChkMenAll, "GrdMen", "ChkMenAll", "八门", search::kDoorColumns},
        {&GrdDiYi, &ChkDiYiAll, "GrdDiYi", "ChkDiYiAll", "地盘奇仪", search::kStemColumns},
    };
    int y = 28;
    for (const GridPlace& g : grids) {
        verticalLabel(this, q(g.label), blue)->setGeometry(6, y - 4, 18, kGridHeight + 8);
        *g.grid = palaceGrid(this, g.gridName, g.columns);
        (*g.grid)->setGeometry(26, y, kGridWidth, kGridHeight + 2);
        *g.all = named(new QCheckBox(q("同时成立"), this), g.allName);
        (*g.all)->setGeometry(378, y + 10, 78, 20);
        y += 48;
    }
    setGridRow(GrdShenYin, 0, [](int c) { return std::string(search::deityHeading(c)); });
    setGridRow(GrdXing, 0, [](int c) { return search::starHeading(c); });
    setGridRow(GrdTianYi, 0, [](int c) { return std::string(search::stemHeading(c)); });
    setGridRow(GrdMen, 0, [](int c) { return search::doorHeading(c); });
    setGridRow(GrdDiYi, 0, [](int c) { return std::string(search::stemHeading(c)); });

    verticalLabel(this, q("直符直使"), blue)->setGeometry(6, y - 2, 18, 68);
    ChkFuShi = checkList(this, "ChkFuShi", search::kStarColumns,
                         [](int i) { return q(search::leaderChoiceItem(i)); });
    placeCheckList(ChkFuShi, QRect(26, y, kGridWidth, 64), 19);
    auto* fuLabel = new QLabel(q("直符落宫"), this);
    fuLabel->setGeometry(378, y + 4, 56, 18);
    LedtFuGong = named(new QLineEdit(this), "LedtFuGong");
    LedtFuGong->setGeometry(434, y + 2, 24, 22);
    LedtFuGong->setMaxLength(1);
    auto* shiLabel = new QLabel(q("直使落宫"), this);
    shiLabel->setGeometry(378, y + 36, 56, 18);
    LedtShiGong = named(new QLineEdit(this), "LedtShiGong");
    LedtShiGong->setGeometry(434, y + 34, 24, 22);
    LedtShiGong->setMaxLength(1);

    colouredLabel(this, q("选定吉格"), Qt::red)->setGeometry(466, 28, 80, 18);
    ChkJiAll = named(new QCheckBox(q("同时成立"), this), "ChkJiAll");
    ChkJiAll->setGeometry(606, 27, 80, 20);
    ChkJiGe = checkList(this, "ChkJiGe", search::kGoodPatterns, [](int i) { return q(search::goodPatternName(i)); });
    placeCheckList(ChkJiGe, QRect(466, 48, 223, 158), 17);
    colouredLabel(this, q("去除凶格"), QColor(0, 128, 0))->setGeometry(466, 212, 80, 18);
    ChkXiongAll = named(new QCheckBox(q("同时成立"), this), "ChkXiongAll");
    ChkXiongAll->setGeometry(606, 211, 80, 20);
    ChkXiongGe = checkList(this, "ChkXiongGe", search::kBadPatterns, [](int i) { return q(search::badPatternName(i)); });
    placeCheckList(ChkXiongGe, QRect(466, 232, 223, 148), 14);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 386, 681, 4);
    BtoClear = named(new QPushButton(q("清除"), this), "BtoClear");
    BtoClear->setGeometry(8, 396, 75, 25);
    RdoAll = named(new QRadioButton(q("条件同时成立"), this), "RdoAll");
    RdoAll->setGeometry(130, 398, 110, 20);
    RdoPart = named(new QRadioButton(q("条件部分成立"), this), "RdoPart");
    RdoPart->setGeometry(250, 398, 110, 20);
    BtoSearch = named(new QPushButton(q("确定"), this), "BtoSearch");
    BtoSearch->setGeometry(500, 396, 75, 25);
    BtoSearch->setDefault(true);
    Button2 = named(new QPushButton(q("取消"), this), "Button2");
    Button2->setGeometry(614, 396, 75, 25);

    connect(BtoClear, &QPushButton::clicked, this, &TFrmQmCond::BtoClearClick);
    connect(BtoSearch, &QPushButton::clicked, this, &TFrmQmCond::BtoSearchClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

search::ConditionForm TFrmQmCond::form() const {
    search::ConditionForm form;
    form.deityCells = readCells<search::kDeityColumns>(GrdShenYin);
    form.starCells = readCells<search::kStarColumns>(GrdXing);
    form.heavenStemCells = readCells<search::kStemColumns>(GrdTianYi);
    form.doorCells = readCells<search::kDoorColumns>(GrdMen);
    form.earthStemCells = readCells<search::kStemColumns>(GrdDiYi);
    form.deityAll = ChkShenYinAll->isChecked();
    form.starAll = ChkXingAll->isChecked();
    form.heavenStemAll = ChkTianYiAll->isChecked();
    form.doorAll = ChkMenAll->isChecked();
    form.earthStemAll = ChkDiYiAll->isChecked();
    form.leaderChoice = readChecks<search::kStarColumns>(ChkFuShi);
    form.leaderStarEdit = LedtFuGong->text().toStdString();
    form.leaderDoorEdit = LedtShiGong->text().toStdString();
    form.goodPattern = readChecks<search::kGoodPatterns>(ChkJiGe);
    form.goodPatternAll = ChkJiAll->isChecked();
    form.badPattern = readChecks<search::kBadPatterns>(ChkXiongGe);
    form.badPatternAll = ChkXiongAll->isChecked();
    form.allRequired = RdoAll->isChecked();
    return form;
}

void TFrmQmCond::showForm(const search::ConditionForm& form) {
    showCells(GrdShenYin, form.deityCells);
    showCells(GrdXing, form.starCells);
    showCells(GrdTianYi, form.heavenStemCells);
    showCells(GrdMen, form.doorCells);
    showCells(GrdDiYi, form.earthStemCells);
    ChkShenYinAll->setChecked(form.deityAll);
    ChkXingAll->setChecked(form.starAll);
    ChkTianYiAll->setChecked(form.heavenStemAll);
    ChkMenAll->setChecked(form.doorAll);
    ChkDiYiAll->setChecked(form.earthStemAll);
    showChecks(ChkFuShi, form.leaderChoice);
    LedtFuGong->setText(QString::fromStdString(form.leaderStarEdit));
    LedtShiGong->setText(QString::fromStdString(form.leaderDoorEdit));
    showChecks(ChkJiGe, form.goodPattern);
    ChkJiAll->setChecked(form.goodPatternAll);
    showChecks(ChkXiongGe, form.badPattern);
    ChkXiongAll->setChecked(form.badPatternAll);
    (form.allRequired ? RdoAll : RdoPart)->setChecked(true);
}

void TFrmQmCond::BtoClearClick() {
    if (!prompter_.ask(search::kClearQuestion, search::kClearCaption, workflow::Icon::Warning, false)) return;
    showForm(search::clearedForm());
}

void TFrmQmCond::BtoSearchClick() {
    auto accepted = search::acceptForm(form(), conditions_);
    if (!accepted) {
        prompter_.message(accepted.message(), search::kInputErrorCaption, workflow::Icon::Error);
        return;
    }
    accept();
}

bool editSearchConditions(search::SearchConditions& conditions, workflow::Prompter& prompter, QWidget* parent) {
    TFrmQmCond dialog(conditions, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qimen::app

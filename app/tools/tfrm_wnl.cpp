// The perpetual calendar window: its controls and what each forwards.
#include "tfrm_wnl.hpp"

#include <QDateTime>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qimen::app {
namespace {

using calendar::SheetRole;

QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QComboBox* numberList(QWidget* parent, const char* name, int first, int last, const QString& unit) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (int i = first; i <= last; ++i) list->addItem(QString::number(i) + unit);
    return list;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, SheetRole role, int lines) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, sheetColor(role));
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 10);
    return edit;
}

QToolButton* button(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

// Runs `enter` when Return or Enter is pressed in the edit.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> enter) : QObject(parent), enter_(std::move(enter)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                enter_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> enter_;
};

}  // namespace

calendar::CivilDateTime localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    auto i16 = [](int x) { return static_cast<std::int16_t>(x); };
    return {i16(d.year()), i16(d.month()), i16(d.day()), i16(t.hour()), i16(t.minute())};
}

TFrmWnl::TFrmWnl(workflow::Prompter& prompter, Clock clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint),
      clock_(std::move(clock)),
      form_(clock_(), prompter) {
    setObjectName(QStringLiteral("TFrmWnl"));
    setWindowTitle(QStringLiteral("Zelvane万年历"));
    build();
    showSelection();
    connectControls();
    setFixedSize(sizeHint());
}

void TFrmWnl::build() {
    labtitle = new QLabel(this);
    labtitle->setObjectName(QStringLiteral("labtitle"));
    labtitle->setFont(sheetFont(SheetRole::WorkdayHeader));
    labxiao = new QLabel(this);
    labxiao->setObjectName(QStringLiteral("labxiao"));
    labxiao->setFont(sheetFont(SheetRole::WorkdayHeader));
    // Room for the longest texts before they are first set.
    labtitle->setMinimumWidth(labtitle->fontMetrics().horizontalAdvance(QStringLiteral("2000年12月")) + 8);
    labxiao->setMinimumWidth(labxiao->fontMetrics().horizontalAdvance(QStringLiteral("兔年")) + 8);
    Img1 = new CalendarImage(this);

    EdtYear = new QLineEdit(this);
    EdtYear->setObjectName(QStringLiteral("EdtYear"));
    EdtYear->setMaxLength(4);
    EdtYear->setFixedWidth(EdtYear->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    UdYear = new QScrollBar(Qt::Vertical, this);
    UdYear->setObjectName(QStringLiteral("UdYear"));
    UdYear->setRange(0, calendar::kCalendarLastYear - calendar::kCalendarFirstYear);
    UdYear->setInvertedAppearance(true);  // the upper arrow counts up
    UdYear->setInvertedControls(false);
    UdYear->setFixedSize(16, EdtYear->sizeHint().height());
    cbom = numberList(this, "cbom", 1, 12, QStringLiteral("月"));
    cbod = numberList(this, "cbod", 1, 31, QStringLiteral("日"));
    cbos = numberList(this, "cbos", 0, 23, QStringLiteral("时"));
    cbomin = numberList(this, "cbomin", 0, 59, QStringLiteral("分"));
    chkjq = new QCheckBox(QStringLiteral("节气换月"), this);
    chkjq->setObjectName(QStringLiteral("chkjq"));
    chkjq->setChecked(true);
    BitBtn2 = button(this, "BitBtn2", QStringLiteral("◀"), QStringLiteral("上一月"));
    sbtnnow = button(this, "sbtnnow", QStringLiteral("今"), QStringLiteral("当前时间"));
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("▶"), QStringLiteral("下一月"));
    memjie1 = memo(this, "memjie1", SheetRole::TermLines, 1);
    memjie2 = memo(this, "memjie2", SheetRole::TermLines, 1);
    memgz = memo(this, "memgz", SheetRole::Pillars, 4);

    auto* top = new QHBoxLayout;
    top->addWidget(BitBtn2);
    top->addStretch();
    top->addWidget(labtitle);
    top->addSpacing(16);
    top->addWidget(labxiao);
    top->addStretch();
    top->addWidget(BitBtn1);

    auto* yearRow = new QHBoxLayout;
    yearRow->setSpacing(0);
    yearRow->addWidget(EdtYear);
    yearRow->addWidget(UdYear);
    yearRow->addWidget(new QLabel(QStringLiteral(" 年"), this));
    yearRow->addStretch();
    auto* side = new QVBoxLayout;
    side->addLayout(yearRow);
    for (QWidget* w : {static_cast<QWidget*>(cbom), static_cast<QWidget*>(cbod), static_cast<QWidget*>(cbos),
                       static_cast<QWidget*>(cbomin), static_cast<QWidget*>(chkjq), static_cast<QWidget*>(sbtnnow)})
        side->addWidget(w);
    side->addSpacing(8);
    side->addWidget(memjie1);
    side->addWidget(memjie2);
    side->addWidget(memgz);
    side->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addLayout(top, 0, 0);
    grid->addWidget(Img1, 1, 0);
    grid->addLayout(side, 0, 1, 2, 1);
    grid->setColumnMinimumWidth(1, 120);
}

void TFrmWnl::connectControls() {
    connect(UdYear, &QScrollBar::valueChanged, this, &TFrmWnl::UdYearClick);
    EdtYear->installEventFilter(new EnterFilter(this, [this] { EdtYearEnter(); }));
    for (QComboBox* list : {cbom, cbod, cbos, cbomin})
        connect(list, &QComboBox::currentIndexChanged, this, &TFrmWnl::ListChange);
    connect(chkjq, &QCheckBox::toggled, this, &TFrmWnl::ListChange);
    connect(Img1, &CalendarImage::cellClicked, this, &TFrmWnl::Img1Click);
    connect(sbtnnow, &QToolButton::clicked, this, &TFrmWnl::sbtnnowClick);
    connect(BitBtn2, &QToolButton::clicked, this, [this] {
        if (form_.calendar().previousMonth()) showSelection(), redraw();
    });
    connect(BitBtn1, &QToolButton::clicked, this, [this] {
        if (form_.calendar().nextMonth()) showSelection(), redraw();
    });
}

void TFrmWnl::showSelection() {
    const calendar::CivilDateTime& s = form_.calendar().selection();
    const QSignalBlocker b1(UdYear), b2(cbom), b3(cbod), b4(cbos), b5(cbomin), b6(chkjq);
    EdtYear->setText(QString::number(s.year));
    UdYear->setValue(s.year - calendar::kCalendarFirstYear);
    cbom->setCurrentIndex(s.month - 1);
    cbod->setCurrentIndex(s.day - 1);
    cbos->setCurrentIndex(s.hour);
    cbomin->setCurrentIndex(s.minute);
    chkjq->setChecked(form_.calendar().termsChangeMonth());
}

void TFrmWnl::redraw() {
    if (auto view = form_.redraw(EdtYear->text().toStdString())) {
        display(*view);
        const QSignalBlocker blocker(UdYear);
        UdYear->setValue(form_.calendar().selection().year - calendar::kCalendarFirstYear);
    }
}

void TFrmWnl::display(const calendar::CalendarView& view) {
    const auto& page = view.sheet.page;
    labtitle->setText(qs(page.title));
    labxiao->setText(qs(view.pillars.zodiacLabel));
    memjie1->setPlainText(qs(page.sectional.text));
    memjie2->setPlainText(qs(page.principal.text));
    memgz->setPlainText(qs(view.pillars.text));
    Img1->showSheet(view.sheet);
}

void TFrmWnl::UdYearClick(int position) {
    EdtYear->setText(QString::number(position + calendar::kCalendarFirstYear));
    redraw();
}

void TFrmWnl::EdtYearEnter() {
    if (auto view = form_.yearEntered(EdtYear->text().toStdString())) {
        display(*view);
        showSelection();
    }
}

void TFrmWnl::ListChange() {
    auto& c = form_.calendar();
    c.setMonth(cbom->currentIndex() + 1);
    c.setDay(cbod->currentIndex() + 1);
    c.setTime(cbos->currentIndex(), cbomin->currentIndex());
    c.setTermsChangeMonth(chkjq->isChecked());
    redraw();
}

void TFrmWnl::Img1Click(int row, int column) {
    if (!form_.calendar().selectCell(row, column)) return;
    const QSignalBlocker blocker(cbod);
    cbod->setCurrentIndex(form_.calendar().selection().day - 1);
    redraw();
}

void TFrmWnl::sbtnnowClick() {
    form_.calendar().goToNow(clock_());
    showSelection();
    redraw();
}

void TFrmWnl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    redraw();
}

TFrmWnl* openTFrmWnl(QWidget* parent, workflow::Prompter& prompter) {
    static QPointer<TFrmWnl> open;  // cleared when the window is deleted on close
    if (!open) {
        open = new TFrmWnl(prompter, localNow, parent);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

}  // namespace qimen::app

// The case dialog: its controls, what they show and what 保存 takes.
#include "tfrm_info.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "cases/case_record.hpp"
#include "cases/class_list.hpp"
#include "dialog_text.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::app {
namespace {

using casedlg::named;
using casedlg::qs;
using casedlg::utf8;

// The memo's limit; the form cuts the joined lines to the stored field.
constexpr std::size_t kMemoMaxBytes = 1000;
constexpr int kYearMin = -849, kYearMax = 2100;

QComboBox* list(QWidget* parent, const char* name, const std::vector<std::string>& items) {
    auto* box = named(new QComboBox(parent), name);
    for (const std::string& item : items) box->addItem(qs(item));
    return box;
}

QComboBox* editableCombo(QWidget* parent, const char* name, std::size_t maxBytes) {
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    casedlg::limitGbkBytes(*box->lineEdit(), maxBytes);
    return box;
}

// A list's item, or `fallback` when none is selected.
int itemOr(const QComboBox* box, int fallback) { return box->currentIndex() >= 0 ? box->currentIndex() : fallback; }

}  // namespace

TFrmInfo::TFrmInfo(workflow::CaseEditForm& form, workflow::Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setObjectName(QStringLiteral("TFrmInfo"));
    setWindowTitle(QStringLiteral("事例信息"));
    build();
    showForm(form);
    connect(UpDyear, &QSpinBox::valueChanged, this,
            [this](int stored) { EdtYear->setText(qs(workflow::yearTextOfStored(stored))); });
    // A typed year moves the spin with it, so its arrows step from there.
    connect(EdtYear, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (auto stored = workflow::storedYearOfText(utf8(text))) {
            const QSignalBlocker blocker(UpDyear);
            UpDyear->setValue(*stored);
        }
    });
    connect(BtnSave, &QPushButton::clicked, this, &TFrmInfo::BtnSaveClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmInfo::build() {
    CboFenLei = editableCombo(this, "CboFenLei", cases::kClassListNameMax);
    Edtname = named(new QLineEdit(this), "Edtname");
    casedlg::limitGbkBytes(*Edtname, cases::kAskerNameMax);
    Rdogl = named(new QRadioButton(QStringLiteral("公历"), this), "Rdogl");
    Rdonl = named(new QRadioButton(QStringLiteral("农历"), this), "Rdonl");
    Chkrun = named(new QCheckBox(QStringLiteral("农历闰月"), this), "Chkrun");
    EdtYear = named(new QLineEdit(this), "EdtYear");
    EdtYear->setMaxLength(4);
    EdtYear->setFixedWidth(EdtYear->fontMetrics().horizontalAdvance(QStringLiteral("-8500")) + 10);
    UpDyear = named(new QSpinBox(this), "UpDyear");
    UpDyear->setRange(kYearMin, kYearMax);
    // Only the arrows show; the year is read in EdtYear.
    UpDyear->setFixedWidth(18);
    cbom = list(this, "cbom", workflow::monthItems());
    cbod = list(this, "cbod", workflow::dayItems());
    cbos = list(this, "cbos", workflow::hourItems());
    cbomin = list(this, "cbomin", workflow::minuteItems());
    CboEvent = editableCombo(this, "CboEvent", cases::kMatterMax);
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    casedlg::limitGbkBytes(*Memo1, kMemoMaxBytes);
    BtnSave = named(new QPushButton(QStringLiteral("保存"), this), "BtnSave");
    BtnClose = named(new QPushButton(QStringLiteral("关闭"), this), "BtnClose");
    for (QPushButton* button : {BtnSave, BtnClose}) button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("姓名"), this), 0, 0);
    grid->addWidget(Edtname, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("类别"), this), 0, 2);
    grid->addWidget(CboFenLei, 0, 3);
    auto* calendar = new QHBoxLayout;
    calendar->addWidget(Rdogl);
    calendar->addWidget(Rdonl);
    calendar->addWidget(Chkrun);
    calendar->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("日期"), this), 1, 0);
    grid->addLayout(calendar, 1, 1, 1, 3);
    auto* date = new QHBoxLayout;
    date->setSpacing(2);
    date->addWidget(EdtYear);
    date->addWidget(UpDyear);
    date->addWidget(new QLabel(QStringLiteral("年"), this));
    for (QComboBox* box : {cbom, cbod, cbos, cbomin}) date->addWidget(box);
    date->addStretch(1);
    grid->addLayout(date, 2, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("占问事宜"), this), 3, 0);
    grid->addWidget(CboEvent, 3, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("附加信息"), this), 4, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 4, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnClose);
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    resize(460, 360);
}

void TFrmInfo::showForm(const workflow::CaseEditForm& form) {
    for (const std::string& name : form.classes) CboFenLei->addItem(qs(name));
    CboFenLei->setEditText(qs(form.className));
    Edtname->setText(qs(form.name));
    (form.lunar ? Rdonl : Rdogl)->setChecked(true);
    Chkrun->setChecked(form.leapMonth);
    {
        const QSignalBlocker blocker(UpDyear);
        UpDyear->setValue(form.record.date.year);
    }
    EdtYear->setText(qs(form.yearText));
    cbom->setCurrentIndex(form.monthItem);
    cbod->setCurrentIndex(form.dayItem);
    cbos->setCurrentIndex(form.hourItem);
    cbomin->setCurrentIndex(form.minuteItem);
    CboEvent->setEditText(qs(form.matter));
    Memo1->setPlainText(casedlg::memoTextOfStored(form.notes));
}

void TFrmInfo::BtnSaveClick() {
    form_.className = utf8(CboFenLei->currentText());
    form_.yearText = utf8(EdtYear->text());
    form_.monthItem = itemOr(cbom, form_.monthItem);
    form_.dayItem = itemOr(cbod, form_.dayItem);
    form_.hourItem = itemOr(cbos, form_.hourItem);
    form_.minuteItem = itemOr(cbomin, form_.minuteItem);
    form_.lunar = Rdonl->isChecked();
    form_.leapMonth = Chkrun->isChecked();
    form_.name = utf8(Edtname->text());
    form_.matter = utf8(CboEvent->currentText());
    form_.notes = utf8(Memo1->toPlainText());
    if (form_.save(prompter_)) accept();
}

bool runTFrmInfo(QWidget* parent, workflow::CaseEditForm& form, workflow::Prompter& prompter) {
    TFrmInfo dialog(form, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qimen::app

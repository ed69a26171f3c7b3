// The case-search dialog: its controls, 清除, 查找 and the busy indicator.
#include "tfrm_search.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "cases/class_list.hpp"
#include "dialog_text.hpp"

namespace qimen::app {
namespace {

using casedlg::named;
using casedlg::qs;
using casedlg::utf8;

QLineEdit* textBox(QWidget* parent, const char* name, std::size_t maxBytes) {
    auto* edit = named(new QLineEdit(parent), name);
    casedlg::limitGbkBytes(*edit, maxBytes);
    return edit;
}

QLineEdit* yearBox(QWidget* parent, const char* name) {
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMaxLength(4);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-8500")) + 10);
    return edit;
}

QCheckBox* exactBox(QWidget* parent, const char* name) {
    return named(new QCheckBox(QStringLiteral("全字匹配"), parent), name);
}

}  // namespace

TFrmSearch::TFrmSearch(cases::CaseFilter& filter, const std::filesystem::path& root, workflow::Prompter& prompter,
                       QWidget* parent)
    : QDialog(parent), filter_(filter), store_(root), prompter_(prompter) {
    setObjectName(QStringLiteral("TFrmSearch"));
    setWindowTitle(QStringLiteral("查找事例"));
    build();
    form_ = workflow::CaseSearchForm::show(
        filter_, cases::readClassList(root, cases::MissingClass::AsTemporary).valueOr({}));
    for (const std::string& name : form_.classes) CboFenLei->addItem(qs(name));
    showForm();
    connect(BtoAll, &QPushButton::clicked, this, &TFrmSearch::BtoAllClick);
    connect(BtnSearch, &QPushButton::clicked, this, &TFrmSearch::BtnSearchClick);
    connect(BtoCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSearch::build() {
    Edtname = textBox(this, "Edtname", cases::kAskerNameMax);
    CboFenLei = named(new QComboBox(this), "CboFenLei");
    CboFenLei->setEditable(true);
    CboFenLei->setInsertPolicy(QComboBox::NoInsert);
    casedlg::limitGbkBytes(*CboFenLei->lineEdit(), cases::kClassListNameMax);
    LedtEvent = textBox(this, "LedtEvent", cases::kMatterMax);
    ChkName = exactBox(this, "ChkName");
    ChkClass = exactBox(this, "ChkClass");
    ChkEvent = exactBox(this, "ChkEvent");
    LedtY1 = yearBox(this, "LedtY1");
    LedtY2 = yearBox(this, "LedtY2");
    BtoAll = named(new QPushButton(QStringLiteral("清除"), this), "BtoAll");
    BtnSearch = named(new QPushButton(QStringLiteral("查找"), this), "BtnSearch");
    BtoCancel = named(new QPushButton(QStringLiteral("取消"), this), "BtoCancel");
    for (QPushButton* button : {BtoAll, BtnSearch, BtoCancel}) button->setAutoDefault(false);
    BtnSearch->setDefault(true);
    // A running bar with no end: the scan cannot tell how far it has come.
    Animate1 = named(new QProgressBar(this), "Animate1");
    Animate1->setRange(0, 0);
    Animate1->setTextVisible(false);
    Animate1->setFixedHeight(12);
    Animate1->hide();

    auto* grid = new QGridLayout(this);
    int row = 0;
    for (auto [label, box, exact] : {std::tuple<const char*, QWidget*, QCheckBox*>{"姓名", Edtname, ChkName},
                                     {"类别", CboFenLei, ChkClass},
                                     {"占问事宜", LedtEvent, ChkEvent}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(exact, row, 2);
        ++row;
    }
    auto* years = new QHBoxLayout;
    years->addWidget(LedtY1);
    years->addWidget(new QLabel(QStringLiteral("到"), this));
    years->addWidget(LedtY2);
    years->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("预测年从"), this), row, 0);
    grid->addLayout(years, row++, 1, 1, 2);
    grid->addWidget(Animate1, row++, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtoAll);
    buttons->addStretch(1);
    buttons->addWidget(BtnSearch);
    buttons->addWidget(BtoCancel);
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    resize(340, sizeHint().height());
}

void TFrmSearch::showForm() {
    Edtname->setText(qs(form_.name));
    ChkName->setChecked(form_.nameExact);
    CboFenLei->setEditText(qs(form_.className));
    ChkClass->setChecked(form_.classExact);
    LedtEvent->setText(qs(form_.matter));
    ChkEvent->setChecked(form_.matterExact);
    LedtY1->setText(qs(form_.yearFrom));
    LedtY2->setText(qs(form_.yearTo));
}

void TFrmSearch::takeForm() {
    form_.name = utf8(Edtname->text());
    form_.nameExact = ChkName->isChecked();
    form_.className = utf8(CboFenLei->currentText());
    form_.classExact = ChkClass->isChecked();
    form_.matter = utf8(LedtEvent->text());
    form_.matterExact = ChkEvent->isChecked();
    form_.yearFrom = utf8(LedtY1->text());
    form_.yearTo = utf8(LedtY2->text());
}

void TFrmSearch::BtoAllClick() {
    takeForm();
    form_.clear(prompter_);
    showForm();
}

void TFrmSearch::BtnSearchClick() {
    takeForm();
    auto found = form_.search(filter_, store_, prompter_, [this](bool scanning) { setScanning(scanning); });
    if (!found) return;
    result_ = std::move(*found);
    accept();
}

// The scan runs in the click; the bar is painted before it starts, and the
// buttons stay disabled so it cannot be started twice.
void TFrmSearch::setScanning(bool scanning) {
    for (QPushButton* button : {BtoAll, BtnSearch, BtoCancel}) button->setEnabled(!scanning);
    Animate1->setVisible(scanning);
    if (scanning) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::optional<std::vector<std::int32_t>> runTFrmSearch(QWidget* parent, cases::CaseFilter& filter,
                                                       const std::filesystem::path& root,
                                                       workflow::Prompter& prompter) {
    TFrmSearch dialog(filter, root, prompter, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.foundCases();
}

}  // namespace qimen::app

// The classification dialog of a new case.
#include "classify_dialog.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qimen::app {

TFrmFenLei::TFrmFenLei(workflow::ClassificationForm& form, const QtPrompter::Hook& hook, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(*this) {
    setObjectName("TFrmFenLei");
    setWindowTitle(QString::fromUtf8("分类保存"));
    prompter_.setHook(hook);
    CboFenLei = new QComboBox(this);
    CboFenLei->setObjectName("CboFenLei");
    CboFenLei->setEditable(true);
    CboFenLei->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& name : form.classes) CboFenLei->addItem(QString::fromStdString(name));
    CboFenLei->setEditText(QString::fromStdString(form.className));
    CboFenLei->lineEdit()->setMaxLength(13);
    Memo1 = new QPlainTextEdit(QString::fromStdString(form.notes), this);
    Memo1->setObjectName("Memo1");
    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName("Btnok");
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("BtnCancel");
    connect(ok, &QPushButton::clicked, this, &TFrmFenLei::BtnokClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("类别"), this), 0, 0);
    grid->addWidget(CboFenLei, 0, 1);
    auto* notesLabel = new QLabel(QString::fromUtf8("附\n加\n信\n息"), this);
    grid->addWidget(notesLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    resize(360, 240);
}

void TFrmFenLei::BtnokClick() {
    form_.className = CboFenLei->currentText().toStdString();
    form_.notes = Memo1->toPlainText().toStdString();
    if (form_.confirm(prompter_)) accept();
}

}  // namespace qimen::app

// The class editor dialog: a memo and two buttons over the class list.
#include "tfrm_class_edit.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialog_text.hpp"
#include "workflow/case_forms.hpp"

namespace qimen::app {

using casedlg::qs;

TFrmClassEdit::TFrmClassEdit(std::filesystem::path root, workflow::Prompter& prompter, QWidget* parent)
    : QDialog(parent), root_(std::move(root)), prompter_(prompter) {
    setObjectName(QStringLiteral("TFrmClassEdit"));
    setWindowTitle(QStringLiteral("类别编辑"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const std::string& line : workflow::classEditorLines(root_)) lines << qs(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    BtnSave = new QPushButton(QStringLiteral("保存"), this);
    BtnSave->setObjectName(QStringLiteral("BtnSave"));
    BtnCancel = new QPushButton(QStringLiteral("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnSave, &QPushButton::clicked, this, &TFrmClassEdit::BtnSaveClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("一行一个类别，类别名最长6个汉字"), this));
    layout->addWidget(Memo1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnCancel);
    layout->addLayout(buttons);
    resize(260, 320);
}

void TFrmClassEdit::BtnSaveClick() {
    if (workflow::saveClassEditor(root_, casedlg::memoLines(*Memo1), prompter_)) accept();
}

bool runTFrmClassEdit(QWidget* parent, const std::filesystem::path& root, workflow::Prompter& prompter) {
    TFrmClassEdit dialog(root, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qimen::app

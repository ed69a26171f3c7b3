// The closing-text dialog over the closing text's load and save steps.
#include "closing_text_dialog.hpp"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "main_window.hpp"
#include "render/closing_text.hpp"

namespace qimen::app {

TFrmEndfo::TFrmEndfo(std::filesystem::path dataRoot, const QtPrompter::Hook& hook, QWidget* parent)
    : QDialog(parent), dataRoot_(std::move(dataRoot)), prompter_(*this) {
    setObjectName("TFrmEndfo");
    setWindowTitle(QString::fromUtf8("编辑尾部信息"));
    prompter_.setHook(hook);
    QFont font(QString::fromUtf8("宋体"));
    font.setPointSize(9);
    setFont(font);

    auto* label = new QLabel(QString::fromUtf8("命稿尾部信息"), this);
    label->setObjectName("Label1");
    label->setStyleSheet(QStringLiteral("color: blue"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ChkAuto = new QCheckBox(QString::fromUtf8("加入到命稿尾部"), this);
    ChkAuto->setObjectName("ChkAuto");
    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName("Btnok");
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("BitBtn2");
    connect(ok, &QPushButton::clicked, this, &TFrmEndfo::BtnokClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ChkAuto);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    const render::ClosingTextState state = render::loadClosingText(dataRoot_);
    Memo1->setPlainText(QString::fromStdString(state.text));
    ChkAuto->setChecked(state.append);
}

void TFrmEndfo::BtnokClick() {
    if (Memo1->toPlainText().isEmpty()) {
        prompter_.message("输入不能为空", "信息", workflow::Icon::Information);
        prompter_.focus("Memo1");
        return;
    }
    auto saved = render::saveClosingText(dataRoot_, Memo1->toPlainText().toStdString(), ChkAuto->isChecked());
    if (!saved) {
        prompter_.message(saved.message(), "信息", workflow::Icon::Information);
        return;
    }
    accept();
}

void showClosingTextDialog(TFrmMain& window, const std::filesystem::path& dataRoot) {
    TFrmEndfo dialog(dataRoot, window.prompter().hook(), &window);
    dialog.exec();
}

}  // namespace qimen::app

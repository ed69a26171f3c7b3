// The chooser's controls, and the main window's handle on it.
#include "show_custom_window.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "class_combo.hpp"

namespace qimen::app {
namespace {

QString q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

TFrmShowCustom::TFrmShowCustom(workflow::Prompter& prompter, workflow::CustomChartEnvironment environment,
                               const chart::ChartRequest& request, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      prompter_(prompter),
      chooser_(std::move(environment), request) {
    setObjectName("TFrmShowCustom");
    setWindowTitle(q(workflow::kChooserCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    MeoCustomText = new QPlainTextEdit(this);
    MeoCustomText->setObjectName("MeoCustomText");
    MeoCustomText->setLineWrapMode(QPlainTextEdit::NoWrap);
    MeoCustomText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QString::fromUtf8(kCustomTextFont));
    font.setPixelSize(14);
    MeoCustomText->setFont(font);
    layout->addWidget(MeoCustomText, 1);

    auto* panel = new QHBoxLayout;
    CboClass = new QComboBox(this);
    CboClass->setObjectName("CboClass");
    CboClass->setMinimumWidth(180);
    auto* label = new QLabel(QString::fromUtf8("类别"), this);
    label->setBuddy(CboClass);
    auto* view = new QPushButton(QString::fromUtf8("查看"), this);
    view->setObjectName("BtoCustomPan");
    auto* close = new QPushButton(QString::fromUtf8("关闭"), this);
    close->setObjectName("Button1");
    panel->addWidget(label);
    panel->addWidget(CboClass);
    panel->addStretch(1);
    panel->addWidget(view);
    panel->addWidget(close);
    layout->addLayout(panel);
    // Wide enough for the 34 full-width places of a printout line.
    resize(620, 520);

    connect(CboClass, &QComboBox::activated, this, &TFrmShowCustom::CboClassChange);
    connect(view, &QPushButton::clicked, this, &TFrmShowCustom::BtoCustomPanClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TFrmShowCustom::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TFrmShowCustom::FormShow() {
    if (shown_) return;
    shown_ = true;
    chooser_.show(prompter_);
    showClassNames(*CboClass, chooser_.classNames(), chooser_.selectedIndex());
}

void TFrmShowCustom::CboClassChange(int index) { chooser_.select(index); }

void TFrmShowCustom::BtoCustomPanClick() {
    if (auto text = chooser_.view(prompter_)) MeoCustomText->setPlainText(q(*text));
}

CustomChartWindow::CustomChartWindow(QWidget* mainWindow, workflow::Prompter& prompter, std::filesystem::path dataRoot)
    : mainWindow_(mainWindow), prompter_(prompter), dataRoot_(std::move(dataRoot)) {}

CustomChartWindow::~CustomChartWindow() { close(); }

void CustomChartWindow::show(const chart::ChartRequest& request) {
    if (window_)
        window_->setRequest(request);
    else
        window_ = new TFrmShowCustom(prompter_, workflow::CustomChartEnvironment{dataRoot_, {}}, request, mainWindow_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void CustomChartWindow::close() {
    // Deleted at once: a chooser closed for a new chart must not linger.
    if (window_) delete window_.data();
}

}  // namespace qimen::app

// The comparison window and its menu.
#include "compare_window.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "main_window.hpp"
#include "utf8_text.hpp"
#include "workflow/chart_warnings.hpp"

namespace qimen::app {
namespace {

QString choicesCaption(chart::Convention convention) {
    const chart::ConventionInfo& info = chart::conventionInfo(convention);
    return utf8(info.choices[0]) + QStringLiteral(" / ") + utf8(info.choices[1]);
}

// The pane just large enough for its chart, within the screen.
void fitToDocument(QTextEdit& edit) {
    QTextDocument& document = *edit.document();
    // The frame on both sides and a little room, so no scroll bar is needed.
    const int frame = 2 * edit.frameWidth() + 8;
    QSize wanted(static_cast<int>(document.idealWidth() + 2 * document.documentMargin()) + frame,
                 static_cast<int>(document.size().height()) + frame);
    if (const QScreen* screen = edit.screen()) {
        const QSize room = screen->availableSize();
        wanted = wanted.boundedTo(QSize((room.width() - 40) / 2, room.height() - 120));
    }
    edit.setMinimumSize(wanted);
}

}  // namespace

TFrmCompare::TFrmCompare(QWidget* parent) : QDialog(parent) {
    setObjectName("TFrmCompare");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* sides = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* edit = new QTextEdit(this);
        edit->setObjectName(QStringLiteral("RedtSide%1").arg(i));
        edit->setReadOnly(true);
        edits_[i] = edit;
        panes_[i] = std::make_unique<TextPane>(*edit);
        sides->addWidget(edit, 1);
    }
    differences_ = new QLabel(this);
    differences_->setObjectName("LblDifferences");
    differences_->setWordWrap(true);
    differences_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = new QPushButton(QString::fromUtf8("关闭"), this);
    close->setObjectName("BtnClose");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(differences_, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides, 1);
    layout->addLayout(bottom);
}

TFrmCompare::~TFrmCompare() = default;

void TFrmCompare::showComparison(const boundary::ConventionComparison& comparison, const workflow::PaneFont& font,
                                 const QColor& background) {
    setWindowTitle(QString::fromUtf8("对照：") + choicesCaption(comparison.convention));
    for (int i = 0; i < 2; ++i) {
        panes_[i]->setFont(font);
        panes_[i]->setBackground(background);
        panes_[i]->showChart(boundary::sideStyledText(comparison, i));
        fitToDocument(*edits_[i]);
    }
    differences_->setText(QString::fromStdString(boundary::differencesText(comparison)));
    QFont bold = differences_->font();
    bold.setBold(!comparison.identical());
    differences_->setFont(bold);
    differences_->setStyleSheet(comparison.identical() ? QString() : QStringLiteral("color: #C00000;"));
    adjustSize();
}

void openConventionComparison(TFrmMain& window, chart::Convention convention) {
    // The chart on screen is compared, as the topic buttons read it: 对照
    // never lays, saves or asks on its own.
    const workflow::Consultation& consultation = window.consultation();
    const chart::ChartRecord& record = consultation.record();
    auto comparison =
        workflow::compareCharted(consultation.chartValid(), record.request(), record, convention, window.prompter());
    if (!comparison) return;
    auto* shown = window.findChild<TFrmCompare*>(QString(), Qt::FindDirectChildrenOnly);
    if (!shown) shown = new TFrmCompare(&window);
    shown->showComparison(*comparison, window.pane().font(), window.pane().background());
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void addComparisonMenu(QMenu& options, TFrmMain& window) {
    QMenu* menu = options.addMenu(QString::fromUtf8("对照"));
    menu->setObjectName("OmenuCompare");
    for (const chart::ConventionInfo& info : chart::kConventions) {
        QAction* action = menu->addAction(choicesCaption(info.convention));
        action->setObjectName(QStringLiteral("OmenuCompare_") + utf8(info.key));
        const chart::Convention convention = info.convention;
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, convention] { openConventionComparison(window, convention); });
    }
}

}  // namespace qimen::app

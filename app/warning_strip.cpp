// The warning strip: rebuilt after every operation of the main window from
// the boundary report of the chart the consultation last laid.
#include "warning_strip.hpp"

#include <QMouseEvent>
#include <QVBoxLayout>

namespace qimen::app {

void WarningLineLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

WarningStrip::WarningStrip(workflow::Prompter& prompter, QWidget* parent) : QFrame(parent), prompter_(prompter) {
    setObjectName("WarningStrip");
    setStyleSheet(QStringLiteral("QFrame#WarningStrip { background: #FFF3C4; border: 1px solid #E2C35A; }"
                                 "QLabel { color: #7A3E00; padding: 1px 4px; }"
                                 "QLabel:hover { color: #C00000; text-decoration: underline; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(0);
    hide();
}

void WarningStrip::showFor(const workflow::Consultation& consultation) {
    if (!consultation.chartValid()) {
        showLines({});
        return;
    }
    // The record keeps the request as it was laid (a given ju included),
    // which the consultation's own request no longer tells after the run.
    const chart::ChartRecord& record = consultation.record();
    showLines(workflow::warningStrip(record.request(), record));
}

void WarningStrip::showLines(std::vector<workflow::WarningLine> lines) {
    lines_ = std::move(lines);
    for (QLabel* old : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) delete old;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto* label = new WarningLineLabel(QString::fromStdString(lines_[i].text), this);
        label->setObjectName(QStringLiteral("WarningLine%1").arg(i));
        label->setWordWrap(true);
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(QString::fromUtf8("单击查看详情"));
        connect(label, &WarningLineLabel::clicked, this, [this, i] {
            if (i < lines_.size()) workflow::showWarningDetails(lines_[i], prompter_);
        });
        layout()->addWidget(label);
    }
    setVisible(!lines_.empty());
}

}  // namespace qimen::app

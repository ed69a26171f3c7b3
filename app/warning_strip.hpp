// WarningStrip: the strip above the output pane RedtQiMen that names the
// boundaries the last chart lies on (a solar term minutes away, the late 子
// hour, summer time …), one clickable line per warning; a click shows the
// line's details through the Prompter. Hidden while the chart has no
// warning or no chart is valid, so such charts look as they always did.
#pragma once

#include <QFrame>
#include <QLabel>
#include <vector>

#include "workflow/chart_warnings.hpp"
#include "workflow/consultation.hpp"

namespace qimen::app {

// One line of the strip; clicking it anywhere emits clicked().
class WarningLineLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class WarningStrip : public QFrame {
    Q_OBJECT
public:
    WarningStrip(workflow::Prompter& prompter, QWidget* parent);

    // The lines of the consultation's last chart: its warnings when the
    // chart is valid, none otherwise. The lines are named "WarningLine0" …
    void showFor(const workflow::Consultation& consultation);
    void showLines(std::vector<workflow::WarningLine> lines);

    const std::vector<workflow::WarningLine>& lines() const { return lines_; }

private:
    workflow::Prompter& prompter_;
    std::vector<workflow::WarningLine> lines_;
};

}  // namespace qimen::app

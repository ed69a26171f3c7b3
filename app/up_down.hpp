// UpDown: the small up/down arrow pair beside the year edit. It holds a
// position in a range and moves it by one per click; the window shows the
// position in the edit by its own rule.
#pragma once

#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace qimen::app {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr) : QWidget(parent), minimum_(minimum), maximum_(maximum) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (int step : {1, -1}) {
            auto* button = new QToolButton(this);
            button->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
            button->setAutoRepeat(true);
            button->setFixedSize(16, 11);
            button->setObjectName(step > 0 ? QStringLiteral("up") : QStringLiteral("down"));
            connect(button, &QToolButton::clicked, this, [this, step] { stepBy(step); });
            layout->addWidget(button);
        }
    }

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Sets the position (clamped to the range) without a signal.
    void setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }
    void stepBy(int step) {
        int next = std::clamp(position_ + step, minimum_, maximum_);
        if (next == position_) return;
        position_ = next;
        emit clicked(position_);
    }

signals:
    void clicked(int position);

private:
    int minimum_, maximum_;
    int position_ = 0;
};

}  // namespace qimen::app

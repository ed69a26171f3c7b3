// TFrmWnl, "Zelvane万年历": the perpetual calendar window. A thin owner of a
// CalendarForm: every control writes its value into the form's selection and
// asks for a redraw; the view comes back as the month sheet for Img1, the two
// term lines, the zodiac label and the pillars. Stay-on-top, fixed size, no
// maximise button, centred on the screen.
//
// Open it from the menu 辅助工具 → 万年历 with openTFrmWnl(), which keeps a
// single window: a second call raises the open one.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "calendar_image.hpp"
#include "workflow/calendar_form.hpp"

namespace qimen::app {

// The local clock as a civil moment, to the minute.
calendar::CivilDateTime localNow();

class TFrmWnl : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<calendar::CivilDateTime()>;

    // The calendar at `clock()` (the year capped at 2050), boxes through
    // `prompter`, which must outlive the window.
    explicit TFrmWnl(workflow::Prompter& prompter, Clock clock = localNow, QWidget* parent = nullptr);

    const workflow::CalendarForm& form() const { return form_; }

    // Shows the selection's view, or keeps the old one after the form's box.
    void redraw();

    // Controls by their names in the form.
    QLabel* labxiao;
    QLabel* labtitle;
    QToolButton* sbtnnow;
    CalendarImage* Img1;
    QScrollBar* UdYear;  // the up-down arrows: position = year − 1900
    QLineEdit* EdtYear;
    QComboBox *cbom, *cbod, *cbos, *cbomin;
    QPlainTextEdit *memjie1, *memjie2, *memgz;
    QCheckBox* chkjq;
    QToolButton* BitBtn2;  // 上一月
    QToolButton* BitBtn1;  // 下一月

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void connectControls();
    // Puts the selection into the controls without their change signals.
    void showSelection();
    void UdYearClick(int position);
    void EdtYearEnter();
    void ListChange();
    void Img1Click(int row, int column);
    void sbtnnowClick();
    void display(const calendar::CalendarView& view);

    Clock clock_;
    workflow::CalendarForm form_;
    bool centred_ = false;
};

// The 万年历 of the menu: opens the single calendar window (creating it on
// first use, deleting it when closed) and brings it to the front.
TFrmWnl* openTFrmWnl(QWidget* parent, workflow::Prompter& prompter);

}  // namespace qimen::app

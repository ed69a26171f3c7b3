// Img1, the perpetual calendar's drawing surface: the 7 × 7 grid of a month
// sheet painted with QPainter in the sheet's colours and sizes, and Shape1,
// the green square over the selected day. A click reports its cell.
#pragma once

#include <QFrame>
#include <QWidget>
#include <optional>

#include "calendar/calendar_sheet.hpp"

namespace qimen::app {

class CalendarImage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 450;
    static constexpr int kHeight = 330;

    explicit CalendarImage(QWidget* parent = nullptr);

    // Paints `sheet` from now on and moves Shape1 onto its selected day.
    void showSheet(calendar::CalendarSheet sheet);
    const std::optional<calendar::CalendarSheet>& sheet() const { return sheet_; }

    // A cell's rectangle: W = width div 7 wide, H = height div 7 high.
    QRect cellRect(int row, int column) const;

signals:
    void cellClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintCell(QPainter& painter, const calendar::SheetCell& cell, const QRect& rect) const;

    std::optional<calendar::CalendarSheet> sheet_;
    QFrame* shape_;
};

// The font of a sheet role: the calendar's face at the role's size, taken as
// points of a 96-dpi screen so the grid looks the same on any display.
QFont sheetFont(calendar::SheetRole role);
QColor sheetColor(calendar::SheetRole role);

}  // namespace qimen::app

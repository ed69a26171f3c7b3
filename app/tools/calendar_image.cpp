// Painting the month sheet and mapping clicks to cells.
#include "calendar_image.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace qimen::app {
namespace {

using calendar::SheetRole;

QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

QFont sheetFont(SheetRole role) {
    QFont font;
    // 宋体 where it exists, else a Song-style face of the free CJK fonts.
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("Noto Serif CJK SC")});
    const int points = calendar::sheetStyle(role).pointSize;
    if (points > 0) font.setPixelSize((points * 96 + 36) / 72);
    return font;
}

QColor sheetColor(SheetRole role) { return QColor(QRgb(calendar::sheetStyle(role).rgb)); }

CalendarImage::CalendarImage(QWidget* parent) : QWidget(parent), shape_(new QFrame(this)) {
    setObjectName(QStringLiteral("Img1"));
    setFixedSize(kWidth, kHeight);
    shape_->setObjectName(QStringLiteral("Shape1"));
    shape_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape_->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 2px solid %1; background: transparent; }")
                              .arg(sheetColor(SheetRole::Selection).name()));
    shape_->hide();
}

QRect CalendarImage::cellRect(int row, int column) const {
    const int w = width() / 7, h = height() / 7;
    return {column * w, row * h, w, h};
}

void CalendarImage::showSheet(calendar::CalendarSheet sheet) {
    sheet_ = std::move(sheet);
    const auto& page = sheet_->page;
    shape_->setGeometry(cellRect(page.rowOf(sheet_->selectedDay), page.columnOf(sheet_->selectedDay)).adjusted(0, 0, 1, 1));
    shape_->show();
    update();
}

void CalendarImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), sheetColor(SheetRole::Background));
    const int w = width() / 7, h = height() / 7;
    painter.setPen(sheetColor(SheetRole::GridLine));
    for (int i = 1; i <= 6; ++i) {
        painter.drawLine(0, i * h, width(), i * h);
        painter.drawLine(i * w, 0, i * w, height());
    }
    if (!sheet_) return;
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 7; ++column) paintCell(painter, sheet_->cell(row, column), cellRect(row, column));
}

void CalendarImage::paintCell(QPainter& painter, const calendar::SheetCell& cell, const QRect& rect) const {
    if (cell.upper.empty()) return;
    if (cell.day == 0) {  // a weekday name in the header row
        painter.setFont(sheetFont(cell.upperRole));
        painter.setPen(sheetColor(cell.upperRole));
        painter.drawText(rect, Qt::AlignCenter, qs(cell.upper));
        return;
    }
    // Upper half: the day number, and on a term day a blank and the term's
    // name in its own colour, centred together.
    const QRect upper(rect.left(), rect.top() + 2, rect.width(), rect.height() / 2);
    const QFont numberFont = sheetFont(SheetRole::DayNumber), termFont = sheetFont(SheetRole::TermName);
    const QString number = qs(cell.upper), term = cell.term.empty() ? QString() : QStringLiteral(" ") + qs(cell.term);
    const int numberWidth = QFontMetrics(numberFont).horizontalAdvance(number);
    const int left = rect.left() + (rect.width() - numberWidth - QFontMetrics(termFont).horizontalAdvance(term)) / 2;
    painter.setFont(numberFont);
    painter.setPen(sheetColor(SheetRole::DayNumber));
    painter.drawText(QRect(left, upper.top(), numberWidth, upper.height()), Qt::AlignLeft | Qt::AlignVCenter, number);
    if (!term.isEmpty()) {
        painter.setFont(termFont);
        painter.setPen(sheetColor(SheetRole::TermName));
        painter.drawText(QRect(left + numberWidth, upper.top(), rect.right() - left - numberWidth, upper.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, term);
    }
    painter.setFont(sheetFont(SheetRole::LunarDate));
    painter.setPen(sheetColor(SheetRole::LunarDate));
    painter.drawText(QRect(rect.left(), upper.bottom() + 1, rect.width(), rect.bottom() - upper.bottom() - 1),
                     Qt::AlignHCenter | Qt::AlignVCenter, qs(cell.lower));
}

void CalendarImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int w = width() / 7, h = height() / 7;
    const QPoint p = event->position().toPoint();
    const int row = p.y() / h, column = p.x() / w;
    if (row < 7 && column < 7) emit cellClicked(row, column);
}

}  // namespace qimen::app

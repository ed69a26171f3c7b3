// The calendar on demand: `--screenshot-calendar FILE.png --month YYYY-MM`
// renders the perpetual calendar window showing that month (its first day
// selected, at 00:00) to a PNG, with no display needed.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "base/expected.hpp"

namespace qimen::app {

struct CalendarScreenshotOptions {
    QString file;
    int year = 0;
    int month = 0;
};

// The options when the arguments ask for a calendar screenshot, nullopt when
// they do not; a failure names the argument that is wrong.
Expected<std::optional<CalendarScreenshotOptions>> parseCalendarScreenshotOptions(const QStringList& arguments);

// Renders TFrmWnl at (year, month) to `file` (PNG). Fails with the window's
// own message for a month outside 1900-01..2050-12, or when the file cannot
// be written. Needs a QApplication.
Expected<void> renderCalendarPng(const QString& file, int year, int month);

}  // namespace qimen::app

// Rendering the perpetual calendar window to a PNG.
#include "calendar_screenshot.hpp"

#include <QImage>

#include "tfrm_wnl.hpp"

namespace qimen::app {
namespace {

// Keeps the first box the window would show, instead of showing it.
class FirstMessage : public workflow::Prompter {
public:
    std::string text;
    void message(std::string_view message, std::string_view, workflow::Icon) override {
        if (text.empty()) text = message;
    }
    bool ask(std::string_view question, std::string_view, workflow::Icon, bool) override {
        if (text.empty()) text = question;
        return false;
    }
    void focus(std::string_view) override {}
};

}  // namespace

Expected<std::optional<CalendarScreenshotOptions>> parseCalendarScreenshotOptions(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot-calendar"));
    if (at < 0) return std::optional<CalendarScreenshotOptions>();
    if (at + 1 >= arguments.size() || arguments[at + 1].startsWith(QStringLiteral("--")))
        return fail("--screenshot-calendar needs the PNG file to write");
    CalendarScreenshotOptions options;
    options.file = arguments[at + 1];
    const qsizetype monthAt = arguments.indexOf(QStringLiteral("--month"));
    const QString month = monthAt >= 0 && monthAt + 1 < arguments.size() ? arguments[monthAt + 1] : QString();
    const QStringList parts = month.split(QLatin1Char('-'));
    bool yearOk = false, monthOk = false;
    if (parts.size() == 2) {
        options.year = parts[0].toInt(&yearOk);
        options.month = parts[1].toInt(&monthOk);
    }
    if (!yearOk || !monthOk || parts[0].size() != 4 || options.month < 1 || options.month > 12)
        return fail("--month needs a month written YYYY-MM, e.g. --month 2000-02; got \"" + month.toStdString() + "\"");
    return std::optional(options);
}

Expected<void> renderCalendarPng(const QString& file, int year, int month) {
    FirstMessage prompter;
    const auto i16 = [](int x) { return static_cast<std::int16_t>(x); };
    // A clock outside the calendar's years would be capped; refuse it here
    // with the window's own message instead.
    if (year < calendar::kCalendarFirstYear || year > calendar::kCalendarLastYear)
        return fail(calendar::kCalendarYearRangeMessage);
    if (month < 1 || month > 12) return fail("the month must be 1..12");
    TFrmWnl window(prompter, [=] { return calendar::CivilDateTime{i16(year), i16(month), 1, 0, 0}; });
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    if (!prompter.text.empty()) return fail(prompter.text);
    const QImage image = window.grab().toImage();
    if (!image.save(file, "PNG")) return fail("cannot write the PNG file " + file.toStdString());
    return ok();
}

}  // namespace qimen::app

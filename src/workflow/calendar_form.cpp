// The perpetual-calendar window's boxes over its selection.
#include "workflow/calendar_form.hpp"

#include <charconv>

namespace qimen::workflow {
namespace {

// The year of the edit's text; 0 (outside every range) when it is not a
// decimal number.
int yearOf(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int year = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    return error == std::errc() && end == text.data() + text.size() ? year : 0;
}

}  // namespace

std::optional<calendar::CalendarView> CalendarForm::yearEntered(std::string_view yearText) {
    if (!calendar_.setYear(yearOf(yearText))) {
        prompter_.message(calendar::kCalendarYearRangeMessage, kCalendarYearEnteredCaption, Icon::Error);
        return std::nullopt;
    }
    return redraw(yearText);
}

std::optional<calendar::CalendarView> CalendarForm::redraw(std::string_view yearText) {
    if (!calendar_.setYear(yearOf(yearText))) {
        prompter_.message(calendar::kCalendarYearRangeMessage, kCalendarYearCaption, Icon::Error);
        return std::nullopt;
    }
    auto view = calendar_.view();
    if (!view) {
        prompter_.message(view.message(), kCalendarDayCaption, Icon::Information);
        return std::nullopt;
    }
    return std::move(*view);
}

}  // namespace qimen::workflow

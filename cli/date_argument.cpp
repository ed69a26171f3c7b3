// Command-line dates over the calendar's strict moment parser: every field
// present, digits only, in range; nothing is guessed.
#include "date_argument.hpp"

#include "calendar/moment_text.hpp"
#include "command.hpp"

namespace qimen::cli {
namespace {

template <typename T>
T valueOrThrow(Expected<T> result) {
    if (!result) throw CommandError(result.message());
    return std::move(*result);
}

}  // namespace

int parseUserYear(const std::string& text) { return valueOrThrow(calendar::parseUserYearText(text)); }

calendar::CivilDateTime parseMoment(const std::string& text, const std::function<calendar::CivilDateTime()>& now) {
    if (text == "now") return now();
    return valueOrThrow(calendar::parseMomentText(text, calendar::MomentKind::Gregorian));
}

calendar::CivilDateTime parseChartMoment(const std::string& text,
                                         const std::function<calendar::CivilDateTime()>& now) {
    if (text == "now") return now();
    // The form of a date and the ranges of any moment; whether the day
    // exists in its month is the chart's question.
    valueOrThrow(calendar::readMomentFields(text, calendar::MomentKind::Gregorian));
    calendar::CivilDateTime date = valueOrThrow(calendar::parseMomentText(text, calendar::MomentKind::Lunar));
    if (date.day > 31) throw CommandError("day " + std::to_string(date.day) + " in \"" + text + "\" is not 1..31");
    return date;
}

calendar::CivilDateTime parseLunarMoment(const std::string& text) {
    return valueOrThrow(calendar::parseMomentText(text, calendar::MomentKind::Lunar));
}

bool hasTimeOfDay(const std::string& text) { return calendar::momentTextHasTime(text); }

std::string formatMoment(const calendar::CivilDateTime& date) { return calendar::formatMomentText(date); }

}  // namespace qimen::cli

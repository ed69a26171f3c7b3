// Dates and years as the user types them on the command line: years without a
// year 0 (−850..2100), "YYYY-MM-DD HH:MM", "YYYY-MM-DD" or "now" (the
// calendar's strict moment form).
#pragma once

#include <functional>
#include <string>

#include "calendar/civil_date_time.hpp"

namespace qimen::cli {

// Parses a moment; the year is converted to astronomical numbering. Throws
// CommandError with one clear sentence for a malformed date, a year outside
// −850..2100 or year 0, an hour or minute out of range, or "不存在这个日期"
// for a day that does not exist.
calendar::CivilDateTime parseMoment(const std::string& text, const std::function<calendar::CivilDateTime()>& now);

// Parses a moment of a chart's inputs like parseMoment, but leaves whether
// the day exists in its month to the chart, which answers "不存在这个日期" as
// the window does (days run 1..31 as in the window's day list).
calendar::CivilDateTime parseChartMoment(const std::string& text, const std::function<calendar::CivilDateTime()>& now);

// Parses a lunar moment "YYYY-MM-DD HH:MM" or "YYYY-MM-DD" (month 1..12,
// day from 1), the year converted to astronomical numbering. Throws
// CommandError like parseMoment; whether the day exists in that lunar month
// is left to the lunar calendar and its messages.
calendar::CivilDateTime parseLunarMoment(const std::string& text);

// True when a typed moment carries a time of day.
bool hasTimeOfDay(const std::string& text);

// Parses a year as the user writes it and returns it astronomical.
int parseUserYear(const std::string& text);

// "YYYY-MM-DD HH:MM" with the year as the user writes it.
std::string formatMoment(const calendar::CivilDateTime& date);

}  // namespace qimen::cli

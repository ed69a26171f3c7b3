// `qimen calendar month [YYYY-MM] [--at MOMENT] [--lunar-months]
// [--lunar-pillars] [--json]`: the perpetual calendar on a terminal. The page
// is laid out like cal(1), Monday first, each day over its lunar day, a
// term's name beside the day number on its day and the selected day in
// brackets; below it the month's two term lines and the selected moment's
// lunar date, zodiac and pillars:
//
//                              2000年2月
//    一       二       三       四       五       六       日
//              1        2        3        4 立春   5        6
//             廿六     廿七     廿八     廿九     初一     初二
//     7        8        9      [10]      11       12       13
//    初三     初四     初五     初六     初七     初八     初九
//   …
//   立春4日20时40分
//   雨水19日16时33分
//   2000-02-10 08:00 正月初六 龙年 庚辰年 戊寅月 戊戌日 丙辰时
//
// The selected moment is --at, else now when now lies in the month, else the
// month's first day at 00:00.
#include "calendar_month_command.hpp"

#include <algorithm>
#include <charconv>

#include <nlohmann/json.hpp>

#include "calendar/calendar_text.hpp"
#include "calendar/lunar_text.hpp"
#include "calendar/perpetual_calendar.hpp"
#include "date_argument.hpp"
#include "json_fields.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

// Terminal columns of a cell: a separator column, then "[19]雨水" or "闰十一月".
constexpr int kCellColumns = 9;

// Terminal columns of a UTF-8 text whose non-ASCII characters are all
// full-width (the calendar's Chinese texts).
int columns(const std::string& text) {
    int width = 0;
    for (unsigned char c : text) {
        if (c < 0x80) width += 1;
        else if (c >= 0xC0) width += 2;  // the lead byte of a full-width character
    }
    return width;
}

std::string padded(std::string text, int width) {
    text.append(static_cast<std::size_t>(std::max(0, width - columns(text))), ' ');
    return text;
}

// "YYYY-MM" as the user writes it.
std::pair<int, int> parseYearMonth(const std::string& text) {
    int year = 0, month = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, year);
    bool ok = ec == std::errc{} && p - text.data() == 4 && p != end && *p == '-';
    if (ok) {
        const char* start = p + 1;
        auto [q, ec2] = std::from_chars(start, end, month);
        ok = ec2 == std::errc{} && q == end && q - start >= 1 && q - start <= 2;
    }
    if (!ok) throw CommandError("\"" + text + "\" is not a month; write YYYY-MM, e.g. 2024-02");
    if (month < 1 || month > 12) throw CommandError("month " + std::to_string(month) + " in \"" + text + "\" is not 1..12");
    return {year, month};
}

// The lunar text under a day: its day name, or with --lunar-months the
// month's name on the first day of a lunar month.
std::string lunarCellText(const calendar::PageDay& d, bool lunarMonths) {
    if (lunarMonths && d.lunar.date.day == 1)
        return calendar::lunarMonthName(d.lunar.date.month, d.lunar.leap && d.lunar.date.month != 1);
    return calendar::lunarDayName(d.lunar.date.day);
}

// One grid line of seven cells, each after a separator column: the upper
// line the day numbers (the selected one in brackets) with the term names,
// the lower line the lunar texts.
std::string gridLine(const calendar::CalendarSheet& sheet, int row, bool upper, bool lunarMonths) {
    std::string line;
    for (int column = 0; column < 7; ++column) {
        const calendar::SheetCell& cell = sheet.cell(row, column);
        std::string text;
        if (cell.day != 0 && upper) {
            const std::string number = (cell.day < 10 ? " " : "") + cell.upper;
            text = cell.selected ? "[" + number + "]" : " " + number + " ";
            text += cell.term;
        } else if (cell.day != 0) {
            text = " " + lunarCellText(sheet.page.days[static_cast<std::size_t>(cell.day - 1)], lunarMonths);
        }
        line += padded(text, kCellColumns);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

std::string pillarsLine(const calendar::CalendarPillars& p) {
    return p.zodiacLabel + " " + calendar::ganZhiText(p.pillars.year) + "年 " + calendar::ganZhiText(p.pillars.month) +
           "月 " + calendar::ganZhiText(p.pillars.day) + "日 " + calendar::ganZhiText(p.pillars.hour) + "时";
}

void printPage(std::ostream& out, const calendar::CalendarView& view, const calendar::CivilDateTime& moment,
               bool lunarMonths) {
    const calendar::CalendarSheet& sheet = view.sheet;
    const int width = 7 * (kCellColumns);
    const std::string& title = sheet.page.title;
    out << std::string(static_cast<std::size_t>((width - columns(title)) / 2), ' ') << title << '\n';
    std::string header;
    for (int column = 0; column < 7; ++column)
        header += padded(" " + std::string(calendar::weekdayText((column + 1) % 7)), kCellColumns);
    while (header.back() == ' ') header.pop_back();
    out << header << '\n';
    const int lastRow = sheet.page.rowOf(sheet.page.length);
    for (int row = 1; row <= lastRow; ++row) {
        out << gridLine(sheet, row, true, lunarMonths) << '\n';
        out << gridLine(sheet, row, false, lunarMonths) << '\n';
    }
    out << sheet.page.sectional.text << '\n' << sheet.page.principal.text << '\n';
    const calendar::PageDay& day = sheet.page.days[static_cast<std::size_t>(sheet.selectedDay - 1)];
    out << formatMoment(moment) << ' ' << day.lunarText << ' ' << pillarsLine(view.pillars) << '\n';
}

json termJson(const calendar::PageTerm& t, bool sectional) {
    return json{{"code", t.code},
                {"name", calendar::solarTermText(t.code)},
                {"sectional", sectional},
                {"time", momentJson(t.instant.time)},
                {"text", t.text}};
}

json pageJson(const calendar::CalendarView& view, const calendar::CivilDateTime& moment, bool termsChangeMonth) {
    const calendar::MonthPage& page = view.sheet.page;
    json days = json::array();
    for (const calendar::PageDay& d : page.days) {
        days.push_back(json{{"day", d.day},
                            {"row", page.rowOf(d.day)},
                            {"column", page.columnOf(d.day)},
                            {"lunar",
                             {{"year", calendar::userFromAstronomicalYear(d.lunar.date.year)},
                              {"month", d.lunar.date.month},
                              {"day", d.lunar.date.day},
                              {"leap", d.lunar.leap},
                              {"text", d.lunarText}}},
                            {"term", d.termCode >= 0 ? json(calendar::solarTermText(d.termCode)) : json(nullptr)}});
    }
    const calendar::FourPillars& p = view.pillars.pillars;
    return json{{"year", page.year},
                {"month", page.month},
                {"title", page.title},
                {"length", page.length},
                {"firstColumn", page.firstColumn},
                {"terms", json::array({termJson(page.sectional, true), termJson(page.principal, false)})},
                {"days", days},
                {"selected",
                 {{"moment", momentJson(moment)},
                  {"termsChangeMonth", termsChangeMonth},
                  {"zodiac", view.pillars.zodiacLabel},
                  {"pillars",
                   {{"year", ganZhiJson(p.year)},
                    {"month", ganZhiJson(p.month)},
                    {"day", ganZhiJson(p.day)},
                    {"hour", ganZhiJson(p.hour)}}}}}};
}

class CalendarMonthCommand : public Command {
public:
    std::string group() const override { return "calendar"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("month", "a month of 1900..2050 with lunar days, solar terms and pillars");
        sub->add_option("month", month_, "YYYY-MM (default: the month of --at, else this month)");
        sub->add_option("--at", at_, "the selected moment \"YYYY-MM-DD HH:MM\", \"YYYY-MM-DD\" or now");
        sub->add_flag("--lunar-months", lunarMonths_,
                      "name each lunar month (正月, 闰四月) on its first day instead of 初一");
        sub->add_flag("--lunar-pillars", lunarPillars_,
                      "year and month pillars by the lunar year and month instead of by the solar terms");
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }

    int run(CommandContext& context) override {
        const calendar::CivilDateTime now = context.now();
        calendar::PerpetualCalendar calendar(now);
        calendar.setTermsChangeMonth(!lunarPillars_);
        if (!at_.empty()) select(calendar, parseMoment(at_, context.now));
        if (!month_.empty()) {
            auto [year, month] = parseYearMonth(month_);
            const calendar::CivilDateTime& s = calendar.selection();
            if (!at_.empty() && (s.year != year || s.month != month))
                throw CommandError("--at " + at_ + " is not in " + month_);
            if (at_.empty() && (now.year != year || now.month != month))
                select(calendar, calendar::CivilDateTime{static_cast<std::int16_t>(year),
                                                         static_cast<std::int16_t>(month), 1, 0, 0});
        }
        auto view = calendar.view();
        if (!view) throw CommandError(view.message());
        if (json_)
            context.out << pageJson(*view, calendar.selection(), !lunarPillars_).dump(2) << '\n';
        else
            printPage(context.out, *view, calendar.selection(), lunarMonths_);
        return 0;
    }

private:
    // Selects a moment, refusing a year the calendar does not show.
    static void select(calendar::PerpetualCalendar& calendar, const calendar::CivilDateTime& moment) {
        if (auto year = calendar.setYear(moment.year); !year) throw CommandError(year.message());
        calendar.setMonth(moment.month);
        calendar.setDay(moment.day);
        calendar.setTime(moment.hour, moment.minute);
    }

    std::string month_;
    std::string at_;
    bool lunarMonths_ = false;
    bool lunarPillars_ = false;
    bool json_ = false;
};

}  // namespace

void addCalendarMonthCommand(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<CalendarMonthCommand>());
}

}  // namespace qimen::cli

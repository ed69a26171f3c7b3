// Lunar-calendar commands. Years are printed and read as the user writes
// them (no year 0). The printed lunar date is the year in digits, the month
// by name (正月, 二月 … 十一月, 十二月, after 闰 for a leap month) and the day
// as an almanac writes it (初一 … 三十): 2000-02-05 → 2000年正月初一.
#include "lunar_commands.hpp"

#include <cstdio>
#include <string_view>

#include <nlohmann/json.hpp>

#include "calendar/lunar_calendar.hpp"
#include "calendar/lunar_text.hpp"
#include "date_argument.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

std::string lunarText(const calendar::LunarDate& l) {
    return std::to_string(calendar::userFromAstronomicalYear(l.date.year)) + "年" +
           calendar::lunarMonthName(l.date.month, l.leap) + calendar::lunarDayName(l.date.day);
}

class LunarCommand : public Command {
public:
    std::string group() const override { return "calendar"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("lunar", "lunar date of a Gregorian date (Julian before 1582-10-15)");
        sub->add_option("date", date_, "\"YYYY-MM-DD\", \"YYYY-MM-DD HH:MM\" or now")->required();
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        const calendar::LunarDate l = calendar::solarToLunar(parseMoment(date_, context.now));
        if (json_) {
            context.out << json{{"year", calendar::userFromAstronomicalYear(l.date.year)},
                                {"month", l.date.month},
                                {"day", l.date.day},
                                {"leap", l.leap},
                                {"text", lunarText(l)}}
                               .dump(2)
                        << '\n';
        } else {
            context.out << lunarText(l) << '\n';
        }
        return 0;
    }

private:
    std::string date_;
    bool json_ = false;
};

class SolarCommand : public Command {
public:
    std::string group() const override { return "calendar"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("solar", "Gregorian date (Julian before 1582-10-15) of a lunar date");
        sub->add_option("--lunar", lunar_, "lunar date \"YYYY-MM-DD\" or \"YYYY-MM-DD HH:MM\"")->required();
        sub->add_flag("--leap", leap_, "the leap month of that number");
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        const Expected<calendar::CivilDateTime> result = calendar::lunarToSolar(parseLunarMoment(lunar_), leap_);
        const bool hasTime = hasTimeOfDay(lunar_);
        if (!result) throw CommandError(result.message());
        const calendar::CivilDateTime& d = *result;
        std::string text = formatMoment(d);
        if (!hasTime) text.resize(text.size() - 6);  // without " HH:MM"
        if (json_) {
            json j{{"year", calendar::userFromAstronomicalYear(d.year)}, {"month", d.month}, {"day", d.day},
                   {"text", text}};
            if (hasTime) {
                j["hour"] = d.hour;
                j["minute"] = d.minute;
            }
            context.out << j.dump(2) << '\n';
        } else {
            context.out << text << '\n';
        }
        return 0;
    }

private:
    std::string lunar_;
    bool leap_ = false;
    bool json_ = false;
};

}  // namespace

void addLunarCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<LunarCommand>());
    commands.push_back(std::make_unique<SolarCommand>());
}

}  // namespace qimen::cli

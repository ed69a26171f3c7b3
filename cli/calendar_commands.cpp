// Calendar commands: each prints one fact of a moment or a year, as text or
// (with --json) as a JSON object.
#include "calendar_commands.hpp"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "calendar/day_arithmetic.hpp"
#include "calendar/pillars.hpp"
#include "calendar/solar_terms.hpp"
#include "calendar/true_solar_time.hpp"
#include "chart/vocabulary.hpp"
#include "chart_request_options.hpp"
#include "date_argument.hpp"
#include "json_fields.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

// A calendar command taking one moment argument and --json.
class MomentCommand : public Command {
public:
    std::string group() const override { return "calendar"; }

protected:
    CLI::App* attachMoment(CLI::App& group, const std::string& name, const std::string& description) {
        auto* sub = group.add_subcommand(name, description);
        sub->add_option("moment", moment_, "\"YYYY-MM-DD HH:MM\", \"YYYY-MM-DD\" or now")->required();
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    calendar::CivilDateTime moment(CommandContext& context) const { return parseMoment(moment_, context.now); }
    bool json_ = false;

private:
    std::string moment_;
};

class PillarsCommand : public MomentCommand {
public:
    CLI::App* attach(CLI::App& group) override {
        return attachMoment(group, "pillars", "four pillars (year month day hour) of a moment");
    }
    int run(CommandContext& context) override {
        auto p = calendar::fourPillars(moment(context));
        if (json_) {
            context.out << json{{"year", ganZhiJson(p.year)},
                                {"month", ganZhiJson(p.month)},
                                {"day", ganZhiJson(p.day)},
                                {"hour", ganZhiJson(p.hour)}}
                               .dump(2)
                        << '\n';
        } else {
            context.out << chart::ganZhiText(p.year) << ' ' << chart::ganZhiText(p.month) << ' '
                        << chart::ganZhiText(p.day) << ' ' << chart::ganZhiText(p.hour) << '\n';
        }
        return 0;
    }
};

std::string shortestDouble(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class JulianDayCommand : public MomentCommand {
public:
    CLI::App* attach(CLI::App& group) override { return attachMoment(group, "jd", "Julian day of a moment"); }
    int run(CommandContext& context) override {
        auto date = moment(context);
        double jd = calendar::julianDay(date);
        if (json_)
            context.out << json{{"date", momentJson(date)}, {"julianDay", jd}}.dump(2) << '\n';
        else
            context.out << shortestDouble(jd) << '\n';
        return 0;
    }
};

class WeekdayCommand : public MomentCommand {
public:
    CLI::App* attach(CLI::App& group) override { return attachMoment(group, "weekday", "weekday of a date"); }
    int run(CommandContext& context) override {
        auto date = moment(context);
        int w = calendar::weekday(date);
        std::string text = "星期" + std::string(chart::weekdayText(w));
        if (json_)
            context.out << json{{"date", momentJson(date)}, {"weekday", w}, {"text", text}}.dump(2) << '\n';
        else
            context.out << text << '\n';
        return 0;
    }
};

class SolarTimeCommand : public MomentCommand {
public:
    CLI::App* attach(CLI::App& group) override {
        auto* sub = attachMoment(group, "solar-time", "true solar time of a clock time (zone 120° E)");
        sub->add_option("--lon", longitude_, "longitude, decimal degrees east (-180..180)")
            ->required()
            ->check(decimalDegrees(180.0));
        return sub;
    }
    int run(CommandContext& context) override {
        auto date = moment(context);
        double longitude = parseDegrees(longitude_, 180.0, "--lon");
        auto solar = calendar::trueSolarTime(date, longitude);
        if (json_)
            context.out << json{{"clock", momentJson(date)}, {"longitude", longitude}, {"solarTime", momentJson(solar)}}
                               .dump(2)
                        << '\n';
        else
            context.out << formatMoment(solar) << '\n';
        return 0;
    }

private:
    std::string longitude_;
};

class TermsCommand : public Command {
public:
    std::string group() const override { return "calendar"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("terms", "the 24 solar terms of a year (UTC+8)");
        sub->add_option("year", year_, "year as written, -850..2100")->required();
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        int year = parseUserYear(year_);
        json list = json::array();
        for (int code = 0; code < 24; ++code) {
            int month = code / 2 + 1;
            bool sectional = code % 2 == 0;
            auto term = calendar::termOfMonth(year, month, sectional);
            if (json_) {
                list.push_back(json{{"term", code},
                                    {"name", chart::solarTermText(code)},
                                    {"sectional", sectional},
                                    {"month", term.month},
                                    {"time", momentJson(term.time)}});
            } else {
                context.out << chart::solarTermText(code) << ' ' << formatMoment(term.time) << '\n';
            }
        }
        if (json_) context.out << list.dump(2) << '\n';
        return 0;
    }

private:
    std::string year_;
    bool json_ = false;
};

}  // namespace

void addCalendarCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<PillarsCommand>());
    commands.push_back(std::make_unique<TermsCommand>());
    commands.push_back(std::make_unique<JulianDayCommand>());
    commands.push_back(std::make_unique<WeekdayCommand>());
    commands.push_back(std::make_unique<SolarTimeCommand>());
}

}  // namespace qimen::cli

// `qimen chart`: the inputs of a chart request as options, the chart text as
// plain UTF-8, ANSI colours, exact GBK bytes or JSON.
#include "chart_command.hpp"

#include <ctime>
#include <map>
#include <optional>
#include <random>

#include <nlohmann/json.hpp>

#include "chart/chart_driver.hpp"
#include "chart/chart_settings.hpp"
#include "chart_json.hpp"
#include "date_argument.hpp"
#include "output/ansi_render.hpp"
#include "text/gbk.hpp"
#include "user_data.hpp"

namespace qimen::cli {
namespace {

const std::map<std::string, chart::ChartMethod> kMethods = {
    {"hour", chart::ChartMethod::Hour},   {"day", chart::ChartMethod::Day},
    {"month", chart::ChartMethod::Month}, {"year", chart::ChartMethod::Year},
    {"small", chart::ChartMethod::SmallFlying}, {"yin", chart::ChartMethod::YinPlate}};

// "yin1".."yin9", "yang1".."yang9" or "random" → the given-ju value (1..9
// yin, 11..19 yang).
int parseGivenJu(const std::string& text) {
    if (text == "random") {
        std::mt19937 generator(static_cast<unsigned>(std::time(nullptr)));
        int n = std::uniform_int_distribution<int>(1, 18)(generator);
        return n <= 9 ? n : n + 1;
    }
    for (auto [prefix, base] : {std::pair<std::string, int>{"yang", 10}, {"yin", 0}}) {
        if (text.size() == prefix.size() + 1 && text.compare(0, prefix.size(), prefix) == 0) {
            char digit = text.back();
            if (digit >= '1' && digit <= '9') return base + (digit - '0');
        }
    }
    throw CommandError("--ju takes yin1..yin9, yang1..yang9 or random, not \"" + text + "\"");
}

// A text input within its GBK byte limit.
std::string checkedText(const std::string& text, std::size_t maxBytes, const char* what) {
    std::size_t bytes = 0;
    try {
        bytes = text::gbkLength(text);
    } catch (const text::EncodingError& e) {
        throw CommandError(std::string(what) + ": " + e.what());
    }
    if (bytes > maxBytes)
        throw CommandError(std::string(what) + " is " + std::to_string(bytes) + " GBK bytes; at most " +
                           std::to_string(maxBytes) + " fit");
    return text;
}

// "key=value" with an integer value → a settings change for this run.
std::pair<std::string, long> parseSettingOverride(const std::string& text) {
    auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0) throw CommandError("--set takes key=value, not \"" + text + "\"");
    std::string key = text.substr(0, eq);
    std::string value = text.substr(eq + 1);
    try {
        std::size_t used = 0;
        long number = std::stol(value, &used);
        if (used == value.size()) {
            chart::ChartSettings probe;
            if (!chart::setChartSetting(probe, key, number)) throw CommandError("--set: no chart setting \"" + key + "\"");
            return {key, number};
        }
    } catch (const std::logic_error&) {
    }
    throw CommandError("--set " + key + ": \"" + value + "\" is not a whole number");
}

std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

class ChartCommand : public Command {
public:
    std::string group() const override { return "chart"; }
    bool standalone() const override { return true; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = &group;
        sub->description("lay a chart (default: the hour chart of now)");
        sub->add_option("--method", method_, "hour, day, month, year, small or yin")->default_str("hour");
        sub->add_option("--at", at_, "\"YYYY-MM-DD HH:MM\" or now")->default_str("now");
        sub->add_flag("--lunar", lunar_, "--at is a lunar date");
        sub->add_flag("--leap", leap_, "the lunar month is a leap month");
        sub->add_option("--ju", ju_, "lay the hour chart of a given ju: yin1..yin9, yang1..yang9 or random");
        sub->add_option("--name", name_, "求测人");
        sub->add_option("--matter", matter_, "占问事宜");
        sub->add_option("--place", place_, "预测地");
        sub->add_option("--lon", longitude_, "longitude, degrees east")->check(CLI::Range(-180.0, 180.0));
        sub->add_option("--lat", latitude_, "latitude, degrees north")->check(CLI::Range(-90.0, 90.0));
        sub->add_option("--set", settings_, "override a chart setting of dat/set.ini for this run (key=value)");
        sub->add_flag("--json", json_, "print the computed record, the text and its styled ranges as JSON");
        sub->add_flag("--color", color_, "colour the landmarks with ANSI escapes");
        sub->add_flag("--gbk", gbk_, "write the exact GBK bytes with CR LF line ends");
        return sub;
    }

    int run(CommandContext& context) override {
        chart::ChartRequest request;
        auto method = kMethods.find(method_);
        if (method == kMethods.end()) throw CommandError("--method takes hour, day, month, year, small or yin");
        request.method = method->second;
        if (!ju_.empty()) {
            if (request.method != chart::ChartMethod::Hour) throw CommandError("--ju lays an hour chart only");
            request.method = chart::ChartMethod::GivenJuHour;
            request.givenJu = static_cast<std::uint8_t>(parseGivenJu(ju_));
        }
        request.lunarInput = lunar_;
        request.leapMonth = leap_;
        if (leap_ && !lunar_) throw CommandError("--leap goes with --lunar");
        request.inputDate = lunar_ ? parseLunarMoment(at_ == "now" ? formatMoment(context.now()) : at_)
                                   : parseMoment(at_, context.now);
        request.askerName = checkedText(name_, chart::kAskerNameMaxBytes, "--name");
        request.matter = checkedText(matter_, chart::kMatterMaxBytes, "--matter");
        request.placeName = checkedText(place_, chart::kPlaceNameMaxBytes, "--place");
        request.longitude = static_cast<float>(longitude_);
        request.latitude = static_cast<float>(latitude_);

        std::vector<std::pair<std::string, long>> overrides;
        for (const auto& s : settings_) overrides.push_back(parseSettingOverride(s));

        std::optional<output::StyledText> styled;
        chart::ChartEnvironment environment;
        environment.dataRoot = preparedDataRoot();
        environment.adjustSettings = [&](chart::ChartSettings& settings) {
            for (const auto& [key, value] : overrides) chart::setChartSetting(settings, key, value);
        };
        environment.showOutput = [&](output::StyledText&& text) { styled = std::move(text); };

        auto record = std::make_unique<chart::ChartRecord>();
        if (!chart::drawChart(*record, request, environment)) throw CommandError(record->errorText);
        output::StyledText shown = styled.value_or(output::StyledText{});

        if (json_) {
            nlohmann::json j = chartRecordJson(*record);
            j["output"] = styledTextJson(shown);
            if (!record->memoText.empty()) j["memo"] = record->memoText;
            context.out << j.dump(2) << '\n';
        } else if (gbk_) {
            context.out << text::utf8ToGbk(shown.text);
        } else if (color_) {
            context.out << withoutCarriageReturns(output::renderAnsi(shown));
        } else {
            context.out << withoutCarriageReturns(shown.text);
        }
        return 0;
    }

private:
    std::string method_ = "hour";
    std::string at_ = "now";
    bool lunar_ = false;
    bool leap_ = false;
    std::string ju_;
    std::string name_;
    std::string matter_;
    std::string place_;
    double longitude_ = 120.0;
    double latitude_ = 30.0;
    std::vector<std::string> settings_;
    bool json_ = false;
    bool color_ = false;
    bool gbk_ = false;
};

}  // namespace

void addChartCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<ChartCommand>());
}

}  // namespace qimen::cli

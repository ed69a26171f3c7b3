// Chart request options: parsing and checking of each input.
#include "chart_request_options.hpp"

#include <climits>
#include <ctime>
#include <map>
#include <random>

#include "date_argument.hpp"
#include "places/place_table.hpp"
#include "user_data.hpp"
#include "text/gbk.hpp"
#include "text/number_text.hpp"

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

bool given(const CLI::Option* option) { return option != nullptr && option->count() > 0; }

}  // namespace

std::pair<std::string, long> parseSettingOverride(const std::string& text) {
    auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0) throw CommandError("--set takes key=value, not \"" + text + "\"");
    std::string key = text.substr(0, eq);
    std::string value = text.substr(eq + 1);
    auto number = text::parseDecimalInteger(value);
    if (!number || *number < LONG_MIN || *number > LONG_MAX)
        throw CommandError("--set " + key + ": \"" + value + "\" is not a whole number");
    chart::ChartSettings probe;
    if (!chart::setChartSetting(probe, key, static_cast<long>(*number)))
        throw CommandError("--set: no chart setting \"" + key + "\"");
    return {key, static_cast<long>(*number)};
}

namespace {

std::string degreesProblem(const std::string& text, double limit) {
    auto value = text::parseDecimalNumber(text);
    if (value && *value >= -limit && *value <= limit) return {};
    return "takes decimal degrees in " + std::to_string(int(-limit)) + ".." + std::to_string(int(limit)) + ", not \"" +
           text + "\"";
}

}  // namespace

CLI::Validator decimalDegrees(double limit) {
    return CLI::Validator([limit](std::string& text) { return degreesProblem(text, limit); }, "DEGREES");
}

double parseDegrees(const std::string& text, double limit, const char* what) {
    if (auto problem = degreesProblem(text, limit); !problem.empty()) throw CommandError(std::string(what) + " " + problem);
    return *text::parseDecimalNumber(text);
}

std::string checkedGbkText(const std::string& text, std::size_t maxBytes, const char* what) {
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

void ChartRequestOptions::attachMoment(CLI::App& app) {
    atOption_ = app.add_option("--at", at_, "\"YYYY-MM-DD HH:MM\" or now")->default_str("now");
    lunarOption_ = app.add_flag("--lunar", lunar_, "--at is a lunar date");
    leapOption_ = app.add_flag("--leap", leap_, "the lunar month is a leap month");
}

void ChartRequestOptions::attachTexts(CLI::App& app) {
    nameOption_ = app.add_option("--name", name_, "求测人");
    matterOption_ = app.add_option("--matter", matter_, "占问事宜");
}

void ChartRequestOptions::attachLayout(CLI::App& app) {
    app.add_option("--method", method_, "hour, day, month, year, small or yin")->default_str("hour");
    app.add_option("--ju", ju_, "lay the hour chart of a given ju: yin1..yin9, yang1..yang9 or random");
    app.add_option("--place", place_, "预测地 as 省-市 of the place table (default 未知地: 120 E, 30 N)");
    app.add_option("--set", settings_, "override a chart setting of dat/set.ini for this run (key=value)");
}

void ChartRequestOptions::attachCoordinates(CLI::App& app) {
    lonOption_ = app.add_option("--lon", longitude_, "longitude, decimal degrees east, instead of the place's")
                     ->check(decimalDegrees(180.0));
    latOption_ = app.add_option("--lat", latitude_, "latitude, decimal degrees north, instead of the place's")
                     ->check(decimalDegrees(90.0));
}

void ChartRequestOptions::attachAll(CLI::App& app) {
    attachLayout(app);
    attachMoment(app);
    attachTexts(app);
}

ChartRequestOptions::Moment ChartRequestOptions::moment(const CommandContext& context) const {
    if (leap_ && !lunar_) throw CommandError("--leap goes with --lunar");
    Moment m;
    m.lunarInput = lunar_;
    m.leapMonth = leap_;
    m.date = lunar_ ? parseLunarMoment(at_ == "now" ? formatMoment(context.now()) : at_) : parseChartMoment(at_, context.now);
    return m;
}

chart::ChartRequest ChartRequestOptions::request(const CommandContext& context) const {
    chart::ChartRequest request;
    auto method = kMethods.find(method_);
    if (method == kMethods.end()) throw CommandError("--method takes hour, day, month, year, small or yin");
    request.method = method->second;
    if (!ju_.empty()) {
        if (request.method != chart::ChartMethod::Hour) throw CommandError("--ju lays an hour chart only");
        request.method = chart::ChartMethod::GivenJuHour;
        request.givenJu = static_cast<std::uint8_t>(parseGivenJu(ju_));
    }
    Moment m = moment(context);
    request.lunarInput = m.lunarInput;
    request.leapMonth = m.leapMonth;
    request.inputDate = m.date;
    request.askerName = askerName();
    request.matter = matter();
    auto place = this->place();
    request.provinceIndex = static_cast<std::int16_t>(place.provinceItem);
    request.cityIndex = static_cast<std::int16_t>(place.cityItem);
    // Without --place the chart's place line stays empty, as it always was
    // for the tool; the coordinates are those of 未知地.
    request.placeName = place_.empty() ? "" : workflow::placeNameOf(place.provinceItem, place.city.name);
    request.longitude =
        given(lonOption_) ? static_cast<float>(parseDegrees(longitude_, 180.0, "--lon")) : place.city.longitude;
    request.latitude =
        given(latOption_) ? static_cast<float>(parseDegrees(latitude_, 90.0, "--lat")) : place.city.latitude;
    for (const auto& s : settings_) parseSettingOverride(s);
    return request;
}

workflow::PlaceChoice ChartRequestOptions::place() const {
    if (place_.empty()) return workflow::PlaceChoice{};
    places::PlaceTable table(preparedDataRoot());
    if (!table.error().empty()) throw CommandError(table.error());
    auto found = workflow::findPlace(table, place_);
    if (!found)
        throw CommandError("--place: \"" + place_ + "\" is not in the place table (省-市, see qimen places list)");
    return *found;
}

bool ChartRequestOptions::momentGiven() const { return given(atOption_) || given(lunarOption_) || given(leapOption_); }
bool ChartRequestOptions::atGiven() const { return given(atOption_); }
bool ChartRequestOptions::nameGiven() const { return given(nameOption_); }
bool ChartRequestOptions::matterGiven() const { return given(matterOption_); }

std::string ChartRequestOptions::askerName() const {
    return checkedGbkText(name_, chart::kAskerNameMaxBytes, "--name");
}
std::string ChartRequestOptions::matter() const { return checkedGbkText(matter_, chart::kMatterMaxBytes, "--matter"); }

std::function<void(chart::ChartSettings&)> ChartRequestOptions::settingsAdjustment() const {
    std::vector<std::pair<std::string, long>> overrides;
    for (const auto& s : settings_) overrides.push_back(parseSettingOverride(s));
    return [overrides](chart::ChartSettings& settings) {
        for (const auto& [key, value] : overrides) chart::setChartSetting(settings, key, value);
    };
}

workflow::ChartEnvironment ChartRequestOptions::environment(const std::filesystem::path& dataRoot,
                                                        const CommandContext& context) const {
    workflow::ChartEnvironment environment;
    environment.dataRoot = dataRoot;
    environment.adjustSettings = settingsAdjustment();
    environment.showWarning = [&err = context.err](const std::string& problem) {
        err << "qimen: warning: " << problem << '\n';
    };
    return environment;
}

}  // namespace qimen::cli

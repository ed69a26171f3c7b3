// The inputs of a chart request as command-line options, shared by
// `qimen chart`, `qimen cases add` and `qimen cases edit` so that all three
// take and check them alike.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "chart/chart_record.hpp"
#include "chart/chart_settings.hpp"
#include "command.hpp"
#include "workflow/chart_driver.hpp"
#include "workflow/city_list.hpp"

namespace qimen::cli {

class ChartRequestOptions {
public:
    // --at, --lunar, --leap: the moment of the chart.
    void attachMoment(CLI::App& app);
    // --name, --matter: the asker and the matter asked about.
    void attachTexts(CLI::App& app);
    // --method, --ju, --place, --set: how and where the chart is laid.
    void attachLayout(CLI::App& app);
    // --lon, --lat: coordinates instead of the place's (a chart only; a case
    // keeps the coordinates of its place, as the window stores them).
    void attachCoordinates(CLI::App& app);
    // Moment, texts and layout (not the coordinates).
    void attachAll(CLI::App& app);

    // The request from the options (defaults for those not given: the hour
    // chart of now, empty texts, 未知地 at 120° E 30° N). Throws CommandError
    // with one line for a bad method, ju, date format, a place not in the
    // place table, or a text over its GBK byte limit. Whether the day exists
    // is the chart's answer ("不存在这个日期").
    chart::ChartRequest request(const CommandContext& context) const;

    // The moment alone: the input date (astronomical year), lunarInput and
    // leapMonth. Throws CommandError like request().
    struct Moment {
        calendar::CivilDateTime date;
        bool lunarInput = false;
        bool leapMonth = false;
    };
    Moment moment(const CommandContext& context) const;

    // Whether the moment (--at, --lunar or --leap), --name or --matter was
    // given on the command line.
    bool momentGiven() const;
    bool atGiven() const;
    bool nameGiven() const;
    bool matterGiven() const;
    // The texts as given (UTF-8, checked against their GBK limits).
    std::string askerName() const;
    std::string matter() const;

    // The place of --place (未知地 when not given), looked up in the place
    // table of the data root.
    workflow::PlaceChoice place() const;
    bool placeGiven() const { return !place_.empty(); }

    // Applies the --set overrides to settings read from dat/set.ini; checked
    // when the request is built.
    std::function<void(chart::ChartSettings&)> settingsAdjustment() const;

    // What a chart run of this command reads: the data root, the --set
    // overrides, and a warning line on standard error for a damaged set.ini.
    workflow::ChartEnvironment environment(const std::filesystem::path& dataRoot, const CommandContext& context) const;

private:
    std::string method_ = "hour";
    std::string at_ = "now";
    bool lunar_ = false;
    bool leap_ = false;
    std::string ju_;
    std::string name_;
    std::string matter_;
    std::string place_;
    std::string longitude_ = "120";
    std::string latitude_ = "30";
    std::vector<std::string> settings_;
    CLI::Option* atOption_ = nullptr;
    CLI::Option* lunarOption_ = nullptr;
    CLI::Option* leapOption_ = nullptr;
    CLI::Option* nameOption_ = nullptr;
    CLI::Option* matterOption_ = nullptr;
    CLI::Option* lonOption_ = nullptr;
    CLI::Option* latOption_ = nullptr;
};

// "key=value" naming a chart setting and a whole number → the change for one
// run; CommandError with one line otherwise.
std::pair<std::string, long> parseSettingOverride(const std::string& text);

// A decimal number of degrees in -limit..limit (no hex, exponent, nan or
// inf), else CommandError naming `what`.
double parseDegrees(const std::string& text, double limit, const char* what);
// The same rule as an option check: anything else is a usage error (exit 2).
CLI::Validator decimalDegrees(double limit);

// A text within its GBK byte limit, else CommandError naming `what`.
std::string checkedGbkText(const std::string& text, std::size_t maxBytes, const char* what);

}  // namespace qimen::cli

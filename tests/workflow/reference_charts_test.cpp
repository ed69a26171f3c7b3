// Whole chart texts against the reference files of tests/data/charts: one
// per method and for the settings that change the text. Run the tests with
// QIMEN_REGENERATE=1 to rewrite the files; a change then shows as a diff.
// Each reference has a companion listing its styled ranges.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../render/chart_text_fixture.hpp"
#include "render/chart_output.hpp"
#include "workflow/chart_driver.hpp"

namespace qimen::workflow {
namespace {

using namespace render;
using namespace render::testing;

struct ReferenceCase {
    const char* name;
    ChartRequest request;
    ChartSettings settings;
};

ChartSettings with(void (*change)(ChartSettings&)) {
    ChartSettings settings;
    change(settings);
    return settings;
}

ChartRequest lunarRequest(CivilDateTime lunar, bool leap) {
    ChartRequest request = requestFor(ChartMethod::Hour, lunar);
    request.lunarInput = true;
    request.leapMonth = leap;
    return request;
}

ChartRequest givenJuRequest(int givenJu) {
    ChartRequest request = requestFor(ChartMethod::GivenJuHour, {2008, 8, 8, 20, 8});
    request.givenJu = static_cast<std::uint8_t>(givenJu);
    return request;
}

const CivilDateTime kOlympics{2008, 8, 8, 20, 8};

std::vector<ReferenceCase> referenceCases() {
    return {
        {"hour_rotating", requestFor(ChartMethod::Hour, kOlympics), {}},
        {"hour_rotating_shen1_yang", requestFor(ChartMethod::Hour, {2024, 3, 15, 10, 30}),
         with([](ChartSettings& s) { s.shen = 1; })},
        {"hour_flying", requestFor(ChartMethod::Hour, kOlympics), with([](ChartSettings& s) { s.pan = 1; })},
        {"hour_flying_jiugong", requestFor(ChartMethod::Hour, {2024, 3, 15, 10, 30}),
         with([](ChartSettings& s) { s.pan = 1; s.jiugong = true; })},
        {"hour_angan1", requestFor(ChartMethod::Hour, kOlympics), with([](ChartSettings& s) { s.angan = 1; })},
        {"hour_angan2", requestFor(ChartMethod::Hour, {1999, 12, 31, 23, 30}),
         with([](ChartSettings& s) { s.angan = 2; })},
        {"hour_jiugong", requestFor(ChartMethod::Hour, kOlympics), with([](ChartSettings& s) { s.jiugong = true; })},
        {"hour_sun", requestFor(ChartMethod::Hour, {2008, 8, 8, 0, 20}), with([](ChartSettings& s) { s.sun = true; })},
        {"hour_zhirun", requestFor(ChartMethod::Hour, kOlympics), with([](ChartSettings& s) { s.ju = 1; })},
        {"hour_given_ju_yang3", givenJuRequest(13), {}},
        {"hour_lunar_new_year_gap", requestFor(ChartMethod::Hour, {2008, 2, 5, 12, 0}), {}},
        {"hour_lunar_input", lunarRequest({2008, 1, 1, 9, 0}, false), {}},
        {"hour_leap_month", lunarRequest({2006, 7, 15, 21, 45}, true), {}},
        {"day", requestFor(ChartMethod::Day, kOlympics), {}},
        {"day_jiugong", requestFor(ChartMethod::Day, {2024, 1, 3, 8, 0}), with([](ChartSettings& s) { s.jiugong = true; })},
        {"month", requestFor(ChartMethod::Month, kOlympics), {}},
        {"month_jiugong", requestFor(ChartMethod::Month, {2024, 1, 3, 8, 0}), with([](ChartSettings& s) { s.jiugong = true; })},
        {"year", requestFor(ChartMethod::Year, kOlympics), {}},
        {"year_jiugong", requestFor(ChartMethod::Year, {1984, 1, 20, 8, 0}), with([](ChartSettings& s) { s.jiugong = true; })},
        {"small_chart", requestFor(ChartMethod::SmallFlying, kOlympics), {}},
        {"yin_plate", requestFor(ChartMethod::YinPlate, kOlympics), {}},
        {"yin_plate_selyue", requestFor(ChartMethod::YinPlate, {2024, 3, 15, 10, 30}),
         with([](ChartSettings& s) { s.selyue = 1; })},
    };
}

std::string colourName(const StyledRange& range) {
    if (!range.colour) return "-";
    if (*range.colour == kRed) return "red";
    if (*range.colour == kBlue) return "blue";
    return "other";
}

// One line per range: attributes and the text it covers, line breaks shown
// as \r\n; a range reaching the end of a long text shows its first line.
std::string describeRanges(const StyledText& styled) {
    std::ostringstream out;
    for (const StyledRange& range : styled.ranges) {
        std::string covered = styled.text.substr(range.start, range.length);
        std::size_t cut = covered.find("\r\n");
        bool shortened = cut != std::string::npos && cut + 2 < covered.size();
        if (shortened) covered = covered.substr(0, cut) + "\\r\\n…";
        std::string shown;
        for (char c : covered) {
            if (c == '\r') shown += "\\r";
            else if (c == '\n') shown += "\\n";
            else shown += c;
        }
        out << colourName(range) << (range.bold ? " bold" : "") << " size" << range.sizeDelta << " @" << range.charStart
            << "+" << range.charLength << ": " << shown << "\n";
    }
    return out.str();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

bool regenerating() {
    const char* value = std::getenv("QIMEN_REGENERATE");
    return value != nullptr && std::string_view(value) == "1";
}

class ReferenceChart : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceChart, WholeTextAndStylesMatchTheReviewedReference) {
    const ReferenceCase& c = GetParam();
    // The whole chart run: the driver reads no settings file from a data
    // root without dat/ and takes the case's settings instead.
    ChartRecord record;
    std::optional<StyledText> styled;
    workflow::ChartEnvironment environment;
    environment.dataRoot = std::filesystem::path(QIMEN_TEST_DATA_DIR) / "none";
    environment.adjustSettings = [&](chart::ChartSettings& settings) { settings = c.settings; };
    environment.showOutput = [&](StyledText&& text) { styled = std::move(text); };
    ASSERT_TRUE(workflow::drawChart(record, c.request, environment)) << record.errorText;
    ASSERT_TRUE(styled);
    std::string styles = describeRanges(*styled);
    std::filesystem::path dir = std::filesystem::path(QIMEN_SOURCE_DIR) / "tests/data/charts";
    std::filesystem::path textPath = dir / (std::string(c.name) + ".txt");
    std::filesystem::path stylesPath = dir / (std::string(c.name) + ".styles.txt");
    if (regenerating()) {
        std::filesystem::create_directories(dir);
        writeFile(textPath, styled->text);
        writeFile(stylesPath, styles);
    }
    ASSERT_TRUE(std::filesystem::exists(textPath)) << textPath << " is missing; run with QIMEN_REGENERATE=1";
    EXPECT_EQ(styled->text, readFile(textPath)) << "chart text of " << c.name << " differs from " << textPath;
    EXPECT_EQ(styles, readFile(stylesPath)) << "styles of " << c.name << " differ from " << stylesPath;
}

INSTANTIATE_TEST_SUITE_P(Charts, ReferenceChart, ::testing::ValuesIn(referenceCases()),
                         [](const ::testing::TestParamInfo<ReferenceCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::workflow

// The custom printout's run and text rules that the reference printouts do
// not show: its refusals in the order of the run, the shape of every line
// over a year of charts, the leader-star alias standing for 禽, and hidden
// stems that change no text.
#include <gtest/gtest.h>

#include "custom_chart_support.hpp"
#include "text/gbk.hpp"

namespace qimen::workflow {
namespace {

using namespace testing;

struct Refusal {
    const char* name;
    ChartMethod method;
    CivilDateTime moment;
    ChartSettings settings;
    const char* message;
};

ChartSettings with(void (*change)(ChartSettings&)) {
    ChartSettings settings;
    change(settings);
    return settings;
}

class CustomChartRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CustomChartRefusal, FailsWithTheSystemsMessage) {
    const Refusal& r = GetParam();
    ChartRequest request = hourRequest(r.moment);
    request.method = r.method;
    request.givenJu = 13;
    ChartRecord record;
    auto text = customChart(record, request, defaultClass(), r.settings);
    ASSERT_FALSE(text);
    EXPECT_EQ(text.message(), r.message);
    EXPECT_EQ(record.errorText, r.message);
}

const CivilDateTime kMoment{2008, 8, 8, 20, 8};
constexpr const char* kHourOnly = "只有时家转盘才能显示自定义奇门盘!";

INSTANTIATE_TEST_SUITE_P(
    Runs, CustomChartRefusal,
    ::testing::Values(Refusal{"DayChart", ChartMethod::Day, kMoment, {}, kHourOnly},
                      Refusal{"MonthChart", ChartMethod::Month, kMoment, {}, kHourOnly},
                      Refusal{"YearChart", ChartMethod::Year, kMoment, {}, kHourOnly},
                      Refusal{"SmallChart", ChartMethod::SmallFlying, kMoment, {}, kHourOnly},
                      Refusal{"YinPlate", ChartMethod::YinPlate, kMoment, {}, kHourOnly},
                      Refusal{"GivenJu", ChartMethod::GivenJuHour, kMoment, {}, kHourOnly},
                      Refusal{"FlyingPlate", ChartMethod::Hour, kMoment, with([](ChartSettings& s) { s.pan = 1; }),
                              kHourOnly},
                      // The moment is validated before the method is looked at.
                      Refusal{"InvalidDateFirst", ChartMethod::Day, {2001, 2, 29, 10, 0}, {}, "不存在这个日期"},
                      Refusal{"IntercalationBefore1900", ChartMethod::Hour, {1899, 6, 1, 10, 0},
                              with([](ChartSettings& s) { s.ju = 1; }), "置闰法起局只能用于1900-2050年。"},
                      Refusal{"IntercalationAfter2050", ChartMethod::Hour, {2051, 6, 1, 10, 0},
                              with([](ChartSettings& s) { s.ju = 1; }), "置闰法起局只能用于1900-2050年。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CustomChart, SplitComplementChartsTheYearsIntercalationRefuses) {
    ChartRecord record;
    EXPECT_TRUE(customChart(record, hourRequest({1899, 6, 1, 10, 0}), defaultClass()));
}

// Every two hours of every fifth day of a year, with the settings that
// change the plate or the text turned in turn and a class whose aliases a
// damaged file left short or ASCII: 26 lines, each of 34 full-width
// characters after the title, and exactly two "┄" (the 芮 cell's heaven
// stems, 坤's earth stems).
void expectGridShape(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 26u);
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(text::gbkLength(lines[i]), 68u) << "line " << i;
    std::size_t pairs = 0;
    for (std::size_t at = text.find("┄"); at != std::string::npos; at = text.find("┄", at + 1)) ++pairs;
    EXPECT_EQ(pairs, 2u);
}

TEST(CustomChart, EveryLineKeepsTheGridsShape) {
    CustomClass damaged = markedClass();
    damaged.stars[1] = "ab";
    damaged.doors[0] = "";
    damaged.palaces[3] = "长长长";
    const CustomClass classes[] = {defaultClass(), singleCharacterClass(), markedClass(), damaged};
    ChartRecord record;
    int run = 0;
    for (std::int16_t month = 1; month <= 12; ++month) {
        for (std::int16_t day = 1; day <= 28; day += 5) {
            for (std::int16_t hour = 0; hour < 24; hour += 2, ++run) {
                ChartSettings settings;
                settings.shen = run % 2;
                settings.jiugong = run % 3 == 0;
                settings.zhifu = run % 5 == 0;
                settings.tianyi = run % 7 == 0;
                settings.angan = static_cast<std::uint8_t>(run % 3);
                auto text = customChart(record, hourRequest({2008, month, day, hour, 30}), classes[run % 4], settings);
                ASSERT_TRUE(text) << text.message();
                expectGridShape(*text);
                if (::testing::Test::HasFailure()) FAIL() << "run " << run << ":\n" << *text;
            }
        }
    }
}

// 2008-08-01 08:08 (癸酉 day, 丙辰 hour, 阴遁一局): the xun 甲子 hides under 戊,
// which yin 1 lays in the centre, so 天禽 is the 值符 and the 芮 cell's
// second star takes the leader-star alias.
TEST(CustomChart, LeaderStarAliasStandsForQinInTheRuiCell) {
    ChartRecord record;
    CustomClass aliases = markedClass();
    auto plain = customChart(record, hourRequest({2008, 8, 1, 8, 8}), aliases);
    ASSERT_TRUE(plain);
    ASSERT_EQ(record.leaderStar, chart::kStarQin);
    EXPECT_NE(plain->find("│芮星禽星　"), std::string::npos);
    aliases.useLeaderStar = true;
    auto leader = customChart(record, hourRequest({2008, 8, 1, 8, 8}), aliases);
    ASSERT_TRUE(leader);
    EXPECT_NE(leader->find("│芮星领星　"), std::string::npos);
    EXPECT_EQ(leader->find("禽星"), std::string::npos);
}

TEST(CustomChart, HiddenStemsAreLaidButNotPrinted) {
    ChartRecord plain, hidden;
    auto withoutStems = customChart(plain, hourRequest(kMoment), markedClass());
    auto withStems = customChart(hidden, hourRequest(kMoment), markedClass(), with([](ChartSettings& s) { s.angan = 1; }));
    ASSERT_TRUE(withoutStems && withStems);
    EXPECT_EQ(*withoutStems, *withStems);
    EXPECT_NE(hidden.cells, plain.cells);
}

}  // namespace
}  // namespace qimen::workflow

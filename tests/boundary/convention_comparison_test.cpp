// Two conventions side by side: 拆补法 against 置闰法 on a day they differ
// and on one they agree, the day change, the 月将, the plate, and refusals.
#include <algorithm>

#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "boundary/convention_comparison.hpp"
#include "workflow/chart_driver.hpp"

namespace {

using namespace qimen;
using calendar::CivilDateTime;
using chart::ChartMethod;
using chart::ChartRequest;
using chart::Convention;

class Comparison : public ::testing::Test {
protected:
    Expected<boundary::ConventionComparison> compare(CivilDateTime at, Convention convention,
                                                     ChartMethod method = ChartMethod::Hour, int givenJu = 0) {
        ChartRequest request;
        request.method = method;
        request.givenJu = static_cast<std::uint8_t>(givenJu);
        request.inputDate = at;
        workflow::ChartEnvironment environment;
        environment.dataRoot = root_.path();
        EXPECT_TRUE(workflow::drawChart(record_, request, environment)) << record_.errorText;
        return boundary::compareConventions(request, record_, convention);
    }

    qimen::testing::TempDataRoot root_;
    chart::ChartRecord record_;
};

// 2024-02-02: 拆补法 still counts 大寒 (yang 3) until the term; 置闰法 has
// begun 立春 at the 符头 (yang 8).
TEST_F(Comparison, SplitComplementAgainstIntercalationOnADayTheyDiffer) {
    auto c = compare({2024, 2, 2, 10, 0}, Convention::Ju);
    ASSERT_TRUE(c.ok()) << c.message();
    EXPECT_EQ(c->sides[0].title, "拆补法");
    EXPECT_EQ(c->sides[1].title, "置闰法");
    EXPECT_EQ(c->sides[0].record.ju, 3);
    EXPECT_EQ(c->sides[1].record.ju, 8);
    EXPECT_FALSE(c->identical());
    EXPECT_EQ(c->differingItems.front(), "局数");
    int differing = 0;
    for (int g = 0; g < 9; ++g) {
        bool same = c->sides[0].record.cells[g] == c->sides[1].record.cells[g];
        EXPECT_EQ(c->cellDiffers[g], !same) << g;
        differing += same ? 0 : 1;
    }
    EXPECT_GT(differing, 0);

    std::string text = boundary::sideBySideText(*c);
    EXPECT_EQ(text.find("拆补法"), 0u);
    EXPECT_NE(text.find("置闰法"), std::string::npos);
    EXPECT_NE(text.find("┃"), std::string::npos);  // differing palaces drawn heavy
    EXPECT_NE(text.find("\n不同："), std::string::npos);
    EXPECT_TRUE(text.ends_with("坎1宫、乾6宫、局数、值符、值使\n")) << text;
    EXPECT_EQ(text.find("两种方法此刻相同"), std::string::npos);
    // Title, three summary lines and the 16 grid lines hold both sides.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
}

TEST_F(Comparison, IdenticalChartsSaySo) {
    auto c = compare({2024, 2, 10, 10, 0}, Convention::Ju);
    ASSERT_TRUE(c.ok()) << c.message();
    EXPECT_TRUE(c->identical());
    std::string text = boundary::sideBySideText(*c);
    EXPECT_EQ(text.find("┃"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\n两种方法此刻相同\n")) << text;
}

TEST_F(Comparison, DayChangeMonthGeneralAndPlate) {
    auto zishi = compare({2000, 1, 1, 23, 30}, Convention::Zishi);
    ASSERT_TRUE(zishi.ok()) << zishi.message();
    EXPECT_EQ(zishi->sides[0].record.dayGZ, 56);
    EXPECT_EQ(zishi->sides[1].record.dayGZ, 55);
    EXPECT_EQ(zishi->differingItems.front(), "日柱");

    // Between 立春 and 雨水 the month pillar's general (亥) is ahead of the
    // principal term's (子); after 雨水 they agree.
    auto general = compare({2024, 2, 10, 10, 0}, Convention::Yuejiang);
    ASSERT_TRUE(general.ok()) << general.message();
    EXPECT_EQ(general->differingItems, std::vector<std::string>{"月将"});
    EXPECT_EQ(general->sides[0].record.monthGeneral, 0);  // 亥
    EXPECT_EQ(general->sides[1].record.monthGeneral, 1);  // 子
    EXPECT_TRUE(compare({2024, 2, 25, 10, 0}, Convention::Yuejiang)->identical());

    auto plate = compare({2024, 2, 10, 10, 0}, Convention::Pan);
    ASSERT_TRUE(plate.ok()) << plate.message();
    EXPECT_EQ(plate->sides[1].title, "飞盘");
    EXPECT_EQ(plate->sides[0].gridLines.size(), 16u);  // 4 lines a row, 6 wide
    EXPECT_EQ(plate->sides[1].gridLines.size(), 13u);  // 3 lines a row, 5 wide
}

TEST_F(Comparison, RefusalsAreMessages) {
    auto day = compare({2024, 2, 10, 10, 0}, Convention::Ju, ChartMethod::Day);
    EXPECT_EQ(day.message(), boundary::kCompareHourChartsOnlyMessage);
    auto given = compare({2024, 2, 10, 10, 0}, Convention::Ju, ChartMethod::GivenJuHour, 13);
    EXPECT_EQ(given.message(), boundary::kCompareGivenJuMessage);
    EXPECT_TRUE(compare({2024, 2, 10, 10, 0}, Convention::Pan, ChartMethod::GivenJuHour, 13).ok());
    EXPECT_EQ(compare({1899, 6, 1, 10, 0}, Convention::Ju).message(), "置闰法起局只能用于1900-2050年。");
}

}  // namespace

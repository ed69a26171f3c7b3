// What the window shows of the boundary report and of a comparison: the
// strip's lines and details, the refusals of 对照, and the styled sides
// whose red ranges cover exactly the differing palaces.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "workflow/chart_driver.hpp"
#include "workflow/chart_warnings.hpp"

namespace {

using namespace qimen;
using calendar::CivilDateTime;
using chart::ChartMethod;
using chart::ChartRequest;

struct Said {
    std::string text, caption;
    workflow::Icon icon;
};

class RecordingPrompter : public workflow::Prompter {
public:
    void message(std::string_view text, std::string_view caption, workflow::Icon icon) override {
        said.push_back({std::string(text), std::string(caption), icon});
    }
    bool ask(std::string_view, std::string_view, workflow::Icon, bool) override { return false; }
    void focus(std::string_view) override {}
    std::vector<Said> said;
};

class ChartWarnings : public ::testing::Test {
protected:
    ChartRequest draw(CivilDateTime at, ChartMethod method = ChartMethod::Hour) {
        ChartRequest request;
        request.method = method;
        request.inputDate = at;
        workflow::ChartEnvironment environment;
        environment.dataRoot = root_.path();
        EXPECT_TRUE(workflow::drawChart(record_, request, environment));
        return request;
    }

    qimen::testing::TempDataRoot root_;
    chart::ChartRecord record_;
    RecordingPrompter prompter_;
};

TEST_F(ChartWarnings, StripLinesAndTheirDetails) {
    EXPECT_TRUE(workflow::warningStrip(draw({2024, 2, 4, 14, 0}), record_).empty());

    auto lines = workflow::warningStrip(draw({2024, 2, 4, 16, 26}), record_);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].caption, "交节");
    EXPECT_EQ(lines[0].text.rfind("注意：距立春（2024-02-04 16:27）还有1分钟", 0), 0u) << lines[0].text;
    EXPECT_NE(lines[0].details.find("本盘：\n　　钟点：2024-02-04 16:26\n　　农历：2023年十二月廿五\n"
                                    "　　四柱：癸卯年 乙丑月 戊戌日 庚申时\n　　遁局：阳遁三局\n　　月将：子\n"),
              std::string::npos)
        << lines[0].details;
    EXPECT_NE(lines[0].details.find("另一读法：\n　　钟点：2024-02-04 16:27\n　　农历："), std::string::npos)
        << lines[0].details;  // no true solar time named when the chart does not read it
    EXPECT_NE(lines[0].details.find("　　四柱：甲辰年 丙寅月 戊戌日 庚申时\n　　遁局：阳遁八局\n　　月将：亥\n"),
              std::string::npos);

    workflow::showWarningDetails(lines[0], prompter_);
    ASSERT_EQ(prompter_.said.size(), 1u);
    EXPECT_EQ(prompter_.said[0].text, lines[0].details);
    EXPECT_EQ(prompter_.said[0].caption, "注意");
    EXPECT_EQ(prompter_.said[0].icon, workflow::Icon::Warning);
}

TEST_F(ChartWarnings, CompareRefusesWithoutAValidHourChart) {
    ChartRequest hour = draw({2024, 2, 2, 10, 0});
    EXPECT_FALSE(workflow::compareCharted(false, hour, record_, chart::Convention::Ju, prompter_));
    ChartRequest day = draw({2024, 2, 2, 10, 0}, ChartMethod::Day);
    EXPECT_FALSE(workflow::compareCharted(true, day, record_, chart::Convention::Ju, prompter_));
    ASSERT_EQ(prompter_.said.size(), 2u);
    EXPECT_EQ(prompter_.said[0].text, "请先排一个正确的奇门盘");
    EXPECT_EQ(prompter_.said[0].caption, "先排盘");
    EXPECT_EQ(prompter_.said[1].text, "两种方法对照只用于时家奇门。");
    EXPECT_EQ(prompter_.said[1].caption, "提示");
}

// 2024-02-02 10:00: 拆补法 yang 3, 置闰法 yang 8 — every palace differs; on
// the 月将 comparison of 2024-02-10 no palace does.
TEST_F(ChartWarnings, StyledSidesMarkTheDifferingPalaces) {
    ChartRequest request = draw({2024, 2, 2, 10, 0});
    auto comparison = workflow::compareCharted(true, request, record_, chart::Convention::Ju, prompter_);
    ASSERT_TRUE(comparison);
    EXPECT_TRUE(prompter_.said.empty());
    for (int side = 0; side < 2; ++side) {
        render::StyledText styled = boundary::sideStyledText(*comparison, side);
        EXPECT_EQ(styled.text.rfind(side == 0 ? "拆补法\r\n" : "置闰法\r\n", 0), 0u);
        int red = 0;
        for (const render::StyledRange& r : styled.ranges) {
            std::string piece = styled.text.substr(r.start, r.length);
            EXPECT_EQ(piece.find("│"), std::string::npos) << piece;
            std::size_t before = 0;
            for (char c : styled.text.substr(0, r.start)) before += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            EXPECT_EQ(r.charStart, before);
            if (r.colour == render::kRed) ++red;
        }
        EXPECT_EQ(red, 9 * 4);  // nine palaces of four lines each
    }
    EXPECT_EQ(boundary::differencesText(*comparison).rfind("不同：巽4宫", 0), 0u);

    request = draw({2024, 2, 10, 10, 0});
    comparison = workflow::compareCharted(true, request, record_, chart::Convention::Yuejiang, prompter_);
    ASSERT_TRUE(comparison);
    EXPECT_EQ(boundary::sideStyledText(*comparison, 1).ranges.size(), 1u);  // the title only
    EXPECT_EQ(boundary::differencesText(*comparison), "不同：月将");
}

}  // namespace

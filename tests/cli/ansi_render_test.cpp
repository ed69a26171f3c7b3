// The terminal rendering of the styled chart text: colours and bold as SGR
// escapes around the unchanged text.
#include <gtest/gtest.h>

#include "../render/chart_text_fixture.hpp"
#include "ansi_render.hpp"
#include "render/chart_output.hpp"

namespace qimen::cli {
namespace {

using namespace render;
using namespace render::testing;

StyledText formatted(ChartRecord record) {
    std::optional<StyledText> styled = formatChartOutput(record, "/nonexistent-qimen-root");
    EXPECT_TRUE(styled);
    return styled.value_or(StyledText{});
}

TEST(AnsiRender, ColoursAndBoldBecomeSgrAndCloseBeforeEachLineBreak) {
    StyledText styled;
    styled.text = "ab\r\ncd";
    StyledRange red;
    red.start = 1;
    red.length = 4;
    red.colour = kRed;
    StyledRange bold;
    bold.start = 4;
    bold.length = 1;
    bold.bold = true;
    styled.ranges = {red, bold};
    EXPECT_EQ(renderAnsi(styled), "a\x1b[31mb\x1b[0m\r\n\x1b[1;31mc\x1b[0md");
}

TEST(AnsiRender, SizeChangesAloneLeaveTheTextPlain) {
    StyledText styled;
    styled.text = "小字";
    StyledRange smaller;
    smaller.length = styled.text.size();
    smaller.sizeDelta = -2;
    styled.ranges = {smaller};
    EXPECT_EQ(renderAnsi(styled), "小字");
}

TEST(AnsiRender, AChartKeepsItsTextBetweenTheEscapes) {
    StyledText styled = formatted(chartFor(requestFor(ChartMethod::Hour, {2008, 8, 8, 20, 8})));
    std::string rendered = renderAnsi(styled);
    std::string stripped;
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        if (rendered[i] == '\x1b') {
            i = rendered.find('m', i);
            continue;
        }
        stripped += rendered[i];
    }
    EXPECT_EQ(stripped, styled.text);
    EXPECT_NE(rendered.find("\x1b[34m※阴遁"), std::string::npos);
}

}  // namespace
}  // namespace qimen::cli

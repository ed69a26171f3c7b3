// Rules of the closing text: its lines on a chart, and the dialog's load
// and save steps.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "chart/chart_settings.hpp"
#include "render/chart_output.hpp"
#include "render/closing_text.hpp"
#include "text/gbk.hpp"

namespace qimen::render {
namespace {

void writeGbk(const std::filesystem::path& root, const std::string& utf8) {
    std::filesystem::create_directories(root / "dat");
    std::ofstream out(closingTextPath(root), std::ios::binary);
    out << text::utf8ToGbk(utf8);
}

TEST(ClosingText, EachLineOfTheFileIsAppendedWithCrLf) {
    qimen::testing::TempDataRoot root;
    writeGbk(root.path(), "命主：某\n电话：一二三\r\n地址：北京");
    chart::ChartRecord record;
    record.chartText = "分析\r\n";
    appendClosingText(record, root.path());
    EXPECT_EQ(record.chartText, "分析\r\n命主：某\r\n电话：一二三\r\n地址：北京\r\n");
}

TEST(ClosingText, AMissingFileAddsNothingAndIsNoError) {
    qimen::testing::TempDataRoot root;
    chart::ChartRecord record;
    record.chartText = "分析\r\n";
    appendClosingText(record, root.path());
    EXPECT_EQ(record.chartText, "分析\r\n");
}

TEST(ClosingText, BytesThatAreNotGbkStillShow) {
    qimen::testing::TempDataRoot root;
    std::filesystem::create_directories(root.dat());
    std::ofstream(closingTextPath(root.path()), std::ios::binary) << "ok\xFF\r\n";
    std::vector<std::string> lines = readClosingTextLines(root.path());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].starts_with("ok"));
}

struct SplitCase {
    const char* text;
    std::vector<std::string> lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, AFinalLineBreakStartsNoFurtherLine) { EXPECT_EQ(splitLines(GetParam().text), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Texts, SplitLines,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\nb\r\n", {"a", "b"}},
                                           SplitCase{"a\nb", {"a", "b"}}, SplitCase{"a\r\rb", {"a", "", "b"}},
                                           SplitCase{"\r\n", {""}}, SplitCase{"a\r\n\r\nb", {"a", "", "b"}}));

TEST(ClosingTextDialog, AnEmptyTextIsRefusedAndTheSettingKept) {
    qimen::testing::TempDataRoot root;
    ASSERT_TRUE(chart::writeEndInfoSetting(chart::chartSettingsPath(root.path()), false));
    Expected<void> result = saveClosingText(root.path(), "", true);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message(), "输入不能为空");
    EXPECT_FALSE(std::filesystem::exists(closingTextPath(root.path())));
    EXPECT_FALSE(chart::loadChartSettings(chart::chartSettingsPath(root.path())).endinfo);
}

TEST(ClosingTextDialog, SavedLinesAreGbkWithCrLfAndLoadBackWithTheSetting) {
    qimen::testing::TempDataRoot root;
    ASSERT_TRUE(saveClosingText(root.path(), "第一行\n第二行", true));
    std::vector<std::uint8_t> bytes = qimen::testing::fileBytes(closingTextPath(root.path()));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text::utf8ToGbk("第一行\r\n第二行\r\n"));
    ClosingTextState state = loadClosingText(root.path());
    EXPECT_EQ(state.text, "第一行\r\n第二行");
    EXPECT_TRUE(state.append);
}

TEST(ClosingTextDialog, ATextWithoutGbkFormIsRefusedWithoutWriting) {
    qimen::testing::TempDataRoot root;
    Expected<void> result = saveClosingText(root.path(), "emoji \xF0\x9F\x98\x80", true);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.message().empty());
    EXPECT_FALSE(std::filesystem::exists(closingTextPath(root.path())));
}

TEST(ClosingTextOnChart, StandsAfterTheAnalysisInItsReducedSize) {
    qimen::testing::TempDataRoot root;
    writeGbk(root.path(), "尾一\r\n尾二\r\n尾三\r\n");
    chart::ChartRecord record;
    record.settings.endinfo = true;
    record.chartText = std::string(100, ' ') + "※阴遁二局\r\n★直符\r\n" + std::string(60, ' ') + "天英　休门\r\n※综合分析\r\n";
    record.leaderStar = 0;
    record.leaderDoor = 1;
    std::optional<StyledText> styled = formatChartOutput(record, root.path());
    ASSERT_TRUE(styled);
    EXPECT_TRUE(styled->text.ends_with("※综合分析\r\n尾一\r\n尾二\r\n尾三\r\n"));
    auto smaller = std::find_if(styled->ranges.begin(), styled->ranges.end(),
                                [](const StyledRange& r) { return r.sizeDelta == -2; });
    ASSERT_NE(smaller, styled->ranges.end());
    EXPECT_EQ(smaller->start + smaller->length, styled->text.size());
    EXPECT_EQ(styled->text.substr(smaller->start, 3), "※");
}

TEST(ClosingTextOnChart, IsNotAddedWhileTheSettingIsOff) {
    qimen::testing::TempDataRoot root;
    writeGbk(root.path(), "尾一\r\n");
    chart::ChartRecord record;
    record.chartText = "图\r\n";
    std::optional<StyledText> styled = formatChartOutput(record, root.path());
    ASSERT_TRUE(styled);
    EXPECT_EQ(styled->text, "图\r\n");
}

}  // namespace
}  // namespace qimen::render

// Commentary files: what the writer makes reads back the same, and the reader
// takes the rich text of other editors and hostile input without failing.
#include <gtest/gtest.h>

#include "cases/rtf_reader.hpp"
#include "cases/rtf_writer.hpp"

namespace qimen::cases {
namespace {

TextStyle style(std::uint32_t colour, bool bold, int halfPoints) {
    TextStyle s;
    s.colour = colour;
    s.bold = bold;
    s.halfPoints = halfPoints;
    return s;
}

RichText chartLike() {
    RichText t;
    t.text = "时家奇门 阳遁三局\r\n┌──┬──┐\r\n│值符 {x}\\y\t甲│\r\n\r\n吉格：青龙返首";
    t.runs.push_back({0, 12, style(0xFF0000, true, 32)});
    auto pattern = t.text.find("吉格");
    t.runs.push_back({pattern, 6, style(0x0000FF, false, 24)});
    t.runs.push_back({pattern + 9, 6, style(0, true, 24)});
    return t;
}

TEST(Rtf, WrittenTextReadsBackWithItsStyles) {
    RichText original = chartLike();
    auto read = readRtf(writeRtf(original));
    ASSERT_TRUE(read.isRtf);
    EXPECT_EQ(read.text.text, original.text);
    EXPECT_EQ(read.text.runs, original.runs);
}

TEST(Rtf, FontFamilySlantAndUnderlineReadBack) {
    RichText original;
    original.text = "宋体正文 楷体斜 下划线 DejaVu";
    TextStyle kai = style(0x008000, false, 28), underlined = style(0, true, 24), latin = style(0, false, 20);
    kai.family = "楷体";
    kai.italic = true;
    underlined.underline = true;
    latin.family = "DejaVu Sans";
    latin.italic = latin.underline = true;
    original.runs.push_back({13, 10, kai});
    original.runs.push_back({23, 10, underlined});
    original.runs.push_back({33, 6, latin});
    auto read = readRtf(writeRtf(original, "宋体"));
    EXPECT_EQ(read.text.text, original.text);
    EXPECT_EQ(read.text.runs, original.runs);
}

TEST(Rtf, TheDocumentFontReadsAsTheDefaultFamily) {
    auto read = readRtf("{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\fswiss Arial;{\\f1\\fnil{\\*\\panose 0}Times;}}"
                        "\\f1 a\\f0 b\\f7 c\\i d\\i0\\ul e\\ulnone f}");
    EXPECT_EQ(read.text.text, "abcdef");
    ASSERT_EQ(read.text.runs.size(), 3u);
    TextStyle arial, italic, underlined;
    arial.family = "Arial";
    italic.italic = true;
    underlined.underline = true;
    EXPECT_EQ(read.text.runs[0], (RichRun{1, 1, arial}));
    EXPECT_EQ(read.text.runs[1], (RichRun{3, 1, italic}));
    EXPECT_EQ(read.text.runs[2], (RichRun{4, 1, underlined}));
}

TEST(Rtf, WriterOutputIsSevenBitWithGbkAndUnicodeForms) {
    RichText t;
    t.text = "中";
    auto rtf = writeRtf(t);
    for (unsigned char c : rtf) EXPECT_LT(c, 0x80);
    EXPECT_NE(rtf.find("\\ansicpg936"), std::string::npos);
    EXPECT_NE(rtf.find("\\uc2\\u20013\\'d6\\'d0"), std::string::npos);
}

TEST(Rtf, CharacterWithoutGbkFormKeepsItsUnicodeForm) {
    RichText t;
    t.text = "a😀b";
    EXPECT_EQ(readRtf(writeRtf(t)).text.text, "a😀b");
}

TEST(Rtf, ReadsTheRichTextOfAnotherEditor) {
    const char* rtf =
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 \\'cb\\'ce\\'cc\\'e5;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "{\\*\\generator Some Editor 1.0;}{\\info{\\author x}}\\viewkind4\\uc1\\pard\\sa200\\lang2052\\f0\\fs22 "
        "Plain {\\b bold} \\cf2 green\\cf0 \\par\n"
        "\\'d6\\'d0\\'ce\\'c4 \\u22269?\\line {\\pict\\wmetafile8 0102ff}end\\tab x\\~y\\unknownword42 z}";
    auto read = readRtf(rtf);
    ASSERT_TRUE(read.isRtf);
    EXPECT_EQ(read.text.text, "Plain bold green\r\n中文 国\r\nend\tx\u00A0yz");  // the space ends the control word
    ASSERT_GE(read.text.runs.size(), 2u);
    auto bold = read.text.text.find("bold");
    EXPECT_EQ(read.text.runs[0].begin, 0u);  // size 11 pt differs from the default
    bool sawBold = false, sawGreen = false;
    for (const auto& r : read.text.runs) {
        if (r.begin <= bold && bold < r.begin + r.length && r.style.bold) sawBold = true;
        if (r.style.colour == 0x008000) sawGreen = true;
    }
    EXPECT_TRUE(sawBold);
    EXPECT_TRUE(sawGreen);
}

TEST(Rtf, LatinCodePageBytesAreNotTakenForGbk) {
    auto read = readRtf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}");
    EXPECT_EQ(read.text.text, "café");
}

TEST(Rtf, PlainTextIsNotRtf) { EXPECT_FALSE(readRtf("just text").isRtf); }

struct HostileRtf {
    const char* name;
    std::string input;
};
class HostileRtfTest : public ::testing::TestWithParam<HostileRtf> {};
TEST_P(HostileRtfTest, IsReadWithoutFailing) {
    auto read = readRtf(GetParam().input);
    EXPECT_TRUE(read.isRtf);
    EXPECT_LE(read.text.text.size(), GetParam().input.size() * 4);
}
INSTANTIATE_TEST_SUITE_P(
    Corpus, HostileRtfTest,
    ::testing::Values(HostileRtf{"Unbalanced", "{\\rtf1 }}}}}{{{{ text \\b"},
                      HostileRtf{"DeepNesting", "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}')},
                      HostileRtf{"HugeParameters", "{\\rtf1\\fs99999999999999\\cf-999999999999\\uc999999999 \\u-99999999999 x}"},
                      HostileRtf{"TruncatedEscape", "{\\rtf1 \\'d"},
                      HostileRtf{"LoneSurrogate", "{\\rtf1 \\u-10179 x\\u-8704 y}"},
                      HostileRtf{"TrailingBackslash", "{\\rtf1 \\"},
                      HostileRtf{"ZeroBytes", std::string("{\\rtf1 a\0b}", 11)},
                      HostileRtf{"LongControlWord", "{\\rtf1 \\" + std::string(100000, 'a') + " x}"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::cases

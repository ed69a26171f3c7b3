// GBK conversion: round trips, byte lengths, and refusal of text that cannot
// be represented or decoded.
#include <gtest/gtest.h>

#include "text/gbk.hpp"

namespace {

using namespace qimen::text;

TEST(Gbk, ChineseTextRoundTripsWithTwoBytesPerCharacter) {
    std::string utf8 = "奇门遁甲 Qimen 癸亥　";
    std::string gbk = utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 4u * 2 + 7 + 2 * 2 + 2);  // the full-width blank is A1 A1
    EXPECT_EQ(gbk.substr(gbk.size() - 2), "\xA1\xA1");
    EXPECT_EQ(gbkToUtf8(gbk), utf8);
    EXPECT_EQ(gbkLength(utf8), gbk.size());
}

TEST(Gbk, KnownCodePoints) {
    EXPECT_EQ(utf8ToGbk("甲"), "\xBC\xD7");
    EXPECT_EQ(utf8ToGbk("○"), "\xA1\xF0");
    EXPECT_EQ(utf8ToGbk("┄"), "\xA9\xA8");
    EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(Gbk, TextWithoutGbkFormIsRefusedWithItsPosition) {
    for (std::string bad : {"abc😀", "ab\xF0\x9F\x98", "x\xC3"}) {
        try {
            utf8ToGbk(bad);
            FAIL() << "accepted " << bad;
        } catch (const EncodingError& e) {
            EXPECT_EQ(e.offset(), bad.find_first_of("\xF0\xC3")) << bad;
            EXPECT_NE(std::string(e.what()).find("byte"), std::string::npos);
        }
        EXPECT_FALSE(isGbkEncodable(bad));
        EXPECT_THROW(gbkLength(bad), EncodingError);
    }
    EXPECT_TRUE(isGbkEncodable("中５"));
}

TEST(Gbk, InvalidGbkBytesAreRefusedStrictlyAndReplacedLeniently) {
    std::string damaged = std::string("\xBC\xD7") + "\xFF" + "a" + "\xBC";  // 甲, bad byte, a, cut-off lead byte
    EXPECT_THROW(gbkToUtf8(damaged), EncodingError);
    EXPECT_EQ(gbkToUtf8Lenient(damaged), "甲\xEF\xBF\xBD" "a\xEF\xBF\xBD");
    EXPECT_EQ(gbkToUtf8Lenient("plain"), "plain");
}

TEST(Gbk, LongTextsConvertWhole) {
    std::string utf8;
    for (int i = 0; i < 5000; ++i) utf8 += "阴盘";
    EXPECT_EQ(gbkLength(utf8), 20000u);
    EXPECT_EQ(gbkToUtf8(utf8ToGbk(utf8)), utf8);
}

}  // namespace

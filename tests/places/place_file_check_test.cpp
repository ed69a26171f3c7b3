// The place file's line check: every line a rewrite would drop is found.
#include <gtest/gtest.h>

#include "places/place_file_check.hpp"
#include "text/gbk.hpp"

namespace qimen::places {
namespace {

struct LineCase {
    const char* name;
    const char* utf8;
    const char* found;  // "" when the file passes, else a part of the message
};
void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class PlaceFileLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(PlaceFileLines, FindsTheFirstLineARewriteWouldDrop) {
    auto checked = checkPlaceFileText(text::utf8ToGbk(GetParam().utf8));
    if (*GetParam().found == '\0') {
        EXPECT_TRUE(checked) << checked.message();
    } else {
        EXPECT_NE(checked.message().find(GetParam().found), std::string::npos) << checked.message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlaceFileLines,
    ::testing::Values(
        LineCase{"good", "; places\r\n[福建省]\r\n福州=119:18*26:5\r\n\r\n无值=\r\n[北京市]\r\n福州=116:28*39:54", ""},
        LineCase{"same city in two provinces", "[福建省]\r\n福州=1:0*2:0\r\n[上海市]\r\n福州=1:0*2:0\r\n", ""},
        LineCase{"no equals sign", "[福建省]\r\n福州=119:18*26:5\r\n厦门 118:5*24:29\r\n", "line 3 \"厦门 118:5*24:29\" has no"},
        LineCase{"open section", "[福建省\r\n福州=119:18*26:5\r\n", "line 1 \"[福建省\" opens a section"},
        LineCase{"no name", "[福建省]\r\n=119:18*26:5\r\n", "line 2"},
        LineCase{"repeated name", "[福建省]\r\nabc=1:0*2:0\r\n[北京市]\r\n[福建省]\r\nABC=1:0*2:0\r\n", "line 5"},
        LineCase{"count of lost lines", "x\r\ny\r\n", "(2 such lines in all)"}));

}  // namespace
}  // namespace qimen::places

// Strict decimal numbers: what a person types as a number passes, nothing
// that only a C library would read as one (hex, exponents, nan, inf, blanks).
#include <gtest/gtest.h>

#include <cmath>

#include "text/number_text.hpp"

namespace qimen::text {
namespace {

TEST(DecimalInteger, TakesSignedDigitsOnly) {
    EXPECT_EQ(parseDecimalInteger("0"), 0);
    EXPECT_EQ(parseDecimalInteger("-850"), -850);
    EXPECT_EQ(parseDecimalInteger("+7"), 7);
    EXPECT_EQ(parseDecimalInteger("010"), 10);  // not octal
    for (const char* refused : {"", "-", "+", "0x1", "1e0", " 1", "1 ", "1.0", "--1", "+-1", "nan", "99999999999999999999"})
        EXPECT_FALSE(parseDecimalInteger(refused)) << refused;
}

TEST(DecimalNumber, TakesDigitsWithOneDecimalPointAndRefusesTheRest) {
    EXPECT_DOUBLE_EQ(*parseDecimalNumber("116.4"), 116.4);
    EXPECT_DOUBLE_EQ(*parseDecimalNumber("-75.5"), -75.5);
    EXPECT_DOUBLE_EQ(*parseDecimalNumber("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(*parseDecimalNumber("120."), 120.0);
    for (const char* refused : {"", ".", "-", "nan", "NaN", "inf", "-inf", "infinity", "0x10", "0x1p4", "1e2", "1E2",
                                "1.2.3", " 1", "1 ", "1,5", "١"})
        EXPECT_FALSE(parseDecimalNumber(refused)) << refused;
}

TEST(BlankText, IsEmptyOrOnlySpacesOfAnyWidth) {
    for (const char* blank : {"", " ", "   ", "\t", "\r\n", "　", " 　 "}) EXPECT_TRUE(isBlank(blank)) << blank;
    for (const char* text : {"a", " 张 ", "　x", "备注:"}) EXPECT_FALSE(isBlank(text)) << text;
}

}  // namespace
}  // namespace qimen::text

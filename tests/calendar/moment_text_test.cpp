// The one strict form of a typed moment, and the fault each refusal names.
#include <gtest/gtest.h>

#include "calendar/moment_text.hpp"

namespace qimen::calendar {
namespace {

TEST(MomentText, ReadsTheFormWithTheYearAsTheUserWritesIt) {
    auto m = parseMomentText("2008-8-08 20:08", MomentKind::Gregorian);
    ASSERT_TRUE(m) << m.message();
    EXPECT_EQ(*m, (CivilDateTime{2008, 8, 8, 20, 8}));
    EXPECT_EQ(*parseMomentText("-120-03-05", MomentKind::Gregorian), (CivilDateTime{-119, 3, 5, 0, 0}));
    EXPECT_EQ(formatMomentText(*parseMomentText("-850-01-01 00:00", MomentKind::Gregorian)), "-850-01-01 00:00");
    EXPECT_TRUE(momentTextHasTime("2001-01-01 10:00"));
    EXPECT_FALSE(momentTextHasTime("2001-01-01"));
}

struct Refusal {
    const char* text;
    MomentKind kind;
    const char* message;  // the whole message, or a part of it
};

class MomentRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(MomentRefusal, NamesTheRealFault) {
    auto m = parseMomentText(GetParam().text, GetParam().kind);
    ASSERT_FALSE(m) << GetParam().text;
    EXPECT_NE(m.message().find(GetParam().message), std::string::npos) << m.message();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MomentRefusal,
    ::testing::Values(Refusal{"+2001-01-01 10:00", MomentKind::Gregorian, "is not a date"},
                      Refusal{"2001- 1- 1 10: 0", MomentKind::Gregorian, "is not a date"},
                      Refusal{" 2001-01-01", MomentKind::Gregorian, "is not a date"},
                      Refusal{"2001-01-01T10:00", MomentKind::Gregorian, "is not a date"},
                      Refusal{"2001-01-01 10:00 ", MomentKind::Gregorian, "is not a date"},
                      Refusal{"0x7d1-01-01", MomentKind::Gregorian, "is not a date"},
                      Refusal{"2001-02-30 10:00", MomentKind::Gregorian, "不存在这个日期"},
                      Refusal{"2001-13-01 10:00", MomentKind::Gregorian, "不存在这个日期"},
                      Refusal{"2001-02-00", MomentKind::Gregorian, "不存在这个日期"},
                      Refusal{"2001-02-01 24:00", MomentKind::Gregorian, "not 00:00..23:59"},
                      Refusal{"67536-01-01 10:00", MomentKind::Gregorian, "year 67536 is outside -850..2100"},
                      Refusal{"2101-01-01", MomentKind::Gregorian, "year 2101 is outside"},
                      Refusal{"0-01-01", MomentKind::Gregorian, "no year 0"},
                      Refusal{"2008-13-01", MomentKind::Lunar, "month 13"},
                      Refusal{"2008-01-00", MomentKind::Lunar, "day 0"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(MomentText, KeepsFarYearsWhole) {
    auto f = readMomentFields("67536-01-01 10:00", MomentKind::Gregorian);
    ASSERT_TRUE(f) << f.message();
    EXPECT_EQ(f->userYear, 67536);
    EXPECT_TRUE(f->hasTime);
}

}  // namespace
}  // namespace qimen::calendar

// The committed equation-of-time table is what its generator writes, and the
// generator keeps the calendar's anchor rows.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "calendar/true_solar_time.hpp"
#include "equation_of_time_series.hpp"

namespace {

TEST(EquationOfTimeTable, CommittedFileMatchesGenerator) {
    std::ifstream in(std::string(QIMEN_SOURCE_DIR) + "/data/calendar/equation_of_time.inc", std::ios::binary);
    ASSERT_TRUE(in) << "data/calendar/equation_of_time.inc is missing";
    std::stringstream committed;
    committed << in.rdbuf();
    EXPECT_EQ(committed.str(), qimen::gen::formatEquationOfTimeTable())
        << "regenerate with gen_equation_of_time data/calendar/equation_of_time.inc";
}

TEST(EquationOfTimeTable, LibraryServesTheGeneratedValues) {
    auto table = qimen::gen::equationOfTimeTable();
    for (int i = 0; i < 366; ++i) EXPECT_DOUBLE_EQ(qimen::calendar::equationOfTime(i), table[i]) << "index " << i;
}

TEST(EquationOfTimeTable, SeriesStaysWithinAMinuteOfTheAnchorRows) {
    // The anchors replace the series; the series itself must already be close,
    // or the table would jump at the anchors.
    struct Anchor { int index; double minutes; };
    for (Anchor a : {Anchor{10, -7.82}, {41, -14.32}, {105, -0.19}, {164, 0.15}, {200, -6.17},
                     {250, 1.82}, {307, 16.4}, {358, 0.0}}) {
        double left = qimen::calendar::equationOfTime(a.index - 1);
        double right = qimen::calendar::equationOfTime(a.index + 1);
        EXPECT_NEAR(left, a.minutes, 1.0) << "before anchor " << a.index;
        EXPECT_NEAR(right, a.minutes, 1.0) << "after anchor " << a.index;
    }
}

}  // namespace

// A chart judged by hand: the moment, the topic, and the verdict, sum,
// reasons (as signatures, judgement_test_support.hpp), timing hint and for
// travel the best and worst palaces that the hand reckoning gives.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judgement_test_support.hpp"

namespace qimen::judgement::testing {

using calendar::CivilDateTime;

struct WorkedCase {
    const char* name;
    CivilDateTime moment;
    Topic topic;
    Verdict verdict;
    int score;
    std::vector<std::string> reasons;
    const char* timing;
    chart::Palace best = 0;  // travel only
    chart::Palace worst = 0;
};

class WorkedChart : public ::testing::TestWithParam<WorkedCase> {};

}  // namespace qimen::judgement::testing

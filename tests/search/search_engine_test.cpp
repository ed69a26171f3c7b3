// The time search: refusals, the candidate steps, the pass rules seen
// through whole scans, the cap, cancelling, thread independence and the
// listing of a result line.
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"
#include "chart/hour_chart.hpp"
#include "chart/vocabulary.hpp"
#include "search/search_engine.hpp"
#include "text/gbk.hpp"

namespace {

using qimen::calendar::CivilDateTime;
using qimen::search::SearchConditions;
using qimen::search::SearchEngine;

SearchEngine defaultEngine() {
    return SearchEngine([] { return qimen::chart::ChartSettings{}; });
}

struct Refusal {
    const char* name;
    CivilDateTime start;
    CivilDateTime end;
    std::string_view message;
};

class SearchRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(SearchRefuses, WithItsMessageAndKeepsThePreviousResults) {
    SearchEngine engine = defaultEngine();
    ASSERT_TRUE(engine.search({2008, 5, 3, 0, 30}, {2008, 5, 3, 4, 30}, SearchConditions{}));
    auto before = engine.results();
    EXPECT_EQ(engine.search(GetParam().start, GetParam().end, SearchConditions{}).message(), GetParam().message);
    EXPECT_EQ(engine.results(), before);
    EXPECT_EQ(qimen::search::checkSearchRange(GetParam().start, GetParam().end).message(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    RangeAndOrder, SearchRefuses,
    ::testing::Values(
        Refusal{"StartIn1899", {1899, 12, 31, 23, 0}, {1900, 1, 1, 0, 0}, qimen::search::kStartRangeError},
        Refusal{"StartIn2051", {2051, 1, 1, 0, 0}, {2051, 1, 1, 0, 0}, qimen::search::kStartRangeError},
        Refusal{"StartNotADate", {2009, 2, 29, 0, 0}, {2009, 3, 1, 0, 0}, qimen::search::kStartRangeError},
        Refusal{"StartHourOutOfRange", {2009, 3, 1, 24, 0}, {2009, 3, 2, 0, 0}, qimen::search::kStartRangeError},
        Refusal{"EndIn1899", {1900, 1, 1, 0, 0}, {1899, 1, 1, 0, 0}, qimen::search::kEndRangeError},
        Refusal{"EndIn2051", {2050, 1, 1, 0, 0}, {2051, 1, 1, 0, 0}, qimen::search::kEndRangeError},
        Refusal{"EndMinuteOutOfRange", {2050, 1, 1, 0, 0}, {2050, 1, 1, 0, 60}, qimen::search::kEndRangeError},
        Refusal{"EndOneMinuteBeforeStart", {2008, 5, 3, 14, 0}, {2008, 5, 3, 13, 59}, qimen::search::kOrderError}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchCandidates, StartEqualToEndTestsExactlyOneMoment) {
    SearchEngine engine = defaultEngine();
    long tested = 0;
    ASSERT_TRUE(engine.search({2008, 5, 3, 14, 0}, {2008, 5, 3, 14, 0}, SearchConditions{},
                              [&](const qimen::search::SearchProgress& p) { tested = p.candidate; }));
    EXPECT_EQ(tested, 1);
    EXPECT_EQ(engine.results(), std::vector<std::string>{"1:2008-05-03 14:00"});
    EXPECT_EQ(engine.closingMessage(), "查找完毕，共找到1个奇门盘。");
}

TEST(SearchCandidates, TheLastMomentOfTheRangeIsAccepted) {
    SearchEngine engine = defaultEngine();
    ASSERT_TRUE(engine.search({2050, 12, 31, 23, 0}, {2050, 12, 31, 23, 0}, SearchConditions{}));
    EXPECT_EQ(engine.results(), std::vector<std::string>{"1:2050-12-31 23:00"});
}

TEST(SearchCandidates, WithoutConditionsEveryTwoHourStepKeepsTheStartMinute) {
    SearchEngine engine = defaultEngine();
    ASSERT_TRUE(engine.search({2008, 5, 3, 0, 30}, {2008, 5, 4, 0, 30}, SearchConditions{}));
    // The end itself is not a candidate: the running value stops below it.
    std::vector<std::string> expected;
    for (int k = 0; k < 12; ++k) {
        char line[32];
        std::snprintf(line, sizeof line, "%d:2008-05-03 %02d:30", k + 1, 2 * k);
        expected.push_back(line);
    }
    EXPECT_EQ(engine.results(), expected);
    EXPECT_EQ(engine.closingMessage(), "查找完毕，共找到12个奇门盘。");
}

TEST(SearchCandidates, AnEndBetweenStepsIsCoveredByTheStepBelowIt) {
    SearchEngine engine = defaultEngine();
    ASSERT_TRUE(engine.search({2008, 5, 3, 0, 30}, {2008, 5, 3, 2, 31}, SearchConditions{}));
    EXPECT_EQ(engine.results(), (std::vector<std::string>{"1:2008-05-03 00:30", "2:2008-05-03 02:30"}));
}

TEST(SearchCap, StopsAtThirtyThousandLinesAndSaysSo) {
    SearchEngine engine = defaultEngine();
    ASSERT_TRUE(engine.search({1990, 1, 1, 0, 0}, {2000, 1, 1, 0, 0}, SearchConditions{}));
    ASSERT_EQ(engine.results().size(), 30000u);
    EXPECT_EQ(engine.results().back(), "30000:1996-11-04 22:00");
    EXPECT_EQ(engine.closingMessage(), qimen::search::kTooManyMessage);
}

TEST(SearchCancel, StopsAfterTheCurrentCandidateAndKeepsTheLines) {
    SearchEngine engine = defaultEngine();
    SearchConditions c;
    c.starPalace[5] = 5;  // 天禽 in the centre: every chart, but the plates are laid
    c.starCount = 1;
    long lastSeen = 0;
    ASSERT_TRUE(engine.search({2000, 1, 1, 0, 0}, {2001, 1, 1, 0, 0}, c, [&](const qimen::search::SearchProgress& p) {
        lastSeen = p.candidate;
        engine.requestCancel();
    }));
    EXPECT_TRUE(engine.cancelled());
    EXPECT_EQ(engine.closingMessage(), qimen::search::kCancelledMessage);
    EXPECT_EQ(static_cast<long>(engine.results().size()), lastSeen);
    EXPECT_LT(lastSeen, 366 * 12);
}

TEST(SearchThreads, ResultsDoNotDependOnTheThreadCount) {
    SearchConditions c;
    c.badPattern.fill(1);
    c.badPatternCount = 28;
    c.badPatternAll = 1;
    c.leaderChoice[1] = c.leaderChoice[6] = 1;
    c.leaderChoiceCount = 2;
    c.leaderChoiceAny = 1;
    std::vector<std::vector<std::string>> runs;
    for (int threads : {1, 2, 3}) {
        SearchEngine engine = defaultEngine();
        engine.setThreadCount(threads);
        ASSERT_TRUE(engine.search({2010, 1, 1, 0, 0}, {2012, 1, 1, 0, 0}, c));
        runs.push_back(engine.results());
    }
    ASSERT_FALSE(runs[0].empty());
    EXPECT_EQ(runs[1], runs[0]);
    EXPECT_EQ(runs[2], runs[0]);
}

TEST(SearchLeaderChoice, ListsExactlyTheMomentsLedByATickedStar) {
    SearchConditions c;
    c.leaderChoice[6] = c.leaderChoice[1] = 1;  // 天心 or 天蓬
    c.leaderChoiceCount = 2;
    c.leaderChoiceAny = 1;
    SearchEngine engine = defaultEngine();
    CivilDateTime start{2008, 5, 1, 0, 0};
    ASSERT_TRUE(engine.search(start, {2008, 5, 11, 0, 0}, c));
    std::vector<std::string> expected;
    double t = qimen::calendar::julianDay(start);
    for (int k = 0; k < 120; ++k, t += 1.0 / 12) {
        auto record = std::make_unique<qimen::chart::ChartRecord>();
        CivilDateTime m = qimen::calendar::dateFromJulianDay(t);
        qimen::chart::setChartMoment(*record, m, m);
        ASSERT_TRUE(qimen::chart::computeHourChart(*record));
        if (record->leaderStar == 6 || record->leaderStar == 1)
            expected.push_back(qimen::search::resultLine(static_cast<int>(expected.size()) + 1, m));
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(engine.results(), expected);
}

TEST(SearchSettings, AreReadAtTheStartOfEverySearch) {
    int reads = 0;
    SearchEngine engine([&] {
        ++reads;
        qimen::chart::ChartSettings s;
        s.shen = static_cast<std::uint8_t>(reads);
        return s;
    });
    ASSERT_TRUE(engine.search({2008, 5, 3, 0, 0}, {2008, 5, 3, 0, 0}, SearchConditions{}));
    ASSERT_TRUE(engine.search({2008, 5, 3, 0, 0}, {2008, 5, 3, 0, 0}, SearchConditions{}));
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(engine.settings().shen, 2);
    EXPECT_FALSE(engine.search({1899, 5, 3, 0, 0}, {2008, 5, 3, 0, 0}, SearchConditions{}));
    EXPECT_EQ(reads, 2);  // a refused search reads nothing
}

TEST(SearchListing, OfLineTwelveShowsTheChartOfThatMoment) {
    SearchEngine engine = defaultEngine();
    auto text = engine.listing("12:2008-05-03 14:00");
    ASSERT_TRUE(text) << text.message();
    EXPECT_EQ(text->rfind("第12条:\r\n公历:2008年5月3日14时0分\r\n", 0), 0u) << *text;
    auto record = std::make_unique<qimen::chart::ChartRecord>();
    qimen::chart::setChartMoment(*record, {2008, 5, 3, 14, 0}, {2008, 5, 3, 14, 0});
    ASSERT_TRUE(qimen::chart::computeHourChart(*record));
    std::string pillars = "干支:" + qimen::chart::ganZhiText(record->yearGZ) + "年 " +
                          qimen::chart::ganZhiText(record->monthGZ) + "月 " + qimen::chart::ganZhiText(record->dayGZ) +
                          "日 " + qimen::chart::ganZhiText(record->hourGZ) + "时\r\n";
    EXPECT_NE(text->find(pillars), std::string::npos) << *text;
    EXPECT_NE(text->find(std::string(record->yangDun ? "※阳遁" : "※阴遁") +
                         std::string(qimen::chart::numeralText(record->ju)) + "局,旬首:"),
              std::string::npos);
    EXPECT_NE(text->find("★直符天" + std::string(qimen::chart::starText(record->leaderStar)) + "落"), std::string::npos);
    EXPECT_EQ(text->substr(text->size() - 4), "\r\n\r\n");
}

TEST(SearchListing, EveryGridLineIsFortyFourGbkBytesWide) {
    for (std::uint8_t shen : {0, 1}) {
        for (std::uint8_t tianyi : {0, 1}) {
            SearchEngine engine([&] {
                qimen::chart::ChartSettings s;
                s.shen = shen;
                s.tianyi = tianyi;
                return s;
            });
            engine.reloadSettings();
            for (const char* line : {"1:2008-05-03 14:00", "7:1950-01-01 00:00", "3:2049-07-21 09:15"}) {
                std::string text = *engine.listing(line);
                std::size_t from = text.find("┌");
                ASSERT_NE(from, std::string::npos);
                int gridLines = 0;
                for (std::size_t at = from; at < text.size();) {
                    std::size_t eol = text.find("\r\n", at);
                    if (eol == at) break;
                    EXPECT_EQ(qimen::text::gbkLength(text.substr(at, eol - at)), 44u) << text.substr(at, eol - at);
                    ++gridLines;
                    at = eol + 2;
                }
                EXPECT_EQ(gridLines, 16);
            }
        }
    }
}

TEST(SearchListing, RefusesLinesThatAreNotResultLines) {
    SearchEngine engine = defaultEngine();
    EXPECT_EQ(engine.listing("2008-05-03 14:00").message(),
              "\"2008-05-03 14:00\" is not a result line N:YYYY-MM-DD HH:MM of 1900..2050");
    EXPECT_FALSE(engine.listing("1:2008-05-03"));
    EXPECT_FALSE(engine.listing("1:2008-13-03 14:00"));
    EXPECT_FALSE(engine.listing("1:1899-05-03 14:00"));
    EXPECT_TRUE(engine.listing("x:2008-05-03 14:00"));  // N is copied as written
}

}  // namespace

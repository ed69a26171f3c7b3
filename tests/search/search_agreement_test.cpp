// The candidate chart against the chart engine: for random moments of
// 1900..2050 and random settings, the cells and leaders of the search's
// chart equal those of the driver's rotating-plate hour chart, and the
// pattern codes of the two charts are the same; the scan's plate memo
// answers what a fresh count answers.
#include <gtest/gtest.h>

#include <random>

#include "calendar/day_arithmetic.hpp"
#include "chart/hour_chart.hpp"
#include "patterns/pattern_detector.hpp"
#include "search/candidate_chart.hpp"
#include "search/condition_matcher.hpp"
#include "search/plate_memo.hpp"

namespace {

using qimen::chart::ChartRecord;

TEST(SearchAgreement, CandidateChartsEqualTheEngineHourChartsAndTheirPatterns) {
    std::mt19937 random(20080503);
    double first = qimen::calendar::julianDay({1900, 1, 1, 0, 0});
    double last = qimen::calendar::julianDay({2050, 12, 31, 23, 59});
    auto search = std::make_unique<ChartRecord>();
    auto driver = std::make_unique<ChartRecord>();
    for (int i = 0; i < 3000; ++i) {
        long minutes = std::uniform_int_distribution<long>(0, static_cast<long>((last - first) * 1440))(random);
        qimen::calendar::CivilDateTime m = qimen::calendar::dateFromJulianDay(first + minutes / 1440.0);
        qimen::chart::ChartSettings settings;
        settings.ju = static_cast<std::uint8_t>(random() % 2);
        settings.zhifu = static_cast<std::uint8_t>(random() % 2);
        settings.tianyi = static_cast<std::uint8_t>(random() % 2);
        settings.angan = static_cast<std::uint8_t>(random() % 3);  // never read by the search
        search->settings = settings;
        driver->settings = settings;
        driver->settings.pan = 0;

        ASSERT_TRUE(qimen::search::layCandidateChart(*search, m, qimen::calendar::julianDay(m)));
        qimen::chart::setChartMoment(*driver, m, m);
        ASSERT_TRUE(qimen::chart::computeHourChart(*driver));

        SCOPED_TRACE(::testing::Message() << m.year << '-' << m.month << '-' << m.day << ' ' << m.hour << ':'
                                          << m.minute << " ju " << int(settings.ju) << " zhifu " << int(settings.zhifu)
                                          << " tianyi " << int(settings.tianyi));
        ASSERT_EQ(search->hourGZ, driver->hourGZ);
        ASSERT_EQ(search->yangDun, driver->yangDun);
        ASSERT_EQ(search->ju, driver->ju);
        ASSERT_EQ(search->xunHead, driver->xunHead);
        ASSERT_EQ(search->leaderStar, driver->leaderStar);
        ASSERT_EQ(search->leaderDoor, driver->leaderDoor);
        ASSERT_EQ(search->leaderStarPalace, driver->leaderStarPalace);
        ASSERT_EQ(search->leaderDoorPalace, driver->leaderDoorPalace);
        for (int c = 0; c < 9; ++c) {
            const auto& a = search->cells[static_cast<std::size_t>(c)];
            const auto& b = driver->cells[static_cast<std::size_t>(c)];
            ASSERT_EQ(a.deity, b.deity) << c;
            ASSERT_EQ(a.heavenStem, b.heavenStem) << c;
            ASSERT_EQ(a.star, b.star) << c;
            ASSERT_EQ(a.door, b.door) << c;
            ASSERT_EQ(a.earthStem, b.earthStem) << c;
            ASSERT_EQ(a.homeStar, b.homeStar) << c;
        }

        std::array<qimen::patterns::PalaceFindings, 9> mine{}, theirs{};
        qimen::patterns::DetectOptions searchOptions;
        searchOptions.score = false;
        qimen::patterns::detectChartPatterns(*search, mine, searchOptions, qimen::patterns::CentreCell::Include);
        qimen::patterns::detectChartPatterns(*driver, theirs, {}, qimen::patterns::CentreCell::Include);
        for (int c = 0; c < 9; ++c) {
            auto a = mine[static_cast<std::size_t>(c)].found();
            auto b = theirs[static_cast<std::size_t>(c)].found();
            ASSERT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << "cell " << c;
        }
    }
}

// Consecutive two-hour candidates over ten years, so plates come back
// under other year, month and day stems, for condition sets that read the
// pillar stems; then a memorised plate altered by hand is counted afresh.
TEST(SearchAgreement, PlateMemoAnswersWhatAFreshCountAnswers) {
    using qimen::search::SearchConditions;
    std::vector<SearchConditions> sets(4);
    sets[0].goodPattern.fill(1);
    sets[0].goodPatternCount = 27;
    sets[0].badPattern.fill(1);
    sets[0].badPatternCount = 28;
    sets[0].badPatternAll = 1;
    for (int code : {0, 1, 2, 8, 9}) sets[1].badPattern[static_cast<std::size_t>(code)] = 1;  // 悖 伏干 飞干 戏 月
    sets[1].badPatternCount = 5;
    sets[1].badPatternAll = 1;
    sets[1].goodPattern[19] = 1;
    sets[1].goodPatternCount = 1;
    sets[1].allRequired = 1;
    sets[2] = sets[1];
    sets[2].badPatternAll = 0;
    sets[2].starPalace[6] = 1;
    sets[2].starCount = 1;
    sets[3].doorPalace[5] = 6;
    sets[3].doorCount = 1;
    sets[3].leaderChoice[6] = 1;
    sets[3].leaderChoiceCount = 1;
    sets[3].allRequired = 1;
    double start = qimen::calendar::julianDay({1995, 1, 1, 0, 0});
    auto record = std::make_unique<ChartRecord>();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const SearchConditions& c = sets[i];
        record->settings.tianyi = static_cast<std::uint8_t>(i % 2);
        qimen::search::PlateMemo memo(c);
        int passed = 0;
        for (int k = 0; k < 10 * 365 * 12; ++k) {
            double t = start + k / 12.0;
            ASSERT_TRUE(qimen::search::layCandidateChart(*record, qimen::calendar::dateFromJulianDay(t), t));
            bool fresh = qimen::search::chartPasses(c, qimen::search::activeGroupCount(c), *record);
            ASSERT_EQ(memo.passes(*record), fresh) << "set " << i << " candidate " << k;
            passed += fresh;
        }
        EXPECT_GT(passed, 0) << "set " << i;
        EXPECT_LT(passed, 10 * 365 * 12) << "set " << i;
    }
    // A memorised plate altered by hand is counted afresh: the door of cell
    // 0 wanted where it stands, then moved away.
    SearchConditions door;
    door.doorPalace[static_cast<std::size_t>(qimen::search::doorColumn(record->cells[0].door))] =
        qimen::chart::palaceOfCell(0);
    door.doorCount = 1;
    qimen::search::PlateMemo memo(door);
    ASSERT_TRUE(memo.passes(*record));
    std::swap(record->cells[0].door, record->cells[1].door);
    ASSERT_FALSE(qimen::search::chartPasses(door, 1, *record));
    EXPECT_FALSE(memo.passes(*record));
}

}  // namespace

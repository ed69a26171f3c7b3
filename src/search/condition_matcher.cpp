// Counting a chart against the conditions.
#include "search/condition_matcher.hpp"

#include <bit>

#include "chart/codes.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::search {
namespace {

bool isOuterCell(int cell) { return cell != chart::kCentreCell; }

// The palace wanted for a stem on a plate; 0 (never matching) for 甲 and
// codes outside the stems.
std::uint8_t wantedStemPalace(const std::array<std::uint8_t, kStemColumns>& palaces, int stem) {
    if (stem < 0 || stem > 9 || stem == chart::kStemJia) return 0;
    return palaces[static_cast<std::size_t>(stemColumn(stem))];
}

// A group of palace conditions holds when its counter is above 0 and either
// its 同时成立 flag is not 1 or the counter reached the group's count.
int positionGroup(int counter, std::uint8_t all, std::uint8_t count) {
    return counter > 0 && (all != 1 || counter == count) ? 1 : 0;
}

// The ticked entries (value 1) of a pattern list as bits, entry k at bit k.
template <std::size_t N>
std::uint32_t tickedBits(const std::array<std::uint8_t, N>& ticks) {
    static_assert(N <= 32);
    std::uint32_t bits = 0;
    for (std::size_t k = 0; k < N; ++k) bits |= static_cast<std::uint32_t>(ticks[k] == 1) << k;
    return bits;
}

}  // namespace

ChartTally positionTally(const SearchConditions& c, const chart::ChartRecord& chart) {
    ChartTally tally;
    for (int cell = 0; cell < 9; ++cell) {
        const chart::PalaceCell& pc = chart.cells[static_cast<std::size_t>(cell)];
        chart::Palace palace = chart::palaceOfCell(cell);
        if (isOuterCell(cell)) {
            if (pc.deity < 9 && pc.deity != 4 && c.deityPalace[static_cast<std::size_t>(deityColumn(pc.deity))] == palace)
                ++tally.deities;
            if (pc.door < 9 && pc.door != chart::kDoorCentre &&
                c.doorPalace[static_cast<std::size_t>(doorColumn(pc.door))] == palace)
                ++tally.doors;
        }
        if (pc.star < 9 && c.starPalace[pc.star] == palace) ++tally.stars;
        if (wantedStemPalace(c.heavenStemPalace, pc.heavenStem) == palace) ++tally.heavenStems;
        if (wantedStemPalace(c.earthStemPalace, pc.earthStem) == palace) ++tally.earthStems;
    }
    return tally;
}

patterns::DetectOptions patternOptions(const SearchConditions& c) {
    patterns::DetectOptions options;
    options.score = false;
    options.auspicious = c.goodPatternCount != 0;
    options.inauspicious = c.badPatternCount != 0;
    return options;
}

patterns::PatternBits tickedPatterns(const SearchConditions& c) {
    return {tickedBits(c.goodPattern), tickedBits(c.badPattern)};
}

void countPatterns(const patterns::PatternBits& ticked, const patterns::PatternBits& found, ChartTally& tally) {
    tally.goodFound = std::popcount(found.good & ticked.good);
    tally.badFound = std::popcount(found.bad & ticked.bad);
}

ChartTally tallyChart(const SearchConditions& c, const chart::ChartRecord& chart) {
    ChartTally tally = positionTally(c, chart);
    if (c.goodPatternCount == 0 && c.badPatternCount == 0) return tally;
    countPatterns(tickedPatterns(c), patterns::chartPatternBits(chart, patternOptions(c), patterns::CentreCell::Include),
                  tally);
    return tally;
}

int satisfiedGroupCount(const SearchConditions& c, const chart::ChartRecord& chart, const ChartTally& t) {
    int s = 0;
    if (chart.leaderStar < 9 && c.leaderChoice[chart.leaderStar] == 1) ++s;
    if (c.wantedLeaderStarPalace == chart.leaderStarPalace) ++s;
    if (c.wantedLeaderDoorPalace == chart.leaderDoorPalace) ++s;
    s += positionGroup(t.deities, c.deityAll, c.deityCount);
    s += positionGroup(t.stars, c.starAll, c.starCount);
    s += positionGroup(t.heavenStems, c.heavenStemAll, c.heavenStemCount);
    s += positionGroup(t.doors, c.doorAll, c.doorCount);
    s += positionGroup(t.earthStems, c.earthStemAll, c.earthStemCount);
    if (t.goodFound > 0 && (c.goodPatternAll != 1 || t.goodFound == c.goodPatternCount)) ++s;
    if (c.badPatternAll == 1) {
        if (c.badPatternCount > 0 && t.badFound == 0) ++s;
    } else if (c.badPatternCount > t.badFound) {
        ++s;
    }
    return s;
}

bool tallyPasses(const SearchConditions& c, int activeGroups, const chart::ChartRecord& chart, const ChartTally& tally) {
    if (activeGroups == 0) return true;
    int s = satisfiedGroupCount(c, chart, tally);
    return c.allRequired != 0 ? s == activeGroups : s > 0;
}

bool chartPasses(const SearchConditions& c, int activeGroups, const chart::ChartRecord& chart) {
    return activeGroups == 0 || tallyPasses(c, activeGroups, chart, tallyChart(c, chart));
}

}  // namespace qimen::search

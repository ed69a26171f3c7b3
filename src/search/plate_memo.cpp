// The plate memo of a scan.
#include "search/plate_memo.hpp"

namespace qimen::search {
namespace {

constexpr std::size_t kJuSlots = 10;
constexpr std::size_t kHourSlots = 60;

}  // namespace

PlateMemo::PlateMemo(const SearchConditions& conditions)
    : conditions_(conditions),
      groups_(activeGroupCount(conditions)),
      anyPattern_(conditions.goodPatternCount != 0 || conditions.badPatternCount != 0),
      options_(patternOptions(conditions)),
      ticked_(tickedPatterns(conditions)),
      entries_(2 * kJuSlots * kHourSlots) {}

bool PlateMemo::passes(const chart::ChartRecord& chart) {
    if (groups_ == 0) return true;
    // Out of the memo's slots (never for a laid chart): count afresh.
    if (chart.ju < 0 || chart.ju >= static_cast<int>(kJuSlots) || chart.hourGZ < 0 ||
        chart.hourGZ >= static_cast<int>(kHourSlots))
        return chartPasses(conditions_, groups_, chart);
    Entry& entry = entries_[(static_cast<std::size_t>(chart.yangDun) * kJuSlots + static_cast<std::size_t>(chart.ju)) *
                                kHourSlots +
                            static_cast<std::size_t>(chart.hourGZ)];
    const Plate plate{chart.cells,           chart.leaderStar,       chart.leaderDoor,
                      chart.leaderStarPalace, chart.leaderDoorPalace, chart.hourGZ};
    if (!entry.filled || !(entry.plate == plate)) {
        entry.filled = true;
        entry.plate = plate;
        entry.positions = positionTally(conditions_, chart);
        if (anyPattern_) entry.patterns = patterns::platePatternBits(chart, options_, patterns::CentreCell::Include);
    }
    ChartTally tally = entry.positions;
    if (anyPattern_)
        countPatterns(ticked_,
                      patterns::withPillarStems(entry.patterns, calendar::stemOf(chart.yearGZ),
                                                calendar::stemOf(chart.monthGZ), calendar::stemOf(chart.dayGZ)),
                      tally);
    return tallyPasses(conditions_, groups_, chart, tally);
}

}  // namespace qimen::search

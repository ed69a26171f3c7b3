// Reading a laid chart for the judgement.
#include "judgement/chart_facts.hpp"

#include "chart/rings.hpp"
#include "analysis/analysis_tables.hpp"
#include "patterns/pattern_tables.hpp"

namespace qimen::judgement {
namespace {

// The stem a pillar is read as on the plate: its own, or for a 甲 pillar
// the instrument its ten-day group hides under.
calendar::StemCode plateStemOf(calendar::GanZhiCode pillar) {
    calendar::StemCode stem = calendar::stemOf(pillar);
    return stem == chart::kStemJia ? chart::hiddenInstrumentOf(chart::xunHeadOf(pillar)) : stem;
}

}  // namespace

ChartFacts::ChartFacts(const chart::ChartRecord& chart)
    : chart_(chart),
      deityList_(chart::rotatingDeityList(chart.settings.shen, chart.yangDun)),
      dayStem_(plateStemOf(chart.dayGZ)),
      hourStem_(plateStemOf(chart.hourGZ)) {
    patterns::detectChartPatterns(chart, findings_);
    bool doorsHome = true, doorsOpposite = true;
    for (chart::GridCell g : chart::kOuterRing) {
        chart::HomeCode home = chart::homeOfCell(g);
        doorsHome = doorsHome && chart.cells[g].door == home;
        doorsOpposite = doorsOpposite && chart.cells[g].door == patterns::kOppositeHome[home];
    }
    echoes_ = {chart.plateEcho == chart::kFuYin, doorsHome, chart.plateEcho == chart::kFanYin, doorsOpposite};
}

chart::Palace ChartFacts::palaceOf(Thing thing) const {
    auto findCell = [&](auto test) -> chart::Palace {
        for (chart::GridCell g : chart::kOuterRing)
            if (test(chart_.cells[g])) return chart::palaceOfCell(g);
        return 0;
    };
    auto withRui = [&] { return findCell([](const chart::PalaceCell& c) { return c.star == chart::kStarRui; }); };
    switch (thing.kind) {
    case ThingKind::DayStem:
    case ThingKind::HourStem:
    case ThingKind::Stem: {
        calendar::StemCode stem = stemOf(thing);
        chart::Palace palace = findCell([stem](const chart::PalaceCell& c) { return c.heavenStem == stem; });
        if (palace == 0 && chart_.cells[chart::kCentreCell].heavenStem == stem) palace = withRui();
        return palace;
    }
    case ThingKind::Door:
        return findCell([&](const chart::PalaceCell& c) { return c.door == thing.code; });
    case ThingKind::LeaderDoor:
        return findCell([&](const chart::PalaceCell& c) { return c.door == chart_.leaderDoor; });
    case ThingKind::Star:
        if (thing.code == chart::kStarQin) return withRui();
        return findCell([&](const chart::PalaceCell& c) { return c.star == thing.code; });
    case ThingKind::Deity: {
        const DeityName& deity = kDeities[thing.code];
        if (deity.list && *deity.list != deityList_) return 0;
        return findCell([&](const chart::PalaceCell& c) { return c.deity == deity.code; });
    }
    }
    return 0;
}

calendar::StemCode ChartFacts::stemOf(Thing thing) const {
    switch (thing.kind) {
    case ThingKind::DayStem: return dayStem_;
    case ThingKind::HourStem: return hourStem_;
    case ThingKind::Stem: return thing.code;
    default: return chart::kNoStem;
    }
}

std::optional<chart::ElementCode> ChartFacts::elementOf(Thing thing) const {
    switch (thing.kind) {
    case ThingKind::DayStem:
    case ThingKind::HourStem:
    case ThingKind::Stem: return stemElement(stemOf(thing));
    case ThingKind::Door: return patterns::kDoorElement[thing.code];
    case ThingKind::LeaderDoor: return patterns::kDoorElement[chart_.leaderDoor];
    case ThingKind::Star: return analysis::kStarElement[thing.code];
    case ThingKind::Deity: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> ChartFacts::stateOf(Thing thing) const {
    std::optional<chart::ElementCode> element = elementOf(thing);
    if (!element) return std::nullopt;
    return analysis::stateIndex(*element, chart_.monthElement) - 1;  // [0, 4]
}

std::array<calendar::StemCode, 2> ChartFacts::heavenStems(chart::Palace palace) const {
    const chart::PalaceCell& own = cell(palace);
    calendar::StemCode borrowed =
        own.star == chart::kStarRui ? chart_.cells[chart::kCentreCell].heavenStem : chart::kNoStem;
    return {own.heavenStem, borrowed};
}

std::string ChartFacts::voidBranchText(chart::Palace palace) const {
    const chart::GridCell g = chart::cellOfPalace(palace);
    const chart::PalaceCell& c = chart_.cells[g];
    std::string text;
    for (int b = 1; b <= 12; ++b) {  // 子 first
        calendar::BranchCode branch = static_cast<calendar::BranchCode>(b % 12);
        if (chart::kCellOfBranch[branch] != g) continue;
        if (chart::isSecondSlotBranch(branch) ? c.voidSecond : c.voidFirst) text += chart::branchText(branch);
    }
    return text;
}

int ChartFacts::deityIndexOf(chart::Deity code) const {
    for (std::size_t i = 0; i < kDeities.size(); ++i)
        if (kDeities[i].code == code && (!kDeities[i].list || *kDeities[i].list == deityList_)) return static_cast<int>(i);
    return -1;
}

std::string ChartFacts::displayName(Thing thing) const {
    switch (thing.kind) {
    case ThingKind::DayStem: return "日干" + std::string(chart::stemText(calendar::stemOf(chart_.dayGZ)));
    case ThingKind::HourStem: return "时干" + std::string(chart::stemText(calendar::stemOf(chart_.hourGZ)));
    default: return std::string(thingName(thing));
    }
}

}  // namespace qimen::judgement

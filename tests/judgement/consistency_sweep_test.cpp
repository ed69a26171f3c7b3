// Properties of the judgement over every two-hour chart of 2024 and every
// topic, each checked against the chart record itself: a useful god void
// and controlled never gives 吉 or 大吉, a 伏吟 chart never gives travel 吉,
// and every reason names a feature the chart really shows.
#include <gtest/gtest.h>

#include <functional>

#include "calendar/day_arithmetic.hpp"
#include "chart/rings.hpp"
#include "judgement_test_support.hpp"
#include "analysis/analysis_tables.hpp"
#include "patterns/pattern_detector.hpp"
#include "patterns/pattern_tables.hpp"

namespace qimen::judgement::testing {
namespace {

using chart::ChartRecord;
using chart::Palace;

// Calls `check` with each hour chart of 2024 at 00:00, 02:00 … 22:00 and
// every topic's judgement of it.
void forEveryJudgementOfTheYear(const std::function<void(const ChartRecord&, const Judgement&)>& check) {
    auto record = std::make_unique<ChartRecord>();
    calendar::CivilDateTime moment{2024, 1, 1, 0, 0};
    while (moment.year == 2024) {
        chart::setChartMoment(*record, moment, moment);
        chart::computeHourChart(*record);
        for (int t = 0; t < kTopicCount; ++t) {
            Expected<Judgement> judged = judgeTopic(*record, static_cast<Topic>(t));
            ASSERT_TRUE(judged) << judged.message();
            check(*record, *judged);
        }
        moment.hour = static_cast<std::int16_t>(moment.hour + 2);
        if (moment.hour == 24) {
            moment = calendar::nextDay(moment);
            moment.hour = 0;
        }
    }
}

std::string momentOf(const ChartRecord& r, const Judgement& j) {
    return std::to_string(r.clockDate.year) + "-" + std::to_string(r.clockDate.month) + "-" +
           std::to_string(r.clockDate.day) + " " + std::to_string(r.clockDate.hour) + ":00 " +
           std::string(topicName(j.topic));
}

const chart::PalaceCell& cellAt(const ChartRecord& r, Palace p) { return r.cells[chart::cellOfPalace(p)]; }

bool isVoid(const ChartRecord& r, Palace p) { return cellAt(r, p).voidFirst || cellAt(r, p).voidSecond; }

// The five-phase of a thing as the tradition gives it, for a located element.
std::optional<int> phaseOf(const ChartRecord& r, const PlacedElement& e) {
    constexpr int kStemPhase[10] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 0};
    switch (e.thing.kind) {
    case ThingKind::Door: return patterns::kDoorElement[e.thing.code];
    case ThingKind::LeaderDoor: return patterns::kDoorElement[r.leaderDoor];
    case ThingKind::Star: return analysis::kStarElement[e.thing.code];
    case ThingKind::Deity: return std::nullopt;
    default: return kStemPhase[e.stem];
    }
}

int palacePhase(Palace p) { return patterns::kPalaceElement[chart::homeOfPalace(p)]; }

// (b − a) mod 5 for phases: 1 a generates b, 2 a controls b.
int phaseStep(int a, int b) { return ((b - a) % 5 + 5) % 5; }

// Whether a thing stands in palace p by the record's cells.
bool standsAt(const ChartRecord& r, Thing thing, calendar::StemCode stem, Palace p) {
    const chart::PalaceCell& c = cellAt(r, p);
    const bool withRui = c.star == chart::kStarRui;
    switch (thing.kind) {
    case ThingKind::Door: return c.door == thing.code;
    case ThingKind::LeaderDoor: return c.door == r.leaderDoor;
    case ThingKind::Star: return c.star == thing.code || (thing.code == chart::kStarQin && withRui);
    case ThingKind::Deity: return c.deity == kDeities[thing.code].code;
    default:
        return c.heavenStem == stem || (withRui && r.cells[chart::kCentreCell].heavenStem == stem);
    }
}

calendar::StemCode stemOfThing(Thing thing) {
    return thing.kind == ThingKind::Stem ? thing.code : chart::kNoStem;
}

// The tombs by the ten stems (阳死阴生) and by the five phases (水 土 at 辰).
Palace tombOf(const ChartRecord& r, const PlacedElement& e) {
    constexpr Palace kStemTomb[10] = {2, 0, 6, 6, 8, 6, 8, 8, 4, 4};
    constexpr Palace kPhaseTomb[5] = {4, 2, 6, 4, 8};
    if (e.stem != chart::kNoStem) return kStemTomb[e.stem];
    std::optional<int> phase = phaseOf(r, e);
    return phase ? kPhaseTomb[*phase] : 0;
}

bool doorsAt(const ChartRecord& r, bool opposite) {
    for (chart::GridCell g : chart::kOuterRing) {
        chart::HomeCode home = chart::homeOfCell(g);
        if (r.cells[g].door != (opposite ? patterns::kOppositeHome[home] : home)) return false;
    }
    return true;
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Empty when the reason's feature is present in the record; else why not.
std::string absence(const ChartRecord& r, const Judgement& j, const Reason& reason) {
    switch (reason.feature) {
    case Feature::FuYin: return r.plateEcho == chart::kFuYin && contains(reason.text, "伏吟") ? "" : "no 伏吟";
    case Feature::FanYin: return r.plateEcho == chart::kFanYin && contains(reason.text, "反吟") ? "" : "no 反吟";
    case Feature::DoorFuYin: return doorsAt(r, false) && contains(reason.text, "伏吟") ? "" : "doors not at home";
    case Feature::DoorFanYin: return doorsAt(r, true) && contains(reason.text, "反吟") ? "" : "doors not opposite";
    default: break;
    }
    if (reason.element < 0) return reason.feature == Feature::Cap && r.plateEcho == chart::kFuYin ? "" : "no element";
    const PlacedElement& e = j.elements[static_cast<std::size_t>(reason.element)];
    const Palace p = reason.palace;
    if (p != e.palace || p == 0 || !standsAt(r, e.thing, e.stem, p)) return e.name + " is not in that palace";
    if (!contains(reason.text, e.name)) return "the text does not name " + e.name;
    const chart::HomeCode home = chart::homeOfPalace(p);
    const std::optional<int> phase = phaseOf(r, e);
    switch (reason.feature) {
    case Feature::Wang: case Feature::Xiang: case Feature::Xiu: case Feature::Qiu: case Feature::Si: {
        int state = static_cast<int>(reason.feature);  // 0 旺 … 4 死
        bool holds = phase && analysis::stateIndex(*phase, r.monthElement) - 1 == state;
        return holds && contains(reason.text, chart::strengthText(state)) ? "" : "wrong state";
    }
    case Feature::Void: return isVoid(r, p) ? "" : "palace not void";
    case Feature::Tomb: return tombOf(r, e) == p ? "" : "not its tomb";
    case Feature::Punishment: {
        patterns::PalaceFindings findings;
        patterns::detectPatterns(r, home, cellAt(r, p), findings);
        return findings.contains(patterns::pattern::kLiuYiJiXing) ? "" : "the detector finds no 六仪击刑";
    }
    case Feature::Horse: return cellAt(r, p).horseFirst || cellAt(r, p).horseSecond ? "" : "no horse";
    case Feature::DoorPressing: return phase && phaseStep(*phase, palacePhase(p)) == 2 ? "" : "door does not press";
    case Feature::PalacePressing:
    case Feature::PalaceControls: return phase && phaseStep(palacePhase(p), *phase) == 2 ? "" : "palace does not control";
    case Feature::PalaceNourishes: return phase && phaseStep(palacePhase(p), *phase) == 1 ? "" : "palace does not generate";
    case Feature::Generates: case Feature::Controls: case Feature::GeneratedBy: case Feature::ControlledBy:
    case Feature::SameElement: case Feature::SamePalace: {
        const PlacedElement& other = j.elements[static_cast<std::size_t>(reason.counterpart)];
        if (!standsAt(r, other.thing, other.stem, other.palace) || !contains(reason.text, other.name))
            return "counterpart misplaced or unnamed";
        const int step = phaseStep(palacePhase(p), palacePhase(other.palace));
        bool holds = reason.feature == Feature::SamePalace   ? other.palace == p
                     : other.palace == p                     ? false
                     : reason.feature == Feature::SameElement ? step == 0
                     : reason.feature == Feature::Generates   ? step == 1
                     : reason.feature == Feature::Controls    ? step == 2
                     : reason.feature == Feature::ControlledBy ? step == 3
                                                               : step == 4;
        return holds ? "" : "wrong relation";
    }
    case Feature::Companion:
        return standsAt(r, *reason.companion, stemOfThing(*reason.companion), p) &&
                       contains(reason.text, thingName(*reason.companion))
                   ? ""
                   : "companion absent";
    case Feature::AuspiciousPattern:
    case Feature::InauspiciousPattern: {
        patterns::PalaceFindings findings;
        patterns::detectPatterns(r, home, cellAt(r, p), findings);
        return findings.contains(reason.pattern) && contains(reason.text, patterns::patternName(reason.pattern))
                   ? ""
                   : "pattern absent";
    }
    case Feature::Cap:
        return isVoid(r, p) && phase && phaseStep(palacePhase(p), *phase) == 2 ? "" : "not void and controlled";
    default: return "unexpected feature";
    }
}

// One pass over the year checks every property, each with its own message.
TEST(YearOfCharts, CeilingsHoldAndEveryReasonNamesAFeatureTheChartShows) {
    int voidAndControlled = 0, fuYinTravel = 0;
    std::array<std::array<int, 5>, kTopicCount> seen{};
    forEveryJudgementOfTheYear([&](const ChartRecord& r, const Judgement& j) {
        // A useful god void and controlled by its palace: never 吉 or 大吉.
        for (const PlacedElement& e : j.elements) {
            if (e.role != Role::Useful || e.palace == 0) continue;
            std::optional<int> phase = phaseOf(r, e);
            if (!isVoid(r, e.palace) || !phase || phaseStep(palacePhase(e.palace), *phase) != 2) continue;
            ++voidAndControlled;
            EXPECT_LE(j.verdict, Verdict::Even) << momentOf(r, j) << " " << e.name << " void and controlled";
        }
        // A 伏吟 chart: travel never 吉.
        if (j.topic == Topic::Travel && r.plateEcho == chart::kFuYin) {
            ++fuYinTravel;
            EXPECT_LE(j.verdict, Verdict::Even) << momentOf(r, j) << " 伏吟";
        }
        // Every reason names a feature the record shows, and the score is their sum.
        int sum = 0;
        for (const Reason& reason : j.reasons) {
            EXPECT_EQ(absence(r, j, reason), "") << momentOf(r, j) << ": " << reason.text;
            sum += reason.weight;
        }
        EXPECT_EQ(sum, j.score) << momentOf(r, j);
        ++seen[static_cast<std::size_t>(j.topic)][static_cast<std::size_t>(static_cast<int>(j.verdict) + 2)];
    });
    // The properties were put to the test, and no topic is stuck on a few verdicts.
    EXPECT_GT(voidAndControlled, 0);
    EXPECT_GT(fuYinTravel, 0);
    for (int t = 0; t < kTopicCount; ++t)
        for (int v = 0; v < 5; ++v)
            EXPECT_GT(seen[static_cast<std::size_t>(t)][static_cast<std::size_t>(v)], 0)
                << kTopicNames[static_cast<std::size_t>(t)] << " never " << verdictText(static_cast<Verdict>(v - 2));
}

}  // namespace
}  // namespace qimen::judgement::testing

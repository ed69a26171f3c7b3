// Weighing a chart for a topic by the rule book.
#include "judgement/judge.hpp"

#include "chart/vocabulary.hpp"
#include "judgement/chart_facts.hpp"
#include "patterns/pattern_tables.hpp"

namespace qimen::judgement {
namespace {

using chart::Palace;

std::string_view palaceName(Palace palace) { return chart::palaceNameText(chart::homeOfPalace(palace)); }

// The branches of a palace, joined with "、" (坎 子; 艮 丑、寅).
std::string palaceBranchText(Palace palace) {
    std::string text;
    const chart::GridCell g = chart::cellOfPalace(palace);
    for (int b = 1; b <= 12; ++b) {
        calendar::BranchCode branch = static_cast<calendar::BranchCode>(b % 12);
        if (chart::kCellOfBranch[branch] != g) continue;
        if (!text.empty()) text += "、";
        text += chart::branchText(branch);
    }
    return text;
}

// The branch whose day opens a tomb palace: the clash of the palace's
// storehouse branch (辰 戌 丑 未), or of its first branch elsewhere.
std::string tombOpeningBranch(Palace palace) {
    const chart::GridCell g = chart::cellOfPalace(palace);
    int chosen = -1;
    for (int b = 1; b <= 12; ++b) {
        calendar::BranchCode branch = static_cast<calendar::BranchCode>(b % 12);
        if (chart::kCellOfBranch[branch] != g) continue;
        bool storehouse = branch == 2 || branch == 5 || branch == 8 || branch == 11;
        if (chosen < 0 || storehouse) chosen = branch;
        if (storehouse) break;
    }
    return std::string(chart::branchText((chosen + 6) % 12));
}

class Judge {
public:
    Judge(const chart::ChartRecord& chart, Topic topic, const RuleBook& book)
        : facts_(chart), book_(book), rules_(book.topic(topic)) {
        result_.topic = topic;
    }

    Judgement run() {
        placeElements();
        weighChart();
        for (std::size_t e = 0; e < rules_.elements.size(); ++e) weighElement(static_cast<int>(e));
        decide();
        writeTiming();
        if (result_.topic == Topic::Travel) chooseDirections();
        return std::move(result_);
    }

private:
    const Element& element(int e) const { return rules_.elements[static_cast<std::size_t>(e)]; }
    const PlacedElement& placed(int e) const { return result_.elements[static_cast<std::size_t>(e)]; }

    SlotValues valuesOf(int e) const {
        SlotValues values{};
        const PlacedElement& p = placed(e);
        values[static_cast<std::size_t>(Slot::Thing)] = p.name;
        values[static_cast<std::size_t>(Slot::Palace)] = palaceName(p.palace);
        values[static_cast<std::size_t>(Slot::Meaning)] = p.meaning;
        return values;
    }

    static void set(SlotValues& values, Slot slot, std::string_view value) {
        values[static_cast<std::size_t>(slot)] = value;
    }

    // Adds the reason when a rule names the feature with a weight or with
    // words (a weight of 0 with words is shown and weighs nothing).
    void add(Reason reason, EffectRef ref, const SlotValues& values) {
        const Effect* effect = book_.effect(ref);
        if (!effect || (effect->weight == 0 && effect->describe.empty())) return;
        reason.weight = effect->weight;
        effect->describe.appendTo(reason.text, values);
        reason.text += "：";
        effect->effect.appendTo(reason.text, values);
        result_.score += reason.weight;
        result_.reasons.push_back(std::move(reason));
    }

    void placeElements() {
        for (const Element& e : rules_.elements) {
            PlacedElement p;
            p.thing = e.thing;
            p.name = facts_.displayName(e.thing);
            p.role = e.role;
            p.meaning = e.meaning;
            p.palace = facts_.palaceOf(e.thing);
            p.stem = facts_.stemOf(e.thing);
            const chart::ChartRecord& c = facts_.chart();
            p.hiddenJia = (e.thing.kind == ThingKind::DayStem && calendar::stemOf(c.dayGZ) == chart::kStemJia) ||
                          (e.thing.kind == ThingKind::HourStem && calendar::stemOf(c.hourGZ) == chart::kStemJia);
            result_.elements.push_back(std::move(p));
        }
        present_.assign(rules_.elements.size(), 0);
        // The palace's own features (its patterns and 击刑) count once, for
        // the first 用神 standing there, else the asker, else the matter.
        for (Role role : {Role::Useful, Role::Asker, Role::Matter})
            for (std::size_t e = 0; e < rules_.elements.size(); ++e) {
                const Role r = rules_.elements[e].role == Role::Adverse ? Role::Useful : rules_.elements[e].role;
                Palace palace = result_.elements[e].palace;
                if (r == role && palace != 0 && palaceOwner_[palace] < 0) palaceOwner_[palace] = static_cast<int>(e);
            }
    }

    void weighChart() {
        for (int c = 0; c < kChartFeatureCount; ++c) {
            if (!facts_.echo(c)) continue;
            Reason reason;
            reason.feature = chartFeature(c);
            add(std::move(reason), rules_.chart[static_cast<std::size_t>(c)], SlotValues{});
        }
    }

    void note(int e, Feature f) { present_[static_cast<std::size_t>(e)] |= 1u << static_cast<unsigned>(f); }
    bool noted(int e, Feature f) const { return present_[static_cast<std::size_t>(e)] & (1u << static_cast<unsigned>(f)); }

    // An own feature: noted for the ceilings whatever its weight, reported
    // when a rule weighs it.
    void own(int e, Feature f, const SlotValues& values, calendar::StemCode stem = chart::kNoStem) {
        note(e, f);
        Reason reason;
        reason.feature = f;
        reason.element = e;
        reason.palace = placed(e).palace;
        reason.stem = stem;
        add(std::move(reason), element(e).own[static_cast<std::size_t>(f)], values);
    }

    void weighElement(int e) {
        const Element& el = element(e);
        const Palace palace = placed(e).palace;
        if (palace == 0) return;
        const chart::HomeCode home = chart::homeOfPalace(palace);
        SlotValues values = valuesOf(e);

        std::optional<int> state = facts_.stateOf(el.thing);
        if (state) {
            SlotValues v = values;
            set(v, Slot::State, chart::strengthText(*state));
            own(e, static_cast<Feature>(static_cast<int>(Feature::Wang) + *state), v);
        }
        if (facts_.isVoid(palace)) own(e, Feature::Void, values);
        bool entombed = isEntombed(el.thing, palace);
        if (entombed) own(e, Feature::Tomb, values);
        const bool owner = palaceOwner_[palace] == e;
        for (calendar::StemCode stem : facts_.heavenStems(palace)) {
            if (!owner || stem == chart::kNoStem || book_.punishment[stem] != palace) continue;
            SlotValues v = values;
            set(v, Slot::Stem, chart::stemText(stem));
            own(e, Feature::Punishment, v, stem);
            break;
        }
        if (facts_.hasHorse(palace)) own(e, Feature::Horse, values);
        if (std::optional<chart::ElementCode> mine = facts_.elementOf(el.thing)) {
            const int d = (*mine - patterns::kPalaceElement[home] + 5) % 5;  // [0, 4]
            const bool door = el.thing.kind == ThingKind::Door || el.thing.kind == ThingKind::LeaderDoor;
            if (d == 1) own(e, Feature::PalaceNourishes, values);
            if (d == 2) own(e, door ? Feature::PalacePressing : Feature::PalaceControls, values);
            if (d == 3 && door) own(e, Feature::DoorPressing, values);
        }

        for (std::size_t k = 0; k < el.counterparts.size(); ++k) weighRelation(e, el.counterparts[k], el.relations[k]);

        const calendar::StemCode ownStem = facts_.stemOf(el.thing);
        for (const Companion& companion : el.companions) {
            // A stem never keeps company with itself (日干+庚 on a 庚 day).
            if (facts_.palaceOf(companion.other) != palace) continue;
            if (ownStem != chart::kNoStem && facts_.stemOf(companion.other) == ownStem) continue;
            std::string name = facts_.displayName(companion.other);
            SlotValues v = values;
            set(v, Slot::Companion, name);
            Reason reason;
            reason.feature = Feature::Companion;
            reason.element = e;
            reason.palace = palace;
            reason.companion = companion.other;
            add(std::move(reason), companion.effect, v);
        }

        // 六仪击刑 is weighed as 击刑 above, and a wonder that is itself
        // entombed as 入墓.
        const bool wonder = placed(e).stem >= 2 && placed(e).stem <= 4;  // 乙 丙 丁
        for (patterns::PatternCode code : facts_.findings(palace).found()) {
            if (!owner || code == patterns::pattern::kLiuYiJiXing) continue;
            if (code == patterns::pattern::kSanQiRuMu && wonder && entombed) continue;
            SlotValues v = values;
            set(v, Slot::Pattern, patterns::patternName(code));
            Reason reason;
            reason.feature = patterns::isAuspiciousPattern(code) ? Feature::AuspiciousPattern : Feature::InauspiciousPattern;
            reason.element = e;
            reason.palace = palace;
            reason.pattern = code;
            add(std::move(reason), el.patterns[static_cast<std::size_t>(patterns::patternTableIndex(code))], v);
        }
    }

    void weighRelation(int e, int other, const std::array<EffectRef, kRelationCount>& refs) {
        const Palace mine = placed(e).palace, theirs = placed(other).palace;
        if (mine == 0 || theirs == 0) return;
        // The same stem twice (丁 for the grades on a 丁 day) is one thing.
        const calendar::StemCode stem = placed(e).stem;
        if (stem != chart::kNoStem && stem == placed(other).stem) return;
        int relation = 5;  // 与对同宫
        if (mine != theirs) {
            const int d = (patterns::kPalaceElement[chart::homeOfPalace(theirs)] -
                           patterns::kPalaceElement[chart::homeOfPalace(mine)] + 5) % 5;  // [0, 4]
            constexpr int kByDifference[5] = {4, 0, 1, 3, 2};  // 比和 生对 克对 受对克 受对生
            relation = kByDifference[d];
        }
        SlotValues values = valuesOf(e);
        set(values, Slot::Other, placed(other).name);
        set(values, Slot::OtherMeaning, placed(other).meaning);
        Reason reason;
        reason.feature = relationFeature(relation);
        reason.element = e;
        reason.palace = mine;
        reason.counterpart = other;
        add(std::move(reason), refs[static_cast<std::size_t>(relation)], values);
    }

    bool isEntombed(Thing thing, Palace palace) const {
        calendar::StemCode stem = facts_.stemOf(thing);
        if (stem != chart::kNoStem) return book_.stemTomb[stem] == palace;
        std::optional<chart::ElementCode> element = facts_.elementOf(thing);
        return element && book_.elementTomb[*element] == palace;
    }

    bool capHolds(const Cap& cap, int& element) const {
        element = -1;
        if (!cap.role) {
            for (Feature f : cap.features)
                if (!facts_.echo(static_cast<int>(f) - static_cast<int>(Feature::FuYin))) return false;
            return true;
        }
        for (std::size_t e = 0; e < rules_.elements.size(); ++e) {
            const int i = static_cast<int>(e);
            if (rules_.elements[e].role != *cap.role || placed(i).palace == 0) continue;
            bool holds = !cap.controlled || noted(i, Feature::PalacePressing) || noted(i, Feature::PalaceControls);
            for (Feature f : cap.features) holds = holds && noted(i, f);
            if (holds) {
                element = i;
                return true;
            }
        }
        return false;
    }

    void decide() {
        const int s = result_.score;
        result_.verdict = s >= rules_.greatGood ? Verdict::GreatGood
                          : s >= rules_.good    ? Verdict::Good
                          : s <= rules_.greatBad ? Verdict::GreatBad
                          : s <= rules_.bad     ? Verdict::Bad
                                                : Verdict::Even;
        for (const Cap& cap : rules_.caps) {
            int e = -1;
            if (result_.verdict <= cap.ceiling || !capHolds(cap, e)) continue;
            result_.verdict = cap.ceiling;
            Reason reason;
            reason.feature = Feature::Cap;
            reason.element = e;
            reason.palace = e >= 0 ? placed(e).palace : 0;
            cap.text.appendTo(reason.text, e >= 0 ? valuesOf(e) : SlotValues{});
            result_.reasons.push_back(std::move(reason));
        }
    }

    void writeTiming() {
        const int e = rules_.timingElement;
        const Palace palace = placed(e).palace;
        if (palace == 0) return;
        SlotValues values = valuesOf(e);
        std::string branches;
        const RuleTemplate* text = nullptr;
        if (facts_.isVoid(palace)) {
            branches = facts_.voidBranchText(palace);
            text = &book_.timing.voidFilled;
        } else if (isEntombed(element(e).thing, palace)) {
            branches = tombOpeningBranch(palace);
            text = &book_.timing.tombOpened;
        } else {
            branches = palaceBranchText(palace);
            std::optional<int> state = facts_.stateOf(element(e).thing);
            text = !state || *state == 2 ? &book_.timing.even : *state < 2 ? &book_.timing.strong : &book_.timing.weak;
        }
        set(values, Slot::Branch, branches);
        text->appendTo(result_.timing, values);
    }

    // A palace as a direction of travel: its sum, and with `items` the names
    // of the items of one sign (good: those above 0, else those below).
    int weighDirection(Palace palace, std::vector<std::string>* items = nullptr, bool good = true) const {
        const DirectionWeights& w = book_.directions;
        const chart::PalaceCell& c = facts_.cell(palace);
        const chart::HomeCode home = chart::homeOfPalace(palace);
        int score = 0;
        auto item = [&](int weight, std::string_view name) {
            score += weight;
            if (items && weight != 0 && (weight > 0) == good) items->emplace_back(name);
        };
        item(w.door[c.door], thingName({ThingKind::Door, c.door}));
        item(w.star[c.star], thingName({ThingKind::Star, c.star}));
        if (int deity = facts_.deityIndexOf(c.deity); deity >= 0)
            item(w.deity[static_cast<std::size_t>(deity)], kDeities[static_cast<std::size_t>(deity)].name);
        for (patterns::PatternCode code : facts_.findings(palace).found())
            item(w.pattern[static_cast<std::size_t>(patterns::patternTableIndex(code))], patterns::patternName(code));
        if (facts_.isVoid(palace)) item(w.voidBranch, "空亡");
        for (calendar::StemCode stem : facts_.heavenStems(palace))
            if (stem != chart::kNoStem && book_.punishment[stem] == palace) {
                item(w.punishment, "击刑");
                break;
            }
        const int r = patterns::doorPalaceRelation(c.door, home);
        if (r == 3) item(w.doorPressing, "门迫");
        if (r == 2) item(w.palacePressing, "宫迫");
        if (book_.elementTomb[patterns::kDoorElement[c.door]] == palace) item(w.tomb, "入墓");
        if (facts_.hasHorse(palace)) item(w.horse, "驿马");
        return score;
    }

    // The first palace with the highest sum is the best, the first with the
    // lowest the worst, walking from the north clockwise.
    void chooseDirections() {
        constexpr Palace kOrder[8] = {1, 8, 3, 4, 9, 2, 7, 6};
        Direction best{kOrder[0], weighDirection(kOrder[0]), {}}, worst = best;
        for (Palace palace : kOrder) {
            const int score = weighDirection(palace);
            if (score > best.score) best = {palace, score, {}};
            if (score < worst.score) worst = {palace, score, {}};
        }
        weighDirection(best.palace, &best.items, true);
        weighDirection(worst.palace, &worst.items, false);
        result_.best = std::move(best);
        result_.worst = std::move(worst);
    }

    ChartFacts facts_;
    const RuleBook& book_;
    const TopicRules& rules_;
    Judgement result_;
    std::vector<std::uint32_t> present_;  // own features found, by element
    std::array<int, 10> palaceOwner_ = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // by palace
};

}  // namespace

Expected<Judgement> judgeTopic(const chart::ChartRecord& chart, Topic topic, const RuleBook& rules) {
    const bool hour = chart.method == chart::ChartMethod::Hour || chart.method == chart::ChartMethod::GivenJuHour;
    if (!hour || chart.settings.pan != 0) return fail(std::string(kJudgementRefusal));
    return Judge(chart, topic, rules).run();
}

Expected<Judgement> judgeTopic(const chart::ChartRecord& chart, Topic topic) {
    const Expected<RuleBook>& rules = builtInRules();
    if (!rules) return fail(rules.message());
    return judgeTopic(chart, topic, *rules);
}

}  // namespace qimen::judgement

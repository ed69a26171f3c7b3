// What the judgement reads off a laid rotating-plate hour chart, found once
// per judgement: where each thing stands, the detector's findings of every
// palace, the void and horse marks, the plate echoes, and each thing's
// element and seasonal state.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/chart_record.hpp"
#include "chart/vocabulary.hpp"
#include "judgement/rule_book.hpp"
#include "judgement/things.hpp"
#include "patterns/pattern_detector.hpp"

namespace qimen::judgement {

class ChartFacts {
public:
    // Reads the chart's cells, pillars, leaders, month element and setting
    // shen; runs the pattern detector over the eight outer palaces.
    explicit ChartFacts(const chart::ChartRecord& chart);

    const chart::ChartRecord& chart() const { return chart_; }

    // The palace (1..9, never 5) where a thing stands, or 0 when it is not
    // on this plate (a deity of the other list). Stems are read on the
    // heaven plate; the centre's stem and 天禽 stand with 天芮; 日干 and 时干
    // of a 甲 pillar stand where its hidden instrument stands.
    chart::Palace palaceOf(Thing thing) const;

    // The stem 日干 or 时干 is read as (the hidden instrument for 甲), or the
    // stem of a Stem thing; 10 for the other kinds.
    calendar::StemCode stemOf(Thing thing) const;

    // Element of a thing that has one (hasElement), else nullopt.
    std::optional<chart::ElementCode> elementOf(Thing thing) const;

    // The seasonal state of a thing with an element: 0 旺 1 相 2 休 3 囚 4 死.
    std::optional<int> stateOf(Thing thing) const;

    // The detector's findings of the palace (the centre holds none).
    const patterns::PalaceFindings& findings(chart::Palace palace) const {
        return findings_[chart::cellOfPalace(palace)];
    }
    const chart::PalaceCell& cell(chart::Palace palace) const { return chart_.cells[chart::cellOfPalace(palace)]; }

    // The heaven stems of a palace: its own and, where 天芮 stands, the
    // centre's. The second is 10 when there is none.
    std::array<calendar::StemCode, 2> heavenStems(chart::Palace palace) const;

    bool isVoid(chart::Palace palace) const { return cell(palace).voidFirst || cell(palace).voidSecond; }
    bool hasHorse(chart::Palace palace) const { return cell(palace).horseFirst || cell(palace).horseSecond; }
    // The void branches of the palace, in branch order ("午", "申酉").
    std::string voidBranchText(chart::Palace palace) const;

    // The four chart-wide echoes, by chartFeature index: 伏吟 and 反吟 of
    // the heaven plate (the record's plateEcho), every door at home, every
    // door in the opposite palace.
    bool echo(int index) const { return echoes_[static_cast<std::size_t>(index)]; }

    // Index into kDeities of the deity code shown in this chart's list.
    int deityIndexOf(chart::Deity code) const;

    // The display name of a thing: 日干 and 时干 with their stem ("日干庚"),
    // the others by their rule-file name.
    std::string displayName(Thing thing) const;

private:
    const chart::ChartRecord& chart_;
    chart::DeityList deityList_;
    calendar::StemCode dayStem_, hourStem_;
    std::array<patterns::PalaceFindings, 9> findings_{};
    std::array<bool, kChartFeatureCount> echoes_{};
};

}  // namespace qimen::judgement

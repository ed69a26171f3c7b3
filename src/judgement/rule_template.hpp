// The words of a rule with placeholders the judgement fills from the chart:
// {物} the thing, {宫} its palace, {义} what it stands for, {态} its seasonal
// state, {对} and {对义} the element it is compared with, {伴} the thing
// sharing its palace, {格} a pattern, {干} a punished stem, {支} branches.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"

namespace qimen::judgement {

enum class Slot : std::uint8_t { Thing, Palace, Meaning, State, Other, OtherMeaning, Companion, Pattern, Stem, Branch };
inline constexpr int kSlotCount = 10;
inline constexpr std::array<std::string_view, kSlotCount> kSlotNames = {"物", "宫", "义", "态", "对",
                                                                        "对义", "伴", "格", "干", "支"};

// Which slots a rule may use, one bit per Slot.
using SlotSet = std::uint16_t;
constexpr SlotSet slotBit(Slot slot) { return static_cast<SlotSet>(1u << static_cast<unsigned>(slot)); }

// The value of each slot for one reason line.
using SlotValues = std::array<std::string_view, kSlotCount>;

class RuleTemplate {
public:
    // Reads "{物}落{宫}受宫克": literal text and placeholders. Fails on an
    // unknown or unclosed placeholder and on a slot outside `allowed`.
    static Expected<RuleTemplate> parse(std::string_view text, SlotSet allowed);

    void appendTo(std::string& out, const SlotValues& values) const;
    bool empty() const { return pieces_.empty(); }

private:
    struct Piece {
        std::string literal;
        std::optional<Slot> slot;  // a placeholder instead of the literal
    };
    std::vector<Piece> pieces_;
};

}  // namespace qimen::judgement

// The words of the rule file's keys and values: trimming and splitting,
// weights, roles, palaces, and what a rule key names (an element's own
// feature, a relation with a counterpart, a pattern, a chart feature, or a
// thing in the same palace), with the placeholders its words may use.
// Shared by the parts of the rule reader only.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "judgement/rule_book.hpp"

namespace qimen::judgement::rulekeys {

// The text without blanks (space, tab, CR) at either end.
std::string_view trim(std::string_view text);
// The trimmed parts between separators (one part for a text without any).
std::vector<std::string_view> split(std::string_view text, char separator);
// The non-empty parts between spaces.
std::vector<std::string_view> words(std::string_view text);
// A whole number, optionally signed, of at most three digits, in [low, high].
std::optional<int> parseNumber(std::string_view text, int low, int high);

std::optional<Role> roleOfWord(std::string_view word);
// One of the eight outer palaces by its trigram name (坎 … 离).
std::optional<chart::Palace> palaceOfName(std::string_view name);
std::optional<Feature> featureOfKey(std::string_view key);
// The pattern-table entries a name stands for (丙奇逢鼠 names two).
std::vector<int> patternSlotsOfName(std::string_view name);

inline constexpr SlotSet kElementSlots = slotBit(Slot::Thing) | slotBit(Slot::Palace) | slotBit(Slot::Meaning);

// What the part of a key after its qualifier names.
struct KeyTarget {
    enum class Kind { Own, Relation, Pattern, PatternClass, Chart, Companion } kind;
    Feature feature = Feature::Wang;
    std::optional<Thing> other;  // a relation's named counterpart, or the companion
    std::vector<int> patternSlots;
};

// Reads a key without its qualifier: 空亡, 生对, 生日干 (a relation naming
// its counterpart in place of 对), 吉格, 青龙返首, 伏吟, 生门+庚.
std::optional<KeyTarget> targetOfKey(std::string_view key);

// The placeholders the words of such a rule may use.
SlotSet slotsOf(const KeyTarget& target);

}  // namespace qimen::judgement::rulekeys

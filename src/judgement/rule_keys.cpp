// What the keys and values of the rule file say.
#include "judgement/rule_keys.hpp"

#include "patterns/pattern_codes.hpp"

namespace qimen::judgement::rulekeys {

std::string_view trim(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r";
    std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(trim(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::string_view part : split(text, ' '))
        if (!part.empty()) result.push_back(part);
    return result;
}

std::optional<int> parseNumber(std::string_view text, int low, int high) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<Role> roleOfWord(std::string_view word) {
    for (std::size_t r = 0; r < kRoleWords.size(); ++r)
        if (kRoleWords[r] == word) return static_cast<Role>(r);
    return std::nullopt;
}

std::optional<chart::Palace> palaceOfName(std::string_view name) {
    for (int home = 0; home < 9; ++home)
        if (home != 5 && chart::palaceNameText(home) == name) return chart::palaceOfHome(home);
    return std::nullopt;
}

std::optional<Feature> featureOfKey(std::string_view key) {
    for (int f = 0; f < kFeatureCount; ++f)
        if (kFeatureKeys[static_cast<std::size_t>(f)] == key) return static_cast<Feature>(f);
    return std::nullopt;
}

std::vector<int> patternSlotsOfName(std::string_view name) {
    std::vector<int> slots;
    for (int i = 0; i < kPatternSlots; ++i)
        if (patterns::patternName(patterns::patternCodeOfIndex(i)) == name) slots.push_back(i);
    return slots;
}

// The relation keys with a counterpart's name in place of 对: 生日干, 受日干克 …
namespace {

std::optional<KeyTarget> relationTarget(std::string_view key) {
    for (int r = 0; r < kRelationCount; ++r) {
        std::string_view generic = featureKey(relationFeature(r));
        std::size_t dui = generic.find("对");
        std::string_view before = generic.substr(0, dui), after = generic.substr(dui + std::string_view("对").size());
        if (key.size() <= before.size() + after.size() || !key.starts_with(before) || !key.ends_with(after)) continue;
        std::string_view name = key.substr(before.size(), key.size() - before.size() - after.size());
        if (name == "对") return KeyTarget{KeyTarget::Kind::Relation, relationFeature(r), std::nullopt, {}};
        if (std::optional<Thing> thing = thingOfName(name)) return KeyTarget{KeyTarget::Kind::Relation, relationFeature(r), thing, {}};
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyTarget> targetOfKey(std::string_view key) {
    if (std::size_t plus = key.find('+'); plus != std::string_view::npos) {
        std::optional<Thing> other = thingOfName(key.substr(plus + 1));
        if (!other) return std::nullopt;
        return KeyTarget{KeyTarget::Kind::Companion, Feature::Companion, other, {}};
    }
    if (std::optional<Feature> f = featureOfKey(key)) {
        if (*f < Feature::Generates) return KeyTarget{KeyTarget::Kind::Own, *f, std::nullopt, {}};
        if (*f == Feature::AuspiciousPattern || *f == Feature::InauspiciousPattern)
            return KeyTarget{KeyTarget::Kind::PatternClass, *f, std::nullopt, {}};
        if (*f >= Feature::FuYin && *f <= Feature::DoorFanYin) return KeyTarget{KeyTarget::Kind::Chart, *f, std::nullopt, {}};
    }
    if (std::optional<KeyTarget> relation = relationTarget(key)) return relation;
    if (std::vector<int> slots = patternSlotsOfName(key); !slots.empty()) {
        Feature f = slots[0] < patterns::kAuspiciousPatternCount ? Feature::AuspiciousPattern : Feature::InauspiciousPattern;
        return KeyTarget{KeyTarget::Kind::Pattern, f, std::nullopt, std::move(slots)};
    }
    return std::nullopt;
}

SlotSet slotsOf(const KeyTarget& target) {
    switch (target.kind) {
    case KeyTarget::Kind::Own:
        if (target.feature <= Feature::Si) return kElementSlots | slotBit(Slot::State);
        if (target.feature == Feature::Punishment) return kElementSlots | slotBit(Slot::Stem);
        return kElementSlots;
    case KeyTarget::Kind::Relation: return kElementSlots | slotBit(Slot::Other) | slotBit(Slot::OtherMeaning);
    case KeyTarget::Kind::Pattern:
    case KeyTarget::Kind::PatternClass: return kElementSlots | slotBit(Slot::Pattern);
    case KeyTarget::Kind::Companion: return kElementSlots | slotBit(Slot::Companion);
    case KeyTarget::Kind::Chart: return 0;
    }
    return 0;
}

}  // namespace qimen::judgement::rulekeys

// The judgement rules as the program holds them after reading the rule file
// (data/judgement/rules.txt, its format in data/judgement/README.md): for
// each topic the elements that stand for the asker, the matter and the
// 用神, and for every feature an element can show its weight and the words
// of its reason line, resolved from the most specific rule that names it.
//
// Data flow: rule text → parseRules (rule_parser.cpp) → RuleBook, read by
// judgeTopic (judge.hpp). The built-in book is the rule file compiled into
// the program, parsed once on first use.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "judgement/rule_template.hpp"
#include "judgement/things.hpp"
#include "judgement/topics.hpp"

namespace qimen::judgement {

// What an element stands for: the asker (人), the matter (事), a 用神 whose
// strength favours the matter (用), or one whose strength harms it (忌: the
// illness, the lawsuit, the rain).
enum class Role : std::uint8_t { Asker, Matter, Useful, Adverse };
inline constexpr std::array<std::string_view, 4> kRoleWords = {"人", "事", "用", "忌"};

enum class Verdict : std::int8_t { GreatBad = -2, Bad = -1, Even = 0, Good = 1, GreatGood = 2 };
// 大凶 凶 平 吉 大吉.
std::string_view verdictText(Verdict verdict);
std::optional<Verdict> verdictOfText(std::string_view text);

// The features of a chart the rules weigh. Their rule-file keys are in
// kFeatureKeys, in this order.
enum class Feature : std::uint8_t {
    // An element's own features.
    Wang, Xiang, Xiu, Qiu, Si,  // seasonal state of its element in the month
    Void,                       // its palace holds a void branch (空亡)
    Tomb,                       // it stands in its tomb palace (入墓)
    Punishment,                 // a heaven stem of its palace stands where it is punished (击刑)
    Horse,                      // its palace holds the post horse (驿马)
    DoorPressing,               // a door whose element controls its palace (门迫)
    PalacePressing,             // a door controlled by its palace (宫迫)
    PalaceControls,             // a stem or star controlled by its palace (受宫克)
    PalaceNourishes,            // a stem, door or star its palace generates (得宫生)
    // Its palace against a counterpart element's palace (对).
    Generates, Controls, GeneratedBy, ControlledBy, SameElement, SamePalace,
    Companion,                            // a named thing in its palace (A+B)
    AuspiciousPattern, InauspiciousPattern,  // a pattern the detector finds in its palace
    // The whole chart.
    FuYin,       // every heaven stem over its own earth stem
    DoorFuYin,   // every door at home
    FanYin,      // every heaven stem over the opposite palace's earth stem
    DoorFanYin,  // every door in the opposite palace
    // A ceiling on the verdict (上限).
    Cap,
};
inline constexpr int kFeatureCount = static_cast<int>(Feature::Cap) + 1;
inline constexpr int kOwnFeatureCount = static_cast<int>(Feature::PalaceNourishes) + 1;
inline constexpr int kRelationCount = 6;
inline constexpr int kChartFeatureCount = 4;
inline constexpr std::array<std::string_view, kFeatureCount> kFeatureKeys = {
    "旺", "相", "休", "囚", "死", "空亡", "入墓", "击刑", "驿马", "门迫", "宫迫", "受宫克", "得宫生",
    "生对", "克对", "受对生", "受对克", "与对比和", "与对同宫", "同宫", "吉格", "凶格",
    "伏吟", "门伏吟", "反吟", "门反吟", "上限"};

constexpr std::string_view featureKey(Feature feature) { return kFeatureKeys[static_cast<std::size_t>(feature)]; }
constexpr Feature relationFeature(int relation) { return static_cast<Feature>(static_cast<int>(Feature::Generates) + relation); }
constexpr Feature chartFeature(int index) { return static_cast<Feature>(static_cast<int>(Feature::FuYin) + index); }

// One weighed rule: its weight and the two halves of its reason line,
// "描述：效果".
struct Effect {
    int weight = 0;  // [-9, 9]; a weight of 0 is reported only when it has words
    RuleTemplate describe;
    RuleTemplate effect;
};
// Index into RuleBook::effects; kNoEffect where no rule names the feature.
using EffectRef = std::int16_t;
inline constexpr EffectRef kNoEffect = -1;

inline constexpr int kPatternSlots = 55;  // by the pattern-name table's entry

struct Companion {
    Thing other;
    EffectRef effect = kNoEffect;
};

// An element of a topic with every rule that applies to it resolved.
struct Element {
    Thing thing;
    Role role = Role::Useful;
    std::string meaning;           // 义: what it stands for in this matter
    std::vector<int> counterparts;  // indices of the elements it is compared with
    std::array<EffectRef, kOwnFeatureCount> own{};
    std::vector<std::array<EffectRef, kRelationCount>> relations;  // per counterpart
    std::array<EffectRef, kPatternSlots> patterns{};
    std::vector<Companion> companions;
};

// "上限": when the condition holds, the verdict is at most `ceiling`. The
// condition is a set of features of one element of the role (or of the
// chart when `role` is empty); 受克 in the file stands for 宫迫 or 受宫克.
struct Cap {
    std::optional<Role> role;
    std::vector<Feature> features;
    bool controlled = false;  // 受克
    Verdict ceiling = Verdict::Even;
    RuleTemplate text;
};

struct TopicRules {
    std::vector<Element> elements;
    int timingElement = 0;  // whose palace gives the timing hint (应期)
    // Sums at or above greatGood are 大吉, at or above good 吉, at or below
    // greatBad 大凶, at or below bad 凶, the rest 平.
    int greatGood = 0, good = 0, bad = 0, greatBad = 0;
    std::array<EffectRef, kChartFeatureCount> chart{};  // 伏吟 门伏吟 反吟 门反吟
    std::vector<Cap> caps;
};

// How a palace counts as a direction of travel (出行方位).
struct DirectionWeights {
    std::array<int, 9> door{};   // by Door code
    std::array<int, 9> star{};   // by Star code
    std::array<int, kDeities.size()> deity{};
    std::array<int, kPatternSlots> pattern{};
    int voidBranch = 0, punishment = 0, doorPressing = 0, palacePressing = 0, tomb = 0, horse = 0;
};

// Timing hints by the timing element's state: its palace void (the day the
// void is filled), its tomb (the day that opens it), or its palace's own
// branches: soon when it is strong (旺 相), late when weak (囚 死), and
// plainly for 休 and for deities, which have no state.
struct TimingTemplates {
    RuleTemplate voidFilled, tombOpened, strong, even, weak;
};

struct RuleBook {
    std::array<TopicRules, kTopicCount> topics;
    std::array<chart::Palace, 10> stemTomb{};      // by StemCode (甲 unused)
    std::array<chart::Palace, 5> elementTomb{};    // doors and stars, by ElementCode
    std::array<chart::Palace, 10> punishment{};    // 击刑 palace by StemCode, 0 none
    DirectionWeights directions;
    TimingTemplates timing;
    std::vector<Effect> effects;

    const TopicRules& topic(Topic t) const { return topics[static_cast<std::size_t>(t)]; }
    const Effect* effect(EffectRef ref) const {
        return ref == kNoEffect ? nullptr : &effects[static_cast<std::size_t>(ref)];
    }
};

// Reads a rule file. A fault is reported with its line ("规则文件第12行：…")
// and nothing of the file is used.
Expected<RuleBook> parseRules(std::string_view text);

// The rule file compiled into the program, and the book read from it (parsed
// once, on first use; thread-safe).
std::string_view builtInRuleText();
const Expected<RuleBook>& builtInRules();

}  // namespace qimen::judgement

// The things of a chart that a rule can name: the asker's and the matter's
// stems (日干, 时干), the stems of the heaven plate, the eight doors, the
// nine stars, the deities of the rotating plate, and the leaders 值符 and
// 值使. Each has one name in the rule file and an element where it has one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "chart/codes.hpp"
#include "chart/vocabulary.hpp"

namespace qimen::judgement {

enum class ThingKind : std::uint8_t {
    DayStem,     // 日干: the day pillar's stem on the heaven plate (甲 by its hidden instrument)
    HourStem,    // 时干: the same for the hour pillar
    Stem,        // a heaven-plate stem 乙..癸 (code: StemCode)
    Door,        // code: Door
    Star,        // code: Star (天禽 stands with 天芮)
    Deity,       // code: index into kDeities
    LeaderDoor,  // 值使: the door of the chart's leaderDoor
};

struct Thing {
    ThingKind kind = ThingKind::Stem;
    std::uint8_t code = 0;
    friend bool operator==(const Thing&, const Thing&) = default;
};

// A deity as the rules name it: its code on the rotating plate and the list
// it needs (白虎 and 玄武 exist only in list W, 勾陈 and 朱雀 only in list
// G). 值符 is the deity 直符, the leader of the spirit plate.
struct DeityName {
    std::string_view name;
    chart::Deity code;
    std::optional<chart::DeityList> list;  // none: in both lists
};
inline constexpr std::array<DeityName, 10> kDeities = {{
    {"值符", 0, std::nullopt},
    {"螣蛇", 1, std::nullopt},
    {"太阴", 2, std::nullopt},
    {"六合", 3, std::nullopt},
    {"白虎", 5, chart::DeityList::W},
    {"玄武", 6, chart::DeityList::W},
    {"九地", 7, std::nullopt},
    {"九天", 8, std::nullopt},
    {"勾陈", 5, chart::DeityList::G},
    {"朱雀", 6, chart::DeityList::G},
}};

// The thing of a rule-file name: 日干 时干 值使, 乙 … 癸, 休门 … 开门, 天蓬 …
// 天禽, and the deities of kDeities (直符 is read as 值符). 甲 hides under an
// instrument and 太常 never shows on the rotating plate: neither is a thing.
std::optional<Thing> thingOfName(std::string_view name);

// The rule-file name of a thing (值符 for the leader deity).
std::string_view thingName(Thing thing);

// Element (0 水 1 木 2 火 3 土 4 金) of a stem code 0..9: 甲乙 木, 丙丁 火,
// 戊己 土, 庚辛 金, 壬癸 水.
constexpr chart::ElementCode stemElement(calendar::StemCode stem) {
    constexpr std::array<chart::ElementCode, 10> element = {0, 1, 1, 2, 2, 3, 3, 4, 4, 0};
    return element[stem];
}

// Whether the seasonal state and the palace's 生克 apply to the thing:
// stems, doors and stars carry an element; deities are read by their
// presence only.
constexpr bool hasElement(ThingKind kind) { return kind != ThingKind::Deity; }

}  // namespace qimen::judgement

// Rule-file names of the chart's things.
#include "judgement/things.hpp"

namespace qimen::judgement {
namespace {

constexpr std::array<std::string_view, 9> kDoorNames = {"景门", "休门", "死门", "伤门", "杜门",
                                                        "",     "开门", "惊门", "生门"};
constexpr std::array<std::string_view, 9> kStarNames = {"天英", "天蓬", "天芮", "天冲", "天辅",
                                                        "天禽", "天心", "天柱", "天任"};

}  // namespace

std::optional<Thing> thingOfName(std::string_view name) {
    if (name.empty()) return std::nullopt;
    if (name == "日干") return Thing{ThingKind::DayStem, 0};
    if (name == "时干") return Thing{ThingKind::HourStem, 0};
    if (name == "值使") return Thing{ThingKind::LeaderDoor, 0};
    if (name == "直符") return Thing{ThingKind::Deity, 0};
    for (int s = 0; s < 10; ++s)
        if (s != chart::kStemJia && chart::stemText(s) == name) return Thing{ThingKind::Stem, static_cast<std::uint8_t>(s)};
    for (int d = 0; d < 9; ++d)
        if (!kDoorNames[d].empty() && kDoorNames[d] == name) return Thing{ThingKind::Door, static_cast<std::uint8_t>(d)};
    for (int s = 0; s < 9; ++s)
        if (kStarNames[s] == name) return Thing{ThingKind::Star, static_cast<std::uint8_t>(s)};
    for (std::size_t i = 0; i < kDeities.size(); ++i)
        if (kDeities[i].name == name) return Thing{ThingKind::Deity, static_cast<std::uint8_t>(i)};
    return std::nullopt;
}

std::string_view thingName(Thing thing) {
    switch (thing.kind) {
    case ThingKind::DayStem: return "日干";
    case ThingKind::HourStem: return "时干";
    case ThingKind::LeaderDoor: return "值使";
    case ThingKind::Stem: return chart::stemText(thing.code);
    case ThingKind::Door: return kDoorNames[thing.code];
    case ThingKind::Star: return kStarNames[thing.code];
    case ThingKind::Deity: return kDeities[thing.code].name;
    }
    return {};
}

}  // namespace qimen::judgement

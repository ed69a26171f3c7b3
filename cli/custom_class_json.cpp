// JSON form of a custom label class.
#include "custom_class_json.hpp"

#include <array>

#include "command.hpp"

namespace qimen::cli {
namespace {

using custom::AliasCheck;
using custom::AliasGroup;
using nlohmann::json;

constexpr std::array<std::string_view, custom::kAliasGroupCount> kGroupKeys = {
    "yinDeities", "yangDeities", "stars",    "heavenStems", "doors",     "earthStems",
    "palaces",    "dayStem",     "hourStem", "leaderStar",  "leaderDoor",
};

// The JSON keys of the check boxes beside an edit group.
struct EditFlags {
    AliasGroup group;
    const char* first;
    AliasCheck firstCheck;
    const char* second;  // nullptr when the edit has one check box
    AliasCheck secondCheck;
};
constexpr std::array<EditFlags, 4> kEditFlags = {{
    {AliasGroup::DayStem, "onHeaven", AliasCheck::DayOnHeaven, "onEarth", AliasCheck::DayOnEarth},
    {AliasGroup::HourStem, "onHeaven", AliasCheck::HourOnHeaven, "onEarth", AliasCheck::HourOnEarth},
    {AliasGroup::LeaderStar, "use", AliasCheck::LeaderStar, nullptr, AliasCheck::LeaderStar},
    {AliasGroup::LeaderDoor, "use", AliasCheck::LeaderDoor, nullptr, AliasCheck::LeaderDoor},
}};

template <typename Class>
auto& flag(Class& c, AliasCheck check) {
    return c.*custom::aliasChecks()[static_cast<std::size_t>(check)].flag;
}

bool isEdit(const custom::AliasGroupInfo& info) { return info.defaults.size() == 1; }

std::string text(const json& value, std::string_view where) {
    if (!value.is_string()) throw CommandError(std::string(where) + " must be a text");
    return value.get<std::string>();
}

}  // namespace

std::string_view customGroupKey(AliasGroup group) { return kGroupKeys[static_cast<std::size_t>(group)]; }

json customClassJson(const custom::CustomClass& c) {
    json j{{"name", c.name}};
    for (const auto& info : custom::aliasGroups()) {
        if (isEdit(info)) continue;
        auto cells = custom::aliasCells(c, info.group);
        j[customGroupKey(info.group)] = std::vector<std::string>(cells.begin(), cells.end());
    }
    for (const EditFlags& edit : kEditFlags) {
        json& entry = j[customGroupKey(edit.group)];
        entry = json{{"alias", custom::aliasCells(c, edit.group)[0]}, {edit.first, flag(c, edit.firstCheck)}};
        if (edit.second) entry[edit.second] = flag(c, edit.secondCheck);
    }
    return j;
}

custom::CustomClass customClassFromJson(const json& j) {
    if (!j.is_object()) throw CommandError("a custom class must be a JSON object");
    custom::CustomClass c = custom::defaultCustomClass();
    for (const auto& info : custom::aliasGroups()) {
        std::string key(customGroupKey(info.group));
        if (!j.contains(key) || isEdit(info)) continue;
        const json& list = j[key];
        auto cells = custom::aliasCells(c, info.group);
        if (!list.is_array() || list.size() != cells.size())
            throw CommandError(key + " must be a list of " + std::to_string(cells.size()) + " aliases");
        for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = text(list[i], key);
    }
    for (const EditFlags& edit : kEditFlags) {
        std::string key(customGroupKey(edit.group));
        if (!j.contains(key)) continue;
        const json& entry = j[key];
        if (!entry.is_object()) throw CommandError(key + " must be an object with \"alias\"");
        if (entry.contains("alias")) custom::aliasCells(c, edit.group)[0] = text(entry["alias"], key + ".alias");
        for (auto [name, check] : {std::pair{edit.first, edit.firstCheck}, std::pair{edit.second, edit.secondCheck}}) {
            if (name == nullptr || !entry.contains(name)) continue;
            if (!entry[name].is_boolean()) throw CommandError(key + "." + name + " must be true or false");
            flag(c, check) = entry[name].get<bool>();
        }
    }
    return c;
}

}  // namespace qimen::cli

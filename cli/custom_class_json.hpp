// The JSON form of a custom label class, written by `qimen custom show
// --json` and read by `qimen custom add --from FILE`:
//   {"name", "yinDeities": [8], "yangDeities": [8], "stars": [9],
//    "heavenStems": [9], "doors": [8], "earthStems": [9], "palaces": [8],
//    "dayStem": {"alias", "onHeaven", "onEarth"}, "hourStem": {…},
//    "leaderStar": {"alias", "use"}, "leaderDoor": {"alias", "use"}}
#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

#include "custom/alias_groups.hpp"

namespace qimen::cli {

// The JSON key of a group ("yinDeities" … "leaderDoor").
std::string_view customGroupKey(custom::AliasGroup group);

nlohmann::json customClassJson(const custom::CustomClass& custom);

// A class from its JSON form; keys left out keep the default texts (and
// clear check boxes), "name" is ignored. Throws CommandError for a value of
// the wrong kind or a list of the wrong length; aliases are checked when the
// class is stored.
custom::CustomClass customClassFromJson(const nlohmann::json& json);

}  // namespace qimen::cli

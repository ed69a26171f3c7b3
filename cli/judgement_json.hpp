// JSON form of a judgement, for `qimen topic --json` and `qimen chart --json`.
#pragma once

#include <nlohmann/json.hpp>

#include "judgement/judge.hpp"

namespace qimen::cli {

// {topic, verdict, score, elements: [{name, role, meaning, palace,
// direction}], reasons: [{feature, element, palace, weight, text}], timing,
// and for travel best and worst: {palace, direction, score, items}}.
// Palaces are Luoshu numbers; an element not on the plate has palace 0.
nlohmann::json judgementJson(const judgement::Judgement& judgement);

}  // namespace qimen::cli

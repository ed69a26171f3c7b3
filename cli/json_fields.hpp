// JSON forms shared by the commands: a moment and a sexagenary pillar.
#pragma once

#include <nlohmann/json.hpp>

#include "calendar/civil_date_time.hpp"
#include "calendar/ganzhi.hpp"

namespace qimen::cli {

// {year (as the user writes it), month, day, hour, minute, text}.
nlohmann::json momentJson(const calendar::CivilDateTime& date);

// {code, text}, e.g. {55, "戊午"}.
nlohmann::json ganZhiJson(calendar::GanZhiCode code);

}  // namespace qimen::cli

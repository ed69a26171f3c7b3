// The `qimen calendar …` commands: pillars, terms, jd, weekday, solar-time.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addCalendarCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

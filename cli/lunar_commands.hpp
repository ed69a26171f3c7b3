// The `qimen calendar lunar` and `qimen calendar solar` commands: a
// Gregorian date as a lunar date, and a lunar date as a Gregorian one.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addLunarCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

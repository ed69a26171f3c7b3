// `qimen travel`: the travel formula (出行密诀) of a moment of departure.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addTravelCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

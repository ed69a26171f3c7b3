// `qimen topic`: the reading guide of one of the seven topics for a chart.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addTopicCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

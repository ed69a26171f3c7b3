// `qimen custom`: the custom label classes of dat/custom.dat (list, show,
// add, set, check, delete) and the custom printout of a chart.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addCustomCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

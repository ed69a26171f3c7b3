// `qimen chart`: lays a chart of any method through the chart driver.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addChartCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

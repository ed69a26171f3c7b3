// The `qimen cases …` commands over the case store: list, show, delete, find,
// export, import, clear. (Adding and editing a case lay a chart and come with
// the chart driver.)
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addCaseCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

// The `qimen cases …` commands over the case store: list, show, add (lay a
// chart and save it with its commentary file), edit, delete, find, export,
// import, clear.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addCaseCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

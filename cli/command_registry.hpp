// The list of every command of the tool.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

std::vector<std::unique_ptr<Command>> makeCommands();

}  // namespace qimen::cli

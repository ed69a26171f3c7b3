// `qimen search`: the time search over a range with the conditions as
// options, and the listing of one result line.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addSearchCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

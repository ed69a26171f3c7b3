// The `qimen places …` commands over the place table dat/dili.ini: list, set,
// delete.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addPlaceCommands(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

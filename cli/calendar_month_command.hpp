// `qimen calendar month`: one month of 1900..2050 as a calendar page.
#pragma once

#include <memory>
#include <vector>

#include "command.hpp"

namespace qimen::cli {

void addCalendarMonthCommand(std::vector<std::unique_ptr<Command>>& commands);

}  // namespace qimen::cli

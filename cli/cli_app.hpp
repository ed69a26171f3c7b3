// Entry point of the `qimen` tool, callable in-process by tests.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "calendar/civil_date_time.hpp"

namespace qimen::cli {

// The local civil time of this machine, to the minute.
calendar::CivilDateTime localNow();

// Parses the arguments (without the program name), runs the chosen command
// and returns the process exit code: 0 success, 1 a failure reported on
// `err` in one line, 2 a usage error.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::function<calendar::CivilDateTime()> now = localNow);

}  // namespace qimen::cli

// The shape of one command of the `qimen` tool: it declares its options on a
// CLI11 subcommand and, when chosen, runs against injected streams and clock.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <utility>

#include <CLI/CLI.hpp>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"

namespace qimen::cli {

// What a running command may touch: the two output streams and the clock
// ("now" in local civil time), injected so tests run commands in-process.
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    std::function<calendar::CivilDateTime()> now;
};

// Raised by a command for a failure the user must see: one clear line on
// standard error, exit code 1.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value of a result of the core; its failure becomes the command's
// error line.
template <typename T>
T valueOrError(Expected<T> result) {
    if (!result) throw CommandError(result.message());
    return std::move(result).value();
}
inline void succeedOrError(const Expected<void>& result) {
    if (!result) throw CommandError(result.message());
}

class Command {
public:
    virtual ~Command() = default;
    // The group the command sits under ("calendar", "cases" …).
    virtual std::string group() const = 0;
    // Adds the command's subcommand with its options to the group; a
    // standalone command adds its options to the group itself and returns it.
    virtual CLI::App* attach(CLI::App& group) = 0;
    // True for a command that is its group (`qimen chart [options]`) rather
    // than a leaf under it (`qimen calendar pillars`).
    virtual bool standalone() const { return false; }
    // Runs the command; returns the exit code or throws CommandError.
    virtual int run(CommandContext& context) = 0;
};

}  // namespace qimen::cli

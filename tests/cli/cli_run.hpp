// Runs the `qimen` tool in-process for the command-line tests: what one run
// answered, and a fixture giving each test a fresh data root and a fixed
// "now".
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "../files/temp_data_root.hpp"
#include "calendar/civil_date_time.hpp"
#include "cli_app.hpp"
#include "files/file_io.hpp"

namespace qimen::testing {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

// Runs the tool on `args` with "now" at `now`.
inline CliRun runQimen(const std::vector<std::string>& args, calendar::CivilDateTime now) {
    std::ostringstream out, err;
    int code = cli::runCli(args, out, err, [now] { return now; });
    return {code, out.str(), err.str()};
}

// How a CliTest names its data root to the tool.
enum class RootBy {
    DataOption,   // run() puts "--data <root>" in front of the arguments
    Environment,  // QIMEN_HOME names the root while the test runs
};

// A test of the tool over a fresh data root `root`. run() puts the `command`
// words (e.g. "chart") in front of its arguments, after --data when the root
// is named that way. Writes skip the flush to disk: no test cuts the power.
class CliTest : public ::testing::Test {
protected:
    CliTest(std::vector<std::string> command, calendar::CivilDateTime now, RootBy by = RootBy::DataOption)
        : command_(std::move(command)), now_(now), by_(by) {}

    void SetUp() override {
        if (by_ == RootBy::Environment) ::setenv("QIMEN_HOME", root.path().c_str(), 1);
        files::setDurableWrites(false);
    }
    void TearDown() override {
        if (by_ == RootBy::Environment) ::unsetenv("QIMEN_HOME");
        files::setDurableWrites(true);
    }

    CliRun run(const std::vector<std::string>& args) {
        std::vector<std::string> all;
        if (by_ == RootBy::DataOption) all = {"--data", root.path().string()};
        all.insert(all.end(), command_.begin(), command_.end());
        all.insert(all.end(), args.begin(), args.end());
        return runQimen(all, now_);
    }

    TempDataRoot root;

private:
    std::vector<std::string> command_;
    calendar::CivilDateTime now_;
    RootBy by_;
};

}  // namespace qimen::testing

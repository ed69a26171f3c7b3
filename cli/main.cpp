// The `qimen` executable: forwards its arguments to the command-line runner.
#include <iostream>
#include <string>
#include <vector>

#include "cli_app.hpp"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return qimen::cli::runCli(args, std::cout, std::cerr);
}

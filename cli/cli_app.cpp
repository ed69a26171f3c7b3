// Builds the CLI11 application from the registered commands and dispatches.
#include "cli_app.hpp"

#include <ctime>
#include <map>

#include "command_registry.hpp"
#include "user_data.hpp"

namespace qimen::cli {

calendar::CivilDateTime localNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return calendar::CivilDateTime{static_cast<std::int16_t>(tm.tm_year + 1900),
                                   static_cast<std::int16_t>(tm.tm_mon + 1), static_cast<std::int16_t>(tm.tm_mday),
                                   static_cast<std::int16_t>(tm.tm_hour), static_cast<std::int16_t>(tm.tm_min)};
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::function<calendar::CivilDateTime()> now) {
    CLI::App app("qimen: Qimen Dunjia workbench on the command line", "qimen");
    app.require_subcommand(1);
    std::string dataRoot;
    app.add_option("--data", dataRoot, "data root holding dat/ and qimen_f/ (default: $QIMEN_HOME or ~/.local/share/qimen)");
    auto commands = makeCommands();
    std::map<std::string, CLI::App*> groups;
    std::vector<std::pair<CLI::App*, Command*>> leaves;
    for (auto& command : commands) {
        auto [it, added] = groups.try_emplace(command->group(), nullptr);
        if (added) {
            it->second = app.add_subcommand(command->group());
            if (!command->standalone()) it->second->require_subcommand(1);
        }
        leaves.emplace_back(command->attach(*it->second), command.get());
    }

    // CLI11 wants argv-style input with the program name first.
    std::vector<const char*> argv{"qimen"};
    for (const auto& a : args) argv.push_back(a.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }

    setDataRootOverride(dataRoot);
    CommandContext context{out, err, std::move(now)};
    for (auto [sub, command] : leaves) {
        if (!sub->parsed()) continue;
        try {
            return command->run(context);
        } catch (const CommandError& e) {
            err << "qimen: " << e.what() << '\n';
            return 1;
        } catch (const std::exception& e) {
            err << "qimen: " << e.what() << '\n';
            return 1;
        }
    }
    return 2;
}

}  // namespace qimen::cli

// Registration of the tool's commands: one line per command family.
#include "command_registry.hpp"

#include "calendar_commands.hpp"
#include "calendar_month_command.hpp"
#include "chart_command.hpp"
#include "custom_command.hpp"
#include "lunar_commands.hpp"
#include "cases_command.hpp"
#include "places_command.hpp"
#include "search_command.hpp"
#include "topic_command.hpp"
#include "travel_command.hpp"

namespace qimen::cli {

std::vector<std::unique_ptr<Command>> makeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    addCalendarCommands(commands);
    addCalendarMonthCommand(commands);
    addChartCommands(commands);
    addLunarCommands(commands);
    addCaseCommands(commands);
    addPlaceCommands(commands);
    addSearchCommands(commands);
    addTopicCommands(commands);
    addTravelCommands(commands);
    addCustomCommands(commands);
    return commands;
}

}  // namespace qimen::cli

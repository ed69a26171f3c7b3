// `qimen travel "YYYY-MM-DD HH:MM"`: prints the travel formula of the moment,
// or its refusal on standard error (exit 1) for a date that does not exist
// or lies outside 1900..2050.
#include "travel_command.hpp"

#include <cstdio>

#include "search/travel_formula.hpp"
#include "text/gbk.hpp"

namespace qimen::cli {
namespace {

class TravelCommand : public Command {
public:
    std::string group() const override { return "travel"; }
    bool standalone() const override { return true; }
    CLI::App* attach(CLI::App& group) override {
        group.description("the travel formula (出行密诀) of a moment of departure, 1900..2050");
        group.add_option("moment", moment_, "\"YYYY-MM-DD HH:MM\"")->required();
        group.add_flag("--gbk", gbk_, "write the exact GBK bytes with CR LF line ends");
        return &group;
    }

    int run(CommandContext& context) override {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        char tail = 0;
        // Only the shape is checked here: the formula itself refuses dates
        // that do not exist and years outside its range, with its own text.
        if (std::sscanf(moment_.c_str(), "%5d-%2d-%2d %2d:%2d%c", &year, &month, &day, &hour, &minute, &tail) != 5)
            throw CommandError("the moment is \"YYYY-MM-DD HH:MM\", not \"" + moment_ + "\"");
        search::TravelFormula formula = valueOrError(
            search::travelFormula(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                  static_cast<std::int16_t>(day), static_cast<std::int16_t>(hour),
                                  static_cast<std::int16_t>(minute)));
        if (gbk_) {
            context.out << text::utf8ToGbk(formula.text);
        } else {
            std::string shown = formula.text;
            std::erase(shown, '\r');
            context.out << shown << '\n';
        }
        return 0;
    }

private:
    std::string moment_;
    bool gbk_ = false;
};

}  // namespace

void addTravelCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<TravelCommand>());
}

}  // namespace qimen::cli

// `qimen travel "YYYY-MM-DD HH:MM"`: prints the travel formula of the moment,
// or its refusal on standard error (exit 1): the formula's own for a year
// outside 1900..2050, "不存在这个日期" for a day that does not exist.
#include "travel_command.hpp"

#include "calendar/moment_text.hpp"
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
        // The strict moment form of every command; a year outside the
        // formula's range gets the formula's refusal, whatever its size.
        auto fields = calendar::readMomentFields(moment_, calendar::MomentKind::Gregorian);
        if (!fields) throw CommandError(fields.message());
        if (fields->userYear < 1900 || fields->userYear > 2050) throw CommandError(std::string(search::kTravelRefusal));
        auto date = valueOrError(calendar::parseMomentText(moment_, calendar::MomentKind::Gregorian));
        search::TravelFormula formula =
            valueOrError(search::travelFormula(date.year, date.month, date.day, date.hour, date.minute));
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

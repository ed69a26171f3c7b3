// `qimen chart`: the inputs of a chart request as options, the chart text as
// plain UTF-8, ANSI colours, exact GBK bytes or JSON; the boundary warnings
// on standard error (and in the JSON); or, with --compare, the moment under
// the two choices of a convention side by side.
#include "chart_command.hpp"

#include <optional>

#include <nlohmann/json.hpp>

#include "ansi_render.hpp"
#include "boundary/boundary_report.hpp"
#include "boundary/convention_comparison.hpp"
#include "boundary_json.hpp"
#include "chart/conventions.hpp"
#include "chart_json.hpp"
#include "chart_request_options.hpp"
#include "judgement/judge.hpp"
#include "judgement_json.hpp"
#include "terminal_text.hpp"
#include "text/gbk.hpp"
#include "user_data.hpp"
#include "workflow/chart_driver.hpp"

namespace qimen::cli {
namespace {

// The exit code of --strict when the chart has a warning.
constexpr int kWarningExitCode = 3;

class ChartCommand : public Command {
public:
    std::string group() const override { return "chart"; }
    bool standalone() const override { return true; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = &group;
        sub->description("lay a chart (default: the hour chart of now)");
        inputs_.attachAll(*sub);
        inputs_.attachCoordinates(*sub);
        sub->add_flag("--json", json_, "print the computed record, the text and its styled ranges as JSON");
        sub->add_flag("--color", color_, "colour the landmarks with ANSI escapes");
        sub->add_flag("--gbk", gbk_, "write the exact GBK bytes with CR LF line ends");
        sub->add_flag("--strict", strict_, "exit with code 3 when the chart has a boundary warning");
        sub->add_option("--compare", compare_,
                        "lay the hour chart under both choices of a convention, side by side: ju, pan, zishi or yuejiang");
        return sub;
    }

    int run(CommandContext& context) override {
        chart::ChartRequest request = inputs_.request(context);

        std::optional<render::StyledText> styled;
        workflow::ChartEnvironment environment = inputs_.environment(preparedDataRoot(), context);
        environment.showOutput = [&](render::StyledText&& text) { styled = std::move(text); };
        environment.judgeMatter = true;

        std::optional<chart::Convention> convention;
        if (!compare_.empty()) {
            convention = chart::conventionNamed(compare_);
            if (!convention) throw CommandError("--compare takes ju, pan, zishi or yuejiang, not \"" + compare_ + "\"");
            if (gbk_ || color_) throw CommandError("--compare prints plain text or --json only");
        }

        auto record = std::make_unique<chart::ChartRecord>();
        succeedOrError(workflow::drawChart(*record, request, environment));
        render::StyledText shown = styled.value_or(render::StyledText{});
        const std::vector<boundary::BoundaryWarning> warnings = boundary::reportBoundaries(request, *record);
        for (const boundary::BoundaryWarning& w : warnings) context.err << "注意：" << w.text << '\n';
        const int code = strict_ && !warnings.empty() ? kWarningExitCode : 0;

        if (convention) {
            const boundary::ConventionComparison comparison =
                valueOrError(boundary::compareConventions(request, *record, *convention));
            if (json_) {
                nlohmann::json j = comparisonJson(comparison);
                if (!warnings.empty()) j["warnings"] = warningsJson(warnings);
                context.out << j.dump(2) << '\n';
            } else {
                context.out << boundary::sideBySideText(comparison);
            }
            return code;
        }

        if (json_) {
            nlohmann::json j = chartRecordJson(*record);
            j["output"] = styledTextJson(shown);
            if (!record->memoText.empty()) j["memo"] = record->memoText;
            if (std::optional<judgement::Topic> topic = judgement::topicNamedIn(record->matter))
                if (Expected<judgement::Judgement> judged = judgement::judgeTopic(*record, *topic))
                    j["judgement"] = judgementJson(*judged);
            if (!warnings.empty()) j["warnings"] = warningsJson(warnings);
            context.out << j.dump(2) << '\n';
        } else if (gbk_) {
            context.out << text::utf8ToGbk(shown.text);
        } else if (color_) {
            context.out << withoutCarriageReturns(cli::renderAnsi(shown));
        } else {
            context.out << withoutCarriageReturns(shown.text);
        }
        return code;
    }

private:
    ChartRequestOptions inputs_;
    bool json_ = false;
    bool color_ = false;
    bool gbk_ = false;
    bool strict_ = false;
    std::string compare_;
};

}  // namespace

void addChartCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<ChartCommand>());
}

}  // namespace qimen::cli

// `qimen topic 求财|婚姻|疾病|工作|考试|诉讼|天气 [chart options]`: lays the
// chart the options describe (an hour chart of now by default) and prints
// the topic judge's guide for it, or its refusal on standard error (exit 1).
#include "topic_command.hpp"


#include "analysis/topic_judge.hpp"
#include "chart_request_options.hpp"
#include "terminal_text.hpp"
#include "text/gbk.hpp"
#include "user_data.hpp"
#include "workflow/chart_driver.hpp"

namespace qimen::cli {
namespace {

class TopicCommand : public Command {
public:
    std::string group() const override { return "topic"; }
    bool standalone() const override { return true; }
    CLI::App* attach(CLI::App& group) override {
        group.description("the reading guide of a topic for a chart (rotating-plate hour charts only)");
        group.add_option("topic", topic_, "求财, 婚姻, 疾病, 工作, 考试, 诉讼 or 天气")->required();
        inputs_.attachMoment(group);
        inputs_.attachLayout(group);
        inputs_.attachCoordinates(group);
        group.add_flag("--gbk", gbk_, "write the exact GBK bytes with CR LF line ends");
        return &group;
    }

    int run(CommandContext& context) override {
        int topic = analysis::topicOfName(topic_);
        if (topic < 0) throw CommandError("the topic is one of 求财 婚姻 疾病 工作 考试 诉讼 天气, not \"" + topic_ + "\"");
        chart::ChartRequest request = inputs_.request(context);
        workflow::ChartEnvironment environment;
        environment.dataRoot = preparedDataRoot();
        environment.adjustSettings = inputs_.settingsAdjustment();
        auto record = std::make_unique<chart::ChartRecord>();
        record->writeOutput = false;  // only the judge's answer is shown
        succeedOrError(workflow::drawChart(*record, request, environment));

        analysis::TopicJudge judge(environment.dataRoot);
        judge.takeSnapshot(*record);
        auto judged = judge.judgeTopic(topic);
        if (!judged) throw CommandError(judged.message());
        std::string guide = std::move(*judged);
        if (gbk_) {
            context.out << text::utf8ToGbk(guide);
        } else {
            guide = withoutCarriageReturns(guide);
            context.out << guide << (guide.ends_with('\n') ? "" : "\n");
        }
        return 0;
    }

private:
    std::string topic_;
    ChartRequestOptions inputs_;
    bool gbk_ = false;
};

}  // namespace

void addTopicCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<TopicCommand>());
}

}  // namespace qimen::cli

// `qimen topic 求财|婚姻|疾病|工作|考试|诉讼|天气|出行 [chart options]`: lays
// the chart the options describe (an hour chart of now by default) and
// prints what the topic button shows for it: the topic's guide, then the
// judgement of this chart ("本盘断语："); with --json the verdict, the
// reasons and the elements' palaces as well. A refusal goes to standard
// error (exit 1).
#include "topic_command.hpp"

#include <nlohmann/json.hpp>

#include "analysis/topic_judge.hpp"
#include "chart_request_options.hpp"
#include "judgement/judgement_text.hpp"
#include "judgement/snapshot_memo.hpp"
#include "judgement_json.hpp"
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
        group.description("the guide and the judgement of a topic for a chart (rotating-plate hour charts only)");
        group.add_option("topic", topic_, "求财, 婚姻, 疾病, 工作, 考试, 诉讼, 天气 or 出行")->required();
        inputs_.attachMoment(group);
        inputs_.attachLayout(group);
        group.add_flag("--json", json_, "print the guide, the verdict, its reasons and the palaces as JSON");
        inputs_.attachCoordinates(group);
        group.add_flag("--gbk", gbk_, "write the exact GBK bytes with CR LF line ends");
        return &group;
    }

    int run(CommandContext& context) override {
        std::optional<judgement::Topic> topic = judgement::topicOfName(topic_);
        if (!topic)
            throw CommandError("the topic is one of 求财 婚姻 疾病 工作 考试 诉讼 天气 出行, not \"" + topic_ + "\"");
        chart::ChartRequest request = inputs_.request(context);
        // Only read: a refused topic must leave no file behind.
        workflow::ChartEnvironment environment = inputs_.environment(dataRootForReading(), context);
        auto record = std::make_unique<chart::ChartRecord>();
        record->writeOutput = false;  // only the topic's answer is shown
        succeedOrError(workflow::drawChart(*record, request, environment));

        // Refused before the judge opens its file, so a refusal creates none.
        if (!analysis::topicsApply(record->method, record->settings))
            throw CommandError(std::string(analysis::kTopicRefusal));
        analysis::TopicJudge judge(environment.dataRoot);
        judge.takeSnapshot(*record);
        Expected<std::string> memo = judgement::topicButtonMemo(judge, *topic);
        if (!memo) throw CommandError(memo.message());
        if (json_) {
            Expected<judgement::Judgement> judged = judgement::judgeTopic(*record, *topic);
            if (!judged) throw CommandError(judged.message());
            nlohmann::json j = judgementJson(*judged);
            j["guide"] = judgement::topicGuide(*record, *topic);
            j["text"] = *memo;
            context.out << j.dump(2) << '\n';
        } else if (gbk_) {
            context.out << text::utf8ToGbk(*memo);
        } else {
            std::string shown = withoutCarriageReturns(*memo);
            context.out << shown << (shown.ends_with('\n') ? "" : "\n");
        }
        return 0;
    }

private:
    std::string topic_;
    ChartRequestOptions inputs_;
    bool json_ = false;
    bool gbk_ = false;
};

}  // namespace

void addTopicCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<TopicCommand>());
}

}  // namespace qimen::cli

// The topic judge: the reading guide of one of seven topics (求财 婚姻 疾病
// 工作 考试 诉讼 天气) for the last chart laid. It keeps its own copy of that
// chart and answers only for rotating-plate hour charts; the guide itself is
// the same for every such chart and comes from the knowledge base.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"
#include "custom/custom_chart_file.hpp"

namespace qimen::analysis {

// The refusal for any chart other than a rotating-plate hour chart.
inline constexpr std::string_view kTopicRefusal = "目前只能预测时家转盘奇门，请选择时家奇门盘式!";

inline constexpr int kTopicCount = 7;
// Topic names by topic number 0..6, as the toolbar labels them.
inline constexpr std::string_view kTopicNames[kTopicCount] = {"求财", "婚姻", "疾病", "工作",
                                                               "考试", "诉讼", "天气"};

// Topic number of a name of kTopicNames, or −1.
int topicOfName(std::string_view name);

// The copy of a chart the judge answers from: inputs, settings copy and
// computed block (yearGZ … monthGeneral); the text buffers are not kept.
struct ChartSnapshot {
    chart::ChartRequest request;
    chart::ChartSettings settings;
    calendar::CivilDateTime computeDate, clockDate, lunarDate;
    double clockJulianDay = 0;
    chart::GanZhiCode yearGZ = 0, monthGZ = 0, dayGZ = 0, hourGZ = 0;
    std::int16_t monthElement = 0;
    chart::GanZhiCode xunHead = 0;
    bool yangDun = false;
    std::int16_t ju = 0;
    chart::Star leaderStar = 0;
    chart::Door leaderDoor = 0;
    chart::Palace leaderStarPalace = 0;
    chart::Palace leaderDoorPalace = 0;
    std::array<chart::PalaceCell, 9> cells{};
    chart::BranchCode monthGeneral = 0;
};

// Whether the topic guides can read a chart of this method and settings: a
// rotating-plate hour chart only (method 0, which a given-ju run has become).
inline bool topicsApply(chart::ChartMethod method, const chart::ChartSettings& settings) {
    return method == chart::ChartMethod::Hour && settings.pan == 0;
}

class TopicJudge {
public:
    // dat/syscus.dat of a data root.
    static std::filesystem::path systemChartsPathIn(const std::filesystem::path& dataRoot);

    // Opens dat/syscus.dat under `dataRoot` as a custom-chart file, creating
    // it holding the count 0 when missing (a failure to create it is kept in
    // systemChartsError() and does not stop the judge).
    explicit TopicJudge(const std::filesystem::path& dataRoot);

    // After a successful chart run: an hour chart (method 0, which a given-ju
    // run has become) is copied whole; for any other method only the
    // snapshot's method changes, so a later topic is refused.
    void takeSnapshot(const chart::ChartRecord& record);

    // Topic 0..6. For a rotating-plate hour chart: the two halves of the
    // topic's guide (texts 3100 + 2t and 3101 + 2t) with nothing between
    // them. Otherwise fails with kTopicRefusal (a topic outside 0..6 fails
    // too).
    Expected<std::string> judgeTopic(int topic) const;

    const ChartSnapshot& snapshot() const { return snapshot_; }
    const std::string& systemChartsError() const { return systemChartsError_; }

private:
    ChartSnapshot snapshot_;
    custom::CustomChartFile systemCharts_;
    std::string systemChartsError_;
};

}  // namespace qimen::analysis

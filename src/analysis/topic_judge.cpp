// The topic judge: snapshot of the last chart and the topic guides.
#include "analysis/topic_judge.hpp"

#include "knowledge/knowledge_base.hpp"

namespace qimen::analysis {

int topicOfName(std::string_view name) {
    for (int t = 0; t < kTopicCount; ++t)
        if (kTopicNames[t] == name) return t;
    return -1;
}

std::filesystem::path TopicJudge::systemChartsPathIn(const std::filesystem::path& dataRoot) {
    return dataRoot / "dat" / "syscus.dat";
}

TopicJudge::TopicJudge(const std::filesystem::path& dataRoot) : systemCharts_(systemChartsPathIn(dataRoot)) {
    if (auto opened = systemCharts_.open(); !opened) systemChartsError_ = opened.message();
}

void TopicJudge::takeSnapshot(const chart::ChartRecord& r) {
    if (r.method != chart::ChartMethod::Hour) {
        snapshot_.request.method = r.method;
        return;
    }
    ChartSnapshot& s = snapshot_;
    s.request = r.request();
    s.settings = r.settings;
    s.computeDate = r.computeDate;
    s.clockDate = r.clockDate;
    s.lunarDate = r.lunarDate;
    s.clockJulianDay = r.clockJulianDay;
    s.yearGZ = r.yearGZ;
    s.monthGZ = r.monthGZ;
    s.dayGZ = r.dayGZ;
    s.hourGZ = r.hourGZ;
    s.monthElement = r.monthElement;
    s.xunHead = r.xunHead;
    s.yangDun = r.yangDun;
    s.ju = r.ju;
    s.leaderStar = r.leaderStar;
    s.leaderDoor = r.leaderDoor;
    s.leaderStarPalace = r.leaderStarPalace;
    s.leaderDoorPalace = r.leaderDoorPalace;
    s.cells = r.cells;
    s.monthGeneral = r.monthGeneral;
}

Expected<std::string> TopicJudge::judgeTopic(int topic) const {
    if (topic < 0 || topic >= kTopicCount) return fail("topic number " + std::to_string(topic) + " is outside 0..6");
    if (!topicsApply(snapshot_.request.method, snapshot_.settings)) return fail(std::string(kTopicRefusal));
    const knowledge::TextPair ids = knowledge::topicGuideIds(topic);
    std::string guide(knowledge::lookupText(ids.first));
    guide += knowledge::lookupText(ids.second);
    return guide;
}

}  // namespace qimen::analysis

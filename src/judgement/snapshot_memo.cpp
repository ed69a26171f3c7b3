// Topic memos from the topic judge's snapshot.
#include "judgement/snapshot_memo.hpp"

#include "chart/rotating_layout.hpp"
#include "judgement/judgement_text.hpp"

namespace qimen::judgement {

chart::ChartRecord recordOfSnapshot(const analysis::ChartSnapshot& s) {
    chart::ChartRecord record;
    record.setRequest(s.request);
    record.settings = s.settings;
    record.computeDate = s.computeDate;
    record.clockDate = s.clockDate;
    record.lunarDate = s.lunarDate;
    record.clockJulianDay = s.clockJulianDay;
    record.yearGZ = s.yearGZ;
    record.monthGZ = s.monthGZ;
    record.dayGZ = s.dayGZ;
    record.hourGZ = s.hourGZ;
    record.monthElement = s.monthElement;
    record.xunHead = s.xunHead;
    record.yangDun = s.yangDun;
    record.ju = s.ju;
    record.leaderStar = s.leaderStar;
    record.leaderDoor = s.leaderDoor;
    record.leaderStarPalace = s.leaderStarPalace;
    record.leaderDoorPalace = s.leaderDoorPalace;
    record.cells = s.cells;
    chart::markMonthGeneralAndEcho(record);
    record.writeOutput = false;
    return record;
}

Expected<std::string> topicButtonMemo(analysis::TopicJudge& judge, Topic topic) {
    const chart::ChartRecord record = recordOfSnapshot(judge.snapshot());
    Expected<Judgement> judgement = judgeTopic(record, topic);
    if (!judgement) return fail(judgement.message());
    std::string guide;
    if (topic == Topic::Travel) {
        guide = topicGuide(record, topic);
    } else {
        Expected<std::string> judged = judge.judgeTopic(topicIndex(topic));
        if (!judged) return fail(judged.message());
        guide = std::move(*judged);
    }
    return guide + "\r\n\r\n" + judgementText(*judgement);
}

}  // namespace qimen::judgement

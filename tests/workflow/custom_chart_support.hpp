// Label classes and chart runs shared by the custom-chart tests.
#pragma once

#include <filesystem>
#include <string>

#include "custom/alias_groups.hpp"
#include "workflow/custom_chart.hpp"

namespace qimen::workflow::testing {

using calendar::CivilDateTime;
using chart::ChartMethod;
using chart::ChartRecord;
using chart::ChartRequest;
using chart::ChartSettings;
using custom::CustomClass;

// The texts of 默认输入.
inline CustomClass defaultClass() {
    CustomClass c = custom::defaultCustomClass();
    c.name = "默认";
    return c;
}

// One character for every alias.
inline CustomClass singleCharacterClass() {
    CustomClass c;
    c.name = "单字";
    c.yinDeities = {"符", "蛇", "阴", "合", "虎", "玄", "地", "天"};
    c.yangDeities = {"符", "蛇", "阴", "合", "勾", "雀", "地", "天"};
    c.stars = {"英", "蓬", "芮", "冲", "辅", "禽", "心", "柱", "任"};
    c.heavenStems = {"乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    c.doors = {"景", "休", "死", "伤", "杜", "开", "惊", "生"};
    c.earthStems = c.heavenStems;
    c.palaces = {"离", "坎", "坤", "震", "巽", "乾", "兑", "艮"};
    c.dayStem = "日";
    c.hourStem = "时";
    c.leaderStar = "符";
    c.leaderDoor = "使";
    return c;
}

// Every alias tells its group: 阴/阳 deities, …星 stars, 天… heaven stems,
// …户 doors, 地… earth stems, …宫 palaces; 领星 and 领门 for the leaders.
// Check boxes clear.
inline CustomClass markedClass() {
    CustomClass c;
    c.name = "标记";
    c.yinDeities = {"阴符", "阴蛇", "阴阴", "阴合", "阴虎", "阴武", "阴地", "阴天"};
    c.yangDeities = {"阳符", "阳蛇", "阳阴", "阳合", "阳勾", "阳雀", "阳地", "阳天"};
    c.stars = {"英星", "蓬星", "芮星", "冲星", "辅星", "禽星", "心星", "柱星", "任星"};
    c.heavenStems = {"天乙", "天丙", "天丁", "天戊", "天己", "天庚", "天辛", "天壬", "天癸"};
    c.doors = {"景户", "休户", "死户", "伤户", "杜户", "开户", "惊户", "生户"};
    c.earthStems = {"地乙", "地丙", "地丁", "地戊", "地己", "地庚", "地辛", "地壬", "地癸"};
    c.palaces = {"离宫", "坎宫", "坤宫", "震宫", "巽宫", "乾宫", "兑宫", "艮宫"};
    c.dayStem = "日干";
    c.hourStem = "时干";
    c.leaderStar = "领星";
    c.leaderDoor = "领门";
    return c;
}

inline ChartRequest hourRequest(CivilDateTime moment) {
    ChartRequest request;
    request.inputDate = moment;
    request.askerName = "张三";
    request.matter = "求财";
    return request;
}

// A custom chart run that reads no settings file: the data root has no dat/
// and the settings are those given.
inline Expected<std::string> customChart(ChartRecord& record, const ChartRequest& request, const CustomClass& aliases,
                                         const ChartSettings& settings = {}) {
    CustomChartEnvironment environment;
    environment.dataRoot = std::filesystem::path(QIMEN_TEST_DATA_DIR) / "none";
    environment.adjustSettings = [settings](ChartSettings& s) { s = settings; };
    return drawCustomChart(record, request, aliases, environment);
}

}  // namespace qimen::workflow::testing

// The tool over the window workflows: dates the chart refuses, places from
// the place table, the case search's year check and the place a case gets
// when none is given.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_run.hpp"

namespace {

class WorkflowCommands : public qimen::testing::CliTest {
protected:
    WorkflowCommands() : CliTest({}, {2008, 8, 8, 20, 8}) {}
};

TEST_F(WorkflowCommands, ChartOfADayThatDoesNotExistFailsWithTheChartsMessage) {
    auto r = run({"chart", "--at", "2001-02-29 10:00"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qimen: 不存在这个日期\n");
}

TEST_F(WorkflowCommands, ChartPlaceTakesTheCoordinatesOfThePlaceTable) {
    auto r = run({"chart", "--at", "2008-08-08 20:08", "--place", "福建省-福州", "--set", "sun=1", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    // 福州 = 119:18*26:5: true solar time there differs from the clock.
    EXPECT_NE(j["output"]["text"].get<std::string>().find("预测地:福建省-福州,经度:119度18分,纬度:26度"), std::string::npos);
    EXPECT_EQ(j["clockDate"]["text"], "2008-08-08 20:08");
    EXPECT_EQ(j["computeDate"]["text"], "2008-08-08 20:01");
    auto unknown = run({"chart", "--place", "福建省-火星"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_NE(unknown.err.find("is not in the place table"), std::string::npos);
}

TEST_F(WorkflowCommands, CaseWithoutAPlaceIsKeptAtTheUnknownPlace) {
    auto added = run({"cases", "add", "--at", "2008-08-08 20:08", "--name", "张三", "--matter", "求财"});
    ASSERT_EQ(added.code, 0) << added.err;
    auto j = nlohmann::json::parse(run({"cases", "show", "0", "--json"}).out);
    EXPECT_EQ(j["placeName"], "未知地-未知地");
    EXPECT_EQ(j["provinceIndex"], 34);
    EXPECT_EQ(j["cityIndex"], 0);
    EXPECT_DOUBLE_EQ(j["longitude"].get<double>(), 120.0);
    EXPECT_DOUBLE_EQ(j["latitude"].get<double>(), 30.0);
}

TEST_F(WorkflowCommands, CaseSearchRefusesYearsThatRunBackwards) {
    ASSERT_EQ(run({"cases", "add", "--name", "张三", "--matter", "求财"}).code, 0);
    auto r = run({"cases", "find", "--years", "2008..2004"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qimen: 结束年必须大于或等于起始年\n");
}

}  // namespace

// `qimen cases add` and `qimen cases edit`, run in-process on a temporary data
// root: adding lays the chart and writes the record and its commentary file,
// editing changes only the stored inputs, and every refused input leaves the
// store and the commentary files as they were.
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "../cli/cli_run.hpp"
#include "../files/child_process.hpp"
#include "cases/case_store.hpp"
#include "cases/class_list.hpp"
#include "cases/rtf_reader.hpp"
#include "files/file_io.hpp"

namespace qimen::cases {
namespace {

using nlohmann::json;
using qimen::testing::CliRun;

const std::vector<std::string> kChartInputs = {"--at", "2008-08-08 20:08", "--name", "张三", "--matter", "求财"};

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class CasesAddEdit : public qimen::testing::CliTest {
protected:
    CasesAddEdit() : CliTest({}, {2024, 1, 1, 0, 0}, qimen::testing::RootBy::Environment) {}
    CliRun add(const std::vector<std::string>& extra) {
        return run(plus(plus({"cases", "add"}, kChartInputs), plus({"--class", "求财"}, extra)));
    }
    json show(int n) {
        auto r = run({"cases", "show", std::to_string(n), "--json"});
        EXPECT_EQ(r.code, 0) << r.err;
        return r.code == 0 ? json::parse(r.out) : json();
    }
    std::filesystem::path commentary(int n) const { return root.path() / "qimen_f" / (std::to_string(n) + ".rtf"); }
    // Every byte the store and the commentary files hold, to prove that a
    // refused command wrote nothing.
    std::string userFiles() const {
        std::string all;
        for (const auto& dir : {root.dat(), root.path() / "qimen_f"}) {
            if (!std::filesystem::exists(dir)) continue;
            for (const auto& entry : std::filesystem::directory_iterator(dir)) {
                auto name = entry.path().filename().string();
                if (name.starts_with("qimen") || entry.path().extension() == ".rtf") {
                    auto bytes = qimen::testing::fileBytes(entry.path());
                    all += name + ':' + std::string(bytes.begin(), bytes.end()) + '\n';
                }
            }
        }
        return all;
    }
};

TEST_F(CasesAddEdit, AddStoresTheInputsAndPrintsTheNumber) {
    auto r = add({"--notes", "第一行\n第二行", "--place", "北京市-北京"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "ID: 0\n评注: " + commentary(0).string() + "\n");
    auto j = show(0);
    EXPECT_EQ(j["askerName"], "张三");
    EXPECT_EQ(j["matter"], "求财");
    EXPECT_EQ(j["className"], "求财");
    EXPECT_EQ(j["dateText"], "公2008-8-8");
    EXPECT_EQ(j["date"]["hour"], 20);
    EXPECT_EQ(j["date"]["minute"], 8);
    EXPECT_EQ(j["notes"], "第一行\r\n第二行\r\n");  // memo lines end in CR LF
    EXPECT_EQ(j["placeName"], "北京市-北京");
    EXPECT_NEAR(j["longitude"].get<double>(), 116.4, 1e-4);
    EXPECT_EQ(j["method"], 0);
    EXPECT_EQ(j["commentaryFile"], commentary(0).string());
}

TEST_F(CasesAddEdit, CommentaryFileHoldsTheChartTextWithItsStyles) {
    ASSERT_EQ(add({}).code, 0);
    auto chart = run(plus({"chart", "--place", "未知地"}, kChartInputs));
    ASSERT_EQ(chart.code, 0) << chart.err;
    auto read = readRtf(files::readWholeFile(commentary(0), 1 << 24));
    ASSERT_TRUE(read.isRtf);
    std::string text = read.text.text;
    std::erase(text, '\r');
    EXPECT_EQ(text, chart.out);
    // The landmarks keep their colours, and the analysis part is two points
    // below the pane's 12.
    bool red = false, blue = false, smaller = false;
    for (const auto& run : read.text.runs) {
        red = red || run.style.colour == 0xFF0000;
        blue = blue || run.style.colour == 0x0000FF;
        smaller = smaller || run.style.halfPoints == 20;
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
    EXPECT_TRUE(smaller);
}

TEST_F(CasesAddEdit, SavingTwiceAppendsTwoCasesWithTwoCommentaryFiles) {
    ASSERT_EQ(add({}).code, 0);
    auto second = add({});
    ASSERT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(second.out.substr(0, 6), "ID: 1\n");
    EXPECT_TRUE(std::filesystem::exists(commentary(0)));
    EXPECT_TRUE(std::filesystem::exists(commentary(1)));
}

TEST_F(CasesAddEdit, GivenJuCaseKeepsMethod250AndItsJu) {
    ASSERT_EQ(add({"--ju", "yang3"}).code, 0);
    auto j = show(0);
    EXPECT_EQ(j["method"], 250);
    EXPECT_EQ(j["givenJu"], 13);
}

TEST_F(CasesAddEdit, OtherMethodIsStoredAsItsCode) {
    ASSERT_EQ(add({"--method", "yin"}).code, 0);
    EXPECT_EQ(show(0)["method"], 5);
}

TEST_F(CasesAddEdit, LunarLeapMonthCaseShowsItsDate) {
    auto r = run({"cases", "add", "--at", "2009-05-08 10:00", "--lunar", "--leap", "--name", "张三", "--matter", "求财",
                  "--class", "求财"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(show(0)["dateText"], "农闰2009-5-8");
}

TEST_F(CasesAddEdit, ClassDefaultsToTheFirstOfTheClassListAndNotesToTheMemoText) {
    ASSERT_EQ(run({"places", "list", "火星"}).code, 1);  // prepares the data root
    ASSERT_TRUE(writeClassList(root.path(), {"婚姻", "求财"}));
    auto r = run(plus({"cases", "add"}, kChartInputs));
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = show(0);
    EXPECT_EQ(j["className"], "婚姻");
    EXPECT_EQ(j["notes"], "备注:\r\n");
}

TEST_F(CasesAddEdit, WithoutAnyClassTheCaseIsKeptAsTemporary) {
    auto r = run(plus({"cases", "add"}, kChartInputs));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(show(0)["className"], "临时保存");
}

TEST_F(CasesAddEdit, AFifoForTheWindowSettingsIsReportedNotWaitedOn) {
    ASSERT_EQ(run({"places", "list", "火星"}).code, 1);  // prepares the data root
    ASSERT_EQ(::mkfifo((root.dat() / "qminit.ini").c_str(), 0644), 0);
    qimen::testing::HangGuard guard;
    auto r = run(plus({"cases", "add"}, kChartInputs));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("qimen: warning: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
    EXPECT_EQ(show(0)["className"], "临时保存");
}

TEST_F(CasesAddEdit, ClassOfThirteenBytesIsTakenForOneCase) {
    auto r = run(plus({"cases", "add"}, plus(kChartInputs, {"--class", "六个汉字类别a"})));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(show(0)["className"], "六个汉字类别a");
}

TEST_F(CasesAddEdit, CommentaryFileThatCannotBeWrittenKeepsTheRecord) {
    ASSERT_EQ(run({"places", "list", "火星"}).code, 1);  // prepares the data root
    std::filesystem::create_directories(commentary(0) / "blocked");
    auto r = add({});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("事例0已保存，但评注文件未能写入"), std::string::npos) << r.err;
    EXPECT_EQ(show(0)["askerName"], "张三");
}

struct RefusedAdd {
    const char* name;
    std::vector<std::string> args;  // after `cases add`
    const char* message;            // expected error line without "qimen: "; "" = any
};
class CasesAddRefused : public CasesAddEdit, public ::testing::WithParamInterface<RefusedAdd> {};
TEST_P(CasesAddRefused, GivesOneLineExit1AndWritesNothing) {
    ASSERT_EQ(add({}).code, 0);  // a store with one case and its commentary
    std::string before = userFiles();
    auto r = run(plus({"cases", "add"}, GetParam().args));
    EXPECT_EQ(r.code, 1);
    ASSERT_TRUE(r.err.starts_with("qimen: ")) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    if (*GetParam().message) {
        EXPECT_EQ(r.err, std::string("qimen: ") + GetParam().message + "\n");
    }
    EXPECT_EQ(userFiles(), before);
}
INSTANTIATE_TEST_SUITE_P(
    Inputs, CasesAddRefused,
    ::testing::Values(
        RefusedAdd{"EmptyName", {"--at", "2008-08-08 20:08", "--matter", "求财", "--class", "x"}, "姓名不能为空"},
        RefusedAdd{"EmptyMatter", {"--at", "2008-08-08 20:08", "--name", "张三", "--class", "x"}, "占问事宜不能为空"},
        RefusedAdd{"EmptyClass", plus(kChartInputs, {"--class", ""}), "类别名不能为空"},
        RefusedAdd{"EmptyNotes", plus(kChartInputs, {"--class", "x", "--notes", ""}), "附加信息不能为空"},
        RefusedAdd{"ClassOver13Bytes", plus(kChartInputs, {"--class", "七个汉字的类别"}), ""},
        RefusedAdd{"NotesOver1001Bytes", plus(kChartInputs, {"--class", "x", "--notes", std::string(1002, 'n')}), ""},
        RefusedAdd{"NameOver10Bytes", {"--at", "2008-08-08 20:08", "--name", "六个字的名字", "--matter", "m", "--class", "x"}, ""},
        RefusedAdd{"BadDate", {"--at", "2008-02-30 10:00", "--name", "a", "--matter", "m", "--class", "x"}, ""},
        RefusedAdd{"LeapWithoutLunar", plus(kChartInputs, {"--class", "x", "--leap"}), "--leap goes with --lunar"},
        RefusedAdd{"ChartRefusesTheDate",
                   {"--at", "2008-04-08 10:00", "--lunar", "--leap", "--name", "a", "--matter", "m", "--class", "x"}, ""},
        RefusedAdd{"UnknownSetting", plus(kChartInputs, {"--class", "x", "--set", "nosuch=1"}), ""},
        // Texts of spaces only are empty; numbers are decimal and finite; one date form.
        RefusedAdd{"BlankName", {"--at", "2008-08-08 20:08", "--name", "  ", "--matter", "m", "--class", "x"}, "姓名不能为空"},
        RefusedAdd{"BlankMatter", {"--at", "2008-08-08 20:08", "--name", "a", "--matter", "　", "--class", "x"}, "占问事宜不能为空"},
        RefusedAdd{"BlankClass", plus(kChartInputs, {"--class", " "}), "类别名不能为空"},
        RefusedAdd{"BlankNotes", plus(kChartInputs, {"--class", "x", "--notes", " \n "}), "附加信息不能为空"},
        RefusedAdd{"SignedYear", {"--at", "+2008-08-08 20:08", "--name", "a", "--matter", "m", "--class", "x"}, ""},
        RefusedAdd{"DayThatDoesNotExist", {"--at", "2001-02-30 10:00", "--name", "a", "--matter", "m", "--class", "x"},
                   "不存在这个日期"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CasesAddEdit, EditChangesOnlyTheGivenInputsAndLeavesTheCommentary) {
    ASSERT_EQ(add({"--place", "北京市-北京", "--ju", "yin4"}).code, 0);
    auto rtfBefore = qimen::testing::fileBytes(commentary(0));
    auto r = run({"cases", "edit", "0", "--name", "李四", "--at", "-120-03-05 06:00", "--class", "婚姻", "--notes", "改"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "完成\n");
    auto j = show(0);
    EXPECT_EQ(j["askerName"], "李四");
    EXPECT_EQ(j["dateText"], "公-120-3-5");
    EXPECT_EQ(j["date"]["hour"], 6);
    EXPECT_EQ(j["className"], "婚姻");
    EXPECT_EQ(j["notes"], "改\r\n");
    EXPECT_EQ(j["matter"], "求财");  // not given: kept
    EXPECT_EQ(j["placeName"], "北京市-北京");
    EXPECT_EQ(j["method"], 250);
    EXPECT_EQ(j["givenJu"], 4);
    EXPECT_EQ(qimen::testing::fileBytes(commentary(0)), rtfBefore);
}

TEST_F(CasesAddEdit, EditSetsAndClearsTheLunarInput) {
    ASSERT_EQ(add({}).code, 0);
    ASSERT_EQ(run({"cases", "edit", "0", "--at", "2009-05-08 10:00", "--lunar", "--leap"}).code, 0);
    EXPECT_EQ(show(0)["dateText"], "农闰2009-5-8");
    ASSERT_EQ(run({"cases", "edit", "0", "--at", "2009-05-08 10:00"}).code, 0);
    auto j = show(0);
    EXPECT_EQ(j["dateText"], "公2009-5-8");
    EXPECT_EQ(j["leapMonth"], false);
}

TEST_F(CasesAddEdit, EditOfADeletedOrMissingCaseIsRefused) {
    ASSERT_EQ(add({}).code, 0);
    ASSERT_EQ(run({"cases", "delete", "0"}).code, 0);
    EXPECT_EQ(run({"cases", "edit", "0", "--name", "李四"}).code, 1);
    EXPECT_EQ(run({"cases", "edit", "7", "--name", "李四"}).code, 1);
}

struct RefusedEdit {
    const char* name;
    std::vector<std::string> args;  // after `cases edit 0`
    const char* message;
};
class CasesEditRefused : public CasesAddEdit, public ::testing::WithParamInterface<RefusedEdit> {};
TEST_P(CasesEditRefused, GivesOneLineExit1AndWritesNothing) {
    ASSERT_EQ(add({}).code, 0);
    std::string before = userFiles();
    auto r = run(plus({"cases", "edit", "0"}, GetParam().args));
    EXPECT_EQ(r.code, 1);
    ASSERT_TRUE(r.err.starts_with("qimen: ")) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    if (*GetParam().message) {
        EXPECT_EQ(r.err, std::string("qimen: ") + GetParam().message + "\n");
    }
    EXPECT_EQ(userFiles(), before);
}
INSTANTIATE_TEST_SUITE_P(
    Inputs, CasesEditRefused,
    ::testing::Values(RefusedEdit{"NothingGiven", {}, ""},
                      RefusedEdit{"LunarWithoutAt", {"--lunar"}, "--lunar and --leap go with --at"},
                      RefusedEdit{"EmptyName", {"--name", ""}, "姓名不能为空"},
                      RefusedEdit{"EmptyNotes", {"--notes", ""}, "附加信息不能为空"},
                      RefusedEdit{"EmptyClass", {"--class", ""}, "类别不能为空"},
                      RefusedEdit{"EmptyMatter", {"--matter", ""}, "占问事宜不能为空"},
                      // The name is checked before the notes, as the case dialog does.
                      RefusedEdit{"NameBeforeNotes", {"--name", "", "--notes", ""}, "姓名不能为空"},
                      RefusedEdit{"ClassOver12Bytes", {"--class", "六个汉字类别a"}, ""},
                      RefusedEdit{"YearZero", {"--at", "0-01-01 00:00"}, ""},
                      RefusedEdit{"YearBelowRange", {"--at", "-851-01-01 00:00"}, ""},
                      RefusedEdit{"BlankName", {"--name", " "}, "姓名不能为空"},
                      RefusedEdit{"BlankNotes", {"--notes", "　"}, "附加信息不能为空"},
                      RefusedEdit{"BlankClass", {"--class", "  "}, "类别不能为空"},
                      RefusedEdit{"BlankMatter", {"--matter", " "}, "占问事宜不能为空"},
                      // A lunar moment is checked as adding checks it.
                      RefusedEdit{"LunarDayThatDoesNotExist", {"--at", "2008-01-99 10:00", "--lunar"},
                                  "不存在这个日期,请重新输入！"},
                      RefusedEdit{"LeapMonthThatDoesNotExist", {"--at", "2008-04-08 10:00", "--lunar", "--leap"},
                                  "此年没有闰4月,请重新确定月份！"},
                      RefusedEdit{"DayThatDoesNotExist", {"--at", "2001-02-30 10:00"}, "不存在这个日期"},
                      RefusedEdit{"DayPillarPastTheLastYear", {"--at", "2100-12-31 23:00"},
                                  "公、农历正常转换年份在-850到2100之间；此时刻的日柱与农历要按2101年1月1日计算，超出了这个范围"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::cases

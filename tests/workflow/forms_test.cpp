// The dialogs' forms without a window: the case search, the class editor,
// the chart-settings dialog and the output pane's files.
#include <gtest/gtest.h>

#include "cases/class_list.hpp"
#include "cases/rtf_reader.hpp"
#include "consultation_fixture.hpp"
#include "files/gbk_ini.hpp"
#include "text/gbk.hpp"
#include "workflow/case_search_form.hpp"
#include "workflow/chart_settings_form.hpp"
#include "workflow/pane_files.hpp"

namespace qimen::workflow {
namespace {

using Log = std::vector<std::string>;
using qimen::testing::ConsultationTest;

const std::string kYearLine =
    "message|年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120|年份错误|warning";

struct SearchCase {
    const char* name;
    std::function<void(CaseSearchForm&)> fill;
    std::vector<bool> answers;
    Log log;
    std::optional<std::vector<std::int32_t>> listed;
};
class CaseSearch : public ConsultationTest, public ::testing::WithParamInterface<SearchCase> {
protected:
    void SetUp() override {
        inputs().name = "张三";
        chartAndSaveNew();
        inputs().name = "小张";
        inputs().yearText = "2004";
        chartAndSaveNew();
        inputs().name = "张";
        inputs().yearText = "-120";
        chartAndSaveNew();
    }
};
TEST_P(CaseSearch, ChecksYearsThenScansAndAsks) {
    CaseSearchForm form;
    GetParam().fill(form);
    for (bool a : GetParam().answers) prompter.answer({a});
    auto listed = form.search(consultation->caseFilter(), consultation->store(), prompter);
    EXPECT_EQ(prompter.take(), GetParam().log);
    EXPECT_EQ(listed, GetParam().listed);
}
INSTANTIATE_TEST_SUITE_P(
    Form, CaseSearch,
    ::testing::Values(
        SearchCase{"NoCriteriaListsEveryCase", [](auto&) {}, {true},
                   {"ask|共找到3条记录，要显示到事例列表中吗？|提示|information|yes"}, std::vector<std::int32_t>{0, 1, 2}},
        SearchCase{"LastYearBeforeFirst", [](auto& f) { f.yearFrom = "2008"; f.yearTo = "2004"; }, {},
                   {"message|结束年必须大于或等于起始年|年份错误|warning"}, std::nullopt},
        SearchCase{"OnlyFirstYearCountsTheOtherAsZero", [](auto& f) { f.yearFrom = "2008"; }, {}, {kYearLine}, std::nullopt},
        SearchCase{"YearsInTheUsersNumbering", [](auto& f) { f.yearFrom = "-120"; f.yearTo = "-100"; }, {true},
                   {"ask|共找到1条记录，要显示到事例列表中吗？|提示|information|yes"}, std::vector<std::int32_t>{2}},
        SearchCase{"NameContained", [](auto& f) { f.name = "张"; }, {true},
                   {"ask|共找到3条记录，要显示到事例列表中吗？|提示|information|yes"}, std::vector<std::int32_t>{0, 1, 2}},
        SearchCase{"NameWhole", [](auto& f) { f.name = "张"; f.nameExact = true; }, {true},
                   {"ask|共找到1条记录，要显示到事例列表中吗？|提示|information|yes"}, std::vector<std::int32_t>{2}},
        SearchCase{"NoToTheCountKeepsTheDialogOpen", [](auto& f) { f.matter = "求财"; }, {false},
                   {"ask|共找到3条记录，要显示到事例列表中吗？|提示|information|yes"}, std::nullopt},
        SearchCase{"NothingFound", [](auto& f) { f.className = "婚姻"; }, {},
                   {"message|没有找到符合条件的事例。|信息|information"}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsultationTest, SearchFormReopensWithTheLastCriteriaAndClearsOnYes) {
    CaseSearchForm form;
    form.search(consultation->caseFilter(), consultation->store(), prompter);
    EXPECT_EQ(prompter.take(), (Log{"message|没有记录，无从查找。||none"}));
    form.yearFrom = "-120";
    form.yearTo = "2008";
    form.name = "张";
    form.classExact = true;
    form.className = "求财";
    form.search(consultation->caseFilter(), consultation->store(), prompter);
    prompter.take();
    CaseSearchForm shown = CaseSearchForm::show(consultation->caseFilter(), {});
    EXPECT_EQ(shown.yearFrom, "-120");
    EXPECT_EQ(shown.yearTo, "2008");
    EXPECT_EQ(shown.name, "张");
    EXPECT_FALSE(shown.nameExact);
    EXPECT_TRUE(shown.classExact);
    EXPECT_EQ(shown.matter, "");
    prompter.answer({false});
    shown.clear(prompter);
    EXPECT_EQ(shown.name, "张");
    prompter.answer({true});
    shown.clear(prompter);
    EXPECT_EQ(prompter.take(), (Log{"ask|这将清除所有输入的条件参数，以便搜索所有事例，确定吗？|提示|information|yes",
                                    "ask|这将清除所有输入的条件参数，以便搜索所有事例，确定吗？|提示|information|yes"}));
    EXPECT_EQ(shown.name, "");
    EXPECT_EQ(shown.yearFrom, "");
    EXPECT_FALSE(shown.classExact);
}

TEST_F(ConsultationTest, ClassEditorAcceptsSixCharactersAndNamesTheFirstBadLine) {
    EXPECT_FALSE(saveClassEditor(root.path(), {}, prompter));
    EXPECT_FALSE(saveClassEditor(root.path(), {"求财", "七个汉字的类别"}, prompter));
    EXPECT_FALSE(saveClassEditor(root.path(), {"求财", ""}, prompter));
    EXPECT_EQ(prompter.take(), (Log{"message|类别不能为空||none", "message|第2行类别名不合规定，不能加入。||none",
                                    "message|第2行类别名不合规定，不能加入。||none"}));
    EXPECT_TRUE(saveClassEditor(root.path(), {"求财", "六个汉字类别"}, prompter));
    EXPECT_EQ(classEditorLines(root.path()), (std::vector<std::string>{"求财", "六个汉字类别"}));
    EXPECT_EQ(ClassificationForm::open(root.path()).className, "求财");
}

TEST_F(ConsultationTest, SettingsDialogDefaultsWriteEveryKeyAndABadIndentWritesNothing) {
    auto path = chart::chartSettingsPath(root.path());
    ChartSettingsForm form = ChartSettingsForm::open(root.path());
    form.indentText = "-1";
    auto before = qimen::testing::fileBytes(path);
    EXPECT_FALSE(form.apply(root.path(), prompter));
    form.indentText = "abc";
    EXPECT_FALSE(form.apply(root.path(), prompter));
    EXPECT_EQ(prompter.take(), (Log{"message|文本左边距离在0-999||none", "focus|LedtLeftText",
                                    "message|文本左边距离在0-999||none", "focus|LedtLeftText"}));
    EXPECT_EQ(qimen::testing::fileBytes(path), before);

    form.pan = 1;
    form.sun = true;
    form.baojian = false;
    form.zishi = 1;
    form.reset();
    EXPECT_EQ(form, ChartSettingsForm{});
    ASSERT_TRUE(form.apply(root.path(), prompter));
    files::GbkIniFile ini;
    ASSERT_TRUE(ini.load(path));
    for (const char* key : {"ileft", "pan", "ju", "shen", "tianyi", "zhifu", "jiugong", "sun", "save", "angan", "selyue",
                            "zishi", "yuejiang"})
        EXPECT_EQ(ini.value("qimen", key), "0") << key;
    EXPECT_EQ(ini.value("qimen", "baojian"), "1");
    form.yuejiang = 1;
    ASSERT_TRUE(form.apply(root.path(), prompter));
    EXPECT_EQ(ChartSettingsForm::open(root.path()).yuejiang, 1);
}

TEST(PaneFiles, PlainTextLoadsInTheDefaultAttributesAndSavesAsGbk) {
    qimen::testing::TempDataRoot dir;
    auto txt = dir.path() / "note.txt";
    qimen::testing::writeBytes(txt, text::utf8ToGbk("第一行\n第二行"));
    MemoryPane pane(PaneFont{"宋体", 14});
    pane.append("旧的");
    qimen::testing::ScriptedPrompter prompter;
    ASSERT_TRUE(importPaneFile(pane, txt, prompter));
    EXPECT_EQ(pane.content().text, "第一行\r\n第二行");
    ASSERT_EQ(pane.content().runs.size(), 1u);
    EXPECT_EQ(pane.content().runs[0].style, (cases::TextStyle{0, false, 28, "", false, false}));

    EXPECT_FALSE(importPaneFile(pane, dir.path() / "missing.rtf", prompter));
    EXPECT_EQ(prompter.take(), (Log{"message|导入文件出错,请重试一次|重试一次|none"}));

    pane.setContent(cases::RichText{"红字\r\n", {cases::RichRun{0, 6, cases::TextStyle{0xFF0000, true, 24, "黑体", true, false}}}, 0});
    ASSERT_TRUE(savePaneAs(pane, dir.path() / "report", SaveFormat::PlainText, prompter));
    EXPECT_EQ(qimen::testing::readText(dir.path() / "report.txt"), text::utf8ToGbk("红字\r\n"));
    EXPECT_EQ(pane.content().runs.size(), 1u);  // the pane keeps its formatting
    ASSERT_TRUE(savePaneAs(pane, dir.path() / "report.rtf", SaveFormat::RichText, prompter));
    EXPECT_EQ(prompter.take(), (Log{"message|已保存！||none", "message|已保存！||none"}));
    auto reloaded = cases::readRtf(qimen::testing::readText(dir.path() / "report.rtf.rtf"));
    EXPECT_EQ(reloaded.text.text, "红字\r\n");
    EXPECT_EQ(reloaded.text.runs, pane.content().runs);
}

}  // namespace
}  // namespace qimen::workflow

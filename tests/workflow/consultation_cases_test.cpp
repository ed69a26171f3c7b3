// Cases on the main-window workflow: saving in state New and Viewing, 查看
// with and without a commentary file, pending edits, editing (the case
// dialog's checks and the refreshed viewed case), deleting and listing.
#include <gtest/gtest.h>

#include "cases/rtf_reader.hpp"
#include "consultation_fixture.hpp"
#include "workflow/pane_files.hpp"

namespace qimen::workflow {
namespace {

using Log = std::vector<std::string>;
using qimen::testing::ConsultationTest;

cases::CaseRecord stored(Consultation& c, std::int32_t n) { return cases::decodeCaseRecord(*c.store().read(n)); }

TEST_F(ConsultationTest, SaveBeforeAValidChartIsRefused) {
    EXPECT_FALSE(consultation->save());
    EXPECT_EQ(prompter.take(), (Log{"message|请先排一个正确的盘后再保存|提示|information"}));
    EXPECT_EQ(consultation->store().slotCount(), 0);
}

TEST_F(ConsultationTest, SavingTwiceInStateNewAppendsTwoCasesWithCommentaries) {
    ASSERT_TRUE(consultation->chart());
    ASSERT_TRUE(consultation->save());
    ASSERT_TRUE(consultation->save());
    EXPECT_TRUE(prompter.take().empty());
    EXPECT_EQ(consultation->caseState(), CaseState::New);
    EXPECT_TRUE(std::filesystem::exists(commentary(0)));
    EXPECT_TRUE(std::filesystem::exists(commentary(1)));
    ASSERT_EQ(consultation->caseRows().size(), 2u);
    const auto& row = consultation->caseRows().row(1);
    EXPECT_EQ(row.columns, (std::array<std::string, 5>{"张三", "公2008-8-8", "求财", "求财", "1"}));
    auto r = stored(*consultation, 1);
    EXPECT_EQ(r.notes, "备注:\r\n");
    EXPECT_EQ(r.placeName, "未知地-未知地");
    EXPECT_EQ(r.provinceIndex, 34);
    EXPECT_FLOAT_EQ(r.longitude, 120.0f);
    EXPECT_FLOAT_EQ(r.latitude, 30.0f);
}

TEST_F(ConsultationTest, ClassificationChecksKeepTheDialogOpen) {
    ClassificationForm form;
    form.className = "";
    EXPECT_FALSE(form.confirm(prompter));
    form.className = "求财";
    form.notes = "";
    EXPECT_FALSE(form.confirm(prompter));
    EXPECT_EQ(prompter.take(), (Log{"message|类别名不能为空|错误|error", "message|附加信息不能为空|错误|error"}));
    ASSERT_TRUE(consultation->chart());
    classification.reset();  // the dialog cancelled
    EXPECT_FALSE(consultation->save());
    EXPECT_EQ(consultation->store().slotCount(), 0);
}

TEST_F(ConsultationTest, ViewingWritesAMissingCommentaryAndShowsAnExistingOne) {
    std::int32_t n = chartAndSaveNew();
    std::filesystem::remove(commentary(n));
    inputs().name = "别人";
    ASSERT_TRUE(consultation->view(n));
    EXPECT_TRUE(prompter.take().empty());
    EXPECT_EQ(inputs().name, "张三");
    EXPECT_EQ(consultation->caseState(), CaseState::Viewing);
    EXPECT_EQ(consultation->viewedCase(), n);
    EXPECT_EQ(consultation->casePath(), commentary(n));
    EXPECT_EQ(consultation->saveCaption(), "存旧");
    ASSERT_TRUE(std::filesystem::exists(commentary(n)));

    // The user's own text is shown as it is, and nothing is written.
    cases::RichText edited = pane.content();
    edited.text = "我的批注\r\n";
    edited.runs = {cases::RichRun{0, 6, cases::TextStyle{0x00FF00, true, 28, "黑体", true, true}}};
    pane.setContent(edited);
    ASSERT_TRUE(savePaneRichText(pane, commentary(n)));
    pane.setModified(false);
    auto before = qimen::testing::fileBytes(commentary(n));
    consultation->newCase();
    ASSERT_TRUE(consultation->view(n));
    EXPECT_EQ(pane.content(), edited);
    EXPECT_FALSE(pane.modified());
    EXPECT_EQ(qimen::testing::fileBytes(commentary(n)), before);
    EXPECT_TRUE(consultation->chartValid());
}

TEST_F(ConsultationTest, ViewingWithoutASelectionOrOfADeletedCase) {
    EXPECT_FALSE(consultation->view(std::nullopt));
    EXPECT_EQ(prompter.take(), (Log{"message|请先选择一个事例。||none"}));
    EXPECT_FALSE(consultation->view(-1));
    EXPECT_FALSE(consultation->view(7));
    EXPECT_TRUE(prompter.take().empty());
}

TEST_F(ConsultationTest, ViewingAGivenJuCaseRepeatsItsJu) {
    ASSERT_TRUE(consultation->chartGivenJu(13));
    ASSERT_TRUE(consultation->save());
    consultation->newCase();
    inputs().givenJuItem = 0;
    ASSERT_TRUE(consultation->view(0));
    EXPECT_EQ(inputs().givenJuItem, 13);
    EXPECT_EQ(consultation->record().ju, 3);
    EXPECT_TRUE(consultation->record().yangDun);
    EXPECT_EQ(inputs().methodItem, 1);
}

TEST_F(ConsultationTest, PendingEditsAreSavedIntoTheViewedCaseNotTheChosenOne) {
    chartAndSaveNew();
    inputs().name = "李四";
    chartAndSaveNew();
    ASSERT_TRUE(consultation->view(0));
    pane.append("应验了");
    auto otherBefore = qimen::testing::fileBytes(commentary(1));
    prompter.answer({true, true});
    ASSERT_TRUE(consultation->view(1));
    EXPECT_EQ(prompter.take(), (Log{"ask|当前事例文本已改变，要保存吗？|提示|warning|yes",
                                    "ask|确定要修改，“张三-公2008-8-8”，这条记录吗？|提示|information|yes",
                                    "message|已保存编辑后的文本。||none"}));
    auto saved = cases::readRtf(qimen::testing::readText(commentary(0)));
    EXPECT_NE(saved.text.text.find("应验了"), std::string::npos);
    EXPECT_EQ(qimen::testing::fileBytes(commentary(1)), otherBefore);
    EXPECT_EQ(consultation->viewedCase(), 1);
    EXPECT_EQ(inputs().name, "李四");
}

TEST_F(ConsultationTest, ClosingAskesAboutPendingEditsOnlyWhileViewing) {
    ASSERT_TRUE(consultation->chart());
    pane.append("x");
    consultation->close();
    EXPECT_TRUE(prompter.take().empty());
    chartAndSaveNew();
    ASSERT_TRUE(consultation->view(0));
    pane.append("x");
    prompter.answer({false});
    consultation->close();
    EXPECT_EQ(prompter.take(), (Log{"ask|当前事例文本已改变，要保存吗？|提示|warning|yes"}));
}

struct EditRefusal {
    const char* name;
    std::function<void(CaseEditForm&)> change;
    Log log;
};
class CaseEditRefusal : public ConsultationTest, public ::testing::WithParamInterface<EditRefusal> {};
TEST_P(CaseEditRefusal, AsksFirstThenChecksInTheDialogsOrder) {
    chartAndSaveNew();
    auto before = qimen::testing::fileBytes(root.dat() / "qimen0.dat");
    bool shown = false;
    prompter.answer({true});
    EXPECT_FALSE(consultation->editCase(0, [&](CaseEditForm& form) {
        GetParam().change(form);
        shown = true;
        return form.save(prompter);
    }));
    EXPECT_TRUE(shown);
    Log log{"ask|确定要保存修改吗？|提示|information|yes"};
    log.insert(log.end(), GetParam().log.begin(), GetParam().log.end());
    EXPECT_EQ(prompter.take(), log);
    EXPECT_EQ(qimen::testing::fileBytes(root.dat() / "qimen0.dat"), before);
}
INSTANTIATE_TEST_SUITE_P(
    Checks, CaseEditRefusal,
    ::testing::Values(
        EditRefusal{"EmptyNameFirst", [](auto& f) { f.name = ""; f.yearText = "0"; f.notes = ""; },
                    {"message|姓名不能为空|提示|information"}},
        EditRefusal{"NameOfSpacesIsEmpty", [](auto& f) { f.name = " 　 "; }, {"message|姓名不能为空|提示|information"}},
        // 2008 has no leap month: the lunar date is checked as when the case
        // was charted, before the notes.
        EditRefusal{"LeapMonthThatDoesNotExist",
                    [](auto& f) { f.yearText = "2008"; f.lunar = true; f.leapMonth = true; f.notes = ""; },
                    {"message|此年没有闰8月,请重新确定月份！|年份错误|warning"}},
        EditRefusal{"YearBeforeNotes", [](auto& f) { f.yearText = "0"; f.notes = ""; },
                    {"message|年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120|年份错误|warning",
                     "focus|EdtYear"}},
        EditRefusal{"EmptyNotesBeforeClass", [](auto& f) { f.notes = ""; f.className = ""; },
                    {"message|附加信息不能为空|错误|error"}},
        EditRefusal{"EmptyClassBeforeMatter", [](auto& f) { f.className = ""; f.matter = ""; },
                    {"message|类别不能为空|错误|error"}},
        EditRefusal{"EmptyMatter", [](auto& f) { f.matter = ""; }, {"message|占问事宜不能为空|错误|error"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsultationTest, EditingTheViewedCaseRefreshesItSoALaterSaveKeepsTheEdit) {
    chartAndSaveNew();
    ASSERT_TRUE(consultation->view(0));
    prompter.answer({true});
    ASSERT_TRUE(consultation->editCase(0, [&](CaseEditForm& form) {
        form.yearText = "-120";
        form.lunar = true;
        form.className = "婚姻";
        // 1000 bytes in the memo: its joined lines are cut to the 1001 the
        // field holds, at a character boundary.
        form.notes = std::string(998, 'a') + "中";
        return form.save(prompter);
    }));
    auto r = stored(*consultation, 0);
    EXPECT_EQ(r.className, "婚姻");
    EXPECT_EQ(r.date.year, -119);
    EXPECT_EQ(r.notes, std::string(998, 'a') + "中");
    EXPECT_EQ(r.placeName, "未知地-未知地");  // place and method stay
    EXPECT_EQ(consultation->caseRows().row(0).columns[kDateColumn], "农-120-8-8");
    EXPECT_EQ(consultation->currentCase(), r);
    prompter.answer({true});
    ASSERT_TRUE(consultation->save());
    prompter.take();
    EXPECT_EQ(stored(*consultation, 0), r);
}

TEST_F(ConsultationTest, DeletingTheViewedCaseAsksTwiceAndReturnsToNew) {
    chartAndSaveNew();
    chartAndSaveNew();
    ASSERT_TRUE(consultation->view(1));
    prompter.answer({false});
    EXPECT_FALSE(consultation->deleteCase(1));
    EXPECT_EQ(prompter.take(), (Log{"ask|确定要删除\"张三\"这个事例吗？|注意|warning|no"}));
    prompter.answer({true, true});
    ASSERT_TRUE(consultation->deleteCase(1));
    EXPECT_EQ(prompter.take(), (Log{"ask|确定要删除\"张三\"这个事例吗？|注意|warning|no",
                                    "ask|确定要删除当前正在查看的事例吗？|提示|warning|no"}));
    EXPECT_EQ(consultation->caseState(), CaseState::New);
    EXPECT_FALSE(consultation->chartValid());
    EXPECT_EQ(consultation->saveCaption(), "存新");
    EXPECT_TRUE(pane.plainText().empty());
    EXPECT_FALSE(std::filesystem::exists(commentary(1)));
    EXPECT_FALSE(consultation->store().read(1));
    EXPECT_EQ(consultation->caseRows().size(), 1u);
    EXPECT_FALSE(consultation->save());
    EXPECT_EQ(prompter.take(), (Log{"message|请先排一个正确的盘后再保存|提示|information"}));
    EXPECT_FALSE(consultation->deleteCase(std::nullopt));
    EXPECT_EQ(prompter.take(), (Log{"message|请先选择一个事例。||none"}));
}

TEST_F(ConsultationTest, ListAllOnAnEmptyOrAllDeletedStore) {
    consultation->listAll();
    EXPECT_EQ(prompter.take(), (Log{"message|没有记录，无从查找。||none"}));
    chartAndSaveNew();
    ASSERT_TRUE(consultation->store().markDeleted(0));
    consultation->listAll();
    EXPECT_EQ(prompter.take(), (Log{"message|没有找到符合条件的事例。|信息|information"}));
    EXPECT_EQ(consultation->caseRows().size(), 1u);  // the old list stays
}

TEST_F(ConsultationTest, StartUpListsOnlyTheFirst300Cases) {
    ASSERT_TRUE(consultation->chart());
    auto image = *cases::encodeCaseRecord(consultation->currentCase());
    for (int i = 0; i < 301; ++i) ASSERT_TRUE(consultation->store().append(image));
    consultation->start(files::WindowSettings{});
    EXPECT_EQ(consultation->caseRows().size(), 300u);
    consultation->listAll();
    EXPECT_EQ(consultation->caseRows().size(), 301u);
}

}  // namespace
}  // namespace qimen::workflow

// The condition form: show, clear and accept, with the validation order,
// the messages, the partial storing before an error and the counts.
#include <gtest/gtest.h>

#include "search/condition_form.hpp"

namespace {

using qimen::search::acceptForm;
using qimen::search::ConditionForm;
using qimen::search::SearchConditions;

ConditionForm zeroForm() { return qimen::search::clearedForm(); }

TEST(ConditionFormShow, PalacesShowAsDecimalTextAndFlagsOnlyWhenExactlyOne) {
    SearchConditions c;
    c.starPalace[6] = 1;
    c.doorPalace[5] = 6;
    c.leaderChoice[0] = 1;
    c.leaderChoice[1] = 2;  // not exactly 1: shown unticked
    c.goodPattern[19] = 1;
    c.wantedLeaderStarPalace = 9;
    c.allRequired = 7;
    ConditionForm form = qimen::search::formFromConditions(c);
    EXPECT_EQ(form.starCells[6], "1");
    EXPECT_EQ(form.starCells[0], "0");
    EXPECT_EQ(form.doorCells[5], "6");
    EXPECT_TRUE(form.leaderChoice[0]);
    EXPECT_FALSE(form.leaderChoice[1]);
    EXPECT_TRUE(form.goodPattern[19]);
    EXPECT_EQ(form.leaderStarEdit, "9");
    EXPECT_EQ(form.leaderDoorEdit, "0");
    EXPECT_TRUE(form.allRequired);
}

TEST(ConditionFormShow, HeadingsOfTheGridsAndTheLeaderList) {
    EXPECT_EQ(qimen::search::deityHeading(0), "直符");
    EXPECT_EQ(qimen::search::deityHeading(7), "九天");
    EXPECT_EQ(qimen::search::starHeading(0), "天英");
    EXPECT_EQ(qimen::search::starHeading(8), "天任");
    EXPECT_EQ(qimen::search::stemHeading(0), "乙");
    EXPECT_EQ(qimen::search::stemHeading(8), "癸");
    EXPECT_EQ(qimen::search::doorHeading(0), "景门");
    EXPECT_EQ(qimen::search::doorHeading(5), "开门");
    EXPECT_EQ(qimen::search::leaderChoiceItem(5), "天禽、死门");
}

TEST(ConditionFormClear, ClearedFormIsTheFormOfTheZeroRecordAndLeavesTheRecordAlone) {
    SearchConditions c;
    c.starPalace[6] = 1;
    SearchConditions before = c;
    ConditionForm cleared = qimen::search::clearedForm();
    EXPECT_EQ(cleared, qimen::search::formFromConditions(SearchConditions{}));
    EXPECT_EQ(cleared.deityCells[0], "0");
    EXPECT_EQ(c, before);  // only a successful accept writes the record
}

TEST(ConditionFormAccept, TheZeroFormGivesTheZeroRecord) {
    SearchConditions c;
    c.starPalace[2] = 4;
    c.starCount = 1;
    EXPECT_TRUE(acceptForm(zeroForm(), c));
    EXPECT_EQ(c, SearchConditions{});
}

TEST(ConditionFormAccept, CountsAreRecomputedFromTheCells) {
    ConditionForm form = zeroForm();
    form.deityCells[0] = "1";
    form.deityCells[7] = "9";
    form.starCells[6] = "5";
    form.heavenStemCells[1] = "+2";
    form.doorCells[5] = "6";
    form.earthStemCells[8] = "3";
    form.leaderChoice[1] = form.leaderChoice[6] = form.leaderChoice[8] = true;
    form.goodPattern[2] = form.goodPattern[3] = true;
    form.badPattern[5] = true;
    form.badPatternAll = true;
    form.allRequired = true;
    SearchConditions c;
    c.deityCount = 7;  // stale counts never survive an accept
    ASSERT_TRUE(acceptForm(form, c));
    EXPECT_EQ(c.deityCount, 2);
    EXPECT_EQ(c.deityPalace[7], 9);
    EXPECT_EQ(c.starCount, 1);
    EXPECT_EQ(c.heavenStemCount, 1);
    EXPECT_EQ(c.heavenStemPalace[1], 2);
    EXPECT_EQ(c.doorCount, 1);
    EXPECT_EQ(c.earthStemCount, 1);
    EXPECT_EQ(c.leaderChoiceCount, 3);
    EXPECT_EQ(c.leaderChoiceAny, 1);
    EXPECT_EQ(c.goodPatternCount, 2);  // the two 丙奇逢鼠 entries are independent
    EXPECT_EQ(c.goodPattern[2], 1);
    EXPECT_EQ(c.goodPattern[3], 1);
    EXPECT_EQ(c.badPatternCount, 1);
    EXPECT_EQ(c.badPatternAll, 1);
    EXPECT_EQ(c.allRequired, 1);
}

// One invalid text in one place and the message naming its group.
struct InvalidInput {
    const char* name;
    void (*spoil)(ConditionForm&);
    const char* message;
};

class ConditionFormRejects : public ::testing::TestWithParam<InvalidInput> {};

TEST_P(ConditionFormRejects, TheFirstInvalidValueNamesItsGroup) {
    ConditionForm form = zeroForm();
    GetParam().spoil(form);
    SearchConditions c;
    EXPECT_EQ(acceptForm(form, c).message(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ConditionFormRejects,
    ::testing::Values(
        InvalidInput{"DeityInCentre", [](ConditionForm& f) { f.deityCells[2] = "5"; },
                     "神盘落宫输入错误，宫数在1－9，5宫请输入2"},
        InvalidInput{"DeityEmpty", [](ConditionForm& f) { f.deityCells[0] = ""; },
                     "神盘落宫输入错误，宫数在1－9，5宫请输入2"},
        InvalidInput{"StarTen", [](ConditionForm& f) { f.starCells[0] = "10"; }, "九星落宫输入错误，宫数在1－9"},
        InvalidInput{"StarNegative", [](ConditionForm& f) { f.starCells[0] = "-1"; }, "九星落宫输入错误，宫数在1－9"},
        InvalidInput{"HeavenStemText", [](ConditionForm& f) { f.heavenStemCells[4] = "a"; },
                     "天盘奇仪落宫输入错误，宫数在1－9"},
        InvalidInput{"DoorInCentre", [](ConditionForm& f) { f.doorCells[7] = "5"; },
                     "八门落宫输入错误，宫数在1－9，5宫请输入2"},
        InvalidInput{"EarthStemBlank", [](ConditionForm& f) { f.earthStemCells[8] = " 3"; },
                     "地盘奇仪落宫输入错误，宫数在1－9"},
        InvalidInput{"LeaderStarEmpty", [](ConditionForm& f) { f.leaderStarEdit = ""; }, "直符落宫输入错误，宫数在1－9"},
        InvalidInput{"LeaderDoorTen", [](ConditionForm& f) { f.leaderDoorEdit = "10"; }, "直使落宫输入错误，宫数在1－9"},
        // Order: the deity grid is read before the doors.
        InvalidInput{"DeityBeforeDoor",
                     [](ConditionForm& f) {
                         f.doorCells[0] = "x";
                         f.deityCells[0] = "x";
                     },
                     "神盘落宫输入错误，宫数在1－9，5宫请输入2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConditionFormAccept, PalaceFiveIsAcceptedForStarsStemsAndLeaderPalaces) {
    ConditionForm form = zeroForm();
    form.starCells[5] = form.heavenStemCells[0] = form.earthStemCells[0] = "5";
    form.leaderStarEdit = form.leaderDoorEdit = "5";
    SearchConditions c;
    EXPECT_TRUE(acceptForm(form, c));
    EXPECT_EQ(c.wantedLeaderStarPalace, 5);
    EXPECT_EQ(c.wantedLeaderDoorPalace, 5);
}

TEST(ConditionFormAccept, GroupsBeforeTheErrorStayStoredAndLaterOnesAreUntouched) {
    ConditionForm form = zeroForm();
    form.deityCells[0] = "3";
    form.deityAll = true;
    form.starCells[1] = "4";
    form.heavenStemCells[0] = "x";  // third group fails
    form.doorCells[0] = "7";
    SearchConditions c;
    c.doorPalace[0] = 2;
    c.doorCount = 1;
    ASSERT_FALSE(acceptForm(form, c));
    EXPECT_EQ(c.deityPalace[0], 3);
    EXPECT_EQ(c.deityCount, 1);
    EXPECT_EQ(c.deityAll, 1);
    EXPECT_EQ(c.starPalace[1], 4);
    EXPECT_EQ(c.starCount, 1);
    EXPECT_EQ(c.heavenStemCount, 0);  // reset before its cells were read
    EXPECT_EQ(c.doorPalace[0], 2);    // never reached
    EXPECT_EQ(c.doorCount, 1);
    EXPECT_EQ(c.starAll, 0);  // stored by the step that failed
}

TEST(ConditionFormAccept, WholeNumbersOnly) {
    using qimen::search::readWholeNumber;
    EXPECT_EQ(readWholeNumber("7"), 7);
    EXPECT_EQ(readWholeNumber("-3"), -3);
    EXPECT_EQ(readWholeNumber("007"), 7);
    EXPECT_EQ(readWholeNumber(""), std::nullopt);
    EXPECT_EQ(readWholeNumber("-"), std::nullopt);
    EXPECT_EQ(readWholeNumber("1.0"), std::nullopt);
    EXPECT_EQ(readWholeNumber("2 "), std::nullopt);
    EXPECT_EQ(readWholeNumber("99999999999999"), std::nullopt);
}

TEST(ConditionNames, PatternListsInCodeOrder) {
    EXPECT_EQ(qimen::search::goodPatternName(0), "乙奇逢马");
    EXPECT_EQ(qimen::search::goodPatternName(2), "丙奇逢鼠");
    EXPECT_EQ(qimen::search::goodPatternName(3), "丙奇逢鼠");
    EXPECT_EQ(qimen::search::goodPatternName(26), "鬼假");
    EXPECT_EQ(qimen::search::badPatternName(0), "悖格");
    EXPECT_EQ(qimen::search::badPatternName(27), "地网遮蔽");
}

}  // namespace

// 排盘 and its variants on the main-window workflow: the validation order
// with each message, caption, icon and focus; the year rule; the method,
// given-ju and place mappings; topics, 解释, 新建 and the custom-chart checks.
#include <gtest/gtest.h>

#include "consultation_fixture.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::workflow {
namespace {

using Log = std::vector<std::string>;
using qimen::testing::ConsultationTest;
const std::string kYearLine =
    "message|年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120|年份错误|warning";

struct Refusal {
    const char* name;
    std::function<void(ConsultationInputs&)> change;
    Log log;
};
class ChartRefusal : public qimen::testing::ConsultationTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ChartRefusal, ShowsTheFirstFaultFocusesItsControlAndChangesNothing) {
    auto caseBefore = consultation->currentCase();
    GetParam().change(inputs());
    EXPECT_FALSE(consultation->chart());
    EXPECT_EQ(prompter.take(), GetParam().log);
    EXPECT_FALSE(consultation->chartValid());
    EXPECT_EQ(consultation->caseState(), CaseState::New);
    EXPECT_EQ(consultation->currentCase(), caseBefore);
    EXPECT_TRUE(pane.plainText().empty());
}
INSTANTIATE_TEST_SUITE_P(
    InWindowOrder, ChartRefusal,
    ::testing::Values(
        Refusal{"BlankMethodItem", [](auto& in) { in.methodItem = 2; in.name = ""; },
                {"message|必须选择一个盘式|选择盘式|error", "focus|CboPanShi"}},
        Refusal{"NoMethodItem", [](auto& in) { in.methodItem = -1; }, {"message|必须选择一个盘式|选择盘式|error", "focus|CboPanShi"}},
        Refusal{"EmptyNameBeforeMatter", [](auto& in) { in.name = ""; in.matter = ""; },
                {"message|姓名不能为空|提示|information", "focus|Edtname"}},
        Refusal{"EmptyMatter", [](auto& in) { in.matter = ""; in.yearText = "0"; },
                {"message|占问事宜不能为空|提示|information", "focus|LedtEvent"}},
        Refusal{"YearNotANumber", [](auto& in) { in.yearText = "abc"; }, {kYearLine, "focus|EdtYear"}},
        Refusal{"YearZero", [](auto& in) { in.yearText = "0"; }, {kYearLine, "focus|EdtYear"}},
        Refusal{"YearAfter2100", [](auto& in) { in.yearText = "2101"; }, {kYearLine, "focus|EdtYear"}},
        Refusal{"YearBefore850BCE", [](auto& in) { in.yearText = "-851"; }, {kYearLine, "focus|EdtYear"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConsultationTest, DriverFailureIsShownAndLeavesNoValidChart) {
    inputs().yearText = "2001";
    inputs().monthItem = 1;
    inputs().dayItem = 28;
    EXPECT_FALSE(consultation->chart());
    EXPECT_EQ(prompter.take(), (Log{"message|不存在这个日期|错误|error"}));
    EXPECT_FALSE(consultation->chartValid());
    EXPECT_TRUE(pane.plainText().empty());
    EXPECT_EQ(consultation->currentCase().date.day, 29);  // the inputs were taken before the run
}

struct TypedYear {
    const char* text;
    int stored;
};
class ChartYear : public qimen::testing::ConsultationTest, public ::testing::WithParamInterface<TypedYear> {};
TEST_P(ChartYear, IsStoredWithAYearZero) {
    inputs().yearText = GetParam().text;
    inputs().methodItem = 3;  // 日家奇门: no ju rule limits the years
    ASSERT_TRUE(consultation->chart()) << ::testing::PrintToString(prompter.take());
    EXPECT_EQ(consultation->request().inputDate.year, GetParam().stored);
    EXPECT_EQ(inputs().yearSpin, GetParam().stored);
    EXPECT_EQ(consultation->currentCase().date.year, GetParam().stored);
    EXPECT_TRUE(consultation->chartValid());
}
INSTANTIATE_TEST_SUITE_P(Typed, ChartYear,
                         ::testing::Values(TypedYear{"-1", 0}, TypedYear{"2100", 2100}, TypedYear{"-850", -849},
                                           TypedYear{"-120", -119}));

TEST(InputLists, MethodGivenJuAndHourItemsMapToTheirCodes) {
    EXPECT_EQ(methodItems().size(), 13u);
    EXPECT_EQ(methodItems()[1], "时家奇门");
    EXPECT_EQ(methodItems()[11], "阴盘奇门");
    EXPECT_EQ(methodOfItem(11), chart::ChartMethod::YinPlate);
    EXPECT_FALSE(methodOfItem(2));
    EXPECT_FALSE(methodOfItem(13));
    EXPECT_EQ(givenJuItems().size(), 21u);
    EXPECT_EQ(givenJuItems()[13], "阳遁三局");
    EXPECT_EQ(givenJuOfItem(13), 13);
    EXPECT_FALSE(givenJuOfItem(10));
    EXPECT_FALSE(givenJuOfItem(20));
    EXPECT_EQ(hourItems()[23], "23时子");
    EXPECT_EQ(hourItems()[1], "1时丑");
    EXPECT_EQ(hourItems()[2], "2时丑");
    EXPECT_EQ(hourItems()[0], "0时子");
    EXPECT_EQ(randomGivenJuItem(8), 9);
    EXPECT_EQ(randomGivenJuItem(9), 11);
    EXPECT_EQ(randomGivenJuItem(17 + 18), 19);
    EXPECT_EQ(yearTextOfStored(-849), "-850");
}

TEST_F(ConsultationTest, GivenJuChartTurnsIntoAnHourChartAndItsCaseKeeps250) {
    inputs().methodItem = 3;
    ASSERT_TRUE(consultation->chartGivenJu(13));
    EXPECT_EQ(consultation->record().ju, 3);
    EXPECT_TRUE(consultation->record().yangDun);
    EXPECT_EQ(inputs().methodItem, 1);
    EXPECT_EQ(consultation->request().method, chart::ChartMethod::Hour);
    ASSERT_TRUE(consultation->save());
    auto stored = cases::decodeCaseRecord(*consultation->store().read(0));
    EXPECT_EQ(stored.method, 250);
    EXPECT_EQ(stored.givenJu, 13);
    EXPECT_TRUE(prompter.take().empty());
}

TEST_F(ConsultationTest, BlankGivenJuItemDoesNothing) {
    EXPECT_FALSE(consultation->chartGivenJu(10));
    EXPECT_FALSE(consultation->chartGivenJu(0));
    EXPECT_TRUE(prompter.take().empty());
    EXPECT_TRUE(pane.plainText().empty());
}

TEST_F(ConsultationTest, FailedGivenJuRunIsRepeatedByTheNextChart) {
    inputs().name = "";
    EXPECT_FALSE(consultation->chartGivenJu(4));
    prompter.take();
    inputs().name = "张三";
    inputs().methodItem = 3;  // not consulted: the given-ju chart is pending
    ASSERT_TRUE(consultation->chart());
    EXPECT_EQ(consultation->record().method, chart::ChartMethod::Hour);
    EXPECT_FALSE(consultation->record().yangDun);
    EXPECT_EQ(consultation->record().ju, 4);
    EXPECT_EQ(consultation->currentCase().method, 250);
}

TEST_F(ConsultationTest, RandomChartDrawsAGivenJuItem) {
    random = 9;  // the tenth of eighteen: 阳遁一局
    ASSERT_TRUE(consultation->chartRandom());
    EXPECT_EQ(inputs().givenJuItem, 11);
    EXPECT_EQ(consultation->currentCase().givenJu, 11);
}

TEST_F(ConsultationTest, PlacesComeFromThePlaceTable) {
    EXPECT_EQ(inputs().provinceItem, 34);
    ASSERT_EQ(consultation->cities().size(), 1u);
    EXPECT_EQ(consultation->cities()[0].name, "未知地");
    ASSERT_TRUE(consultation->chart());
    EXPECT_EQ(consultation->request().placeName, "未知地-未知地");
    EXPECT_FLOAT_EQ(consultation->request().longitude, 120.0f);
    EXPECT_FLOAT_EQ(consultation->request().latitude, 30.0f);

    consultation->selectProvince(0);  // 福建省; 福州 = 119:18*26:5
    ASSERT_FALSE(consultation->cities().empty());
    EXPECT_EQ(inputs().cityItem, 0);
    ASSERT_TRUE(consultation->chart());
    EXPECT_EQ(consultation->request().placeName, "福建省-福州");
    EXPECT_FLOAT_EQ(consultation->request().longitude, 119.3f);
    EXPECT_NEAR(consultation->request().latitude, 26.0833, 1e-4);
    EXPECT_EQ(consultation->currentCase().provinceIndex, 0);
}

TEST_F(ConsultationTest, StartUpTakesTheWindowSettingsWithinTheirLists) {
    files::WindowSettings settings;
    settings.province = 40;
    settings.city = 500;
    settings.chartMethodItem = 2;
    consultation->start(settings);
    EXPECT_EQ(inputs().provinceItem, 0);
    EXPECT_EQ(inputs().cityItem, 0);
    EXPECT_EQ(inputs().yearText, "2008");
    EXPECT_EQ(inputs().hourItem, 20);
    EXPECT_FALSE(consultation->chart());
    EXPECT_EQ(prompter.take(), (Log{"message|必须选择一个盘式|选择盘式|error", "focus|CboPanShi"}));
}

TEST_F(ConsultationTest, TopicsAndExplanationNeedAValidRotatingHourChart) {
    consultation->topic(0);
    consultation->explain();
    EXPECT_EQ(prompter.take(), (Log{"message|请先排一个正确的奇门盘|先排盘|information",
                                    "message|请先排一个正确的奇门盘|先排盘|information"}));
    inputs().methodItem = 3;
    ASSERT_TRUE(consultation->chart());
    consultation->topic(0);
    EXPECT_EQ(prompter.take(), (Log{"message|目前只能预测时家转盘奇门，请选择时家奇门盘式!|错误|error"}));
    inputs().methodItem = 1;
    ASSERT_TRUE(consultation->chart());
    std::string chartMemo = memo;
    consultation->topic(6);
    EXPECT_TRUE(prompter.take().empty());
    EXPECT_NE(memo, chartMemo);
    EXPECT_FALSE(memo.empty());
    consultation->explain();
    EXPECT_EQ(memo, chartMemo);
}

TEST_F(ConsultationTest, NewCaseClearsThePaneAndTheChart) {
    ASSERT_TRUE(consultation->chart());
    EXPECT_FALSE(pane.plainText().empty());
    consultation->newCase();
    EXPECT_TRUE(pane.plainText().empty());
    EXPECT_FALSE(consultation->chartValid());
    EXPECT_EQ(memo, "");
    EXPECT_EQ(consultation->saveCaption(), "存新");
    EXPECT_EQ(inputs().name, "张三");  // the inputs stay
}

TEST_F(ConsultationTest, CustomChartNeedsTheHourMethodAndValidInputs) {
    inputs().methodItem = 3;
    EXPECT_FALSE(consultation->customChart());
    EXPECT_EQ(prompter.take(), (Log{"message|只能使用时家转盘法排自定义盘|选择盘式|warning", "focus|CboPanShi"}));
    inputs().methodItem = 1;
    inputs().yearText = "0";
    EXPECT_FALSE(consultation->customChart());
    EXPECT_EQ(prompter.take(), (Log{kYearLine, "focus|EdtYear"}));
    inputs().yearText = "-1";
    auto request = consultation->customChart();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->inputDate.year, 0);
    EXPECT_EQ(request->method, chart::ChartMethod::Hour);
    EXPECT_FALSE(consultation->chartValid());
    EXPECT_TRUE(pane.plainText().empty());
    ASSERT_TRUE(consultation->chart());
    EXPECT_EQ(customChartsClosed, 1);
}

TEST_F(ConsultationTest, NowSetsTheGregorianDateOfTheClock) {
    inputs().lunar = inputs().leapMonth = true;
    inputs().yearText = "1";
    consultation->setNow();
    EXPECT_FALSE(inputs().lunar);
    EXPECT_FALSE(inputs().leapMonth);
    EXPECT_EQ(inputs().yearText, "2008");
    EXPECT_EQ(inputs().monthItem, 7);
    EXPECT_EQ(inputs().dayItem, 7);
    EXPECT_EQ(inputs().minuteItem, 8);
}

}  // namespace
}  // namespace qimen::workflow

// The perpetual calendar's and the places dialog's boxes, questions and
// writes, in the windows' order, without a window.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "recording_prompter.hpp"
#include "text/gbk.hpp"
#include "workflow/calendar_form.hpp"
#include "workflow/place_dialog_form.hpp"

namespace qimen::workflow {
namespace {

using Log = std::vector<std::string>;
using qimen::testing::readText;
using qimen::testing::TempDataRoot;
using qimen::testing::writeBytes;
using testing::RecordingPrompter;

TEST(CalendarFormTest, BadYearAndMissingDayShowTheirBoxesAndNoView) {
    RecordingPrompter prompter;
    CalendarForm form({2000, 1, 31, 8, 0}, prompter);
    EXPECT_FALSE(form.yearEntered("2051"));
    EXPECT_FALSE(form.redraw("18x9"));
    EXPECT_EQ(form.calendar().selection().year, 2000);
    form.calendar().setMonth(4);  // 31 April
    EXPECT_FALSE(form.redraw("2000"));
    EXPECT_EQ(prompter.log, (Log{"message|年份在1900-2050之间|错误|error", "message|年份在1900-2050之间|年份不对|error",
                                 "message|不存在这个日期，请重新输入！|日期不对|information"}));
    form.calendar().setDay(30);
    auto view = form.yearEntered(" 1999 ");
    ASSERT_TRUE(view);
    EXPECT_EQ(form.calendar().selection().year, 1999);
}

class PlaceDialogFormTest : public ::testing::Test {
protected:
    void write(const std::string& utf8) { writeBytes(ini(), text::utf8ToGbk(utf8)); }
    std::filesystem::path ini() const { return root.dat() / "dili.ini"; }
    std::string file() const { return text::gbkToUtf8Lenient(readText(ini())); }

    TempDataRoot root;
    RecordingPrompter prompter;
};

struct RangeCase {
    places::PlaceValueTexts texts;
    Log log;
};
void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.texts.longitudeDegrees << ":" << c.texts.longitudeMinutes << "*" << c.texts.latitudeDegrees << ":"
         << c.texts.latitudeMinutes;
}
class PlaceDialogRange : public PlaceDialogFormTest, public ::testing::WithParamInterface<RangeCase> {};

// Longitude is checked before latitude; text that is no number is out of range.
TEST_P(PlaceDialogRange, ChangeRefusesWithTheFirstFaultAndWritesNothing) {
    write("[福建省]\r\n福州=119:18*26:5\r\n");
    places::PlaceTable table(root.path());
    PlaceDialogForm form(table, prompter);
    EXPECT_FALSE(form.change("福建省", "福州", GetParam().texts));
    EXPECT_EQ(prompter.log, GetParam().log);
    EXPECT_EQ(file(), "[福建省]\r\n福州=119:18*26:5\r\n");
}

const Log kLongitudeFault{"message|经度在-180到180之间，分数在0-60之间|输入错误|error", "focus|LedtJingDu"};
const Log kLatitudeFault{"message|纬度在-90到90之间，分数在0-60之间|输入错误|error", "focus|LedtWeiDu"};
INSTANTIATE_TEST_SUITE_P(Faults, PlaceDialogRange,
                         ::testing::Values(RangeCase{{"180", "0", "26", "5"}, kLongitudeFault},
                                           RangeCase{{"-180", "0", "-90", "0"}, kLongitudeFault},
                                           RangeCase{{"119", "60", "26", "5"}, kLongitudeFault},
                                           RangeCase{{"", "0", "26", "5"}, kLongitudeFault},
                                           RangeCase{{"119", "0", "-90", "0"}, kLatitudeFault},
                                           RangeCase{{"119", "0", "26", "x"}, kLatitudeFault}));

TEST_F(PlaceDialogFormTest, ChangeAddAndDeleteAskTheirQuestionsAndSayDone) {
    write("[福建省]\r\n福州=119:18*26:5\r\n");
    places::PlaceTable table(root.path());
    PlaceDialogForm form(table, prompter);
    EXPECT_TRUE(form.open());
    EXPECT_TRUE(form.change("福建省", "福州", {"179", "59", "89", "59"}));
    EXPECT_EQ(form.add("福建省", "福州", {"1", "0", "2", "0"}), PlaceAdded::Nothing);  // No: keep
    prompter.answers = {true};
    EXPECT_EQ(form.add("福建省", "福州", {"-75", "30", "40", "45"}), PlaceAdded::Overwritten);
    EXPECT_EQ(form.add("福建省", "厦门", {"118", "5", "24", "29"}), PlaceAdded::NewCity);
    EXPECT_EQ(form.add("福建省", "", {"118", "5", "24", "29"}), PlaceAdded::Nothing);
    EXPECT_FALSE(form.remove("福建省", "厦门"));  // No
    prompter.answers = {true};
    EXPECT_TRUE(form.remove("福建省", "厦门"));
    EXPECT_EQ(prompter.log, (Log{"message|完成||none", "ask|已有这个地方的地理数据，要覆盖吗？|注意|warning|no",
                                 "ask|已有这个地方的地理数据，要覆盖吗？|注意|warning|no", "message|完成||none",
                                 "message|完成||none", "ask|确定要删除\"福建省厦门\"吗？|注意|warning|no",
                                 "ask|确定要删除\"福建省厦门\"吗？|注意|warning|no", "message|完成||none"}));
    EXPECT_EQ(file(), "[福建省]\r\n福州=-75:30*40:45\r\n");
}

// A file the reader cannot read whole is announced and left as it is, be it
// unreadable (UTF-8) or holding a line a rewrite would drop.
TEST_F(PlaceDialogFormTest, DamagedFileIsAnnouncedAndNeverWritten) {
    for (std::string bytes : {std::string("[福建省]\r\n福州=119:18*26:5\r\n"),  // UTF-8, not GBK
                              text::utf8ToGbk("[福建省]\r\n福州=119:18*26:5\r\n厦门 118:5*24:29\r\n")}) {
        writeBytes(ini(), bytes);
        places::PlaceTable table(root.path());
        PlaceDialogForm form(table, prompter);
        prompter.log.clear();
        prompter.answers = {true};
        EXPECT_FALSE(form.open());
        EXPECT_FALSE(form.change("福建省", "福州", {"119", "0", "26", "0"}));
        EXPECT_FALSE(form.remove("福建省", "福州"));
        EXPECT_EQ(form.add("福建省", "泉州", {"118", "35", "24", "54"}), PlaceAdded::Nothing);
        ASSERT_EQ(prompter.log.size(), 5u);
        EXPECT_TRUE(prompter.log[0].starts_with("message|地理数据文件 dat/dili.ini 已损坏")) << prompter.log[0];
        EXPECT_TRUE(prompter.log[0].ends_with("|注意|warning"));
        EXPECT_TRUE(prompter.log[1].ends_with("|错误|error"));
        EXPECT_EQ(readText(ini()), bytes);
    }
}

}  // namespace
}  // namespace qimen::workflow

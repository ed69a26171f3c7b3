// The logic of the class editor and the chooser, driven as the windows
// drive it, with a scripted prompter: every message and question in order
// with its caption, icon and default, and what reaches dat/custom.dat.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "custom_chart_support.hpp"
#include "files/file_io.hpp"
#include "custom_scripted_prompter.hpp"
#include "workflow/custom_chart_chooser.hpp"
#include "workflow/custom_class_editor.hpp"

namespace qimen::workflow {
namespace {

using namespace testing;
using qimen::testing::fileBytes;
using qimen::testing::TempDataRoot;
using Script = std::vector<Exchange>;

const Exchange kDefaultQuestion = warningQuestion("这将清除已输入信息,设置为默认值", true);
const Exchange kSaveQuestion = warningQuestion("确定输入信息正确,要保存吗", false);

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { files::setDurableWrites(false); }
    void TearDown() override { files::setDurableWrites(true); }
    std::filesystem::path path() const { return custom::CustomChartFile::pathIn(root.path()); }
    void store(const CustomClass& c) {
        custom::CustomChartFile file(path());
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.addClass(c));
    }
    std::optional<CustomClass> stored(const std::string& name) {
        return custom::CustomChartFile(path()).readClass(name).value();
    }
    // A shown editor; `answers` answers the questions of show.
    CustomClassEditor shown(std::deque<bool> answers = {}) {
        CustomClassEditor editor(path());
        prompter.answers = std::move(answers);
        editor.show(prompter);
        return editor;
    }

    TempDataRoot root;
    ScriptedPrompter prompter;
};

TEST_F(EditorTest, WithoutClassesShowAsksForTheDefaultsAndNoLeavesTheRowsEmpty) {
    CustomClassEditor editor = shown({false});
    EXPECT_EQ(prompter.seen, Script{kDefaultQuestion});
    EXPECT_TRUE(editor.classNames().empty());
    EXPECT_EQ(editor.form(), CustomClass{});
    EXPECT_EQ(fileBytes(path()), (std::vector<std::uint8_t>{0, 0, 0, 0}));

    prompter.answers = {true};
    editor.loadDefaults(prompter);
    EXPECT_EQ(editor.form(), custom::defaultCustomClass());
}

TEST_F(EditorTest, ShowSelectsAndLoadsTheFirstClass) {
    CustomClass first = markedClass();
    first.useLeaderDoor = true;
    store(first);
    store(defaultClass());
    CustomClassEditor editor = shown();
    EXPECT_TRUE(prompter.seen.empty());
    EXPECT_EQ(editor.classNames(), (std::vector<std::string>{"标记", "默认"}));
    EXPECT_EQ(editor.selectedName(), "标记");
    EXPECT_EQ(editor.form().doors, first.doors);
    EXPECT_TRUE(editor.form().useLeaderDoor);
    editor.selectClass(1, prompter);
    EXPECT_EQ(editor.form().doors[0], "景门");
    EXPECT_FALSE(editor.form().useLeaderDoor);
}

TEST_F(EditorTest, NewClassIsBuiltFromTheFormAndSelected) {
    CustomClassEditor editor = shown({true});
    editor.form().heavenStems[0] = "奇";
    editor.form().hourStemOnEarth = true;
    prompter.seen.clear();
    editor.createClass("我的类别", prompter);
    EXPECT_EQ(prompter.seen, Script{plainMessage("增加新类别成功!")});
    EXPECT_EQ(editor.classNames(), (std::vector<std::string>{"我的类别"}));
    EXPECT_EQ(editor.selectedIndex(), 0);
    auto c = stored("我的类别");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->heavenStems[0], "奇　");  // one character completed with "　"
    EXPECT_TRUE(c->hourStemOnEarth);
}

TEST_F(EditorTest, UnusableNamesDoNothing) {
    CustomClassEditor editor = shown({true});
    prompter.seen.clear();
    for (std::optional<std::string> name : {std::optional<std::string>(), std::optional<std::string>(""),
                                            std::optional<std::string>(" 　"),
                                            std::optional<std::string>("十三个汉字十三个汉字十三个")})
        editor.createClass(name, prompter);
    EXPECT_TRUE(prompter.seen.empty());
    EXPECT_TRUE(editor.classNames().empty());
    EXPECT_EQ(fileBytes(path()).size(), 4u);
}

// An alias with an ASCII letter, of three characters or empty is refused
// with its group's message; nothing is written and the form stays.
class EditorBadAlias : public EditorTest, public ::testing::WithParamInterface<const char*> {};
TEST_P(EditorBadAlias, NewAndSaveStopAtTheFirstBadGroup) {
    store(defaultClass());
    CustomClassEditor editor = shown();
    editor.form().doors[3] = GetParam();
    editor.form().leaderStar = GetParam();  // a later group does not count
    CustomClass form = editor.form();
    auto before = fileBytes(path());
    const Exchange refusal = errorMessage("八门别名输入错误,别名必须为1-2个汉字", "输入错误");

    editor.createClass("新类", prompter);
    prompter.answers = {true};
    editor.save(prompter);
    EXPECT_EQ(prompter.seen, (Script{refusal, kSaveQuestion, refusal}));
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_EQ(editor.form(), form);
    EXPECT_EQ(editor.classNames().size(), 1u);
}
INSTANTIATE_TEST_SUITE_P(Aliases, EditorBadAlias, ::testing::Values("m", "门a", "开门门", ""));

TEST_F(EditorTest, NewClassWithALiveNameIsRefused) {
    store(defaultClass());
    CustomClassEditor editor = shown();
    auto before = fileBytes(path());
    editor.createClass("默认", prompter);
    EXPECT_EQ(prompter.seen, Script{(Exchange{{custom::kDuplicateClassMessage, "提示", PromptIcon::Information}})});
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_EQ(editor.classNames().size(), 1u);
}

TEST_F(EditorTest, SaveAsksThenRewritesTheSelectedClass) {
    store(defaultClass());
    CustomClassEditor editor = shown();
    editor.form().palaces[0] = "南";
    prompter.answers = {false};
    editor.save(prompter);
    EXPECT_EQ(stored("默认")->palaces[0], "离９");
    prompter.answers = {true};
    editor.save(prompter);
    EXPECT_EQ(prompter.seen, (Script{kSaveQuestion, kSaveQuestion, plainMessage("完成修改!")}));
    EXPECT_EQ(stored("默认")->palaces[0], "南　");
}

TEST_F(EditorTest, ClassesGoneMeanwhileAreReported) {
    store(defaultClass());
    CustomClassEditor editor = shown();
    ASSERT_TRUE(custom::CustomChartFile(path()).deleteClass("默认").value());  // another instance
    const Exchange deleteQuestion = warningQuestion("确定要删除\"默认\"这个类别吗?", true);
    prompter.answers = {true, true};
    editor.save(prompter);
    editor.selectClass(0, prompter);
    editor.remove(prompter);
    EXPECT_EQ(prompter.seen,
              (Script{kSaveQuestion, plainMessage("找不到这个类别,无法完成修改"), plainMessage("找不到这个类别!"),
                      deleteQuestion, plainMessage("删除失败,没有这个类别")}));
}

TEST_F(EditorTest, DeleteAsksWithTheNameAndDropsTheItem) {
    store(defaultClass());
    store(markedClass());
    CustomClassEditor editor = shown();
    const Exchange question = warningQuestion("确定要删除\"默认\"这个类别吗?", true);
    prompter.answers = {false, true};
    editor.remove(prompter);
    EXPECT_EQ(editor.classNames().size(), 2u);
    editor.remove(prompter);
    EXPECT_EQ(prompter.seen, (Script{question, question, plainMessage("已删除!")}));
    EXPECT_EQ(editor.classNames(), std::vector<std::string>{"标记"});
    EXPECT_EQ(editor.selectedIndex(), -1);
    EXPECT_FALSE(stored("默认"));
    // With nothing selected, 保存 and 删除 do nothing.
    prompter.seen.clear();
    editor.save(prompter);
    editor.remove(prompter);
    EXPECT_TRUE(prompter.seen.empty());
}

// A file that counts more slots than it holds: the readable class is listed
// and the damage reported; nothing can be written over it.
TEST_F(EditorTest, DamagedFileIsReportedAndKept) {
    store(defaultClass());
    auto bytes = fileBytes(path());
    bytes[0] = 5;
    qimen::testing::writeBytes(path(), std::string(bytes.begin(), bytes.end()));
    CustomClassEditor editor = shown();
    ASSERT_EQ(prompter.seen.size(), 1u);
    EXPECT_EQ(prompter.seen[0].prompt.caption, "错误");
    EXPECT_NE(prompter.seen[0].prompt.text.find("记有5个类别位置,只存有1个"), std::string::npos);
    EXPECT_EQ(editor.classNames(), std::vector<std::string>{"默认"});
    prompter.seen.clear();
    prompter.answers = {true, true};
    editor.createClass("新类", prompter);
    editor.save(prompter);
    editor.remove(prompter);
    ASSERT_EQ(prompter.seen.size(), 5u);
    for (std::size_t i : {0u, 2u, 4u}) EXPECT_NE(prompter.seen[i].prompt.text.find("没有写入任何改动"), std::string::npos);
    EXPECT_EQ(fileBytes(path()), bytes);
}

TEST_F(EditorTest, UnreadableFileAsksNothing) {
    std::filesystem::create_directories(path().parent_path());
    qimen::testing::writeBytes(path(), "\x01");
    CustomClassEditor editor = shown();
    ASSERT_EQ(prompter.seen.size(), 1u);
    EXPECT_NE(prompter.seen[0].prompt.text.find("不足4个字节"), std::string::npos);
    EXPECT_EQ(fileBytes(path()), std::vector<std::uint8_t>{1});
}

class ChooserTest : public EditorTest {
protected:
    CustomChartChooser chooser(ChartRequest request = hourRequest({2008, 8, 8, 20, 8})) {
        return CustomChartChooser({root.path(), {}}, std::move(request));
    }
};

TEST_F(ChooserTest, ViewPrintsTheChosenClassForTheCopiedInputs) {
    store(defaultClass());
    store(markedClass());
    CustomChartChooser c = chooser();
    c.show(prompter);
    EXPECT_EQ(c.classNames(), (std::vector<std::string>{"默认", "标记"}));
    EXPECT_EQ(c.selectedIndex(), 0);
    c.select(1);
    auto text = c.view(prompter);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("★标记★\r\n"));
    EXPECT_NE(text->find("│英星　天庚"), std::string::npos);
    EXPECT_TRUE(prompter.seen.empty());
}

TEST_F(ChooserTest, RefusalsLeaveTheMemoAlone) {
    store(defaultClass());
    ChartRequest day = hourRequest({2008, 8, 8, 20, 8});
    day.method = ChartMethod::Day;
    CustomChartChooser c = chooser(day);
    c.show(prompter);
    EXPECT_FALSE(c.view(prompter));
    ASSERT_TRUE(custom::CustomChartFile(path()).deleteClass("默认").value());
    EXPECT_FALSE(c.view(prompter));
    EXPECT_EQ(prompter.seen,
              (Script{errorMessage("只有时家转盘才能显示自定义奇门盘!"), plainMessage("找不到这个类别,无法排盘!")}));
}

// Settings come from dat/set.ini of the data root at every 查看.
TEST_F(ChooserTest, FlyingPlateSettingIsRefused) {
    store(defaultClass());
    ASSERT_TRUE(chart::writeChartSettings(chart::chartSettingsPath(root.path()), [] {
        ChartSettings s;
        s.pan = 1;
        return s;
    }()));
    CustomChartChooser c = chooser();
    c.show(prompter);
    EXPECT_FALSE(c.view(prompter));
    EXPECT_EQ(prompter.seen, Script{errorMessage("只有时家转盘才能显示自定义奇门盘!")});
}

TEST_F(ChooserTest, NoClassNothingToView) {
    CustomChartChooser c = chooser();
    c.show(prompter);
    EXPECT_EQ(c.selectedIndex(), -1);
    EXPECT_FALSE(c.view(prompter));
    EXPECT_TRUE(prompter.seen.empty());
}

}  // namespace
}  // namespace qimen::workflow

// The history items of the 文件 menu: the two questions of a clear with the
// backup folder named, the backup it leaves, and a damaged import refused
// with the store untouched.
#include <gtest/gtest.h>

#include "../cases/store_fixture.hpp"
#include "scripted_prompter.hpp"
#include "workflow/history.hpp"

namespace qimen::workflow {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;
using qimen::testing::fileBytes;

class HistoryTest : public cases::testing::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        add(0);
        qimen::testing::writeBytes(store.commentaryPath(0), "{\\rtf1 mine}");
    }
    std::string askClear() { return "ask|这将清除所有历史记录，要继续吗？\n" + backupNotice(store) + "|注意了|warning|no"; }
    qimen::testing::ScriptedPrompter prompter;
};

TEST_F(HistoryTest, ClearAsksTwiceNamingTheBackupAndKeepsTheOldStoreThere) {
    auto header = fileBytes(store.dataFilePath(0));
    prompter.answer({true, true});
    ASSERT_TRUE(clearHistory(store, prompter));
    ASSERT_FALSE(store.lastBackup().empty());
    EXPECT_EQ(prompter.take(), (Log{askClear(), "ask|确定要清除吗？|注意了|warning|no",
                                    "message|清除完成，原有记录已备份到" + store.lastBackup().string() + "目录下。||none"}));
    EXPECT_EQ(store.lastBackup().parent_path(), root.dat() / "backup");
    EXPECT_EQ(fileBytes(store.lastBackup() / "qimen0.dat"), header);
    EXPECT_EQ(qimen::testing::readText(store.lastBackup() / "qimen_f" / "0.rtf"), "{\\rtf1 mine}");
    EXPECT_EQ(store.slotCount(), 0);
    EXPECT_FALSE(fs::exists(store.commentaryPath(0)));
}

TEST_F(HistoryTest, ClearAnsweredNoAtTheSecondQuestionChangesNothing) {
    prompter.answer({true, false});
    EXPECT_FALSE(clearHistory(store, prompter));
    EXPECT_EQ(prompter.take().size(), 2u);
    EXPECT_EQ(store.slotCount(), 1);
    EXPECT_FALSE(fs::exists(store.backupRoot()));
}

TEST_F(HistoryTest, ImportOfADamagedStoreIsRefusedAndLeavesTheStoreUntouched) {
    auto header = fileBytes(store.dataFilePath(0));
    qimen::testing::TempDataRoot source;
    qimen::testing::writeBytes(source.path() / "qimen0.dat", "short");
    prompter.answer({true});
    EXPECT_FALSE(importHistory(store, prompter, [&] { return std::optional(source.path() / "qimen0.dat"); }));
    auto log = prompter.take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].rfind("message|导入历史记录失败：", 0), 0u) << log[1];
    EXPECT_NE(log[1].find("too short"), std::string::npos) << log[1];
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), header);
    EXPECT_TRUE(fs::exists(store.commentaryPath(0)));
    EXPECT_FALSE(fs::exists(store.backupRoot()));
}

}  // namespace
}  // namespace qimen::workflow

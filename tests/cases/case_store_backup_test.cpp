// The backup a clear or an import keeps of the store it replaces: whole and
// byte-identical, one dated folder each, and no change at all when it cannot
// be made.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "store_fixture.hpp"

namespace qimen::cases {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using qimen::testing::fileBytes;
using testing::imageFor;
using testing::StoreTest;

// 2024-01-02 03:04:05 (the tests run in UTC).
constexpr auto kMoment = sys_days{year{2024} / 1 / 2} + hours{3} + minutes{4} + seconds{5};

enum class Replace { Clear, Import };

class StoreBackupTest : public ::testing::TestWithParam<Replace> {
protected:
    void SetUp() override {
        files::setDurableWrites(false);
        ASSERT_TRUE(store.open());
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(store.append(imageFor(i)));
        qimen::testing::writeBytes(store.commentaryPath(0), "{\\rtf1 zero}");
        qimen::testing::writeBytes(store.commentaryPath(2), "{\\rtf1 two}");
        CaseStore source(other.path());
        ASSERT_TRUE(source.open());
        ASSERT_TRUE(source.append(imageFor(9, "李四")));
    }
    void TearDown() override { files::setDurableWrites(true); }

    Expected<void> replace() {
        if (GetParam() == Replace::Clear) return store.clear();
        return store.importFrom(other.dat() / "qimen0.dat");
    }
    // Every file under `folder`, relative, with its bytes.
    static std::map<std::string, std::vector<std::uint8_t>> contents(const fs::path& folder) {
        std::map<std::string, std::vector<std::uint8_t>> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = fileBytes(entry.path());
        return files;
    }
    std::map<std::string, std::vector<std::uint8_t>> storeContents() {
        auto files = contents(root.dat());
        files.erase("qimen.lock");
        for (auto& [name, bytes] : contents(root.path() / "qimen_f")) files["qimen_f/" + name] = bytes;
        return files;
    }

    qimen::testing::TempDataRoot root, other;
    CaseStore store{root.path(), {milliseconds(10000), nullptr, [] { return system_clock::time_point(kMoment); }}};
};

TEST_P(StoreBackupTest, KeepsTheOldStoreWholeInADatedFolder) {
    auto before = storeContents();
    auto replaced = replace();
    ASSERT_TRUE(replaced) << replaced.message();
    EXPECT_EQ(store.lastBackup(), root.dat() / "backup" / "20240102-030405");
    EXPECT_EQ(contents(store.lastBackup()), before);
    EXPECT_FALSE(fs::exists(store.commentaryPath(0)));
}

TEST_P(StoreBackupTest, RefusesAndChangesNothingWhenNoBackupCanBeMade) {
    qimen::testing::writeBytes(root.dat() / "backup", "a file in the way");
    auto before = storeContents();
    auto replaced = replace();
    ASSERT_FALSE(replaced);
    EXPECT_NE(replaced.message().find("could not be backed up, so nothing was changed"), std::string::npos)
        << replaced.message();
    EXPECT_TRUE(store.lastBackup().empty());
    EXPECT_EQ(storeContents(), before);
}

INSTANTIATE_TEST_SUITE_P(ClearAndImport, StoreBackupTest, ::testing::Values(Replace::Clear, Replace::Import),
                         [](const auto& info) { return info.param == Replace::Clear ? "Clear" : "Import"; });

TEST_F(StoreTest, BackupsInTheSameSecondGetDistinctFoldersAndImportBringsOneBack) {
    CaseStore timed(root.path(), {milliseconds(10000), nullptr, [] { return system_clock::time_point(kMoment); }});
    add(0, "王五");
    ASSERT_TRUE(timed.clear());
    auto first = timed.lastBackup();
    ASSERT_TRUE(timed.open());
    ASSERT_TRUE(timed.clear());
    EXPECT_EQ(first.filename(), "20240102-030405");
    EXPECT_EQ(timed.lastBackup().filename(), "20240102-030405-2");
    ASSERT_TRUE(timed.importFrom(first / "qimen0.dat"));
    EXPECT_EQ(decodeCaseRecord(*timed.read(0)).askerName, "王五");
}

}  // namespace
}  // namespace qimen::cases

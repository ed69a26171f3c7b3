// The case store's operations on real files: slots, files, deletion and reuse,
// the filtered scan, export, import and clear.
#include <gtest/gtest.h>

#include <thread>

#include "cases/store_layout.hpp"
#include "files/file_io.hpp"
#include "files/file_lock.hpp"
#include "store_fixture.hpp"

namespace qimen::cases {
namespace {

using qimen::testing::fileBytes;
using testing::imageFor;
using testing::recordFor;
using testing::StoreTest;
namespace fs = std::filesystem;

// --- open, append, read ---------------------------------------------------

TEST_F(StoreTest, NewStoreIsTwentyByteHeader) {
    auto bytes = fileBytes(store.dataFilePath(0));
    ASSERT_EQ(bytes.size(), 20u);
    EXPECT_EQ(bytes[0], 4);  // kind
    EXPECT_EQ(bytes[14], 1);  // one file
    for (std::size_t i : {1u, 2u, 3u, 4u, 8u, 12u, 13u, 16u, 19u}) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_TRUE(fs::is_directory(root.path() / "qimen_f"));
}

TEST_F(StoreTest, OpenLeavesAnExistingStoreUntouched) {
    add(1);
    auto before = fileBytes(store.dataFilePath(0));
    ASSERT_TRUE(CaseStore(root.path()).open());
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
}

TEST_F(StoreTest, FirstAppendMakes1272ByteFileAndCaseZero) {
    EXPECT_EQ(add(1), 0);
    auto bytes = fileBytes(store.dataFilePath(0));
    ASSERT_EQ(bytes.size(), 1272u);
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(bytes, 20), 0);
    EXPECT_EQ(store.slotCount(), 1);
    auto image = store.read(0);
    ASSERT_TRUE(image) << image.message();
    EXPECT_EQ(decodeCaseRecord(*image).matter, "事1");
}

TEST_F(StoreTest, AppendWritesRecordBytesExactlyAndSetsNumber) {
    add(0);
    CaseRecordImage sent = imageFor(1);
    sent[0] = 0x7F;  // the store numbers the slot itself
    sent[4] = 1;
    ASSERT_EQ(store.append(sent).valueOr(-1), 1);
    auto bytes = fileBytes(store.dataFilePath(0));
    ASSERT_EQ(bytes.size(), 20u + 2 * 1252u);
    sent[0] = 1;
    sent[4] = 0;
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), bytes.begin() + 20 + 1252));
}

TEST_F(StoreTest, ReadOutsideTheSlotsFails) {
    add(0);
    EXPECT_FALSE(store.read(-1));
    EXPECT_EQ(store.read(1).message(), "no case 1: the store has cases 0 to 0");
}

TEST_F(StoreTest, Slot50000GoesToOffsetZeroOfTheSecondFile) {
    // A store with 50,000 slots, file 0 full (sparse: the slots read as live zeros).
    StoreHeader header;
    header.slotCount = 50000;
    {
        files::File file(store.dataFilePath(0), files::File::Mode::ReadWrite);
        file.writeAt(0, encodeStoreHeader(header));
        file.truncate(20 + 50000ull * 1252);
    }
    EXPECT_EQ(add(7), 50000);
    auto second = fileBytes(store.dataFilePath(1));
    ASSERT_EQ(second.size(), 1252u);
    EXPECT_EQ(files::readLittleEndian<std::int32_t>(second, 0), 50000);
    EXPECT_EQ(store.header()->fileCount, 2);
    auto image = store.read(50000);
    ASSERT_TRUE(image) << image.message();
    EXPECT_EQ(decodeCaseRecord(*image).matter, "事7");
}

TEST_F(StoreTest, UpdateRewritesOnlyThatSlotAndNotTheHeader) {
    for (int i = 0; i < 3; ++i) add(i);
    auto header = fileBytes(store.dataFilePath(0));
    header.resize(20);
    CaseRecordImage changed = imageFor(9);
    ASSERT_TRUE(store.update(1, changed));
    auto bytes = fileBytes(store.dataFilePath(0));
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(changed.begin(), changed.end(), bytes.begin() + 20 + 1252));
    auto other = store.read(2);
    ASSERT_TRUE(other) << other.message();
    EXPECT_EQ(decodeCaseRecord(*other).matter, "事2");
    EXPECT_FALSE(store.update(3, changed));  // beyond the slots: not written
    EXPECT_EQ(fileBytes(store.dataFilePath(0)).size(), 20u + 3 * 1252u);
}

TEST_F(StoreTest, ReadLiveSkipsDeletedAndMissingNumbers) {
    for (int i = 0; i < 5; ++i) add(i);
    ASSERT_TRUE(store.markDeleted(2));
    std::vector<std::int32_t> wanted{0, 1, 2, 3, 4, 5, 299};
    auto live = *store.readLive(wanted);
    ASSERT_EQ(live.size(), 4u);
    EXPECT_EQ(live[2].first, 3);
    EXPECT_EQ(decodeCaseRecord(live[2].second).matter, "事3");
}

// --- deletion and reuse ---------------------------------------------------

TEST_F(StoreTest, DeletedSlotCannotBeReadButKeepsItsBytes) {
    add(0);
    ASSERT_TRUE(store.markDeleted(0));
    EXPECT_EQ(store.read(0).message(), "case 0 has been deleted");
    auto bytes = fileBytes(store.dataFilePath(0));
    CaseRecordImage image{};
    std::copy(bytes.begin() + 20, bytes.begin() + 20 + 1252, image.begin());
    EXPECT_EQ(image[4], 1);
    EXPECT_EQ(decodeCaseRecord(image).matter, "事0");
    EXPECT_EQ(store.header()->deletedCount, 1);
}

TEST_F(StoreTest, DeletingADeletedSlotIsRefusedAndNotCountedTwice) {
    add(0);
    ASSERT_TRUE(store.markDeleted(0));
    EXPECT_FALSE(store.markDeleted(0));
    EXPECT_EQ(store.header()->deletedCount, 1);
    EXPECT_FALSE(store.markDeleted(5));
}

TEST_F(StoreTest, ReuseStartsAtTheThirtiethDeletionAndStopsWhenNoneIsLeft) {
    for (int i = 0; i < 40; ++i) add(i);
    for (int n = 10; n < 39; ++n) ASSERT_TRUE(store.markDeleted(n));  // 29 deletions
    EXPECT_EQ(store.header()->reuseFlag, 0);
    EXPECT_EQ(add(100), 40);  // still a new slot
    ASSERT_TRUE(store.markDeleted(5));  // the 30th
    EXPECT_EQ(store.header()->reuseFlag, 1);
    EXPECT_EQ(store.header()->deletedCount, 30);
    EXPECT_EQ(add(101), 5);  // the lowest deleted slot
    for (int expected = 10; expected < 39; ++expected) EXPECT_EQ(add(expected), expected);
    auto header = *store.header();
    EXPECT_EQ(header.deletedCount, 0);
    EXPECT_EQ(header.reuseFlag, 0);
    EXPECT_EQ(add(102), 41);  // growing again
}

TEST_F(StoreTest, ReuseFlagWithoutDeletedSlotClearsAndAppends) {
    for (int i = 0; i < 3; ++i) add(i);
    StoreHeader header = *store.header();
    header.reuseFlag = 1;
    header.deletedCount = 2;
    {
        files::File file(store.dataFilePath(0), files::File::Mode::ReadWrite);
        file.writeAt(0, encodeStoreHeader(header));
    }
    EXPECT_EQ(add(3), 3);
    header = *store.header();
    EXPECT_EQ(header.reuseFlag, 0);
    EXPECT_EQ(header.deletedCount, 0);
}

// --- filtered scan --------------------------------------------------------

class StoreScanTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        add(4, "张三");     // 0, year 2004
        add(5, "李四");     // 1
        add(4, "张");       // 2, year 2004
        add(6, "王张飞");   // 3
        add(4, "赵六");     // 4, year 2004
        ASSERT_TRUE(store.markDeleted(4));
    }
    std::vector<std::int32_t> scan(const CaseFilter& filter) {
        auto found = store.filteredScan(filter);
        EXPECT_TRUE(found) << found.message();
        return found.valueOr({});
    }
};

TEST_F(StoreScanTest, NoCriterionListsEveryLiveSlot) {
    EXPECT_EQ(scan({}), (std::vector<std::int32_t>{0, 1, 2, 3}));
}

TEST_F(StoreScanTest, ContainsAndEqualsOnName) {
    CaseFilter filter;
    filter.name = "张";
    filter.nameMode = TextMatch::Contains;
    EXPECT_EQ(scan(filter), (std::vector<std::int32_t>{0, 2, 3}));
    filter.nameMode = TextMatch::Equals;
    EXPECT_EQ(scan(filter), (std::vector<std::int32_t>{2}));
}

TEST_F(StoreScanTest, YearRangeIncludesBothEnds) {
    CaseFilter filter;
    filter.yearRange = true;
    filter.yearFrom = filter.yearTo = 2004;
    EXPECT_EQ(scan(filter), (std::vector<std::int32_t>{0, 2}));
}

TEST_F(StoreScanTest, CriteriaCombine) {
    CaseFilter filter;
    filter.matter = "事5";
    filter.matterMode = TextMatch::Equals;
    filter.className = "财";
    filter.classMode = TextMatch::Contains;
    EXPECT_EQ(scan(filter), (std::vector<std::int32_t>{1}));
}

TEST_F(StoreScanTest, EmptyContainsTextMatchesEverything) {
    CaseFilter filter;
    filter.nameMode = TextMatch::Contains;
    EXPECT_EQ(scan(filter).size(), 4u);
}

TEST_F(StoreScanTest, StoresOfOldKindIgnoreTheMatter) {
    StoreHeader header = *store.header();
    header.storeKind = 2;
    {
        files::File file(store.dataFilePath(0), files::File::Mode::ReadWrite);
        file.writeAt(0, encodeStoreHeader(header));
    }
    CaseFilter filter;
    filter.matter = "nothing like it";
    filter.matterMode = TextMatch::Equals;
    EXPECT_EQ(scan(filter).size(), 4u);
}

// --- export, import, clear ------------------------------------------------

class StoreTransferTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        for (int i = 0; i < 3; ++i) add(i);
        qimen::testing::writeBytes(store.commentaryPath(1), "{\\rtf1 one}");
    }
    qimen::testing::TempDataRoot other;
};

TEST_F(StoreTransferTest, ExportCreatesTheCommentaryFolderAndCopiesAll) {
    auto target = other.path() / "backup";
    auto exported = store.exportTo(target);
    ASSERT_TRUE(exported) << exported.message();
    EXPECT_EQ(fileBytes(target / "qimen0.dat"), fileBytes(store.dataFilePath(0)));
    EXPECT_EQ(qimen::testing::readText(target / "qimen_f" / "1.rtf"), "{\\rtf1 one}");
}

TEST_F(StoreTransferTest, ImportReplacesTheStoreWithTheExportedOne) {
    auto target = other.path() / "backup";
    ASSERT_TRUE(store.exportTo(target));
    CaseStore second(other.path() / "root2");
    ASSERT_TRUE(second.open());
    ASSERT_TRUE(second.append(imageFor(50)));
    qimen::testing::writeBytes(second.commentaryPath(0), "stale");
    auto imported = second.importFrom(target / "qimen0.dat");
    ASSERT_TRUE(imported) << imported.message();
    EXPECT_EQ(fileBytes(second.dataFilePath(0)), fileBytes(store.dataFilePath(0)));
    EXPECT_FALSE(fs::exists(second.commentaryPath(0)));
    EXPECT_TRUE(fs::exists(second.commentaryPath(1)));
}

TEST_F(StoreTransferTest, ImportOfItsOwnFileIsRefused) {
    auto before = fileBytes(store.dataFilePath(0));
    EXPECT_FALSE(store.importFrom(store.dataFilePath(0)));
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
}

TEST_F(StoreTransferTest, ClearRemovesDataAndCommentaryButKeepsTheFolder) {
    auto cleared = store.clear();
    ASSERT_TRUE(cleared) << cleared.message();
    EXPECT_FALSE(fs::exists(store.dataFilePath(0)));
    EXPECT_FALSE(fs::exists(store.commentaryPath(1)));
    EXPECT_TRUE(fs::is_directory(root.path() / "qimen_f"));
    ASSERT_TRUE(store.open());
    EXPECT_EQ(fileBytes(store.dataFilePath(0)).size(), 20u);
}

// --- two instances --------------------------------------------------------

TEST_F(StoreTest, SecondInstanceFailsCleanlyWhileTheLockIsHeld) {
    add(0);
    files::FileLock held(root.dat() / "qimen.lock", std::chrono::milliseconds(0));
    CaseStore second(root.path(), {std::chrono::milliseconds(30), nullptr});
    auto appended = second.append(imageFor(1));
    EXPECT_FALSE(appended);
    EXPECT_NE(appended.message().find("another instance"), std::string::npos);
}

TEST_F(StoreTest, ConcurrentAppendsFromTwoInstancesGetDistinctSlots) {
    CaseStore second(root.path());
    std::thread other([&] {
        for (int i = 0; i < 50; ++i) ASSERT_TRUE(second.append(imageFor(i)));
    });
    for (int i = 0; i < 50; ++i) add(i);
    other.join();
    EXPECT_EQ(store.slotCount(), 100);
    auto all = store.filteredScan({});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 100u);
}

}  // namespace
}  // namespace qimen::cases

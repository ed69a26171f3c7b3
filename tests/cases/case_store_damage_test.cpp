// Damaged and hostile stores: each file of the corpus (tests/cases/data, named
// after its defect) put in place of dat/qimen0.dat gives a clear error or a
// missing record, never a crash, and is never written over.
#include <gtest/gtest.h>

#include "store_fixture.hpp"

namespace qimen::cases {
namespace {

using qimen::testing::fileBytes;
using testing::imageFor;
namespace fs = std::filesystem;

fs::path corpus(const std::string& name) { return fs::path(QIMEN_TEST_DATA_DIR) / name; }

class DamagedStore : public testing::StoreTest {
protected:
    void place(const std::string& name) {
        fs::copy_file(corpus(name), store.dataFilePath(0), fs::copy_options::overwrite_existing);
    }
};

struct UnusableHeader {
    const char* file;
    const char* reason;  // part of the error message
};

class UnusableHeaderTest : public DamagedStore, public ::testing::WithParamInterface<UnusableHeader> {};

TEST_P(UnusableHeaderTest, EveryOperationFailsWithTheReasonAndWritesNothing) {
    place(GetParam().file);
    auto before = fileBytes(store.dataFilePath(0));
    auto read = store.read(0);
    EXPECT_FALSE(read);
    EXPECT_NE(read.message().find(GetParam().reason), std::string::npos) << read.message();
    EXPECT_FALSE(store.append(imageFor(1)));
    EXPECT_FALSE(store.update(0, imageFor(1)));
    EXPECT_FALSE(store.markDeleted(0));
    EXPECT_FALSE(store.filteredScan({}));
    EXPECT_FALSE(store.readLive(std::vector<std::int32_t>{0}));
    EXPECT_EQ(store.slotCount(), 0);
    EXPECT_TRUE(store.open());  // an existing file is never replaced
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
}

INSTANTIATE_TEST_SUITE_P(Corpus, UnusableHeaderTest,
                         ::testing::Values(UnusableHeader{"TruncatedHeader.dat", "cut short"},
                                           UnusableHeader{"EmptyFile.dat", "cut short"},
                                           UnusableHeader{"NegativeSlotCount.dat", "negative slot count"},
                                           UnusableHeader{"HugeSlotCount.dat", "beyond what a store can hold"},
                                           UnusableHeader{"NegativeDeletedCount.dat", "negative deleted count"},
                                           UnusableHeader{"DeletedCountAboveSlots.dat", "exceeds the slot count"},
                                           UnusableHeader{"ZeroFileCount.dat", "file count 0"}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(DamagedStore, DataFileShorterThanSlotsReadsWhatIsWholeAndRefusesToGrow) {
    place("DataFileShorterThanSlots.dat");
    auto before = fileBytes(store.dataFilePath(0));
    EXPECT_TRUE(store.read(0));
    EXPECT_NE(store.read(1).message().find("ends before its slot"), std::string::npos);
    EXPECT_FALSE(store.read(2));
    auto found = store.filteredScan({});
    ASSERT_TRUE(found) << found.message();
    EXPECT_EQ(*found, std::vector<std::int32_t>{0});
    EXPECT_NE(store.lastWarning(), "");
    EXPECT_FALSE(store.append(imageFor(1)));
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
}

TEST_F(DamagedStore, OversizedTextFieldIsReadWithinItsCell) {
    place("OversizedTextField.dat");
    auto image = store.read(0);
    ASSERT_TRUE(image) << image.message();
    auto record = decodeCaseRecord(*image);
    EXPECT_EQ(record.askerName, std::string(12, 'x'));
    EXPECT_EQ(record.className, "求");
    EXPECT_FALSE(encodeCaseRecord(record));  // cannot be written back unnoticed
}

TEST_F(DamagedStore, MissingSecondDataFileMakesItsRecordsMissing) {
    StoreHeader header;
    header.slotCount = 50002;
    header.fileCount = 2;
    {
        files::File file(store.dataFilePath(0), files::File::Mode::ReadWrite);
        file.writeAt(0, encodeStoreHeader(header));
        file.truncate(20 + 50000ull * 1252);
    }
    EXPECT_TRUE(store.read(49999));
    EXPECT_FALSE(store.read(50001));
    CaseFilter filter;
    filter.yearRange = true;
    filter.yearFrom = 1;
    filter.yearTo = 1;
    EXPECT_TRUE(store.filteredScan(filter));
    EXPECT_NE(store.lastWarning().find("qimen1.dat"), std::string::npos);
}

struct BadImport {
    const char* file;
    const char* reason;
};

class BadImportTest : public DamagedStore, public ::testing::WithParamInterface<BadImport> {};

TEST_P(BadImportTest, IsRefusedBeforeAnythingIsCleared) {
    add(0);
    qimen::testing::writeBytes(store.commentaryPath(0), "mine");
    auto before = fileBytes(store.dataFilePath(0));
    qimen::testing::TempDataRoot source;
    fs::copy_file(corpus(GetParam().file), source.path() / "qimen0.dat");
    auto imported = store.importFrom(source.path() / "qimen0.dat");
    EXPECT_FALSE(imported);
    EXPECT_NE(imported.message().find(GetParam().reason), std::string::npos) << imported.message();
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
    EXPECT_TRUE(fs::exists(store.commentaryPath(0)));
    EXPECT_FALSE(fs::exists(store.backupRoot()));
}

INSTANTIATE_TEST_SUITE_P(Corpus, BadImportTest,
                         ::testing::Values(BadImport{"TruncatedHeader.dat", "too short"},
                                           BadImport{"NegativeSlotCount.dat", "negative slot count"},
                                           BadImport{"HugeSlotCount.dat", "beyond"},
                                           BadImport{"ForeignStoreKind.dat", "store kind 2"},
                                           BadImport{"DataFileShorterThanSlots.dat", "shorter than the 3 slots"}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(DamagedStore, ImportOfAFileNotNamedLikeAStoreIsRefused) {
    qimen::testing::TempDataRoot source;
    fs::copy_file(corpus("ForeignStoreKind.dat"), source.path() / "other.dat");
    EXPECT_NE(store.importFrom(source.path() / "other.dat").message().find("qimen0.dat"), std::string::npos);
}

TEST_F(DamagedStore, ImportWithAMissingDataFileIsRefused) {
    qimen::testing::TempDataRoot source;
    StoreHeader header;
    header.slotCount = 50001;
    header.fileCount = 2;
    {
        auto image = encodeStoreHeader(header);
        qimen::testing::writeBytes(source.path() / "qimen0.dat", std::string(image.begin(), image.end()));
        files::File file(source.path() / "qimen0.dat", files::File::Mode::ReadWrite);
        file.truncate(20 + 50000ull * 1252);
    }
    auto imported = store.importFrom(source.path() / "qimen0.dat");
    EXPECT_NE(imported.message().find("lacks"), std::string::npos) << imported.message();
}

TEST_F(DamagedStore, ForeignKindStoreStillWorksInPlace) {
    place("ForeignStoreKind.dat");
    EXPECT_TRUE(store.read(0));
    EXPECT_EQ(store.append(imageFor(1)).valueOr(-1), 1);
}

}  // namespace
}  // namespace qimen::cases

// Damaged and hostile stores: each file of the corpus (tests/cases/data, named
// after its defect) put in place of dat/qimen0.dat gives a clear error or a
// missing record, never a crash, and is never written over.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "../files/child_process.hpp"
#include "store_fixture.hpp"

namespace qimen::cases {
namespace {

using qimen::testing::fileBytes;
using testing::imageFor;
namespace fs = std::filesystem;

fs::path corpus(const std::string& name) { return fs::path(QIMEN_TEST_DATA_DIR) / name; }

// A parameterised case is named after its corpus file, without ".dat".
const auto nameOfCorpusFile = [](const auto& info) {
    std::string name = info.param.file;
    return name.substr(0, name.find('.'));
};

class DamagedStore : public testing::StoreTest {
protected:
    void place(const std::string& name) {
        fs::copy_file(corpus(name), store.dataFilePath(0), fs::copy_options::overwrite_existing);
    }
    // A header counting `slots` over two data files, the first of them full
    // (blank slots) and the second not written.
    void countSlotsOverTwoFiles(std::int32_t slots) {
        StoreHeader header;
        header.slotCount = slots;
        header.fileCount = 2;
        files::File file(store.dataFilePath(0), files::File::Mode::ReadWrite);
        file.writeAt(0, encodeStoreHeader(header));
        file.truncate(20 + 50000ull * 1252);
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
    auto opened = store.open();  // an existing file is never replaced, and its damage is reported
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.message().find("qimen cases repair"), std::string::npos) << opened.message();
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
                         nameOfCorpusFile);

struct Disagreement {
    const char* file;
    const char* reason;  // part of the message; "" for a store that is sound
};

class HeaderAndFiles : public DamagedStore, public ::testing::WithParamInterface<Disagreement> {};

// A header that disagrees with its data file is never written over: open
// names the damage and the repair, every write refuses, reads give what is
// whole. What a killed append leaves beyond the count is not damage.
TEST_P(HeaderAndFiles, DisagreementIsReportedAndNeverWrittenOver) {
    place(GetParam().file);
    auto before = fileBytes(store.dataFilePath(0));
    auto opened = store.open();
    EXPECT_TRUE(store.read(0));
    if (!*GetParam().reason) {
        EXPECT_TRUE(opened) << opened.message();
        EXPECT_EQ(store.append(imageFor(9)).valueOr(-1), 1);  // the leftover slot is taken over
        return;
    }
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.message().find(GetParam().reason), std::string::npos) << opened.message();
    EXPECT_NE(opened.message().find("qimen cases repair"), std::string::npos);
    EXPECT_EQ(store.append(imageFor(9)).message(), opened.message());
    EXPECT_FALSE(store.append(imageFor(9), std::string("{\\rtf1 new}")));
    EXPECT_FALSE(fs::exists(store.commentaryPath(1)));
    EXPECT_FALSE(store.update(0, imageFor(9)));
    EXPECT_FALSE(store.deleteCase(0));
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, HeaderAndFiles,
    ::testing::Values(Disagreement{"SlotCountBelowRecords.dat", "holds 2 whole cases beyond the 1 its header counts"},
                      Disagreement{"UncountedLiveSlot.dat", "holds 1 whole case beyond the 1"},
                      Disagreement{"DataFileShorterThanSlots.dat", "cut inside its slots: the header counts 3 cases in it, but only 1 is whole"},
                      Disagreement{"KilledAppendPendingSlot.dat", ""},
                      Disagreement{"KilledAppendCutSlot.dat", ""}),
    nameOfCorpusFile);

TEST_F(DamagedStore, FileCutInsideItsSlotsAfterAddsIsReported) {
    for (int i = 0; i < 3; ++i) add(i);
    fs::resize_file(store.dataFilePath(0), 1500);
    auto opened = store.open();
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.message().find("cut inside its slots"), std::string::npos) << opened.message();
}

TEST_F(DamagedStore, MissingDataFileOfCountedSlotsIsReported) {
    countSlotsOverTwoFiles(50001);
    auto opened = store.open();
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.message().find("qimen1.dat is missing"), std::string::npos) << opened.message();
}

TEST_F(DamagedStore, FifoInPlaceOfTheStoreIsRefusedAtOnce) {
    fs::remove(store.dataFilePath(0));
    ASSERT_EQ(::mkfifo(store.dataFilePath(0).c_str(), 0644), 0);
    qimen::testing::HangGuard guard;
    auto opened = store.open();
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.message().find("not a regular file"), std::string::npos) << opened.message();
    EXPECT_FALSE(store.append(imageFor(1)));
    EXPECT_FALSE(store.repair());
}

struct Repair {
    const char* file;
    std::int32_t slots;  // the rebuilt count
    std::vector<std::int32_t> live;
};

class RepairTest : public DamagedStore, public ::testing::WithParamInterface<Repair> {};

// Repair keeps a copy of the damaged file, counts the whole slots the data
// files hold and leaves a store that takes writes again.
TEST_P(RepairTest, RebuildsTheHeaderFromTheWholeSlotsAndKeepsACopy) {
    place(GetParam().file);
    auto damaged = fileBytes(store.dataFilePath(0));
    auto repaired = store.repair();
    ASSERT_TRUE(repaired) << repaired.message();
    EXPECT_NE(repaired->find("qimen0.dat.damaged-1"), std::string::npos) << *repaired;
    EXPECT_EQ(fileBytes(fs::path(store.dataFilePath(0).string() + ".damaged-1")), damaged);
    auto reopened = store.open();
    ASSERT_TRUE(reopened) << reopened.message();
    EXPECT_EQ(store.slotCount(), GetParam().slots);
    EXPECT_EQ(store.filteredScan({}).valueOr({}), GetParam().live);
    EXPECT_EQ(store.append(imageFor(9)).valueOr(-1), GetParam().slots);
    EXPECT_EQ(store.repair().valueOr(""), CaseStore::kStoreIsSound);
}

INSTANTIATE_TEST_SUITE_P(Corpus, RepairTest,
                         ::testing::Values(Repair{"SlotCountBelowRecords.dat", 3, {0, 1, 2}},
                                           Repair{"DataFileShorterThanSlots.dat", 1, {0}},
                                           Repair{"NegativeSlotCount.dat", 1, {0}},
                                           Repair{"DeletedCountAboveSlots.dat", 1, {0}},
                                           Repair{"TruncatedHeader.dat", 0, {}},
                                           Repair{"EmptyFile.dat", 0, {}}),
                         nameOfCorpusFile);

TEST_F(DamagedStore, RepairCountsDeletedSlotsAndTurnsReuseOnAtThirty) {
    for (int i = 0; i < 32; ++i) add(i);
    for (int n = 0; n < 31; ++n) ASSERT_TRUE(store.markDeleted(n));
    StoreHeader header = *store.header();
    header.slotCount = 2;
    header.deletedCount = 0;
    header.reuseFlag = 0;
    {
        files::File file(store.dataFilePath(0), files::File::Mode::ReadWrite);
        file.writeAt(0, encodeStoreHeader(header));
    }
    ASSERT_TRUE(store.repair());
    header = *store.header();
    EXPECT_EQ(header.slotCount, 32);
    EXPECT_EQ(header.deletedCount, 31);
    EXPECT_EQ(header.reuseFlag, 1);
    EXPECT_EQ(store.append(imageFor(99)).valueOr(-1), 0);
}

TEST_F(DamagedStore, RepairOfASoundStoreWritesNothing) {
    add(0);
    auto before = fileBytes(store.dataFilePath(0));
    EXPECT_EQ(store.repair().valueOr(""), CaseStore::kStoreIsSound);
    EXPECT_EQ(fileBytes(store.dataFilePath(0)), before);
    EXPECT_FALSE(fs::exists(store.dataFilePath(0).string() + ".damaged-1"));
}

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
    countSlotsOverTwoFiles(50002);
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
                         nameOfCorpusFile);

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

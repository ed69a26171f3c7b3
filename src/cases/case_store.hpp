// CaseStore: the saved consultations in fixed 1,252-byte slots of the data
// files dat/qimen0.dat, dat/qimen1.dat … (50,000 slots each, a 20-byte header
// in front of file 0), and their commentary files qimen_f/<n>.rtf.
//
// Data flow: every operation takes the store's lock (dat/qimen.lock), finishes
// an interrupted update left in the redo file (dat/qimen.redo), re-reads the
// header from disk, does its work and lets go; no record is kept in memory.
//
// Durability: a write never puts an earlier record at risk. A new slot is
// written and flushed before the header that counts it; a reused slot is
// written whole while still marked deleted and only then marked live; an
// update of a live slot goes first to the redo file, so a cut write is either
// finished from there or never happened; a deletion flips one byte.
//
// Failure: the operations answer as the store always has (read → false,
// append → no number …) and never raise; lastError() tells why.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cases/case_filter.hpp"
#include "cases/case_record.hpp"
#include "cases/store_header.hpp"
#include "files/write_steps.hpp"

namespace qimen::cases {

struct CaseStoreOptions {
    // How long an operation waits for another instance to finish its own.
    std::chrono::milliseconds lockWait{10000};
    // Sees every write step (tests cut operations with it).
    files::WriteObserver* observer = nullptr;
};

class CaseStore {
public:
    // `root` is the data root holding dat/ and qimen_f/.
    explicit CaseStore(std::filesystem::path root, CaseStoreOptions options = {});

    // Creates dat/, qimen_f/ and, when no dat/qimen0.dat exists, a new store
    // header (20 bytes: kind 4, no slots, one file). An existing store is left
    // untouched.
    bool open();

    // slotCount of the header; 0 when the header cannot be read.
    std::int32_t slotCount();
    // The header as on disk, or nullopt when it is missing or damaged.
    std::optional<StoreHeader> header();

    // True with the slot's bytes when 0 ≤ n < slotCount and the slot is live.
    // False otherwise; `image` then holds the slot's bytes when n was in range
    // and the slot could be read.
    bool read(std::int32_t n, CaseRecordImage& image);

    // The live slots among `numbers`, in the given order, read under one lock
    // (filling a list of cases); numbers out of range or deleted are skipped.
    std::vector<std::pair<std::int32_t, CaseRecordImage>> readLive(std::span<const std::int32_t> numbers);

    // Stores a record and returns its slot number: the lowest deleted slot
    // while reuse is on (from the 30th pending deletion until none is left),
    // else a new slot at the end. `caseNumber` and `deleted` of the image are
    // set by the store.
    std::optional<std::int32_t> append(const CaseRecordImage& image);

    // Writes the 1,252 bytes into slot n as they are (0 ≤ n < slotCount); the
    // header is not touched.
    bool update(std::int32_t n, const CaseRecordImage& image);

    // Marks live slot n deleted and counts it; the 30th pending deletion turns
    // reuse on. A slot already deleted is refused and not counted twice.
    bool markDeleted(std::int32_t n);

    // Appends to `numbers` the live slots matching the filter, ascending.
    // Data files that cannot be read are passed over (lastWarning() names
    // them); false only when the header or the filter texts are unusable.
    bool filteredScan(const CaseFilter& filter, std::vector<std::int32_t>& numbers);

    // Copies the data files and commentary files into `directory` (created
    // when missing) as qimen<k>.dat and qimen_f/*.rtf, replacing same-named
    // files. Copies that fail are passed over and reported.
    bool exportTo(const std::filesystem::path& directory);

    // Replaces this store with the exported store whose header file is
    // `headerFile` (a qimen0.dat beside its other data files and qimen_f/).
    // The source is checked first: a header of this program's kind with
    // plausible counts, every data file present and long enough for its
    // slots. A source that fails is refused before anything here is touched.
    bool importFrom(const std::filesystem::path& headerFile);

    // Deletes every data file and every commentary file (the folder stays);
    // the next open() makes a new empty store.
    bool clear();

    // dat/qimen<k>.dat
    std::filesystem::path dataFilePath(std::int32_t fileIndex) const;
    // qimen_f/<n>.rtf
    std::filesystem::path commentaryPath(std::int32_t n) const;

    // Why the last operation failed ("" after a success).
    const std::string& lastError() const { return error_; }
    // What the last operation passed over although it succeeded ("" if nothing).
    const std::string& lastWarning() const { return warning_; }

private:
    // Runs `body` under the store lock after finishing an interrupted update;
    // turns every failure into false and lastError().
    bool locked(const std::function<void()>& body);
    StoreHeader readHeader() const;
    void writeHeader(const StoreHeader& header);
    std::uint64_t slotOffset(std::int32_t n) const;
    void readSlot(std::int32_t n, CaseRecordImage& image) const;
    void finishInterruptedUpdate();
    std::int32_t appendNewSlot(StoreHeader header, CaseRecordImage image);
    std::optional<std::int32_t> lowestDeletedSlot(const StoreHeader& header) const;

    std::filesystem::path root_;
    std::filesystem::path dat_;
    CaseStoreOptions options_;
    std::string error_;
    std::string warning_;
};

}  // namespace qimen::cases

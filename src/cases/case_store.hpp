// CaseStore: the saved consultations in fixed 1,252-byte slots of the data
// files dat/qimen0.dat, dat/qimen1.dat … (50,000 slots each, a 20-byte header
// in front of file 0), and their commentary files qimen_f/<n>.rtf.
//
// Data flow: every operation takes the store's lock (dat/qimen.lock), finishes
// an interrupted update left in the redo file (dat/qimen.redo), re-reads the
// header from disk, does its work and lets go; no record is kept in memory.
//
// Durability: a write never puts an earlier record at risk. A new slot is
// written whole while still marked deleted, flushed, counted by the header,
// given its commentary file and only then marked live (a reused slot alike,
// its deleted count lowered last); an update of a live slot goes first to the
// redo file, so a cut write is either finished from there or never happened;
// a deletion flips one byte, then removes the commentary file. So a kill
// leaves at most one slot beyond the header's count, marked deleted or cut
// short, and never a live record without its commentary.
//
// Damage: a header that cannot be right, or one that disagrees with its data
// files (a file cut inside the slots counted, or holding whole records beyond
// them), is never written over: every write refuses it with a message naming
// the damage and the way out, repair(), which keeps a copy of the damaged
// header file and rebuilds the header from the slots that can be read.
//
// Failure: every operation answers an Expected whose message tells why it
// failed; none raises.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/expected.hpp"
#include "cases/case_filter.hpp"
#include "cases/case_record.hpp"
#include "cases/store_header.hpp"
#include "files/file_io.hpp"
#include "files/write_steps.hpp"

namespace qimen::cases {

struct CaseStoreOptions {
    // How long an operation waits for another instance to finish its own.
    std::chrono::milliseconds lockWait{10000};
    // Sees every write step (tests cut operations with it).
    files::WriteObserver* observer = nullptr;
    // "Now" for naming backup folders; empty means the system clock.
    std::function<std::chrono::system_clock::time_point()> clock;
};

class CaseStore {
public:
    // `root` is the data root holding dat/ and qimen_f/.
    explicit CaseStore(std::filesystem::path root, CaseStoreOptions options = {});

    // Creates dat/, qimen_f/ and, when no dat/qimen0.dat exists, a new store
    // header (20 bytes: kind 4, no slots, one file). An existing store is left
    // untouched and checked: the result fails with the damage and the way to
    // repair it when the header cannot be right or disagrees with the data
    // files. Reads still give what is whole in a damaged store; writes refuse.
    Expected<void> open();
    // The check open() makes of an existing store, without creating anything:
    // fails with the damage and the way to repair it (or with why the header
    // cannot be read).
    Expected<void> check();

    // Rebuilds the header of a damaged store from the slots its data files
    // hold whole, after copying dat/qimen0.dat to dat/qimen0.dat.damaged-<k>.
    // Answers what was done; fails with the reason nothing was (a sound store
    // is left untouched and answered with kStoreIsSound).
    Expected<std::string> repair();
    static constexpr const char* kStoreIsSound = "the case store is sound; nothing to repair";

    // slotCount of the header; 0 when the header cannot be read.
    std::int32_t slotCount();
    // The header as on disk; fails when it is missing or damaged.
    Expected<StoreHeader> header();

    // The bytes of slot n when 0 ≤ n < slotCount and the slot is live; fails
    // otherwise (out of range, deleted, unreadable).
    Expected<CaseRecordImage> read(std::int32_t n);

    // The live slots among `numbers`, in the given order, read under one lock
    // (filling a list of cases); numbers out of range or deleted are skipped,
    // a data file that cannot be opened is passed over (lastWarning()).
    Expected<std::vector<std::pair<std::int32_t, CaseRecordImage>>> readLive(std::span<const std::int32_t> numbers);

    // Stores a record and answers its slot number: the lowest deleted slot
    // while reuse is on (from the 30th pending deletion until none is left),
    // else a new slot at the end. `caseNumber` and `deleted` of the image are
    // set by the store.
    // With `commentary`, its bytes become qimen_f/<n>.rtf under the same lock
    // before the record turns live; a commentary that cannot be written leaves
    // the record saved and lastWarning() saying so.
    Expected<std::int32_t> append(const CaseRecordImage& image,
                                  std::optional<std::string_view> commentary = std::nullopt);

    // Writes the 1,252 bytes into slot n as they are (0 ≤ n < slotCount); the
    // header is not touched.
    Expected<void> update(std::int32_t n, const CaseRecordImage& image);

    // Marks live slot n deleted and counts it; the 30th pending deletion turns
    // reuse on. A slot already deleted is refused and not counted twice.
    Expected<void> markDeleted(std::int32_t n);
    // markDeleted, then removes the commentary file of n while still holding
    // the lock, so an append that reuses the slot at once cannot lose its new
    // file. A commentary file that cannot be removed is named in lastWarning().
    Expected<void> deleteCase(std::int32_t n);

    // The live slots matching the filter, ascending. Data files that cannot
    // be read are passed over (lastWarning() names them); fails only when the
    // header or the filter texts are unusable.
    Expected<std::vector<std::int32_t>> filteredScan(const CaseFilter& filter);

    // Copies the data files and commentary files into `directory` (created
    // when missing) as qimen<k>.dat and qimen_f/*.rtf, replacing same-named
    // files. Copies that fail are passed over and reported.
    Expected<void> exportTo(const std::filesystem::path& directory);

    // Replaces this store with the exported store whose header file is
    // `headerFile` (a qimen0.dat beside its other data files and qimen_f/).
    // The source is checked first: a header of this program's kind with
    // plausible counts, every data file present and long enough for its
    // slots. A source that fails is refused before anything here is touched.
    // The store it replaces is first kept as a backup (see clear()).
    Expected<void> importFrom(const std::filesystem::path& headerFile);

    // Deletes every data file and every commentary file (the folder stays);
    // the next open() makes a new empty store.
    //
    // Before anything is removed, the data files (and a pending redo file) are
    // copied into a new folder backupRoot()/YYYYMMDD-HHMMSS (local time; a
    // second backup within the same second gets "-2", "-3" …) and the
    // commentary files into its qimen_f/, every copy read back and compared;
    // the folder has the layout of an export, so importing its qimen0.dat
    // brings the store back. When the backup cannot be made whole, its
    // remains are removed and the operation fails with the reason, having
    // changed nothing. With no store files at all no folder is made.
    Expected<void> clear();

    // dat/backup: where clear() and importFrom() keep the store they replace,
    // one dated folder per backup (to be named to the user before asking).
    std::filesystem::path backupRoot() const;
    // The folder the last clear() or importFrom() kept the old store in; empty
    // when it made none.
    const std::filesystem::path& lastBackup() const { return lastBackup_; }

    // dat/qimen<k>.dat
    std::filesystem::path dataFilePath(std::int32_t fileIndex) const;
    // qimen_f/<n>.rtf
    std::filesystem::path commentaryPath(std::int32_t n) const;

    // What the last operation passed over although it succeeded ("" if nothing).
    const std::string& lastWarning() const { return warning_; }

private:
    // Runs `body` under the store lock after finishing an interrupted update;
    // whatever it raises becomes the failure, so no operation raises.
    Expected<void> locked(const std::function<void()>& body);
    StoreHeader readHeader() const;
    // How the data files disagree with `header`, or nullopt when they agree.
    std::optional<std::string> filesDisagreement(const StoreHeader& header) const;
    // The header, refused (StoreError) when the files disagree with it.
    StoreHeader readHeaderForWriting() const;
    // Writes the commentary of slot n; false with lastWarning() set when the
    // file cannot be written.
    bool writeCommentary(std::int32_t n, std::string_view bytes);
    // Marks live slot n deleted and counts it (inside locked()).
    void markSlotDeleted(std::int32_t n);
    void setDeletedByte(files::File& data, std::int32_t n, std::uint8_t value);
    void writeHeader(const StoreHeader& header);
    std::uint64_t slotOffset(std::int32_t n) const;
    void readSlot(std::int32_t n, CaseRecordImage& image) const;
    void finishInterruptedUpdate();
    std::int32_t appendNewSlot(StoreHeader header, CaseRecordImage image, std::optional<std::string_view> commentary);
    std::int32_t reuseSlot(std::int32_t n, StoreHeader header, CaseRecordImage image,
                           std::optional<std::string_view> commentary);
    std::optional<std::int32_t> lowestDeletedSlot(const StoreHeader& header) const;
    // Keeps the whole store as a new folder under backupRoot() (under the
    // lock, before a clear or import replaces it); sets lastBackup_.
    void backUp();

    std::filesystem::path root_;
    std::filesystem::path dat_;
    CaseStoreOptions options_;
    std::string warning_;
    std::filesystem::path lastBackup_;
};

}  // namespace qimen::cases

// The case store's agreement check between its header and its data files, and
// the repair that rebuilds a damaged header from the slots the files hold.
#include <algorithm>

#include "cases/case_store.hpp"
#include "cases/store_layout.hpp"
#include "files/file_io.hpp"

namespace qimen::cases {

using files::File;
using layout::StoreError;
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kSlotBytes = kCaseRecordSize;

std::uint64_t headerBytes(std::int32_t k) { return k == 0 ? kStoreHeaderSize : 0; }

std::string plural(std::uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::optional<std::string> CaseStore::filesDisagreement(const StoreHeader& header) const {
    const std::string advice = std::string(". ") + layout::kRepairAdvice;
    // The file that holds slot slotCount, where an interrupted append may
    // have left one slot beyond the count.
    const std::int32_t tailFile = header.slotCount / kSlotsPerFile;
    for (std::int32_t k = 0; k <= tailFile; ++k) {
        auto path = dataFilePath(k);
        std::int64_t counted = std::clamp<std::int64_t>(std::int64_t(header.slotCount) - std::int64_t(k) * kSlotsPerFile,
                                                        0, kSlotsPerFile);
        std::uint64_t expected = headerBytes(k) + std::uint64_t(counted) * kSlotBytes;
        std::error_code missing;
        if (!fs::exists(fs::symlink_status(path, missing))) {
            if (counted == 0) continue;
            return path.string() + " is missing; the header counts " + plural(counted, "case", "cases") + " in it" +
                   advice;
        }
        File file(path, File::Mode::Read);
        std::uint64_t size = file.size();
        if (size < expected) {
            std::uint64_t whole = size < headerBytes(k) ? 0 : (size - headerBytes(k)) / kSlotBytes;
            return path.string() + " is cut inside its slots: the header counts " + plural(counted, "case", "cases") +
                   " in it, but only " + std::to_string(whole) + (whole == 1 ? " is" : " are") + " whole" + advice;
        }
        std::uint64_t extra = size - expected;
        if (extra == 0) continue;
        if (k == tailFile) {
            // What a killed append leaves: a slot cut short, or a whole one
            // still marked deleted.
            if (extra < kSlotBytes) continue;
            if (extra == kSlotBytes) {
                std::uint8_t deleted[1] = {0};
                if (file.readAt(expected + field::kDeleted, deleted) == 1 && deleted[0] != 0) continue;
            }
        }
        return path.string() + " holds " + plural(extra / kSlotBytes, "whole case", "whole cases") +
               " beyond the " + std::to_string(counted) + " its header counts" + advice;
    }
    return std::nullopt;
}

Expected<void> CaseStore::check() {
    return locked([&] {
        if (auto disagreement = filesDisagreement(readHeader())) throw StoreError(*disagreement);
    });
}

StoreHeader CaseStore::readHeaderForWriting() const {
    StoreHeader header = readHeader();
    if (auto disagreement = filesDisagreement(header)) throw StoreError(*disagreement);
    return header;
}

Expected<std::string> CaseStore::repair() {
    std::string report;
    auto done = locked([&] {
        auto headerFile = dataFilePath(0);
        std::error_code missing;
        if (!fs::exists(fs::symlink_status(headerFile, missing)))
            throw StoreError("no case store: " + headerFile.string() + " does not exist");
        std::optional<StoreHeader> old;
        try {
            old = readHeader();
        } catch (const StoreError&) {
        }
        if (old && !filesDisagreement(*old)) {
            report = kStoreIsSound;
            return;
        }
        fs::path copy;
        for (int i = 1;; ++i) {
            copy = dat_ / (layout::dataFileName(0) + ".damaged-" + std::to_string(i));
            if (!fs::exists(fs::symlink_status(copy, missing))) break;
        }
        files::copyFileAtomically(headerFile, copy, options_.observer);

        StoreHeader rebuilt;
        std::int64_t live = 0, deleted = 0;
        std::vector<std::uint8_t> block(std::size_t(1024) * kSlotBytes);
        for (std::int32_t k = 0; k < kMaxFileCount; ++k) {
            auto path = dataFilePath(k);
            if (!files::isPlainFile(path)) break;
            File file(path, File::Mode::Read);
            if (k == 0) {
                std::uint8_t kind[1] = {kThisStoreKind};
                if (old) rebuilt.storeKind = old->storeKind;
                else if (file.readAt(0, kind) == 1) rebuilt.storeKind = kind[0];
            }
            std::uint64_t size = file.size();
            std::int32_t whole = size < headerBytes(k)
                                     ? 0
                                     : std::int32_t(std::min<std::uint64_t>(kSlotsPerFile, (size - headerBytes(k)) / kSlotBytes));
            for (std::int32_t i = 0; i < whole; i += 1024) {
                std::int32_t n = std::min(1024, whole - i);
                std::size_t got = file.readAt(headerBytes(k) + std::uint64_t(i) * kSlotBytes,
                                              {block.data(), std::size_t(n) * kSlotBytes});
                for (std::size_t j = 0; (j + 1) * kSlotBytes <= got; ++j) {
                    std::uint8_t mark = block[j * kSlotBytes + field::kDeleted];
                    live += mark == 0;
                    deleted += mark == 1;
                }
            }
            rebuilt.slotCount += whole;
            if (whole < kSlotsPerFile) break;
        }
        rebuilt.deletedCount = static_cast<std::int32_t>(deleted);
        rebuilt.reuseFlag = deleted >= kReuseThreshold ? 1 : 0;
        rebuilt.fileCount = static_cast<std::int16_t>(fileCountFor(rebuilt.slotCount));
        writeHeader(rebuilt);
        if (auto still = filesDisagreement(rebuilt))
            throw StoreError("the header was rebuilt, but the store is still damaged: " + *still);
        report = "the header now counts " + plural(std::uint64_t(rebuilt.slotCount), "slot", "slots") + " (" +
                 plural(std::uint64_t(live), "live case", "live cases") + ", " + std::to_string(deleted) +
                 " deleted); the damaged file was kept as " + copy.string();
    });
    if (!done) return fail(done.message());
    return report;
}

}  // namespace qimen::cases

// Names and small formats of the store's files, shared by the store's
// operations (internal to the cases module).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cases/case_record.hpp"

namespace qimen::cases::layout {

// Why a store operation could not be done.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kPrefix = "qimen";
inline constexpr const char* kLockFile = "qimen.lock";
inline constexpr const char* kRedoFile = "qimen.redo";

// The way out named by every refusal of a damaged store.
inline constexpr const char* kRepairAdvice =
    "Nothing is written to the store until it is repaired: run `qimen cases repair`, which keeps a copy of the "
    "damaged file and rebuilds the header from the slots it can read";

// "qimen<k>.dat"
inline std::string dataFileName(std::int32_t k) { return std::string(kPrefix) + std::to_string(k) + ".dat"; }

// Regular *.rtf files directly in `folder`, sorted (links and sub-folders are
// left out); a folder that is itself a link is followed.
std::vector<std::filesystem::path> commentaryFiles(const std::filesystem::path& folder);

// Data files "qimen<k>.dat" present in `folder`, by k.
std::vector<std::pair<std::int32_t, std::filesystem::path>> dataFilesIn(const std::filesystem::path& folder);

// The redo file: "QMREDO01", the slot number (int32), the new slot image and
// a 64-bit FNV-1a checksum of everything before it. A file that is short or
// fails the checksum was cut while being written and is ignored.
inline constexpr std::size_t kRedoSize = 8 + 4 + kCaseRecordSize + 8;
using RedoImage = std::array<std::uint8_t, kRedoSize>;

struct RedoEntry {
    std::int32_t slot = 0;
    CaseRecordImage image{};
};

RedoImage encodeRedo(const RedoEntry& entry);
std::optional<RedoEntry> decodeRedo(const std::uint8_t* bytes, std::size_t size);

}  // namespace qimen::cases::layout

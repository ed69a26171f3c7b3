// StoreHeader: the 20 bytes at the start of dat/qimen0.dat that count the
// store's slots, its deleted slots and its data files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/expected.hpp"

namespace qimen::cases {

inline constexpr std::size_t kStoreHeaderSize = 20;
inline constexpr std::int32_t kSlotsPerFile = 50000;
inline constexpr std::uint8_t kThisStoreKind = 4;  // prefix index of "qimen"
// Deleted slots are reused once this many have piled up.
inline constexpr std::int32_t kReuseThreshold = 30;
// Largest number of data files a store may use (the file count is 16-bit).
inline constexpr std::int32_t kMaxFileCount = 32767;

struct StoreHeader {
    std::uint8_t storeKind = kThisStoreKind;
    std::int32_t slotCount = 0;     // slots ever allocated: the next new slot number
    std::int32_t deletedCount = 0;  // slots marked deleted and not yet reused
    std::uint8_t reuseFlag = 0;     // 1 while appends reuse deleted slots
    std::int16_t fileCount = 1;     // data files in use

    friend bool operator==(const StoreHeader&, const StoreHeader&) = default;
};

using StoreHeaderImage = std::array<std::uint8_t, kStoreHeaderSize>;

StoreHeader decodeStoreHeader(const StoreHeaderImage& image);
// Reserved bytes are written as 0.
StoreHeaderImage encodeStoreHeader(const StoreHeader& header);

// Data files needed for `slotCount` slots (at least 1).
std::int32_t fileCountFor(std::int32_t slotCount);

// Whether a header can belong to a sound store of this system; fails with
// why not: negative counts, more deleted slots than slots, a slot count beyond what the
// 16-bit file count can address, a file count below 1. With `strict` (an
// imported store) the kind must be 4 and the file count must fit the slot
// count exactly.
Expected<void> checkStoreHeader(const StoreHeader& header, bool strict);

}  // namespace qimen::cases

// Layout and plausibility of the store header.
#include "cases/store_header.hpp"

#include "files/fixed_fields.hpp"

namespace qimen::cases {

using files::readLittleEndian;
using files::writeLittleEndian;

StoreHeader decodeStoreHeader(const StoreHeaderImage& image) {
    std::span<const std::uint8_t> bytes(image);
    StoreHeader header;
    header.storeKind = bytes[0];
    header.slotCount = readLittleEndian<std::int32_t>(bytes, 4);
    header.deletedCount = readLittleEndian<std::int32_t>(bytes, 8);
    header.reuseFlag = bytes[12];
    header.fileCount = readLittleEndian<std::int16_t>(bytes, 14);
    return header;
}

StoreHeaderImage encodeStoreHeader(const StoreHeader& header) {
    StoreHeaderImage image{};
    std::span<std::uint8_t> bytes(image);
    bytes[0] = header.storeKind;
    writeLittleEndian<std::int32_t>(bytes, 4, header.slotCount);
    writeLittleEndian<std::int32_t>(bytes, 8, header.deletedCount);
    bytes[12] = header.reuseFlag;
    writeLittleEndian<std::int16_t>(bytes, 14, header.fileCount);
    return image;
}

std::int32_t fileCountFor(std::int32_t slotCount) {
    return slotCount <= 0 ? 1 : (slotCount - 1) / kSlotsPerFile + 1;  // [1, 42950]
}

Expected<void> checkStoreHeader(const StoreHeader& header, bool strict) {
    if (strict && header.storeKind != kThisStoreKind)
        return fail("store kind " + std::to_string(header.storeKind) + " is not a store of this program (kind 4)");
    if (header.slotCount < 0) return fail("negative slot count " + std::to_string(header.slotCount));
    if (header.deletedCount < 0) return fail("negative deleted count " + std::to_string(header.deletedCount));
    if (header.deletedCount > header.slotCount)
        return fail("deleted count " + std::to_string(header.deletedCount) + " exceeds the slot count " +
                    std::to_string(header.slotCount));
    if (fileCountFor(header.slotCount) > kMaxFileCount)
        return fail("slot count " + std::to_string(header.slotCount) + " is beyond what a store can hold");
    if (header.fileCount < 1 || (strict && header.fileCount != fileCountFor(header.slotCount)))
        return fail("file count " + std::to_string(header.fileCount) + " does not fit the slot count " +
                    std::to_string(header.slotCount));
    return ok();
}

}  // namespace qimen::cases

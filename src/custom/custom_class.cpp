// Byte layout of the 352-byte custom label slot and the alias rule.
#include "custom/custom_class.hpp"

#include <span>

#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::custom {
namespace {

constexpr std::string_view kFullWidthBlank = "　";

template <std::size_t N>
void readAliases(std::span<const std::uint8_t> bytes, std::size_t offset, std::array<std::string, N>& aliases) {
    for (std::size_t i = 0; i < N; ++i) aliases[i] = files::readTextCell(bytes, offset + i * slot::kAliasCell, slot::kAliasCell);
}

void writeAlias(std::span<std::uint8_t> bytes, std::size_t offset, const std::string& alias, std::string_view group) {
    auto stored = checkedAlias(alias);
    if (!stored) throw files::FieldError(std::string(group) + ": " + stored.message());
    files::writeTextCell(bytes, offset, slot::kAliasCell, 4, *stored, group);
}

template <std::size_t N>
void writeAliases(std::span<std::uint8_t> bytes, std::size_t offset, const std::array<std::string, N>& aliases,
                  std::string_view group) {
    for (std::size_t i = 0; i < N; ++i) writeAlias(bytes, offset + i * slot::kAliasCell, aliases[i], group);
}

}  // namespace

Expected<std::string> checkedAlias(std::string_view utf8) {
    Failure refused = fail("alias \"" + std::string(utf8) + "\" must be one or two Chinese characters");
    if (!text::isGbkEncodable(utf8)) return refused;
    std::string gbk = text::utf8ToGbk(utf8);
    if (gbk.size() != 2 && gbk.size() != 4) return refused;
    for (unsigned char byte : gbk)
        if (byte < 0x80) return refused;
    std::string stored(utf8);
    if (gbk.size() == 2) stored += kFullWidthBlank;
    return stored;
}

CustomClass decodeCustomClass(const CustomSlotImage& image) {
    std::span<const std::uint8_t> bytes(image);
    CustomClass custom;
    custom.slotNumber = files::readLittleEndian<std::int32_t>(bytes, slot::kSlotNumber);
    custom.deleted = bytes[slot::kDeleted] != 0;
    custom.name = files::readTextCell(bytes, slot::kClassName, 25);
    readAliases(bytes, slot::kYinDeities, custom.yinDeities);
    readAliases(bytes, slot::kYangDeities, custom.yangDeities);
    readAliases(bytes, slot::kStars, custom.stars);
    readAliases(bytes, slot::kHeavenStems, custom.heavenStems);
    readAliases(bytes, slot::kDoors, custom.doors);
    readAliases(bytes, slot::kEarthStems, custom.earthStems);
    readAliases(bytes, slot::kPalaces, custom.palaces);
    custom.dayStem = files::readTextCell(bytes, slot::kDayStem, slot::kAliasCell);
    custom.dayStemOnHeaven = bytes[slot::kDayStem + 5] == 1;
    custom.dayStemOnEarth = bytes[slot::kDayStem + 6] == 1;
    custom.hourStem = files::readTextCell(bytes, slot::kHourStem, slot::kAliasCell);
    custom.hourStemOnHeaven = bytes[slot::kHourStem + 5] == 1;
    custom.hourStemOnEarth = bytes[slot::kHourStem + 6] == 1;
    custom.leaderStar = files::readTextCell(bytes, slot::kLeaderStar, slot::kAliasCell);
    custom.useLeaderStar = bytes[slot::kLeaderStar + 5] == 1;
    custom.leaderDoor = files::readTextCell(bytes, slot::kLeaderDoor, slot::kAliasCell);
    custom.useLeaderDoor = bytes[slot::kLeaderDoor + 5] == 1;
    return custom;
}

namespace {

// The slot image; raises files::FieldError for the first text that does not fit.
CustomSlotImage encodeImage(const CustomClass& custom) {
    CustomSlotImage image{};
    std::span<std::uint8_t> bytes(image);
    files::writeLittleEndian<std::int32_t>(bytes, slot::kSlotNumber, custom.slotNumber);
    bytes[slot::kDeleted] = custom.deleted ? 1 : 0;
    files::writeTextCell(bytes, slot::kClassName, 25, kClassNameMaxBytes, custom.name, "class name");
    writeAliases(bytes, slot::kYinDeities, custom.yinDeities, "神盘阴遁");
    writeAliases(bytes, slot::kYangDeities, custom.yangDeities, "神盘阳遁");
    writeAliases(bytes, slot::kStars, custom.stars, "九星");
    writeAliases(bytes, slot::kHeavenStems, custom.heavenStems, "天盘奇仪");
    writeAliases(bytes, slot::kDoors, custom.doors, "八门");
    writeAliases(bytes, slot::kEarthStems, custom.earthStems, "地盘奇仪");
    writeAliases(bytes, slot::kPalaces, custom.palaces, "九宫");
    writeAlias(bytes, slot::kDayStem, custom.dayStem, "日干");
    bytes[slot::kDayStem + 5] = custom.dayStemOnHeaven ? 1 : 0;
    bytes[slot::kDayStem + 6] = custom.dayStemOnEarth ? 1 : 0;
    writeAlias(bytes, slot::kHourStem, custom.hourStem, "时干");
    bytes[slot::kHourStem + 5] = custom.hourStemOnHeaven ? 1 : 0;
    bytes[slot::kHourStem + 6] = custom.hourStemOnEarth ? 1 : 0;
    writeAlias(bytes, slot::kLeaderStar, custom.leaderStar, "值符");
    bytes[slot::kLeaderStar + 5] = custom.useLeaderStar ? 1 : 0;
    writeAlias(bytes, slot::kLeaderDoor, custom.leaderDoor, "值使");
    bytes[slot::kLeaderDoor + 5] = custom.useLeaderDoor ? 1 : 0;
    return image;
}

}  // namespace

Expected<CustomSlotImage> encodeCustomClass(const CustomClass& custom) {
    return files::encodedOrFailure([&] { return encodeImage(custom); });
}

}  // namespace qimen::custom

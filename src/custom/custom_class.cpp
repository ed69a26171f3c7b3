// Byte layout of the 352-byte custom label slot and the alias rule.
#include "custom/custom_class.hpp"

#include <span>

#include "custom/alias_groups.hpp"
#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::custom {
namespace {

constexpr std::string_view kFullWidthBlank = "　";

// Where each group's cells lie in the slot, by AliasGroup.
constexpr std::array<std::size_t, kAliasGroupCount> kGroupOffsets = {
    slot::kYinDeities, slot::kYangDeities, slot::kStars,    slot::kHeavenStems, slot::kDoors,      slot::kEarthStems,
    slot::kPalaces,    slot::kDayStem,     slot::kHourStem, slot::kLeaderStar,  slot::kLeaderDoor,
};

// The byte of each check box's flag: the byte after an edit's alias cell for
// the first, the next for the second.
std::size_t flagOffset(AliasCheck check) {
    switch (check) {
    case AliasCheck::DayOnHeaven: return slot::kDayStem + 5;
    case AliasCheck::DayOnEarth: return slot::kDayStem + 6;
    case AliasCheck::HourOnHeaven: return slot::kHourStem + 5;
    case AliasCheck::HourOnEarth: return slot::kHourStem + 6;
    case AliasCheck::LeaderStar: return slot::kLeaderStar + 5;
    case AliasCheck::LeaderDoor: return slot::kLeaderDoor + 5;
    }
    return slot::kLeaderDoor + 5;
}

bool isBlank(std::string_view utf8) {
    while (!utf8.empty()) {
        if (utf8.front() == ' ') {
            utf8.remove_prefix(1);
        } else if (utf8.starts_with(kFullWidthBlank)) {
            utf8.remove_prefix(kFullWidthBlank.size());
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

Expected<std::string> checkedAlias(std::string_view utf8) {
    if (!text::isGbkEncodable(utf8)) return fail(kAliasRuleMessage);
    std::string gbk = text::utf8ToGbk(utf8);
    if (gbk.size() != 2 && gbk.size() != 4) return fail(kAliasRuleMessage);
    for (unsigned char byte : gbk)
        if (byte < 0x80) return fail(kAliasRuleMessage);
    std::string stored(utf8);
    if (gbk.size() == 2) stored += kFullWidthBlank;
    return stored;
}

std::string displayAlias(std::string_view utf8) {
    if (auto stored = checkedAlias(utf8)) return *stored;
    std::string shown;
    int kept = 0;
    // Keep whole characters whose GBK form is two bytes with high bits set.
    for (std::size_t i = 0; i < utf8.size() && kept < 2;) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::string_view character = utf8.substr(i, length);
        i += length;
        if (!text::isGbkEncodable(character)) continue;
        std::string gbk = text::utf8ToGbk(character);
        if (gbk.size() == 2 && static_cast<unsigned char>(gbk[0]) >= 0x80 && static_cast<unsigned char>(gbk[1]) >= 0x80) {
            shown += character;
            ++kept;
        }
    }
    for (; kept < 2; ++kept) shown += kFullWidthBlank;
    return shown;
}

bool isValidClassName(std::string_view utf8) {
    if (!text::isGbkEncodable(utf8) || isBlank(utf8)) return false;
    return text::gbkLength(utf8) <= kClassNameMaxBytes;
}

CustomClass decodeCustomClass(const CustomSlotImage& image) {
    std::span<const std::uint8_t> bytes(image);
    CustomClass custom;
    custom.slotNumber = files::readLittleEndian<std::int32_t>(bytes, slot::kSlotNumber);
    custom.deleted = bytes[slot::kDeleted] != 0;
    custom.name = files::readTextCell(bytes, slot::kClassName, 25);
    for (const AliasGroupInfo& info : aliasGroups()) {
        std::span<std::string> cells = aliasCells(custom, info.group);
        std::size_t offset = kGroupOffsets[static_cast<std::size_t>(info.group)];
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] = files::readTextCell(bytes, offset + i * slot::kAliasCell, slot::kAliasCell);
    }
    for (const AliasCheckInfo& info : aliasChecks()) custom.*info.flag = bytes[flagOffset(info.check)] == 1;
    return custom;
}

Expected<CustomSlotImage> encodeCustomClass(const CustomClass& custom) {
    CustomSlotImage image{};
    std::span<std::uint8_t> bytes(image);
    for (const AliasGroupInfo& info : aliasGroups()) {
        std::span<const std::string> cells = aliasCells(custom, info.group);
        std::size_t offset = kGroupOffsets[static_cast<std::size_t>(info.group)];
        for (std::size_t i = 0; i < cells.size(); ++i) {
            auto stored = checkedAlias(cells[i]);
            if (!stored) return fail(aliasErrorMessage(info.group));
            files::writeTextCell(bytes, offset + i * slot::kAliasCell, slot::kAliasCell, 4, *stored, info.name);
        }
    }
    if (!text::isGbkEncodable(custom.name) || text::gbkLength(custom.name) > kClassNameMaxBytes)
        return fail(kClassNameMessage);
    files::writeTextCell(bytes, slot::kClassName, 25, kClassNameMaxBytes, custom.name, "类别名");
    files::writeLittleEndian<std::int32_t>(bytes, slot::kSlotNumber, custom.slotNumber);
    bytes[slot::kDeleted] = custom.deleted ? 1 : 0;
    for (const AliasCheckInfo& info : aliasChecks()) bytes[flagOffset(info.check)] = custom.*info.flag ? 1 : 0;
    return image;
}

}  // namespace qimen::custom

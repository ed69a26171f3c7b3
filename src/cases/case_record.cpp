// Byte layout of the 1,252-byte case slot.
#include "cases/case_record.hpp"

#include "files/fixed_fields.hpp"

namespace qimen::cases {

using files::readLittleEndian;
using files::writeLittleEndian;

CaseRecord decodeCaseRecord(const CaseRecordImage& image) {
    std::span<const std::uint8_t> bytes(image);
    CaseRecord record;
    record.caseNumber = readLittleEndian<std::int32_t>(bytes, field::kCaseNumber);
    record.deleted = bytes[field::kDeleted] != 0;
    record.askerName = files::readTextCell(bytes, field::kAskerName, 12);
    record.className = files::readTextCell(bytes, field::kClassName, 15);
    record.date.year = readLittleEndian<std::int16_t>(bytes, field::kYear);
    record.date.month = readLittleEndian<std::int16_t>(bytes, field::kYear + 2);
    record.date.day = readLittleEndian<std::int16_t>(bytes, field::kYear + 4);
    record.date.hour = readLittleEndian<std::int16_t>(bytes, field::kYear + 6);
    record.date.minute = readLittleEndian<std::int16_t>(bytes, field::kYear + 8);
    record.lunarInput = bytes[field::kLunarInput] != 0;
    record.leapMonth = bytes[field::kLeapMonth] != 0;
    record.provinceIndex = readLittleEndian<std::int16_t>(bytes, field::kProvinceIndex);
    record.cityIndex = readLittleEndian<std::int16_t>(bytes, field::kCityIndex);
    record.longitude = files::readFloat(bytes, field::kLongitude);
    record.latitude = files::readFloat(bytes, field::kLatitude);
    record.notes = files::readTextCell(bytes, field::kNotes, 1002);
    record.matter = files::readTextCell(bytes, field::kMatter, 42);
    auto methodCode = readLittleEndian<std::uint32_t>(bytes, field::kMethodCode);
    record.method = static_cast<std::uint8_t>(methodCode & 0xFF);
    record.givenJu = static_cast<std::uint8_t>((methodCode >> 8) & 0xFF);
    record.placeName = files::readTextCell(bytes, field::kPlaceName, 100);
    return record;
}

namespace {

// The slot image; raises files::FieldError for the first text that does not fit.
CaseRecordImage encodeImage(const CaseRecord& record) {
    CaseRecordImage image{};
    std::span<std::uint8_t> bytes(image);
    writeLittleEndian<std::int32_t>(bytes, field::kCaseNumber, record.caseNumber);
    bytes[field::kDeleted] = record.deleted ? 1 : 0;
    files::writeTextCell(bytes, field::kAskerName, 12, kAskerNameMax, record.askerName, "求测人");
    files::writeTextCell(bytes, field::kClassName, 15, kClassNameMax, record.className, "类别");
    writeLittleEndian<std::int16_t>(bytes, field::kYear, record.date.year);
    writeLittleEndian<std::int16_t>(bytes, field::kYear + 2, record.date.month);
    writeLittleEndian<std::int16_t>(bytes, field::kYear + 4, record.date.day);
    writeLittleEndian<std::int16_t>(bytes, field::kYear + 6, record.date.hour);
    writeLittleEndian<std::int16_t>(bytes, field::kYear + 8, record.date.minute);
    bytes[field::kLunarInput] = record.lunarInput ? 1 : 0;
    bytes[field::kLeapMonth] = record.leapMonth ? 1 : 0;
    writeLittleEndian<std::int16_t>(bytes, field::kProvinceIndex, record.provinceIndex);
    writeLittleEndian<std::int16_t>(bytes, field::kCityIndex, record.cityIndex);
    files::writeFloat(bytes, field::kLongitude, record.longitude);
    files::writeFloat(bytes, field::kLatitude, record.latitude);
    files::writeTextCell(bytes, field::kNotes, 1002, kNotesMax, record.notes, "附加信息");
    files::writeTextCell(bytes, field::kMatter, 42, kMatterMax, record.matter, "占问事宜");
    writeLittleEndian<std::uint32_t>(bytes, field::kMethodCode,
                                     std::uint32_t{record.method} | (std::uint32_t{record.givenJu} << 8));
    files::writeTextCell(bytes, field::kPlaceName, 100, kPlaceNameMax, record.placeName, "地点");
    return image;
}

}  // namespace

Expected<CaseRecordImage> encodeCaseRecord(const CaseRecord& record) {
    return files::encodedOrFailure([&] { return encodeImage(record); });
}

std::string caseDateText(const CaseRecord& record) {
    std::string text = record.lunarInput ? "农" : "公";
    if (record.lunarInput && record.leapMonth) text += "闰";
    text += std::to_string(calendar::userFromAstronomicalYear(record.date.year)) + "-" +
            std::to_string(record.date.month) + "-" + std::to_string(record.date.day);
    return text;
}

}  // namespace qimen::cases

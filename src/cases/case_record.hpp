// CaseRecord: one saved consultation as the 1,252 bytes of its store slot, and
// the same record decoded into UTF-8 texts and numbers. The byte image is what
// the store reads and writes; the decoded form is what the program works with.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"

namespace qimen::cases {

inline constexpr std::size_t kCaseRecordSize = 1252;
using CaseRecordImage = std::array<std::uint8_t, kCaseRecordSize>;

// Field offsets of the slot image (little-endian; texts GBK, zero-terminated).
namespace field {
inline constexpr std::size_t kCaseNumber = 0;      // int32
inline constexpr std::size_t kDeleted = 4;         // byte, 0 live / 1 deleted
inline constexpr std::size_t kAskerName = 5;       // 12-byte cell
inline constexpr std::size_t kClassName = 17;      // 15-byte cell
inline constexpr std::size_t kYear = 32;           // int16 ×5: year month day hour minute
inline constexpr std::size_t kLunarInput = 42;     // byte
inline constexpr std::size_t kLeapMonth = 43;      // byte
inline constexpr std::size_t kProvinceIndex = 46;  // int16
inline constexpr std::size_t kCityIndex = 48;      // int16
inline constexpr std::size_t kLongitude = 52;      // float
inline constexpr std::size_t kLatitude = 56;       // float
inline constexpr std::size_t kNotes = 60;          // 1002-byte cell
inline constexpr std::size_t kMatter = 1062;       // 42-byte cell
inline constexpr std::size_t kMethodCode = 1104;   // uint32
inline constexpr std::size_t kPlaceName = 1152;    // 100-byte cell
}  // namespace field

// Text limits in GBK bytes (the cell holds one more byte for the terminator,
// the place cell more).
inline constexpr std::size_t kAskerNameMax = 10;
inline constexpr std::size_t kClassNameMax = 13;
inline constexpr std::size_t kNotesMax = 1001;
inline constexpr std::size_t kMatterMax = 40;
inline constexpr std::size_t kPlaceNameMax = 31;

// The method byte value of an hour chart laid for a ju given by hand.
inline constexpr std::uint8_t kManualJuMethod = 250;

struct CaseRecord {
    std::int32_t caseNumber = 0;
    bool deleted = false;
    std::string askerName;  // UTF-8
    std::string className;
    calendar::CivilDateTime date;  // as entered; year stored with a year 0
    bool lunarInput = false;
    bool leapMonth = false;
    std::int16_t provinceIndex = 0;
    std::int16_t cityIndex = 0;
    float longitude = 0;  // degrees east
    float latitude = 0;   // degrees north
    std::string notes;
    std::string matter;
    std::uint8_t method = 0;   // ChartMethod 0..5, or kManualJuMethod
    std::uint8_t givenJu = 0;  // meaningful for kManualJuMethod
    std::string placeName;     // province "-" city

    friend bool operator==(const CaseRecord&, const CaseRecord&) = default;
};

// Decodes a slot image. Texts that are not valid GBK show U+FFFD where bad; a
// text cell without a terminator is read to the end of its cell.
CaseRecord decodeCaseRecord(const CaseRecordImage& image);

// Encodes a record into a zero-filled image (reserved bytes 0). Fails naming
// the field when a text is longer than its limit or has no GBK form.
Expected<CaseRecordImage> encodeCaseRecord(const CaseRecord& record);

// The 日期 column of the case list: "农" or "公", "闰" for a lunar leap month,
// then year-month-day with the year as the user writes it (stored y ≤ 0 reads
// y − 1), e.g. "农闰2008-4-8", "公-120-3-5".
std::string caseDateText(const CaseRecord& record);

}  // namespace qimen::cases

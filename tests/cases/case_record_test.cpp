// The byte layout of the 1,252-byte case slot and the date column text.
#include <gtest/gtest.h>

#include "cases/case_record.hpp"
#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::cases {
namespace {

CaseRecord sampleRecord() {
    CaseRecord r;
    r.caseNumber = 0x01020304;
    r.askerName = "张三丰";
    r.className = "求财";
    r.date = {2008, 4, 8, 13, 45};
    r.lunarInput = true;
    r.leapMonth = true;
    r.provinceIndex = 1;
    r.cityIndex = 7;
    r.longitude = 116.5f;
    r.latitude = 39.75f;
    r.notes = "备注:\r\n事业";
    r.matter = "问前程";
    r.method = kManualJuMethod;
    r.givenJu = 7;
    r.placeName = "北京市-北京";
    return r;
}

std::string cell(const CaseRecordImage& image, std::size_t offset, std::size_t size) {
    return std::string(files::cellBytes(image, offset, size));
}

TEST(CaseRecordLayout, EveryFieldSitsAtItsOffset) {
    CaseRecordImage image = *encodeCaseRecord(sampleRecord());
    EXPECT_EQ(image[0], 0x04);
    EXPECT_EQ(image[3], 0x01);
    EXPECT_EQ(image[4], 0);
    EXPECT_EQ(cell(image, 5, 12), text::utf8ToGbk("张三丰"));
    EXPECT_EQ(cell(image, 17, 15), text::utf8ToGbk("求财"));
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 32), 2008);
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 34), 4);
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 36), 8);
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 38), 13);
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 40), 45);
    EXPECT_EQ(image[42], 1);
    EXPECT_EQ(image[43], 1);
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 46), 1);
    EXPECT_EQ(files::readLittleEndian<std::int16_t>(image, 48), 7);
    EXPECT_EQ(files::readLittleEndian<std::uint32_t>(image, 52), 0x42E90000u);  // 116.5f
    EXPECT_EQ(files::readLittleEndian<std::uint32_t>(image, 56), 0x421F0000u);  // 39.75f
    EXPECT_EQ(cell(image, 60, 1002), text::utf8ToGbk("备注:\r\n事业"));
    EXPECT_EQ(cell(image, 1062, 42), text::utf8ToGbk("问前程"));
    EXPECT_EQ(files::readLittleEndian<std::uint32_t>(image, 1104), 250u + 7u * 256u);
    EXPECT_EQ(cell(image, 1152, 100), text::utf8ToGbk("北京市-北京"));
}

TEST(CaseRecordLayout, ReservedBytesAndBytesAfterTextsAreZero) {
    CaseRecordImage image = *encodeCaseRecord(sampleRecord());
    for (std::size_t offset : {44u, 45u, 50u, 51u}) EXPECT_EQ(image[offset], 0) << offset;
    for (std::size_t offset = 1108; offset < 1152; ++offset) EXPECT_EQ(image[offset], 0) << offset;
    for (std::size_t offset = 5 + 6; offset < 17; ++offset) EXPECT_EQ(image[offset], 0) << offset;
    for (std::size_t offset = 1152 + 11; offset < 1252; ++offset) EXPECT_EQ(image[offset], 0) << offset;
}

TEST(CaseRecordLayout, DecodeInvertsEncode) {
    EXPECT_EQ(decodeCaseRecord(*encodeCaseRecord(sampleRecord())), sampleRecord());
}

struct FieldLimit {
    const char* field;
    std::size_t maxBytes;
    std::string CaseRecord::*text;
};

class CaseRecordTextLimit : public ::testing::TestWithParam<FieldLimit> {};

TEST_P(CaseRecordTextLimit, TextFillsItsLimitButNotOneByteMore) {
    auto limit = GetParam();
    CaseRecord record = sampleRecord();
    record.*limit.text = std::string(limit.maxBytes, 'a');
    EXPECT_EQ(decodeCaseRecord(*encodeCaseRecord(record)).*limit.text, record.*limit.text);
    record.*limit.text = std::string(limit.maxBytes + 1, 'a');
    auto refused = encodeCaseRecord(record);
    EXPECT_FALSE(refused) << limit.field;
    EXPECT_NE(refused.message().find("bytes long in GBK"), std::string::npos) << refused.message();
}

INSTANTIATE_TEST_SUITE_P(Fields, CaseRecordTextLimit,
                         ::testing::Values(FieldLimit{"asker", 10, &CaseRecord::askerName},
                                           FieldLimit{"class", 13, &CaseRecord::className},
                                           FieldLimit{"notes", 1001, &CaseRecord::notes},
                                           FieldLimit{"matter", 40, &CaseRecord::matter},
                                           FieldLimit{"place", 31, &CaseRecord::placeName}));

TEST(CaseRecordText, TextWithoutGbkFormIsRefused) {
    CaseRecord record = sampleRecord();
    record.askerName = "😀";
    EXPECT_FALSE(encodeCaseRecord(record));
}

TEST(CaseRecordText, CellWithoutTerminatorIsReadWithinItsCell) {
    CaseRecordImage image = *encodeCaseRecord(sampleRecord());
    std::fill(image.begin() + 5, image.begin() + 17, std::uint8_t{'x'});
    CaseRecord record = decodeCaseRecord(image);
    EXPECT_EQ(record.askerName, std::string(12, 'x'));
    EXPECT_EQ(record.className, "求财");
}

TEST(CaseRecordText, BadGbkBytesReadAsReplacementCharacters) {
    CaseRecordImage image = *encodeCaseRecord(sampleRecord());
    image[5] = 0xFF;
    image[6] = 0xFF;
    image[7] = 0;
    EXPECT_NE(decodeCaseRecord(image).askerName.find("\xEF\xBF\xBD"), std::string::npos);
}

struct DateCase {
    bool lunar, leap;
    std::int16_t year, month, day;
    const char* expected;
};

class CaseDateTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(CaseDateTextTest, ShowsCalendarLeapAndUserYear) {
    auto c = GetParam();
    CaseRecord record;
    record.lunarInput = c.lunar;
    record.leapMonth = c.leap;
    record.date = {c.year, c.month, c.day, 0, 0};
    EXPECT_EQ(caseDateText(record), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, CaseDateTextTest,
                         ::testing::Values(DateCase{true, true, 2008, 4, 8, "农闰2008-4-8"},
                                           DateCase{true, false, 2008, 4, 8, "农2008-4-8"},
                                           DateCase{false, true, 2008, 4, 8, "公2008-4-8"},
                                           DateCase{false, false, -119, 3, 5, "公-120-3-5"},
                                           DateCase{false, false, 0, 1, 1, "公-1-1-1"}));

}  // namespace
}  // namespace qimen::cases

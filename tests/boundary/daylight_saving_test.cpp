// China's summer time from the system's zone file, damaged zone files, and
// the reading of clock times around the changes.
#include <cstdint>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "boundary/daylight_saving.hpp"
#include "files/zone_file.hpp"

namespace {

using namespace qimen;
using boundary::ClockReading;
using calendar::CivilDateTime;

std::string zoneBytes() {
    std::ifstream in(files::kChinaZoneFile, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(SummerTime, SixSummersOf1986To1991FromTheZoneDatabase) {
    const auto& periods = boundary::chinaSummerTime();
    ASSERT_TRUE(periods.ok()) << periods.message();
    ASSERT_EQ(periods->size(), 6u);
    // Clocks went from 02:00 to 03:00 on the first day and back from 02:00
    // to 01:00 (standard time 01:00) on the last.
    EXPECT_EQ(periods->front().start, (CivilDateTime{1986, 5, 4, 2, 0}));
    EXPECT_EQ(periods->front().end, (CivilDateTime{1986, 9, 14, 1, 0}));
    EXPECT_EQ((*periods)[2].start, (CivilDateTime{1988, 4, 17, 2, 0}));
    EXPECT_EQ((*periods)[2].end, (CivilDateTime{1988, 9, 11, 1, 0}));
    EXPECT_EQ(periods->back().end, (CivilDateTime{1991, 9, 15, 1, 0}));
    for (const auto& p : *periods) EXPECT_EQ(p.shiftMinutes, 60);
}

TEST(SummerTime, ClockTimesAroundTheChanges) {
    const auto& periods = boundary::chinaSummerTime();
    ASSERT_TRUE(periods.ok()) << periods.message();
    struct Case {
        CivilDateTime clock;
        ClockReading::Kind kind;
        CivilDateTime summerReading;
    };
    const Case cases[] = {
        {{1988, 7, 1, 10, 0}, ClockReading::Kind::Summer, {1988, 7, 1, 9, 0}},
        {{1988, 7, 1, 0, 30}, ClockReading::Kind::Summer, {1988, 6, 30, 23, 30}},
        {{1992, 7, 1, 10, 0}, ClockReading::Kind::Standard, {1992, 7, 1, 10, 0}},
        {{1988, 4, 17, 1, 59}, ClockReading::Kind::Standard, {1988, 4, 17, 1, 59}},
        {{1988, 4, 17, 2, 30}, ClockReading::Kind::Skipped, {1988, 4, 17, 1, 30}},
        {{1988, 4, 17, 3, 0}, ClockReading::Kind::Summer, {1988, 4, 17, 2, 0}},
        {{1988, 9, 11, 0, 59}, ClockReading::Kind::Summer, {1988, 9, 10, 23, 59}},
        {{1988, 9, 11, 1, 30}, ClockReading::Kind::Repeated, {1988, 9, 11, 0, 30}},
        {{1988, 9, 11, 2, 0}, ClockReading::Kind::Standard, {1988, 9, 11, 2, 0}},
    };
    for (const Case& c : cases) {
        ClockReading reading = boundary::readClockTime(*periods, c.clock);
        EXPECT_EQ(reading.kind, c.kind) << c.clock.month << "-" << c.clock.day << " " << c.clock.hour;
        EXPECT_EQ(reading.summerReading, c.summerReading) << c.clock.month << "-" << c.clock.day << " " << c.clock.hour;
    }
}

std::uint32_t countAt(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Damaged zone files are refused with the fault named, never read as a zone
// without summer time. The damage is done to the 64-bit block, the one read.
TEST(ZoneFile, DamagedContentsAreRefused) {
    const std::string good = zoneBytes();
    ASSERT_GT(good.size(), 100u);
    ASSERT_EQ(good[4], '2');
    const std::size_t firstBlock = countAt(good, 32) * 5 + countAt(good, 36) * 6 + countAt(good, 40) +
                                   countAt(good, 28) * 8 + countAt(good, 24) + countAt(good, 20);
    const std::size_t secondHeader = 44 + firstBlock;
    const std::size_t secondData = secondHeader + 44;
    const std::size_t times = countAt(good, secondHeader + 32);
    ASSERT_GT(times, 2u);
    std::string outOfOrder = good;
    for (std::size_t i = 0; i < 8; ++i) std::swap(outOfOrder[secondData + i], outOfOrder[secondData + 8 + i]);
    std::string badType = good;
    badType[secondData + 8 * times] = '\x7f';
    struct Case {
        std::string name, bytes, fault;
    };
    const Case cases[] = {
        {"Empty", "", "too short"},
        {"NoMagic", "TZxx" + good.substr(4), "magic"},
        {"TruncatedData", good.substr(0, 60), "truncated"},
        {"TruncatedSecondBlock", good.substr(0, secondData + 8 * times), "truncated"},
        {"TransitionsOutOfOrder", outOfOrder, "out of order"},
        {"UnknownType", badType, "unknown type"},
    };
    for (const Case& c : cases) {
        auto parsed = files::parseZoneData(c.bytes);
        EXPECT_FALSE(parsed.ok()) << c.name;
        EXPECT_NE(parsed.message().find(c.fault), std::string::npos) << c.name << ": " << parsed.message();
    }
    EXPECT_TRUE(files::parseZoneData(good).ok());
    auto missing = files::readZoneFile("/nonexistent/zone");
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.message().find("/nonexistent/zone"), std::string::npos);
}

}  // namespace

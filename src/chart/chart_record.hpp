// The chart state shared by the engine, the renderers and the analyses: the
// caller's request, the settings copy of the run, the computed pillars, dun,
// ju, leader fields and the nine palace cells, and the text buffers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/civil_date_time.hpp"
#include "chart/chart_settings.hpp"
#include "chart/codes.hpp"

namespace qimen::chart {

// Chart method codes of a request.
enum class ChartMethod : std::uint8_t {
    Hour = 0,
    Day = 1,
    Month = 2,
    Year = 3,
    SmallFlying = 4,  // 飞宫小奇门
    YinPlate = 5,     // 阴盘奇门
    GivenJuHour = 250,
};

// One palace of a chart, kept by grid cell: thirteen single-byte fields.
struct PalaceCell {
    Deity deity = 0;            // spirit plate
    StemCode heavenStem = 0;    // heaven plate
    Star star = 0;              // star now standing here
    Door door = 0;              // door now standing here
    StemCode earthStem = 0;     // earth plate
    Star homeStar = 0;          // this palace's own star (its HomeCode)
    Deity earthDeity = 0;       // flying-palace hour chart: deity laid from the 值符 star's home
    std::uint8_t voidFirst = 0;    // first branch slot void (空亡)
    std::uint8_t voidSecond = 0;   // second branch slot void
    std::uint8_t horseFirst = 0;   // post horse on the first branch slot
    std::uint8_t horseSecond = 0;  // post horse on the second branch slot
    StemCode hiddenStem = 0;    // hidden stem (暗干)
    StemCode hiddenStem2 = 0;   // second hidden stem, 10 for none

    friend bool operator==(const PalaceCell&, const PalaceCell&) = default;
};
static_assert(sizeof(PalaceCell) == 13);

// GBK byte limits of the request's texts (the terminating zero of the
// stored records not counted).
inline constexpr std::size_t kAskerNameMaxBytes = 10;
inline constexpr std::size_t kMatterMaxBytes = 40;
inline constexpr std::size_t kPlaceNameMaxBytes = 31;

// The inputs of one chart, filled by the main window and copied whole into
// the record by the chart driver.
struct ChartRequest {
    ChartMethod method = ChartMethod::Hour;
    std::uint8_t givenJu = 0;   // method 250 only: above 9 yang dun; ju = value mod 10
    bool lunarInput = false;    // inputDate is a lunar date
    bool leapMonth = false;     // input: a leap lunar month; after conversion the computed flag
    calendar::CivilDateTime inputDate;  // astronomical years −849..2100
    std::string askerName;      // UTF-8, at most kAskerNameMaxBytes in GBK
    std::string matter;         // UTF-8, at most kMatterMaxBytes in GBK
    std::string placeName;      // UTF-8, at most kPlaceNameMaxBytes in GBK
    std::int16_t provinceIndex = 0;
    std::int16_t cityIndex = 0;
    float longitude = 120.0f;   // degrees east
    float latitude = 0.0f;      // degrees north

    friend bool operator==(const ChartRequest&, const ChartRequest&) = default;
};

// The longest prefix of a UTF-8 text, cut at a character boundary, whose
// GBK form has at most maxBytes bytes. Characters without a GBK form end the
// prefix.
std::string clipToGbkBytes(std::string_view utf8, std::size_t maxBytes);

// The one chart state of a main window, reused for every chart. The links
// to the output pane and the memo belong to the window layer, which reads
// chartText and memoText after a run.
struct ChartRecord : ChartRequest {
    ChartSettings settings;

    // Dates, set by the driver's validation step.
    calendar::CivilDateTime computeDate;  // pillars and plates are computed from it
    calendar::CivilDateTime clockDate;    // before the true-solar-time correction
    calendar::CivilDateTime lunarDate;    // of computeDate (of the next day at 23:xx)
    double clockJulianDay = 0;            // solar-term comparisons use this

    // Computed fields, from yearGZ through centerHiddenStem reset to zero
    // before the pillars of every run (resetComputedFields).
    GanZhiCode yearGZ = 0;
    GanZhiCode monthGZ = 0;
    GanZhiCode dayGZ = 0;
    GanZhiCode hourGZ = 0;
    std::int16_t monthElement = 0;
    GanZhiCode xunHead = 0;     // of the governing pillar
    bool yangDun = false;
    std::int16_t ju = 0;        // 1..9
    Star leaderStar = 0;        // 值符
    Door leaderDoor = 0;        // 值使
    Palace leaderStarPalace = 0;
    Palace leaderDoorPalace = 0;
    std::array<PalaceCell, 9> cells{};  // by GridCell
    BranchCode monthGeneral = 0;
    std::uint8_t plateEcho = 0;  // 0 none, 1 伏吟, 2 反吟
    StemCode centerHiddenStem = 0;

    std::string chartText;
    // Year, month, day and hour flying stars: centre value 0..8 (0 is nine)
    // and step ±1 of each, in that order.
    std::array<std::int16_t, 8> flyingStars{};
    std::string errorText;
    std::string memoText;
    bool writeOutput = true;

    // The request part of the record.
    const ChartRequest& request() const { return *this; }
    void setRequest(const ChartRequest& request) { static_cast<ChartRequest&>(*this) = request; }
};

// Sets every computed field from yearGZ through centerHiddenStem to zero
// (the driver's reset before the pillars); dates, texts, flying stars and
// the request are kept.
void resetComputedFields(ChartRecord& record);

// Plate echo values.
inline constexpr std::uint8_t kNoEcho = 0;
inline constexpr std::uint8_t kFuYin = 1;   // 伏吟
inline constexpr std::uint8_t kFanYin = 2;  // 反吟

}  // namespace qimen::chart

// The detector as bit tests. The stem sets H and E of the rules are kept as
// ten-bit masks (bit s for stem code s), the stars S and palace codes P as
// nine-bit masks; a pair (x, y) then holds when bit x of H and bit y of E
// are set, which is exactly "some allowed combination (h, e) has h = x and
// e = y", since the allowed combinations are all of H × E. The rules that
// depend on one combination alone come from a table by (heaven, earth) and
// are OR-ed over the four combinations; the 55 results form one 64-bit word
// that is written out in bit order, which is code order.
#include "patterns/pattern_detector.hpp"

#include <bit>

#include "patterns/pattern_tables.hpp"

namespace qimen::patterns {
namespace {

using calendar::StemCode;
using chart::PalaceCell;
using namespace pattern;

// Stem codes.
constexpr StemCode kGui = 0, kYi = 2, kBing = 3, kDing = 4, kWu = 5, kJi = 6, kGeng = 7, kXin = 8, kRen = 9;
// Door codes.
constexpr chart::Door kJing = 0, kXiu = 1, kSi = 2, kShang = 3, kDu = 4, kKai = 6, kJingFear = 7, kSheng = 8;
// Deity codes.
constexpr chart::Deity kTaiYin = 2, kLiuHe = 3, kJiuDi = 7, kJiuTian = 8;

// Bit of a code; codes past 15 (never in a laid chart) set no bit.
constexpr unsigned bit(unsigned code) { return code < 16 ? 1u << code : 0u; }

constexpr unsigned kWonders = bit(kYi) | bit(kBing) | bit(kDing);
constexpr unsigned kDingJiGui = bit(kDing) | bit(kJi) | bit(kGui);
constexpr unsigned kGoodDoors = bit(kXiu) | bit(kKai) | bit(kSheng);

// For an earth stem e: the heaven stems h with InstrumentClash[e] = h or
// InstrumentClash[h] = e (直符反吟).
constexpr std::array<unsigned, 10> kClashPartners = [] {
    std::array<unsigned, 10> partners{};
    for (unsigned e = 0; e < 10; ++e) {
        partners[e] = bit(kInstrumentClash[e]);
        for (unsigned h = 0; h < 10; ++h)
            if (kInstrumentClash[h] == e) partners[e] |= bit(h);
    }
    return partners;
}();


// Bits of one 64-bit rule word: auspicious code k at bit k, inauspicious
// code 10000 + k at bit 32 + k.
constexpr std::uint64_t goodBit(int code) { return std::uint64_t{1} << code; }
constexpr std::uint64_t badBit(PatternCode code) { return std::uint64_t{1} << (32 + code - kInauspiciousBase); }

// What one stem combination (heaven h over earth e) contributes, by h and e
// 0..10: the rules that are a fixed pair alone, and the pair parts of rules
// that the caller completes: 天遁 (丙/丁, door 生), 地遁 (乙/己, door 开), 龙遁
// (乙/癸, a good door), 云遁 (乙/辛, a good door), 直符伏吟 (equal stems, no
// wonder) and 直符反吟 (clashing instruments, no wonder), the last two in
// the 值符 palace only. The pillar pairs depend on the chart and are tested
// directly.
constexpr auto kCombinationRules = [] {
    std::array<std::array<std::uint64_t, 11>, 11> table{};
    for (unsigned h = 0; h < 11; ++h)
        for (unsigned e = 0; e < 11; ++e) {
            auto is = [h, e](StemCode x, StemCode y) { return h == x && e == y; };
            std::uint64_t bits = 0;
            if (is(kYi, kXin)) bits |= goodBit(kYiQiFengMa) | goodBit(kYunDun) | badBit(kQingLongTaoZou);
            if (is(kYi, kJi)) bits |= goodBit(kYiQiFengQuan) | goodBit(kDiDun);
            if (is(kBing, kWu)) bits |= goodBit(kBingQiFengShuWu) | goodBit(kFeiNiaoDieXue);
            if (is(kBing, kGeng)) bits |= goodBit(kBingQiFengShuGeng);
            if (is(kDing, kRen)) bits |= goodBit(kDingQiFengLong);
            if (is(kDing, kGui)) bits |= goodBit(kDingQiFengHu) | badBit(kZhuQueRuJiang);
            if (is(kBing, kDing)) bits |= goodBit(kTianDun);
            if (is(kYi, kGui)) bits |= goodBit(kLongDun);
            if (is(kWu, kBing)) bits |= goodBit(kQingLongFanShou);
            if (is(kGeng, kGui)) bits |= badBit(kDaGe);
            if (is(kGeng, kJi)) bits |= badBit(kXingGe);
            if (is(kGeng, kRen)) bits |= badBit(kShangGe);
            if (is(kGui, kDing)) bits |= badBit(kSheYaoJiao);
            if (is(kXin, kYi)) bits |= badBit(kBaiHuChangKuang);
            const bool instruments = h < 10 && e < 10 && (bit(h) & kWonders) == 0 && (bit(e) & kWonders) == 0;
            if (instruments && h == e) bits |= badBit(kZhiFuFuYin);
            if (instruments && (kClashPartners[e] & bit(h)) != 0) bits |= badBit(kZhiFuFanYin);
            table[h][e] = bits;
        }
    return table;
}();

// The palace score without the rules: star over door, every allowed stem
// combination (positional, so up to four), the door's element against the
// palace's.
int palaceScore(const chart::ChartRecord& chart, chart::HomeCode home, const PalaceCell& cell) {
    const PalaceCell& centre = chart.cells[chart::kCentreCell];
    const bool carriesCentreStar = cell.star == chart::kStarRui;
    const bool carriesCentreEarth = cell.homeStar == chart::kKunPalace;
    const chart::Door door = cell.door;
    int score = kStarDoorScore[cell.star][door];
    if (carriesCentreStar) score += kStarDoorScore[kCarriedStarScoreRow][door];
    score += kStemPairScore[cell.earthStem][cell.heavenStem];
    if (carriesCentreEarth) score += kStemPairScore[centre.earthStem][cell.heavenStem];
    if (carriesCentreStar) score += kStemPairScore[cell.earthStem][centre.heavenStem];
    if (carriesCentreStar && carriesCentreEarth) score += kStemPairScore[centre.earthStem][centre.heavenStem];
    score += doorPalaceScore(doorPalaceRelation(door, home));
    return score;
}

// The rules that hold in one palace as one 64-bit word (auspicious code k at
// bit k, inauspicious 10000 + k at bit 32 + k), the halves the options
// switch off cleared. The combinations come from the table, four lookups (a
// missing centre stem repeats the own stem, which adds nothing); the rest
// are bit tests combined with & and | so that random charts cost few
// mispredicted branches.
// The year, month and day stems the rules read; kNoStem in their place
// (its bit is 0) makes every rule that reads them fail on them.
struct PillarStems {
    StemCode year, month, day;
};
constexpr StemCode kNoStem = 16;

PillarStems pillarStemsOf(const chart::ChartRecord& chart) {
    return {calendar::stemOf(chart.yearGZ), calendar::stemOf(chart.monthGZ), calendar::stemOf(chart.dayGZ)};
}

// The stem sets H (heaven) and E (earth) of a cell: its own stems and,
// where it carries the centre's star or earth, the centre's.
struct StemSets {
    unsigned heaven, earth;
};
StemSets stemSetsOf(const chart::ChartRecord& chart, const PalaceCell& cell) {
    const PalaceCell& centre = chart.cells[chart::kCentreCell];
    return {bit(cell.heavenStem) | (cell.star == chart::kStarRui ? bit(centre.heavenStem) : 0u),
            bit(cell.earthStem) | (cell.homeStar == chart::kKunPalace ? bit(centre.earthStem) : 0u)};
}

std::uint64_t ruleWord(const chart::ChartRecord& chart, chart::HomeCode home, const PalaceCell& cell,
                       DetectOptions options, PillarStems stems) {
    const PalaceCell& centre = chart.cells[chart::kCentreCell];

    // The centre-borrowing flags and the sets H, E, S, P.
    const bool carriesCentreStar = cell.star == chart::kStarRui;
    const bool carriesCentreEarth = cell.homeStar == chart::kKunPalace;
    const StemSets sets = stemSetsOf(chart, cell);
    const unsigned H = sets.heaven;
    const unsigned E = sets.earth;
    const unsigned S = bit(cell.star) | (carriesCentreStar ? bit(centre.star) : 0u);
    const unsigned P = bit(cell.homeStar) | (carriesCentreEarth ? bit(centre.homeStar) : 0u);
    auto inH = [H](StemCode s) { return (H & bit(s)) != 0; };
    auto inE = [E](StemCode s) { return (E & bit(s)) != 0; };
    auto pair = [H, E](StemCode h, StemCode e) { return ((H & bit(h)) != 0) & ((E & bit(e)) != 0); };

    const int palace = chart::palaceOfHome(home);
    const int ls = chart.leaderStarPalace == chart::kCentrePalace ? chart::kKunPalace : chart.leaderStarPalace;
    const int ld = chart.leaderDoorPalace == chart::kCentrePalace ? chart::kKunPalace : chart.leaderDoorPalace;
    const chart::Door door = cell.door;
    const chart::Deity deity = cell.deity;
    const bool goodDoor = (kGoodDoors & bit(door)) != 0;
    const bool wonderInH = (H & kWonders) != 0;
    const bool dingJiGuiInH = (H & kDingJiGui) != 0;
    const StemCode yearStem = stems.year;
    const StemCode monthStem = stems.month;
    const StemCode dayStem = stems.day;
    const StemCode hourStem = calendar::stemOf(chart.hourGZ);

    const StemCode h2 = carriesCentreStar ? centre.heavenStem : cell.heavenStem;
    const StemCode e2 = carriesCentreEarth ? centre.earthStem : cell.earthStem;
    const StemCode h1 = cell.heavenStem, e1 = cell.earthStem;
    std::uint64_t rules = (h1 < 11 && e1 < 11 && h2 < 11 && e2 < 11)
                              ? kCombinationRules[h1][e1] | kCombinationRules[h1][e2] |
                                    kCombinationRules[h2][e1] | kCombinationRules[h2][e2]
                              : 0;
    const bool atLs = palace == ls;
    const bool atLd = palace == ld;
    // Complete the rules whose pair part the table gave.
    std::uint64_t conditions = ~(goodBit(kTianDun) | goodBit(kDiDun) | goodBit(kLongDun) | goodBit(kYunDun) |
                                 badBit(kZhiFuFuYin) | badBit(kZhiFuFanYin));
    conditions |= (door == kSheng ? goodBit(kTianDun) : 0) | (door == kKai ? goodBit(kDiDun) : 0) |
                  (goodDoor ? goodBit(kLongDun) | goodBit(kYunDun) : 0) |
                  (atLs ? badBit(kZhiFuFuYin) | badBit(kZhiFuFanYin) : 0);
    rules &= conditions;

    if (options.auspicious) {
        auto rule = [&rules](int k, bool holds) { rules |= static_cast<std::uint64_t>(holds) << k; };
        const bool xiu = door == kXiu, sheng = door == kSheng;
        rule(kYuNvShouMen, (door == chart.leaderDoor) & inE(kDing));
        const bool zha = wonderInH & goodDoor;
        rule(kZhenZha, zha & (deity == kTaiYin));
        rule(kChongZha, zha & (deity == kJiuDi));
        rule(kXiuZha, zha & (deity == kLiuHe));
        rule(kRenDun, inH(kDing) & xiu & (deity == kTaiYin));
        rule(kShenDun, inH(kBing) & sheng & (deity == kJiuTian));
        rule(kGuiDun, inH(kDing) & (door == kDu) & (deity == kJiuDi));
        rule(kLongDun, goodDoor & inH(kYi) & (palace == 1));  // its second clause
        rule(kFengDun, inH(kYi) & goodDoor & (palace == 4));
        rule(kHuDun, inH(kYi) & xiu & (palace == 8));
        rule(kSanQiShengDian, (inH(kYi) & (palace == 3)) | (inH(kBing) & (palace == 9)) | (inH(kDing) & (palace == 7)));
        rule(kTianJia, wonderInH & (door == kJing) & (deity == kJiuTian));
        rule(kDiJia, dingJiGuiInH & (door == kDu) & ((deity == kTaiYin) | (deity == kLiuHe) | (deity == kJiuTian)));
        rule(kRenJia, inH(kRen) & (door == kJingFear) & (deity == kJiuTian));
        rule(kShenJia, dingJiGuiInH & (door == kShang) & (deity == kJiuDi));
        rule(kGuiJia, dingJiGuiInH & (door == kSi) & (deity == kJiuDi));
    }

    if (options.inauspicious) {
        auto rule = [&rules](PatternCode code, bool holds) {
            rules |= static_cast<std::uint64_t>(holds) << (32 + code - kInauspiciousBase);
        };
        const bool leaderStarInS = (S & bit(chart.leaderStar)) != 0;
        const bool leaderStarInP = (P & bit(chart.leaderStar)) != 0;
        const unsigned pillarStems = bit(yearStem) | bit(monthStem) | bit(dayStem) | bit(hourStem);
        const bool bingInH = inH(kBing);
        const bool gengInH = inH(kGeng);
        rule(kBeiGe, (leaderStarInS & inE(kBing)) | (bingInH & ((E & pillarStems) != 0)) | (bingInH & leaderStarInP));
        rule(kFuGanGe, pair(kGeng, dayStem));
        rule(kFeiGanGe, pair(dayStem, kGeng));
        rule(kTianYiFuGong, gengInH & leaderStarInP);
        rule(kTianYiFeiGong, inE(kGeng) & leaderStarInS);
        rule(kXiGe, pair(kGeng, yearStem));
        rule(kYueGe, pair(kGeng, monthStem));
        rule(kShiGe, pair(kGeng, hourStem));
        rule(kLiuYiJiXing, (inH(kWu) & (palace == 3)) | (inH(kJi) & (palace == 2)) | (gengInH & (palace == 8)) |
                               (inH(kXin) & (palace == 9)) | ((inH(kRen) | inH(kGui)) & (palace == 4)));
        rule(kSanQiRuMu, ((inH(kYi) | bingInH) & (palace == 6)) | (inH(kDing) & (palace == 8)));
        const auto hour = chart.hourGZ;
        rule(kShiMuGe, (inH(kGui) & (palace == 2) & (hour == 20)) | (bingInH & (palace == 6) & (hour == 23)) |
                           (inH(kWu) & (palace == 6) & (hour == 35)) | (inH(kDing) & (palace == 8) & (hour == 14)) |
                           (inH(kRen) & (palace == 4) & (hour == 29)));
        rule(kYingHuoRuBai, bingInH & (cell.earthStem == kGeng));
        rule(kTaiBaiRuYing, gengInH & (cell.earthStem == kBing));
        // The echo rules hold only in the leader palaces (直符伏吟 and
        // 直符反吟 came from the table).
        rule(kJiuXingFuYin, atLs & (cell.star == cell.homeStar));
        rule(kBaMenFuYin, atLd & (door == home));
        rule(kJiuXingFanYin, atLs && cell.star < 9 && cell.homeStar == kOppositeHome[cell.star]);
        rule(kBaMenFanYin, atLd && door < 9 && home == kOppositeHome[door]);
        rule(kTianWangSiZhang, pair(kGui, hourStem));
        rule(kDiWangZheBi, pair(kRen, hourStem));
    }

    const std::uint64_t halves = (options.auspicious ? 0xFFFFFFFFull : 0) | (options.inauspicious ? 0xFFFFFFFFull << 32 : 0);
    return rules & halves;
}

}  // namespace

void detectPatterns(const chart::ChartRecord& chart, chart::HomeCode home, const PalaceCell& cell,
                    PalaceFindings& findings, DetectOptions options) {
    findings.count = 0;
    int score = options.score ? palaceScore(chart, home, cell) : 0;
    const std::uint64_t rules = ruleWord(chart, home, cell, options, pillarStemsOf(chart));
    auto good = static_cast<std::uint32_t>(rules);
    auto bad = static_cast<std::uint32_t>(rules >> 32);
    // Every rule that holds counts in the score, stored or not.
    for (; good != 0; good &= good - 1, score += 2) findings.append(static_cast<PatternCode>(std::countr_zero(good)));
    for (; bad != 0; bad &= bad - 1, score -= 2)
        findings.append(static_cast<PatternCode>(kInauspiciousBase + std::countr_zero(bad)));
    findings.score = options.score ? static_cast<std::int16_t>(score) : std::int16_t{0};
}

PatternBits chartPatternBits(const chart::ChartRecord& chart, DetectOptions options, CentreCell centre) {
    const PillarStems stems = pillarStemsOf(chart);
    std::uint64_t rules = 0;
    for (int g = 0; g < 9; ++g) {
        if (g == chart::kCentreCell && centre == CentreCell::Skip) continue;
        rules |= ruleWord(chart, chart::homeOfCell(g), chart.cells[static_cast<std::size_t>(g)], options, stems);
    }
    return {static_cast<std::uint32_t>(rules), static_cast<std::uint32_t>(rules >> 32)};
}

PlatePatternBits platePatternBits(const chart::ChartRecord& chart, DetectOptions options, CentreCell centre) {
    PlatePatternBits plate;
    plate.options = options;
    std::uint64_t rules = 0;
    for (int g = 0; g < 9; ++g) {
        if (g == chart::kCentreCell && centre == CentreCell::Skip) continue;
        const PalaceCell& cell = chart.cells[static_cast<std::size_t>(g)];
        rules |= ruleWord(chart, chart::homeOfCell(g), cell, options, {kNoStem, kNoStem, kNoStem});
        const StemSets sets = stemSetsOf(chart, cell);
        if (sets.heaven & bit(kGeng)) plate.earthUnderGeng |= static_cast<std::uint16_t>(sets.earth);
        if (sets.earth & bit(kGeng)) plate.heavenOverGeng |= static_cast<std::uint16_t>(sets.heaven);
        if (sets.heaven & bit(kBing)) plate.earthUnderBing |= static_cast<std::uint16_t>(sets.earth);
    }
    plate.bits = {static_cast<std::uint32_t>(rules), static_cast<std::uint32_t>(rules >> 32)};
    return plate;
}

PatternBits withPillarStems(const PlatePatternBits& plate, calendar::StemCode year, calendar::StemCode month,
                            calendar::StemCode day) {
    PatternBits bits = plate.bits;
    if (!plate.options.inauspicious) return bits;
    // The rules that read these stems: 悖格 (丙 over a pillar stem, the hour's
    // already in), 伏干格 and 飞干格 (庚 over and under the day stem), 岁格 and
    // 月格 (庚 over the year and month stems).
    auto rule = [&bits](PatternCode code, bool holds) {
        bits.bad |= static_cast<std::uint32_t>(holds) << (code - kInauspiciousBase);
    };
    rule(kBeiGe, (plate.earthUnderBing & (bit(year) | bit(month) | bit(day))) != 0);
    rule(kFuGanGe, (plate.earthUnderGeng & bit(day)) != 0);
    rule(kFeiGanGe, (plate.heavenOverGeng & bit(day)) != 0);
    rule(kXiGe, (plate.earthUnderGeng & bit(year)) != 0);
    rule(kYueGe, (plate.earthUnderGeng & bit(month)) != 0);
    return bits;
}

void detectChartPatterns(const chart::ChartRecord& chart, std::array<PalaceFindings, 9>& findings,
                         DetectOptions options, CentreCell centre) {
    for (int g = 0; g < 9; ++g) {
        if (g == chart::kCentreCell && centre == CentreCell::Skip) {
            findings[g].count = 0;
            findings[g].score = 0;
            continue;
        }
        detectPatterns(chart, chart::homeOfCell(g), chart.cells[static_cast<std::size_t>(g)], findings[g], options);
    }
}

}  // namespace qimen::patterns

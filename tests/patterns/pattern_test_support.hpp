// Hand-set charts for the pattern tests: one examined palace with the
// fields the rules read, a centre cell, the leader fields and the pillars,
// everything else neutral.
//
// The neutral probe, from which every case changes only what it names:
// palace 乾6, heaven 辛 over earth 壬 (no rule pairs them), star 柱 (not 芮,
// not the leader star), door 死, deity 直符; centre heaven and earth 壬,
// centre star 禽; 值符 star 蓬 and 值使 door 休 (neither in the palace);
// leaderStarPalace and leaderDoorPalace 0 (no palace, so no echo rule can
// hold); all four pillars 甲子, whose stem 甲 never stands on a plate.
#pragma once

#include "patterns/pattern_detector.hpp"

namespace qimen::patterns::testing {

// Stem codes.
inline constexpr calendar::StemCode kGui = 0, kJia = 1, kYi = 2, kBing = 3, kDing = 4, kWu = 5, kJi = 6,
                                    kGeng = 7, kXin = 8, kRen = 9;
// Door codes.
inline constexpr chart::Door kJingScene = 0, kXiu = 1, kSi = 2, kShang = 3, kDu = 4, kKai = 6, kJingFear = 7,
                             kSheng = 8;
// Star codes.
inline constexpr chart::Star kYing = 0, kPeng = 1, kRui = 2, kChong = 3, kFu = 4, kQin = 5, kXinStar = 6,
                             kZhu = 7, kRenStar = 8;
// Deity codes (list W).
inline constexpr chart::Deity kZhiFu = 0, kTengShe = 1, kTaiYin = 2, kLiuHe = 3, kJiuDi = 7, kJiuTian = 8;

// A pillar whose stem is `stem`: 甲子 … 壬申 for 1..9, 癸酉 (10) for 癸.
constexpr calendar::GanZhiCode pillarWithStem(calendar::StemCode stem) {
    return static_cast<calendar::GanZhiCode>(stem == 0 ? 10 : stem);
}

struct Probe {
    chart::HomeCode home = 6;
    calendar::StemCode heaven = kXin;
    calendar::StemCode earth = kRen;
    chart::Star star = kZhu;
    chart::Door door = kSi;
    chart::Deity deity = kZhiFu;
    calendar::StemCode centreHeaven = kRen;
    calendar::StemCode centreEarth = kRen;
    chart::Star leaderStar = kPeng;
    chart::Door leaderDoor = kXiu;
    chart::Palace leaderStarPalace = 0;
    chart::Palace leaderDoorPalace = 0;
    calendar::GanZhiCode yearGZ = 1;
    calendar::GanZhiCode monthGZ = 1;
    calendar::GanZhiCode dayGZ = 1;
    calendar::GanZhiCode hourGZ = 1;

    // The chart: every other outer cell holds its home star and door over
    // 甲 (inert); the centre holds 禽, 中, the centre stems and deity 4; the
    // examined palace sits in its own grid cell (in the centre's for home 5).
    chart::ChartRecord chart() const {
        chart::ChartRecord record;
        for (int c = 0; c < 9; ++c) {
            chart::HomeCode h = chart::homeOfCell(c);
            record.cells[c] = chart::PalaceCell{0, kJia, h, h, kJia, h, 0, 0, 0, 0, 0, 10, 10};
        }
        record.cells[chart::kCentreCell] =
            chart::PalaceCell{4, centreHeaven, kQin, 5, centreEarth, 5, 0, 0, 0, 0, 0, 10, 10};
        record.cells[cellIndex()] = cell();
        record.leaderStar = leaderStar;
        record.leaderDoor = leaderDoor;
        record.leaderStarPalace = leaderStarPalace;
        record.leaderDoorPalace = leaderDoorPalace;
        record.yearGZ = yearGZ;
        record.monthGZ = monthGZ;
        record.dayGZ = dayGZ;
        record.hourGZ = hourGZ;
        return record;
    }
    chart::PalaceCell cell() const {
        return chart::PalaceCell{deity, heaven, star, door, earth, home, 0, 0, 0, 0, 0, 10, 10};
    }
    int cellIndex() const { return chart::cellOfPalace(chart::palaceOfHome(home)); }

    PalaceFindings findings(DetectOptions options = {}) const {
        chart::ChartRecord record = chart();
        PalaceFindings result;
        detectPatterns(record, home, record.cells[cellIndex()], result, options);
        return result;
    }
};

}  // namespace qimen::patterns::testing

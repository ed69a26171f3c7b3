// The first 御定奇门宝鉴 text: palace lines and the judgement.
#include "palace_remarks.hpp"

#include "reading_kit.hpp"

#include "chart/vocabulary.hpp"
#include "analysis/analysis_tables.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::gen {

namespace {

using chart::doorText;
using chart::starText;
using chart::stemText;

// The first auspicious, or the first inauspicious pattern other than the
// echoes, of a cell; −1 when none.
patterns::PatternCode firstPattern(const BaojianChart& c, int g, bool auspicious) {
    for (auto code : c.found(g).found())
        if (auspicious ? patterns::isAuspiciousPattern(code) : patterns::isInauspiciousPattern(code) && !isEchoPattern(code))
            return code;
    return -1;
}

std::string name(patterns::PatternCode code) { return std::string(patterns::patternName(code)); }

// What the 值符 palace says about the one who leads, by the first of its
// features that tradition weighs most.
std::string leaderRemark(const BaojianChart& c) {
    const Reader r(c);
    int g = c.leaderStarCell();
    const auto& cell = c.cell(g);
    std::string s = "符宫得" + r.door(g);
    int relation = doorRelation(c, g);
    if (cell.heavenStem == piece::kGeng || cell.earthStem == piece::kGeng) return s + "，庚金同宫，主者受掣";
    if (relation == 3) return s + "，门迫其宫，首领受制";
    if (r.has(g, patterns::pattern::kJiuXingFuYin) || r.has(g, patterns::pattern::kZhiFuFuYin))
        return s + "，星符不动，主者宜守";
    if (r.has(g, patterns::pattern::kJiuXingFanYin) || r.has(g, patterns::pattern::kZhiFuFanYin))
        return s + "，星符反冲，主者多变";
    if (isWonder(cell.heavenStem)) return s + "，" + r.heaven(g) + "奇同临，主将得辅";
    if (auto code = firstPattern(c, g, true); code >= 0) return s + "，会" + name(code) + "，为首者有助";
    if (auto code = firstPattern(c, g, false); code >= 0) return s + "，犯" + name(code) + "，为首者多阻";
    if (relation == 2) return s + (isBadDoor(cell.door) ? "，凶门受制，主者无大碍" : "，门受宫克，主将乏助");
    if (isGoodDoor(cell.door)) return s + "，主将得地";
    if (isBadDoor(cell.door)) return s + "，主将不安";
    return s + "，主者持平";
}

// What the 值使 palace says about the matter's course.
std::string envoyRemark(const BaojianChart& c) {
    const Reader r(c);
    int g = c.leaderDoorCell();
    std::string s = "使门会" + r.deity(g) + "、乘" + r.heaven(g);
    if (r.has(g, patterns::pattern::kBaMenFuYin)) return s + "，门返本宫，事多停滞";
    if (r.has(g, patterns::pattern::kBaMenFanYin)) return s + "，门临冲宫，事主反复";
    if (doorRelation(c, g) == 3) return s + "，门迫于宫，所行多阻";
    if (auto code = firstPattern(c, g, true); code >= 0) return s + "，会" + name(code) + "，事机顺行";
    if (auto code = firstPattern(c, g, false); code >= 0) return s + "，犯" + name(code) + "，事多反复";
    int q = cellQuality(c, g);
    if (q > 0) return s + (c.level >= 0 ? "，所谋易就" : "，进程平缓");
    if (q < 0) return s + "，所行多阻";
    return s + "，事有迟速";
}

// The strongest pattern of each half: the palace with the highest (or
// lowest) score that holds one, its first code of that half.
struct Decisive {
    int bestCell = -1, worstCell = -1;
    patterns::PatternCode best = 0, worst = 0;
};
Decisive decisivePatterns(const BaojianChart& c) {
    Decisive d;
    for (int g : kRemarkPalaceCells) {
        const auto& f = c.found(g);
        for (auto code : f.found()) {
            if (patterns::isAuspiciousPattern(code)) {
                if (d.bestCell < 0 || f.score > c.found(d.bestCell).score) d.bestCell = g, d.best = code;
                break;
            }
        }
        for (auto code : f.found()) {
            if (patterns::isInauspiciousPattern(code)) {
                if (d.worstCell < 0 || f.score < c.found(d.worstCell).score) d.worstCell = g, d.worst = code;
                break;
            }
        }
    }
    return d;
}

std::string decisiveRemark(const Decisive& d) {
    std::string s;
    if (d.bestCell >= 0)
        s += "吉以" + std::string(palaceOf(d.bestCell)) + "宫" + name(d.best) + "为重";
    else
        s += "八宫不见吉格";
    if (d.worstCell >= 0)
        s += "，凶以" + std::string(palaceOf(d.worstCell)) + "宫" + name(d.worst) + "为忌";
    else
        s += "，亦无凶格相犯";
    return s;
}

// Where 乙 丙 丁 stand on the heaven plate and how many of them have an
// auspicious door under them.
std::string wondersRemark(const BaojianChart& c) {
    std::string s = "三奇";
    int withDoor = 0;
    const calendar::StemCode wonders[3] = {piece::kYi, piece::kBing, piece::kDing};
    for (int i = 0; i < 3; ++i) {
        int g = c.cellOfHeavenStem(wonders[i]);
        if (g < 0) continue;  // every laid heaven plate holds the three; kept safe all the same
        s += (i ? "、" : "") + std::string(stemText(wonders[i])) + std::string(palaceOf(g));
        withDoor += isGoodDoor(c.cell(g).door);
    }
    static const char* const count[4] = {"，皆不得门", "，一奇得门", "，二奇得门", "，俱得吉门"};
    return s + count[withDoor];
}

// The outer cell with the highest (best) or lowest palace score.
int extremeCell(const BaojianChart& c, bool best) {
    int pick = kRemarkPalaceCells[0];
    for (int g : kRemarkPalaceCells) {
        int score = c.found(g).score, at = c.found(pick).score;
        if (best ? score > at : score < at) pick = g;
    }
    return pick;
}

// The verdict in one of two frames, "总断X，" or (when auspicious and
// inauspicious patterns mix) "合而观之，局属X，", then counsel that follows
// the verdict and the plates: 伏吟 waits, 反吟 moves fast; otherwise the
// best palace's direction to act toward, or the worst one's to avoid.
std::string closingRemark(const BaojianChart& c, const Decisive& d) {
    std::string word(verdictOf(c.scoreSum));
    if (word == "平") word = "平平";
    std::string s = d.bestCell >= 0 && d.worstCell >= 0 ? "合而观之，局属" + word + "，" : "总断" + word + "，";
    std::string best(directionOf(extremeCell(c, true))), worst(directionOf(extremeCell(c, false)));
    if (c.fuYin()) {
        static const char* const wait[5] = {"伏吟之局，闭户守静", "伏吟之局，宜静守", "伏吟之局，宜静守待时",
                                            "伏吟之局，宜守成待时", "伏吟之局，守成可待"};
        return s + wait[c.level + 2];
    }
    if (c.fanYin()) {
        static const char* const move[5] = {"反吟之局，动则多变，慎之", "反吟之局，事多反复，慎之",
                                            "反吟之局，事多反复，宜速决", "反吟之局，宜速动速决",
                                            "反吟之局，速动有功"};
        return s + move[c.level + 2];
    }
    switch (c.level) {
    case 2: return s + "举事可成，宜向" + best;
    case 1: return s + "宜向" + best + "而动";
    case 0: return s + "宜守常待时，" + best + "方稍利";
    case -1: return s + "宜静不宜动，忌" + worst + "方";
    default: return s + "百事宜避，尤忌" + worst + "方";
    }
}

}  // namespace

std::string patternList(const patterns::PalaceFindings& findings) {
    std::string s;
    std::string_view previous;
    for (auto code : findings.found()) {
        std::string_view name = patterns::patternName(code);
        if (name == previous) continue;
        if (!s.empty()) s += "、";
        s += name;
        previous = name;
    }
    return s;
}

std::string_view verdictOf(int scoreSum) {
    // The analysis's scale, in the quotation's single words.
    static constexpr std::string_view kWords[5] = {"大凶", "凶", "平", "吉", "大吉"};
    return kWords[analysis::verdictLevel(scoreSum) + 2];
}

std::string composePalaceRemarks(const BaojianChart& c) {
    std::string text;
    for (int g : kRemarkPalaceCells) {
        text += palaceOf(g);
        text += "：";
        text += patternList(c.found(g));
        text += "\r\n";
    }
    const auto& r = c.record;
    text += "断曰：";
    if (c.fuYin()) text += "星仪伏吟，";
    if (c.fanYin()) text += "星仪反吟，";
    // The hour pillar is the same on both days of the key's group; charts
    // whose outer palaces coincide still differ in it.
    text += chart::ganZhiText(r.hourGZ) + "时";
    text += r.yangDun ? "阳遁" : "阴遁";
    text += chart::numeralText(r.ju);
    text += "局，值符天" + std::string(starText(r.leaderStar)) + "加" + std::string(palaceOf(c.leaderStarCell())) +
            "，值使" + std::string(doorText(r.leaderDoor)) + "门临" + std::string(palaceOf(c.leaderDoorCell())) + "。";
    text += leaderRemark(c) + "；" + envoyRemark(c) + "。";
    Decisive d = decisivePatterns(c);
    text += decisiveRemark(d) + "；" + wondersRemark(c) + "，" + closingRemark(c, d) + "。";
    return text;
}

}  // namespace qimen::gen

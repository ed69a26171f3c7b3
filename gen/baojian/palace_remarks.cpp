// The first 御定奇门宝鉴 text: palace lines and the judgement.
#include "palace_remarks.hpp"

#include "analysis/analysis_tables.hpp"
#include "chart/vocabulary.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::gen {

namespace {

using chart::doorText;
using chart::starText;
using chart::stemText;

constexpr calendar::StemCode kYi = 2, kBing = 3, kDing = 4;

bool goodDoor(chart::Door door) { return door == 1 || door == 6 || door == 8; }
bool badDoor(chart::Door door) { return door == 2 || door == 3 || door == 7; }

std::string deityName(chart::Deity deity) { return std::string(chart::deityText(chart::DeityList::W, deity)); }

// What the 值符 palace says about the one who leads.
std::string leaderRemark(const BaojianChart& c, int n) {
    const auto& cell = c.cell(c.leaderStarCell());
    std::string s = "符宫得" + std::string(doorText(cell.door)) + "门";
    if (cell.heavenStem == 7 || cell.earthStem == 7) {
        static const char* const geng[2] = {"，庚金同宫，主者受掣", "，太白相犯，为首者多阻"};
        return s + geng[n % 2];
    }
    static const char* const good[2] = {"，主将得辅", "，为首者有助"};
    static const char* const mid[2] = {"，主者持平", "，首领进退自如"};
    static const char* const bad[2] = {"，主将受制", "，首领困于门迫"};
    const char* const* pick = goodDoor(cell.door) ? good : badDoor(cell.door) ? bad : mid;
    return s + pick[n % 2];
}

// What the 值使 palace says about the matter's course.
std::string envoyRemark(const BaojianChart& c, int n) {
    int g = c.leaderDoorCell();
    const auto& cell = c.cell(g);
    std::string s = "使门会" + deityName(cell.deity) + "、乘" + std::string(stemText(cell.heavenStem));
    int q = cellQuality(c, g);
    static const char* const good[2] = {"，事机顺行", "，所谋易就"};
    static const char* const mid[2] = {"，事有迟速", "，进程平缓"};
    static const char* const bad[2] = {"，事多反复", "，所行多阻"};
    // A pointer, not a conditional over the arrays themselves: GCC 12 at -O0
    // with the sanitizers picked the wrong element from that form.
    const char* const* pick = q > 0 ? good : q < 0 ? bad : mid;
    return s + pick[(n / 2) % 2];
}

// The strongest pattern of each half: the palace with the highest (or
// lowest) score that holds one, its first code of that half.
std::string decisivePatterns(const BaojianChart& c) {
    int bestCell = -1, worstCell = -1;
    knowledge::PatternCode best = 0, worst = 0;
    for (int g : kRemarkPalaceCells) {
        const auto& f = c.found(g);
        for (auto code : f.found()) {
            if (patterns::isAuspiciousPattern(code)) {
                if (bestCell < 0 || f.score > c.found(bestCell).score) bestCell = g, best = code;
                break;
            }
        }
        for (auto code : f.found()) {
            if (patterns::isInauspiciousPattern(code)) {
                if (worstCell < 0 || f.score < c.found(worstCell).score) worstCell = g, worst = code;
                break;
            }
        }
    }
    std::string s;
    if (bestCell >= 0)
        s += "吉以" + std::string(palaceOf(bestCell)) + "宫" + std::string(patterns::patternName(best)) + "为重";
    else
        s += "八宫不见吉格";
    if (worstCell >= 0)
        s += "，凶以" + std::string(palaceOf(worstCell)) + "宫" + std::string(patterns::patternName(worst)) + "为忌";
    else
        s += "，亦无凶格相犯";
    return s;
}

// Where 乙 丙 丁 stand on the heaven plate and how many of them have an
// auspicious door under them.
std::string wondersRemark(const BaojianChart& c) {
    std::string s = "三奇";
    int withDoor = 0;
    const calendar::StemCode wonders[3] = {kYi, kBing, kDing};
    for (int i = 0; i < 3; ++i) {
        int g = c.cellOfHeavenStem(wonders[i]);
        if (g < 0) continue;  // every laid heaven plate holds the three; kept safe all the same
        s += (i ? "、" : "") + std::string(stemText(wonders[i])) + std::string(palaceOf(g));
        withDoor += goodDoor(c.cell(g).door);
    }
    static const char* const count[4] = {"，皆不得门", "，一奇得门", "，二奇得门", "，三奇俱得吉门"};
    return s + count[withDoor];
}

// The verdict always in one of two frames, "总断X，…" or "局属X，…", so that
// a reader (and a test) finds it in the same words.
std::string closingRemark(std::string_view verdict, int n) {
    struct Line {
        std::string_view verdict;
        const char* advice[2];
    };
    static const Line lines[5] = {
        {"大吉", {"举事可成", "动则有功"}},
        {"吉", {"宜顺势而行", "吉多于凶，可以有为"}},
        {"平", {"宜守常待时", "吉凶参半，不宜妄动"}},
        {"凶", {"宜静不宜动", "凶多吉少，当慎其行"}},
        {"大凶", {"百事宜避", "守身为上"}},
    };
    std::string word = verdict == "平" ? "平平" : std::string(verdict);
    for (const auto& line : lines)
        if (line.verdict == verdict)
            return (n / 4) % 2 ? "合而观之，局属" + word + "，" + line.advice[1] : "总断" + word + "，" + line.advice[0];
    return {};
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

std::string composePalaceRemarks(const BaojianChart& c, int n) {
    std::string text;
    for (int g : kRemarkPalaceCells) {
        text += palaceOf(g);
        text += "：";
        text += patternList(c.found(g));
        text += "\r\n";
    }
    const auto& r = c.record;
    static const char* const openings[3] = {"", "此局", "时值"};
    text += "断曰：";
    text += openings[n % 3];
    text += r.yangDun ? "阳遁" : "阴遁";
    text += chart::numeralText(r.ju);
    text += "局，值符天" + std::string(starText(r.leaderStar)) + "加" + std::string(palaceOf(c.leaderStarCell())) +
            "，值使" + std::string(doorText(r.leaderDoor)) + "门临" + std::string(palaceOf(c.leaderDoorCell())) + "。";
    text += leaderRemark(c, n) + "；" + envoyRemark(c, n) + "。";
    text += decisivePatterns(c) + "；" + wondersRemark(c) + "。";
    text += closingRemark(verdictOf(c.scoreSum), n) + "。";
    return text;
}

}  // namespace qimen::gen

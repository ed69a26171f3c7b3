// The palace block of the comprehensive analysis, section by section.
#include "analysis/analysis_palace_block.hpp"

#include "analysis/analysis_tables.hpp"
#include "chart/vocabulary.hpp"
#include "patterns/pattern_codes.hpp"
#include "patterns/pattern_tables.hpp"
#include "text/gbk.hpp"

namespace qimen::analysis {
using namespace knowledge;
using namespace patterns;

namespace {

using chart::PalaceCell;

// GBK length of a knowledge text; a text without a GBK form counts as too
// short to quote.
std::size_t bytesOf(std::string_view utf8) {
    try {
        return text::gbkLength(utf8);
    } catch (const text::EncodingError&) {
        return 0;
    }
}

void appendQuoted(std::string& out, std::string_view quote, std::size_t minBytes) {
    if (bytesOf(quote) < minBytes) return;
    out += "◆";
    out += quote;
    out += "\r\n";
}

void appendState(std::string& out, std::string_view stateText, int element, int monthElement) {
    out += "状态：";
    out += stateEntry(stateText, stateIndex(element, monthElement));
    out += "。\r\n";
}

void appendStar(std::string& out, chart::Star star, int monthElement, const TextSource& text) {
    out += "☆";
    out += text(starDescriptionId(star));
    out += "\r\n";
    appendState(out, text(starStateId(star)), kStarElement[star], monthElement);
}

constexpr std::string_view kRelationLines[5] = {
    "生克：门宫比和。\r\n", "生克：宫生门，吉。\r\n", "生克：宫克门，凶。\r\n",
    "生克：门克宫，凶。\r\n", "生克：门生宫，吉。\r\n"};

bool isStem(calendar::StemCode stem) { return stem <= 9; }
bool isWonder(calendar::StemCode stem) { return stem >= 2 && stem <= 4; }  // 乙 丙 丁

}  // namespace

std::string palaceHeading(chart::HomeCode home) {
    std::string heading = "[";
    heading += chart::palaceNameText(home);
    heading += "宫-";
    heading += chart::directionText(home);
    heading += "方]\r\n";
    return heading;
}

void appendPalaceBlock(std::string& out, const chart::ChartRecord& chart, int palace,
                       const PalaceFindings& findings, AnalysisVariant variant, const TextSource& text) {
    const chart::HomeCode home = chart::homeOfPalace(palace);
    const PalaceCell& cell = chart.cells[chart::cellOfPalace(palace)];
    const PalaceCell& centre = chart.cells[chart::kCentreCell];
    // 天禽 travels with 天芮, and 坤 answers for the centre's earth plate.
    const bool carriesCentreStar = cell.star == chart::kStarRui;
    const bool carriesCentreEarth = cell.homeStar == chart::kKunPalace;
    const bool full = variant == AnalysisVariant::Full;
    const int month = chart.monthElement;

    out += palaceHeading(home);

    if (full) {
        out += "◎";
        out += text(doorDescriptionId(cell.door));
        out += "\r\n";
        appendState(out, text(doorStateId(cell.door)), kDoorElement[cell.door], month);
    }

    out += kRelationLines[doorPalaceRelation(cell.door, home)];

    if (full) {
        appendStar(out, cell.star, month, text);
        if (carriesCentreStar) appendStar(out, centre.star, month, text);

        // The grid's own rule for the deity list, so the reading names the
        // deity the grid shows.
        const bool listG = chart::rotatingDeityList(chart.settings.shen, chart.yangDun) == chart::DeityList::G;
        const chart::Deity deity = cell.deity;
        out += "▲";
        out += text(deityDescriptionId(deity, listG));
        out += "\r\n";
        appendState(out, text(deityStateId(deity, listG)),
                    (listG ? kDeityElementG : kDeityElementW)[deity], month);
    }

    // Stem over stem: own/own, own heaven on the centre's earth, the centre's
    // heaven on own earth, centre/centre, as far as the palace carries them.
    struct Pair {
        calendar::StemCode heaven, earth;
        bool allowed;
    };
    const Pair pairs[4] = {{cell.heavenStem, cell.earthStem, true},
                           {cell.heavenStem, centre.earthStem, carriesCentreEarth},
                           {centre.heavenStem, cell.earthStem, carriesCentreStar},
                           {centre.heavenStem, centre.earthStem, carriesCentreStar && carriesCentreEarth}};
    for (const Pair& p : pairs)
        if (p.allowed && isStem(p.heaven) && isStem(p.earth))
            appendQuoted(out, text(stemOverStemId(p.heaven, p.earth)), kStemPairMinBytes);

    const int doorIndex = doorIndexOf(cell.door);
    if (doorIndex != kNoDoorIndex) {
        appendQuoted(out, text(doorOverDoorId(doorIndex, home)), kDoorTextMinBytes);
        if (isStem(cell.earthStem))
            appendQuoted(out, text(doorOverStemId(doorIndex, cell.earthStem)), kDoorTextMinBytes);
        if (palace == chart::kKunPalace && isStem(centre.earthStem))
            appendQuoted(out, text(doorOverStemId(doorIndex, centre.earthStem)), kDoorTextMinBytes);
    }

    if (isWonder(cell.heavenStem)) appendQuoted(out, text(wonderInPalaceId(home, cell.heavenStem)), kWonderMinBytes);
    if (carriesCentreStar && isWonder(centre.heavenStem))
        appendQuoted(out, text(wonderInPalaceId(home, centre.heavenStem)), kWonderMinBytes);

    for (PatternCode code : findings.found()) {
        out += isAuspiciousPattern(code) ? "○" : "●";
        out += patternName(code);
        out += ":";
        std::string_view comment = text(patternCommentId(code));
        if (bytesOf(comment) >= kPatternCommentMinBytes) out += comment;
        out += "\r\n";
    }
}

}  // namespace qimen::analysis

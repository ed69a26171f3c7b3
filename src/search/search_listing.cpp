// Result lines taken apart and the small chart printout of a listing.
#include "search/search_listing.hpp"

#include <cstdio>

#include "calendar/day_arithmetic.hpp"
#include "chart/codes.hpp"
#include "chart/vocabulary.hpp"
#include "render/chart_header.hpp"

namespace qimen::search {
namespace {

constexpr std::string_view kBlank = "　";  // one full-width place

std::optional<int> digitsAt(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

void appendBlanks(std::string& out, int count) {
    for (int i = 0; i < count; ++i) out += kBlank;
}

void appendPillar(std::string& out, calendar::GanZhiCode code) { out += chart::ganZhiText(code); }

// One grid row of three cells: the four text lines of deities, heaven
// plate, doors and earth plate.
void appendGridRow(std::string& out, const chart::ChartRecord& r, int firstCell) {
    const chart::PalaceCell& centre = r.cells[chart::kCentreCell];
    chart::DeityList list = chart::rotatingDeityList(r.settings.shen, r.yangDun);
    for (int line = 0; line < 4; ++line) {
        for (int cell = firstCell; cell < firstCell + 3; ++cell) {
            const chart::PalaceCell& pc = r.cells[static_cast<std::size_t>(cell)];
            out += "│";
            if (cell == chart::kCentreCell) {
                appendBlanks(out, line == 3 ? 5 : 6);
                if (line == 3) out += chart::stemText(centre.heavenStem);
                continue;
            }
            switch (line) {
            case 0:
                out += chart::deityText(list, pc.deity);
                appendBlanks(out, 4);
                break;
            case 1:
                if (pc.star == chart::kStarRui) {
                    out += "芮禽　";
                    out += chart::stemText(pc.heavenStem);
                    out += "┄";
                    out += chart::stemText(centre.heavenStem);
                } else {
                    out += "天";
                    out += chart::starText(pc.star);
                    out += kBlank;
                    out += chart::stemText(pc.heavenStem);
                    appendBlanks(out, 2);
                }
                break;
            case 2:
                out += chart::doorText(pc.door);
                out += "门";
                appendBlanks(out, 4);
                break;
            default:
                out += chart::palaceLabelText(chart::homeOfCell(cell));
                out += kBlank;
                out += chart::stemText(pc.earthStem);
                if (chart::palaceOfCell(cell) == chart::kKunPalace) {
                    out += "┄";
                    out += chart::stemText(centre.earthStem);
                } else {
                    appendBlanks(out, 2);
                }
                break;
            }
        }
        out += "│\r\n";
    }
}

}  // namespace

std::optional<ListedMoment> parseResultLine(std::string_view line) {
    std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    ListedMoment listed;
    listed.number = std::string(line.substr(0, colon));
    std::string_view rest = line.substr(colon + 1);
    if (rest.size() < 16) return std::nullopt;
    auto year = digitsAt(rest, 0, 4);
    auto month = digitsAt(rest, 5, 2);
    auto day = digitsAt(rest, 8, 2);
    auto hour = digitsAt(rest, 11, 2);
    auto minute = digitsAt(rest, 14, 2);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    listed.moment = {static_cast<std::int16_t>(*year), static_cast<std::int16_t>(*month),
                     static_cast<std::int16_t>(*day), static_cast<std::int16_t>(*hour),
                     static_cast<std::int16_t>(*minute)};
    if (*year < 1900 || *year > 2050 || !calendar::isValidDate(listed.moment) || *hour > 23 || *minute > 59)
        return std::nullopt;
    return listed;
}

std::string chartPrintout(const chart::ChartRecord& r) {
    const calendar::CivilDateTime& m = r.clockDate;
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "公历:%d年%d月%d日%d时%d分\r\n", m.year, m.month, m.day, m.hour, m.minute);
    std::string out = buffer;
    out += render::pillarsLineText(r);
    out += r.yangDun ? "※阳" : "※阴";
    out += "遁";
    out += chart::numeralText(r.ju);
    out += "局,";
    out += "旬首:";
    appendPillar(out, r.xunHead);
    out += "(";
    out += chart::stemText(chart::hiddenInstrumentOf(r.xunHead));
    out += ")。\r\n";
    out += "★直符天";
    out += chart::starText(r.leaderStar);
    std::snprintf(buffer, sizeof buffer, "落%d宫,直使", r.leaderStarPalace);
    out += buffer;
    out += chart::doorText(r.leaderDoor);
    std::snprintf(buffer, sizeof buffer, "门落%d宫。\r\n", r.leaderDoorPalace);
    out += buffer;

    out += "┌──────┬──────┬──────┐\r\n";
    appendGridRow(out, r, 0);
    out += "├──────┼──────┼──────┤\r\n";
    appendGridRow(out, r, 3);
    out += "├──────┼──────┼──────┤\r\n";
    appendGridRow(out, r, 6);
    out += "└──────┴──────┴──────┘\r\n\r\n";
    return out;
}

}  // namespace qimen::search

// The custom chart's grid, cell by cell.
#include "customchart/custom_chart_text.hpp"

#include <array>

#include "chart/flying_stars.hpp"
#include "chart/vocabulary.hpp"

namespace qimen::customchart {
namespace {

using chart::ChartRecord;
using chart::PalaceCell;
using custom::CustomClass;

constexpr std::string_view kBlank = "　";
constexpr int kCellWidth = 10;

std::string blanks(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += kBlank;
    return text;
}

// Column of a stem code in the stem groups: 乙..壬 (2..9) in 0..7, 癸 and 甲
// (0, 1) in 8.
std::size_t stemColumn(int stem) { return stem >= 2 ? std::size_t(stem - 2) : 8; }
// Column of a deity, door or palace code in a group that leaves out one code
// (太常 4, the centre 5): the codes above it move down one.
std::size_t columnWithout(int code, int leftOut) { return std::size_t(code > leftOut ? code - 1 : code); }

class CellWriter {
public:
    CellWriter(const ChartRecord& record, const CustomClass& aliases) : record_(record), aliases_(aliases) {}

    std::string deityLine(const PalaceCell& cell) const {
        bool yangAliases = record_.settings.shen != 0 && record_.yangDun;
        const auto& list = yangAliases ? aliases_.yangDeities : aliases_.yinDeities;
        return "│" + alias(list[columnWithout(cell.deity, 4)]) + blanks(8);
    }

    std::string heavenLine(const PalaceCell& cell) const {
        const PalaceCell& centre = record_.cells[chart::kCentreCell];
        if (cell.star == chart::kStarRui) {
            return "│" + starAlias(chart::kStarRui) + starAlias(chart::kStarQin) + std::string(kBlank) +
                   heavenStem(cell.heavenStem) + "┄" + heavenStem(centre.heavenStem);
        }
        return "│" + starAlias(cell.star) + std::string(kBlank) + heavenStem(cell.heavenStem) + blanks(5);
    }

    std::string doorLine(const PalaceCell& cell, int cellIndex) const {
        bool leader = aliases_.useLeaderDoor && cell.door == record_.leaderDoor;
        std::string line =
            "│" + alias(leader ? aliases_.leaderDoor : aliases_.doors[columnWithout(cell.door, chart::kDoorCentre)]);
        if (!record_.settings.jiugong) return line + blanks(8);
        return line + blanks(2) + flyingDigit(cellIndex) + blanks(5);
    }

    std::string earthLine(const PalaceCell& cell, int cellIndex) const {
        const PalaceCell& centre = record_.cells[chart::kCentreCell];
        chart::HomeCode home = chart::homeOfCell(cellIndex);
        std::string line = "│" + alias(aliases_.palaces[columnWithout(home, 5)]) + std::string(kBlank);
        if (home == chart::kKunPalace) return line + earthStem(cell.earthStem) + "┄" + earthStem(centre.earthStem) + blanks(2);
        return line + earthStem(cell.earthStem) + blanks(5);
    }

    std::array<std::string, 4> centreLines() const {
        const PalaceCell& centre = record_.cells[chart::kCentreCell];
        std::array<std::string, 4> lines;
        lines[0] = "│" + blanks(kCellWidth);
        lines[1] = lines[0];
        lines[2] = record_.settings.jiugong ? "│" + blanks(2) + flyingDigit(chart::kCentreCell) + blanks(7) : lines[0];
        lines[3] = "│" + blanks(9) + std::string(chart::stemText(centre.heavenStem));
        return lines;
    }

private:
    static std::string alias(const std::string& text) { return custom::displayAlias(text); }

    std::string starAlias(chart::Star star) const {
        if (aliases_.useLeaderStar && star == record_.leaderStar) return alias(aliases_.leaderStar);
        return alias(aliases_.stars[star]);
    }

    // A stem's alias on one plate, with the day-stem and then the hour-stem
    // replacement when their flags for that plate are on.
    std::string stemAlias(const std::array<std::string, 9>& stems, int stem, bool dayFlag, bool hourFlag) const {
        if (hourFlag && stem == calendar::stemOf(record_.hourGZ)) return alias(aliases_.hourStem);
        if (dayFlag && stem == calendar::stemOf(record_.dayGZ)) return alias(aliases_.dayStem);
        return alias(stems[stemColumn(stem)]);
    }
    std::string heavenStem(int stem) const {
        return stemAlias(aliases_.heavenStems, stem, aliases_.dayStemOnHeaven, aliases_.hourStemOnHeaven);
    }
    std::string earthStem(int stem) const {
        return stemAlias(aliases_.earthStems, stem, aliases_.dayStemOnEarth, aliases_.hourStemOnEarth);
    }

    std::string flyingDigit(int cellIndex) const {
        int value = chart::flyingStarOfCell(cellIndex, record_.flyingStars[6], record_.flyingStars[7]);
        return std::string(chart::fullWidthDigitText(value == 0 ? 9 : value));
    }

    const ChartRecord& record_;
    const CustomClass& aliases_;
};

std::string border(std::string_view left, std::string_view middle, std::string_view right) {
    std::string rule;
    for (int i = 0; i < kCellWidth; ++i) rule += "─";
    return std::string(left) + rule + std::string(middle) + rule + std::string(middle) + rule + std::string(right) + "\r\n";
}

}  // namespace

std::string customChartText(const ChartRecord& record, const CustomClass& aliases) {
    CellWriter writer(record, aliases);
    std::string spacer;
    for (int i = 0; i < 3; ++i) spacer += "│" + blanks(kCellWidth);
    spacer += "│\r\n";

    std::string text = "★" + aliases.name + "★\r\n";
    text += border("┌", "┬", "┐");
    for (int row = 0; row < 3; ++row) {
        std::array<std::string, 4> lines;
        for (int c = row * 3; c < row * 3 + 3; ++c) {
            if (c == chart::kCentreCell) {
                std::array<std::string, 4> centre = writer.centreLines();
                for (std::size_t k = 0; k < 4; ++k) lines[k] += centre[k];
                continue;
            }
            const PalaceCell& cell = record.cells[static_cast<std::size_t>(c)];
            lines[0] += writer.deityLine(cell);
            lines[1] += writer.heavenLine(cell);
            lines[2] += writer.doorLine(cell, c);
            lines[3] += writer.earthLine(cell, c);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += lines[k] + "│\r\n";
            if (k < 3) text += spacer;
        }
        text += row < 2 ? border("├", "┼", "┤") : border("└", "┴", "┘");
    }
    return text;
}

}  // namespace qimen::customchart

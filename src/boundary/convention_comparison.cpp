// Laying both sides of a comparison, comparing them, and the side-by-side
// text.
#include "boundary/convention_comparison.hpp"

#include <algorithm>

#include "calendar/day_arithmetic.hpp"
#include "chart/codes.hpp"
#include "chart/flying_stars.hpp"
#include "chart/hour_chart.hpp"
#include "chart/ju_rules.hpp"
#include "chart/month_general.hpp"
#include "chart/vocabulary.hpp"
#include "render/flying_grid.hpp"
#include "render/rotating_grid.hpp"

namespace qimen::boundary {

using chart::ChartMethod;
using chart::ChartRecord;

namespace {

constexpr std::string_view kBar = "│";
constexpr std::string_view kHeavyBar = "┃";
constexpr std::string_view kGap = "    ";

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find("\r\n", from);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    return lines;
}

// Terminal columns of a UTF-8 text: two for every character outside ASCII
// (all of them full-width here), one for ASCII.
std::size_t columnsOf(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        columns += length == 1 ? 1 : 2;
        i += length;
    }
    return columns;
}

std::size_t codePointsOf(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// The text of a line's cells: the pieces between its vertical bars.
std::vector<std::string> cellsOfLine(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t at = line.find(kBar);
    while (at != std::string::npos) {
        std::size_t next = line.find(kBar, at + kBar.size());
        if (next == std::string::npos) break;
        cells.push_back(line.substr(at + kBar.size(), next - at - kBar.size()));
        at = next;
    }
    return cells;
}

// The grid lines that hold cell content, grouped by palace row (0..2).
std::array<std::vector<std::string>, 3> rowsOf(const std::vector<std::string>& gridLines) {
    std::array<std::vector<std::string>, 3> rows;
    int row = -1;
    for (const std::string& line : gridLines) {
        if (line.rfind("┌", 0) == 0 || line.rfind("├", 0) == 0) ++row;
        else if (line.rfind(kBar, 0) == 0 && row >= 0 && row < 3) rows[static_cast<std::size_t>(row)].push_back(line);
    }
    return rows;
}

// Each grid cell's text, its lines joined.
std::array<std::string, 9> cellTexts(const std::vector<std::string>& gridLines) {
    std::array<std::string, 9> texts;
    auto rows = rowsOf(gridLines);
    for (std::size_t r = 0; r < 3; ++r)
        for (const std::string& line : rows[r]) {
            auto cells = cellsOfLine(line);
            for (std::size_t c = 0; c < cells.size() && c < 3; ++c) texts[r * 3 + c] += cells[c] + "\n";
        }
    return texts;
}

// The grid with the bars around the differing cells drawn heavy.
std::vector<std::string> markedGrid(const std::vector<std::string>& gridLines, const std::array<bool, 9>& differs) {
    std::vector<std::string> marked;
    int row = -1;
    for (const std::string& line : gridLines) {
        if (line.rfind("┌", 0) == 0 || line.rfind("├", 0) == 0) ++row;
        if (line.rfind(kBar, 0) != 0 || row < 0 || row > 2) {
            marked.push_back(line);
            continue;
        }
        std::string out;
        std::size_t bar = 0;
        for (std::size_t at = 0; at < line.size();) {
            if (line.compare(at, kBar.size(), kBar) == 0) {
                auto cell = [&](std::size_t column) { return differs[static_cast<std::size_t>(row) * 3 + column]; };
                bool heavy = (bar < 3 && cell(bar)) || (bar > 0 && bar <= 3 && cell(bar - 1));
                out += heavy ? kHeavyBar : kBar;
                ++bar;
                at += kBar.size();
            } else {
                out += line[at++];
            }
        }
        marked.push_back(out);
    }
    return marked;
}

std::vector<std::string> summaryOf(const ChartRecord& r) {
    std::string pillars = chart::ganZhiText(r.yearGZ) + "年 " + chart::ganZhiText(r.monthGZ) + "月 " +
                          chart::ganZhiText(r.dayGZ) + "日 " + chart::ganZhiText(r.hourGZ) + "时";
    std::string dun = std::string(r.yangDun ? "阳遁" : "阴遁") + std::string(chart::numeralText(r.ju)) + "局 旬首" +
                      chart::ganZhiText(r.xunHead) + " 月将" + std::string(chart::branchText(r.monthGeneral));
    std::string leaders = "值符天" + std::string(chart::starText(r.leaderStar)) + "落" +
                          std::to_string(r.leaderStarPalace) + "宫 值使" + std::string(chart::doorText(r.leaderDoor)) +
                          "门落" + std::to_string(r.leaderDoorPalace) + "宫";
    return {pillars, dun, leaders};
}

Expected<ConventionSide> laySide(const chart::ChartRequest& request, const ChartRecord& charted,
                                 chart::Convention convention, int choice) {
    ConventionSide side;
    side.choice = choice;
    side.title = std::string(chart::conventionInfo(convention).choices[static_cast<std::size_t>(choice)]);
    ChartRecord& r = side.record;
    r = charted;
    r.settings = chart::withConventionChoice(charted.settings, convention, choice);
    r.clockJulianDay = calendar::julianDay(r.clockDate);
    chart::computePillars(r);
    if (r.settings.jiugong) chart::computeFlyingStars(r);
    if (request.method == ChartMethod::GivenJuHour) {
        chart::DunJu given = chart::givenDunJu(request.givenJu);
        r.yangDun = given.yangDun;
        r.ju = given.ju;
    } else if (r.settings.ju == 0) {
        chart::splitComplementJu(r);
    } else if (r.clockDate.year < chart::kIntercalationFirstYear || r.clockDate.year > chart::kIntercalationLastYear ||
               !chart::intercalationJu(r)) {
        return fail(chart::kIntercalationYearsMessage);
    }
    chart::layHourChart(r);
    r.monthGeneral = chart::monthGeneralOfChart(r);
    r.chartText.clear();
    if (r.settings.pan != 0)
        render::appendFlyingGrid(r);
    else
        render::appendRotatingGrid(r);
    side.gridLines = splitLines(r.chartText);
    side.numbers = numbersOf(r, request.method);
    side.summary = summaryOf(r);
    return side;
}

}  // namespace

bool ConventionComparison::identical() const {
    return differingItems.empty() && std::none_of(cellDiffers.begin(), cellDiffers.end(), [](bool d) { return d; });
}

Expected<ConventionComparison> compareConventions(const chart::ChartRequest& request, const ChartRecord& charted,
                                                  chart::Convention convention) {
    if (request.method != ChartMethod::Hour && request.method != ChartMethod::GivenJuHour)
        return fail(kCompareHourChartsOnlyMessage);
    if (request.method == ChartMethod::GivenJuHour && convention == chart::Convention::Ju)
        return fail(kCompareGivenJuMessage);
    ConventionComparison result;
    result.convention = convention;
    for (int choice = 0; choice < 2; ++choice) {
        Expected<ConventionSide> side = laySide(request, charted, convention, choice);
        if (!side) return fail(side.message());
        result.sides[static_cast<std::size_t>(choice)] = std::move(*side);
    }
    const ConventionSide& a = result.sides[0];
    const ConventionSide& b = result.sides[1];
    const bool sameShape = a.record.settings.pan == b.record.settings.pan;
    auto textsA = cellTexts(a.gridLines);
    auto textsB = cellTexts(b.gridLines);
    for (std::size_t c = 0; c < 9; ++c)
        result.cellDiffers[c] = !(a.record.cells[c] == b.record.cells[c]) || (sameShape && textsA[c] != textsB[c]);

    const ChartRecord& x = a.record;
    const ChartRecord& y = b.record;
    auto item = [&](bool differs, const char* name) {
        if (differs) result.differingItems.emplace_back(name);
    };
    item(x.yearGZ != y.yearGZ, "年柱");
    item(x.monthGZ != y.monthGZ, "月柱");
    item(x.dayGZ != y.dayGZ, "日柱");
    item(x.hourGZ != y.hourGZ, "时柱");
    item(x.yangDun != y.yangDun || x.ju != y.ju, "局数");
    item(x.leaderStar != y.leaderStar || x.leaderStarPalace != y.leaderStarPalace, "值符");
    item(x.leaderDoor != y.leaderDoor || x.leaderDoorPalace != y.leaderDoorPalace, "值使");
    item(x.monthGeneral != y.monthGeneral, "月将");
    return result;
}

std::string sideBySideText(const ConventionComparison& comparison) {
    const ConventionSide& a = comparison.sides[0];
    const ConventionSide& b = comparison.sides[1];
    std::vector<std::string> left{a.title};
    std::vector<std::string> right{b.title};
    left.insert(left.end(), a.summary.begin(), a.summary.end());
    right.insert(right.end(), b.summary.begin(), b.summary.end());
    auto leftGrid = markedGrid(a.gridLines, comparison.cellDiffers);
    auto rightGrid = markedGrid(b.gridLines, comparison.cellDiffers);
    left.insert(left.end(), leftGrid.begin(), leftGrid.end());
    right.insert(right.end(), rightGrid.begin(), rightGrid.end());

    std::size_t width = 0;
    for (const std::string& line : left) width = std::max(width, columnsOf(line));
    std::string text;
    for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
        std::string l = i < left.size() ? left[i] : "";
        std::string r = i < right.size() ? right[i] : "";
        std::string line = l;
        if (!r.empty()) line += std::string(width - columnsOf(l), ' ') + std::string(kGap) + r;
        text += line + "\n";
    }
    return text + differencesText(comparison) + "\n";
}

std::string differencesText(const ConventionComparison& comparison) {
    if (comparison.identical()) return kIdenticalMessage;
    std::string differences;
    for (std::size_t c = 0; c < 9; ++c) {
        if (!comparison.cellDiffers[c]) continue;
        int palace = chart::palaceOfCell(static_cast<int>(c));
        if (!differences.empty()) differences += "、";
        differences += std::string(chart::palaceNameText(chart::homeOfPalace(palace))) + std::to_string(palace) + "宫";
    }
    for (const std::string& name : comparison.differingItems) {
        if (!differences.empty()) differences += "、";
        differences += name;
    }
    return "不同：" + differences;
}

render::StyledText sideStyledText(const ConventionComparison& comparison, int side) {
    const ConventionSide& s = comparison.sides[side == 0 ? 0 : 1];
    render::StyledText styled;
    std::size_t chars = 0;  // code points of styled.text so far
    auto append = [&](const std::string& line) {
        styled.text += line + "\r\n";
        chars += codePointsOf(line) + 2;
    };
    auto mark = [&](std::size_t start, std::size_t length, std::size_t charStart, bool red) {
        render::StyledRange range;
        range.start = start;
        range.length = length;
        range.charStart = charStart;
        range.charLength = codePointsOf(std::string_view(styled.text).substr(start, length));
        if (red) range.colour = render::kRed;
        range.bold = true;
        styled.ranges.push_back(range);
    };
    append(s.title);
    mark(0, s.title.size(), 0, false);
    for (const std::string& line : s.summary) append(line);
    int row = -1;
    for (const std::string& line : s.gridLines) {
        if (line.rfind("┌", 0) == 0 || line.rfind("├", 0) == 0) ++row;
        const std::size_t lineStart = styled.text.size();
        const std::size_t lineChars = chars;
        append(line);
        if (line.rfind(kBar, 0) != 0 || row < 0 || row > 2) continue;
        std::size_t at = 0;
        for (std::size_t column = 0; column < 3; ++column) {
            std::size_t next = line.find(kBar, at + kBar.size());
            if (next == std::string::npos) break;
            std::size_t from = at + kBar.size();
            if (comparison.cellDiffers[static_cast<std::size_t>(row) * 3 + column])
                mark(lineStart + from, next - from, lineChars + codePointsOf(std::string_view(line).substr(0, from)),
                     true);
            at = next;
        }
    }
    return styled;
}

}  // namespace qimen::boundary

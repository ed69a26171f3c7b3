// Rotating-plate, month and year grids.
#include "render/rotating_grid.hpp"

#include <array>

#include "chart/vocabulary.hpp"
#include "render/grid_frame.hpp"

namespace qimen::render {
namespace {

using chart::ChartRecord;
using chart::PalaceCell;

enum class GridKind { Hour, Month, Year };

constexpr std::string_view kBlank = "　";

std::string deityLine(const ChartRecord& record, const PalaceCell& cell, GridKind kind) {
    std::string line(chart::deityText(chart::rotatingDeityList(record.settings.shen, record.yangDun), cell.deity));
    if (kind != GridKind::Hour) return line + "　　　　";
    line += (cell.voidFirst != 0 || cell.voidSecond != 0) ? "○" : "　";
    line += (cell.horseFirst != 0 || cell.horseSecond != 0) ? "◇" : "　";
    if (!hiddenStemsOn(record.settings)) return line + "　　";
    if (cell.hiddenStem2 > 9) {
        line += kBlank;
        line += chart::stemText(cell.hiddenStem);
    } else {
        line += chart::stemText(cell.hiddenStem);
        line += chart::stemText(cell.hiddenStem2);
    }
    return line;
}

std::string starLine(const ChartRecord& record, const PalaceCell& cell) {
    const PalaceCell& centre = record.cells[chart::kCentreCell];
    std::string line;
    if (cell.star == chart::kStarRui) {
        line = "芮禽　";
        line += chart::stemText(cell.heavenStem);
        line += "┄";
        line += chart::stemText(centre.heavenStem);
    } else {
        line = "天";
        line += chart::starText(cell.star);
        line += "　";
        line += chart::stemText(cell.heavenStem);
        line += "　　";
    }
    return line;
}

std::string doorLine(const ChartRecord& record, const PalaceCell& cell, int cellIndex, FlyingPillar pillar) {
    std::string line(chart::doorText(cell.door));
    line += "门";
    if (!record.settings.jiugong) return line + "　　　　";
    line += "　　";
    line += flyingDigitOfCell(record, pillar, cellIndex);
    line += "　";
    return line;
}

std::string labelLine(const ChartRecord& record, const PalaceCell& cell, int cellIndex) {
    const PalaceCell& centre = record.cells[chart::kCentreCell];
    std::string line(chart::palaceLabelText(chart::homeOfCell(cellIndex)));
    line += "　";
    line += chart::stemText(cell.earthStem);
    if (cell.homeStar == chart::kKunPalace) {
        line += "┄";
        line += chart::stemText(centre.earthStem);
    } else {
        line += "　　";
    }
    return line;
}

std::array<std::string, 4> centreLines(const ChartRecord& record, GridKind kind, FlyingPillar pillar,
                                       const chart::YuanOfChart& yuan) {
    static constexpr std::array<std::string_view, 3> kYuanText = {"　上元", "　中元", "　下元"};
    const PalaceCell& centre = record.cells[chart::kCentreCell];
    std::array<std::string, 4> lines;
    switch (kind) {
    case GridKind::Hour:
        lines[0] = "　　　　　";
        lines[0] += hiddenStemsOn(record.settings) ? chart::stemText(centre.hiddenStem) : kBlank;
        lines[1] = "　　　　　　";
        break;
    case GridKind::Month:
    case GridKind::Year: {
        if (kind == GridKind::Month) {
            lines[0] = chart::ganZhiText(record.yearGZ) + "年" + chart::ganZhiText(record.monthGZ) + "月";
        } else {
            lines[0] = "　　　　　　";
        }
        lines[1] = kYuanText[static_cast<std::size_t>(calendar::positiveMod(yuan.yuan, 3))];
        lines[1] += chart::ganZhiText(kind == GridKind::Month ? yuan.startYear : record.yearGZ);
        lines[1] += "　";
        break;
    }
    }
    if (record.settings.jiugong) {
        lines[2] = "　　";
        lines[2] += flyingDigitOfCell(record, pillar, chart::kCentreCell);
        lines[2] += "　　　";
    } else {
        lines[2] = "　　　　　　";
    }
    lines[3] = "　　　　　";
    lines[3] += chart::stemText(centre.heavenStem);
    return lines;
}

void appendGrid(ChartRecord& record, GridKind kind, FlyingPillar pillar, const chart::YuanOfChart& yuan) {
    GridPicture picture;
    picture.width = 6;
    picture.lineCount = 4;
    for (int c = 0; c < 9; ++c) {
        auto& lines = picture.lines[static_cast<std::size_t>(c)];
        if (c == chart::kCentreCell) {
            lines = centreLines(record, kind, pillar, yuan);
            continue;
        }
        const PalaceCell& cell = record.cells[static_cast<std::size_t>(c)];
        lines[0] = deityLine(record, cell, kind);
        lines[1] = starLine(record, cell);
        lines[2] = doorLine(record, cell, c, pillar);
        lines[3] = labelLine(record, cell, c);
    }
    appendFramedGrid(record.chartText, picture);
}

}  // namespace

void appendRotatingGrid(ChartRecord& record) { appendGrid(record, GridKind::Hour, FlyingPillar::Hour, {}); }

void appendMonthGrid(ChartRecord& record, const chart::YuanOfChart& yuan) {
    appendGrid(record, GridKind::Month, FlyingPillar::Month, yuan);
}

void appendYearGrid(ChartRecord& record, const chart::YuanOfChart& yuan) {
    appendGrid(record, GridKind::Year, FlyingPillar::Year, yuan);
}

}  // namespace qimen::render

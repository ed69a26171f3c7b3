// Day grid and small-chart grid.
#include "render/display_grids.hpp"

#include "chart/display_layouts.hpp"
#include "chart/vocabulary.hpp"
#include "render/chart_header.hpp"
#include "render/grid_frame.hpp"

namespace qimen::render {
namespace {

// A spirit and an officer "青龙　建" of one slot; an empty slot prints blanks.
std::string slotText(const chart::SmallChartLayout& layout, int cell, int slot) {
    auto c = static_cast<std::size_t>(cell);
    auto s = static_cast<std::size_t>(slot);
    if (layout.spirit[c][s] == chart::kNoName || layout.officer[c][s] == chart::kNoName) return "　　　　";
    std::string text(chart::smallSpiritText(layout.spirit[c][s]));
    text += "　";
    text += chart::officerText(layout.officer[c][s]);
    return text;
}

}  // namespace

void appendDayGrid(chart::ChartRecord& record) {
    bool yangHalf = chart::dayChartYangHalf(record.computeDate.year, record.clockJulianDay);
    chart::DayChartLayout layout = chart::layDayChart(record.dayGZ, yangHalf);
    bool digits = record.settings.jiugong;
    GridPicture picture;
    picture.width = 4;
    picture.lineCount = 3;
    for (int c = 0; c < 9; ++c) {
        auto& lines = picture.lines[static_cast<std::size_t>(c)];
        std::string_view spirit = chart::daySpiritText(layout.spiritOfCell[static_cast<std::size_t>(c)]);
        if (c == chart::kCentreCell) {
            lines[0] = layout.yangHalf ? "阳" : "阴";
            lines[0] += chart::ganZhiText(record.dayGZ) + "日";
            if (digits) {
                lines[1] = std::string(spirit) + "　";
                lines[1] += flyingDigitOfCell(record, FlyingPillar::Day, c);
            } else {
                lines[1] = "　" + std::string(spirit) + "　";
            }
            lines[2] = "　　　　";
            continue;
        }
        std::string_view door = chart::doorText(layout.doorOfCell[static_cast<std::size_t>(c)]);
        lines[0] = "　" + std::string(spirit) + "　";
        if (digits) {
            lines[1] = std::string(door) + "门　";
            lines[1] += flyingDigitOfCell(record, FlyingPillar::Day, c);
        } else {
            lines[1] = "　" + std::string(door) + "门　";
        }
        lines[2] = "　" + std::string(chart::palaceLabelText(chart::homeOfCell(c))) + "　";
    }
    appendFramedGrid(record.chartText, picture);
    appendDayAlmanac(record);
}

void appendSmallChartGrid(chart::ChartRecord& record) {
    chart::SmallChartLayout layout = chart::laySmallChart(calendar::branchOf(record.hourGZ));
    GridPicture picture;
    picture.width = 4;
    picture.lineCount = 3;
    for (int c = 0; c < 9; ++c) {
        auto& lines = picture.lines[static_cast<std::size_t>(c)];
        if (c == chart::kCentreCell) {
            lines[0] = "　　　　";
            lines[1] = "　";
            lines[1] += chart::stemText(layout.stemOfCell[chart::kCentreCell]);
            lines[1] += chart::stemText(layout.centreSecondStem);
            lines[1] += "　";
            lines[2] = "　　　　";
            continue;
        }
        bool corner = c == 0 || c == 2 || c == 6 || c == 8;
        lines[0] = slotText(layout, c, 0);
        lines[1] = corner ? slotText(layout, c, 1) : "　　　　";
        lines[2] = std::string(chart::doorText(layout.doorOfCell[static_cast<std::size_t>(c)])) + "门　";
        lines[2] += chart::stemText(layout.stemOfCell[static_cast<std::size_t>(c)]);
    }
    appendFramedGrid(record.chartText, picture);
}

}  // namespace qimen::render

// The flying-palace hour grid.
#include "render/flying_grid.hpp"

#include "chart/vocabulary.hpp"
#include "render/grid_frame.hpp"

namespace qimen::render {

void appendFlyingGrid(chart::ChartRecord& record) {
    chart::DeityList list = chart::flyingDeityList(record.yangDun);
    GridPicture picture;
    picture.width = 5;
    picture.lineCount = 3;
    for (int c = 0; c < 9; ++c) {
        const chart::PalaceCell& cell = record.cells[static_cast<std::size_t>(c)];
        auto& lines = picture.lines[static_cast<std::size_t>(c)];
        lines[0] = std::string(chart::deityText(list, cell.deity)) + "　";
        lines[0] += chart::starText(cell.star);
        lines[0] += "　";
        lines[0] += chart::stemText(cell.heavenStem);
        lines[1] = "　　";
        lines[1] += chart::doorText(cell.door);
        if (record.settings.jiugong) {
            lines[1] += "　";
            lines[1] += flyingDigitOfCell(record, FlyingPillar::Hour, c);
        } else {
            lines[1] += "门　";
        }
        lines[2] = std::string(chart::deityText(list, cell.earthDeity)) + "　";
        lines[2] += chart::palaceNameText(chart::homeOfCell(c));
        lines[2] += "　";
        lines[2] += chart::stemText(cell.earthStem);
    }
    appendFramedGrid(record.chartText, picture);
}

}  // namespace qimen::render

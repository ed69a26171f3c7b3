// Resetting the computed part of a chart record, and clipping request texts
// to their GBK byte limits.
#include "chart/chart_record.hpp"

#include "text/gbk.hpp"

namespace qimen::chart {

std::string clipToGbkBytes(std::string_view utf8, std::size_t maxBytes) {
    std::size_t used = 0;
    std::size_t end = 0;
    while (end < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[end]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (end + length > utf8.size()) break;
        std::string_view character = utf8.substr(end, length);
        if (!text::isGbkEncodable(character)) break;
        std::size_t bytes = text::gbkLength(character);
        if (used + bytes > maxBytes) break;
        used += bytes;
        end += length;
    }
    return std::string(utf8.substr(0, end));
}

void resetComputedFields(ChartRecord& record) {
    record.yearGZ = record.monthGZ = record.dayGZ = record.hourGZ = 0;
    record.monthElement = 0;
    record.xunHead = 0;
    record.yangDun = false;
    record.ju = 0;
    record.leaderStar = record.leaderDoor = 0;
    record.leaderStarPalace = record.leaderDoorPalace = 0;
    record.cells = {};
    record.monthGeneral = 0;
    record.plateEcho = 0;
    record.centerHiddenStem = 0;
}

}  // namespace qimen::chart

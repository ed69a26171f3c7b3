// Writes the lunar tables into the directory named by the first argument
// (data/calendar): lunar_from_solar.inc, solar_from_lunar.inc,
// lunar_leap_months.inc and disputed_lunar_months.inc. With --report, also
// lists on standard output the month starts moved by Beijing local mean time
// in 1912..1928 and the new moons
// within five minutes of midnight.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "calendar/day_arithmetic.hpp"
#include "lunar_tables_generator.hpp"

namespace {

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::string dateText(int dayCount) {
    auto d = qimen::calendar::dateFromJulianDay(dayCount + 1721425.0);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d", d.year, d.month, d.day);
    return buffer;
}

}  // namespace

int main(int argc, char** argv) {
    bool report = argc == 3 && std::strcmp(argv[2], "--report") == 0;
    if (argc != 2 && !report) {
        std::fprintf(stderr, "usage: gen_lunar_tables DATA_CALENDAR_DIR [--report]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const qimen::gen::LunarTableTexts texts = qimen::gen::generateLunarTables();
    if (!writeFile(dir + "/lunar_from_solar.inc", texts.lunarFromSolar) ||
        !writeFile(dir + "/solar_from_lunar.inc", texts.solarFromLunar) ||
        !writeFile(dir + "/lunar_leap_months.inc", texts.leapMonths) ||
        !writeFile(dir + "/disputed_lunar_months.inc", texts.disputedMonths))
        return 1;
    if (report) {
        const auto events = qimen::gen::computeAstronomicalEvents();
        for (const auto& m : qimen::gen::lmtMovedMonths(events))
            std::printf("moved by local mean time: lunar %d month %d%s begins %s\n", m.year, m.month,
                        m.leap ? " (leap)" : "", dateText(m.start).c_str());
        for (const auto& tt : events.newMoons) {
            auto e = qimen::gen::civilDayOf(tt, true);
            if (e.secondsFromMidnight < 300)
                std::printf("new moon %.0f s from midnight: %s\n", e.secondsFromMidnight, dateText(e.day).c_str());
        }
    }
    return 0;
}

// The second 御定奇门宝鉴 text: the twenty matters and their fitting into
// the store's limit.
#include "topic_readings.hpp"

#include "matters.hpp"
#include "text/gbk.hpp"

namespace qimen::gen {

namespace {

using ReadMatter = std::string (*)(const Reader&, int);

constexpr std::array<ReadMatter, 20> kMatters = {
    readMilitary, readTravel,   readDwelling, readGrave,     readAffairs,     readFeint,    readSiege,
    readDefence,  readWeather,  readTerrain,  readHousehold, readOffice,      readExamination,
    readWealth,   readMarriage, readBirth,    readIllness,   readLostThing,   readLetters,  readCrows};

std::string line(int topic, const std::string& reading) {
    return std::string(kTopicHeadings[static_cast<std::size_t>(topic)]) + "：" + reading;
}

}  // namespace

std::string topicReading(const BaojianChart& chart, int topic, int detail) {
    if (topic < 0 || topic >= 20) return {};
    return kMatters[static_cast<std::size_t>(topic)](Reader(chart), detail);
}

std::string composeTopicReadings(const BaojianChart& chart) {
    std::array<int, 20> detail;
    detail.fill(2);
    std::array<std::string, 20> lines;
    std::size_t total = 0;
    for (int t = 0; t < 20; ++t) {
        lines[t] = line(t, topicReading(chart, t, 2));
        total += text::gbkLength(lines[t]) + 2;
    }
    total -= 2;  // no break after the last line
    while (total > kReadingsMaxBytes) {
        int longest = -1;
        std::size_t longestBytes = 0;
        for (int t = 0; t < 20; ++t) {
            std::size_t bytes = text::gbkLength(lines[t]);
            if (detail[t] > 0 && bytes > longestBytes) longest = t, longestBytes = bytes;
        }
        if (longest < 0) break;  // every reading at its shortest; the test reports the length
        lines[longest] = line(longest, topicReading(chart, longest, --detail[longest]));
        total = total - longestBytes + text::gbkLength(lines[longest]);
    }
    std::string text;
    for (int t = 0; t < 20; ++t) {
        if (t) text += "\r\n";
        text += lines[t];
    }
    return text;
}

}  // namespace qimen::gen

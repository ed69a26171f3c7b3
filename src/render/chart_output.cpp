// Output formatting: landmarks of each method.
#include "render/chart_output.hpp"

#include <array>
#include <string>

#include "chart/vocabulary.hpp"
#include "render/closing_text.hpp"
#include "render/gbk_positions.hpp"
#include "text/gbk.hpp"

namespace qimen::render {
namespace {

using chart::ChartMethod;
using chart::ChartRecord;

// Where the header's first landmark search starts: past the title, the
// matter and the asker's name, so a "※" typed in the matter is not taken
// for the dun line.
constexpr std::size_t kHeaderSearchStart = 90;
constexpr int kAnalysisSizeDelta = -2;

class Marker {
public:
    Marker(std::string_view text, std::vector<StyledRange>& out) : positions_(text), out_(out) {}

    std::optional<std::size_t> find(std::string_view needle, std::size_t from) const {
        return positions_.find(needle, from);
    }

    void mark(std::size_t start, std::size_t length, std::optional<std::uint32_t> colour, bool bold = false,
              int sizeDelta = 0) {
        StyledRange range = positions_.select(start, length);
        if (range.length == 0) return;
        range.colour = colour;
        range.bold = bold;
        range.sizeDelta = sizeDelta;
        out_.push_back(range);
    }

    // Searches `needle` from `from` and colours `length` bytes at the match
    // (the needle's own length when length is 0). Returns the match.
    std::optional<std::size_t> colourMatch(std::string_view needle, std::size_t from, std::size_t length,
                                           std::uint32_t colour, bool bold = false) {
        std::optional<std::size_t> at = find(needle, from);
        if (at) mark(*at, length != 0 ? length : text::gbkLength(needle), colour, bold);
        return at;
    }

    std::size_t size() const { return positions_.gbkSize(); }

private:
    GbkPositions positions_;
    std::vector<StyledRange>& out_;
};

struct HeaderRules {
    std::size_t dunLineBytes;     // bytes coloured blue from the first ※ (the dun line)
    std::size_t leaderLineBytes;  // bytes coloured red from the ★ after it (the leader line)
    std::size_t leaderSkip;       // the leader's names are searched from p2 + this
    std::size_t doorBytes;        // bytes coloured red at the leader door (0: its name)
    bool analysis;                // the analysis: smaller, its ※ bold red, palace headings blue
    bool quotation;               // the 御定奇门宝鉴 heading blue
};

// Leader star as the grid prints it: 天 and the star, 芮 and 禽 as the star
// alone (they stand as "芮禽" in the grid); the yin-plate grid prints the
// star alone and shows 禽 as 芮.
std::string leaderStarText(const ChartRecord& record, LandmarkRules rules) {
    bool ruiOrQin = record.leaderStar == chart::kStarRui || record.leaderStar == chart::kStarQin;
    switch (rules) {
    case LandmarkRules::YinPlate:
        return std::string(ruiOrQin ? chart::starText(chart::kStarRui) : chart::starText(record.leaderStar));
    case LandmarkRules::FlyingHour: return std::string(chart::starText(record.leaderStar));
    default:
        return ruiOrQin ? std::string(chart::starText(record.leaderStar))
                        : "天" + std::string(chart::starText(record.leaderStar));
    }
}

std::string leaderDoorText(const ChartRecord& record, LandmarkRules rules) {
    std::string text(chart::doorText(record.leaderDoor));
    if (rules != LandmarkRules::YinPlate) text += "门";
    return text;
}

void markHeaderAndAnalysis(Marker& marker, const ChartRecord& record, LandmarkRules rules, const HeaderRules& r) {
    std::size_t p1 = marker.colourMatch("※", kHeaderSearchStart, r.dunLineBytes, kBlue).value_or(kHeaderSearchStart);
    std::size_t p2 = marker.colourMatch("★", p1, r.leaderLineBytes, kRed).value_or(p1);
    marker.colourMatch(leaderStarText(record, rules), p2 + r.leaderSkip, 0, kRed);
    std::size_t p3 = marker.colourMatch(leaderDoorText(record, rules), p2 + r.leaderSkip, r.doorBytes, kRed).value_or(p2);
    if (!r.analysis) return;

    std::optional<std::size_t> p4 = marker.find("※", p3);
    if (p4) {
        marker.mark(*p4, marker.size() - *p4, std::nullopt, false, kAnalysisSizeDelta);
        marker.mark(*p4, 2, kRed, true);
    }
    std::size_t cursor = p4.value_or(p3);
    for (int palace : {1, 2, 3, 4, 6, 7, 8, 9}) {
        int home = chart::homeOfPalace(palace);
        std::string heading = "[" + std::string(chart::palaceNameText(home)) + "宫-" +
                              std::string(chart::directionText(home)) + "方]\r\n";
        cursor = marker.colourMatch(heading, cursor, 0, kBlue, true).value_or(cursor);
    }
    if (r.quotation) marker.colourMatch("御定奇门宝鉴：", cursor, 0, kBlue, true);
    // The judgement of the matter asked, present only when the run asked for
    // it: its heading as the quotation's.
    marker.colourMatch("本盘断语：", cursor, 0, kBlue, true);
}

void markWords(Marker& marker, std::initializer_list<std::string_view> words, bool fourBytes) {
    std::size_t p1 = marker.find("┌", kHeaderSearchStart).value_or(kHeaderSearchStart);
    for (std::string_view word : words) marker.colourMatch(word, p1, fourBytes ? 4 : 0, kRed);
}

}  // namespace

LandmarkRules landmarkRulesOf(const ChartRecord& record) {
    switch (record.method) {
    case ChartMethod::Day: return LandmarkRules::Day;
    case ChartMethod::Month: return LandmarkRules::Month;
    case ChartMethod::Year: return LandmarkRules::Year;
    case ChartMethod::SmallFlying: return LandmarkRules::SmallChart;
    case ChartMethod::YinPlate: return LandmarkRules::YinPlate;
    default: return record.settings.pan != 0 ? LandmarkRules::FlyingHour : LandmarkRules::RotatingHour;
    }
}

std::vector<StyledRange> landmarkRanges(const ChartRecord& record, LandmarkRules rules, std::string_view text) {
    std::vector<StyledRange> ranges;
    Marker marker(text, ranges);
    switch (rules) {
    case LandmarkRules::RotatingHour:
        markHeaderAndAnalysis(marker, record, rules, {35, 31, 40, 4, true, true});
        break;
    case LandmarkRules::YinPlate:
        markHeaderAndAnalysis(marker, record, rules, {35, 31, 40, 2, true, true});
        break;
    case LandmarkRules::FlyingHour:
        markHeaderAndAnalysis(marker, record, rules, {26, 32, 32, 4, false, false});
        break;
    case LandmarkRules::Month:
    case LandmarkRules::Year:
        markHeaderAndAnalysis(marker, record, rules, {26, 31, 0, 4, true, false});
        break;
    case LandmarkRules::Day: markWords(marker, {"太乙", "天乙", "生门", "开门"}, true); break;
    case LandmarkRules::SmallChart: markWords(marker, {"成", "收", "生门", "开门", "金匮", "天德"}, false); break;
    }
    return ranges;
}

std::optional<StyledText> formatChartOutput(ChartRecord& record, const std::filesystem::path& dataRoot) {
    if (!record.writeOutput) return std::nullopt;
    if (record.settings.endinfo) appendClosingText(record, dataRoot);
    StyledText styled;
    styled.text = std::move(record.chartText);
    record.chartText.clear();
    styled.indent = record.settings.ileft;
    styled.ranges = landmarkRanges(record, landmarkRulesOf(record), styled.text);
    return styled;
}

}  // namespace qimen::render

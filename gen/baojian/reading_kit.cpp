// Weighing a palace for a matter and naming what decided it.
#include "reading_kit.hpp"

#include <algorithm>

#include "chart/vocabulary.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::gen {

using namespace piece;

bool isWonder(calendar::StemCode stem) { return stem == kYi || stem == kBing || stem == kDing; }
bool isEchoPattern(patterns::PatternCode code) {
    return code >= patterns::pattern::kJiuXingFuYin && code <= patterns::pattern::kZhiFuFanYin;
}
bool isGoodDoor(chart::Door door) { return door == kXiu || door == kKai || door == kSheng; }
bool isBadDoor(chart::Door door) { return door == kSi || door == kShang || door == kJingFear || door == kDu; }

std::string Reader::door(int g) const { return std::string(chart::doorText(cell(g).door)) + "门"; }
std::string Reader::star(int g) const { return "天" + std::string(chart::starText(cell(g).star)); }
std::string Reader::deity(int g) const { return std::string(chart::deityText(chart::DeityList::W, cell(g).deity)); }
std::string Reader::heaven(int g) const { return std::string(chart::stemText(cell(g).heavenStem)); }
std::string Reader::earth(int g) const { return std::string(chart::stemText(cell(g).earthStem)); }

namespace {

// The door-palace relation read by the door's nature (see DoorUse).
Note relationNote(chart::Door door, int relation) {
    if (isBadDoor(door)) {
        switch (relation) {
        case 1: return {-1, false, "凶门得生"};
        case 2: return {1, false, "凶门受制"};
        case 3: return {-1, false, "门迫"};
        default: return {};
        }
    }
    switch (relation) {
    case 0: return {1, false, "门宫比和"};
    case 1: return {1, false, "宫生门"};
    case 2: return {-1, false, "受宫克"};
    case 3: return {-1, false, "门迫"};
    default: return {};
    }
}

}  // namespace

std::vector<Note> Reader::notes(int g, DoorUse use, bool skipStar, bool skipDeity) const {
    std::vector<Note> out;
    if (g == chart::kCentreCell) return out;
    const auto& pc = cell(g);
    const auto& found = c.found(g);
    if (isWonder(pc.heavenStem)) {
        if (found.contains(patterns::pattern::kSanQiRuMu))
            out.push_back({-2, true, heaven(g) + "奇入墓"});
        else
            out.push_back({2, true, "得" + heaven(g) + "奇"});
    } else if (pc.heavenStem == kGeng) {
        out.push_back({-2, true, "逢庚"});
    }
    for (auto code : found.found())
        if (patterns::isAuspiciousPattern(code)) {
            out.push_back({2, true, "会" + std::string(patterns::patternName(code))});
            break;
        }
    for (auto code : found.found())
        if (patterns::isInauspiciousPattern(code) && !isEchoPattern(code) && code != patterns::pattern::kSanQiRuMu) {
            out.push_back({-2, true, "犯" + std::string(patterns::patternName(code))});
            break;
        }
    if (pc.earthStem == kGeng && pc.heavenStem != kGeng) out.push_back({-1, true, "下伏庚"});
    out.push_back(relationNote(pc.door, doorRelation(c, g)));
    if (use == DoorUse::Palace && (isGoodDoor(pc.door) || isBadDoor(pc.door)))
        out.push_back({isGoodDoor(pc.door) ? 1 : -1, false, ""});
    if (!skipStar) {
        constexpr int tone[9] = {0, -1, -1, 1, 1, 1, 1, -1, 1};  // 英 蓬 芮 冲 辅 禽 心 柱 任
        if (tone[pc.star] > 0 && pc.star != kChong) out.push_back({1, false, star(g) + "同临"});
        if (tone[pc.star] < 0) out.push_back({-1, false, star(g) + "同临"});
    }
    if (!skipDeity) {
        switch (pc.deity) {
        case kBaiHu: out.push_back({-1, false, "白虎临"}); break;
        case kXuanWu: out.push_back({-1, false, "玄武临"}); break;
        case kTengShe: out.push_back({-1, false, "螣蛇缠"}); break;
        case kTaiYin: out.push_back({1, false, "太阴护"}); break;
        case kLiuHe: out.push_back({1, false, "六合助"}); break;
        case kZhiFu: out.push_back({1, false, "直符临"}); break;
        default: break;
        }
    }
    if (pc.voidFirst || pc.voidSecond) out.push_back({-1, false, "落空亡"});
    std::stable_sort(out.begin(), out.end(),
                     [](const Note& a, const Note& b) { return std::abs(a.weight) > std::abs(b.weight); });
    return out;
}

int Reader::weigh(int g, DoorUse use, int extra, bool skipStar, bool skipDeity) const {
    int sum = extra + (g == chart::kCentreCell ? 0 : cellQuality(c, g));
    for (const auto& note : notes(g, use, skipStar, skipDeity)) sum += note.weight;
    return sum >= 2 ? 1 : sum <= -2 ? -1 : 0;
}

int Reader::outcome(int q) const {
    int s = std::clamp(level() + q, -2, 2);
    if (level() < 0 || q < 0) s = std::min(s, 0);
    return s;
}

std::string Reader::decidingNote(const std::vector<Note>& notes, int s, bool* rides) const {
    const Note* good = nullptr;
    const Note* bad = nullptr;
    for (const auto& note : notes) {
        if (note.words.empty()) continue;
        if (note.weight > 0 && !good) good = &note;
        if (note.weight < 0 && !bad) bad = &note;
    }
    const Note* chosen = s > 0 ? good : s < 0 ? bad : (good ? good : bad);
    if (rides) *rides = chosen ? chosen->rides : false;
    if (s == 0 && good && bad) return good->words + "而" + bad->words;
    if (s == 0 && good) return "虽" + good->words;
    return chosen ? chosen->words : std::string();
}

std::string Reader::mounted(int g, std::string_view note) const {
    std::string stem = heaven(g);
    if (note.find(stem) != std::string_view::npos) return {};
    return "乘" + stem;
}

std::string sentence(std::string_view lead, std::string_view extra, std::string_view note, std::string_view outcome,
                     int detail) {
    std::string s(lead);
    if (detail >= 2) s += extra;
    if (detail >= 1 && !note.empty()) s += "，" + std::string(note);
    s += "，";
    s += outcome;
    s += "。";
    return s;
}

}  // namespace qimen::gen

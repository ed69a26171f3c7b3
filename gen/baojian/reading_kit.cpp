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
int starWeight(chart::Star star) {
    // 天冲 helps only in deeds of force, so it weighs nothing in general.
    constexpr int weight[9] = {0, -1, -1, 0, 1, 1, 1, -1, 1};  // 英 蓬 芮 冲 辅 禽 心 柱 任
    return weight[star];
}
int deityWeight(chart::Deity deity) {
    constexpr int weight[9] = {1, -1, 1, 1, 0, -1, -1, 0, 0};  // 直符 螣蛇 太阴 六合 太常 白虎 玄武 九地 九天
    return weight[deity];
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
    if (!skipStar && starWeight(pc.star) != 0)
        out.push_back({starWeight(pc.star), false, star(g) + "同临"});
    if (!skipDeity && deityWeight(pc.deity) != 0) {
        static const char* const words[9] = {"直符临", "螣蛇缠", "太阴护", "六合助", "", "白虎临", "玄武临", "", ""};
        out.push_back({deityWeight(pc.deity), false, words[pc.deity]});
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

Reader::Judged Reader::judge(int g, DoorUse use, const Outcomes& words, std::vector<Note> own, bool skipStar,
                             bool skipDeity) const {
    int extra = 0;
    for (const auto& note : own) extra += note.weight;
    auto palace = notes(g, use, skipStar, skipDeity);
    own.insert(own.end(), palace.begin(), palace.end());
    Judged j;
    j.s = outcome(weigh(g, use, extra, skipStar, skipDeity));
    bool rides = false;
    j.note = decidingNote(own, j.s, &rides);
    j.outcome = words.pick(j.s, rides);
    return j;
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

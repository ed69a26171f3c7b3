// 兵事 出行 阳宅 阴宅 人事 虚实 攻城 守城 天时 地理: each from the pieces
// tradition reads for it (the 值符 palace for war, the 开门 for travel, the
// 生门 for the house and the 死门 for the grave, 六合 for people, 九天 and
// 九地 for feint and ambush, the 伤门 for a siege and the 杜门 with 九地 for
// defence, 天蓬 and 天英 for the weather, 九地 and 戊 for the land).
#include <array>

#include "chart/vocabulary.hpp"
#include "matters.hpp"

namespace qimen::gen {

using namespace piece;

namespace {

// The heaven plate is the guest (客), the earth plate the host (主): how the
// heaven stem of a palace stands to its earth stem decides which side the
// palace favours. 1 the guest, −1 the host, 0 neither.
int guestSide(const Reader& r, int g) {
    int rel = elementRelation(stemElement(r.cell(g).heavenStem), stemElement(r.cell(g).earthStem));
    return rel == 2 || rel == 4 ? 1 : rel == 1 || rel == 3 ? -1 : 0;
}
// The outer cell with an auspicious door and the best palace score, other
// than `not`; −1 when none.
int bestDoorCell(const Reader& r, int not_) {
    int best = -1;
    for (int g = 0; g < 9; ++g) {
        if (g == chart::kCentreCell || g == not_ || !isGoodDoor(r.cell(g).door)) continue;
        if (best < 0 || r.c.found(g).score > r.c.found(best).score) best = g;
    }
    return best;
}

}  // namespace

std::string readMilitary(const Reader& r, int detail) {
    int g = r.c.leaderStarCell();
    const auto& pc = r.cell(g);
    bool geng = pc.heavenStem == kGeng || pc.earthStem == kGeng;
    int side = guestSide(r, g);
    int s = r.outcome(r.weigh(g, DoorUse::Palace, geng ? -1 : 0, true, true));
    std::string lead = "符临" + r.P(g);
    if (r.c.fuYin())
        return sentence(lead + "乘" + r.heaven(g), "得" + r.door(g), "伏吟", s > 0 ? "宜守待时" : "宜守勿动", detail);
    std::string extra = r.heaven(g) + "加" + r.earth(g);
    if (r.c.fanYin()) return sentence(lead, extra, "反吟", s > 0 ? "宜速战速决" : "宜避其锋", detail);
    // By the side the palace favours: the guest (heaven over earth), the
    // host, or neither.
    static const char* const guest[5] = {"出师不利", "进兵多阻", "可试进兵", "宜先出师", "先举者胜"};
    static const char* const host[5] = {"坚壁犹危", "宜坚守", "守以观变", "后发制人", "坐守必胜"};
    static const char* const even[5] = {"宜退守", "宜按兵", "持重观变", "可以出师", "举兵有功"};
    const char* const* table = side > 0 ? guest : side < 0 ? host : even;
    const char* sideWords = geng ? "庚临符宫" : side > 0 ? "利客" : side < 0 ? "利主" : "主客均";
    return sentence(lead, extra, sideWords, table[s + 2], detail);
}

std::string readTravel(const Reader& r, int detail) {
    int k = r.c.cellOfDoor(kKai);
    std::vector<Note> own;
    if (r.c.horseCell() == k) own.push_back({1, false, "马临开门"});
    static const Outcomes words = {{"不宜出行", "途多阻滞", "宜缓", "出行有获", "出行大利"},
                                   {"出则多阻", "宜改期", "行止两可", "远行得利", "行必有获"}};
    auto j = r.judge(k, DoorUse::Door, words, own);
    std::string lead = "开门" + r.D(k);
    if (r.c.fuYin()) return sentence(lead, "乘" + r.heaven(k), "伏吟", j.s > 0 ? "待时而动" : "宜守不宜远行", detail);
    if (r.c.fanYin()) return sentence(lead, "乘" + r.heaven(k), "反吟", j.s > 0 ? "宜速去速回" : "行而复返", detail);
    int other = bestDoorCell(r, k);
    if (j.s < 0 && other >= 0 && detail >= 2) j.outcome += "，改向" + r.D(other);
    return sentence(lead, r.mounted(k, j.note), j.note, j.outcome, detail);
}

std::string readDwelling(const Reader& r, int detail) {
    int g = r.c.cellOfDoor(kSheng);
    static const Outcomes words = {{"宅多破败", "宅气未振", "宅运平常", "居之安吉", "宅气兴旺"},
                                   {"居之不安", "门户欠宁", "居之无咎", "宅气渐兴", "门庭昌盛"}};
    auto j = r.judge(g, DoorUse::Door, words);
    if (r.c.fuYin()) j.outcome += "，宜守旧";
    if (r.c.fanYin()) j.outcome += "，主迁移";
    return sentence("生门" + r.P(g), r.mounted(g, j.note), j.note, j.outcome, detail);
}

std::string readGrave(const Reader& r, int detail) {
    int g = r.c.cellOfDoor(kSi);
    auto e = r.cell(g).earthStem;
    Note ground;
    if (isWonder(e)) ground = {1, true, "穴得奇气"};
    else if (e == kWu || e == kJi) ground = {1, true, "土厚"};
    else if (e == kGeng) ground = {-1, true, "穴有金煞"};
    else if (e == kXin) ground = {-1, true, "地多砂石"};
    else ground = {-1, true, "防水浸"};  // 壬 癸
    int s = r.outcome(r.weigh(g, DoorUse::Door, ground.weight));
    static const Outcomes words = {{"葬之不利", "形局欠安", "葬可无咎", "可以安葬", "葬之荫后"},
                                   {"宜另择地", "宜慎择日", "形势中平", "茔地安稳", "穴吉荫后"}};
    // The ground is named as the reason, or conceded ("虽…") when the
    // palace as a whole outweighs it.
    bool agrees = s == 0 || (ground.weight > 0) == (s > 0);
    std::string outcome = words.pick(s, agrees);
    if (r.c.fanYin()) outcome += "，忌迁葬";
    std::string lead = "死门" + r.P(g);
    return sentence(lead, r.heaven(g) + "加" + r.earth(g), (agrees ? "" : "虽") + ground.words, outcome, detail);
}

std::string readAffairs(const Reader& r, int detail) {
    int h = r.c.cellOfDeity(kLiuHe);
    // The day stem stands for the asker. Each key serves both days of its
    // group, so both stems are named; 甲 hides under its ten-day head, and
    // the 甲己 group is read from 己.
    int dayStem = calendar::stemOf(r.c.record.dayGZ);
    int group = dayStem == 0 ? 5 : dayStem > 5 ? dayStem - 5 : dayStem;
    auto first = static_cast<calendar::StemCode>(group);
    auto second = static_cast<calendar::StemCode>((group + 5) % 10);
    int a = r.c.cellOfHeavenStem(first), b = r.c.cellOfHeavenStem(second);
    std::string self;
    if (group == 1)
        self = "日干甲己，己临" + r.P(b);
    else if (a == b)
        self = "日干" + std::string(chart::stemText(first)) + std::string(chart::stemText(second)) + "同临" + r.P(a);
    else
        self = "日干" + std::string(chart::stemText(first)) + r.P(a) + std::string(chart::stemText(second)) + r.P(b);
    std::vector<Note> own;
    if (h == b || (group != 1 && h == a)) own.push_back({1, false, "合临日干"});
    static const Outcomes words = {{"人事多争", "防小人离间", "人情平常", "交游得助", "贵人相扶"},
                                   {"交游招损", "人情冷淡", "往来寻常", "人情和洽", "众心归附"}};
    auto j = r.judge(h, DoorUse::Palace, words, own, false, true);
    std::string text = sentence("六合" + r.P(h) + r.door(h), r.mounted(h, j.note), j.note, j.outcome, detail);
    return detail >= 2 ? self + "，" + text : text;
}

std::string readFeint(const Reader& r, int detail) {
    int t = r.c.cellOfDeity(kJiuTian), d = r.c.cellOfDeity(kJiuDi), x = r.c.cellOfDeity(kXuanWu);
    int show = r.weigh(t, DoorUse::Palace, 0, false, true), hide = r.weigh(d, DoorUse::Palace, 0, false, true);
    const char* advice;
    if (r.level() < 0) advice = hide >= 0 ? "宜实兵藏伏" : "宜藏形守静";
    else if (show > hide) advice = "宜虚张声势";
    else if (hide > show) advice = "宜实兵藏伏";
    else if (show > 0) advice = "虚实并用";
    else advice = "虚实难测";
    std::string text = "九天" + r.P(t) + r.door(t) + "，九地" + r.P(d) + r.door(d);
    if (detail >= 1) text += "，玄武" + r.P(x) + (x == t || x == d ? "同宫防诈" : "");
    return text + "，" + advice + "。";
}

std::string readSiege(const Reader& r, int detail) {
    int g = r.c.cellOfDoor(kShang);
    int side = guestSide(r, g);
    int s = r.outcome(r.weigh(g, DoorUse::Door, side));
    static const Outcomes words = {{"攻之徒劳", "急攻不下", "宜围缓图", "攻之可破", "攻之必克"},
                                   {"城坚难拔", "宜围勿攻", "围而待变", "一鼓可下", "攻无不克"}};
    std::string outcome = words.pick(s, side != 0);
    if (r.c.fuYin()) outcome = s > 0 ? "伏吟宜缓攻" : "伏吟宜守";
    if (r.c.fanYin()) outcome = s > 0 ? "反吟宜速攻" : "反吟攻守皆疑";
    const char* sideWords = side > 0 ? "客胜" : side < 0 ? "主胜" : "主客均";
    return sentence("伤门" + r.P(g), r.heaven(g) + "加" + r.earth(g), sideWords, outcome, detail);
}

std::string readDefence(const Reader& r, int detail) {
    int du = r.c.cellOfDoor(kDu), di = r.c.cellOfDeity(kJiuDi);
    bool together = du == di;
    // 九地 with the 杜门, or 九地 over a good door, holds the walls.
    int ground = together ? 1 : isGoodDoor(r.cell(di).door) ? 1 : isBadDoor(r.cell(di).door) ? -1 : 0;
    static const Outcomes words = {{"守之难全", "守中有隙", "宜加修缮", "守之可保", "守备有余"},
                                   {"城危难守", "防有内失", "守之可支", "城可保全", "城守无虞"}};
    auto j = r.judge(du, DoorUse::Door, words, {{ground, false, ""}});
    std::string lead = "杜门" + r.P(du) + (detail >= 2 ? r.mounted(du, j.note) : "") +
                       (together ? "会九地" : "，九地" + r.P(di));
    return sentence(lead, "", j.note, j.outcome, detail);
}

std::string readWeather(const Reader& r, int detail) {
    int peng = r.c.cellOfStar(kPeng), ying = r.c.cellOfStar(kYing);
    const auto& p = r.cell(peng);
    const auto& y = r.cell(ying);
    auto palace = [](int g) { return chart::palaceOfCell(g); };
    int rain = (p.heavenStem == kRenStem || p.heavenStem == kGui) + (p.door == kXiu) +
               (palace(peng) == 1 || palace(peng) == 6 || palace(peng) == 7) + (p.deity == kXuanWu);
    int sun = (y.heavenStem == kBing || y.heavenStem == kDing) + (y.door == kJing) +
              (palace(ying) == 9 || palace(ying) == 4 || palace(ying) == 3) + (y.deity == kJiuTian);
    int xun = chart::cellOfPalace(4);
    bool wind = r.cell(xun).star == kChong || r.cell(xun).star == kFu || r.cell(xun).door == kDu;
    const char* sky;
    int lean = rain - sun;
    if (lean >= 2) sky = p.door == kXiu ? "雨势绵绵" : "主大雨";
    else if (lean == 1) sky = "主阴雨";
    else if (lean == 0) sky = rain > 0 ? "阴晴相半" : "云多少雨";
    else if (lean == -1) sky = "主晴";
    else sky = y.door == kJing ? "晴而炎热" : "主晴明";
    std::string text = "蓬" + r.P(peng) + "乘" + r.heaven(peng) + "，英" + r.P(ying) + "乘" + r.heaven(ying) + "，" + sky;
    if (wind && detail >= 1) text += "，巽宫风动";
    if (r.c.fuYin()) text += "，晴雨如前";
    if (r.c.fanYin()) text += "，晴雨骤变";
    return text + "。";
}

std::string readTerrain(const Reader& r, int detail) {
    int di = r.c.cellOfDeity(kJiuDi), w = r.c.cellOfHeavenStem(kWu);
    static const Outcomes words = {{"来龙受损", "地有缺陷", "形局中平", "山水有情", "地厚气聚"},
                                   {"山水无情", "砂水欠佳", "地形平常", "地气可用", "龙真穴的"}};
    auto j = r.judge(w, DoorUse::Palace, words);
    std::string lead = di == w ? "九地戊同临" + r.P(w) : "九地" + r.P(di) + "，戊" + r.P(w);
    return sentence(lead, r.door(w), j.note, j.outcome, detail);
}

}  // namespace qimen::gen

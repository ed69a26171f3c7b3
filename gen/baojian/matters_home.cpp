// 家宅 官禄 应试 求财 婚姻 胎产 疾病 失物 远信 鸦鸣: each from the pieces
// tradition reads for it (天任 for the household, the 开门 for office, the
// 景门 with 丁 for examinations, the 生门 with 戊 for wealth, 六合 with 乙
// and 庚 for marriage, 坤 the mother's palace for birth, 天芮 with the 死门
// and 天心 for illness, 玄武 and 六合 for a lost thing, the post horse and
// the 景门 for letters, the hour's palace for the crows' cry).
#include "chart/vocabulary.hpp"
#include "matters.hpp"

namespace qimen::gen {

using namespace piece;

std::string readHousehold(const Reader& r, int detail) {
    int t = r.c.cellOfStar(kRen);
    auto deity = r.cell(t).deity;
    static const Outcomes words = {{"家宅不宁", "家中多事", "家计平平", "人口安和", "家道兴隆"},
                                   {"防病丧", "防口舌", "宅中无事", "家宅安宁", "人口平安"}};
    // The deity weighs, and the lead names it rather than a note.
    auto j = r.judge(t, DoorUse::Palace, words, {{deityWeight(deity), false, ""}}, true, true);
    // A harmful deity names the harm it brings.
    if (j.s < 0 && deity == kBaiHu) j.outcome = "防伤病";
    if (j.s < 0 && deity == kXuanWu) j.outcome = "防失盗";
    if (j.s < 0 && deity == kTengShe) j.outcome = "夜多惊扰";
    return sentence("天任" + r.P(t) + r.door(t), "会" + r.deity(t), j.note, j.outcome, detail);
}

std::string readOffice(const Reader& r, int detail) {
    int k = r.c.cellOfDoor(kKai);
    std::vector<Note> own;
    if (r.c.leaderStarCell() == k) own.push_back({1, false, "值符同宫"});
    static const Outcomes words = {{"防有贬谪", "仕途有阻", "守职待时", "求官可得", "迁擢可期"},
                                   {"仕途多险", "公门多梗", "官事平常", "升迁有望", "官运亨通"}};
    auto j = r.judge(k, DoorUse::Door, words, own);
    if (r.c.fuYin()) j.outcome += "，守旧职";
    if (r.c.fanYin()) j.outcome += "，职有迁调";
    return sentence("开门" + r.P(k), r.mounted(k, j.note), j.note, j.outcome, detail);
}

std::string readExamination(const Reader& r, int detail) {
    int j = r.c.cellOfDoor(kJing), d = r.c.cellOfHeavenStem(kDing);
    bool together = j == d;
    // 丁 is the examiner's favour: with the 景门, drowned (丁 over 癸), in
    // its tomb or helped by 天辅.
    std::vector<Note> own;
    if (together) own.push_back({1, false, ""});
    else if (r.has(d, patterns::pattern::kZhuQueRuJiang)) own.push_back({-1, true, "丁投江"});
    else if (r.has(d, patterns::pattern::kSanQiRuMu)) own.push_back({-1, true, "丁入墓"});
    else if (r.cell(d).star == kFu) own.push_back({1, false, "辅星助丁"});
    static const Outcomes words = {{"难以登第", "功名未就", "名列中等", "榜上有名", "高中可期"},
                                   {"试场失利", "尚需苦读", "得失参半", "文章得意", "金榜题名"}};
    auto v = r.judge(j, DoorUse::Door, words, own);
    if (together) return sentence("景门丁奇同临" + r.P(j), "", v.note, v.outcome, detail);
    return sentence("丁" + r.P(d) + "，景门" + r.P(j), r.mounted(j, v.note), v.note, v.outcome, detail);
}

std::string readWealth(const Reader& r, int detail) {
    int g = r.c.cellOfDoor(kSheng), w = r.c.cellOfHeavenStem(kWu);
    bool together = g == w;
    static const Outcomes words = {{"防有破耗", "财利难求", "小利而已", "求财可得", "财源广进"},
                                   {"求财反折", "劳而少得", "财来迟缓", "财利可图", "获利丰厚"}};
    auto j = r.judge(g, DoorUse::Door, words, {{together ? 1 : 0, false, ""}});
    if (r.c.fuYin()) j.outcome += "，守旧业";
    if (r.c.fanYin()) j.outcome += "，财来财去";
    if (together) return sentence("生门戊同临" + r.P(g), "", j.note, j.outcome, detail);
    std::string lead = (detail >= 2 ? "戊" + r.P(w) + "，" : std::string()) + "生门" + r.P(g);
    return sentence(lead, r.mounted(g, j.note), j.note, j.outcome, detail);
}

std::string readMarriage(const Reader& r, int detail) {
    int h = r.c.cellOfDeity(kLiuHe), yi = r.c.cellOfHeavenStem(kYi), geng = r.c.cellOfHeavenStem(kGeng);
    // 乙 stands for the woman, 庚 for the man: how their palaces meet.
    Note bond;
    if (yi == geng) bond = {1, true, "乙庚同宫"};
    else if (chart::palaceOfCell(yi) + chart::palaceOfCell(geng) == 10) bond = {-1, true, "乙庚相冲"};
    else {
        static const Note byRelation[5] = {{1, true, "两情相投"}, {1, true, "女情深"}, {-1, true, "女强男弱"},
                                           {-1, true, "男强女屈"}, {1, true, "男意殷"}};
        bond = byRelation[elementRelation(cellElement(yi), cellElement(geng))];
    }
    int s = r.outcome(r.weigh(h, DoorUse::Palace, bond.weight, false, true));
    static const Outcomes words = {{"阻隔难谐", "婚事迟滞", "尚需周旋", "婚事可谐", "良缘可成"},
                                   {"防中途变", "尚多阻隔", "媒妁须力", "媒妁得力", "佳偶天成"}};
    std::string outcome = words.pick(s, (bond.weight > 0) == (s >= 0));
    if (r.c.fuYin()) outcome += "，婚期迟";
    if (r.c.fanYin()) outcome += "，聚散无常";
    return sentence("乙" + r.P(yi) + "庚" + r.P(geng) + "，六合" + r.P(h), r.door(h), bond.words, outcome, detail);
}

std::string readBirth(const Reader& r, int detail) {
    int k = chart::cellOfPalace(chart::kKunPalace);
    static const Outcomes words = {{"产有惊险", "须防产病", "产期稍迟", "临盆安稳", "母子平安"},
                                   {"宜预调护", "产前宜慎", "宜静养", "产育可安", "生产顺利"}};
    // The star weighs, and the lead names it rather than a note.
    auto j = r.judge(k, DoorUse::Palace, words, {{starWeight(r.cell(k).star), false, ""}}, true);
    // The stem over the mother's palace tells the child: a yang stem a boy.
    bool yang = r.cell(k).heavenStem % 2 == 1;
    return sentence("坤宫" + r.door(k) + r.star(k), "乘" + r.heaven(k), j.note, j.outcome + (yang ? "，主男" : "，主女"),
                    detail);
}

std::string readIllness(const Reader& r, int detail) {
    int rui = r.c.cellOfStar(kRui), si = r.c.cellOfDoor(kSi), xin = r.c.cellOfStar(kXinStar);
    bool deathDoor = rui == si;
    // 天心 is the physician, 天芮 the illness: how their palaces meet.
    static const Note byRelation[5] = {{0, false, ""}, {-1, false, "心生芮"}, {1, false, "心克芮"},
                                       {-1, false, "芮克心"}, {1, false, "芮生心"}};
    Note cure = byRelation[elementRelation(cellElement(xin), cellElement(rui))];
    int extra = cure.weight + (deathDoor ? -1 : 0);
    int s = r.outcome(r.weigh(rui, DoorUse::Palace, extra, true));
    bool rides = false;
    std::string note = r.decidingNote(r.notes(rui, DoorUse::Palace, true), s, &rides);
    if (!cure.words.empty()) note = cure.words;
    static const Outcomes words = {{"病重难痊", "病势缠绵", "调养渐安", "调治可愈", "药到病除"},
                                   {"宜急求医", "宜防反复", "久治方痊", "遇医可愈", "不日可愈"}};
    std::string outcome = words.pick(s, rides || !cure.words.empty());
    if (r.c.fuYin()) outcome = s > 0 ? "缓治可愈" : "旧病缠绵";
    if (r.c.fanYin()) outcome = s > 0 ? "反复终愈" : "病情反复";
    std::string lead = (deathDoor ? "芮死同临" + r.P(rui) : "芮" + r.P(rui) + r.door(rui)) + "乘" + r.heaven(rui);
    return sentence(lead, "，心" + r.P(xin), note, outcome, detail);
}

std::string readLostThing(const Reader& r, int detail) {
    int x = r.c.cellOfDeity(kXuanWu), h = r.c.cellOfDeity(kLiuHe);
    // 玄武 is the thief, 六合 the thing's hiding place.
    static const Note byRelation[5] = {{0, false, ""}, {-1, false, "合生武"}, {1, false, "合克武"},
                                       {-1, false, "武克合"}, {1, false, "武生合"}};
    Note hold = byRelation[elementRelation(cellElement(h), cellElement(x))];
    int s = r.outcome(r.weigh(h, DoorUse::Palace, hold.weight, false, true));
    bool rides = false;
    std::string note = r.decidingNote(r.notes(h, DoorUse::Palace, false, true), s, &rides);
    if (!hold.words.empty()) note = hold.words;
    static const Outcomes words = {{"盗去难追", "寻之费力", "久后方见", "寻之可获", "失而复得"},
                                   {"物已远去", "恐难追还", "寻之在近", "物可寻回", "物即寻回"}};
    std::string outcome = words.pick(s, rides);
    if (r.c.fuYin()) outcome = s > 0 ? "物在原处" : "物未出方";
    if (r.c.fanYin()) outcome = s > 0 ? "物去复返" : "物已辗转";
    return sentence("玄武" + r.P(x) + "，六合" + r.P(h) + "乘" + r.heaven(h), "", note, outcome, detail);
}

std::string readLetters(const Reader& r, int detail) {
    int m = r.c.horseCell(), g = r.c.cellOfDoor(kJing);
    bool together = m == g;
    static const Outcomes words = {{"音书断绝", "音信迟滞", "信来稍迟", "书信可至", "喜信速来"},
                                   {"信阻途中", "信来多阻", "音信迟缓", "佳音将到", "信即刻至"}};
    auto j = r.judge(g, DoorUse::Door, words, {{together ? 1 : 0, false, ""}});
    if (r.c.fuYin()) j.outcome = "伏吟信迟";
    if (r.c.fanYin()) j.outcome = j.s > 0 ? "信有往返，终至" : "信有往返，多误";
    std::string lead = together ? "马临景门" + r.P(g) : "马" + r.P(m) + "，景门" + r.P(g);
    return sentence(lead, r.mounted(g, j.note), j.note, j.outcome, detail);
}

std::string readCrows(const Reader& r, int detail) {
    int g = r.c.cellOfBranch(calendar::branchOf(r.c.record.hourGZ));
    auto door = r.cell(g).door;
    static const char* const omen[9] = {"主文书至", "主贵客来", "主丧吊事", "主争斗伤", "主阻隔事",
                                        "主无定应", "主官中喜", "主惊恐事", "主进财喜"};
    std::string text = "鸣于" + r.D(g) + "，" + r.door(g) + "会" + r.deity(g) + "，" + omen[door];
    // The chart's verdict colours the omen: good news thins in a 凶 chart,
    // and harm lightens in a 吉 one.
    if (isGoodDoor(door) && r.level() < 0) text += "，喜而不实";
    if (isBadDoor(door) && r.level() > 0) text += "，其祸尚轻";
    if (detail >= 2) {
        auto deity = r.cell(g).deity;
        if (deity == kBaiHu) text += "，防血光";
        if (deity == kXuanWu) text += "，防失盗";
        if (deity == kTengShe) text += "，有虚惊";
    }
    return text + "。";
}

}  // namespace qimen::gen

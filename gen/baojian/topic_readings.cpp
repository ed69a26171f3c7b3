// The second 御定奇门宝鉴 text: the twenty matters, each from the pieces of
// the chart tradition reads for it (求财 the 生门 and 戊, 疾病 天芮 and 死门,
// 婚姻 六合 with 乙 and 庚, …), judged by the doors, stars and the
// detector's score of the palaces they stand in.
#include "topic_readings.hpp"

#include "chart/vocabulary.hpp"

namespace qimen::gen {

namespace {

// Door, star and deity codes the readings name.
constexpr chart::Door kJing = 0, kSi = 2, kShang = 3, kDu = 4, kKai = 6, kSheng = 8;
constexpr chart::Star kPeng = 1, kRui = 2, kRen = 8, kYing = 0;
constexpr chart::Deity kLiuHe = 3, kXuanWu = 6, kJiuDi = 7, kJiuTian = 8;
constexpr calendar::StemCode kYi = 2, kBing = 3, kDing = 4, kWu = 5, kJi = 6, kGeng = 7, kRenStem = 9, kGui = 0;

int doorTone(chart::Door door) {
    if (door == 1 || door == 6 || door == 8) return 1;
    if (door == 2 || door == 3 || door == 7) return -1;
    return 0;
}
int starTone(chart::Star star) {
    constexpr int tone[9] = {0, -1, -1, 1, 1, 1, 1, -1, 1};  // 英 蓬 芮 冲 辅 禽 心 柱 任
    return tone[star];
}
int sign(int v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

struct Reader {
    const BaojianChart& c;
    int v;  // wording variant 0 or 1

    std::string P(int g) const { return std::string(palaceOf(g)); }
    std::string D(int g) const { return std::string(directionOf(g)); }
    std::string door(int g) const { return std::string(chart::doorText(c.cell(g).door)) + "门"; }
    std::string star(int g) const { return "天" + std::string(chart::starText(c.cell(g).star)); }
    std::string heaven(int g) const { return std::string(chart::stemText(c.cell(g).heavenStem)); }
    std::string earth(int g) const { return std::string(chart::stemText(c.cell(g).earthStem)); }
    // The palace as a whole: its door, its star and the detector's score.
    int tone(int g) const {
        if (g == chart::kCentreCell) return 0;
        return sign(doorTone(c.cell(g).door) + starTone(c.cell(g).star) + cellQuality(c, g));
    }
    // One of two wordings for each of good, middling and bad.
    std::string judge(int t, const char* good0, const char* good1, const char* mid0, const char* mid1,
                      const char* bad0, const char* bad1) const {
        if (t > 0) return v ? good1 : good0;
        if (t < 0) return v ? bad1 : bad0;
        return v ? mid1 : mid0;
    }
};

bool isWonder(calendar::StemCode s) { return s == kYi || s == kBing || s == kDing; }

std::string military(const Reader& r) {
    int g = r.c.leaderStarCell();
    const auto& cell = r.c.cell(g);
    if (cell.heavenStem == kGeng || cell.earthStem == kGeng)
        return "值符临" + r.P(g) + "而庚金同宫，客强主弱，宜避其锋。";
    return "值符临" + r.P(g) + "得" + r.door(g) + "，" +
           r.judge(r.tone(g), "主兵得地，先举者胜", "将得天时，可以出师", "宜持重观变", "按兵以待其隙",
                   "将星受困，宜坚壁不战", "出师不利，宜守") + "。";
}

std::string travel(const Reader& r) {
    int kai = r.c.cellOfDoor(kKai), ld = r.c.leaderDoorCell();
    return "开门在" + r.D(kai) + "，使临" + r.P(ld) + "，" +
           r.judge(r.tone(kai), "出行顺遂", "远行有获", "可行而缓", "行止两可", "途多阻滞", "宜改期而行") + "。";
}

std::string dwelling(const Reader& r) {
    int g = r.c.cellOfDoor(kSheng);
    return "生门临" + r.P(g) + "乘" + r.star(g) + "，" +
           r.judge(r.tone(g), "宅气兴旺", "门庭昌盛", "宅运平稳", "居之无咎", "宅气未振", "宜修整门户") + "。";
}

std::string grave(const Reader& r) {
    int g = r.c.cellOfDoor(kSi);
    auto e = r.c.cell(g).earthStem;
    std::string s = "死门在" + r.P(g) + "，下临" + r.earth(g) + "，";
    if (isWonder(e)) return s + (r.v ? "穴得奇气。" : "葬之荫后。");
    if (e == kGeng) return s + (r.v ? "地有白虎之煞。" : "穴逢凶煞，忌用。");
    if (e == kWu || e == kJi) return s + "土厚可葬。";
    return s + r.judge(r.tone(g), "茔地安稳", "安葬得宜", "葬可无咎", "形势中平", "宜另择吉壤", "恐有水蚁之患") + "。";
}

// The day stem stands for the one who asks, 六合 for the others.
std::string affairs(const Reader& r) {
    int g = r.c.cellOfDeity(kLiuHe);
    const auto dayGZ = r.c.record.dayGZ;
    auto dayStem = calendar::stemOf(dayGZ);
    int self = r.c.cellOfHeavenStem(dayStem == 1 ? chart::hiddenInstrumentOf(chart::xunHeadOf(dayGZ)) : dayStem);
    std::string s = "日干" + std::string(chart::stemText(dayStem)) + "在" + r.P(self) + "，";
    if (g == chart::kCentreCell) return s + "六合居中，人情平淡。";
    return s + "六合临" + r.P(g) + "逢" + r.door(g) + "，" +
           r.judge(doorTone(r.c.cell(g).door), "交游得助", "贵人相扶", "人情平常", "往来寻常", "防小人离间",
                   "人事多争") + "。";
}

std::string feint(const Reader& r) {
    int tian = r.c.cellOfDeity(kJiuTian), di = r.c.cellOfDeity(kJiuDi), xw = r.c.cellOfDeity(kXuanWu);
    return "九天" + r.P(tian) + "宜扬兵，九地" + r.P(di) + "宜伏兵，玄武" + r.P(xw) + (r.v ? "防诈。" : "有诡。");
}

std::string siege(const Reader& r) {
    int g = r.c.cellOfDoor(kShang);
    return "伤门临" + r.P(g) + "，" + r.star(g) + "随之，" +
           r.judge(r.tone(g), ("从" + r.D(g) + "攻之可破").c_str(), "攻之必克", "围而缓图", "久攻方下",
                   "城坚难拔", "攻之徒劳") + "。";
}

std::string defence(const Reader& r) {
    int du = r.c.cellOfDoor(kDu), di = r.c.cellOfDeity(kJiuDi);
    std::string s = "杜门在" + r.P(du) + "，九地在" + r.P(di) + "，";
    if (du == di) return s + "固若金汤。";
    return s + r.judge(r.tone(du), "守备有余", "城可保全", "守之可保", "宜加修缮", ("防" + r.D(du) + "有失").c_str(),
                       "守中有隙") + "。";
}

std::string weather(const Reader& r) {
    int peng = r.c.cellOfStar(kPeng), ying = r.c.cellOfStar(kYing);
    const auto& p = r.c.cell(peng);
    const auto& y = r.c.cell(ying);
    auto palace = [](int g) { return chart::palaceOfCell(g); };
    int rain = (p.door == 1) + (palace(peng) == 1 || palace(peng) == 7) + (p.heavenStem == kRenStem || p.heavenStem == kGui);
    int sun = (y.door == kJing) + (palace(ying) == 9 || palace(ying) == 4) + (y.heavenStem == kBing || y.heavenStem == kDing);
    std::string s = "天蓬临" + r.P(peng) + "，天英临" + r.P(ying) + "，";
    if (rain > sun) return s + (r.v ? "云合雨至。" : "主阴雨。");
    if (sun > rain) return s + (r.v ? "日朗风和。" : "主晴明。");
    return s + (r.v ? "晴雨不定。" : "阴晴相半。");
}

std::string terrain(const Reader& r) {
    int di = r.c.cellOfDeity(kJiuDi), wu = r.c.cellOfHeavenStem(kWu);
    return "九地" + r.P(di) + "，戊临" + r.P(wu) + "，" +
           r.judge(r.tone(wu), "地厚气聚", "山水有情", "地形平常", "形局中平", "地有缺陷", "来龙受损") + "。";
}

std::string household(const Reader& r) {
    int g = r.c.cellOfStar(kRen);
    return "天任临" + r.P(g) + "逢" + r.door(g) + "，" +
           r.judge(doorTone(r.c.cell(g).door), "家道安和", "人口平安", "家计平平", "宅中无大事", "家中多事",
                   "防口舌是非") + "。";
}

std::string office(const Reader& r) {
    int g = r.c.cellOfDoor(kKai);
    auto h = r.c.cell(g).heavenStem;
    std::string s = "开门临" + r.P(g) + "，上乘" + r.heaven(g) + "，";
    if (isWonder(h)) return s + (r.v ? "得奇助官，升迁有望。" : "官星得奇，迁擢可期。");
    if (h == kGeng) return s + (r.v ? "公门多梗。" : "仕途有阻。");
    return s + r.judge(r.tone(g), "禄位安稳", "求官可得", "守职待时", "官事平常", "防有贬谪", "宜谨守本分") + "。";
}

std::string examination(const Reader& r) {
    int jing = r.c.cellOfDoor(kJing), ding = r.c.cellOfHeavenStem(kDing);
    if (jing == ding) return "景门丁奇同临" + r.P(jing) + "，文星会合，高中可期。";
    return "景门" + r.P(jing) + "，丁奇" + r.P(ding) + "，" +
           r.judge(r.tone(jing), "文章得意", "榜上有名", "名列中等", "尚需苦读", "难以登第", "试场失利") + "。";
}

std::string wealth(const Reader& r) {
    int sheng = r.c.cellOfDoor(kSheng), wu = r.c.cellOfHeavenStem(kWu);
    if (sheng == wu) return "生门戊土同临" + r.P(sheng) + "，财源广进。";
    return "生门临" + r.P(sheng) + "，戊在" + r.P(wu) + "，" +
           r.judge(r.tone(sheng), "求财可得", ("利在" + r.D(sheng)).c_str(), "小利可图", "财来迟缓", "财利难求",
                   "防有破耗") + "。";
}

std::string marriage(const Reader& r) {
    int lh = r.c.cellOfDeity(kLiuHe), yi = r.c.cellOfHeavenStem(kYi), geng = r.c.cellOfHeavenStem(kGeng);
    std::string s = "六合" + r.P(lh) + "，乙" + r.P(yi) + "庚" + r.P(geng) + "，";
    if (yi == geng || lh == yi || lh == geng) return s + (r.v ? "佳偶天成。" : "良缘可成。");
    if (chart::palaceOfCell(yi) + chart::palaceOfCell(geng) == 10) return s + (r.v ? "男女相背。" : "两意相违。");
    return s + r.judge(r.tone(lh), "婚事可谐", "媒妁得力", "尚需周旋", "婚事迟成", "阻隔难成", "防中途生变") + "。";
}

std::string birth(const Reader& r) {
    int g = chart::cellOfPalace(chart::kKunPalace);
    std::string s = "坤宫逢" + r.door(g) + "、" + r.star(g) + "，";
    if (r.c.cell(g).star == kRui) s += "须防产病";
    else s += r.judge(doorTone(r.c.cell(g).door), "母子平安", "临盆顺利", "产期稍迟", "宜静养待时", "产有惊险", "宜预为调护");
    bool yang = r.c.cell(g).heavenStem % 2 == 1;
    return s + "；上乘" + r.heaven(g) + (yang ? "，主男。" : "，主女。");
}

std::string illness(const Reader& r) {
    int rui = r.c.cellOfStar(kRui), si = r.c.cellOfDoor(kSi);
    if (rui == si) return "天芮死门同临" + r.P(rui) + "，病势沉重，宜急求医。";
    return "天芮临" + r.P(rui) + "，死门在" + r.P(si) + "，" +
           r.judge(doorTone(r.c.cell(rui).door), "遇医可愈", "药到病除", "调养渐安", "病势缠绵", "病重难痊",
                   "宜防反复") + "。";
}

std::string lostThing(const Reader& r) {
    int xw = r.c.cellOfDeity(kXuanWu), lh = r.c.cellOfDeity(kLiuHe);
    return "玄武在" + r.D(xw) + "，六合在" + r.P(lh) + "，" +
           r.judge(r.tone(lh), "物可寻回", "失而复得", "久后方见", "寻之在近", "盗去难追", "物已远去") + "。";
}

std::string letters(const Reader& r) {
    int horse = r.c.horseCell(), jing = r.c.cellOfDoor(kJing);
    std::string s = "驿马" + r.P(horse) + "，景门" + r.P(jing) + "，";
    if (horse == jing) return s + "信即刻至。";
    return s + r.judge(r.tone(jing), "佳音将到", "书信平安", "信来稍迟", "音信迟滞", "信阻途中", "音书断绝") + "。";
}

std::string crows(const Reader& r) {
    int g = r.c.cellOfBranch(calendar::branchOf(r.c.record.hourGZ));
    static const char* const omen[9] = {"主文书至", "主贵客来", "主丧吊事", "主争斗伤", "主阻隔事",
                                        "主无定应", "主官中喜", "主惊恐事", "主进财喜"};
    std::string deity(chart::deityText(chart::DeityList::W, r.c.cell(g).deity));
    return "鸦鸣" + r.D(g) + "，其宫" + r.door(g) + "会" + deity + "，" + omen[r.c.cell(g).door] + "。";
}

}  // namespace

std::string topicReading(const BaojianChart& chart, int topic, int n) {
    Reader r{chart, (n + topic) % 2};
    switch (topic) {
    case 0: return military(r);
    case 1: return travel(r);
    case 2: return dwelling(r);
    case 3: return grave(r);
    case 4: return affairs(r);
    case 5: return feint(r);
    case 6: return siege(r);
    case 7: return defence(r);
    case 8: return weather(r);
    case 9: return terrain(r);
    case 10: return household(r);
    case 11: return office(r);
    case 12: return examination(r);
    case 13: return wealth(r);
    case 14: return marriage(r);
    case 15: return birth(r);
    case 16: return illness(r);
    case 17: return lostThing(r);
    case 18: return letters(r);
    case 19: return crows(r);
    default: return {};
    }
}

std::string composeTopicReadings(const BaojianChart& chart, int n) {
    std::string text;
    for (int t = 0; t < 20; ++t) {
        if (t) text += "\r\n";
        text += kTopicHeadings[static_cast<std::size_t>(t)];
        text += "：";
        text += topicReading(chart, t, n);
    }
    return text;
}

}  // namespace qimen::gen

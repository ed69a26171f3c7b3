// Charts judged by hand: for each, where every element stands, why each
// reason applies and how the weights of data/judgement/rules.txt sum to the
// verdict. Every topic is worked on at least three charts, here and in
// worked_charts_more_test.cpp.
//
// Reading the layouts: "巽4 庚/丙 英 生 直符" is the palace 巽4 with heaven
// stem 庚 over earth stem 丙, the star 天英, the door 生门 and the deity 直符;
// "+丁" is the centre's stem carried with 天芮. Elements: 水 木 火 土 金,
// palaces 坎 水, 艮 坤 土, 震 巽 木, 离 火, 乾 兑 金; doors 休 水, 伤 杜 木, 景 火,
// 生 死 土, 开 惊 金; stars 蓬 水, 冲 辅 木, 英 火, 芮 禽 任 土, 心 柱 金.
// Tombs (墓): 乙 丙 戊 乾, 丁 己 庚 艮, 辛 壬 巽, 癸 坤; doors and stars by
// phase: 水 土 巽, 木 坤, 火 乾, 金 艮. Boundaries of [通则]: 大吉 ≥ 7,
// 吉 ≥ 2, 凶 ≤ −6, 大凶 ≤ −11.
#include "worked_chart_case.hpp"

namespace qimen::judgement::testing {
namespace {

// 2008-08-08 20:00: 戊子 庚申 庚辰 丙戌, 阴遁二局, xun 甲申 (庚). Month 申:
// 金 旺, 水 相, 土 休, 火 囚, 木 死. Void 午未 (离9, 坤2); horse 申 (坤2).
//   巽4 庚/丙 英 生 直符   悖格 时格 太白入荧
//   离9 戊+丁/庚 芮 伤 九天  void
//   坤2 壬/戊+丁 柱 杜 九地  void, horse
//   震3 丙/乙 辅 休 螣蛇
//   兑7 癸/壬 心 景 玄武
//   艮8 乙/辛 冲 开 太阴   乙奇逢马 真诈 云遁 青龙逃走
//   坎1 辛/己 任 惊 六合
//   乾6 己/癸 蓬 死 白虎
// 日干庚 巽4, 时干丙 震3.
constexpr CivilDateTime kOlympics{2008, 8, 8, 20, 0};

// 2024-01-08 16:00: 癸卯 乙丑 辛未 丙申, 阳遁八局, xun 甲午 (辛). Month 丑:
// 土 旺, 金 相, 火 休, 木 囚, 水 死. Void 辰巳 (巽4); horse 寅 (艮8).
//   巽4 戊/癸 任 死 白虎   void
//   离9 壬/己 冲 惊 玄武
//   坤2 癸/辛+丁 辅 开 九地  蛇夭矫
//   震3 庚/壬 蓬 景 六合   上格
//   兑7 己/乙 英 休 九天
//   艮8 丙/戊 心 杜 太阴   horse; 丙奇逢鼠 飞鸟跌穴
//   坎1 乙/庚 柱 伤 螣蛇
//   乾6 辛+丁/丙 芮 生 直符  悖格
// 日干辛 乾6, 时干丙 艮8.
constexpr CivilDateTime kJan08At16{2024, 1, 8, 16, 0};

// 2024-03-04 10:00: 甲辰 丙寅 丁卯 乙巳, 阳遁九局, xun 甲辰 (壬). Month 寅:
// 木 旺, 火 相, 水 休, 金 囚, 土 死. Void 寅卯 (艮8, 震3); horse 亥 (乾6).
//   巽4 庚+癸/壬 芮 生 太阴  天乙伏宫 上格 六仪击刑 (癸 at 巽)
//   离9 丙/戊 柱 伤 六合   丙奇逢鼠 飞鸟跌穴 三奇升殿
//   坤2 丁/庚+癸 心 杜 白虎  丁奇逢虎 飞干格 朱雀入江
//   震3 戊/辛 英 休 螣蛇   void; 六仪击刑 (戊 at 震)
//   兑7 己/丙 蓬 景 玄武
//   艮8 壬/乙 辅 开 直符   void; 地网遮蔽
//   坎1 辛/己 冲 惊 九天
//   乾6 乙/丁 任 死 九地   horse; 三奇入墓
// 日干丁 坤2, 时干乙 乾6.
constexpr CivilDateTime kMar04At10{2024, 3, 4, 10, 0};

// 2024-03-04 14:00: 甲辰 丙寅 丁卯 丁未, 阳遁九局, xun 甲辰 (壬), the heaven
// plate in 反吟. Month 寅 as above. Void 寅卯 (艮8, 震3); horse 巳 (巽4).
//   巽4 丁/壬 心 休 白虎   horse; 丁奇逢龙
//   离9 己/戊 蓬 生 玄武
//   坤2 乙/庚+癸 任 伤 九地
//   震3 丙/辛 柱 开 六合   void; 休诈
//   兑7 辛/丙 冲 杜 九天
//   艮8 庚+癸/乙 芮 惊 太阴  void; 六仪击刑 (庚 at 艮)
//   坎1 戊/己 英 死 螣蛇
//   乾6 壬/丁 辅 景 直符   九星反吟 地网遮蔽
// 日干丁 and 时干丁 巽4.
constexpr CivilDateTime kMar04At14{2024, 3, 4, 14, 0};

// 2024-03-01 04:00: 甲辰 丙寅 甲子 丙寅, 阳遁九局, xun 甲子 (戊). A 甲 day:
// 日干 is read as 戊, the instrument 甲子 hides under. Month 寅 as above.
// Void 戌亥 (乾6); horse 申 (坤2).
//   巽4 乙/壬 任 伤 玄武
//   兑7 戊/丙 英 死 直符   青龙返首 悖格
//   艮8 丁/乙 心 休 六合   休诈 三奇入墓
//   坎1 丙/己 柱 开 太阴   真诈
//   乾6 庚+癸/丁 芮 惊 螣蛇  void; 蛇夭矫
// 日干甲 (as 戊) 兑7, 时干丙 坎1.
constexpr CivilDateTime kMar01At04{2024, 3, 1, 4, 0};

const WorkedCase kCases[] = {
    // 生门 under its palace's 克, 庚 in the 生门 palace, 戊 void → 凶.
    {"OlympicsWealth", kOlympics, Topic::Wealth, Verdict::Bad, -7,
     {"日干庚 旺 +1",                // 庚 金 in a 金 month
      "时干丙 与对比和(日干庚) +1",  // 震 木 beside 巽 木
      "生门 入墓 -2",                // 生门 土 is entombed in 巽 (辰)
      "生门 宫迫 -2",                // 巽 木 controls 生门 土
      "生门 与对同宫(日干庚) +2",    // both in 巽4
      "生门 与对比和(时干丙) +1",    // 巽 木, 震 木
      "生门 同宫(庚) -2",            // 庚 on 巽's heaven plate (生门 is no stem, so the rule holds on a 庚 day)
      "生门 凶格(悖格) -1",          // the useful god owns 巽's patterns, not the asker
      "生门 凶格(时格) -1",          // 庚 over the hour stem 丙
      "生门 凶格(太白入荧) -2",      // 庚 over 丙
      "戊 空亡 -2",                  // 离 holds the void 午
      "戊 得宫生 +1",                // 离 火 generates 戊 土
      "戊 受对生(日干庚) -1"},       // 巽 木 generates 离 火
     // 生门 and 戊 are 休 (土 in 金) and weigh nothing; the sum −7 is 凶.
     "生门落巽入墓，待戌日冲开墓库，事乃有动"},  // 巽's tomb branch 辰 is clashed by 戌
    {"OlympicsMarriage", kOlympics, Topic::Marriage, Verdict::Good, 4,
     {"日干庚 旺 +1",
      "时干丙 与对比和(日干庚) +1",
      "六合 生对(庚) +1",            // 坎 水 generates 巽 木; against 乙 (艮 土 controls 坎) 六合 weighs 0
      "六合 同宫(惊门) -2",          // 惊门 in 坎
      "乙 死 -2",                    // 乙 木 in a 金 month
      "乙 受对克(庚) -2",            // 巽 木 controls 艮 土: the man overbears the woman
      "乙 同宫(太阴) +1",
      "乙 同宫(开门) +1",
      "乙 吉格(乙奇逢马) +1",        // 乙 over 辛
      "乙 吉格(真诈) +1",            // a wonder, 开门 and 太阴
      "乙 吉格(云遁) +1",
      "乙 凶格(青龙逃走) -1",        // 乙 over 辛 again
      "庚 旺 +2",                    // 庚 金 in a 金 month, as a useful god
      "庚 同宫(生门) +1"},           // 庚 owns 巽 but its 凶格 weigh 0 in this topic
     // Sum 4: 吉.
     "六合落坎，可看子之日、月"},    // a deity has no state: the plain hint
    {"OlympicsTravel", kOlympics, Topic::Travel, Verdict::Even, 1,
     {"日干庚 旺 +1",
      "日干庚 凶格(悖格) -1",        // no useful god in 巽: the asker owns its patterns
      "日干庚 凶格(时格) -1",
      "日干庚 凶格(太白入荧) -2",
      "时干丙 与对比和(日干庚) +1",
      "开门 旺 +2",                  // 开门 金 in a 金 month
      "开门 入墓 -2",                // 金 is entombed in 艮 (丑)
      "开门 得宫生 +1",              // 艮 土 generates 金
      "开门 受对克(日干庚) +1",      // 巽 木 controls 艮 土
      "开门 受对克(时干丙) -1",      // 震 木 controls 艮 土
      "开门 吉格(乙奇逢马) +1",
      "开门 吉格(真诈) +1",
      "开门 吉格(云遁) +1",
      "开门 凶格(青龙逃走) -1"},
     // Sum 1: 平. Directions: 艮8 开门 +3, 太阴 +1, three 吉格 +3, 青龙逃走 −1,
     // 开门's tomb −1 = 5, the best; 乾6 死门 −3, 天蓬 −1, 白虎 −2 = −6, the worst.
     "开门落艮入墓，待未日冲开墓库，事乃有动", 8, 6},

    // A strong chart for money held back by its capital: 戊 void and under
    // 巽's 克 sets the ceiling 平.
    {"Jan08At16Wealth", kJan08At16, Topic::Wealth, Verdict::Even, 9,
     {"日干辛 相 +1",                // 辛 金 in a 土 month
      "时干丙 生对(日干辛) +1",      // 艮 土 generates 乾 金
      "时干丙 吉格(丙奇逢鼠) +1",    // 丙 over 戊; no useful god in 艮, so the matter owns it
      "时干丙 吉格(飞鸟跌穴) +2",
      "生门 旺 +2",                  // 生门 土 in a 土 month
      "生门 与对同宫(日干辛) +2",    // both in 乾6
      "生门 受对生(时干丙) +1",      // 艮 土 generates 乾 金
      "生门 同宫(丁) +1",            // the centre's 丁 rides with 天芮 into 乾
      "生门 凶格(悖格) -1",          // the leader star 芮 with 丙 on the earth plate
      "戊 旺 +2",
      "戊 空亡 -2",                  // 巽 holds the void 辰 and 巳
      "戊 受宫克 -2",                // 巽 木 controls 戊 土
      "戊 受对克(日干辛) +1",        // 乾 金 controls 巽 木
      "戊 上限"},                    // void and controlled: at most 平
     // Sum 9 would be 大吉.
     "生门落乾而气旺，应期较近，可看戌、亥之日、月"},
    {"Jan08At16Illness", kJan08At16, Topic::Illness, Verdict::Good, 4,
     {"日干辛 相 +1",
      "日干辛 同宫(值符) +1",
      "时干丙 生对(日干辛) +1",
      "天芮 旺 -2",                  // the illness 土 at its height in a 土 month
      "天芮 与对同宫(日干辛) -2",    // with the patient in 乾; 天芮 owns 乾's 悖格, which weighs 0 for an illness
      "死门 旺 -2",
      "死门 空亡 +2",                // 巽 void: the course of the illness has no hold
      "死门 入墓 -1",                // 土 entombed in 巽
      "死门 宫迫 +1",                // 巽 木 controls 死门 土
      "死门 受对克(日干辛) +2",      // 乾 金 controls 巽 木
      "天心 相 +1",                  // 心 金 in a 土 month
      "天心 入墓 -2",                // 金 entombed in 艮
      "天心 得宫生 +1",              // 艮 土 generates 金
      "天心 生对(日干辛) +2",        // 艮 土 generates 乾 金
      "天心 生对(天芮) -1",          // … and so feeds the illness in the same palace
      "天心 吉格(丙奇逢鼠) +1",
      "天心 吉格(飞鸟跌穴) +2",
      "乙 囚 -1",                    // 乙 木 in a 土 month
      "乙 得宫生 +1",                // 坎 水 generates 木
      "乙 受对生(日干辛) -1"},       // 乾 金 generates 坎 水
     // Sum 4: 吉.
     "天芮落乾而气旺，应期较近，可看戌、亥之日、月"},
    {"Jan08At16Work", kJan08At16, Topic::Work, Verdict::Even, 13,
     {"日干辛 相 +1",
      "时干丙 生对(日干辛) +1",
      "时干丙 吉格(丙奇逢鼠) +1",
      "时干丙 吉格(飞鸟跌穴) +2",
      "开门 相 +1",                  // 开门 金 in a 土 month
      "开门 得宫生 +1",              // 坤 土 generates 金
      "开门 生对(日干辛) +3",        // 坤 土 generates 乾 金: the post comes to the asker
      "开门 与对比和(时干丙) +1",    // 坤 and 艮 are both 土
      "开门 同宫(天辅) +1",
      "开门 凶格(蛇夭矫) -1",        // 癸 over the centre's 丁
      "值符 与对同宫(日干辛) +2",    // 值符 owns 乾, and its patterns weigh 0 for work
      "戊 旺 +2",
      "戊 空亡 -1",
      "戊 受宫克 -2",
      "戊 受对克(日干辛) +1",
      "戊 上限"},                    // the pay void and controlled: at most 平
     // Sum 13 would be 大吉.
     "开门落坤而气旺，应期较近，可看未、申之日、月"},

    {"Mar04At10Wealth", kMar04At10, Topic::Wealth, Verdict::GreatBad, -28,
     {"日干丁 相 +1",                // 丁 火 in a 木 month
      "日干丁 吉格(丁奇逢虎) +1",    // 丁 over the centre's 癸; the asker owns 坤
      "日干丁 凶格(飞干格) -2",      // the day stem 丁 over 庚
      "日干丁 凶格(朱雀入江) -1",    // 丁 over 癸
      "时干乙 入墓 -1",              // 乙 in its tomb 乾 (三奇入墓 is that same tomb and is not counted twice)
      "生门 死 -2",                  // 生门 土 in a 木 month
      "生门 入墓 -2",                // 土 entombed in 巽
      "生门 击刑(癸) -2",            // the centre's 癸 rides with 天芮 into 巽, where 癸 is punished
      "生门 宫迫 -2",                // 巽 木 controls 生门 土
      "生门 克对(日干丁) -3",        // 巽 木 controls 坤 土: money burdens the asker
      "生门 受对克(时干乙) -1",      // 乾 金 controls 巽 木
      "生门 同宫(庚) -2",
      "生门 凶格(天乙伏宫) -1",
      "生门 凶格(上格) -1",          // 庚 over 壬
      "戊 死 -2",
      "戊 空亡 -2",                  // 震 holds the void 卯
      "戊 击刑(戊) -2",              // 戊 punished in 震
      "戊 受宫克 -2",                // 震 木 controls 戊 土
      "戊 克对(日干丁) -2"},         // 震 木 controls 坤 土
     // Sum −28: 大凶.
     "生门落巽入墓，待戌日冲开墓库，事乃有动"},
    {"Mar04At10Exam", kMar04At10, Topic::Exam, Verdict::Even, -5,
     {"日干丁 相 +1",
      "时干乙 入墓 -1",
      "景门 相 +1",                  // 景门 火 in a 木 month
      "景门 门迫 -2",                // 景门 火 controls 兑 金
      "景门 受对生(日干丁) -1",      // 坤 土 generates 兑 金
      "景门 与对比和(时干乙) +1",    // 兑 and 乾 are both 金
      "丁 相 +1",                    // the grades are the day stem itself: no relation with 日干
      "丁 吉格(丁奇逢虎) +1",        // 丁, a useful god, owns 坤
      "丁 凶格(飞干格) -2",
      "丁 凶格(朱雀入江) -3",        // 丁 over 癸: the grades sink
      "天辅 旺 +2",                  // 辅 木 in a 木 month
      "天辅 空亡 -2",                // 艮 holds the void 寅
      "天辅 与对比和(日干丁) +1",    // 艮 and 坤 are both 土
      "天辅 凶格(地网遮蔽) -1",      // 壬 over the hour stem 乙
      "值符 空亡 -2",                // 值符 rides with 天辅 into 艮
      "值符 与对比和(日干丁) +1"},
     // Sum −5: 平, one short of 凶.
     "丁落坤而气旺，应期较近，可看未、申之日、月"},
    {"Mar04At10Lawsuit", kMar04At10, Topic::Lawsuit, Verdict::Bad, -7,
     {"日干丁 相 +1",
      "日干丁 同宫(白虎) -2",
      "时干乙 入墓 -1",
      "时干乙 受对生(日干丁) -1",    // 坤 土 generates 乾 金: we must give way
      "开门 囚 -1",                  // 开门 金 in a 木 month
      "开门 空亡 -2",
      "开门 入墓 -2",                // 金 entombed in 艮
      "开门 得宫生 +1",
      "开门 与对比和(日干丁) +1",    // 艮 and 坤 are both 土
      "开门 生对(时干乙) -2",        // 艮 土 generates 乾 金: the judge leans to the other side
      "开门 凶格(地网遮蔽) -1",
      "丁 相 +1",
      "丁 吉格(丁奇逢虎) +1",
      "丁 凶格(飞干格) -2",
      "丁 凶格(朱雀入江) -1",
      "惊门 囚 +1",                  // the lawsuit 金 weak in a 木 month
      "惊门 受对克(日干丁) +2"},     // 坤 土 against 坎 水: we hold it down
     // Sum −7: 凶.
     "开门落艮逢空，待寅日出空填实，方见分晓"},

    {"Mar04At14Marriage", kMar04At14, Topic::Marriage, Verdict::Even, -4,
     {"局 反吟 -1",                  // every heaven stem over the opposite palace's earth stem
      "日干丁 相 +1",
      "日干丁 得宫生 +1",            // 巽 木 generates 丁 火
      "日干丁 吉格(丁奇逢龙) +1",    // 丁 over 壬; the matter's 丁 is the same stem and adds nothing
      "六合 空亡 -3",                // 震 holds the void 卯
      "六合 克对(乙) -1",            // 震 木 controls 坤 土
      "六合 克对(庚) -1",            // … and 艮 土
      "六合 吉格(休诈) +1",          // a wonder, 开门 and 六合
      "乙 旺 +2",
      "乙 与对比和(庚) +2",          // 坤 and 艮 are both 土
      "庚 囚 -1",                    // 庚 金 in a 木 month
      "庚 空亡 -2",                  // 艮 holds the void 寅
      "庚 入墓 -2",                  // 庚's tomb is 艮
      "庚 击刑(庚) -2",              // and 艮 is where 庚 is punished
      "庚 得宫生 +1"},               // 艮 土 generates 庚 金
     // Sum −4: 平.
     "六合落震逢空，待卯日出空填实，方见分晓"},
    {"Mar04At14Illness", kMar04At14, Topic::Illness, Verdict::GreatGood, 13,
     {"局 反吟 -1",
      "日干丁 相 +1",
      "日干丁 得宫生 +1",
      "日干丁 同宫(白虎) -2",
      "天芮 死 +2",                  // the illness 土 dead in a 木 month
      "天芮 空亡 +2",                // 艮 void
      "天芮 击刑(庚) -1",
      "天芮 受对克(日干丁) +3",      // 巽 木 controls 艮 土: the patient holds out
      "死门 死 +2",
      "死门 门迫 -1",                // 死门 土 controls 坎 水
      "天心 囚 -1",                  // 心 金 in a 木 month
      "天心 与对同宫(日干丁) +2",    // the physician beside the patient in 巽
      "天心 克对(天芮) +2",          // 巽 木 controls 艮 土
      "天心 吉格(丁奇逢龙) +1",      // 天心 owns 巽
      "乙 旺 +2",
      "乙 受对克(日干丁) +1"},       // 巽 木 controls 坤 土
     // Sum 13: 大吉.
     "天芮落艮逢空，待寅日出空填实，方见分晓"},
    {"Mar04At14Weather", kMar04At14, Topic::Weather, Verdict::Even, 3,
     {"局 反吟 0",                   // shown, weighs nothing for the sky
      "天英 相 +1",                  // 英 火 in a 木 month
      "天英 受宫克 -2",              // in 坎: 水 puts out 火
      "丙 相 +1",
      "丙 空亡 -2",                  // 震 void
      "丙 得宫生 +1",                // 震 木 generates 丙 火
      "壬 得宫生 -1",                // in 乾: 金 generates 水
      "癸 空亡 +2",                  // 癸 rides with 天芮 into the void 艮
      "癸 受宫克 +1",                // 艮 土 controls 水
      "天冲 旺 -1",                  // 冲 木 in a 木 month: wind
      "天冲 受宫克 +1",              // in 兑: 金 controls 木
      "天柱 空亡 +2"},               // 柱 in the void 震
     // 天蓬 (休) and 壬's state weigh nothing. Sum 3: 平 (吉 needs 4 for the sky).
     "天蓬落离，可看午之日、月"},

    // A 甲 day: 日干 stands where 戊 stands.
    {"Mar01At04Illness", kMar01At04, Topic::Illness, Verdict::GreatGood, 7,
     {"日干甲 死 -1",                // read as 戊 土, dead in a 木 month
      "日干甲 同宫(值符) +1",
      "时干丙 吉格(真诈) +1",        // 丙, 开门 and 太阴 in 坎
      "天芮 死 +2",
      "天芮 空亡 +2",                // 乾 holds the void 戌 and 亥
      "死门 死 +2",
      "死门 与对同宫(日干甲) -2",    // 死门 in 兑 with the patient
      "天心 囚 -1",
      "天心 入墓 -2",                // 金 entombed in 艮
      "天心 得宫生 +1",
      "天心 生对(日干甲) +2",        // 艮 土 generates 兑 金
      "天心 生对(天芮) -1",          // … and 乾 金
      "天心 吉格(休诈) +1",
      "天心 凶格(三奇入墓) -1",      // 丁 in its tomb 艮; 天心 is no wonder, so it counts
      "乙 旺 +2",
      "乙 受对克(日干甲) +1"},       // 兑 金 controls 巽 木
     // 死门 owns 兑, so 青龙返首 and 悖格 weigh 0 (a 忌 owner). Sum 7: 大吉.
     "天芮落乾逢空，待戌亥日出空填实，方见分晓"},
};

INSTANTIATE_TEST_SUITE_P(Worked, WorkedChart, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::judgement::testing

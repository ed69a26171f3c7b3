// More charts judged by hand, read as in worked_charts_test.cpp: a spring
// chart for marriage, work and examinations, a 伏吟 chart whose travel is
// held to 平, a midsummer and a midwinter chart.
#include "worked_chart_case.hpp"

namespace qimen::judgement::testing {
namespace {

// 2024-03-03 14:00: 甲辰 丙寅 丙寅 乙未, 阳遁九局, xun 甲午 (辛). Month 寅:
// 木 旺, 火 相, 水 休, 金 囚, 土 死. Void 辰巳 (巽4); horse 巳 (巽4).
//   巽4 戊/壬 英 伤 太阴   void, horse
//   离9 庚+癸/戊 芮 杜 六合  地假
//   坤2 丙/庚+癸 柱 景 白虎  丙奇逢鼠 飞干格 荧惑入白
//   震3 壬/辛 辅 生 螣蛇
//   兑7 丁/丙 心 死 玄武   三奇升殿
//   艮8 辛/乙 冲 休 直符   白虎猖狂
//   坎1 乙/己 任 开 九天   乙奇逢犬 地遁 龙遁
//   乾6 己/丁 蓬 惊 九地
// 日干丙 坤2, 时干乙 坎1.
constexpr CivilDateTime kMar03At14{2024, 3, 3, 14, 0};

// 2024-01-18 20:00: 癸卯 乙丑 辛巳 戊戌, 阳遁二局, xun 甲午 (辛). The
// instrument 辛 lies in the centre, so 天禽 leads and sits on 坤, where the
// hour stem 戊 lies: every heaven stem over its own earth stem (伏吟). Month
// 丑: 土 旺, 金 相, 火 休, 木 囚, 水 死. Void 辰巳 (巽4); horse 申 (坤2).
//   巽4 庚/庚 辅 景 九地   void
//   离9 丙/丙 英 死 九天   三奇升殿
//   坤2 戊+辛/戊+辛 芮 惊 直符  horse; the echo patterns (weigh 0)
//   震3 己/己 冲 杜 玄武
//   兑7 癸/癸 柱 开 螣蛇
//   艮8 丁/丁 任 伤 白虎   三奇入墓
//   坎1 乙/乙 蓬 生 六合   休诈 龙遁
//   乾6 壬/壬 心 休 太阴
// 日干辛 (the centre's stem, with 天芮) and 时干戊 坤2.
constexpr CivilDateTime kJan18At20{2024, 1, 18, 20, 0};

// 2024-07-02 16:00: 甲辰 庚午 丁卯 戊申, 阴遁九局, xun 甲辰 (壬). Month 午:
// 火 旺, 土 相, 木 休, 水 囚, 金 死. Void 寅卯 (艮8, 震3); horse 寅 (艮8).
//   巽4 戊/癸 英 休 螣蛇
//   离9 丙+壬/戊 芮 生 直符  丙奇逢鼠 飞鸟跌穴 三奇升殿 悖格 地网遮蔽
//   坤2 庚/丙+壬 柱 伤 九天  天乙伏宫 上格 太白入荧
//   震3 癸/丁 辅 开 太阴   void; 蛇夭矫
//   兑7 辛/庚 心 杜 九地
//   艮8 丁/己 冲 惊 六合   void, horse; 三奇入墓
//   坎1 己/乙 任 死 白虎
//   乾6 乙/辛 蓬 景 玄武   乙奇逢马 青龙逃走 三奇入墓
// 日干丁 艮8, 时干戊 巽4.
constexpr CivilDateTime kJul02At16{2024, 7, 2, 16, 0};

// 2024-12-01 22:00: 甲辰 乙亥 己亥 乙亥, 阴遁八局, xun 甲戌 (己). Month 亥:
// 水 旺, 木 相, 金 休, 土 囚, 火 死. Void 申酉 (坤2, 兑7); horse 巳 (巽4).
//   巽4 丁+辛/壬 芮 伤 螣蛇  horse; 丁奇逢龙
//   离9 己/乙 柱 杜 直符
//   坤2 庚/丁+辛 心 景 九天  void
//   震3 乙/癸 英 生 太阴   真诈 龙遁 三奇升殿
//   兑7 丙/己 蓬 死 九地   void; 悖格
//   艮8 壬/戊 辅 休 六合
//   坎1 癸/丙 冲 开 白虎
//   乾6 戊/庚 任 惊 玄武
// 日干己 离9, 时干乙 震3.
constexpr CivilDateTime kDec01At22{2024, 12, 1, 22, 0};

const WorkedCase kCases[] = {
    {"Mar03At14Marriage", kMar03At14, Topic::Marriage, Verdict::GreatGood, 6,
     {"日干丙 相 +1",                // 丙 火 in a 木 month
      "日干丙 吉格(丙奇逢鼠) +1",    // no useful god in 坤: the asker owns it; 丙 over 庚
      "日干丙 凶格(飞干格) -2",      // the day stem over 庚
      "日干丙 凶格(荧惑入白) -1",
      "时干乙 受对克(日干丙) +1",    // 坤 土 controls 坎 水
      "六合 与对同宫(庚) +1",        // both in 离9
      "六合 吉格(地假) +1",          // the centre's 癸 with 杜门 and 六合
      "乙 旺 +2",
      "乙 得宫生 +1",                // 坎 水 generates 木
      "乙 克对(庚) -1",              // 坎 水 controls 离 火
      "乙 同宫(开门) +1",
      "乙 吉格(乙奇逢犬) +1",        // 乙 over 己
      "乙 吉格(地遁) +2",            // … with 开门
      "乙 吉格(龙遁) +1",            // 乙 in 坎 with 开门
      "庚 囚 -1",                    // 庚 金 in a 木 month
      "庚 受宫克 -2"},               // 离 火 controls 庚 金 (not void: no ceiling)
     // Sum 6: 大吉 by the marriage boundary 5.
     "六合落离，可看午之日、月"},
    {"Mar03At14Work", kMar03At14, Topic::Work, Verdict::Even, 1,
     {"日干丙 相 +1",
      "日干丙 吉格(丙奇逢鼠) +1",
      "日干丙 凶格(飞干格) -2",
      "日干丙 凶格(荧惑入白) -1",
      "时干乙 受对克(日干丙) +1",
      "开门 囚 -1",                  // 开门 金 in a 木 month
      "开门 受对克(日干丙) +1",      // 坤 土 controls 坎 水
      "开门 与对同宫(时干乙) +1",
      "开门 同宫(乙) +1",
      "开门 同宫(九天) +1",
      "开门 吉格(乙奇逢犬) +1",      // 开门 owns 坎 before the matter
      "开门 吉格(地遁) +2",
      "开门 吉格(龙遁) +1",
      "值符 与对比和(日干丙) +1",    // 艮 and 坤 are both 土; 值符's 白虎猖狂 weighs 0 for work
      "戊 死 -2",                    // 戊 土 in a 木 month
      "戊 空亡 -1",                  // 巽 void
      "戊 受宫克 -2",                // 巽 木 controls 戊 土
      "戊 克对(日干丙) -2"},         // 巽 木 controls 坤 土
     // Sum 1: 平 (the ceiling of 戊, void and controlled, changes nothing).
     "开门落坎而气弱，应期较远，多在子之月，或待其得令之时"},
    {"Mar03At14Exam", kMar03At14, Topic::Exam, Verdict::GreatGood, 8,
     {"日干丙 相 +1",                // 景门 owns 坤 now
      "时干乙 受对克(日干丙) +1",
      "时干乙 吉格(乙奇逢犬) +1",    // no useful god in 坎: the matter owns it
      "时干乙 吉格(地遁) +2",
      "时干乙 吉格(龙遁) +1",
      "景门 相 +1",                  // 景门 火 in a 木 month
      "景门 与对同宫(日干丙) +2",
      "景门 克对(时干乙) -1",        // 坤 土 controls 坎 水
      "景门 吉格(丙奇逢鼠) +1",
      "景门 凶格(飞干格) -2",
      "景门 凶格(荧惑入白) -1",
      "丁 相 +1",
      "丁 受对生(日干丙) -1",        // 坤 土 generates 兑 金
      "丁 吉格(三奇升殿) +1",        // 丁 in 兑
      "天辅 旺 +2",                  // 辅 木 in a 木 month
      "天辅 克对(日干丙) -2",        // 震 木 controls 坤 土
      "值符 与对比和(日干丙) +1"},   // 艮 and 坤; 白虎猖狂 weighs 0
     // Sum 8: 大吉.
     "丁落兑而气旺，应期较近，可看酉之日、月"},

    {"Jan18At20Illness", kJan18At20, Topic::Illness, Verdict::Even, -1,
     {"局 伏吟 -1",
      "日干辛 相 +1",                // 辛 金 in a 土 month
      "日干辛 得宫生 +1",            // 坤 土 generates 金
      "日干辛 同宫(值符) +1",
      "时干戊 与对同宫(日干辛) +1",
      "天芮 旺 -2",                  // the illness 土 in a 土 month
      "天芮 与对同宫(日干辛) -2",
      "死门 旺 -2",
      "死门 得宫生 -1",              // 离 火 generates 死门 土; 离 generating 坤 weighs 0 for a 忌
      "天心 相 +1",
      "天心 受对生(日干辛) -1",      // 坤 土 generates 乾 金
      "天心 受对生(天芮) -1",        // the same palace again, through 天芮
      "乙 囚 -1",                    // 乙 木 in a 土 month
      "乙 得宫生 +1",                // 坎 水 generates 木
      "乙 受对克(日干辛) +1",        // 坤 土 controls 坎 水
      "乙 同宫(生门) +1",
      "乙 吉格(休诈) +1",            // a wonder, 生门 and 六合
      "乙 吉格(龙遁) +1"},           // 乙 in 坎 with 生门
     // Sum −1: 平.
     "天芮落坤而气旺，应期较近，可看未、申之日、月"},
    {"Jan18At20Lawsuit", kJan18At20, Topic::Lawsuit, Verdict::Even, -1,
     {"局 伏吟 -1",
      "日干辛 相 +1",
      "日干辛 得宫生 +1",
      "日干辛 同宫(值符) +2",        // the noble helps us
      "时干戊 与对同宫(日干辛) 0",   // shown, weighs nothing: both sides in one place
      "开门 相 +1",                  // 开门 金 in a 土 month; 坤 generating 兑 weighs 0 here
      "丁 入墓 -2",                  // 丁 in its tomb 艮 (三奇入墓 not counted twice)
      "丁 与对比和(日干辛) +1",      // 艮 and 坤 are both 土
      "惊门 相 -1",                  // the lawsuit 金 gaining in a 土 month
      "惊门 得宫生 -1",              // 坤 土 generates 惊门 金
      "惊门 与对同宫(日干辛) -2"},
     // Sum −1: 平.
     "开门落兑而气旺，应期较近，可看酉之日、月"},
    {"Jan18At20Travel", kJan18At20, Topic::Travel, Verdict::Even, 4,
     {"局 伏吟 -2",
      "日干辛 相 +1",
      "日干辛 驿马 +2",              // 坤 holds the horse 申
      "日干辛 得宫生 +1",
      "时干戊 与对同宫(日干辛) +1",
      "开门 相 +1",
      "开门 受对生(日干辛) -1",      // 坤 土 generates 兑 金
      "开门 受对生(时干戊) +1",
      "局 上限"},                    // a 伏吟 chart: travel at most 平
     // Sum 4 would be 吉. Directions: 乾6 休门 +2, 天心 +1, 太阴 +1 = 4, the
     // best; 艮8 伤门 −1, 天任 +1, 白虎 −2, 三奇入墓 −1, 门迫 (木 over 土) −1
     // = −4, the worst.
     "开门落兑而气旺，应期较近，可看酉之日、月", 6, 8},

    {"Jul02At16Work", kJul02At16, Topic::Work, Verdict::GreatBad, -12,
     {"日干丁 旺 +1",                // 丁 火 in a 火 month
      "日干丁 空亡 -1",              // 艮 holds the void 寅
      "日干丁 入墓 -1",              // 丁's tomb is 艮 (so 三奇入墓 there is not counted again)
      "日干丁 同宫(惊门) -1",
      "时干戊 克对(日干丁) -1",      // 巽 木 controls 艮 土
      "开门 死 -2",                  // 开门 金 in a 火 month
      "开门 空亡 -3",                // 震 holds the void 卯
      "开门 门迫 -2",                // 开门 金 controls 震 木
      "开门 克对(日干丁) -2",        // 震 木 controls 艮 土
      "开门 与对比和(时干戊) +1",    // 震 and 巽 are both 木
      "开门 同宫(天辅) +1",
      "开门 凶格(蛇夭矫) -1",        // 癸 over 丁
      "值符 生对(日干丁) +2",        // 离 火 generates 艮 土
      "戊 相 +1",                    // the pay is the hour stem itself
      "戊 受宫克 -2",                // 巽 木 controls 戊 土
      "戊 克对(日干丁) -2"},
     // Sum −12: 大凶.
     "开门落震逢空，待卯日出空填实，方见分晓"},
    {"Jul02At16Weather", kJul02At16, Topic::Weather, Verdict::GreatGood, 9,
     {"天英 旺 +2",                  // 英 火 in a 火 month
      "天英 得宫生 +1",              // 巽 木 generates 火
      "丙 旺 +1",
      "丙 吉格(三奇升殿) +2",        // 丙 in 离; 丙 owns 离 before 壬
      "天蓬 囚 +1",                  // 蓬 水 in a 火 month
      "天蓬 得宫生 -1",              // 乾 金 generates 水
      "癸 空亡 +2",                  // 震 void
      "天冲 空亡 +2",                // 艮 void
      "天柱 得宫生 -1"},             // 坤 土 generates 柱 金
     // 壬 (囚, in 离) and the other states weigh nothing. Sum 9: 大吉 (the sky's 8).
     "天蓬落乾而气弱，应期较远，多在戌、亥之月，或待其得令之时"},
    {"Jul02At16Travel", kJul02At16, Topic::Travel, Verdict::Bad, -9,
     {"日干丁 旺 +1",
      "日干丁 空亡 -1",
      "日干丁 入墓 -1",
      "日干丁 驿马 +2",              // 艮 holds the horse 寅
      "时干戊 克对(日干丁) -1",
      "开门 死 -2",
      "开门 空亡 -3",
      "开门 门迫 -2",
      "开门 克对(日干丁) -2",
      "开门 与对比和(时干戊) +1",
      "开门 凶格(蛇夭矫) -1"},
     // Sum −9: 凶. Directions: 离9 生门 +2, 天芮 −1, 值符 +1, 丙奇逢鼠
     // 飞鸟跌穴 三奇升殿 +3, 悖格 地网遮蔽 −2 = 3, the best; 坤2 伤门 −1,
     // 天柱 −1, 九天 +1, three 凶格 −3, 门迫 −1, 伤门's tomb 坤 −1 = −6, the
     // worst.
     "开门落震逢空，待卯日出空填实，方见分晓", 9, 2},

    {"Dec01At22Exam", kDec01At22, Topic::Exam, Verdict::Even, 0,
     {"日干己 囚 -1",                // 己 土 in a 水 month
      "日干己 得宫生 +1",            // 离 火 generates 土
      "时干乙 生对(日干己) +1",      // 震 木 generates 离 火
      "时干乙 吉格(真诈) +1",        // the matter owns 震
      "时干乙 吉格(龙遁) +1",
      "时干乙 吉格(三奇升殿) +1",
      "景门 死 -2",                  // 景门 火 in a 水 month
      "景门 空亡 -2",                // 坤 holds the void 申
      "景门 受对生(日干己) -1",      // 离 火 generates 坤 土
      "景门 受对克(时干乙) -1",      // 震 木 controls 坤 土
      "景门 同宫(庚) -2",
      "丁 死 -2",
      "丁 得宫生 +1",                // 巽 木 generates 火
      "丁 生对(日干己) +2",          // 巽 木 generates 离 火
      "丁 吉格(丁奇逢龙) +1",        // 丁 over 壬
      "天辅 相 +1",                  // 辅 木 in a 水 month
      "天辅 受对生(日干己) -1",      // 离 火 generates 艮 土
      "值符 与对同宫(日干己) +2"},
     // Sum 0: 平. 景门 is void but generates its palace, so no ceiling.
     "丁落巽而气弱，应期较远，多在辰、巳之月，或待其得令之时"},
    {"Dec01At22Lawsuit", kDec01At22, Topic::Lawsuit, Verdict::GreatGood, 7,
     {"日干己 囚 -1",
      "日干己 得宫生 +1",
      "日干己 同宫(值符) +2",
      "时干乙 生对(日干己) +2",      // the other side gives way
      "时干乙 吉格(真诈) +1",
      "时干乙 吉格(龙遁) +1",
      "时干乙 吉格(三奇升殿) +1",
      "开门 克对(日干己) -2",        // 坎 水 controls 离 火
      "开门 生对(时干乙) -2",        // 坎 水 generates 震 木
      "丁 死 -2",
      "丁 得宫生 +1",
      "丁 生对(日干己) +2",
      "丁 吉格(丁奇逢龙) +1",
      "惊门 受对克(日干己) +2"},     // 离 火 controls 乾 金: we hold the lawsuit down
     // Sum 7: 大吉.
     "开门落坎，可看子之日、月"},   // 开门 金 休 in a 水 month: the plain hint
    {"Dec01At22Weather", kDec01At22, Topic::Weather, Verdict::GreatBad, -11,
     {"天英 死 -2",                  // 英 火 in a 水 month
      "天英 得宫生 +1",              // 震 木 generates 火
      "丙 死 -2",
      "丙 空亡 -2",                  // 兑 holds the void 酉; 丙 owns 兑 and 悖格 weighs 0 for the sky
      "天蓬 旺 -3",                  // 蓬 水 in a 水 month: rain
      "天蓬 空亡 +2",
      "天蓬 得宫生 -1",              // 兑 金 generates 水
      "天蓬 同宫(九地) -1",
      "壬 旺 -1",
      "壬 受宫克 +1",                // 艮 土 controls 水
      "癸 旺 -1",
      "天冲 相 -1",                  // 冲 木 in a 水 month: wind
      "天冲 得宫生 -1",              // 坎 水 generates 木
      "天柱 受宫克 +1",              // 离 火 controls 柱 金
      "天柱 同宫(值符) -1"},
     // Sum −11: 大凶.
     "天蓬落兑逢空，待酉日出空填实，方见分晓"},
};

INSTANTIATE_TEST_SUITE_P(WorkedMore, WorkedChart, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::judgement::testing

// Pattern codes (格局) of the detector: 0..26 the auspicious
// patterns (吉格), 10000 + k (k = 0..27) the inauspicious patterns (凶格), one
// named constant per rule, and the 55-entry name table that both halves
// index (entry = code, or 27 + k).
#pragma once

#include <string_view>

#include "knowledge/knowledge_base.hpp"  // PatternCode

namespace qimen::patterns {

// The code type lives with the knowledge base, whose pattern comments it
// addresses.
using knowledge::PatternCode;

inline constexpr int kAuspiciousPatternCount = 27;
inline constexpr int kInauspiciousPatternCount = 28;
inline constexpr int kPatternCount = kAuspiciousPatternCount + kInauspiciousPatternCount;  // 55
inline constexpr PatternCode kInauspiciousBase = 10000;

constexpr bool isAuspiciousPattern(PatternCode code) { return code >= 0 && code < kAuspiciousPatternCount; }
constexpr bool isInauspiciousPattern(PatternCode code) {
    return code >= kInauspiciousBase && code < kInauspiciousBase + kInauspiciousPatternCount;
}
constexpr bool isPatternCode(PatternCode code) { return isAuspiciousPattern(code) || isInauspiciousPattern(code); }

// Entry of the name table: the code itself for 0..26, 27 + k for 10000 + k.
// Takes a valid code.
constexpr int patternTableIndex(PatternCode code) {
    return isAuspiciousPattern(code) ? code : kAuspiciousPatternCount + (code - kInauspiciousBase);
}
// The code of table entry 0..54.
constexpr PatternCode patternCodeOfIndex(int index) {
    return static_cast<PatternCode>(index < kAuspiciousPatternCount
                                        ? index
                                        : kInauspiciousBase + (index - kAuspiciousPatternCount));
}

// The name of a pattern, UTF-8, exactly as the name table has it (at most 8
// GBK bytes). Entries 2 and 3 share the text 丙奇逢鼠. Throws
// std::out_of_range for a code outside 0..26 and 10000..10027.
std::string_view patternName(PatternCode code);

// One constant per rule, in code order.
namespace pattern {
// 吉格
inline constexpr PatternCode kYiQiFengMa = 0;          // 乙奇逢马
inline constexpr PatternCode kYiQiFengQuan = 1;        // 乙奇逢犬
inline constexpr PatternCode kBingQiFengShuWu = 2;     // 丙奇逢鼠 (丙 over 戊)
inline constexpr PatternCode kBingQiFengShuGeng = 3;   // 丙奇逢鼠 (丙 over 庚)
inline constexpr PatternCode kDingQiFengLong = 4;      // 丁奇逢龙
inline constexpr PatternCode kDingQiFengHu = 5;        // 丁奇逢虎
inline constexpr PatternCode kYuNvShouMen = 6;         // 玉女守门
inline constexpr PatternCode kZhenZha = 7;             // 真诈
inline constexpr PatternCode kChongZha = 8;            // 重诈
inline constexpr PatternCode kXiuZha = 9;              // 休诈
inline constexpr PatternCode kTianDun = 10;            // 天遁
inline constexpr PatternCode kDiDun = 11;              // 地遁
inline constexpr PatternCode kRenDun = 12;             // 人遁
inline constexpr PatternCode kShenDun = 13;            // 神遁
inline constexpr PatternCode kGuiDun = 14;             // 鬼遁
inline constexpr PatternCode kLongDun = 15;            // 龙遁
inline constexpr PatternCode kFengDun = 16;            // 风遁
inline constexpr PatternCode kYunDun = 17;             // 云遁
inline constexpr PatternCode kHuDun = 18;              // 虎遁
inline constexpr PatternCode kFeiNiaoDieXue = 19;      // 飞鸟跌穴
inline constexpr PatternCode kQingLongFanShou = 20;    // 青龙返首
inline constexpr PatternCode kSanQiShengDian = 21;     // 三奇升殿
inline constexpr PatternCode kTianJia = 22;            // 天假
inline constexpr PatternCode kDiJia = 23;              // 地假
inline constexpr PatternCode kRenJia = 24;             // 人假
inline constexpr PatternCode kShenJia = 25;            // 神假
inline constexpr PatternCode kGuiJia = 26;             // 鬼假
// 凶格
inline constexpr PatternCode kBeiGe = 10000;           // 悖格
inline constexpr PatternCode kFuGanGe = 10001;         // 伏干格
inline constexpr PatternCode kFeiGanGe = 10002;        // 飞干格
inline constexpr PatternCode kTianYiFuGong = 10003;    // 天乙伏宫
inline constexpr PatternCode kTianYiFeiGong = 10004;   // 天乙飞宫
inline constexpr PatternCode kDaGe = 10005;            // 大格
inline constexpr PatternCode kXingGe = 10006;          // 刑格
inline constexpr PatternCode kShangGe = 10007;         // 上格
inline constexpr PatternCode kXiGe = 10008;            // 戏格
inline constexpr PatternCode kYueGe = 10009;           // 月格
inline constexpr PatternCode kShiGe = 10010;           // 时格
inline constexpr PatternCode kSheYaoJiao = 10011;      // 蛇夭矫
inline constexpr PatternCode kZhuQueRuJiang = 10012;   // 朱雀入江
inline constexpr PatternCode kQingLongTaoZou = 10013;  // 青龙逃走
inline constexpr PatternCode kBaiHuChangKuang = 10014; // 白虎猖狂
inline constexpr PatternCode kLiuYiJiXing = 10015;     // 六仪击刑
inline constexpr PatternCode kSanQiRuMu = 10016;       // 三奇入墓
inline constexpr PatternCode kShiMuGe = 10017;         // 时墓格
inline constexpr PatternCode kYingHuoRuBai = 10018;    // 荧惑入白
inline constexpr PatternCode kTaiBaiRuYing = 10019;    // 太白入荧
inline constexpr PatternCode kJiuXingFuYin = 10020;    // 九星伏吟
inline constexpr PatternCode kZhiFuFuYin = 10021;      // 直符伏吟
inline constexpr PatternCode kBaMenFuYin = 10022;      // 八门伏吟
inline constexpr PatternCode kJiuXingFanYin = 10023;   // 九星反吟
inline constexpr PatternCode kBaMenFanYin = 10024;     // 八门反吟
inline constexpr PatternCode kZhiFuFanYin = 10025;     // 直符反吟
inline constexpr PatternCode kTianWangSiZhang = 10026; // 天网四张
inline constexpr PatternCode kDiWangZheBi = 10027;     // 地网遮蔽
}  // namespace pattern

}  // namespace qimen::patterns

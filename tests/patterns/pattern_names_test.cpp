// The pattern-name table and the code arithmetic around it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "patterns/pattern_codes.hpp"
#include "patterns/pattern_tables.hpp"
#include "text/gbk.hpp"

namespace qimen::patterns {
namespace {

// The name table, entry by entry.
const char* const kExpectedNames[kPatternCount] = {
    "乙奇逢马", "乙奇逢犬", "丙奇逢鼠", "丙奇逢鼠", "丁奇逢龙", "丁奇逢虎", "玉女守门", "真诈",     "重诈",
    "休诈",     "天遁",     "地遁",     "人遁",     "神遁",     "鬼遁",     "龙遁",     "风遁",     "云遁",
    "虎遁",     "飞鸟跌穴", "青龙返首", "三奇升殿", "天假",     "地假",     "人假",     "神假",     "鬼假",
    "悖格",     "伏干格",   "飞干格",   "天乙伏宫", "天乙飞宫", "大格",     "刑格",     "上格",     "戏格",
    "月格",     "时格",     "蛇夭矫",   "朱雀入江", "青龙逃走", "白虎猖狂", "六仪击刑", "三奇入墓", "时墓格",
    "荧惑入白", "太白入荧", "九星伏吟", "直符伏吟", "八门伏吟", "九星反吟", "八门反吟", "直符反吟", "天网四张",
    "地网遮蔽"};

TEST(PatternNames, EveryEntryReadsAsTabled) {
    for (int i = 0; i < kPatternCount; ++i)
        EXPECT_EQ(patternName(patternCodeOfIndex(i)), kExpectedNames[i]) << "entry " << i;
}

TEST(PatternNames, AuspiciousCodesAreEntriesAndInauspiciousCodesFollowThem) {
    EXPECT_EQ(patternName(0), "乙奇逢马");
    EXPECT_EQ(patternName(26), "鬼假");
    EXPECT_EQ(patternName(10000), "悖格");
    EXPECT_EQ(patternName(10027), "地网遮蔽");
    EXPECT_EQ(patternTableIndex(10000), 27);
    EXPECT_EQ(patternTableIndex(10027), 54);
    for (int i = 0; i < kPatternCount; ++i) EXPECT_EQ(patternTableIndex(patternCodeOfIndex(i)), i);
}

TEST(PatternNames, EntriesTwoAndThreeShareTheirTextButAreTwoCodes) {
    EXPECT_EQ(patternName(pattern::kBingQiFengShuWu), patternName(pattern::kBingQiFengShuGeng));
    EXPECT_NE(pattern::kBingQiFengShuWu, pattern::kBingQiFengShuGeng);
}

TEST(PatternNames, EveryNameFitsANineByteGbkCell) {
    for (int i = 0; i < kPatternCount; ++i) {
        std::size_t bytes = text::gbkLength(patternName(patternCodeOfIndex(i)));
        EXPECT_LE(bytes, 8u) << "entry " << i;
        EXPECT_GE(bytes, 4u) << "entry " << i;
    }
}

TEST(PatternNames, CodesOutsideBothRangesAreRefused) {
    for (PatternCode code : {-1, 27, 9999, 10028, 32767})
        EXPECT_THROW(patternName(static_cast<PatternCode>(code)), std::out_of_range) << code;
    EXPECT_FALSE(isPatternCode(27));
    EXPECT_TRUE(isInauspiciousPattern(10027));
    EXPECT_FALSE(isAuspiciousPattern(10000));
}

// Spot checks of the fixed tables against their published rows, and the
// shape of the two relation tables.
TEST(PatternTables, SampledEntriesMatchThePart) {
    EXPECT_EQ(kStarDoorScore[1][0], -2);  // 蓬 景
    EXPECT_EQ(kStarDoorScore[6][6], -1);  // 心 开
    EXPECT_EQ(kStarDoorScore[4][6], 1);   // 辅 开
    EXPECT_EQ(kStarDoorScore[8][8], -1);  // 任 生
    EXPECT_EQ(kStemPairScore[0][4], 2);   // earth 癸, heaven 丁
    EXPECT_EQ(kStemPairScore[5][3], 2);   // earth 戊, heaven 丙
    EXPECT_EQ(kStemPairScore[6][2], 2);   // earth 己, heaven 乙
    EXPECT_EQ(kStemPairScore[9][4], 2);   // earth 壬, heaven 丁
    for (int s = 0; s < 10; ++s) EXPECT_EQ(kStemPairScore[1][s], 0);  // earth 甲
    for (int s = 0; s < 10; ++s) EXPECT_EQ(kStemPairScore[s][1], 0);  // heaven 甲
}

TEST(PatternTables, OppositesPairTheOuterPalacesAndClashesPairTheInstruments) {
    for (int h : {0, 1, 2, 3, 4, 6, 7, 8}) EXPECT_EQ(kOppositeHome[kOppositeHome[h]], h) << h;
    EXPECT_EQ(kOppositeHome[5], 0);
    // 戊↔辛, 己↔壬, 庚↔癸.
    for (int s : {0, 5, 6, 7, 8, 9}) EXPECT_EQ(kInstrumentClash[kInstrumentClash[s]], s) << s;
}

}  // namespace
}  // namespace qimen::patterns

// Whole custom printouts against the reviewed files of
// tests/data/custom_charts, laid through the custom chart run. Run with
// QIMEN_REGENERATE=1 to rewrite them; a change then shows as a diff.
//
// How each file was checked by hand. Ring positions are those of the outer
// ring, clockwise: 0 巽 1 离 2 坤 3 兑 4 乾 5 坎 6 艮 7 震.
//
// default_aliases, one_character_aliases, shen0_yin, shen1_yin, jiugong
//   (2008-08-08 20:08, 阴遁二局): cell by cell the plain chart of
//   tests/data/charts/hour_rotating.txt with each text replaced by its alias:
//   直符 九天 九地 / 螣蛇 · 玄武 / 太阴 六合 白虎; 天英 庚, 芮禽 戊┄丁, 天柱 壬 …;
//   the 芮 cell reads "天芮天禽　戊　┄丁　" (one-character stems are stored
//   with "　"). shen 1 changes nothing in yin dun: both files hold 阴武 and
//   阴虎. jiugong: the hour centre is 5 (辰 day 4, yin 10 − 4 = 6, 戌 hour
//   h 10: (−10 + 6 + 81) mod 9 = 5), step −1, so the cells read 6 1 8 / 7 5
//   3 / 2 9 4, the digits of hour_jiugong.txt; 坎 (k 5) has value 0 and
//   prints "９".
// shen0_yang, shen1_yang (2024-03-15 10:30, 阳遁): the plain chart of
//   hour_rotating_shen1_yang.txt. With shen 1 the yang list: 六合 勾陈 朱雀 /
//   太阴 · 九地 / 螣蛇 直符 九天 → 阳合 阳勾 阳雀 …; with shen 0 the same codes
//   take the yin aliases: code 5 阴虎, code 6 阴武.
// day_and_hour_stem (2008-08-08 08:08, 庚辰 day and 庚辰 hour, 立秋 upper
//   yuan, 阴遁二局): earth plate from 坤 backwards 戊 己 庚 辛 壬 癸 丁
//   丙 乙, so 离 holds 庚. The hour's xun 甲戌 hides under 己 in 坎: 值符 天蓬,
//   值使 休门; the hour stem 庚 lies in 离, four ring steps on, so every star
//   goes to the opposite palace and 天英 brings 庚 to 坎. Deities from 离
//   counter-clockwise: 离 符, 巽 蛇, 震 阴, 艮 合, 坎 虎, 乾 武, 兑 地, 坤 天.
//   休门 goes to palace 1 − (17 − 11) → 4 (巽), three steps: 巽 休, 离 生,
//   坤 伤, 兑 杜, 乾 景, 坎 死, 艮 惊, 震 开. Both 庚 cells, 坎's heaven stem
//   and 离's earth stem, show 时干 with all four flags on: the hour alias
//   wins over the day alias for the same stem.
// kun_earth_pair (2008-08-03 20:08, 乙亥 day lower yuan of 大暑, 阴遁四局;
//   day-stem flag on the earth plate only): earth 巽 戊, 震 己, 坤 庚, 坎 辛,
//   离 壬, 艮 癸, 兑 丁, 乾 丙, centre 乙. 坤 shows 地庚┄日干: its second
//   alias is the centre's earth stem 乙, the day stem. The heaven plate's 乙
//   (the 芮 cell's second stem, 天庚┄天乙) keeps its alias. Hour 丙戌: xun
//   甲申 hides under 庚 in 坤 (值符 天芮, 值使 死门); 丙 lies in 乾, two steps:
//   辅→坤 戊, 英→兑 壬, 芮→乾 庚, 柱→坎 丁, 心→艮 丙, 蓬→震 辛, 任→巽 癸,
//   冲→离 己. Deities from 乾 counter-clockwise: 乾 符, 兑 蛇, 坤 阴, 离 合,
//   巽 虎, 震 武, 艮 地, 坎 天. 死门 goes to 2 − (23 − 21) → 9 (离), seven
//   steps (one back): 巽 景, 离 死, 坤 惊, 兑 开, 乾 休, 坎 生, 艮 伤, 震 杜.
//   The leader flags are off, so 天芮 shows 芮星.
// leader_star_rui (2008-08-04 08:08, 丙子 day, 阴遁四局, earth plate as
//   kun_earth_pair; leader flags on): hour 壬辰, xun 甲申 under 庚 in 坤, so
//   值符 is 天芮 and 值使 死门. 壬 lies in 离, one step back: 英→巽 壬,
//   芮→离 庚, 柱→坤 丁, 心→兑 丙, 蓬→乾 辛, 任→坎 癸, 冲→艮 己, 辅→震 戊. The
//   芮 cell reads 领星禽星 天庚┄天乙: the leader-star alias stands for 芮.
//   死门 goes to 2 − (29 − 21) → 3 (震), five steps: 坎 杜, 艮 景, 震 死
//   (shown 领门), 巽 惊, 离 开, 坤 休, 兑 生, 乾 伤. Deities from 离 as in
//   day_and_hour_stem.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "custom_chart_support.hpp"

namespace qimen::workflow {
namespace {

using namespace testing;

struct ReferenceCase {
    const char* name;
    CivilDateTime moment;
    CustomClass aliases;
    ChartSettings settings;
};

CustomClass marked(void (*change)(CustomClass&)) {
    CustomClass c = markedClass();
    change(c);
    return c;
}

ChartSettings with(void (*change)(ChartSettings&)) {
    ChartSettings settings;
    change(settings);
    return settings;
}

const CivilDateTime kYin2{2008, 8, 8, 20, 8};     // 庚辰日 丙戌时, 阴遁二局
const CivilDateTime kYang{2024, 3, 15, 10, 30};  // 阳遁

std::vector<ReferenceCase> referenceCases() {
    return {
        {"default_aliases", kYin2, defaultClass(), {}},
        {"one_character_aliases", kYin2, singleCharacterClass(), {}},
        {"shen0_yang", kYang, markedClass(), {}},
        {"shen1_yang", kYang, markedClass(), with([](ChartSettings& s) { s.shen = 1; })},
        {"shen0_yin", kYin2, markedClass(), {}},
        {"shen1_yin", kYin2, markedClass(), with([](ChartSettings& s) { s.shen = 1; })},
        {"day_and_hour_stem", {2008, 8, 8, 8, 8}, marked([](CustomClass& c) {
             c.dayStemOnHeaven = c.dayStemOnEarth = c.hourStemOnHeaven = c.hourStemOnEarth = true;
         }), {}},
        {"kun_earth_pair", {2008, 8, 3, 20, 8}, marked([](CustomClass& c) { c.dayStemOnEarth = true; }), {}},
        {"jiugong", kYin2, defaultClass(), with([](ChartSettings& s) { s.jiugong = true; })},
        {"leader_star_rui", {2008, 8, 4, 8, 8}, marked([](CustomClass& c) {
             c.useLeaderStar = true;
             c.useLeaderDoor = true;
         }), {}},
    };
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class CustomReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(CustomReference, PrintoutMatchesTheReviewedFile) {
    const ReferenceCase& c = GetParam();
    ChartRecord record;
    auto text = customChart(record, hourRequest(c.moment), c.aliases, c.settings);
    ASSERT_TRUE(text) << text.message();
    std::filesystem::path path =
        std::filesystem::path(QIMEN_SOURCE_DIR) / "tests/data/custom_charts" / (std::string(c.name) + ".txt");
    const char* regenerate = std::getenv("QIMEN_REGENERATE");
    if (regenerate != nullptr && std::string_view(regenerate) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << *text;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; run with QIMEN_REGENERATE=1";
    EXPECT_EQ(*text, readFile(path)) << "printout " << c.name << " differs from " << path;
}

INSTANTIATE_TEST_SUITE_P(Printouts, CustomReference, ::testing::ValuesIn(referenceCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::workflow

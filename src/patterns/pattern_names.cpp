// The 55 pattern names, in table order.
#include "patterns/pattern_codes.hpp"

#include <array>
#include <stdexcept>

namespace qimen::patterns {
namespace {

constexpr std::array<std::string_view, kPatternCount> kPatternNames = {
    // 0..26 吉格
    "乙奇逢马", "乙奇逢犬", "丙奇逢鼠", "丙奇逢鼠", "丁奇逢龙", "丁奇逢虎", "玉女守门",
    "真诈", "重诈", "休诈", "天遁", "地遁", "人遁", "神遁", "鬼遁", "龙遁", "风遁",
    "云遁", "虎遁", "飞鸟跌穴", "青龙返首", "三奇升殿", "天假", "地假", "人假", "神假",
    "鬼假",
    // 27..54 凶格 (10000 + k)
    "悖格", "伏干格", "飞干格", "天乙伏宫", "天乙飞宫", "大格", "刑格", "上格", "戏格",
    "月格", "时格", "蛇夭矫", "朱雀入江", "青龙逃走", "白虎猖狂", "六仪击刑", "三奇入墓",
    "时墓格", "荧惑入白", "太白入荧", "九星伏吟", "直符伏吟", "八门伏吟", "九星反吟",
    "八门反吟", "直符反吟", "天网四张", "地网遮蔽"};

}  // namespace

std::string_view patternName(PatternCode code) {
    if (!isPatternCode(code)) throw std::out_of_range("pattern code out of range");
    return kPatternNames[static_cast<std::size_t>(patternTableIndex(code))];
}

}  // namespace qimen::patterns

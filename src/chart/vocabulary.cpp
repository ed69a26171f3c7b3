// The fixed text tables of the chart vocabulary.
#include "chart/vocabulary.hpp"

#include <array>
#include <stdexcept>

namespace qimen::chart {
namespace {

using Text = std::string_view;

constexpr std::array<Text, 9> kStars = {"英", "蓬", "芮", "冲", "辅", "禽", "心", "柱", "任"};
constexpr std::array<Text, 9> kDoors = {"景", "休", "死", "伤", "杜", "中", "开", "惊", "生"};
constexpr std::array<Text, 9> kPalaceLabels = {"离９", "坎１", "坤２", "震３", "巽４",
                                               "中５", "乾６", "兑７", "艮８"};
constexpr std::array<Text, 9> kPalaceNames = {"离", "坎", "坤", "震", "巽", "中", "乾", "兑", "艮"};
constexpr std::array<Text, 9> kDirections = {"正南", "正北", "西南", "正东", "东南",
                                             "中央", "西北", "正西", "东北"};
constexpr std::array<Text, 10> kDigits = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

constexpr std::array<std::array<Text, 9>, 5> kDeities = {{
    {"直符", "螣蛇", "太阴", "六合", "太常", "白虎", "玄武", "九地", "九天"},  // W
    {"直符", "螣蛇", "太阴", "六合", "太常", "勾陈", "朱雀", "九地", "九天"},  // G
    {"符", "蛇", "阴", "合", "勾", "常", "雀", "地", "天"},                    // flying yang
    {"符", "蛇", "阴", "合", "虎", "常", "玄", "地", "天"},                    // flying yin
    {"符", "蛇", "阴", "合", "常", "虎", "玄", "地", "天"},                    // yin plate
}};

constexpr std::array<Text, 5> kElements = {"水", "木", "火", "土", "金"};
constexpr std::array<Text, 5> kStrengths = {"旺", "相", "休", "囚", "死"};
constexpr std::array<Text, 9> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

constexpr std::array<Text, 9> kDaySpirits = {"太乙", "摄提", "轩辕", "招摇", "天符",
                                             "青龙", "咸池", "太阴", "天乙"};
constexpr std::array<Text, 12> kSmallSpirits = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
constexpr std::array<Text, 12> kOfficers = {"建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭"};

template <std::size_t N>
Text lookup(const std::array<Text, N>& table, int index, const char* what) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) throw std::out_of_range(what);
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view starText(int star) { return lookup(kStars, star, "star code"); }
std::string_view doorText(int door) { return lookup(kDoors, door, "door code"); }
std::string_view palaceLabelText(int home) { return lookup(kPalaceLabels, home, "home code"); }
std::string_view palaceNameText(int home) { return lookup(kPalaceNames, home, "home code"); }
std::string_view directionText(int home) { return lookup(kDirections, home, "home code"); }
std::string_view fullWidthDigitText(int value) { return lookup(kDigits, value, "digit"); }
std::string_view palaceDigitText(int home) {
    lookup(kPalaceNames, home, "home code");  // range check
    return kDigits[home == 0 ? 9 : static_cast<std::size_t>(home)];
}

std::string_view deityText(DeityList list, int deity) {
    return lookup(kDeities[static_cast<std::size_t>(list)], deity, "deity code");
}

std::string_view elementText(int element) { return lookup(kElements, element, "element code"); }
std::string_view strengthText(int index) { return lookup(kStrengths, index, "strength index"); }
std::string_view numeralText(int value) { return lookup(kNumerals, value - 1, "numeral"); }

std::string_view daySpiritText(int index) { return lookup(kDaySpirits, index, "day spirit"); }
std::string_view smallSpiritText(int index) { return lookup(kSmallSpirits, index, "small-chart spirit"); }
std::string_view officerText(int index) { return lookup(kOfficers, index, "officer"); }

}  // namespace qimen::chart

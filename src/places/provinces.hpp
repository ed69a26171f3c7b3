// The fixed list of provinces of the place table, in the order of the
// province boxes. The last, 未知地, has no section in dat/dili.ini and stands
// for longitude 120, latitude 30.
#pragma once

#include <array>
#include <string_view>

namespace qimen::places {

inline constexpr std::array<std::string_view, 35> kProvinces{
    "福建省", "北京市", "天津市", "河北省", "山西省", "内蒙古", "辽宁省", "吉林省", "黑龙江省",
    "上海市", "江苏省", "浙江省", "安徽省", "江西省", "山东省", "河南省", "湖北省", "湖南省",
    "广东省", "广西",   "海南省", "四川省", "重庆市", "贵州省", "云南省", "西藏",   "陕西省",
    "甘肃省", "青海省", "宁夏",   "新疆",   "台湾省", "香港",   "澳门",   "未知地"};

// Provinces that have places in the table (all but 未知地).
inline constexpr std::size_t kTableProvinceCount = 34;
inline constexpr std::string_view kUnknownPlace = "未知地";
inline constexpr double kUnknownLongitude = 120.0;
inline constexpr double kUnknownLatitude = 30.0;

// Index of a province name in kProvinces, or -1.
constexpr int provinceIndex(std::string_view name) {
    for (std::size_t i = 0; i < kProvinces.size(); ++i)
        if (kProvinces[i] == name) return static_cast<int>(i);
    return -1;
}

}  // namespace qimen::places

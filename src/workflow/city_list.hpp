// The city box of the main window and the coordinates behind its items: the
// cities of the chosen province in the place table's order, or the single
// 未知地 at 120° E, 30° N for the last province.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_record.hpp"
#include "places/place_table.hpp"

namespace qimen::workflow {

inline constexpr int kUnknownProvinceItem = 34;  // 未知地, the last province

struct City {
    std::string name;
    float longitude = 120.0f;  // degrees + minutes / 60, as a 32-bit float
    float latitude = 30.0f;
};

// The cities of province item `provinceItem` (0..34): 未知地 alone for the
// last, the keys of the province's section in file order otherwise (a value
// that is missing or not four integers gives 120:0*30:0), none for a
// province without a section or an item outside the list.
std::vector<City> citiesOfProvince(const places::PlaceTable& table, int provinceItem);

// A place as the province and city boxes select it.
struct PlaceChoice {
    int provinceItem = kUnknownProvinceItem;
    int cityItem = 0;
    City city;
};

// The place named "province-city" (or "未知地"), found in the province list
// and the province's cities; nullopt when either is not there.
std::optional<PlaceChoice> findPlace(const places::PlaceTable& table, std::string_view text);

// The place text of a request: province "-" city, cut at a character
// boundary to the 31 GBK bytes its field holds.
std::string placeNameOf(int provinceItem, const std::string& city);

}  // namespace qimen::workflow

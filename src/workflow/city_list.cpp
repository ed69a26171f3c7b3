// The city box of the main window, from the place table.
#include "workflow/city_list.hpp"

#include "places/provinces.hpp"

namespace qimen::workflow {

std::vector<City> citiesOfProvince(const places::PlaceTable& table, int provinceItem) {
    if (provinceItem < 0 || provinceItem >= static_cast<int>(places::kProvinces.size())) return {};
    if (provinceItem == kUnknownProvinceItem)
        return {City{std::string(places::kUnknownPlace), static_cast<float>(places::kUnknownLongitude),
                     static_cast<float>(places::kUnknownLatitude)}};
    std::string_view province = places::kProvinces[static_cast<std::size_t>(provinceItem)];
    std::vector<City> cities;
    for (auto& name : table.cities(province)) {
        auto c = table.coordinates(province, name);
        cities.push_back(City{name, static_cast<float>(c.longitude), static_cast<float>(c.latitude)});
    }
    return cities;
}

std::optional<PlaceChoice> findPlace(const places::PlaceTable& table, std::string_view text) {
    if (text == places::kUnknownPlace) text = "未知地-未知地";
    auto dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    int province = places::provinceIndex(text.substr(0, dash));
    if (province < 0) return std::nullopt;
    auto cities = citiesOfProvince(table, province);
    std::string_view name = text.substr(dash + 1);
    for (std::size_t i = 0; i < cities.size(); ++i)
        if (cities[i].name == name) return PlaceChoice{province, static_cast<int>(i), cities[i]};
    return std::nullopt;
}

std::string placeNameOf(int provinceItem, const std::string& city) {
    std::string province;
    if (provinceItem >= 0 && provinceItem < static_cast<int>(places::kProvinces.size()))
        province = places::kProvinces[static_cast<std::size_t>(provinceItem)];
    return chart::clipToGbkBytes(province + "-" + city, chart::kPlaceNameMaxBytes);
}

}  // namespace qimen::workflow

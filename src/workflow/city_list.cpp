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

std::string placeNameOf(int provinceItem, const std::string& city) {
    std::string province;
    if (provinceItem >= 0 && provinceItem < static_cast<int>(places::kProvinces.size()))
        province = places::kProvinces[static_cast<std::size_t>(provinceItem)];
    return chart::clipToGbkBytes(province + "-" + city, chart::kPlaceNameMaxBytes);
}

}  // namespace qimen::workflow

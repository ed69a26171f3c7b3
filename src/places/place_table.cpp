// The place table over dat/dili.ini.
#include "places/place_table.hpp"

#include "files/data_root.hpp"
#include "files/fixed_fields.hpp"
#include "places/provinces.hpp"
#include "text/gbk.hpp"

namespace qimen::places {
namespace {

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

bool isTableProvince(std::string_view province) {
    int index = provinceIndex(province);
    return index >= 0 && index < static_cast<int>(kTableProvinceCount);
}

}  // namespace

PlaceTable::PlaceTable(std::filesystem::path root) : root_(std::move(root)) { reload(); }

std::filesystem::path PlaceTable::path() const { return files::datDirectory(root_) / "dili.ini"; }

bool PlaceTable::reload() {
    bool ok = ini_.load(path());
    error_ = ok ? std::string() : ini_.error();
    return ok;
}

std::vector<std::string> PlaceTable::cities(std::string_view province) const {
    if (!isTableProvince(province)) return {};
    return ini_.keys(province);
}

bool PlaceTable::hasCity(std::string_view province, std::string_view city) const {
    return isTableProvince(province) && ini_.hasKey(province, city);
}

std::string PlaceTable::valueText(std::string_view province, std::string_view city) const {
    auto value = ini_.value(province, city);
    if (!value || value->empty()) return std::string(kDefaultPlaceValue);
    return *value;
}

PlaceCoordinates PlaceTable::coordinates(std::string_view province, std::string_view city) const {
    PlaceCoordinates result;
    if (province == kUnknownPlace) return result;
    auto text = valueText(province, city);
    auto value = parsePlaceValue(text);
    if (!value) {
        result.valid = false;
        result.problem = std::string(province) + " " + std::string(city) + ": \"" + text +
                         "\" is not a place value of the form 120:0*30:0; using 120:0*30:0";
        return result;
    }
    result.longitude = longitudeOf(*value);
    result.latitude = latitudeOf(*value);
    return result;
}

std::optional<std::string> PlaceTable::nameProblem(std::string_view province, std::string_view city) const {
    if (!isTableProvince(province))
        return "\"" + std::string(province) + "\" is not one of the 34 provinces of the place table";
    if (city.empty()) return std::string("the place needs a name");
    if (characterCount(city) > kCityNameMaxCharacters)
        return "\"" + std::string(city) + "\" is longer than 10 characters";
    if (!text::isGbkEncodable(city)) return "\"" + std::string(city) + "\" cannot be written in GBK";
    return std::nullopt;
}

std::string PlaceTable::setPlace(std::string_view province, std::string_view city, const PlaceValue& value) {
    if (auto problem = nameProblem(province, city)) return *problem;
    if (auto problem = placeValueProblem(value)) return *problem;
    if (!reload()) return error_;
    try {
        ini_.setText(province, city, formatPlaceValue(value));
    } catch (const files::FieldError& error) {
        reload();
        return error.what();
    }
    if (!ini_.save(path())) return ini_.error();
    return {};
}

std::string PlaceTable::deletePlace(std::string_view province, std::string_view city) {
    if (!reload()) return error_;
    if (!hasCity(province, city)) return std::string(province) + " has no place \"" + std::string(city) + "\"";
    ini_.deleteKey(province, city);
    if (!ini_.save(path())) return ini_.error();
    return {};
}

}  // namespace qimen::places

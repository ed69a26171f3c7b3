// The place table over dat/dili.ini.
#include "places/place_table.hpp"

#include "files/data_root.hpp"
#include "files/fixed_fields.hpp"
#include "places/provinces.hpp"
#include "text/gbk.hpp"
#include "text/number_text.hpp"

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

// The text in double quotes, for messages. (Built by appending: GCC 12
// warns falsely on "\"" + std::string.)
std::string quoted(std::string_view text) {
    std::string result = "\"";
    result += text;
    result += '"';
    return result;
}

}  // namespace

PlaceTable::PlaceTable(std::filesystem::path root) : root_(std::move(root)) { (void)reload(); }

std::filesystem::path PlaceTable::path() const { return files::datDirectory(root_) / "dili.ini"; }

Expected<void> PlaceTable::reload() {
    auto loaded = ini_.load(path());
    error_ = loaded.message();
    return loaded;
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

Expected<void> PlaceTable::checkName(std::string_view province, std::string_view city) const {
    if (!isTableProvince(province))
        return fail(quoted(province) + " is not one of the 34 provinces of the place table");
    if (text::isBlank(city)) return fail("the place needs a name");
    if (characterCount(city) > kCityNameMaxCharacters) return fail(quoted(city) + " is longer than 10 characters");
    if (!text::isGbkEncodable(city)) return fail(quoted(city) + " cannot be written in GBK");
    return ok();
}

// Both changes go through changeIniFile, so concurrent writers take turns on
// the file and each keeps the other's change; the table is reloaded after.
Expected<void> PlaceTable::setPlace(std::string_view province, std::string_view city, const PlaceValue& value) {
    if (auto named = checkName(province, city); !named) return named;
    if (auto inRange = checkPlaceValue(value); !inRange) return inRange;
    auto changed = files::changeIniFile(path(), [&](files::GbkIniFile& ini) -> Expected<void> {
        ini.setText(province, city, formatPlaceValue(value));
        return ok();
    });
    (void)reload();
    return changed;
}

Expected<void> PlaceTable::deletePlace(std::string_view province, std::string_view city) {
    auto changed = files::changeIniFile(path(), [&](files::GbkIniFile& ini) -> Expected<void> {
        if (!isTableProvince(province) || !ini.hasKey(province, city))
            return fail(std::string(province) + " has no place " + quoted(city));
        ini.deleteKey(province, city);
        return ok();
    });
    (void)reload();
    return changed;
}

}  // namespace qimen::places

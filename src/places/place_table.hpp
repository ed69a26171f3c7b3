// PlaceTable: the places of dat/dili.ini, one section per province, one key
// per city or county in file order, valued "<lon d>:<lon m>*<lat d>:<lat m>".
// Every change is written to the file at once; nothing else is cached than
// the file as last loaded.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "files/gbk_ini.hpp"
#include "places/place_value.hpp"

namespace qimen::places {

// A city name holds at most 10 characters (and so at most 20 GBK bytes).
inline constexpr std::size_t kCityNameMaxCharacters = 10;

struct PlaceCoordinates {
    double longitude = 120.0;  // the default value 120:0*30:0
    double latitude = 30.0;
    // False when the stored value was not four integers; the coordinates are
    // then those of the default value and `problem` says what was wrong.
    bool valid = true;
    std::string problem;
};

class PlaceTable {
public:
    // The table of the data root `root` (root/dat/dili.ini), loaded at once.
    // A missing file is an empty table.
    explicit PlaceTable(std::filesystem::path root);

    std::filesystem::path path() const;
    // Why the file could not be read ("" when it could). An unreadable table
    // lists no places and refuses changes, so the file is never overwritten.
    const std::string& error() const { return error_; }

    // Re-reads the file; error() then tells why it could not be read.
    Expected<void> reload();

    // City names of a province in file order (none for an unknown province).
    std::vector<std::string> cities(std::string_view province) const;
    bool hasCity(std::string_view province, std::string_view city) const;
    // The stored value text; kDefaultPlaceValue when the key is absent or its
    // value empty.
    std::string valueText(std::string_view province, std::string_view city) const;
    // Coordinates as the main window takes them; 未知地 gives 120, 30. A value
    // that is not four integers gives the default coordinates, marked invalid.
    PlaceCoordinates coordinates(std::string_view province, std::string_view city) const;

    // Adds or overwrites a city of one of the first 34 provinces after the
    // range check. Fails with the dialog's range messages, or why the name or
    // file cannot take it.
    Expected<void> setPlace(std::string_view province, std::string_view city, const PlaceValue& value);
    // Deletes a city; fails with the reason (unknown city …).
    Expected<void> deletePlace(std::string_view province, std::string_view city);

private:
    Expected<void> checkName(std::string_view province, std::string_view city) const;

    std::filesystem::path root_;
    files::GbkIniFile ini_;
    std::string error_;
};

}  // namespace qimen::places

// The value of a place in dat/dili.ini: "<lon deg>:<lon min>*<lat deg>:<lat min>",
// degrees east and north (negative for west and south), minutes 0..59.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/expected.hpp"

namespace qimen::places {

// Value of a key that has none.
inline constexpr std::string_view kDefaultPlaceValue = "120:0*30:0";

// The four texts of a value, split as the place dialog shows them: at the
// first "*", then each side at its first ":". Texts are not checked here.
struct PlaceValueTexts {
    std::string longitudeDegrees, longitudeMinutes, latitudeDegrees, latitudeMinutes;
};
PlaceValueTexts splitPlaceValue(std::string_view value);

struct PlaceValue {
    int longitudeDegrees = 120;
    int longitudeMinutes = 0;
    int latitudeDegrees = 30;
    int latitudeMinutes = 0;

    friend bool operator==(const PlaceValue&, const PlaceValue&) = default;
};

// The value as four integers, or nullopt when a part is not a decimal integer.
std::optional<PlaceValue> parsePlaceValue(std::string_view value);

// "%d:%d*%d:%d"
std::string formatPlaceValue(const PlaceValue& value);

// Degrees + minutes / 60, for longitude and latitude alike (the minutes are
// added also to negative degrees: -75:30 is -74.5).
double longitudeOf(const PlaceValue& value);
double latitudeOf(const PlaceValue& value);

// The range check of the place dialog: longitude degrees -179..179, latitude
// degrees -89..89, minutes 0..59. Fails with the dialog's message for the
// first fault.
Expected<void> checkPlaceValue(const PlaceValue& value);

// The same check on the four texts of the dialog's edits, answering the value
// they hold; a text that is not a decimal integer counts as out of range.
Expected<PlaceValue> placeValueOfTexts(const PlaceValueTexts& texts);

inline constexpr std::string_view kLongitudeRangeMessage = "经度在-180到180之间，分数在0-60之间";
inline constexpr std::string_view kLatitudeRangeMessage = "纬度在-90到90之间，分数在0-60之间";

}  // namespace qimen::places

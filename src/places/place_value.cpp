// Parsing, formatting and range rules of place values.
#include "places/place_value.hpp"

#include <charconv>

namespace qimen::places {
namespace {

std::optional<int> decimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

PlaceValueTexts splitPlaceValue(std::string_view value) {
    auto star = value.find('*');
    std::string_view left = value.substr(0, star);
    std::string_view right = star == std::string_view::npos ? std::string_view() : value.substr(star + 1);
    auto half = [](std::string_view part) {
        auto colon = part.find(':');
        return std::pair{std::string(part.substr(0, colon)),
                         colon == std::string_view::npos ? std::string() : std::string(part.substr(colon + 1))};
    };
    auto [lonDeg, lonMin] = half(left);
    auto [latDeg, latMin] = half(right);
    return {lonDeg, lonMin, latDeg, latMin};
}

std::optional<PlaceValue> parsePlaceValue(std::string_view value) {
    auto texts = splitPlaceValue(value);
    auto a = decimal(texts.longitudeDegrees), b = decimal(texts.longitudeMinutes);
    auto c = decimal(texts.latitudeDegrees), d = decimal(texts.latitudeMinutes);
    if (!a || !b || !c || !d) return std::nullopt;
    return PlaceValue{*a, *b, *c, *d};
}

std::string formatPlaceValue(const PlaceValue& value) {
    return std::to_string(value.longitudeDegrees) + ":" + std::to_string(value.longitudeMinutes) + "*" +
           std::to_string(value.latitudeDegrees) + ":" + std::to_string(value.latitudeMinutes);
}

double longitudeOf(const PlaceValue& value) { return value.longitudeDegrees + value.longitudeMinutes / 60.0; }
double latitudeOf(const PlaceValue& value) { return value.latitudeDegrees + value.latitudeMinutes / 60.0; }

Expected<void> checkPlaceValue(const PlaceValue& value) {
    auto inside = [](int x, int low, int high) { return x >= low && x <= high; };
    if (!inside(value.longitudeDegrees, -179, 179) || !inside(value.longitudeMinutes, 0, 59))
        return fail(std::string(kLongitudeRangeMessage));
    if (!inside(value.latitudeDegrees, -89, 89) || !inside(value.latitudeMinutes, 0, 59))
        return fail(std::string(kLatitudeRangeMessage));
    return ok();
}

Expected<PlaceValue> placeValueOfTexts(const PlaceValueTexts& texts) {
    constexpr int kOutside = 1000;  // any value the ranges refuse
    PlaceValue value{decimal(texts.longitudeDegrees).value_or(kOutside), decimal(texts.longitudeMinutes).value_or(kOutside),
                     decimal(texts.latitudeDegrees).value_or(kOutside), decimal(texts.latitudeMinutes).value_or(kOutside)};
    if (auto checked = checkPlaceValue(value); !checked) return fail(checked.message());
    return value;
}

}  // namespace qimen::places

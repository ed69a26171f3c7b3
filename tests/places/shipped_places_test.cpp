// The shipped data/dat/dili.ini: GBK, every province of the table present,
// every value well-formed, within the dialog's ranges and inside the region.
#include <gtest/gtest.h>

#include <filesystem>

#include "../files/temp_data_root.hpp"
#include "places/place_table.hpp"
#include "places/provinces.hpp"
#include "text/gbk.hpp"

namespace qimen::places {
namespace {

struct Bounds {
    double west, east, south, north;
};

TEST(ShippedPlaces, EveryProvinceHasPlacesWithSoundCoordinates) {
    qimen::testing::TempDataRoot root;
    std::filesystem::create_directories(root.dat());
    std::filesystem::copy_file(std::filesystem::path(QIMEN_SOURCE_DIR) / "data/dat/dili.ini", root.dat() / "dili.ini");
    PlaceTable table(root.path());
    ASSERT_EQ(table.error(), "");
    std::size_t total = 0;
    for (std::size_t i = 0; i < kTableProvinceCount; ++i) {
        auto province = kProvinces[i];
        auto cities = table.cities(province);
        EXPECT_FALSE(cities.empty()) << province;
        total += cities.size();
        for (const auto& city : cities) {
            auto value = parsePlaceValue(table.valueText(province, city));
            ASSERT_TRUE(value) << province << " " << city;
            EXPECT_TRUE(checkPlaceValue(*value)) << province << " " << city;
            // Everything lies within 73°–135° E, 18°–54° N (the South China Sea
            // islands of Hainan down to 3° N).
            double lon = longitudeOf(*value), lat = latitudeOf(*value);
            EXPECT_TRUE(lon > 73 && lon < 135.5 && lat > 3 && lat < 54) << province << " " << city;
            EXPECT_LE(text::gbkLength(province) + 1 + text::gbkLength(city), 31u) << city;  // fits a case's place text
        }
    }
    EXPECT_GE(total, 340u);
}

}  // namespace
}  // namespace qimen::places

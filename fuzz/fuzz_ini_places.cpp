// Fuzzes the INI reader through the place table and the window settings: the
// input becomes dat/dili.ini and dat/qminit.ini.
#include <cstdint>

#include "cases/class_list.hpp"
#include "files/file_io.hpp"
#include "files/window_settings.hpp"
#include "fuzz_scratch_root.hpp"
#include "places/place_table.hpp"
#include "places/provinces.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qimen;
    files::setDurableWrites(false);
    const auto& root = fuzz::scratchRoot();
    fuzz::writeFile(root / "dat" / "dili.ini", data, size);
    fuzz::writeFile(root / "dat" / "qminit.ini", data, size);
    places::PlaceTable table(root);
    for (auto province : places::kProvinces)
        for (const auto& city : table.cities(province)) (void)table.coordinates(province, city);
    (void)files::readWindowSettings(root);
    (void)cases::readClassList(root, cases::MissingClass::AsTemporary);
    (void)table.setPlace("福建省", "福州", {119, 18, 26, 5});
    return 0;
}

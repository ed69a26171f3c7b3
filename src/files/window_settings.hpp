// The window settings file dat/qminit.ini: the main window's geometry, the
// output pane's font and colour, the last chart method and place. (Its
// `classes` section, the case classes, is read by qimen::cases::ClassList.)
#pragma once

#include <filesystem>
#include <string>

#include "base/expected.hpp"

namespace qimen::files {

struct WindowSettings {
    long left = 10;
    long top = 10;
    long width = 400;
    long height = 400;
    long state = 0;  // 0 normal, 1 minimized, 2 maximized
    long listWidth = 180;
    long memoWidth = 100;
    std::string fontName = "宋体";
    long fontSize = 12;
    long backgroundColour = 12635344;  // blue × 65536 + green × 256 + red
    long province = 0;
    long city = 0;
    long chartMethodItem = 1;  // item of the chart-method box; 1 = 时家奇门

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

// dat/qminit.ini under the data root.
std::filesystem::path windowSettingsPath(const std::filesystem::path& root);

// Reads the file; a missing file or key gives the default. Fails when the
// file cannot be read (the window then goes on with WindowSettings{}).
Expected<WindowSettings> readWindowSettings(const std::filesystem::path& root);

// Writes the values as the main window does when it closes: the bounds only
// when `settings.state` is 0 (a maximized or minimized window keeps the
// bounds last stored in the normal state), everything else always. Other
// sections and keys of the file are kept. Fails, writing nothing, when the
// file cannot be read or written or the font name has no GBK form.
Expected<void> writeWindowSettings(const std::filesystem::path& root, const WindowSettings& settings);

// Width the case list gets from a stored `listwid`: at least 31, else 30.
long effectiveListWidth(long stored);
// Width the side memo gets from a stored `memowid`: at least 51, else 50.
long effectiveMemoWidth(long stored);
// Province item from a stored `sheng`: the stored item when 0 ≤ it < 35, else 0.
long effectiveProvinceItem(long stored);
// City item from a stored `shi` for a province with `cityCount` cities.
long effectiveCityItem(long stored, long cityCount);

}  // namespace qimen::files

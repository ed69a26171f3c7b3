// dat/qminit.ini: one table names every key, its section and its field; the
// reader and the writer both walk it.
#include "files/window_settings.hpp"

#include <array>

#include "files/data_root.hpp"
#include "files/fixed_fields.hpp"
#include "files/gbk_ini.hpp"

namespace qimen::files {
namespace {

struct IntegerKey {
    const char* section;
    const char* key;
    long WindowSettings::*field;
    bool bounds;  // written only in the normal window state
};

constexpr std::array kIntegerKeys{
    IntegerKey{"winpos", "left", &WindowSettings::left, true},
    IntegerKey{"winpos", "top", &WindowSettings::top, true},
    IntegerKey{"winpos", "width", &WindowSettings::width, true},
    IntegerKey{"winpos", "height", &WindowSettings::height, true},
    IntegerKey{"winpos", "state", &WindowSettings::state, false},
    IntegerKey{"winpos", "listwid", &WindowSettings::listWidth, false},
    IntegerKey{"winpos", "memowid", &WindowSettings::memoWidth, false},
    IntegerKey{"minggao", "fsize", &WindowSettings::fontSize, false},
    IntegerKey{"minggao", "bcolor", &WindowSettings::backgroundColour, false},
    IntegerKey{"minggao", "sheng", &WindowSettings::province, false},
    IntegerKey{"minggao", "shi", &WindowSettings::city, false},
    IntegerKey{"set", "panshi", &WindowSettings::chartMethodItem, false},
};

constexpr const char* kFontSection = "minggao";
constexpr const char* kFontKey = "fname";

}  // namespace

std::filesystem::path windowSettingsPath(const std::filesystem::path& root) {
    return datDirectory(root) / "qminit.ini";
}

Expected<WindowSettings> readWindowSettings(const std::filesystem::path& root) {
    GbkIniFile ini;
    if (auto loaded = ini.load(windowSettingsPath(root)); !loaded) return fail(loaded.message());
    const WindowSettings defaults;
    WindowSettings settings;
    for (const auto& key : kIntegerKeys) settings.*key.field = ini.integer(key.section, key.key, defaults.*key.field);
    settings.fontName = ini.text(kFontSection, kFontKey, defaults.fontName);
    return settings;
}

Expected<void> writeWindowSettings(const std::filesystem::path& root, const WindowSettings& settings) {
    return changeIniFile(windowSettingsPath(root), [&](GbkIniFile& ini) -> Expected<void> {
        for (const auto& key : kIntegerKeys)
            if (!key.bounds || settings.state == 0) ini.setInteger(key.section, key.key, settings.*key.field);
        ini.setText(kFontSection, kFontKey, settings.fontName);
        return ok();
    });
}

long effectiveListWidth(long stored) { return stored > 30 ? stored : 30; }
long effectiveMemoWidth(long stored) { return stored > 50 ? stored : 50; }
long effectiveProvinceItem(long stored) { return stored >= 0 && stored < 35 ? stored : 0; }
long effectiveCityItem(long stored, long cityCount) { return stored >= 0 && stored < cityCount ? stored : 0; }

}  // namespace qimen::files

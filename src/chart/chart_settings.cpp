// Reading and writing dat/set.ini, section [qimen]. One table declares every
// key with its type and default; the reader and both writers are built from
// it. The GBK INI file itself (byte-exact round trip of other sections, CR LF
// line ends, atomic replacement) is files::GbkIniFile.
#include "chart/chart_settings.hpp"

#include <array>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <variant>

#include "files/gbk_ini.hpp"

namespace qimen::chart {
namespace {

constexpr std::string_view kSection = "qimen";

using Member = std::variant<std::uint8_t ChartSettings::*, bool ChartSettings::*, std::int16_t ChartSettings::*>;

struct SettingKey {
    std::string_view name;
    Member member;
};

// The keys in the order the chart driver reads them; the defaults are those
// of a value-initialised ChartSettings.
constexpr std::array<SettingKey, 15> kKeys = {{
    {"pan", &ChartSettings::pan},
    {"ju", &ChartSettings::ju},
    {"shen", &ChartSettings::shen},
    {"tianyi", &ChartSettings::tianyi},
    {"zhifu", &ChartSettings::zhifu},
    {"jiugong", &ChartSettings::jiugong},
    {"sun", &ChartSettings::sun},
    {"save", &ChartSettings::save},
    {"endinfo", &ChartSettings::endinfo},
    {"ileft", &ChartSettings::ileft},
    {"baojian", &ChartSettings::baojian},
    {"angan", &ChartSettings::angan},
    {"selyue", &ChartSettings::selyue},
    {"zishi", &ChartSettings::zishi},
    {"yuejiang", &ChartSettings::yuejiang},
}};

// The order in which the settings dialog writes its keys (all but endinfo);
// the two conventions come last, as their controls stand below the others.
constexpr std::array<std::string_view, 14> kDialogOrder = {"ileft", "pan",     "ju",     "shen",  "tianyi",
                                                           "zhifu", "jiugong", "sun",    "save",  "baojian",
                                                           "angan", "selyue",  "zishi", "yuejiang"};

const SettingKey& keyNamed(std::string_view name) {
    for (const auto& key : kKeys)
        if (name == key.name) return key;
    throw std::logic_error("unknown setting key");
}

void assign(ChartSettings& settings, const Member& member, long value) {
    std::visit(
        [&](auto pointer) {
            using T = std::remove_reference_t<decltype(settings.*pointer)>;
            if constexpr (std::is_same_v<T, bool>)
                settings.*pointer = value != 0;
            else
                settings.*pointer = static_cast<T>(value);  // keeps the low byte / low 16 bits
        },
        member);
}

long valueOf(const ChartSettings& settings, const Member& member) {
    return std::visit([&](auto pointer) { return static_cast<long>(settings.*pointer); }, member);
}

// Creates the folder of a settings file that does not exist yet.
void ensureFolder(const std::filesystem::path& path) {
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
}

}  // namespace

std::filesystem::path chartSettingsPath(const std::filesystem::path& dataRoot) {
    return dataRoot / "dat" / "set.ini";
}

ChartSettings loadChartSettings(const std::filesystem::path& path) { return readChartSettings(path).settings; }

ChartSettingsRead readChartSettings(const std::filesystem::path& path) {
    ChartSettingsRead read;
    files::GbkIniFile ini;
    if (auto loaded = ini.load(path); !loaded) {
        read.problem = loaded.message() + "; the default chart settings are used";
        return read;
    }
    std::error_code missing;
    if (!ini.hasSection(kSection) && std::filesystem::exists(std::filesystem::symlink_status(path, missing))) {
        read.problem = path.string() + " has no [qimen] section; the default chart settings are used";
        return read;
    }
    std::string notNumbers;
    for (const auto& key : kKeys) {
        long fallback = valueOf(read.settings, key.member);
        assign(read.settings, key.member, ini.integer(kSection, key.name, fallback));
        // Only a value that is not a whole number lets the fallback show through.
        auto text = ini.value(kSection, key.name);
        if (text && ini.integer(kSection, key.name, 0) != ini.integer(kSection, key.name, 1))
            notNumbers += (notNumbers.empty() ? "" : ", ") + std::string(key.name) + "=" + *text;
    }
    if (!notNumbers.empty())
        read.problem = path.string() + ": " + notNumbers + " not a whole number; the default is used for it";
    return read;
}

bool setChartSetting(ChartSettings& settings, std::string_view key, long value) {
    for (const auto& k : kKeys) {
        if (k.name == key) {
            assign(settings, k.member, value);
            return true;
        }
    }
    return false;
}

Expected<void> writeChartSettings(const std::filesystem::path& path, const ChartSettings& settings) {
    files::GbkIniFile ini;
    if (auto loaded = ini.load(path); !loaded) return loaded;
    for (std::string_view name : kDialogOrder) ini.setInteger(kSection, name, valueOf(settings, keyNamed(name).member));
    ensureFolder(path);
    return ini.save(path);
}

Expected<void> writeEndInfoSetting(const std::filesystem::path& path, bool endinfo) {
    files::GbkIniFile ini;
    if (auto loaded = ini.load(path); !loaded) return loaded;
    ini.setInteger(kSection, "endinfo", endinfo ? 1 : 0);
    ensureFolder(path);
    return ini.save(path);
}

}  // namespace qimen::chart

// The four conventions on which schools lay the same moment differently,
// each a chart setting with two choices: 拆补法 / 置闰法 (ju), 转盘 / 飞盘
// (pan), the day changing at 23:00 or at midnight (zishi), and the 月将
// following the month pillar or changing at the principal term (yuejiang).
// Names and captions for the comparison of two charts and for the settings
// dialog's controls of the two newer settings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "chart/chart_settings.hpp"

namespace qimen::chart {

enum class Convention : std::uint8_t { Ju, Pan, Zishi, Yuejiang };

struct ConventionInfo {
    Convention convention;
    std::string_view key;                     // the set.ini key, also the command line's word
    std::string_view group;                   // caption of the setting's group of choices
    std::array<std::string_view, 2> choices;  // captions of choice 0 (the default) and 1
};

inline constexpr std::array<ConventionInfo, 4> kConventions = {{
    {Convention::Ju, "ju", "时家起局", {"拆补法", "置闰法"}},
    {Convention::Pan, "pan", "时家排盘", {"转盘", "飞盘"}},
    {Convention::Zishi, "zishi", "换日", {"23时换日", "零时换日"}},
    {Convention::Yuejiang, "yuejiang", "月将", {"月将随月建", "月将随中气"}},
}};

constexpr const ConventionInfo& conventionInfo(Convention convention) {
    return kConventions[static_cast<std::size_t>(convention)];
}

// The convention whose key is `key`, if any.
constexpr std::optional<Convention> conventionNamed(std::string_view key) {
    for (const ConventionInfo& info : kConventions)
        if (info.key == key) return info.convention;
    return std::nullopt;
}

// The choice (0 or 1) the engine reads from the settings: any non-zero value
// is choice 1, as the engine tests each of these four settings.
constexpr int conventionChoice(const ChartSettings& settings, Convention convention) {
    switch (convention) {
        case Convention::Ju: return settings.ju != 0 ? 1 : 0;
        case Convention::Pan: return settings.pan != 0 ? 1 : 0;
        case Convention::Zishi: return settings.zishi != 0 ? 1 : 0;
        case Convention::Yuejiang: return settings.yuejiang != 0 ? 1 : 0;
    }
    return 0;
}

// The settings with the convention set to `choice` (0 or 1), the rest kept.
constexpr ChartSettings withConventionChoice(ChartSettings settings, Convention convention, int choice) {
    auto value = static_cast<std::uint8_t>(choice != 0 ? 1 : 0);
    switch (convention) {
        case Convention::Ju: settings.ju = value; break;
        case Convention::Pan: settings.pan = value; break;
        case Convention::Zishi: settings.zishi = value; break;
        case Convention::Yuejiang: settings.yuejiang = value; break;
    }
    return settings;
}

}  // namespace qimen::chart

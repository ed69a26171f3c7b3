// The chart options kept in dat/set.ini, section [qimen]: the in-memory copy
// every chart run reads afresh, its reader and the writers the settings
// dialog and the closing-text dialog use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/expected.hpp"

namespace qimen::chart {

// One chart run's copy of the options. The radio-group values keep the low
// byte of the integer read; the rules only ever test them against 0, 1 or 2
// as each comment says, so out-of-range values are kept as they are.
struct ChartSettings {
    std::uint8_t pan = 0;     // hour plate: 0 转盘法, non-zero 飞宫法
    std::uint8_t ju = 0;      // hour ju: 0 拆补法, non-zero 置闰法
    std::uint8_t shen = 0;    // rotating-plate deity names: 0 list W, non-zero list G in yang dun
    std::uint8_t tianyi = 0;  // heaven stems: 1 re-laid from 天心, anything else as rotated
    std::uint8_t zhifu = 0;   // deity plate: 0 follows the heaven plate, non-zero stays on the earth plate
    bool jiugong = false;     // nine-palace flying stars
    bool baojian = true;      // 御定奇门宝鉴 quotation
    bool sun = false;         // true solar time
    bool save = false;        // offer to save after a chart
    std::int16_t ileft = 0;   // first-line indent of the output, 0..999
    bool endinfo = false;     // append the closing text
    std::uint8_t angan = 0;   // hidden stems: 0 none, 1 by rotation, 2 by flight
    std::uint8_t selyue = 0;  // yin-plate month: 1 solar-term month, anything else lunar month
    std::uint8_t zishi = 0;   // day change: 0 at 23:00 (子 hour opens the day), non-zero at midnight
    std::uint8_t yuejiang = 0;  // 月将: 0 by the month pillar, non-zero changing at the principal term

    friend bool operator==(const ChartSettings&, const ChartSettings&) = default;
};

// dat/set.ini under a data root (the directory that holds `dat`).
std::filesystem::path chartSettingsPath(const std::filesystem::path& dataRoot);

// Reads the fifteen keys of section [qimen] of the INI file at `path`.
// A missing, unreadable or damaged file, a missing key, or a value that is
// not a decimal integer gives that key's default; this never fails.
// Booleans are true for any non-zero integer.
ChartSettings loadChartSettings(const std::filesystem::path& path);

// loadChartSettings, saying what was wrong: "" for a sound or missing file,
// else one line naming the file and its fault (it cannot be read, it has no
// [qimen] section, a value is not a whole number) and that defaults stand in.
struct ChartSettingsRead {
    ChartSettings settings;
    std::string problem;
};
ChartSettingsRead readChartSettings(const std::filesystem::path& path);

// Sets the key named `key` (one of the fifteen INI keys) to `value` with
// the reader's rules (low byte of radio values, non-zero is true). Returns
// false, changing nothing, for an unknown key.
bool setChartSetting(ChartSettings& settings, std::string_view key, long value);

// Writes every key but `endinfo` in the order the settings dialog writes
// them (ileft, pan, ju, shen, tianyi, zhifu, jiugong, sun, save, baojian,
// angan, selyue, then the conventions zishi and yuejiang), radio values and ileft as decimal integers, check boxes
// as 1 and 0. Other sections and keys of the file are kept byte for byte; a
// missing file (and its folder) is created. The file is replaced whole or
// not at all. Fails when it cannot be written, and when the existing file
// cannot be read as a GBK INI file (it is then left as it is, never
// overwritten with less than it held).
Expected<void> writeChartSettings(const std::filesystem::path& path, const ChartSettings& settings);

// Writes the key `endinfo` (1 or 0) alone, as the closing-text dialog does.
// Same file handling and result as writeChartSettings.
Expected<void> writeEndInfoSetting(const std::filesystem::path& path, bool endinfo);

}  // namespace qimen::chart

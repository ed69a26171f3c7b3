// 排盘设置: the chart-settings dialog as a form over dat/set.ini. It shows the
// file's values, resets them to the defaults (默认值, nothing written), and
// writes them (设置) after the check of the text indent.
#pragma once

#include <filesystem>
#include <string>

#include "chart/chart_settings.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

inline constexpr std::string_view kIndentMessage = "文本左边距离在0-999";

struct ChartSettingsForm {
    int pan = 0;      // GpPan item
    int ju = 0;       // GpJu
    int shen = 0;     // GpShen
    int tianyi = 0;   // GpTianQy
    int zhifu = 0;    // GpZhiFu
    int angan = 0;    // GpAnGan
    int selyue = 0;   // GpSelYue
    bool jiugong = false;  // ChkJiuGong
    bool sun = false;      // ChkSun
    bool save = false;     // ChkSave
    bool baojian = true;   // ChkBaoJian
    std::string indentText = "0";  // LedtLeftText, at most 3 characters
    // Below the original controls, one group each with the two captions of
    // chart::conventionInfo (换日: 23时换日 / 零时换日; 月将: 月将随月建 /
    // 月将随中气).
    int zishi = 0;
    int yuejiang = 0;

    friend bool operator==(const ChartSettingsForm&, const ChartSettingsForm&) = default;

    // The form as the dialog opens: the values of dat/set.ini (defaults for
    // missing keys).
    static ChartSettingsForm open(const std::filesystem::path& dataRoot);
    // 默认值: every group to item 0, the checks off but 显示御定奇门宝鉴 on,
    // indent "0".
    void reset();
    // 设置: an indent that is not an integer 0..999 shows "文本左边距离在0-999",
    // focuses LedtLeftText and writes nothing; otherwise writes ileft, pan,
    // ju, shen, tianyi, zhifu, jiugong, sun, save, baojian, angan, selyue,
    // zishi, yuejiang in that order (endinfo kept). The dialog closes either way; answers true
    // when written. A write failure is shown (caption "错误").
    bool apply(const std::filesystem::path& dataRoot, Prompter& prompter) const;
};

}  // namespace qimen::workflow

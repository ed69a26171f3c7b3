// The chart-settings dialog's values, defaults and write.
#include "workflow/chart_settings_form.hpp"

#include "workflow/input_lists.hpp"

namespace qimen::workflow {

ChartSettingsForm ChartSettingsForm::open(const std::filesystem::path& dataRoot) {
    chart::ChartSettings s = chart::loadChartSettings(chart::chartSettingsPath(dataRoot));
    ChartSettingsForm form;
    form.pan = s.pan;
    form.ju = s.ju;
    form.shen = s.shen;
    form.tianyi = s.tianyi;
    form.zhifu = s.zhifu;
    form.angan = s.angan;
    form.selyue = s.selyue;
    form.jiugong = s.jiugong;
    form.sun = s.sun;
    form.save = s.save;
    form.baojian = s.baojian;
    form.indentText = std::to_string(s.ileft);
    form.zishi = s.zishi;
    form.yuejiang = s.yuejiang;
    return form;
}

void ChartSettingsForm::reset() { *this = ChartSettingsForm{}; }

bool ChartSettingsForm::apply(const std::filesystem::path& dataRoot, Prompter& prompter) const {
    int indent = typedInteger(indentText, -1);
    if (indent < 0 || indent > 999) {
        prompter.message(kIndentMessage, "", Icon::None);
        prompter.focus("LedtLeftText");
        return false;
    }
    auto path = chart::chartSettingsPath(dataRoot);
    chart::ChartSettings s = chart::loadChartSettings(path);
    s.ileft = static_cast<std::int16_t>(indent);
    s.pan = static_cast<std::uint8_t>(pan);
    s.ju = static_cast<std::uint8_t>(ju);
    s.shen = static_cast<std::uint8_t>(shen);
    s.tianyi = static_cast<std::uint8_t>(tianyi);
    s.zhifu = static_cast<std::uint8_t>(zhifu);
    s.jiugong = jiugong;
    s.sun = sun;
    s.save = save;
    s.baojian = baojian;
    s.angan = static_cast<std::uint8_t>(angan);
    s.selyue = static_cast<std::uint8_t>(selyue);
    s.zishi = static_cast<std::uint8_t>(zishi);
    s.yuejiang = static_cast<std::uint8_t>(yuejiang);
    if (auto written = chart::writeChartSettings(path, s); !written) {
        prompter.message(written.message(), "错误", Icon::Error);
        return false;
    }
    return true;
}

}  // namespace qimen::workflow

// The logic of the window "自定义奇门盘": a copy of the main window's chart
// inputs, the class list (CboClass) and 查看, which lays the custom printout
// of those inputs for the chosen class. The window shows the returned text
// in MeoCustomText.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_record.hpp"
#include "custom/custom_chart_file.hpp"
#include "workflow/custom_chart.hpp"
#include "workflow/custom_prompter.hpp"

namespace qimen::workflow {

inline constexpr const char* kChooserCaption = "自定义奇门盘";

class CustomChartChooser {
public:
    // Inputs taken when SbtoCustomPan was pressed; settings are read from
    // dat/set.ini of the data root at every 查看.
    CustomChartChooser(CustomChartEnvironment environment, chart::ChartRequest request);

    // SbtoCustomPan pressed again while the chooser is open.
    void setRequest(const chart::ChartRequest& request) { request_ = request; }
    const chart::ChartRequest& request() const { return request_; }

    // On show: opens the file and lists the live classes, the first
    // selected. A file that cannot be read, or only in part, is reported.
    void show(CustomPrompter& prompter);

    // The user picked item `index` of CboClass.
    void select(int index);

    // 查看: with a class selected, the printout to put into MeoCustomText;
    // nullopt when the memo stays as it is ("找不到这个类别,无法排盘!" or the
    // chart's refusal, caption "错误", was shown).
    std::optional<std::string> view(CustomPrompter& prompter);

    const std::vector<std::string>& classNames() const { return names_; }
    int selectedIndex() const { return selected_; }  // -1: none
    // The chart of the last 查看.
    const chart::ChartRecord& record() const { return *record_; }

private:
    CustomChartEnvironment environment_;
    chart::ChartRequest request_;
    custom::CustomChartFile file_;
    std::vector<std::string> names_;
    int selected_ = -1;
    std::unique_ptr<chart::ChartRecord> record_;
};

}  // namespace qimen::workflow

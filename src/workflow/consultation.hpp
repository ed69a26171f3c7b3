// Consultation: the main window's workflow. It holds the chart request, the
// case being viewed or about to be saved, whether the last chart succeeded,
// and the New / Viewing case state, and runs every button of the window:
// 排盘 (validation in the window's order, request, driver, topic snapshot,
// automatic save), the given-ju and random charts, 查看 of a stored case,
// 新建, the topics and 解释, the custom-chart preconditions, saving, editing,
// deleting and listing cases, and closing.
//
// Data flow: the window copies its controls into inputs() → an operation
// validates them (Prompter: message, caption, icon, focus) → request() →
// chart driver → Pane (chart text) and the memo → currentCase() → case store
// and commentary file. Operations that load a case write its inputs back
// into inputs() for the window to show.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/topic_judge.hpp"
#include "calendar/civil_date_time.hpp"
#include "cases/case_filter.hpp"
#include "cases/case_record.hpp"
#include "cases/case_store.hpp"
#include "chart/chart_record.hpp"
#include "files/window_settings.hpp"
#include "places/place_table.hpp"
#include "workflow/case_forms.hpp"
#include "workflow/case_rows.hpp"
#include "workflow/city_list.hpp"
#include "workflow/consultation_inputs.hpp"
#include "workflow/pane.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

enum class CaseState { New, Viewing };

// The window's messages and captions that more than one operation shows.
inline constexpr std::string_view kPendingEditsQuestion = "当前事例文本已改变，要保存吗？";
inline constexpr std::string_view kNoChartYet = "请先排一个正确的奇门盘";
inline constexpr std::string_view kSelectCaseFirst = "请先选择一个事例。";

// What the workflow needs from the window besides the prompter and pane.
struct ConsultationServices {
    std::filesystem::path dataRoot;  // holds dat/ and qimen_f/
    Prompter* prompter = nullptr;
    Pane* pane = nullptr;
    // MeoInfo: replaces its text.
    std::function<void(const std::string&)> showMemo;
    // The local clock (现在时间, start-up).
    std::function<calendar::CivilDateTime()> now;
    // The pseudo-random source of 随机起局.
    std::function<std::uint32_t()> random;
    // 分类保存, shown modally when a new case is saved: the form holds the
    // class list and the defaults; answers true when closed with OK (its
    // checks passed), the form then holding the user's class and notes.
    std::function<bool(ClassificationForm&)> classify;
    // Closes the custom-chart window when one is open (after a successful
    // chart or 查看, and at close).
    std::function<void()> closeCustomChart;
    // A change to the chart settings after they are read (the command line's
    // --set); empty for the window.
    std::function<void(chart::ChartSettings&)> adjustSettings;
};

class Consultation {
public:
    explicit Consultation(ConsultationServices services);
    ~Consultation();
    Consultation(const Consultation&) = delete;
    Consultation& operator=(const Consultation&) = delete;

    // Start-up after the lists are filled: the date inputs to now (year
    // capped at 2100), 未知地, then the window settings' method item,
    // province (a stored item outside the list selects 0; the city list is
    // reloaded) and city; opens the store (creating an empty one) and lists
    // cases 0..299. The state is New, chartValid false.
    void start(const files::WindowSettings& settings);
    // Opens the store (creating an empty one) and lists cases 0..299, as at
    // start-up; after a clear or an import replaced the store. A damaged
    // store is named and what can be read of it listed.
    void reloadCases();

    ConsultationInputs& inputs() { return inputs_; }
    const ConsultationInputs& inputs() const { return inputs_; }
    // The city box: names and coordinates of the chosen province's cities.
    const std::vector<City>& cities() const { return cities_; }

    // cbodiZClick: the province item becomes `item`, the city list is
    // reloaded and city item 0 selected. Nothing happens for −1.
    void selectProvince(int item);
    // SbtoNow: 公历, no leap month, the date and time of now (year capped at
    // 2100).
    void setNow();
    // The moment inputs set to `moment` as a Gregorian date.
    void setMoment(const calendar::CivilDateTime& moment);

    // 排盘 (Btnpai). Answers true when a chart was drawn.
    bool chart();
    // CboCustomClick: a blank item does nothing; otherwise an hour chart of
    // that given ju (method 250 until a run succeeds).
    bool chartGivenJu(int item);
    // SpeedButton1: a random given-ju item, then as chartGivenJu.
    bool chartRandom();
    // 查看 of the selected case (nullopt: none selected). Answers true when
    // the case was charted.
    bool view(std::optional<std::int32_t> selected);
    // 新建.
    void newCase();
    // The topic buttons 0..6 (求财 … 天气; 7 is 出行): the topic's guide
    // and this chart's judgement for it. And 解释.
    void topic(int topic);
    void explain();
    // SbtoCustomPan: the request for the custom-chart window after the
    // checks (method box at 时家奇门, name, matter, year); nullopt when one
    // failed. Nothing else changes.
    std::optional<chart::ChartRequest> customChart();

    // Save (SbtoSave, 保存记录): New appends a case through the
    // classification dialog; Viewing asks, then rewrites the viewed case and
    // its commentary. Answers true when something was written.
    bool save();
    // 编辑事例: `showDialog` shows the case dialog modally over the form and
    // answers true when it closed with OK (CaseEditForm::save passed).
    bool editCase(std::optional<std::int32_t> selected, const std::function<bool(CaseEditForm&)>& showDialog);
    // 删除事例.
    bool deleteCase(std::optional<std::int32_t> selected);
    // 显示全部事例.
    void listAll();
    // Lists exactly these cases, known to be live (the result of a case
    // search); their texts are read when shown.
    void listCases(const std::vector<std::int32_t>& numbers);
    // Window closing: the pending-edit question; closes the custom chart.
    void close();
    // The inputs the window settings keep: panshi, sheng, shi.
    void storeInputsIn(files::WindowSettings& settings) const;

    // State.
    CaseState caseState() const { return state_; }
    std::int32_t viewedCase() const { return viewedCase_; }
    const std::filesystem::path& casePath() const { return casePath_; }
    bool chartValid() const { return chartValid_; }
    const chart::ChartRequest& request() const { return request_; }
    const cases::CaseRecord& currentCase() const { return currentCase_; }
    const chart::ChartRecord& record() const { return *record_; }
    // "存新" in state New, "存旧" (shown in blue) in state Viewing.
    std::string saveCaption() const;

    const CaseRows& caseRows() const { return rows_; }
    cases::CaseStore& store() { return store_; }
    // The case search's filter; it keeps its criteria between searches.
    cases::CaseFilter& caseFilter() { return filter_; }
    const places::PlaceTable& places() const { return places_; }
    const std::filesystem::path& dataRoot() const { return services_.dataRoot; }

private:
    // The case of the selected list row: "请先选择一个事例。" without one; nullopt
    // silently for a number that is not a live case.
    std::optional<cases::CaseRecord> selectedCase(std::optional<std::int32_t> selected);
    bool validateTexts();
    std::optional<std::int16_t> validateYear();
    void fillRequest(std::int16_t storedYear);
    void copyRequestToCase();
    bool drawChart();
    void afterSuccess();
    void askToSavePendingEdits();
    void loadInputsFromCase(const cases::CaseRecord& record);
    bool saveViewed();
    bool saveNew();
    Expected<void> writeCommentary(const std::filesystem::path& path);
    void enterNewState();

    ConsultationServices services_;
    Prompter& prompter_;
    Pane& pane_;
    ConsultationInputs inputs_;
    std::vector<City> cities_;
    places::PlaceTable places_;
    cases::CaseStore store_;
    cases::CaseFilter filter_;
    CaseRows rows_;
    std::unique_ptr<chart::ChartRecord> record_;
    analysis::TopicJudge topics_;

    chart::ChartRequest request_;
    cases::CaseRecord currentCase_;
    bool chartValid_ = false;
    CaseState state_ = CaseState::New;
    std::int32_t viewedCase_ = -1;
    std::filesystem::path casePath_;
};

}  // namespace qimen::workflow

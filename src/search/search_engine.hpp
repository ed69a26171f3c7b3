// The time search: every two-hour moment from a start to an end whose
// rotating-plate hour chart fits the conditions, as numbered result lines,
// and the printout of one listed moment.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"
#include "chart/chart_settings.hpp"
#include "search/search_conditions.hpp"

namespace qimen::search {

// Where a running scan stands, for a progress bar.
struct SearchProgress {
    long candidate = 0;  // candidates tested so far, 1-based
    long maximum = 0;    // (JD(end) − JD(start)) × 12, truncated
    int found = 0;       // result lines so far
};

// Called on the caller's thread during a scan; it may call requestCancel.
using ProgressCallback = std::function<void(const SearchProgress&)>;

// The most result lines a search lists.
inline constexpr int kMaxSearchResults = 30000;

inline constexpr std::string_view kStartRangeError = "开始时间在1900－2050，请检查输入的时间是否正确！";
inline constexpr std::string_view kEndRangeError = "结束时间在1900－2050，请检查输入的时间是否正确！";
inline constexpr std::string_view kOrderError = "结束时间必须大于或等于开始时间！";
inline constexpr std::string_view kCancelledMessage = "\r\n搜索被手工中断！";
inline constexpr std::string_view kTooManyMessage = "\r\n查找到的奇门盘过多，显示不完，因此只显示一部分。";

class SearchEngine {
public:
    // `readSettings` is called at the start of every search; the copy it
    // returns serves that search and every listing until the next one.
    explicit SearchEngine(std::function<chart::ChartSettings()> readSettings);

    // Scans JD(start) + k/12 (a running double addition) for k = 0, 1, …
    // while the running value stays below JD(end), the start always tested;
    // every candidate keeps the start's minute. Refuses (results kept) a
    // start or end that is not a valid date and time (hour 0..23, minute
    // 0..59) of 1900..2050, and an end before the start. Otherwise reads the
    // settings, copies `conditions`, clears the results and lists every
    // passing candidate as "F:YYYY-MM-DD HH:MM" until the end, a cancel
    // (stopping after the current candidate, lines kept) or the 30,000th
    // line, and sets the closing message.
    // `progress` is called at least every few thousand candidates and after
    // the last. The result is that of the sequential scan whatever the
    // thread count. Blocking: a window runs it off its event loop.
    Expected<void> search(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end,
                const SearchConditions& conditions, const ProgressCallback& progress = {});

    // Thread-safe; the running scan stops after the candidate it is testing.
    void requestCancel() { cancelRequested_.store(true, std::memory_order_relaxed); }

    // The listing of one result line: "第N条:\r\n" and the printout of that
    // moment's chart under the settings the last search read (the defaults
    // before the first search, unless reloadSettings was called). Fails for
    // a line that is not of the form "N:YYYY-MM-DD HH:MM" with a valid moment
    // of 1900..2050.
    Expected<std::string> listing(std::string_view line) const;

    // Reads the settings now, as a search does at its start.
    void reloadSettings();

    // Candidates within this many minutes (inclusive) of any solar term's
    // instant are skipped as if they failed the conditions, since a chart on
    // a term is in doubt; 0 (the default) skips none. Read by the next search.
    void setAvoidTermMinutes(int minutes) { avoidTermMinutes_ = minutes; }
    int avoidTermMinutes() const { return avoidTermMinutes_; }

    // Worker threads of a scan; 0 (the default) uses the hardware's count,
    // 1 scans on the caller's thread.
    void setThreadCount(int threads) { threadCount_ = threads; }

    const std::vector<std::string>& results() const { return results_; }
    const std::string& closingMessage() const { return closingMessage_; }
    const chart::ChartSettings& settings() const { return settings_; }
    bool cancelled() const { return cancelled_; }

private:
    // The scan of a valid range; raises what a chart or a worker raises.
    void scan(double jdStart, double jdEnd, const SearchConditions& conditions, const ProgressCallback& progress);

    std::function<chart::ChartSettings()> readSettings_;
    chart::ChartSettings settings_;
    SearchConditions conditions_;
    std::atomic<bool> cancelRequested_{false};
    bool cancelled_ = false;
    int threadCount_ = 0;
    int avoidTermMinutes_ = 0;
    std::vector<std::string> results_;
    std::string closingMessage_;
};

// The refusals of a search, in its order: a start or end that is not a
// valid date and time (hour 0..23, minute 0..59) of 1900..2050, then an end
// before the start. A window checks with it before it starts a scan off its
// event loop, so that a refused range leaves the shown results alone.
Expected<void> checkSearchRange(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end);

// A moment as a result line "F:YYYY-MM-DD HH:MM".
std::string resultLine(int number, const calendar::CivilDateTime& moment);

// "查找完毕，共找到%d个奇门盘。" with the count.
std::string finishedMessage(int found);

}  // namespace qimen::search

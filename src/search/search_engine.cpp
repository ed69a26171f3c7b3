// The scan of the time search. Candidates are evaluated in blocks by worker
// threads into pass flags; the caller's thread walks the flags in candidate
// order, so numbering, the cap, cancelling and the progress it reports are
// exactly those of a one-candidate-at-a-time scan.
#include "search/search_engine.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>

#include "calendar/day_arithmetic.hpp"
#include "calendar/term_proximity.hpp"
#include "chart/chart_record.hpp"
#include "search/candidate_chart.hpp"
#include "search/condition_matcher.hpp"
#include "search/plate_memo.hpp"
#include "search/search_listing.hpp"

namespace qimen::search {
namespace {

// Candidates per block, and so per progress call: small enough that a scan
// starved of processor time still reports several times a second.
constexpr std::size_t kBlockSize = 512;

bool inSearchRange(const calendar::CivilDateTime& m) {
    return m.year >= 1900 && m.year <= 2050 && calendar::isValidDate(m) && m.hour >= 0 && m.hour <= 23 &&
           m.minute >= 0 && m.minute <= 59;
}

// The candidate values of the running addition, the start always included.
std::vector<double> candidateTimes(double start, double end) {
    std::vector<double> times;
    if (end > start) times.reserve(static_cast<std::size_t>((end - start) * 12) + 2);
    double t = start;
    do {
        times.push_back(t);
        t = t + 1.0 / 12;
    } while (t < end);
    return times;
}

// One thread's working chart: lays and tests candidates.
class CandidateTester {
public:
    CandidateTester(const chart::ChartSettings& settings, const SearchConditions& conditions, int avoidTermMinutes)
        : memo_(conditions), groups_(activeGroupCount(conditions)), avoidTermMinutes_(avoidTermMinutes) {
        record_.settings = settings;
    }
    bool passes(double t) {
        if (groups_ == 0 && avoidTermMinutes_ <= 0) return true;
        calendar::CivilDateTime moment = calendar::dateFromJulianDay(t);
        if (avoidTermMinutes_ > 0 && std::fabs(calendar::nearestTerm(moment).minutesAway) <= avoidTermMinutes_)
            return false;
        if (groups_ == 0) return true;
        layCandidateChart(record_, moment, t);
        return memo_.passes(record_);
    }

private:
    PlateMemo memo_;
    int groups_;
    int avoidTermMinutes_;
    chart::ChartRecord record_;
};

// Evaluates blocks of candidates on worker threads, in block order as far
// as the threads allow, until every block is done or stop() is called.
class ParallelEvaluation {
public:
    ParallelEvaluation(const std::vector<double>& times, int threads, const chart::ChartSettings& settings,
                       const SearchConditions& conditions, int avoidTermMinutes)
        : times_(times), pass_(times.size(), 0), done_((times.size() + kBlockSize - 1) / kBlockSize) {
        for (int i = 0; i < threads; ++i)
            workers_.emplace_back(
                [this, &settings, &conditions, avoidTermMinutes] { work(settings, conditions, avoidTermMinutes); });
    }
    ~ParallelEvaluation() { finish(); }

    std::size_t blockCount() const { return done_.size(); }
    // Waits for block b, then answers its flags; rethrows a worker's failure.
    const std::uint8_t* awaitBlock(std::size_t b) {
        done_[b].wait(0, std::memory_order_acquire);
        if (failed_.load()) {
            finish();
            std::rethrow_exception(failure_);
        }
        return pass_.data() + b * kBlockSize;
    }
    void stop() { stop_.store(true); }
    void finish() {
        stop();
        for (auto& w : workers_)
            if (w.joinable()) w.join();
    }

private:
    void work(const chart::ChartSettings& settings, const SearchConditions& conditions, int avoidTermMinutes) {
        CandidateTester tester(settings, conditions, avoidTermMinutes);
        for (;;) {
            std::size_t b = next_.fetch_add(1);
            if (b >= done_.size()) return;
            if (!stop_.load(std::memory_order_relaxed) && !failed_.load(std::memory_order_relaxed)) {
                try {
                    std::size_t last = std::min(times_.size(), (b + 1) * kBlockSize);
                    for (std::size_t k = b * kBlockSize; k < last; ++k) pass_[k] = tester.passes(times_[k]) ? 1 : 0;
                } catch (...) {
                    std::lock_guard lock(failureMutex_);
                    if (!failed_.load()) failure_ = std::current_exception();
                    failed_.store(true);
                }
            }
            done_[b].store(1, std::memory_order_release);
            done_[b].notify_one();
        }
    }

    const std::vector<double>& times_;
    std::vector<std::uint8_t> pass_;
    std::vector<std::atomic<std::uint8_t>> done_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::atomic<bool> failed_{false};
    std::mutex failureMutex_;
    std::exception_ptr failure_;
    std::vector<std::thread> workers_;
};

}  // namespace

std::string resultLine(int number, const calendar::CivilDateTime& m) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d:%d-%02d-%02d %02d:%02d", number, m.year, m.month, m.day, m.hour, m.minute);
    return buffer;
}

std::string finishedMessage(int found) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "查找完毕，共找到%d个奇门盘。", found);
    return buffer;
}

SearchEngine::SearchEngine(std::function<chart::ChartSettings()> readSettings)
    : readSettings_(std::move(readSettings)) {}

void SearchEngine::reloadSettings() {
    if (readSettings_) settings_ = readSettings_();
}

Expected<void> checkSearchRange(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end) {
    if (!inSearchRange(start)) return fail(std::string(kStartRangeError));
    if (!inSearchRange(end)) return fail(std::string(kEndRangeError));
    if (calendar::julianDay(end) < calendar::julianDay(start)) return fail(std::string(kOrderError));
    return ok();
}

Expected<void> SearchEngine::search(const calendar::CivilDateTime& start, const calendar::CivilDateTime& end,
                                    const SearchConditions& conditions, const ProgressCallback& progress) {
    if (auto checked = checkSearchRange(start, end); !checked) return checked;
    double jdStart = calendar::julianDay(start);
    double jdEnd = calendar::julianDay(end);
    try {
        scan(jdStart, jdEnd, conditions, progress);
    } catch (const std::exception& error) {
        return fail(std::string("the search stopped: ") + error.what());
    }
    return ok();
}

void SearchEngine::scan(double jdStart, double jdEnd, const SearchConditions& conditions,
                        const ProgressCallback& progress) {
    reloadSettings();
    conditions_ = conditions;
    SearchProgress state;
    state.maximum = static_cast<long>((jdEnd - jdStart) * 12);
    cancelRequested_.store(false);
    cancelled_ = false;
    results_.clear();

    const std::vector<double> times = candidateTimes(jdStart, jdEnd);
    int threads = threadCount_ > 0 ? threadCount_ : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::size_t blocks = (times.size() + kBlockSize - 1) / kBlockSize;
    bool parallel = threads > 1 && blocks > 1 && (activeGroupCount(conditions_) != 0 || avoidTermMinutes_ > 0);

    std::optional<ParallelEvaluation> evaluation;
    std::optional<CandidateTester> tester;
    std::vector<std::uint8_t> localPass;
    if (parallel) {
        evaluation.emplace(times, threads, settings_, conditions_, avoidTermMinutes_);
    } else {
        tester.emplace(settings_, conditions_, avoidTermMinutes_);
        localPass.resize(kBlockSize);
    }

    bool stopped = false;
    for (std::size_t b = 0; b < blocks && !stopped; ++b) {
        std::size_t first = b * kBlockSize;
        std::size_t last = std::min(times.size(), first + kBlockSize);
        // The block's flags, pass[k - first] for candidate k.
        const std::uint8_t* pass = nullptr;
        if (parallel) {
            pass = evaluation->awaitBlock(b);
        } else {
            for (std::size_t k = first; k < last; ++k) localPass[k - first] = tester->passes(times[k]) ? 1 : 0;
            pass = localPass.data();
        }
        for (std::size_t k = first; k < last; ++k) {
            state.candidate = static_cast<long>(k) + 1;
            if (pass[k - first]) {
                ++state.found;
                results_.push_back(resultLine(state.found, calendar::dateFromJulianDay(times[k])));
            }
            if (cancelRequested_.load(std::memory_order_relaxed)) {
                cancelled_ = true;
                stopped = true;
            }
            if (state.found >= kMaxSearchResults) stopped = true;
            if (stopped) break;
        }
        if (progress) progress(state);
    }
    if (evaluation) evaluation->finish();

    if (cancelled_)
        closingMessage_ = std::string(kCancelledMessage);
    else if (state.found >= kMaxSearchResults)
        closingMessage_ = std::string(kTooManyMessage);
    else
        closingMessage_ = finishedMessage(state.found);
}

Expected<std::string> SearchEngine::listing(std::string_view line) const {
    std::optional<ListedMoment> listed = parseResultLine(line);
    if (!listed) {
        std::string message = "\"";  // appended: GCC 12 warns falsely on "\"" + std::string
        message += line;
        message += "\" is not a result line N:YYYY-MM-DD HH:MM of 1900..2050";
        return fail(std::move(message));
    }
    chart::ChartRecord record;
    record.settings = settings_;
    layCandidateChart(record, listed->moment, calendar::julianDay(listed->moment));
    return "第" + listed->number + "条:\r\n" + chartPrintout(record);
}

}  // namespace qimen::search

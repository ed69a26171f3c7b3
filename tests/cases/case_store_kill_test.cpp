// `qimen cases add`, `edit` and `delete` killed (SIGKILL) at random points of
// their run, 200 times in a row on one store: every change that reported
// success is there whole with its commentary, no slot is torn, a killed
// change is either done or not, and the store stays sound and writable.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "../files/child_process.hpp"
#include "../files/temp_data_root.hpp"
#include "cases/case_store.hpp"
#include "cli_app.hpp"
#include "files/file_io.hpp"

namespace qimen::cases {
namespace {

using Clock = std::chrono::steady_clock;
using qimen::testing::Child;

constexpr int kRuns = 200;
constexpr unsigned kSeed = 20240601;
constexpr auto kLongestDelay = std::chrono::milliseconds(150);

// What a slot may hold, given what the commands reported.
struct Expectation {
    std::set<std::string> matters;  // the live record's matter, one of these
    bool mayBeDeleted = false;
    bool mayHoldKilledAdd = false;  // a killed add may have reused the slot
};

enum class Kind { Add, Edit, Delete };

class StoreKill : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("QIMEN_HOME", root.path().c_str(), 1);
        files::setDurableWrites(false);  // a kill, not a power cut: written data stays
    }
    void TearDown() override {
        ::unsetenv("QIMEN_HOME");
        files::setDurableWrites(true);
    }

    // Runs the tool in a child, killed at `deadline` if it is still running.
    qimen::testing::ChildResult runChild(const std::vector<std::string>& args, Clock::time_point deadline) {
        Child child([&](int fd) {
            std::ostringstream out, err;
            int code = cli::runCli(args, out, err, [] { return calendar::CivilDateTime{2024, 1, 1, 0, 0}; });
            qimen::testing::report(fd, out.str() + '\x1e' + err.str());
            return code;
        });
        return child.waitOrKillAt(deadline);
    }

    std::vector<std::string> command(Kind kind, std::int32_t target, const std::string& matter) const {
        switch (kind) {
            case Kind::Add:
                return {"cases", "add", "--name", "甲", "--matter", matter, "--at", "2008-08-08 10:00", "--class", "c"};
            case Kind::Edit:
                return {"cases", "edit", std::to_string(target), "--matter", matter};
            case Kind::Delete:
                return {"cases", "delete", std::to_string(target)};
        }
        return {};
    }

    qimen::testing::TempDataRoot root;
};

std::int32_t reportedNumber(const std::string& output) {
    auto at = output.find("ID: ");
    return at == std::string::npos ? -1 : std::atoi(output.c_str() + at + 4);
}

TEST_F(StoreKill, ReportedChangesSurviveKillsAtAnyPoint) {
    std::mt19937 random(kSeed);
    std::map<std::int32_t, Expectation> slots;
    std::set<std::string> killedAddMatters;
    std::map<Kind, Clock::duration> fullRun;
    auto surelyLive = [&] {
        std::vector<std::int32_t> live;
        for (const auto& [n, e] : slots)
            if (!e.mayBeDeleted && !e.mayHoldKilledAdd && e.matters.size() == 1) live.push_back(n);
        return live;
    };
    auto apply = [&](Kind kind, std::int32_t target, const std::string& matter, const qimen::testing::ChildResult& r) {
        bool done = r.exited && r.code == 0;
        if (r.exited && r.code != 0) ADD_FAILURE() << matter << " failed: " << r.output;
        if (kind == Kind::Add && done) slots[reportedNumber(r.output)] = {{matter}, false, false};
        if (kind == Kind::Add && !done) {
            killedAddMatters.insert(matter);
            for (auto& [n, e] : slots) e.mayHoldKilledAdd = e.mayHoldKilledAdd || e.mayBeDeleted;
        }
        if (kind == Kind::Edit) done ? void(slots[target] = {{matter}, false, false}) : void(slots[target].matters.insert(matter));
        if (kind == Kind::Delete) done ? void(slots[target] = {{}, true, false}) : void(slots[target].mayBeDeleted = true);
    };

    // Uninterrupted runs first: a few cases, and how long each command takes.
    int step = 0;
    for (Kind kind : {Kind::Add, Kind::Add, Kind::Add, Kind::Add, Kind::Edit, Kind::Delete}) {
        std::string matter = "m" + std::to_string(step++);
        std::int32_t target = kind == Kind::Add ? -1 : surelyLive().front();
        auto start = Clock::now();
        auto r = runChild(command(kind, target, matter), Clock::time_point::max());
        fullRun[kind] = std::max(fullRun[kind], Clock::now() - start);
        ASSERT_TRUE(r.exited && r.code == 0) << r.output;
        apply(kind, target, matter, r);
    }

    int killedRunning = 0;
    auto started = Clock::now();
    for (int i = 0; i < kRuns; ++i) {
        std::string matter = "m" + std::to_string(step++);
        auto live = surelyLive();
        int pick = std::uniform_int_distribution<int>(0, 9)(random);
        Kind kind = live.empty() || pick < 5 ? Kind::Add : pick < 7 ? Kind::Edit : Kind::Delete;
        std::int32_t target = kind == Kind::Add ? -1 : live[std::size_t(random() % live.size())];
        // A random point inside the command's run (a little past its end, so
        // that finishing is among the outcomes), never later than 150 ms.
        auto span = std::min<Clock::duration>(fullRun[kind] * 5 / 4, kLongestDelay);
        auto delay = Clock::duration(std::uniform_int_distribution<Clock::rep>(0, span.count())(random));
        auto r = runChild(command(kind, target, matter), Clock::now() + delay);
        killedRunning += !r.exited;
        apply(kind, target, matter, r);
    }
    auto elapsed = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("[ figures  ] %d runs, %d killed while running, %.2f s; full runs: add %.1f ms, edit %.1f ms, "
                "delete %.1f ms\n",
                kRuns, killedRunning, elapsed, std::chrono::duration<double, std::milli>(fullRun[Kind::Add]).count(),
                std::chrono::duration<double, std::milli>(fullRun[Kind::Edit]).count(),
                std::chrono::duration<double, std::milli>(fullRun[Kind::Delete]).count());
    EXPECT_GT(killedRunning, 0);

    // One more add in a fresh process: the store takes it, and it tidies the
    // leftovers of the killed writers.
    auto last = runChild(command(Kind::Add, -1, "last"), Clock::time_point::max());
    ASSERT_TRUE(last.exited && last.code == 0) << last.output;
    apply(Kind::Add, -1, "last", last);

    CaseStore store(root.path());
    auto opened = store.open();
    ASSERT_TRUE(opened) << opened.message();
    std::vector<std::int32_t> all(static_cast<std::size_t>(store.slotCount()));
    for (std::size_t n = 0; n < all.size(); ++n) all[n] = static_cast<std::int32_t>(n);
    std::map<std::int32_t, CaseRecord> live;
    auto read = store.readLive(all);
    ASSERT_TRUE(read) << read.message();
    for (const auto& [n, image] : *read) live[n] = decodeCaseRecord(image);
    for (const auto& [n, record] : live) {
        SCOPED_TRACE("slot " + std::to_string(n));
        EXPECT_EQ(record.caseNumber, n);
        EXPECT_EQ(record.askerName, "甲");
        EXPECT_EQ(record.className, "c");
        auto expected = slots.find(n);
        bool known = expected != slots.end() && expected->second.matters.count(record.matter);
        bool killedAdd = (expected == slots.end() || expected->second.mayHoldKilledAdd) && killedAddMatters.count(record.matter);
        EXPECT_TRUE(known || killedAdd) << record.matter;
        auto commentary = qimen::testing::readText(store.commentaryPath(n));
        EXPECT_TRUE(commentary.starts_with("{\\rtf1")) << "commentary of a live case is missing or cut";
    }
    for (const auto& [n, e] : slots)
        if (!e.mayBeDeleted) EXPECT_TRUE(live.count(n)) << "reported case " << n << " lost";
    EXPECT_FALSE(std::filesystem::exists(root.path() / "dat" / "qimen.redo"));
    for (const auto& entry : std::filesystem::directory_iterator(root.path() / "qimen_f"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace qimen::cases

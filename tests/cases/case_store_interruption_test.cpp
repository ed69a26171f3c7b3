// Cutting each write step of each store operation in turn — before the step,
// or halfway through a write that spans more than one disk sector — as a crash
// or a failing disk would, and checking that no earlier record is lost or torn
// and that the store goes on working.
#include <gtest/gtest.h>

#include <map>

#include "cases/store_layout.hpp"
#include "files/file_io.hpp"
#include "store_fixture.hpp"

namespace qimen::cases {
namespace {

using qimen::testing::TempDataRoot;
using testing::imageFor;
namespace fs = std::filesystem;

class StepCounter : public files::WriteObserver {
public:
    std::size_t allow(const files::WriteStep& step) override {
        ++count;
        return step.kind == files::WriteStepKind::Write ? step.size : 1;
    }
    int count = 0;
};

enum class Cut { Before, Torn, DeviceFails };

// Lets steps through until step `target`, which it cuts.
class StepCutter : public files::WriteObserver {
public:
    StepCutter(int target, Cut cut) : target_(target), cut_(cut) {}
    std::size_t allow(const files::WriteStep& step) override {
        bool write = step.kind == files::WriteStepKind::Write;
        if (seen_++ != target_) return write ? step.size : 1;
        if (cut_ == Cut::DeviceFails) throw files::FileError("simulated device failure");
        // A write within one 512-byte sector lands whole or not at all.
        if (cut_ == Cut::Torn && write && step.size > 512) return step.size / 2;
        return 0;
    }

private:
    int target_;
    Cut cut_;
    int seen_ = 0;
};

using LiveMap = std::map<std::int32_t, CaseRecordImage>;

LiveMap liveRecords(CaseStore& store) {
    std::vector<std::int32_t> all(static_cast<std::size_t>(store.slotCount()));
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::int32_t>(i);
    LiveMap live;
    for (auto& [n, image] : store.readLive(all).valueOr({})) live[n] = image;
    return live;
}

struct Operation {
    const char* name;
    int deletionsBefore;  // of the 40 records the fixture writes
    std::int32_t target;  // slot the operation changes
    std::function<void(CaseStore&)> run;
    bool commentary = false;  // the operation writes or removes a commentary file
};

void PrintTo(const Operation& op, std::ostream* os) { *os << op.name; }

const std::string kOldCommentary = "{\\rtf1 old}";
const std::string kNewCommentary = "{\\rtf1 new}";

class StoreInterruption : public ::testing::TestWithParam<std::tuple<Operation, Cut>> {
protected:
    void SetUp() override {
        files::setDurableWrites(false);
        CaseStore store(base.path());
        ASSERT_TRUE(store.open());
        for (int i = 0; i < 40; ++i) ASSERT_TRUE(store.append(imageFor(i), kOldCommentary));
        auto op = std::get<0>(GetParam());
        for (int n = 10; n < 10 + op.deletionsBefore; ++n) ASSERT_TRUE(store.markDeleted(n));
    }
    void TearDown() override { files::setDurableWrites(true); }

    void copyBaseTo(const fs::path& target) {
        fs::copy(base.path(), target, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    TempDataRoot base;
};

const CaseRecordImage kNewImage = imageFor(777, "新人");

TEST_P(StoreInterruption, NoEarlierRecordIsLostAtAnyStep) {
    auto [op, cut] = GetParam();
    int steps = 0;
    {
        TempDataRoot probe;
        copyBaseTo(probe.path());
        StepCounter counter;
        CaseStore store(probe.path(), {std::chrono::milliseconds(1000), &counter});
        op.run(store);
        steps = counter.count;
    }
    ASSERT_GT(steps, 0);
    for (int k = 0; k < steps; ++k) {
        SCOPED_TRACE(std::string(op.name) + ", cut at step " + std::to_string(k));
        TempDataRoot root;
        copyBaseTo(root.path());
        CaseStore plain(root.path());
        LiveMap before = liveRecords(plain);
        std::int32_t slotsBefore = plain.slotCount();
        {
            StepCutter cutter(k, cut);
            CaseStore store(root.path(), {std::chrono::milliseconds(1000), &cutter});
            if (cut == Cut::DeviceFails) {
                op.run(store);  // reported as a failure, no throw
            } else {
                EXPECT_THROW(op.run(store), files::InterruptedOperation);
            }
        }
        // A new instance after the "crash".
        CaseStore after(root.path());
        auto header = after.header();
        ASSERT_TRUE(header) << header.message();
        std::int32_t slotsAfter = after.slotCount();
        EXPECT_TRUE(slotsAfter == slotsBefore || slotsAfter == slotsBefore + 1);
        LiveMap now = liveRecords(after);
        for (const auto& [n, image] : before) {
            if (n == op.target) continue;
            ASSERT_TRUE(now.count(n)) << "record " << n << " lost";
            EXPECT_EQ(now[n], image) << "record " << n << " changed";
        }
        // A live record keeps its commentary: a deletion removes the file only
        // once the slot is marked, an append writes it before the slot is live.
        for (const auto& [n, image] : now) {
            auto commentary = qimen::testing::readText(after.commentaryPath(n));
            if (before.count(n) && before[n] == image) EXPECT_EQ(commentary, kOldCommentary) << n;
            // A failing device may leave the new record without one, never with another's.
            else if (op.commentary && !(cut == Cut::DeviceFails && commentary.empty()))
                EXPECT_EQ(commentary, kNewCommentary) << n;
        }
        if (auto found = now.find(op.target); found != now.end() && !before.count(op.target)) {
            // A record that appeared must be the new one, whole.
            CaseRecordImage expected = kNewImage;
            files::writeLittleEndian<std::int32_t>(expected, 0, op.target);
            EXPECT_EQ(found->second, expected);
        } else if (found != now.end()) {
            EXPECT_TRUE(found->second == before[op.target] || found->second == kNewImage);
        }
        // And the store goes on: one more append lands whole, nothing else moves.
        auto n = after.append(imageFor(900));
        ASSERT_TRUE(n) << n.message();
        LiveMap later = liveRecords(after);
        for (const auto& [m, image] : now) EXPECT_EQ(later[m], image) << m;
        EXPECT_EQ(decodeCaseRecord(later[*n]).matter, "事900");
    }
}

const Operation kOperations[] = {
    {"append a new slot", 0, 40, [](CaseStore& s) { (void)s.append(kNewImage); }},
    {"append reusing a slot", 30, 10, [](CaseStore& s) { (void)s.append(kNewImage); }},
    {"update", 0, 2, [](CaseStore& s) { (void)s.update(2, kNewImage); }},
    {"delete", 29, 5, [](CaseStore& s) { (void)s.markDeleted(5); }},
    {"append with commentary", 0, 40, [](CaseStore& s) { (void)s.append(kNewImage, kNewCommentary); }, true},
    {"append reusing a slot with commentary", 30, 10,
     [](CaseStore& s) { (void)s.append(kNewImage, kNewCommentary); }, true},
    {"delete with commentary", 29, 5, [](CaseStore& s) { (void)s.deleteCase(5); }, true},
};

std::string testName(const Operation& op, Cut cut) {
    std::string name = op.name;
    for (auto& c : name)
        if (c == ' ') c = '_';
    static const char* const kCutNames[] = {"Before", "Torn", "DeviceFails"};
    return name + "_" + kCutNames[static_cast<int>(cut)];
}

INSTANTIATE_TEST_SUITE_P(EveryStep, StoreInterruption,
                         ::testing::Combine(::testing::ValuesIn(kOperations),
                                            ::testing::Values(Cut::Before, Cut::Torn, Cut::DeviceFails)),
                         [](const auto& info) { return testName(std::get<0>(info.param), std::get<1>(info.param)); });

TEST(StoreCreation, CutCreationLeavesNoHalfStore) {
    files::setDurableWrites(false);
    for (int k = 0; k < 3; ++k) {
        TempDataRoot root;
        StepCutter cutter(k, Cut::Before);
        CaseStore store(root.path(), {std::chrono::milliseconds(1000), &cutter});
        try {
            (void)store.open();
        } catch (const files::InterruptedOperation&) {
        }
        CaseStore after(root.path());
        ASSERT_TRUE(after.open());
        EXPECT_EQ(qimen::testing::fileBytes(after.dataFilePath(0)).size(), 20u);
    }
    files::setDurableWrites(true);
}

}  // namespace
}  // namespace qimen::cases

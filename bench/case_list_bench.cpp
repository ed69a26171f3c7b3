// The main window's 显示全部事例 on a store of 100,000 cases: from the click
// to ListView1 scrolled to its last row and painted, offscreen. The goal is
// 200 ms. The store is written straight in the store's file layout (header
// and two data files of 50,000 slots), which takes a moment instead of the
// 100,000 locked appends the store's own API would need.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTreeView>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "../tests/app/app_fixture.hpp"
#include "cases/case_record.hpp"
#include "cases/store_header.hpp"
#include "files/fixed_fields.hpp"

namespace {

using namespace qimen;
namespace fs = std::filesystem;

constexpr std::int32_t kCases = 100000;

cases::CaseRecordImage sampleImage(std::int32_t i) {
    cases::CaseRecord r;
    r.askerName = i % 7 == 0 ? "张三" : "李四" + std::to_string(i % 1000);
    r.className = i % 3 == 0 ? "求财" : "婚姻";
    r.date = {static_cast<std::int16_t>(1990 + i % 30), 5, 6, 7, 8};
    r.lunarInput = i % 5 == 0;
    r.matter = "事业" + std::to_string(i % 100);
    r.notes = "备注:" + std::string(200, 'x');
    r.placeName = "福建省-福州";
    auto image = *cases::encodeCaseRecord(r);
    files::writeLittleEndian<std::int32_t>(image, cases::field::kCaseNumber, i);
    return image;
}

// dat/qimen0.dat (header, slots 0..49,999) and dat/qimen1.dat (the rest),
// every slot live, as the store writes them.
void writeStore(const fs::path& root, std::int32_t count) {
    cases::StoreHeader header;
    header.slotCount = count;
    header.fileCount = static_cast<std::int16_t>(cases::fileCountFor(count));
    for (std::int32_t k = 0; k < header.fileCount; ++k) {
        std::ofstream out(root / "dat" / ("qimen" + std::to_string(k) + ".dat"), std::ios::binary | std::ios::trunc);
        if (k == 0) {
            auto bytes = cases::encodeStoreHeader(header);
            out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        }
        for (std::int32_t n = k * cases::kSlotsPerFile; n < std::min(count, (k + 1) * cases::kSlotsPerFile); ++n) {
            auto image = sampleImage(n);
            out.write(reinterpret_cast<const char*>(image.data()), image.size());
        }
    }
}

void BM_ListAllCasesAndScrollToTheEnd(benchmark::State& state) {
    app::testing::DataRoot root;
    writeStore(root.path(), kCases);
    app::PromptRecorder recorder;
    auto window = app::testing::openWindow(root.path(), recorder);
    QTreeView& list = *window->ListView1;
    for (auto _ : state) {
        window->pmenu_r_allClick();
        list.scrollToBottom();
        list.viewport()->repaint();
    }
    if (!recorder.log.isEmpty()) state.SkipWithError(recorder.log.join('\n').toStdString().c_str());
    if (list.model()->rowCount() != kCases) state.SkipWithError("not every case was listed");
    if (list.verticalScrollBar()->value() != list.verticalScrollBar()->maximum()) state.SkipWithError("not at the end");
    state.counters["rows"] = list.model()->rowCount();
}
BENCHMARK(BM_ListAllCasesAndScrollToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QIMEN_SHIPPED_DAT", QIMEN_SHIPPED_DAT, 0);
    setenv("TZ", "UTC", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

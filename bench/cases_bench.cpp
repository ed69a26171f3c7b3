// Case store speed: appending, listing the first 300 cases, and a filtered
// scan over 100,000 cases. Flushes to disk are switched off except in the
// benchmark that measures an append with its flushes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "cases/case_store.hpp"
#include "files/file_io.hpp"

namespace {

using namespace qimen;

cases::CaseRecordImage sampleImage(int i) {
    cases::CaseRecord r;
    r.askerName = i % 7 == 0 ? "张三" : "李四";
    r.className = "求财";
    r.date = {static_cast<std::int16_t>(1990 + i % 30), 5, 6, 7, 8};
    r.matter = "事业" + std::to_string(i % 100);
    r.notes = "备注:" + std::string(200, 'x');
    r.placeName = "福建省-福州";
    return *cases::encodeCaseRecord(r);
}

std::filesystem::path freshRoot(const char* name) {
    auto root = std::filesystem::temp_directory_path() / (std::string("qimen-bench-") + name);
    std::filesystem::remove_all(root);
    return root;
}

// A store of 100,000 cases, built once.
cases::CaseStore& largeStore() {
    static cases::CaseStore store = [] {
        files::setDurableWrites(false);
        cases::CaseStore built(freshRoot("large"));
        std::atexit([] { std::filesystem::remove_all(freshRoot("large").parent_path() / "qimen-bench-large"); });
        (void)built.open();
        for (int i = 0; i < 100000; ++i) (void)built.append(sampleImage(i));
        return built;
    }();
    return store;
}

void BM_Append100000(benchmark::State& state) {
    files::setDurableWrites(false);
    for (auto _ : state) {
        cases::CaseStore store(freshRoot("append"));
        (void)store.open();
        for (int i = 0; i < 100000; ++i) benchmark::DoNotOptimize(store.append(sampleImage(i)));
    }
    std::filesystem::remove_all(freshRoot("append"));
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_Append100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_AppendDurable(benchmark::State& state) {
    files::setDurableWrites(true);
    cases::CaseStore store(freshRoot("durable"));
    (void)store.open();
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(store.append(sampleImage(i++)));
    files::setDurableWrites(false);
    std::filesystem::remove_all(freshRoot("durable"));
}
BENCHMARK(BM_AppendDurable)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_ListFirst300(benchmark::State& state) {
    auto& store = largeStore();
    std::vector<std::int32_t> numbers(300);
    for (int i = 0; i < 300; ++i) numbers[i] = i;
    for (auto _ : state) benchmark::DoNotOptimize(store.readLive(numbers));
}
BENCHMARK(BM_ListFirst300)->Unit(benchmark::kMillisecond);

void BM_FilteredScan100000(benchmark::State& state) {
    auto& store = largeStore();
    cases::CaseFilter filter;
    filter.name = "张";
    filter.nameMode = cases::TextMatch::Contains;
    filter.yearRange = true;
    filter.yearFrom = 2000;
    filter.yearTo = 2010;
    for (auto _ : state) {
        auto found = store.filteredScan(filter);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FilteredScan100000)->Unit(benchmark::kMillisecond);

}  // namespace

// Fuzzes the case store's readers: the input becomes dat/qimen0.dat (header and
// slots); every read-side operation and one append must end cleanly.
#include <cstdint>

#include "cases/case_record.hpp"
#include "cases/case_store.hpp"
#include "files/file_io.hpp"
#include "fuzz_scratch_root.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qimen;
    files::setDurableWrites(false);
    const auto& root = fuzz::scratchRoot();
    std::filesystem::remove(root / "dat" / "qimen1.dat");
    std::filesystem::remove(root / "dat" / "qimen.redo");
    // Keep sparse-file tricks out: a hostile header may ask for a huge file.
    fuzz::writeFile(root / "dat" / "qimen0.dat", data, std::min<std::size_t>(size, 1 << 20));
    cases::CaseStore store(root);
    cases::CaseRecordImage image{};
    std::int32_t count = store.slotCount();
    for (std::int32_t n : {0, 1, count - 1, count, -1}) {
        if (auto read = store.read(n)) {
            image = *read;
            (void)cases::decodeCaseRecord(image);
        }
    }
    cases::CaseFilter filter;
    filter.name = "张";
    filter.nameMode = cases::TextMatch::Contains;
    filter.yearRange = true;
    filter.yearFrom = -1000;
    filter.yearTo = 3000;
    (void)store.filteredScan(filter);
    std::vector<std::int32_t> first(16);
    for (int i = 0; i < 16; ++i) first[i] = i;
    for (auto& [n, slot] : store.readLive(first).valueOr({})) (void)cases::decodeCaseRecord(slot);
    if (count < 1000) (void)store.append(image);
    return 0;
}

// Fuzzes the custom label file reader: the input becomes dat/custom.dat.
#include <cstdint>

#include "custom/custom_chart_file.hpp"
#include "files/file_io.hpp"
#include "fuzz_scratch_root.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qimen;
    files::setDurableWrites(false);
    auto path = custom::CustomChartFile::pathIn(fuzz::scratchRoot());
    fuzz::writeFile(path, data, size);
    custom::CustomChartFile file(path);
    (void)file.open();
    if (auto listing = file.listClasses()) {
        for (const auto& name : listing->names) {
            auto found = file.readClass(name);
            if (found && *found) (void)file.updateClass(name, **found);
        }
    }
    (void)file.deleteClass("测试");
    return 0;
}

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
    for (const auto& name : file.listClasses().valueOr({})) {
        if (auto found = file.readClass(name)) (void)file.updateClass(name, *found);
    }
    (void)file.deleteClass("测试");
    return 0;
}

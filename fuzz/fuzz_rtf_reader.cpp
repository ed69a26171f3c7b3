// Fuzzes the RTF reader with arbitrary bytes; what it reads must write back.
#include <cstdint>
#include <string_view>

#include "cases/rtf_reader.hpp"
#include "cases/rtf_writer.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto result = qimen::cases::readRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)qimen::cases::writeRtf(result.text);
    return 0;
}

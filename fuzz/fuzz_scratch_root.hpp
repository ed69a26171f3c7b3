// A scratch data root for one fuzzing process, under the temporary folder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace qimen::fuzz {

inline const std::filesystem::path& scratchRoot() {
    static const std::filesystem::path root = [] {
        auto path = std::filesystem::temp_directory_path() / ("qimen-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path / "dat");
        return path;
    }();
    return root;
}

inline void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace qimen::fuzz

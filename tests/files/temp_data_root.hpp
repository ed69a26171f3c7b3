// A fresh data root under the system's temporary folder for one test, removed
// afterwards; plus small helpers to look at the files the test made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace qimen::testing {

class TempDataRoot {
public:
    TempDataRoot() {
        std::random_device seed;
        auto name = "qimen-test-" + std::to_string(seed()) + "-" + std::to_string(seed());
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    ~TempDataRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDataRoot(const TempDataRoot&) = delete;
    TempDataRoot& operator=(const TempDataRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path dat() const { return path_ / "dat"; }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace qimen::testing

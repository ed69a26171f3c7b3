// Data root resolution and first-run seeding.
#include "files/data_root.hpp"

#include <cstdlib>

#include "files/file_io.hpp"

#ifndef QIMEN_SHIPPED_DAT_DIR
#define QIMEN_SHIPPED_DAT_DIR "data/dat"
#endif

namespace qimen::files {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

Expected<std::filesystem::path> resolveDataRoot() {
    if (auto home = environment("QIMEN_HOME"); !home.empty()) return std::filesystem::path(home);
    if (auto xdg = environment("XDG_DATA_HOME"); !xdg.empty()) return std::filesystem::path(xdg) / "qimen";
    if (auto home = environment("HOME"); !home.empty())
        return std::filesystem::path(home) / ".local" / "share" / "qimen";
    return fail("cannot find a place for the data: set QIMEN_HOME or HOME");
}

std::filesystem::path datDirectory(const std::filesystem::path& root) { return root / "dat"; }

std::filesystem::path commentaryDirectory(const std::filesystem::path& root) { return root / "qimen_f"; }

std::filesystem::path installedDefaultsDirectory() {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return executable.parent_path().parent_path() / "share" / "qimen" / "dat";
}

std::filesystem::path shippedDefaultsDirectory() {
    if (auto custom = environment("QIMEN_SHIPPED_DAT"); !custom.empty()) return custom;
    // An installed program finds its defaults beside itself; a program run
    // from its build tree finds none there and takes the source tree's.
    std::error_code error;
    if (auto installed = installedDefaultsDirectory();
        !installed.empty() && std::filesystem::is_directory(installed, error))
        return installed;
    return QIMEN_SHIPPED_DAT_DIR;
}

Expected<std::vector<std::string>> prepareDataRoot(const std::filesystem::path& root,
                                                   const std::filesystem::path& defaults) {
    std::vector<std::string> seeded;
    std::error_code error;
    for (const auto& folder : {root, datDirectory(root), commentaryDirectory(root)}) {
        std::filesystem::create_directories(folder, error);
        if (error || !std::filesystem::is_directory(folder)) {
            return fail("cannot create the folder " + folder.string() +
                        (error ? ": " + error.message() : std::string(": a file of that name is in the way")));
        }
    }
    if (!std::filesystem::is_directory(defaults, error)) return seeded;
    for (const auto& entry : std::filesystem::directory_iterator(defaults, error)) {
        if (!entry.is_regular_file(error)) continue;
        auto target = datDirectory(root) / entry.path().filename();
        if (std::filesystem::exists(std::filesystem::symlink_status(target, error))) continue;
        try {
            copyFileAtomically(entry.path(), target);
            seeded.push_back(entry.path().filename().string());
        } catch (const FileError& failure) {
            return fail(failure.what());
        }
    }
    return seeded;
}

}  // namespace qimen::files

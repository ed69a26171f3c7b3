// The safety net of the whole-store operations: the store that a clear or an
// import is about to replace is first copied whole into a dated folder under
// dat/backup and checked there.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "cases/case_store.hpp"
#include "cases/store_layout.hpp"
#include "files/data_root.hpp"
#include "files/file_io.hpp"

namespace qimen::cases {

using files::File;
using layout::StoreError;
namespace fs = std::filesystem;

namespace {

// "YYYYMMDD-HHMMSS" of `moment` in local time.
std::string stamp(std::chrono::system_clock::time_point moment) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
    if (::localtime_r(&seconds, &local) == nullptr) throw StoreError("cannot read the local time");
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Creates and answers a folder under `root` named by `name`, or by name-2,
// name-3 … when that is taken: creating it is what claims the name, so two
// backups never share a folder.
fs::path claimFolder(const fs::path& root, const std::string& name) {
    std::error_code error;
    fs::create_directories(root, error);
    if (!fs::is_directory(fs::symlink_status(root)))
        throw StoreError("cannot make the folder " + root.string() +
                         (error ? ": " + error.message() : std::string(": a file of that name is in the way")));
    for (int n = 1; n < 1000; ++n) {
        fs::path folder = root / (n == 1 ? name : name + "-" + std::to_string(n));
        if (fs::create_directory(folder, error)) return folder;
        if (error) throw StoreError("cannot make the folder " + folder.string() + ": " + error.message());
    }
    throw StoreError("too many backups named " + name + " in " + root.string());
}

// Reads `copy` back and compares it with `original`, block by block.
void verifyCopy(const fs::path& original, const fs::path& copy) {
    File a(original, File::Mode::Read);
    File b(copy, File::Mode::Read);
    if (a.size() != b.size()) throw StoreError("the copy " + copy.string() + " differs in length from its original");
    std::vector<std::uint8_t> left(1 << 20), right(1 << 20);
    for (std::uint64_t offset = 0; offset < a.size();) {
        std::size_t got = a.readAt(offset, left);
        if (got == 0) break;
        if (b.readAt(offset, {right.data(), got}) != got || !std::equal(left.begin(), left.begin() + got, right.begin()))
            throw StoreError("the copy " + copy.string() + " does not match its original");
        offset += got;
    }
}

}  // namespace

fs::path CaseStore::backupRoot() const { return dat_ / "backup"; }

void CaseStore::backUp() {
    lastBackup_.clear();
    // What to keep: each file and its place relative to the backup folder.
    std::vector<std::pair<fs::path, fs::path>> keep;
    for (const auto& [k, path] : layout::dataFilesIn(dat_))
        if (files::isPlainFile(path)) keep.emplace_back(path, path.filename());
    if (auto redo = dat_ / layout::kRedoFile; files::isPlainFile(redo)) keep.emplace_back(redo, redo.filename());
    auto commentaryFolder = std::string(layout::kPrefix) + "_f";
    for (const auto& file : layout::commentaryFiles(files::commentaryDirectory(root_)))
        keep.emplace_back(file, fs::path(commentaryFolder) / file.filename());
    if (keep.empty()) return;

    fs::path folder;
    try {
        folder = claimFolder(backupRoot(), stamp(options_.clock ? options_.clock() : std::chrono::system_clock::now()));
        fs::create_directory(folder / commentaryFolder);
        for (const auto& [from, to] : keep) {
            files::copyFileAtomically(from, folder / to, options_.observer);
            verifyCopy(from, folder / to);
        }
        files::syncDirectory(folder / commentaryFolder);
        files::syncDirectory(folder);
        files::syncDirectory(backupRoot());
    } catch (const std::exception& error) {
        if (!folder.empty()) {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
        throw StoreError(std::string("the store could not be backed up, so nothing was changed: ") + error.what());
    }
    lastBackup_ = folder;
}

}  // namespace qimen::cases

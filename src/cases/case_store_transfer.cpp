// Whole-store operations of the case store: export, import and clear (the
// last two keep a backup first, case_store_backup.cpp).
#include <algorithm>
#include <regex>

#include "cases/case_store.hpp"
#include "cases/store_layout.hpp"
#include "files/data_root.hpp"
#include "files/file_io.hpp"

namespace qimen::cases {

using files::File;
using layout::commentaryFiles;
using layout::dataFilesIn;
using layout::StoreError;
namespace fs = std::filesystem;

namespace {

// The *.rtf entries directly in `folder`: the regular files to copy or
// delete, and the others (links, folders …) that are left alone. A folder
// that is itself a link is followed, as writing and deleting a commentary
// file through it do.
struct CommentaryEntries {
    std::vector<fs::path> files;
    std::vector<fs::path> others;
};

CommentaryEntries commentaryEntries(const fs::path& folder) {
    CommentaryEntries found;
    std::error_code error;
    if (!fs::is_directory(fs::status(folder, error))) return found;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".rtf") continue;
        (files::isPlainFile(entry.path()) ? found.files : found.others).push_back(entry.path());
    }
    std::sort(found.files.begin(), found.files.end());
    std::sort(found.others.begin(), found.others.end());
    return found;
}

}  // namespace

std::vector<fs::path> layout::commentaryFiles(const fs::path& folder) { return commentaryEntries(folder).files; }

std::vector<std::pair<std::int32_t, fs::path>> layout::dataFilesIn(const fs::path& folder) {
    static const std::regex name("qimen(0|[1-9][0-9]{0,4})\\.dat");
    std::vector<std::pair<std::int32_t, fs::path>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::smatch match;
        auto filename = entry.path().filename().string();
        if (std::regex_match(filename, match, name)) found.emplace_back(std::stoi(match[1].str()), entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

namespace {

std::uint64_t requiredSize(const StoreHeader& header, std::int32_t k) {
    std::int64_t slots = std::clamp<std::int64_t>(std::int64_t(header.slotCount) - std::int64_t(k) * kSlotsPerFile, 0,
                                                  kSlotsPerFile);
    return std::uint64_t(slots) * kCaseRecordSize + (k == 0 ? kStoreHeaderSize : 0);
}

void appendNote(std::string& notes, const std::string& note) {
    if (!notes.empty()) notes += "; ";
    notes += note;
}

}  // namespace

Expected<void> CaseStore::exportTo(const fs::path& directory) {
    std::string failures;
    return locked([&] {
        StoreHeader header = readHeader();
        fs::create_directories(directory);
        std::int32_t files = std::max<std::int32_t>(header.fileCount, fileCountFor(header.slotCount));
        for (std::int32_t k = 0; k < files; ++k) {
            try {
                files::copyFileAtomically(dataFilePath(k), directory / layout::dataFileName(k), options_.observer);
            } catch (const files::FileError& error) {
                appendNote(failures, error.what());
            }
        }
        auto target = directory / (std::string(layout::kPrefix) + "_f");
        fs::create_directories(target);
        auto commentary = commentaryEntries(files::commentaryDirectory(root_));
        std::size_t copied = 0;
        for (const auto& file : commentary.files) {
            try {
                files::copyFileAtomically(file, target / file.filename(), options_.observer);
                ++copied;
            } catch (const files::FileError& error) {
                appendNote(failures, error.what());
            }
        }
        for (const auto& other : commentary.others) appendNote(failures, other.string() + " is not a regular file");
        std::size_t all = commentary.files.size() + commentary.others.size();
        if (copied < all)
            appendNote(failures, "copied " + std::to_string(copied) + " of " + std::to_string(all) + " commentary files");
        if (!failures.empty()) throw StoreError("export incomplete: " + failures);
    });
}

Expected<void> CaseStore::importFrom(const fs::path& headerFile) {
    lastBackup_.clear();
    return locked([&] {
        // 1. Check the source completely before touching anything here.
        if (headerFile.filename() != layout::dataFileName(0))
            throw StoreError("choose the " + layout::dataFileName(0) + " of an exported store, not " +
                             headerFile.filename().string());
        if (!files::isPlainFile(headerFile)) throw StoreError(headerFile.string() + " is not a regular file");
        fs::path source = headerFile.parent_path();
        if (source.empty()) source = ".";
        std::error_code same;
        if (fs::equivalent(source, dat_, same))
            throw StoreError("that is this store's own file; importing it would erase it");
        StoreHeaderImage image{};
        {
            File file(headerFile, File::Mode::Read);
            if (file.readAt(0, image) != image.size())
                throw StoreError(headerFile.string() + " is too short to be a case store (under 20 bytes)");
        }
        StoreHeader header = decodeStoreHeader(image);
        if (auto sound = checkStoreHeader(header, true); !sound)
            throw StoreError(headerFile.string() + " is not a sound case store: " + sound.message());
        for (std::int32_t k = 0; k < header.fileCount; ++k) {
            auto path = source / layout::dataFileName(k);
            if (!files::isPlainFile(path)) throw StoreError("the store to import lacks " + path.string());
            File file(path, File::Mode::Read);
            if (file.size() < requiredSize(header, k))
                throw StoreError(path.string() + " is shorter than the " +
                                 std::to_string(requiredSize(header, k) / kCaseRecordSize) +
                                 " slots the header counts in it");
        }

        // 2. Keep the store being replaced, then stage the data files beside
        // ours and replace the store.
        backUp();
        std::vector<std::pair<fs::path, fs::path>> staged;
        try {
            for (std::int32_t k = 0; k < header.fileCount; ++k) {
                // Named like a temporary file, so that what a killed import
                // leaves is removed by the next writer.
                auto temporary = files::temporaryBeside(dataFilePath(k), "import");
                files::copyFileAtomically(source / layout::dataFileName(k), temporary, options_.observer);
                staged.emplace_back(temporary, dataFilePath(k));
            }
        } catch (const files::FileError&) {
            for (const auto& [temporary, target] : staged) files::removeFile(temporary);
            throw;
        }
        auto commentary = files::commentaryDirectory(root_);
        fs::create_directories(commentary);
        auto sourceCommentary = source / (std::string(layout::kPrefix) + "_f");
        // A store exported into this data root shares our commentary folder: keep it.
        bool sameCommentary = fs::equivalent(sourceCommentary, commentary, same);
        if (!sameCommentary)
            for (const auto& file : commentaryFiles(commentary)) files::removeFile(file, options_.observer);
        for (const auto& [k, path] : dataFilesIn(dat_))
            if (k >= header.fileCount) files::removeFile(path, options_.observer);
        // File 0 last: until then the old header describes the old files.
        for (auto it = staged.rbegin(); it != staged.rend(); ++it) fs::rename(it->first, it->second);
        files::syncDirectory(dat_);

        std::string failures;
        for (const auto& file : sameCommentary ? std::vector<fs::path>{} : commentaryFiles(sourceCommentary)) {
            try {
                files::copyFileAtomically(file, commentary / file.filename(), options_.observer);
            } catch (const files::FileError& error) {
                appendNote(failures, error.what());
            }
        }
        if (!failures.empty()) throw StoreError("the records were imported, but not every commentary file: " + failures);
    });
}

Expected<void> CaseStore::clear() {
    lastBackup_.clear();
    return locked([&] {
        backUp();
        // The header file first: from then on the store reads as absent and the
        // next open() makes a new one, whatever is left of the rest.
        std::vector<std::pair<std::int32_t, fs::path>> dataFiles = dataFilesIn(dat_);
        for (const auto& [k, path] : dataFiles)
            if (k == 0) files::removeFile(path, options_.observer);
        for (const auto& [k, path] : dataFiles)
            if (k != 0) files::removeFile(path, options_.observer);
        files::removeFile(dat_ / layout::kRedoFile, options_.observer);
        for (const auto& file : commentaryFiles(files::commentaryDirectory(root_)))
            files::removeFile(file, options_.observer);
        files::syncDirectory(dat_);
    });
}

}  // namespace qimen::cases

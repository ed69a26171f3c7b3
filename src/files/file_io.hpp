// Plain POSIX file access for the data files: positioned reads and writes of
// whole blocks, flushes that reach the disk, whole-file replacement by rename,
// and a copy that never follows a link at its destination. Every failure
// raises FileError with the file's name and the system's reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "files/write_steps.hpp"

namespace qimen::files {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds "<what> <file>: <reason of errno>".
FileError fileError(const std::string& what, const std::filesystem::path& file, int errorNumber);
// Says that `file` is not a regular file and was left alone.
FileError notRegular(const std::filesystem::path& file);

// One open file descriptor. Writes and flushes pass through the observer,
// when one is given, before they reach the file.
class File {
public:
    enum class Mode { Read, ReadWrite, ReadWriteCreate };

    File() = default;
    // Opens `path`; never follows a symbolic link in the last component and
    // never waits: anything but a regular file (a FIFO, a device, a folder)
    // is refused at once.
    File(const std::filesystem::path& path, Mode mode, WriteObserver* observer = nullptr);
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }

    // Current length in bytes.
    std::uint64_t size() const;
    // Reads up to buffer.size() bytes at offset; returns the count read, less
    // than asked only at the end of the file.
    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const;
    // Writes all bytes at offset (extending the file as needed).
    void writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Makes the written data durable; a no-op when durability is switched off.
    void sync();
    void truncate(std::uint64_t length);

private:
    int fd_ = -1;
    std::filesystem::path path_;
    WriteObserver* observer_ = nullptr;
};

// Whether sync() really flushes to the disk (default true). Tests and
// benchmarks that build large fixtures switch it off; the observer still sees
// every Sync step.
void setDurableWrites(bool durable);
bool durableWrites();

// Reads a whole file of at most maxBytes. Throws FileError when it cannot be
// read or is larger than maxBytes (a hostile file must not exhaust memory).
std::string readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes);

// Replaces `path` with `bytes` so that a crash leaves either the old or the new
// file whole: write a temporary file beside it, flush, rename over, flush the
// folder. A link at `path` is replaced, never followed.
void replaceFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                           WriteObserver* observer = nullptr);
void replaceFileAtomically(const std::filesystem::path& path, const std::string& bytes,
                           WriteObserver* observer = nullptr);

// Copies the regular file `from` to `to` (replacing `to` whole, atomically).
void copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                        WriteObserver* observer = nullptr);

// Removes a file if present (a link is removed, not its target).
void removeFile(const std::filesystem::path& path, WriteObserver* observer = nullptr);

// The name a writer gives its temporary file beside `path`:
// ".<name>[.<purpose>].tmp-<process id>", so that what a killed writer leaves
// can be told apart and removed.
std::filesystem::path temporaryBeside(const std::filesystem::path& path, std::string_view purpose = {});

// Removes the temporary files of `folder` (named as above) whose writer no
// longer runs, and returns them. replaceFileAtomically and copyFileAtomically
// do this once per folder and process before their first write there.
std::vector<std::filesystem::path> removeStaleTemporaries(const std::filesystem::path& folder);

// Flushes a folder's entries (after a create, rename or remove in it).
void syncDirectory(const std::filesystem::path& directory);

// True when `path` names a regular file and not a link.
bool isPlainFile(const std::filesystem::path& path);

}  // namespace qimen::files

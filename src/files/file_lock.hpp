// An exclusive advisory lock held for the length of one operation, so that two
// instances of the program working on one data root take turns instead of
// interleaving their writes.
#pragma once

#include <chrono>
#include <filesystem>

namespace qimen::files {

class FileLock {
public:
    // Locks `lockFile` (created when missing), waiting up to `wait` for another
    // holder to let go. Throws FileError when the file cannot be made or the
    // lock is still held by another process after the wait.
    FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace qimen::files

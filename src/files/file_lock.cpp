// flock(2)-based operation lock.
#include "files/file_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "files/file_io.hpp"

namespace qimen::files {

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait) {
    fd_ = ::open(lockFile.c_str(), O_CREAT | O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd_ < 0) throw fileError("cannot open the lock file", lockFile, errno);
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw notRegular(lockFile);
    }
    auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        if (error == EINTR) continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            fd_ = -1;
            if (error == EWOULDBLOCK)
                throw FileError("another instance of the program is using " + lockFile.parent_path().string() +
                                "; try again when it has finished");
            throw fileError("cannot lock", lockFile, error);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace qimen::files

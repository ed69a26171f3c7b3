// POSIX implementation of the data-file access layer.
#include "files/file_io.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <set>
#include <vector>

namespace qimen::files {
namespace {

std::atomic<bool> durable{true};

void checkStep(WriteObserver* observer, const WriteStep& step) {
    if (observer && observer->allow(step) == 0) throw InterruptedOperation{step};
}

constexpr std::string_view kTemporaryMark = ".tmp-";

// The writer's process id in a temporary file's name, or 0 for another name.
pid_t temporaryOwner(const std::string& name) {
    auto mark = name.rfind(kTemporaryMark);
    if (name.empty() || name.front() != '.' || mark == std::string::npos) return 0;
    std::string_view digits = std::string_view(name).substr(mark + kTemporaryMark.size());
    if (digits.empty() || digits.size() > 9) return 0;
    pid_t pid = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

bool processIsGone(pid_t pid) { return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH; }

// Once per folder and process: temporaries of writers that were killed
// before their rename would otherwise pile up beside the files.
void tidyOnce(const std::filesystem::path& folder) {
    static std::mutex guard;
    static std::set<std::filesystem::path> tidied;
    {
        std::lock_guard lock(guard);
        if (!tidied.insert(folder.empty() ? "." : folder).second) return;
    }
    removeStaleTemporaries(folder);
}

}  // namespace

std::filesystem::path temporaryBeside(const std::filesystem::path& path, std::string_view purpose) {
    std::string name = "." + path.filename().string();
    if (!purpose.empty()) name += "." + std::string(purpose);
    return path.parent_path() / (name + std::string(kTemporaryMark) + std::to_string(::getpid()));
}

std::vector<std::filesystem::path> removeStaleTemporaries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> removed;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, error)) {
        pid_t owner = temporaryOwner(entry.path().filename().string());
        if (owner == 0 || owner == ::getpid() || !processIsGone(owner)) continue;
        if (entry.is_symlink(error) || !entry.is_regular_file(error)) continue;
        if (::unlink(entry.path().c_str()) == 0) removed.push_back(entry.path());
    }
    return removed;
}

FileError fileError(const std::string& what, const std::filesystem::path& file, int errorNumber) {
    return FileError(what + " " + file.string() + ": " + std::strerror(errorNumber));
}

FileError notRegular(const std::filesystem::path& file) {
    return FileError(file.string() + " is not a regular file (a link, folder, FIFO or device is in its place); "
                     "it was left alone");
}

void setDurableWrites(bool value) { durable = value; }
bool durableWrites() { return durable; }

File::File(const std::filesystem::path& path, Mode mode, WriteObserver* observer)
    : path_(path), observer_(observer) {
    // O_NONBLOCK: a FIFO or device put in place of a data file must be refused
    // at once, not wait for a writer; it has no effect on a regular file.
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    if (mode == Mode::Read) flags |= O_RDONLY;
    else flags |= O_RDWR;
    if (mode == Mode::ReadWriteCreate) flags |= O_CREAT;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) throw notRegular(path);
    do {
        fd_ = ::open(path.c_str(), flags, 0644);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) throw fileError("cannot open", path, errno);
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw notRegular(path);
    }
}

File::~File() {
    if (fd_ >= 0) ::close(fd_);
}

File::File(File&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)), observer_(other.observer_) {
    other.fd_ = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        observer_ = other.observer_;
        other.fd_ = -1;
    }
    return *this;
}

std::uint64_t File::size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw fileError("cannot measure", path_, errno);
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t File::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const {
    std::size_t done = 0;
    while (done < buffer.size()) {
        ssize_t n = ::pread(fd_, buffer.data() + done, buffer.size() - done,
                            static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw fileError("cannot read", path_, errno);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void File::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    std::size_t allowed = bytes.size();
    if (observer_) {
        WriteStep step{WriteStepKind::Write, path_, offset, bytes.size()};
        allowed = std::min(observer_->allow(step), bytes.size());
    }
    std::size_t done = 0;
    while (done < allowed) {
        ssize_t n = ::pwrite(fd_, bytes.data() + done, allowed - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw fileError("cannot write", path_, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (allowed < bytes.size()) throw InterruptedOperation{{WriteStepKind::Write, path_, offset, bytes.size()}};
}

void File::sync() {
    checkStep(observer_, {WriteStepKind::Sync, path_});
    if (durable && ::fdatasync(fd_) != 0) throw fileError("cannot flush", path_, errno);
}

void File::truncate(std::uint64_t length) {
    checkStep(observer_, {WriteStepKind::Truncate, path_, length, 0});
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) throw fileError("cannot truncate", path_, errno);
}

std::string readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    File file(path, File::Mode::Read);
    std::uint64_t size = file.size();
    if (size > maxBytes)
        throw FileError(path.string() + " is " + std::to_string(size) + " bytes, more than the " +
                        std::to_string(maxBytes) + " this file may hold");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t got = file.readAt(0, {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()});
    bytes.resize(got);
    return bytes;
}

void syncDirectory(const std::filesystem::path& directory) {
    if (!durable) return;
    int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // flushing the folder is best effort: the data is already durable
    ::fsync(fd);
    ::close(fd);
}

void replaceFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                           WriteObserver* observer) {
    tidyOnce(path.parent_path());
    auto temporary = temporaryBeside(path);
    ::unlink(temporary.c_str());  // a leftover of an earlier crash
    try {
        int fd = ::open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) throw fileError("cannot create", temporary, errno);
        ::close(fd);
        File file(temporary, File::Mode::ReadWrite, observer);
        file.writeAt(0, bytes);
        file.sync();
    } catch (const FileError&) {
        ::unlink(temporary.c_str());
        throw;
    }
    checkStep(observer, {WriteStepKind::Rename, temporary});
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        throw fileError("cannot replace", path, error);
    }
    syncDirectory(path.parent_path());
}

void replaceFileAtomically(const std::filesystem::path& path, const std::string& bytes, WriteObserver* observer) {
    replaceFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, observer);
}

void copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to, WriteObserver* observer) {
    File source(from, File::Mode::Read);
    std::uint64_t size = source.size();
    tidyOnce(to.parent_path());
    auto temporary = temporaryBeside(to);
    ::unlink(temporary.c_str());
    int fd = ::open(temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) throw fileError("cannot create", temporary, errno);
    ::close(fd);
    try {
        File target(temporary, File::Mode::ReadWrite, observer);
        std::vector<std::uint8_t> block(1 << 20);
        for (std::uint64_t offset = 0; offset < size;) {
            std::size_t got = source.readAt(offset, block);
            if (got == 0) break;
            target.writeAt(offset, {block.data(), got});
            offset += got;
        }
        target.sync();
    } catch (const FileError&) {
        ::unlink(temporary.c_str());
        throw;
    }
    checkStep(observer, {WriteStepKind::Rename, temporary});
    if (::rename(temporary.c_str(), to.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        throw fileError("cannot replace", to, error);
    }
    syncDirectory(to.parent_path());
}

void removeFile(const std::filesystem::path& path, WriteObserver* observer) {
    checkStep(observer, {WriteStepKind::Remove, path});
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) throw fileError("cannot delete", path, errno);
}

bool isPlainFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error));
}

}  // namespace qimen::files

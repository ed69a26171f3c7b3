// Helpers of the tests that need other processes: running a piece of the test
// in a forked child (to kill it, or to race it against others), a process id
// that is known not to run, and a guard that ends a test that would hang.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace qimen::testing {

struct ChildResult {
    bool exited = false;  // ended by itself (else killed)
    int code = -1;        // its exit code when it exited
    std::string output;   // what it wrote to its pipe before it ended
};

// A forked child running `body`, which writes its report to the pipe given
// and returns its exit code. The child never returns into the test runner.
class Child {
public:
    explicit Child(const std::function<int(int reportFd)>& body) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            int code = body(fds[1]);
            ::_exit(code);
        }
        ::close(fds[1]);
        readFd_ = fds[0];
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        if (pid_ > 0 && !reaped_) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        if (readFd_ >= 0) ::close(readFd_);
    }

    bool started() const { return pid_ > 0; }

    // True once the child has ended (reaping it).
    bool poll() {
        if (reaped_) return true;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) != pid_) return false;
        finish(status);
        return true;
    }

    // Waits for the end, killing the child once `deadline` has passed.
    ChildResult waitOrKillAt(std::chrono::steady_clock::time_point deadline) {
        while (!poll()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                ::kill(pid_, SIGKILL);
                return wait();
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        return result_;
    }

    ChildResult wait() {
        if (!reaped_) {
            int status = 0;
            while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
            finish(status);
        }
        return result_;
    }

private:
    void finish(int status) {
        reaped_ = true;
        result_.exited = WIFEXITED(status);
        result_.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        char buffer[4096];
        for (ssize_t n; (n = ::read(readFd_, buffer, sizeof buffer)) > 0;) result_.output.append(buffer, std::size_t(n));
    }

    pid_t pid_ = -1;
    int readFd_ = -1;
    bool reaped_ = false;
    ChildResult result_;
};

inline void report(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += std::size_t(n);
    }
}

// The id of a process that has ended (a child that exited at once).
inline pid_t endedProcessId() {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid;
}

// Ends the test process if the guarded code blocks for good (a read that
// waits on a FIFO), instead of letting the suite hang.
class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 30) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
};

}  // namespace qimen::testing

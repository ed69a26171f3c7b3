// The single write steps of a file operation (write, flush, rename, remove),
// made visible so that tests can cut an operation at any step the way a crash,
// a kill or a full disk would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace qimen::files {

enum class WriteStepKind { Write, Sync, Rename, Remove, Truncate };

struct WriteStep {
    WriteStepKind kind = WriteStepKind::Write;
    std::filesystem::path file;  // the file written, synced, removed, or the rename source
    std::uint64_t offset = 0;    // Write only
    std::size_t size = 0;        // Write only: bytes asked for
};

// Raised by the file layer when an observer cuts a step short. It is not a
// std::exception on purpose: it stands for the process dying, so no error
// handler of the system may catch it and carry on.
struct InterruptedOperation {
    WriteStep step;
};

// Watches every write step. Before a step the file layer asks allow():
// - for a Write, the number of bytes that may reach the file; fewer than
//   step.size writes that prefix and then raises InterruptedOperation;
// - for any other step, 0 raises InterruptedOperation before the step,
//   anything else lets it run.
// An observer may also throw FileError to act as a failing device.
class WriteObserver {
public:
    virtual ~WriteObserver() = default;
    virtual std::size_t allow(const WriteStep& step) = 0;
};

}  // namespace qimen::files

// Data root for the user-file commands.
#include "user_data.hpp"

#include "command.hpp"
#include "files/data_root.hpp"

namespace qimen::cli {

namespace {

std::filesystem::path& dataRootOverride() {
    static std::filesystem::path root;
    return root;
}

}  // namespace

void setDataRootOverride(const std::filesystem::path& root) { dataRootOverride() = root; }

std::filesystem::path dataRootForReading() {
    std::filesystem::path root = dataRootOverride();
    if (root.empty()) {
        auto resolved = files::resolveDataRoot();
        if (!resolved) throw CommandError(resolved.message());
        root = *resolved;
    }
    return root;
}

std::filesystem::path preparedDataRoot() {
    std::filesystem::path root = dataRootForReading();
    auto prepared = files::prepareDataRoot(root, files::shippedDefaultsDirectory());
    if (!prepared) throw CommandError(prepared.message());
    return root;
}

}  // namespace qimen::cli

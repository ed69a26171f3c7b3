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

std::filesystem::path preparedDataRoot() {
    std::filesystem::path root = dataRootOverride();
    try {
        if (root.empty()) root = files::resolveDataRoot();
    } catch (const std::runtime_error& error) {
        throw CommandError(error.what());
    }
    auto prepared = files::prepareDataRoot(root, files::shippedDefaultsDirectory());
    if (!prepared.ok) throw CommandError(prepared.error);
    return root;
}

}  // namespace qimen::cli

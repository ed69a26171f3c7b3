// Shipped documents and the desktop's opener.
#include "app_paths.hpp"

#include <QDesktopServices>
#include <QUrl>

#include "files/data_root.hpp"

#ifndef QIMEN_HELP_SOURCE_DIR
#define QIMEN_HELP_SOURCE_DIR "app/help"
#endif

namespace qimen::app {

std::filesystem::path helpGuidePath() {
    std::error_code error;
    const auto installed = files::installedDefaultsDirectory().parent_path() / "help" / "index.html";
    if (!files::installedDefaultsDirectory().empty() && std::filesystem::is_regular_file(installed, error))
        return installed;
    const std::filesystem::path source = std::filesystem::path(QIMEN_HELP_SOURCE_DIR) / "index.html";
    if (std::filesystem::is_regular_file(source, error)) return source;
    return {};
}

void openHelp(const std::filesystem::path& dataRoot, const std::string& chmName) {
    std::error_code error;
    std::filesystem::path document = files::datDirectory(dataRoot) / chmName;
    if (!std::filesystem::is_regular_file(document, error)) document = helpGuidePath();
    if (document.empty()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

}  // namespace qimen::app

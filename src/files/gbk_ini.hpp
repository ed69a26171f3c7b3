// An INI file kept in GBK on disk and spoken to in UTF-8: the settings file,
// the place table. SimpleIni holds the file's own bytes, so entries the
// program does not touch are written back exactly as they were read.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"

namespace qimen::files {

class GbkIniFile {
public:
    // Largest INI file read; a bigger file is refused as damaged.
    static constexpr std::uint64_t kMaxBytes = 8u << 20;

    GbkIniFile();
    ~GbkIniFile();
    GbkIniFile(const GbkIniFile&) = delete;
    GbkIniFile& operator=(const GbkIniFile&) = delete;
    GbkIniFile(GbkIniFile&&) noexcept;
    GbkIniFile& operator=(GbkIniFile&&) noexcept;

    // Loads `path`. A missing file loads as empty and is not an error. Fails
    // when the file cannot be read, is too large, or is not GBK text (a file
    // saved as UTF-8 is recognised and named as such); the object is then
    // empty and save() refuses, so the file is never overwritten with less
    // than it held.
    Expected<void> load(const std::filesystem::path& path);

    // Writes the file atomically with CR LF line ends.
    Expected<void> save(const std::filesystem::path& path);

    bool loaded() const { return loaded_; }

    std::vector<std::string> sections() const;
    // Keys of a section in file order.
    std::vector<std::string> keys(std::string_view section) const;
    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    // The value of a key, or nullopt when the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string text(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A decimal integer value; the fallback when absent or not an integer.
    long integer(std::string_view section, std::string_view key, long fallback) const;

    // Setters throw FieldError when a name or value cannot be written (no GBK
    // form, or a line break or other character that would break the file).
    void setText(std::string_view section, std::string_view key, std::string_view value);
    void setInteger(std::string_view section, std::string_view key, long value);
    bool deleteKey(std::string_view section, std::string_view key);

private:
    struct Parser;  // SimpleIni, kept out of this header
    std::unique_ptr<Parser> parser_;
    bool loaded_ = false;
};

// Changes the INI file `path` in one turn: holding the lock file beside it
// (dili.ini → dili.lock, waiting up to `wait` for another holder), it loads
// the file afresh, lets `change` edit it and saves it. Two processes changing
// the same file so take turns, and neither loses the other's change. When
// `change` fails, nothing is written and its message is returned.
Expected<void> changeIniFile(const std::filesystem::path& path,
                             const std::function<Expected<void>(GbkIniFile&)>& change,
                             std::chrono::milliseconds wait = std::chrono::seconds(10));

// True when the bytes are well-formed UTF-8 containing at least one non-ASCII
// character: text saved in the wrong encoding (GBK text of Chinese characters
// is practically never well-formed UTF-8).
bool looksLikeUtf8(std::string_view bytes);

}  // namespace qimen::files

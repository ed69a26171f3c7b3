// GBK INI files over SimpleIni.
#include "files/gbk_ini.hpp"

// Bytes pass through unconverted: the parser holds the file's GBK bytes.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <charconv>

#include "files/file_io.hpp"
#include "files/file_lock.hpp"
#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::files {
namespace {

std::string toGbkName(std::string_view utf8, std::string_view what) {
    std::string gbk;
    try {
        gbk = text::utf8ToGbk(utf8);
    } catch (const text::EncodingError& error) {
        throw FieldError(std::string(what) + " \"" + std::string(utf8) + "\": " + error.what());
    }
    for (char c : gbk)
        if (c == '\r' || c == '\n' || c == '\0')
            throw FieldError(std::string(what) + " must be one line of text");
    return gbk;
}

std::string checkedKey(std::string_view utf8) {
    std::string gbk = toGbkName(utf8, "key");
    if (gbk.empty() || gbk.find('=') != std::string::npos || gbk.front() == '[' || gbk.front() == ';' ||
        gbk.front() == '#' || gbk.front() == ' ' || gbk.back() == ' ')
        throw FieldError("\"" + std::string(utf8) + "\" cannot be a key of an INI file");
    return gbk;
}

std::string checkedSection(std::string_view utf8) {
    std::string gbk = toGbkName(utf8, "section");
    if (gbk.empty() || gbk.find(']') != std::string::npos)
        throw FieldError("\"" + std::string(utf8) + "\" cannot be a section of an INI file");
    return gbk;
}

}  // namespace

bool looksLikeUtf8(std::string_view bytes) {
    bool multibyte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || b == 0xC0 || b == 0xC1 || i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        multibyte = true;
        i += length;
    }
    return multibyte;
}

struct GbkIniFile::Parser {
    CSimpleIniA ini{false, false, false};
};

GbkIniFile::GbkIniFile() : parser_(std::make_unique<Parser>()) { parser_->ini.SetSpaces(false); }

GbkIniFile::~GbkIniFile() = default;
GbkIniFile::GbkIniFile(GbkIniFile&&) noexcept = default;
GbkIniFile& GbkIniFile::operator=(GbkIniFile&&) noexcept = default;

Expected<void> GbkIniFile::load(const std::filesystem::path& path) {
    parser_->ini.Reset();
    loaded_ = false;
    std::error_code missing;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, missing))) {
        loaded_ = true;
        return ok();
    }
    std::string bytes;
    try {
        bytes = readWholeFile(path, kMaxBytes);
    } catch (const FileError& error) {
        return fail(error.what());
    }
    if (bytes.starts_with("\xEF\xBB\xBF") || looksLikeUtf8(bytes))
        return fail(path.string() +
                    " is saved as UTF-8; it must be GBK text (convert it, e.g. with iconv -f UTF-8 -t GBK)");
    if (bytes.find('\0') != std::string::npos)
        return fail(path.string() + " holds zero bytes; it is not an INI text file");
    if (parser_->ini.LoadData(bytes.data(), bytes.size()) < 0) {
        parser_->ini.Reset();
        return fail("cannot parse " + path.string());
    }
    loaded_ = true;
    return ok();
}

Expected<void> GbkIniFile::save(const std::filesystem::path& path) {
    if (!loaded_)
        return fail("not written: " + path.string() + " could not be read, and writing would lose its contents");
    std::string lf;
    if (parser_->ini.Save(lf, false) < 0) return fail("cannot format " + path.string());
    std::string crlf;
    crlf.reserve(lf.size() + lf.size() / 8);
    for (std::size_t i = 0; i < lf.size(); ++i) {
        if (lf[i] == '\n' && (i == 0 || lf[i - 1] != '\r')) crlf += '\r';
        crlf += lf[i];
    }
    try {
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
        replaceFileAtomically(path, crlf);
    } catch (const FileError& error) {
        return fail(error.what());
    }
    return ok();
}

std::vector<std::string> GbkIniFile::sections() const {
    CSimpleIniA::TNamesDepend names;
    parser_->ini.GetAllSections(names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> result;
    for (const auto& entry : names) result.push_back(text::gbkToUtf8Lenient(entry.pItem));
    return result;
}

std::vector<std::string> GbkIniFile::keys(std::string_view section) const {
    std::vector<std::string> result;
    std::string gbk;
    try {
        gbk = text::utf8ToGbk(section);
    } catch (const text::EncodingError&) {
        return result;
    }
    CSimpleIniA::TNamesDepend names;
    parser_->ini.GetAllKeys(gbk.c_str(), names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto& entry : names) result.push_back(text::gbkToUtf8Lenient(entry.pItem));
    return result;
}

bool GbkIniFile::hasSection(std::string_view section) const {
    if (!text::isGbkEncodable(section)) return false;
    return parser_->ini.GetSection(text::utf8ToGbk(section).c_str()) != nullptr;
}

bool GbkIniFile::hasKey(std::string_view section, std::string_view key) const {
    return value(section, key).has_value();
}

std::optional<std::string> GbkIniFile::value(std::string_view section, std::string_view key) const {
    if (!text::isGbkEncodable(section) || !text::isGbkEncodable(key)) return std::nullopt;
    const char* found = parser_->ini.GetValue(text::utf8ToGbk(section).c_str(), text::utf8ToGbk(key).c_str(), nullptr);
    if (!found) return std::nullopt;
    return text::gbkToUtf8Lenient(found);
}

std::string GbkIniFile::text(std::string_view section, std::string_view key, std::string_view fallback) const {
    auto found = value(section, key);
    return found ? *found : std::string(fallback);
}

long GbkIniFile::integer(std::string_view section, std::string_view key, long fallback) const {
    auto found = value(section, key);
    if (!found) return fallback;
    std::string_view digits = *found;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    long result = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return fallback;
    return result;
}

void GbkIniFile::setText(std::string_view section, std::string_view key, std::string_view value) {
    auto gbkSection = checkedSection(section);
    auto gbkKey = checkedKey(key);
    auto gbkValue = toGbkName(value, "value");
    if (parser_->ini.SetValue(gbkSection.c_str(), gbkKey.c_str(), gbkValue.c_str()) < 0)
        throw FieldError("cannot set " + std::string(key));
}

void GbkIniFile::setInteger(std::string_view section, std::string_view key, long value) {
    setText(section, key, std::to_string(value));
}

Expected<void> changeIniFile(const std::filesystem::path& path,
                             const std::function<Expected<void>(GbkIniFile&)>& change,
                             std::chrono::milliseconds wait) {
    try {
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
        auto lockFile = path;
        lockFile.replace_extension(".lock");
        FileLock lock(lockFile, wait);
        GbkIniFile ini;
        if (auto loaded = ini.load(path); !loaded) return loaded;
        if (auto changed = change(ini); !changed) return changed;
        return ini.save(path);
    } catch (const FileError& error) {
        return fail(error.what());
    } catch (const FieldError& error) {
        return fail(error.what());
    }
}

bool GbkIniFile::deleteKey(std::string_view section, std::string_view key) {
    if (!text::isGbkEncodable(section) || !text::isGbkEncodable(key)) return false;
    return parser_->ini.Delete(text::utf8ToGbk(section).c_str(), text::utf8ToGbk(key).c_str(), false);
}

}  // namespace qimen::files

// dat/custom.dat operations.
#include "custom/custom_chart_file.hpp"

#include <algorithm>
#include <cstring>

#include "files/data_root.hpp"
#include "files/file_io.hpp"
#include "files/file_lock.hpp"
#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::custom {
namespace {

// Largest custom.dat read: far more classes than anyone keeps.
constexpr std::uint64_t kMaxFileBytes = 64u << 20;
constexpr std::chrono::milliseconds kLockWait{10000};

}  // namespace

struct CustomChartFile::Contents {
    std::string bytes;           // the whole file
    std::int32_t slotCount = 0;  // slots that can be read
};

std::filesystem::path CustomChartFile::pathIn(const std::filesystem::path& root) {
    return files::datDirectory(root) / "custom.dat";
}

CustomChartFile::CustomChartFile(std::filesystem::path file, files::WriteObserver* observer)
    : file_(std::move(file)), observer_(observer) {}

bool CustomChartFile::open() {
    error_.clear();
    try {
        std::filesystem::create_directories(file_.parent_path());
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        if (std::filesystem::exists(std::filesystem::symlink_status(file_))) return true;
        const std::uint8_t empty[4] = {0, 0, 0, 0};
        files::replaceFileAtomically(file_, std::span<const std::uint8_t>(empty), observer_);
        return true;
    } catch (const std::exception& error) {
        error_ = error.what();
        return false;
    }
}

std::optional<CustomChartFile::Contents> CustomChartFile::load(bool forWriting) {
    Contents contents;
    try {
        contents.bytes = files::readWholeFile(file_, kMaxFileBytes);
    } catch (const files::FileError& error) {
        error_ = error.what();
        return std::nullopt;
    }
    if (contents.bytes.size() < 4) {
        error_ = file_.string() + " is damaged: shorter than its 4-byte slot count";
        return std::nullopt;
    }
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(contents.bytes.data()),
                                        contents.bytes.size());
    std::int32_t count = files::readLittleEndian<std::int32_t>(bytes, 0);
    auto present = static_cast<std::int64_t>((contents.bytes.size() - 4) / kCustomSlotSize);
    if (count < 0) {
        error_ = file_.string() + " is damaged: its slot count is " + std::to_string(count);
        return std::nullopt;
    }
    if (count > present) {
        error_ = file_.string() + " is damaged: it counts " + std::to_string(count) + " slots but holds " +
                 std::to_string(present);
        if (forWriting) return std::nullopt;
        count = static_cast<std::int32_t>(present);
    }
    contents.slotCount = count;
    return contents;
}

bool CustomChartFile::store(const Contents& contents) {
    try {
        files::replaceFileAtomically(file_, contents.bytes, observer_);
        return true;
    } catch (const files::FileError& error) {
        error_ = error.what();
        return false;
    }
}

std::optional<std::int32_t> CustomChartFile::findLive(const Contents& contents, std::string_view name) {
    if (!text::isGbkEncodable(name)) return std::nullopt;
    std::string wanted = text::utf8ToGbk(name);
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(contents.bytes.data()),
                                        contents.bytes.size());
    for (std::int32_t i = 0; i < contents.slotCount; ++i) {
        std::size_t offset = 4 + std::size_t(i) * kCustomSlotSize;
        if (bytes[offset + slot::kDeleted] == 1) continue;
        if (files::cellBytes(bytes, offset + slot::kClassName, 25) == wanted) return i;
    }
    return std::nullopt;
}

std::vector<std::string> CustomChartFile::listClasses() {
    error_.clear();
    std::vector<std::string> names;
    auto contents = load(false);
    if (!contents) return names;
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(contents->bytes.data()),
                                        contents->bytes.size());
    for (std::int32_t i = 0; i < contents->slotCount; ++i) {
        std::size_t offset = 4 + std::size_t(i) * kCustomSlotSize;
        if (bytes[offset + slot::kDeleted] != 1) names.push_back(files::readTextCell(bytes, offset + slot::kClassName, 25));
    }
    return names;
}

std::optional<CustomClass> CustomChartFile::readClass(std::string_view name) {
    error_.clear();
    auto contents = load(false);
    if (!contents) return std::nullopt;
    auto index = findLive(*contents, name);
    if (!index) return std::nullopt;
    CustomSlotImage image{};
    std::memcpy(image.data(), contents->bytes.data() + 4 + std::size_t(*index) * kCustomSlotSize, kCustomSlotSize);
    return decodeCustomClass(image);
}

std::optional<std::int32_t> CustomChartFile::addClass(const CustomClass& custom) {
    error_.clear();
    try {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return std::nullopt;
        CustomSlotImage image = encodeCustomClass(custom);
        std::int32_t target = contents->slotCount;
        for (std::int32_t i = 0; i < contents->slotCount; ++i)
            if (contents->bytes[4 + std::size_t(i) * kCustomSlotSize + slot::kDeleted] == 1) {
                target = i;
                break;
            }
        if (target == std::numeric_limits<std::int32_t>::max()) {
            error_ = file_.string() + " is full";
            return std::nullopt;
        }
        files::writeLittleEndian<std::int32_t>(image, slot::kSlotNumber, target);
        image[slot::kDeleted] = 0;
        std::size_t offset = 4 + std::size_t(target) * kCustomSlotSize;
        if (contents->bytes.size() < offset + kCustomSlotSize) contents->bytes.resize(offset + kCustomSlotSize, '\0');
        std::memcpy(contents->bytes.data() + offset, image.data(), kCustomSlotSize);
        std::int32_t count = std::max(contents->slotCount, target + 1);
        std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(contents->bytes.data()), contents->bytes.size());
        files::writeLittleEndian<std::int32_t>(bytes, 0, count);
        if (!store(*contents)) return std::nullopt;
        return target;
    } catch (const files::FieldError& error) {
        error_ = error.what();
    } catch (const files::FileError& error) {
        error_ = error.what();
    }
    return std::nullopt;
}

bool CustomChartFile::updateClass(std::string_view name, const CustomClass& custom) {
    error_.clear();
    try {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return false;
        auto index = findLive(*contents, name);
        if (!index) return false;
        CustomSlotImage image = encodeCustomClass(custom);
        std::memcpy(contents->bytes.data() + 4 + std::size_t(*index) * kCustomSlotSize, image.data(), kCustomSlotSize);
        return store(*contents);
    } catch (const files::FieldError& error) {
        error_ = error.what();
    } catch (const files::FileError& error) {
        error_ = error.what();
    }
    return false;
}

bool CustomChartFile::deleteClass(std::string_view name) {
    error_.clear();
    try {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return false;
        auto index = findLive(*contents, name);
        if (!index) return false;
        contents->bytes[4 + std::size_t(*index) * kCustomSlotSize + slot::kDeleted] = 1;
        return store(*contents);
    } catch (const files::FileError& error) {
        error_ = error.what();
    }
    return false;
}

}  // namespace qimen::custom

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

// Runs one operation of the file: whatever it raises becomes its failure, so
// no operation raises.
template <typename Operation>
auto guarded(Operation operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (const std::exception& error) {
        return fail(error.what());
    }
}

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

Expected<void> CustomChartFile::open() {
    return guarded([&]() -> Expected<void> {
        std::filesystem::create_directories(file_.parent_path());
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        if (std::filesystem::exists(std::filesystem::symlink_status(file_))) return ok();
        const std::uint8_t empty[4] = {0, 0, 0, 0};
        files::replaceFileAtomically(file_, std::span<const std::uint8_t>(empty), observer_);
        return ok();
    });
}

Expected<CustomChartFile::Contents> CustomChartFile::load(bool forWriting) {
    Contents contents;
    try {
        contents.bytes = files::readWholeFile(file_, kMaxFileBytes);
    } catch (const files::FileError& error) {
        return fail(error.what());
    }
    if (contents.bytes.size() < 4) return fail(file_.string() + " is damaged: shorter than its 4-byte slot count");
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(contents.bytes.data()),
                                        contents.bytes.size());
    std::int32_t count = files::readLittleEndian<std::int32_t>(bytes, 0);
    auto present = static_cast<std::int64_t>((contents.bytes.size() - 4) / kCustomSlotSize);
    if (count < 0) return fail(file_.string() + " is damaged: its slot count is " + std::to_string(count));
    if (count > present) {
        std::string damage = file_.string() + " is damaged: it counts " + std::to_string(count) +
                             " slots but holds " + std::to_string(present);
        if (forWriting) return fail(damage);
        warning_ = damage;
        count = static_cast<std::int32_t>(present);
    }
    contents.slotCount = count;
    return contents;
}

Expected<void> CustomChartFile::store(const Contents& contents) {
    try {
        files::replaceFileAtomically(file_, contents.bytes, observer_);
        return ok();
    } catch (const files::FileError& error) {
        return fail(error.what());
    }
}

Expected<std::int32_t> CustomChartFile::findLive(const Contents& contents, std::string_view name) const {
    Failure missing = fail("no class named \"" + std::string(name) + "\" in " + file_.string());
    if (!text::isGbkEncodable(name)) return missing;
    std::string wanted = text::utf8ToGbk(name);
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(contents.bytes.data()),
                                        contents.bytes.size());
    for (std::int32_t i = 0; i < contents.slotCount; ++i) {
        std::size_t offset = 4 + std::size_t(i) * kCustomSlotSize;
        if (bytes[offset + slot::kDeleted] == 1) continue;
        if (files::cellBytes(bytes, offset + slot::kClassName, 25) == wanted) return i;
    }
    return missing;
}

Expected<std::vector<std::string>> CustomChartFile::listClasses() {
    return guarded([&]() -> Expected<std::vector<std::string>> {
        warning_.clear();
        auto contents = load(false);
        if (!contents) return fail(contents.message());
        std::vector<std::string> names;
        std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(contents->bytes.data()),
                                            contents->bytes.size());
        for (std::int32_t i = 0; i < contents->slotCount; ++i) {
            std::size_t offset = 4 + std::size_t(i) * kCustomSlotSize;
            if (bytes[offset + slot::kDeleted] != 1)
                names.push_back(files::readTextCell(bytes, offset + slot::kClassName, 25));
        }
        return names;
    });
}

Expected<CustomClass> CustomChartFile::readClass(std::string_view name) {
    return guarded([&]() -> Expected<CustomClass> {
        auto contents = load(false);
        if (!contents) return fail(contents.message());
        auto index = findLive(*contents, name);
        if (!index) return fail(index.message());
        CustomSlotImage image{};
        std::memcpy(image.data(), contents->bytes.data() + 4 + std::size_t(*index) * kCustomSlotSize, kCustomSlotSize);
        return decodeCustomClass(image);
    });
}

Expected<std::int32_t> CustomChartFile::addClass(const CustomClass& custom) {
    return guarded([&]() -> Expected<std::int32_t> {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return fail(contents.message());
        auto image = encodeCustomClass(custom);
        if (!image) return fail(image.message());
        std::int32_t target = contents->slotCount;
        for (std::int32_t i = 0; i < contents->slotCount; ++i)
            if (contents->bytes[4 + std::size_t(i) * kCustomSlotSize + slot::kDeleted] == 1) {
                target = i;
                break;
            }
        if (target == std::numeric_limits<std::int32_t>::max()) return fail(file_.string() + " is full");
        files::writeLittleEndian<std::int32_t>(*image, slot::kSlotNumber, target);
        (*image)[slot::kDeleted] = 0;
        std::size_t offset = 4 + std::size_t(target) * kCustomSlotSize;
        if (contents->bytes.size() < offset + kCustomSlotSize) contents->bytes.resize(offset + kCustomSlotSize, '\0');
        std::memcpy(contents->bytes.data() + offset, image->data(), kCustomSlotSize);
        std::int32_t count = std::max(contents->slotCount, target + 1);
        std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(contents->bytes.data()), contents->bytes.size());
        files::writeLittleEndian<std::int32_t>(bytes, 0, count);
        if (auto stored = store(*contents); !stored) return fail(stored.message());
        return target;
    });
}

Expected<void> CustomChartFile::updateClass(std::string_view name, const CustomClass& custom) {
    return guarded([&]() -> Expected<void> {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return fail(contents.message());
        auto index = findLive(*contents, name);
        if (!index) return fail(index.message());
        auto image = encodeCustomClass(custom);
        if (!image) return fail(image.message());
        std::memcpy(contents->bytes.data() + 4 + std::size_t(*index) * kCustomSlotSize, image->data(), kCustomSlotSize);
        return store(*contents);
    });
}

Expected<void> CustomChartFile::deleteClass(std::string_view name) {
    return guarded([&]() -> Expected<void> {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return fail(contents.message());
        auto index = findLive(*contents, name);
        if (!index) return fail(index.message());
        contents->bytes[4 + std::size_t(*index) * kCustomSlotSize + slot::kDeleted] = 1;
        return store(*contents);
    });
}

}  // namespace qimen::custom

// dat/custom.dat operations.
#include "custom/custom_chart_file.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

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
constexpr std::string_view kNothingWritten = ";为免丢失已有的类别,没有写入任何改动";

std::string ioFailure(const std::exception& error) { return std::string("自定义盘文件读写失败:") + error.what(); }

std::size_t slotOffset(std::int32_t index) { return 4 + std::size_t(index) * kCustomSlotSize; }

// Runs one operation of the file: whatever it raises (a lock not granted, a
// failed write, no memory) becomes its failure, so no operation raises.
template <typename Operation>
auto guarded(Operation operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (const std::exception& error) {
        return fail(ioFailure(error));
    }
}

}  // namespace

struct CustomChartFile::Contents {
    std::string bytes;           // the whole file
    std::int32_t slotCount = 0;  // slots that can be read
    std::string damage;          // why the slots counted are not all there

    std::span<const std::uint8_t> view() const {
        return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    }
    std::span<std::uint8_t> view() { return {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}; }
};

std::filesystem::path CustomChartFile::pathIn(const std::filesystem::path& root) {
    return files::datDirectory(root) / "custom.dat";
}

CustomChartFile::CustomChartFile(std::filesystem::path file, files::WriteObserver* observer)
    : file_(std::move(file)), observer_(observer) {}

std::string CustomChartFile::damaged(const std::string& what) const {
    return "自定义盘文件" + file_.string() + "已损坏:" + what;
}

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
        return fail(ioFailure(error));
    }
    std::string refusal = forWriting ? std::string(kNothingWritten) : std::string();
    if (contents.bytes.size() < 4) return fail(damaged("不足4个字节,读不出类别数") + refusal);
    std::int32_t count = files::readLittleEndian<std::int32_t>(contents.view(), 0);
    auto present = static_cast<std::int64_t>((contents.bytes.size() - 4) / kCustomSlotSize);
    if (count < 0) return fail(damaged("类别数为" + std::to_string(count)) + refusal);
    if (count > present) {
        contents.damage = damaged("记有" + std::to_string(count) + "个类别位置,只存有" + std::to_string(present) + "个");
        if (forWriting) return fail(contents.damage + refusal);
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
        return fail(ioFailure(error));
    }
}

std::optional<std::int32_t> CustomChartFile::findLive(const Contents& contents, std::string_view name) const {
    if (!text::isGbkEncodable(name)) return std::nullopt;
    std::string wanted = text::utf8ToGbk(name);
    std::span<const std::uint8_t> bytes = contents.view();
    for (std::int32_t i = 0; i < contents.slotCount; ++i) {
        std::size_t offset = slotOffset(i);
        if (bytes[offset + slot::kDeleted] == 1) continue;
        if (files::cellBytes(bytes, offset + slot::kClassName, 25) == wanted) return i;
    }
    return std::nullopt;
}

Expected<ClassListing> CustomChartFile::listClasses() {
    return guarded([&]() -> Expected<ClassListing> {
        auto contents = load(false);
        if (!contents) return fail(contents.message());
        ClassListing listing;
        std::span<const std::uint8_t> bytes = contents->view();
        for (std::int32_t i = 0; i < contents->slotCount; ++i) {
            std::size_t offset = slotOffset(i);
            if (bytes[offset + slot::kDeleted] != 1)
                listing.names.push_back(files::readTextCell(bytes, offset + slot::kClassName, 25));
        }
        listing.damage = contents->damage;  // a short file is read as far as it goes
        return listing;
    });
}

Expected<std::optional<CustomClass>> CustomChartFile::readClass(std::string_view name) {
    return guarded([&]() -> Expected<std::optional<CustomClass>> {
        auto contents = load(false);
        if (!contents) return fail(contents.message());
        auto index = findLive(*contents, name);
        if (!index) return std::optional<CustomClass>();
        CustomSlotImage image{};
        std::memcpy(image.data(), contents->bytes.data() + slotOffset(*index), kCustomSlotSize);
        return std::optional<CustomClass>(decodeCustomClass(image));
    });
}

Expected<std::int32_t> CustomChartFile::addClass(const CustomClass& custom) {
    auto image = encodeCustomClass(custom);
    if (!image) return fail(image.message());
    if (!isValidClassName(custom.name)) return fail(kClassNameMessage);
    return guarded([&]() -> Expected<std::int32_t> {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return fail(contents.message());
        if (findLive(*contents, custom.name)) return fail(kDuplicateClassMessage);
        std::int32_t target = contents->slotCount;
        for (std::int32_t i = 0; i < contents->slotCount; ++i)
            if (contents->bytes[slotOffset(i) + slot::kDeleted] == 1) {
                target = i;
                break;
            }
        if (target == std::numeric_limits<std::int32_t>::max()) return fail(damaged("类别位置已满"));
        files::writeLittleEndian<std::int32_t>(*image, slot::kSlotNumber, target);
        (*image)[slot::kDeleted] = 0;
        std::size_t offset = slotOffset(target);
        if (contents->bytes.size() < offset + kCustomSlotSize) contents->bytes.resize(offset + kCustomSlotSize, '\0');
        std::memcpy(contents->bytes.data() + offset, image->data(), kCustomSlotSize);
        files::writeLittleEndian<std::int32_t>(contents->view(), 0, std::max(contents->slotCount, target + 1));
        if (auto stored = store(*contents); !stored) return fail(stored.message());
        return target;
    });
}

Expected<bool> CustomChartFile::updateClass(std::string_view name, const CustomClass& custom) {
    auto image = encodeCustomClass(custom);
    if (!image) return fail(image.message());
    return guarded([&]() -> Expected<bool> {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return fail(contents.message());
        auto index = findLive(*contents, name);
        if (!index) return false;
        std::memcpy(contents->bytes.data() + slotOffset(*index), image->data(), kCustomSlotSize);
        if (auto stored = store(*contents); !stored) return fail(stored.message());
        return true;
    });
}

Expected<bool> CustomChartFile::deleteClass(std::string_view name) {
    return guarded([&]() -> Expected<bool> {
        files::FileLock lock(file_.string() + ".lock", kLockWait);
        auto contents = load(true);
        if (!contents) return fail(contents.message());
        auto index = findLive(*contents, name);
        if (!index) return false;
        contents->bytes[slotOffset(*index) + slot::kDeleted] = 1;
        if (auto stored = store(*contents); !stored) return fail(stored.message());
        return true;
    });
}

}  // namespace qimen::custom

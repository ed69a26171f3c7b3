// The case store's slot operations: open, read, append, update, delete and the
// filtered scan. Export, import and clear are in case_store_transfer.cpp.
#include "cases/case_store.hpp"

#include <algorithm>
#include <cstring>
#include <map>

#include "cases/store_layout.hpp"
#include "files/data_root.hpp"
#include "files/file_io.hpp"
#include "files/file_lock.hpp"
#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::cases {

using files::File;
using layout::StoreError;

namespace layout {
namespace {

std::uint64_t fnv1a(const std::uint8_t* bytes, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

constexpr char kRedoMagic[8] = {'Q', 'M', 'R', 'E', 'D', 'O', '0', '1'};

}  // namespace

RedoImage encodeRedo(const RedoEntry& entry) {
    RedoImage image{};
    std::memcpy(image.data(), kRedoMagic, 8);
    files::writeLittleEndian<std::int32_t>(image, 8, entry.slot);
    std::memcpy(image.data() + 12, entry.image.data(), kCaseRecordSize);
    files::writeLittleEndian<std::uint64_t>(image, kRedoSize - 8, fnv1a(image.data(), kRedoSize - 8));
    return image;
}

std::optional<RedoEntry> decodeRedo(const std::uint8_t* bytes, std::size_t size) {
    if (size != kRedoSize || std::memcmp(bytes, kRedoMagic, 8) != 0) return std::nullopt;
    std::span<const std::uint8_t> span(bytes, size);
    if (files::readLittleEndian<std::uint64_t>(span, kRedoSize - 8) != fnv1a(bytes, kRedoSize - 8)) return std::nullopt;
    RedoEntry entry;
    entry.slot = files::readLittleEndian<std::int32_t>(span, 8);
    std::memcpy(entry.image.data(), bytes + 12, kCaseRecordSize);
    return entry;
}

}  // namespace layout

CaseStore::CaseStore(std::filesystem::path root, CaseStoreOptions options)
    : root_(std::move(root)), dat_(files::datDirectory(root_)), options_(options) {}

std::filesystem::path CaseStore::dataFilePath(std::int32_t fileIndex) const {
    return dat_ / layout::dataFileName(fileIndex);
}

std::filesystem::path CaseStore::commentaryPath(std::int32_t n) const {
    return files::commentaryDirectory(root_) / (std::to_string(n) + ".rtf");
}

std::uint64_t CaseStore::slotOffset(std::int32_t n) const {
    return std::uint64_t(n % kSlotsPerFile) * kCaseRecordSize + (n < kSlotsPerFile ? kStoreHeaderSize : 0);
}

Expected<void> CaseStore::locked(const std::function<void()>& body) {
    warning_.clear();
    try {
        std::error_code ignored;
        std::filesystem::create_directories(dat_, ignored);
        files::FileLock lock(dat_ / layout::kLockFile, options_.lockWait);
        finishInterruptedUpdate();
        body();
        return ok();
    } catch (const std::bad_alloc&) {
        return fail("out of memory");
    } catch (const std::exception& error) {
        // The file layer's, the store's own and the encoders' failures alike
        // (files::InterruptedOperation, standing for the process dying, is no
        // std::exception and passes).
        return fail(error.what());
    }
}

StoreHeader CaseStore::readHeader() const {
    auto path = dataFilePath(0);
    std::error_code missing;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, missing)))
        throw StoreError("no case store: " + path.string() + " does not exist");
    File file(path, File::Mode::Read);
    StoreHeaderImage image{};
    if (file.readAt(0, image) != image.size())
        throw StoreError("the case store header in " + path.string() + " is cut short (" +
                         std::to_string(file.size()) + " of 20 bytes); the store is damaged. " + layout::kRepairAdvice);
    StoreHeader header = decodeStoreHeader(image);
    if (auto sound = checkStoreHeader(header, false); !sound)
        throw StoreError("the case store header in " + path.string() + " is damaged: " + sound.message() + ". " +
                         layout::kRepairAdvice);
    return header;
}

void CaseStore::writeHeader(const StoreHeader& header) {
    File file(dataFilePath(0), File::Mode::ReadWrite, options_.observer);
    file.writeAt(0, encodeStoreHeader(header));
    file.sync();
}

void CaseStore::readSlot(std::int32_t n, CaseRecordImage& image) const {
    File file(dataFilePath(n / kSlotsPerFile), File::Mode::Read);
    if (file.readAt(slotOffset(n), image) != image.size())
        throw StoreError("case " + std::to_string(n) + " is missing: " + file.path().string() +
                         " ends before its slot");
}

void CaseStore::finishInterruptedUpdate() {
    auto redoPath = dat_ / layout::kRedoFile;
    std::error_code missing;
    if (!std::filesystem::exists(std::filesystem::symlink_status(redoPath, missing))) return;
    if (!files::isPlainFile(redoPath)) throw StoreError(redoPath.string() + " is not a regular file");
    layout::RedoImage bytes{};
    std::size_t size = 0;
    {
        File redo(redoPath, File::Mode::Read);
        size = redo.readAt(0, bytes);
        if (redo.size() != layout::kRedoSize) size = 0;
    }
    if (auto entry = layout::decodeRedo(bytes.data(), size)) {
        StoreHeader header;
        try {
            header = readHeader();
        } catch (const StoreError&) {
            return;  // kept for when the header is readable again; the operation reports the damage
        }
        if (entry->slot >= 0 && entry->slot < header.slotCount) {
            File data(dataFilePath(entry->slot / kSlotsPerFile), File::Mode::ReadWrite, options_.observer);
            data.writeAt(slotOffset(entry->slot), entry->image);
            data.sync();
        }
    }
    files::removeFile(redoPath, options_.observer);
    files::syncDirectory(dat_);
}

Expected<void> CaseStore::open() {
    std::optional<std::string> damage;
    auto opened = locked([&] {
        auto commentary = files::commentaryDirectory(root_);
        std::filesystem::create_directories(commentary);
        if (!std::filesystem::is_directory(dat_) || !std::filesystem::is_directory(commentary))
            throw StoreError("cannot create " + dat_.string() + " and " + commentary.string());
        auto path = dataFilePath(0);
        if (!std::filesystem::exists(std::filesystem::symlink_status(path))) {
            files::replaceFileAtomically(path, std::span<const std::uint8_t>(encodeStoreHeader(StoreHeader{})),
                                         options_.observer);
            return;
        }
        damage = filesDisagreement(readHeader());
    });
    if (!opened) return opened;
    if (damage) return fail(*damage);
    return ok();
}

std::int32_t CaseStore::slotCount() {
    std::int32_t count = 0;
    (void)locked([&] { count = readHeader().slotCount; });
    return count;
}

Expected<StoreHeader> CaseStore::header() {
    StoreHeader header;
    if (auto done = locked([&] { header = readHeader(); }); !done) return fail(done.message());
    return header;
}

Expected<CaseRecordImage> CaseStore::read(std::int32_t n) {
    CaseRecordImage image{};
    auto done = locked([&] {
        StoreHeader header = readHeader();
        if (n < 0 || n >= header.slotCount)
            throw StoreError("no case " + std::to_string(n) + ": the store has cases 0 to " +
                             std::to_string(header.slotCount - 1));
        readSlot(n, image);
        if (image[field::kDeleted] != 0) throw StoreError("case " + std::to_string(n) + " has been deleted");
    });
    if (!done) return fail(done.message());
    return image;
}

Expected<std::vector<std::pair<std::int32_t, CaseRecordImage>>> CaseStore::readLive(
    std::span<const std::int32_t> numbers) {
    std::vector<std::pair<std::int32_t, CaseRecordImage>> result;
    auto done = locked([&] {
        StoreHeader header = readHeader();
        std::map<std::int32_t, File> open;
        for (std::int32_t n : numbers) {
            if (n < 0 || n >= header.slotCount) continue;
            std::int32_t k = n / kSlotsPerFile;
            auto found = open.find(k);
            if (found == open.end()) {
                try {
                    found = open.emplace(k, File(dataFilePath(k), File::Mode::Read)).first;
                } catch (const files::FileError& error) {
                    warning_ = error.what();
                    continue;
                }
            }
            CaseRecordImage image{};
            if (found->second.readAt(slotOffset(n), image) != image.size()) continue;
            if (image[field::kDeleted] == 0) result.emplace_back(n, image);
        }
    });
    if (!done) return fail(done.message());
    return result;
}

std::optional<std::int32_t> CaseStore::lowestDeletedSlot(const StoreHeader& header) const {
    std::vector<std::uint8_t> block(std::size_t(1024) * kCaseRecordSize);
    for (std::int32_t first = 0; first < header.slotCount; first += kSlotsPerFile) {
        std::int32_t k = first / kSlotsPerFile;
        std::int32_t inFile = std::min(kSlotsPerFile, header.slotCount - first);
        File file(dataFilePath(k), File::Mode::Read);
        for (std::int32_t i = 0; i < inFile; i += 1024) {
            std::int32_t count = std::min(1024, inFile - i);
            std::size_t got = file.readAt(slotOffset(first + i), {block.data(), std::size_t(count) * kCaseRecordSize});
            for (std::int32_t j = 0; j < count && std::size_t(j + 1) * kCaseRecordSize <= got; ++j)
                if (block[std::size_t(j) * kCaseRecordSize + field::kDeleted] == 1) return first + i + j;
            if (got < std::size_t(count) * kCaseRecordSize) break;
        }
    }
    return std::nullopt;
}

void CaseStore::setDeletedByte(File& data, std::int32_t n, std::uint8_t value) {
    const std::uint8_t byte[1] = {value};
    data.writeAt(slotOffset(n) + field::kDeleted, byte);
    data.sync();
}

bool CaseStore::writeCommentary(std::int32_t n, std::string_view bytes) {
    auto path = commentaryPath(n);
    try {
        files::replaceFileAtomically(path, std::string(bytes), options_.observer);
        return true;
    } catch (const files::FileError& error) {
        warning_ = "case " + std::to_string(n) + " was saved without its commentary file: " + error.what();
    } catch (const std::filesystem::filesystem_error& error) {
        warning_ = "case " + std::to_string(n) + " was saved without its commentary file: " + error.what();
    }
    // Whatever an earlier case of this slot left there is not this case's.
    std::error_code ignored;
    if (files::isPlainFile(path)) std::filesystem::remove(path, ignored);
    return false;
}

std::int32_t CaseStore::appendNewSlot(StoreHeader header, CaseRecordImage image,
                                      std::optional<std::string_view> commentary) {
    std::int32_t n = header.slotCount;
    if (fileCountFor(n + 1) > kMaxFileCount) throw StoreError("the case store is full");
    std::int32_t k = n / kSlotsPerFile;
    auto path = dataFilePath(k);
    bool existed = std::filesystem::exists(std::filesystem::symlink_status(path));
    File data(path, File::Mode::ReadWriteCreate, options_.observer);
    if (!existed) files::syncDirectory(dat_);
    std::uint64_t offset = slotOffset(n);
    if (data.size() < offset)
        throw StoreError(path.string() + " is shorter than the slots it should hold; nothing was added, "
                         "so that no hole of empty records is made");
    files::writeLittleEndian<std::int32_t>(image, field::kCaseNumber, n);
    // Beyond slotCount and marked deleted: a kill from here until the record
    // is made live leaves a slot that no one counts as a case.
    image[field::kDeleted] = 1;
    data.writeAt(offset, image);
    data.sync();
    header.slotCount = n + 1;
    header.fileCount = static_cast<std::int16_t>(n / kSlotsPerFile + 1);
    writeHeader(header);
    if (commentary) writeCommentary(n, *commentary);
    setDeletedByte(data, n, 0);
    return n;
}

std::int32_t CaseStore::reuseSlot(std::int32_t n, StoreHeader header, CaseRecordImage image,
                                  std::optional<std::string_view> commentary) {
    files::writeLittleEndian<std::int32_t>(image, field::kCaseNumber, n);
    File data(dataFilePath(n / kSlotsPerFile), File::Mode::ReadWrite, options_.observer);
    // Written whole while still marked deleted, then made live by one byte,
    // so a cut write never shows a torn record.
    image[field::kDeleted] = 1;
    data.writeAt(slotOffset(n), image);
    data.sync();
    if (commentary) writeCommentary(n, *commentary);
    setDeletedByte(data, n, 0);
    if (header.deletedCount <= 1) header.reuseFlag = 0;
    header.deletedCount = std::max(0, header.deletedCount - 1);
    writeHeader(header);
    return n;
}

Expected<std::int32_t> CaseStore::append(const CaseRecordImage& record, std::optional<std::string_view> commentary) {
    std::int32_t result = -1;
    auto done = locked([&] {
        StoreHeader header = readHeaderForWriting();
        if (header.reuseFlag == 1) {
            if (auto target = lowestDeletedSlot(header)) {
                result = reuseSlot(*target, header, record, commentary);
                return;
            }
            // The header counts deleted slots that are not there: the counts are
            // put right and the record goes to a new slot.
            header.reuseFlag = 0;
            header.deletedCount = 0;
        }
        result = appendNewSlot(header, record, commentary);
    });
    if (!done) return fail(done.message());
    return result;
}

Expected<void> CaseStore::update(std::int32_t n, const CaseRecordImage& image) {
    return locked([&] {
        StoreHeader header = readHeaderForWriting();
        if (n < 0 || n >= header.slotCount)
            throw StoreError("no case " + std::to_string(n) + " to update");
        auto redoPath = dat_ / layout::kRedoFile;
        {
            File redo(redoPath, File::Mode::ReadWriteCreate, options_.observer);
            redo.writeAt(0, layout::encodeRedo({n, image}));
            redo.sync();
        }
        files::syncDirectory(dat_);
        File data(dataFilePath(n / kSlotsPerFile), File::Mode::ReadWrite, options_.observer);
        data.writeAt(slotOffset(n), image);
        data.sync();
        files::removeFile(redoPath, options_.observer);
    });
}

void CaseStore::markSlotDeleted(std::int32_t n) {
    StoreHeader header = readHeaderForWriting();
    if (n < 0 || n >= header.slotCount) throw StoreError("no case " + std::to_string(n) + " to delete");
    CaseRecordImage image{};
    readSlot(n, image);
    if (image[field::kDeleted] != 0) throw StoreError("case " + std::to_string(n) + " is already deleted");
    {
        File data(dataFilePath(n / kSlotsPerFile), File::Mode::ReadWrite, options_.observer);
        setDeletedByte(data, n, 1);
    }
    header.deletedCount += 1;
    if (header.deletedCount >= kReuseThreshold) header.reuseFlag = 1;
    writeHeader(header);
}

Expected<void> CaseStore::markDeleted(std::int32_t n) {
    return locked([&] { markSlotDeleted(n); });
}

Expected<void> CaseStore::deleteCase(std::int32_t n) {
    return locked([&] {
        markSlotDeleted(n);
        try {
            files::removeFile(commentaryPath(n), options_.observer);
        } catch (const files::FileError& error) {
            warning_ = std::string("the commentary file was kept: ") + error.what();
        }
    });
}

Expected<std::vector<std::int32_t>> CaseStore::filteredScan(const CaseFilter& filter) {
    std::vector<std::int32_t> numbers;
    auto done = locked([&] {
        StoreHeader header = readHeader();
        CompiledCaseFilter compiled(filter, header.storeKind);
        const std::int32_t kBlockSlots = std::clamp(header.slotCount, 1, 2048);
        std::vector<std::uint8_t> block(std::size_t(kBlockSlots) * kCaseRecordSize);
        for (std::int32_t first = 0; first < header.slotCount; first += kSlotsPerFile) {
            std::int32_t inFile = std::min(kSlotsPerFile, header.slotCount - first);
            std::optional<File> file;
            try {
                file.emplace(dataFilePath(first / kSlotsPerFile), File::Mode::Read);
            } catch (const files::FileError& error) {
                warning_ += std::string(warning_.empty() ? "" : "; ") + error.what();
                continue;
            }
            for (std::int32_t i = 0; i < inFile; i += kBlockSlots) {
                std::int32_t count = std::min(kBlockSlots, inFile - i);
                std::size_t got = file->readAt(slotOffset(first + i), {block.data(), std::size_t(count) * kCaseRecordSize});
                std::int32_t whole = static_cast<std::int32_t>(got / kCaseRecordSize);
                for (std::int32_t j = 0; j < whole; ++j) {
                    const std::uint8_t* slot = block.data() + std::size_t(j) * kCaseRecordSize;
                    if (slot[field::kDeleted] == 0 && compiled.matches(slot)) numbers.push_back(first + i + j);
                }
                if (whole < count) {
                    warning_ += std::string(warning_.empty() ? "" : "; ") + file->path().string() +
                                " ends before its last " + std::to_string(inFile - i - whole) + " slots";
                    break;
                }
            }
        }
    });
    if (!done) return fail(done.message());
    return numbers;
}

}  // namespace qimen::cases

// CustomChartFile: the classes of custom labels in dat/custom.dat — a signed
// 32-bit slot count N, then N slots of 352 bytes (live and deleted alike).
// Lookups by name take the first live slot whose name is byte-equal in GBK.
//
// Every operation re-reads the file; every change writes a complete new file
// and renames it over the old one, under a lock (custom.dat.lock beside it),
// so a crash leaves the old or the new file whole and two instances cannot
// lose each other's changes. A damaged file (short, negative count, count
// beyond its slots) is listed as far as it can be read and never written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "custom/custom_class.hpp"
#include "files/write_steps.hpp"

namespace qimen::custom {

class CustomChartFile {
public:
    // dat/custom.dat of a data root.
    static std::filesystem::path pathIn(const std::filesystem::path& root);

    explicit CustomChartFile(std::filesystem::path file, files::WriteObserver* observer = nullptr);

    // Creates the file holding the count 0 when it does not exist.
    Expected<void> open();

    // Names of the live classes in file order. A file whose count runs past
    // its slots lists the slots it holds (lastWarning() says so); a file that
    // cannot be read at all fails.
    Expected<std::vector<std::string>> listClasses();
    // The first live class of that name; fails when there is none.
    Expected<CustomClass> readClass(std::string_view name);
    // Stores a new class in the first free slot, else at the end; answers its
    // slot index. Refused when the class cannot be encoded or the file is
    // damaged.
    Expected<std::int32_t> addClass(const CustomClass& custom);
    // Overwrites the first live class of that name with the image of
    // `custom` (its slotNumber and deleted written as they are). Fails when
    // no such class exists or the write is refused.
    Expected<void> updateClass(std::string_view name, const CustomClass& custom);
    // Marks the first live class of that name free; its other bytes stay.
    Expected<void> deleteClass(std::string_view name);

    // What the last listing could not read ("" if all was read).
    const std::string& lastWarning() const { return warning_; }

private:
    struct Contents;
    Expected<Contents> load(bool forWriting);
    Expected<void> store(const Contents& contents);
    Expected<std::int32_t> findLive(const Contents& contents, std::string_view name) const;

    std::filesystem::path file_;
    files::WriteObserver* observer_;
    std::string warning_;
};

}  // namespace qimen::custom

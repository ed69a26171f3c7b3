// CustomChartFile: the classes of custom labels in dat/custom.dat — a signed
// 32-bit slot count N, then N slots of 352 bytes (live and deleted alike).
// Lookups by name take the first live slot whose name is byte-equal in GBK.
//
// Every operation re-reads the file; every change writes a complete new file
// and renames it over the old one, under a lock (custom.dat.lock beside it),
// so a crash leaves the old or the new file whole and two instances cannot
// lose each other's changes. A damaged file (short, negative count, count
// beyond its slots) is listed as far as it can be read and never written.
// Failures carry a message for the user naming the file and what is wrong.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "custom/custom_class.hpp"
#include "files/write_steps.hpp"

namespace qimen::custom {

inline constexpr const char* kDuplicateClassMessage = "已经有这个类别了,请另取一个类别名";

// The live classes of a file that could be read, at least in part.
struct ClassListing {
    std::vector<std::string> names;  // in file order
    std::string damage;              // why slots past the readable ones are missing; "" when whole
};

class CustomChartFile {
public:
    // dat/custom.dat of a data root.
    static std::filesystem::path pathIn(const std::filesystem::path& root);

    explicit CustomChartFile(std::filesystem::path file, files::WriteObserver* observer = nullptr);

    const std::filesystem::path& path() const { return file_; }

    // Creates the file holding the count 0 (and its folder) when it does not
    // exist.
    Expected<void> open();

    // Names of the live classes in file order. Fails when not even the slot
    // count can be read; a count beyond the slots present lists the slots
    // that are there and says so in `damage`.
    Expected<ClassListing> listClasses();
    // The first live class of that name; nullopt when there is none.
    Expected<std::optional<CustomClass>> readClass(std::string_view name);
    // Stores a new class in the first free slot, else at the end; returns its
    // slot index. Fails for a class that cannot be encoded (the alias or
    // name message), a name that isValidClassName refuses, a name a live
    // class already has (kDuplicateClassMessage: a second class of that name
    // could never be read, changed or deleted by its name), a damaged file or
    // a failed write; the file is then unchanged.
    Expected<std::int32_t> addClass(const CustomClass& custom);
    // Overwrites the first live class of that name with the image of
    // `custom` (its slotNumber and deleted written as they are). False when
    // no such class exists.
    Expected<bool> updateClass(std::string_view name, const CustomClass& custom);
    // Marks the first live class of that name free; its other bytes stay.
    // False when no such class exists.
    Expected<bool> deleteClass(std::string_view name);

private:
    struct Contents;
    Expected<Contents> load(bool forWriting);
    Expected<void> store(const Contents& contents);
    std::optional<std::int32_t> findLive(const Contents& contents, std::string_view name) const;
    std::string damaged(const std::string& what) const;

    std::filesystem::path file_;
    files::WriteObserver* observer_;
};

}  // namespace qimen::custom

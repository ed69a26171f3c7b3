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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "custom/custom_class.hpp"
#include "files/write_steps.hpp"

namespace qimen::custom {

class CustomChartFile {
public:
    // dat/custom.dat of a data root.
    static std::filesystem::path pathIn(const std::filesystem::path& root);

    explicit CustomChartFile(std::filesystem::path file, files::WriteObserver* observer = nullptr);

    // Creates the file holding the count 0 when it does not exist.
    bool open();

    // Names of the live classes in file order (of the slots that can be read).
    std::vector<std::string> listClasses();
    // The first live class of that name.
    std::optional<CustomClass> readClass(std::string_view name);
    // Stores a new class in the first free slot, else at the end; returns its
    // slot index. Refused (nullopt, error()) when the class cannot be encoded
    // or the file is damaged.
    std::optional<std::int32_t> addClass(const CustomClass& custom);
    // Overwrites the first live class of that name with the image of
    // `custom` (its slotNumber and deleted written as they are). False when no
    // such class exists or the write is refused (error() says which).
    bool updateClass(std::string_view name, const CustomClass& custom);
    // Marks the first live class of that name free; its other bytes stay.
    bool deleteClass(std::string_view name);

    // Why the last operation failed, or what it could not read ("" if all well).
    const std::string& error() const { return error_; }

private:
    struct Contents;
    std::optional<Contents> load(bool forWriting);
    bool store(const Contents& contents);
    std::optional<std::int32_t> findLive(const Contents& contents, std::string_view name);

    std::filesystem::path file_;
    files::WriteObserver* observer_;
    std::string error_;
};

}  // namespace qimen::custom

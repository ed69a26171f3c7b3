// The list of case classes (类别) kept in section `classes` of dat/qminit.ini:
// key `count` and keys 1 .. count, one class name each, at most 12 GBK bytes
// (six Chinese characters).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qimen::cases {

inline constexpr std::size_t kClassListNameMax = 12;
// What a missing key reads as in the dialogs that choose a class.
inline constexpr const char* kMissingClassName = "临时保存";

enum class MissingClass {
    AsTemporary,  // "临时保存": the classification, case and search dialogs
    AsEmpty,      // "": the class editor
};

struct ClassListRead {
    std::vector<std::string> names;
    std::string error;  // empty, or why the file could not be read
};

// The names of keys 1 .. count in order; a missing key reads per `missing`.
// A negative count reads as none; a count beyond the 10,000 a person could
// keep is taken as damage and capped there.
ClassListRead readClassList(const std::filesystem::path& root, MissingClass missing);

// Checks the lines of the class editor: the message of the first fault, or
// nullopt when all lines may be stored. No line: "类别不能为空"; an empty line
// or one longer than 12 GBK bytes (or not writable in GBK):
// "第" + i + "行类别名不合规定，不能加入。" with i counted from 1.
std::optional<std::string> classLinesProblem(const std::vector<std::string>& lines);

// Stores the lines as keys 1 .. n and count n, after the check above; keys
// above n stay in the file unread. Returns the check's message or the file
// error, or "" when stored.
std::string writeClassList(const std::filesystem::path& root, const std::vector<std::string>& lines);

}  // namespace qimen::cases

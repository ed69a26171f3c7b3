// The list of case classes (类别) kept in section `classes` of dat/qminit.ini:
// key `count` and keys 1 .. count, one class name each, at most 12 GBK bytes
// (six Chinese characters).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/expected.hpp"

namespace qimen::cases {

inline constexpr std::size_t kClassListNameMax = 12;
// What a missing key reads as in the dialogs that choose a class.
inline constexpr const char* kMissingClassName = "临时保存";

enum class MissingClass {
    AsTemporary,  // "临时保存": the classification, case and search dialogs
    AsEmpty,      // "": the class editor
};

// The names of keys 1 .. count in order; a missing key reads per `missing`.
// A negative count reads as none; a count beyond the 10,000 a person could
// keep is taken as damage and capped there. Fails when the file cannot be
// read.
Expected<std::vector<std::string>> readClassList(const std::filesystem::path& root, MissingClass missing);

// Checks the lines of the class editor; fails with the message of the first
// fault. No line: "类别不能为空"; an empty line (or one of spaces only) or one
// longer than 12 GBK bytes (or not writable in GBK): "第" + i +
// "行类别名不合规定，不能加入。" with i counted from 1.
Expected<void> checkClassLines(const std::vector<std::string>& lines);

// Stores the lines as keys 1 .. n and count n, after the check above; keys
// above n stay in the file unread. Fails with the check's message or the
// file error.
Expected<void> writeClassList(const std::filesystem::path& root, const std::vector<std::string>& lines);

}  // namespace qimen::cases

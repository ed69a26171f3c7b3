// The one result type of the core's public interface: a value, or the
// message that says why there is none. Messages are the system's own texts
// (UTF-8), ready to show to the user as they are.
//
//   Expected<int> parseYear(std::string_view text);
//   if (auto year = parseYear(text)) use(*year); else show(year.message());
//   Expected<void> save(...);   // success is Expected<void>{} or ok()
//   return fail("不存在这个日期");
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace qimen {

// Why an operation did not give its value; built with fail().
struct Failure {
    std::string message;
};

inline Failure fail(std::string message) { return Failure{std::move(message)}; }

template <typename T>
class [[nodiscard]] Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(Failure failure) : state_(std::in_place_index<1>, std::move(failure.message)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only on success.
    T& value() & { assert(ok()); return std::get<0>(state_); }
    const T& value() const& { assert(ok()); return std::get<0>(state_); }
    T&& value() && { assert(ok()); return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // The value on success, else the fallback.
    T valueOr(T fallback) const& { return ok() ? value() : std::move(fallback); }

    // The message on failure, else the empty text.
    const std::string& message() const {
        static const std::string none;
        return ok() ? none : std::get<1>(state_);
    }

private:
    std::variant<T, std::string> state_;
};

template <>
class [[nodiscard]] Expected<void> {
public:
    Expected() = default;
    Expected(Failure failure) : failed_(true), message_(std::move(failure.message)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

private:
    bool failed_ = false;
    std::string message_;
};

// Success of an operation that gives no value.
inline Expected<void> ok() { return {}; }

}  // namespace qimen

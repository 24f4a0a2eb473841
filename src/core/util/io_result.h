#pragma once
// The outcome of reading or writing a file: every load and save in the program reports
// through these types. `IoResult` says how it went; `Result<T>` also carries what was read.

#include <string>
#include <utility>

namespace qv {

enum class IoStatus {
    Ok,
    CannotOpen,   // missing, unreadable, or not a file
    Damaged,      // read, but its contents cannot all be used
    CannotWrite,  // the save failed; the old file is as it was
};

struct [[nodiscard]] IoResult {
    IoStatus status = IoStatus::Ok;
    std::string message;  // empty when ok
    std::string reason;   // the system's own words when a system call failed, else empty

    bool ok() const { return status == IoStatus::Ok; }
    explicit operator bool() const { return ok(); }
    // The file was read, even when what it holds is damaged.
    bool opened() const { return status != IoStatus::CannotOpen; }

    static IoResult success() { return {}; }
    static IoResult failure(IoStatus status, std::string message, std::string reason = {}) {
        return IoResult{status, std::move(message), std::move(reason)};
    }
};

// A value read from a file with the outcome of the read. When the read failed the value is
// what could be used: a default, or the part that was read before the damage.
template <typename T>
class [[nodiscard]] Result : public IoResult {
public:
    Result(T value = T{}) : value_(std::move(value)) {}  // NOLINT: a success converts
    Result(IoResult outcome, T value = T{})
        : IoResult(std::move(outcome)), value_(std::move(value)) {}

    // As with std::optional: there is a value to use when the read went well.
    bool has_value() const { return ok(); }
    const T& value() const& { return value_; }
    T& value() & { return value_; }
    T&& value() && { return std::move(value_); }
    const T& operator*() const& { return value_; }
    T& operator*() & { return value_; }
    T&& operator*() && { return std::move(value_); }
    const T* operator->() const { return &value_; }
    T* operator->() { return &value_; }

    // A failed read equals no value.
    friend bool operator==(const Result& r, const T& value) { return r.ok() && r.value_ == value; }
    friend bool operator==(const Result& a, const Result& b) {
        return a.status == b.status && a.value_ == b.value_;
    }

private:
    T value_;
};

}  // namespace qv

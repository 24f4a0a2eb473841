#pragma once
// The outcome of reading or writing a file: every load and save in the program reports
// through this one type.

#include <string>
#include <utility>

namespace qv {

enum class IoStatus {
    Ok,
    CannotOpen,   // missing, unreadable, or not a file
    Damaged,      // read, but its contents cannot be used
    CannotWrite,  // the save failed; the old file is as it was
};

struct [[nodiscard]] IoResult {
    IoStatus status = IoStatus::Ok;
    std::string message;  // empty when ok

    bool ok() const { return status == IoStatus::Ok; }
    explicit operator bool() const { return ok(); }

    static IoResult success() { return {}; }
    static IoResult failure(IoStatus status, std::string message) {
        return IoResult{status, std::move(message)};
    }
};

}  // namespace qv

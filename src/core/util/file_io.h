#pragma once
// Whole-file reading and atomic saving.

#include <cstdint>
#include <string>
#include <vector>

#include "core/util/io_result.h"

namespace qv {

// Reads a whole file; CannotOpen, with the system's reason, when it cannot be opened or read.
// `maxBytes` bounds what is read so that a huge or endless file cannot exhaust memory.
Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path,
                                                std::size_t maxBytes = 64u << 20);
Result<std::string> readTextFile(const std::string& path, std::size_t maxBytes = 64u << 20);

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so a failed
// or interrupted save leaves the old file as it was.
IoResult writeFileAtomic(const std::string& path, const void* data, std::size_t size);
inline IoResult writeFileAtomic(const std::string& path, const std::vector<std::uint8_t>& b) {
    return writeFileAtomic(path, b.data(), b.size());
}
inline IoResult writeFileAtomic(const std::string& path, const std::string& s) {
    return writeFileAtomic(path, s.data(), s.size());
}

}  // namespace qv

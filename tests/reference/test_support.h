#pragma once
// Helpers shared by the core tests. Byte fixtures are written field by field from the
// documented layouts, not with the program's record writers, so a writer bug cannot hide
// behind a matching reader.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/records/byte_io.h"
#include "core/records/records.h"
#include "core/wheels/wheel_info.h"

namespace qv::test {

inline void put8(Bytes& b, int v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
inline void put16(Bytes& b, int v) {
    put8(b, v);
    put8(b, v >> 8);
}
inline void put32(Bytes& b, long long v) {
    put16(b, static_cast<int>(v & 0xFFFF));
    put16(b, static_cast<int>((v >> 16) & 0xFFFF));
}
// A fixed-width text field, cut or padded with zeros.
inline void putText(Bytes& b, const std::string& s, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) b.push_back(i < s.size() ? std::uint8_t(s[i]) : 0);
}

// The 100-byte signature that opens a ticket file.
inline Bytes signature(const std::string& text) {
    Bytes b;
    putText(b, text, 100);
    return b;
}

// A wheeling table's record: the description, then five 16-bit fields.
inline void putWheelRecord(Bytes& b, const std::string& description, int n, int count,
                           int guarantee, int per, int guaranteeIf) {
    putText(b, description, 25);
    for (int v : {n, count, guarantee, per, guaranteeIf}) put16(b, v);
}
inline Bytes wheelRecord(const std::string& description, int n, int count, int guarantee, int per,
                         int guaranteeIf) {
    Bytes b;
    putWheelRecord(b, description, n, count, guarantee, per, guaranteeIf);
    return b;
}

inline TicketType ticket(std::initializer_list<int> numbers,
                         std::initializer_list<int> bonus = {}) {
    TicketType t;
    std::size_t k = 0;
    for (int n : numbers) t.numbers[k++] = static_cast<std::int16_t>(n);
    k = 0;
    for (int n : bonus) t.bonus[k++] = static_cast<std::int16_t>(n);
    return t;
}

// A 32-byte ticket record: numbers, bonus numbers, then a zero date.
inline void putTicket(Bytes& b, std::vector<int> numbers, std::vector<int> bonus = {}) {
    numbers.resize(10, 0);
    bonus.resize(3, 0);
    for (int n : numbers) put16(b, n);
    for (int n : bonus) put16(b, n);
    for (int k = 0; k < 3; ++k) put16(b, 0);
}

// A manual ticket file in the current layout.
inline Bytes manualTicketFile(int perTicket, int lotto, const std::vector<std::vector<int>>& tickets,
                              const std::vector<std::vector<int>>& bonus = {}) {
    Bytes b = signature("Quorvantile V3.4");
    put8(b, 0);
    put32(b, static_cast<long long>(tickets.size()));
    put32(b, perTicket);
    put32(b, lotto);
    for (std::size_t k = 0; k < tickets.size(); ++k)
        putTicket(b, tickets[k], k < bonus.size() ? bonus[k] : std::vector<int>{});
    return b;
}

// A wheel of N numbers guaranteeing G if I, with rows of P positions.
inline WheelInfo makeWheel(int n, int g, int i, int p, std::vector<TicketType> rows = {}) {
    WheelInfo w;
    w.description = "Test";
    w.numbersToWheel = static_cast<std::int16_t>(n);
    w.guarantee = static_cast<std::int16_t>(g);
    w.guaranteeIf = static_cast<std::int16_t>(i);
    w.numbersPerTicket = static_cast<std::int16_t>(p);
    w.setRows(std::move(rows));
    return w;
}

// A drawn entry; tests that only care about the date get a few arbitrary numbers.
inline TicketType draw(int month, int day, int year, std::initializer_list<int> numbers = {1, 2, 3},
                       std::initializer_list<int> bonus = {}) {
    TicketType t = ticket(numbers, bonus);
    t.setDate(Date{std::int16_t(month), std::int16_t(day), std::int16_t(year)});
    return t;
}

// A fresh directory, removed with everything in it. The process id and a counter keep
// parallel test runs and several directories in one test apart.
class TempDir {
public:
    TempDir() {
        path_ = std::filesystem::temp_directory_path() /
                ("qv-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_),
                                                      std::filesystem::directory_iterator{}));
    }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

}  // namespace qv::test

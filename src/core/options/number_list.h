#pragma once
// "My Numbers" lists: the user's favourite numbers in the order chosen, kept in a 404-byte
// file (.lst): a 32-bit count, then 100 32-bit places holding the numbers, zero after them.
// Also the rules of the list editor's 100 check boxes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records/byte_io.h"
#include "core/records/limits.h"
#include "core/util/io_result.h"

namespace qv {

inline constexpr std::size_t kNumberListPlaces = kMaxLottoNumber;
inline constexpr std::size_t kNumberListFileBytes = 4 + 4 * kNumberListPlaces;

// The exact bytes of a list file; places past the first 100 numbers are not written.
Bytes numberListBytes(const std::vector<int>& numbers);
// Writes the file atomically.
IoResult saveNumberList(const std::string& path, const std::vector<int>& numbers);

// Decodes a list file over the list in memory: a file shorter than 404 bytes fills what it
// holds and the places it does not reach keep the numbers of `previous` (a file shorter than
// its count keeps the previous count too). The count is kept within 0..100; of its places, a
// number outside 1..100, or one already in the list, is dropped and the rest keep their
// order.
std::vector<int> numberListFromBytes(const Bytes& data, const std::vector<int>& previous = {});
// Reads a list file; false (the list untouched) when it cannot be opened.
IoResult loadNumberList(const std::string& path, std::vector<int>& numbers);

// The list editor: one box per number, checked while the number is in the list.
class NumberListEditor {
public:
    explicit NumberListEditor(std::vector<int> numbers = {});

    const std::vector<int>& numbers() const { return numbers_; }
    bool isChecked(int number) const;
    // A clear box adds its number at the end of the list; a checked box takes its number out,
    // the numbers after it moving up. Numbers outside 1..100 are ignored; returns the box's
    // new state.
    bool toggle(int number);
    void clearAll() { numbers_.clear(); }

private:
    std::vector<int> numbers_;
};

// "Edit Numbers for %s" with the list's name after its last "\" or "/".
std::string numberListCaption(const std::string& path,
                              const std::string& format = "Edit Numbers for %s");

}  // namespace qv

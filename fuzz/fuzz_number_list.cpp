// My Numbers list files: decoding arbitrary bytes over a list in memory, writing the result
// and decoding it again.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/options/number_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qv::Bytes bytes(data, data + size);
    // The list in memory before the load: a short file keeps part of it.
    std::vector<int> previous;
    for (int n = 1; n <= static_cast<int>(size % 101); ++n) previous.push_back(101 - n);

    const std::vector<int> numbers = qv::numberListFromBytes(bytes, previous);
    if (numbers.size() > qv::kNumberListPlaces) std::abort();
    std::array<bool, 101> seen{};
    for (int n : numbers) {
        if (n < 1 || n > 100 || seen[static_cast<std::size_t>(n)]) std::abort();
        seen[static_cast<std::size_t>(n)] = true;
    }

    const qv::Bytes saved = qv::numberListBytes(numbers);
    if (saved.size() != qv::kNumberListFileBytes) std::abort();
    if (qv::numberListFromBytes(saved) != numbers) std::abort();

    qv::NumberListEditor editor(numbers);
    if (editor.numbers() != numbers) std::abort();
    return 0;
}

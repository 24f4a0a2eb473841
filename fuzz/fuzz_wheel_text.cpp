// Wheel rows typed as text: the text-file reader and the paste reader on arbitrary bytes. The
// first byte gives the numbers per ticket, the second the numbers to wheel; the rest is the
// text.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/wheels/wheel_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int per = 1 + data[0] % 10;
    const int numbers = 1 + data[1] % 100;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    for (auto source : {qv::WheelTextSource::File, qv::WheelTextSource::Paste}) {
        const qv::WheelTextRows read = qv::readWheelText(text, per, numbers, source);
        if (read.problem) {
            if (!read.rows.empty() || read.problem->line < 1) std::abort();
            if (qv::wheelTextProblemText(*read.problem, numbers, source).empty()) std::abort();
            continue;
        }
        // Every row: 1..per positions within 1..numbers, none twice, zeros after them.
        for (const qv::TicketType& row : read.rows) {
            const int count = row.numberCount();
            if (count < 1 || count > per) std::abort();
            for (int j = 0; j < 10; ++j) {
                const int v = row.numbers[static_cast<std::size_t>(j)];
                if (j >= count ? v != 0 : v < 1 || v > numbers) std::abort();
            }
            auto end = row.numbers.begin() + count;
            for (auto it = row.numbers.begin(); it != end; ++it)
                if (std::find(it + 1, end, *it) != end) std::abort();
            if (source == qv::WheelTextSource::Paste && !std::is_sorted(row.numbers.begin(), end))
                std::abort();
        }
    }
    return 0;
}

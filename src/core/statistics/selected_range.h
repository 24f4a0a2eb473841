#pragma once
// The span of draws every statistic counts, chosen by the from and to dates of the
// statistics options.

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "core/records/records.h"

namespace qv {

// Half-open range [first, last) of entry indices; entries are kept newest first, so index 0
// is the newest draw.
struct SelectedRange {
    std::size_t first = 0;
    std::size_t last = 0;

    std::size_t size() const { return last - first; }
    bool contains(std::size_t entry) const { return entry >= first && entry < last; }
    friend bool operator==(const SelectedRange&, const SelectedRange&) = default;
};

// The entries dated from the options' from date to their to date, both inclusive; 0/0/0
// leaves that end open. The walk from the newest entry takes the first entry dated on or
// before the to date as `first` and the first entry dated before the from date as `last`.
// When no entry is dated on or before the to date, the range is empty (at the end); it is
// never reversed: a to date earlier than the from date gives an empty range.
SelectedRange selectedRange(const std::vector<TicketType>& entries,
                            const StatisticsSettings& settings);

// The highest number of the game as the per-number tables use it: the header's value kept
// within 1..100, so a damaged header can neither empty a table nor overrun one.
int highestNumberOf(const DataHeader& header);

// True when v can index a table of the game's numbers 1..highestNumber.
inline bool isGameNumber(int v, int highestNumber) {
    return v >= 1 && v <= highestNumber;
}

// A draw's winning numbers in slot order up to the first 0, each once, numbers outside the
// game left out: what the pair and triple counts pair up.
struct DistinctNumbers {
    std::array<int, kMaxNumbersOnTicket> values{};
    int count = 0;
};
inline DistinctNumbers distinctGameNumbers(const TicketType& draw, int highestNumber) {
    DistinctNumbers d;
    for (std::int16_t v : draw.numbers) {
        if (v == 0) break;
        if (!isGameNumber(v, highestNumber) ||
            std::find(d.values.begin(), d.values.begin() + d.count, v) !=
                d.values.begin() + d.count)
            continue;
        d.values[d.count++] = v;
    }
    return d;
}

}  // namespace qv

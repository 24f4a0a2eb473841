#pragma once
// The statistics lists are ordered by a selection sort that puts the largest count first:
// for each position in turn, the first record of greatest count from that position on is
// exchanged with the record there. The exchanges shuffle equal counts in a way no stable
// sort reproduces, and a stopped sort leaves its own particular state, so the order is
// rebuilt here exchange for exchange, only without the quadratic search.
//
// Why the search can be skipped: a record only ever moves when it is picked or when it
// stands on the position being filled, which is the smallest position still unsorted. So
// the records of the greatest remaining count never move before they are picked, and they
// are picked one after the other in the order of the positions they hold when the first of
// them is picked.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

namespace qv {

// Reorders `records` by `keyOf(record)` (an integer), largest first, exactly as the selection
// sort does. `positionDone(i)` is called once position i holds its record; when it answers
// true the sort stops there, leaving the records as the selection sort leaves them after
// positions 0..i. Returns the number of positions done.
template <typename Record, typename KeyOf, typename PositionDone>
std::size_t selectionSortLargestFirst(std::vector<Record>& records, KeyOf keyOf,
                                      PositionDone positionDone) {
    const std::size_t n = records.size();
    if (n == 0) return 0;

    // Keys and places are tracked by each record's starting index.
    std::vector<long long> key(n);
    for (std::size_t r = 0; r < n; ++r) key[r] = static_cast<long long>(keyOf(records[r]));

    // Starting indices grouped by key, largest key first.
    std::vector<std::uint32_t> byKey(n);
    const auto [lo, hi] = std::minmax_element(key.begin(), key.end());
    const long long low = *lo;
    const unsigned long long span = static_cast<unsigned long long>(*hi - *lo);
    if (span <= 4 * n + 1024) {
        std::vector<std::uint32_t> start(span + 2, 0);
        for (long long k : key) ++start[span - static_cast<std::size_t>(k - low) + 1];
        for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
        for (std::size_t r = 0; r < n; ++r)
            byKey[start[span - static_cast<std::size_t>(key[r] - low)]++] =
                static_cast<std::uint32_t>(r);
    } else {
        std::iota(byKey.begin(), byKey.end(), 0u);
        std::sort(byKey.begin(), byKey.end(), [&](std::uint32_t a, std::uint32_t b) {
            return key[a] != key[b] ? key[a] > key[b] : a < b;
        });
    }

    std::vector<std::uint32_t> at(n);     // starting index of the record at each position
    std::vector<std::uint32_t> where(n);  // position of each record
    std::iota(at.begin(), at.end(), 0u);
    std::iota(where.begin(), where.end(), 0u);

    std::vector<std::uint32_t> positions;
    std::size_t i = 0;
    for (std::size_t g = 0; g < n;) {
        std::size_t end = g + 1;
        while (end < n && key[byKey[end]] == key[byKey[g]]) ++end;
        positions.clear();
        for (std::size_t k = g; k < end; ++k) positions.push_back(where[byKey[k]]);
        std::sort(positions.begin(), positions.end());
        for (std::uint32_t j : positions) {
            if (j != i) {
                std::swap(records[i], records[j]);
                const std::uint32_t picked = at[j];
                const std::uint32_t displaced = at[i];
                at[i] = picked;
                at[j] = displaced;
                where[picked] = static_cast<std::uint32_t>(i);
                where[displaced] = j;
            }
            if (positionDone(i)) return i + 1;
            ++i;
        }
        g = end;
    }
    return n;
}

}  // namespace qv

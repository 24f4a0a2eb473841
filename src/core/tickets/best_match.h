#pragma once
// The best match of a set of tickets over every set of drawn numbers: for each set of r
// numbers out of 1..L, the most of them that one ticket holds, tallied over all C(L, r) sets.
// The odds of a ticket file and the profile of a wheel (its rows over the positions 1..N)
// are both this count.
//
// The sets are visited as a tree of their common beginnings (lexicographic order), so each
// ticket's count changes only along the path. The counts of all tickets are kept bit-sliced,
// one bit plane per binary digit, each plane a bit set over the tickets, so one drawn number
// updates every ticket with a few word operations. The last two numbers of a set are not
// visited one by one: for each next-to-last number, the last numbers that lift the best match
// are counted with a population count over the numbers of the leading tickets.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"

namespace qv {

// The sets counted hold at most this many numbers (a ticket of 10 and the bonus ball).
inline constexpr int kMaxMatchSetSize = 11;
// Numbers run from 1 to at most this.
inline constexpr int kMaxMatchNumber = 100;

// A ticket's numbers. Repeats count once; numbers outside 1..numberCount never match.
using NumberSet = std::vector<int>;

struct BestMatchCounts {
    int size = 0;
    // counts[m]: how many sets of `size` numbers have m numbers on their best ticket
    // (m = 0..size). An empty ticket list puts every set under 0.
    std::vector<std::uint64_t> counts;

    friend bool operator==(const BestMatchCounts&, const BestMatchCounts&) = default;
};

// The counts for each size asked for, in the order asked; sizes outside 1..kMaxMatchSetSize,
// or above numberCount, give all-zero counts. numberCount is clamped to kMaxMatchNumber. The
// progress runs over the sets of the largest size; nullopt when the user cancelled.
std::optional<std::vector<BestMatchCounts>> countBestMatches(const std::vector<NumberSet>& tickets,
                                                             int numberCount,
                                                             const std::vector<int>& sizes,
                                                             ProgressReporter* progress,
                                                             const std::string& caption);

}  // namespace qv

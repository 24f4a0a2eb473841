#pragma once
// How often each set of three numbers was drawn together over the selected span, as a list
// of every set ordered by frequency. Counting and sorting report progress and can be stopped;
// whatever was counted and sorted by then is the result.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"

namespace qv {

struct TripleCount {
    std::uint16_t first = 0;  // first < second < third
    std::uint16_t second = 0;
    std::uint16_t third = 0;
    std::uint16_t count = 0;
    friend bool operator==(const TripleCount&, const TripleCount&) = default;
};

struct TripleCounts {
    int highestNumber = 1;
    std::vector<TripleCount> triples;  // all C(N, 3) sets
    bool stopped = false;              // the user stopped counting or sorting
    std::size_t sortedPositions = 0;   // leading positions of `triples` the sort has filled
};

// C(n, 3): 18,424 sets for 49 numbers, 161,700 for 100.
std::size_t tripleCountFor(int highestNumber);

inline constexpr std::size_t kSortAllPositions = std::numeric_limits<std::size_t>::max();

// Counts the numbers of each draw up to its first zero slot (a number outside the game and a
// repeat within the draw are left out), lists every set in ascending order (1-2-3, 1-2-4,
// ...), then sorts the list by count, greatest first, with the selection sort's exact order.
//
// Progress: "Counting triples..." with one unit per draw, then "Sorting triples ..." with
// 200 x comparisons / sets^2 percent after each position (capped at 100). A cancel answered
// during the count ends the count and lets the sort do one position; a cancel during the sort
// stops it after the current position. The sort also stops after `sortPositions` positions.
TripleCounts CountTriples(const DataHeader& header, const std::vector<TicketType>& entries,
                          const StatisticsSettings& settings, ProgressReporter* progress = nullptr,
                          std::size_t sortPositions = kSortAllPositions);

// The sort alone, on a list as it stands, without progress.
void sortTriplesByFrequency(std::vector<TripleCount>& triples);

}  // namespace qv

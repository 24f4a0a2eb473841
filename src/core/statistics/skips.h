#pragma once
// The skipping habit of each number: how many draws it skipped between one appearance and the
// next, over the selected span.

#include <array>
#include <vector>

#include "core/records/records.h"

namespace qv {

// Bucket k (0..58): the number came back after exactly k draws without it; bucket 59: after
// 59 or more.
inline constexpr int kSkipBuckets = 60;

struct SkipCounts {
    int highestNumber = 1;
    std::vector<std::array<int, kSkipBuckets>> buckets;  // row n - 1 for number n
    std::vector<int> maximum;  // the greatest bucket of each row, 0 when all are 0
};

// Walks the span from its oldest draw to its newest. The numbers of a draw end at its first
// zero slot; a number outside the game is left out, and a number repeated within one draw
// counts once. A number's first appearance in the span counts nothing.
SkipCounts CountSkips(const DataHeader& header, const std::vector<TicketType>& entries,
                      const StatisticsSettings& settings);

}  // namespace qv

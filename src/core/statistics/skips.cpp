#include "core/statistics/skips.h"

#include <algorithm>

#include "core/statistics/selected_range.h"

namespace qv {

SkipCounts CountSkips(const DataHeader& header, const std::vector<TicketType>& entries,
                      const StatisticsSettings& settings) {
    SkipCounts s;
    s.highestNumber = highestNumberOf(header);
    const std::size_t n = static_cast<std::size_t>(s.highestNumber);
    s.buckets.assign(n, {});
    s.maximum.assign(n, 0);
    const SelectedRange range = selectedRange(entries, settings);

    std::vector<long long> lastSeen(n, -1);
    for (std::size_t e = range.last; e-- > range.first;) {
        const long long here = static_cast<long long>(e);
        for (std::int16_t v : entries[e].numbers) {
            if (v == 0) break;
            if (!isGameNumber(v, s.highestNumber)) continue;
            long long& seen = lastSeen[static_cast<std::size_t>(v - 1)];
            if (seen == here) continue;  // repeated within this draw
            if (seen >= 0) {
                const long long gap = seen - here;
                ++s.buckets[static_cast<std::size_t>(v - 1)][gap < kSkipBuckets
                                                                 ? static_cast<std::size_t>(gap - 1)
                                                                 : kSkipBuckets - 1];
            }
            seen = here;
        }
    }
    for (std::size_t v = 0; v < n; ++v)
        s.maximum[v] = *std::max_element(s.buckets[v].begin(), s.buckets[v].end());
    return s;
}

}  // namespace qv

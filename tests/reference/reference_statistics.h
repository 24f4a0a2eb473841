#pragma once
// The plain selection sorts of the statistics lists, step for step, and the triples count
// around its sort with the progress it reports: the fast versions must give exactly these
// orders, ties included, and the same state after a stop.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"
#include "core/statistics/frequency.h"
#include "core/statistics/pairs.h"
#include "core/statistics/selected_range.h"
#include "core/statistics/triples.h"

namespace qv::reference {

// For each position, the first record of greatest count from there on is exchanged with it.
template <typename Record>
void selectionSortByCount(std::vector<Record>& records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::size_t best = i;
        for (std::size_t j = i; j < records.size(); ++j)
            if (records[j].count > records[best].count) best = j;
        std::swap(records[i], records[best]);
    }
}

inline void sortByFrequency(std::vector<NumberCount>& counts) {
    selectionSortByCount(counts);
}
inline void sortPairsByFrequency(std::vector<PairCount>& pairs) {
    selectionSortByCount(pairs);
}

// The triples sort with its progress: after each position the percentage
// trunc(200 x comparisons / count^2) (held at 100) is shown when it changed, then the cancel
// is polled; a cancel, or a stop already marked, ends the sort there.
inline bool sortTriples(std::vector<TripleCount>& list, ProgressReporter* progress, bool stopped,
                        std::size_t positions = std::numeric_limits<std::size_t>::max()) {
    const std::size_t count = list.size();
    if (progress) progress->open("Sorting triples ...");
    long long comparisons = 0;
    int shown = -1;
    for (std::size_t i = 0; i < count && i < positions; ++i) {
        std::size_t best = i;
        for (std::size_t j = i; j < count; ++j) {
            ++comparisons;
            if (list[j].count > list[best].count) best = j;
        }
        std::swap(list[i], list[best]);
        if (progress) {
            int percent =
                static_cast<int>(200.0 * static_cast<double>(comparisons) /
                                 (static_cast<double>(count) * static_cast<double>(count)));
            percent = std::min(percent, 100);
            if (percent != shown) {
                shown = percent;
                progress->show(percent);
            }
            if (progress->cancelled()) stopped = true;
        }
        if (stopped || i + 1 >= positions) break;
    }
    if (progress) progress->close();
    return stopped;
}

// The whole count: a table of 16-bit counters with strides 10000, 100 and 1, each draw's
// numbers put in order by a selection sort, the sets listed in ascending order, then sorted.
inline TripleCounts countTriples(const DataHeader& header, const std::vector<TicketType>& entries,
                                 const StatisticsSettings& settings, ProgressReporter* progress,
                                 std::size_t positions = std::numeric_limits<std::size_t>::max()) {
    TripleCounts result;
    const int n = highestNumberOf(header);
    result.highestNumber = n;
    const SelectedRange range = selectedRange(entries, settings);
    std::vector<std::uint16_t> table(1000000, 0);
    bool stopped = false;
    {
        ProgressLoop loop(progress, "Counting triples...", static_cast<long long>(range.size()));
        for (std::size_t e = range.first; e < range.last; ++e) {
            int drawn[kMaxNumbersOnTicket];
            int k = 0;
            for (int s = 0; s < kMaxNumbersOnTicket && entries[e].numbers[s] != 0; ++s) {
                const int v = entries[e].numbers[s];
                if (v < 1 || v > n || std::find(drawn, drawn + k, v) != drawn + k) continue;
                drawn[k++] = v;
            }
            for (int i = 0; i < k; ++i) {
                int least = i;
                for (int j = i + 1; j < k; ++j)
                    if (drawn[j] < drawn[least]) least = j;
                std::swap(drawn[i], drawn[least]);
            }
            for (int i = 0; i < k; ++i)
                for (int j = i + 1; j < k; ++j)
                    for (int l = j + 1; l < k; ++l)
                        ++table[(drawn[i] - 1) * 10000 + (drawn[j] - 1) * 100 + (drawn[l] - 1)];
            if (loop.unitDone(static_cast<long long>(e - range.first))) {
                stopped = true;
                break;
            }
        }
    }
    for (int a = 1; a <= n - 2; ++a)
        for (int b = a + 1; b <= n - 1; ++b)
            for (int c = b + 1; c <= n; ++c)
                result.triples.push_back(
                    TripleCount{std::uint16_t(a), std::uint16_t(b), std::uint16_t(c),
                                table[(a - 1) * 10000 + (b - 1) * 100 + (c - 1)]});
    result.stopped = sortTriples(result.triples, progress, stopped, positions);
    return result;
}

}  // namespace qv::reference

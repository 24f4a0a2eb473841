#include "core/statistics/triples.h"

#include <algorithm>
#include <array>

#include "core/statistics/selected_range.h"
#include "core/statistics/selection_order.h"

namespace qv {

std::size_t tripleCountFor(int highestNumber) {
    if (highestNumber < 3) return 0;
    const std::size_t n = static_cast<std::size_t>(highestNumber);
    return n * (n - 1) * (n - 2) / 6;
}

namespace {

struct SortOutcome {
    std::size_t positions = 0;
    bool cancelled = false;
};

// Stops after the first position when `stopAfterFirst`, after `sortPositions` positions, or
// when the user cancels.
SortOutcome sortWithProgress(std::vector<TripleCount>& triples, ProgressLoop& loop,
                             bool stopAfterFirst, std::size_t sortPositions) {
    SortOutcome outcome;
    if (sortPositions == 0) return outcome;
    const long long n = static_cast<long long>(triples.size());
    outcome.positions = selectionSortLargestFirst(
        triples, [](const TripleCount& t) { return t.count; },
        [&](std::size_t position) {
            // Position i scans the n - i records from i on, so after it the sort has made
            // (i + 1) n - i (i + 1) / 2 comparisons; the percentage is 200 x comparisons / n^2,
            // which runs a little past 100 at the end and is held there.
            const long long i = static_cast<long long>(position);
            const long long comparisons = (i + 1) * n - i * (i + 1) / 2;
            if (loop.unitDone(std::min(2 * comparisons, n * n))) outcome.cancelled = true;
            return outcome.cancelled || stopAfterFirst || position + 1 >= sortPositions;
        });
    return outcome;
}

}  // namespace

void sortTriplesByFrequency(std::vector<TripleCount>& triples) {
    selectionSortLargestFirst(
        triples, [](const TripleCount& t) { return t.count; }, [](std::size_t) { return false; });
}

TripleCounts CountTriples(const DataHeader& header, const std::vector<TicketType>& entries,
                          const StatisticsSettings& settings, ProgressReporter* progress,
                          std::size_t sortPositions) {
    TripleCounts result;
    const int n = highestNumberOf(header);
    result.highestNumber = n;
    const std::size_t un = static_cast<std::size_t>(n);
    const SelectedRange range = selectedRange(entries, settings);

    // Counter of (a, b, c), a < b < c, at ((a - 1) n + b - 1) n + c - 1.
    std::vector<std::uint32_t> table(un * un * un, 0);
    bool stopped = false;
    {
        ProgressLoop loop(progress, "Counting triples...", static_cast<long long>(range.size()));
        for (std::size_t e = range.first; e < range.last; ++e) {
            DistinctNumbers distinct = distinctGameNumbers(entries[e], n);
            auto& drawn = distinct.values;
            const int k = distinct.count;
            std::sort(drawn.begin(), drawn.begin() + k);
            for (int i = 0; i < k; ++i)
                for (int j = i + 1; j < k; ++j) {
                    const std::size_t ij = (std::size_t(drawn[i] - 1) * un + (drawn[j] - 1)) * un;
                    for (int l = j + 1; l < k; ++l) ++table[ij + (drawn[l] - 1)];
                }
            if (loop.unitDone(static_cast<long long>(e - range.first))) {
                stopped = true;
                break;
            }
        }
    }

    result.triples.reserve(tripleCountFor(n));
    for (int a = 1; a <= n - 2; ++a)
        for (int b = a + 1; b <= n - 1; ++b)
            for (int c = b + 1; c <= n; ++c) {
                const std::uint32_t count =
                    table[(std::size_t(a - 1) * un + (b - 1)) * un + (c - 1)];
                result.triples.push_back(
                    TripleCount{std::uint16_t(a), std::uint16_t(b), std::uint16_t(c),
                                std::uint16_t(std::min<std::uint32_t>(count, 0xFFFF))});
            }
    table = {};

    const long long sets = static_cast<long long>(result.triples.size());
    ProgressLoop loop(progress, "Sorting triples ...", sets * sets);
    const SortOutcome sorted = sortWithProgress(result.triples, loop, stopped, sortPositions);
    result.sortedPositions = sorted.positions;
    result.stopped = stopped || sorted.cancelled;
    return result;
}

}  // namespace qv

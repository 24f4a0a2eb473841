// Counting and sorting the triples of a 91-number game, the fast sort beside the plain
// selection sort it reproduces.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "reference_statistics.h"
#include "core/statistics/statistics_report.h"
#include "core/statistics/triples.h"

namespace {

using namespace qv;

DataHeader game91() {
    DataHeader h;
    h.numbersInLotto = 91;
    h.numbersOnTicket = 6;
    return h;
}

// 10,000 draws of 6 distinct numbers out of 91, newest first: about 1.6 draws per set of
// three, so the counts are small and nearly every count is shared by thousands of sets.
const std::vector<TicketType>& draws91() {
    static const std::vector<TicketType> entries = [] {
        std::mt19937 rng(1991);
        std::vector<TicketType> e(10000);
        int day = 0;
        for (auto& t : e) {
            t.setDate(Date{1, std::int16_t(1 + day % 28), std::int16_t(2030 - day / 28)});
            ++day;
            int k = 0;
            while (k < 6) {
                auto v = std::int16_t(std::uniform_int_distribution<int>(1, 91)(rng));
                bool seen = false;
                for (int i = 0; i < k; ++i) seen = seen || t.numbers[i] == v;
                if (!seen) t.numbers[k++] = v;
            }
        }
        return e;
    }();
    return entries;
}

// The 121,485 sets in ascending order with their counts, before any sorting.
const std::vector<TripleCount>& unsortedTriples() {
    static const std::vector<TripleCount> list =
        CountTriples(game91(), draws91(), StatisticsSettings{}, nullptr, 0).triples;
    return list;
}

void BM_TriplesSortFast(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TripleCount> list = unsortedTriples();
        state.ResumeTiming();
        sortTriplesByFrequency(list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(unsortedTriples().size()));
}
BENCHMARK(BM_TriplesSortFast)->Unit(benchmark::kMillisecond);

void BM_TriplesSortPlain(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TripleCount> list = unsortedTriples();
        state.ResumeTiming();
        reference::selectionSortByCount(list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(unsortedTriples().size()));
}
BENCHMARK(BM_TriplesSortPlain)->Unit(benchmark::kMillisecond)->Iterations(1);

// What "stats triples" does on 10,000 draws: count, sort and make the lines.
void BM_CountTriplesWithLines(benchmark::State& state) {
    for (auto _ : state) {
        TripleCounts t = CountTriples(game91(), draws91(), StatisticsSettings{});
        std::vector<std::string> lines = triplesReport(t);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_CountTriplesWithLines)->Unit(benchmark::kMillisecond);

}  // namespace

// "Arrange Tickets By Result" on large ticket files, against the literal selection.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "reference_arrange.h"
#include "core/tickets/arrange.h"

namespace {

using namespace qv;

// A 6/49 ticket file; about one ticket in three carries a bonus number.
std::vector<TicketType> randomTickets(std::size_t count) {
    std::mt19937 rng(649);
    std::uniform_int_distribution<int> number(1, 49);
    std::vector<TicketType> tickets(count);
    for (TicketType& t : tickets) {
        for (int k = 0; k < 6; ++k) t.numbers[k] = static_cast<std::int16_t>(number(rng));
        if (rng() % 3 == 0) t.bonus[0] = static_cast<std::int16_t>(number(rng));
    }
    return tickets;
}

TicketType winning() {
    TicketType w;
    const std::int16_t numbers[] = {4, 11, 19, 23, 37, 45};
    for (int k = 0; k < 6; ++k) w.numbers[k] = numbers[k];
    w.bonus[0] = 8;
    return w;
}

void BM_ArrangeFast(benchmark::State& state) {
    const std::vector<TicketType> tickets = randomTickets(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TicketType> copy = tickets;
        TicketOrder order(copy.size());
        state.ResumeTiming();
        order.arrangeByResult(copy, nullptr, winning());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_ArrangeFast)
    ->Arg(2000)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The literal selection matches every remaining row at each position: quadratic, so it is
// measured on smaller files (100,000 tickets would take minutes).
void BM_ArrangeReference(benchmark::State& state) {
    const std::vector<TicketType> tickets = randomTickets(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TicketType> copy = tickets;
        std::vector<int> labels(copy.size());
        state.ResumeTiming();
        reference::arrangeByResult(copy, labels, winning(), nullptr);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_ArrangeReference)
    ->Arg(2000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

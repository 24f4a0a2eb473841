// The odds of a ticket set over every draw: the count along shared beginnings beside the plain
// scan of every draw, ball and ticket, on games where the plain scan finishes; and the count
// alone on the full 6/49 game with the bonus ball.
//
// Fast and Plain run the same case (<tickets>/<lotto>/<numbers per ticket>/<ball>), so the
// ratio is Plain time / Fast time.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "reference_odds.h"
#include "core/tickets/odds.h"

namespace {

using namespace qv;

template <bool kPlain>
void BM_Odds(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const OddsGame game{static_cast<int>(state.range(1)), static_cast<int>(state.range(2)),
                        state.range(3) != 0};
    std::mt19937 rng(2026);
    const std::vector<TicketType> tickets = test::randomTickets(rng, count, game.lotto, game.perTicket);
    for (auto _ : state) {
        const auto odds = kPlain ? std::optional<TicketOdds>(test::literalTicketOdds(tickets, game))
                                 : countTicketOdds(tickets, game, nullptr);
        benchmark::DoNotOptimize(odds);
    }
    std::uint64_t draws = 1;
    for (int k = 0; k < game.perTicket; ++k)
        draws = draws * static_cast<std::uint64_t>(game.lotto - k) / static_cast<std::uint64_t>(k + 1);
    state.counters["draws"] = static_cast<double>(draws * (game.bonusBall ? game.lotto - game.perTicket : 1));
}

void sideBySide(benchmark::internal::Benchmark* b) {
    b->Args({500, 25, 6, 1})->Args({500, 30, 6, 0})->Args({500, 28, 6, 1})->Args({500, 20, 5, 1});
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_Odds<false>)->Name("Odds/Fast")->Apply(sideBySide);
BENCHMARK(BM_Odds<true>)->Name("Odds/Plain")->Apply(sideBySide)->Iterations(1);
BENCHMARK(BM_Odds<false>)
    ->Name("Target/Odds649Ball")
    ->Args({500, 49, 6, 1})
    ->Unit(benchmark::kMillisecond);

// Confirming wheel guarantees: the search beside the literal check that compares every row
// with every draw, on games where the literal check finishes, and the search alone on full
// 6/49 games.
//
// Each case is named <game>/<guarantee>; Fast and Literal run the same case, so the ratio is
// Literal time / Fast time.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "reference_guarantee.h"
#include "test_support.h"
#include "core/wheels/guarantee.h"

namespace {

using namespace qv;

// Answers Yes to every question and never cancels.
struct AddEverything : GuaranteeObserver {
    void showPercent(int) override {}
    long long cancelledAfter(long long, long long) override { return 0; }
    bool addCombination(const Combination&) override { return true; }
    bool addAll() override { return true; }
};

TicketType firstRow(int p) {
    TicketType t;
    for (int k = 0; k < p; ++k)
        t.numbers[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k + 1);
    return t;
}

// A valid "G if P" wheel on N numbers: the check's own growing mode from the row 1..P.
const std::vector<TicketType>& grownRows(int n, int g, int p) {
    static std::map<std::vector<int>, std::vector<TicketType>> made;
    auto& rows = made[{n, g, p}];
    if (rows.empty()) {
        WheelInfo w = test::makeWheel(n, g, p, p, {firstRow(p)});
        AddEverything yes;
        checkGuarantee(w, yes);
        rows = w.rows;
    }
    return rows;
}

// Every set of three of 1..49 in some row of six: each row starts from the first set not yet
// held and takes the three numbers that hold the most new sets.
const std::vector<TicketType>& tripleCover49() {
    static const std::vector<TicketType> rows = [] {
        constexpr int n = 49;
        std::vector<char> held(n * n * n, 0);
        auto at = [](int a, int b, int c) { return (a * n + b) * n + c; };
        auto mark = [&](const std::vector<int>& r) {
            for (std::size_t x = 0; x < r.size(); ++x)
                for (std::size_t y = x + 1; y < r.size(); ++y)
                    for (std::size_t z = y + 1; z < r.size(); ++z) {
                        int v[3] = {r[x], r[y], r[z]};
                        std::sort(v, v + 3);
                        held[static_cast<std::size_t>(at(v[0], v[1], v[2]))] = 1;
                    }
        };
        std::vector<TicketType> out;
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                for (int c = b + 1; c < n; ++c) {
                    if (held[static_cast<std::size_t>(at(a, b, c))]) continue;
                    std::vector<int> row{a, b, c};
                    while (row.size() < 6) {
                        int best = -1, bestGain = -1;
                        for (int x = 0; x < n; ++x) {
                            if (std::find(row.begin(), row.end(), x) != row.end()) continue;
                            int gain = 0;
                            for (std::size_t i = 0; i < row.size(); ++i)
                                for (std::size_t j = i + 1; j < row.size(); ++j) {
                                    int v[3] = {row[i], row[j], x};
                                    std::sort(v, v + 3);
                                    gain += !held[static_cast<std::size_t>(at(v[0], v[1], v[2]))];
                                }
                            if (gain > bestGain) best = x, bestGain = gain;
                        }
                        row.push_back(best);
                    }
                    mark(row);
                    std::sort(row.begin(), row.end());
                    TicketType t;
                    for (int k = 0; k < 6; ++k)
                        t.numbers[static_cast<std::size_t>(k)] =
                            static_cast<std::int16_t>(row[static_cast<std::size_t>(k)] + 1);
                    out.push_back(t);
                }
        return out;
    }();
    return rows;
}

template <bool kLiteral>
void runCheck(benchmark::State& state, const WheelInfo& wheel) {
    long long visited = 0;
    for (auto _ : state) {
        WheelInfo w = wheel;
        AddEverything yes;
        const GuaranteeResult r =
            kLiteral ? test::literalGuaranteeCheck(w, yes) : checkGuarantee(w, yes);
        if (r.invalid || r.rowsAdded != 0) state.SkipWithError("the wheel is not valid");
        visited = r.checked;
        benchmark::DoNotOptimize(r);
    }
    state.counters["draws"] = static_cast<double>(visited);
    state.counters["rows"] = static_cast<double>(wheel.rows.size());
}

// A grown wheel checked as it is: every draw visited.
template <bool kLiteral>
void BM_Valid(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int g = static_cast<int>(state.range(1));
    const int i = static_cast<int>(state.range(2));
    const int p = static_cast<int>(state.range(3));
    runCheck<kLiteral>(state, test::makeWheel(n, g, i, p, grownRows(n, g, p)));
}

// Growing a wheel from its first row, every question answered Yes.
template <bool kLiteral>
void BM_Grow(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int g = static_cast<int>(state.range(1));
    const int p = static_cast<int>(state.range(2));
    std::size_t rows = 0;
    for (auto _ : state) {
        WheelInfo w = test::makeWheel(n, g, p, p, {firstRow(p)});
        AddEverything yes;
        const GuaranteeResult r =
            kLiteral ? test::literalGuaranteeCheck(w, yes) : checkGuarantee(w, yes);
        rows = w.rows.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_ThreeIfThree49(benchmark::State& state) {
    runCheck<false>(state, test::makeWheel(49, 3, 3, 6, tripleCover49()));
}

// Games where the literal check finishes: {N, G, I, P}.
void literalSizes(benchmark::internal::Benchmark* b) {
    b->Args({20, 3, 6, 6})
        ->Args({30, 3, 6, 6})
        ->Args({22, 4, 6, 6})
        ->Args({20, 5, 5, 5})
        ->Args({20, 3, 4, 4})
        ->Args({20, 4, 4, 4})
        ->Args({25, 3, 5, 5});
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_Valid<false>)->Name("Valid/Fast")->Apply(literalSizes);
BENCHMARK(BM_Valid<true>)->Name("Valid/Literal")->Apply(literalSizes)->Iterations(1);
BENCHMARK(BM_Grow<false>)
    ->Name("Grow/Fast")
    ->Args({20, 3, 6})
    ->Args({20, 4, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grow<true>)
    ->Name("Grow/Literal")
    ->Args({20, 3, 6})
    ->Args({20, 4, 4})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The full games, the search alone.
BENCHMARK(BM_Valid<false>)
    ->Name("Target/Valid649/3if6")
    ->Args({49, 3, 6, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeIfThree49)->Name("Target/Valid649/3if3")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grow<false>)
    ->Name("Target/Grow649/3if6")
    ->Args({49, 3, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Valid<false>)
    ->Name("Target/Valid649/4if6")
    ->Args({49, 4, 6, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Valid<false>)
    ->Name("Target/Valid539/4if5")
    ->Args({39, 4, 5, 5})
    ->Unit(benchmark::kMillisecond);
// "5 if 6" and "6 if 6" go through the row counts along the path rather than the set tables.
BENCHMARK(BM_Valid<false>)
    ->Name("Target/Valid24/5if6")
    ->Args({24, 5, 6, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Valid<false>)
    ->Name("Target/Valid16/6if6")
    ->Args({16, 6, 6, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Grow<false>)
    ->Name("Target/Grow20/5if6")
    ->Args({20, 5, 6})
    ->Unit(benchmark::kMillisecond);
// The literal check on the first full game, once: minutes rather than milliseconds.
BENCHMARK(BM_Valid<true>)
    ->Name("Target/Literal649/3if6")
    ->Args({49, 3, 6, 6})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

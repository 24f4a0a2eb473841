// Sorting, loading and saving a full draw database.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "reference_sort.h"
#include "core/database/draw_database.h"

namespace {

using namespace qv;

// A full database in random order with about 3,000 distinct dates, so most dates repeat.
std::vector<TicketType> randomEntries(std::size_t count) {
    std::mt19937 rng(2004);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<TicketType> entries(count);
    for (auto& t : entries) {
        t.setDate(Date{std::int16_t(pick(1, 12)), std::int16_t(pick(1, 28)),
                       std::int16_t(pick(1995, 2004))});
        for (int k = 0; k < 6; ++k) t.numbers[k] = std::int16_t(pick(1, 49));
        t.bonus[0] = std::int16_t(pick(1, 49));
    }
    return entries;
}

const std::vector<TicketType>& fullDatabase() {
    static const std::vector<TicketType> entries = randomEntries(DrawDatabase::kMaxEntries);
    return entries;
}

void BM_SortFast(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        DrawDatabase db;
        db.replace(DataHeader{}, fullDatabase());
        state.ResumeTiming();
        db.sort(nullptr);
        benchmark::DoNotOptimize(db.entries().data());
    }
}
BENCHMARK(BM_SortFast)->Unit(benchmark::kMillisecond);

void BM_SortReference(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TicketType> entries = fullDatabase();
        state.ResumeTiming();
        reference::selectionSortEntries(entries, nullptr);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(BM_SortReference)->Unit(benchmark::kMillisecond)->Iterations(1);

Bytes fullDatabaseBytes() {
    DrawDatabase db;
    db.replace(DataHeader{}, fullDatabase());
    db.setUpdateLink("https://example.org/draws");
    return db.toBytes();
}

void BM_LoadFromBytes(benchmark::State& state) {
    const Bytes bytes = fullDatabaseBytes();
    for (auto _ : state) {
        DrawDatabase db;
        db.loadFromBytes(bytes);
        benchmark::DoNotOptimize(db.entries().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadFromBytes)->Unit(benchmark::kMillisecond);

std::string benchFile() {
    return (std::filesystem::temp_directory_path() /
            ("qv-bench-db-" + std::to_string(::getpid()) + ".dat"))
        .string();
}

void BM_LoadFile(benchmark::State& state) {
    const std::string path = benchFile();
    DrawDatabase source;
    source.replace(DataHeader{}, fullDatabase());
    if (!source.saveAs(path).ok()) {
        state.SkipWithError("cannot write the benchmark file");
        return;
    }
    for (auto _ : state) {
        DrawDatabase db;
        if (!db.load(path)) state.SkipWithError("cannot read the benchmark file");
        benchmark::DoNotOptimize(db.entries().data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

// The save includes the flush to disk that makes it atomic.
void BM_SaveFile(benchmark::State& state) {
    const std::string path = benchFile();
    DrawDatabase db;
    db.replace(DataHeader{}, fullDatabase());
    db.setFileName(path);
    for (auto _ : state) {
        if (!db.save().ok()) {
            state.SkipWithError("cannot write the benchmark file");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

}  // namespace

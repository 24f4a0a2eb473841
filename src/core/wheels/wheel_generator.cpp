#include "core/wheels/wheel_generator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <tuple>

#include "core/wheels/cover_search.h"
#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_constructions.h"
#include "core/wheels/wheel_library.h"

namespace qv {

namespace {

using Clock = std::chrono::steady_clock;
using cover::Row;
using cover::Rows;

constexpr int kMinPerTicket = 4;
constexpr int kMaxPerTicket = 6;
constexpr int kMaxNumbersToWheel = 100;

cover::Terms coverTerms(const GuaranteeTerms& t) {
    return {t.numbersToWheel, t.numbersPerTicket, t.guarantee, t.guaranteeIf};
}

// Counts by comparing every I-subset with every row: for terms too large to search.
long long coveredByEnumeration(const cover::Terms& t, const std::vector<cover::Mask>& masks) {
    std::array<int, cover::kMaxPerRow> idx{};
    for (int j = 0; j < t.i; ++j) idx[j] = j;
    long long covered = 0;
    while (true) {
        cover::Mask s;
        for (int j = 0; j < t.i; ++j) s.set(idx[j]);
        for (const cover::Mask& m : masks)
            if (cover::commonCount(m, s) >= t.g) {
                ++covered;
                break;
            }
        int j = t.i - 1;
        while (j >= 0 && idx[j] == t.n - t.i + j) --j;
        if (j < 0) return covered;
        ++idx[j];
        for (int k = j + 1; k < t.i; ++k) idx[k] = idx[k - 1] + 1;
    }
}

long long coveredCount(const cover::Terms& t, const Rows& rows) {
    if (!cover::searchable(t)) {
        std::vector<cover::Mask> masks;
        for (const Row& row : rows) masks.push_back(cover::maskOf(row, t.p));
        return coveredByEnumeration(t, masks);
    }
    cover::CoverState state(t);
    state.assign(rows);
    return state.total() - state.uncovered();
}

// The best wheel any search has found: within the row cap before above it, then fewer
// uncovered I-subsets, then fewer rows, then better balance.
class Best {
public:
    Best(const cover::Terms& terms, std::size_t rowCap) : terms_(terms), rowCap_(rowCap) {}

    void offer(const Rows& rows, long long uncovered) {
        const auto [lo, hi] = cover::spread(terms_.n, terms_.p, rows);
        const auto key = std::make_tuple(rowCap_ > 0 && rows.size() > rowCap_, uncovered,
                                         rows.size(), hi - lo);
        std::lock_guard lock(mutex_);
        if (have_ && !(key < key_)) return;
        have_ = true;
        rows_ = rows;
        uncovered_ = uncovered;
        key_ = key;
        changed_ = true;
        changedSignal_.notify_all();
    }
    // The smallest valid wheel, when one is known.
    bool validRows(Rows& out) const {
        std::lock_guard lock(mutex_);
        if (!have_ || uncovered_ != 0) return false;
        out = rows_;
        return true;
    }
    struct Snapshot {
        bool have = false;
        Rows rows;
        long long uncovered = 0;
    };
    Snapshot snapshot() const {
        std::lock_guard lock(mutex_);
        return {have_, rows_, uncovered_};
    }
    // Waits until a new best arrives or the time passes.
    void waitForChange(Clock::duration timeout) {
        std::unique_lock lock(mutex_);
        changedSignal_.wait_for(lock, timeout, [this] { return changed_; });
        changed_ = false;
    }
    void wake() {
        std::lock_guard lock(mutex_);
        changed_ = true;
        changedSignal_.notify_all();
    }

private:
    cover::Terms terms_;
    mutable std::mutex mutex_;
    std::condition_variable changedSignal_;
    bool changed_ = false;
    bool have_ = false;
    Rows rows_;
    long long uncovered_ = 0;
    std::size_t rowCap_;
    std::tuple<bool, long long, std::size_t, int> key_;
};

struct SearchSetup {
    cover::Terms terms;
    cover::DescentGoal goal;
    Rows start;              // a valid wheel to start from; empty: a greedy cover
};

// One search's link to the others: what it reaches goes to the shared best, and it moves on
// from a smaller wheel another search found.
class SharedSink : public cover::DescentSink {
public:
    explicit SharedSink(Best& best) : best_(best) {}
    void reached(const Rows& rows, long long uncovered) override { best_.offer(rows, uncovered); }
    bool smaller(std::size_t than, Rows& rows) override {
        Rows shared;
        if (!best_.validRows(shared) || shared.size() >= than) return false;
        rows = std::move(shared);
        return true;
    }

private:
    Best& best_;
};

void searchWorker(const SearchSetup& setup, int index, std::uint64_t seed,
                  const cover::Limits& limits, Best& best, std::atomic<bool>& stop) {
    cover::Random random(seed);
    cover::CoverState state(setup.terms);
    Rows valid = setup.start;
    SharedSink sink(best);
    cover::DescentGoal goal = setup.goal;
    goal.schedule = cover::scheduleFor(index);
    if (cover::descend(state, random, limits, goal, valid, &sink)) stop = true;
}

// Wheels for fewer positions than a row holds: one row with every position.
Rows singleRow(const cover::Terms& t) {
    Row row{};
    for (int j = 0; j < std::min(t.n, t.p); ++j) row[j] = static_cast<std::uint8_t>(j);
    return {row};
}

}  // namespace

WheelTermsProblem wheelTermsProblem(const GuaranteeTerms& t) {
    auto problem = [](WheelTermsField field, std::string message) {
        return WheelTermsProblem{field, std::move(message)};
    };
    if (t.numbersPerTicket < kMinPerTicket || t.numbersPerTicket > kMaxPerTicket)
        return problem(WheelTermsField::PerTicket, "numbers per ticket must be 4, 5 or 6");
    if (t.guarantee < 1) return problem(WheelTermsField::Guarantee, "the guarantee must be at least 1");
    if (t.guarantee > t.guaranteeIf)
        return problem(WheelTermsField::Guarantee, "the guarantee must not be larger than \"if\"");
    if (t.guaranteeIf > t.numbersPerTicket)
        return problem(WheelTermsField::If, "\"if\" must not be larger than the numbers per ticket");
    if (t.numbersToWheel < t.guaranteeIf)
        return problem(WheelTermsField::Numbers, "the numbers to wheel must be at least \"if\"");
    if (t.numbersToWheel > kMaxNumbersToWheel ||
        guaranteeCheckable(t) != GuaranteeCheckable::Yes)
        return problem(WheelTermsField::Numbers, "the numbers to wheel must be at most 100");
    if (wheelLowerBound(t) > static_cast<long long>(WheelInfo::kMaxRows))
        return problem(WheelTermsField::Numbers,
                       "no wheel of these terms fits in 32767 tickets: fewer numbers to wheel");
    return {};
}

std::string defaultWheelDescription(const GuaranteeTerms& t) {
    return std::to_string(t.numbersToWheel) + " nrs " + std::to_string(t.guarantee) + " if " +
           std::to_string(t.guaranteeIf);
}

GeneratedWheel generateWheel(const GuaranteeTerms& terms, const GeneratorOptions& options,
                             GeneratorObserver* observer) {
    GeneratedWheel result;
    if (wheelTermsProblem(terms)) return result;
    const Clock::time_point started = Clock::now();
    const auto budget = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(std::max(0.0, options.seconds)));
    std::atomic<bool> stop{false};
    const cover::Limits limits{&stop, started + budget};

    SearchSetup setup;
    setup.terms = coverTerms(terms);
    // A wheel file holds at most kMaxRows rows: beyond that, as under a smaller cap, the
    // best coverage that fits.
    setup.goal.rowCap =
        options.rowCap > 0 ? std::min(static_cast<std::size_t>(options.rowCap), WheelInfo::kMaxRows)
                           : WheelInfo::kMaxRows;
    // A wheel that meets the lower bound ends the search: nothing smaller exists.
    const long long proven = options.coverings ? wheelBounds(terms, *options.coverings).lowerBound
                                               : wheelLowerBound(terms);
    setup.goal.lowerBound = std::max(proven, options.lowerBound);
    const cover::Terms t = setup.terms;
    result.total = cover::choose(t.n, t.i);

    Best best(t, setup.goal.rowCap);
    if (t.n <= t.p) {
        best.offer(singleRow(t), 0);
    } else {
        // Constructions get a third of the budget when a search follows them (half for
        // lotto wheels, which split into smaller ones).
        cover::Limits building = limits;
        if (cover::searchable(t)) building.deadline = started + budget / (t.i > t.g ? 2 : 3);
        setup.start =
            cover::startingWheel(t, {options.libraryFolders, options.coverings}, building);
        if (!setup.start.empty()) best.offer(setup.start, 0);
        // Too many I-subsets to count and nothing built: a wheel "G if I'" for a smaller I'
        // also guarantees G if I.
        while (setup.start.empty() && !cover::searchable(setup.terms) && setup.terms.i > t.g)
            --setup.terms.i;
    }

    auto report = [&](const Best::Snapshot& s) {
        if (!observer) return;
        GeneratorProgress progress;
        progress.bestRows = s.have ? static_cast<int>(s.rows.size()) : 0;
        progress.total = result.total;
        progress.covered = s.have ? result.total - s.uncovered : 0;
        progress.elapsedSeconds = std::chrono::duration<double>(Clock::now() - started).count();
        if (observer->progress(progress)) {
            stop = true;
            result.stopped = true;
        }
    };

    if (t.n > t.p && cover::searchable(setup.terms) &&
        (setup.start.empty() || cover::searchable(t))) {
        int threads = options.threads > 0 ? options.threads
                                          : static_cast<int>(std::thread::hardware_concurrency());
        // Each search counts every I-subset: together they stay within a few hundred MB.
        const long long perSearch = cover::choose(setup.terms.n, setup.terms.i);
        threads = std::clamp(
            threads, 1,
            static_cast<int>(std::clamp(4 * cover::kMaxCountedSubsets / perSearch, 1LL, 64LL)));
        std::atomic<int> running{threads};
        std::vector<std::thread> workers;
        for (int k = 0; k < threads; ++k)
            workers.emplace_back([&, k] {
                searchWorker(setup, k, options.seed + static_cast<std::uint64_t>(k) * 0x9e3779b9ULL,
                             limits, best, stop);
                --running;
                best.wake();
            });
        while (running > 0) {
            best.waitForChange(std::chrono::milliseconds(50));
            report(best.snapshot());
        }
        for (std::thread& w : workers) w.join();
    }
    report(best.snapshot());

    const Best::Snapshot found = best.snapshot();
    if (!found.have) return result;
    Rows rows = found.rows;
    if (rows.size() > setup.goal.rowCap) rows.resize(setup.goal.rowCap);
    std::sort(rows.begin(), rows.end());
    result.rows = cover::ticketsOf(rows, std::min(t.p, t.n));
    result.confirmed = wheelConfirmed(generatedWheelInfo(terms, result), &result.check);
    result.covered = result.confirmed ? result.total : coveredCount(t, rows);
    std::tie(result.balanceMin, result.balanceMax) = cover::spread(t.n, std::min(t.p, t.n), rows);
    return result;
}

WheelInfo generatedWheelInfo(const GuaranteeTerms& terms, const GeneratedWheel& wheel,
                             const std::string& description) {
    WheelInfo info;
    info.description = description.empty() ? defaultWheelDescription(terms) : description;
    info.numbersToWheel = static_cast<std::int16_t>(terms.numbersToWheel);
    info.guarantee = static_cast<std::int16_t>(terms.guarantee);
    info.numbersPerTicket = static_cast<std::int16_t>(terms.numbersPerTicket);
    info.guaranteeIf = static_cast<std::int16_t>(terms.guaranteeIf);
    info.setRows(wheel.rows);
    return info;
}

long long coveredSubsets(const GuaranteeTerms& terms, const std::vector<TicketType>& tickets) {
    const cover::Terms t = coverTerms(terms);
    if (t.i < 1 || t.i > cover::kMaxPerRow || t.n < t.i || t.n > cover::kMaxPositions) return 0;
    std::vector<cover::Mask> masks;
    for (const TicketType& ticket : tickets) {
        cover::Mask m;
        for (int j = 0; j < std::clamp(t.p, 0, static_cast<int>(kMaxNumbersOnTicket)); ++j)
            if (ticket.numbers[j] >= 1 && ticket.numbers[j] <= t.n) m.set(ticket.numbers[j] - 1);
        masks.push_back(m);
    }
    return coveredByEnumeration(t, masks);
}

std::pair<int, int> wheelBalance(int numbersToWheel, const std::vector<TicketType>& rows) {
    std::vector<int> on(static_cast<std::size_t>(std::max(0, numbersToWheel)), 0);
    for (const TicketType& row : rows)
        for (std::int16_t v : row.numbers)
            if (v >= 1 && v <= numbersToWheel) ++on[static_cast<std::size_t>(v - 1)];
    if (on.empty()) return {0, 0};
    const auto [lo, hi] = std::minmax_element(on.begin(), on.end());
    return {*lo, *hi};
}

}  // namespace qv

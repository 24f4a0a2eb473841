#include "core/wheels/cover_search.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace qv::cover {

namespace {

using Clock = std::chrono::steady_clock;

struct Binomials {
    std::array<std::array<long long, kMaxPerRow + 1>, kMaxPositions + 1> c{};
    Binomials() {
        for (int n = 0; n <= kMaxPositions; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= kMaxPerRow; ++k) c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
const Binomials& binomials() {
    static const Binomials table;
    return table;
}

// Calls f(chosen) for every k-subset of items[0..n-1], in order; chosen keeps the items'
// order.
template <class F>
void forEachSubset(const std::uint8_t* items, int n, int k, F&& f) {
    if (k < 0 || k > n) return;
    std::array<int, kMaxPerRow> idx{};
    std::array<std::uint8_t, kMaxPerRow> chosen{};
    for (int j = 0; j < k; ++j) idx[j] = j;
    while (true) {
        for (int j = 0; j < k; ++j) chosen[j] = items[idx[j]];
        f(chosen.data());
        int j = k - 1;
        while (j >= 0 && idx[j] == n - k + j) --j;
        if (j < 0) return;
        ++idx[j];
        for (int m = j + 1; m < k; ++m) idx[m] = idx[m - 1] + 1;
    }
}

// Merges two ascending lists into out.
void merge(const std::uint8_t* a, int na, const std::uint8_t* b, int nb, std::uint8_t* out) {
    int i = 0, j = 0;
    while (i < na && j < nb) *out++ = a[i] < b[j] ? a[i++] : b[j++];
    while (i < na) *out++ = a[i++];
    while (j < nb) *out++ = b[j++];
}

std::uint32_t rankOf(const std::uint8_t* sorted, int size) {
    const auto& c = binomials().c;
    long long rank = 0;
    for (int j = 0; j < size; ++j) rank += c[sorted[j]][j + 1];
    return static_cast<std::uint32_t>(rank);
}

// Rank of sorted[0..size-1] with z (not among them) inserted.
std::uint32_t rankWith(const std::uint8_t* sorted, int size, int z) {
    const auto& c = binomials().c;
    long long rank = 0;
    int j = 0;
    for (; j < size && sorted[j] < z; ++j) rank += c[sorted[j]][j + 1];
    rank += c[z][j + 1];
    for (; j < size; ++j) rank += c[sorted[j]][j + 2];
    return static_cast<std::uint32_t>(rank);
}

// Positions 0..n-1 not in the mask and not `skip`.
int complement(const Mask& mask, int n, int skip, std::uint8_t* out) {
    int m = 0;
    for (int v = 0; v < n; ++v)
        if (!mask.test(v) && v != skip) out[m++] = static_cast<std::uint8_t>(v);
    return m;
}

}  // namespace

long long choose(int n, int k) {
    if (n < 0 || k < 0 || n > kMaxPositions || k > kMaxPerRow || k > n) return 0;
    return binomials().c[n][k];
}

bool searchable(const Terms& t) {
    return t.n <= kMaxPositions && t.p <= kMaxPerRow && t.i <= t.p && t.g >= 1 && t.g <= t.i &&
           t.n >= t.p && choose(t.n, t.i) <= kMaxCountedSubsets;
}

Random::Random(std::uint64_t seed) {
    for (auto& s : s_) {  // splitmix64
        seed += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        s = z ^ (z >> 31);
    }
}

std::uint64_t Random::next() {  // xoshiro256**
    const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = std::rotl(s_[3], 45);
    return result;
}

int commonCount(const Mask& a, const Mask& b) {
    return std::popcount(a.w[0] & b.w[0]) + std::popcount(a.w[1] & b.w[1]);
}

Mask maskOf(const Row& row, int p) {
    Mask m;
    for (int j = 0; j < p; ++j) m.set(row[j]);
    return m;
}

bool Limits::over() const {
    return (stop && stop->load(std::memory_order_relaxed)) ||
           std::chrono::steady_clock::now() >= deadline;
}

CoverState::CoverState(const Terms& terms)
    : terms_(terms),
      count_(static_cast<std::size_t>(choose(terms.n, terms.i)), 0),
      where_(count_.size(), 0) {
    assign({});
}

// Every I-subset meeting the row in at least G positions.
template <class F>
void CoverState::forEachCovered(const Row& row, F&& f) const {
    const int p = terms_.p, i = terms_.i;
    std::array<std::uint8_t, kMaxPositions> comp{};
    const int m = complement(maskOf(row, p), terms_.n, -1, comp.data());
    std::array<std::uint8_t, kMaxPerRow> merged{};
    for (int j = terms_.g; j <= std::min(p, i); ++j)
        forEachSubset(row.data(), p, j, [&](const std::uint8_t* a) {
            forEachSubset(comp.data(), m, i - j, [&](const std::uint8_t* u) {
                merge(a, j, u, i - j, merged.data());
                f(rankOf(merged.data(), i));
            });
        });
}

// Pairs (S + x, S + y) over the (I-1)-sets S made of G-1 other positions of row r and I-G
// positions outside the row other than y: swapping x for y takes G from the first and gives
// it to the second, and changes no other I-subset's count.
template <class F>
void CoverState::forEachSwapPair(std::size_t r, int x, int y, F&& f) const {
    const int p = terms_.p, g = terms_.g, i = terms_.i;
    const Row& row = rows_[r];
    std::array<std::uint8_t, kMaxPerRow> others{};
    int no = 0;
    for (int j = 0; j < p; ++j)
        if (row[j] != x) others[no++] = row[j];
    std::array<std::uint8_t, kMaxPositions> comp;
    const int m = i > g ? complement(masks_[r], terms_.n, y, comp.data()) : 0;
    std::array<std::uint8_t, kMaxPerRow> merged{};
    forEachSubset(others.data(), no, g - 1, [&](const std::uint8_t* a) {
        forEachSubset(comp.data(), m, i - g, [&](const std::uint8_t* u) {
            merge(a, g - 1, u, i - g, merged.data());
            f(rankWith(merged.data(), i - 1, x), rankWith(merged.data(), i - 1, y));
        });
    });
}

void CoverState::increment(std::uint32_t rank) {
    if (count_[rank]++ == 0) {
        const std::int32_t at = where_[rank];
        const std::uint32_t last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(at)] = last;
        where_[last] = at;
        uncovered_.pop_back();
        where_[rank] = -1;
    }
}

void CoverState::decrement(std::uint32_t rank) {
    if (--count_[rank] == 0) {
        where_[rank] = static_cast<std::int32_t>(uncovered_.size());
        uncovered_.push_back(rank);
    }
}

void CoverState::setRowBits(std::size_t r, const Row& row, bool on) {
    const std::uint64_t bit = std::uint64_t{1} << (r & 63);
    for (int j = 0; j < terms_.p; ++j) {
        std::uint64_t& word = rowsWith_[row[j] * words_ + (r >> 6)];
        word = on ? word | bit : word & ~bit;
    }
}

void CoverState::assign(const Rows& rows) {
    rows_.clear();
    masks_.clear();
    words_ = std::max<std::size_t>(1, (rows.size() + 64) / 64);
    rowsWith_.assign(static_cast<std::size_t>(terms_.n) * words_, 0);
    std::fill(count_.begin(), count_.end(), 0);
    uncovered_.resize(count_.size());
    for (std::size_t k = 0; k < count_.size(); ++k) {
        uncovered_[k] = static_cast<std::uint32_t>(k);
        where_[k] = static_cast<std::int32_t>(k);
    }
    for (const Row& row : rows) addRow(row);
}

void CoverState::addRow(const Row& row) {
    if (rows_.size() + 1 > words_ * 64) {
        // Room for twice the rows: the bits are laid out again.
        const Rows keep = rows_;
        words_ *= 2;
        rowsWith_.assign(static_cast<std::size_t>(terms_.n) * words_, 0);
        for (std::size_t r = 0; r < keep.size(); ++r) setRowBits(r, keep[r], true);
    }
    setRowBits(rows_.size(), row, true);
    rows_.push_back(row);
    masks_.push_back(maskOf(row, terms_.p));
    forEachCovered(row, [this](std::uint32_t rank) { increment(rank); });
}

void CoverState::removeRow(std::size_t r) {
    forEachCovered(rows_[r], [this](std::uint32_t rank) { decrement(rank); });
    const std::size_t last = rows_.size() - 1;
    setRowBits(r, rows_[r], false);
    setRowBits(last, rows_[last], false);
    if (r != last) setRowBits(r, rows_[last], true);
    rows_[r] = rows_.back();
    masks_[r] = masks_.back();
    rows_.pop_back();
    masks_.pop_back();
}

long long CoverState::gainOf(const Row& row) const {
    long long gain = 0;
    forEachCovered(row, [&](std::uint32_t rank) { gain += count_[rank] == 0; });
    return gain;
}

long long CoverState::uniqueCoverage(std::size_t r) const {
    long long unique = 0;
    forEachCovered(rows_[r], [&](std::uint32_t rank) { unique += count_[rank] == 1; });
    return unique;
}

long long CoverState::swapDelta(std::size_t r, int x, int y) const {
    long long delta = 0;
    forEachSwapPair(r, x, y, [&](std::uint32_t lost, std::uint32_t won) {
        delta += (count_[lost] == 1) - (count_[won] == 0);
    });
    return delta;
}

void CoverState::applySwap(std::size_t r, int x, int y) {
    forEachSwapPair(r, x, y, [this](std::uint32_t lost, std::uint32_t won) {
        decrement(lost);
        increment(won);
    });
    Row& row = rows_[r];
    const int p = terms_.p;
    *std::find(row.begin(), row.begin() + p, static_cast<std::uint8_t>(x)) =
        static_cast<std::uint8_t>(y);
    std::sort(row.begin(), row.begin() + p);
    masks_[r].reset(x);
    masks_[r].set(y);
    const std::uint64_t bit = std::uint64_t{1} << (r & 63);
    rowsWith_[static_cast<std::size_t>(x) * words_ + (r >> 6)] &= ~bit;
    rowsWith_[static_cast<std::size_t>(y) * words_ + (r >> 6)] |= bit;
}

void CoverState::randomUncovered(Random& random, int* positions) const {
    long long rank = uncovered_[random.below(uncovered_.size())];
    const auto& c = binomials().c;
    int v = terms_.n - 1;
    for (int j = terms_.i; j >= 1; --j) {
        while (c[v][j] > rank) --v;
        positions[j - 1] = v;
        rank -= c[v][j];
        --v;
    }
}

int CoverState::rowsMeetingMost(const int* members, std::vector<std::uint64_t>& out) const {
    // Three bit planes count, per row, the members it holds (at most 6 < 8).
    const std::size_t words = (rows_.size() + 63) / 64;
    out.assign(words, 0);
    int most = -1;
    for (std::size_t w = 0; w < words; ++w) {
        std::uint64_t c0 = 0, c1 = 0, c2 = 0;
        for (int j = 0; j < terms_.i; ++j) {
            const std::uint64_t b = rowsWith_[static_cast<std::size_t>(members[j]) * words_ + w];
            const std::uint64_t carry0 = c0 & b;
            c0 ^= b;
            const std::uint64_t carry1 = c1 & carry0;
            c1 ^= carry0;
            c2 |= carry1;
        }
        const std::uint64_t valid = w + 1 < words || rows_.size() % 64 == 0
                                        ? ~std::uint64_t{0}
                                        : (std::uint64_t{1} << (rows_.size() % 64)) - 1;
        for (int k = terms_.i; k >= std::max(0, most); --k) {
            const std::uint64_t eq =
                valid & (k & 1 ? c0 : ~c0) & (k & 2 ? c1 : ~c1) & (k & 4 ? c2 : ~c2);
            if (!eq) continue;
            if (k > most) {
                std::fill(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(w), 0);
                most = k;
            }
            out[w] = eq;
            break;
        }
    }
    return most;
}

std::size_t randomSetBit(const std::vector<std::uint64_t>& bits, Random& random) {
    int total = 0;
    for (std::uint64_t b : bits) total += std::popcount(b);
    int pick = static_cast<int>(random.below(static_cast<std::uint64_t>(total)));
    for (std::size_t w = 0;; ++w) {
        std::uint64_t b = bits[w];
        const int here = std::popcount(b);
        if (pick >= here) {
            pick -= here;
            continue;
        }
        while (pick-- > 0) b &= b - 1;
        return w * 64 + static_cast<std::size_t>(std::countr_zero(b));
    }
}

namespace {

// One move: take an uncovered I-subset and a row meeting it in as many positions as any
// row does, and swap a position of the row outside the subset for one inside it.
struct Move {
    std::size_t row = 0;
    int out = 0;
    int in = 0;
    long long delta = 0;
};

Move proposeMove(const CoverState& state, Random& random, std::vector<std::uint64_t>& candidates) {
    const Terms& t = state.terms();
    std::array<int, kMaxPerRow> subset{};
    state.randomUncovered(random, subset.data());
    Mask s;
    for (int j = 0; j < t.i; ++j) s.set(subset[j]);
    state.rowsMeetingMost(subset.data(), candidates);
    const Rows& rows = state.rows();
    const std::vector<Mask>& masks = state.masks();
    Move move;
    move.row = randomSetBit(candidates, random);
    const Row& row = rows[move.row];
    std::array<int, kMaxPerRow> outs{}, ins{};
    int no = 0, ni = 0;
    const Mask& rm = masks[move.row];
    for (int j = 0; j < t.p; ++j)
        if (!s.test(row[j])) outs[no++] = row[j];
    for (int j = 0; j < t.i; ++j)
        if (!rm.test(subset[j])) ins[ni++] = subset[j];
    move.in = ins[random.below(static_cast<std::uint64_t>(ni))];
    // The position to give up: the one whose loss is least.
    move.delta = 0;
    int ties = 0;
    for (int k = 0; k < no; ++k) {
        const long long d = state.swapDelta(move.row, outs[k], move.in);
        if (k == 0 || d < move.delta) {
            move.delta = d;
            move.out = outs[k];
            ties = 1;
        } else if (d == move.delta && random.below(static_cast<std::uint64_t>(++ties)) == 0) {
            move.out = outs[k];
        }
    }
    return move;
}

}  // namespace

Schedule scheduleFor(int searchIndex) {
    if (searchIndex % 2 == 1) return Schedule{};
    Schedule quick;
    quick.hot = 0.6;
    quick.cold = 0.02;
    quick.movesPerSlot = 8;
    return quick;
}

bool anneal(CoverState& state, Random& random, const Limits& limits, Rows* best,
            long long* bestUncovered, const Schedule& schedule) {
    if (best) {
        *best = state.rows();
        if (bestUncovered) *bestUncovered = state.uncovered();
    }
    if (state.uncovered() == 0) return true;
    if (state.rows().empty()) return false;
    const Terms& t = state.terms();
    std::vector<std::uint64_t> candidates;
    const double hot = schedule.hot, cold = schedule.cold;
    const long long runLength = std::max<long long>(
        schedule.minRun, static_cast<long long>(static_cast<double>(state.rows().size()) * t.p *
                                                (t.n - t.p) * schedule.movesPerSlot));
    const double factor = std::pow(cold / hot, 1.0 / static_cast<double>(runLength));
    double temperature = hot;
    long long lowest = state.uncovered();
    for (long long step = 0;; ++step) {
        if ((step & 255) == 0 && limits.over()) return false;
        const Move move = proposeMove(state, random, candidates);
        const long long delta = move.delta;
        if (delta <= 0 || random.unit() < std::exp(-static_cast<double>(delta) / temperature)) {
            state.applySwap(move.row, move.out, move.in);
            if (state.uncovered() < lowest) {
                lowest = state.uncovered();
                if (best) {
                    *best = state.rows();
                    if (bestUncovered) *bestUncovered = lowest;
                }
                if (lowest == 0) return true;
            }
        }
        temperature *= factor;
        if (temperature < cold) temperature = hot;
    }
}

bool greedyCover(CoverState& state, Random& random, const Limits& limits, std::size_t maxRows) {
    const Terms& t = state.terms();
    constexpr int kCandidates = 12;
    while (state.uncovered() > 0) {
        if (maxRows > 0 && state.rows().size() >= maxRows) return false;
        if (limits.over()) return false;
        Row bestRow{};
        long long bestGain = -1;
        for (int c = 0; c < kCandidates; ++c) {
            std::array<int, kMaxPerRow> subset{};
            state.randomUncovered(random, subset.data());
            Mask m;
            Row row{};
            for (int j = 0; j < t.i; ++j) {
                row[j] = static_cast<std::uint8_t>(subset[j]);
                m.set(subset[j]);
            }
            for (int j = t.i; j < t.p; ++j) {
                int v;
                do v = static_cast<int>(random.below(static_cast<std::uint64_t>(t.n)));
                while (m.test(v));
                m.set(v);
                row[j] = static_cast<std::uint8_t>(v);
            }
            std::sort(row.begin(), row.begin() + t.p);
            const long long gain = state.gainOf(row);
            if (gain > bestGain) {
                bestGain = gain;
                bestRow = row;
            }
        }
        state.addRow(bestRow);
    }
    return true;
}

std::pair<int, int> spread(int n, int p, const Rows& rows) {
    std::vector<int> on(static_cast<std::size_t>(n), 0);
    for (const Row& row : rows)
        for (int j = 0; j < p; ++j) ++on[row[j]];
    if (on.empty()) return {0, 0};
    const auto [lo, hi] = std::minmax_element(on.begin(), on.end());
    return {*lo, *hi};
}

void balance(CoverState& state) {
    const Terms& t = state.terms();
    if (state.uncovered() != 0) return;
    // Swaps weighed in all: enough to even out a wheel, never long next to the search.
    long long budget = 200000;
    for (int round = 0; round < 10000 && budget > 0; ++round) {
        std::vector<int> on(static_cast<std::size_t>(t.n), 0);
        for (const Row& row : state.rows())
            for (int j = 0; j < t.p; ++j) ++on[row[j]];
        const auto [lo, hi] = std::minmax_element(on.begin(), on.end());
        if (*hi - *lo < 2) return;
        bool moved = false;
        // Any swap from a position on the most rows to one on the fewest that uncovers nothing.
        for (int x = 0; x < t.n && !moved; ++x) {
            if (on[x] != *hi) continue;
            for (int y = 0; y < t.n && !moved; ++y) {
                if (on[y] != *lo) continue;
                for (std::size_t r = 0; r < state.rows().size() && !moved; ++r) {
                    const Mask& m = state.masks()[r];
                    if (!m.test(x) || m.test(y)) continue;
                    if (--budget < 0) return;
                    if (state.swapDelta(r, x, y) == 0) {
                        state.applySwap(r, x, y);
                        moved = true;
                    }
                }
            }
        }
        if (!moved) return;
    }
}

bool descend(CoverState& state, Random& random, const Limits& limits, const DescentGoal& goal,
             Rows& valid, DescentSink* sink) {
    if (valid.empty()) {
        // The greedy cover is quick and gives the first valid wheel, so only a stop or the
        // row cap ends it.
        state.assign({});
        if (!greedyCover(state, random, Limits{limits.stop, Clock::time_point::max()},
                         goal.rowCap)) {
            // At the cap and not yet valid: better coverage within the cap, or valid at last.
            if (state.rows().empty()) return false;
            if (sink) sink->reached(state.rows(), state.uncovered());
            Rows closest;
            long long closestUncovered = 0;
            if (!anneal(state, random, limits, &closest, &closestUncovered, goal.schedule)) {
                if (sink) sink->reached(closest, closestUncovered);
                return false;
            }
        }
        balance(state);
        valid = state.rows();
        if (sink) sink->reached(valid, 0);
    }
    while (!limits.over()) {
        if (sink) sink->smaller(valid.size(), valid);
        const bool capped = goal.rowCap > 0 && valid.size() > goal.rowCap;
        if (!capped && static_cast<long long>(valid.size()) <= std::max(1LL, goal.lowerBound))
            return true;
        const std::size_t target = capped ? goal.rowCap : valid.size() - 1;
        state.assign(valid);
        // Far above the target, rows go at random; near it, the least useful first.
        while (state.rows().size() > target)
            state.removeRow(state.rows().size() > target + 64
                                ? static_cast<std::size_t>(random.below(state.rows().size()))
                                : leastUsefulRow(state));
        Rows closest;
        long long closestUncovered = 0;
        if (anneal(state, random, limits, capped ? &closest : nullptr, &closestUncovered,
                   goal.schedule)) {
            balance(state);
            valid = state.rows();
            if (sink) sink->reached(valid, 0);
        } else if (capped && sink) {
            sink->reached(closest, closestUncovered);
        }
    }
    return false;
}

std::size_t leastUsefulRow(const CoverState& state) {
    std::size_t best = 0;
    long long fewest = -1;
    for (std::size_t r = 0; r < state.rows().size(); ++r) {
        const long long unique = state.uniqueCoverage(r);
        if (fewest < 0 || unique < fewest) {
            fewest = unique;
            best = r;
        }
    }
    return best;
}

}  // namespace qv::cover

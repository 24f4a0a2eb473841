#pragma once
// The local search behind the wheel generator.
//
// A wheel of a fixed number of rows over positions 0..N-1 (P per row) keeps, for every
// I-subset of positions, the number of rows that meet it in at least G positions, and the
// list of I-subsets no row meets so. I-subsets are numbered by the combinatorial number
// system (s_0 < s_1 < ... gives C(s_0,1) + C(s_1,2) + ...). Swapping one position of a row
// for another changes only the I-subsets that hold G-1 of the row's other positions and one
// of the two, so a swap is weighed and made by visiting those alone.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

namespace qv::cover {

inline constexpr int kMaxPerRow = 6;
inline constexpr int kMaxPositions = 100;

// Positions ascending in the first `p` slots.
using Row = std::array<std::uint8_t, kMaxPerRow>;
using Rows = std::vector<Row>;

struct Terms {
    int n = 0;  // positions
    int p = 0;  // per row
    int g = 0;  // guarantee
    int i = 0;  // "if"
};

// C(n, k) for n <= kMaxPositions, k <= kMaxPerRow; 0 outside.
long long choose(int n, int k);

// The I-subsets a search can count without running short of memory.
inline constexpr long long kMaxCountedSubsets = 6'000'000;
bool searchable(const Terms& terms);

// Small, fast and seedable.
class Random {
public:
    explicit Random(std::uint64_t seed);
    std::uint64_t next();
    // Uniform in 0..bound-1 (bound > 0).
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t s_[4];
};

struct Mask {
    std::uint64_t w[2] = {0, 0};
    void set(int v) { w[v >> 6] |= std::uint64_t{1} << (v & 63); }
    void reset(int v) { w[v >> 6] &= ~(std::uint64_t{1} << (v & 63)); }
    bool test(int v) const { return (w[v >> 6] >> (v & 63)) & 1u; }
};
int commonCount(const Mask& a, const Mask& b);
Mask maskOf(const Row& row, int p);

class CoverState {
public:
    explicit CoverState(const Terms& terms);

    const Terms& terms() const { return terms_; }
    const Rows& rows() const { return rows_; }
    const std::vector<Mask>& masks() const { return masks_; }
    long long total() const { return static_cast<long long>(count_.size()); }
    long long uncovered() const { return static_cast<long long>(uncovered_.size()); }

    void assign(const Rows& rows);
    void addRow(const Row& row);
    void removeRow(std::size_t r);

    // Uncovered I-subsets the row would newly cover.
    long long gainOf(const Row& row) const;
    // I-subsets that only row r covers.
    long long uniqueCoverage(std::size_t r) const;

    // Change in the uncovered count when position x of row r is replaced by y (not in it).
    long long swapDelta(std::size_t r, int x, int y) const;
    void applySwap(std::size_t r, int x, int y);

    // A random uncovered I-subset (there must be one), its positions ascending.
    void randomUncovered(Random& random, int* positions) const;

    // The rows sharing the most positions with the I-subset `members` (ascending), as a bit
    // per row in `out`; returns that number of positions.
    int rowsMeetingMost(const int* members, std::vector<std::uint64_t>& out) const;

private:
    template <class F> void forEachCovered(const Row& row, F&& f) const;
    template <class F> void forEachSwapPair(std::size_t r, int x, int y, F&& f) const;
    void setRowBits(std::size_t r, const Row& row, bool on);
    void increment(std::uint32_t rank);
    void decrement(std::uint32_t rank);

    Terms terms_;
    Rows rows_;
    std::vector<Mask> masks_;
    std::vector<std::uint16_t> count_;
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::int32_t> where_;  // index in uncovered_, or -1
    // rowsWith_[v * words_ + w]: bit k stands for row 64w + k holding position v.
    std::vector<std::uint64_t> rowsWith_;
    std::size_t words_ = 0;
};

// Picks one set bit of `bits` at random; returns its index.
std::size_t randomSetBit(const std::vector<std::uint64_t>& bits, Random& random);

// When a search must end: a stop flag another thread may set, and a deadline.
struct Limits {
    const std::atomic<bool>* stop = nullptr;
    std::chrono::steady_clock::time_point deadline;
    bool over() const;
};

// The temperature falls geometrically from `hot` to `cold` over a run of moves, then starts
// again at the top. A run is `movesPerSlot` moves for every (row, position, outside
// position) choice, and at least `minRun`.
struct Schedule {
    double hot = 0.3;
    double cold = 0.1;
    double movesPerSlot = 100;
    long long minRun = 20000;
};
// Searches side by side take turns: short hot-to-cold runs settle small tight designs, long
// runs in a narrower band do better on large ones.
Schedule scheduleFor(int searchIndex);

// Simulated annealing over one-position swaps until every I-subset is covered (true), or the
// limits end it (false). `best` receives the rows with the fewest uncovered I-subsets seen
// when it is not null, and `bestUncovered` their count.
bool anneal(CoverState& state, Random& random, const Limits& limits, Rows* best = nullptr,
            long long* bestUncovered = nullptr, const Schedule& schedule = {});

// A greedy cover: rows are added, each the best of a few candidates that hold an uncovered
// I-subset, until all are covered or the limits end it.
// Stops, not covering all, at maxRows rows (0: no limit).
bool greedyCover(CoverState& state, Random& random, const Limits& limits, std::size_t maxRows = 0);

// Evens out how many rows each position is on with swaps that uncover nothing.
void balance(CoverState& state);

// Where a descent reports to: each wheel it settles on, and a smaller valid wheel found
// elsewhere to continue from.
class DescentSink {
public:
    virtual ~DescentSink() = default;
    // A wheel reached: valid when `uncovered` is 0, else the closest under a row cap.
    virtual void reached(const Rows& rows, long long uncovered) = 0;
    // A valid wheel smaller than `than` rows found elsewhere, if any.
    virtual bool smaller(std::size_t than, Rows& rows) = 0;
};

struct DescentGoal {
    std::size_t rowCap = 0;  // 0: none
    long long lowerBound = 1;
    Schedule schedule;
};

// From the valid wheel in `valid` (a greedy cover when empty): remove a row and repair the
// cover, again and again, until the limits end it or the lower bound is reached (true).
// `valid` ends as the smallest valid wheel found. Under a row cap the search works at the
// cap and reports the closest wheels.
bool descend(CoverState& state, Random& random, const Limits& limits, const DescentGoal& goal,
             Rows& valid, DescentSink* sink);

// The removal that loses least: the row covering fewest I-subsets alone.
std::size_t leastUsefulRow(const CoverState& state);

// {fewest, most} rows per position 0..n-1.
std::pair<int, int> spread(int n, int p, const Rows& rows);

}  // namespace qv::cover

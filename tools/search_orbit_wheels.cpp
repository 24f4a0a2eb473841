// Searches for wheels with a prescribed symmetry: the rows come in orbits under a permutation
// group of the positions, so only one base row per orbit is searched. Many of the smallest
// known designs were found this way; the search space is tiny next to a free search.
//
//   search_orbit_wheels --numbers N --per-ticket P --guarantee G --if I --group GROUP
//                       --orbits K [--free F] [--block B] [--block-orbits K2]
//                       [--free-blocks F2] [--seconds S] [--seed X] [--folder DIR]
//                       [--hot T] [--cold T] [--moves M]
//
// The wheel has K orbits of base rows (each as many rows as the group has elements) and F rows
// of their own. A move changes one position of one row; in an orbit row the change is made in
// every image of it, and is kept or undone as a whole. The temperature falls from hot to cold
// (as multiples of the group's order) over M moves (default 20) for every choice of base row,
// position and outside position, and starts again.
//
// With --block B the positions come in blocks of B (0..B-1, B..2B-1, ...); K2 more orbits
// and F2 more rows of their own are made of whole blocks, and a move exchanges a whole block.
// An orbit of blocks under a group that moves a block's positions among themselves is shorter
// than the group (its repeated rows count once). Rows of blocks alone are a wheel blown up
// from one on N / B positions with P / B per row. "3 if 5" on 18 numbers in 12 rows is such a
// wheel: nine pairs, and twelve triples of pairs such that every five pairs hold one of them, and
// every pair with any three others shares a triple with one of them or the three make one.
//
// GROUP (N must equal the positions the group acts on):
//   cyc:M:C:F      Z_M turning C cycles of M positions together, F positions fixed
//   cycrot:M:C:F   the same, and the C cycles turned among themselves (Z_M x Z_C)
//   aff:Q:D:C:F    x -> a x + b on C copies of Z_Q (Q prime), a in the subgroup of order D
//   bin:K:C:F      translations of GF(2)^K on C copies of 2^K positions, F fixed
//   ter:K:C:F      translations of GF(3)^K on C copies of 3^K positions, F fixed
//
// A wheel found is confirmed by the guarantee check and written to DIR under the library's
// name when it has fewer rows than the file there (or there is none). Prints one line with
// the result; exit 0 when a wheel was found, 1 when not, 2 on bad arguments.
//
// The library's wheels it made (P = 6, default temperatures, seed 1 unless said; seconds on
// one core):
//   18 nrs 3 if 3, 48 rows  --group cyc:6:3:0 --orbits 8                  0.4 s
//   19 nrs 3 if 3, 66 rows  --group cyc:9:2:1 --orbits 7 --free 3         15 s
//   15 nrs 4 if 5, 42 rows  --group cyc:7:2:1 --orbits 6                  0.1 s
//   15 nrs 4 if 6, 19 rows  --group cyc:5:3:0 --orbits 3 --free 4         0.1 s
//   18 nrs 3 if 5, 12 rows  --group cyc:18:1:0 --orbits 0 --free-blocks 12 --block 2  0.1 s
//   15 nrs 5 if 6, 173 rows --group cyc:15:1:0 --orbits 0 --free 173 --seed 2   32 s
//   15 nrs 3 if 4, 14 rows  --group cyc:15:1:0 --orbits 0 --free 14 --seed 6
//                           --moves 50 --hot 1 --cold 0.1                 27 s
//   12 nrs 5 if 6, 38 rows  --group cyc:12:1:0 --orbits 0 --free 38 --seed 6
//                           --moves 50 --hot 1 --cold 0.1                 16 s
//   27 nrs 3 if 4, 99 rows  --group ter:3:1:0 --orbits 3 --free 18 --moves 50 --hot 1
//                           --cold 0.1                                    5 s
// From that start "wheel generate" (one thread) took 27 nrs 3 if 4 to 89 rows in 60 s
// (--seed 3), and then made 49 nrs 3 if 6 of 166 rows in 10 s: the 77 rows of S(3,6,22) and
// a "3 if 4" wheel on the other 27 numbers.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/wheels/cover_search.h"
#include "core/wheels/wheel_constructions.h"
#include "core/wheels/wheel_generator.h"
#include "core/wheels/wheel_library.h"

namespace {

using namespace qv;
using cover::Row;
using cover::Rows;
using Perm = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxGroupOrder = 4096;

std::vector<int> fields(const std::string& text, std::string& kind) {
    std::stringstream in(text);
    std::string part;
    std::getline(in, kind, ':');
    std::vector<int> out;
    while (std::getline(in, part, ':')) out.push_back(std::atoi(part.c_str()));
    return out;
}

// Every element of the group the generators make (the closure), the identity first.
std::vector<Perm> closure(int n, const std::vector<Perm>& generators) {
    Perm identity(static_cast<std::size_t>(n));
    for (int x = 0; x < n; ++x)
        identity[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(x);
    std::vector<Perm> elements{identity};
    std::set<Perm> seen{identity};
    for (std::size_t k = 0; k < elements.size() && elements.size() <= kMaxGroupOrder; ++k)
        for (const Perm& g : generators) {
            Perm h(static_cast<std::size_t>(n));
            for (int x = 0; x < n; ++x)
                h[static_cast<std::size_t>(x)] = g[elements[k][static_cast<std::size_t>(x)]];
            if (seen.insert(h).second) elements.push_back(h);
        }
    return elements;
}

int primitiveRoot(int q) {
    for (int a = 2; a < q; ++a) {
        int x = 1, order = 0;
        do {
            x = x * a % q;
            ++order;
        } while (x != 1);
        if (order == q - 1) return a;
    }
    return 1;
}

// The group's elements, or none when the text is bad or does not act on n positions.
std::vector<Perm> groupOf(const std::string& text, int n) {
    std::string kind;
    const std::vector<int> f = fields(text, kind);
    std::vector<Perm> generators;
    // A generator from a map on one copy of `m` points, applied to `copies` copies.
    auto onCopies = [&](int m, int copies, auto&& map) {
        Perm g(static_cast<std::size_t>(n));
        for (int x = 0; x < n; ++x) g[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(x);
        for (int c = 0; c < copies; ++c)
            for (int j = 0; j < m; ++j)
                g[static_cast<std::size_t>(c * m + j)] = static_cast<std::uint8_t>(c * m + map(j));
        return g;
    };
    if ((kind == "cyc" || kind == "cycrot") && f.size() == 3) {
        const int m = f[0], c = f[1], fixed = f[2];
        if (m < 2 || c < 1 || fixed < 0 || m * c + fixed != n) return {};
        generators.push_back(onCopies(m, c, [m](int j) { return (j + 1) % m; }));
        if (kind == "cycrot" && c > 1) {
            Perm g = onCopies(m, c, [](int j) { return j; });
            for (int k = 0; k < c; ++k)
                for (int j = 0; j < m; ++j)
                    g[static_cast<std::size_t>(k * m + j)] =
                        static_cast<std::uint8_t>(((k + 1) % c) * m + j);
            generators.push_back(g);
        }
    } else if (kind == "aff" && f.size() == 4) {
        const int q = f[0], d = f[1], c = f[2], fixed = f[3];
        if (q < 3 || d < 1 || (q - 1) % d != 0 || c < 1 || fixed < 0 || q * c + fixed != n)
            return {};
        int a = 1;
        for (int k = 0, root = primitiveRoot(q); k < (q - 1) / d; ++k) a = a * root % q;
        generators.push_back(onCopies(q, c, [q](int j) { return (j + 1) % q; }));
        generators.push_back(onCopies(q, c, [q, a](int j) { return j * a % q; }));
    } else if (kind == "bin" && f.size() == 3) {
        const int k = f[0], c = f[1], fixed = f[2];
        if (k < 1 || k > 6 || c < 1 || fixed < 0 || (c << k) + fixed != n) return {};
        for (int b = 0; b < k; ++b)
            generators.push_back(onCopies(1 << k, c, [b](int j) { return j ^ (1 << b); }));
    } else if (kind == "ter" && f.size() == 3) {
        const int k = f[0], c = f[1], fixed = f[2];
        int m = 1;
        for (int b = 0; b < k && m <= 100; ++b) m *= 3;
        if (k < 1 || k > 4 || c < 1 || fixed < 0 || m * c + fixed != n) return {};
        // Adds 1 to base-3 digit b.
        for (int b = 0, unit = 1; b < k; ++b, unit *= 3)
            generators.push_back(onCopies(
                m, c, [unit](int j) { return j / unit % 3 == 2 ? j - 2 * unit : j + unit; }));
    } else {
        return {};
    }
    std::vector<Perm> group = closure(n, generators);
    if (group.size() > kMaxGroupOrder) return {};
    return group;
}

// How many rows of each kind: orbits of rows of single positions, orbits of rows of whole
// blocks, rows of their own of single positions, and of whole blocks.
struct Shape {
    int orbits = 0, blockOrbits = 0, free = 0, freeBlocks = 0;
    int block = 1;
};

// The wheel: orbits of base rows, then rows of their own, each kind in the order of Shape. Row
// b * order + e of an orbit is the image of base row b under element e.
class OrbitSearch {
public:
    OrbitSearch(const cover::Terms& terms, std::vector<Perm> group, const Shape& shape,
                std::uint64_t seed)
        : terms_(terms),
          group_(std::move(group)),
          orbits_(shape.orbits + shape.blockOrbits),
          pointOrbits_(shape.orbits),
          free_(shape.free),
          block_(shape.block),
          state_(terms),
          random_(seed) {
        const std::size_t order = group_.size();
        inverse_.assign(order, Perm(static_cast<std::size_t>(terms.n)));
        for (std::size_t e = 0; e < order; ++e)
            for (int x = 0; x < terms.n; ++x)
                inverse_[e][group_[e][static_cast<std::size_t>(x)]] = static_cast<std::uint8_t>(x);
        Rows rows;
        for (int b = 0; b < orbits_; ++b) {
            const Row base = randomRow(b >= pointOrbits_);
            for (std::size_t e = 0; e < order; ++e) rows.push_back(image(base, e));
        }
        for (int k = 0; k < free_ + shape.freeBlocks; ++k) rows.push_back(randomRow(k >= free_));
        state_.assign(rows);
    }

    std::size_t rowCount() const { return state_.rows().size(); }

    // Anneals until the wheel covers every I-subset (true) or the deadline passes.
    bool run(Clock::time_point deadline, double hot, double cold, long long runLength) {
        const double factor = std::pow(cold / hot, 1.0 / static_cast<double>(runLength));
        double temperature = hot;
        std::vector<std::uint64_t> candidates;
        for (long long step = 0; state_.uncovered() > 0; ++step) {
            if ((step & 63) == 0 && Clock::now() >= deadline) return false;
            move(candidates, temperature);
            temperature *= factor;
            if (temperature < cold) temperature = hot;
            lowest_ = std::min(lowest_, state_.uncovered());
        }
        return true;
    }

    long long lowest() const { return lowest_; }

    // The rows without repeats (an orbit shorter than the group gives the same row twice).
    Rows distinctRows() const {
        std::set<Row> seen;
        Rows out;
        for (const Row& row : state_.rows())
            if (seen.insert(row).second) out.push_back(row);
        return out;
    }

private:
    // Single positions, or whole blocks of them (P / block).
    Row randomRow(bool ofBlocks) {
        Row row{};
        cover::Mask m;
        const int size = ofBlocks ? block_ : 1;
        const int blocks = terms_.n / size;
        const int p = std::min(terms_.p, cover::kMaxPerRow);
        for (int j = 0; j + size <= p; j += size) {
            int b;
            do b = static_cast<int>(random_.below(static_cast<std::uint64_t>(blocks)));
            while (m.test(b * size));
            for (int k = 0; k < size; ++k) {
                m.set(b * size + k);
                row[static_cast<std::size_t>(j + k)] = static_cast<std::uint8_t>(b * size + k);
            }
        }
        std::sort(row.begin(), row.begin() + p);
        return row;
    }

    Row image(const Row& row, std::size_t e) const {
        Row out{};
        for (int j = 0; j < terms_.p; ++j)
            out[static_cast<std::size_t>(j)] = group_[e][row[static_cast<std::size_t>(j)]];
        std::sort(out.begin(), out.begin() + terms_.p);
        return out;
    }

    // Swaps x for y in row r (x's block for y's in a row of blocks), in every image of it when
    // it is an orbit row; returns the change in the uncovered count.
    long long swap(std::size_t r, int x, int y) {
        const long long before = state_.uncovered();
        const std::size_t order = group_.size();
        const std::size_t orbitRows = static_cast<std::size_t>(orbits_) * order;
        if (r >= orbitRows) {
            const int size = r >= orbitRows + static_cast<std::size_t>(free_) ? block_ : 1;
            const int bx = x / size * size, by = y / size * size;
            for (int k = 0; k < size; ++k) state_.applySwap(r, bx + k, by + k);
            return state_.uncovered() - before;
        }
        // The blocks of an orbit of blocks go to blocks under the group.
        const int size = r >= static_cast<std::size_t>(pointOrbits_) * order ? block_ : 1;
        const std::size_t first = r / order * order, e = r % order;
        const int bx = inverse_[e][static_cast<std::size_t>(x)] / size * size,
                  by = inverse_[e][static_cast<std::size_t>(y)] / size * size;
        for (int k = 0; k < size; ++k)
            for (std::size_t f = 0; f < order; ++f)
                state_.applySwap(first + f, group_[f][static_cast<std::size_t>(bx + k)],
                                 group_[f][static_cast<std::size_t>(by + k)]);
        return state_.uncovered() - before;
    }

    // One move: an uncovered I-subset, a row meeting it most, a position of the subset in for
    // the row's position that loses least; kept by the Metropolis rule.
    void move(std::vector<std::uint64_t>& candidates, double temperature) {
        const int p = terms_.p, i = terms_.i;
        std::array<int, cover::kMaxPerRow> subset{};
        state_.randomUncovered(random_, subset.data());
        cover::Mask s;
        for (int j = 0; j < i; ++j) s.set(subset[static_cast<std::size_t>(j)]);
        state_.rowsMeetingMost(subset.data(), candidates);
        const std::size_t r = cover::randomSetBit(candidates, random_);
        const Row row = state_.rows()[r];
        const cover::Mask rm = state_.masks()[r];
        std::array<int, cover::kMaxPerRow> outs{}, ins{};
        int no = 0, ni = 0;
        for (int j = 0; j < p; ++j)
            if (!s.test(row[static_cast<std::size_t>(j)]))
                outs[static_cast<std::size_t>(no++)] = row[static_cast<std::size_t>(j)];
        for (int j = 0; j < i; ++j)
            if (!rm.test(subset[static_cast<std::size_t>(j)]))
                ins[static_cast<std::size_t>(ni++)] = subset[static_cast<std::size_t>(j)];
        if (no == 0 || ni == 0) return;
        const int in = ins[random_.below(static_cast<std::uint64_t>(ni))];
        long long bestDelta = 0;
        int bestOut = -1, ties = 0;
        for (int k = 0; k < no; ++k) {
            const int out = outs[static_cast<std::size_t>(k)];
            const long long d = swap(r, out, in);
            swap(r, in, out);
            if (bestOut < 0 || d < bestDelta) {
                bestDelta = d;
                bestOut = out;
                ties = 1;
            } else if (d == bestDelta && random_.below(static_cast<std::uint64_t>(++ties)) == 0) {
                bestOut = out;
            }
        }
        // A change to an orbit is weighed against the temperature times the orbit's size.
        const double scale = r < static_cast<std::size_t>(orbits_) * group_.size()
                                 ? static_cast<double>(group_.size())
                                 : 1.0;
        if (bestDelta <= 0 ||
            random_.unit() < std::exp(-static_cast<double>(bestDelta) / (temperature * scale)))
            swap(r, bestOut, in);
    }

    cover::Terms terms_;
    std::vector<Perm> group_, inverse_;
    int orbits_, pointOrbits_, free_;
    int block_;
    cover::CoverState state_;
    cover::Random random_;
    long long lowest_ = std::numeric_limits<long long>::max();
};

}  // namespace

int main(int argc, char** argv) {
    GuaranteeTerms terms{0, 0, 0, 6};
    std::string groupText, folder = "data/wheels";
    Shape shape;
    double seconds = 60, hot = 0.5, cold = 0.05, moves = 20;
    std::uint64_t seed = 1;
    for (int a = 1; a + 1 < argc; a += 2) {
        const std::string k = argv[a], v = argv[a + 1];
        if (k == "--numbers")
            terms.numbersToWheel = std::atoi(v.c_str());
        else if (k == "--per-ticket")
            terms.numbersPerTicket = std::atoi(v.c_str());
        else if (k == "--guarantee")
            terms.guarantee = std::atoi(v.c_str());
        else if (k == "--if")
            terms.guaranteeIf = std::atoi(v.c_str());
        else if (k == "--group")
            groupText = v;
        else if (k == "--orbits")
            shape.orbits = std::atoi(v.c_str());
        else if (k == "--block-orbits")
            shape.blockOrbits = std::atoi(v.c_str());
        else if (k == "--block")
            shape.block = std::atoi(v.c_str());
        else if (k == "--free")
            shape.free = std::atoi(v.c_str());
        else if (k == "--free-blocks")
            shape.freeBlocks = std::atoi(v.c_str());
        else if (k == "--seconds")
            seconds = std::atof(v.c_str());
        else if (k == "--seed")
            seed = std::strtoull(v.c_str(), nullptr, 10);
        else if (k == "--folder")
            folder = v;
        else if (k == "--hot")
            hot = std::atof(v.c_str());
        else if (k == "--cold")
            cold = std::atof(v.c_str());
        else if (k == "--moves")
            moves = std::atof(v.c_str());
        else {
            std::fprintf(stderr, "unknown option %s\n", k.c_str());
            return 2;
        }
    }
    const cover::Terms t{terms.numbersToWheel, terms.numbersPerTicket, terms.guarantee,
                         terms.guaranteeIf};
    if (wheelTermsProblem(terms) || !cover::searchable(t)) {
        std::fprintf(stderr, "terms out of reach\n");
        return 2;
    }
    std::vector<Perm> group = groupOf(groupText, t.n);
    const int block = shape.block;
    bool blocksFit = block >= 1 && t.n % block == 0 && t.p % block == 0;
    // Orbits of blocks need a group that takes blocks to blocks.
    for (std::size_t e = 0; blocksFit && shape.blockOrbits > 0 && e < group.size(); ++e)
        for (int x = 0; x < t.n; ++x)
            blocksFit =
                blocksFit && group[e][static_cast<std::size_t>(x)] / block ==
                                 group[e][static_cast<std::size_t>(x / block * block)] / block;
    const int kinds[] = {shape.orbits, shape.blockOrbits, shape.free, shape.freeBlocks};
    if (group.empty() || *std::min_element(std::begin(kinds), std::end(kinds)) < 0 ||
        shape.orbits + shape.blockOrbits + shape.free + shape.freeBlocks < 1 || !blocksFit ||
        !(hot > cold && cold > 0)) {
        std::fprintf(stderr, "bad group, orbits, blocks or temperatures\n");
        return 2;
    }
    const std::size_t order = group.size();
    const auto started = Clock::now();
    const auto deadline = started + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(seconds));
    OrbitSearch search(t, std::move(group), shape, seed);
    const int bases = shape.orbits + shape.blockOrbits + shape.free + shape.freeBlocks;
    const long long runLength =
        std::max<long long>(20000, static_cast<long long>(bases * t.p * (t.n - t.p) * moves));
    const bool found = search.run(deadline, hot, cold, runLength);
    const double took = std::chrono::duration<double>(Clock::now() - started).count();
    const std::string name = libraryFileName(terms);
    std::printf("%s group %s order %zu orbits %d+%d free %d+%d block %d rows %zu seed %llu: ",
                name.c_str(), groupText.c_str(), order, shape.orbits, shape.blockOrbits, shape.free,
                shape.freeBlocks, block, search.rowCount(), static_cast<unsigned long long>(seed));
    if (!found) {
        std::printf("not found in %.0f s (fewest uncovered %lld)\n", took, search.lowest());
        return 1;
    }
    // Evened out, as the generator does, with swaps that uncover nothing.
    cover::CoverState balanced(t);
    balanced.assign(search.distinctRows());
    cover::balance(balanced);
    const Rows rows = balanced.rows();
    GeneratedWheel made;
    made.rows = cover::ticketsOf(rows, t.p);
    const WheelInfo wheel = generatedWheelInfo(terms, made);
    if (!wheelConfirmed(wheel)) {
        std::printf("%zu rows NOT CONFIRMED\n", rows.size());
        return 1;
    }
    const std::string path = folder + "/" + name;
    WheelInfo existing;
    const bool have =
        std::filesystem::exists(path) && loadWheelFile(path, existing) && wheelConfirmed(existing);
    const bool better = !have || wheel.rows.size() < existing.rows.size();
    if (better) {
        if (const IoResult saved = saveWheelFile(path, wheel); !saved) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), saved.message.c_str());
            return 1;
        }
    }
    std::printf("%zu rows in %.1f s, confirmed%s\n", rows.size(), took, better ? ", saved" : "");
    return 0;
}

// The wheel generator and the bounds. Every wheel is judged by a plain search written here
// (every I-subset against every row), not by the program's own counts or check.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_constructions.h"
#include "core/wheels/wheel_generator.h"
#include "test_support.h"

namespace {

using qv::GuaranteeTerms;
using Rows = std::vector<std::vector<int>>;

// Positions 1..n; {covered I-subsets, total}.
std::pair<long long, long long> oracleCoverage(int n, int g, int i, const Rows& rows) {
    std::vector<std::uint64_t> masks;
    for (const auto& r : rows) {
        std::uint64_t m = 0;
        for (int v : r) m |= std::uint64_t{1} << v;
        masks.push_back(m);
    }
    long long covered = 0, total = 0;
    for (std::uint64_t s = 0; s < (std::uint64_t{1} << n); ++s) {
        if (std::popcount(s) != i) continue;
        ++total;
        const std::uint64_t shifted = s << 1;  // positions 1..n
        covered += std::any_of(masks.begin(), masks.end(), [&](std::uint64_t m) {
            return std::popcount(m & shifted) >= g;
        });
    }
    return {covered, total};
}

// The rows as position lists; every row must hold min(P, N) distinct positions in 1..N.
Rows checkedRows(const GuaranteeTerms& t, const std::vector<qv::TicketType>& tickets) {
    Rows rows;
    const int held = std::min(t.numbersPerTicket, t.numbersToWheel);
    for (const qv::TicketType& ticket : tickets) {
        std::set<int> row;
        for (int j = 0; j < held; ++j) {
            const int v = ticket.numbers[static_cast<std::size_t>(j)];
            EXPECT_TRUE(v >= 1 && v <= t.numbersToWheel) << v;
            row.insert(v);
        }
        for (std::size_t j = static_cast<std::size_t>(held); j < ticket.numbers.size(); ++j)
            EXPECT_EQ(ticket.numbers[j], 0);
        EXPECT_EQ(static_cast<int>(row.size()), held);
        rows.emplace_back(row.begin(), row.end());
    }
    return rows;
}

Rows fromCover(const qv::cover::Rows& rows, int p) {
    Rows out;
    for (const auto& r : rows) {
        std::vector<int> row;
        for (int j = 0; j < p; ++j) row.push_back(r[static_cast<std::size_t>(j)] + 1);
        out.push_back(row);
    }
    return out;
}

qv::GeneratorOptions quick(double seconds, int threads = 2) {
    qv::GeneratorOptions o;
    o.seconds = seconds;
    o.threads = threads;
    return o;
}

TEST(WheelGenerator, ReturnsOnlyValidWheelsNoSmallerThanTheBound) {
    std::mt19937 random(7);
    for (int round = 0; round < 24; ++round) {
        const int p = 4 + static_cast<int>(random() % 3);
        const int i = 2 + static_cast<int>(random() % static_cast<unsigned>(p - 1));
        const int g = 1 + static_cast<int>(random() % static_cast<unsigned>(i));
        const int n = i + static_cast<int>(random() % static_cast<unsigned>(14 - i));
        const GuaranteeTerms t{n, g, i, p};
        SCOPED_TRACE(std::to_string(n) + " numbers, " + std::to_string(p) + " per row, " +
                     std::to_string(g) + " if " + std::to_string(i));
        const qv::GeneratedWheel w = qv::generateWheel(t, quick(0.05));
        ASSERT_TRUE(w.confirmed);
        const Rows rows = checkedRows(t, w.rows);
        const auto [covered, total] = oracleCoverage(n, g, i, rows);
        EXPECT_EQ(covered, total);
        EXPECT_EQ(w.covered, total);
        EXPECT_GE(static_cast<long long>(rows.size()), qv::wheelLowerBound(t));
        const auto [lo, hi] = qv::wheelBalance(n, w.rows);
        EXPECT_EQ(w.balanceMin, lo);
        EXPECT_EQ(w.balanceMax, hi);
    }
}

TEST(WheelGenerator, RowCapIsNeverExceededAndCoverageIsExact) {
    struct Case {
        GuaranteeTerms terms;
        int cap;
        bool fits;
    };
    const Case cases[] = {
        {{10, 3, 3, 6}, 5, false},   // needs 10
        {{12, 3, 4, 6}, 3, false},   // needs 6
        {{10, 3, 3, 6}, 40, true},
        {{9, 4, 5, 5}, 1, false},
    };
    for (const Case& c : cases) {
        qv::GeneratorOptions o = quick(0.2);
        o.rowCap = c.cap;
        const qv::GeneratedWheel w = qv::generateWheel(c.terms, o);
        const GuaranteeTerms& t = c.terms;
        const Rows rows = checkedRows(t, w.rows);
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(static_cast<int>(rows.size()), c.cap);
        const auto [covered, total] = oracleCoverage(t.numbersToWheel, t.guarantee, t.guaranteeIf, rows);
        EXPECT_EQ(w.covered, covered);
        EXPECT_EQ(w.total, total);
        EXPECT_EQ(w.confirmed, c.fits);
        EXPECT_EQ(covered == total, c.fits);
        EXPECT_EQ(qv::coveredSubsets(t, w.rows), covered);
    }
}

// Stops at the second report; what it last saw must be what it gets, and valid.
class StopSoon : public qv::GeneratorObserver {
public:
    bool progress(const qv::GeneratorProgress& p) override {
        last = p;
        return ++calls >= 2 && p.bestRows > 0;
    }
    int calls = 0;
    qv::GeneratorProgress last;
};

TEST(WheelGenerator, StopKeepsTheBestWheelFound) {
    const GuaranteeTerms t{20, 3, 3, 6};
    StopSoon stop;
    const auto started = std::chrono::steady_clock::now();
    const qv::GeneratedWheel w = qv::generateWheel(t, quick(30), &stop);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_TRUE(w.stopped);
    ASSERT_TRUE(w.confirmed);
    EXPECT_LE(static_cast<int>(w.rows.size()), stop.last.bestRows);
    const Rows rows = checkedRows(t, w.rows);
    const auto [covered, total] = oracleCoverage(20, 3, 3, rows);
    EXPECT_EQ(covered, total);
}

// The covering table proves that no C(10,6,3) has fewer than 10 rows (more than the formula
// gives): a wheel of 10 ends the search long before its budget.
TEST(WheelGenerator, EndsAtTheTablesLowerBound) {
    const GuaranteeTerms t{10, 3, 3, 6};
    const qv::CoveringTable table =
        qv::CoveringTable::fromText("v,k,t,size,low_bd\n10,6,3,10,10\n");
    ASSERT_LT(qv::wheelLowerBound(t), 10);
    qv::GeneratorOptions o = quick(60);
    o.coverings = &table;
    const auto started = std::chrono::steady_clock::now();
    const qv::GeneratedWheel w = qv::generateWheel(t, o);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    ASSERT_TRUE(w.confirmed);
    EXPECT_EQ(w.rows.size(), 10u);
}

TEST(WheelGenerator, RefusesTermsItCannotMake) {
    using F = qv::WheelTermsField;
    const std::pair<GuaranteeTerms, F> cases[] = {
        {{10, 0, 3, 6}, F::Guarantee}, {{10, 4, 3, 6}, F::Guarantee}, {{10, 3, 7, 6}, F::If},
        {{4, 3, 5, 6}, F::Numbers},    {{10, 3, 3, 7}, F::PerTicket}, {{10, 2, 3, 3}, F::PerTicket},
        {{101, 3, 3, 6}, F::Numbers},  {{100, 3, 3, 6}, F::None},     {{5, 3, 5, 6}, F::None},
        {{40, 4, 4, 4}, F::Numbers},  // every 4 of 40 on its own ticket: more than a file holds
    };
    for (const auto& [terms, field] : cases) {
        const qv::WheelTermsProblem problem = qv::wheelTermsProblem(terms);
        EXPECT_EQ(problem.field, field) << terms.numbersToWheel << " " << terms.guarantee;
        EXPECT_EQ(problem.message.empty(), field == F::None);
        if (field != F::None) {
            EXPECT_TRUE(qv::generateWheel(terms, quick(0.01)).rows.empty());
        }
    }
}

TEST(WheelGenerator, NeverWorseThanALibraryWheel) {
    const qv::test::TempDir dir;
    // A library wheel for one position more, which must serve once that position is dropped.
    const GuaranteeTerms wider{17, 3, 4, 6};
    const qv::GeneratedWheel made = qv::generateWheel(wider, quick(1.0));
    ASSERT_TRUE(made.confirmed);
    ASSERT_TRUE(qv::saveWheelFile(dir.file("lib.wl6"), qv::generatedWheelInfo(wider, made)));
    const GuaranteeTerms t{16, 3, 4, 6};
    qv::GeneratorOptions o = quick(0.0, 1);
    o.libraryFolders = {dir.path().string()};
    const qv::GeneratedWheel w = qv::generateWheel(t, o);
    ASSERT_TRUE(w.confirmed);
    EXPECT_LE(w.rows.size(), made.rows.size());
    const auto [covered, total] = oracleCoverage(16, 3, 4, checkedRows(t, w.rows));
    EXPECT_EQ(covered, total);
}

TEST(WheelConstructions, SteinerSystemsFromAlgebra) {
    struct Case {
        qv::cover::Rows rows;
        int n, p, t;
        std::size_t blocks;
    };
    const Case cases[] = {{qv::cover::steiner3_6_22(), 22, 6, 3, 77},
                          {qv::cover::steiner5_6_12(), 12, 6, 5, 132},
                          {qv::cover::inversivePlane(3), 10, 4, 3, 30},
                          {qv::cover::inversivePlane(4), 17, 5, 3, 68},
                          {qv::cover::inversivePlane(5), 26, 6, 3, 130}};
    for (const Case& c : cases) {
        ASSERT_EQ(c.rows.size(), c.blocks);
        // Every t-subset in exactly one block: the blocks hold C(p,t) t-subsets each, so
        // full coverage with this many blocks leaves no room for a second.
        const auto [covered, total] = oracleCoverage(c.n, c.t, c.t, fromCover(c.rows, c.p));
        EXPECT_EQ(covered, total) << c.n;
        EXPECT_EQ(static_cast<long long>(c.blocks) * qv::binomial(c.p, c.t), total);
    }
}

TEST(WheelConstructions, PositionsDroppedFromAndAddedToADesign) {
    // 25 and 24 from the 26-position plane, 27 from it and a cover of pairs by five.
    for (const auto& [n, most] : {std::pair{24, 130}, {25, 130}, {27, 175}}) {
        const GuaranteeTerms t{n, 3, 3, 6};
        const qv::GeneratedWheel w = qv::generateWheel(t, quick(1.0, 1));
        ASSERT_TRUE(w.confirmed) << n;
        EXPECT_LE(w.rows.size(), static_cast<std::size_t>(most)) << n;
        const auto [covered, total] = oracleCoverage(n, 3, 3, checkedRows(t, w.rows));
        EXPECT_EQ(covered, total) << n;
    }
}

TEST(WheelConstructions, TheFullGameFromTwoParts) {
    // 6/49 "3 if 6": the 77 blocks on 22 numbers and a "3 if 4" wheel on the other 27.
    const qv::GeneratedWheel w = qv::generateWheel({49, 3, 6, 6}, quick(2.0));
    ASSERT_TRUE(w.confirmed);
    EXPECT_LE(w.rows.size(), 250u);
    EXPECT_GE(static_cast<long long>(w.rows.size()), qv::wheelLowerBound({49, 3, 6, 6}));
}

TEST(WheelBounds, NeverAboveAKnownCovering) {
    qv::CoveringTable table;
    ASSERT_TRUE(qv::CoveringTable::load(std::string(QV_SAMPLES_DIR) + "/../data/coverings.csv", table));
    ASSERT_GT(table.entries().size(), 1000u);
    for (const qv::CoveringEntry& e : table.entries()) {
        if (e.k > 6) continue;
        const GuaranteeTerms t{e.v, e.t, e.t, e.k};
        EXPECT_LE(qv::wheelLowerBound(t), e.size) << e.v << "," << e.k << "," << e.t;
        const qv::WheelBounds b = qv::wheelBounds(t, table);
        EXPECT_EQ(b.bestKnown, e.size);
        EXPECT_EQ(b.lowerBound, std::max(qv::wheelLowerBound(t), e.lowerBound));
        // A covering of t-subsets is a wheel "t if I" for every larger I.
        for (int i = e.t + 1; i <= e.k && i <= e.v; ++i)
            EXPECT_LE(qv::wheelLowerBound({e.v, e.t, i, e.k}), e.size) << e.v << "," << e.k << "," << e.t << " if " << i;
    }
}

TEST(WheelBounds, KnownValues) {
    struct Case {
        GuaranteeTerms terms;
        long long bound;
    };
    const Case cases[] = {
        {{22, 3, 3, 6}, 77},   // Schönheim, met by S(3,6,22)
        {{12, 5, 5, 6}, 132},  // met by S(5,6,12)
        {{10, 3, 3, 6}, 7},    // the table knows 10 is least
        {{8, 3, 5, 6}, 1},     // N <= P + I - G: one row
        {{9, 3, 5, 6}, 2},     // one more number: a row leaves 3 out, with 2 of its own
        {{10, 3, 6, 6}, 2},
        {{10, 2, 3, 4}, 4},    // Turán: 20 pairs inside two halves, 6 pairs a row
        {{5, 3, 6, 6}, 0},     // fewer numbers than "if": nothing to cover
    };
    for (const Case& c : cases)
        EXPECT_EQ(qv::wheelLowerBound(c.terms), c.bound) << c.terms.numbersToWheel;
}

TEST(WheelBounds, TableReadsOnlySaneLines) {
    const qv::CoveringTable table = qv::CoveringTable::fromText(
        "v,k,t,size,low_bd\r\n10,6,3,10,10\r\n11,6,3,x,11\n12,6,3,15\n13,6,3,21,20,1\n"
        "14,6,3,25,24\n9,6,7,3,3\n15,6,3,31,32\n2222222224,4,2,2,2\n16,6,3,38,35");
    EXPECT_EQ(table.entries().size(), 3u);
    ASSERT_TRUE(table.find(10, 6, 3));
    EXPECT_EQ(table.find(14, 6, 3)->lowerBound, 24);
    EXPECT_EQ(table.find(16, 6, 3)->size, 38);
    EXPECT_FALSE(table.find(11, 6, 3));
    const qv::WheelBounds lotto = qv::wheelBounds({14, 3, 4, 6}, table);
    EXPECT_FALSE(lotto.bestKnown);
    EXPECT_EQ(qv::bestKnownLine(lotto), "Best known: unknown");
    EXPECT_EQ(qv::lowerBoundLine(qv::wheelBounds({14, 3, 3, 6}, table)), "Lower bound: 24");
}

}  // namespace

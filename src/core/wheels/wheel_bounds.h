#pragma once
// How small a wheel can be: a proven lower bound on its rows, and the smallest size known
// for covering designs (wheels "G if G").
//
// The terms are those of the guarantee check: N positions, P per row, "G if I". Every bound
// here is proven, so no valid wheel has fewer rows than the lower bound.

#include <optional>
#include <string>
#include <vector>

#include "core/util/io_result.h"
#include "core/wheels/guarantee.h"

namespace qv {

// C(n, k) as a double-free integer; 0 when k < 0 or k > n. Saturates at LLONG_MAX.
long long binomial(int n, int k);

// The proven lower bound on the rows of a valid wheel with these terms (1 when a single row
// can do; 0 when N < I, where nothing needs covering). For I = G the Schönheim bound; for
// I > G the larger of the bounds through Turán systems. The terms are assumed sane:
// 1 <= G <= I <= P and N >= 1.
long long wheelLowerBound(const GuaranteeTerms& terms);

// One line of the covering table: C(v,k,t) has a known design of `size` blocks, and none
// has fewer than `lowerBound`.
struct CoveringEntry {
    int v = 0;
    int k = 0;
    int t = 0;
    long long size = 0;
    long long lowerBound = 0;
};

// The table of best-known covering designs, read from "v,k,t,size,low_bd" lines after a
// header line. Lines that do not read as five sane whole numbers are skipped.
class CoveringTable {
public:
    CoveringTable() = default;
    static CoveringTable fromText(const std::string& text);
    // An unreadable file gives an empty table and the result says why.
    static IoResult load(const std::string& path, CoveringTable& table);

    std::optional<CoveringEntry> find(int v, int k, int t) const;
    const std::vector<CoveringEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

private:
    std::vector<CoveringEntry> entries_;  // sorted by (v, k, t)
};

// The name of the covering table inside the data folder.
inline constexpr const char* kCoveringTableName = "coverings.csv";

struct WheelBounds {
    long long lowerBound = 0;              // the larger of the formula and the table's
    std::optional<long long> bestKnown;    // none for I > G, or when the table has no entry
};
WheelBounds wheelBounds(const GuaranteeTerms& terms, const CoveringTable& table);

// "Lower bound: <L>" and "Best known: <K>" ("Best known: unknown" without an entry).
std::string lowerBoundLine(const WheelBounds& bounds);
std::string bestKnownLine(const WheelBounds& bounds);

}  // namespace qv

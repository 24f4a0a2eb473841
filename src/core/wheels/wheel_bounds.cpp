#include "core/wheels/wheel_bounds.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>
#include <tuple>

#include "core/util/file_io.h"

namespace qv {

namespace {
// Sizes in the table stay far below this; anything larger is not a size.
constexpr long long kMaxSane = 1'000'000'000'000LL;
constexpr long long kMaxPoints = 1'000'000LL;
constexpr std::size_t kMaxTableBytes = 4u << 20;
}  // namespace

long long binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    k = std::min(k, n - k);
    long long c = 1;
    for (int i = 1; i <= k; ++i) {
        const long long top = n - k + i;
        if (c > LLONG_MAX / top) return LLONG_MAX;
        c = c * top / i;
    }
    return c;
}

namespace {

long long ceilDiv(long long a, long long b) { return (a + b - 1) / b; }

// Schönheim: L(v,k,t) = ceil(v/k * L(v-1,k-1,t-1)), L(v,k,0) = 1.
long long schoenheim(int v, int k, int t) {
    if (t <= 0) return 1;
    if (k <= 0 || v <= 0) return 0;
    return ceilDiv(static_cast<long long>(v) * schoenheim(v - 1, k - 1, t - 1), k);
}

// A lower bound on the Turán number T(n, l, r): the fewest r-subsets of an n-set such that
// every l-subset holds one of them.
long long turanLowerBound(int n, int l, int r) {
    if (n < l) return 0;
    if (r == 2) {
        // Turán's theorem: the pairs inside the parts of n split as evenly as possible into
        // l - 1 parts.
        const int parts = l - 1;
        long long pairs = 0;
        for (int part = 0; part < parts; ++part) {
            const long long size = n / parts + (part < n % parts ? 1 : 0);
            pairs += size * (size - 1) / 2;
        }
        return pairs;
    }
    // Averaging over the points left out: T(m) >= ceil(m * T(m-1) / (m - r)), T(l) = 1.
    long long recursive = 1;
    for (int m = l + 1; m <= n; ++m) recursive = ceilDiv(m * recursive, m - r);
    // de Caen: T >= (n-l+1)/(n-r+1) * C(n,r) / C(l-1,r-1).
    const double caen = static_cast<double>(n - l + 1) / static_cast<double>(n - r + 1) *
                        static_cast<double>(binomial(n, r)) /
                        static_cast<double>(binomial(l - 1, r - 1));
    const long long caenBound = static_cast<long long>(std::ceil(caen - 1e-6));
    return std::max(recursive, caenBound);
}

}  // namespace

long long wheelLowerBound(const GuaranteeTerms& terms) {
    const int n = terms.numbersToWheel, p = terms.numbersPerTicket, g = terms.guarantee,
              i = terms.guaranteeIf;
    if (n < i || g < 1 || p < g) return 0;
    if (n <= p + i - g) return 1;
    // When the rows leave I-G+1 numbers out, those with any G-1 of the others get only G-1:
    // the rows together hold at least N-I+G numbers.
    const long long spread = ceilDiv(n - i + g, p);
    if (i == g) return std::max(spread, schoenheim(n, p, g));
    // The G-subsets lying in some row meet every I-subset, and a row holds C(P,G) of them.
    return std::max(spread, ceilDiv(turanLowerBound(n, i, g), binomial(p, g)));
}

CoveringTable CoveringTable::fromText(const std::string& text) {
    CoveringTable table;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + at, end - at);
        at = end + 1;
        long long f[5] = {};
        const char* c = line.data();
        const char* stop = line.data() + line.size();
        if (stop > c && stop[-1] == '\r') --stop;
        bool ok = true;
        for (int k = 0; k < 5 && ok; ++k) {
            const auto [next, ec] = std::from_chars(c, stop, f[k]);
            // v, k and t index the table as ints; the sizes may be far larger.
            ok = ec == std::errc() && f[k] > 0 && f[k] <= (k < 3 ? kMaxPoints : kMaxSane);
            c = next;
            if (ok && k < 4) ok = c < stop && *c++ == ',';
        }
        ok = ok && c == stop && f[2] <= f[1] && f[1] <= f[0] && f[4] <= f[3];
        if (!ok) continue;
        table.entries_.push_back({static_cast<int>(f[0]), static_cast<int>(f[1]),
                                  static_cast<int>(f[2]), f[3], f[4]});
    }
    const auto key = [](const CoveringEntry& e) { return std::tie(e.v, e.k, e.t); };
    std::sort(table.entries_.begin(), table.entries_.end(),
              [&](const CoveringEntry& a, const CoveringEntry& b) { return key(a) < key(b); });
    return table;
}

IoResult CoveringTable::load(const std::string& path, CoveringTable& table) {
    table = {};
    const auto text = readTextFile(path, kMaxTableBytes);
    if (!text) return IoResult::failure(IoStatus::CannotOpen, "cannot read " + path, text.reason);
    table = fromText(*text);
    return IoResult::success();
}

std::optional<CoveringEntry> CoveringTable::find(int v, int k, int t) const {
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), std::make_tuple(v, k, t),
        [](const CoveringEntry& e, const std::tuple<int, int, int>& x) {
            return std::tie(e.v, e.k, e.t) < x;
        });
    if (it == entries_.end() || it->v != v || it->k != k || it->t != t) return std::nullopt;
    return *it;
}

WheelBounds wheelBounds(const GuaranteeTerms& terms, const CoveringTable& table) {
    WheelBounds bounds{wheelLowerBound(terms), std::nullopt};
    if (terms.guarantee != terms.guaranteeIf) return bounds;
    if (const auto entry =
            table.find(terms.numbersToWheel, terms.numbersPerTicket, terms.guarantee)) {
        bounds.lowerBound = std::max(bounds.lowerBound, entry->lowerBound);
        bounds.bestKnown = entry->size;
    }
    return bounds;
}

std::string lowerBoundLine(const WheelBounds& bounds) {
    return "Lower bound: " + std::to_string(bounds.lowerBound);
}

std::string bestKnownLine(const WheelBounds& bounds) {
    return "Best known: " +
           (bounds.bestKnown ? std::to_string(*bounds.bestKnown) : std::string("unknown"));
}

}  // namespace qv

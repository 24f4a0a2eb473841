#include "core/wheels/wheel_bounds.h"

#include <algorithm>
#include <climits>

namespace qv {

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

long long wheelLowerBound(const GuaranteeTerms&) { return 0; }

CoveringTable CoveringTable::fromText(const std::string&) { return {}; }

IoResult CoveringTable::load(const std::string&, CoveringTable& table) {
    table = {};
    return IoResult::success();
}

std::optional<CoveringEntry> CoveringTable::find(int, int, int) const { return std::nullopt; }

WheelBounds wheelBounds(const GuaranteeTerms& terms, const CoveringTable&) {
    return WheelBounds{wheelLowerBound(terms), std::nullopt};
}

std::string lowerBoundLine(const WheelBounds& bounds) {
    return "Lower bound: " + std::to_string(bounds.lowerBound);
}

std::string bestKnownLine(const WheelBounds& bounds) {
    return "Best known: " +
           (bounds.bestKnown ? std::to_string(*bounds.bestKnown) : std::string("unknown"));
}

}  // namespace qv

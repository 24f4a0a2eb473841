// The table of best-known coverings: any text reads as a table whose entries are sane and
// sorted, and whose bounds never fall below the formula's.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>

#include "core/wheels/wheel_bounds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const qv::CoveringTable table = qv::CoveringTable::fromText(text);
    const qv::CoveringEntry* previous = nullptr;
    for (const qv::CoveringEntry& e : table.entries()) {
        if (e.t < 1 || e.t > e.k || e.k > e.v || e.lowerBound > e.size || e.lowerBound < 1)
            std::abort();
        if (previous && std::tie(previous->v, previous->k, previous->t) > std::tie(e.v, e.k, e.t))
            std::abort();
        if (!table.find(e.v, e.k, e.t)) std::abort();
        previous = &e;
        if (e.k <= 6 && e.v <= 100) {
            const qv::GuaranteeTerms terms{e.v, e.t, e.t, e.k};
            const qv::WheelBounds bounds = qv::wheelBounds(terms, table);
            if (bounds.lowerBound < qv::wheelLowerBound(terms)) std::abort();
        }
    }
    return 0;
}

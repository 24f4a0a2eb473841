#pragma once
// The plain selection sort of draw entries, step for step: the fast sort must give exactly
// its result, including the state left by a cancel.

#include <cstddef>
#include <utility>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"

namespace qv::reference {

inline bool selectionSortEntries(std::vector<TicketType>& entries, ProgressReporter* progress) {
    const std::size_t count = entries.size();
    ProgressLoop loop(progress, "Sorting database entries...", static_cast<long long>(count));
    for (std::size_t i = 0; i < count; ++i) {
        entries[i].sortNumbers();
        std::size_t latest = i;
        for (std::size_t k = i + 1; k < count; ++k)
            if (isLater(entries[k].date(), entries[latest].date())) latest = k;
        std::swap(entries[i], entries[latest]);
        entries[i].sortNumbers();
        if (loop.unitDone(static_cast<long long>(i))) return false;
    }
    return true;
}

}  // namespace qv::reference

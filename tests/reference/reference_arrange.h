#pragma once
// "Arrange Tickets By Result" step for step: for each position, every row from it on is
// matched again and the one with the most main hits (then the most bonus hits, then the first
// such row) is swapped into place. The fast arrangement must give exactly this order,
// including the state a cancel leaves.

#include <cstddef>
#include <utility>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"
#include "core/tickets/matching.h"

namespace qv::reference {

// Returns false when the reporter cancelled.
inline bool arrangeByResult(std::vector<TicketType>& tickets, std::vector<int>& labels,
                            const TicketType& winning, ProgressReporter* progress) {
    const std::size_t n = tickets.size();
    ProgressLoop loop(progress, "Checking Combinations...", static_cast<long long>(n));
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t best = i;
        MatchResult bestResult = MatchTicket(tickets[i], winning);
        for (std::size_t k = i + 1; k < n; ++k) {
            const MatchResult r = MatchTicket(tickets[k], winning);
            if (r.MainHits > bestResult.MainHits ||
                (r.MainHits == bestResult.MainHits && r.BonusHits > bestResult.BonusHits)) {
                best = k;
                bestResult = r;
            }
        }
        std::swap(tickets[i], tickets[best]);
        std::swap(labels[i], labels[best]);
        if (loop.unitDone(static_cast<long long>(i))) return false;
    }
    return true;
}

}  // namespace qv::reference

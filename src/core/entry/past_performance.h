#pragma once
// Past performance of a ticket file: how it would have done on every draw from the newest
// down to a chosen one, as totals per match level, and the text that reports them.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"
#include "core/tickets/matching.h"

namespace qv {

struct PastPerformance {
    // The winning numbers of the newest draw: the levels run 3..k.
    int k = 0;
    // How many draws were checked (fewer than asked for after a cancel), and the last one.
    std::size_t entriesChecked = 0;
    Date lastDate;
    bool lastHasBonus = false;
    // Per level, as TallyResults counts: [m - 2] for tickets with m matching numbers.
    std::array<long long, kTallySize> hits{};
    std::array<long long, kTallySize> bonusHits{};
};

// Checks `tickets` against entries 0..last (newest first), adding up TallyResults per draw
// (bonus numbers are asked for when the draw has one). Progress goes to `progress` under
// `caption` as floor(i / last * 100); a cancel ends the check after the current draw. An
// index past the end is taken as the oldest entry; no entries check nothing.
PastPerformance checkPastPerformance(const std::vector<TicketType>& entries,
                                     const std::vector<TicketType>& tickets, std::size_t last,
                                     ProgressReporter* progress = nullptr,
                                     const std::string& caption = "Checking database entries...");

struct PastPerformanceTexts {
    std::string heading =
        "For the last %d entries (up to and including %d/%d/%d)\n"
        "the open ticket file returned the following results:\n\n";
    std::string level = "%d/%d = %4d";
    std::string bonus = " +Bonus =  %2d";
};

// The heading with the count and the month, day and year of the last draw checked, then one
// line per level m = 3..k: m, k and the total, with the bonus total when the last draw
// checked has a bonus number.
std::string pastPerformanceText(const PastPerformance& result,
                                const PastPerformanceTexts& texts = {});

// A double click in the database list reaches the past performance only in its left part:
// the click's distance from the list's unscrolled left edge (horizontal position times the
// character width, plus x) must be at least the left margin and below 250.
inline constexpr int kPastPerformanceLeft = 10;
inline constexpr int kPastPerformanceRight = 250;
bool isPastPerformanceClick(int horizontalPosition, int charWidth, int x);

}  // namespace qv

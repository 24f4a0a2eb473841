#include "core/entry/past_performance.h"

#include <algorithm>

#include "core/util/text.h"

namespace qv {

PastPerformance checkPastPerformance(const std::vector<TicketType>& entries,
                                     const std::vector<TicketType>& tickets, std::size_t last,
                                     ProgressReporter* progress, const std::string& caption) {
    PastPerformance result;
    if (entries.empty()) return result;
    last = std::min(last, entries.size() - 1);
    result.k = entries.front().numberCount();

    ProgressLoop loop(progress, caption, static_cast<long long>(last));
    for (std::size_t i = 0; i <= last; ++i) {
        const TicketType& draw = entries[i];
        const bool drawHasBonus = draw.bonus[0] != 0;
        bool wantBonus = drawHasBonus;
        const TallyCounts counts = TallyResults(tickets, draw, wantBonus);
        for (std::size_t j = 0; j < kTallySize; ++j) {
            result.hits[j] += counts.hits[j];
            result.bonusHits[j] += counts.bonusHits[j];
        }
        result.entriesChecked = i + 1;
        result.lastDate = draw.date();
        result.lastHasBonus = drawHasBonus;
        if (loop.unitDone(static_cast<long long>(i))) break;
    }
    return result;
}

std::string pastPerformanceText(const PastPerformance& result, const PastPerformanceTexts& texts) {
    std::string out = formatIntegers(
        texts.heading, {static_cast<long long>(result.entriesChecked), result.lastDate.month,
                        result.lastDate.day, result.lastDate.year});
    for (int m = 3; m <= result.k && m - 2 < static_cast<int>(kTallySize); ++m) {
        const auto level = static_cast<std::size_t>(m - 2);
        out += formatIntegers(texts.level, {m, result.k, result.hits[level]});
        if (result.lastHasBonus) out += formatIntegers(texts.bonus, {result.bonusHits[level]});
        out += "\n";
    }
    return out;
}

bool isPastPerformanceClick(int horizontalPosition, int charWidth, int x) {
    const long long at = static_cast<long long>(horizontalPosition) * charWidth + x;
    return at >= kPastPerformanceLeft && at < kPastPerformanceRight;
}

}  // namespace qv

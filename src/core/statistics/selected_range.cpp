#include "core/statistics/selected_range.h"

#include <algorithm>

namespace qv {

SelectedRange selectedRange(const std::vector<TicketType>& entries,
                            const StatisticsSettings& settings) {
    const Date open{};
    const std::size_t count = entries.size();
    SelectedRange range{0, count};
    bool firstSettled = settings.toDate == open;
    bool lastSettled = settings.fromDate == open;
    for (std::size_t i = 0; i < count && !(firstSettled && lastSettled); ++i) {
        const Date d = entries[i].date();
        if (!firstSettled && !isLater(d, settings.toDate)) {
            range.first = i;
            firstSettled = true;
        }
        if (!lastSettled && isEarlier(d, settings.fromDate)) {
            range.last = i;
            lastSettled = true;
        }
    }
    // Every entry is later than the to date: nothing is in the span.
    if (!firstSettled) range.first = count;
    if (range.last < range.first) range.last = range.first;
    return range;
}

int highestNumberOf(const DataHeader& header) {
    return std::clamp<int>(header.numbersInLotto, 1, kMaxLottoNumber);
}

}  // namespace qv

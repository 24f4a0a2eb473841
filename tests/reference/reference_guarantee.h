#pragma once
// The guarantee check done the plain way: every draw in lexicographic order, compared with
// every row; the percentage and the cancel poll after every draw. The fast check must answer
// exactly as this one does.

#include <algorithm>
#include <array>
#include <vector>

#include "core/wheels/guarantee.h"

namespace qv::test {

inline GuaranteeResult literalGuaranteeCheck(WheelInfo& wheel, GuaranteeObserver& observer) {
    const GuaranteeTerms terms = GuaranteeTerms::of(wheel);
    GuaranteeResult result;
    result.checkable = guaranteeCheckable(terms);
    if (result.checkable != GuaranteeCheckable::Yes) return result;

    const int n = terms.numbersToWheel;
    const int p = terms.numbersPerTicket;
    const int m = terms.candidateCount();
    long long total = 0;
    if (m >= p) {
        long long c = 1;
        for (int k = 1; k <= p; ++k) c = c * (m - p + k) / k;
        total = c;
    }
    result.total = total;

    // A row's positions are its first P slots; one written twice counts once.
    std::array<bool, kMaxCandidateNumbers + 1> inDraw{};
    auto holds = [&](const TicketType& row) {
        int count = 0;
        for (int j = 0; j < p; ++j) {
            const int position = row.numbers[static_cast<std::size_t>(j)];
            bool repeated = false;
            for (int k = 0; k < j; ++k)
                repeated = repeated || row.numbers[static_cast<std::size_t>(k)] == position;
            if (!repeated && position >= 1 && position <= m &&
                inDraw[static_cast<std::size_t>(position)])
                ++count;
        }
        return count;
    };

    std::vector<int> draw(static_cast<std::size_t>(std::max(p, 0)));
    for (int k = 0; k < p; ++k) draw[static_cast<std::size_t>(k)] = k + 1;
    long long counter = 0;
    int shown = -1;
    bool addAll = false;
    while (m >= p) {
        const auto chosen = std::count_if(draw.begin(), draw.end(), [&](int d) { return d <= n; });
        if (chosen >= terms.guaranteeIf) {
            for (int d : draw) inDraw[static_cast<std::size_t>(d)] = true;
            bool covered = false;
            for (const TicketType& row : wheel.rows) {
                if (holds(row) >= terms.guarantee) {
                    covered = true;
                    break;
                }
            }
            for (int d : draw) inDraw[static_cast<std::size_t>(d)] = false;
            if (!covered) {
                const bool full = wheel.rows.size() >= WheelInfo::kMaxRows;
                if (!terms.canGrow() || full || (!addAll && !observer.addCombination(draw))) {
                    result.invalid = true;
                    result.full = terms.canGrow() && full;
                    result.uncovered = draw;
                    break;
                }
                TicketType row;
                for (int k = 0; k < p; ++k)
                    row.numbers[static_cast<std::size_t>(k)] =
                        static_cast<std::int16_t>(draw[static_cast<std::size_t>(k)]);
                wheel.rows.push_back(row);
                ++result.rowsAdded;
                if (!addAll && observer.addAll()) addAll = true;
            }
        }
        ++counter;
        const int percent = static_cast<int>(counter * 100 / total);
        if (percent != shown) {
            shown = percent;
            observer.showPercent(percent);
        }
        if (observer.cancelledAfter(counter, counter) == counter) {
            result.cancelled = true;
            break;
        }
        // The next draw in lexicographic order.
        int k = p - 1;
        while (k >= 0 && draw[static_cast<std::size_t>(k)] == m - p + k + 1) --k;
        if (k < 0) break;
        ++draw[static_cast<std::size_t>(k)];
        for (int j = k + 1; j < p; ++j)
            draw[static_cast<std::size_t>(j)] = draw[static_cast<std::size_t>(j - 1)] + 1;
    }
    result.checked = counter;
    wheel.ticketCount = static_cast<std::int16_t>(wheel.rows.size());
    return result;
}

}  // namespace qv::test

#include "core/statistics/frequency.h"

#include <algorithm>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cstdio>

#include "core/statistics/selected_range.h"
#include "core/statistics/selection_order.h"

namespace qv {

namespace {

template <std::size_t Slots>
void countSlots(const std::array<std::int16_t, Slots>& slots, FrequencyCounts& f) {
    for (std::int16_t v : slots)
        if (v != 0 && isGameNumber(v, f.highestNumber)) ++f.counts[v - 1].count;
}

FrequencyCounts emptyCounts(const DataHeader& header, SelectedRange range) {
    FrequencyCounts f;
    f.highestNumber = highestNumberOf(header);
    f.draws = static_cast<int>(range.size());
    f.counts.resize(static_cast<std::size_t>(f.highestNumber));
    for (int i = 0; i < f.highestNumber; ++i) f.counts[i].number = i + 1;
    return f;
}

float averageOf(int draws, int perDraw, int highestNumber) {
    return static_cast<float>(static_cast<double>(draws) * perDraw / highestNumber);
}

}  // namespace

FrequencyCounts CountNumberFrequency(const DataHeader& header,
                                     const std::vector<TicketType>& entries,
                                     const StatisticsSettings& settings) {
    const SelectedRange range = selectedRange(entries, settings);
    FrequencyCounts f = emptyCounts(header, range);
    f.numbersPerDraw = header.numbersOnTicket;
    f.average = averageOf(f.draws, f.numbersPerDraw, f.highestNumber);
    for (std::size_t e = range.first; e < range.last; ++e) countSlots(entries[e].numbers, f);
    return f;
}

FrequencyCounts CountBonusFrequency(const DataHeader& header,
                                    const std::vector<TicketType>& entries,
                                    const StatisticsSettings& settings) {
    const SelectedRange range = selectedRange(entries, settings);
    FrequencyCounts f = emptyCounts(header, range);
    if (!entries.empty())
        f.numbersPerDraw =
            static_cast<int>(std::count_if(entries[0].bonus.begin(), entries[0].bonus.end(),
                                           [](std::int16_t b) { return b != 0; }));
    f.average = averageOf(f.draws, f.numbersPerDraw, f.highestNumber);
    for (std::size_t e = range.first; e < range.last; ++e) countSlots(entries[e].bonus, f);
    return f;
}

void sortByFrequency(std::vector<NumberCount>& counts) {
    selectionSortLargestFirst(
        counts, [](const NumberCount& c) { return c.count; }, [](std::size_t) { return false; });
}

void sortNumerically(std::vector<NumberCount>& counts) {
    std::sort(counts.begin(), counts.end(),
              [](const NumberCount& a, const NumberCount& b) { return a.number < b.number; });
}

int greatestCount(const std::vector<NumberCount>& counts) {
    int m = 0;
    for (const NumberCount& c : counts) m = std::max(m, c.count);
    return m;
}

double chiSquareUpperTail(double x, int df) {
    using namespace boost::math::policies;
    using Quiet = policy<domain_error<errno_on_error>, overflow_error<errno_on_error>,
                         evaluation_error<errno_on_error>>;
    if (df < 1) return 1.0;
    return boost::math::gamma_q(df / 2.0, std::max(x, 0.0) / 2.0, Quiet());
}

Uniformity testUniformity(const FrequencyCounts& f) {
    Uniformity u;
    const int n = f.highestNumber;
    const int k = f.numbersPerDraw;
    const double expected = static_cast<double>(f.draws) * k / n;
    if (expected < 1.0 || n <= k) return u;
    double sum = 0;
    for (const NumberCount& c : f.counts) {
        const double d = c.count - expected;
        sum += d * d / expected;
    }
    u.enoughDraws = true;
    u.chiSquare = sum * (n - 1) / (n - k);
    u.degreesOfFreedom = n - 1;
    u.p = chiSquareUpperTail(u.chiSquare, u.degreesOfFreedom);
    return u;
}

std::string uniformityLine(const Uniformity& u) {
    if (!u.enoughDraws) return "Uniformity: too few draws";
    char buf[128];
    std::snprintf(buf, sizeof buf, "Uniformity: chi-square = %.2f, df = %d, p = %.3f", u.chiSquare,
                  u.degreesOfFreedom, u.p);
    return buf;
}

}  // namespace qv

#pragma once
// How often each number (or each bonus number) was drawn over the selected span, the
// statistical average that splits hot from cold numbers, the two orders of the frequency
// chart, and a uniformity test of the counts.

#include <string>
#include <vector>

#include "core/records/records.h"

namespace qv {

struct NumberCount {
    int number = 0;  // 1-based
    int count = 0;
    friend bool operator==(const NumberCount&, const NumberCount&) = default;
};

struct FrequencyCounts {
    int highestNumber = 1;  // numbers run 1..highestNumber
    int draws = 0;          // entries in the selected span
    int numbersPerDraw =
        0;              // winning numbers per draw (header), or bonus numbers of the newest draw
    float average = 0;  // draws x numbersPerDraw / highestNumber
    std::vector<NumberCount> counts;  // one per number, in number order
};

// Counts every non-zero winning-number slot of the span (a zero slot is skipped, not an end).
// Numbers outside 1..highestNumber are not counted.
FrequencyCounts CountNumberFrequency(const DataHeader& header,
                                     const std::vector<TicketType>& entries,
                                     const StatisticsSettings& settings);
// Counts the non-zero bonus slots; the bonus numbers per draw are those of the newest entry of
// the database, whatever the span (none without entries).
FrequencyCounts CountBonusFrequency(const DataHeader& header,
                                    const std::vector<TicketType>& entries,
                                    const StatisticsSettings& settings);

// A number is cold only when drawn strictly less often than the average.
inline bool isHot(int count, float average) {
    return !(static_cast<float>(count) < average);
}

// "Sort by Frequency": the selection sort that puts the greatest count first, applied to the
// records in the order they are in (number order, when the chart runs it).
void sortByFrequency(std::vector<NumberCount>& counts);
// "Sort Numerically": ascending numbers.
void sortNumerically(std::vector<NumberCount>& counts);

// The greatest count (0 when there are none).
int greatestCount(const std::vector<NumberCount>& counts);

// Pearson's test that every number is equally likely, corrected for drawing without
// replacement.
struct Uniformity {
    bool enoughDraws = false;  // false: an expected count below 1, or no more numbers than drawn
    double chiSquare = 0;
    int degreesOfFreedom = 0;
    double p = 1;
};
Uniformity testUniformity(const FrequencyCounts& frequency);

// P(X >= x) for a chi-square variable with `df` degrees of freedom.
double chiSquareUpperTail(double x, int df);

// "Uniformity: chi-square = %.2f, df = %d, p = %.3f" or "Uniformity: too few draws".
std::string uniformityLine(const Uniformity& u);

}  // namespace qv

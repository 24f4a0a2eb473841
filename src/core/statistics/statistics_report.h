#pragma once
// The statistics as lines of text, as the command line prints them. Scripts rely on every
// line exactly as written here.

#include <optional>
#include <string>
#include <vector>

#include "core/statistics/cluster.h"
#include "core/statistics/frequency.h"
#include "core/statistics/pairs.h"
#include "core/statistics/selected_range.h"
#include "core/statistics/skips.h"
#include "core/statistics/triples.h"

namespace qv {

// "<first> <last>".
std::string rangeReport(const SelectedRange& range);

// "Highest number: N", "Draws: d", "Statistical Avg. = %5.2f", then "<number> <count> hot"
// or "... cold" per number (number order, or the "Sort by Frequency" order), then the
// uniformity line.
std::vector<std::string> frequencyReport(const FrequencyCounts& frequency, bool byFrequency);

// "<high> <low> <count>" per pair, in table order (high = 2..N, low = 1..high - 1) or in the
// order of the sorted pair list.
std::vector<std::string> pairsReport(const PairMatrix& matrix, bool byFrequency);

// "<first>-<second>-<third>, <count>" per set, in the order the sort left.
std::vector<std::string> triplesReport(const TripleCounts& triples);

// "<n>:", " <count>" for each bucket 0..59, then " | <maximum>", per number 1..N.
std::vector<std::string> skipsReport(const SkipCounts& skips);

// "<m>/<d>/<y>" and " <v>:<t>" per mark, per draw of the span, newest first.
std::vector<std::string> clusterReport(const ClusterChart& chart);

// The "Region Selected" message for a region of the cluster chart of the span; nullopt when
// the region lies wholly outside the draws of the span.
std::optional<std::string> regionReport(const DataHeader& header,
                                        const std::vector<TicketType>& entries,
                                        const StatisticsSettings& settings, ClusterRegion region);

}  // namespace qv

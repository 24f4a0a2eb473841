#include "core/statistics/statistics_report.h"

#include <cstdio>

namespace qv {

std::string rangeReport(const SelectedRange& range) {
    return std::to_string(range.first) + " " + std::to_string(range.last);
}

std::vector<std::string> frequencyReport(const FrequencyCounts& frequency, bool byFrequency) {
    std::vector<std::string> lines;
    lines.push_back("Highest number: " + std::to_string(frequency.highestNumber));
    lines.push_back("Draws: " + std::to_string(frequency.draws));
    char average[64];
    std::snprintf(average, sizeof average, "Statistical Avg. = %5.2f",
                  static_cast<double>(frequency.average));
    lines.push_back(average);
    std::vector<NumberCount> counts = frequency.counts;
    if (byFrequency) sortByFrequency(counts);
    for (const NumberCount& c : counts)
        lines.push_back(std::to_string(c.number) + " " + std::to_string(c.count) +
                        (isHot(c.count, frequency.average) ? " hot" : " cold"));
    lines.push_back(uniformityLine(testUniformity(frequency)));
    return lines;
}

std::vector<std::string> pairsReport(const PairMatrix& matrix, bool byFrequency) {
    const std::vector<PairCount> pairs = byFrequency ? sortedPairs(matrix) : pairList(matrix);
    std::vector<std::string> lines;
    lines.reserve(pairs.size());
    for (const PairCount& p : pairs)
        lines.push_back(std::to_string(p.high) + " " + std::to_string(p.low) + " " +
                        std::to_string(p.count));
    return lines;
}

std::vector<std::string> triplesReport(const TripleCounts& triples) {
    std::vector<std::string> lines;
    lines.reserve(triples.triples.size());
    char buf[48];
    for (const TripleCount& t : triples.triples) {
        int len =
            std::snprintf(buf, sizeof buf, "%d-%d-%d, %d", t.first, t.second, t.third, t.count);
        lines.emplace_back(buf, static_cast<std::size_t>(len));
    }
    return lines;
}

std::vector<std::string> skipsReport(const SkipCounts& skips) {
    std::vector<std::string> lines;
    for (int v = 1; v <= skips.highestNumber; ++v) {
        std::string line = std::to_string(v) + ":";
        for (int count : skips.buckets[v - 1]) line += " " + std::to_string(count);
        line += " | " + std::to_string(skips.maximum[v - 1]);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> clusterReport(const ClusterChart& chart) {
    std::vector<std::string> lines;
    for (const ClusterColumn& column : chart.columns) {
        std::string line = std::to_string(column.date.month) + "/" +
                           std::to_string(column.date.day) + "/" + std::to_string(column.date.year);
        for (const ClusterMark& m : column.marks)
            line += " " + std::to_string(m.number) + ":" + std::to_string(m.touches);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> regionReport(const DataHeader& header,
                                        const std::vector<TicketType>& entries,
                                        const StatisticsSettings& settings, ClusterRegion region) {
    auto share = regionShare(header, entries, selectedRange(entries, settings), region);
    if (!share) return std::nullopt;
    return regionReportText(*share);
}

}  // namespace qv

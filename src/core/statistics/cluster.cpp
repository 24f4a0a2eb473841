#include "core/statistics/cluster.h"

#include <algorithm>
#include <cstdio>

namespace qv {

namespace {

// Adds the numbers of `draw`, in slot order up to its first zero, that lie within one of v
// (or, with `sameNumber` false, exactly one away), skipping slot `skip`; stops at the cap.
void addTouches(const TicketType& draw, int v, bool sameNumber, int skip, int& touches) {
    for (int s = 0; s < kMaxNumbersOnTicket && touches < kMaxTouches; ++s) {
        const int w = draw.numbers[s];
        if (w == 0) break;
        if (s == skip) continue;
        if (w == v + 1 || w == v - 1 || (sameNumber && w == v)) ++touches;
    }
}

int winningNumbersOf(const TicketType& t) {
    return static_cast<int>(
        std::count_if(t.numbers.begin(), t.numbers.end(), [](std::int16_t v) { return v != 0; }));
}

}  // namespace

int touchCount(const std::vector<TicketType>& entries, SelectedRange range, std::size_t entry,
               int slot) {
    if (entry >= entries.size() || slot < 0 || slot >= kMaxNumbersOnTicket) return 0;
    const int v = entries[entry].numbers[slot];
    int touches = 0;
    if (entry > range.first) addTouches(entries[entry - 1], v, true, -1, touches);
    if (entry + 1 < range.last && entry + 1 < entries.size())
        addTouches(entries[entry + 1], v, true, -1, touches);
    addTouches(entries[entry], v, false, slot, touches);
    return touches;
}

ClusterChart CountClusters(const DataHeader& header, const std::vector<TicketType>& entries,
                           const StatisticsSettings& settings) {
    ClusterChart chart;
    chart.highestNumber = highestNumberOf(header);
    chart.range = selectedRange(entries, settings);
    for (std::size_t e = chart.range.first; e < chart.range.last; ++e) {
        ClusterColumn column;
        column.entry = e;
        column.date = entries[e].date();
        for (int s = 0; s < kMaxNumbersOnTicket && entries[e].numbers[s] != 0; ++s)
            column.marks.push_back(
                ClusterMark{entries[e].numbers[s], touchCount(entries, chart.range, e, s)});
        chart.columns.push_back(std::move(column));
    }
    return chart;
}

std::optional<RegionShare> regionShare(const DataHeader& header,
                                       const std::vector<TicketType>& entries, SelectedRange range,
                                       ClusterRegion region) {
    range.last = std::min(range.last, entries.size());
    if (range.size() == 0 || range.first >= range.last) return std::nullopt;
    RegionShare share;
    share.newest = std::max(std::min(region.newest, region.oldest), range.first);
    share.oldest = std::min(std::max(region.newest, region.oldest), range.last - 1);
    share.low = std::max(std::min(region.low, region.high), 1);
    share.high = std::min(std::max(region.low, region.high), highestNumberOf(header));
    if (share.newest > share.oldest || share.low > share.high) return std::nullopt;

    for (std::size_t e = share.newest; e <= share.oldest; ++e)
        for (std::int16_t v : entries[e].numbers)
            if (v != 0 && v >= share.low && v <= share.high) ++share.hits;
    share.perDraw = winningNumbersOf(entries[0]);
    const int draws = static_cast<int>(share.oldest - share.newest + 1);
    if (share.perDraw > 0)
        share.percent =
            static_cast<float>(share.hits) / static_cast<float>(draws * share.perDraw) * 100.0f;
    share.oldestDate = entries[share.oldest].date();
    share.newestDate = entries[share.newest].date();
    return share;
}

std::string regionReportText(const RegionShare& s) {
    char buf[300];
    std::snprintf(buf, sizeof buf,
                  "The numbers you selected, (%d - %d) account for %4.2f%c of the winning numbers "
                  "between %d/%d/%d and %d/%d/%d.",
                  s.low, s.high, static_cast<double>(s.percent), '%', s.oldestDate.month,
                  s.oldestDate.day, s.oldestDate.year, s.newestDate.month, s.newestDate.day,
                  s.newestDate.year);
    return buf;
}

}  // namespace qv

#pragma once
// The cluster chart: every number drawn in the selected span as a mark, with how many other
// marks touch it, and the share of the winning numbers that fell into a selected region.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/statistics/selected_range.h"

namespace qv {

// A mark touches the marks in the eight cells around it: the same or an adjacent number in
// the next newer and the next older draw of the span, an adjacent number in its own draw.
// Counted up to 2: 0 = no other mark, 1 = one, 2 = more than one (blue, yellow, red).
inline constexpr int kMaxTouches = 2;

struct ClusterMark {
    int number = 0;
    int touches = 0;
    friend bool operator==(const ClusterMark&, const ClusterMark&) = default;
};

// One draw of the span: its winning numbers up to the first zero slot, in slot order.
struct ClusterColumn {
    std::size_t entry = 0;
    Date date;
    std::vector<ClusterMark> marks;
};

struct ClusterChart {
    int highestNumber = 1;
    SelectedRange range;
    std::vector<ClusterColumn> columns;  // newest first: entry range.first is column 0
};

// The touch count of the number in `slot` of entry `entry` (which lies in `range`); 0 for an
// entry or slot that does not exist.
int touchCount(const std::vector<TicketType>& entries, SelectedRange range, std::size_t entry,
               int slot);

ClusterChart CountClusters(const DataHeader& header, const std::vector<TicketType>& entries,
                           const StatisticsSettings& settings);

// A dragged region: draws `newest`..`oldest` (indices, inclusive) and numbers low..high.
struct ClusterRegion {
    std::size_t newest = 0;
    std::size_t oldest = 0;
    int low = 1;
    int high = 1;
};

struct RegionShare {
    int low = 0;
    int high = 0;
    std::size_t newest = 0;  // the region as clipped to the chart
    std::size_t oldest = 0;
    int hits = 0;       // winning numbers low..high in those draws
    int perDraw = 0;    // winning numbers of the newest draw of the database
    float percent = 0;  // hits / (draws x perDraw) x 100; 0 when perDraw is 0
    Date oldestDate;
    Date newestDate;
};

// The region clipped to the draws of `range` and the numbers 1..highest number (either end may
// be given first); nullopt when nothing of it is left.
std::optional<RegionShare> regionShare(const DataHeader& header,
                                       const std::vector<TicketType>& entries, SelectedRange range,
                                       ClusterRegion region);

// The "Region Selected" message: "The numbers you selected, (lo - hi) account for 25.00% of
// the winning numbers between <oldest date> and <newest date>." (dates month/day/year).
std::string regionReportText(const RegionShare& share);
inline constexpr const char* kRegionReportCaption = "Region Selected";

}  // namespace qv

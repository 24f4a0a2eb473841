#include "core/view/statistics_view.h"

#include <algorithm>
#include <array>
#include <climits>

namespace qv {

namespace {

constexpr std::array<const char*, kStatisticsFaceCount> kFaceNames = {
    "Arial", "New Courier", "MS Serif", "Times New Roman"};

constexpr int kMinWindowWidth = 200;
constexpr int kMinWindowHeight = 150;

// base - trunc(share x plot), with the share kept to a size no window reaches.
int heightAbove(int base, double share, int plot) {
    const double h = std::clamp(share * plot, -1e7, 1e7);
    return base - static_cast<int>(h);
}

}  // namespace

int increasedFontHeight(int height) {
    return height < INT_MAX ? height + 1 : height;
}

int decreasedFontHeight(int height) {
    return height >= 2 ? height - 1 : height;
}

int toggledBoldWeight(int weight) {
    return weight == kBoldWeight ? kNormalWeight : kBoldWeight;
}

int fontPixelHeight(int height) {
    if (height == 0) return 12;
    const long long size = height < 0 ? -static_cast<long long>(height) : height;
    return static_cast<int>(std::clamp<long long>(size, 1, kMaxFontPixels));
}

const char* faceName(StatisticsFace face) {
    return kFaceNames[static_cast<std::size_t>(face)];
}

std::optional<StatisticsFace> faceOf(std::string_view name) {
    for (std::size_t i = 0; i < kFaceNames.size(); ++i)
        if (name == kFaceNames[i]) return static_cast<StatisticsFace>(i);
    return std::nullopt;
}

Rect statisticsWindowRect(int areaWidth, int areaHeight, int othersOpen) {
    const int n = std::max(othersOpen, 0);
    const int left = 10 * n;
    const int top = 10 * n + 50;
    const int width = std::max(areaWidth - left, kMinWindowWidth);
    const int height = std::max(areaHeight - top, kMinWindowHeight);
    return Rect{left, top, left + width, top + height};
}

int scrollRange(int extent, int viewport, int unit) {
    if (extent <= viewport) return 0;
    const long long u = std::max(unit, 1);
    const long long over = static_cast<long long>(extent) - viewport;
    return static_cast<int>(std::min<long long>((over + u - 1) / u, INT_MAX));
}

int increasedBarWidth(int width) {
    return width < INT_MAX ? width + 1 : width;
}

int decreasedBarWidth(int width) {
    return width > 1 ? width - 1 : width;
}

int FrequencyLayout::barTop(int count, int greatest) const {
    if (greatest <= 0 || count <= 0) return base;
    return heightAbove(base, static_cast<double>(count) / greatest, plot);
}

int FrequencyLayout::averageY(float average, int greatest) const {
    if (greatest <= 0) return base;
    return heightAbove(base, static_cast<double>(average) / greatest, plot);
}

FrequencyLayout frequencyLayout(int clientHeight, int cw, int ch, int barWidth) {
    FrequencyLayout l;
    l.cw = cw;
    l.ch = ch;
    l.barWidth = std::max(barWidth, 1);
    l.chartBottom = clientHeight - ch;
    l.base = l.chartBottom - 3 * ch;
    l.plot = std::max(l.chartBottom - 5 * ch, 0);
    return l;
}

int pairListRows(std::size_t pairs) {
    return static_cast<int>((pairs + 1) / 2);
}

std::optional<std::size_t> pairListRecord(std::size_t pairs, int row, int block) {
    const int rows = pairListRows(pairs);
    if (row < 0 || row >= rows || block < 0 || block > 1) return std::nullopt;
    const std::size_t record = static_cast<std::size_t>(block) * rows + row;
    if (record >= pairs) return std::nullopt;
    return record;
}

int tripleRows(std::size_t records) {
    return static_cast<int>((records + kTripleColumns - 1) / kTripleColumns);
}

int tripleColumnsUsed(std::size_t records) {
    const std::size_t rows = static_cast<std::size_t>(tripleRows(records));
    return rows == 0 ? 0 : static_cast<int>((records + rows - 1) / rows);
}

std::optional<std::size_t> tripleRecord(std::size_t records, int row, int column) {
    const int rows = tripleRows(records);
    if (row < 0 || row >= rows || column < 0 || column >= kTripleColumns) return std::nullopt;
    const std::size_t record = static_cast<std::size_t>(column) * rows + row;
    if (record >= records) return std::nullopt;
    return record;
}

int ClusterGeometry::contentWidth() const {
    return markLeft(draws()) + cw;
}

int ClusterGeometry::contentHeight() const {
    return legendTop(2) + ch + ch / 2;
}

bool ClusterGeometry::startsSelection(int x, int y) const {
    const int left = 4 * cw + 1 + columnWidth / 2;
    return x > left && x < left + spanWidth() && y > ch && y < gridBottom();
}

bool ClusterGeometry::showsHint(int x, int y) const {
    const int left = 4 * cw + 3;
    return x > left && x < left + spanWidth() && y > ch && y < gridBottom();
}

long long ClusterGeometry::entryAt(int x) const {
    // Integer division truncating toward zero, so a point just left of the first mark still
    // falls on the newest draw.
    const long long c = columnWidth;
    return (static_cast<long long>(x) - 4LL * cw - c + c * static_cast<long long>(range.first)) / c;
}

int ClusterGeometry::numberAt(int y) const {
    return highestNumber - y / ch + 1;
}

std::optional<ClusterRegion> ClusterGeometry::regionFor(const Rect& selection) const {
    const long long newest = entryAt(std::min(selection.left, selection.right));
    const long long oldest = entryAt(std::max(selection.left, selection.right));
    if (oldest < static_cast<long long>(range.first) || newest > static_cast<long long>(range.last))
        return std::nullopt;
    ClusterRegion region;
    region.newest = static_cast<std::size_t>(std::max(newest, 0LL));
    region.oldest = static_cast<std::size_t>(oldest);
    region.low = numberAt(std::max(selection.top, selection.bottom));
    region.high = numberAt(std::min(selection.top, selection.bottom));
    return region;
}

ClusterGeometry clusterGeometry(int cw, int ch, int fontHeight, int highestNumber,
                                SelectedRange range) {
    ClusterGeometry g;
    g.cw = std::max(cw, 1);
    g.ch = std::max(ch, 1);
    g.columnWidth = std::max(static_cast<int>(fontPixelHeight(fontHeight) * 0.75), 1);
    g.highestNumber = std::max(highestNumber, 1);
    g.range = range;
    return g;
}

}  // namespace qv

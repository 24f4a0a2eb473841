#pragma once
// Screen rules of the statistics windows: the shared font's commands, where a new window
// goes, how far each chart scrolls, and the arithmetic behind each chart's layout. Pixel
// values are those of the chart's scrolled area unless said otherwise; cw and ch are the
// width and height of "W" in the statistics font.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/util/geometry.h"
#include "core/statistics/cluster.h"

namespace qv {

// --- The shared statistics font -------------------------------------------------------

inline constexpr int kBoldWeight = 700;
inline constexpr int kNormalWeight = 400;

// "Increase Point Size" has no upper limit; "Decrease Point Size" never goes below 1.
int increasedFontHeight(int height);
int decreasedFontHeight(int height);
// "Bold": 700 unless it already is, then 400.
int toggledBoldWeight(int weight);
// The pixel height the screen uses for a stored height. The settings file may hold any
// number: 0 means the default 12, a negative height is taken by its size, and the result is
// kept within 1..kMaxFontPixels so no window tries to draw glyphs of absurd size.
inline constexpr int kMaxFontPixels = 400;
int fontPixelHeight(int height);

enum class StatisticsFace { Arial, Courier, MSSerif, TimesNewRoman };
inline constexpr int kStatisticsFaceCount = 4;
// The face names the menu sets: "Arial", "New Courier", "MS Serif", "Times New Roman".
const char* faceName(StatisticsFace face);
// The menu item a face name checks; none for a name read from the settings that the menu
// does not offer.
std::optional<StatisticsFace> faceOf(std::string_view name);

// --- Window placement and scrolling -------------------------------------------------------

// A new statistics window, in the coordinates of the MDI area: 10 pixels right and down
// for each other kind of statistics window that is open, 50 more down. It takes the area's
// size less that offset, so its bottom edge, legend and scroll bar stay in sight.
Rect statisticsWindowRect(int areaWidth, int areaHeight, int othersOpen);

// Scroll positions needed to bring the far end of a chart `extent` pixels long into a view
// `viewport` pixels long, `unit` pixels a position: 0 when it fits.
int scrollRange(int extent, int viewport, int unit);

// --- Number frequency ----------------------------------------------------------------------

// "Increase Bar Width" has no upper limit, "Decrease Bar Width" stops at 1.
inline constexpr int kDefaultBarWidth = 2;
int increasedBarWidth(int width);
int decreasedBarWidth(int width);

// The legend under the frequency bars, on screen and on paper: boxes 1.5 ch high ending at
// `bottom`, text 0.25 ch lower than the box top, the dashed sample line 0.75 ch above
// `bottom`; items start at `left`.
struct FrequencyLegendPlace {
    int left = 0;
    int bottom = 0;
    int cw = 1;
    int ch = 1;

    int boxTop() const { return bottom - (3 * ch) / 2; }
    int textTop() const { return bottom - (5 * ch) / 4; }
    int lineY() const { return bottom - (3 * ch) / 4; }
    int boxWidth() const { return (3 * cw) / 2; }
};

// The bar chart fills the height of the window; the uniformity line takes the last text
// line, and everything else stands on the line above it.
struct FrequencyLayout {
    int cw = 1;
    int ch = 1;
    int barWidth = kDefaultBarWidth;  // in character widths
    int x0 = 20;                      // left edge of the first bar
    int chartBottom = 0;              // where the legend ends; the uniformity line is below
    int base = 0;                     // the bottom of the bars, where the numbers start
    int plot = 0;                     // the height of the tallest bar

    int cellLeft(int position) const { return x0 + position * cellWidth(); }
    int cellWidth() const { return barWidth * cw; }
    int barsRight(int highestNumber) const { return cellLeft(highestNumber); }
    // The top of a bar; with a greatest count of 0 every bar lies on the base line.
    int barTop(int count, int greatest) const;
    // The dashed average line, on the base line when the greatest count is 0.
    int averageY(float average, int greatest) const;

    FrequencyLegendPlace legend() const { return {x0, chartBottom, cw, ch}; }
    int uniformityTop() const { return chartBottom; }
};
FrequencyLayout frequencyLayout(int clientHeight, int cw, int ch, int barWidth);

// --- Pairs -----------------------------------------------------------------------------------

// The list of pairs runs down two blocks side by side; the first block takes the odd pair
// when there is one, so every pair is listed.
int pairListRows(std::size_t pairs);
// The record shown in a row of a block (0 or 1); nullopt for the empty place at the foot of
// the second block.
std::optional<std::size_t> pairListRecord(std::size_t pairs, int row, int block);
// Red in the list: the first ten rows of the first block.
inline bool pairListRed(int row, int block) {
    return block == 0 && row < 10;
}

// --- Triples ---------------------------------------------------------------------------------

inline constexpr int kTripleColumns = 40;
// Rows per column: enough for every set in at most 40 columns.
int tripleRows(std::size_t records);
// Columns that hold at least one set.
int tripleColumnsUsed(std::size_t records);
// The set shown in a row of a column, or nullopt.
std::optional<std::size_t> tripleRecord(std::size_t records, int row, int column);

// --- Skipping habit --------------------------------------------------------------------------

// Every count that ties its row's greatest one is red, so a row of zeros is red throughout.
inline bool skipCellRed(int count, int rowMaximum) {
    return count >= rowMaximum;
}

// --- Cluster analysis ------------------------------------------------------------------------

// The grid of the cluster chart: draws across (the newest on the left), numbers down (the
// highest at the top). Row bands are ch high, from ch for the highest number down to
// (N + 1) ch. Column c's mark is half a column wide at gridLeft() + (c + 1) columnWidth.
struct ClusterGeometry {
    int cw = 1;
    int ch = 1;
    int columnWidth = 1;  // trunc(font height x 0.75), at least 1
    int highestNumber = 1;
    SelectedRange range;

    int draws() const { return static_cast<int>(range.size()); }
    int labelLeft() const { return 3 * cw; }
    int gridLeft() const { return 4 * cw; }
    int spanWidth() const { return draws() * columnWidth; }
    int rowTop(int number) const { return (highestNumber - number + 1) * ch; }
    int gridBottom() const { return (highestNumber + 1) * ch; }
    int markLeft(int column) const { return gridLeft() + (column + 1) * columnWidth; }
    int markWidth() const { return columnWidth / 2; }
    // The three legend rows below the grid.
    int legendTop(int row) const { return highestNumber * ch + 60 + row * (3 * ch) / 2; }
    int contentWidth() const;
    int contentHeight() const;

    // A press starts a selection only inside the grid; the hint shows over a slightly
    // different band. Both in chart coordinates.
    bool startsSelection(int x, int y) const;
    bool showsHint(int x, int y) const;
    // The draw under a chart x (may lie outside the range) and the number under a chart y.
    long long entryAt(int x) const;
    int numberAt(int y) const;
    // The region a selection rectangle covers: its left edge gives the newest draw, its
    // right edge the oldest, its bottom the lowest number and its top the highest. nullopt
    // when the rectangle lies wholly beside the draws of the chart.
    std::optional<ClusterRegion> regionFor(const Rect& selection) const;
};
ClusterGeometry clusterGeometry(int cw, int ch, int fontHeight, int highestNumber,
                                SelectedRange range);

}  // namespace qv

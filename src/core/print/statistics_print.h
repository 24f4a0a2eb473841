#pragma once
// Page planning of the statistics printouts: which records, rows and cells each page holds
// and where they stand. Pure arithmetic on the data's size and the measured page; sizes are
// printer pixels, w and h the width and height of "W" in the font the page measures with.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/print/print_common.h"
#include "core/view/statistics_view.h"

namespace qv::print {

// --- Number frequency ------------------------------------------------------------------------

// The bars stand on the base line and grow up to the header; the numbers, then the legend,
// take the lines below the base line down to the chart bottom.
struct FrequencyPrintLayout {
    int w = 1;
    int h = 1;
    int pageWidth = 0;
    int headerBottom = 0;
    int barWidth = 1;     // trunc(2.5 w)
    int x0 = 3;           // left edge of the first bar: 3 w
    int bottom = 0;       // trunc(0.95 x page height)
    int base = 0;         // bottom - 4 h, where the bars stand
    int plot = 0;         // bottom - header bottom - 5 h: the tallest bar
    int barsPerPage = 1;  // never 0, so a tiny page still makes progress

    int barLeft(int slot) const { return x0 + slot * barWidth; }
    // base for a count of 0 or a greatest count of 0.
    int barTop(int count, int greatest) const;
    int averageY(float average, int greatest) const;
    int numberTop() const { return bottom - 3 * h; }
    FrequencyLegendPlace legend() const { return {x0, bottom, w, h}; }
};
FrequencyPrintLayout frequencyPrintLayout(const PageMetrics& m, int headerBottom);

// Records [first, end) of one page.
struct RecordSpan {
    std::size_t first = 0;
    std::size_t end = 0;
    std::size_t size() const { return end - first; }
    friend bool operator==(const RecordSpan&, const RecordSpan&) = default;
};
// The records of page `page` (from 1) when each page holds `perPage`; empty past the end.
RecordSpan pageSpan(std::size_t records, std::size_t perPage, int page);
// Pages for `records` at `perPage` a page; page 1 always exists.
int pagesFor(std::size_t records, std::size_t perPage);

// --- Tiled tables (pairs table, skipping table) ------------------------------------------------

// Rows and columns of one page, inclusive.
struct Tile {
    int firstRow = 0;
    int lastRow = -1;
    int firstColumn = 0;
    int lastColumn = -1;
    int rows() const { return lastRow - firstRow + 1; }
    int columns() const { return lastColumn - firstColumn + 1; }
    friend bool operator==(const Tile&, const Tile&) = default;
};

// The pages of a table: row bands of `rowsPerPage` inside column bands of `columnsPerPage`,
// all row bands of the first column band first. The last band of each kind ends at the
// table's end, so every cell is printed once and no page is empty. An empty table still
// gets one (empty) tile, since every printout has a page 1.
std::vector<Tile> planTiles(int rows, int columns, int rowsPerPage, int columnsPerPage);

// The table's geometry on paper: cells 3 w by h, row labels in the 3 w left and right of
// the grid, column labels on the line above it half a line below the header, and
// `footerLines` lines of text below it.
struct TablePrintLayout {
    int w = 1;
    int h = 1;
    int headerBottom = 0;
    int rowsPerPage = 1;
    int columnsPerPage = 1;

    int gridLeft() const { return 6 * w; }
    int gridTop() const { return columnLabelTop() + h; }
    int cellWidth() const { return 3 * w; }
    int columnLeft(int slot) const { return gridLeft() + slot * cellWidth(); }
    int rowTop(int slot) const { return gridTop() + slot * h; }
    int columnLabelTop() const { return headerBottom + h / 2; }
};
// R = (page height - 2 hb - 2 h) / h and K = (page width - 12 w) / (3 w), each at least 1,
// R further kept so that the footer lines fit above the page's bottom edge.
TablePrintLayout tablePrintLayout(const PageMetrics& m, int headerBottom, int footerLines);

// The pairs table leaves out the pages that would hold no pair at all (only cells on or
// above the diagonal, row number not above column number).
std::vector<Tile> pairTableTiles(int highestNumber, const TablePrintLayout& layout);
// The skipping table: one row per number, one column per skip count.
std::vector<Tile> skipTableTiles(int highestNumber, int skipColumns,
                                 const TablePrintLayout& layout);

// --- Pairs list ---------------------------------------------------------------------------------

inline constexpr int kPairListBlocks = 4;
// Rows of the four blocks: ceil(pairs / 4), so every pair is listed.
int pairListPrintRows(std::size_t pairs);
// The record in a row of a block; nullopt for the empty places at the foot of the last blocks.
std::optional<std::size_t> pairListPrintRecord(std::size_t pairs, int row, int block);
// Red: the counts of the first ten rows of the first block.
inline bool pairListPrintRed(int row, int block) {
    return block == 0 && row < 10;
}

// The blocks across the page: each a pair column as wide as its heading (pairWidth), one w,
// then a count column as wide as its heading (countWidth); blocks 2 w apart from 3 w on.
struct PairListPrintLayout {
    int w = 1;
    int h = 1;
    int headerBottom = 0;
    int pairWidth = 0;
    int countWidth = 0;
    int rowsPerPage = 1;  // list rows below the headings

    int blockLeft(int block) const { return 3 * w + block * (pairWidth + countWidth + 3 * w); }
    int countLeft(int block) const { return blockLeft(block) + pairWidth + w; }
    // The right end of the last block.
    int right() const { return countLeft(kPairListBlocks - 1) + countWidth; }
    // The headings half a line below the header, the rows below them.
    int headingTop() const { return headerBottom + h / 2; }
    int rowTop(int slot) const { return headingTop() + (slot + 1) * h; }
};
// Rows follow until the next would start below page height - 2 h; at least one a page.
PairListPrintLayout pairListPrintLayout(const PageMetrics& m, int headerBottom, int pairWidth,
                                        int countWidth);

// --- Triples ------------------------------------------------------------------------------------

// K columns of cells cw by ch from x = 20, R rows a page below a line of headings; the
// list runs down the columns of the whole printout.
struct TriplesPrintLayout {
    int cellWidth = 1;
    int cellHeight = 1;
    int headerBottom = 0;
    int columns = 1;          // K = (page width - 40) / cw
    int rowsPerPage = 1;      // R = (page height - 40 - hb - ch) / ch
    std::size_t printed = 0;  // records printed: all, or K x R x the page limit
    int rows = 0;             // rows of the whole printout: ceil(printed / K)

    int pages() const;
    // The rows [first, end) of a page.
    int firstRow(int page) const { return (page - 1) * rowsPerPage; }
    int endRow(int page) const;
    // The record of row `row` (of the whole printout) in column `column`, or nullopt.
    std::optional<std::size_t> record(int row, int column) const;
    int cellLeft(int column) const { return 20 + column * cellWidth; }
    int headingTop() const { return headerBottom; }
    int rowTop(int page, int row) const {
        return headerBottom + (row - firstRow(page) + 1) * cellHeight;
    }
};
// `pageLimit` 0 prints every record.
TriplesPrintLayout triplesPrintLayout(const PageMetrics& m, int headerBottom, int cellWidth,
                                      int cellHeight, std::size_t records, int pageLimit);

// The page limit typed into the triples print options: "All Pages" is 0; "Only the first"
// reads the text as "%d" (blanks around it allowed). nullopt for text that is no page count
// (empty, letters, negative, more than kMaxPageNumber).
std::optional<int> triplesPageLimit(bool onlyFirst, std::string_view text);

// --- Cluster ------------------------------------------------------------------------------------

// Draw columns w / 3 wide, the newest on the left; numbers down from the highest; rows h
// high from y0 = hb + 2 h.
struct ClusterPrintLayout {
    int w = 1;
    int h = 1;
    int headerBottom = 0;
    int columnWidth = 1;  // w / 3, at least 1
    int draws = 0;        // the newest draws of the span that fit across the page
    int rowsPerPage = 1;

    int y0() const { return headerBottom + 2 * h; }
    int labelLeft() const { return 4 * w; }
    int spanLeft() const { return 6 * w + 3; }
    int spanRight() const { return 6 * w + 4 + columnWidth * draws; }
    // Draw column k counts from 1 for the newest printed draw.
    int markLeft(int k) const { return columnWidth * k + 6 * w - markWidth() + 2; }
    int markWidth() const { return w / 4 > 0 ? w / 4 : 1; }
    // The highest number on a page, given the number of the game's numbers.
    int firstNumber(int highestNumber, int page) const {
        return highestNumber - (page - 1) * rowsPerPage;
    }
    int lastNumber(int highestNumber, int page) const;
    int rowTop(int first, int number) const { return y0() + (first - number) * h; }
    int pages(int highestNumber) const;
    // The three legend lines below the rows of a page that ends with number `last`.
    int legendTop(int first, int last, int line) const {
        return rowTop(first, last) + 2 * h + line * ((3 * h) / 2);
    }
};
// Drops the oldest draws until (w / 3) x draws + 6 w + 4 fits within page width - 10 w; a
// number's row is on the page while its top stays within page height - 2 y0 - 3 h.
ClusterPrintLayout clusterPrintLayout(const PageMetrics& m, int headerBottom, int spanDraws);

}  // namespace qv::print

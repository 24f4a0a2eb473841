#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "core/print/print_common.h"
#include "core/print/statistics_print.h"

using namespace qv::print;

namespace {

PageMetrics page(int width, int height, int w, int h) {
    PageMetrics m;
    m.pageWidth = width;
    m.pageHeight = height;
    m.w = w;
    m.h = h;
    return m;
}

// How often each cell of a rows x columns table is printed over the tiles.
std::map<std::pair<int, int>, int> cellsPrinted(const std::vector<Tile>& tiles) {
    std::map<std::pair<int, int>, int> printed;
    for (const Tile& t : tiles)
        for (int r = t.firstRow; r <= t.lastRow; ++r)
            for (int c = t.firstColumn; c <= t.lastColumn; ++c) ++printed[{r, c}];
    return printed;
}

}  // namespace

TEST(FrequencyPrint, BarsFillEachPageAndContinueOnTheNext) {
    // A page that holds 30 bars: w = 10 gives bars 25 wide from x0 = 30.
    const FrequencyPrintLayout l = frequencyPrintLayout(page(810, 1000, 10, 20), 100);
    EXPECT_EQ(l.barWidth, 25);
    EXPECT_EQ(l.x0, 30);
    ASSERT_EQ(l.barsPerPage, 30);
    // The bars run from the next record while x0 + bw + (i - next) bw stays within pw - x0.
    for (int slot = 0; slot < 31; ++slot)
        EXPECT_EQ(l.x0 + l.barWidth + slot * l.barWidth <= 810 - l.x0, slot < l.barsPerPage);

    // 49 numbers: 1-30 on page 1, the rest on page 2 (each page draws its own legend).
    EXPECT_EQ(pagesFor(49, l.barsPerPage), 2);
    EXPECT_EQ(pageSpan(49, l.barsPerPage, 1), (RecordSpan{0, 30}));
    EXPECT_EQ(pageSpan(49, l.barsPerPage, 2), (RecordSpan{30, 49}));
    EXPECT_EQ(pageSpan(49, l.barsPerPage, 3).size(), 0u);
    EXPECT_EQ(pagesFor(30, l.barsPerPage), 1);
    EXPECT_EQ(pagesFor(0, l.barsPerPage), 1);

    // A page too narrow for even one bar still prints one a page instead of none forever.
    const FrequencyPrintLayout tiny = frequencyPrintLayout(page(40, 300, 10, 20), 50);
    EXPECT_EQ(tiny.barsPerPage, 1);
    EXPECT_EQ(pagesFor(49, tiny.barsPerPage), 49);
}

TEST(FrequencyPrint, BarsStandOnTheBaseLineAndReachTheHeader) {
    const FrequencyPrintLayout l = frequencyPrintLayout(page(1000, 2000, 10, 20), 100);
    EXPECT_EQ(l.bottom, 1900);
    EXPECT_EQ(l.base, 1900 - 80);
    EXPECT_EQ(l.plot, 1900 - 100 - 100);
    // The tallest bar ends one line below the header: room for its count above it.
    EXPECT_EQ(l.barTop(12, 12), 100 + 20);
    EXPECT_EQ(l.barTop(6, 12), l.base - l.plot / 2);
    EXPECT_EQ(l.barTop(0, 12), l.base);
    EXPECT_EQ(l.barTop(5, 0), l.base);  // no draws: every bar flat
    EXPECT_EQ(l.averageY(1.5f, 0), l.base);
    // The numbers and the legend lie between the base line and the chart bottom.
    EXPECT_GE(l.numberTop(), l.base);
    EXPECT_GT(l.legend().boxTop(), l.numberTop() + l.h - 1);
    EXPECT_LE(l.bottom, 2000);

    // A page shorter than the header and legend: no bar grows downward.
    const FrequencyPrintLayout flat = frequencyPrintLayout(page(1000, 100, 10, 20), 100);
    EXPECT_EQ(flat.plot, 0);
    EXPECT_EQ(flat.barTop(3, 3), flat.base);
}

TEST(TablePrint, TilesCoverEveryCellOnceWithoutEmptyPages) {
    struct Case {
        int rows, columns, perRow, perColumn;
        int pages;
    };
    const Case cases[] = {
        {10, 10, 20, 20, 1},                    // fits on one page
        {30, 30, 20, 20, 4},                    // one extra band each way: 2 x 2
        {50, 50, 20, 20, 9},                    // two extra bands each way
        {40, 40, 20, 20, 4},                    // an exact multiple: no third, empty band
        {49, 49, 55, 13, 4},                    // four column bands: more than three are printed
        {49, 60, 55, 13, 5},                    // the skipping table of a 6/49 game
        {1, 1, 5, 5, 1},     {0, 60, 5, 5, 1},  // nothing to print still makes page 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << "x" << c.columns);
        const std::vector<Tile> tiles = planTiles(c.rows, c.columns, c.perRow, c.perColumn);
        EXPECT_EQ(static_cast<int>(tiles.size()), c.pages);
        if (c.rows == 0) continue;
        for (const Tile& t : tiles) {
            EXPECT_GE(t.rows(), 1);
            EXPECT_GE(t.columns(), 1);
            EXPECT_LE(t.rows(), c.perRow);
            EXPECT_LE(t.columns(), c.perColumn);
        }
        const auto printed = cellsPrinted(tiles);
        EXPECT_EQ(static_cast<int>(printed.size()), c.rows * c.columns);
        for (const auto& [cell, times] : printed) {
            EXPECT_EQ(times, 1);
            EXPECT_LT(cell.first, c.rows);
            EXPECT_LT(cell.second, c.columns);
        }
    }

    // Pages 1-3 are the row bands of the first column band, 4-6 of the second, 7-9 of the
    // third; the last band of each kind ends at the table's end.
    const std::vector<Tile> nine = planTiles(50, 45, 20, 20);
    ASSERT_EQ(nine.size(), 9u);
    EXPECT_EQ(nine[0], (Tile{0, 19, 0, 19}));
    EXPECT_EQ(nine[1], (Tile{20, 39, 0, 19}));
    EXPECT_EQ(nine[2], (Tile{40, 49, 0, 19}));
    EXPECT_EQ(nine[3], (Tile{0, 19, 20, 39}));
    EXPECT_EQ(nine[8], (Tile{40, 49, 40, 44}));
}

TEST(TablePrint, RowsAndColumnsPerPageLeaveRoomForLabelsAndFooter) {
    const PageMetrics m = page(1000, 1500, 20, 25);
    const TablePrintLayout l = tablePrintLayout(m, 60, 2);
    EXPECT_EQ(l.columnsPerPage, (1000 - 240) / 60);
    EXPECT_EQ(l.rowsPerPage, (1500 - 120 - 50) / 25);
    // The grid and the row labels on its right stay inside the page; so do the footer lines.
    EXPECT_LE(l.columnLeft(l.columnsPerPage) + 3 * l.w, 1000);
    EXPECT_LE(l.rowTop(l.rowsPerPage) + 2 * l.h, 1500);

    // With a header as short as a line the footer, not the header rule, limits the rows.
    const TablePrintLayout thin = tablePrintLayout(page(1000, 500, 20, 25), 10, 2);
    EXPECT_LE(thin.rowTop(thin.rowsPerPage) + 2 * thin.h, 500);
    // A page too small for anything still takes a row and a column.
    const TablePrintLayout tiny = tablePrintLayout(page(50, 50, 20, 25), 40, 2);
    EXPECT_EQ(tiny.rowsPerPage, 1);
    EXPECT_EQ(tiny.columnsPerPage, 1);
}

TEST(TablePrint, PairsTableSkipsPagesWithoutPairs) {
    TablePrintLayout l;
    l.rowsPerPage = 20;
    l.columnsPerPage = 20;
    const std::vector<Tile> tiles = pairTableTiles(49, l);
    // Of the nine tiles, those wholly on or above the diagonal hold no pair.
    EXPECT_EQ(tiles.size(), 6u);
    std::map<std::pair<int, int>, int> pairs;
    for (const auto& [cell, times] : cellsPrinted(tiles))
        if (cell.first > cell.second) pairs[cell] = times;
    EXPECT_EQ(pairs.size(), 49u * 48u / 2u);
    for (const auto& [cell, times] : pairs) EXPECT_EQ(times, 1);

    // One number has no pairs at all: still one page.
    EXPECT_EQ(pairTableTiles(1, l).size(), 1u);
    EXPECT_EQ(skipTableTiles(49, 60, l).size(), 3u * 3u);
}

TEST(PairListPrint, FourBlocksListEveryPairOnce) {
    for (const std::size_t pairs : {1176u, 861u, 3u, 1u, 0u}) {
        SCOPED_TRACE(pairs);
        const int rows = pairListPrintRows(pairs);
        EXPECT_EQ(static_cast<std::size_t>(rows), (pairs + 3) / 4);
        std::vector<int> seen(pairs, 0);
        for (int row = 0; row < rows + 1; ++row)
            for (int block = 0; block < kPairListBlocks; ++block)
                if (auto k = pairListPrintRecord(pairs, row, block)) {
                    ASSERT_LT(*k, pairs);
                    ++seen[*k];
                }
        for (int times : seen) EXPECT_EQ(times, 1);
    }
    // Blocks are read down: block B starts after the last row of block A.
    EXPECT_EQ(pairListPrintRecord(1176, 0, 1), 294u);
    // 861 pairs in 216 rows: the last block ends three places short.
    EXPECT_EQ(pairListPrintRecord(861, 212, 3), 860u);
    EXPECT_FALSE(pairListPrintRecord(861, 213, 3));
    EXPECT_TRUE(pairListPrintRed(9, 0));
    EXPECT_FALSE(pairListPrintRed(10, 0));
    EXPECT_FALSE(pairListPrintRed(0, 1));
}

TEST(PairListPrint, RowsStopAboveTheFootOfThePage) {
    const PairListPrintLayout l = pairListPrintLayout(page(1000, 1000, 10, 20), 100, 140, 100);
    // The last row starts no lower than ph - 2 h; one more would.
    EXPECT_LE(l.rowTop(l.rowsPerPage - 1), 1000 - 40);
    EXPECT_GT(l.rowTop(l.rowsPerPage), 1000 - 40);
    EXPECT_EQ(l.blockLeft(0), 30);
    EXPECT_EQ(l.countLeft(0), 30 + 140 + 10);
    EXPECT_EQ(l.blockLeft(1), 30 + 140 + 10 + 100 + 20);
    EXPECT_EQ(l.right(), l.blockLeft(3) + 140 + 10 + 100);

    EXPECT_EQ(pairListPrintLayout(page(1000, 50, 10, 20), 100, 140, 100).rowsPerPage, 1);
}

TEST(TriplesPrint, PageLimitAndColumnOrder) {
    // K = (1000 - 40) / 160 = 6 columns, R = (1000 - 40 - 100 - 20) / 20 = 42 rows.
    const PageMetrics m = page(1000, 1000, 10, 20);
    struct Case {
        std::size_t records;
        int limit;
        std::size_t printed;
        int pages;
    };
    const Case cases[] = {
        {18424, 2, 504, 2},                         // exactly two pages
        {18424, 1, 252, 1}, {18424, 0, 18424, 74},  // every set: ceil(ceil(18424 / 6) / 42)
        {300, 2, 300, 2},                           // fewer sets than the limit allows
        {252, 0, 252, 1},   {7, 0, 7, 1},  // more sets than columns, fewer than two rows' worth
        {0, 0, 0, 1},       {18424, 999, 18424, 74},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " limit " << c.limit);
        const TriplesPrintLayout l = triplesPrintLayout(m, 100, 160, 20, c.records, c.limit);
        ASSERT_EQ(l.columns, 6);
        ASSERT_EQ(l.rowsPerPage, 42);
        EXPECT_EQ(l.printed, c.printed);
        EXPECT_EQ(l.pages(), c.pages);
        // Every printed set is on exactly one page, once; none past the limit.
        std::vector<int> seen(l.printed, 0);
        for (int p = 1; p <= l.pages(); ++p) {
            EXPECT_LE(l.endRow(p) - l.firstRow(p), l.rowsPerPage);
            for (int row = l.firstRow(p); row < l.endRow(p); ++row)
                for (int col = 0; col < l.columns; ++col)
                    if (auto k = l.record(row, col)) {
                        ASSERT_LT(*k, l.printed);
                        ++seen[*k];
                    }
        }
        for (int times : seen) EXPECT_EQ(times, 1);
    }

    // Down the columns of the whole printout: the second column goes on from the first's
    // last row.
    const TriplesPrintLayout l = triplesPrintLayout(m, 100, 160, 20, 504, 0);
    EXPECT_EQ(l.rows, 84);
    EXPECT_EQ(l.record(0, 0), 0u);
    EXPECT_EQ(l.record(83, 0), 83u);
    EXPECT_EQ(l.record(0, 1), 84u);
    EXPECT_EQ(l.rowTop(2, 42), 100 + 20);  // each page's first row below its headings
    // The cells stay inside the page.
    EXPECT_LE(l.cellLeft(l.columns), 1000 - 20);
    EXPECT_LE(l.rowTop(1, l.rowsPerPage - 1) + 20, 1000 - 40);
}

TEST(TriplesPrint, PageLimitText) {
    struct Case {
        bool onlyFirst;
        const char* text;
        std::optional<int> limit;
    };
    const Case cases[] = {
        {false, "abc", 0},  // "All Pages" ignores the edit
        {true, "2", 2},
        {true, " 3 ", 3},
        {true, "0", 0},
        {true, "999", 999},
        {true, "", std::nullopt},
        {true, "x", std::nullopt},
        {true, "-1", std::nullopt},
        {true, "2x", std::nullopt},
        {true, "1000", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(triplesPageLimit(c.onlyFirst, c.text), c.limit);
    }
}

TEST(ClusterPrint, SpanFitsTheWidthAndRowsTheHeight) {
    // w = 30: columns 10 wide; (w / 3) draws + 6 w + 4 <= pw - 10 w holds up to 51 draws.
    const PageMetrics m = page(1000, 1200, 30, 20);
    const ClusterPrintLayout l = clusterPrintLayout(m, 100, 500);
    EXPECT_EQ(l.columnWidth, 10);
    EXPECT_EQ(l.draws, 51);
    EXPECT_LE(10 * 51 + 6 * 30 + 4, 1000 - 300);
    EXPECT_GT(10 * 52 + 6 * 30 + 4, 1000 - 300);
    EXPECT_EQ(clusterPrintLayout(m, 100, 20).draws, 20);  // a short span is printed whole
    // The newest draw's mark is the first right of the frame, the oldest's inside it.
    EXPECT_GT(l.markLeft(1), l.spanLeft());
    EXPECT_LE(l.markLeft(l.draws) + l.markWidth(), l.spanRight());

    // Rows: number v is on the page while y0 + (first - v) h <= ph - 2 y0 - 3 h.
    const int y0 = 100 + 40;
    for (int highest : {49, 10, 100}) {
        SCOPED_TRACE(highest);
        std::vector<int> seen(static_cast<std::size_t>(highest) + 1, 0);
        for (int p = 1; p <= l.pages(highest); ++p) {
            const int first = l.firstNumber(highest, p);
            const int last = l.lastNumber(highest, p);
            EXPECT_LE(l.rowTop(first, last), 1200 - 2 * y0 - 3 * 20);
            if (last > 1) {
                EXPECT_GT(l.rowTop(first, last - 1), 1200 - 2 * y0 - 3 * 20);
            }
            for (int v = first; v >= last; --v) ++seen[static_cast<std::size_t>(v)];
            // The legend ends above the page's bottom edge.
            EXPECT_LE(l.legendTop(first, last, 2) + 20, 1200);
        }
        for (int v = 1; v <= highest; ++v) EXPECT_EQ(seen[static_cast<std::size_t>(v)], 1);
    }

    // Too small a page: no draws across, one number a page, never none.
    const ClusterPrintLayout tiny = clusterPrintLayout(page(200, 100, 30, 20), 50, 100);
    EXPECT_EQ(tiny.draws, 0);
    EXPECT_EQ(tiny.rowsPerPage, 1);
    EXPECT_EQ(tiny.pages(49), 49);
    EXPECT_EQ(clusterPrintLayout(page(1000, 1000, 2, 2), 10, 100).columnWidth, 1);
}

TEST(PageHeader, PageNumberAndDateTexts) {
    EXPECT_EQ(qv::print::pageLabel(3), "Page 3");
    EXPECT_EQ(qv::print::headerDate(qv::Date{12, 7, 2026}), "12/7/2026");
    EXPECT_EQ(qv::print::headerDate(qv::Date{1, 31, 2027}), "1/31/2027");
    EXPECT_EQ(qv::print::headerFontHeight(4760), 95);
    EXPECT_EQ(qv::print::headerFontHeight(20), 1);  // never a font of no height
}

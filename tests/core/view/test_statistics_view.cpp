#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/statistics/cluster.h"
#include "core/view/statistics_view.h"
#include "test_support.h"

using namespace qv;
using namespace qv::test;

TEST(StatisticsFont, CommandLimitsAndFaces) {
    EXPECT_EQ(decreasedFontHeight(2), 1);
    EXPECT_EQ(decreasedFontHeight(1), 1);
    EXPECT_EQ(decreasedFontHeight(-4), -4);  // as read from a settings file: left alone
    EXPECT_EQ(increasedFontHeight(12), 13);
    EXPECT_EQ(increasedFontHeight(INT_MAX), INT_MAX);

    EXPECT_EQ(toggledBoldWeight(0), 700);
    EXPECT_EQ(toggledBoldWeight(700), 400);
    EXPECT_EQ(toggledBoldWeight(400), 700);

    // Whatever the settings file holds, the screen gets a usable size.
    EXPECT_EQ(fontPixelHeight(12), 12);
    EXPECT_EQ(fontPixelHeight(0), 12);
    EXPECT_EQ(fontPixelHeight(-15), 15);
    EXPECT_EQ(fontPixelHeight(INT_MIN), kMaxFontPixels);
    EXPECT_EQ(fontPixelHeight(1000000), kMaxFontPixels);

    EXPECT_STREQ(faceName(StatisticsFace::Courier), "New Courier");
    EXPECT_EQ(faceOf("New Courier"), StatisticsFace::Courier);
    EXPECT_FALSE(faceOf("Courier New"));
    EXPECT_FALSE(faceOf("arial"));
}

TEST(StatisticsPlacement, TenPixelsForEachOtherWindow) {
    EXPECT_EQ(statisticsWindowRect(800, 600, 0), (Rect{0, 50, 800, 600}));
    // Two others open: 20 right and 70 down, the bottom edge still on the area's.
    EXPECT_EQ(statisticsWindowRect(800, 600, 2), (Rect{20, 70, 800, 600}));
    EXPECT_EQ(statisticsWindowRect(800, 600, 5), (Rect{50, 100, 800, 600}));
    // A tiny area still gets a usable window.
    const Rect small = statisticsWindowRect(100, 80, 1);
    EXPECT_EQ(small.left, 10);
    EXPECT_EQ(small.top, 60);
    EXPECT_GE(small.width(), 200);
    EXPECT_GE(small.height(), 150);
}

TEST(StatisticsScrolling, RangeReachesTheFarEndExactly) {
    EXPECT_EQ(scrollRange(500, 600, 12), 0);
    EXPECT_EQ(scrollRange(600, 600, 12), 0);
    EXPECT_EQ(scrollRange(601, 600, 12), 1);
    EXPECT_EQ(scrollRange(1000, 600, 12), 34);  // 33 x 12 = 396 falls 4 short
    EXPECT_EQ(scrollRange(1000, 600, 0), 400);
    EXPECT_EQ(scrollRange(INT_MAX, -INT_MAX, 1), INT_MAX);
}

TEST(FrequencyChart, BarsAverageAndLegendFitTheHeight) {
    EXPECT_EQ(decreasedBarWidth(1), 1);
    EXPECT_EQ(decreasedBarWidth(2), 1);
    EXPECT_EQ(increasedBarWidth(2), 3);

    const FrequencyLayout l = frequencyLayout(600, 10, 14, 2);
    EXPECT_EQ(l.chartBottom, 586);  // the uniformity line takes the last 14 pixels
    EXPECT_EQ(l.base, 544);
    EXPECT_EQ(l.plot, 516);

    EXPECT_EQ(l.barTop(50, 50), 544 - 516);
    EXPECT_EQ(l.barTop(25, 50), 544 - 258);
    EXPECT_EQ(l.barTop(1, 3), 544 - 172);
    EXPECT_EQ(l.barTop(2, 3), 544 - 344);
    EXPECT_EQ(l.barTop(0, 50), 544);
    EXPECT_EQ(l.averageY(12.24f, 24), 544 - 263);  // 0.51 x 516 = 263.16
    // A greatest count of 0 divides by nothing: bars and average on the base line.
    EXPECT_EQ(l.barTop(0, 0), 544);
    EXPECT_EQ(l.averageY(3.5f, 0), 544);

    // The legend stands on the line above the uniformity line, clear of the numbers.
    EXPECT_GE(l.legend().boxTop(), l.base + l.ch);
    EXPECT_EQ(l.uniformityTop() + l.ch, 600);

    // A window too low for a chart draws no bar upward of its base.
    EXPECT_EQ(frequencyLayout(40, 10, 14, 2).plot, 0);
}

TEST(PairsList, TwoBlocksListEveryPair) {
    EXPECT_EQ(pairListRows(1176), 588);  // 49 numbers
    EXPECT_EQ(pairListRows(861), 431);   // 42 numbers: the odd pair goes to the first block
    EXPECT_EQ(pairListRows(0), 0);
    EXPECT_EQ(pairListRecord(861, 430, 0), 430u);
    EXPECT_EQ(pairListRecord(861, 429, 1), 860u);
    EXPECT_FALSE(pairListRecord(861, 430, 1));
    EXPECT_EQ(pairListRecord(1176, 0, 1), 588u);

    for (std::size_t pairs : {0u, 1u, 3u, 10u, 861u, 1176u, 4950u}) {
        std::vector<int> seen(pairs, 0);
        const int rows = pairListRows(pairs);
        for (int row = 0; row < rows + 1; ++row)
            for (int block = 0; block < 2; ++block)
                if (auto k = pairListRecord(pairs, row, block)) ++seen[*k];
        for (std::size_t k = 0; k < pairs; ++k) EXPECT_EQ(seen[k], 1) << pairs << " pairs, " << k;
    }

    EXPECT_TRUE(pairListRed(9, 0));
    EXPECT_FALSE(pairListRed(10, 0));
    EXPECT_FALSE(pairListRed(0, 1));
}

TEST(TriplesList, FortyColumnsShowEverySet) {
    EXPECT_EQ(tripleRows(18424), 461);  // 49 numbers
    EXPECT_EQ(tripleColumnsUsed(18424), 40);
    EXPECT_EQ(tripleRows(35), 1);  // 7 numbers: one row
    EXPECT_EQ(tripleColumnsUsed(35), 35);
    EXPECT_EQ(tripleRows(0), 0);
    EXPECT_EQ(tripleColumnsUsed(0), 0);
    EXPECT_EQ(tripleRecord(18424, 0, 1), 461u);
    EXPECT_EQ(tripleRecord(18424, 444, 39), 18423u);
    EXPECT_FALSE(tripleRecord(18424, 445, 39));
    EXPECT_FALSE(tripleRecord(18424, 0, 40));

    for (std::size_t records : {1u, 4u, 35u, 40u, 41u, 120u, 18424u, 161700u}) {
        std::vector<int> seen(records, 0);
        const int rows = tripleRows(records);
        for (int column = 0; column <= kTripleColumns; ++column)
            for (int row = 0; row <= rows; ++row)
                if (auto k = tripleRecord(records, row, column)) ++seen[*k];
        for (std::size_t k = 0; k < records; ++k) ASSERT_EQ(seen[k], 1) << records << ", " << k;
        EXPECT_LE(tripleColumnsUsed(records), kTripleColumns);
    }
}

TEST(ClusterChart, PointsMapToDrawsAndNumbers) {
    // Font height 12: columns of 9 pixels, marks 4 wide.
    const ClusterGeometry g = clusterGeometry(10, 14, 12, 49, SelectedRange{5, 25});
    EXPECT_EQ(g.columnWidth, 9);
    EXPECT_EQ(g.markWidth(), 4);

    for (int column : {0, 1, 7, 19}) {
        const int left = g.markLeft(column);
        EXPECT_EQ(g.entryAt(left), 5 + column);
        EXPECT_EQ(g.entryAt(left + g.markWidth()), 5 + column);
    }
    for (int v : {1, 10, 49}) {
        EXPECT_EQ(g.numberAt(g.rowTop(v)), v);
        EXPECT_EQ(g.numberAt(g.rowTop(v) + 13), v);
    }

    // Presses start a selection only over the grid.
    EXPECT_TRUE(g.startsSelection(g.markLeft(0), g.rowTop(10)));
    EXPECT_FALSE(g.startsSelection(g.markLeft(0), g.rowTop(49) - 1));
    EXPECT_FALSE(g.startsSelection(g.markLeft(0), g.gridBottom()));
    EXPECT_FALSE(g.startsSelection(g.gridLeft(), g.rowTop(10)));
    EXPECT_TRUE(g.showsHint(g.gridLeft() + 4, g.rowTop(10)));

    // A rectangle from the mark of column 2, number 10 to that of column 6, number 1.
    const Rect box{g.markLeft(2), g.rowTop(10) + 2, g.markLeft(6) + 2, g.rowTop(1) + 3};
    const auto region = g.regionFor(box);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->newest, 7u);
    EXPECT_EQ(region->oldest, 11u);
    EXPECT_EQ(region->low, 1);
    EXPECT_EQ(region->high, 10);
    // Wholly right of the oldest draw, or left of the newest: nothing.
    EXPECT_FALSE(g.regionFor(Rect{g.markLeft(21), 20, g.markLeft(23), 40}));
    EXPECT_FALSE(g.regionFor(Rect{-200, 20, g.markLeft(0) - 100, 40}));
}

TEST(ClusterChart, DraggedRegionReportsItsShare) {
    // 20 draws of 6; 30 of the 120 numbers drawn lie in 1..10.
    std::vector<TicketType> entries;
    for (int i = 0; i < 20; ++i)
        entries.push_back(draw(2, 20 - i, 2004,
                               i < 10 ? std::initializer_list<int>{1, 2, 3, 21, 22, 23}
                                      : std::initializer_list<int>{21, 22, 23, 24, 25, 26}));
    DataHeader header;
    const ClusterChart chart = CountClusters(header, entries, StatisticsSettings{});
    const ClusterGeometry g = clusterGeometry(11, 15, 12, 49, chart.range);
    // From the top of row 10 in the newest column to the bottom of row 1 in the oldest one.
    const Rect box{g.markLeft(0) + 1, g.rowTop(10) + 1, g.markLeft(19) + 3, g.rowTop(1) + 14};
    const auto region = g.regionFor(box);
    ASSERT_TRUE(region);
    const auto share = regionShare(header, entries, chart.range, *region);
    ASSERT_TRUE(share);
    EXPECT_EQ(regionReportText(*share),
              "The numbers you selected, (1 - 10) account for 25.00% of the winning numbers "
              "between 2/1/2004 and 2/20/2004.");
}

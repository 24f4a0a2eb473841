#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "core/statistics/cluster.h"
#include "core/statistics/frequency.h"
#include "core/statistics/pairs.h"
#include "core/statistics/selected_range.h"
#include "core/statistics/selection_order.h"
#include "core/statistics/skips.h"
#include "core/statistics/statistics_options.h"
#include "core/statistics/statistics_report.h"
#include "core/statistics/triples.h"
#include "reference_statistics.h"
#include "test_support.h"

using namespace qv;
using namespace qv::test;

namespace {

DataHeader game(int lotto, int perDraw = 6) {
    DataHeader h;
    h.numbersInLotto = static_cast<std::uint16_t>(lotto);
    h.numbersOnTicket = static_cast<std::uint16_t>(perDraw);
    return h;
}

// Draws newest first, one day apart, ending on 1/1/2000.
std::vector<TicketType> draws(std::initializer_list<std::initializer_list<int>> numbers) {
    std::vector<TicketType> entries;
    int day = static_cast<int>(numbers.size());
    for (const auto& n : numbers) entries.push_back(draw(1, day--, 2000, n));
    return entries;
}

StatisticsSettings span(Date from, Date to) {
    StatisticsSettings s;
    s.fromDate = from;
    s.toDate = to;
    return s;
}

// Logs every call; answers "cancelled" at one poll, counted from 1.
struct ScriptedReporter : ProgressReporter {
    long long cancelOnPoll = -1;
    long long polls = 0;
    std::vector<std::string> log;
    void open(const std::string& caption) override { log.push_back("open " + caption); }
    void show(int percent) override { log.push_back(std::to_string(percent)); }
    bool cancelled() override { return ++polls == cancelOnPoll; }
    void close() override { log.push_back("close"); }
};

// Random draws with many repeated counts: few numbers, some zeros inside the slots, repeats
// and numbers outside the game.
std::vector<TicketType> randomDraws(std::mt19937& rng, int lotto, int count) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<TicketType> entries(static_cast<std::size_t>(count));
    int day = count;
    for (auto& t : entries) {
        t.setDate(Date{1, std::int16_t(day % 28 + 1), std::int16_t(1990 + day / 28)});
        --day;
        const int k = pick(0, 10);
        for (int s = 0; s < k; ++s) {
            int roll = pick(0, 40);
            t.numbers[s] = std::int16_t(roll == 0 ? 0 : roll == 1 ? pick(-3, 120) : pick(1, lotto));
        }
        for (auto& b : t.bonus) b = std::int16_t(pick(0, lotto));
    }
    return entries;
}

}  // namespace

TEST(SelectedRange, FollowsTheDatesNewestFirst) {
    const std::vector<TicketType> five = {draw(3, 14, 1998), draw(3, 10, 1998), draw(3, 7, 1998),
                                          draw(3, 3, 1998), draw(2, 28, 1998)};
    const std::vector<TicketType> three = {draw(3, 10, 1998), draw(3, 7, 1998), draw(3, 3, 1998)};
    struct Case {
        const std::vector<TicketType>* entries;
        Date from, to;
        SelectedRange expected;
    } cases[] = {
        {&five, {}, {}, {0, 5}},
        {&three, {3, 3, 1998}, {3, 7, 1998}, {1, 3}},
        {&five, {3, 3, 1998}, {}, {0, 4}},
        {&five, {}, {3, 7, 1998}, {2, 5}},
        {&five, {3, 4, 1998}, {3, 9, 1998}, {2, 3}},   // dates of no draw
        {&five, {}, {1, 1, 1998}, {5, 5}},             // every draw is later
        {&five, {1, 1, 1999}, {}, {0, 0}},             // every draw is earlier
        {&five, {3, 10, 1998}, {3, 3, 1998}, {3, 3}},  // reversed dates never reverse the range
        {&five, {1, 1, -5}, {12, 31, 1997}, {5, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectedRange(*c.entries, span(c.from, c.to)), c.expected)
            << c.from.month << "-" << c.from.day << " .. " << c.to.month << "-" << c.to.day;
    EXPECT_EQ(selectedRange({}, span({1, 1, 1998}, {1, 1, 1999})), (SelectedRange{0, 0}));
    EXPECT_EQ(rangeReport({2, 7}), "2 7");
}

TEST(StatisticsOptions, AppliesChangesLikeTheDialog) {
    StatisticsSettings start;
    start.fromDate = {5, 1, 2004};
    struct Case {
        StatisticsOptionChanges changes;
        int hot, cold;
        Date from, to;
    } cases[] = {
        {{"pairs", std::nullopt, std::nullopt, std::nullopt}, 1, 0, {5, 1, 2004}, {}},
        {{std::nullopt, "pairs", "oldest", std::nullopt}, 0, 1, {}, {}},
        {{"numbers", "numbers", "2-29-2004", "12-31-2004"}, 0, 0, {2, 29, 2004}, {12, 31, 2004}},
        // an earlier "to" swaps, also against the stored "from"; "newest" never swaps
        {{std::nullopt, std::nullopt, std::nullopt, "1-15-2004"},
         0,
         0,
         {1, 15, 2004},
         {5, 1, 2004}},
        {{std::nullopt, std::nullopt, "12-1-2010", "newest"}, 0, 0, {12, 1, 2010}, {}},
    };
    for (const Case& c : cases) {
        StatisticsSettings s = start;
        EXPECT_EQ(applyStatisticsOptions(s, c.changes), "");
        EXPECT_EQ(s.hotPickMode, c.hot);
        EXPECT_EQ(s.coldPickMode, c.cold);
        EXPECT_EQ(s.fromDate, c.from);
        EXPECT_EQ(s.toDate, c.to);
    }
    for (StatisticsOptionChanges bad : {
             StatisticsOptionChanges{"hot", std::nullopt, std::nullopt, std::nullopt},
             StatisticsOptionChanges{"pairs", "Numbers", std::nullopt, std::nullopt},
             StatisticsOptionChanges{"pairs", std::nullopt, "newest", std::nullopt},
             StatisticsOptionChanges{std::nullopt, std::nullopt, "13-1-2004", std::nullopt},
             StatisticsOptionChanges{std::nullopt, std::nullopt, std::nullopt, "1/2/2004"},
             StatisticsOptionChanges{std::nullopt, std::nullopt, std::nullopt, "1-32-2004"},
             StatisticsOptionChanges{std::nullopt, std::nullopt, "1--2004", std::nullopt},
         }) {
        StatisticsSettings s = start;
        EXPECT_NE(applyStatisticsOptions(s, bad), "");
        EXPECT_EQ(s, start) << "a refused change leaves everything as it was";
    }
    EXPECT_EQ(statisticsOptionsLine(start),
              "Statistics options: hot 0 cold 0 from 5-1-2004 to 0-0-0");
}

TEST(Frequency, CountsAverageAndHotCold) {
    {  // 6 of 49 over 100 draws
        std::vector<TicketType> entries(100, draw(1, 1, 2000, {1, 2, 3, 4, 5, 6}));
        FrequencyCounts f = CountNumberFrequency(game(49), entries, {});
        EXPECT_EQ(frequencyReport(f, false)[2], "Statistical Avg. = 12.24");
        EXPECT_EQ(f.counts[5], (NumberCount{6, 100}));
        EXPECT_EQ(f.counts[6], (NumberCount{7, 0}));
    }
    {  // a count equal to the average is hot; zeros inside the slots do not end the draw;
       // numbers outside the game are not counted
        auto entries = draws({{1, 0, 2}, {1, 0, 0, 0, 3, -3, 101, 5}});
        FrequencyCounts f = CountNumberFrequency(game(4, 2), entries, {});
        EXPECT_FLOAT_EQ(f.average, 1.0f);
        const std::vector<NumberCount> expected = {{1, 2}, {2, 1}, {3, 1}, {4, 0}};
        EXPECT_EQ(f.counts, expected);
        EXPECT_TRUE(isHot(1, f.average));
        EXPECT_FALSE(isHot(0, f.average));
    }
    {  // an empty span: flat, average 0, every number hot
        auto entries = draws({{1, 2}});
        FrequencyCounts f = CountNumberFrequency(game(10), entries, span({}, {1, 1, 1999}));
        EXPECT_EQ(f.draws, 0);
        EXPECT_EQ(f.average, 0.0f);
        EXPECT_EQ(greatestCount(f.counts), 0);
        EXPECT_TRUE(isHot(0, f.average));
    }
    for (auto [lotto, expected] : {std::pair{0, 1}, {100, 100}, {250, 100}}) {
        FrequencyCounts f = CountNumberFrequency(game(lotto), draws({{1, 100, 200}}), {});
        EXPECT_EQ(f.highestNumber, expected);
        EXPECT_EQ(f.counts.size(), std::size_t(expected));
    }
}

TEST(Frequency, BonusAverageFollowsTheNewestDraw) {
    std::vector<TicketType> entries = {draw(1, 3, 2000, {1}, {0, 7}),
                                       draw(1, 2, 2000, {1}, {7, 8, 9}),
                                       draw(1, 1, 2000, {1}, {9, 0, 200})};
    FrequencyCounts f = CountBonusFrequency(game(10), entries, span({}, {1, 2, 2000}));
    EXPECT_EQ(f.numbersPerDraw, 1) << "a zero before the bonus number does not hide it";
    EXPECT_FLOAT_EQ(f.average, 2 * 1 / 10.0f);
    EXPECT_EQ(f.counts[6].count, 1);
    EXPECT_EQ(f.counts[8].count, 2);

    FrequencyCounts none = CountBonusFrequency(game(10), {}, {});
    EXPECT_EQ(none.average, 0.0f);
    EXPECT_EQ(uniformityLine(testUniformity(none)), "Uniformity: too few draws");
}

TEST(SelectionOrder, MatchesThePlainSortForNarrowAndWideCounts) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const int n = std::uniform_int_distribution<int>(0, 120)(rng);
        const bool wide = round % 3 == 0;  // counts far apart take a different grouping
        std::uniform_int_distribution<int> count(wide ? -1000000 : 0, wide ? 1000000 : 3);
        std::vector<NumberCount> counts;
        for (int i = 0; i < n; ++i) counts.push_back({i + 1, count(rng)});
        std::vector<NumberCount> expected = counts;
        reference::sortByFrequency(expected);
        sortByFrequency(counts);
        ASSERT_EQ(counts, expected) << "round " << round;
        sortNumerically(counts);
        for (int i = 0; i < n; ++i) ASSERT_EQ(counts[i].number, i + 1);
    }
}

TEST(Uniformity, AgreesWithChiSquareTables) {
    // upper 5% points of the chi-square distribution
    for (auto [x, df] :
         {std::pair{3.841, 1}, {5.991, 2}, {18.307, 10}, {65.171, 48}, {123.225, 99}})
        EXPECT_NEAR(chiSquareUpperTail(x, df), 0.05, 5e-5) << "df " << df;
    for (auto [x, df] : {std::pair{6.635, 1}, {23.209, 10}})  // upper 1% points
        EXPECT_NEAR(chiSquareUpperTail(x, df), 0.01, 5e-6) << "df " << df;
    EXPECT_NEAR(chiSquareUpperTail(7.0, 2), std::exp(-3.5), 1e-12);

    // 3 numbers, 1 drawn, 3 draws all of number 1: E = 1, X2 = 4 + 1 + 1, p = e^-3
    FrequencyCounts f = CountNumberFrequency(game(3, 1), draws({{1}, {1}, {1}}), {});
    EXPECT_EQ(uniformityLine(testUniformity(f)),
              "Uniformity: chi-square = 6.00, df = 2, p = 0.050");
    // 5 numbers, 2 drawn: E = 2, sum = 30 / 2, corrected by 4 / 3 to 20; p = 11 e^-10
    f = CountNumberFrequency(game(5, 2), std::vector<TicketType>(5, draw(1, 1, 2000, {1, 2})), {});
    Uniformity u = testUniformity(f);
    EXPECT_DOUBLE_EQ(u.chiSquare, 20.0);
    EXPECT_NEAR(u.p, 11 * std::exp(-10.0), 1e-12);
    EXPECT_EQ(uniformityLine(u), "Uniformity: chi-square = 20.00, df = 4, p = 0.000");

    // too few: an expected count below 1, or no more numbers than drawn
    EXPECT_FALSE(
        testUniformity(CountNumberFrequency(game(49), std::vector<TicketType>(8), {})).enoughDraws);
    EXPECT_TRUE(
        testUniformity(CountNumberFrequency(game(49), std::vector<TicketType>(9), {})).enoughDraws);
    EXPECT_FALSE(testUniformity(CountNumberFrequency(game(6, 6), std::vector<TicketType>(50), {}))
                     .enoughDraws);
}

TEST(Pairs, CountsFoldsAndSkipsBadNumbers) {
    auto entries = draws({{30, 5, 12}, {12, 5}, {1, 2, 0, 3}, {4, 4, 9}, {-2, 7, 60, 8}});
    PairMatrix m = CountPairs(game(49), entries, {});
    EXPECT_EQ(m.count(5, 12), 2);
    EXPECT_EQ(m.cell(11, 4), 2) << "row 12, column 5";
    EXPECT_EQ(m.cell(4, 11), PairMatrix::kNotAPair);
    EXPECT_EQ(m.cell(7, 7), PairMatrix::kNotAPair);
    EXPECT_EQ(m.count(30, 12), 1);
    EXPECT_EQ(m.count(1, 2), 1);
    EXPECT_EQ(m.count(1, 3), 0) << "a zero slot ends the draw";
    EXPECT_EQ(m.count(4, 9), 1) << "a repeated number pairs once";
    EXPECT_EQ(m.count(7, 8), 1);
    EXPECT_EQ(m.cell(49, 0), PairMatrix::kNotAPair);

    EXPECT_EQ(pairList(m).size(), 1176u);
    EXPECT_EQ(pairList(m)[0], (PairCount{2, 1, 1}));
}

TEST(Pairs, SortedListAndTopTen) {
    std::mt19937 rng(11);
    for (int round = 0; round < 60; ++round) {
        const int lotto = std::uniform_int_distribution<int>(2, 30)(rng);
        PairMatrix m = CountPairs(game(lotto), randomDraws(rng, lotto, round * 2), {});
        std::vector<PairCount> expected = pairList(m);
        reference::sortPairsByFrequency(expected);
        ASSERT_EQ(sortedPairs(m), expected) << "round " << round;
    }

    // Ties at the tenth place: three pairs of 3, eight of 2; every pair of 2 is top ten.
    auto entries =
        draws({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}, {4, 6}, {6, 4}, {8, 9}});
    std::vector<PairCount> sorted = sortedPairs(CountPairs(game(9), entries, {}));
    EXPECT_EQ(sorted[0], (PairCount{2, 1, 3}));
    EXPECT_EQ(sorted[10].count, 2);
    EXPECT_EQ(sorted[11].count, 1);
    EXPECT_EQ(topTenThreshold(sorted), 2);

    // Fewer than ten pairs: all of them are top ten, whatever their counts.
    for (int lotto : {1, 2, 4}) {
        PairMatrix few = CountPairs(game(lotto), draws({{1, 2}}), {});
        EXPECT_EQ(topTenThreshold(sortedPairs(few)), 0) << lotto;
    }
    EXPECT_EQ(topTenThreshold(sortedPairs(CountPairs(game(5), draws({{1, 2}}), {}))), 0);
}

TEST(Triples, CountsSetsOfEachDraw) {
    auto entries = draws({{30, 5, 12}, {1, 2, 3, 4, 5, 6}, {40, 41}, {5, 30, 12, 12, 0, 7}});
    TripleCounts t = CountTriples(game(49), entries, {});
    ASSERT_EQ(t.triples.size(), 18424u);
    EXPECT_EQ(t.triples[0], (TripleCount{5, 12, 30, 2}));
    int ones = 0;
    for (const TripleCount& r : t.triples) ones += r.count == 1;
    EXPECT_EQ(ones, 20) << "six numbers make 20 sets; two numbers make none";
    EXPECT_FALSE(t.stopped);
    EXPECT_EQ(t.sortedPositions, 18424u);

    // 10 numbers drawn make 120 sets; 91 and 100 numbers list every set without overrunning.
    for (auto [lotto, sets] : {std::pair{91, 121485u}, {100, 161700u}, {3, 1u}, {2, 0u}}) {
        auto big = draws({{lotto - 9, lotto - 8, lotto - 7, lotto - 6, lotto - 5, lotto - 4,
                           lotto - 3, lotto - 2, lotto - 1, lotto}});
        TripleCounts r = CountTriples(game(lotto), big, {});
        ASSERT_EQ(r.triples.size(), sets) << lotto;
        ASSERT_EQ(tripleCountFor(lotto), sets);
        if (lotto < 10) continue;
        EXPECT_EQ(r.triples[119].count, 1);
        EXPECT_EQ(r.triples[120].count, 0);
        EXPECT_EQ(r.triples[0], (TripleCount{std::uint16_t(lotto - 9), std::uint16_t(lotto - 8),
                                             std::uint16_t(lotto - 7), 1}));
        TripleCounts unsorted = CountTriples(game(lotto), big, {}, nullptr, 0);
        EXPECT_EQ(unsorted.triples.front(), (TripleCount{1, 2, 3, 0}));
        EXPECT_EQ(unsorted.triples.back(),
                  (TripleCount{std::uint16_t(lotto - 2), std::uint16_t(lotto - 1),
                               std::uint16_t(lotto), 1}));
    }
}

// The fast count must leave exactly what the plain one leaves, ties included, and report the
// same progress, whether it runs to the end, is stopped while counting or sorting, or is told
// to stop after some positions.
TEST(Triples, MatchesThePlainSelectionSortIncludingStops) {
    std::mt19937 rng(3);
    for (int round = 0; round < 24; ++round) {
        const int lotto = std::uniform_int_distribution<int>(3, 26)(rng);
        const int drawCount = std::uniform_int_distribution<int>(0, 40)(rng);
        const auto entries = randomDraws(rng, lotto, drawCount);
        const StatisticsSettings settings =
            round % 4 == 0 ? span({1, 1, 1990}, {1, 20, 1990}) : StatisticsSettings{};
        const long long counted = static_cast<long long>(selectedRange(entries, settings).size());
        const long long sets = static_cast<long long>(tripleCountFor(lotto));
        for (long long cancelOn : {-1LL, 1LL, counted / 2, counted, counted + 1, counted + 2,
                                   counted + sets / 3, counted + sets - 1, counted + sets}) {
            ScriptedReporter plain, fast;
            plain.cancelOnPoll = fast.cancelOnPoll = cancelOn;
            TripleCounts expected = reference::countTriples(game(lotto), entries, settings, &plain);
            TripleCounts got = CountTriples(game(lotto), entries, settings, &fast);
            ASSERT_EQ(got.triples, expected.triples) << "round " << round << " stop " << cancelOn;
            ASSERT_EQ(got.stopped, expected.stopped);
            ASSERT_EQ(fast.log, plain.log);
            ASSERT_EQ(fast.polls, plain.polls);
        }
        for (std::size_t positions : {std::size_t(0), std::size_t(1), std::size_t(sets / 2)}) {
            TripleCounts expected =
                reference::countTriples(game(lotto), entries, settings, nullptr, positions);
            TripleCounts got = CountTriples(game(lotto), entries, settings, nullptr, positions);
            ASSERT_EQ(got.triples, expected.triples) << "positions " << positions;
            EXPECT_EQ(got.sortedPositions, std::min<std::size_t>(positions, sets));
        }
    }
}

TEST(Skips, CountsDrawsSkippedBetweenAppearances) {
    // Number 7 in entries 205, 145, 85, 26, 10, 9 and 5 (and twice in 9); 8 only once.
    std::vector<TicketType> entries(206, draw(1, 1, 2000, {1}));
    for (int e : {205, 145, 85, 26, 10, 5}) entries[e] = draw(1, 1, 2000, {2, 7});
    entries[9] = draw(1, 1, 2000, {7, 7, 0, 9});
    entries[100] = draw(1, 1, 2000, {8, 0, 9});
    SkipCounts s = CountSkips(game(10), entries, {});
    const auto& seven = s.buckets[6];
    EXPECT_EQ(seven[0], 1) << "10 to 9";
    EXPECT_EQ(seven[3], 1) << "9 to 5";
    EXPECT_EQ(seven[58], 1) << "a gap of 59 draws: 58 skipped";
    EXPECT_EQ(seven[59], 2) << "gaps of 60 and 120 are 59 or more";
    EXPECT_EQ(seven[15], 1) << "26 to 10";
    int total = 0;
    for (int c : seven) total += c;
    EXPECT_EQ(total, 6) << "the repeat within draw 9 counts nothing";
    EXPECT_EQ(s.maximum[6], 2);
    EXPECT_EQ(s.maximum[7], 0) << "drawn once";
    EXPECT_EQ(s.buckets[8], (std::array<int, kSkipBuckets>{})) << "the zero slot ended the draws";

    // Only the span counts: from entry 10 to entry 5, 7 skips 0 and 3 draws.
    SkipCounts part = CountSkips(
        game(10), std::vector<TicketType>(entries.begin(), entries.begin() + 11), span({}, {}));
    EXPECT_EQ(part.buckets[6][0] + part.buckets[6][3], 2);
    SkipCounts none = CountSkips(game(10), entries, span({}, {1, 1, 1990}));
    EXPECT_EQ(none.maximum, std::vector<int>(10, 0));
}

TEST(Cluster, TouchCountsLookAtNeighbouringDraws) {
    auto entries = draws({{29, 40},      // outside the span below
                          {10, 11, 30},  // 10: 11 beside it and 10 in the older draw
                          {10, 31},      // 10: 10 newer and 11 newer (capped at 2)
                          {3, 5, 9, 11, 29, 31}});
    SelectedRange range{1, 4};
    EXPECT_EQ(touchCount(entries, range, 1, 0), 2);
    EXPECT_EQ(touchCount(entries, range, 1, 2), 1) << "31 in the older draw";
    EXPECT_EQ(touchCount(entries, range, 2, 0), 2);
    EXPECT_EQ(touchCount(entries, range, 2, 1), 2) << "30 in the newer draw, 31 in the older";
    EXPECT_EQ(touchCount(entries, range, 3, 0), 0) << "the oldest draw looks only at the newer one";
    EXPECT_EQ(touchCount(entries, range, 3, 2), 1) << "10 in the newer draw";

    StatisticsSettings settings = span({}, {1, 3, 2000});
    ClusterChart chart = CountClusters(game(49), entries, settings);
    EXPECT_EQ(chart.range, range);
    EXPECT_EQ(chart.columns.size(), 3u);
    EXPECT_EQ(clusterReport(chart)[0], "1/3/2000 10:2 11:2 30:1") << "29 in entry 0 is outside";
}

TEST(Cluster, RegionShare) {
    // 20 draws of 6; 30 of the 120 numbers drawn lie in 1..10.
    std::vector<TicketType> entries;
    for (int i = 0; i < 20; ++i)
        entries.push_back(draw(2, 20 - i, 2004,
                               i < 10 ? std::initializer_list<int>{1, 2, 3, 21, 22, 23}
                                      : std::initializer_list<int>{21, 22, 23, 24, 25, 26}));
    SelectedRange all{0, 20};
    auto share = regionShare(game(49), entries, all, {0, 19, 1, 10});
    ASSERT_TRUE(share);
    EXPECT_EQ(share->hits, 30);
    EXPECT_EQ(regionReportText(*share),
              "The numbers you selected, (1 - 10) account for 25.00% of the winning numbers "
              "between 2/1/2004 and 2/20/2004.");

    // clipped to the chart's draws and numbers; either end may come first
    share = regionShare(game(49), entries, {5, 12}, {30, 0, 60, 0});
    ASSERT_TRUE(share);
    EXPECT_EQ(share->newest, 5u);
    EXPECT_EQ(share->oldest, 11u);
    EXPECT_EQ(regionReportText(*share),
              "The numbers you selected, (1 - 49) account for 100.00% of the winning numbers "
              "between 2/9/2004 and 2/15/2004.");
    EXPECT_FALSE(regionShare(game(49), entries, {5, 12}, {12, 19, 1, 49}));
    EXPECT_FALSE(regionShare(game(49), entries, {5, 12}, {0, 4, 1, 49}));
    EXPECT_FALSE(regionShare(game(49), entries, {0, 0}, {0, 0, 1, 49}));

    // the newest draw of the database has no winning number: a share of 0.00
    entries[0] = draw(2, 20, 2004, {});
    share = regionShare(game(49), entries, all, {1, 2, 1, 10});
    ASSERT_TRUE(share);
    EXPECT_EQ(share->hits, 6);
    EXPECT_NE(regionReportText(*share).find("account for 0.00% of"), std::string::npos);
}

// Damaged files: any 16-bit value in any slot, any highest number in the header.
TEST(Statistics, DamagedValuesNeverIndexOutsideTheTables) {
    const std::vector<TicketType> entries = {
        draw(1, 3, 2000, {-32768, 32767, 0, 101, -1, 100, 1, 1, 2, 3}, {-5, 0, 32767}),
        draw(1, 2, 2000, {100, 99, 98, 1, 1, 1, 0, 0, 0, 2}, {101, 100, 1}),
        draw(1, 1, 2000, {-1, 0, 1, 2, 3}, {2})};
    for (int lotto : {0, 1, 2, 49, 100, 65535}) {
        const DataHeader h = game(lotto, lotto % 11);
        const int n = highestNumberOf(h);
        EXPECT_EQ(frequencyReport(CountNumberFrequency(h, entries, {}), true).size(), n + 4u);
        EXPECT_EQ(frequencyReport(CountBonusFrequency(h, entries, {}), true).size(), n + 4u);
        EXPECT_EQ(pairsReport(CountPairs(h, entries, {}), true).size(),
                  std::size_t(n * (n - 1) / 2));
        EXPECT_EQ(triplesReport(CountTriples(h, entries, {})).size(), tripleCountFor(n));
        EXPECT_EQ(skipsReport(CountSkips(h, entries, {})).size(), std::size_t(n));
        EXPECT_EQ(clusterReport(CountClusters(h, entries, {})).size(), 3u);
        EXPECT_TRUE(regionReport(h, entries, {}, {0, 2, -40000, 40000}));
    }
}

TEST(Report, CommandLineLines) {
    auto entries = draws({{3, 1, 2}, {2, 0, 4}, {1, 2}});
    const DataHeader h = game(4, 2);
    const std::vector<std::string> frequency = {"Highest number: 4",
                                                "Draws: 3",
                                                "Statistical Avg. =  1.50",
                                                "2 3 hot",
                                                "1 2 hot",
                                                "3 1 cold",
                                                "4 1 cold",
                                                "Uniformity: chi-square = 3.00, df = 3, p = 0.392"};
    EXPECT_EQ(frequencyReport(CountNumberFrequency(h, entries, {}), true), frequency);
    EXPECT_EQ(frequencyReport(CountNumberFrequency(h, entries, {}), false)[3], "1 2 hot");
    EXPECT_EQ(pairsReport(CountPairs(h, entries, {}), false),
              (std::vector<std::string>{"2 1 2", "3 1 1", "3 2 1", "4 1 0", "4 2 0", "4 3 0"}));
    EXPECT_EQ(pairsReport(CountPairs(h, entries, {}), true),
              (std::vector<std::string>{"2 1 2", "3 1 1", "3 2 1", "4 1 0", "4 2 0", "4 3 0"}));
    EXPECT_EQ(triplesReport(CountTriples(h, entries, {})),
              (std::vector<std::string>{"1-2-3, 1", "1-2-4, 0", "1-3-4, 0", "2-3-4, 0"}));
    std::vector<std::string> skips = skipsReport(CountSkips(h, entries, {}));
    ASSERT_EQ(skips.size(), 4u);
    std::string two = "2: 2";
    for (int k = 1; k < kSkipBuckets; ++k) two += " 0";
    EXPECT_EQ(skips[1], two + " | 2");
    EXPECT_EQ(
        clusterReport(CountClusters(h, entries, {})),
        (std::vector<std::string>{"1/3/2000 3:2 1:2 2:2", "1/2/2000 2:2", "1/1/2000 1:2 2:2"}));
}

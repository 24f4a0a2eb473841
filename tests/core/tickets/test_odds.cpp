#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/tickets/odds.h"
#include "core/wheels/wheel_profile.h"
#include "reference_odds.h"
#include "test_support.h"

namespace qv {
namespace {

using test::makeWheel;
using test::randomTickets;
using test::ticket;

struct OddsCase {
    const char* name;
    int lotto, per, tickets;
    unsigned seed;
    // The plain count of every draw and ball takes seconds on 6/49; the ball is checked there
    // by the single-ticket figures.
    bool withBall = true;
    friend void PrintTo(const OddsCase& c, std::ostream* os) { *os << c.name; }
};

class OddsAgainstReference : public ::testing::TestWithParam<OddsCase> {};

TEST_P(OddsAgainstReference, RandomSetsWithRepeatedTickets) {
    const OddsCase& c = GetParam();
    std::mt19937 rng(c.seed);
    const std::vector<TicketType> tickets = randomTickets(rng, c.tickets, c.lotto, c.per);
    for (bool ball : {false, true}) {
        if (ball && !c.withBall) continue;
        const OddsGame game{c.lotto, c.per, ball};
        SCOPED_TRACE(ball ? "with the bonus ball" : "without the bonus ball");
        const auto fast = countTicketOdds(tickets, game, nullptr);
        ASSERT_TRUE(fast);
        EXPECT_EQ(*fast, test::literalTicketOdds(tickets, game));
    }
}

INSTANTIATE_TEST_SUITE_P(Games, OddsAgainstReference,
                         ::testing::Values(OddsCase{"FourOfTwenty", 20, 4, 40, 1},
                                           OddsCase{"FourOfTwentyFew", 20, 4, 3, 2},
                                           OddsCase{"FiveOfThirtyNine", 39, 5, 12, 3},
                                           OddsCase{"SevenOfThirtyFive", 35, 7, 3, 4},
                                           OddsCase{"SixOfFortyNine", 49, 6, 3, 5, false},
                                           OddsCase{"HundredTwoNumbers", 100, 2, 70, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

// Tickets of other sizes than the game's, sharing numbers, an empty one, a repeated number:
// each is scored on its own numbers, and a ticket holding all drawn numbers and the ball
// counts under the top score.
TEST(Odds, OddTicketsMatchTheReference) {
    const std::vector<TicketType> tickets{ticket({1, 2, 3, 4, 5, 6}), ticket({2, 3}),
                                          ticket({}), ticket({7, 7, 8, 9}),
                                          ticket({4, 5, 6, 10, 11})};
    for (bool ball : {false, true}) {
        const OddsGame game{14, 4, ball};
        EXPECT_EQ(*countTicketOdds(tickets, game, nullptr), test::literalTicketOdds(tickets, game));
    }
}

TEST(Odds, OneTicketOfSixOfFortyNineHasTheTextbookFigures) {
    const auto odds = countTicketOdds({ticket({3, 11, 19, 27, 38, 49})}, OddsGame{49, 6, false}, nullptr);
    ASSERT_TRUE(odds);
    EXPECT_EQ(oddsLines(*odds),
              (std::vector<std::string>{"Draws: 13983816", "Best 6: 1", "Best 5: 258",
                                        "Best 4: 13545", "Best 3: 246820", "Best 2: 1851150",
                                        "Best 1: 5775588", "Best 0: 6096454"}));
    // With the ball: 6 of the 258 ways to 5 take the ball among the 43 left.
    const auto withBall =
        countTicketOdds({ticket({3, 11, 19, 27, 38, 49})}, OddsGame{49, 6, true}, nullptr);
    ASSERT_TRUE(withBall);
    EXPECT_EQ(withBall->draws, 13983816ull * 43);
    EXPECT_EQ(withBall->scores[0], (ScoreCount{{6, false}, 43}));
    EXPECT_EQ(withBall->scores[1], (ScoreCount{{5, true}, 258}));
    EXPECT_EQ(withBall->scores[2], (ScoreCount{{5, false}, 258 * 42}));
}

TEST(Odds, NoTicketsPutsEveryDrawUnderNothing) {
    const auto odds = countTicketOdds({}, OddsGame{10, 3, true}, nullptr);
    ASSERT_TRUE(odds);
    EXPECT_EQ(oddsLines(*odds),
              (std::vector<std::string>{"Draws: 840", "Best 3: 0", "Best 2+B: 0", "Best 2: 0",
                                        "Best 1+B: 0", "Best 1: 0", "Best 0+B: 0", "Best 0: 840"}));
}

TEST(Odds, GamesThatDoNotFitAreRefusedWithTheirReason) {
    const std::vector<TicketType> tickets{ticket({1, 2, 3}), ticket({4, 5, 50})};
    const struct {
        OddsGame game;
        std::string problem;
    } cases[] = {
        {{50, 3, false}, ""},
        {{49, 3, true}, "Ticket 2 holds 50, which is not one of the numbers 1 to 49."},
        {{2, 3, false}, "A game of 2 numbers cannot draw 3."},
        {{101, 3, false}, "A game has at most 100 numbers, not 101."},
        {{50, 0, false}, "The tickets have 0 numbers; a game draws 1 to 10."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oddsProblem(tickets, c.game), c.problem);
        EXPECT_EQ(countTicketOdds(tickets, c.game, nullptr).has_value(), c.problem.empty());
    }
    EXPECT_EQ(oddsProblem({ticket({-3, 1})}, OddsGame{10, 2, false}),
              "Ticket 1 holds -3, which is not one of the numbers 1 to 10.");
}

// Shows percentages and cancels at the poll numbered `cancelAt` (from 1; 0: never).
struct ScriptedProgress : ProgressReporter {
    int cancelAt = 0;
    int polls = 0;
    std::vector<int> shown;
    bool closed = false;
    void open(const std::string&) override {}
    void show(int percent) override { shown.push_back(percent); }
    bool cancelled() override { return ++polls == cancelAt; }
    void close() override { closed = true; }
};

TEST(Odds, ReportsProgressAndStopsOnCancel) {
    std::mt19937 rng(7);
    const std::vector<TicketType> tickets = randomTickets(rng, 20, 30, 6);
    ScriptedProgress whole;
    ASSERT_TRUE(countTicketOdds(tickets, OddsGame{30, 6, true}, &whole));
    EXPECT_TRUE(whole.closed);
    ASSERT_GT(whole.shown.size(), 50u);
    EXPECT_TRUE(std::is_sorted(whole.shown.begin(), whole.shown.end()));
    EXPECT_LE(whole.shown.back(), 100);

    ScriptedProgress cancelling;
    cancelling.cancelAt = 3;
    EXPECT_FALSE(countTicketOdds(tickets, OddsGame{30, 6, true}, &cancelling));
    EXPECT_EQ(cancelling.polls, 3);
    EXPECT_TRUE(cancelling.closed);
}

// The expected prize of a set is each ticket's prize over every draw (and ball), averaged:
// repeated tickets win twice, a ticket's repeated number once.
TEST(Odds, ExpectedPrizeIsEachTicketsPrizeOverEveryDraw) {
    const std::vector<TicketType> tickets{ticket({1, 2, 3, 4}), ticket({1, 2, 3, 4}),
                                          ticket({3, 4, 5, 6, 7}), ticket({8, 8, 9}), ticket({})};
    const PrizeTable table{2, {1000, 300, 50, 20, 7, 3, 1, 0.5, 0.25}};
    for (bool ball : {false, true}) {
        const OddsGame game{15, 4, ball};
        double sum = 0;
        long long draws = 0;
        test::forEachSet(15, 4, [&](const std::vector<int>& draw) {
            for (int b = ball ? 1 : 0; b <= (ball ? 15 : 0); ++b) {
                if (std::find(draw.begin(), draw.end(), b) != draw.end()) continue;
                ++draws;
                for (const TicketType& t : tickets) {
                    std::vector<int> numbers = test::mainNumbersOf(t);
                    std::sort(numbers.begin(), numbers.end());
                    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
                    int m = 0;
                    bool hasBall = false;
                    for (int n : numbers) {
                        m += std::find(draw.begin(), draw.end(), n) != draw.end();
                        hasBall = hasBall || n == b;
                    }
                    sum += table.prizeFor({m, hasBall && m < 4}, 4);
                }
            }
        });
        EXPECT_NEAR(expectedPrizePerDraw(tickets, game, table), sum / double(draws), 1e-9);
    }
    // One 6/49 ticket paid only for 5+B wins it in 6 of the 13,983,816 draws.
    PrizeTable fivePlusBall{1, std::vector<double>(13, 0)};
    fivePlusBall.prizes[PrizeTable::place({5, true}, 6)] = 13983816;
    EXPECT_NEAR(expectedPrizePerDraw({ticket({1, 2, 3, 4, 5, 6})}, {49, 6, true}, fivePlusBall), 6,
                1e-9);
    EXPECT_NEAR(expectedPrizePerDraw({ticket({1, 2, 3, 4, 5, 6})}, {49, 6, false}, fivePlusBall), 0,
                1e-12);
}

// --- Wheel profiles --------------------------------------------------------------------------

TEST(WheelProfile, SmallWheelsMatchTheReference) {
    const WheelInfo wheels[] = {
        // 3 if 3 on 7 numbers.
        makeWheel(7, 3, 3, 6, {ticket({1, 2, 3, 4, 5, 6}), ticket({1, 2, 3, 4, 5, 7}),
                             ticket({1, 2, 3, 4, 6, 7}), ticket({1, 2, 5, 6, 7, 3})}),
        // Fewer numbers than a row holds; a position beyond N, a repeat and empty slots.
        makeWheel(4, 2, 2, 6, {ticket({1, 2, 9, 2}), ticket({3, 4})}),
        makeWheel(9, 2, 3, 4, {ticket({1, 2, 3, 4}), ticket({5, 6, 7, 8}), ticket({1, 5, 9, 2}),
                             ticket({3, 6, 9, 8})}),
        makeWheel(12, 0, 0, 5, {}),
    };
    for (const WheelInfo& w : wheels) {
        SCOPED_TRACE(w.numbersToWheel);
        EXPECT_EQ(*wheelProfile(w, nullptr), test::literalWheelProfile(w));
    }
    std::mt19937 rng(11);
    const WheelInfo random = makeWheel(16, 3, 4, 6, randomTickets(rng, 25, 16, 6));
    EXPECT_EQ(*wheelProfile(random, nullptr), test::literalWheelProfile(random));
}

TEST(WheelProfile, LinesRunFromTheRowSizeDownAndShowTheGuarantee) {
    const WheelInfo w = makeWheel(5, 2, 3, 3, {ticket({1, 2, 3}), ticket({3, 4, 5}), ticket({1, 4, 5})});
    const auto profile = wheelProfile(w, nullptr);
    ASSERT_TRUE(profile);
    std::vector<std::string> lines;
    for (const ProfileLine& line : *profile) lines.push_back(profileLineText(line));
    EXPECT_EQ(lines, (std::vector<std::string>{"If 3: 3:3 2:7 1:0 0:0", "If 2: 2:8 1:2 0:0",
                                               "If 1: 1:5 0:0"}));
    EXPECT_TRUE(profileHoldsGuarantee(*profile, 2, 3));
    EXPECT_FALSE(profileHoldsGuarantee(*profile, 3, 3));
    EXPECT_FALSE(profileHoldsGuarantee(*profile, 2, 4));  // no line for 4
}

}  // namespace
}  // namespace qv

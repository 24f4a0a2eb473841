#pragma once
// What a set of tickets can win: over every draw of a game, the best score of its tickets.
//
// A game draws P numbers out of 1..L (P = the file's numbers per ticket) and, with the bonus
// ball, one more ball out of the L - P left. A ticket scores the drawn numbers it holds, plus
// "+B" when the bonus ball is one of its numbers; scores rank P > (P-1)+B > P-1 > ... > 0+B > 0.
// A ticket holding all P numbers and the ball as well is counted under P.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/records/records.h"

namespace qv {

struct OddsGame {
    int lotto = 49;      // L
    int perTicket = 6;   // P
    bool bonusBall = false;

    friend bool operator==(const OddsGame&, const OddsGame&) = default;
};

struct Score {
    int matches = 0;
    bool bonus = false;

    // "5+B", "3".
    std::string text() const;
    friend bool operator==(const Score&, const Score&) = default;
};

struct ScoreCount {
    Score score;
    std::uint64_t draws = 0;

    friend bool operator==(const ScoreCount&, const ScoreCount&) = default;
};

struct TicketOdds {
    OddsGame game;
    // Every draw: C(L, P), times L - P with the bonus ball.
    std::uint64_t draws = 0;
    // Every score the game has, best first; zeros included.
    std::vector<ScoreCount> scores;

    friend bool operator==(const TicketOdds&, const TicketOdds&) = default;
};

// The scores of a game, best first: P, (P-1)+B, P-1, ..., 0+B, 0 (no "+B" without the ball).
std::vector<Score> gameScores(const OddsGame& game);

// Why the game cannot be counted for these tickets, as the user is told; empty when it can.
// Tickets are named by their place in the file, from 1.
std::string oddsProblem(const std::vector<TicketType>& tickets, const OddsGame& game);

// The exact counts; nullopt when the user cancelled, or when oddsProblem is not empty.
std::optional<TicketOdds> countTicketOdds(const std::vector<TicketType>& tickets,
                                          const OddsGame& game, ProgressReporter* progress);

// "Draws: <n>", then "Best <score>: <count>" for every score, best first.
std::vector<std::string> oddsLines(const TicketOdds& odds);

// One score as the odds table shows it: its draws, their share of all draws, and "1 in X" for
// this score or better (0 when no draw reaches it).
struct OddsRow {
    Score score;
    std::uint64_t draws = 0;
    double probability = 0;
    double oneInOrBetter = 0;
};
std::vector<OddsRow> oddsRows(const TicketOdds& odds);

// --- Prizes --------------------------------------------------------------------------------

// What a game pays, in units of money: the price of a ticket and a fixed prize for each score
// of the game with the bonus ball, best first (2P + 1 prizes: P, (P-1)+B, P-1, ..., 0). Without
// the ball only the scores without "+B" are paid.
struct PrizeTable {
    // Prices and prizes stay within this, so sums over a million tickets stay exact enough.
    static constexpr double kMaxAmount = 1e12;

    double price = 1;
    std::vector<double> prizes;

    // Index of a score among the prizes.
    static std::size_t place(const Score& score, int perTicket);
    double prizeFor(const Score& score, int perTicket) const;
    // 2P + 1 prizes, each and the price finite and within 0..kMaxAmount.
    bool fits(int perTicket) const;

    friend bool operator==(const PrizeTable&, const PrizeTable&) = default;
};

// The table a game starts with: the tiers of the sample 6/49 game for L = 49, P = 6 (an
// example to edit; its jackpot is an estimate), nothing paid for other games.
PrizeTable defaultPrizeTable(int lotto, int perTicket);

// For each score, in the prize table's order: how many of the tickets score it in one draw, on
// average (each ticket's chance of it from its own numbers, summed). The game must fit
// (oddsProblem empty).
std::vector<double> expectedScoreCounts(const std::vector<TicketType>& tickets,
                                        const OddsGame& game);
// The sum over the tickets of each one's expected prize in one draw: its chance of each score
// times the prize.
double expectedPrizePerDraw(const std::vector<TicketType>& tickets, const OddsGame& game,
                            const PrizeTable& table);

}  // namespace qv

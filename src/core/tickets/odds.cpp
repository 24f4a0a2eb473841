#include "core/tickets/odds.h"

#include <algorithm>
#include <cmath>

#include "core/records/limits.h"
#include "core/tickets/best_match.h"

namespace qv {

std::string Score::text() const {
    return std::to_string(matches) + (bonus ? "+B" : "");
}

std::vector<Score> gameScores(const OddsGame& game) {
    std::vector<Score> scores;
    for (int m = game.perTicket; m >= 0; --m) {
        if (game.bonusBall && m < game.perTicket) scores.push_back({m, true});
        scores.push_back({m, false});
    }
    return scores;
}

std::string oddsProblem(const std::vector<TicketType>& tickets, const OddsGame& game) {
    const int l = game.lotto;
    const int p = game.perTicket;
    if (p < 1 || p > kMaxNumbersOnTicket)
        return "The tickets have " + std::to_string(p) + " numbers; a game draws 1 to " +
               std::to_string(kMaxNumbersOnTicket) + ".";
    if (l < 1 || l > kMaxLottoNumber)
        return "A game has at most " + std::to_string(kMaxLottoNumber) + " numbers, not " +
               std::to_string(l) + ".";
    if (l < p)
        return "A game of " + std::to_string(l) + " numbers cannot draw " + std::to_string(p) + ".";
    for (std::size_t k = 0; k < tickets.size(); ++k) {
        const TicketType& t = tickets[k];
        for (int j = 0; j < t.numberCount(); ++j) {
            const int n = t.numbers[static_cast<std::size_t>(j)];
            if (n < 1 || n > l)
                return "Ticket " + std::to_string(k + 1) + " holds " + std::to_string(n) +
                       ", which is not one of the numbers 1 to " + std::to_string(l) + ".";
        }
    }
    return {};
}

std::optional<TicketOdds> countTicketOdds(const std::vector<TicketType>& tickets,
                                          const OddsGame& game, ProgressReporter* progress) {
    if (!oddsProblem(tickets, game).empty()) return std::nullopt;
    const int p = game.perTicket;
    std::vector<NumberSet> sets;
    sets.reserve(tickets.size());
    for (const TicketType& t : tickets)
        sets.emplace_back(t.numbers.begin(), t.numbers.begin() + t.numberCount());

    // With the ball, a draw D and a ball b outside it score 2k+1 or more exactly when some
    // ticket holds k+1 numbers of D + {b}, whichever of its P+1 numbers the ball is. So the
    // sets of P+1 numbers, each standing for P+1 draws and balls, give the odd scores.
    std::vector<int> sizes{p};
    if (game.bonusBall) sizes.push_back(p + 1);
    const auto counted = countBestMatches(sets, game.lotto, sizes, progress, "Counting the odds");
    if (!counted) return std::nullopt;
    const std::vector<std::uint64_t>& main = (*counted)[0].counts;

    // atLeast(m): draws (and balls) where the best ticket holds m or more of the P drawn.
    auto atLeast = [&](const std::vector<std::uint64_t>& c, int m, std::uint64_t weight) {
        std::uint64_t sum = 0;
        for (std::size_t k = static_cast<std::size_t>(m); k < c.size(); ++k) sum += c[k];
        return sum * weight;
    };
    TicketOdds odds;
    odds.game = game;
    const std::uint64_t balls = game.bonusBall ? static_cast<std::uint64_t>(game.lotto - p) : 1;
    odds.draws = atLeast(main, 0, balls);
    for (const Score& s : gameScores(game)) {
        std::uint64_t count = 0;
        if (!game.bonusBall) {
            count = main[static_cast<std::size_t>(s.matches)];
        } else {
            const std::vector<std::uint64_t>& withBall = (*counted)[1].counts;
            const auto oddAtLeast = [&](int k) {  // score k+B or better
                return atLeast(withBall, k + 1, static_cast<std::uint64_t>(p + 1));
            };
            if (s.matches == p)
                count = atLeast(main, p, balls);
            else if (s.bonus)
                count = oddAtLeast(s.matches) - atLeast(main, s.matches + 1, balls);
            else
                count = atLeast(main, s.matches, balls) - oddAtLeast(s.matches);
        }
        odds.scores.push_back({s, count});
    }
    return odds;
}

std::vector<std::string> oddsLines(const TicketOdds& odds) {
    std::vector<std::string> lines{"Draws: " + std::to_string(odds.draws)};
    for (const ScoreCount& s : odds.scores)
        lines.push_back("Best " + s.score.text() + ": " + std::to_string(s.draws));
    return lines;
}

std::vector<OddsRow> oddsRows(const TicketOdds& odds) {
    std::vector<OddsRow> rows;
    std::uint64_t orBetter = 0;
    const double all = static_cast<double>(odds.draws);
    for (const ScoreCount& s : odds.scores) {
        orBetter += s.draws;
        OddsRow row{s.score, s.draws, 0, 0};
        if (odds.draws > 0) row.probability = static_cast<double>(s.draws) / all;
        if (orBetter > 0) row.oneInOrBetter = all / static_cast<double>(orBetter);
        rows.push_back(row);
    }
    return rows;
}

std::size_t PrizeTable::place(const Score& score, int perTicket) {
    if (score.matches >= perTicket) return 0;
    return static_cast<std::size_t>(2 * (perTicket - score.matches) - (score.bonus ? 1 : 0));
}

double PrizeTable::prizeFor(const Score& score, int perTicket) const {
    const std::size_t k = place(score, perTicket);
    return k < prizes.size() ? prizes[k] : 0;
}

bool PrizeTable::fits(int perTicket) const {
    const auto amount = [](double v) { return std::isfinite(v) && v >= 0 && v <= kMaxAmount; };
    return perTicket >= 1 && prizes.size() == static_cast<std::size_t>(2 * perTicket + 1) &&
           amount(price) && std::all_of(prizes.begin(), prizes.end(), amount);
}

PrizeTable defaultPrizeTable(int lotto, int perTicket) {
    PrizeTable table;
    table.prizes.assign(static_cast<std::size_t>(2 * std::max(perTicket, 0) + 1), 0);
    if (lotto == 49 && perTicket == 6) {
        // 6, 5+B, 5, 4+B, 4, 3+B, 3, 2+B, 2, 1+B, 1, 0+B, 0; a free play for 2 is its price.
        table.price = 3;
        table.prizes = {5000000, 250000, 2500, 85, 85, 10, 10, 5, 3, 0, 0, 0, 0};
    }
    return table;
}

std::vector<double> expectedScoreCounts(const std::vector<TicketType>& tickets,
                                        const OddsGame& game) {
    const int l = game.lotto;
    const int p = game.perTicket;
    std::vector<double> counts(static_cast<std::size_t>(2 * std::max(p, 0) + 1), 0);
    const auto choose = [](int n, int k) {
        if (k < 0 || n < k) return 0.0;
        double c = 1;
        for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
        return c;
    };
    const double draws = choose(l, p);
    if (draws == 0) return counts;
    for (const TicketType& t : tickets) {
        // Its numbers once each; repeats would not win twice.
        std::vector<int> numbers(t.numbers.begin(), t.numbers.begin() + t.numberCount());
        std::sort(numbers.begin(), numbers.end());
        const int k = static_cast<int>(std::unique(numbers.begin(), numbers.end()) - numbers.begin());
        for (int m = 0; m <= std::min(k, p); ++m) {
            const double chance = choose(k, m) * choose(l - k, p - m) / draws;
            if (m == p || !game.bonusBall || l == p) {
                counts[PrizeTable::place({m, false}, p)] += chance;
                continue;
            }
            // The ball comes from the L - P numbers not drawn, k - m of them the ticket's.
            const double withBall = static_cast<double>(k - m) / (l - p);
            counts[PrizeTable::place({m, true}, p)] += chance * withBall;
            counts[PrizeTable::place({m, false}, p)] += chance * (1 - withBall);
        }
    }
    return counts;
}

double expectedPrizePerDraw(const std::vector<TicketType>& tickets, const OddsGame& game,
                            const PrizeTable& table) {
    const std::vector<double> counts = expectedScoreCounts(tickets, game);
    double total = 0;
    for (std::size_t k = 0; k < counts.size() && k < table.prizes.size(); ++k)
        total += counts[k] * table.prizes[k];
    return total;
}

}  // namespace qv

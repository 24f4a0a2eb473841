#pragma once
// The odds of a ticket set and a wheel's profile the plain way: every draw in lexicographic
// order, every ticket compared number by number. The fast counts must equal these.

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "core/tickets/odds.h"
#include "core/wheels/wheel_profile.h"

namespace qv::test {

// Calls f(set) for every r-set of 1..n, ascending, in lexicographic order.
template <typename F>
void forEachSet(int n, int r, F&& f) {
    if (r < 0 || r > n) return;
    std::vector<int> set(static_cast<std::size_t>(r));
    for (int k = 0; k < r; ++k) set[static_cast<std::size_t>(k)] = k + 1;
    while (true) {
        f(set);
        int k = r - 1;
        while (k >= 0 && set[static_cast<std::size_t>(k)] == n - r + k + 1) --k;
        if (k < 0) return;
        ++set[static_cast<std::size_t>(k)];
        for (int j = k + 1; j < r; ++j)
            set[static_cast<std::size_t>(j)] = set[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// How many numbers of `numbers` (repeats once) are marked in `in`.
inline int heldIn(const std::vector<int>& numbers, const std::vector<char>& in) {
    int held = 0;
    for (std::size_t j = 0; j < numbers.size(); ++j) {
        const int n = numbers[j];
        const bool repeat = std::find(numbers.begin(), numbers.begin() + long(j), n) !=
                            numbers.begin() + long(j);
        if (!repeat && n >= 1 && n < int(in.size()) && in[static_cast<std::size_t>(n)]) ++held;
    }
    return held;
}

inline std::vector<int> mainNumbersOf(const TicketType& t) {
    return {t.numbers.begin(), t.numbers.begin() + t.numberCount()};
}

// Tickets of `per` distinct numbers out of 1..lotto; every third one repeats an earlier
// ticket, so counts must not depend on tickets being different.
inline std::vector<TicketType> randomTickets(std::mt19937& rng, int count, int lotto, int per) {
    std::vector<TicketType> tickets;
    std::vector<int> pool(static_cast<std::size_t>(lotto));
    for (int n = 0; n < lotto; ++n) pool[static_cast<std::size_t>(n)] = n + 1;
    for (int k = 0; k < count; ++k) {
        if (k % 3 == 2) {
            tickets.push_back(tickets[static_cast<std::size_t>(rng() % tickets.size())]);
            continue;
        }
        std::shuffle(pool.begin(), pool.end(), rng);
        TicketType t;
        for (int j = 0; j < per; ++j)
            t.numbers[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(pool[static_cast<std::size_t>(j)]);
        tickets.push_back(t);
    }
    return tickets;
}

inline TicketOdds literalTicketOdds(const std::vector<TicketType>& tickets, const OddsGame& game) {
    const int l = game.lotto;
    const int p = game.perTicket;
    const std::vector<Score> scores = gameScores(game);
    TicketOdds odds;
    odds.game = game;
    for (const Score& s : scores) odds.scores.push_back({s, 0});
    // Where each score (2 * matches, plus 1 with the ball) is counted.
    std::vector<std::size_t> place(static_cast<std::size_t>(2 * p + 2));
    for (std::size_t k = 0; k < scores.size(); ++k)
        place[static_cast<std::size_t>(2 * scores[k].matches + (scores[k].bonus ? 1 : 0))] = k;
    auto tally = [&](int matches, bool bonus) {
        matches = std::min(matches, p);
        if (matches == p) bonus = false;  // all P and the ball as well counts as P
        ++odds.scores[place[static_cast<std::size_t>(2 * matches + (bonus ? 1 : 0))]].draws;
        ++odds.draws;
    };
    // Each ticket's numbers once, and which numbers it holds.
    std::vector<std::vector<int>> numbers;
    std::vector<std::vector<char>> holds;
    for (const TicketType& t : tickets) {
        numbers.push_back(mainNumbersOf(t));
        holds.emplace_back(static_cast<std::size_t>(l + 1), 0);
        for (int n : numbers.back())
            if (n >= 1 && n <= l) holds.back()[static_cast<std::size_t>(n)] = 1;
    }
    std::vector<char> drawn(static_cast<std::size_t>(l + 1), 0);
    std::vector<int> held(tickets.size());
    forEachSet(l, p, [&](const std::vector<int>& draw) {
        for (int d : draw) drawn[static_cast<std::size_t>(d)] = 1;
        for (std::size_t t = 0; t < tickets.size(); ++t) {
            held[t] = 0;
            for (int d : draw) held[t] += holds[t][static_cast<std::size_t>(d)];
        }
        if (!game.bonusBall) {
            int best = 0;
            for (int h : held) best = std::max(best, h);
            tally(best, false);
        } else {
            for (int ball = 1; ball <= l; ++ball) {
                if (drawn[static_cast<std::size_t>(ball)]) continue;
                int best = 0;  // 2 * matches, plus 1 with the ball
                for (std::size_t t = 0; t < tickets.size(); ++t)
                    best = std::max(best, 2 * held[t] + holds[t][static_cast<std::size_t>(ball)]);
                tally(best / 2, best % 2 == 1);
            }
        }
        for (int d : draw) drawn[static_cast<std::size_t>(d)] = 0;
    });
    return odds;
}

inline std::vector<ProfileLine> literalWheelProfile(const WheelInfo& wheel) {
    const int n = wheel.numbersToWheel;
    const int per = wheel.positionsPerRow();
    std::vector<ProfileLine> profile;
    for (int i = std::min(per, n); i >= 1; --i) {
        ProfileLine line{i, std::vector<std::uint64_t>(static_cast<std::size_t>(i + 1), 0)};
        forEachSet(n, i, [&](const std::vector<int>& set) {
            std::vector<char> in(static_cast<std::size_t>(n + 1), 0);
            for (int s : set) in[static_cast<std::size_t>(s)] = 1;
            int best = 0;
            for (const TicketType& row : wheel.rows)
                best = std::max(best, heldIn({row.numbers.begin(), row.numbers.begin() + per}, in));
            ++line.counts[static_cast<std::size_t>(best)];
        });
        profile.push_back(line);
    }
    return profile;
}

}  // namespace qv::test

#include "core/tickets/matching.h"

#include <algorithm>
#include <cstdio>

namespace qv {

bool isMainHit(std::int16_t n, const TicketType& winning) {
    for (std::int16_t w : winning.numbers) {
        if (w == 0) break;
        if (w == n) return true;
    }
    return false;
}

bool isBonusHitAmongBonus(std::int16_t b, const TicketType& winning) {
    for (std::int16_t w : winning.bonus) {
        if (w == 0) break;
        if (w == b) return true;
    }
    return false;
}

bool isBonusHit(std::int16_t b, const TicketType& winning) {
    if (isBonusHitAmongBonus(b, winning)) return true;
    return winning.bonus[0] == 0 && isMainHit(b, winning);
}

MatchResult MatchTicket(const TicketType& ticket, const TicketType& winning) {
    MatchResult m;
    for (std::int16_t n : ticket.numbers) {
        if (n == 0) break;
        if (isMainHit(n, winning)) ++m.MainHits;
    }
    for (std::int16_t b : ticket.bonus) {
        if (b == 0) break;
        if (isBonusHit(b, winning)) ++m.BonusHits;
    }
    return m;
}

TallyCounts TallyResults(const std::vector<TicketType>& tickets, const TicketType& draw,
                         bool& wantBonus) {
    if (wantBonus && bonusColumnCount(tickets) == 0) wantBonus = false;
    TallyCounts t;
    for (const TicketType& ticket : tickets) {
        int main = 0;
        for (std::int16_t n : ticket.numbers) {
            if (n == 0) break;
            if (isMainHit(n, draw)) ++main;
        }
        const int slot = main - 2;
        if (slot < 0 || slot >= int(kTallySize)) continue;
        ++t.hits[slot];
        if (!wantBonus) continue;
        for (std::int16_t b : ticket.bonus) {
            if (b == 0) break;
            if (isBonusHitAmongBonus(b, draw)) ++t.bonusHits[slot];
        }
    }
    return t;
}

bool WheelConditionMet(const WheelInfo& wheel, const NumbersUsed& numbersUsed,
                       const TicketType& draw) {
    const int n = std::clamp<int>(wheel.numbersToWheel, 0, int(kNumbersUsedSize));
    int found = 0;
    for (int i = 0; i < n; ++i)
        if (isMainHit(numbersUsed[i], draw)) ++found;
    return found >= wheel.guaranteeIf;
}

bool WheelConditionMet(const TicketFile& file, const TicketType& draw) {
    return WheelConditionMet(file.wheel, file.numbersUsed, draw);
}

int bonusColumnCount(const std::vector<TicketType>& tickets) {
    int most = 0;
    for (const TicketType& t : tickets) most = std::max(most, t.bonusCount());
    return most;
}

int mainNumberCount(const std::vector<TicketType>& tickets) {
    return tickets.empty() ? 0 : tickets.front().numberCount();
}

std::string resultText(const MatchResult& result, int mainNumbers, int bonusColumns) {
    std::string s = std::to_string(result.MainHits) + "/" + std::to_string(mainNumbers);
    if (bonusColumns > 0) s += " + " + std::to_string(result.BonusHits) + "B";
    return s;
}

}  // namespace qv

#pragma once
// The rules that match tickets against a draw, and the texts of their results.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/tickets/ticket_file.h"
#include "core/records/wheel_record.h"

namespace qv {

struct MatchResult {
    int MainHits = 0;
    int BonusHits = 0;
    friend bool operator==(const MatchResult&, const MatchResult&) = default;
};

// Main number `n` is one of the winning main numbers.
bool isMainHit(std::int16_t n, const TicketType& winning);
// Bonus number `b` is one of the winning bonus numbers.
bool isBonusHitAmongBonus(std::int16_t b, const TicketType& winning);
// Bonus number `b` counts as a hit: found among the winning bonus numbers, or, when the draw
// has no bonus numbers, among its main numbers. Each bonus number counts at most once.
bool isBonusHit(std::int16_t b, const TicketType& winning);

MatchResult MatchTicket(const TicketType& ticket, const TicketType& winning);

inline constexpr std::size_t kTallySize = 12;
struct TallyCounts {
    // hits[i]: tickets with exactly i + 2 main hits; bonusHits[i]: their bonus hits in total.
    std::array<int, kTallySize> hits{};
    std::array<int, kTallySize> bonusHits{};
};

// `wantBonus` is set by the caller when the draw has a bonus number; it is cleared when no
// ticket carries a bonus number. Bonus numbers are looked up among the draw's bonus numbers
// only.
TallyCounts TallyResults(const std::vector<TicketType>& tickets, const TicketType& draw,
                         bool& wantBonus);

// At least guaranteeIf of the chosen numbers are among the draw's main numbers.
bool WheelConditionMet(const WheelInfo& wheel, const NumbersUsed& numbersUsed,
                       const TicketType& draw);
bool WheelConditionMet(const TicketFile& file, const TicketType& draw);

// The largest number of bonus numbers on any ticket (0..3).
int bonusColumnCount(const std::vector<TicketType>& tickets);
// The main numbers on the first ticket (0..10), used as the count for every row.
int mainNumberCount(const std::vector<TicketType>& tickets);
// "%d/%d" of MainHits and the main-number count, with " + %dB" of BonusHits when the file
// has a bonus column.
std::string resultText(const MatchResult& result, int mainNumbers, int bonusColumns);

}  // namespace qv

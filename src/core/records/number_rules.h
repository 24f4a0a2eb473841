#pragma once
// What may stand together in one draw or ticket: no number twice, no more numbers than the
// game puts on a ticket, and (for tickets) no main number above the game's highest.

#include <optional>
#include <string>

#include "core/records/records.h"

namespace qv {

struct NumberProblem {
    enum class Kind {
        Repeated,    // `value` stands twice among the numbers, or among the bonus numbers
        TooMany,     // `value` numbers, more than `limit` on a ticket
        AboveLotto,  // the main number `value` is above the `limit` numbers in lotto
    };
    Kind kind = Kind::Repeated;
    int value = 0;
    int limit = 0;

    friend bool operator==(const NumberProblem&, const NumberProblem&) = default;
};

// A draw: the numbers up to the first 0, then the bonus numbers up to theirs. Bonus numbers
// may come from a pool of their own, so one equal to a main number is no repeat.
std::optional<NumberProblem> drawNumbersProblem(const TicketType& draw, int numbersOnTicket);
// A ticket: no repeats, and each main number at most `numbersInLotto`.
std::optional<NumberProblem> ticketNumbersProblem(const TicketType& ticket, int numbersInLotto);

// A draw's number or bonus number above the header's numbers in lotto widens the game to it,
// but never past what per-number tables hold (100). True when it was raised.
bool raiseNumbersInLotto(DataHeader& header, const TicketType& draw);

// The message, naming the number and the entry ("the entry 3-5-2024", "ticket 2").
std::string numberProblemText(const NumberProblem& problem, const std::string& entry);

}  // namespace qv

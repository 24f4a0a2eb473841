#include "core/records/number_rules.h"

#include <algorithm>

namespace qv {

namespace {

template <std::size_t N>
std::optional<NumberProblem> repeated(const std::array<std::int16_t, N>& slots, int count) {
    for (int i = 1; i < count; ++i)
        if (std::find(slots.begin(), slots.begin() + i, slots[std::size_t(i)]) != slots.begin() + i)
            return NumberProblem{NumberProblem::Kind::Repeated, slots[std::size_t(i)], 0};
    return std::nullopt;
}

std::optional<NumberProblem> repeatedAnywhere(const TicketType& t) {
    if (auto p = repeated(t.numbers, t.numberCount())) return p;
    return repeated(t.bonus, t.bonusCount());
}

}  // namespace

std::optional<NumberProblem> drawNumbersProblem(const TicketType& draw, int numbersOnTicket) {
    if (auto p = repeatedAnywhere(draw)) return p;
    if (draw.numberCount() > numbersOnTicket)
        return NumberProblem{NumberProblem::Kind::TooMany, draw.numberCount(), numbersOnTicket};
    return std::nullopt;
}

std::optional<NumberProblem> ticketNumbersProblem(const TicketType& ticket, int numbersInLotto) {
    if (auto p = repeatedAnywhere(ticket)) return p;
    for (int i = 0; i < ticket.numberCount(); ++i)
        if (ticket.numbers[std::size_t(i)] > numbersInLotto)
            return NumberProblem{NumberProblem::Kind::AboveLotto, ticket.numbers[std::size_t(i)],
                                 numbersInLotto};
    return std::nullopt;
}

bool raiseNumbersInLotto(DataHeader& header, const TicketType& draw) {
    const int before = header.numbersInLotto;
    auto raise = [&](std::int16_t n) {
        if (n > int(header.numbersInLotto) && isLottoNumber(n))
            header.numbersInLotto = static_cast<std::uint16_t>(n);
    };
    for (int k = 0; k < draw.numberCount(); ++k) raise(draw.numbers[std::size_t(k)]);
    for (int k = 0; k < draw.bonusCount(); ++k) raise(draw.bonus[std::size_t(k)]);
    return header.numbersInLotto != before;
}

std::string numberProblemText(const NumberProblem& problem, const std::string& entry) {
    const std::string value = std::to_string(problem.value);
    const std::string limit = std::to_string(problem.limit);
    switch (problem.kind) {
        case NumberProblem::Kind::Repeated:
            return "The number " + value + " stands twice in " + entry + ".";
        case NumberProblem::Kind::TooMany:
            return "There are " + value + " numbers in " + entry + ", more than the " + limit +
                   " numbers on a ticket.";
        case NumberProblem::Kind::AboveLotto:
            return "The number " + value + " in " + entry + " is above the " + limit +
                   " numbers in lotto.";
    }
    return {};
}

}  // namespace qv

#include "core/database/draw_preview.h"

#include <algorithm>
#include <array>
#include <set>

namespace qv {

namespace {

using DrawKey = std::array<std::int16_t, 3 + kMaxNumbersOnTicket>;

DrawKey keyOf(const TicketType& t) {
    DrawKey key{};
    key[0] = t.year;
    key[1] = t.month;
    key[2] = t.day;
    std::array<std::int16_t, kMaxNumbersOnTicket> numbers = t.numbers;
    std::sort(numbers.begin(), numbers.end());
    std::copy(numbers.begin(), numbers.end(), key.begin() + 3);
    return key;
}

}  // namespace

std::vector<PreviewRow> previewDraws(const DrawDatabase& database,
                                     const std::vector<TicketType>& draws) {
    std::set<DrawKey> seen;
    for (const TicketType& entry : database.entries()) seen.insert(keyOf(entry));
    const int wanted = database.header().numbersOnTicket;

    std::vector<PreviewRow> rows;
    rows.reserve(draws.size());
    for (const TicketType& draw : draws) {
        PreviewRow row;
        row.draw = draw;
        row.incomplete = draw.numberCount() < wanted;
        row.duplicate = !seen.insert(keyOf(draw)).second;
        rows.push_back(row);
    }
    return rows;
}

std::vector<TicketType> tickedDraws(const std::vector<PreviewRow>& rows,
                                    const std::vector<bool>& ticked) {
    std::vector<TicketType> draws;
    for (std::size_t i = 0; i < rows.size() && i < ticked.size(); ++i)
        if (ticked[i]) draws.push_back(rows[i].draw);
    return draws;
}

}  // namespace qv

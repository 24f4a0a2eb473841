#pragma once
// What a paste or an import would add, shown before anything is inserted: draws that are
// short of numbers, or that the database (or the same text) already holds, are marked so
// they can be left out.

#include <vector>

#include "core/database/draw_database.h"
#include "core/records/records.h"

namespace qv {

struct PreviewRow {
    TicketType draw;
    // Fewer winning numbers than the database's numbers on a ticket.
    bool incomplete = false;
    // The same date and winning numbers (in any order) as an entry of the database, or as a
    // draw earlier in the same text.
    bool duplicate = false;

    // Offered for insertion unless marked.
    bool tickedByDefault() const { return !incomplete && !duplicate; }
};

std::vector<PreviewRow> previewDraws(const DrawDatabase& database,
                                     const std::vector<TicketType>& draws);

// The draws of the rows whose tick is set, in their order.
std::vector<TicketType> tickedDraws(const std::vector<PreviewRow>& rows,
                                    const std::vector<bool>& ticked);

}  // namespace qv

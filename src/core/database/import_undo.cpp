#include "core/database/import_undo.h"

namespace qv {

void ImportUndo::imported(const DrawDatabase& database, const InsertOutcome& outcome) {
    if (outcome.positions.empty()) return;
    added_.clear();
    for (std::size_t p : outcome.positions)
        if (p < database.entryCount()) added_.push_back(Added{p, database.entry(p)});
}

std::size_t ImportUndo::undo(DrawDatabase& database) {
    std::vector<std::size_t> positions;
    for (const Added& a : added_) {
        // Taking back anything but the draws put there would delete the user's data.
        if (a.position >= database.entryCount() || !(database.entry(a.position) == a.draw)) {
            added_.clear();
            return 0;
        }
        positions.push_back(a.position);
    }
    added_.clear();
    database.removeEntries(positions);
    return positions.size();
}

}  // namespace qv

#pragma once
// "&Undo Last Import": the draws the last paste or import added, kept while they can be taken
// back. Any other change to the database (a sort, an edit, new attributes) forgets them, and
// so does the next import, which becomes the one to take back.

#include <cstddef>
#include <vector>

#include "core/database/draw_database.h"
#include "core/records/records.h"

namespace qv {

class ImportUndo {
public:
    // An insert added the draws of `outcome`; it replaces the import remembered before. An
    // insert that added nothing leaves the remembered one as it is.
    void imported(const DrawDatabase& database, const InsertOutcome& outcome);
    // The database changed in another way: nothing can be taken back any more.
    void forget() { added_.clear(); }

    bool available() const { return !added_.empty(); }
    std::size_t count() const { return added_.size(); }

    // Removes exactly the draws the last import added and returns how many. Nothing is
    // removed (0) when there is nothing to take back, or when the database no longer holds
    // those draws where they were put, as after a change this was not told of.
    std::size_t undo(DrawDatabase& database);

private:
    struct Added {
        std::size_t position;
        TicketType draw;
    };
    std::vector<Added> added_;
};

}  // namespace qv

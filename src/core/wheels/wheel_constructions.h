#pragma once
// Wheels that come from somewhere other than a search: designs from algebra, wheels built
// from smaller wheels, and confirmed wheels in library folders. They give the search its
// starting point, and reach sizes a search alone does not.

#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/wheels/cover_search.h"

namespace qv {
class CoveringTable;
}

namespace qv::cover {

// Where wheels can come from besides a search: library folders of wheeling-table files, and
// the table of best-known coverings, which says which way of building is likely smallest.
struct Sources {
    std::vector<std::string> folders;
    const CoveringTable* coverings = nullptr;
};

// Blocks of the Steiner system S(3,6,22): 77 rows of 6 positions out of 22, every 3 positions
// in exactly one. The octads of the extended binary Golay code through two fixed points.
Rows steiner3_6_22();
// Blocks of S(5,6,12): 132 rows of 6 positions out of 12, every 5 positions in exactly one.
// The supports of the weight-6 words of the extended ternary Golay code.
Rows steiner5_6_12();
// Blocks of the inversive plane of order q (q = 3, 4 or 5): the circles of the projective
// line over GF(q^2), images of the subline over GF(q) under the Mobius maps. q(q^2+1) rows of
// q+1 positions out of q^2+1, every 3 positions in exactly one. Empty for other q.
Rows inversivePlane(int q);

// A wheel of N+1 positions made into one of N: position N is replaced in each row by a
// position the row lacks; rows that then repeat are dropped.
Rows dropLastPosition(const Rows& rows, int n, int p);

// A valid wheel with these terms from the library folders (same terms, or one position more
// with it dropped), the smallest found; empty when there is none. Every wheel taken is
// counted out in full first.
Rows libraryWheel(const Terms& terms, const std::vector<std::string>& folders);

// The smallest valid wheel the library and the constructions give, empty when none applies.
// Constructions that need smaller wheels make them with short searches inside the limits.
Rows startingWheel(const Terms& terms, const Sources& sources, const Limits& limits);

// A valid wheel within the limits by any means: the starting wheel, then a search of its own
// (a greedy cover and annealing), on one thread. Empty when the limits end it first.
Rows quickWheel(const Terms& terms, const Sources& sources, const Limits& limits,
                std::uint64_t seed);

// Rows as wheel rows: positions 1..N in the first p slots.
std::vector<TicketType> ticketsOf(const Rows& rows, int p);

// Every I-subset of the terms gets G from the rows (exact; counts or enumerates).
bool coversAll(const Terms& terms, const Rows& rows);

}  // namespace qv::cover

#pragma once
// How often each pair of numbers was drawn together over the selected span: the folded
// triangular table and the list of pairs ordered by frequency.

#include <cstdint>
#include <vector>

#include "core/records/records.h"

namespace qv {

// Row r and column c stand for the numbers r + 1 and c + 1. Below the diagonal (r > c) a cell
// holds how many draws of the span held both numbers; the diagonal and the cells above it
// are not pairs and hold -1.
class PairMatrix {
public:
    static constexpr int kNotAPair = -1;

    explicit PairMatrix(int highestNumber = 1);

    int highestNumber() const { return n_; }
    // Cell (row, column), 0-based; kNotAPair outside the table as well.
    int cell(int row, int column) const;
    // Draws holding both numbers (either order); 0 when a is b or either is not a game number.
    int count(int a, int b) const;

    // Adds one draw of both numbers to the cell (a - 1, b - 1) as the draw lists them.
    void add(int a, int b) { ++cells_[index(a - 1, b - 1)]; }
    // Moves the upper triangle onto the lower one and marks the cells that are not pairs.
    void fold();

private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(n_) +
               static_cast<std::size_t>(column);
    }
    int n_;
    std::vector<int> cells_;
};

// Counts the numbers of each draw up to its first zero slot; a number outside the game and
// a repeat of a number already in the draw are left out.
PairMatrix CountPairs(const DataHeader& header, const std::vector<TicketType>& entries,
                      const StatisticsSettings& settings);

struct PairCount {
    std::uint16_t high = 0;
    std::uint16_t low = 0;
    std::uint16_t count = 0;
    friend bool operator==(const PairCount&, const PairCount&) = default;
};

// Every pair in table order: high = 2..N, low = 1..high - 1.
std::vector<PairCount> pairList(const PairMatrix& matrix);
// The selection sort that puts the greatest count first, on the list as it stands.
void sortPairsByFrequency(std::vector<PairCount>& pairs);
// pairList sorted by frequency.
std::vector<PairCount> sortedPairs(const PairMatrix& matrix);

// The count of the tenth pair of the sorted list: a count at least this high is a top-ten
// count. With fewer than ten pairs every pair is a top-ten pair (0).
int topTenThreshold(const std::vector<PairCount>& sorted);

}  // namespace qv

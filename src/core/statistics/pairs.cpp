#include "core/statistics/pairs.h"

#include <algorithm>
#include <array>

#include "core/statistics/selected_range.h"
#include "core/statistics/selection_order.h"

namespace qv {

PairMatrix::PairMatrix(int highestNumber)
    : n_(std::clamp(highestNumber, 1, kMaxLottoNumber)),
      cells_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_), 0) {}

int PairMatrix::cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= n_ || column >= n_) return kNotAPair;
    return cells_[index(row, column)];
}

int PairMatrix::count(int a, int b) const {
    if (a == b || !isGameNumber(a, n_) || !isGameNumber(b, n_)) return 0;
    return cell(std::max(a, b) - 1, std::min(a, b) - 1);
}

void PairMatrix::fold() {
    for (int r = 0; r < n_; ++r) {
        for (int c = 0; c < r; ++c) {
            cells_[index(r, c)] += cells_[index(c, r)];
            cells_[index(c, r)] = kNotAPair;
        }
        cells_[index(r, r)] = kNotAPair;
    }
}

PairMatrix CountPairs(const DataHeader& header, const std::vector<TicketType>& entries,
                      const StatisticsSettings& settings) {
    const SelectedRange range = selectedRange(entries, settings);
    PairMatrix matrix(highestNumberOf(header));
    const int n = matrix.highestNumber();
    for (std::size_t e = range.first; e < range.last; ++e) {
        const DistinctNumbers drawn = distinctGameNumbers(entries[e], n);
        for (int i = 0; i < drawn.count; ++i)
            for (int j = i + 1; j < drawn.count; ++j) matrix.add(drawn.values[i], drawn.values[j]);
    }
    matrix.fold();
    return matrix;
}

std::vector<PairCount> pairList(const PairMatrix& matrix) {
    const int n = matrix.highestNumber();
    std::vector<PairCount> pairs;
    pairs.reserve(static_cast<std::size_t>(n) * (n - 1) / 2);
    for (int high = 2; high <= n; ++high)
        for (int low = 1; low < high; ++low)
            pairs.push_back(PairCount{std::uint16_t(high), std::uint16_t(low),
                                      std::uint16_t(std::min(matrix.count(high, low), 0xFFFF))});
    return pairs;
}

void sortPairsByFrequency(std::vector<PairCount>& pairs) {
    selectionSortLargestFirst(
        pairs, [](const PairCount& p) { return p.count; }, [](std::size_t) { return false; });
}

std::vector<PairCount> sortedPairs(const PairMatrix& matrix) {
    std::vector<PairCount> pairs = pairList(matrix);
    sortPairsByFrequency(pairs);
    return pairs;
}

int topTenThreshold(const std::vector<PairCount>& sorted) {
    return sorted.size() >= 10 ? sorted[9].count : 0;
}

}  // namespace qv

#include "core/print/statistics_print.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "core/entry/int_edit.h"

namespace qv::print {

namespace {

// base - trunc(share x plot), with the share kept to a size no page reaches.
int heightAbove(int base, double share, int plot) {
    const double h = std::clamp(share * plot, -1e7, 1e7);
    return base - static_cast<int>(h);
}

int atLeastOne(long long v) {
    return static_cast<int>(std::clamp<long long>(v, 1, INT_MAX));
}

// Bands of `size` rows (or columns) cut `per` long, the last one ending at the table's end.
std::vector<std::pair<int, int>> bands(int size, int per) {
    std::vector<std::pair<int, int>> out;
    for (int first = 0; first < size; first += per)
        out.emplace_back(first, std::min(first + per, size) - 1);
    return out;
}

}  // namespace

int FrequencyPrintLayout::barTop(int count, int greatest) const {
    if (greatest <= 0 || count <= 0) return base;
    return heightAbove(base, static_cast<double>(count) / greatest, plot);
}

int FrequencyPrintLayout::averageY(float average, int greatest) const {
    if (greatest <= 0) return base;
    return heightAbove(base, static_cast<double>(average) / greatest, plot);
}

FrequencyPrintLayout frequencyPrintLayout(const PageMetrics& m, int headerBottom) {
    FrequencyPrintLayout l;
    l.w = std::max(m.w, 1);
    l.h = std::max(m.h, 1);
    l.pageWidth = m.pageWidth;
    l.headerBottom = headerBottom;
    l.barWidth = std::max((5 * l.w) / 2, 1);
    l.x0 = 3 * l.w;
    l.bottom = static_cast<int>(0.95 * m.pageHeight);
    l.base = l.bottom - 4 * l.h;
    l.plot = std::max(l.bottom - headerBottom - 5 * l.h, 0);
    // Bar i of a page fits while x0 + (i + 1) bw stays within pw - x0.
    l.barsPerPage = atLeastOne((static_cast<long long>(m.pageWidth) - 2LL * l.x0) / l.barWidth);
    return l;
}

RecordSpan pageSpan(std::size_t records, std::size_t perPage, int page) {
    const std::size_t per = std::max<std::size_t>(perPage, 1);
    if (page < 1) return {};
    const std::size_t first = std::min(records, static_cast<std::size_t>(page - 1) * per);
    return RecordSpan{first, std::min(records, first + per)};
}

int pagesFor(std::size_t records, std::size_t perPage) {
    const std::size_t per = std::max<std::size_t>(perPage, 1);
    return std::max(1, static_cast<int>((records + per - 1) / per));
}

std::vector<Tile> planTiles(int rows, int columns, int rowsPerPage, int columnsPerPage) {
    const int r = std::max(rowsPerPage, 1);
    const int k = std::max(columnsPerPage, 1);
    std::vector<Tile> tiles;
    if (rows <= 0 || columns <= 0) return {Tile{}};
    for (const auto& [firstColumn, lastColumn] : bands(columns, k))
        for (const auto& [firstRow, lastRow] : bands(rows, r))
            tiles.push_back(Tile{firstRow, lastRow, firstColumn, lastColumn});
    return tiles;
}

TablePrintLayout tablePrintLayout(const PageMetrics& m, int headerBottom, int footerLines) {
    TablePrintLayout l;
    l.w = std::max(m.w, 1);
    l.h = std::max(m.h, 1);
    l.headerBottom = headerBottom;
    const long long byHeader =
        (static_cast<long long>(m.pageHeight) - 2LL * headerBottom - 2LL * l.h) / l.h;
    // The grid starts a line below the header; the footer lines follow it.
    const long long byFooter =
        (static_cast<long long>(m.pageHeight) - l.gridTop() - (footerLines + 1LL) * l.h) / l.h;
    l.rowsPerPage = atLeastOne(std::min(byHeader, byFooter));
    l.columnsPerPage = atLeastOne((static_cast<long long>(m.pageWidth) - 12LL * l.w) / (3LL * l.w));
    return l;
}

std::vector<Tile> pairTableTiles(int highestNumber, const TablePrintLayout& layout) {
    const std::vector<Tile> all =
        planTiles(highestNumber, highestNumber, layout.rowsPerPage, layout.columnsPerPage);
    // A tile holds a pair when some row lies below some column: its last row after its
    // first column.
    std::vector<Tile> tiles;
    std::copy_if(all.begin(), all.end(), std::back_inserter(tiles),
                 [](const Tile& t) { return t.lastRow > t.firstColumn; });
    if (tiles.empty()) tiles.push_back(all.front());
    return tiles;
}

std::vector<Tile> skipTableTiles(int highestNumber, int skipColumns,
                                 const TablePrintLayout& layout) {
    return planTiles(highestNumber, skipColumns, layout.rowsPerPage, layout.columnsPerPage);
}

int pairListPrintRows(std::size_t pairs) {
    return static_cast<int>((pairs + kPairListBlocks - 1) / kPairListBlocks);
}

std::optional<std::size_t> pairListPrintRecord(std::size_t pairs, int row, int block) {
    const int rows = pairListPrintRows(pairs);
    if (row < 0 || row >= rows || block < 0 || block >= kPairListBlocks) return std::nullopt;
    const std::size_t record = static_cast<std::size_t>(block) * rows + row;
    if (record >= pairs) return std::nullopt;
    return record;
}

PairListPrintLayout pairListPrintLayout(const PageMetrics& m, int headerBottom, int pairWidth,
                                        int countWidth) {
    PairListPrintLayout l;
    l.w = std::max(m.w, 1);
    l.h = std::max(m.h, 1);
    l.headerBottom = headerBottom;
    l.pairWidth = std::max(pairWidth, 0);
    l.countWidth = std::max(countWidth, 0);
    // A list row is printed while its top stays within ph - 2 h.
    const long long room = static_cast<long long>(m.pageHeight) - 2LL * l.h - l.rowTop(0);
    l.rowsPerPage = room < 0 ? 1 : atLeastOne(room / l.h + 1);
    return l;
}

int TriplesPrintLayout::pages() const {
    return std::max(1, (rows + rowsPerPage - 1) / rowsPerPage);
}

int TriplesPrintLayout::endRow(int page) const {
    return std::clamp(firstRow(page) + rowsPerPage, 0, rows);
}

std::optional<std::size_t> TriplesPrintLayout::record(int row, int column) const {
    if (row < 0 || row >= rows || column < 0 || column >= columns) return std::nullopt;
    const std::size_t k = static_cast<std::size_t>(column) * static_cast<std::size_t>(rows) +
                          static_cast<std::size_t>(row);
    if (k >= printed) return std::nullopt;
    return k;
}

TriplesPrintLayout triplesPrintLayout(const PageMetrics& m, int headerBottom, int cellWidth,
                                      int cellHeight, std::size_t records, int pageLimit) {
    TriplesPrintLayout l;
    l.cellWidth = std::max(cellWidth, 1);
    l.cellHeight = std::max(cellHeight, 1);
    l.headerBottom = headerBottom;
    l.columns = atLeastOne((static_cast<long long>(m.pageWidth) - 40) / l.cellWidth);
    l.rowsPerPage = atLeastOne(
        (static_cast<long long>(m.pageHeight) - 40 - headerBottom - l.cellHeight) / l.cellHeight);
    l.printed = records;
    if (pageLimit > 0) {
        const unsigned long long perPage = static_cast<unsigned long long>(l.columns) *
                                           static_cast<unsigned long long>(l.rowsPerPage);
        const unsigned long long limit = perPage * static_cast<unsigned long long>(pageLimit);
        if (limit < records) l.printed = static_cast<std::size_t>(limit);
    }
    const std::size_t k = static_cast<std::size_t>(l.columns);
    l.rows = static_cast<int>(std::min<std::size_t>((l.printed + k - 1) / k, INT_MAX));
    return l;
}

std::optional<int> triplesPageLimit(bool onlyFirst, std::string_view text) {
    if (!onlyFirst) return 0;
    return parsePageNumber(text);
}

int ClusterPrintLayout::lastNumber(int highestNumber, int page) const {
    return std::max(firstNumber(highestNumber, page) - rowsPerPage + 1, 1);
}

int ClusterPrintLayout::pages(int highestNumber) const {
    return std::max(1, (highestNumber + rowsPerPage - 1) / rowsPerPage);
}

ClusterPrintLayout clusterPrintLayout(const PageMetrics& m, int headerBottom, int spanDraws) {
    ClusterPrintLayout l;
    l.w = std::max(m.w, 1);
    l.h = std::max(m.h, 1);
    l.headerBottom = headerBottom;
    l.columnWidth = std::max(l.w / 3, 1);
    const long long room = static_cast<long long>(m.pageWidth) - 16LL * l.w - 4;
    const long long fit = room < 0 ? 0 : room / l.columnWidth;
    l.draws = static_cast<int>(std::clamp<long long>(fit, 0, std::max(spanDraws, 0)));
    // Number v is on the page while y0 + (first - v) h <= ph - 2 y0 - 3 h.
    const long long rowRoom = static_cast<long long>(m.pageHeight) - 3LL * l.y0() - 3LL * l.h;
    l.rowsPerPage = rowRoom < 0 ? 1 : atLeastOne(rowRoom / l.h + 1);
    return l;
}

}  // namespace qv::print

#include "gui/print/statistics_printouts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "core/database/draw_database.h"
#include "core/print/statistics_print.h"
#include "core/view/statistics_view.h"

namespace qv::gui {

namespace {

namespace pr = qv::print;

QString tr(const char* text) {
    return QCoreApplication::translate("Statistics", text);
}

// A title from a "%s" format and the database's name.
QString titled(const char* format, const QString& name) {
    return QString::asprintf(qPrintable(tr(format)), name.toUtf8().constData());
}

const QColor kGrey(130, 130, 130);
const QColor kTeal(0, 100, 100);

QString twoDigits(int v) {
    return QString::asprintf("%2d", v);
}

}  // namespace

QString printedDatabaseName(const qv::DrawDatabase& database) {
    return QString::fromStdString(database.header().description);
}

// --- StatisticsPrintout ------------------------------------------------------------------------

void StatisticsPrintout::printPage(QPainter& painter, int page, const QRect& pageRect) {
    const pr::PageMetrics metrics = measurePage(painter, pageRect);
    const int headerBottom = printPageHeader(painter, pageRect, page, title_, sink_);
    ChartPainter chart(painter, sink_);
    // Lines about a quarter of a point wide, whatever the printer's resolution.
    chart.setLineWidth(std::max(1, painter.device()->logicalDpiX() / 300));
    painter.setBackgroundMode(Qt::TransparentMode);
    pages_ = std::max(1, printBody(chart, page, pageRect, metrics, headerBottom));
}

// --- TFreqOut ----------------------------------------------------------------------------------

TFreqOut::TFreqOut(const QString& databaseName, bool bonus, std::vector<qv::NumberCount> records,
                   float average)
    : StatisticsPrintout(titled(bonus ? "Bonus Number Frequency for %s" : "Number Frequency for %s",
                                databaseName)),
      records_(std::move(records)),
      average_(average),
      greatest_(qv::greatestCount(records_)) {}

int TFreqOut::printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                        const pr::PageMetrics& metrics, int headerBottom) {
    QPainter& painter = chart.painter();
    painter.setFont(printFont(pr::headerFontHeight(metrics.pageWidth)));
    // Bars are as wide as the page's base font says; lines are as high as the taller of the
    // two fonts, so the counts and numbers never run into the header or the legend.
    pr::PageMetrics m = metrics;
    m.h = std::max(metrics.h, measurePage(painter, pageRect).h);
    const pr::FrequencyPrintLayout l = pr::frequencyPrintLayout(m, headerBottom);
    const pr::RecordSpan span = pr::pageSpan(records_.size(), l.barsPerPage, page);

    for (std::size_t i = span.first; i < span.end; ++i) {
        const qv::NumberCount& r = records_[i];
        const int slot = static_cast<int>(i - span.first);
        paintFrequencyBar(chart, FrequencyBar{r.number, r.count, qv::isHot(r.count, average_)},
                          l.barLeft(slot), l.barWidth, l.barTop(r.count, greatest_), l.base,
                          l.numberTop(), l.h);
    }
    if (average_ > 0)
        paintAverageLine(chart, l.barLeft(0), l.barLeft(static_cast<int>(span.size())),
                         l.averageY(average_, greatest_));
    paintFrequencyLegend(chart, l.legend(),
                         QString::asprintf(qPrintable(tr("Statistical Avg. = %5.2f")),
                                           static_cast<double>(average_)));
    return pr::pagesFor(records_.size(), l.barsPerPage);
}

// --- TPairsOut ---------------------------------------------------------------------------------

TPairsOut::TPairsOut(const QString& databaseName, qv::PairMatrix matrix,
                     std::vector<qv::PairCount> sorted, bool list)
    : StatisticsPrintout(titled("Pairs Frequency for %s", databaseName)),
      matrix_(std::move(matrix)),
      sorted_(std::move(sorted)),
      threshold_(qv::topTenThreshold(sorted_)),
      list_(list) {}

int TPairsOut::printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                         const pr::PageMetrics&, int headerBottom) {
    chart.painter().setFont(printFont(pr::headerFontHeight(pageRect.width())));
    return list_ ? printList(chart, page, pageRect, headerBottom)
                 : printTable(chart, page, pageRect, headerBottom);
}

namespace {

// The grid part of a tile: lines, column labels above, row labels both sides; `cell` gives
// each cell's text and colour.
template <typename ColumnLabel, typename RowLabel, typename CellText>
void printTile(const ChartPainter& chart, const pr::TablePrintLayout& l, const pr::Tile& tile,
               ColumnLabel columnLabel, RowLabel rowLabel, CellText cell) {
    const int cw = l.cellWidth();
    paintTableLines(chart, l.gridLeft(), l.gridTop(), cw, l.h, tile.columns(), tile.rows());
    for (int c = tile.firstColumn; c <= tile.lastColumn; ++c)
        chart.centred(columnLabel(c), l.columnLeft(c - tile.firstColumn), cw, l.columnLabelTop(),
                      Qt::black);
    for (int r = tile.firstRow; r <= tile.lastRow; ++r) {
        const int top = l.rowTop(r - tile.firstRow);
        chart.centred(rowLabel(r), 3 * l.w, cw, top, Qt::black);
        chart.centred(rowLabel(r), l.columnLeft(tile.columns()), cw, top, Qt::black);
        for (int c = tile.firstColumn; c <= tile.lastColumn; ++c) {
            const auto [text, colour] = cell(r, c);
            chart.centred(text, l.columnLeft(c - tile.firstColumn), cw, top, colour);
        }
    }
}

}  // namespace

int TPairsOut::printTable(const ChartPainter& chart, int page, const QRect& pageRect,
                          int headerBottom) {
    const pr::TablePrintLayout l =
        pr::tablePrintLayout(measurePage(chart.painter(), pageRect), headerBottom, 1);
    const std::vector<pr::Tile> tiles = pr::pairTableTiles(matrix_.highestNumber(), l);
    const int pages = static_cast<int>(tiles.size());
    if (page > pages) return pages;
    const pr::Tile& tile = tiles[static_cast<std::size_t>(page - 1)];

    const auto label = [](int i) { return twoDigits(i + 1); };
    printTile(chart, l, tile, label, label, [this](int r, int c) {
        const int count = matrix_.cell(r, c);
        if (count == qv::PairMatrix::kNotAPair) return std::pair{QStringLiteral("-"), kGrey};
        return std::pair{QString::number(count),
                         count >= threshold_ ? kChartRed : QColor(Qt::black)};
    });
    paintRedLegend(chart, 3 * l.w, l.rowTop(tile.rows()) + l.h / 2,
                   tr(" Indicates the top 10 occuring pairs for this data"));
    return pages;
}

int TPairsOut::printList(const ChartPainter& chart, int page, const QRect& pageRect,
                         int headerBottom) {
    QPainter& painter = chart.painter();
    const QString pairHeading = tr("Paired Numbers");
    const QString countHeading = tr("Occurences");
    // The four blocks take the page's width; on a narrow page the font shrinks until they fit.
    int pixels = pr::headerFontHeight(pageRect.width());
    pr::PairListPrintLayout l;
    for (;;) {
        painter.setFont(printFont(pixels));
        l = pr::pairListPrintLayout(measurePage(painter, pageRect), headerBottom, chart.textWidth(pairHeading),
                                    chart.textWidth(countHeading));
        const int room = pageRect.width() - 3 * l.w;
        if (l.right() <= room || pixels <= 4) break;
        pixels = std::max(4, std::min(pixels - 1, static_cast<int>(static_cast<long long>(pixels) *
                                                                   room / l.right())));
    }

    const std::size_t pairs = sorted_.size();
    const int rows = pr::pairListPrintRows(pairs);
    const int pages =
        pr::pagesFor(static_cast<std::size_t>(rows), static_cast<std::size_t>(l.rowsPerPage));
    for (int block = 0; block < pr::kPairListBlocks; ++block) {
        chart.centred(pairHeading, l.blockLeft(block), l.pairWidth, l.headingTop(), Qt::black);
        chart.centred(countHeading, l.countLeft(block), l.countWidth, l.headingTop(), Qt::black);
    }
    const int first = (page - 1) * l.rowsPerPage;
    for (int slot = 0; slot < l.rowsPerPage && first + slot < rows; ++slot) {
        const int row = first + slot;
        for (int block = 0; block < pr::kPairListBlocks; ++block) {
            const std::optional<std::size_t> k = pr::pairListPrintRecord(pairs, row, block);
            if (!k) continue;
            const qv::PairCount& p = sorted_[*k];
            chart.centred(QStringLiteral("%1, %2").arg(p.high).arg(p.low), l.blockLeft(block),
                          l.pairWidth, l.rowTop(slot), Qt::black);
            chart.centred(QString::number(p.count), l.countLeft(block), l.countWidth,
                          l.rowTop(slot),
                          pr::pairListPrintRed(row, block) ? kChartRed : QColor(Qt::black));
        }
    }
    return pages;
}

// --- TTriplesOut -------------------------------------------------------------------------------

TTriplesOut::TTriplesOut(const QString& databaseName, std::vector<qv::TripleCount> triples,
                         int pageLimit)
    : StatisticsPrintout(titled("Triples Frequency for %s", databaseName)),
      triples_(std::move(triples)),
      pageLimit_(std::max(pageLimit, 0)) {}

int TTriplesOut::printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                           const pr::PageMetrics& metrics, int headerBottom) {
    chart.painter().setFont(printFont(std::max(1, pageRect.width() / 60)));
    const int cw = chart.textWidth(QStringLiteral("00-00-00, 00     "));
    const int ch = measurePage(chart.painter(), pageRect).h;
    const pr::TriplesPrintLayout l =
        pr::triplesPrintLayout(metrics, headerBottom, cw, ch, triples_.size(), pageLimit_);

    const QString heading = tr("Set of 3, Freq.");
    const int first = l.firstRow(page);
    for (int c = 0; c < l.columns; ++c) {
        if (!l.record(first, c)) break;
        chart.centred(heading, l.cellLeft(c), l.cellWidth, l.headingTop(), kTeal);
        for (int row = first; row < l.endRow(page); ++row) {
            const std::optional<std::size_t> k = l.record(row, c);
            if (!k) break;
            const qv::TripleCount& t = triples_[*k];
            chart.centred(
                QStringLiteral("%1-%2-%3, %4").arg(t.first).arg(t.second).arg(t.third).arg(t.count),
                l.cellLeft(c), l.cellWidth, l.rowTop(page, row), Qt::black);
        }
    }
    return l.pages();
}

// --- TSkipOut ----------------------------------------------------------------------------------

TSkipOut::TSkipOut(const QString& databaseName, qv::SkipCounts skips)
    : StatisticsPrintout(databaseName), skips_(std::move(skips)) {}

int TSkipOut::printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                        const pr::PageMetrics&, int headerBottom) {
    QPainter& painter = chart.painter();
    painter.setFont(printFont(pr::headerFontHeight(pageRect.width())));
    const pr::TablePrintLayout l =
        pr::tablePrintLayout(measurePage(painter, pageRect), headerBottom, 2);
    const int n = static_cast<int>(skips_.buckets.size());
    const std::vector<pr::Tile> tiles = pr::skipTableTiles(n, qv::kSkipBuckets, l);
    const int pages = static_cast<int>(tiles.size());
    if (page > pages) return pages;
    const pr::Tile& tile = tiles[static_cast<std::size_t>(page - 1)];

    printTile(
        chart, l, tile, [](int k) { return QString::number(k); },
        [](int r) { return QString::number(r + 1); },
        [this](int r, int k) {
            const int count =
                skips_.buckets[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
            const int maximum = skips_.maximum[static_cast<std::size_t>(r)];
            return std::pair{QString::number(count),
                             qv::skipCellRed(count, maximum) ? kChartRed : QColor(Qt::black)};
        });
    const int below = l.rowTop(tile.rows()) + l.h / 4;
    chart.centred(tr("(Number of Drawings Skipped)"), 0, pageRect.width(), below, Qt::black);
    paintRedLegend(chart, 3 * l.w, below + l.h,
                   tr(" Indicates the most frequent Skip Pattern for that number drawn"));
    return pages;
}

// --- TClusterOut -------------------------------------------------------------------------------

TClusterOut::TClusterOut(const QString& databaseName, qv::ClusterChart chart)
    : StatisticsPrintout(titled("Cluster Analysis for %s", databaseName)),
      chart_(std::move(chart)) {}

int TClusterOut::printBody(const ChartPainter& chart, int page, const QRect&,
                           const pr::PageMetrics& metrics, int headerBottom) {
    QPainter& painter = chart.painter();
    const int n = chart_.highestNumber;
    const pr::ClusterPrintLayout l =
        pr::clusterPrintLayout(metrics, headerBottom, static_cast<int>(chart_.columns.size()));
    const int pages = l.pages(n);
    if (page > pages) return pages;
    const int first = l.firstNumber(n, page);
    const int last = l.lastNumber(n, page);
    const int w = l.w;
    const int h = l.h;
    const int left = l.spanLeft();
    const int right = l.spanRight();

    // Rows with their labels, and the frame around them.
    for (int v = first; v >= last; --v) {
        const int top = l.rowTop(first, v);
        chart.text(twoDigits(v), l.labelLeft(), top, Qt::black);
        painter.setPen(chart.pen());
        painter.drawLine(left, top, right, top);
    }
    const int top = l.rowTop(first, first);
    const int bottom = l.rowTop(first, last) + h;
    painter.setPen(chart.pen());
    painter.drawLine(left, bottom, right, bottom);
    painter.drawLine(left, top, left, bottom);
    painter.drawLine(right, top, right, bottom);

    // The newest printed draw's date at the left, "Time" in the middle, the oldest's ending
    // at the right; side by side when the span is too narrow for that.
    if (l.draws > 0) {
        const QString newest = QString::fromStdString(pr::headerDate(chart_.columns.front().date));
        const QString oldest = QString::fromStdString(
            pr::headerDate(chart_.columns[static_cast<std::size_t>(l.draws - 1)].date));
        const QString time = tr("Time");
        const int headingTop = l.y0() - h;
        const int needed =
            chart.textWidth(newest) + chart.textWidth(time) + chart.textWidth(oldest) + 2 * w;
        if (needed <= right - left) {
            chart.text(newest, left, headingTop, Qt::black);
            chart.centred(time, left, right - left, headingTop, Qt::black);
            chart.text(oldest, right - chart.textWidth(oldest), headingTop, Qt::black);
        } else {
            int x = left + chart.text(newest, left, headingTop, Qt::black) + w;
            x += chart.text(time, x, headingTop, Qt::black) + w;
            chart.text(oldest, x, headingTop, Qt::black);
        }
    }

    // The marks of this page's numbers, draw column k = 1 for the newest.
    for (int k = 1; k <= l.draws; ++k) {
        for (const qv::ClusterMark& mark : chart_.columns[static_cast<std::size_t>(k - 1)].marks) {
            if (mark.number > first || mark.number < last) continue;
            painter.fillRect(QRect(l.markLeft(k), l.rowTop(first, mark.number), l.markWidth(), h),
                             touchColour(mark.touches));
        }
    }

    const QString legend[3] = {tr("Indicates no other entries touching"),
                               tr("Indicates 1 other entry touching"),
                               tr("Indicates more than 1 other entry touching")};
    for (int line = 0; line < 3; ++line) {
        const int y = l.legendTop(first, last, line);
        painter.fillRect(QRect(left, y, std::max(w / 2, 1), h), touchColour(line));
        chart.text(legend[line], left + w, y, Qt::black);
    }
    return pages;
}

// --- Printouts of a database -------------------------------------------------------------------

std::unique_ptr<Printout> makeChartPrintout(Chart chart, const qv::DrawDatabase& database,
                                            int triplesPageLimit, qv::ProgressReporter* progress) {
    const QString name = printedDatabaseName(database);
    const qv::DataHeader& header = database.header();
    const std::vector<qv::TicketType>& entries = database.entries();
    const qv::StatisticsSettings& settings = database.statistics();
    switch (chart) {
        case Chart::Frequency:
        case Chart::Bonus: {
            const bool bonus = chart == Chart::Bonus;
            qv::FrequencyCounts f = bonus ? qv::CountBonusFrequency(header, entries, settings)
                                          : qv::CountNumberFrequency(header, entries, settings);
            return std::make_unique<TFreqOut>(name, bonus, std::move(f.counts), f.average);
        }
        case Chart::Pairs:
        case Chart::PairsList: {
            qv::PairMatrix matrix = qv::CountPairs(header, entries, settings);
            std::vector<qv::PairCount> sorted = qv::sortedPairs(matrix);
            return std::make_unique<TPairsOut>(name, std::move(matrix), std::move(sorted),
                                               chart == Chart::PairsList);
        }
        case Chart::Triples: {
            qv::TripleCounts t = qv::CountTriples(header, entries, settings, progress);
            return std::make_unique<TTriplesOut>(name, std::move(t.triples), triplesPageLimit);
        }
        case Chart::Skips:
            return std::make_unique<TSkipOut>(name, qv::CountSkips(header, entries, settings));
        case Chart::Cluster:
            return std::make_unique<TClusterOut>(name,
                                                 qv::CountClusters(header, entries, settings));
    }
    return nullptr;
}

}  // namespace qv::gui

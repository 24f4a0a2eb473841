#pragma once
// The statistics printouts: the frequency charts, the pairs table or list, the triples list,
// the skipping table and the cluster grid, each page under the shared page header. Each
// printout plans its pages when page 1 is printed, from the measured page.

#include <QString>
#include <memory>
#include <vector>

#include "core/statistics/cluster.h"
#include "core/statistics/frequency.h"
#include "core/statistics/pairs.h"
#include "core/statistics/skips.h"
#include "core/statistics/triples.h"
#include "gui/common/chart_painter.h"
#include "gui/print/printout.h"

namespace qv {
class DrawDatabase;
class ProgressReporter;
}  // namespace qv

namespace qv::gui {

// The database's name as the printouts' titles show it: its header's description.
QString printedDatabaseName(const qv::DrawDatabase& database);

class StatisticsPrintout : public Printout {
public:
    QString documentName() const override { return title_; }
    bool hasPage(int page) const override { return page <= 1 || page <= pages_; }
    void printPage(QPainter& painter, int page, const QRect& pageRect) override;

    const QString& title() const { return title_; }
    // Notes every text printed, with its box in page coordinates.
    void setTextSink(ChartPainter::TextSink sink) { sink_ = std::move(sink); }

protected:
    explicit StatisticsPrintout(QString title) : title_(std::move(title)) {}
    // Draws one page below the header (which ends at `headerBottom`); on page 1 it also
    // plans the pages and returns how many there are.
    virtual int printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                          const qv::print::PageMetrics& metrics, int headerBottom) = 0;

private:
    QString title_;
    int pages_ = 1;
    ChartPainter::TextSink sink_;
};

// The number or bonus number frequency chart, the records in the order given.
class TFreqOut : public StatisticsPrintout {
public:
    TFreqOut(const QString& databaseName, bool bonus, std::vector<qv::NumberCount> records,
             float average);

protected:
    int printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                  const qv::print::PageMetrics& metrics, int headerBottom) override;

private:
    std::vector<qv::NumberCount> records_;
    float average_;
    int greatest_;
};

// The pairs as the table (tiles of rows and columns) or as the list in four blocks.
class TPairsOut : public StatisticsPrintout {
public:
    TPairsOut(const QString& databaseName, qv::PairMatrix matrix, std::vector<qv::PairCount> sorted,
              bool list);

protected:
    int printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                  const qv::print::PageMetrics& metrics, int headerBottom) override;

private:
    int printTable(const ChartPainter& chart, int page, const QRect& pageRect, int headerBottom);
    int printList(const ChartPainter& chart, int page, const QRect& pageRect, int headerBottom);

    qv::PairMatrix matrix_;
    std::vector<qv::PairCount> sorted_;
    int threshold_;
    bool list_;
};

// The triples, most frequent first, down the columns; `pageLimit` 0 prints all pages.
class TTriplesOut : public StatisticsPrintout {
public:
    TTriplesOut(const QString& databaseName, std::vector<qv::TripleCount> triples, int pageLimit);

protected:
    int printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                  const qv::print::PageMetrics& metrics, int headerBottom) override;

private:
    std::vector<qv::TripleCount> triples_;
    int pageLimit_;
};

// The skipping table: a row per number, a column per number of draws skipped.
class TSkipOut : public StatisticsPrintout {
public:
    TSkipOut(const QString& databaseName, qv::SkipCounts skips);

protected:
    int printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                  const qv::print::PageMetrics& metrics, int headerBottom) override;

private:
    qv::SkipCounts skips_;
};

// The cluster grid of the newest draws of the span that fit across the page.
class TClusterOut : public StatisticsPrintout {
public:
    TClusterOut(const QString& databaseName, qv::ClusterChart chart);

protected:
    int printBody(const ChartPainter& chart, int page, const QRect& pageRect,
                  const qv::print::PageMetrics& metrics, int headerBottom) override;

private:
    qv::ClusterChart chart_;
};

// The charts that print (frequency, bonus, pairs table or list, triples, skips, cluster).
using Chart = qv::print::PrintedChart;

// Computes the chart over the database's selected range (its stored statistics options)
// and makes its printout; triplesPageLimit 0 = all pages. A stopped triples count prints
// what was counted, as the window shows it.
std::unique_ptr<Printout> makeChartPrintout(Chart chart, const qv::DrawDatabase& database,
                                            int triplesPageLimit, qv::ProgressReporter* progress);

}  // namespace qv::gui

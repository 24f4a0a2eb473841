#include "gui/statistics/skipping_window.h"

#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "core/database/draw_database.h"
#include "core/view/statistics_view.h"
#include "gui/common/application_state.h"
#include "gui/print/statistics_printouts.h"

namespace qv::gui {

SkippingWindow::SkippingWindow(ApplicationState& state)
    : StatWindow(state, qv::StatisticsKind::SkippingHabit, tr("Skipping Habits for Numbers Drawn"),
                 true, true) {
    const qv::DrawDatabase& db = *state.database();
    skips_ = qv::CountSkips(db.header(), db.entries(), state.statisticsSettings());

    addFontCommands();
    contextMenu()->addSeparator();
    addPrinterCommands();
    updateChecks();
    chartChanged();
}

std::unique_ptr<Printout> SkippingWindow::makePrintout() const {
    return std::make_unique<TSkipOut>(databaseName(), skips_);
}

QSize SkippingWindow::chartSize() const {
    const int cw = charWidth();
    const int ch = charHeight();
    const int n = skips_.highestNumber;
    const int legend =
        3 * cw + textWidth(tr("Red -")) +
        textWidth(tr(" Indicates the most frequent Skip Pattern for that number drawn"));
    const int label = height() / 2 - 6 + 12 * ch;
    return QSize(std::max(192 * cw, legend) + cw, std::max((n + 5) * ch, label + ch));
}

void SkippingWindow::paintChart(QPainter& painter, const QRect& visible) {
    const int cw = charWidth();
    const int ch = charHeight();
    const int n = skips_.highestNumber;
    const int gridLeft = 6 * cw;
    const int gridTop = 2 * ch;

    const ChartPainter chart = chartPainter(painter);
    paintTableLines(chart, gridLeft, gridTop, 3 * cw, ch, qv::kSkipBuckets, n);

    for (int k = 0; k < qv::kSkipBuckets; ++k) {
        const int left = gridLeft + 3 * k * cw;
        drawCentred(painter, QString::number(k), left, 3 * cw, ch, Qt::black);
        drawCentred(painter, QString::number(k), left, 3 * cw, gridTop + n * ch, Qt::black);
    }
    for (int r = 0; r < n; ++r) {
        const int top = gridTop + r * ch;
        if (top > visible.bottom() || top + ch < visible.top()) continue;
        drawCentred(painter, QString::number(r + 1), 3 * cw, 3 * cw, top, Qt::black);
        drawCentred(painter, QString::number(r + 1), 189 * cw, 3 * cw, top, Qt::black);
        const auto& row = skips_.buckets[static_cast<std::size_t>(r)];
        const int maximum = skips_.maximum[static_cast<std::size_t>(r)];
        for (int k = 0; k < qv::kSkipBuckets; ++k) {
            const int left = gridLeft + 3 * k * cw;
            if (left > visible.right() || left + 3 * cw < visible.left()) continue;
            const int count = row[static_cast<std::size_t>(k)];
            drawCentred(painter, QString::number(count), left, 3 * cw, top,
                        qv::skipCellRed(count, maximum) ? kChartRed : QColor(Qt::black));
        }
    }

    // The heading and the side label are placed by the whole window's size.
    drawText(painter, tr("Number of Drawings Skipped"), width() / 2 - 65, 0, Qt::black);
    const QString label = tr("Number Drawn");
    for (int i = 0; i < label.size(); ++i)
        drawText(painter, label.mid(i, 1), cw, height() / 2 - int(label.size()) / 2 + i * ch,
                 Qt::black);

    paintRedLegend(chart, 3 * cw, (n + 3) * ch,
                   tr(" Indicates the most frequent Skip Pattern for that number drawn"));
}

}  // namespace qv::gui

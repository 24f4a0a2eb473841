#include "gui/statistics/triples_window.h"

#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "core/database/draw_database.h"
#include "core/view/statistics_view.h"
#include "gui/common/application_state.h"
#include "gui/print/statistics_printouts.h"
#include "gui/print/triples_print_options_dialog.h"

namespace qv::gui {

namespace {

const QColor kTeal(0, 100, 100);

}  // namespace

TriplesWindow::TriplesWindow(ApplicationState& state, qv::ProgressReporter* progress)
    : StatWindow(state, qv::StatisticsKind::Triples, tr("Frequency of Triples Drawn"), true, true) {
    setScrollUnits(10 * qv::fontPixelHeight(state.settings().statisticsPointSize), yUnit());
    const qv::DrawDatabase& db = *state.database();
    triples_ = qv::CountTriples(db.header(), db.entries(), state.statisticsSettings(), progress);

    addFontCommands();
    contextMenu()->addSeparator();
    addPrinterCommands();
    updateChecks();
    chartChanged();
}

void TriplesWindow::cmPrint() {
    printTriplesWithOptions(state(), this,
                            [this](int pageLimit) { return makeTriplesPrintout(pageLimit); });
}

std::unique_ptr<Printout> TriplesWindow::makePrintout() const {
    return makeTriplesPrintout(0);
}

std::unique_ptr<Printout> TriplesWindow::makeTriplesPrintout(int pageLimit) const {
    return std::make_unique<TTriplesOut>(databaseName(), triples_.triples, pageLimit);
}

int TriplesWindow::cellWidth() const {
    return textWidth(QStringLiteral("00-00-00, 00     "));
}

QSize TriplesWindow::chartSize() const {
    const std::size_t records = triples_.triples.size();
    const int columns = qv::tripleColumnsUsed(records);
    const int rows = qv::tripleRows(records);
    return QSize(3 * charWidth() + columns * cellWidth() + charWidth(), (rows + 2) * charHeight());
}

void TriplesWindow::paintChart(QPainter& painter, const QRect& visible) {
    const int cw = charWidth();
    const int ch = charHeight();
    const int w = cellWidth();
    const std::size_t records = triples_.triples.size();
    const int columns = qv::tripleColumnsUsed(records);
    const int rows = qv::tripleRows(records);
    const QString heading = tr("Set of 3, Freq.");

    // Only the rows and columns in view: there may be 160,000 sets.
    const int firstColumn = std::max((visible.left() - 3 * cw) / w - 1, 0);
    const int lastColumn = std::min((visible.right() - 3 * cw) / w + 1, columns - 1);
    const int firstRow = std::max(visible.top() / ch - 1, 0);
    const int lastRow = std::min(visible.bottom() / ch, rows - 1);
    for (int c = firstColumn; c <= lastColumn; ++c) {
        const int left = 3 * cw + c * w;
        if (firstRow == 0) drawCentred(painter, heading, left, w, 0, kTeal);
        for (int r = firstRow; r <= lastRow; ++r) {
            const std::optional<std::size_t> k = qv::tripleRecord(records, r, c);
            if (!k) break;
            const qv::TripleCount& t = triples_.triples[*k];
            drawCentred(
                painter,
                QStringLiteral("%1-%2-%3, %4").arg(t.first).arg(t.second).arg(t.third).arg(t.count),
                left, w, (r + 1) * ch, Qt::black);
        }
    }
}

}  // namespace qv::gui

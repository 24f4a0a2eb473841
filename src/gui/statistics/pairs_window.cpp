#include "gui/statistics/pairs_window.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include "core/database/draw_database.h"
#include "core/view/statistics_view.h"
#include "gui/common/application_state.h"
#include "gui/print/statistics_printouts.h"

namespace qv::gui {

namespace {

const QColor kGrey(130, 130, 130);
const QColor kTeal(0, 100, 100);

QString twoDigits(int v) {
    return QString::asprintf("%2d", v);
}

}  // namespace

PairsWindow::PairsWindow(ApplicationState& state)
    : StatWindow(state, qv::StatisticsKind::Pairs, tr("Frequency of Pairs Drawn"), true, true) {
    const qv::DrawDatabase& db = *state.database();
    matrix_ = qv::CountPairs(db.header(), db.entries(), state.statisticsSettings());
    n_ = matrix_.highestNumber();
    sorted_ = qv::sortedPairs(matrix_);
    threshold_ = qv::topTenThreshold(sorted_);

    addMenuCommand(kShowTable, QString::asprintf(qPrintable(tr("Display as %dx%d &table")), n_, n_),
                   true);
    addMenuCommand(kShowList, tr("Sort by &Frequency"), true);
    contextMenu()->addSeparator();
    addFontCommands();
    contextMenu()->addSeparator();
    addPrinterCommands();
    updateChecks();
    chartChanged();
}

std::unique_ptr<Printout> PairsWindow::makePrintout() const {
    return std::make_unique<TPairsOut>(databaseName(), matrix_, sorted_, listMode_);
}

void PairsWindow::updateChecks() {
    StatWindow::updateChecks();
    menuAction(kShowTable)->setChecked(!listMode_);
    menuAction(kShowList)->setChecked(listMode_);
}

void PairsWindow::runChartCommand(int id) {
    if (id == kShowTable) cmShowTable();
    if (id == kShowList) cmShowList();
}

void PairsWindow::cmShowTable() {
    if (!listMode_) return;
    listMode_ = false;
    updateChecks();
    chartChanged();
    view()->repaint();
}

void PairsWindow::cmShowList() {
    if (listMode_) return;
    listMode_ = true;
    updateChecks();
    chartChanged();
    view()->repaint();
}

int PairsWindow::secondBlockLeft() const {
    const int cw = charWidth();
    return 3 * cw + textWidth(tr("Paired Numbers")) + cw + textWidth(tr("Occurences")) + 2 * cw;
}

QSize PairsWindow::chartSize() const {
    const int cw = charWidth();
    const int ch = charHeight();
    if (listMode_) {
        const int w = secondBlockLeft() + textWidth(tr("Paired Numbers")) + cw +
                      textWidth(tr("Occurences")) + 3 * cw;
        const int rows = qv::pairListRows(sorted_.size());
        return QSize(w, (rows + 2) * ch);
    }
    const int legend = 3 * cw + textWidth(tr("Red -")) +
                       textWidth(tr(" Indicates the top 10 occuring pairs for this data"));
    return QSize(std::max(6 * cw + 3 * n_ * cw, legend) + 3 * cw, (n_ + 5) * ch);
}

void PairsWindow::paintChart(QPainter& painter, const QRect& visible) {
    if (listMode_) {
        paintList(painter, visible);
    } else {
        paintTable(painter, visible);
    }
}

void PairsWindow::paintTable(QPainter& painter, const QRect& visible) {
    const int cw = charWidth();
    const int ch = charHeight();
    const int n = n_;
    const int gridLeft = 6 * cw;
    const int gridTop = 2 * ch;

    const ChartPainter chart = chartPainter(painter);
    paintTableLines(chart, gridLeft, gridTop, 3 * cw, ch, n, n);

    for (int c = 0; c < n; ++c) {
        const int left = gridLeft + 3 * c * cw;
        if (left > visible.right() || left + 3 * cw < visible.left()) continue;
        drawCentred(painter, twoDigits(c + 1), left, 3 * cw, ch, Qt::black);
        drawCentred(painter, twoDigits(c + 1), left, 3 * cw, gridTop + n * ch, Qt::black);
    }
    for (int r = 0; r < n; ++r) {
        const int top = gridTop + r * ch;
        if (top > visible.bottom() || top + ch < visible.top()) continue;
        drawCentred(painter, twoDigits(r + 1), 3 * cw, 3 * cw, top, Qt::black);
        for (int c = 0; c < n; ++c) {
            const int left = gridLeft + 3 * c * cw;
            if (left > visible.right() || left + 3 * cw < visible.left()) continue;
            const int count = matrix_.cell(r, c);
            if (count == qv::PairMatrix::kNotAPair) {
                drawCentred(painter, QStringLiteral("X"), left, 3 * cw, top, kGrey);
            } else {
                drawCentred(painter, QString::number(count), left, 3 * cw, top,
                            count >= threshold_ ? kChartRed : QColor(Qt::black));
            }
        }
    }

    paintRedLegend(chart, 3 * cw, (n + 3) * ch,
                   tr(" Indicates the top 10 occuring pairs for this data"));
}

void PairsWindow::paintList(QPainter& painter, const QRect& visible) {
    const int cw = charWidth();
    const int ch = charHeight();
    const QString pairHeading = tr("Paired Numbers");
    const QString countHeading = tr("Occurences");
    const int w1 = textWidth(pairHeading);
    const int w2 = textWidth(countHeading);
    const int blockLeft[2] = {3 * cw, secondBlockLeft()};

    for (int left : blockLeft) {
        drawCentred(painter, pairHeading, left, w1, 0, kTeal);
        drawCentred(painter, countHeading, left + w1 + cw, w2, 0, kTeal);
    }
    const int rows = qv::pairListRows(sorted_.size());
    const int firstRow = std::max(visible.top() / ch - 1, 0);
    const int lastRow = std::min(visible.bottom() / ch, rows - 1);
    for (int i = firstRow; i <= lastRow; ++i) {
        const int top = (i + 1) * ch;
        for (int block = 0; block < 2; ++block) {
            const std::optional<std::size_t> k = qv::pairListRecord(sorted_.size(), i, block);
            if (!k) continue;
            const qv::PairCount& p = sorted_[*k];
            drawCentred(painter, QStringLiteral("%1, %2").arg(p.high).arg(p.low), blockLeft[block],
                        w1, top, Qt::black);
            drawCentred(painter, QString::number(p.count), blockLeft[block] + w1 + cw, w2, top,
                        qv::pairListRed(i, block) ? kChartRed : kTeal);
        }
    }
}

}  // namespace qv::gui

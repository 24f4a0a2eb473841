#include "gui/statistics/cluster_window.h"

#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/print/statistics_printouts.h"

namespace qv::gui {

namespace {

QString dateText(const qv::Date& d) {
    return QStringLiteral("%1/%2/%3").arg(d.month).arg(d.day).arg(d.year);
}

qv::Rect toRect(const QRect& r) {
    return qv::Rect{r.left(), r.top(), r.right(), r.bottom()};
}

}  // namespace

ClusterWindow::ClusterWindow(ApplicationState& state)
    : StatWindow(state, qv::StatisticsKind::ClusterAnalysis, tr("Cluster Analysis"), true, true) {
    const qv::DrawDatabase& db = *state.database();
    header_ = db.header();
    entries_ = db.entries();
    chart_ = qv::CountClusters(header_, entries_, state.statisticsSettings());

    addFontCommands();
    contextMenu()->addSeparator();
    addPrinterCommands();
    updateChecks();
    // The bars move by character widths and heights of the chart's font.
    setScrollUnits(charWidth(), charHeight());
    chartChanged();
}

QColor ClusterWindow::touchColour(int touches) {
    return qv::gui::touchColour(touches);
}

std::unique_ptr<Printout> ClusterWindow::makePrintout() const {
    return std::make_unique<TClusterOut>(databaseName(), chart_);
}

qv::ClusterGeometry ClusterWindow::geometry() const {
    return qv::clusterGeometry(charWidth(), charHeight(), state().settings().statisticsPointSize,
                               chart_.highestNumber, chart_.range);
}

void ClusterWindow::statisticsFontChanged() {
    setScrollUnits(charWidth(), charHeight());
    StatWindow::statisticsFontChanged();
}

QSize ClusterWindow::chartSize() const {
    const qv::ClusterGeometry g = geometry();
    int legend = 0;
    for (const QString& text :
         {tr("Indicates no other entries touching"), tr("Indicates 1 other entry touching"),
          tr("Indicates more than 1 other entry touching")})
        legend = std::max(legend, textWidth(text));
    legend += g.gridLeft() + g.markWidth() + g.columnWidth + g.cw;
    return QSize(std::max(g.contentWidth(), legend), g.contentHeight());
}

void ClusterWindow::paintChart(QPainter& painter, const QRect& visible) {
    const qv::ClusterGeometry g = geometry();
    const int n = g.highestNumber;
    const int ch = g.ch;
    const int gl = g.gridLeft();
    const int sw = g.spanWidth();

    painter.setPen(QPen(Qt::black, 1));
    for (int v = n; v >= 1; --v) {
        const int top = g.rowTop(v);
        if (top > visible.bottom() || top + ch < visible.top()) continue;
        drawText(painter, QString::asprintf("%2d", v), g.labelLeft(), top, Qt::black);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(gl + 3, top, gl + sw + 4, top);
    }
    painter.drawLine(gl + 3, g.gridBottom(), gl + sw + 4, g.gridBottom());
    painter.drawLine(gl + 3, g.rowTop(n), gl + 3, g.gridBottom());
    painter.drawLine(gl + sw + 4, g.rowTop(n), gl + sw + 4, g.gridBottom());

    // Heading: the newest date at the left, "Time" in the middle, the oldest date ending
    // at the right end of the grid.
    if (!chart_.columns.empty()) {
        drawText(painter, dateText(chart_.columns.front().date), gl, 0, Qt::black);
        drawCentred(painter, tr("Time"), gl, sw, 0, Qt::black);
        const QString last = dateText(chart_.columns.back().date);
        drawText(painter, last, gl + sw + 4 - textWidth(last), 0, Qt::black);
    }

    // "Number Drawn" down the left side, centred on the grid.
    const QString label = tr("Number Drawn");
    const int labelTop = ch + (n * ch - int(label.size()) * ch) / 2;
    for (int i = 0; i < label.size(); ++i)
        drawText(painter, label.mid(i, 1), g.cw / 2, labelTop + i * ch, Qt::black);

    // Marks of the columns in view.
    const int draws = g.draws();
    const int firstColumn = std::max((visible.left() - gl) / g.columnWidth - 2, 0);
    for (int c = firstColumn; c < draws; ++c) {
        const int x = g.markLeft(c);
        if (x > visible.right()) break;
        for (const qv::ClusterMark& mark : chart_.columns[static_cast<std::size_t>(c)].marks) {
            if (!qv::isGameNumber(mark.number, n)) continue;
            painter.fillRect(QRect(x, g.rowTop(mark.number), g.markWidth(), ch),
                             touchColour(mark.touches));
        }
    }

    // The legend below the grid.
    const QString legend[3] = {tr("Indicates no other entries touching"),
                               tr("Indicates 1 other entry touching"),
                               tr("Indicates more than 1 other entry touching")};
    for (int row = 0; row < 3; ++row) {
        const int top = g.legendTop(row);
        painter.fillRect(QRect(gl, top, g.markWidth(), ch), touchColour(row));
        drawText(painter, legend[row], gl + g.markWidth() + g.columnWidth, top, Qt::black);
    }
}

void ClusterWindow::paintOverlay(QPainter& painter) {
    if (!dragging_ || selection_.isNull()) return;
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selection_);
}

void ClusterWindow::showHint(bool on) {
    if (on == showingHint_) return;
    showingHint_ = on;
    setWindowTitle(on ? tr("Click left mouse button and drag to select area of interest")
                      : tr("Cluster Analysis"));
}

void ClusterWindow::chartMousePress(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const QPoint c = p + scrollOffset();
    if (!geometry().startsSelection(c.x(), c.y())) return;
    dragging_ = true;
    anchor_ = p;
    selection_ = QRect(p, p);
    view()->update(selection_.adjusted(-1, -1, 1, 1));
}

void ClusterWindow::chartMouseMove(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const QPoint c = p + scrollOffset();
    const bool overGrid = geometry().showsHint(c.x(), c.y());
    showHint(overGrid);
    if (!dragging_ || !overGrid) return;
    const QRect old = selection_;
    selection_ = QRect(anchor_, p).normalized();
    view()->update(old.adjusted(-1, -1, 1, 1));
    view()->update(selection_.adjusted(-1, -1, 1, 1));
}

void ClusterWindow::chartMouseRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    const QString text = regionMessage(selection_);
    showHint(false);
    if (!text.isEmpty()) {
        QMessageBox box(QMessageBox::Question, tr("Region Selected"), text, QMessageBox::Ok, this);
        box.exec();
    }
    endDrag();
}

void ClusterWindow::endDrag() {
    dragging_ = false;
    view()->update(selection_.adjusted(-1, -1, 2, 2));
    selection_ = QRect();
}

QString ClusterWindow::regionMessage(const QRect& selection) const {
    const QRect inChart = selection.translated(scrollOffset());
    const std::optional<qv::ClusterRegion> region = geometry().regionFor(toRect(inChart));
    if (!region) return {};
    const std::optional<qv::RegionShare> share =
        qv::regionShare(header_, entries_, chart_.range, *region);
    if (!share) return {};
    const qv::RegionShare& s = *share;
    return QString::asprintf(
        qPrintable(tr("The numbers you selected, (%d - %d) account for %4.2f%c of the winning "
                      "numbers between %d/%d/%d and %d/%d/%d.")),
        s.low, s.high, static_cast<double>(s.percent), '%', s.oldestDate.month, s.oldestDate.day,
        s.oldestDate.year, s.newestDate.month, s.newestDate.day, s.newestDate.year);
}

}  // namespace qv::gui

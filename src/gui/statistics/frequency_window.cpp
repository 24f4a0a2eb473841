#include "gui/statistics/frequency_window.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"

namespace qv::gui {

namespace {

const QColor kHot(200, 0, 0);
const QColor kCold(0, 0, 255);

// A Windows-style rectangle: the outline and fill cover left..right - 1 and top..bottom - 1.
// An empty one still shows as a line, so a bar of 0 lies visibly on the base line.
void drawBar(QPainter& painter, int left, int top, int right, int bottom) {
    if (bottom - top < 2 || right - left < 2) {
        painter.drawLine(left, bottom - 1, right - 1, bottom - 1);
        return;
    }
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

}  // namespace

FrequencyWindow::FrequencyWindow(ApplicationState& state, bool bonus)
    : StatWindow(state,
                 bonus ? qv::StatisticsKind::BonusFrequency : qv::StatisticsKind::NumberFrequency,
                 bonus ? tr("Frequency of Bonus Numbers Drawn") : tr("Frequency of Numbers Drawn"),
                 true, false),
      bonus_(bonus) {
    const qv::DrawDatabase& db = *state.database();
    frequency_ =
        bonus ? qv::CountBonusFrequency(db.header(), db.entries(), state.statisticsSettings())
              : qv::CountNumberFrequency(db.header(), db.entries(), state.statisticsSettings());
    uniformity_ = qv::testUniformity(frequency_);
    records_ = frequency_.counts;

    addMenuCommand(kSortNumerically, tr("Sort &Numerically"), true);
    addMenuCommand(kSortByFrequency, tr("Sort by &Frequency"), true);
    contextMenu()->addSeparator();
    addFontCommands();
    contextMenu()->addSeparator();
    addMenuCommand(kIncreaseBarWidth, tr("Increase Bar Width"));
    addMenuCommand(kDecreaseBarWidth, tr("Decrease Bar Width"));
    contextMenu()->addSeparator();
    addPrinterCommands();
    updateChecks();
    chartChanged();
}

QString FrequencyWindow::uniformityText() const {
    if (!uniformity_.enoughDraws) return tr("Uniformity: too few draws");
    return QString::asprintf(qPrintable(tr("Uniformity: chi-square = %.2f, df = %d, p = %.3f")),
                             uniformity_.chiSquare, uniformity_.degreesOfFreedom, uniformity_.p);
}

QString FrequencyWindow::averageText() const {
    return QString::asprintf(qPrintable(tr("Statistical Avg. = %5.2f")),
                             static_cast<double>(frequency_.average));
}

void FrequencyWindow::updateChecks() {
    StatWindow::updateChecks();
    menuAction(kSortNumerically)->setChecked(sortedNumerically_);
    menuAction(kSortByFrequency)->setChecked(!sortedNumerically_);
}

void FrequencyWindow::runChartCommand(int id) {
    switch (id) {
        case kSortNumerically:
            cmSortNumerically();
            break;
        case kSortByFrequency:
            cmSortByFrequency();
            break;
        case kIncreaseBarWidth:
            cmIncreaseBarWidth();
            break;
        case kDecreaseBarWidth:
            cmDecreaseBarWidth();
            break;
        default:
            break;
    }
}

void FrequencyWindow::cmSortNumerically() {
    if (sortedNumerically_) return;
    sortedNumerically_ = true;
    qv::sortNumerically(records_);
    updateChecks();
    view()->repaint();
}

void FrequencyWindow::cmSortByFrequency() {
    if (!sortedNumerically_) return;
    sortedNumerically_ = false;
    qv::sortByFrequency(records_);
    updateChecks();
    view()->repaint();
}

void FrequencyWindow::cmIncreaseBarWidth() {
    barWidth_ = qv::increasedBarWidth(barWidth_);
    chartChanged();
}

void FrequencyWindow::cmDecreaseBarWidth() {
    const int narrower = qv::decreasedBarWidth(barWidth_);
    if (narrower == barWidth_) return;
    barWidth_ = narrower;
    chartChanged();
}

int FrequencyWindow::footerWidth() const {
    const int cw = charWidth();
    int x = 20;
    x += textWidth(tr("Hot Numbers")) + 3 * cw;
    x += textWidth(tr("Cold Numbers")) + 3 * cw;
    const int legend = x + 2 * cw + textWidth(averageText());
    return std::max(legend, 20 + textWidth(uniformityText()));
}

QSize FrequencyWindow::chartSize() const {
    const qv::FrequencyLayout l =
        qv::frequencyLayout(view()->chartArea().height(), charWidth(), charHeight(), barWidth_);
    const int right = std::max(l.barsRight(frequency_.highestNumber), footerWidth());
    return QSize(right + l.x0, view()->chartArea().height());
}

void FrequencyWindow::paintChart(QPainter& painter, const QRect&) {
    const int cw = charWidth();
    const int ch = charHeight();
    const qv::FrequencyLayout l =
        qv::frequencyLayout(view()->chartArea().height(), cw, ch, barWidth_);
    const QPen solid(Qt::black, 1, Qt::SolidLine);
    const QPen dashed(Qt::black, 1, Qt::DashLine);
    const int greatest = qv::greatestCount(records_);
    const float average = frequency_.average;

    for (int i = 0; i < static_cast<int>(records_.size()); ++i) {
        const qv::NumberCount& r = records_[static_cast<std::size_t>(i)];
        const int left = l.cellLeft(i);
        const int width = l.cellWidth();
        drawCentred(painter, QString::number(r.number), left, width, l.base, Qt::black);
        const int top = l.barTop(r.count, greatest);
        painter.setPen(solid);
        painter.setBrush(qv::isHot(r.count, average) ? kHot : kCold);
        drawBar(painter, left, top, left + width, l.base);
        drawCentred(painter, QString::number(r.count), left, width, top - ch, Qt::black);
    }
    if (average > 0) {
        const int y = l.averageY(average, greatest);
        painter.setPen(dashed);
        painter.drawLine(l.x0, y, l.barsRight(frequency_.highestNumber), y);
    }

    // The legend along the bottom, the uniformity line under it.
    int x = l.x0;
    const int boxTop = l.legendBoxTop();
    for (const auto& [brush, text] :
         {std::pair{kHot, tr("Hot Numbers")}, std::pair{kCold, tr("Cold Numbers")}}) {
        painter.setPen(solid);
        painter.setBrush(brush);
        drawBar(painter, x, boxTop, x + l.legendBoxWidth(), l.chartBottom);
        const int w = drawText(painter, text, x + 2 * cw, l.legendTextTop(), Qt::black);
        x += w + 3 * cw;
    }
    painter.setPen(dashed);
    painter.drawLine(x, l.legendLineY(), x + l.legendBoxWidth(), l.legendLineY());
    drawText(painter, averageText(), x + 2 * cw, l.legendTextTop(), Qt::black);
    drawText(painter, uniformityText(), l.x0, l.uniformityTop(), Qt::black);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace qv::gui

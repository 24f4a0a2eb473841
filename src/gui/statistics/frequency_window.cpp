#include "gui/statistics/frequency_window.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/common/command_rows.h"
#include "gui/print/statistics_printouts.h"

namespace qv::gui {

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

std::unique_ptr<Printout> FrequencyWindow::makePrintout() const {
    return std::make_unique<TFreqOut>(databaseName(), bonus_, records_, frequency_.average);
}

void FrequencyWindow::updateChecks() {
    StatWindow::updateChecks();
    menuAction(kSortNumerically)->setChecked(sortedNumerically_);
    menuAction(kSortByFrequency)->setChecked(!sortedNumerically_);
}

void FrequencyWindow::runChartCommand(int id) {
    runCommandRow<FrequencyWindow>(*this,
                                   {
                                       {kSortNumerically, &FrequencyWindow::cmSortNumerically},
                                       {kSortByFrequency, &FrequencyWindow::cmSortByFrequency},
                                       {kIncreaseBarWidth, &FrequencyWindow::cmIncreaseBarWidth},
                                       {kDecreaseBarWidth, &FrequencyWindow::cmDecreaseBarWidth},
                                   },
                                   id);
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
    const ChartPainter chart = chartPainter(painter);
    const int greatest = qv::greatestCount(records_);
    const float average = frequency_.average;

    for (int i = 0; i < static_cast<int>(records_.size()); ++i) {
        const qv::NumberCount& r = records_[static_cast<std::size_t>(i)];
        paintFrequencyBar(chart, FrequencyBar{r.number, r.count, qv::isHot(r.count, average)},
                          l.cellLeft(i), l.cellWidth(), l.barTop(r.count, greatest), l.base, l.base,
                          ch);
    }
    if (average > 0)
        paintAverageLine(chart, l.x0, l.barsRight(frequency_.highestNumber),
                         l.averageY(average, greatest));

    // The legend along the bottom, the uniformity line under it.
    paintFrequencyLegend(chart, l.legend(), averageText());
    drawText(painter, uniformityText(), l.x0, l.uniformityTop(), Qt::black);
}

}  // namespace qv::gui

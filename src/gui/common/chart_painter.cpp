#include "gui/common/chart_painter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <utility>

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Statistics", text);
}

}  // namespace

QColor touchColour(int touches) {
    switch (touches) {
        case 0:
            return QColor(0, 0, 255);
        case 1:
            return QColor(255, 255, 128);
        default:
            return QColor(255, 0, 0);
    }
}

ChartPainter::ChartPainter(QPainter& painter, TextSink sink)
    : painter_(painter), sink_(std::move(sink)) {}

int ChartPainter::text(const QString& text, int left, int top, const QColor& colour) const {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    painter_.setPen(colour);
    painter_.drawText(left, top + metrics.ascent(), text);
    const int width = metrics.horizontalAdvance(text);
    if (sink_) sink_(text, QRect(left, top, width, metrics.height()), colour);
    return width;
}

void ChartPainter::centred(const QString& text, int left, int width, int top,
                           const QColor& colour) const {
    const int w = textWidth(text);
    this->text(text, left + width / 2 - w / 2, top, colour);
}

int ChartPainter::textWidth(const QString& text) const {
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(text);
}

QPen ChartPainter::pen(Qt::PenStyle style) const {
    return QPen(Qt::black, lineWidth_, style);
}

void ChartPainter::box(int left, int top, int right, int bottom) const {
    if (bottom - top < 2 || right - left < 2) {
        painter_.drawLine(left, bottom - 1, right - 1, bottom - 1);
        return;
    }
    painter_.drawRect(left, top, right - left - 1, bottom - top - 1);
}

void paintFrequencyBar(const ChartPainter& chart, const FrequencyBar& bar, int left, int width,
                       int top, int base, int numberTop, int lineHeight) {
    QPainter& painter = chart.painter();
    chart.centred(QString::number(bar.number), left, width, numberTop, Qt::black);
    painter.setPen(chart.pen());
    painter.setBrush(bar.hot ? kHotColour : kColdColour);
    chart.box(left, top, left + width, base);
    painter.setBrush(Qt::NoBrush);
    chart.centred(QString::number(bar.count), left, width, top - lineHeight, Qt::black);
}

void paintAverageLine(const ChartPainter& chart, int left, int right, int y) {
    chart.painter().setPen(chart.pen(Qt::DashLine));
    chart.painter().drawLine(left, y, right, y);
}

void paintFrequencyLegend(const ChartPainter& chart, const qv::FrequencyLegendPlace& legend,
                          const QString& averageText) {
    QPainter& painter = chart.painter();
    int x = legend.left;
    for (const auto& [brush, text] :
         {std::pair{kHotColour, tr("Hot Numbers")}, std::pair{kColdColour, tr("Cold Numbers")}}) {
        painter.setPen(chart.pen());
        painter.setBrush(brush);
        chart.box(x, legend.boxTop(), x + legend.boxWidth(), legend.bottom);
        const int w = chart.text(text, x + 2 * legend.cw, legend.textTop(), Qt::black);
        x += w + 3 * legend.cw;
    }
    painter.setBrush(Qt::NoBrush);
    paintAverageLine(chart, x, x + legend.boxWidth(), legend.lineY());
    chart.text(averageText, x + 2 * legend.cw, legend.textTop(), Qt::black);
}

void paintTableLines(const ChartPainter& chart, int left, int top, int cellWidth, int cellHeight,
                     int columns, int rows) {
    QPainter& painter = chart.painter();
    painter.setPen(chart.pen());
    const int right = left + columns * cellWidth;
    const int bottom = top + rows * cellHeight;
    for (int c = 0; c <= columns; ++c)
        painter.drawLine(left + c * cellWidth, top, left + c * cellWidth, bottom);
    for (int r = 0; r <= rows; ++r)
        painter.drawLine(left, top + r * cellHeight, right, top + r * cellHeight);
}

void paintRedLegend(const ChartPainter& chart, int left, int top, const QString& explanation) {
    const int x = left + chart.text(tr("Red -"), left, top, kChartRed);
    chart.text(explanation, x, top, Qt::black);
}

}  // namespace qv::gui

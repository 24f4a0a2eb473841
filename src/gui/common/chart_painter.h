#pragma once
// What the statistics charts draw the same way on the screen and on paper: text placed by
// its top edge or centred in a band, Windows-style boxes, the frequency chart's bars and
// legend, the lines of a table and the cluster chart's colours.

#include <QColor>
#include <QPen>
#include <QRect>
#include <QString>
#include <functional>

#include "core/view/statistics_view.h"

class QPainter;

namespace qv::gui {

inline const QColor kChartRed(255, 0, 0);
inline const QColor kHotColour(200, 0, 0);
inline const QColor kColdColour(0, 0, 255);

// The colour of a cluster mark by the marks that touch it: none blue, one yellow, more red.
QColor touchColour(int touches);

class ChartPainter {
public:
    // Notes every text drawn with its box; the tests read what a chart showed.
    using TextSink = std::function<void(const QString& text, const QRect& box, const QColor&)>;

    explicit ChartPainter(QPainter& painter, TextSink sink = {});

    QPainter& painter() const { return painter_; }
    // Text with its top-left corner at (left, top) in the painter's font; returns its width.
    int text(const QString& text, int left, int top, const QColor& colour) const;
    // Text centred in the band from `left`, `width` wide (halves truncated), top at `top`.
    void centred(const QString& text, int left, int width, int top, const QColor& colour) const;
    int textWidth(const QString& text) const;
    // Lines are one pixel wide on the screen; paper asks for wider ones.
    void setLineWidth(int width) { lineWidth_ = width; }
    QPen pen(Qt::PenStyle style = Qt::SolidLine) const;
    // A rectangle whose outline and fill cover left..right - 1 and top..bottom - 1 with the
    // current pen and brush. An empty one still shows as a line along its bottom.
    void box(int left, int top, int right, int bottom) const;

private:
    QPainter& painter_;
    TextSink sink_;
    int lineWidth_ = 1;
};

// One bar of the frequency chart in the cell from `left`, `width` wide: the number centred
// below the base line with its top at `numberTop`, the bar from `top` down to `base` in the
// hot or cold colour, and the count on the line (`lineHeight` high) above the bar's top.
struct FrequencyBar {
    int number = 0;
    int count = 0;
    bool hot = true;
};
void paintFrequencyBar(const ChartPainter& chart, const FrequencyBar& bar, int left, int width,
                       int top, int base, int numberTop, int lineHeight);
// The dashed average line.
void paintAverageLine(const ChartPainter& chart, int left, int right, int y);

// The legend of the frequency chart from `left`: a hot box and "Hot Numbers", a cold box
// and "Cold Numbers", then a dashed sample line and `averageText`. Boxes `boxWidth` wide
// from `boxTop` to `boxBottom`, texts 2 cw right of their sample with their tops at
// `textTop`, 3 cw between items, the sample line at `lineY`.
void paintFrequencyLegend(const ChartPainter& chart, const qv::FrequencyLegendPlace& legend,
                          const QString& averageText);

// The lines of a table `columns` cells of `cellWidth` across and `rows` cells of
// `cellHeight` down from (left, top).
void paintTableLines(const ChartPainter& chart, int left, int top, int cellWidth, int cellHeight,
                     int columns, int rows);

// "Red -" in red followed by `explanation` in black, from (left, top).
void paintRedLegend(const ChartPainter& chart, int left, int top, const QString& explanation);

}  // namespace qv::gui

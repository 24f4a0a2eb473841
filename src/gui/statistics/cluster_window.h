#pragma once
// The cluster chart: the draws of the span across (newest on the left), the numbers down,
// a mark for every number drawn coloured by how many other marks touch it. Dragging a
// rectangle over the grid reports what share of the winning numbers of those draws fell in
// the covered numbers.

#include <QPoint>
#include <QRect>
#include <vector>

#include "core/records/records.h"
#include "core/statistics/cluster.h"
#include "core/view/statistics_view.h"
#include "gui/statistics/stat_window.h"

namespace qv::gui {

class ClusterWindow : public StatWindow {
    Q_OBJECT

public:
    explicit ClusterWindow(ApplicationState& state);

    const qv::ClusterChart& chart() const { return chart_; }
    // The grid as the current font lays it out.
    qv::ClusterGeometry geometry() const;
    bool dragging() const { return dragging_; }
    // The selection being dragged, in view coordinates.
    QRect selection() const { return selection_; }
    bool showingHint() const { return showingHint_; }

    // The "Region Selected" message for a selection in view coordinates, as the scroll
    // position stands; empty when the selection covers none of the draws.
    QString regionMessage(const QRect& selection) const;

    static QColor touchColour(int touches);
    std::unique_ptr<Printout> makePrintout() const override;

protected:
    void paintChart(QPainter& painter, const QRect& visible) override;
    QSize chartSize() const override;
    bool paintsWallpaper() const override { return false; }
    void paintOverlay(QPainter& painter) override;
    void statisticsFontChanged() override;
    void chartMousePress(QMouseEvent* event) override;
    void chartMouseMove(QMouseEvent* event) override;
    void chartMouseRelease(QMouseEvent* event) override;
    // The hint in the title goes with the pointer.
    void chartMouseLeave() override { showHint(false); }

private:
    void showHint(bool on);
    void endDrag();

    qv::DataHeader header_;
    // The draws as they were when the window opened; the chart does not follow later edits.
    std::vector<qv::TicketType> entries_;
    qv::ClusterChart chart_;
    bool dragging_ = false;
    bool showingHint_ = false;
    QPoint anchor_;
    QRect selection_;
};

}  // namespace qv::gui

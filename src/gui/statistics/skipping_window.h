#pragma once
// The skipping habit of each number: one row per number, one column per number of draws it
// skipped (0 to 59, the last for 59 or more), each cell how often it did; the most frequent
// skip of each row is red.

#include "core/statistics/skips.h"
#include "gui/statistics/stat_window.h"

namespace qv::gui {

class SkippingWindow : public StatWindow {
    Q_OBJECT

public:
    explicit SkippingWindow(ApplicationState& state);

    const qv::SkipCounts& skips() const { return skips_; }
    std::unique_ptr<Printout> makePrintout() const override;

protected:
    void paintChart(QPainter& painter, const QRect& visible) override;
    QSize chartSize() const override;

private:
    qv::SkipCounts skips_;
};

}  // namespace qv::gui

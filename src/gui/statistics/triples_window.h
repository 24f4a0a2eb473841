#pragma once
// How often each set of three numbers was drawn together: every set, most frequent first,
// down 40 columns. Counting and sorting show the progress dialog, which can stop them; what
// was done by then is shown.

#include "core/statistics/triples.h"
#include "gui/statistics/stat_window.h"

namespace qv {
class ProgressReporter;
}

namespace qv::gui {

class TriplesWindow : public StatWindow {
    Q_OBJECT

public:
    // Counts with `progress` (the caller's progress dialog).
    TriplesWindow(ApplicationState& state, qv::ProgressReporter* progress);

    const qv::TripleCounts& triples() const { return triples_; }

    // Asks for the pages to print first.
    void cmPrint() override;
    // Every page; makeTriplesPrintout limits them.
    std::unique_ptr<Printout> makePrintout() const override;
    std::unique_ptr<Printout> makeTriplesPrintout(int pageLimit) const;

protected:
    void paintChart(QPainter& painter, const QRect& visible) override;
    QSize chartSize() const override;

private:
    int cellWidth() const;

    qv::TripleCounts triples_;
};

}  // namespace qv::gui

#pragma once
// How often each pair of numbers was drawn together: a triangular table, or a list of every
// pair by frequency. The ten most frequent pairs are red.

#include <vector>

#include "core/statistics/pairs.h"
#include "gui/statistics/stat_window.h"

namespace qv::gui {

class PairsWindow : public StatWindow {
    Q_OBJECT

public:
    static constexpr int kShowTable = 301;
    static constexpr int kShowList = 302;

    explicit PairsWindow(ApplicationState& state);

    const qv::PairMatrix& matrix() const { return matrix_; }
    const std::vector<qv::PairCount>& sortedPairs() const { return sorted_; }
    // A count at least this high is red in the table.
    int topTenThreshold() const { return threshold_; }
    bool listMode() const { return listMode_; }

    // The table or the list, as the window shows it.
    std::unique_ptr<Printout> makePrintout() const override;

    void cmShowTable();
    void cmShowList();

protected:
    void paintChart(QPainter& painter, const QRect& visible) override;
    QSize chartSize() const override;
    void updateChecks() override;
    void runChartCommand(int id) override;

private:
    void paintTable(QPainter& painter, const QRect& visible);
    void paintList(QPainter& painter, const QRect& visible);
    // The left edge of the second block of the list.
    int secondBlockLeft() const;

    qv::PairMatrix matrix_;
    std::vector<qv::PairCount> sorted_;
    int threshold_ = 0;
    int n_ = 1;
    bool listMode_ = false;
};

}  // namespace qv::gui

#pragma once
// How often each number, or each bonus number, was drawn over the selected span: a bar
// chart with the hot numbers in red, the cold ones in blue and the statistical average as a
// dashed line, and under the legend the uniformity test of the counts.

#include <vector>

#include "core/statistics/frequency.h"
#include "gui/statistics/stat_window.h"

namespace qv::gui {

class FrequencyWindow : public StatWindow {
    Q_OBJECT

public:
    static constexpr int kSortNumerically = 301;
    static constexpr int kSortByFrequency = 302;
    static constexpr int kIncreaseBarWidth = 601;
    static constexpr int kDecreaseBarWidth = 602;

    // Counts the open database's winning numbers, or with `bonus` its bonus numbers.
    FrequencyWindow(ApplicationState& state, bool bonus);

    bool isBonus() const { return bonus_; }
    const qv::FrequencyCounts& frequency() const { return frequency_; }
    // The records in the order shown.
    const std::vector<qv::NumberCount>& records() const { return records_; }
    bool sortedNumerically() const { return sortedNumerically_; }
    int barWidth() const { return barWidth_; }
    // The line under the legend.
    QString uniformityText() const;
    QString averageText() const;

    std::unique_ptr<Printout> makePrintout() const override;

    void cmSortNumerically();
    void cmSortByFrequency();
    void cmIncreaseBarWidth();
    void cmDecreaseBarWidth();

protected:
    void paintChart(QPainter& painter, const QRect& visible) override;
    QSize chartSize() const override;
    void updateChecks() override;
    void runChartCommand(int id) override;

private:
    // Where the legend and the uniformity line end, with their texts' widths.
    int footerWidth() const;

    bool bonus_;
    qv::FrequencyCounts frequency_;
    qv::Uniformity uniformity_;
    std::vector<qv::NumberCount> records_;
    bool sortedNumerically_ = true;
    int barWidth_ = qv::kDefaultBarWidth;
};

}  // namespace qv::gui

#pragma once
// "Print Options" of the database window: which chart of the open database to print.

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "gui/print/printout.h"

class QButtonGroup;
class QPrinter;

namespace qv::gui {

class MyDataBasePrintOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids: the radio buttons, in the order shown, and the buttons.
    static constexpr int kNumberFrequency = 103;
    static constexpr int kBonusFrequency = 104;
    static constexpr int kPairs = 105;
    static constexpr int kTriples = 108;
    static constexpr int kSkipping = 106;
    static constexpr int kCluster = 107;
    static constexpr int kPrint = 101;
    static constexpr int kPrinterSetup = 102;
    static constexpr int kCancel = 2;
    static constexpr int kPreview = 109;

    // The preview shows the chart chosen at the moment, as `make` builds it.
    using ChartPrintout = std::function<std::unique_ptr<Printout>(qv::print::PrintedChart)>;
    MyDataBasePrintOptionsDialog(QPrinter& printer, ChartPrintout make, QWidget* parent = nullptr);

    // "&Print" ends the dialog with the chosen radio button's id + 8: 111 number frequency,
    // 112 bonus frequency, 113 pairs, 114 skipping habit, 115 cluster analysis, 116 triples.
    // "&Cancel" ends it with 0.
    int chosenButton() const;

    // The chart a result code prints; nullopt for any other result.
    static std::optional<qv::print::PrintedChart> chartForResult(int result);

private:
    QPrinter& printer_;
    ChartPrintout make_;
    QButtonGroup* group_;
};

}  // namespace qv::gui

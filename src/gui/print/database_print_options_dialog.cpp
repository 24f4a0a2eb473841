#include "gui/print/database_print_options_dialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "gui/print/print_option_buttons.h"

namespace qv::gui {

using qv::print::PrintedChart;

namespace {

// Each result code and the chart it prints.
constexpr std::array<std::pair<int, PrintedChart>, 6> kResults{{
    {111, PrintedChart::Frequency},
    {112, PrintedChart::Bonus},
    {113, PrintedChart::Pairs},
    {114, PrintedChart::Skips},
    {115, PrintedChart::Cluster},
    {116, PrintedChart::Triples},
}};

}  // namespace

MyDataBasePrintOptionsDialog::MyDataBasePrintOptionsDialog(QPrinter& printer, ChartPrintout make,
                                                           QWidget* parent)
    : QDialog(parent), printer_(printer), make_(std::move(make)) {
    setWindowTitle(tr("Print Options"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    group_ = new QButtonGroup(this);
    const std::array<std::pair<int, QString>, 6> radios{{
        {kNumberFrequency, tr("Print Number Frequency Chart")},
        {kBonusFrequency, tr("Print Bonus Number Frequency Chart")},
        {kPairs, tr("Print Frequency of Pairs Chart")},
        {kTriples, tr("Print Frequency of Triples Chart")},
        {kSkipping, tr("Print Skipping Habit Chart")},
        {kCluster, tr("Print Cluster Analysis")},
    }};
    for (const auto& [id, text] : radios) {
        auto* radio = new QRadioButton(text, this);
        radio->setObjectName(QString::number(id));
        group_->addButton(radio, id);
        layout->addWidget(radio);
    }
    group_->button(kNumberFrequency)->setChecked(true);
    layout->addSpacing(8);

    const PrintOptionButtons buttons =
        addPrintOptionButtons(this, printer_, kPrint, tr("&Print"), kPreview);
    layout->addLayout(buttons.row);
    connect(buttons.accept, &QPushButton::clicked, this, [this] { done(chosenButton() + 8); });
    connect(buttons.preview, &QPushButton::clicked, this, [this] {
        const std::optional<PrintedChart> chart = chartForResult(chosenButton() + 8);
        if (!chart || !make_) return;
        previewPrintout(printer_, this, [this, chart] { return make_(*chart); });
    });
}

int MyDataBasePrintOptionsDialog::chosenButton() const {
    return group_->checkedId();
}

std::optional<PrintedChart> MyDataBasePrintOptionsDialog::chartForResult(int result) {
    for (const auto& [code, chart] : kResults)
        if (code == result) return chart;
    return std::nullopt;
}

}  // namespace qv::gui

#include "gui/print/triples_print_options_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/print/statistics_print.h"
#include "gui/common/application_state.h"
#include "gui/common/user_interaction.h"
#include "gui/print/print_option_buttons.h"

namespace qv::gui {

MyTriplesPrintOptionsDialog::MyTriplesPrintOptionsDialog(UserInteraction& ui, QPrinter& printer,
                                                         PrintoutMaker preview, QWidget* parent)
    : QDialog(parent), ui_(ui), printer_(printer), preview_(std::move(preview)) {
    setWindowTitle(tr("Print Options"));

    allPages_ = new QRadioButton(tr("All Pages"), this);
    allPages_->setObjectName(QString::number(kAllPages));
    allPages_->setChecked(true);
    onlyFirst_ = new QRadioButton(tr("Only the first"), this);
    onlyFirst_->setObjectName(QString::number(kOnlyFirst));
    pages_ = new QLineEdit(this);
    pages_->setObjectName(QString::number(kPageCount));
    pages_->setMaxLength(3);
    pages_->setFixedWidth(pages_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    pages_->installEventFilter(this);
    // Typing a page count means printing only those pages.
    connect(pages_, &QLineEdit::textEdited, this, [this] { onlyFirst_->setChecked(true); });

    auto* limitRow = new QHBoxLayout;
    limitRow->addWidget(onlyFirst_);
    limitRow->addWidget(pages_);
    limitRow->addWidget(new QLabel(tr("page(s)."), this));
    limitRow->addStretch(1);

    const PrintOptionButtons buttons =
        addPrintOptionButtons(this, printer_, kOk, tr("Ok"), kPreview);
    connect(buttons.accept, &QPushButton::clicked, this, &MyTriplesPrintOptionsDialog::accept);
    connect(buttons.preview, &QPushButton::clicked, this, &MyTriplesPrintOptionsDialog::preview);
    buttons.preview->setEnabled(static_cast<bool>(preview_));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(allPages_);
    layout->addLayout(limitRow);
    layout->addSpacing(8);
    layout->addLayout(buttons.row);
}

bool MyTriplesPrintOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pages_ && event->type() == QEvent::FocusIn) onlyFirst_->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

std::optional<int> MyTriplesPrintOptionsDialog::enteredLimit() {
    const std::optional<int> limit =
        qv::print::triplesPageLimit(onlyFirst_->isChecked(), pages_->text().toStdString());
    if (!limit) {
        ui_.showProblem(this, tr("Print Options"),
                        tr("Please enter the number of pages to print, from 0 (all pages) to %1.")
                            .arg(qv::print::kMaxPageNumber));
        pages_->setFocus();
        pages_->selectAll();
    }
    return limit;
}

void MyTriplesPrintOptionsDialog::accept() {
    const std::optional<int> limit = enteredLimit();
    if (!limit) return;
    pageLimit_ = *limit;
    QDialog::accept();
}

void MyTriplesPrintOptionsDialog::preview() {
    const std::optional<int> limit = enteredLimit();
    if (!limit || !preview_) return;
    const PrintoutMaker make = preview_;
    const int pages = *limit;
    previewPrintout(printer_, this, [make, pages] { return make(pages); });
}

void printTriplesWithOptions(ApplicationState& state, QWidget* parent,
                             const MyTriplesPrintOptionsDialog::PrintoutMaker& make) {
    MyTriplesPrintOptionsDialog options(state.interaction(), state.printer(), make, parent);
    if (options.exec() != QDialog::Accepted) return;
    if (const std::unique_ptr<Printout> printout = make(options.pageLimit()))
        printOnPrinter(state, parent, *printout);
}

}  // namespace qv::gui

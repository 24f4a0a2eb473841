#include "gui/print/ticket_print_options_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/print/ticket_print.h"
#include "gui/common/application_state.h"
#include "gui/common/user_interaction.h"
#include "gui/print/print_option_buttons.h"

namespace qv::gui {

MyTicketFilePrintOptionsDialog::MyTicketFilePrintOptionsDialog(ApplicationState& state,
                                                               PrintoutMaker make, QWidget* parent)
    : QDialog(parent), state_(state), make_(std::move(make)) {
    setWindowTitle(tr("Print Options"));

    allPages_ = new QRadioButton(tr("&All Pages"), this);
    allPages_->setObjectName(QString::number(kAllPages));
    justThese_ = new QRadioButton(tr("&Just these pages:"), this);
    justThese_->setObjectName(QString::number(kJustThesePages));
    auto* group = new QButtonGroup(this);
    group->addButton(allPages_);
    group->addButton(justThese_);

    auto edit = [this](int id) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(id));
        e->setMaxLength(qv::print::kPageEditChars);
        e->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), e));
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        e->installEventFilter(this);
        return e;
    };
    first_ = edit(kFirstPage);
    last_ = edit(kLastPage);

    const PrintOptionButtons buttons =
        addPrintOptionButtons(this, state_.printer(), kPrint, tr("&Print"), kPreview);
    QPushButton* print = buttons.accept;
    QPushButton* setup = buttons.setup;
    QPushButton* preview = buttons.preview;
    QPushButton* cancel = buttons.cancel;
    connect(print, &QPushButton::clicked, this, &MyTicketFilePrintOptionsDialog::accept);
    connect(preview, &QPushButton::clicked, this, &MyTicketFilePrintOptionsDialog::preview);

    auto* pages = new QHBoxLayout;
    pages->addWidget(justThese_);
    pages->addWidget(first_);
    pages->addWidget(new QLabel(tr("to"), this));
    pages->addWidget(last_);
    pages->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(allPages_);
    layout->addLayout(pages);
    layout->addSpacing(8);
    layout->addLayout(buttons.row);

    QWidget* order[] = {allPages_, justThese_, first_, last_, print, setup, preview, cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    const qv::print::PageRangeFields fields = qv::print::pageRangeFields(state_.ticketPrintRange());
    (fields.allPages ? allPages_ : justThese_)->setChecked(true);
    first_->setText(QString::fromStdString(fields.first));
    last_->setText(QString::fromStdString(fields.last));
    (fields.allPages ? allPages_ : justThese_)->setFocus();
}

bool MyTicketFilePrintOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    // Typing a page means printing just those pages.
    if (event->type() == QEvent::FocusIn && (watched == first_ || watched == last_))
        justThese_->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

bool MyTicketFilePrintOptionsDialog::enteredRange(qv::print::PageRange& range) {
    const qv::print::PageRangeChoice choice = qv::print::pageRangeFromFields(
        {allPages_->isChecked(), first_->text().toStdString(), last_->text().toStdString()});
    QString problem;
    QLineEdit* fix = first_;
    switch (choice.problem) {
        case qv::print::PageRangeProblem::None:
            range = choice.range;
            return true;
        case qv::print::PageRangeProblem::MissingPage:
            problem = tr("Please enter the first and the last page to print.");
            if (!first_->text().trimmed().isEmpty()) fix = last_;
            break;
        case qv::print::PageRangeProblem::PageZero:
            problem = tr("Pages are counted from 1.");
            if (first_->text().toInt() != 0) fix = last_;
            break;
        case qv::print::PageRangeProblem::FirstAfterLast:
            problem = tr("The first page comes after the last page.");
            break;
    }
    state_.interaction().showProblem(this, tr("Print Options"), problem);
    fix->setFocus();
    fix->selectAll();
    return false;
}

void MyTicketFilePrintOptionsDialog::accept() {
    qv::print::PageRange range;
    if (!enteredRange(range)) return;
    range_ = range;
    state_.setTicketPrintRange(range);
    QDialog::accept();
}

void MyTicketFilePrintOptionsDialog::preview() {
    qv::print::PageRange range;
    if (!make_ || !enteredRange(range)) return;
    PrintoutMaker make = make_;
    previewPrintout(state_.printer(), this, [make, range] { return make(range); });
}

}  // namespace qv::gui

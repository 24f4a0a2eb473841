#include "gui/tickets/modify_manual_tickets_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/common/application_state.h"
#include "gui/common/button_row.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

ModifyManualTicketsDialog::ModifyManualTicketsDialog(ApplicationState& state,
                                                     std::vector<qv::TicketType> tickets,
                                                     std::vector<int> labels, int numbersInLotto,
                                                     QWidget* parent)
    : QDialog(parent),
      state_(state),
      model_(std::move(tickets), std::move(labels), numbersInLotto) {
    setWindowTitle(tr("Modify Tickets"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    tickets_ = new QComboBox(this);
    tickets_->setObjectName(QString::number(kTicketCombo));
    for (int label : model_.labels()) tickets_->addItem(tr("Ticket %1").arg(label));
    connect(tickets_, &QComboBox::activated, this, &ModifyManualTicketsDialog::selectTicket);

    // Three characters each, digits only: a number of the game fits, nothing else is typed.
    const auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    auto* numbers = new QHBoxLayout;
    numbers->setSpacing(3);
    for (int k = 0; k < qv::ModifyTicketsModel::kFields; ++k) {
        if (k == qv::kMaxNumbersOnTicket) numbers->addWidget(new QLabel(QStringLiteral("+"), this));
        auto* f = new QLineEdit(this);
        f->setObjectName(QString::number(kFirstField + k));
        f->setMaxLength(3);
        f->setValidator(digits);
        f->setFixedWidth(fieldWidth);
        f->setAlignment(Qt::AlignCenter);
        numbers->addWidget(f);
        fields_[static_cast<std::size_t>(k)] = f;
    }

    auto button = [this](int id, const QString& text) { return makeIdButton(id, text, this); };
    QPushButton* ok = button(1, tr("&OK"));
    QPushButton* update = button(kUpdateNumbers, tr("&Update Numbers"));
    QPushButton* remove = button(kDelete, tr("&Delete"));
    QPushButton* cancel = button(2, tr("&Cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(update, &QPushButton::clicked, this, [this] { updateNumbers(); });
    connect(remove, &QPushButton::clicked, this, &ModifyManualTicketsDialog::deleteTicket);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(8);
    layout->addWidget(new QLabel(tr("Tickets:"), this), 0, 0);
    layout->addWidget(tickets_, 0, 1, Qt::AlignLeft);
    layout->addWidget(new QLabel(tr("Numbers:"), this), 1, 0);
    layout->addLayout(numbers, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    for (QPushButton* b : {ok, update, remove, cancel}) buttons->addWidget(b);
    layout->addLayout(buttons, 2, 0, 1, 2);
    showTicket();
}

void ModifyManualTicketsDialog::click() {
    if (SoundPlayer* player = state_.soundPlayer()) player->playEvent(qv::EventSound::Click);
}

void ModifyManualTicketsDialog::showTicket() {
    const auto texts = model_.fieldTexts();
    for (int k = 0; k < qv::ModifyTicketsModel::kFields; ++k)
        fields_[static_cast<std::size_t>(k)]->setText(QString::fromStdString(texts[k]));
    const QSignalBlocker quiet(tickets_);
    tickets_->setCurrentIndex(model_.count() ? int(model_.current()) : -1);
}

void ModifyManualTicketsDialog::selectTicket(int index) {
    if (index < 0) return;
    model_.select(static_cast<std::size_t>(index));
    showTicket();
}

bool ModifyManualTicketsDialog::updateNumbers() {
    click();
    std::array<std::string, qv::ModifyTicketsModel::kFields> texts;
    for (int k = 0; k < qv::ModifyTicketsModel::kFields; ++k)
        texts[k] = fields_[static_cast<std::size_t>(k)]->text().toStdString();
    if (const auto problem = model_.problemWith(texts)) {
        state_.interaction().showProblem(
            this, tr("Modify Tickets"),
            QString::fromStdString(qv::numberProblemText(*problem, model_.currentName())));
        return false;
    }
    const std::vector<int> refused = model_.update(texts);
    // A refused field shows its old value again.
    showTicket();
    if (!refused.empty())
        state_.interaction().showProblem(
            this, tr("Modify Tickets"),
            tr("A number on a ticket is at most 100; the fields above 100 keep their "
               "old values."));
    return true;
}

void ModifyManualTicketsDialog::deleteTicket() {
    click();
    const std::size_t at = model_.current();
    if (!model_.deleteCurrent()) return;
    tickets_->removeItem(int(at));
    showTicket();
}

void ModifyManualTicketsDialog::accept() {
    if (model_.count() > 0) {
        // A refused ticket keeps the dialog open, so the fields can be put right.
        if (!updateNumbers()) return;
    } else {
        click();
    }
    QDialog::accept();
}

void ModifyManualTicketsDialog::reject() {
    click();
    QDialog::reject();
}

}  // namespace qv::gui

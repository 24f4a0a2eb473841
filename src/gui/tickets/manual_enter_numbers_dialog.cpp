#include "gui/tickets/manual_enter_numbers_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "gui/common/application_state.h"

namespace qv::gui {

ManualEnterNumbersDialog::ManualEnterNumbersDialog(ApplicationState& state,
                                                   const qv::TicketFile& file, QWidget* parent)
    : NumberGridDialog(state, parent), entry_(file) {
    setTitle(tr("Enter Ticket Numbers"));

    perTicketField_ = makeNumberField(kNumbersPerTicket, 1, qv::kMaxNumbersOnTicket, this);
    perTicketField_->setValue(entry_.choice().quota());
    auto* perTicketLabel = new QLabel(tr("Numbers Per Ticket"), this);
    perTicketLabel->setBuddy(perTicketField_);
    fieldRow()->insertSpacing(fieldRow()->count() - 1, 16);
    fieldRow()->insertWidget(fieldRow()->count() - 1, perTicketLabel);
    fieldRow()->insertWidget(fieldRow()->count() - 1, perTicketField_);
    connect(perTicketField_, &QSpinBox::valueChanged, this,
            &ManualEnterNumbersDialog::setNumbersPerTicket);

    QPushButton* add = addButton(kAddTicket, tr("&Add Ticket"));
    add->setDefault(true);
    buttonColumn()->addSpacing(10);
    QPushButton* random = addButton(kRandom, tr("&Random"));
    hotButton_ = makeButton(kHot, tr("&Hot"));
    QPushButton* hotNext = makeButton(kHotNext, tr("Next"));
    addButtonPair(hotButton_, hotNext);
    coldButton_ = makeButton(kCold, tr("Co&ld"));
    QPushButton* coldNext = makeButton(kColdNext, tr("Next"));
    addButtonPair(coldButton_, coldNext);
    myNumbersButton_ = makeButton(kMyNumbers, tr("My Numbers"));
    QPushButton* listNext = makeButton(kMyNumbersNext, tr("Next"));
    addButtonPair(myNumbersButton_, listNext);
    QPushButton* clear = addButton(kClearAll, tr("Clear &All"));
    buttonColumn()->addStretch(1);
    QPushButton* ok = addButton(kOk, tr("&OK"));
    QPushButton* cancel = addButton(kCancel, tr("&Cancel"));

    connect(add, &QPushButton::clicked, this, &ManualEnterNumbersDialog::addTicket);
    connect(random, &QPushButton::clicked, this, &NumberGridDialog::randomPick);
    connect(hotButton_, &QPushButton::clicked, this, [this] { hotColdPick(qv::PickKind::Hot); });
    connect(hotNext, &QPushButton::clicked, this, [this] { hotColdPick(qv::PickKind::Hot, true); });
    connect(coldButton_, &QPushButton::clicked, this, [this] { hotColdPick(qv::PickKind::Cold); });
    connect(coldNext, &QPushButton::clicked, this,
            [this] { hotColdPick(qv::PickKind::Cold, true); });
    connect(myNumbersButton_, &QPushButton::clicked, this, [this] { myNumbersPick(); });
    connect(listNext, &QPushButton::clicked, this, [this] { myNumbersPick(true); });
    connect(clear, &QPushButton::clicked, this, &NumberGridDialog::clearAll);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    enablePicks();
    hotNext->setEnabled(hotButton_->isEnabled());
    coldNext->setEnabled(coldButton_->isEnabled());
    listNext->setEnabled(myNumbersButton_->isEnabled());
    refresh();
}

QString ManualEnterNumbersDialog::caption() {
    qv::ManualEntryTexts texts;
    texts.choice.full = tr("Select Add Ticket Button").toStdString();
    texts.choice.oneMore = tr("Choose 1 More Number").toStdString();
    texts.choice.more = tr("Choose %d More Numbers").toStdString();
    texts.oneTicket = tr("1 Ticket").toStdString();
    texts.tickets = tr("%d Tickets").toStdString();
    return QString::fromStdString(entry_.caption(texts));
}

qv::NumberChoice::Picked ManualEnterNumbersDialog::doHotCold(qv::PickKind kind,
                                                             const qv::PickList& list, bool next) {
    return kind == qv::PickKind::Hot ? entry_.pickHot(list, next) : entry_.pickCold(list, next);
}

void ManualEnterNumbersDialog::addTicket() {
    playSound();
    entry_.addTicket();
    refresh();
}

void ManualEnterNumbersDialog::setNumbersPerTicket(int quota) {
    if (entry_.setNumbersPerTicket(quota)) playSound();
    refresh();
}

void ManualEnterNumbersDialog::accept() {
    playSound();
    QDialog::accept();
}

void ManualEnterNumbersDialog::reject() {
    playSound();
    QDialog::reject();
}

}  // namespace qv::gui

#include "gui/tickets/enter_numbers_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

namespace {

int startingLotto(const ApplicationState& state) {
    if (const qv::DrawDatabase* database = state.database())
        return database->header().numbersInLotto;
    return 49;
}

}  // namespace

EnterNumbersDialog::EnterNumbersDialog(ApplicationState& state, QWidget* parent)
    : NumberGridDialog(state, parent) {}

EnterNumbersDialog::EnterNumbersDialog(ApplicationState& state, int quota,
                                       std::span<std::int16_t> target, QWidget* parent)
    : NumberGridDialog(state, parent),
      choice_(quota, startingLotto(state), target),
      target_(target) {
    setTitle(tr("Enter Numbers"));
    buildButtons(false);
    refresh();
}

void EnterNumbersDialog::buildButtons(bool bonus) {
    addButton(kOk, tr("&OK"));
    addButton(kCancel, tr("&Cancel"));
    buttonColumn()->addSpacing(10);
    QPushButton* random = addButton(kRandom, tr("&Random"));
    hotButton_ = addButton(kHot, tr("&Hot"));
    coldButton_ = addButton(kCold, tr("&Cold"));
    myNumbersButton_ = addButton(kMyNumbers, tr("My Numbers"));
    buttonColumn()->addSpacing(10);
    QPushButton* clear = addButton(kClearAll, tr("Clear &All"));
    if (bonus) {
        QPushButton* all = addButton(EnterBonusNumbersDialog::kChangeAll, tr("&Change All"));
        connect(all, &QPushButton::clicked, this,
                [this] { static_cast<EnterBonusNumbersDialog*>(this)->changeAll(); });
    }
    buttonColumn()->addStretch(1);
    connect(findChild<QPushButton*>(QString::number(kOk)), &QPushButton::clicked, this,
            &QDialog::accept);
    connect(findChild<QPushButton*>(QString::number(kCancel)), &QPushButton::clicked, this,
            &QDialog::reject);
    connect(random, &QPushButton::clicked, this, &NumberGridDialog::randomPick);
    connect(hotButton_, &QPushButton::clicked, this, [this] { hotColdPick(qv::PickKind::Hot); });
    connect(coldButton_, &QPushButton::clicked, this, [this] { hotColdPick(qv::PickKind::Cold); });
    connect(myNumbersButton_, &QPushButton::clicked, this, [this] { myNumbersPick(); });
    connect(clear, &QPushButton::clicked, this, &NumberGridDialog::clearAll);
    enablePicks();
}

QString EnterNumbersDialog::caption() {
    if (!choice().changed()) return {};
    qv::ChoiceTexts texts;
    texts.full = tr("All Numbers Selected").toStdString();
    texts.oneMore = tr("Choose 1 More Number").toStdString();
    texts.more = tr("Choose %d More Numbers").toStdString();
    return QString::fromStdString(qv::choiceCaption(choice(), texts));
}

qv::NumberChoice::Picked EnterNumbersDialog::doHotCold(qv::PickKind, const qv::PickList& list,
                                                       bool) {
    return qv::pickHotCold(choice(), list, 0, singlePick_);
}

void EnterNumbersDialog::accept() {
    if (!choice().full()) {
        state().interaction().showProblem(this, tr("Quorvantile"),
                                          tr("Please enter all numbers before clicking 'Ok'"));
        return;
    }
    choice_.copyTo(target_);
    QDialog::accept();
}

void EnterNumbersDialog::reject() {
    playSound();
    QDialog::reject();
}

// --- Bonus numbers ----------------------------------------------------------------------------

EnterBonusNumbersDialog::EnterBonusNumbersDialog(ApplicationState& state,
                                                 std::vector<qv::TicketType> tickets,
                                                 std::vector<int> labels, QWidget* parent)
    : EnterNumbersDialog(state, parent),
      editor_(std::move(tickets), std::move(labels), startingLotto(state)) {
    singlePick_ = true;
    setTitle(tr("Enter Numbers"));

    tickets_ = new QComboBox(this);
    tickets_->setObjectName(QString::number(kTicketCombo));
    for (std::size_t k = 0; k < editor_.count(); ++k) {
        const int label = k < editor_.labels().size() ? editor_.labels()[k] : int(k + 1);
        tickets_->addItem(tr("Ticket %1").arg(label));
    }
    ticketLine_ = new QLabel(this);
    ticketLine_->setObjectName(QString::number(kTicketLine));
    QFont bold = ticketLine_->font();
    bold.setBold(true);
    ticketLine_->setFont(bold);
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(tickets_);
    row->addWidget(ticketLine_, 1);
    topArea()->addLayout(row);
    connect(tickets_, &QComboBox::activated, this, &EnterBonusNumbersDialog::selectTicket);

    buildButtons(true);
    showTicket();
}

void EnterBonusNumbersDialog::selectTicket(int index) {
    if (index < 0) return;
    editor_.select(static_cast<std::size_t>(index));
    showTicket();
}

void EnterBonusNumbersDialog::showTicket() {
    if (tickets_->currentIndex() != int(editor_.current())) {
        const QSignalBlocker quiet(tickets_);
        tickets_->setCurrentIndex(int(editor_.current()));
    }
    ticketLine_->setText(QString::fromStdString(editor_.ticketLine()));
    refresh();
}

QString EnterBonusNumbersDialog::caption() {
    if (!choice().changed()) return tr("Ticket Number %1").arg(editor_.currentLabel());
    return EnterNumbersDialog::caption();
}

void EnterBonusNumbersDialog::changeAll() {
    playSound();
    editor_.changeAll();
}

std::vector<int> EnterBonusNumbersDialog::doRandom(std::mt19937& generator) {
    const int n = choice().chooseOneRandom(generator);
    return n ? std::vector<int>{n} : std::vector<int>{};
}

void EnterBonusNumbersDialog::accept() {
    playSound();
    QDialog::accept();
}

}  // namespace qv::gui

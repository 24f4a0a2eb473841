#include "gui/tickets/number_grid_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/common/button_row.h"
#include "gui/common/number_grid.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

QSpinBox* makeNumberField(int id, int lo, int hi, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::number(id));
    field->setRange(lo, hi);
    field->setAccelerated(true);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 36);
    return field;
}

NumberGridDialog::NumberGridDialog(ApplicationState& state, QWidget* parent)
    : QDialog(parent), state_(state), random_(qv::seededPickGenerator()) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    grid_ = new NumberGrid(this);
    connect(grid_, &NumberGrid::numberClicked, this, &NumberGridDialog::clickNumber);

    lottoField_ = makeNumberField(kNumbersInLotto, 1, qv::kMaxLottoNumber, this);
    auto* lottoLabel = new QLabel(tr("Numbers In Lotto"), this);
    lottoLabel->setBuddy(lottoField_);
    connect(lottoField_, &QSpinBox::valueChanged, this, [this](int value) {
        if (doSetNumbersInLotto(value)) playSound();
        refresh();
    });

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 10, 12, 12);
    outer->setSpacing(8);
    top_ = new QVBoxLayout;
    top_->setSpacing(4);
    outer->addLayout(top_);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    outer->addLayout(body);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addWidget(grid_);
    fields_ = new QHBoxLayout;
    fields_->setSpacing(6);
    fields_->addWidget(lottoLabel);
    fields_->addWidget(lottoField_);
    fields_->addStretch(1);
    left->addLayout(fields_);
    body->addLayout(left);
    buttons_ = new QVBoxLayout;
    buttons_->setSpacing(6);
    body->addLayout(buttons_);
}

QPushButton* NumberGridDialog::makeButton(int id, const QString& text) {
    return makeIdButton(id, text, this);
}

QPushButton* NumberGridDialog::addButton(int id, const QString& text) {
    QPushButton* b = makeButton(id, text);
    buttons_->addWidget(b);
    return b;
}

void NumberGridDialog::addButtonPair(QPushButton* left, QPushButton* right) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(left, 3);
    row->addWidget(right, 2);
    buttons_->addLayout(row);
}

void NumberGridDialog::playSound(qv::EventSound sound) {
    if (SoundPlayer* player = state_.soundPlayer()) player->playEvent(sound);
}

void NumberGridDialog::playChosen(std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) playSound();
}

void NumberGridDialog::enablePicks() {
    if (hotButton_) hotButton_->setEnabled(state_.database() != nullptr);
    if (coldButton_) coldButton_->setEnabled(state_.database() != nullptr);
    if (myNumbersButton_) myNumbersButton_->setEnabled(state_.flags().numberListInUse);
}

void NumberGridDialog::refresh() {
    qv::NumberChoice& c = choice();
    grid_->display(c.boxes());
    const QString text = caption();
    setWindowTitle(text.isEmpty() ? title_ : text);
    if (lottoField_->value() != c.numbersInLotto()) {
        const QSignalBlocker quiet(lottoField_);
        lottoField_->setValue(c.numbersInLotto());
    }
}

void NumberGridDialog::clickNumber(int number) {
    playSound();
    doClick(number);
    refresh();
}

void NumberGridDialog::clearAll() {
    playSound();
    doClearAll();
    refresh();
}

std::vector<int> NumberGridDialog::doRandom(std::mt19937& generator) {
    return choice().fillRandom(generator);
}

qv::NumberChoice::Picked NumberGridDialog::doHotCold(qv::PickKind, const qv::PickList& list, bool) {
    return qv::pickHotCold(choice(), list);
}

qv::NumberChoice::Picked NumberGridDialog::doMyNumbers(const std::vector<int>& list, bool) {
    return choice().pickFrom(list);
}

void NumberGridDialog::randomPick() {
    playSound(qv::EventSound::RandomPick);
    playChosen(doRandom(random_).size());
    refresh();
}

void NumberGridDialog::hotColdPick(qv::PickKind kind, bool next) {
    const bool hot = kind == qv::PickKind::Hot;
    playSound(hot ? qv::EventSound::HotPick : qv::EventSound::ColdPick);
    const qv::DrawDatabase* database = state_.database();
    if (!database) {
        state_.interaction().showProblem(
            this, tr("No DataBase Selected"),
            hot ? tr("Can't Hot Pick Without an Open DataBase!\nGo to History Menu, then "
                     "select Open DataBase")
                : tr("Can't Cold Pick Without an Open DataBase!\nGo to History Menu, then "
                     "select Open DataBase"));
        return;
    }
    const qv::PickList list =
        qv::hotColdPickList(kind, database->header(), database->entries(), database->statistics());
    playChosen(doHotCold(kind, list, next).numbers.size());
    refresh();
}

void NumberGridDialog::myNumbersPick(bool next) {
    playSound();
    if (!state_.flags().numberListInUse) {
        state_.interaction().showProblem(
            this, tr("List Not Selected"),
            tr("List file hasn't been selected.\nGo to My Numbers Menu, then select "
               "Select a List."));
        return;
    }
    playChosen(doMyNumbers(state_.myNumbers(), next).numbers.size());
    refresh();
}

}  // namespace qv::gui

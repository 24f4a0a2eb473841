#include "gui/entry/draw_bonus_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/common/button_row.h"
#include "gui/common/number_grid.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

EnterDrawBonusDialog::EnterDrawBonusDialog(UserInteraction& ui, const qv::DrawEntry& entry,
                                           QWidget* parent)
    : QDialog(parent), ui_(ui), choice_(qv::bonusChoice(entry)), random_(qv::seededGenerator()) {
    setWindowTitle(tr("Enter Bonus Numbers"));

    auto* numbers = new QLabel(QString::fromStdString(qv::winningNumbersLine(entry.draw())));
    numbers->setObjectName(QString::number(kWinningNumbers));
    QFont bold = numbers->font();
    bold.setBold(true);
    numbers->setFont(bold);
    auto* numbersRow = new QHBoxLayout;
    numbersRow->addWidget(new QLabel(tr("Winning numbers:")));
    numbersRow->addWidget(numbers, 1);

    boxes_ = new NumberGrid;
    connect(boxes_, &NumberGrid::numberClicked, this, [this](int n) {
        if (choice_.click(n)) ui_.playSound(qv::EventSound::Click);
        showChoice();
    });

    lotto_ = new QSpinBox;
    lotto_->setObjectName(QString::number(kNumbersInLotto));
    lotto_->setRange(1, qv::EntryChoice::kBoxes);
    lotto_->setValue(choice_.numbersInLotto());
    lotto_->setAlignment(Qt::AlignRight);
    connect(lotto_, &QSpinBox::valueChanged, this, [this](int n) {
        if (choice_.setNumbersInLotto(n)) ui_.playSound(qv::EventSound::Click);
        showChoice();
    });
    auto* lottoLabel = new QLabel(tr("Numbers In Lotto"));
    lottoLabel->setBuddy(lotto_);

    auto* clearAll = new QPushButton(tr("Clear &All"));
    clearAll->setObjectName(QString::number(kClearAll));
    connect(clearAll, &QPushButton::clicked, this, [this] {
        ui_.playSound(qv::EventSound::Click);
        choice_.clearAll();
        showChoice();
    });
    auto* random = new QPushButton(tr("&Random"));
    random->setObjectName(QString::number(kRandom));
    connect(random, &QPushButton::clicked, this, [this] {
        ui_.playSound(qv::EventSound::RandomPick);
        choice_.randomPick(random_);
        showChoice();
    });
    for (QPushButton* b : {clearAll, random}) b->setAutoDefault(false);

    auto* tools = new QHBoxLayout;
    tools->addWidget(clearAll);
    tools->addWidget(random);
    tools->addStretch(1);
    tools->addWidget(lottoLabel);
    tools->addWidget(lotto_);

    const auto [buttons, ok, cancel] = makeOkCancelButtons(this, tr("&OK"), tr("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numbersRow);
    layout->addWidget(boxes_);
    layout->addLayout(tools);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showChoice();
    if (auto* first = boxes_->box(1)) first->setFocus();
}

std::array<std::int16_t, qv::kMaxBonusNumbers> EnterDrawBonusDialog::bonus() const {
    std::array<std::int16_t, qv::kMaxBonusNumbers> b{};
    choice_.writeTo(b);
    return b;
}

void EnterDrawBonusDialog::accept() {
    ui_.playSound(qv::EventSound::Click);
    QDialog::accept();
}

void EnterDrawBonusDialog::showChoice() {
    boxes_->display(choice_.boxes());
}

}  // namespace qv::gui

#include "gui/wheels/wheel_terms_fields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "core/records/limits.h"

namespace qv::gui {

QSpinBox* makeIdSpin(int id, int minimum, int maximum, int value) {
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::number(id));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

WheelTermsFields::WheelTermsFields()
    : numbersToWheel(makeIdSpin(kNumbersToWheel, 1, qv::kMaxLottoNumber, 10)),
      guarantee(makeIdSpin(kGuarantee, 1, qv::kMaxNumbersOnTicket, 3)),
      guaranteeIf(makeIdSpin(kGuaranteeIf, 1, qv::kMaxNumbersOnTicket, 6)),
      numbersPerTicket(makeIdSpin(kNumbersPerTicket, 4, qv::kMaxNumbersOnTicket, 6)) {}

int WheelTermsFields::addTo(QGridLayout* grid, int row, int span) {
    grid->addWidget(buddyLabel(tr("Numbers To Wheel:"), numbersToWheel), row, 0);
    grid->addWidget(numbersToWheel, row, 1);
    grid->addWidget(buddyLabel(tr("Prize Guarantee :"), guarantee), row + 1, 0);
    auto* guaranteeRow = new QHBoxLayout;
    guaranteeRow->addWidget(guarantee);
    guaranteeRow->addWidget(buddyLabel(tr("if"), guaranteeIf));
    guaranteeRow->addWidget(guaranteeIf);
    guaranteeRow->addStretch(1);
    grid->addLayout(guaranteeRow, row + 1, 1, 1, span);
    grid->addWidget(buddyLabel(tr("Numbers Per Ticket:"), numbersPerTicket), row + 2, 0);
    grid->addWidget(numbersPerTicket, row + 2, 1);
    return row + 3;
}

qv::GuaranteeTerms WheelTermsFields::terms() const {
    for (QSpinBox* spin : {numbersToWheel, guarantee, guaranteeIf, numbersPerTicket})
        spin->interpretText();
    return qv::GuaranteeTerms{numbersToWheel->value(), guarantee->value(), guaranteeIf->value(),
                              numbersPerTicket->value()};
}

}  // namespace qv::gui

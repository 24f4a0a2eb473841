#include "gui/tickets/number_grid.h"

#include <QGridLayout>

namespace qv::gui {

TicketNumberBox::TicketNumberBox(int number, QWidget* parent)
    : QCheckBox(QString::number(number), parent), number_(number) {
    setObjectName(QString::number(TicketNumberGrid::kFirstBoxId + number - 1));
    setTristate(true);
    setFocusPolicy(Qt::TabFocus);
}

void TicketNumberBox::setState(qv::BoxState state) {
    switch (state) {
        case qv::BoxState::Free:
            setCheckState(Qt::Unchecked);
            break;
        case qv::BoxState::Chosen:
            setCheckState(Qt::Checked);
            break;
        case qv::BoxState::Grey:
            setCheckState(Qt::PartiallyChecked);
            break;
    }
}

TicketNumberGrid::TicketNumberGrid(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    for (int n = 1; n <= qv::NumberChoice::kBoxes; ++n) {
        auto* b = new TicketNumberBox(n, this);
        connect(b, &QAbstractButton::clicked, this, [this, n] { emit numberClicked(n); });
        layout->addWidget(b, (n - 1) / kColumns, (n - 1) % kColumns);
        boxes_[static_cast<std::size_t>(n - 1)] = b;
    }
}

TicketNumberBox* TicketNumberGrid::box(int number) const {
    if (number < 1 || number > qv::NumberChoice::kBoxes) return nullptr;
    return boxes_[static_cast<std::size_t>(number - 1)];
}

void TicketNumberGrid::display(const qv::NumberChoice& choice) {
    for (int n = 1; n <= qv::NumberChoice::kBoxes; ++n)
        boxes_[static_cast<std::size_t>(n - 1)]->setState(choice.state(n));
}

}  // namespace qv::gui

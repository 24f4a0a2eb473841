#include "gui/common/number_grid.h"

#include <QApplication>
#include <QGridLayout>
#include <algorithm>

namespace qv::gui {

NumberBox::NumberBox(int number, QWidget* parent)
    : QCheckBox(QString::number(number), parent), number_(number) {
    setObjectName(QString::number(NumberGrid::kFirstBoxId + number - 1));
    setTristate(true);
    setFocusPolicy(Qt::TabFocus);
}

void NumberBox::setState(qv::BoxState state) {
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
    // A grey box's number reads grey, as the box itself does.
    const QPalette normal = QApplication::palette(this);
    QPalette p = normal;
    if (state == qv::BoxState::Grey)
        p.setColor(QPalette::WindowText, normal.color(QPalette::Disabled, QPalette::WindowText));
    setPalette(p);
}

NumberGrid::NumberGrid(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    for (int n = 1; n <= kBoxes; ++n) {
        auto* b = new NumberBox(n, this);
        connect(b, &QAbstractButton::clicked, this, [this, n] { emit numberClicked(n); });
        layout->addWidget(b, (n - 1) / kColumns, (n - 1) % kColumns);
        boxes_[static_cast<std::size_t>(n - 1)] = b;
    }
}

NumberBox* NumberGrid::box(int number) const {
    if (number < 1 || number > kBoxes) return nullptr;
    return boxes_[static_cast<std::size_t>(number - 1)];
}

void NumberGrid::display(std::span<const qv::BoxState> states) {
    const std::size_t shown = std::min(states.size(), boxes_.size());
    for (std::size_t i = 0; i < shown; ++i) boxes_[i]->setState(states[i]);
}

}  // namespace qv::gui

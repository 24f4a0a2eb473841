#include "gui/entry/number_box_grid.h"

#include <QApplication>
#include <QGridLayout>

namespace qv::gui {

NumberBox::NumberBox(int number, QWidget* parent)
    : QCheckBox(QString::number(number), parent), number_(number) {
    setObjectName(QString::number(NumberBoxGrid::kFirstBoxId - 1 + number));
    setTristate(true);
    setFocusPolicy(Qt::TabFocus);
}

void NumberBox::setBoxState(qv::EntryBox state) {
    switch (state) {
        case qv::EntryBox::Clear:
            setCheckState(Qt::Unchecked);
            break;
        case qv::EntryBox::Chosen:
            setCheckState(Qt::Checked);
            break;
        case qv::EntryBox::Dimmed:
            setCheckState(Qt::PartiallyChecked);
            break;
    }
    // A dimmed number reads grey, as the box itself does.
    const QPalette normal = QApplication::palette(this);
    QPalette p = normal;
    if (state == qv::EntryBox::Dimmed)
        p.setColor(QPalette::WindowText, normal.color(QPalette::Disabled, QPalette::WindowText));
    setPalette(p);
}

NumberBoxGrid::NumberBoxGrid(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int n = 1; n <= qv::EntryChoice::kBoxes; ++n) {
        auto* b = new NumberBox(n, this);
        boxes_[std::size_t(n - 1)] = b;
        grid->addWidget(b, (n - 1) / 10, (n - 1) % 10);
        connect(b, &QCheckBox::clicked, this, [this, n] { emit numberClicked(n); });
    }
}

NumberBox* NumberBoxGrid::box(int number) const {
    if (number < 1 || number > qv::EntryChoice::kBoxes) return nullptr;
    return boxes_[std::size_t(number - 1)];
}

void NumberBoxGrid::showChoice(const qv::EntryChoice& choice) {
    for (int n = 1; n <= qv::EntryChoice::kBoxes; ++n)
        boxes_[std::size_t(n - 1)]->setBoxState(choice.box(n));
}

}  // namespace qv::gui

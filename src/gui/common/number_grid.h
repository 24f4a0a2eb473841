#pragma once
// The 100 number boxes of the number-picking dialogs, ids 101..200 for the numbers 1..100,
// each free, chosen or grey (a three-state check box). The boxes never change by themselves:
// a click is reported and the dialog shows the state its rules give.

#include <QCheckBox>
#include <QWidget>
#include <array>

#include "core/tickets/number_choice.h"

namespace qv::gui {

class TicketNumberBox : public QCheckBox {
    Q_OBJECT

public:
    TicketNumberBox(int number, QWidget* parent);
    int number() const { return number_; }
    void setState(qv::BoxState state);

protected:
    // The rules decide the next state, not the click.
    void nextCheckState() override {}

private:
    int number_;
};

class TicketNumberGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFirstBoxId = 101;
    static constexpr int kColumns = 10;

    explicit TicketNumberGrid(QWidget* parent = nullptr);

    TicketNumberBox* box(int number) const;
    // Shows every box as the choice has it.
    void display(const qv::NumberChoice& choice);

signals:
    void numberClicked(int number);

private:
    std::array<TicketNumberBox*, qv::NumberChoice::kBoxes> boxes_{};
};

}  // namespace qv::gui

#pragma once
// The 100 number boxes of every dialog that picks numbers, ids 101..200 for the numbers
// 1..100, each free, chosen or grey (a three-state check box; a grey box's number reads grey
// too). The boxes never change by themselves: a click is reported and the dialog shows the
// states its rules give.

#include <QCheckBox>
#include <QWidget>
#include <array>
#include <span>

#include "core/records/limits.h"
#include "core/tickets/box_state.h"

namespace qv::gui {

class NumberBox : public QCheckBox {
    Q_OBJECT

public:
    NumberBox(int number, QWidget* parent);
    int number() const { return number_; }
    void setState(qv::BoxState state);

protected:
    // The rules decide the next state, not the click.
    void nextCheckState() override {}

private:
    int number_;
};

class NumberGrid : public QWidget {
    Q_OBJECT

public:
    // Box ids: 100 + the number, also the boxes' object names.
    static constexpr int kFirstBoxId = 101;
    static constexpr int kBoxes = qv::kMaxLottoNumber;
    static constexpr int kColumns = 10;

    explicit NumberGrid(QWidget* parent = nullptr);

    // Null for a number outside 1..100.
    NumberBox* box(int number) const;
    // Shows the boxes of the numbers 1, 2, ... as `states` has them in turn.
    void display(std::span<const qv::BoxState> states);

signals:
    void numberClicked(int number);

private:
    std::array<NumberBox*, kBoxes> boxes_{};
};

}  // namespace qv::gui

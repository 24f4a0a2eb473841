#pragma once
// The 100 number boxes of the draw-entry dialogs: three-state check boxes that show the
// state of an EntryChoice and report clicks, without changing by themselves.

#include <QCheckBox>
#include <QWidget>
#include <array>

#include "core/entry/draw_entry.h"

namespace qv::gui {

class NumberBox : public QCheckBox {
    Q_OBJECT

public:
    NumberBox(int number, QWidget* parent);
    int number() const { return number_; }
    void setBoxState(qv::EntryBox state);

protected:
    // The dialog decides every state.
    void nextCheckState() override {}

private:
    int number_;
};

class NumberBoxGrid : public QWidget {
    Q_OBJECT

public:
    // Box ids: 100 + the number (101..200), also the boxes' object names.
    static constexpr int kFirstBoxId = 101;

    explicit NumberBoxGrid(QWidget* parent = nullptr);

    NumberBox* box(int number) const;
    // Every box takes its state from the choice.
    void showChoice(const qv::EntryChoice& choice);

signals:
    void numberClicked(int number);

private:
    std::array<NumberBox*, qv::EntryChoice::kBoxes> boxes_{};
};

}  // namespace qv::gui

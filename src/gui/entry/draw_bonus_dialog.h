#pragma once
// "Enter Bonus Numbers" for a draw being entered: up to three bonus numbers picked on the
// number boxes, with the draw's winning numbers shown for reference.

#include <QDialog>
#include <array>
#include <cstdint>
#include <random>

#include "core/entry/draw_entry.h"

class QLabel;
class QSpinBox;

namespace qv::gui {

class NumberGrid;
class UserInteraction;

class EnterDrawBonusDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kClearAll = 204;
    static constexpr int kRandom = 501;
    static constexpr int kNumbersInLotto = 205;
    static constexpr int kWinningNumbers = 207;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    // Starts from the draw's bonus numbers, in a game of the entry's numbers in the lotto.
    EnterDrawBonusDialog(UserInteraction& ui, const qv::DrawEntry& entry,
                         QWidget* parent = nullptr);

    const qv::EntryChoice& choice() const { return choice_; }
    NumberGrid* boxes() const { return boxes_; }
    // The bonus numbers chosen, 0 in the places not in use.
    std::array<std::int16_t, qv::kMaxBonusNumbers> bonus() const;

    void accept() override;

private:
    void showChoice();

    UserInteraction& ui_;
    qv::EntryChoice choice_;
    std::mt19937 random_;
    NumberGrid* boxes_ = nullptr;
    QSpinBox* lotto_ = nullptr;
};

}  // namespace qv::gui

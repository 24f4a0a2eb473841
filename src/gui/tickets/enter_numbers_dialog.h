#pragma once
// The number-picking dialog: choose exactly the quota of numbers (for a wheel, or for the
// chosen numbers of a wheel ticket file), and the bonus-number dialog built on it that sets
// up to three bonus numbers per ticket.

#include <cstdint>
#include <span>
#include <vector>

#include "core/tickets/ticket_editing.h"
#include "gui/tickets/number_grid_dialog.h"

class QComboBox;
class QLabel;

namespace qv::gui {

class EnterNumbersDialog : public NumberGridDialog {
    Q_OBJECT

public:
    // `target` holds the numbers chosen so far (up to its first 0) and receives the choice,
    // zero after it, on OK; Cancel leaves it alone. The quota is `quota` numbers.
    EnterNumbersDialog(ApplicationState& state, int quota, std::span<std::int16_t> target,
                       QWidget* parent = nullptr);

    const qv::NumberChoice& currentChoice() { return choice(); }
    // OK with fewer numbers than the quota says so and stays open.
    void accept() override;
    void reject() override;

protected:
    // For the bonus dialog, whose choice lives in its editor.
    EnterNumbersDialog(ApplicationState& state, QWidget* parent);
    qv::NumberChoice& choice() override { return choice_; }
    QString caption() override;
    qv::NumberChoice::Picked doHotCold(qv::PickKind kind, const qv::PickList& list,
                                       bool next) override;
    void buildButtons(bool bonus);
    // The picks of the bonus dialog take one number a press.
    bool singlePick_ = false;

private:
    qv::NumberChoice choice_;
    std::span<std::int16_t> target_;
};

class EnterBonusNumbersDialog : public EnterNumbersDialog {
    Q_OBJECT

public:
    static constexpr int kTicketCombo = 201;
    static constexpr int kChangeAll = 206;
    static constexpr int kTicketLine = 207;

    // A copy of the tickets and the ticket window's labels; on OK, tickets() holds them with
    // their new bonus numbers.
    EnterBonusNumbersDialog(ApplicationState& state, std::vector<qv::TicketType> tickets,
                            std::vector<int> labels, QWidget* parent = nullptr);

    std::vector<qv::TicketType> tickets() const { return editor_.result(); }
    qv::BonusNumbersEditor& editor() { return editor_; }
    void selectTicket(int index);
    void changeAll();
    // Any number of bonus numbers, none included, is accepted.
    void accept() override;

protected:
    qv::NumberChoice& choice() override { return editor_.choice(); }
    QString caption() override;
    std::vector<int> doRandom(std::mt19937& generator) override;

private:
    void showTicket();

    qv::BonusNumbersEditor editor_;
    QComboBox* tickets_ = nullptr;
    QLabel* ticketLine_ = nullptr;
};

}  // namespace qv::gui

#pragma once
// "Modify Tickets": change the numbers of a manual ticket in 13 fields, or delete tickets.

#include <QDialog>
#include <array>
#include <vector>

#include "core/tickets/ticket_editing.h"

class QComboBox;
class QLineEdit;

namespace qv::gui {

class ApplicationState;

class ModifyManualTicketsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTicketCombo = 101;
    static constexpr int kFirstField = 104;  // 104..113 main numbers, 114..116 bonus numbers
    static constexpr int kUpdateNumbers = 510;
    static constexpr int kDelete = 509;

    // No main number may be above `numbersInLotto`, the file's.
    ModifyManualTicketsDialog(ApplicationState& state, std::vector<qv::TicketType> tickets,
                              std::vector<int> labels, int numbersInLotto,
                              QWidget* parent = nullptr);

    const qv::ModifyTicketsModel& model() const { return model_; }
    QLineEdit* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

    void selectTicket(int index);
    // False when the ticket was refused (a message says why).
    bool updateNumbers();
    void deleteTicket();
    void accept() override;
    void reject() override;

private:
    void showTicket();
    void click();

    ApplicationState& state_;
    qv::ModifyTicketsModel model_;
    QComboBox* tickets_ = nullptr;
    std::array<QLineEdit*, qv::ModifyTicketsModel::kFields> fields_{};
};

}  // namespace qv::gui

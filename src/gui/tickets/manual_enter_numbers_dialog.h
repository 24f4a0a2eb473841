#pragma once
// The grid that adds manual tickets one by one: the numbers of the ticket being built, its
// numbers per ticket, "&Add Ticket", and Hot, Cold and My Numbers with their "Next".

#include "core/tickets/ticket_editing.h"
#include "gui/tickets/number_grid_dialog.h"

namespace qv::gui {

class ManualEnterNumbersDialog : public NumberGridDialog {
    Q_OBJECT

public:
    static constexpr int kNumbersPerTicket = 201;
    static constexpr int kAddTicket = 508;
    static constexpr int kHotNext = 206;
    static constexpr int kColdNext = 207;
    static constexpr int kMyNumbersNext = 208;

    // Works on a copy of the file's tickets; on OK the caller hands the file to entry().
    ManualEnterNumbersDialog(ApplicationState& state, const qv::TicketFile& file,
                             QWidget* parent = nullptr);

    qv::ManualTicketEntry& entry() { return entry_; }
    void addTicket();
    void setNumbersPerTicket(int quota);
    void accept() override;
    void reject() override;

protected:
    qv::NumberChoice& choice() override { return entry_.choice(); }
    QString caption() override;
    qv::BoxClick doClick(int number) override { return entry_.click(number); }
    void doClearAll() override { entry_.clearAll(); }
    std::vector<int> doRandom(std::mt19937& generator) override {
        return entry_.fillRandom(generator);
    }
    qv::NumberChoice::Picked doHotCold(qv::PickKind kind, const qv::PickList& list,
                                       bool next) override;
    qv::NumberChoice::Picked doMyNumbers(const std::vector<int>& list, bool next) override {
        return entry_.pickMyNumbers(list, next);
    }
    bool doSetNumbersInLotto(int numbers) override { return entry_.setNumbersInLotto(numbers); }

private:
    qv::ManualTicketEntry entry_;
    QSpinBox* perTicketField_ = nullptr;
};

}  // namespace qv::gui

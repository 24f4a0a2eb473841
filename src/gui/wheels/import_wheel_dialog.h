#pragma once
// "Import Wheeling Table": the wheel's description, numbers to wheel, prize guarantee and
// numbers per ticket; its rows typed in or read from a text file; the guarantee confirmed on
// request; the wheel saved. The dialog stays open for the next wheel until "&Done".

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "core/wheels/wheel_info.h"
#include "gui/wheels/wheel_terms_fields.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace qv::gui {

class UserInteraction;

class ImportWheelDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDescription = 10;
    static constexpr int kNumbersToWheel = WheelTermsFields::kNumbersToWheel;
    static constexpr int kGuarantee = WheelTermsFields::kGuarantee;
    static constexpr int kGuaranteeIf = WheelTermsFields::kGuaranteeIf;
    static constexpr int kNumbersPerTicket = WheelTermsFields::kNumbersPerTicket;
    static constexpr int kTextFile = 20;
    static constexpr int kEnterManually = 21;
    static constexpr int kConfirm = 30;
    static constexpr int kNext = 506;
    static constexpr int kDone = 511;
    static constexpr int kHelp = 998;

    ImportWheelDialog(UserInteraction& ui, QWidget* parent, std::function<void()> showHelp);

    // The record the controls describe, without rows.
    qv::WheelInfo wheelFromControls();
    // "&Next": one wheel entered, confirmed if asked, and offered for saving.
    void next();
    // The wheel of the last "&Next" that got rows, as it was offered for saving.
    const std::optional<qv::WheelInfo>& lastWheel() const { return lastWheel_; }

    // "&Done" and Escape
    void reject() override;

private:
    // The rows from the chosen method; nothing when the import was not done.
    std::optional<std::vector<qv::TicketType>> enterRows(const qv::WheelInfo& wheel);
    std::optional<std::vector<qv::TicketType>> readTextFile(const qv::WheelInfo& wheel);
    void save(const qv::WheelInfo& wheel);

    std::function<void()> showHelp_;
    QLineEdit* description_ = nullptr;
    WheelTermsFields terms_;
    QSpinBox* numbersToWheel_ = nullptr;
    QSpinBox* guarantee_ = nullptr;
    QSpinBox* guaranteeIf_ = nullptr;
    QSpinBox* numbersPerTicket_ = nullptr;
    QRadioButton* textFile_ = nullptr;
    QRadioButton* enterManually_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    std::optional<qv::WheelInfo> lastWheel_;
    UserInteraction& ui_;
};

// Command 102 (and its tool-bar gadget): the import dialog, run modally.
void installWheelImportCommands(UserInteraction& ui, QWidget* frame,
                                const std::function<void(int, std::function<void()>)>& registrar,
                                std::function<void()> showHelp);

}  // namespace qv::gui

#pragma once
// "Import Wheeling Table": the wheel's description, numbers to wheel, prize guarantee and
// numbers per ticket; its rows typed in or read from a text file; the guarantee confirmed on
// request; the wheel saved. The dialog stays open for the next wheel until "&Done".

#include <QDialog>
#include <QString>
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

class ImportWheelDialog : public QDialog, public WheelDialogIds {
    Q_OBJECT

public:
    static constexpr int kDescription = 10;
    static constexpr int kTextFile = 20;
    static constexpr int kEnterManually = 21;
    static constexpr int kConfirm = 30;
    static constexpr int kNext = 506;

    // Where a saved wheel goes: the folder the save dialog opens in (the home folder when
    // that cannot be written), and the note that a wheel was saved at a path.
    struct Folders {
        std::function<QString()> saveFolder;
        std::function<void(const QString&)> saved;
    };

    ImportWheelDialog(UserInteraction& ui, QWidget* parent, std::function<void()> showHelp,
                      Folders folders = {});

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
    Folders folders_;
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
                                std::function<void()> showHelp,
                                ImportWheelDialog::Folders folders = {});

}  // namespace qv::gui

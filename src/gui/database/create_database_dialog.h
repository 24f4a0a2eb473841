#pragma once
// The attributes of a database (description, numbers on a ticket, numbers in the lotto,
// update link), edited for a new database file or for the open one; and the create command.

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "core/records/records.h"
#include "core/database/database_attributes.h"
#include "gui/common/user_interaction.h"

class QLineEdit;
class QSpinBox;

namespace qv::gui {

class ApplicationState;
class UserInteraction;

class CreateDataBaseDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kNumbersOnTicket = 120;
    static constexpr int kNumbersInLotto = 121;
    static constexpr int kDescription = 103;
    static constexpr int kLink = 110;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    // Edits `header` (description and the two counts) and `link` in place, on OK only.
    CreateDataBaseDialog(UserInteraction& ui, QWidget* parent, qv::DataHeader& header,
                         std::string& link);

    void accept() override;
    void reject() override;

private:
    UserInteraction& ui_;
    void click();

    qv::DataHeader& header_;
    std::string& link_;
    QSpinBox* numbersOnTicket_ = nullptr;
    QSpinBox* numbersInLotto_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* linkEdit_ = nullptr;
};

// Commands 105 and 16666: the attributes of a new database, then its file name; the file is
// written but not opened.
void createDatabaseCommand(const ApplicationState& state, QWidget* frame);

}  // namespace qv::gui

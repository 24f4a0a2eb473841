#pragma once
// "Enter Numbers" for a wheel being typed in: the number boxes choose one row's positions,
// "&Add" and "&Paste" append rows, and the list under "Combinations Entered :" shows them.

#include <QDialog>

#include "core/wheels/manual_import.h"

class QPlainTextEdit;

namespace qv::gui {

class UserInteraction;

class NumberGrid;

class ManualImportDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kList = 201;
    static constexpr int kPaste = 505;
    static constexpr int kAdd = 508;
    static constexpr int kDone = 511;
    static constexpr int kCancel = 2;

    ManualImportDialog(UserInteraction& ui, QWidget* parent, int numbersPerTicket,
                       int numbersToWheel);

    const qv::ManualImport& entry() const { return entry_; }
    std::vector<qv::TicketType> rows() const { return entry_.rows(); }

    void add();
    void paste();
    // "&Done"
    void accept() override;
    // "&Cancel" and Escape
    void reject() override;

private:
    UserInteraction& ui_;
    void numberClicked(int number);
    void refresh();

    qv::ManualImport entry_;
    NumberGrid* grid_ = nullptr;
    QPlainTextEdit* list_ = nullptr;
    int listed_ = 0;
};

}  // namespace qv::gui

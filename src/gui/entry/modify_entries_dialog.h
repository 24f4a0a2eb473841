#pragma once
// "Modify DataBase Entries": corrects the numbers and bonus numbers of stored draws, or
// deletes draws, on copies of the open database's header and entries; the caller installs
// them on OK.

#include <QDialog>
#include <array>

#include "core/entry/modify_entries.h"

class QComboBox;

namespace qv::gui {

class ApplicationState;
class DatabaseDocument;
class UserInteraction;
class TIntEdit;

class ModifyEntriesDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kEntries = 101;
    static constexpr int kAttributes = 102;
    static constexpr int kFirstNumber = 104;  // 104..113
    static constexpr int kFirstBonus = 114;   // 114..116
    static constexpr int kUpdate = 510;
    static constexpr int kDelete = 509;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    // Edits `edit`, the copies of `document`, whose attributes "Database Attributes >>"
    // changes; over `window`, the database window.
    ModifyEntriesDialog(ApplicationState& state, DatabaseDocument& document, QWidget* window,
                        qv::ModifyEntries& edit);

    QComboBox* entryList() const { return entries_; }
    TIntEdit* field(int id) const;

    // The buttons, by id.
    void runCommand(int id);
    void accept() override;

private:
    void showSelected();
    void update();
    void deleteSelected();
    void editAttributes();

    ApplicationState& state_;
    DatabaseDocument& document_;
    UserInteraction& ui_;
    qv::ModifyEntries& edit_;
    QComboBox* entries_ = nullptr;
    std::array<TIntEdit*, qv::ModifyEntries::kFields> fields_{};
};

// The database window's "&Modify Numbers": the dialog, over `window`, on copies of the open
// database's header and entries; on OK with something changed, the copies replace them.
void modifyEntriesCommand(ApplicationState& state, QWidget* window);

}  // namespace qv::gui

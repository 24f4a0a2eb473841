#pragma once
// The program's own file-open dialog for databases, ticket files and wheeling tables: a list
// of the matching files with directory and root navigation, and a description of the file
// under the cursor read from its header.

#include <QDialog>
#include <QString>

#include "core/options/file_selection.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace qv::gui {

class ApplicationState;

class FileSelection : public QDialog {
    Q_OBJECT

public:
    // Control ids, also the controls' object names ("170", "182", ...).
    static constexpr int kPathLine = 170;
    static constexpr int kDescription = 171;
    static constexpr int kFileList = 182;
    static constexpr int kFilterCombo = 102;

    // `pattern` ("*.dat", "*.qvt", "*.wl?") decides how files are described; `filterText`
    // holds filter lines separated by "|", each ending in a space and its pattern.
    FileSelection(ApplicationState& state, QWidget* parent, const QString& pattern,
                  const QString& filterText, int filterIndex, const QString& caption);

    // After OK: the full path of the chosen file. Otherwise the current directory and pattern.
    QString path() const;
    QString directory() const;
    QString description() const;

    // Every FileSelection opens where the last one was left (the application state keeps
    // it); at first, in the process's current directory. The process's own current
    // directory is never changed.
    static QString startDirectory(const ApplicationState& state);

    // Runs the dialog modally; the chosen file, or an empty string.
    static QString getFile(ApplicationState& state, QWidget* parent, const QString& pattern,
                           const QString& filterText, const QString& caption, int filterIndex = 0);

    // The wheel picker ("*.wl?", the wheeling-table filters, "Select File"). It opens in the
    // wheel library `library` until the user has taken or saved a wheel in a folder of their
    // own; from then on where the last file selection was left.
    static QString getWheelFile(ApplicationState& state, QWidget* parent, const QString& library,
                                int filterIndex);
    // The folder the wheel picker opens in.
    static QString wheelFolder(const ApplicationState& state, const QString& library);
    // A wheel was saved at `path`: the wheel picker opens beside it from now on.
    static void noteWheelFile(ApplicationState& state, const QString& path, const QString& library);

    // The OK button: accepts only when a file that exists is chosen; anything else cancels.
    void accept() override;
    void reject() override;

    // Double click or Enter on line `row`: a file is accepted, a directory or root entered.
    void activateRow(int row);
    // Up one directory, as the [..] line does.
    void goUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void click();
    bool enterDirectory(const QString& directory);
    void refill();
    void showRow(int row);

    ApplicationState& state_;
    qv::FileSelectionModel model_;
    QLabel* pathLine_ = nullptr;
    QLabel* description_ = nullptr;
    QListWidget* list_ = nullptr;
    QComboBox* filter_ = nullptr;
};

}  // namespace qv::gui

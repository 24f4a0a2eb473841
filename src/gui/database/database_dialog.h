#pragma once
// The window of the open draw database: its description and counts, the list of draws, and
// the buttons to paste, save, close and reach the update link. It owns the database.

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "core/database/draw_database.h"
#include "core/database/draw_preview.h"
#include "core/options/sound_options.h"
#include "core/print/print_common.h"
#include "core/records/records.h"
#include "gui/common/document_window.h"

class QLabel;
class QPushButton;

namespace qv::gui {

class Printout;

class ApplicationState;
class TMyDataTicketWindow;

class DataBaseDialog : public DocumentWindow {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kDescription = 201;
    static constexpr int kInformation = 202;
    static constexpr int kPrintOptions = 108;
    static constexpr int kModifyNumbers = 103;
    static constexpr int kPaste = 505;
    static constexpr int kUrl = 120;
    static constexpr int kListWindow = 300;

    // Shows a loaded database, which the window owns from now on.
    DataBaseDialog(ApplicationState& state, qv::DrawDatabase database, QWidget* parent);
    ~DataBaseDialog() override;

    qv::DrawDatabase& database() { return database_; }
    const qv::DrawDatabase& database() const { return database_; }
    TMyDataTicketWindow* listWindow() const { return list_; }

    // Repaints the list, e.g. after the tickets changed.
    void refresh();
    // After the header or the entries changed elsewhere (modify entries): the information
    // line, the scroll range and the list follow.
    void databaseChanged();

    // At the remembered position, three quarters of the desktop's bottom high.
    void placeFromSettings();
    // At `topLeft`, kept where its title bar can be reached and no taller than the desktop
    // leaves room for below it.
    void placeAt(const QPoint& topLeft);

    bool isModified() const override { return database_.isModified(); }

    void runCommand(int id) override;
    // "Print &Options...": the print options, then the chosen chart.
    void printOptions();
    // Prints a chart of the open database over the selected range, computed afresh; the
    // triples ask for their page limit first.
    void printChart(qv::print::PrintedChart chart);
    void pasteFromClipboard();
    // Imports the draws of a text file, one a line; false when it could not be read.
    bool importFile(const QString& path);
    void changeAttributes();
    // Inserts by date; stops with a message when the database is full. Returns how many
    // were added; they can be taken back with undoLastImport().
    int insertDraws(const std::vector<qv::TicketType>& draws);
    // Removes exactly the draws the last paste or import added; false when there is nothing
    // to take back (the database changed in another way since).
    bool undoLastImport();
    bool canUndoImport() const { return !lastImport_.empty(); }

    // Before a paste or an import inserts anything, the draws found are shown; the chooser
    // returns the ones to insert (nothing on Cancel). Replaceable so tests can answer; an
    // empty function brings the preview dialog back.
    using DrawChooser = std::function<std::vector<qv::TicketType>(std::vector<qv::PreviewRow> rows,
                                                                  const QString& source)>;
    void setDrawChooser(DrawChooser chooser) { chooseDraws_ = std::move(chooser); }

signals:
    void entryDoubleClicked(int entry);  // past performance of the ticket file on that draw
    void printOptionsRequested();
    void modifyNumbersRequested();
    // Draws were inserted, sorted or the attributes changed.
    void contentsChanged();

protected:
    std::string documentPath() const override { return database_.fileName(); }
    qv::IoResult saveDocument() override { return database_.save(); }
    qv::IoResult saveDocumentAs(const std::string& path) override { return database_.saveAs(path); }
    FileRequest saveAsRequest() const override;
    QString cannotSaveText() const override;
    void rememberPath(const std::string& path) override;
    void documentClosing() override;
    void layOut() override;

private:
    void insertFound(const std::vector<qv::TicketType>& found, const QString& source);
    void forgetLastImport();
    void showInformation();
    void updatePasteButton();
    void importFromFile();
    void openUpdateLink();
    void chooseBackground();
    void changeFade(int level);
    void loadBackground();
    void sortEntries();
    void reportAdded(int added);
    std::unique_ptr<Printout> chartPrintout(qv::print::PrintedChart chart, int triplesPageLimit);

    qv::DrawDatabase database_;
    // Positions of the draws the last paste or import added, while they can be taken back.
    std::vector<std::size_t> lastImport_;
    QLabel* description_ = nullptr;
    QLabel* information_ = nullptr;
    TMyDataTicketWindow* list_ = nullptr;
    QPushButton* pasteButton_ = nullptr;
    DrawChooser chooseDraws_;
};

// Opens the database by name as the menu does: a file that cannot be opened is forgotten
// silently (the remembered last database is cleared) and nullptr is returned; otherwise the
// file is loaded, its window created and registered with the application state (the current
// winning numbers become the newest draw), the name is remembered, and the window is placed
// and shown.
DataBaseDialog* openDatabaseWindow(ApplicationState& state, QWidget* parent, const QString& path);
// The open database window, or nullptr.
DataBaseDialog* openDatabaseDialog(const ApplicationState& state);

}  // namespace qv::gui

#pragma once
// The window of the open draw database: its description and counts, the list of draws, and
// the buttons to paste, save, close and reach the update link. A view over the state's
// DatabaseDocument: it edits through the document and follows its signals.

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
#include "gui/common/database_document.h"
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

    // Shows the open database, `document`.
    DataBaseDialog(ApplicationState& state, DatabaseDocument& document, QWidget* parent);
    ~DataBaseDialog() override;

    DatabaseDocument& document() const { return document_; }
    const qv::DrawDatabase& database() const { return document_.database(); }
    TMyDataTicketWindow* listWindow() const { return list_; }

    // At the remembered position, three quarters of the desktop's bottom high.
    void placeFromSettings();
    // At `topLeft`, kept where its title bar can be reached, three quarters of the desktop's
    // bottom high or as much as the desktop leaves room for below it.
    void placeAt(const QPoint& topLeft);

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

    // Before a paste or an import inserts anything, the draws found are shown; the chooser
    // returns the ones to insert (nothing on Cancel). Replaceable so tests can answer; an
    // empty function brings the preview dialog back.
    using DrawChooser = std::function<std::vector<qv::TicketType>(std::vector<qv::PreviewRow> rows,
                                                                  const QString& source)>;
    void setDrawChooser(DrawChooser chooser) { chooseDraws_ = std::move(chooser); }

protected:
    FileRequest saveAsRequest() const override;
    QString cannotSaveText() const override;
    void rememberPath(const std::string& path) override;
    void documentClosing() override;
    void layOut() override;

private:
    void insertFound(const std::vector<qv::TicketType>& found, const QString& source);
    void showInformation();
    void updatePasteButton();
    void importFromFile();
    void openUpdateLink();
    void chooseBackground();
    void changeFade(int level);
    void loadBackground();
    void sortEntries();
    void reportAdded(int added, int lottoBefore);
    std::unique_ptr<Printout> chartPrintout(qv::print::PrintedChart chart, int triplesPageLimit);

    DatabaseDocument& document_;
    QLabel* description_ = nullptr;
    QLabel* information_ = nullptr;
    TMyDataTicketWindow* list_ = nullptr;
    QPushButton* pasteButton_ = nullptr;
    DrawChooser chooseDraws_;
};

// Opens the database by name as the menu does: a file that cannot be opened is forgotten
// silently (the remembered last database is cleared) and nullptr is returned; otherwise the
// file is loaded as the state's open database (the current winning numbers become the newest
// draw), its window is created, the name is remembered, and the window is placed and shown.
DataBaseDialog* openDatabaseWindow(ApplicationState& state, QWidget* parent, const QString& path);

// Inserts the draws into the open database by date; stops with a message (over `parent`)
// when the database is full. Returns how many were added.
int insertDraws(ApplicationState& state, DatabaseDocument& document, QWidget* parent,
                const std::vector<qv::TicketType>& draws);
// The status line shows `done` (a note of what was done, or nothing), followed by a note when
// the database's numbers in lotto were raised above `before` by a draw's higher number.
void reportNumbersInLotto(ApplicationState& state, const DatabaseDocument& document, int before,
                          const QString& done);
// "Change &Attributes...": the attributes editor over `parent`; false when cancelled.
bool editDatabaseAttributes(ApplicationState& state, DatabaseDocument& document, QWidget* parent);

// "Numbers in lotto raised to 52."
QString numbersInLottoRaised(int numbersInLotto);

}  // namespace qv::gui

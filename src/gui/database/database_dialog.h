#pragma once
// The window of the open draw database: its description and counts, the list of draws, and
// the buttons to paste, save, close and reach the update link. It owns the database.

#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

#include "core/database/draw_database.h"
#include "core/records/records.h"
#include "gui/app/open_document.h"

class QLabel;
class QPushButton;

namespace qv {
struct TicketFile;
}

namespace qv::gui {

class TMyMDIFrame;
class TMyDataTicketWindow;

class DataBaseDialog : public QDialog, public OpenDocument {
    Q_OBJECT

public:
    // Control ids, also the controls' object names.
    static constexpr int kDescription = 201;
    static constexpr int kInformation = 202;
    static constexpr int kPrintOptions = 108;
    static constexpr int kModifyNumbers = 103;
    static constexpr int kPaste = 505;
    static constexpr int kSave = 107;
    static constexpr int kCloseFile = 106;
    static constexpr int kUrl = 120;
    static constexpr int kSaveAs = 112;
    static constexpr int kListWindow = 300;

    // The rule measures the outer window, caption and borders included; this is what a
    // caption and its borders add to the inside.
    static constexpr int kFrameAllowance = 25;
    // Between the list and the buttons, and between the buttons.
    static constexpr int kButtonGap = 6;

    // Loads the database; check loaded() before showing it.
    DataBaseDialog(TMyMDIFrame* frame, const QString& path);
    ~DataBaseDialog() override;

    bool loaded() const { return loaded_; }
    qv::DrawDatabase& database() { return database_; }
    const qv::DrawDatabase& database() const { return database_; }
    TMyDataTicketWindow* listWindow() const { return list_; }

    // The open ticket file's results show per draw; nullptr when it closes.
    void setTicketFile(const qv::TicketFile* file);
    // Repaints the list, e.g. after the tickets changed.
    void refresh();
    // After the header or the entries changed elsewhere (modify entries): the information
    // line, the scroll range and the list follow.
    void databaseChanged();

    // At the remembered position, three quarters of the desktop's bottom high.
    void placeFromSettings();

    // OpenDocument
    bool isModified() const override { return database_.isModified(); }
    // Save, or Save As when the file cannot be written; false when nothing was saved.
    bool save() override;
    QPoint windowPosition() const override { return pos(); }

    // The buttons and the list's menu commands, by id.
    void runCommand(int id);
    bool saveAs();
    // Asks to save a modified database; false when the user kept it open.
    bool closeFile();
    void pasteFromClipboard();
    // Imports the draws of a text file, one a line; false when it could not be read.
    bool importFile(const QString& path);
    void changeAttributes();
    // Inserts by date; stops with a message when the database is full. Returns how many
    // were added.
    int insertDraws(const std::vector<qv::TicketType>& draws);

    // The close question, replaceable so tests can answer.
    using Question =
        std::function<QMessageBox::StandardButton(const QString& text, const QString& caption)>;
    void setCloseQuestion(Question question) { askClose_ = std::move(question); }

    // Escape does nothing: the window closes only with "Close File" or at exit.
    void reject() override {}

signals:
    void entryDoubleClicked(int entry);  // past performance of the ticket file on that draw
    void printOptionsRequested();
    void modifyNumbersRequested();
    // Draws were inserted, sorted or the attributes changed.
    void contentsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* makeButton(int id, const QString& text);
    void click(int sound = 503);
    void layOut();
    void showInformation();
    void updatePasteButton();
    void importFromFile();
    void openUpdateLink();
    void chooseBackground();
    void changeFade(int level);
    void loadBackground();
    void sortEntries();
    void reportAdded(int added);

    TMyMDIFrame* frame_;
    qv::DrawDatabase database_;
    bool loaded_ = false;
    bool closing_ = false;
    QLabel* description_ = nullptr;
    QLabel* information_ = nullptr;
    TMyDataTicketWindow* list_ = nullptr;
    std::vector<QPushButton*> buttons_;  // 108, 103, 505, 107, 106, 120
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* pasteButton_ = nullptr;
    Question askClose_;
};

// Opens the database by name as the menu does: a file that cannot be opened is forgotten
// silently (the remembered last database is cleared) and false is returned; otherwise the
// window is created, registered with the frame, the current winning numbers become the
// newest draw, the name is remembered, and the window is placed and shown.
bool openDatabaseWindow(TMyMDIFrame* frame, const QString& path);
// The open database window, or nullptr.
DataBaseDialog* openDatabaseDialog(TMyMDIFrame* frame);
// The ticket window tells which ticket file is open (nullptr when none), so that a database
// window open now or later shows its results.
void setOpenTicketFile(TMyMDIFrame* frame, const qv::TicketFile* file);

}  // namespace qv::gui

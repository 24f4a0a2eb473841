#pragma once
// What the windows share for the whole run: the settings, the application-wide flags that
// enable commands, the statistics options, the current winning numbers, the current My
// Numbers list, the open database and ticket documents, and the sound player. Windows get
// this object and follow its signals; none of them has to know the others.

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/commands.h"
#include "core/options/settings.h"
#include "core/print/print_common.h"
#include "core/records/records.h"
#include "gui/common/database_document.h"
#include "gui/common/ticket_document.h"
#include "gui/common/user_interaction.h"

class QPrinter;
class QWidget;

namespace qv::gui {

class SoundPlayer;

// Where the program reads and writes its files; tests point it at a temporary directory.
struct AppEnvironment {
    QString programDir;
    QString settingsPath;
    QString dataDir;

    // The running program's directories.
    static AppEnvironment fromApplication();
};

class ApplicationState : public QObject {
    Q_OBJECT

public:
    // Reads the settings file named by the environment (defaults when there is none) and
    // starts the sound player on the sound settings.
    explicit ApplicationState(const AppEnvironment& environment, QObject* parent = nullptr);
    ~ApplicationState() override;

    const AppEnvironment& environment() const { return environment_; }
    // The settings, read only: changes go through updateSettings.
    const qv::Settings& settings() const { return settings_; }
    // Changes the settings through `change`, then signals settingsChanged.
    void updateSettings(const std::function<void(qv::Settings&)>& change);
    // Writes the settings file; a failure is returned, not shown.
    qv::IoResult writeSettings() const;
    // A stored name such as ".\ticket.bmp" as a path inside the data directory.
    QString dataFile(const std::string& stored) const;

    SoundPlayer* soundPlayer() const { return soundPlayer_; }
    // How the windows reach the user: file choices, messages, sounds, other programs. The
    // desktop's own unless a test has put its fake in place (nullptr brings it back).
    UserInteraction& interaction() const { return *interaction_; }
    void setInteraction(UserInteraction* interaction) {
        interaction_ = interaction ? interaction : desktop_.get();
    }
    // The folder the program's own file chooser shows first: the one it last showed.
    const QString& fileSelectionDirectory() const { return fileSelectionDirectory_; }
    void setFileSelectionDirectory(const QString& directory) {
        fileSelectionDirectory_ = directory;
    }
    // The user has taken or saved a wheel outside the wheel library: the wheel picker opens
    // where the file selection was left rather than in the library.
    bool ownWheelFolder() const { return ownWheelFolder_; }
    void setOwnWheelFolder(bool own) { ownWheelFolder_ = own; }
    // The one printer: its page set-up is shared by every window that prints, for the whole
    // run. Made on first use.
    QPrinter& printer();

    // The folder of the last PDF file printed to, for the whole run; empty before the first.
    const QString& lastPrintFolder() const { return lastPrintFolder_; }
    void setLastPrintFolder(const QString& folder) { lastPrintFolder_ = folder; }

    // The page range of the ticket printout, remembered between prints for the whole run.
    const qv::print::PageRange& ticketPrintRange() const { return ticketPrintRange_; }
    void setTicketPrintRange(const qv::print::PageRange& range) { ticketPrintRange_ = range; }

    // The flags the command enabling looks at.
    const qv::AppState& flags() const { return flags_; }
    void setStatisticsOpen(qv::StatisticsKind kind, bool open);
    void setNumberListState(bool inUse, bool dialogOpen);

    // The open documents, owned here; nullptr when none is open. One database and one ticket
    // file at a time.
    Document* document(DocumentSlot slot) const;
    DatabaseDocument* databaseDocument() const { return database_.get(); }
    TicketDocument* ticketDocument() const { return tickets_.get(); }
    // The open database's and ticket file's data, or nullptr.
    const qv::DrawDatabase* database() const;
    const qv::TicketFile* ticketFile() const;
    // Makes the loaded database the open one (closing one open before): its newest draw
    // becomes the current winning numbers, and a later change of the newest draw does too.
    DatabaseDocument& openDatabase(qv::DrawDatabase database);
    // Makes the file the open ticket file (closing one open before); the database window
    // shows its results per draw.
    TicketDocument& openTicketFile(qv::TicketFile file);
    // Closes the document (nothing when it is not the open one); it is deleted once control
    // returns to the event loop. Closing the database keeps its statistics options in force.
    void closeDocument(const Document* document);

    // The database window's "&Modify Numbers" and its double click on draw `entry`: the
    // entry commands answer, with `window` as the parent of what they show.
    void requestModifyEntries(QWidget* window) { emit modifyEntriesRequested(window); }
    void requestPastPerformance(QWidget* window, int entry) {
        emit pastPerformanceRequested(window, entry);
    }

    // The statistics options in force: the open database's, or, with none open, the record
    // kept since the last one closed (all zero at start).
    const qv::StatisticsSettings& statisticsSettings() const;
    void setStatisticsSettings(const qv::StatisticsSettings& settings);

    const qv::TicketType& winningNumbers() const { return winningNumbers_; }
    void setWinningNumbers(const qv::TicketType& numbers);

    // The current My Numbers list, in the order chosen.
    const std::vector<int>& myNumbers() const { return myNumbers_; }
    void setMyNumbers(std::vector<int> numbers);

    // Where a document window goes when the user has never placed one: below the main
    // window's menus and tool bar. Set by the main window; empty until then.
    void setFirstWindowPosition(std::function<QPoint()> position) {
        firstWindowPosition_ = std::move(position);
    }
    std::optional<QPoint> firstWindowPosition() const {
        if (!firstWindowPosition_) return std::nullopt;
        return firstWindowPosition_();
    }

    // A short note for the main window's status line.
    void showStatus(const QString& text) { emit statusMessage(text); }

signals:
    void flagsChanged();
    // The settings changed; they are written to the file at exit.
    void settingsChanged();
    // A database was opened or closed, or its contents changed.
    void databaseChanged();
    // A ticket file was opened or closed, or its tickets changed.
    void ticketFileChanged();
    void modifyEntriesRequested(QWidget* window);
    void pastPerformanceRequested(QWidget* window, int entry);
    void winningNumbersChanged();
    void statisticsSettingsChanged();
    void myNumbersChanged();
    void statusMessage(const QString& text);

private:
    void setOpenFlag(DocumentSlot slot, bool open);
    // The open database's newest draw, when it differs from the one last seen, becomes the
    // current winning numbers.
    void followNewestDraw();

    AppEnvironment environment_;
    qv::Settings settings_;
    qv::AppState flags_;
    std::unique_ptr<DatabaseDocument> database_;
    std::unique_ptr<TicketDocument> tickets_;
    qv::StatisticsSettings statistics_;
    qv::TicketType winningNumbers_;
    // The newest entry of the open database as last seen.
    std::optional<qv::TicketType> newestEntry_;
    std::vector<int> myNumbers_;
    SoundPlayer* soundPlayer_ = nullptr;
    std::unique_ptr<DesktopInteraction> desktop_;
    UserInteraction* interaction_ = nullptr;
    QString fileSelectionDirectory_;
    bool ownWheelFolder_ = false;
    std::function<QPoint()> firstWindowPosition_;
    std::unique_ptr<QPrinter> printer_;
    qv::print::PageRange ticketPrintRange_;
    QString lastPrintFolder_;
};

}  // namespace qv::gui

#pragma once
// What the windows share for the whole run: the settings, the application-wide flags that
// enable commands, the statistics options, the current winning numbers, the current My
// Numbers list, the open database and ticket documents, and the sound player. Windows get
// this object and follow its signals; none of them has to know the others.

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/commands.h"
#include "core/options/settings.h"
#include "core/print/print_common.h"
#include "core/records/records.h"
#include "gui/common/open_document.h"
#include "gui/common/user_interaction.h"

class QPrinter;

namespace qv {
class DrawDatabase;
struct TicketFile;
}  // namespace qv

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
    qv::Settings& settings() { return settings_; }
    const qv::Settings& settings() const { return settings_; }
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

    // The page range of the ticket printout, remembered between prints for the whole run.
    const qv::print::PageRange& ticketPrintRange() const { return ticketPrintRange_; }
    void setTicketPrintRange(const qv::print::PageRange& range) { ticketPrintRange_ = range; }

    // The flags the command enabling looks at.
    const qv::AppState& flags() const { return flags_; }
    void setStatisticsOpen(qv::StatisticsKind kind, bool open);
    void setNumberListState(bool inUse, bool dialogOpen);

    // The open documents. A window registers when its file is open and unregisters
    // (nullptr) before it goes; this also sets the matching open flag.
    void setDocument(DocumentSlot slot, OpenDocument* document);
    OpenDocument* document(DocumentSlot slot) const;
    // The open database, owned by its window; nullptr when none is open.
    qv::DrawDatabase* database() const { return database_; }
    // Registers the database window and its database together (nullptrs when it closes).
    // Opening makes the newest draw the current winning numbers; closing keeps the
    // database's statistics options as the ones in force.
    void setDatabase(OpenDocument* window, qv::DrawDatabase* database);
    // The database window tells that its entries or header changed.
    void notifyDatabaseChanged();

    // The statistics options in force: the open database's, or, with none open, the record
    // kept since the last one closed (all zero at start).
    const qv::StatisticsSettings& statisticsSettings() const;
    void setStatisticsSettings(const qv::StatisticsSettings& settings);

    const qv::TicketType& winningNumbers() const { return winningNumbers_; }
    void setWinningNumbers(const qv::TicketType& numbers);

    // The current My Numbers list, in the order chosen.
    const std::vector<int>& myNumbers() const { return myNumbers_; }
    void setMyNumbers(std::vector<int> numbers);

    // The open ticket file, owned by its window; nullptr when none. The database window
    // shows its results per draw.
    const qv::TicketFile* ticketFile() const { return ticketFile_; }
    // The ticket window registers its file when it opens and nullptr before it goes; the
    // database window follows.
    void setTicketFile(const qv::TicketFile* file);
    // The open file's tickets changed: the database window repaints.
    void notifyTicketsChanged() { emit ticketFileChanged(); }

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
    // A database was opened or closed, or its contents changed.
    void databaseChanged();
    void ticketFileChanged();
    void winningNumbersChanged();
    void statisticsSettingsChanged();
    void myNumbersChanged();
    void statusMessage(const QString& text);

private:
    AppEnvironment environment_;
    qv::Settings settings_;
    qv::AppState flags_;
    std::array<OpenDocument*, 3> documents_{};
    qv::DrawDatabase* database_ = nullptr;
    qv::StatisticsSettings statistics_;
    qv::TicketType winningNumbers_;
    std::vector<int> myNumbers_;
    const qv::TicketFile* ticketFile_ = nullptr;
    SoundPlayer* soundPlayer_ = nullptr;
    std::unique_ptr<DesktopInteraction> desktop_;
    UserInteraction* interaction_ = nullptr;
    QString fileSelectionDirectory_;
    bool ownWheelFolder_ = false;
    std::function<QPoint()> firstWindowPosition_;
    std::unique_ptr<QPrinter> printer_;
    qv::print::PageRange ticketPrintRange_;
};

}  // namespace qv::gui

#pragma once
// The main window: menu, tool bar, the MDI desktop, command enabling, the application-wide
// state the other windows share, and the save questions and settings write at exit.

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

#include "core/app/commands.h"
#include "core/app/settings.h"
#include "core/records/records.h"
#include "gui/app/open_document.h"

class QMenu;
class QToolBar;

namespace qv {
struct TicketFile;
}

namespace qv::gui {

class SoundPlayer;
class TButtonMenuGadget;
class TMyMDIClient;

// Where the frame reads and writes its files; tests point it at a temporary directory.
struct FrameEnvironment {
    QString programDir;
    QString settingsPath;
    QString dataDir;

    // The running program's directories.
    static FrameEnvironment fromApplication();
};

class TMyMDIFrame : public QMainWindow {
    Q_OBJECT
public:
    // Reads the settings, places the frame and builds its menu and tool bar.
    explicit TMyMDIFrame(const FrameEnvironment& environment, QWidget* parent = nullptr);
    ~TMyMDIFrame() override;

    // Reopens the files of the last session, or the files named on the command line in
    // their place. Called once the frame is shown.
    void setupWindow(const QStringList& commandLineFiles = {});
    // The exit questions and the settings write; false only when a file the user wanted
    // saved could not be saved, which keeps the program open.
    bool canClose();

    TMyMDIClient* client() const { return client_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The action of a menu command or tool-bar button, by command id.
    QAction* commandAction(int commandId) const { return actions_.value(commandId); }
    TButtonMenuGadget* menuGadget(int commandId) const;
    QMenu* desktopMenu() const { return desktopMenu_; }

    const FrameEnvironment& environment() const { return environment_; }
    qv::Settings& settings() { return settings_; }
    const qv::Settings& settings() const { return settings_; }
    qv::TicketType& currentWinningNumbers() { return winningNumbers_; }
    qv::StatisticsSettings& statisticsSettings() { return statisticsSettings_; }
    SoundPlayer* soundPlayer() const { return soundPlayer_; }
    // A stored name such as ".\ticket.bmp" as a path inside the data directory.
    QString dataFile(const std::string& stored) const;

    // Application-wide flags; every change re-applies the command enabling.
    const qv::AppState& appState() const { return state_; }
    void setAppState(const qv::AppState& state);
    void setStatisticsOpen(qv::StatisticsKind kind, bool open);
    void setNumberListState(bool inUse, bool dialogOpen);

    // A window with an open file registers here (nullptr when it closes); this also sets
    // the matching open flag.
    void setOpenDocument(DocumentSlot slot, OpenDocument* document);
    OpenDocument* openDocument(DocumentSlot slot) const;

    // Open a database or ticket file by name, as if chosen from the menu; false when nothing
    // was opened. A file that cannot be opened is forgotten as the last one of its kind.
    bool openDatabaseByName(const QString& path);
    // Until the ticket windows exist, the file is read and kept here, attached: the database
    // window shows its results. Another one replaces it. A damaged file is reported.
    bool openTicketFileByName(const QString& path);
    const qv::TicketFile* attachedTicketFile() const { return ticketFile_.get(); }

    // The installed manual's first page, and the address "Online Manual" opens: the web
    // edition when QV_MANUAL_URL (or the build) names one, otherwise the installed manual.
    QString manualIndexPath() const;
    QUrl onlineManualUrl() const;

    // Runs a command as the menu and tool bar do; a tool-bar id runs its menu command.
    void runCommand(int commandId);
    // Lets the window that owns a command take it over.
    void setCommandHandler(int commandId, std::function<void()> handler);
    void updateCommandEnabling();

    void setWallpaperOrientation(int orientation);

    // Asks a Yes/No question; replaceable so tests can answer.
    using YesNoQuestion = std::function<bool(const QString& text, const QString& caption)>;
    void setYesNoQuestion(YesNoQuestion question) { askYesNo_ = std::move(question); }
    // Tells the user of a failure; replaceable so tests can listen.
    using Notice = std::function<void(const QString& text, const QString& caption)>;
    void setNotice(Notice notice) { notice_ = std::move(notice); }
    // Opens an address in the desktop's browser; replaceable so tests start no browser.
    using UrlOpener = std::function<bool(const QUrl& url)>;
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    QAction* makeAction(int id, const char* text, const char* tip);
    QMenu* makeMenu(const QString& title, QWidget* parent);
    void placeFrame();
    void showSoundOptions();
    void showAbout();
    void openDatabaseCommand();
    void openTicketFileCommand();
    void showManual(const QUrl& url);

    FrameEnvironment environment_;
    qv::Settings settings_;
    qv::AppState state_;
    qv::TicketType winningNumbers_;
    qv::StatisticsSettings statisticsSettings_;
    std::array<OpenDocument*, 3> documents_{};

    TMyMDIClient* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* desktopMenu_ = nullptr;
    SoundPlayer* soundPlayer_ = nullptr;
    QHash<int, QAction*> actions_;
    QHash<int, TButtonMenuGadget*> menuGadgets_;
    QHash<int, std::function<void()>> handlers_;
    YesNoQuestion askYesNo_;
    Notice notice_;
    UrlOpener openUrl_;

    std::unique_ptr<qv::TicketFile> ticketFile_;
};

}  // namespace qv::gui

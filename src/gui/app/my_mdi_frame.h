#pragma once
// The main window: menu, tool bar, the MDI desktop, command enabling, the application-wide
// state the other windows share, and the save questions and settings write at exit.

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "core/app/commands.h"
#include "core/app/settings.h"
#include "core/records/records.h"
#include "gui/app/open_document.h"

class QMenu;
class QToolBar;

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

    // Open a database or ticket file by name, as if chosen from the menu.
    // TODO(database, tickets window): these only remember the name until the windows exist;
    // they answer whether the file is there.
    bool openDatabaseByName(const QString& path);
    bool openTicketFileByName(const QString& path);
    QString requestedDatabase() const { return requestedDatabase_; }
    QString requestedTicketFile() const { return requestedTicketFile_; }

    // Runs a command as the menu and tool bar do; a tool-bar id runs its menu command.
    void runCommand(int commandId);
    // Lets the window that owns a command take it over.
    void setCommandHandler(int commandId, std::function<void()> handler);
    void updateCommandEnabling();

    void setWallpaperOrientation(int orientation);

    // Asks a Yes/No question; replaceable so tests can answer.
    using YesNoQuestion = std::function<bool(const QString& text, const QString& caption)>;
    void setYesNoQuestion(YesNoQuestion question) { askYesNo_ = std::move(question); }

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

    QString requestedDatabase_;
    QString requestedTicketFile_;
};

}  // namespace qv::gui

#pragma once
// The main window: menu, tool bar, the MDI desktop, command enabling, and the save
// questions and settings write at exit. What the windows share lives in ApplicationState.

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

#include "core/app/commands.h"
#include "core/options/settings.h"
#include "core/records/records.h"
#include "gui/common/application_state.h"

class QMenu;
class QToolBar;

namespace qv::gui {

class TButtonMenuGadget;
class TMyMDIClient;

class TMyMDIFrame : public QMainWindow {
    Q_OBJECT
public:
    // Places the frame by the settings and builds its menu and tool bar.
    explicit TMyMDIFrame(ApplicationState& state, QWidget* parent = nullptr);
    ~TMyMDIFrame() override;

    // Reopens the files of the last session, or the files named on the command line in
    // their place: the first database, the first ticket file (by its name or its signature)
    // and the first wheeling table. Called once the frame is shown.
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

    ApplicationState& state() const { return state_; }

    // Open a database or ticket file by name, as if chosen from the menu; false when nothing
    // was opened. A file that cannot be opened is forgotten as the last one of its kind.
    bool openDatabaseByName(const QString& path);
    // The ticket file opens in the window of its kind; nothing opens while a ticket file is
    // open. A damaged file is reported.
    bool openTicketFileByName(const QString& path);
    // A wheeling table named on the command line starts "Use Wheeling Table..." on it, through
    // the opener the wheel ticket window registers; until then the command is not available.
    using FileOpener = std::function<void(const QString& path)>;
    void setWheelingTableOpener(FileOpener opener) { openWheelingTable_ = std::move(opener); }
    void openWheelingTableByName(const QString& path);

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void installBuiltInCommands();
    void placeFrame();
    void showSoundOptions();
    void showAbout();
    void openDatabaseCommand();
    void openTicketFileCommand();
    void showManual(const QUrl& url);

    void showNotAvailable();
    void runDeskTopOptions();

    ApplicationState& state_;

    TMyMDIClient* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* desktopMenu_ = nullptr;
    QHash<int, QAction*> actions_;
    QHash<int, TButtonMenuGadget*> menuGadgets_;
    QHash<int, std::function<void()>> handlers_;
    FileOpener openWheelingTable_;
};

}  // namespace qv::gui

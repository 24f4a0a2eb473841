#include "gui/app/my_mdi_frame.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "core/app/startup_files.h"
#include "core/view/placement.h"
#include "gui/app/about_dialog.h"
#include "gui/app/command_table.h"
#include "gui/app/exit_saves.h"
#include "gui/app/manual.h"
#include "gui/app/my_mdi_client.h"
#include "gui/common/app_paths.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"
#include "gui/common/window_placement.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/entry_commands.h"
#include "gui/lists/list_commands.h"
#include "gui/options/desktop_options.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/options/sound_options_dialog.h"
#include "gui/statistics/statistics_commands.h"
#include "gui/tickets/ticket_commands.h"
#include "gui/wheels/generate_wheel_dialog.h"
#include "gui/wheels/import_wheel_dialog.h"

namespace qv::gui {

namespace {

qv::Rect toRect(const QRect& r) {
    return qv::Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

TMyMDIFrame::TMyMDIFrame(ApplicationState& state, QWidget* parent)
    : QMainWindow(parent), state_(state) {
    initAppResources();
    client_ = new TMyMDIClient(this);
    setCentralWidget(client_);
    setWindowTitle(tr("Quorvantile"));

    placeFrame();
    setWindowIcon(applicationIcon());

    CommandBars bars = buildCommandBars(
        this, [this](int id) { runCommand(id); }, [this] { updateCommandEnabling(); });
    actions_ = std::move(bars.actions);
    menuGadgets_ = std::move(bars.menuGadgets);
    toolBar_ = bars.toolBar;
    desktopMenu_ = bars.desktopMenu;
    client_->setDesktopMenu(desktopMenu_);
    statusBar();
    installBuiltInCommands();

    setWallpaperOrientation(state_.settings().wallpaperOrientation);

    installStatisticsCommands(
        state_, client_,
        [this](int id, std::function<void()> handler) {
            setCommandHandler(id, std::move(handler));
        },
        [this] { showManual(manualPage(state_.environment().dataDir, QStringLiteral("statistics.html"))); });

    installEntryCommands(state_, this, [this](int id, std::function<void()> handler) {
        setCommandHandler(id, std::move(handler));
    });

    const auto registrar = [this](int id, std::function<void()> handler) {
        setCommandHandler(id, std::move(handler));
    };
    installTicketCommands(state_, this, registrar);
    installListCommands(state_, this, registrar);
    const QString wheelLibrary = wheelLibraryFor(state_.environment().dataDir);
    installWheelImportCommands(
        state_.interaction(), this, registrar,
        [this] {
            showManual(
                manualPage(state_.environment().dataDir, QStringLiteral("import-wheels.html")));
        },
        {[this, wheelLibrary] { return FileSelection::wheelFolder(state_, wheelLibrary); },
         [this, wheelLibrary](const QString& path) {
             FileSelection::noteWheelFile(state_, path, wheelLibrary);
         }});
    installWheelGenerateCommands(
        state_.interaction(), this, registrar, state_.environment().dataDir,
        {wheelLibrary,
         [this, wheelLibrary] { return FileSelection::wheelFolder(state_, wheelLibrary); },
         [this, wheelLibrary](const QString& path) {
             FileSelection::noteWheelFile(state_, path, wheelLibrary);
         }},
        [this] {
            showManual(
                manualPage(state_.environment().dataDir, QStringLiteral("generate-wheels.html")));
        });
    setWheelingTableOpener([this](const QString& path) { useWheelingTable(state_, this, path); });

    state_.setFirstWindowPosition([this] {
        const int below = menuBar()->sizeHint().height() + toolBar_->sizeHint().height();
        // From the outer corner the frame was placed at: the window manager may not have
        // framed the window yet, so the inside's position is not to be trusted here. Two
        // title bars' allowance leaves the tool bar clear.
        return pos() + QPoint(8, 2 * DataBaseDialog::kFrameAllowance + below);
    });
    connect(&state_, &ApplicationState::flagsChanged, this, &TMyMDIFrame::updateCommandEnabling);
    connect(&state_, &ApplicationState::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, 8000); });
    updateCommandEnabling();
}

TMyMDIFrame::~TMyMDIFrame() {
    // The windows that registered documents go with the frame's children.
    disconnect(&state_, nullptr, this, nullptr);
    state_.setFirstWindowPosition({});
}

void TMyMDIFrame::placeFrame() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Kept as "the rectangle last read or computed" for an exit while maximized.
    state_.updateSettings([&](qv::Settings& settings) {
        settings.mainRect = qv::initialMainRect(settings, toRect(desktop));
    });
    const qv::Rect& r = state_.settings().mainRect;
    const qv::Point at =
        qv::keepTitleBarReachable(qv::Point{r.left, r.top}, r.width(), toRect(desktop));
    move(at.x, at.y);
    resize(r.width(), r.height());
}

TButtonMenuGadget* TMyMDIFrame::menuGadget(int commandId) const {
    return menuGadgets_.value(commandId);
}

void TMyMDIFrame::updateCommandEnabling() {
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        it.value()->setEnabled(qv::isCommandEnabled(it.key(), state_.flags()));
    }
}

bool TMyMDIFrame::openDatabaseByName(const QString& path) {
    DataBaseDialog* dialog = openDatabaseWindow(state_, this, path);
    if (!dialog) return false;
    // The first time, the window goes below the tool bar so that the menus and the tool bar
    // stay in reach, at the right of the desktop so that the main window's work area stays in
    // view on the left for the charts.
    if (!state_.settings().databaseWindowPosRead) {
        if (const auto at = state_.firstWindowPosition()) {
            const QRect desktop = availableDesktopFor(this);
            const int right = desktop.x() + desktop.width() - dialog->frameGeometry().width();
            dialog->placeAt(QPoint(std::max(desktop.x(), right), at->y()));
        }
    }
    return true;
}

bool TMyMDIFrame::openTicketFileByName(const QString& path) {
    qv::IoResult read;
    if (openTicketFileWindow(state_, this, path, &read)) return true;
    if (read.status == qv::IoStatus::Damaged) {
        state_.interaction().showProblem(
            this, tr("Quorvantile"),
            tr("The ticket file %1 is damaged and cannot be opened.\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(read.message)));
    }
    return false;
}

QString TMyMDIFrame::manualIndexPath() const {
    return qv::gui::manualIndexPath(state_.environment().dataDir);
}

QUrl TMyMDIFrame::onlineManualUrl() const {
    return qv::gui::onlineManualUrl(state_.environment().dataDir);
}

void TMyMDIFrame::showManual(const QUrl& url) {
    UserInteraction& ui = state_.interaction();
    qv::gui::showManual(
        url, [&ui](const QUrl& address) { return ui.openUrl(address); },
        [this, &ui](const QString& text) { ui.showProblem(this, tr("Quorvantile"), text); });
}

void TMyMDIFrame::openDatabaseCommand() {
    const QString path =
        FileSelection::getFile(state_, this, QStringLiteral("*.dat"),
                               tr("Quorvantile Database Files *.dat"), tr("Select File"));
    if (!path.isEmpty()) openDatabaseByName(path);
}

void TMyMDIFrame::openTicketFileCommand() {
    const QString path =
        FileSelection::getFile(state_, this, QStringLiteral("*.qvt"),
                               tr("Quorvantile Ticket Files *.qvt"), tr("Select File"));
    if (!path.isEmpty()) openTicketFileByName(path);
}

void TMyMDIFrame::setupWindow(const QStringList& commandLineFiles) {
    const qv::Settings& settings = state_.settings();
    std::vector<std::string> names;
    for (const QString& name : commandLineFiles) names.push_back(name.toStdString());
    const qv::StartupFiles files =
        qv::chooseStartupFiles(names, settings.lastDatabase, settings.lastTicketFile);
    if (!files.database.empty() && !openDatabaseByName(QString::fromStdString(files.database)) &&
        files.databaseFromLastSession) {
        state_.updateSettings([](qv::Settings& s) { s.lastDatabase.clear(); });
    }
    if (!files.ticketFile.empty() &&
        !openTicketFileByName(QString::fromStdString(files.ticketFile)) &&
        files.ticketFileFromLastSession) {
        state_.updateSettings([](qv::Settings& s) { s.lastTicketFile.clear(); });
    }
    // As from the menu: not while a ticket file is open.
    if (!files.wheelingTable.empty() &&
        qv::isCommandEnabled(qv::cmd::kUseWheelingTable, state_.flags())) {
        openWheelingTableByName(QString::fromStdString(files.wheelingTable));
    }
}

void TMyMDIFrame::openWheelingTableByName(const QString& path) {
    if (openWheelingTable_) {
        openWheelingTable_(path);
    } else {
        showNotAvailable();
    }
}

void TMyMDIFrame::setCommandHandler(int commandId, std::function<void()> handler) {
    handlers_.insert(commandId, std::move(handler));
}

void TMyMDIFrame::installBuiltInCommands() {
    using namespace qv::cmd;
    const std::pair<int, std::function<void()>> builtIn[] = {
        {kExit, [this] { close(); }},
        {kSoundEffects, [this] { showSoundOptions(); }},
        {kDeskTopSettings, [this] { runDeskTopOptions(); }},
        {kOpenDatabase, [this] { openDatabaseCommand(); }},
        {kOpenTicketFile, [this] { openTicketFileCommand(); }},
        {kCreateDatabase, [this] { createDatabaseCommand(state_, this); }},
        {kHelpIndex, [this] { showManual(QUrl::fromLocalFile(manualIndexPath())); }},
        {kOnlineManual, [this] { showManual(onlineManualUrl()); }},
        {kAbout, [this] { showAbout(); }},
    };
    for (const auto& [id, handler] : builtIn) setCommandHandler(id, handler);
    for (int id : {kWallpaperStretched, kWallpaperTiled, kWallpaperCentered}) {
        setCommandHandler(id, [this, id] { setWallpaperOrientation(qv::wallpaperOrientationFor(id)); });
    }
}

void TMyMDIFrame::runCommand(int commandId) {
    if (!qv::isCommandEnabled(commandId, state_.flags())) return;
    const int id = qv::menuCommandFor(commandId);
    if (const auto handler = handlers_.value(id)) {
        handler();
    } else if (isKnownCommand(id)) {
        // The windows behind the other commands register their handlers as they arrive.
        showNotAvailable();
    }
}

void TMyMDIFrame::showNotAvailable() {
    state_.interaction().showNotAvailableYet(this);
}

void TMyMDIFrame::runDeskTopOptions() {
    qv::DeskTopType copy = state_.settings().mainWallpaper;
    DeskTopOptions dialog(state_.interaction(), this, &copy, state_.environment().dataDir);
    if (dialog.exec() != QDialog::Accepted) return;
    state_.updateSettings([&](qv::Settings& s) { s.mainWallpaper = copy; });
    client_->viewport()->update();
}

void TMyMDIFrame::setWallpaperOrientation(int orientation) {
    state_.updateSettings([=](qv::Settings& s) { s.wallpaperOrientation = orientation; });
    client_->setOrientation(orientation);
    const int checkedId = qv::wallpaperCommand(orientation);
    for (int id :
         {qv::cmd::kWallpaperStretched, qv::cmd::kWallpaperTiled, qv::cmd::kWallpaperCentered}) {
        actions_.value(id)->setChecked(id == checkedId);
    }
}

void TMyMDIFrame::showSoundOptions() {
    // The sound switch acts at once, on the settings the sound player follows.
    state_.updateSettings([this](qv::Settings& settings) {
        TSoundOptionsDialog dialog(settings.sound, state_.interaction(), this);
        dialog.exec();
    });
}

void TMyMDIFrame::showAbout() {
    TMyAboutDialog dialog(this);
    dialog.exec();
}

bool TMyMDIFrame::canClose() {
    if (!offerSavesAtExit(state_, this)) return false;
    // Placed with move() and resize(), so taken back the same way: the outer top-left
    // corner and the inner size.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        const qv::Rect rect{x(), y(), x() + width(), y() + height()};
        state_.updateSettings([&](qv::Settings& settings) { settings.mainRect = rect; });
    }
    if (const qv::IoResult written = state_.writeSettings(); !written)
        qWarning("Settings not saved: %s", written.message.c_str());
    return true;
}

void TMyMDIFrame::closeEvent(QCloseEvent* event) {
    if (canClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace qv::gui

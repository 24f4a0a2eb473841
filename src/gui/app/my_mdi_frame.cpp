#include "gui/app/my_mdi_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "core/tickets/ticket_file.h"
#include "core/util/paths.h"
#include "core/view/placement.h"
#include "gui/app/about_dialog.h"
#include "gui/app/button_menu_gadget.h"
#include "gui/app/my_mdi_client.h"
#include "gui/common/app_paths.h"
#include "gui/common/file_dialogs.h"
#include "gui/common/sound_player.h"
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

// The manual's web edition; a build may name one. Empty: the installed manual serves.
#ifndef QV_ONLINE_MANUAL_URL
#define QV_ONLINE_MANUAL_URL ""
#endif

namespace qv::gui {

namespace {

// The tool-bar glyphs' size; each gadget is exactly this big.
constexpr QSize kGadgetSize(55, 49);

QIcon glyph(int id) {
    return QIcon(QStringLiteral(":/app/images/glyph_%1.png").arg(id));
}

qv::Rect toRect(const QRect& r) {
    return qv::Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// A fixed gap of the tool bar.
QWidget* gap(int width, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(QStringLiteral("gap"));
    w->setFixedWidth(width);
    return w;
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

    buildActions();
    buildMenus();
    buildToolBar();
    statusBar();

    setWallpaperOrientation(state_.settings().wallpaperOrientation);

    askYesNo_ = [this](const QString& text, const QString& caption) {
        return QMessageBox::question(this, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    };
    notice_ = [this](const QString& text, const QString& caption) {
        QMessageBox::warning(this, caption, text, QMessageBox::Ok);
    };
    openUrl_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    installStatisticsCommands(
        state_, client_,
        [this](int id, std::function<void()> handler) {
            setCommandHandler(id, std::move(handler));
        },
        [this] {
            // The options dialog's own page when the manual has one.
            const QString page = QDir(state_.environment().dataDir)
                                     .filePath(QStringLiteral("manual/statistics.html"));
            showManual(QUrl::fromLocalFile(QFileInfo::exists(page) ? page : manualIndexPath()));
        });

    installEntryCommands(state_, this, [this](int id, std::function<void()> handler) {
        setCommandHandler(id, std::move(handler));
    });

    const auto registrar = [this](int id, std::function<void()> handler) {
        setCommandHandler(id, std::move(handler));
    };
    installTicketCommands(state_, this, registrar);
    installListCommands(state_, this, registrar);
    installWheelImportCommands(this, registrar, [this] {
        const QString page = QDir(state_.environment().dataDir)
                                 .filePath(QStringLiteral("manual/import-wheels.html"));
        showManual(QUrl::fromLocalFile(QFileInfo::exists(page) ? page : manualIndexPath()));
    });
    const QString wheelLibrary = wheelLibraryFor(state_.environment().dataDir);
    installWheelGenerateCommands(
        this, registrar, state_.environment().dataDir,
        {wheelLibrary, [wheelLibrary] { return FileSelection::wheelFolder(wheelLibrary); },
         [wheelLibrary](const QString& path) { FileSelection::noteWheelFile(path, wheelLibrary); }},
        [this] {
            const QString page = QDir(state_.environment().dataDir)
                                     .filePath(QStringLiteral("manual/generate-wheels.html"));
            showManual(QUrl::fromLocalFile(QFileInfo::exists(page) ? page : manualIndexPath()));
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
    qv::Settings& settings = state_.settings();
    // Kept as "the rectangle last read or computed" for an exit while maximized.
    settings.mainRect = qv::initialMainRect(settings, toRect(desktop));
    const qv::Rect& r = settings.mainRect;
    const qv::Point at =
        qv::keepTitleBarReachable(qv::Point{r.left, r.top}, r.width(), toRect(desktop));
    move(at.x, at.y);
    resize(r.width(), r.height());
}

QAction* TMyMDIFrame::makeAction(int id, const char* text, const char* tip) {
    auto* action = new QAction(tr(text), this);
    action->setData(id);
    action->setStatusTip(tr(tip));
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions_.insert(id, action);
    return action;
}

void TMyMDIFrame::buildActions() {
    using namespace qv::cmd;
    makeAction(kUseWheelingTable, QT_TR_NOOP("Use &Wheeling Table..."),
               QT_TR_NOOP("Create a ticket file by applying a wheeling table to your numbers"));
    makeAction(kEnterTicketsManually, QT_TR_NOOP("Enter Tickets &Manually..."),
               QT_TR_NOOP("Create a ticket file by entering its tickets one by one"));
    makeAction(kOpenTicketFile, QT_TR_NOOP("&Open Ticket File..."),
               QT_TR_NOOP("Open an existing ticket file"));
    makeAction(kImportWheelingTable, QT_TR_NOOP("&Import Wheeling Table..."),
               QT_TR_NOOP("Import a wheeling table from text"));
    makeAction(kGenerateWheelingTable, QT_TR_NOOP("&Generate Wheeling Table..."),
               QT_TR_NOOP("Make a wheeling table with as few tickets as a search can find"));
    makeAction(kExit, QT_TR_NOOP("E&xit"), QT_TR_NOOP("Quit Quorvantile"));

    makeAction(kEnterNewWinners, QT_TR_NOOP("&Enter New..."),
               QT_TR_NOOP("Enter new numbers into the opened database"));
    makeAction(kFrequencyOfWinningNumbers, QT_TR_NOOP("&Frequency of Winning Numbers"),
               QT_TR_NOOP("Chart how often each number was drawn"));
    makeAction(kFrequencyOfBonusNumbers, QT_TR_NOOP("Frequency of &Bonus Numbers"),
               QT_TR_NOOP("Chart how often each bonus number was drawn"));
    makeAction(kFrequencyOfPairs, QT_TR_NOOP("Frequency of &Pairs"),
               QT_TR_NOOP("Count how often each pair of numbers was drawn together"));
    makeAction(kFrequencyOfTriples, QT_TR_NOOP("Frequency of &Triples"),
               QT_TR_NOOP("Count how often each triple of numbers was drawn together"));
    makeAction(kSkippingHabit, QT_TR_NOOP("&Skipping Habit"),
               QT_TR_NOOP("Chart how many draws each number skips between hits"));
    makeAction(kClusterAnalysis, QT_TR_NOOP("&Cluster Analysis"),
               QT_TR_NOOP("Chart the draws by date and number"));

    makeAction(kCreateDatabase, QT_TR_NOOP("&Create DataBase..."),
               QT_TR_NOOP("Create a new game database"));
    makeAction(kOpenDatabase, QT_TR_NOOP("&Open DataBase..."),
               QT_TR_NOOP("Open an existing game database"));

    makeAction(kCreateList, QT_TR_NOOP("&Create a List..."),
               QT_TR_NOOP("Make a new list of your favorite numbers"));
    makeAction(kSelectList, QT_TR_NOOP("&Select a List..."),
               QT_TR_NOOP("Choose a saved list of your favorite numbers"));
    makeAction(kEditCurrentList, QT_TR_NOOP("&Edit Current List..."),
               QT_TR_NOOP("Change the list of favorite numbers in use"));

    makeAction(kStatisticsOptions, QT_TR_NOOP("&Statistics..."),
               QT_TR_NOOP("Modify statistics options for the opened database"));
    makeAction(kSoundEffects, QT_TR_NOOP("Sound &Effects ..."),
               QT_TR_NOOP("Choose the sound effects and the score sounds"));
    // Check marks rather than radio bullets; setWallpaperOrientation keeps exactly one set.
    for (QAction* a : {makeAction(kWallpaperStretched, QT_TR_NOOP("&Stretched"),
                                  QT_TR_NOOP("Stretch the desktop picture over the whole desktop")),
                       makeAction(kWallpaperTiled, QT_TR_NOOP("&Tiled"),
                                  QT_TR_NOOP("Repeat the desktop picture over the desktop")),
                       makeAction(kWallpaperCentered, QT_TR_NOOP("&Centered"),
                                  QT_TR_NOOP("Show the desktop picture once, in the middle"))}) {
        a->setCheckable(true);
    }
    makeAction(kDeskTopSettings, QT_TR_NOOP("&Desktop Settings..."),
               QT_TR_NOOP("Choose the desktop picture and its fade"));

    makeAction(kHelpIndex, QT_TR_NOOP("&Index"), QT_TR_NOOP("Open the manual"));
    makeAction(kOnlineManual, QT_TR_NOOP("&Online Manual"),
               QT_TR_NOOP("Open the manual in your web browser"));
    makeAction(kAbout, QT_TR_NOOP("&About..."), QT_TR_NOOP("Show the program's name and version"));

    // Tool-bar buttons carry their own ids and hints.
    struct Tool {
        int id;
        int glyph;
        const char* hint;
    };
    static const Tool tools[] = {
        {kToolCreateTicketFile, 7, QT_TR_NOOP("Create a new ticket file")},
        {kToolOpenTicketFile, 9, QT_TR_NOOP("Open an existing ticket file")},
        {kToolImportWheelingTable, 14, QT_TR_NOOP("Import wheeling table")},
        {kToolOpenDatabase, 8, QT_TR_NOOP("Open an existing game database")},
        {kToolCreateDatabase, 6, QT_TR_NOOP("Create a new game database")},
        {kToolEnterNewWinners, 10, QT_TR_NOOP("Enter new numbers into the opened database")},
        {kToolStatistics, 11, QT_TR_NOOP("Statistics on the opened database")},
        {kToolStatisticsOptions, 13,
         QT_TR_NOOP("Modify statistics options for the opened database")},
        {kToolNumberLists, 12, QT_TR_NOOP("Maintain a list of your favorite numbers")},
        {kToolHelp, 15, QT_TR_NOOP("Help")},
    };
    for (const Tool& t : tools) {
        QAction* a = makeAction(t.id, t.hint, t.hint);
        a->setIcon(glyph(t.glyph));
        a->setToolTip(tr(t.hint));
    }
}

QMenu* TMyMDIFrame::makeMenu(const QString& title, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    connect(menu, &QMenu::aboutToShow, this, &TMyMDIFrame::updateCommandEnabling);
    return menu;
}

void TMyMDIFrame::buildMenus() {
    using namespace qv::cmd;
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(actions_.value(id));
            }
        }
    };
    QMenuBar* bar = menuBar();

    QMenu* file = makeMenu(tr("&File"), bar);
    QMenu* create = makeMenu(tr("&Create Ticket File"), file);
    add(create, {kUseWheelingTable, kEnterTicketsManually});
    file->addMenu(create);
    add(file, {kOpenTicketFile, 0, kImportWheelingTable, kGenerateWheelingTable, 0, kExit});
    bar->addMenu(file);

    QMenu* winning = makeMenu(tr("&Winning Numbers"), bar);
    add(winning, {kEnterNewWinners});
    QMenu* statistics = makeMenu(tr("&Statistics"), winning);
    add(statistics, {kFrequencyOfWinningNumbers, kFrequencyOfBonusNumbers, kFrequencyOfPairs,
                     kFrequencyOfTriples, kSkippingHabit, kClusterAnalysis});
    winning->addMenu(statistics);
    bar->addMenu(winning);

    QMenu* database = makeMenu(tr("&Database"), bar);
    add(database, {kCreateDatabase, kOpenDatabase});
    bar->addMenu(database);

    QMenu* numbers = makeMenu(tr("&My Numbers"), bar);
    add(numbers, {kCreateList, kSelectList, kEditCurrentList});
    bar->addMenu(numbers);

    QMenu* options = makeMenu(tr("&Options"), bar);
    add(options, {kStatisticsOptions, kSoundEffects, 0});
    QMenu* wallpaper = makeMenu(tr("&Wallpaper"), options);
    add(wallpaper, {kWallpaperStretched, kWallpaperTiled, kWallpaperCentered, 0, kDeskTopSettings});
    options->addMenu(wallpaper);
    bar->addMenu(options);

    QMenu* help = makeMenu(tr("&Help"), bar);
    add(help, {kHelpIndex, kOnlineManual, 0, kAbout});
    bar->addMenu(help);

    // The same choices on a right click on the desktop.
    desktopMenu_ = makeMenu(tr("&Wallpaper"), this);
    add(desktopMenu_,
        {kWallpaperStretched, kWallpaperTiled, kWallpaperCentered, 0, kDeskTopSettings});
    client_->setDesktopMenu(desktopMenu_);
}

void TMyMDIFrame::buildToolBar() {
    using namespace qv::cmd;
    toolBar_ = new QToolBar(tr("Tool Bar"), this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->setIconSize(kGadgetSize);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Gadgets sit side by side; the dividers make the gaps.
    toolBar_->layout()->setSpacing(0);
    QFont gadgetFont = toolBar_->font();
    gadgetFont.setPointSize(10);
    toolBar_->setFont(gadgetFont);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    const QPixmap dividerBitmap(QStringLiteral(":/app/images/divider_1.png"));
    auto divider = [&] {
        toolBar_->addWidget(gap(6, toolBar_));
        auto* label = new QLabel(toolBar_);
        label->setObjectName(QStringLiteral("divider"));
        label->setPixmap(dividerBitmap);
        label->setFixedSize(dividerBitmap.size());
        toolBar_->addWidget(label);
        toolBar_->addWidget(gap(6, toolBar_));
    };
    auto menuButton = [&](int id, std::initializer_list<int> items) {
        QMenu* popup = makeMenu(QString(), this);
        for (int item : items) {
            if (item == 0) {
                popup->addSeparator();
            } else {
                popup->addAction(actions_.value(item));
            }
        }
        auto* gadget = new TButtonMenuGadget(id, actions_.value(id), popup, toolBar_);
        menuGadgets_.insert(id, gadget);
        toolBar_->addWidget(gadget);
    };

    menuButton(kToolCreateTicketFile, {kUseWheelingTable, kEnterTicketsManually});
    toolBar_->addAction(actions_.value(kToolOpenTicketFile));
    toolBar_->addAction(actions_.value(kToolImportWheelingTable));
    divider();
    toolBar_->addAction(actions_.value(kToolOpenDatabase));
    toolBar_->addAction(actions_.value(kToolCreateDatabase));
    toolBar_->addAction(actions_.value(kToolEnterNewWinners));
    menuButton(kToolStatistics,
               {kFrequencyOfWinningNumbers, kFrequencyOfBonusNumbers, kFrequencyOfPairs,
                kFrequencyOfTriples, kSkippingHabit, kClusterAnalysis});
    toolBar_->addAction(actions_.value(kToolStatisticsOptions));
    divider();
    menuButton(kToolNumberLists, {kCreateList, kSelectList, kEditCurrentList});
    divider();
    menuButton(kToolHelp, {kHelpIndex, kOnlineManual, 0, kAbout});

    // Every gadget is exactly its glyph's size, so all thirteen fit the default width.
    toolBar_->layout()->setContentsMargins(0, 0, 0, 0);
    toolBar_->setStyleSheet(
        QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"
                       "QToolButton { padding: 0px; margin: 0px; }"));
    for (QToolButton* button : toolBar_->findChildren<QToolButton*>()) {
        if (button->objectName() == QLatin1String("qt_toolbar_ext_button")) continue;
        button->setFixedSize(kGadgetSize);
    }
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
    // stay in reach.
    if (!state_.settings().databaseWindowPosRead) {
        if (const auto at = state_.firstWindowPosition()) dialog->placeAt(*at);
    }
    return true;
}

bool TMyMDIFrame::openTicketFileByName(const QString& path) {
    qv::IoResult read;
    if (openTicketFileWindow(state_, this, path, &read)) return true;
    if (read.status == qv::IoStatus::Damaged) {
        notice_(tr("The ticket file %1 is damaged and cannot be opened.\n%2")
                    .arg(QDir::toNativeSeparators(path), QString::fromStdString(read.message)),
                tr("Quorvantile"));
    }
    return false;
}

QString TMyMDIFrame::manualIndexPath() const {
    return QDir(state_.environment().dataDir).filePath(QStringLiteral("manual/index.html"));
}

QUrl TMyMDIFrame::onlineManualUrl() const {
    QString address = qEnvironmentVariable("QV_MANUAL_URL").trimmed();
    if (address.isEmpty()) address = QStringLiteral(QV_ONLINE_MANUAL_URL);
    if (address.isEmpty()) return QUrl::fromLocalFile(manualIndexPath());
    return QUrl::fromUserInput(address);
}

void TMyMDIFrame::showManual(const QUrl& url) {
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        notice_(tr("The manual cannot be found. It belongs in:\n%1")
                    .arg(QDir::toNativeSeparators(url.toLocalFile())),
                tr("Quorvantile"));
        return;
    }
    if (!openUrl_(url)) {
        notice_(tr("No web browser could be started to show the manual. You can open it "
                   "yourself:\n%1")
                    .arg(url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                           : url.toString()),
                tr("Quorvantile"));
    }
}

void TMyMDIFrame::openDatabaseCommand() {
    const QString path = FileSelection::getFile(
        this, QStringLiteral("*.dat"), tr("Quorvantile Database Files *.dat"), tr("Select File"));
    if (!path.isEmpty()) openDatabaseByName(path);
}

void TMyMDIFrame::openTicketFileCommand() {
    const QString path = FileSelection::getFile(
        this, QStringLiteral("*.qvt"), tr("Quorvantile Ticket Files *.qvt"), tr("Select File"));
    if (!path.isEmpty()) openTicketFileByName(path);
}

void TMyMDIFrame::setupWindow(const QStringList& commandLineFiles) {
    qv::Settings& settings = state_.settings();
    QString database;
    QString ticketFile;
    QString wheelingTable;
    for (const QString& name : commandLineFiles) {
        qv::FileKind kind = qv::fileKindForName(name.toStdString());
        // The desktop also knows a ticket file by its signature, whatever its name.
        if (kind == qv::FileKind::Other && qv::hasTicketFileSignature(name.toStdString()))
            kind = qv::FileKind::TicketFile;
        switch (kind) {
            case qv::FileKind::Database:
                if (database.isEmpty()) database = name;
                break;
            case qv::FileKind::TicketFile:
                if (ticketFile.isEmpty()) ticketFile = name;
                break;
            case qv::FileKind::WheelingTable:
                if (wheelingTable.isEmpty()) wheelingTable = name;
                break;
            case qv::FileKind::Other:
                break;
        }
    }
    // A file named on the command line takes the place of the one of the last session.
    if (!database.isEmpty()) {
        openDatabaseByName(database);
    } else if (!settings.lastDatabase.empty() &&
               !openDatabaseByName(QString::fromStdString(settings.lastDatabase))) {
        settings.lastDatabase.clear();
    }
    // A wheeling table is there to make a new ticket file: the last one stays closed.
    if (!ticketFile.isEmpty()) {
        openTicketFileByName(ticketFile);
    } else if (wheelingTable.isEmpty() && !settings.lastTicketFile.empty() &&
               !openTicketFileByName(QString::fromStdString(settings.lastTicketFile))) {
        settings.lastTicketFile.clear();
    }
    // As from the menu: not while a ticket file is open, nor beside one named with it.
    if (!wheelingTable.isEmpty() && ticketFile.isEmpty() &&
        qv::isCommandEnabled(qv::cmd::kUseWheelingTable, state_.flags())) {
        openWheelingTableByName(wheelingTable);
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

void TMyMDIFrame::runCommand(int commandId) {
    if (!qv::isCommandEnabled(commandId, state_.flags())) return;
    const int id = qv::menuCommandFor(commandId);
    if (const auto handler = handlers_.value(id)) {
        handler();
        return;
    }
    switch (id) {
        case qv::cmd::kExit:
            close();
            break;
        case qv::cmd::kSoundEffects:
            showSoundOptions();
            break;
        case qv::cmd::kWallpaperStretched:
        case qv::cmd::kWallpaperTiled:
        case qv::cmd::kWallpaperCentered:
            setWallpaperOrientation(qv::wallpaperOrientationFor(id));
            break;
        case qv::cmd::kDeskTopSettings:
            runDeskTopOptions();
            break;
        case qv::cmd::kOpenDatabase:
            openDatabaseCommand();
            break;
        case qv::cmd::kOpenTicketFile:
            openTicketFileCommand();
            break;
        case qv::cmd::kCreateDatabase:
            createDatabaseCommand(state_, this);
            break;
        case qv::cmd::kHelpIndex:
            showManual(QUrl::fromLocalFile(manualIndexPath()));
            break;
        case qv::cmd::kOnlineManual:
            showManual(onlineManualUrl());
            break;
        case qv::cmd::kAbout:
            showAbout();
            break;
        case qv::cmd::kUseWheelingTable:
        case qv::cmd::kEnterTicketsManually:
        case qv::cmd::kImportWheelingTable:
        case qv::cmd::kEnterNewWinners:
        case qv::cmd::kFrequencyOfWinningNumbers:
        case qv::cmd::kFrequencyOfBonusNumbers:
        case qv::cmd::kFrequencyOfPairs:
        case qv::cmd::kFrequencyOfTriples:
        case qv::cmd::kSkippingHabit:
        case qv::cmd::kClusterAnalysis:
        case qv::cmd::kCreateList:
        case qv::cmd::kSelectList:
        case qv::cmd::kEditCurrentList:
        case qv::cmd::kStatisticsOptions:
            // The windows behind these commands register their handlers as they arrive.
            showNotAvailable();
            break;
        default:
            break;
    }
}

void TMyMDIFrame::showNotAvailable() {
    showNotAvailableYet(this);
}

void TMyMDIFrame::runDeskTopOptions() {
    qv::DeskTopType copy = state_.settings().mainWallpaper;
    DeskTopOptions dialog(this, &copy, state_.environment().dataDir);
    if (dialog.exec() != QDialog::Accepted) return;
    state_.settings().mainWallpaper = copy;
    client_->viewport()->update();
}

void TMyMDIFrame::setWallpaperOrientation(int orientation) {
    state_.settings().wallpaperOrientation = orientation;
    client_->setOrientation(orientation);
    const int checkedId = qv::wallpaperCommand(orientation);
    for (int id :
         {qv::cmd::kWallpaperStretched, qv::cmd::kWallpaperTiled, qv::cmd::kWallpaperCentered}) {
        actions_.value(id)->setChecked(id == checkedId);
    }
}

void TMyMDIFrame::showSoundOptions() {
    TSoundOptionsDialog dialog(state_.settings().sound, state_.soundPlayer(), this);
    dialog.exec();
}

void TMyMDIFrame::showAbout() {
    TMyAboutDialog dialog(this);
    dialog.exec();
}

bool TMyMDIFrame::canClose() {
    const QString caption = tr("Modifications made to file.");
    auto offerSave = [&](OpenDocument* document, const QString& question) {
        if (!document || !document->isModified()) return true;
        if (!askYesNo_(question, caption)) return true;
        return document->save();
    };

    qv::Settings& settings = state_.settings();
    if (OpenDocument* db = state_.document(DocumentSlot::Database)) {
        // A failed save would lose the changes: stay open so the user can act.
        if (!offerSave(db, tr("Save database file before exit ?"))) return false;
        const QPoint at = db->windowPosition();
        settings.databaseWindowPos = qv::Point{at.x(), at.y()};
        settings.databaseWindowPosRead = true;
    }
    for (DocumentSlot slot : {DocumentSlot::WheelTicketFile, DocumentSlot::ManualTicketFile}) {
        if (OpenDocument* tickets = state_.document(slot)) {
            if (!offerSave(tickets, tr("Save ticket file before exit ?"))) return false;
            const QPoint at = tickets->windowPosition();
            settings.ticketWindowPos = qv::Point{at.x(), at.y()};
            settings.ticketWindowPosRead = true;
        }
    }

    // Placed with move() and resize(), so taken back the same way: the outer top-left
    // corner and the inner size.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        settings.mainRect = qv::Rect{x(), y(), x() + width(), y() + height()};
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

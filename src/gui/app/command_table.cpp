#include "gui/app/command_table.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/app/commands.h"
#include "gui/app/button_menu_gadget.h"

namespace qv::gui {

namespace {

using namespace qv::cmd;

constexpr const char* kFile = QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&File");
constexpr const char* kCreateTickets =
    QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&File/&Create Ticket File");
constexpr const char* kWinning = QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&Winning Numbers");
constexpr const char* kStatistics =
    QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&Winning Numbers/&Statistics");
constexpr const char* kDatabase = QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&Database");
constexpr const char* kNumbers = QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&My Numbers");
constexpr const char* kOptions = QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&Options");
constexpr const char* kWallpaper =
    QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&Options/&Wallpaper");
constexpr const char* kHelp = QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", "&Help");

#define QV_TR(text) QT_TRANSLATE_NOOP("qv::gui::TMyMDIFrame", text)

const MenuCommand kMenuCommands[] = {
    {kUseWheelingTable, kCreateTickets, QV_TR("Use &Wheeling Table..."),
     QV_TR("Create a ticket file by applying a wheeling table to your numbers")},
    {kEnterTicketsManually, kCreateTickets, QV_TR("Enter Tickets &Manually..."),
     QV_TR("Create a ticket file by entering its tickets one by one")},
    {kOpenTicketFile, kFile, QV_TR("&Open Ticket File..."), QV_TR("Open an existing ticket file")},
    {0, kFile, nullptr, nullptr},
    {kImportWheelingTable, kFile, QV_TR("&Import Wheeling Table..."),
     QV_TR("Import a wheeling table from text")},
    {kGenerateWheelingTable, kFile, QV_TR("&Generate Wheeling Table..."),
     QV_TR("Make a wheeling table with as few tickets as a search can find")},
    {0, kFile, nullptr, nullptr},
    {kExit, kFile, QV_TR("E&xit"), QV_TR("Quit Quorvantile")},

    {kEnterNewWinners, kWinning, QV_TR("&Enter New..."),
     QV_TR("Enter new numbers into the opened database")},
    {kFrequencyOfWinningNumbers, kStatistics, QV_TR("&Frequency of Winning Numbers"),
     QV_TR("Chart how often each number was drawn")},
    {kFrequencyOfBonusNumbers, kStatistics, QV_TR("Frequency of &Bonus Numbers"),
     QV_TR("Chart how often each bonus number was drawn")},
    {kFrequencyOfPairs, kStatistics, QV_TR("Frequency of &Pairs"),
     QV_TR("Count how often each pair of numbers was drawn together")},
    {kFrequencyOfTriples, kStatistics, QV_TR("Frequency of &Triples"),
     QV_TR("Count how often each triple of numbers was drawn together")},
    {kSkippingHabit, kStatistics, QV_TR("&Skipping Habit"),
     QV_TR("Chart how many draws each number skips between hits")},
    {kClusterAnalysis, kStatistics, QV_TR("&Cluster Analysis"),
     QV_TR("Chart the draws by date and number")},

    {kCreateDatabase, kDatabase, QV_TR("&Create DataBase..."), QV_TR("Create a new game database")},
    {kOpenDatabase, kDatabase, QV_TR("&Open DataBase..."), QV_TR("Open an existing game database")},

    {kCreateList, kNumbers, QV_TR("&Create a List..."),
     QV_TR("Make a new list of your favorite numbers")},
    {kSelectList, kNumbers, QV_TR("&Select a List..."),
     QV_TR("Choose a saved list of your favorite numbers")},
    {kEditCurrentList, kNumbers, QV_TR("&Edit Current List..."),
     QV_TR("Change the list of favorite numbers in use")},

    {kStatisticsOptions, kOptions, QV_TR("&Statistics..."),
     QV_TR("Modify statistics options for the opened database")},
    {kSoundEffects, kOptions, QV_TR("Sound &Effects ..."),
     QV_TR("Choose the sound effects and the score sounds")},
    {0, kOptions, nullptr, nullptr},
    // Check marks rather than radio bullets; the frame keeps exactly one set.
    {kWallpaperStretched, kWallpaper, QV_TR("&Stretched"),
     QV_TR("Stretch the desktop picture over the whole desktop"), true},
    {kWallpaperTiled, kWallpaper, QV_TR("&Tiled"),
     QV_TR("Repeat the desktop picture over the desktop"), true},
    {kWallpaperCentered, kWallpaper, QV_TR("&Centered"),
     QV_TR("Show the desktop picture once, in the middle"), true},
    {0, kWallpaper, nullptr, nullptr},
    {kDeskTopSettings, kWallpaper, QV_TR("&Desktop Settings..."),
     QV_TR("Choose the desktop picture and its fade")},

    {kHelpIndex, kHelp, QV_TR("&Index"), QV_TR("Open the manual")},
    {kOnlineManual, kHelp, QV_TR("&Online Manual"), QV_TR("Open the manual in your web browser")},
    {0, kHelp, nullptr, nullptr},
    {kAbout, kHelp, QV_TR("&About..."), QV_TR("Show the program's name and version")},
};

const ToolButton kToolButtons[] = {
    {kToolCreateTicketFile, 7, QV_TR("Create a new ticket file"), kCreateTickets},
    {kToolOpenTicketFile, 9, QV_TR("Open an existing ticket file")},
    {kToolImportWheelingTable, 14, QV_TR("Import wheeling table")},
    {0, 0, nullptr},
    {kToolOpenDatabase, 8, QV_TR("Open an existing game database")},
    {kToolCreateDatabase, 6, QV_TR("Create a new game database")},
    {kToolEnterNewWinners, 10, QV_TR("Enter new numbers into the opened database")},
    {kToolStatistics, 11, QV_TR("Statistics on the opened database"), kStatistics},
    {kToolStatisticsOptions, 13, QV_TR("Modify statistics options for the opened database")},
    {0, 0, nullptr},
    {kToolNumberLists, 12, QV_TR("Maintain a list of your favorite numbers"), kNumbers},
    {0, 0, nullptr},
    {kToolHelp, 15, QV_TR("Help"), kHelp},
};

#undef QV_TR

// The tool-bar glyphs' size; each gadget is exactly this big.
constexpr QSize kGadgetSize(55, 49);

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::TMyMDIFrame", text);
}

// A fixed gap of the tool bar.
QWidget* gap(int width, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(QStringLiteral("gap"));
    w->setFixedWidth(width);
    return w;
}

class Builder {
public:
    Builder(QMainWindow* frame, const std::function<void(int)>& run,
            const std::function<void()>& aboutToShow)
        : frame_(frame), run_(run), aboutToShow_(aboutToShow) {}

    CommandBars build() {
        for (const MenuCommand& row : kMenuCommands) {
            if (row.id == 0) {
                menu(row.menu)->addSeparator();
                continue;
            }
            QAction* action = makeAction(row.id, row.text, row.tip);
            action->setCheckable(row.checkable);
            menu(row.menu)->addAction(action);
        }
        bars_.desktopMenu = copyOf(kWallpaper, menus_.value(kWallpaper)->title());
        buildToolBar();
        return bars_;
    }

private:
    QAction* makeAction(int id, const char* text, const char* tip) {
        auto* action = new QAction(tr(text), frame_);
        action->setData(id);
        action->setStatusTip(tr(tip));
        QObject::connect(action, &QAction::triggered, frame_, [run = run_, id] { run(id); });
        bars_.actions.insert(id, action);
        return action;
    }

    QMenu* makeMenu(const QString& title, QWidget* parent) {
        auto* menu = new QMenu(title, parent);
        QObject::connect(menu, &QMenu::aboutToShow, frame_, aboutToShow_);
        return menu;
    }

    // The menu of a path, made (and placed in its parent) on first use.
    QMenu* menu(const QString& path) {
        if (QMenu* known = menus_.value(path)) return known;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QString title = tr(path.toUtf8().constData()).section(QLatin1Char('/'), -1);
        QMenu* made = nullptr;
        if (slash < 0) {
            made = makeMenu(title, frame_->menuBar());
            frame_->menuBar()->addMenu(made);
        } else {
            QMenu* parent = menu(path.left(slash));
            made = makeMenu(title, parent);
            parent->addMenu(made);
        }
        menus_.insert(path, made);
        return made;
    }

    // A popup with the same commands as the menu at `path`.
    QMenu* copyOf(const QString& path, const QString& title) {
        QMenu* copy = makeMenu(title, frame_);
        copy->addActions(menus_.value(path)->actions());
        return copy;
    }

    void buildToolBar() {
        auto* bar = new QToolBar(tr("Tool Bar"), frame_);
        bars_.toolBar = bar;
        bar->setObjectName(QStringLiteral("toolBar"));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setContextMenuPolicy(Qt::PreventContextMenu);
        bar->setIconSize(kGadgetSize);
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        // Gadgets sit side by side; the dividers make the gaps.
        bar->layout()->setSpacing(0);
        QFont gadgetFont = bar->font();
        gadgetFont.setPointSize(10);
        bar->setFont(gadgetFont);
        frame_->addToolBar(Qt::TopToolBarArea, bar);

        const QPixmap dividerBitmap(QStringLiteral(":/app/images/divider_1.png"));
        for (const ToolButton& row : kToolButtons) {
            if (row.id == 0) {
                bar->addWidget(gap(6, bar));
                auto* label = new QLabel(bar);
                label->setObjectName(QStringLiteral("divider"));
                label->setPixmap(dividerBitmap);
                label->setFixedSize(dividerBitmap.size());
                bar->addWidget(label);
                bar->addWidget(gap(6, bar));
                continue;
            }
            QAction* action = makeAction(row.id, row.hint, row.hint);
            action->setIcon(QIcon(QStringLiteral(":/app/images/glyph_%1.png").arg(row.glyph)));
            action->setToolTip(tr(row.hint));
            if (!row.popup) {
                bar->addAction(action);
                continue;
            }
            auto* gadget = new TButtonMenuGadget(row.id, action, copyOf(row.popup, QString()), bar);
            bars_.menuGadgets.insert(row.id, gadget);
            bar->addWidget(gadget);
        }

        // Every gadget is exactly its glyph's size, so all thirteen fit the default width.
        bar->layout()->setContentsMargins(0, 0, 0, 0);
        bar->setStyleSheet(
            QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"
                           "QToolButton { padding: 0px; margin: 0px; }"));
        for (QToolButton* button : bar->findChildren<QToolButton*>()) {
            if (button->objectName() == QLatin1String("qt_toolbar_ext_button")) continue;
            button->setFixedSize(kGadgetSize);
        }
    }

    QMainWindow* frame_;
    const std::function<void(int)>& run_;
    const std::function<void()>& aboutToShow_;
    QHash<QString, QMenu*> menus_;
    CommandBars bars_;
};

}  // namespace

std::span<const MenuCommand> menuCommands() {
    return kMenuCommands;
}

std::span<const ToolButton> toolButtons() {
    return kToolButtons;
}

bool isKnownCommand(int commandId) {
    if (commandId == 0) return false;
    for (const MenuCommand& row : kMenuCommands)
        if (row.id == commandId) return true;
    for (const ToolButton& row : kToolButtons)
        if (row.id == commandId) return true;
    return false;
}

CommandBars buildCommandBars(QMainWindow* frame, const std::function<void(int)>& run,
                             const std::function<void()>& aboutToShow) {
    return Builder(frame, run, aboutToShow).build();
}

}  // namespace qv::gui

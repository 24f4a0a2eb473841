#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QToolBar>

#include "core/app/commands.h"
#include "core/database/draw_database.h"
#include "core/options/settings.h"
#include "core/tickets/ticket_file.h"
#include "core/util/paths.h"
#include "core/view/placement.h"
#include "gui/app/about_dialog.h"
#include "gui/app/button_menu_gadget.h"
#include "gui/app/my_app.h"
#include "gui/app/my_mdi_client.h"
#include "gui/app/splash.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/options/desktop_options.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/options/sound_options_dialog.h"
#include "gui/statistics/stat_window.h"
#include "gui/statistics/statistics_commands.h"
#include "gui/tickets/ticket_commands.h"
#include "gui/tickets/ticket_file_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;
namespace cmd = qv::cmd;

namespace {

// A document opened in the state as the commands open theirs, shown in a stand-in for its
// window whose save works or not as the test says.
struct FakeView : DocumentView {
    ApplicationState& state;
    Document* document = nullptr;
    QTemporaryDir dir;
    bool saveWorks = true;
    int saves = 0;
    QPoint position;

    FakeView(ApplicationState& s, DocumentSlot slot, bool modified = false) : state(s) {
        if (slot == DocumentSlot::Database) {
            qv::DrawDatabase database;
            database.setModified(modified);
            document = &state.openDatabase(std::move(database));
        } else {
            qv::TicketFile file;
            if (slot == DocumentSlot::WheelTicketFile) file.kind = qv::TicketFileKind::Wheel;
            file.modified = modified;
            document = &state.openTicketFile(std::move(file));
        }
        document->setView(this);
    }
    ~FakeView() override { close(); }
    void close() {
        if (document) state.closeDocument(document);
        document = nullptr;
    }
    bool save() override {
        ++saves;
        return saveWorks && document->saveAs(dir.filePath(QStringLiteral("saved")).toStdString());
    }
    QPoint windowPosition() const override { return position; }
    QWidget* widget() override { return nullptr; }
};

void writeSettings(const AppEnvironment& env, const qv::Settings& s) {
    QVERIFY(qv::writeSettingsFile(env.settingsPath.toStdString(), s).ok());
}

qv::Settings readSettings(const AppEnvironment& env) {
    return qv::readSettingsFile(env.settingsPath.toStdString()).value();
}

// One line per item: indentation by depth, text, then the id or "-" for a separator.
void dumpMenu(const QMenu* menu, int depth, QStringList& out) {
    for (QAction* a : menu->actions()) {
        const QString indent(depth * 2, QLatin1Char(' '));
        if (a->isSeparator()) {
            out << indent + QStringLiteral("-");
        } else if (a->menu()) {
            out << indent + a->text();
            dumpMenu(a->menu(), depth + 1, out);
        } else {
            out << indent + a->text() + QStringLiteral(" ") + QString::number(a->data().toInt());
        }
    }
}

void writeDatabase(const QString& path, const char* description) {
    qv::DataHeader header;
    header.description = description;
    QVERIFY(qv::createDatabaseFile(path.toStdString(), header, qv::StatisticsSettings{}, "").ok());
}

void writeTicketFile(const QString& path, int tickets) {
    qv::TicketFile file = qv::newManualTicketFile();
    for (int i = 0; i < tickets; ++i) {
        qv::TicketType t;
        for (int j = 0; j < 6; ++j) t.numbers[j] = std::int16_t(1 + i + 7 * j);
        file.tickets.push_back(t);
    }
    QVERIFY(file.saveAs(path.toStdString()).ok());
}

QString openDatabaseName(TMyMDIFrame& frame) {
    DataBaseDialog* d = documentWindow<DataBaseDialog>(frame.state(), DocumentSlot::Database);
    return d ? QString::fromStdString(d->database().fileName()) : QString();
}

QStringList itemTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// The caption of the modal dialog of type D that running `command` brings up; closes it.
template <typename D>
QString captionOf(TMyMDIFrame& frame, int command) {
    QString caption;
    whenModal<D>([&](D* d) {
        caption = d->windowTitle();
        d->reject();
    });
    frame.commandAction(command)->trigger();
    return caption;
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void applicationAndSplash() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quorvantile"));
        auto* app = qobject_cast<TMyApp*>(qApp);
        QVERIFY(app);

        TSplashWindow splash;
        QCOMPARE(splash.pixmap().size(), QSize(400, 139));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);

        QTemporaryDir dir;
        app->setEnvironment(environmentIn(dir));
        app->initMainWindow();
        QVERIFY(app->splash() && app->splash()->isVisible());
        QVERIFY(app->frame() && !app->frame()->isVisible());
        app->initInstance();
        QVERIFY(app->frame()->isVisible());
        QVERIFY(!app->splash());
        QCOMPARE(app->frame()->windowTitle(), QStringLiteral("Quorvantile"));
        QVERIFY(!app->frame()->windowIcon().isNull());
        app->frame()->close();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("quorvan.ini"))));
    }

    // Each menu of the bar: its items as "text id", "-" for a separator, submenus indented.
    void menus_data() {
        QTest::addColumn<QStringList>("items");
        QTest::newRow("&File") << QStringList{"&Create Ticket File",
                                              "  Use &Wheeling Table... 101",
                                              "  Enter Tickets &Manually... 103",
                                              "&Open Ticket File... 106",
                                              "-",
                                              "&Import Wheeling Table... 102",
                                              "&Generate Wheeling Table... 119",
                                              "-",
                                              "E&xit 24310"};
        QTest::newRow("&Winning Numbers") << QStringList{"&Enter New... 150",
                                                         "&Statistics",
                                                         "  &Frequency of Winning Numbers 204",
                                                         "  Frequency of &Bonus Numbers 109",
                                                         "  Frequency of &Pairs 110",
                                                         "  Frequency of &Triples 118",
                                                         "  &Skipping Habit 111",
                                                         "  &Cluster Analysis 112"};
        QTest::newRow("&Database")
            << QStringList{"&Create DataBase... 105", "&Open DataBase... 107"};
        QTest::newRow("&My Numbers") << QStringList{
            "&Create a List... 170", "&Select a List... 171", "&Edit Current List... 172"};
        QTest::newRow("&Options") << QStringList{"&Statistics... 108",
                                                 "Sound &Effects ... 130",
                                                 "-",
                                                 "&Wallpaper",
                                                 "  &Stretched 114",
                                                 "  &Tiled 115",
                                                 "  &Centered 116",
                                                 "  -",
                                                 "  &Desktop Settings... 117"};
        QTest::newRow("&Help") << QStringList{"&Index 160", "&Online Manual 165", "-",
                                              "&About... 162"};
    }

    void menus() {
        QFETCH(QStringList, items);
        QTemporaryDir dir;
        FrameFixture fixture(environmentIn(dir));
        const QList<QAction*> bar = fixture.frame.menuBar()->actions();
        const QString title = QString::fromLatin1(QTest::currentDataTag());
        const auto top =
            std::find_if(bar.begin(), bar.end(), [&](QAction* a) { return a->text() == title; });
        QVERIFY2(top != bar.end(), qPrintable(title));
        QStringList got;
        dumpMenu((*top)->menu(), 0, got);
        QCOMPARE(got, items);
        for (QAction* a : (*top)->menu()->actions()) {
            if (!a->isSeparator() && !a->menu())
                QVERIFY2(!a->statusTip().isEmpty(), qPrintable(a->text()));
        }
    }

    void menuBarHoldsTheSixMenusInOrder() {
        QTemporaryDir dir;
        FrameFixture fixture(environmentIn(dir));
        QStringList titles;
        for (QAction* top : fixture.frame.menuBar()->actions()) titles << top->text();
        QCOMPARE(titles, (QStringList{"&File", "&Winning Numbers", "&Database", "&My Numbers",
                                      "&Options", "&Help"}));
    }

    void toolBarGadgets() {
        QTemporaryDir dir;
        FrameFixture fixture(environmentIn(dir));
        TMyMDIFrame& frame = fixture.frame;
        QStringList got;
        QToolBar* bar = frame.toolBar();
        QCOMPARE(frame.toolBarArea(bar), Qt::TopToolBarArea);
        got.clear();
        for (QAction* a : bar->actions()) {
            QWidget* w = bar->widgetForAction(a);
            if (auto* gadget = qobject_cast<TButtonMenuGadget*>(w)) {
                got << QStringLiteral("menu %1 %2").arg(gadget->commandId()).arg(gadget->toolTip());
                QCOMPARE(gadget->statusTip(), gadget->toolTip());
                QCOMPARE(gadget->popupMode(), QToolButton::InstantPopup);
                QVERIFY(!gadget->icon().isNull());
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                got << QStringLiteral("divider %1x%2")
                           .arg(label->pixmap().width())
                           .arg(label->pixmap().height());
            } else if (w && w->objectName() == QStringLiteral("gap")) {
                got << QStringLiteral("gap %1").arg(w->width());
            } else {
                got << QStringLiteral("button %1 %2").arg(a->data().toInt()).arg(a->toolTip());
                QCOMPARE(a->statusTip(), a->toolTip());
                QCOMPARE(a->icon().availableSizes().value(0), QSize(55, 49));
            }
        }
        const QStringList expectedBar = {
            "menu 16664 Create a new ticket file",
            "button 16665 Open an existing ticket file",
            "button 16672 Import wheeling table",
            "gap 6",
            "divider 4x44",
            "gap 6",
            "button 16667 Open an existing game database",
            "button 16666 Create a new game database",
            "button 16668 Enter new numbers into the opened database",
            "menu 16669 Statistics on the opened database",
            "button 16671 Modify statistics options for the opened database",
            "gap 6",
            "divider 4x44",
            "gap 6",
            "menu 16670 Maintain a list of your favorite numbers",
            "gap 6",
            "divider 4x44",
            "gap 6",
            "menu 16673 Help",
        };
        QCOMPARE(got, expectedBar);
        QCOMPARE(bar->iconSize(), QSize(55, 49));

        // At the default width every gadget is on the bar, none behind the overflow button.
        frame.resize(602, 476);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (QAction* a : bar->actions()) {
            QWidget* w = bar->widgetForAction(a);
            QVERIFY(w && w->isVisible());
            if (auto* button = qobject_cast<QToolButton*>(w))
                QCOMPARE(button->size(), QSize(55, 49));
        }
    }

    void menuButtonsPopUpBelowThemselves() {
        QTemporaryDir dir;
        FrameFixture fixture(environmentIn(dir));
        TMyMDIFrame& frame = fixture.frame;
        // Wide enough for every gadget to be on the bar, with room for the popups on screen.
        frame.move(0, 0);
        frame.resize(720, 500);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        const QList<QPair<int, QList<int>>> popups = {
            {cmd::kToolCreateTicketFile, {101, 103}},
            {cmd::kToolStatistics, {204, 109, 110, 118, 111, 112}},
            {cmd::kToolNumberLists, {170, 171, 172}},
            {cmd::kToolHelp, {160, 165, 0, 162}},
        };
        for (const auto& [id, items] : popups) {
            TButtonMenuGadget* gadget = frame.menuGadget(id);
            QVERIFY(gadget);
            // The popup items are the menu's own commands, so they share its enabling.
            QList<QAction*> own, listed = gadget->popupMenu()->actions();
            for (int item : items) own << frame.commandAction(item);  // none for a separator
            for (QAction*& a : listed) a = a->isSeparator() ? nullptr : a;
            QCOMPARE(listed, own);

            bool shown = false;
            QPoint at;
            bool down = false;
            QTimer::singleShot(50, this, [&] {
                shown = gadget->popupMenu()->isVisible();
                at = gadget->popupMenu()->pos();
                down = gadget->isDown();
                gadget->popupMenu()->close();
            });
            QTest::mousePress(gadget, Qt::LeftButton);
            QTRY_VERIFY(!gadget->popupMenu()->isVisible());
            QVERIFY2(shown && down, qPrintable(QString::number(id)));
            QVERIFY2((at - gadget->popupPosition()).manhattanLength() <= 1,
                     qPrintable(QString::number(id)));
        }
        frame.close();
    }

    // Every menu item and tool-bar button follows the command rules (checked with the core code)
    // as the state changes, and a disabled command does not run.
    void enablingFollowsStateAndDisabledCommandsDoNotRun() {
        QTemporaryDir dir;
        FrameFixture fixture(environmentIn(dir));
        TMyMDIFrame& frame = fixture.frame;
        // The first command whose enabling is not the rule's; 0 when all are, -1 when the
        // commands were not found.
        auto stray = [&] {
            int checked = 0;
            for (QAction* a : frame.findChildren<QAction*>()) {
                const int id = a->data().toInt();
                if (id != 0 && a->isEnabled() != qv::isCommandEnabled(id, frame.state().flags()))
                    return id;
                checked += id != 0;
            }
            return checked < 30 ? -1 : 0;
        };
        int opened = 0;
        frame.setCommandHandler(cmd::kOpenDatabase, [&] { ++opened; });
        QCOMPARE(stray(), 0);
        QVERIFY(!frame.commandAction(cmd::kFrequencyOfPairs)->isEnabled());
        QVERIFY(frame.menuGadget(cmd::kToolStatistics)->isEnabled());
        frame.commandAction(cmd::kToolOpenDatabase)
            ->trigger();  // the tool bar runs the menu command
        QCOMPARE(opened, 1);

        FakeView database(frame.state(), DocumentSlot::Database);
        QVERIFY(frame.state().flags().databaseOpen);
        QCOMPARE(stray(), 0);
        frame.runCommand(cmd::kOpenDatabase);
        frame.runCommand(cmd::kToolOpenDatabase);
        QCOMPARE(opened, 1);
        frame.state().setStatisticsOpen(qv::StatisticsKind::Pairs, true);
        QVERIFY(frame.state().flags().isStatisticsOpen(qv::StatisticsKind::Pairs));
        QCOMPARE(stray(), 0);

        FakeView tickets(frame.state(), DocumentSlot::ManualTicketFile);
        QVERIFY(frame.state().flags().manualTicketFileOpen);
        QCOMPARE(stray(), 0);
        QVERIFY(!frame.commandAction(cmd::kToolOpenTicketFile)->isEnabled());
        QVERIFY(frame.menuGadget(cmd::kToolCreateTicketFile)->isEnabled());
        frame.state().setNumberListState(true, true);
        QVERIFY(frame.state().flags().numberListDialogOpen);
        QCOMPARE(stray(), 0);

        tickets.close();
        database.close();
        frame.state().setStatisticsOpen(qv::StatisticsKind::Pairs, false);
        frame.state().setNumberListState(true, false);
        QVERIFY(frame.state().flags().numberListInUse && !frame.state().flags().databaseOpen);
        QCOMPARE(stray(), 0);
    }

    void wallpaperOrientationCheckMark() {
        QTemporaryDir dir;
        const AppEnvironment env = environmentIn(dir);
        qv::Settings s;
        s.wallpaperOrientation = 7;  // unknown values tile
        writeSettings(env, s);
        FrameFixture fixture(env);
        TMyMDIFrame& frame = fixture.frame;
        auto checked = [&] {
            QList<int> on;
            for (int id : {114, 115, 116}) {
                if (frame.commandAction(id)->isChecked()) on << id;
            }
            return on;
        };
        QCOMPARE(checked(), QList<int>{115});
        QCOMPARE(qv::wallpaperLayout(frame.client()->orientation()), qv::WallpaperLayout::Tiled);

        frame.commandAction(cmd::kWallpaperCentered)->trigger();
        QCOMPARE(checked(), QList<int>{116});
        QCOMPARE(frame.client()->orientation(), 2);
        frame.commandAction(cmd::kWallpaperStretched)->trigger();
        frame.commandAction(cmd::kWallpaperStretched)->trigger();  // choosing it again keeps it
        QCOMPARE(checked(), QList<int>{114});
        QCOMPARE(frame.client()->orientation(), 0);
        // The same menu pops up on the desktop.
        QCOMPARE(frame.client()->desktopMenu(), frame.desktopMenu());
        QVERIFY(!frame.client()->wallpaper().isNull());

        frame.close();
        QCOMPARE(readSettings(env).wallpaperOrientation, 0);
    }

    void wallpaperPainting() {
        TMyMDIClient client;
        QImage picture(10, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) picture.setPixel(x, y, qRgb(x * 20, y * 30, 200));
        }
        client.setWallpaper(picture);
        client.resize(101, 51);
        client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&client));
        QWidget* view = client.viewport();
        auto pixel = [&](int x, int y) { return view->grab().toImage().pixel(x, y); };

        client.setOrientation(1);
        for (const QPoint& at : {QPoint(0, 0), QPoint(13, 3), QPoint(97, 50), QPoint(40, 16)}) {
            QCOMPARE(pixel(at.x(), at.y()), picture.pixel(at.x() % 10, at.y() % 8));
        }
        // Centred: 101 / 2 - 10 / 2 = 45 and 51 / 2 - 8 / 2 = 21.
        client.setOrientation(2);
        QCOMPARE(pixel(45, 21), picture.pixel(0, 0));
        QCOMPARE(pixel(54, 28), picture.pixel(9, 7));
        QCOMPARE(pixel(44, 21), client.background().color().rgb());
        QCOMPARE(pixel(55, 29), client.background().color().rgb());
        // Stretched: the corners come from the picture's corners.
        client.setOrientation(0);
        QCOMPARE(pixel(0, 0), picture.pixel(0, 0));
        QCOMPARE(pixel(view->width() - 1, view->height() - 1), picture.pixel(9, 7));
    }

    // First start centres the frame; at exit its rectangle and the other settings are written,
    // the next start comes up there, and a frame maximized at exit keeps its previous rectangle.
    void windowRectangleAndSettingsWrittenAtExit() {
        QTemporaryDir dir;
        const AppEnvironment env = environmentIn(dir);
        {
            FrameFixture fixture(env);
            TMyMDIFrame& frame = fixture.frame;
            const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
            const qv::Rect expected = qv::defaultMainRect(
                qv::Rect{desktop.left(), desktop.top(), desktop.right() + 1, desktop.bottom() + 1});
            QCOMPARE(frame.pos(), QPoint(expected.left, expected.top));
            QCOMPARE(frame.size(), QSize(expected.width(), expected.height()));
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            frame.state().updateSettings([&](qv::Settings& s) { s.sound.effectsOn = false; });
            frame.move(60, 50);
            frame.resize(520, 410);
            QTRY_COMPARE(frame.pos(), QPoint(60, 50));
            frame.close();
            const qv::Settings written = readSettings(env);
            QCOMPARE(written.mainRect, (qv::Rect{60, 50, 580, 460}));
            QVERIFY(!written.sound.effectsOn);
        }
        FrameFixture second(env);
        TMyMDIFrame& again = second.frame;
        QCOMPARE(again.pos(), QPoint(60, 50));
        QCOMPARE(again.size(), QSize(520, 410));
        again.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTRY_VERIFY(again.isMaximized());
        again.close();
        QCOMPARE(readSettings(env).mainRect, (qv::Rect{60, 50, 580, 460}));
    }

    void saveQuestionsAtExit() {
        QTemporaryDir dir;
        const AppEnvironment env = environmentIn(dir);
        FakeInteraction fake;
        FrameFixture fixture(env, fake);
        TMyMDIFrame& frame = fixture.frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QStringList& asked = fake.messages;
        std::deque<bool>& answers = fake.answers;
        FakeView database(frame.state(), DocumentSlot::Database, true);
        database.saveWorks = false;
        database.position = QPoint(333, 44);
        FakeView tickets(frame.state(), DocumentSlot::WheelTicketFile, true);
        tickets.position = QPoint(7, 55);

        // Yes to a save that fails keeps the program open, and nothing is written.
        answers = {true};
        frame.commandAction(cmd::kExit)->trigger();
        QVERIFY(frame.isVisible());
        QVERIFY(!QFile::exists(env.settingsPath));

        // Yes saves the database, No leaves the tickets; both windows' corners are written.
        database.saveWorks = true;
        answers = {true, false};
        asked.clear();
        QVERIFY(frame.canClose());
        QCOMPARE(asked,
                 (QStringList{"Modifications made to file. | Save database file before exit ?",
                              "Modifications made to file. | Save ticket file before exit ?"}));
        QCOMPARE(database.saves, 2);
        QCOMPARE(tickets.saves, 0);
        qv::Settings written = readSettings(env);
        QCOMPARE(written.databaseWindowPos, (qv::Point{333, 44}));
        QCOMPARE(written.ticketWindowPos, (qv::Point{7, 55}));

        // Nothing modified: no question, positions still remembered, and Exit closes.
        asked.clear();
        tickets.close();
        FakeView unchanged(frame.state(), DocumentSlot::ManualTicketFile);
        unchanged.position = QPoint(12, 13);
        frame.commandAction(cmd::kExit)->trigger();
        QVERIFY(!frame.isVisible());
        QVERIFY(asked.isEmpty());
        QCOMPARE(readSettings(env).ticketWindowPos, (qv::Point{12, 13}));
    }

    void databaseWindowLeavesTheMenusInReach() {
        QTemporaryDir dir;
        const AppEnvironment env = environmentIn(dir);
        const QString lotto = dir.filePath(QStringLiteral("lotto.dat"));
        writeDatabase(lotto, "Lotto");
        {  // First start: no settings file, so no remembered position.
            FrameFixture fixture(env);
            TMyMDIFrame& frame = fixture.frame;
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QVERIFY(frame.openDatabaseByName(lotto));
            DataBaseDialog* d =
                documentWindow<DataBaseDialog>(frame.state(), DocumentSlot::Database);
            QVERIFY(d);
            const int toolBarBottom = frame.mapToGlobal(QPoint(0, 0)).y() +
                                      frame.menuBar()->height() + frame.toolBar()->height();
            QVERIFY2(d->y() >= toolBarBottom, qPrintable(QString::number(d->y())));
            // It stands at the right of the desktop, so the work area on the left stays in
            // view; a chart opened now comes to the front of the work area.
            const QRect desktop = d->screen()->availableGeometry();
            QVERIFY(d->frameGeometry().right() <= desktop.right());
            QVERIFY(d->frameGeometry().right() >=
                    desktop.right() - DataBaseDialog::kFrameAllowance);
            auto* chart = openStatisticsWindow(frame.state(), frame.client(),
                                               qv::StatisticsKind::NumberFrequency);
            QVERIFY(chart);
            QCOMPARE(frame.client()->activeSubWindow(), chart);
            const int heightAtStart = d->height();
            QVERIFY(d->closeFile());
            // Opened again later, at the place it was left: the same height.
            QVERIFY(frame.openDatabaseByName(lotto));
            d = documentWindow<DataBaseDialog>(frame.state(), DocumentSlot::Database);
            QCOMPARE(d->height(), heightAtStart);
            QVERIFY(frame.canClose());
        }
        // A position far off the screen is pulled back so that the title bar can be reached.
        qv::Settings s = readSettings(env);
        s.databaseWindowPos = qv::Point{-5000, 9000};
        writeSettings(env, s);
        FrameFixture fixture(env);
        QVERIFY(fixture.frame.openDatabaseByName(lotto));
        DataBaseDialog* d =
            documentWindow<DataBaseDialog>(fixture.frame.state(), DocumentSlot::Database);
        const QRect screen = d->screen()->availableGeometry();
        QVERIFY(d->x() + d->width() >= screen.left() + 100);
        QVERIFY(d->y() >= screen.top() && d->y() < screen.bottom());
    }

    void reopeningAndCommandLine() {
        QTemporaryDir dir;
        const AppEnvironment env = environmentIn(dir);
        const QString lotto = dir.filePath(QStringLiteral("lotto.dat"));
        const QString other = dir.filePath(QStringLiteral("other.DAT"));
        const QString mine = dir.filePath(QStringLiteral("mine.QVT"));
        writeDatabase(lotto, "Lotto");
        writeDatabase(other, "Other");
        writeTicketFile(mine, 3);
        qv::Settings s;
        s.lastDatabase = lotto.toStdString();
        s.lastTicketFile = dir.filePath(QStringLiteral("gone.qvt")).toStdString();
        writeSettings(env, s);

        {
            FrameFixture fixture(env);
            TMyMDIFrame& frame = fixture.frame;
            frame.setupWindow();
            QCOMPARE(openDatabaseName(frame), lotto);
            QVERIFY(!frame.state().ticketFile());
            // A last file that no longer exists is forgotten; the one still there is kept.
            QVERIFY(frame.state().settings().lastTicketFile.empty());
            QCOMPARE(QString::fromStdString(frame.state().settings().lastDatabase), lotto);
            QVERIFY(frame.canClose());
        }
        QVERIFY(readSettings(env).lastTicketFile.empty());

        FrameFixture fixture(env);
        TMyMDIFrame& frame = fixture.frame;
        frame.setupWindow({QStringLiteral("notes.txt"), other, mine, dir.filePath("second.dat")});
        QCOMPARE(openDatabaseName(frame), other);
        QVERIFY(frame.state().ticketFile());
        QCOMPARE(frame.state().ticketFile()->ticketCount(), std::size_t(3));
        QCOMPARE(QString::fromStdString(frame.state().settings().lastTicketFile), mine);
        QCOMPARE(QString::fromStdString(frame.state().settings().lastDatabase), other);
    }

    void openingFilesFromTheMenus() {
        QTemporaryDir dir;
        const AppEnvironment env = environmentIn(dir);
        const QString lotto = dir.filePath(QStringLiteral("lotto.dat"));
        const QString first = dir.filePath(QStringLiteral("first.qvt"));
        const QString second = dir.filePath(QStringLiteral("second.qvt"));
        const QString damaged = dir.filePath(QStringLiteral("damaged.qvt"));
        writeDatabase(lotto, "Pick 6");
        writeTicketFile(first, 2);
        writeTicketFile(second, 5);
        // A manual ticket file claiming a negative count of tickets.
        QByteArray bytes(100, '\0');
        bytes.replace(0, 16, "Quorvantile V3.4");
        writeFile(damaged, bytes + '\0' + QByteArray::fromHex("fbffffff0600000031000000"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        FakeInteraction fake;
        FrameFixture fixture(env, fake);
        fixture.state.setFileSelectionDirectory(dir.path());
        TMyMDIFrame& frame = fixture.frame;
        frame.show();
        QStringList& notices = fake.problems;
        const qv::AppState before = frame.state().flags();

        // Cancel leaves everything as it was.
        QString caption;
        QStringList listed;
        whenModal<FileSelection>([&](FileSelection* d) {
            caption = d->windowTitle();
            listed = itemTexts(control<QListWidget>(d, 182));
            control<QPushButton>(d, 2)->click();
        });
        frame.commandAction(cmd::kOpenDatabase)->trigger();
        QCOMPARE(caption, QStringLiteral("Select File"));
        QCOMPARE(listed.mid(0, 3), (QStringList{"lotto.dat", "[..]", "[sub]"}));
        QCOMPARE(frame.state().flags(), before);
        QVERIFY(!documentWindow<DataBaseDialog>(frame.state(), DocumentSlot::Database));
        QVERIFY(frame.state().settings().lastDatabase.empty());

        // A ticket file open before the database opens is shown by its window from the start.
        QVERIFY(frame.openTicketFileByName(first));
        whenModal<FileSelection>([&](FileSelection* d) {
            QCOMPARE(
                d->description(),
                QStringLiteral("Pick 6\n0 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));
            control<QPushButton>(d, 1)->click();
        });
        frame.commandAction(cmd::kOpenDatabase)->trigger();
        QCOMPARE(openDatabaseName(frame), lotto);
        QVERIFY(!frame.commandAction(cmd::kOpenDatabase)->isEnabled());
        QCOMPARE(QString::fromStdString(frame.state().settings().lastDatabase), lotto);
        DataBaseDialog* database =
            documentWindow<DataBaseDialog>(frame.state(), DocumentSlot::Database);
        QCOMPARE(database->listWindow()->ticketFile(), frame.state().ticketFile());
        QCOMPARE(QString::fromStdString(frame.state().settings().lastTicketFile), first);
        // It opened in its window: the ticket commands are off, and no second file opens
        // beside it.
        TicketFileDialog* tickets = ticketWindowOf<TicketFileDialog>(frame.state());
        QVERIFY(tickets);
        QVERIFY(tickets->isVisible());
        QVERIFY(frame.state().flags().manualTicketFileOpen);
        QVERIFY(!frame.commandAction(cmd::kOpenTicketFile)->isEnabled());
        QVERIFY(!frame.openTicketFileByName(second));
        QCOMPARE(frame.state().ticketFile()->ticketCount(), std::size_t(2));
        QCOMPARE(QString::fromStdString(frame.state().settings().lastTicketFile), first);

        // Once it is closed the next one opens, and the database window follows.
        QVERIFY(tickets->closeFile());
        QVERIFY(!frame.state().ticketFile());
        QCOMPARE(database->listWindow()->ticketFile(), nullptr);
        QVERIFY(frame.state().settings().lastTicketFile.empty());
        QVERIFY(frame.openTicketFileByName(second));
        QCOMPARE(frame.state().ticketFile()->ticketCount(), std::size_t(5));
        QCOMPARE(database->listWindow()->ticketFile(), frame.state().ticketFile());
        QCOMPARE(QString::fromStdString(frame.state().settings().lastTicketFile), second);
        QVERIFY(ticketWindowOf<TicketFileDialog>(frame.state())->closeFile());

        // A damaged file is reported; a missing one is passed over silently.
        QVERIFY(!frame.openTicketFileByName(damaged));
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0].contains(QStringLiteral("damaged.qvt")));
        QVERIFY(!frame.openTicketFileByName(dir.filePath(QStringLiteral("gone.qvt"))));
        QCOMPARE(notices.size(), 1);
        QVERIFY(!frame.state().ticketFile());
        QVERIFY(frame.commandAction(cmd::kOpenTicketFile)->isEnabled());

        // The menu lists ticket files; OK on the first one (the damaged file) is reported too.
        QString filter;
        whenModal<FileSelection>([&](FileSelection* d) {
            filter = control<QComboBox>(d, 102)->currentText();
            control<QPushButton>(d, 1)->click();
        });
        frame.commandAction(cmd::kToolOpenTicketFile)->trigger();
        QCOMPARE(filter, QStringLiteral("Quorvantile Ticket Files *.qvt"));
        QCOMPARE(notices.size(), 2);
        QVERIFY(!frame.state().ticketFile());
    }

    void helpOpensTheManual() {
        QTemporaryDir dir;
        FakeInteraction fake;
        FrameFixture fixture(environmentIn(dir), fake);
        TMyMDIFrame& frame = fixture.frame;
        const QList<QUrl>& opened = fake.urls;
        bool& browserWorks = fake.urlsOpen;
        QStringList& notices = fake.problems;

        // Without the manual's files: said so, no browser started.
        frame.commandAction(cmd::kHelpIndex)->trigger();
        QVERIFY(opened.isEmpty());
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0].contains(frame.manualIndexPath()));

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("manual")));
        writeFile(dir.filePath(QStringLiteral("manual/index.html")), {});
        const QUrl local = QUrl::fromLocalFile(dir.filePath(QStringLiteral("manual/index.html")));
        frame.commandAction(cmd::kHelpIndex)->trigger();
        frame.commandAction(cmd::kOnlineManual)->trigger();
        QCOMPARE(opened, (QList<QUrl>{local, local}));

        qputenv("QV_MANUAL_URL", "https://example.org/quorvantile/manual/");
        frame.commandAction(cmd::kOnlineManual)->trigger();
        frame.commandAction(cmd::kHelpIndex)->trigger();
        qunsetenv("QV_MANUAL_URL");
        QCOMPARE(
            opened.mid(2),
            (QList<QUrl>{QUrl(QStringLiteral("https://example.org/quorvantile/manual/")), local}));

        browserWorks = false;
        notices.clear();
        frame.commandAction(cmd::kHelpIndex)->trigger();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0].contains(QDir::toNativeSeparators(local.toLocalFile())));

        // The installed manual's pages link to one another.
        const QDir manual(QStringLiteral(QV_BUILD_DATA_DIR "/manual"));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        for (const QString& name : manual.entryList({QStringLiteral("*.html")})) {
            QFile f(manual.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (auto it = link.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(manual.exists(target), qPrintable(name + " -> " + target));
            }
        }
    }

    void commandsRunTheirDialogs() {
        QTemporaryDir dir;
        FrameFixture fixture(environmentIn(dir));
        TMyMDIFrame& frame = fixture.frame;
        QSize picture;
        QString caption;
        whenModal<TMyAboutDialog>([&](TMyAboutDialog* d) {
            caption = d->windowTitle();
            auto* view = control<TStatic256>(d, 16);
            picture = view->picture().size();
            QVERIFY(view->width() >= 400 && view->height() >= 139);
            control<QPushButton>(d, 1)->click();
        });
        frame.commandAction(cmd::kAbout)->trigger();
        QCOMPARE(picture, QSize(400, 139));
        QCOMPARE(caption, QStringLiteral("About Quorvantile"));

        QCOMPARE(captionOf<DeskTopOptions>(frame, cmd::kDeskTopSettings),
                 QStringLiteral("DeskTop Settings"));
        QCOMPARE(captionOf<TSoundOptionsDialog>(frame, cmd::kSoundEffects),
                 QStringLiteral("Quorvantile (Sound Options)"));
        QCOMPARE(captionOf<CreateDataBaseDialog>(frame, cmd::kToolCreateDatabase),
                 QStringLiteral("Attributes for new database"));
    }
};

int main(int argc, char** argv) {
    TMyApp app(argc, argv);
    TestMainFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_frame.moc"

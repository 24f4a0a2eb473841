#include "gui_test_support.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "core/app/commands.h"
#include "core/app/settings.h"
#include "core/database/draw_database.h"
#include "core/tickets/ticket_file.h"
#include "gui/app/about_dialog.h"
#include "gui/app/button_menu_gadget.h"
#include "gui/app/my_app.h"
#include "gui/app/my_mdi_client.h"
#include "gui/app/my_mdi_frame.h"
#include "gui/app/splash.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/options/desktop_options.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/options/sound_options_dialog.h"

using namespace qv::gui;
namespace cmd = qv::cmd;

namespace {

struct FakeDocument : OpenDocument {
    bool modified = false;
    bool saveWorks = true;
    int saves = 0;
    QPoint position;
    bool isModified() const override { return modified; }
    bool save() override {
        ++saves;
        if (saveWorks) modified = false;
        return saveWorks;
    }
    QPoint windowPosition() const override { return position; }
};

FrameEnvironment environmentIn(const QTemporaryDir& dir) {
    FrameEnvironment env;
    env.programDir = dir.path();
    env.settingsPath = dir.filePath(QStringLiteral("quorvan.ini"));
    env.dataDir = dir.path();
    return env;
}

void writeSettings(const FrameEnvironment& env, const qv::Settings& s) {
    QVERIFY(qv::writeSettingsFile(env.settingsPath.toStdString(), s).empty());
}

qv::Settings readSettings(const FrameEnvironment& env) {
    return qv::readSettingsFile(env.settingsPath.toStdString());
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
    QVERIFY(
        qv::createDatabaseFile(path.toStdString(), header, qv::StatisticsSettings{}, "").empty());
}

void writeTicketFile(const QString& path, int tickets) {
    qv::TicketFile file = qv::newManualTicketFile();
    for (int i = 0; i < tickets; ++i) {
        qv::TicketType t;
        for (int j = 0; j < 6; ++j) t.numbers[j] = std::int16_t(1 + i + 7 * j);
        file.tickets.push_back(t);
    }
    QVERIFY(file.saveAs(path.toStdString()).empty());
}

QString openDatabaseName(TMyMDIFrame& frame) {
    DataBaseDialog* d = openDatabaseDialog(&frame);
    return d ? QString::fromStdString(d->database().fileName()) : QString();
}

QStringList itemTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

using qv::test::whenModal;

QList<int> ids(const QMenu* menu) {
    QList<int> result;
    for (QAction* a : menu->actions()) result << (a->isSeparator() ? 0 : a->data().toInt());
    return result;
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void applicationAndSplash();
    void menuTextsAndIds();
    void toolBarGadgetsInOrder();
    void menuButtonsPopUpBelowThemselves();
    void enablingFollowsState();
    void disabledCommandsDoNotRun();
    void soundEffectsCommandRunsItsDialog();
    void wallpaperOrientationCheckMark();
    void wallpaperPainting();
    void firstStartIsCentredAndWritesSettings();
    void readRectangleIsUsedAndUpdatedAtClose();
    void maximizedAtExitWritesPreviousRectangle();
    void saveQuestionsAtExit();
    void failedSaveKeepsTheProgramOpen();
    void reopeningAndCommandLine();
    void openDatabaseFromTheMenu();
    void ticketFileIsAttachedToTheDatabaseWindow();
    void helpOpensTheManual();
    void aboutAndOptionCommandsRunTheirDialogs();
};

void TestMainFrame::applicationAndSplash() {
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

void TestMainFrame::menuTextsAndIds() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
    QStringList got;
    for (QAction* top : frame.menuBar()->actions()) {
        got << top->text();
        dumpMenu(top->menu(), 1, got);
    }
    const QStringList expected = {
        "&File",
        "  &Create Ticket File",
        "    Use &Wheeling Table... 101",
        "    Enter Tickets &Manually... 103",
        "  &Open Ticket File... 106",
        "  -",
        "  &Import Wheeling Table... 102",
        "  -",
        "  E&xit 24310",
        "&Winning Numbers",
        "  &Enter New... 150",
        "  &Statistics",
        "    &Frequency of Winning Numbers 204",
        "    Frequency of &Bonus Numbers 109",
        "    Frequency of &Pairs 110",
        "    Frequency of &Triples 118",
        "    &Skipping Habit 111",
        "    &Cluster Analysis 112",
        "&Database",
        "  &Create DataBase... 105",
        "  &Open DataBase... 107",
        "&My Numbers",
        "  &Create a List... 170",
        "  &Select a List... 171",
        "  &Edit Current List... 172",
        "&Options",
        "  &Statistics... 108",
        "  Sound &Effects ... 130",
        "  -",
        "  &Wallpaper",
        "    &Stretched 114",
        "    &Tiled 115",
        "    &Centered 116",
        "    -",
        "    &Desktop Settings... 117",
        "&Help",
        "  &Index 160",
        "  &Online Manual 165",
        "  -",
        "  &About... 162",
    };
    QCOMPARE(got, expected);
    for (QAction* top : frame.menuBar()->actions()) {
        for (QAction* a : top->menu()->actions()) {
            if (!a->isSeparator() && !a->menu())
                QVERIFY2(!a->statusTip().isEmpty(), qPrintable(a->text()));
        }
    }
}

void TestMainFrame::toolBarGadgetsInOrder() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
    QToolBar* bar = frame.toolBar();
    QVERIFY(bar);
    QCOMPARE(frame.toolBarArea(bar), Qt::TopToolBarArea);
    QStringList got;
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
    const QStringList expected = {
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
    QCOMPARE(got, expected);
    QCOMPARE(bar->iconSize(), QSize(55, 49));
}

void TestMainFrame::menuButtonsPopUpBelowThemselves() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
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
        QCOMPARE(ids(gadget->popupMenu()), items);
        // The popup items are the menu's own commands, so they share its enabling.
        for (QAction* a : gadget->popupMenu()->actions()) {
            if (!a->isSeparator()) QCOMPARE(a, frame.commandAction(a->data().toInt()));
        }

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
        QVERIFY2(shown, qPrintable(QString::number(id)));
        QVERIFY(down);
        const QPoint expected = gadget->popupPosition();
        QVERIFY2((at - expected).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("%1: %2,%3 vs %4,%5")
                                .arg(id)
                                .arg(at.x())
                                .arg(at.y())
                                .arg(expected.x())
                                .arg(expected.y())));
    }
    frame.close();
}

void TestMainFrame::enablingFollowsState() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
    auto enabled = [&](int id) { return frame.commandAction(id)->isEnabled(); };
    const QList<int> statistics = {204, 109, 110, 118, 111, 112};

    for (int id : statistics) QVERIFY(!enabled(id));
    QVERIFY(enabled(cmd::kOpenDatabase));
    QVERIFY(enabled(cmd::kToolOpenDatabase));
    QVERIFY(frame.menuGadget(cmd::kToolStatistics)->isEnabled());
    QVERIFY(!enabled(cmd::kEditCurrentList));

    FakeDocument database;
    frame.setOpenDocument(DocumentSlot::Database, &database);
    QVERIFY(!enabled(cmd::kOpenDatabase));
    QVERIFY(!enabled(cmd::kToolOpenDatabase));
    for (int id : statistics) QVERIFY(enabled(id));
    frame.setStatisticsOpen(qv::StatisticsKind::Pairs, true);
    QVERIFY(!enabled(cmd::kFrequencyOfPairs));
    QVERIFY(enabled(cmd::kFrequencyOfTriples));
    frame.setStatisticsOpen(qv::StatisticsKind::Pairs, false);
    QVERIFY(enabled(cmd::kFrequencyOfPairs));

    FakeDocument tickets;
    frame.setOpenDocument(DocumentSlot::ManualTicketFile, &tickets);
    for (int id : {101, 103, 106, 16665}) QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
    QVERIFY(frame.menuGadget(cmd::kToolCreateTicketFile)->isEnabled());
    frame.setOpenDocument(DocumentSlot::ManualTicketFile, nullptr);
    for (int id : {101, 103, 106, 16665}) QVERIFY(enabled(id));

    frame.setNumberListState(true, false);
    QVERIFY(enabled(cmd::kEditCurrentList));
    frame.setNumberListState(true, true);
    QVERIFY(!enabled(cmd::kEditCurrentList));
    QVERIFY(!enabled(cmd::kSelectList));

    frame.setOpenDocument(DocumentSlot::Database, nullptr);
    for (int id : statistics) QVERIFY(!enabled(id));
    QVERIFY(enabled(cmd::kOpenDatabase));
}

void TestMainFrame::disabledCommandsDoNotRun() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
    int opened = 0;
    frame.setCommandHandler(cmd::kOpenDatabase, [&] { ++opened; });
    frame.commandAction(cmd::kToolOpenDatabase)->trigger();  // the tool bar runs the menu command
    QCOMPARE(opened, 1);
    FakeDocument database;
    frame.setOpenDocument(DocumentSlot::Database, &database);
    frame.runCommand(cmd::kOpenDatabase);
    frame.runCommand(cmd::kToolOpenDatabase);
    QCOMPARE(opened, 1);
    frame.setOpenDocument(DocumentSlot::Database, nullptr);
}

void TestMainFrame::soundEffectsCommandRunsItsDialog() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
    QVERIFY(frame.soundPlayer());
    QString caption;
    QTimer::singleShot(0, this, [&] {
        if (auto* dialog = qobject_cast<TSoundOptionsDialog*>(QApplication::activeModalWidget())) {
            caption = dialog->windowTitle();
            dialog->reject();
        }
    });
    frame.commandAction(cmd::kSoundEffects)->trigger();
    QCOMPARE(caption, QStringLiteral("Quorvantile (Sound Options)"));
}

void TestMainFrame::wallpaperOrientationCheckMark() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    qv::Settings s;
    s.wallpaperOrientation = 7;  // unknown values tile
    writeSettings(env, s);
    TMyMDIFrame frame(env);
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
    QCOMPARE(checked(), QList<int>{114});
    QCOMPARE(frame.client()->orientation(), 0);
    frame.commandAction(cmd::kWallpaperStretched)->trigger();  // choosing it again keeps it
    QCOMPARE(checked(), QList<int>{114});
    QCOMPARE(ids(frame.desktopMenu()), (QList<int>{114, 115, 116, 0, 117}));
    QVERIFY(!frame.client()->wallpaper().isNull());

    frame.close();
    QCOMPARE(readSettings(env).wallpaperOrientation, 0);
}

void TestMainFrame::wallpaperPainting() {
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

void TestMainFrame::firstStartIsCentredAndWritesSettings() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    TMyMDIFrame frame(env);
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    const qv::Rect expected = qv::defaultMainRect(
        qv::Rect{desktop.left(), desktop.top(), desktop.right() + 1, desktop.bottom() + 1});
    QCOMPARE(frame.pos(), QPoint(expected.left, expected.top));
    QCOMPARE(frame.size(), QSize(602, 476));

    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.settings().sound.effectsOn = false;
    frame.close();
    const qv::Settings written = readSettings(env);
    QCOMPARE(written.mainRect.width(), 602);
    QCOMPARE(written.mainRect.height(), 476);
    QCOMPARE(written.mainRect.left, frame.x());
    QCOMPARE(written.mainRect.top, frame.y());
    QVERIFY(!written.sound.effectsOn);
}

void TestMainFrame::readRectangleIsUsedAndUpdatedAtClose() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    qv::Settings s;
    s.mainRect = qv::Rect{40, 30, 540, 430};
    s.mainRectRead = true;
    writeSettings(env, s);

    TMyMDIFrame frame(env);
    QCOMPARE(frame.pos(), QPoint(40, 30));
    QCOMPARE(frame.size(), QSize(500, 400));
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.move(60, 50);
    frame.resize(520, 410);
    QTRY_COMPARE(frame.pos(), QPoint(60, 50));
    frame.close();
    QCOMPARE(readSettings(env).mainRect, (qv::Rect{60, 50, 580, 460}));

    // Read back, the frame comes up where it was left.
    TMyMDIFrame again(env);
    QCOMPARE(again.pos(), QPoint(60, 50));
    QCOMPARE(again.size(), QSize(520, 410));
}

void TestMainFrame::maximizedAtExitWritesPreviousRectangle() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    qv::Settings s;
    s.mainRect = qv::Rect{40, 30, 540, 430};
    s.mainRectRead = true;
    writeSettings(env, s);

    TMyMDIFrame frame(env);
    frame.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTRY_VERIFY(frame.isMaximized());
    frame.close();
    QCOMPARE(readSettings(env).mainRect, (qv::Rect{40, 30, 540, 430}));
}

void TestMainFrame::saveQuestionsAtExit() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    TMyMDIFrame frame(env);
    QStringList asked;
    QList<bool> answers = {true, false};
    frame.setYesNoQuestion([&](const QString& text, const QString& caption) {
        asked << caption + QStringLiteral(" | ") + text;
        return answers.takeFirst();
    });
    FakeDocument database;
    database.modified = true;
    database.position = QPoint(333, 44);
    FakeDocument tickets;
    tickets.modified = true;
    tickets.position = QPoint(7, 55);
    FakeDocument unchanged;
    frame.setOpenDocument(DocumentSlot::Database, &database);
    frame.setOpenDocument(DocumentSlot::WheelTicketFile, &tickets);

    QVERIFY(frame.canClose());
    QCOMPARE(asked, (QStringList{"Modifications made to file. | Save database file before exit ?",
                                 "Modifications made to file. | Save ticket file before exit ?"}));
    QCOMPARE(database.saves, 1);
    QCOMPARE(tickets.saves, 0);
    qv::Settings written = readSettings(env);
    QCOMPARE(written.databaseWindowPos, (qv::Point{333, 44}));
    QCOMPARE(written.ticketWindowPos, (qv::Point{7, 55}));

    // Nothing modified: no question, positions still remembered.
    asked.clear();
    frame.setOpenDocument(DocumentSlot::WheelTicketFile, nullptr);
    unchanged.position = QPoint(12, 13);
    frame.setOpenDocument(DocumentSlot::ManualTicketFile, &unchanged);
    QVERIFY(frame.canClose());
    QVERIFY(asked.isEmpty());
    QCOMPARE(readSettings(env).ticketWindowPos, (qv::Point{12, 13}));
    frame.setOpenDocument(DocumentSlot::Database, nullptr);
    frame.setOpenDocument(DocumentSlot::ManualTicketFile, nullptr);
}

void TestMainFrame::failedSaveKeepsTheProgramOpen() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    TMyMDIFrame frame(env);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.setYesNoQuestion([](const QString&, const QString&) { return true; });
    FakeDocument database;
    database.modified = true;
    database.saveWorks = false;
    frame.setOpenDocument(DocumentSlot::Database, &database);

    frame.commandAction(cmd::kExit)->trigger();
    QVERIFY(frame.isVisible());
    QVERIFY(!QFile::exists(env.settingsPath));

    // Answering No lets the exit go on.
    frame.setYesNoQuestion([](const QString&, const QString&) { return false; });
    frame.commandAction(cmd::kExit)->trigger();
    QVERIFY(!frame.isVisible());
    QVERIFY(QFile::exists(env.settingsPath));
    frame.setOpenDocument(DocumentSlot::Database, nullptr);
}

void TestMainFrame::reopeningAndCommandLine() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
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
        TMyMDIFrame frame(env);
        frame.setupWindow();
        QCOMPARE(openDatabaseName(frame), lotto);
        QVERIFY(!frame.attachedTicketFile());
        // A last file that no longer exists is forgotten; the one still there is kept.
        QVERIFY(frame.settings().lastTicketFile.empty());
        QCOMPARE(QString::fromStdString(frame.settings().lastDatabase), lotto);
        QVERIFY(frame.canClose());
    }
    QVERIFY(readSettings(env).lastTicketFile.empty());

    TMyMDIFrame frame(env);
    frame.setupWindow({QStringLiteral("notes.txt"), other, mine, dir.filePath("second.dat")});
    QCOMPARE(openDatabaseName(frame), other);
    QVERIFY(frame.attachedTicketFile());
    QCOMPARE(frame.attachedTicketFile()->ticketCount(), std::size_t(3));
    QCOMPARE(QString::fromStdString(frame.settings().lastTicketFile), mine);
    QCOMPARE(QString::fromStdString(frame.settings().lastDatabase), other);
}

void TestMainFrame::openDatabaseFromTheMenu() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    const QString lotto = dir.filePath(QStringLiteral("lotto.dat"));
    writeDatabase(lotto, "Pick 6");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    FileSelection::setCurrentDirectory(dir.path());
    TMyMDIFrame frame(env);
    frame.show();
    const qv::AppState before = frame.appState();

    // Cancel, then OK on a directory: both leave everything as it was.
    QString caption;
    QStringList listed;
    whenModal<FileSelection>([&](FileSelection* d) {
        caption = d->windowTitle();
        listed = itemTexts(d->findChild<QListWidget*>(QStringLiteral("182")));
        d->findChild<QPushButton*>(QStringLiteral("2"))->click();
    });
    frame.commandAction(cmd::kOpenDatabase)->trigger();
    QCOMPARE(caption, QStringLiteral("Select File"));
    QCOMPARE(listed.mid(0, 3), (QStringList{"lotto.dat", "[..]", "[sub]"}));
    whenModal<FileSelection>([&](FileSelection* d) {
        auto* list = d->findChild<QListWidget*>(QStringLiteral("182"));
        list->setCurrentRow(itemTexts(list).indexOf(QStringLiteral("[sub]")));
        d->findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    frame.commandAction(cmd::kToolOpenDatabase)->trigger();
    QCOMPARE(frame.appState(), before);
    QVERIFY(!openDatabaseDialog(&frame));
    QVERIFY(frame.settings().lastDatabase.empty());

    whenModal<FileSelection>([&](FileSelection* d) {
        QCOMPARE(d->description(),
                 QStringLiteral("Pick 6\n0 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));
        d->findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    frame.commandAction(cmd::kOpenDatabase)->trigger();
    QCOMPARE(openDatabaseName(frame), lotto);
    QVERIFY(frame.appState().databaseOpen);
    QVERIFY(!frame.commandAction(cmd::kOpenDatabase)->isEnabled());
    QVERIFY(!frame.commandAction(cmd::kToolOpenDatabase)->isEnabled());
    QCOMPARE(QString::fromStdString(frame.settings().lastDatabase), lotto);
}

void TestMainFrame::ticketFileIsAttachedToTheDatabaseWindow() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    const QString lotto = dir.filePath(QStringLiteral("lotto.dat"));
    const QString first = dir.filePath(QStringLiteral("first.qvt"));
    const QString second = dir.filePath(QStringLiteral("second.qvt"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.qvt"));
    writeDatabase(lotto, "Lotto");
    writeTicketFile(first, 2);
    writeTicketFile(second, 5);
    {
        // A manual ticket file claiming a negative count of tickets.
        QByteArray bytes(100, '\0');
        bytes.replace(0, 16, "Quorvantile V3.4");
        bytes.append(char(0));
        bytes.append(QByteArray::fromHex("fbffffff0600000031000000"));
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    TMyMDIFrame frame(env);
    QStringList notices;
    frame.setNotice([&](const QString& text, const QString&) { notices << text; });

    // Attached before the database opens: the window shows it from the start.
    QVERIFY(frame.openTicketFileByName(first));
    QVERIFY(frame.openDatabaseByName(lotto));
    DataBaseDialog* database = openDatabaseDialog(&frame);
    QVERIFY(database);
    QCOMPARE(database->listWindow()->ticketFile(), frame.attachedTicketFile());
    QCOMPARE(QString::fromStdString(frame.settings().lastTicketFile), first);
    // No ticket window holds it, so opening another simply replaces it.
    QVERIFY(frame.commandAction(cmd::kOpenTicketFile)->isEnabled());
    QVERIFY(!frame.appState().ticketFileOpen());

    QVERIFY(frame.openTicketFileByName(second));
    QCOMPARE(frame.attachedTicketFile()->ticketCount(), std::size_t(5));
    QCOMPARE(database->listWindow()->ticketFile(), frame.attachedTicketFile());
    QCOMPARE(QString::fromStdString(frame.settings().lastTicketFile), second);

    // A damaged file is reported and changes nothing.
    QVERIFY(!frame.openTicketFileByName(damaged));
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices[0].contains(QStringLiteral("damaged.qvt")));
    QCOMPARE(frame.attachedTicketFile()->ticketCount(), std::size_t(5));
    QCOMPARE(QString::fromStdString(frame.settings().lastTicketFile), second);

    // One that cannot be opened is passed over silently.
    QVERIFY(!frame.openTicketFileByName(dir.filePath(QStringLiteral("gone.qvt"))));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(QString::fromStdString(frame.settings().lastTicketFile), second);

    // The menu lists ticket files; OK on the first one replaces the attached file.
    FileSelection::setCurrentDirectory(dir.path());
    QString filter;
    whenModal<FileSelection>([&](FileSelection* d) {
        filter = d->findChild<QComboBox*>(QStringLiteral("102"))->currentText();
        d->findChild<QPushButton*>(QStringLiteral("1"))->click();  // damaged.qvt comes first
    });
    frame.commandAction(cmd::kToolOpenTicketFile)->trigger();
    QCOMPARE(filter, QStringLiteral("Quorvantile Ticket Files *.qvt"));
    QCOMPARE(notices.size(), 2);
    QCOMPARE(frame.attachedTicketFile()->ticketCount(), std::size_t(5));
}

void TestMainFrame::helpOpensTheManual() {
    QTemporaryDir dir;
    const FrameEnvironment env = environmentIn(dir);
    TMyMDIFrame frame(env);
    QList<QUrl> opened;
    bool browserWorks = true;
    frame.setUrlOpener([&](const QUrl& url) {
        opened << url;
        return browserWorks;
    });
    QStringList notices;
    frame.setNotice([&](const QString& text, const QString&) { notices << text; });

    // Without the manual's files: said so, no browser started.
    frame.commandAction(cmd::kHelpIndex)->trigger();
    QVERIFY(opened.isEmpty());
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices[0].contains(frame.manualIndexPath()));

    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("manual")));
    QFile page(dir.filePath(QStringLiteral("manual/index.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    const QUrl local = QUrl::fromLocalFile(dir.filePath(QStringLiteral("manual/index.html")));
    frame.commandAction(cmd::kHelpIndex)->trigger();
    frame.commandAction(cmd::kOnlineManual)->trigger();
    QCOMPARE(opened, (QList<QUrl>{local, local}));

    qputenv("QV_MANUAL_URL", "https://example.org/quorvantile/manual/");
    frame.commandAction(cmd::kOnlineManual)->trigger();
    frame.commandAction(cmd::kHelpIndex)->trigger();
    qunsetenv("QV_MANUAL_URL");
    QCOMPARE(opened.mid(2),
             (QList<QUrl>{QUrl(QStringLiteral("https://example.org/quorvantile/manual/")), local}));

    browserWorks = false;
    notices.clear();
    frame.commandAction(cmd::kHelpIndex)->trigger();
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices[0].contains(QDir::toNativeSeparators(local.toLocalFile())));

    // The installed manual is there and its pages link to one another.
    const QDir manual(QStringLiteral(QV_BUILD_DATA_DIR "/manual"));
    if (manual.exists()) {
        for (const QString& name : manual.entryList({QStringLiteral("*.html")})) {
            QFile f(manual.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(manual.exists(target), qPrintable(name + " -> " + target));
            }
        }
    }
}

void TestMainFrame::aboutAndOptionCommandsRunTheirDialogs() {
    QTemporaryDir dir;
    TMyMDIFrame frame(environmentIn(dir));
    QSize picture;
    QString caption;
    whenModal<TMyAboutDialog>([&](TMyAboutDialog* d) {
        caption = d->windowTitle();
        auto* control = d->findChild<TStatic256*>(QStringLiteral("16"));
        picture = control ? control->picture().size() : QSize();
        QVERIFY(control && control->width() >= 400 && control->height() >= 139);
        d->findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    frame.commandAction(cmd::kAbout)->trigger();
    QCOMPARE(picture, QSize(400, 139));
    QCOMPARE(caption, QStringLiteral("About Quorvantile"));

    caption.clear();
    const qv::DeskTopType before = frame.settings().mainWallpaper;
    whenModal<DeskTopOptions>([&](DeskTopOptions* d) {
        caption = d->windowTitle();
        d->reject();
    });
    frame.desktopMenu()->actions().last()->trigger();
    QCOMPARE(caption, QStringLiteral("DeskTop Settings"));
    QCOMPARE(frame.settings().mainWallpaper, before);

    caption.clear();
    whenModal<CreateDataBaseDialog>([&](CreateDataBaseDialog* d) {
        caption = d->windowTitle();
        d->reject();
    });
    frame.commandAction(cmd::kToolCreateDatabase)->trigger();
    QVERIFY(!caption.isEmpty());
}

int main(int argc, char** argv) {
    TMyApp app(argc, argv);
    TestMainFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_frame.moc"

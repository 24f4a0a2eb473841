// Files named on the command line, as a file manager passes them: each opens by its kind.

#include "core/database/draw_database.h"
#include "core/options/settings.h"
#include "core/tickets/ticket_file.h"
#include "gui/database/database_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

void writeTicketFile(const QString& path, int tickets) {
    qv::TicketFile file = qv::newManualTicketFile();
    file.tickets.resize(static_cast<std::size_t>(tickets));
    for (int i = 0; i < tickets; ++i) file.tickets[std::size_t(i)].numbers[0] = std::int16_t(i + 1);
    QVERIFY(file.saveAs(path.toStdString()).ok());
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    AppEnvironment env_;

    QString file(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        env_ = environmentIn(dir_);
        qv::DataHeader header;
        header.description = "Lotto";
        QVERIFY(qv::createDatabaseFile(file("lotto.dat").toStdString(), header,
                                       qv::StatisticsSettings{}, "")
                    .ok());
        writeTicketFile(file("last.qvt"), 5);
        writeTicketFile(file("mine.qvt"), 3);
        // A ticket file under a name that does not say so: known by its signature.
        writeTicketFile(file("saved.qvt"), 2);
        QVERIFY(QFile::rename(file("saved.qvt"), file("tickets.bak")));
        // The frame only passes a wheeling table on; what it holds does not matter here.
        writeFile(file("w.wl6"), QByteArray(35, '\0'));
        writeFile(file("W2.WL5"), QByteArray(35, '\0'));
        writeFile(file("notes.txt"), "Quorvantile notes\n");
    }

    void init() {
        qv::Settings s;
        s.lastDatabase = file("lotto.dat").toStdString();
        s.lastTicketFile = file("last.qvt").toStdString();
        QVERIFY(qv::writeSettingsFile(env_.settingsPath.toStdString(), s).ok());
    }

    void filesOpenByTheirKind_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("tickets");    // of the ticket file opened; -1: none
        QTest::addColumn<QString>("wheel");  // the wheeling table passed on

        QTest::newRow("nothing named: the last session's files") << QStringList{} << 5 << QString();
        QTest::newRow("a text file is left alone") << QStringList{"notes.txt"} << 5 << QString();
        QTest::newRow("a ticket file replaces the last one")
            << QStringList{"mine.qvt"} << 3 << QString();
        QTest::newRow("a ticket file known by its signature")
            << QStringList{"tickets.bak"} << 2 << QString();
        QTest::newRow("a wheeling table keeps the last ticket file closed")
            << QStringList{"w.wl6"} << -1 << "w.wl6";
        QTest::newRow("the first wheeling table, any letter case")
            << QStringList{"notes.txt", "W2.WL5", "w.wl6", "lotto.dat"} << -1 << "W2.WL5";
        QTest::newRow("not beside a ticket file named with it")
            << QStringList{"w.wl6", "mine.qvt"} << 3 << QString();
    }

    void filesOpenByTheirKind() {
        QFETCH(QStringList, names);
        QFETCH(int, tickets);
        QFETCH(QString, wheel);
        FakeInteraction hooks;
        FrameFixture fixture(env_, hooks);
        QStringList wheels;
        fixture.frame.setWheelingTableOpener([&](const QString& path) { wheels << path; });

        QStringList paths;
        for (const QString& name : names) paths << file(name);
        fixture.frame.setupWindow(paths);

        DataBaseDialog* database =
            documentWindow<DataBaseDialog>(fixture.state, DocumentSlot::Database);
        QVERIFY(database);
        QCOMPARE(QString::fromStdString(database->database().fileName()), file("lotto.dat"));
        const qv::TicketFile* opened = fixture.state.ticketFile();
        QCOMPARE(opened ? int(opened->ticketCount()) : -1, tickets);
        QCOMPARE(wheels, wheel.isEmpty() ? QStringList{} : QStringList{file(wheel)});
        QVERIFY2(hooks.problems.isEmpty(), qPrintable(hooks.problems.join('\n')));
        // A wheeling table does not make the program forget the last ticket file.
        if (tickets < 0)
            QCOMPARE(QString::fromStdString(fixture.state.settings().lastTicketFile),
                     file("last.qvt"));
    }

    void withoutAWheelWindowTheCommandIsNotAvailable() {
        FakeInteraction hooks;
        FrameFixture fixture(env_, hooks);
        fixture.frame.setWheelingTableOpener({});
        fixture.frame.setupWindow({file("w.wl6")});
        QCOMPARE(hooks.problems, QStringList{"This command is not available yet."});
        QVERIFY(!fixture.state.ticketFile());
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_command_line.moc"

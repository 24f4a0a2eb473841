#include "core/database/draw_database.h"
#include "gui/database/create_database_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestCreateDatabase : public QObject {
    Q_OBJECT

private:
    // The chooser answers with the new file's name.
    struct Fixture : FakeInteraction {
        QTemporaryDir dir;
        FrameFixture fixture{environmentIn(dir), *this};
        TMyMDIFrame& frame = fixture.frame;
        Fixture() { answer = dir.filePath(QStringLiteral("new.dat")); }
    };

private slots:
    void createWithDefaults() {
        Fixture f;
        qv::StatisticsSettings options;
        options.hotPickMode = 1;
        options.toDate = qv::Date{12, 31, 2004};
        f.frame.state().setStatisticsSettings(options);
        QString caption;
        QList<int> seen;  // start values, then the values after stepping past each end
        QList<int> limits;
        whenModal<CreateDataBaseDialog>([&](CreateDataBaseDialog* d) {
            caption = d->windowTitle();
            auto* ticket = control<QSpinBox>(d, 120);
            auto* lotto = control<QSpinBox>(d, 121);
            seen << ticket->value() << lotto->value();
            ticket->setValue(10);
            QTest::keyClick(ticket, Qt::Key_Up);
            seen << ticket->value();
            ticket->setValue(1);
            QTest::keyClick(ticket, Qt::Key_Down);
            seen << ticket->value();
            lotto->setValue(100);
            QTest::keyClick(lotto, Qt::Key_Up);
            seen << lotto->value();
            limits << control<QLineEdit>(d, 103)->maxLength()
                   << control<QLineEdit>(d, 110)->maxLength();
            ticket->setValue(6);
            lotto->setValue(49);
            QTest::mouseClick(control<QPushButton>(d, 1), Qt::LeftButton);
        });
        createDatabaseCommand(f.frame.state(), &f.frame);

        QCOMPARE(caption, QStringLiteral("Attributes for new database"));
        QCOMPARE(seen, (QList<int>{6, 49, 10, 1, 100}));
        QCOMPARE(limits, (QList<int>{34, 199}));
        QCOMPARE(f.requests.size(), 1);
        QCOMPARE(f.requests[0].mode, FileRequest::Mode::Save);
        QCOMPARE(f.requests[0].title, QStringLiteral("Select Database"));
        QCOMPARE(f.requests[0].filter, QStringLiteral("DataBase Files (*.dat)"));
        QCOMPARE(f.requests[0].defaultSuffix, QStringLiteral("dat"));

        // Header: empty description, 49, 6, no entries; then the statistics options as they
        // stand.
        QByteArray expected(35, '\0');
        expected += QByteArray("\x31\x00\x06\x00\x00\x00", 6);
        expected +=
            QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x0c\x00\x1f\x00\xd4\x07", 16);
        QCOMPARE(readAll(f.answer), expected);
        // The new database is not opened.
        QVERIFY(!f.frame.state().flags().databaseOpen);
    }

    void createWithALink() {
        Fixture f;
        whenModal<CreateDataBaseDialog>([](CreateDataBaseDialog* d) {
            control<QLineEdit>(d, 103)->setText(QStringLiteral("Pick 3"));
            control<QSpinBox>(d, 120)->setValue(3);
            control<QSpinBox>(d, 121)->setValue(9);
            QTest::keyClicks(control<QLineEdit>(d, 110), QStringLiteral("abc"));
            control<QPushButton>(d, 1)->click();
        });
        createDatabaseCommand(f.frame.state(), &f.frame);
        const QByteArray bytes = readAll(f.answer);
        QCOMPARE(bytes.size(), 60);
        QVERIFY(bytes.endsWith("abc"));
        QVERIFY(bytes.startsWith("Pick 3"));

        qv::DrawDatabase db;
        qv::StatisticsSettings stats;
        QVERIFY(db.load(f.answer.toStdString(), stats));
        QCOMPARE(db.header().numbersOnTicket, 3);
        QCOMPARE(db.header().numbersInLotto, 9);
        QCOMPARE(db.entryCount(), std::size_t(0));
        QCOMPARE(db.updateLink(), std::string("abc"));
    }

    // Cancel in either dialog leaves no file; one that cannot be written is reported.
    void noFileWhenCancelledOrUnwritable() {
        Fixture f;
        whenModal<CreateDataBaseDialog>(
            [](CreateDataBaseDialog* d) { control<QPushButton>(d, 2)->click(); });
        createDatabaseCommand(f.frame.state(), &f.frame);
        QVERIFY(f.requests.isEmpty());
        QVERIFY(!QFile::exists(f.answer));

        f.answer.clear();
        whenModal<CreateDataBaseDialog>(
            [](CreateDataBaseDialog* d) { control<QPushButton>(d, 1)->click(); });
        createDatabaseCommand(f.frame.state(), &f.frame);
        QCOMPARE(f.requests.size(), 1);
        QVERIFY(QDir(f.dir.path()).entryList({QStringLiteral("*.dat")}).isEmpty());
        QVERIFY(f.problems.isEmpty());

        f.answer = f.dir.filePath(QStringLiteral("missing/dir/new.dat"));
        whenModal<CreateDataBaseDialog>(
            [](CreateDataBaseDialog* d) { control<QPushButton>(d, 1)->click(); });
        createDatabaseCommand(f.frame.state(), &f.frame);
        QCOMPARE(f.problems.size(), 1);
        QVERIFY(f.problems[0].contains(QLatin1String("new.dat")));
    }
};

QTEST_MAIN(TestCreateDatabase)
#include "test_create_database.moc"

// The past performance of the open ticket file, from a double click in the database window,
// and the calculator button.

#include "core/database/draw_database.h"
#include "core/entry/past_performance.h"
#include "core/tickets/ticket_file.h"
#include "gui/common/application_state.h"
#include "gui/common/busy_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/past_performance_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

struct Fixture : FakeInteraction {
    QTemporaryDir dir;
    FrameFixture app{environmentIn(dir), *this};
    DataBaseDialog* window = nullptr;
    qv::TicketFile tickets = qv::newManualTicketFile(6, 49);

    Fixture() {
        const QString path = dir.filePath(QStringLiteral("lotto.dat"));
        QFile::copy(kSample, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        window = openDatabaseWindow(app.state, &app.frame, path);
        // Two tickets made of the newest draw's numbers.
        const qv::TicketType& newest = window->database().entry(0);
        tickets.tickets = {
            newest, ticket({newest.numbers[0], newest.numbers[1], newest.numbers[2], 60, 61, 62})};
    }
    TMyDataTicketWindow* list() const { return window->listWindow(); }
    // Double-clicks on the row of entry `row` (counted from the first listed) at `x`.
    void doubleClick(int row, int x) {
        const int lh = list()->lineHeight();
        QTest::mouseDClick(list(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(x, (row + 1) * lh + lh / 2));
    }
};

}  // namespace

class TestPastPerformance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    void doubleClickShowsTheTotalsDownToTheClickedDraw() {
        Fixture f;
        QVERIFY(f.window);
        f.app.state.openTicketFile(f.tickets);
        QString shown;
        QString caption;
        whenModal<TMyPastPerformanceDialog>([&](TMyPastPerformanceDialog* d) {
            caption = d->windowTitle();
            shown = d->textLabel()->text();
            d->accept();
        });
        f.doubleClick(2, 30);
        QCOMPARE(caption, QStringLiteral("Total Winnings"));
        const qv::PastPerformance expected =
            qv::checkPastPerformance(f.window->database().entries(), f.tickets.tickets, 2);
        QCOMPARE(expected.entriesChecked, 3u);
        QCOMPARE(shown, QString::fromStdString(qv::pastPerformanceText(expected)));
        QVERIFY(shown.contains(QStringLiteral("6/6 =    1")));
    }

    void nothingHappensOutsideTheDatesAndNumbersOrWithoutTickets() {
        Fixture f;
        bool shown = false;
        auto watch = [&] {
            whenModal<TMyPastPerformanceDialog>(
                [&](TMyPastPerformanceDialog* d) {
                    shown = true;
                    d->accept();
                },
                20);
        };
        watch();
        f.doubleClick(0, 30);  // no ticket file
        QTest::qWait(300);
        QVERIFY(!shown);

        f.app.state.openTicketFile(f.tickets);
        watch();
        f.doubleClick(0, 5);  // the left margin
        QTest::qWait(300);
        QVERIFY(!shown);
        watch();
        f.doubleClick(0, qv::kPastPerformanceRight + 5);  // the result columns
        QTest::qWait(300);
        QVERIFY(!shown);
        watch();
        f.doubleClick(0, 30);
        QTest::qWait(300);
        QVERIFY(shown);
        f.app.state.closeDocument(f.app.state.ticketDocument());
    }

    void cancellingTheCheckShowsWhatWasCounted() {
        Fixture f;
        // Enough tickets that the check of the whole history takes a while.
        f.tickets.tickets.assign(5000, f.tickets.tickets.front());
        f.app.state.openTicketFile(f.tickets);
        // Cancel as soon as the progress dialog is up.
        whenModal<BusyDialog>([](BusyDialog* b) { b->reject(); });
        QString shown;
        whenModal<TMyPastPerformanceDialog>([&](TMyPastPerformanceDialog* d) {
            shown = d->textLabel()->text();
            d->accept();
        });
        showPastPerformance(f.app.state, f.window, int(f.window->database().entryCount()) - 1);
        QVERIFY(shown.startsWith(QStringLiteral("For the last ")));
        QVERIFY(!shown.startsWith(
            QStringLiteral("For the last %1 ").arg(f.window->database().entryCount())));
        f.app.state.closeDocument(f.app.state.ticketDocument());
    }

    void calculatorStartsTheFirstOneOnThePath() {
        FakeInteraction hooks;
        QTemporaryDir bin;
        for (const char* name : {"xcalc", "galculator"}) {
            const QString path = bin.filePath(QString::fromLatin1(name));
            writeFile(path, "#!/bin/sh\n");
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray oldPath = qgetenv("PATH");
        const QStringList& started = hooks.programs;
        TMyPastPerformanceDialog d(hooks, QStringLiteral("text"));
        qputenv("PATH", bin.path().toLocal8Bit());
        control<QPushButton>(&d, TMyPastPerformanceDialog::kCalculator)->click();
        QCOMPARE(started, QStringList{bin.filePath(QStringLiteral("galculator"))});
        QVERIFY(hooks.problems.isEmpty());

        qputenv("PATH", dir());
        d.startCalculator();
        QCOMPARE(started.size(), 1);
        QCOMPARE(hooks.problems.size(), 1);
        QVERIFY(hooks.problems.at(0).startsWith(QStringLiteral("No calculator was found.")));
        qputenv("PATH", oldPath);
    }

private:
    static QByteArray dir() {
        static QTemporaryDir empty;
        return empty.path().toLocal8Bit();
    }
};

QTEST_MAIN(TestPastPerformance)
#include "test_past_performance.moc"

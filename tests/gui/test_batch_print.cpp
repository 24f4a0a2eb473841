// Batch printing through the program itself: the options, the exit status and the PDF files
// it writes, with no window and no display.

#include <QProcess>
#include <QtTest>

#include "core/tickets/ticket_file.h"
#include "pdf_pages.h"

using qv::test::pdfPages;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runProgram(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The program chooses the off-screen platform itself when none is set.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QV_APP_PATH), args);
    if (!process.waitForFinished(120000)) return {};
    Run run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

}  // namespace

class TestBatchPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString file(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        // A manual ticket file of 1,000 tickets, six numbers each.
        qv::TicketFile tickets = qv::newManualTicketFile();
        tickets.tickets.resize(1000);
        for (int i = 0; i < 1000; ++i)
            for (int k = 0; k < 6; ++k)
                tickets.tickets[std::size_t(i)].numbers[std::size_t(k)] =
                    std::int16_t((i + 7 * k) % 49 + 1);
        QVERIFY(tickets.saveAs(file(QStringLiteral("many.qvt")).toStdString()).ok());
    }

    void helpListsTheOptions() {
        const Run run = runProgram({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("--print-pdf OUT.pdf --chart")));
        QVERIFY(run.out.contains(QStringLiteral("--tickets FILE.qvt")));
    }

    void usageErrorsExitWithTwo() {
        const Run run = runProgram({QStringLiteral("--print-pdf"), file("x.pdf"),
                                    QStringLiteral("--chart"), QStringLiteral("pie"), kSample});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("unknown chart pie")));
        QVERIFY(!QFile::exists(file("x.pdf")));
    }

    void unreadableAndUnwritableFilesExitWithOne() {
        Run run = runProgram({QStringLiteral("--print-pdf"), file("y.pdf"),
                              QStringLiteral("--chart"), QStringLiteral("pairs"),
                              file("missing.dat")});
        QCOMPARE(run.status, 1);
        QVERIFY(!QFile::exists(file("y.pdf")));

        run = runProgram({QStringLiteral("--print-pdf"), file("no/such/dir/z.pdf"),
                          QStringLiteral("--chart"), QStringLiteral("frequency"), kSample});
        QCOMPARE(run.status, 1);

        // A failed print leaves an existing file as it was.
        QFile old(file("kept.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        run = runProgram({QStringLiteral("--print-pdf"), file("kept.pdf"),
                          QStringLiteral("--tickets"), file("missing.qvt")});
        QCOMPARE(run.status, 1);
        QCOMPARE(QFileInfo(file("kept.pdf")).size(), 3);
    }

    void everyChartPrints_data() {
        QTest::addColumn<QString>("chart");
        for (const char* chart :
             {"frequency", "bonus", "pairs", "pairs-list", "skips", "cluster"})
            QTest::newRow(chart) << QString::fromLatin1(chart);
    }
    void everyChartPrints() {
        QFETCH(QString, chart);
        const QString out = file(chart + QStringLiteral(".pdf"));
        const Run run =
            runProgram({QStringLiteral("--print-pdf"), out, QStringLiteral("--chart"), chart, kSample});
        QCOMPARE(run.status, 0);
        QVERIFY(pdfPages(out) >= 1);
    }

    void triplesWithAPageLimit() {
        const QString out = file(QStringLiteral("triples.pdf"));
        const Run run = runProgram({QStringLiteral("--print-pdf"), out, QStringLiteral("--chart"),
                                    QStringLiteral("triples"), kSample, QStringLiteral("--pages"),
                                    QStringLiteral("2")});
        QCOMPARE(run.status, 0);
        QCOMPARE(pdfPages(out), 2);
    }

    void ticketsAndTheirPageRange() {
        const QString all = file(QStringLiteral("tickets.pdf"));
        Run run = runProgram({QStringLiteral("--print-pdf"), all, QStringLiteral("--tickets"),
                              file(QStringLiteral("many.qvt")), QStringLiteral("--winning"),
                              kSample});
        QCOMPARE(run.status, 0);
        const int pages = pdfPages(all);
        QVERIFY(pages >= 2);

        const QString some = file(QStringLiteral("some.pdf"));
        run = runProgram({QStringLiteral("--print-pdf"), some, QStringLiteral("--tickets"),
                          file(QStringLiteral("many.qvt")), QStringLiteral("--pages"),
                          QStringLiteral("2-2")});
        QCOMPARE(run.status, 0);
        QCOMPARE(pdfPages(some), 1);

        // A range past the last page prints nothing and says so.
        const QString none = file(QStringLiteral("none.pdf"));
        run = runProgram({QStringLiteral("--print-pdf"), none, QStringLiteral("--tickets"),
                          file(QStringLiteral("many.qvt")), QStringLiteral("--pages"),
                          QStringLiteral("900-901")});
        QCOMPARE(run.status, 1);
        QVERIFY(!QFile::exists(none));
    }
};

QTEST_GUILESS_MAIN(TestBatchPrint)
#include "test_batch_print.moc"

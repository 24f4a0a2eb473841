// The database window's print options and the print commands' way to the printer: the
// chosen chart is printed without a further dialog, and with no printer at all the pages go
// to a PDF file the user names.

#include <QButtonGroup>
#include <QPrinter>
#include <QRadioButton>

#include "gui/database/database_dialog.h"
#include "gui/print/database_print_options_dialog.h"
#include "gui/print/triples_print_options_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;
using qv::print::PrintedChart;

namespace {

const QString kDataDir = QStringLiteral(QV_BUILD_DATA_DIR);

bool isPdf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-" && f.size() > 1000;
}

struct Fixture : FakeInteraction {
    QTemporaryDir dir;
    std::unique_ptr<FrameFixture> fixture;
    DataBaseDialog* window = nullptr;

    Fixture() {
        QFile::copy(kDataDir + QStringLiteral("/lotto649.dat"),
                    dir.filePath(QStringLiteral("lotto.dat")));
        fixture = std::make_unique<FrameFixture>(environmentIn(dir), *this);
        window = openDatabaseWindow(fixture->state, &fixture->frame,
                                    dir.filePath(QStringLiteral("lotto.dat")));
    }
    QPrinter& printer() { return fixture->state.printer(); }
    // The application's printer prints into `name`.
    QString printInto(const QString& name) {
        const QString path = dir.filePath(name);
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(path);
        return path;
    }
};

}  // namespace

class TestPrintDatabase : public QObject {
    Q_OBJECT

private slots:
    void optionsOfferEveryChartInOrder() {
        QPrinter printer;
        MyDataBasePrintOptionsDialog dialog(printer, {});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Options"));
        const QList<QRadioButton*> radios = dialog.findChildren<QRadioButton*>();
        QStringList texts;
        QList<int> ids;
        for (QRadioButton* r : radios) {
            texts << r->text();
            ids << r->objectName().toInt();
        }
        QCOMPARE(texts, (QStringList{"Print Number Frequency Chart",
                                     "Print Bonus Number Frequency Chart",
                                     "Print Frequency of Pairs Chart",
                                     "Print Frequency of Triples Chart",
                                     "Print Skipping Habit Chart", "Print Cluster Analysis"}));
        QCOMPARE(ids, (QList<int>{103, 104, 105, 108, 106, 107}));
        QVERIFY(radios.first()->isChecked());

        // "Print" ends with the radio button's id + 8; each code names its chart.
        const QList<std::pair<int, PrintedChart>> codes{
            {103, PrintedChart::Frequency}, {104, PrintedChart::Bonus},
            {105, PrintedChart::Pairs},     {108, PrintedChart::Triples},
            {106, PrintedChart::Skips},     {107, PrintedChart::Cluster}};
        for (const auto& [id, chart] : codes) {
            control<QRadioButton>(&dialog, id)->setChecked(true);
            control<QPushButton>(&dialog, MyDataBasePrintOptionsDialog::kPrint)->click();
            QCOMPARE(dialog.result(), id + 8);
            QCOMPARE(MyDataBasePrintOptionsDialog::chartForResult(dialog.result()), chart);
        }
        control<QPushButton>(&dialog, MyDataBasePrintOptionsDialog::kCancel)->click();
        QCOMPARE(dialog.result(), 0);
        QVERIFY(!MyDataBasePrintOptionsDialog::chartForResult(0));
        QVERIFY(!MyDataBasePrintOptionsDialog::chartForResult(117));
    }

    void theChosenChartPrintsOnThePrinter() {
        Fixture f;
        QVERIFY(f.window);
        const QString out = f.printInto(QStringLiteral("pairs.pdf"));
        whenModal<MyDataBasePrintOptionsDialog>([](MyDataBasePrintOptionsDialog* d) {
            control<QRadioButton>(d, MyDataBasePrintOptionsDialog::kPairs)->setChecked(true);
            control<QPushButton>(d, MyDataBasePrintOptionsDialog::kPrint)->click();
        });
        control<QPushButton>(f.window, DataBaseDialog::kPrintOptions)->click();
        QVERIFY(isPdf(out));
        QVERIFY(f.requests.isEmpty());
        QVERIFY(f.problems.isEmpty());

        // Cancel prints nothing.
        const QString none = f.printInto(QStringLiteral("none.pdf"));
        whenModal<MyDataBasePrintOptionsDialog>(
            [](MyDataBasePrintOptionsDialog* d) { d->reject(); });
        f.window->printOptions();
        QVERIFY(!QFile::exists(none));
    }

    void triplesAskForTheirPageLimitFirst() {
        Fixture f;
        QVERIFY(f.window);
        const QString out = f.printInto(QStringLiteral("triples.pdf"));
        whenModal<MyTriplesPrintOptionsDialog>([](MyTriplesPrintOptionsDialog* d) { d->reject(); });
        f.window->printChart(PrintedChart::Triples);
        QVERIFY(!QFile::exists(out));
    }

    void withoutAPrinterThePagesGoToAPdfFile() {
        Fixture f;
        QVERIFY(f.window);
        // No printer chosen and none to choose: the print asks for a file.
        f.printer().setOutputFormat(QPrinter::PdfFormat);
        f.printer().setOutputFileName(QString());
        f.answer = f.dir.filePath(QStringLiteral("chosen.pdf"));
        f.window->printChart(PrintedChart::Cluster);
        QCOMPARE(f.requests.size(), 1);
        QCOMPARE(f.requests.first().mode, FileRequest::Mode::Save);
        QVERIFY(f.requests.first().filter.contains(QStringLiteral("*.pdf")));
        // The chart's title, made safe for a file name, is offered.
        QVERIFY2(f.requests.first().selected.endsWith(
                     QStringLiteral("/Cluster Analysis for Lotto 6-49.pdf")),
                 qPrintable(f.requests.first().selected));
        QVERIFY(isPdf(f.answer));
        QVERIFY(f.problems.isEmpty());

        // Cancelling the file choice prints nothing and says nothing.
        f.answer.clear();
        f.window->printChart(PrintedChart::Frequency);
        QCOMPARE(f.requests.size(), 2);
        QVERIFY(f.problems.isEmpty());

        // A file that cannot be written is reported.
        f.answer = f.dir.filePath(QStringLiteral("missing/dir/out.pdf"));
        f.window->printChart(PrintedChart::Frequency);
        QCOMPARE(f.problems.size(), 1);
    }
};

QTEST_MAIN(TestPrintDatabase)
#include "test_print_database.moc"

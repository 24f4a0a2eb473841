#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <set>

#include "core/database/draw_database.h"
#include "core/statistics/pairs.h"
#include "core/statistics/triples.h"
#include "gui/app/my_mdi_client.h"
#include "gui/database/database_dialog.h"
#include "gui/print/statistics_printouts.h"
#include "gui/print/triples_print_options_dialog.h"
#include "gui/statistics/statistics_commands.h"
#include "gui/statistics/triples_window.h"
#include "gui_test_support.h"
#include "pdf_pages.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kDataDir = QStringLiteral(QV_BUILD_DATA_DIR);

struct PrintedText {
    QString text;
    QRect box;
    QColor colour;
};
using Page = QList<PrintedText>;

// Runs a printout into a PDF file and keeps every text of every page; notes a text that
// leaves the page.
struct Recorder : Printout {
    StatisticsPrintout& inner;
    QList<Page> pages;
    QStringList outside;

    explicit Recorder(StatisticsPrintout& printout) : inner(printout) {
        inner.setTextSink([this](const QString& text, const QRect& box, const QColor& colour) {
            pages.last().append(PrintedText{text, box, colour});
        });
    }
    QString documentName() const override { return inner.documentName(); }
    bool hasPage(int page) const override { return inner.hasPage(page); }
    void printPage(QPainter& painter, int page, const QRect& pageRect) override {
        pages.append(Page{});
        inner.printPage(painter, page, pageRect);
        for (const PrintedText& t : pages.last())
            if (!pageRect.contains(t.box)) outside << t.text;
    }
};

// Prints on A4 into `dir`; the sheets printed.
int printToFile(Recorder& recorder, const QTemporaryDir& dir) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("chart.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printDocument(printer, recorder);
}

bool isNumber(const QString& s) {
    bool ok = false;
    s.toInt(&ok);
    return ok;
}

int count(const QList<Page>& pages, const std::function<bool(const PrintedText&)>& matches) {
    int n = 0;
    for (const Page& p : pages)
        for (const PrintedText& t : p) n += matches(t) ? 1 : 0;
    return n;
}

}  // namespace

class TestPrintStatistics : public QObject {
    Q_OBJECT

    qv::DrawDatabase db_;
    QTemporaryDir dir_;

    std::unique_ptr<StatisticsPrintout> make(Chart chart, int limit = 0) {
        std::unique_ptr<Printout> p = makeChartPrintout(chart, db_, limit, nullptr);
        return std::unique_ptr<StatisticsPrintout>(dynamic_cast<StatisticsPrintout*>(p.release()));
    }

private slots:
    void initTestCase() {
        QVERIFY(db_.load((kDataDir + QStringLiteral("/lotto649.dat")).toStdString()).ok());
        QCOMPARE(int(db_.header().numbersInLotto), 49);
    }

    // Each chart of the sample database prints every record once, within the page, under
    // its title; pages continue where the one before stopped.
    void everyChartPrintsItsRecordsOnce() {
        const QString name = printedDatabaseName(db_);
        QVERIFY(!name.isEmpty());
        struct Case {
            Chart chart;
            QString title;
        };
        const Case cases[] = {
            {Chart::Frequency, "Number Frequency for " + name},
            {Chart::Bonus, "Bonus Number Frequency for " + name},
            {Chart::Pairs, "Pairs Frequency for " + name},
            {Chart::PairsList, "Pairs Frequency for " + name},
            {Chart::Triples, "Triples Frequency for " + name},
            {Chart::Skips, name},
            {Chart::Cluster, "Cluster Analysis for " + name},
        };
        const std::vector<qv::PairCount> pairs =
            qv::sortedPairs(qv::CountPairs(db_.header(), db_.entries(), db_.statistics()));
        const int threshold = qv::topTenThreshold(pairs);
        for (const Case& c : cases) {
            std::unique_ptr<StatisticsPrintout> printout = make(c.chart);
            QCOMPARE(printout->title(), c.title);
            Recorder r(*printout);
            const int sheets = printToFile(r, dir_);
            QCOMPARE(sheets, int(r.pages.size()));
            QVERIFY2(r.outside.isEmpty(), qPrintable(r.outside.join(", ")));
            const QList<Page>& pages = r.pages;
            // Every page starts with its number, the title and today's date.
            const QDate today = QDate::currentDate();
            const QString date = QStringLiteral("%1/%2/%3")
                                     .arg(today.month()).arg(today.day()).arg(today.year());
            for (int i = 0; i < pages.size(); ++i) {
                QCOMPARE(pages[i].value(0).text, QStringLiteral("Page %1").arg(i + 1));
                QCOMPARE(pages[i].value(1).text, date);
                QCOMPARE(pages[i].value(2).text, c.title);
            }

            switch (c.chart) {
                case Chart::Frequency:
                case Chart::Bonus: {
                    // The numbers are the lowest numeric texts of each page: 1..49 in order,
                    // over more than one page, each page with its own legend.
                    QVERIFY(sheets >= 2);
                    QStringList numbers;
                    for (const Page& p : pages) {
                        int lowest = 0;
                        for (const PrintedText& t : p)
                            if (isNumber(t.text)) lowest = std::max(lowest, t.box.top());
                        for (const PrintedText& t : p)
                            if (isNumber(t.text) && t.box.top() == lowest) numbers << t.text;
                        QCOMPARE(count({p}, [](auto& t) { return t.text == "Hot Numbers"; }), 1);
                        QCOMPARE(
                            count({p},
                                  [](auto& t) { return t.text.startsWith("Statistical Avg. = "); }),
                            1);
                    }
                    QStringList expected;
                    for (int v = 1; v <= 49; ++v) expected << QString::number(v);
                    QCOMPARE(numbers, expected);
                    break;
                }
                case Chart::Pairs:
                    // Every red cell is a top-ten pair, printed once.
                    QCOMPARE(
                        count(pages,
                              [](auto& t) { return t.colour == kChartRed && isNumber(t.text); }),
                        int(std::count_if(pairs.begin(), pairs.end(),
                                          [&](auto& p) { return p.count >= threshold; })));
                    QCOMPARE(count(pages, [](auto& t) { return t.text == "Red -"; }), sheets);
                    break;
                case Chart::PairsList: {
                    std::set<QString> seen;
                    for (const Page& p : pages)
                        for (const PrintedText& t : p)
                            if (t.text.contains(", ")) QVERIFY(seen.insert(t.text).second);
                    QCOMPARE(seen.size(), pairs.size());
                    QCOMPARE(count(pages, [](auto& t) { return t.colour == kChartRed; }), 10);
                    QCOMPARE(count(pages, [](auto& t) { return t.text == "Occurences"; }),
                             4 * sheets);
                    break;
                }
                case Chart::Triples:
                    QCOMPARE(count(pages, [](auto& t) { return t.text.count('-') == 2; }), 18424);
                    break;
                case Chart::Skips:
                    QCOMPARE(
                        count(pages,
                              [](auto& t) { return t.text == "(Number of Drawings Skipped)"; }),
                        sheets);
                    // 49 rows of 60 counts, with the labels of rows and columns.
                    QVERIFY(count(pages, [](auto& t) { return isNumber(t.text); }) >= 49 * 60);
                    break;
                case Chart::Cluster:
                    QCOMPARE(count(pages,
                                   [](auto& t) {
                                       return t.text ==
                                              "Indicates more than 1 other entry touching";
                                   }),
                             sheets);
                    // Each number's label once over the pages.
                    QCOMPARE(count(pages, [](auto& t) { return isNumber(t.text); }), 49);
                    break;
            }
        }
    }

    // "Only the first 2 page(s)" prints exactly two pages, of the most frequent sets.
    void triplesPageLimit() {
        for (int limit : {1, 2}) {
            std::unique_ptr<StatisticsPrintout> printout = make(Chart::Triples, limit);
            Recorder r(*printout);
            QCOMPARE(printToFile(r, dir_), limit);
            QVERIFY(!printout->hasPage(limit + 1));
        }
        QString path = dir_.filePath(QStringLiteral("limit.pdf"));
        std::unique_ptr<Printout> two = makeChartPrintout(Chart::Triples, db_, 2, nullptr);
        QString error;
        QVERIFY(printToPdf(path, *two, &error));
        QCOMPARE(pdfPages(path), 2);
    }

    // The dialog's rules: all pages by default, focus on the count chooses "Only the first",
    // text that is no page count is refused with a message.
    void triplesOptionsDialog() {
        FakeInteraction hooks;
        QPrinter printer;
        MyTriplesPrintOptionsDialog d(hooks, printer, {});
        auto* all = control<QRadioButton>(&d, MyTriplesPrintOptionsDialog::kAllPages);
        auto* first = control<QRadioButton>(&d, MyTriplesPrintOptionsDialog::kOnlyFirst);
        auto* edit = control<QLineEdit>(&d, MyTriplesPrintOptionsDialog::kPageCount);
        auto* ok = control<QPushButton>(&d, MyTriplesPrintOptionsDialog::kOk);
        QVERIFY(all->isChecked());
        QCOMPARE(edit->maxLength(), 3);
        QVERIFY(!control<QPushButton>(&d, MyTriplesPrintOptionsDialog::kPreview)->isEnabled());

        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(edit, &focus);
        QVERIFY(first->isChecked());

        d.show();
        for (const char* bad : {"", "x", "-1"}) {
            edit->setText(bad);
            ok->click();
            QVERIFY(d.isVisible());
        }
        QCOMPARE(hooks.problems.size(), 3);

        edit->setText("2");
        ok->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.pageLimit(), 2);

        // "All Pages" ignores whatever the edit holds.
        d.show();
        all->setChecked(true);
        edit->setText("x");
        ok->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.pageLimit(), 0);
    }

    // The triples window's Print asks for the pages, then prints the window's list.
    void triplesWindowPrints() {
        QTemporaryDir dir;
        QFile::copy(kDataDir + QStringLiteral("/lotto649.dat"),
                    dir.filePath(QStringLiteral("lotto.dat")));
        FakeInteraction hooks;
        FrameFixture f(environmentIn(dir), hooks);
        QVERIFY(openDatabaseWindow(f.state, &f.frame, dir.filePath(QStringLiteral("lotto.dat"))));
        auto* w = qobject_cast<TriplesWindow*>(
            openStatisticsWindow(f.state, f.frame.client(), qv::StatisticsKind::Triples));
        QVERIFY(w);
        const QString path = dir.filePath(QStringLiteral("window.pdf"));
        f.state.printer().setOutputFormat(QPrinter::PdfFormat);
        f.state.printer().setOutputFileName(path);

        whenModal<MyTriplesPrintOptionsDialog>([](MyTriplesPrintOptionsDialog* d) {
            control<QRadioButton>(d, MyTriplesPrintOptionsDialog::kOnlyFirst)->setChecked(true);
            control<QLineEdit>(d, MyTriplesPrintOptionsDialog::kPageCount)->setText("1");
            control<QPushButton>(d, MyTriplesPrintOptionsDialog::kOk)->click();
        });
        w->runCommand(StatWindow::kPrint);
        QCOMPARE(pdfPages(path), 1);
        QVERIFY(hooks.problems.isEmpty());
    }
};

QTEST_MAIN(TestPrintStatistics)
#include "test_print_statistics.moc"

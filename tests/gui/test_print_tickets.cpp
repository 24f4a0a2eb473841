// The ticket printout and its print options: the dialog's range rules, what each page draws
// (labels, red hits, two columns), the pages of a PDF file, and "Print &Options" of an open
// ticket file.

#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <map>
#include <set>

#include "core/tickets/ticket_file.h"
#include "core/wheels/wheel_info.h"
#include "gui/common/application_state.h"
#include "gui/print/ticket_print_options_dialog.h"
#include "gui/print/ticket_printout.h"
#include "gui/tickets/ticket_commands.h"
#include "gui/tickets/ticket_file_dialog.h"
#include "gui/tickets/ticket_window.h"
#include "gui_test_support.h"
#include "pdf_pages.h"

using namespace qv::gui;
using namespace qv::test;
using Dialog = MyTicketFilePrintOptionsDialog;

namespace {

// A wheel ticket file of `count` tickets of six numbers out of 1..49.
qv::TicketFile wheelFile(int count) {
    qv::WheelInfo wheel;
    wheel.description = "Big wheel";
    wheel.numbersToWheel = 49;
    wheel.numbersPerTicket = 6;
    wheel.guarantee = 3;
    wheel.guaranteeIf = 6;
    std::vector<qv::TicketType> rows(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        for (int j = 0; j < 6; ++j)
            rows[k].numbers[j] = static_cast<std::int16_t>((k + 7 * j) % 49 + 1);
    wheel.setRows(rows);
    qv::NumbersUsed used{};
    for (int i = 0; i < 49; ++i) used[i] = static_cast<std::int16_t>(i + 1);
    return qv::newWheelTicketFile(wheel, used);
}

// A page as the printer sees it: each text with where it starts, its colour and its page.
struct DrawnText {
    int page = 0;
    QPoint at;
    QString text;
    QColor colour;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.push_back({page, p.toPoint(), item.text(), pen_.color()});
    }
    Type type() const override { return QPaintEngine::User; }

    int page = 0;
    std::vector<DrawnText> texts;

private:
    QPen pen_;
};

// A device with the sizes and resolution of an A4 page on the PDF printer.
class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice() : printer_(QPrinter::HighResolution) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    }
    QPaintEngine* paintEngine() const override { return &engine; }
    QRect pageRect() const { return QRect(QPoint(0, 0), QSize(width(), height())); }

    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return printer_.width();
            case PdmHeight:
                return printer_.height();
            case PdmWidthMM:
                return printer_.widthMM();
            case PdmHeightMM:
                return printer_.heightMM();
            case PdmDpiX:
                return printer_.logicalDpiX();
            case PdmDpiY:
                return printer_.logicalDpiY();
            case PdmPhysicalDpiX:
                return printer_.physicalDpiX();
            case PdmPhysicalDpiY:
                return printer_.physicalDpiY();
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return INT_MAX;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    QPrinter printer_;
};

// Goes through the pages as a print does; the texts of every drawn page, and those pages.
std::vector<DrawnText> record(Printout& printout, std::vector<int>* drawnPages = nullptr) {
    RecordingDevice device;
    for (int page = 1; page < 10000; ++page) {
        if (page > 1 && !printout.hasPage(page)) break;
        if (!printout.drawsPage(page)) continue;
        device.engine.page = page;
        QPainter painter(&device);
        painter.setFont(printBaseFont());
        printout.printPage(painter, page, device.pageRect());
        if (drawnPages) drawnPages->push_back(page);
    }
    return device.engine.texts;
}

// The label of a ticket piece ("  12. " gives 12), or 0.
int labelOf(const QString& text) {
    static const QRegularExpression label(QStringLiteral("^ *(\\d+)\\. $"));
    const QRegularExpressionMatch m = label.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

}  // namespace

class TestPrintTickets : public QObject {
    Q_OBJECT

private:
    struct Fixture : FakeInteraction {
        QTemporaryDir dir;
        ApplicationState state{environmentIn(dir)};
        Fixture() { attach(state); }
    };

private slots:
    void dialogOpensOnTheRememberedRange() {
        Fixture f;
        {
            Dialog d(f.state, {});
            QVERIFY(control<QRadioButton>(&d, Dialog::kAllPages)->isChecked());
            QCOMPARE(control<QLineEdit>(&d, Dialog::kFirstPage)->maxLength(), 3);
            QVERIFY(control<QPushButton>(&d, Dialog::kPrint)->isDefault());
            // Going into an edit chooses the range.
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            control<QLineEdit>(&d, Dialog::kLastPage)->setFocus();
            QTRY_VERIFY(control<QRadioButton>(&d, Dialog::kJustThesePages)->isChecked());
        }
        f.state.setTicketPrintRange({2, 5});
        Dialog d(f.state, {});
        QVERIFY(control<QRadioButton>(&d, Dialog::kJustThesePages)->isChecked());
        QCOMPARE(control<QLineEdit>(&d, Dialog::kFirstPage)->text(), QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(&d, Dialog::kLastPage)->text(), QStringLiteral("5"));
    }

    void dialogRangeRules_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("wantFirst");  // -1: refused with a message
        QTest::addColumn<int>("wantLast");
        QTest::newRow("all pages") << true << "3"
                                   << "1" << 0 << 0;
        QTest::newRow("one page") << false << "2"
                                  << "2" << 2 << 2;
        QTest::newRow("empty") << false << ""
                               << "4" << -1 << 0;
        QTest::newRow("backwards") << false << "5"
                                   << "4" << -1 << 0;
    }
    void dialogRangeRules() {
        QFETCH(bool, all);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, wantFirst);
        QFETCH(int, wantLast);
        Fixture f;
        f.state.setTicketPrintRange({7, 8});
        Dialog d(f.state, {});
        control<QLineEdit>(&d, Dialog::kFirstPage)->setText(first);
        control<QLineEdit>(&d, Dialog::kLastPage)->setText(last);
        control<QRadioButton>(&d, all ? Dialog::kAllPages : Dialog::kJustThesePages)
            ->setChecked(true);
        control<QPushButton>(&d, Dialog::kPrint)->click();
        QCOMPARE(d.result(), int(wantFirst < 0 ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(f.problems.size(), wantFirst < 0 ? 1 : 0);
        // A refused range leaves the remembered one.
        QCOMPARE(f.state.ticketPrintRange().first, wantFirst < 0 ? 7 : wantFirst);
        QCOMPARE(f.state.ticketPrintRange().last, wantFirst < 0 ? 8 : wantLast);
    }

    // The preview shows the pages entered, without remembering them.
    void previewTakesTheEnteredRange() {
        Fixture f;
        qv::TicketFile file = wheelFile(300);
        QList<int> firsts;
        Dialog d(f.state, [&](qv::print::PageRange range) {
            firsts << range.first;
            return makeTicketPrintout(QString(), file, qv::TicketType{}, range);
        });
        control<QRadioButton>(&d, Dialog::kJustThesePages)->setChecked(true);
        control<QLineEdit>(&d, Dialog::kFirstPage)->setText(QStringLiteral("3"));
        control<QLineEdit>(&d, Dialog::kLastPage)->setText(QStringLiteral("3"));
        bool previewed = false;
        whenModal<QDialog>([&](QDialog* preview) {
            previewed = preview != &d;
            preview->reject();
        });
        control<QPushButton>(&d, Dialog::kPreview)->click();
        QVERIFY(previewed);
        QVERIFY(!firsts.isEmpty());
        for (int first : firsts) QCOMPARE(first, 3);
        QVERIFY(f.state.ticketPrintRange().all());
    }

    // Every ticket of a big wheel file once, in two columns.
    void bigFileEveryLabelOnce() {
        const qv::TicketFile file = wheelFile(1000);
        const qv::TicketType winning = ticket({1, 8, 15, 40}, {9});
        auto printout = makeTicketPrintout(QStringLiteral("/tmp/big.qvt"), file, winning);
        std::vector<int> pages;
        const std::vector<DrawnText> texts = record(*printout, &pages);

        std::map<int, int> seen;
        // Labels of 1 to 4 digits end in the same place in each column.
        std::set<int> labelEnds;
        RecordingDevice device;
        const QFontMetrics fm(printBaseFont(), &device);
        bool description = false;
        for (const DrawnText& t : texts) {
            if (const int label = labelOf(t.text)) {
                ++seen[label];
                labelEnds.insert(t.at.x() + fm.horizontalAdvance(t.text));
            }
            description |=
                t.text == QStringLiteral("Wheeling table, Big wheel which guarantees 3/6 if 6");
        }
        QVERIFY(description);
        QCOMPARE(int(seen.size()), 1000);
        QCOMPARE(seen.begin()->first, 1);
        QCOMPARE(seen.rbegin()->first, 1000);
        for (const auto& [label, times] : seen) QCOMPARE(times, 1);
        QCOMPARE(int(labelEnds.size()), 2);
        QVERIFY(pages.size() > 1);
    }

    // Red for hits: main numbers among the main numbers, bonus among the bonus numbers only;
    // the tickets in the window's order with its labels.
    void hitsInRedInTheWindowsOrder() {
        qv::TicketFile file = qv::newManualTicketFile();
        file.tickets = {ticket({1, 2, 3, 4, 5, 6}, {7}), ticket({10, 11, 12, 13, 14, 15}, {3})};
        for (const bool drawn : {true, false}) {
            const qv::TicketType winning = drawn ? ticket({3, 6, 11, 40}, {7}) : qv::TicketType{};
            auto printout = makeTicketPrintout(QString(), file, {2, 1}, winning);
            QStringList red;
            QStringList labels;
            for (const DrawnText& t : record(*printout)) {
                if (t.colour != Qt::black) red << t.colour.name() + t.text;
                if (labelOf(t.text)) labels << t.text;
            }
            const QStringList hits{"#ff00003 ", "#ff00006 ", "#ff00007 ", "#ff000011 "};
            QCOMPARE(red, drawn ? hits : QStringList{});
            QCOMPARE(labels, (QStringList{"2. ", "1. "}));
        }
    }

    // "Print &Options" of an open file prints the chosen pages and remembers them.
    void printOptionsOfTheTicketDialog() {
        Fixture f;
        TMyMDIFrame frame(f.state);
        qv::TicketFile file = wheelFile(1000);
        const QString path = f.dir.filePath(QStringLiteral("wheel.qvt"));
        QVERIFY(file.saveAs(path.toStdString()));
        TicketFileDialog* d = openTicketFileWindow(f.state, &frame, path);
        QVERIFY(d);
        d->setCloseQuestion([](const QString&, const QString&) { return QMessageBox::No; });
        const QString pdf = f.dir.filePath(QStringLiteral("out.pdf"));
        f.state.printer().setOutputFormat(QPrinter::PdfFormat);
        f.state.printer().setOutputFileName(pdf);
        f.state.setWinningNumbers(ticket({2, 9, 16, 23, 30, 37}, {4}));

        whenModal<Dialog>([](Dialog* options) {
            control<QRadioButton>(options, Dialog::kJustThesePages)->setChecked(true);
            control<QLineEdit>(options, Dialog::kFirstPage)->setText(QStringLiteral("2"));
            control<QLineEdit>(options, Dialog::kLastPage)->setText(QStringLiteral("3"));
            control<QPushButton>(options, Dialog::kPrint)->click();
        });
        control<QPushButton>(d, TicketFileDialog::kPrintOptions)->click();
        QVERIFY2(f.problems.isEmpty(), qPrintable(f.problems.join('\n')));
        QCOMPARE(pdfPages(pdf), 2);
        QCOMPARE(f.state.ticketPrintRange().first, 2);
        QCOMPARE(f.state.ticketPrintRange().last, 3);

        // Cancel prints nothing.
        QFile::remove(pdf);
        whenModal<Dialog>([](Dialog* options) { options->reject(); });
        control<QPushButton>(d, TicketFileDialog::kPrintOptions)->click();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(d->closeFile());
    }
};

QTEST_MAIN(TestPrintTickets)
#include "test_print_tickets.moc"

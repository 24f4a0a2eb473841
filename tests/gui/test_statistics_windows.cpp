#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScrollBar>

#include "core/database/draw_database.h"
#include "core/statistics/cluster.h"
#include "core/statistics/frequency.h"
#include "core/statistics/pairs.h"
#include "core/statistics/skips.h"
#include "core/statistics/statistics_report.h"
#include "core/statistics/triples.h"
#include "core/view/statistics_view.h"
#include "gui/app/my_mdi_client.h"
#include "gui/common/busy_dialog.h"
#include "gui/database/database_dialog.h"
#include "gui/statistics/cluster_window.h"
#include "gui/statistics/frequency_window.h"
#include "gui/statistics/pairs_window.h"
#include "gui/statistics/skipping_window.h"
#include "gui/statistics/stat_window.h"
#include "gui/statistics/statistics_commands.h"
#include "gui/statistics/triples_window.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;
using Painted = QList<StatWindow::PaintedText>;

namespace {

const QString kDataDir = QStringLiteral(QV_BUILD_DATA_DIR);
const QColor kRed(255, 0, 0);
const QColor kTeal(0, 100, 100);

// The frame with the sample database open, and the statistics wallpaper beside it.
struct Fixture : FakeInteraction {
    QTemporaryDir dir;
    std::unique_ptr<FrameFixture> fixture;
    TMyMDIFrame* frame = nullptr;

    explicit Fixture(bool openDatabase = true) {
        QFile::copy(kDataDir + QStringLiteral("/ticket.bmp"),
                    dir.filePath(QStringLiteral("ticket.bmp")));
        QFile::copy(kDataDir + QStringLiteral("/lotto649.dat"),
                    dir.filePath(QStringLiteral("lotto.dat")));
        fixture = std::make_unique<FrameFixture>(environmentIn(dir), *this);
        frame = &fixture->frame;
        frame->resize(1000, 760);
        frame->show();
        if (openDatabase) open();
    }
    void open() {
        QVERIFY(openDatabaseWindow(state(), frame, dir.filePath(QStringLiteral("lotto.dat"))));
    }
    ApplicationState& state() { return frame->state(); }
    const qv::DrawDatabase& db() { return *state().database(); }
    QList<QMdiSubWindow*> windows() const { return frame->client()->subWindowList(); }

    // Runs the command and returns the window it opened.
    template <typename W>
    W* run(int command) {
        const qsizetype before = windows().size();
        frame->runCommand(command);
        if (windows().size() != before + 1) return nullptr;
        return qobject_cast<W*>(windows().last());
    }
};

// What the window shows now.
Painted paint(StatWindow* w) {
    Painted log;
    w->setTextLog(&log);
    w->view()->grab();
    w->setTextLog(nullptr);
    return log;
}

const StatWindow::PaintedText* find(const Painted& log, const QString& text) {
    for (const auto& t : log)
        if (t.text == text) return &t;
    return nullptr;
}

// Command ids of a context menu, 0 for a separator.
QList<int> menuIds(StatWindow* w) {
    QList<int> ids;
    for (QAction* a : w->contextMenu()->actions())
        ids << (a->isSeparator() ? 0 : a->data().toInt());
    return ids;
}

QList<int> checkedIds(StatWindow* w) {
    QList<int> ids;
    for (QAction* a : w->contextMenu()->actions())
        if (a->isChecked()) ids << a->data().toInt();
    return ids;
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Cancels at a given poll of the sort, noting the captions.
struct StopSorting : qv::ProgressReporter {
    int stopAtPoll = 0;
    int sortPolls = 0;
    bool sorting = false;
    QStringList captions;
    void open(const std::string& caption) override {
        captions << QString::fromStdString(caption);
        sorting = caption == "Sorting triples ...";
    }
    void show(int) override {}
    bool cancelled() override { return sorting && ++sortPolls == stopAtPoll; }
    void close() override {}
};

}  // namespace

class TestStatisticsWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kDataDir + QStringLiteral("/lotto649.dat"))); }

    // Each command opens its window once, placed by the number of other kinds open, with its
    // title and menu; closing it lets the command open it again.
    void commandsOpenEachKindOnceAndPlaceIt() {
        Fixture f(false);
        const int commands[] = {204, 109, 110, 118, 111, 112};
        for (int id : commands) {
            QVERIFY(!f.frame->commandAction(id)->isEnabled());
            f.frame->runCommand(id);
        }
        QVERIFY(f.windows().isEmpty());
        f.open();

        const QString titles[] = {
            "Frequency of Numbers Drawn",        "Frequency of Bonus Numbers Drawn",
            "Frequency of Pairs Drawn",          "Frequency of Triples Drawn",
            "Skipping Habits for Numbers Drawn", "Cluster Analysis"};
        const QList<int> font = {503, 504, 505, 506, 510, 501, 502};
        const QList<int> fontAndPrinter = font + QList<int>{0, 401, 402};
        const QList<int> menus[] = {
            QList<int>{301, 302, 0} + font + QList<int>{0, 601, 602, 0, 401, 402},
            QList<int>{301, 302, 0} + font + QList<int>{0, 601, 602, 0, 401, 402},
            QList<int>{301, 302, 0} + fontAndPrinter,
            fontAndPrinter,
            fontAndPrinter,
            fontAndPrinter};
        const QList<int> checks[] = {{301, 503}, {301, 503}, {301, 503}, {503}, {503}, {503}};
        for (int i = 0; i < 6; ++i) {
            auto* w = f.run<StatWindow>(commands[i]);
            QVERIFY2(w, qPrintable(titles[i]));
            QCOMPARE(w->windowTitle(), titles[i]);
            QCOMPARE(qv::statisticsCommand(w->kind()), commands[i]);
            QVERIFY(f.state().flags().isStatisticsOpen(w->kind()));
            QVERIFY(!f.frame->commandAction(commands[i])->isEnabled());
            QCOMPARE(menuIds(w), menus[i]);
            QCOMPARE(checkedIds(w), checks[i]);

            const QSize area = f.frame->client()->viewport()->size();
            const qv::Rect r = qv::statisticsWindowRect(area.width(), area.height(), i);
            QCOMPARE(w->geometry(), QRect(r.left, r.top, r.width(), r.height()));
            if (i == 2) QCOMPARE(w->pos(), QPoint(20, 70));
            // The window fits the desktop: its bottom edge and scroll bar are in sight.
            QVERIFY(w->geometry().bottom() < area.height());

            f.frame->runCommand(commands[i]);
            QCOMPARE(f.windows().size(), i + 1);
        }
        QCOMPARE(f.windows().size(), 6);
        QCOMPARE(f.windows().first()->windowTitle(), titles[0]);

        auto* pairs = qobject_cast<PairsWindow*>(f.windows().at(2));
        pairs->close();
        flushDeletes();
        QVERIFY(!f.state().flags().isStatisticsOpen(qv::StatisticsKind::Pairs));
        QVERIFY(f.frame->commandAction(110)->isEnabled());
        pairs = f.run<PairsWindow>(110);
        QVERIFY(pairs);
        QCOMPARE(pairs->pos(), QPoint(50, 100));  // five others open

        // The tiled wallpaper behind every chart but the cluster grid.
        for (QMdiSubWindow* s : f.windows()) {
            auto* w = qobject_cast<StatWindow*>(s);
            QVERIFY(!w->wallpaper().isNull());
        }
        for (QMdiSubWindow* s : f.windows()) s->close();
        flushDeletes();
        QCOMPARE(f.state().flags().statisticsOpen, (std::array<bool, 6>{}));
    }

    // A wallpaper that cannot be loaded leaves the plain background.
    void missingWallpaperGivesPlainBackground() {
        Fixture f;
        f.state().updateSettings([&](qv::Settings& s) { s.statisticsWallpaper.path = "gone.bmp"; });
        auto* w = f.run<FrequencyWindow>(204);
        QVERIFY(w && w->wallpaper().isNull());
        const QImage image = w->view()->grab().toImage();
        QCOMPARE(image.pixelColor(w->view()->chartArea().width() - 3, 3),
                 w->view()->palette().color(QPalette::Base));
    }

    void frequencyCountsOrderAndBars_data() {
        QTest::addColumn<bool>("bonus");
        QTest::newRow("winning numbers") << false;
        QTest::newRow("bonus numbers") << true;
    }

    void frequencyCountsOrderAndBars() {
        QFETCH(bool, bonus);
        Fixture f;
        auto* w = f.run<FrequencyWindow>(bonus ? 109 : 204);
        QVERIFY(w);
        const qv::DrawDatabase& db = f.db();
        const qv::FrequencyCounts expected =
            bonus
                ? qv::CountBonusFrequency(db.header(), db.entries(), f.state().statisticsSettings())
                : qv::CountNumberFrequency(db.header(), db.entries(),
                                           f.state().statisticsSettings());
        QCOMPARE(expected.draws, 3622);
        QCOMPARE(expected.counts.size(), std::size_t(49));

        // Every number under its bar with its count over it, in number order; the average
        // and, under the legend, the uniformity line.
        auto shown = [&](const std::vector<qv::NumberCount>& order) {
            const Painted log = paint(w);
            for (std::size_t i = 0; i < order.size(); ++i) {
                if (log.value(qsizetype(2 * i)).text != QString::number(order[i].number) ||
                    log.value(qsizetype(2 * i + 1)).text != QString::number(order[i].count))
                    return false;
            }
            return true;
        };
        QVERIFY(shown(expected.counts));
        const Painted log = paint(w);
        QVERIFY(find(log, QString::asprintf("Statistical Avg. = %5.2f", double(expected.average))));
        const auto* uniformity =
            find(log, QString::fromStdString(qv::uniformityLine(qv::testUniformity(expected))));
        QVERIFY(uniformity);
        QCOMPARE(uniformity->box.bottom() + 1, w->view()->chartArea().height());
        QVERIFY(find(log, "Hot Numbers") && find(log, "Cold Numbers"));

        // Hot bars red, cold bars blue.
        const QImage image = w->view()->grab().toImage();
        const qv::FrequencyLayout l = qv::frequencyLayout(w->view()->chartArea().height(),
                                                          w->charWidth(), w->charHeight(), 2);
        int hot = 0;
        int cold = 0;
        for (int i = 0; i < 30; ++i) {
            const qv::NumberCount& c = expected.counts[std::size_t(i)];
            const bool isHot = qv::isHot(c.count, expected.average);
            QCOMPARE(image.pixelColor(l.cellLeft(i) + l.cellWidth() / 2, l.base - 3),
                     isHot ? QColor(200, 0, 0) : QColor(0, 0, 255));
            (isHot ? hot : cold)++;
        }
        QVERIFY(hot > 0 && cold > 0);

        // The sort commands: the selection sort's order, the check mark with it; repeating a
        // command changes nothing.
        std::vector<qv::NumberCount> byFrequency = expected.counts;
        qv::sortByFrequency(byFrequency);
        for (int twice = 0; twice < 2; ++twice) {
            w->menuAction(FrequencyWindow::kSortByFrequency)->trigger();
            QVERIFY(w->records() == byFrequency);
            QCOMPARE(checkedIds(w), (QList<int>{302, 503}));
            QVERIFY(shown(byFrequency));
        }
        for (int twice = 0; twice < 2; ++twice) {
            w->menuAction(FrequencyWindow::kSortNumerically)->trigger();
            QVERIFY(w->records() == expected.counts);
            QCOMPARE(checkedIds(w), (QList<int>{301, 503}));
        }

        // Bar width: never below 1; wider bars can all be scrolled into view.
        w->menuAction(FrequencyWindow::kDecreaseBarWidth)->trigger();
        w->menuAction(FrequencyWindow::kDecreaseBarWidth)->trigger();
        QCOMPARE(w->barWidth(), 1);
        for (int i = 0; i < 5; ++i) w->menuAction(FrequencyWindow::kIncreaseBarWidth)->trigger();
        QCOMPARE(w->barWidth(), 6);
        QScrollBar* h = w->view()->horizontalBar();
        h->setValue(h->maximum());
        const qv::FrequencyLayout wide = qv::frequencyLayout(w->view()->chartArea().height(),
                                                             w->charWidth(), w->charHeight(), 6);
        const int lastRight = wide.barsRight(49) - w->scrollOffset().x();
        QVERIFY(lastRight <= w->view()->chartArea().width());
        QVERIFY(lastRight > w->view()->chartArea().width() - 2 * w->xUnit() - wide.x0);
    }

    // The font is shared: every window follows a change at once, with the check marks in
    // every menu; the size never drops below 1 and the font is kept in the settings file.
    void fontCommandsAreSharedAndLimited() {
        Fixture f;
        auto* freq = f.run<FrequencyWindow>(204);
        auto* pairs = f.run<PairsWindow>(110);
        QVERIFY(freq && pairs);
        const qv::Settings& s = f.state().settings();
        QCOMPARE(s.statisticsPointSize, 12);

        const int startHeight = pairs->charHeight();
        for (int i = 0; i < 14; ++i) freq->menuAction(StatWindow::kDecreasePointSize)->trigger();
        QCOMPARE(s.statisticsPointSize, 1);
        freq->menuAction(StatWindow::kIncreasePointSize)->trigger();
        QCOMPARE(s.statisticsPointSize, 2);
        QVERIFY(pairs->charHeight() < startHeight);
        for (int i = 0; i < 30; ++i) pairs->menuAction(StatWindow::kIncreasePointSize)->trigger();
        QCOMPARE(s.statisticsPointSize, 32);
        QVERIFY(freq->charHeight() > startHeight);

        pairs->menuAction(StatWindow::kBold)->trigger();
        QCOMPARE(s.statisticsWeight, 700);
        QCOMPARE(checkedIds(freq), (QList<int>{301, 503, 510}));
        QCOMPARE(checkedIds(pairs), (QList<int>{301, 503, 510}));
        freq->menuAction(StatWindow::kBold)->trigger();
        QCOMPARE(s.statisticsWeight, 400);
        QCOMPARE(checkedIds(pairs), (QList<int>{301, 503}));

        const std::pair<int, const char*> faces[] = {
            {504, "New Courier"}, {505, "MS Serif"}, {506, "Times New Roman"}, {503, "Arial"}};
        for (const auto& [id, face] : faces) {
            freq->menuAction(id)->trigger();
            QCOMPARE(QString::fromStdString(s.statisticsFont), QString::fromLatin1(face));
            QCOMPARE(checkedIds(freq), (QList<int>{301, id}));
            QCOMPARE(checkedIds(pairs), (QList<int>{301, id}));
        }
        freq->menuAction(504)->trigger();

        // Kept through the settings file.
        QVERIFY(f.state().writeSettings());
        const qv::Settings read =
            qv::readSettingsFile(f.state().environment().settingsPath.toStdString()).value();
        QCOMPARE(QString::fromStdString(read.statisticsFont), QStringLiteral("New Courier"));
        QCOMPARE(read.statisticsPointSize, 32);
        QCOMPARE(read.statisticsWeight, 400);

        // A face the menu does not offer checks none of its faces.
        f.state().updateSettings([](qv::Settings& s) { s.statisticsFont = "Verdana"; });
        auto* skips = f.run<SkippingWindow>(111);
        QVERIFY(skips);
        QCOMPARE(checkedIds(skips), QList<int>{});

        // Printer set-up is the printer dialog.
        bool setupShown = false;
        whenModal<QPrintDialog>([&](QPrintDialog* d) {
            setupShown = true;
            d->reject();
        });
        skips->menuAction(StatWindow::kPrinterSetup)->trigger();
        QVERIFY(setupShown);
    }

    void pairsTableAndList() {
        Fixture f;
        auto* w = f.run<PairsWindow>(110);
        QVERIFY(w);
        const qv::DrawDatabase& db = f.db();
        const qv::PairMatrix expected =
            qv::CountPairs(db.header(), db.entries(), f.state().statisticsSettings());
        const std::vector<qv::PairCount> sorted = qv::sortedPairs(expected);
        QVERIFY(w->sortedPairs() == sorted);
        QCOMPARE(w->topTenThreshold(), qv::topTenThreshold(sorted));
        QCOMPARE(w->menuAction(PairsWindow::kShowTable)->text(),
                 QStringLiteral("Display as 49x49 &table"));
        QVERIFY(!w->listMode());

        // The whole table in view: a grey X on and above the diagonal, every count at or over
        // the tenth greatest in red (ties included), the others black.
        w->resize(2400, 1200);
        const Painted table = paint(w);
        const int cw = w->charWidth();
        const int ch = w->charHeight();
        int crosses = 0;
        int red = 0;
        for (const auto& t : table) {
            if (t.text == "X") {
                QCOMPARE(t.colour, QColor(130, 130, 130));
                ++crosses;
            }
            if (t.colour == kRed && t.text != "Red -") ++red;
        }
        QCOMPARE(crosses, 49 * 50 / 2);
        const auto redPairs =
            std::count_if(sorted.begin(), sorted.end(),
                          [&](const qv::PairCount& p) { return p.count >= w->topTenThreshold(); });
        QVERIFY(redPairs >= 10);
        QCOMPARE(red, int(redPairs));
        // Row 12, column 5: the count of {5, 12}.
        const QRect cell(6 * cw + 3 * 4 * cw, 2 * ch + 11 * ch, 3 * cw, ch);
        const auto it = std::find_if(table.begin(), table.end(), [&](const auto& t) {
            return t.box.top() == cell.top() &&
                   cell.contains(t.box.center().x(), cell.center().y());
        });
        QVERIFY(it != table.end());
        QCOMPARE(it->text, QString::number(expected.count(5, 12)));
        QVERIFY(find(table, " Indicates the top 10 occuring pairs for this data"));

        // The list: two blocks, the first ten counts red.
        w->resize(900, 600);
        for (int twice = 0; twice < 2; ++twice) {
            w->menuAction(PairsWindow::kShowList)->trigger();
            QVERIFY(w->listMode());
            QCOMPARE(checkedIds(w), (QList<int>{302, 503}));
        }
        const Painted list = paint(w);
        QCOMPARE(list.at(0).text, QStringLiteral("Paired Numbers"));
        QCOMPARE(list.at(1).text, QStringLiteral("Occurences"));
        QCOMPARE(list.at(1).colour, kTeal);
        auto pairText = [](const qv::PairCount& p) {
            return QStringLiteral("%1, %2").arg(p.high).arg(p.low);
        };
        // Row 0: block one's pair and count, then block two's.
        QCOMPARE(list.at(4).text, pairText(sorted[0]));
        QCOMPARE(list.at(5).text, QString::number(sorted[0].count));
        QCOMPARE(list.at(5).colour, kRed);
        QCOMPARE(list.at(6).text, pairText(sorted[588]));
        QCOMPARE(list.at(7).colour, kTeal);
        QCOMPARE(list.at(4 + 4 * 9 + 1).colour, kRed);    // the tenth
        QCOMPARE(list.at(4 + 4 * 10 + 1).colour, kTeal);  // the eleventh
        // Scrolled to the end, the last pair of each block is in view.
        QScrollBar* v = w->view()->verticalBar();
        v->setValue(v->maximum());
        const Painted end = paint(w);
        QVERIFY(find(end, pairText(sorted[587])));
        QVERIFY(find(end, pairText(sorted[1175])));

        w->menuAction(PairsWindow::kShowTable)->trigger();
        QVERIFY(!w->listMode());
        QCOMPARE(checkedIds(w), (QList<int>{301, 503}));
    }

    // A stop leaves the list as the sort left it; without one, every set is listed and the
    // last of them can be scrolled into view.
    void triplesStopAndShowEverySet() {
        Fixture f;
        const qv::DrawDatabase& db = f.db();
        StopSorting stop;
        stop.stopAtPoll = 5;
        auto* stopped = qobject_cast<TriplesWindow*>(
            openStatisticsWindow(f.state(), f.frame->client(), qv::StatisticsKind::Triples, &stop));
        QVERIFY(stopped);
        QCOMPARE(stop.captions, (QStringList{"Counting triples...", "Sorting triples ..."}));
        QVERIFY(stopped->triples().stopped);
        QCOMPARE(stopped->triples().sortedPositions, std::size_t(5));
        const qv::TripleCounts fivePositions =
            qv::CountTriples(db.header(), db.entries(), f.state().statisticsSettings(), nullptr, 5);
        QVERIFY(stopped->triples().triples == fivePositions.triples);
        stopped->close();
        flushDeletes();

        auto* w = f.run<TriplesWindow>(118);  // with the progress dialog
        QVERIFY(w);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<BusyDialog*>(top) || !top->isVisible());
        const qv::TripleCounts all =
            qv::CountTriples(db.header(), db.entries(), f.state().statisticsSettings());
        QCOMPARE(all.triples.size(), std::size_t(18424));
        QVERIFY(w->triples().triples == all.triples);

        auto text = [](const qv::TripleCount& t) {
            return QStringLiteral("%1-%2-%3, %4")
                .arg(t.first)
                .arg(t.second)
                .arg(t.third)
                .arg(t.count);
        };
        const Painted top = paint(w);
        QCOMPARE(top.at(0).text, QStringLiteral("Set of 3, Freq."));
        QCOMPARE(top.at(0).colour, kTeal);
        QCOMPARE(top.at(1).text, text(all.triples[0]));
        QVERIFY(find(top, text(all.triples[461])));  // the top of the second column
        w->view()->horizontalBar()->setValue(w->view()->horizontalBar()->maximum());
        w->view()->verticalBar()->setValue(w->view()->verticalBar()->maximum());
        QVERIFY(find(paint(w), text(all.triples.back())));
    }

    void skippingRowsWithTheirMostFrequentSkipRed() {
        Fixture f;
        auto* w = f.run<SkippingWindow>(111);
        QVERIFY(w);
        const qv::DrawDatabase& db = f.db();
        const qv::SkipCounts expected =
            qv::CountSkips(db.header(), db.entries(), f.state().statisticsSettings());
        QVERIFY(w->skips().buckets == expected.buckets);

        const Painted log = paint(w);
        const int cw = w->charWidth();
        const int ch = w->charHeight();
        QVERIFY(find(log, "Number of Drawings Skipped"));
        for (int row : {0, 9}) {
            QList<StatWindow::PaintedText> cells;
            for (const auto& t : log)
                if (t.box.top() == 2 * ch + row * ch && t.box.left() > 6 * cw &&
                    t.box.right() < 186 * cw)
                    cells << t;
            QVERIFY(cells.size() > 10);
            const int maximum = expected.maximum[std::size_t(row)];
            for (int k = 0; k < cells.size(); ++k) {
                const int count = expected.buckets[std::size_t(row)][std::size_t(k)];
                QCOMPARE(cells[k].text, QString::number(count));
                QCOMPARE(cells[k].colour, count >= maximum ? kRed : QColor(Qt::black));
            }
        }
    }

    void clusterMarksHintAndRegion() {
        Fixture f;
        auto* w = f.run<ClusterWindow>(112);
        QVERIFY(w);
        const qv::DrawDatabase& db = f.db();
        const qv::StatisticsSettings& options = f.state().statisticsSettings();
        const qv::ClusterChart expected = qv::CountClusters(db.header(), db.entries(), options);
        QCOMPARE(w->chart().columns.size(), expected.columns.size());
        QVERIFY(w->chart().columns[0].marks == expected.columns[0].marks);

        // Marks in their touch colours on a plain background.
        const qv::ClusterGeometry g = w->geometry();
        const QImage image = w->view()->grab().toImage();
        for (int c = 0; c < 6; ++c) {
            for (const qv::ClusterMark& m : expected.columns[std::size_t(c)].marks) {
                const QPoint at(g.markLeft(c) + 1, g.rowTop(m.number) + g.ch / 2);
                if (at.y() >= w->view()->chartArea().height()) continue;
                QCOMPARE(image.pixelColor(at), ClusterWindow::touchColour(m.touches));
            }
        }
        QCOMPARE(image.pixelColor(g.markLeft(0) + g.markWidth() + 2, g.rowTop(30) + g.ch / 2),
                 w->view()->palette().color(QPalette::Base));

        // The hint shows only over the grid.
        QWidget* view = w->view();
        const QPoint top(g.markLeft(0) + 1, g.rowTop(10) + 1);
        const QPoint bottom(g.markLeft(19) + 3, g.rowTop(1) + g.ch - 2);
        sendMouse(view, QEvent::MouseMove, top, Qt::NoButton, Qt::NoButton);
        QCOMPARE(w->windowTitle(),
                 QStringLiteral("Click left mouse button and drag to select area of interest"));
        sendMouse(view, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
        QCOMPARE(w->windowTitle(), QStringLiteral("Cluster Analysis"));

        // A press beside the grid selects nothing.
        sendMouse(view, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!w->dragging());
        sendMouse(view, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::LeftButton, Qt::NoButton);

        // Dragging over numbers 1..10 of the 20 newest draws reports their share.
        sendMouse(view, QEvent::MouseButtonPress, top, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(w->dragging());
        sendMouse(view, QEvent::MouseMove, bottom, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w->selection(), QRect(top, bottom));
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        sendMouse(view, QEvent::MouseButtonRelease, bottom, Qt::LeftButton, Qt::NoButton);
        const auto report = qv::regionReport(db.header(), db.entries(), options, {0, 19, 1, 10});
        QVERIFY(report);
        QCOMPARE(text, QString::fromStdString(*report));
        QCOMPARE(caption, QStringLiteral("Region Selected"));
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY(!w->dragging());
        QVERIFY(w->selection().isNull());
    }
};

QTEST_MAIN(TestStatisticsWindows)
#include "test_statistics_windows.moc"

// The widgets the dialogs share: the 100 number boxes and the background work.

#include <QEventLoop>
#include <QThread>
#include <atomic>
#include <stdexcept>

#include "gui/common/background_work.h"
#include "gui/common/busy_dialog.h"
#include "gui/common/number_grid.h"
#include "gui/entry/enter_winners_dialog.h"
#include "gui/tickets/enter_numbers_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;
using qv::BoxState;

namespace {

// A window-side reporter that notes what reached it, and on which thread.
struct NotingReporter : qv::ProgressReporter {
    QList<int> shown;
    QStringList opened;
    int closed = 0;
    bool cancel = false;
    bool offThread = false;
    void open(const std::string& caption) override {
        note();
        opened << QString::fromStdString(caption);
    }
    void show(int percent) override {
        note();
        shown << percent;
    }
    bool cancelled() override { return cancel; }
    void close() override {
        note();
        ++closed;
    }
    void note() { offThread = offThread || QThread::currentThread() != qApp->thread(); }
};

// Waits in the work until its reporter says cancelled, at most `ms`.
bool waitForCancel(qv::ProgressReporter& progress, int ms = 5000) {
    for (int waited = 0; waited < ms; waited += 5) {
        if (progress.cancelled()) return true;
        QThread::msleep(5);
    }
    return false;
}

}  // namespace

class TestCommonWidgets : public QObject {
    Q_OBJECT

private slots:
    // Box n is named 100 + n, shows its number, and sits in rows of ten.
    void gridBoxesAndIds() {
        NumberGrid grid;
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QVERIFY(!grid.box(0));
        QVERIFY(!grid.box(101));
        for (int n : {1, 10, 11, 57, 100}) {
            NumberBox* b = grid.box(n);
            QCOMPARE(b, control<NumberBox>(&grid, 100 + n));
            QCOMPARE(b->text(), QString::number(n));
            QCOMPARE(b->number(), n);
            QVERIFY(b->isTristate());
        }
        QCOMPARE(grid.box(11)->x(), grid.box(1)->x());
        QVERIFY(grid.box(11)->y() > grid.box(1)->y());
        QCOMPARE(grid.box(10)->y(), grid.box(1)->y());
    }

    // The states shown: a grey box's number reads grey; showing it free again restores it.
    void gridShowsStates() {
        NumberGrid grid;
        std::array<BoxState, 100> states{};
        states[2] = BoxState::Chosen;
        states[3] = BoxState::Grey;
        grid.display(states);
        QCOMPARE(grid.box(1)->checkState(), Qt::Unchecked);
        QCOMPARE(grid.box(3)->checkState(), Qt::Checked);
        QCOMPARE(grid.box(4)->checkState(), Qt::PartiallyChecked);
        const QPalette app = QApplication::palette(grid.box(1));
        const QColor grey = app.color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(grid.box(4)->palette().color(QPalette::WindowText), grey);
        QCOMPARE(grid.box(3)->palette().color(QPalette::WindowText),
                 app.color(QPalette::WindowText));
        states[3] = BoxState::Free;
        grid.display(std::span(states).first(5));  // a shorter list leaves the rest alone
        QCOMPARE(grid.box(4)->checkState(), Qt::Unchecked);
        QCOMPARE(grid.box(4)->palette().color(QPalette::WindowText),
                 app.color(QPalette::WindowText));
    }

    // A click or the space bar on a box reports its number; the box keeps its state until
    // the dialog shows another.
    void gridReportsClicksWithoutChanging() {
        NumberGrid grid;
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicked(&grid, &NumberGrid::numberClicked);
        QTest::mouseClick(grid.box(7), Qt::LeftButton);
        grid.box(42)->setFocus();
        QTest::keyClick(grid.box(42), Qt::Key_Space);
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked.at(0).at(0).toInt(), 7);
        QCOMPARE(clicked.at(1).at(0).toInt(), 42);
        QCOMPARE(grid.box(7)->checkState(), Qt::Unchecked);
        QCOMPARE(grid.box(42)->checkState(), Qt::Unchecked);
        QCOMPARE(grid.box(7)->focusPolicy(), Qt::TabFocus);
    }

    void gridRulesInEveryDialog_data() {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Enter Winning Numbers") << "winners";
        QTest::newRow("Use Wheeling Table") << "tickets";
    }

    // The same rules by mouse and keyboard in both dialogs: a free box is chosen, a grey box
    // above the numbers in the lotto takes one press to become free and another to be chosen,
    // a chosen box is given up.
    void gridRulesInEveryDialog() {
        QFETCH(QString, dialog);
        QTemporaryDir dir;
        FakeInteraction fake;
        FrameFixture app(environmentIn(dir), fake);
        std::array<std::int16_t, 6> target{};
        std::unique_ptr<QDialog> d;
        if (dialog == "winners")
            d = std::make_unique<EnterWinnersDialog>(app.state, qv::EntryGame{6, 49},
                                                     qv::Date{3, 5, 2024});
        else
            d = std::make_unique<EnterNumbersDialog>(app.state, 6, target);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto box = [&](int n) { return control<NumberBox>(d.get(), 100 + n); };
        auto press = [&](int n) {
            box(n)->setFocus();
            QTest::keyClick(box(n), Qt::Key_Space);
        };
        QTest::mouseClick(box(5), Qt::LeftButton);
        QCOMPARE(box(5)->checkState(), Qt::Checked);
        press(9);
        QCOMPARE(box(9)->checkState(), Qt::Checked);
        QCOMPARE(box(60)->checkState(), Qt::PartiallyChecked);
        press(60);
        QCOMPARE(box(60)->checkState(), Qt::Unchecked);
        QTest::mouseClick(box(60), Qt::LeftButton);
        QCOMPARE(box(60)->checkState(), Qt::Checked);
        press(5);
        QVERIFY(box(5)->checkState() != Qt::Checked);
        QCOMPARE(box(9)->checkState(), Qt::Checked);
    }

    // The work runs off the window's thread; what it shows reaches the window's reporter on
    // the window's thread, in order, before the end; the end comes back once.
    void workDeliversProgressAndEnd() {
        BackgroundWork work;
        NotingReporter shown;
        QSignalSpy ended(&work, &BackgroundWork::finished);
        std::atomic<bool> offThread{false};
        int result = 0;
        QVERIFY(work.run(
            [&](qv::ProgressReporter& progress) {
                offThread = QThread::currentThread() != qApp->thread();
                qv::ProgressLoop loop(&progress, "Counting", 4);
                for (int i = 0; i < 4; ++i)
                    if (loop.unitDone(i)) return;
                result = 42;
            },
            &shown));
        QVERIFY(offThread);
        QCOMPARE(result, 42);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(shown.opened, QStringList{QStringLiteral("Counting")});
        QCOMPARE(shown.shown, (QList<int>{0, 25, 50, 75}));
        QCOMPARE(shown.closed, 1);
        QVERIFY(!shown.offThread);
        QVERIFY(!work.running());
        QVERIFY(work.failure().isEmpty());
    }

    void workCancels_data() {
        QTest::addColumn<bool>("fromReporter");
        QTest::newRow("the progress dialog's Cancel") << true;
        QTest::newRow("stop()") << false;
    }

    // A cancel on the window's side reaches the work's reporter.
    void workCancels() {
        QFETCH(bool, fromReporter);
        BackgroundWork work;
        NotingReporter shown;
        bool sawCancel = false;
        QVERIFY(work.start([&](qv::ProgressReporter& p) { sawCancel = waitForCancel(p); }, &shown));
        QVERIFY(work.running());
        QVERIFY(!work.start([](qv::ProgressReporter&) {}));  // one at a time
        QSignalSpy ended(&work, &BackgroundWork::finished);
        if (fromReporter)
            shown.cancel = true;
        else
            work.stop();
        QVERIFY(ended.wait(5000));
        QVERIFY(sawCancel);
        QVERIFY(work.stopping());
    }

    // A work that throws ends like any other, with the reason kept; the next one starts
    // clean.
    void workThatThrows() {
        BackgroundWork work;
        QVERIFY(work.run([](qv::ProgressReporter&) { throw std::runtime_error("out of cards"); }));
        QCOMPARE(work.failure(), QStringLiteral("out of cards"));
        QVERIFY(work.run([](qv::ProgressReporter&) { throw 7; }));
        QVERIFY(!work.failure().isEmpty());
        bool cancelled = true;
        QVERIFY(work.run([&](qv::ProgressReporter& p) { cancelled = p.cancelled(); }));
        QVERIFY(!cancelled);
        QVERIFY(work.failure().isEmpty());
    }

    // Stopped and waited for (a window closing): no end is sent for it, and nothing it
    // showed arrives late.
    void workStoppedAndWaitedFor() {
        NotingReporter shown;
        BackgroundWork work;
        QSignalSpy ended(&work, &BackgroundWork::finished);
        QVERIFY(work.start(
            [](qv::ProgressReporter& p) {
                p.show(10);
                waitForCancel(p);
            },
            &shown));
        work.stopAndWait();
        QVERIFY(!work.running());
        QTest::qWait(50);
        QCOMPARE(ended.size(), 0);
        QVERIFY(shown.shown.isEmpty());
        // A question from the work is answered on the window's thread while it waits.
        bool onWindowThread = false;
        QVERIFY(work.run([&](qv::ProgressReporter&) {
            work.callOnWindowThread(
                [&] { onWindowThread = QThread::currentThread() == qApp->thread(); });
        }));
        QVERIFY(onWindowThread);
    }
};

QTEST_MAIN(TestCommonWidgets)
#include "test_common_widgets.moc"

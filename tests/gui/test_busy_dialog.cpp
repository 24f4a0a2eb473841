#include <QKeyEvent>
#include <QProgressBar>

#include "core/progress.h"
#include "gui/common/busy_dialog.h"
#include "gui_test_support.h"

using qv::gui::BusyDialog;
using qv::test::control;

class TestBusyDialog : public QObject {
    Q_OBJECT

private:
    struct Seen {
        QStringList texts;  // the percentage line after each unit, when it changed
        int highestGauge = -1;
        int unitsDone = 0;
    };

    // The usual caller's loop: a unit of work, then the progress step.
    static Seen run(BusyDialog& dialog, int total, const std::function<void(int)>& unit = {}) {
        Seen seen;
        auto* text = control<QLabel>(&dialog, 102);
        auto* gauge = control<QProgressBar>(&dialog, 101);
        qv::ProgressLoop loop(&dialog, "Counting triples...", total);
        for (int done = 0; done < total; ++done) {
            if (unit) unit(done);
            ++seen.unitsDone;
            const bool stop = loop.unitDone(done);
            if (seen.texts.isEmpty() || seen.texts.last() != text->text())
                seen.texts << text->text();
            seen.highestGauge = std::max(seen.highestGauge, gauge->value());
            if (stop) break;
        }
        return seen;
    }

private slots:
    void controlsAndCaptions() {
        QWidget owner;
        BusyDialog dialog(&owner);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Checking Combinations..."));
        auto* gauge = control<QProgressBar>(&dialog, 101);
        QCOMPARE(gauge->minimum(), 0);
        QCOMPARE(gauge->maximum(), 100);
        QVERIFY(!gauge->isTextVisible());

        dialog.open(std::string("Sorting database entries..."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sorting database entries..."));
        // Other windows take no input while the work runs.
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // Reopened after a cancelled run, the dialog starts afresh.
    void threeUnitsShowZeroToSixtySix() {
        BusyDialog dialog(nullptr);
        auto* cancel = control<QPushButton>(&dialog, 2);
        QCOMPARE(run(dialog, 5, [&](int) { QTest::mouseClick(cancel, Qt::LeftButton); }).unitsDone,
                 1);
        const Seen seen = run(dialog, 3);
        QCOMPARE(seen.unitsDone, 3);
        QCOMPARE(seen.texts, (QStringList{"0% complete", "33% complete", "66% complete"}));
        QCOMPARE(seen.highestGauge, 66);
        QVERIFY(!dialog.isVisible());
    }

    void thousandUnitsChangeTheTextAtMostHundredTimes() {
        BusyDialog dialog(nullptr);
        const Seen seen = run(dialog, 1000);
        QCOMPARE(seen.unitsDone, 1000);
        QVERIFY(seen.texts.size() <= 100);
        QCOMPARE(seen.texts.last(), QStringLiteral("99% complete"));
        QCOMPARE(seen.highestGauge, 99);
    }

    void cancelDuringFirstUnitStopsAfterIt_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("click") << "click";
        QTest::newRow("escape") << "escape";
        QTest::newRow("key on the button") << "space";
        QTest::newRow("close box") << "close";
    }

    void cancelDuringFirstUnitStopsAfterIt() {
        QFETCH(QString, how);
        BusyDialog dialog(nullptr);
        auto* cancel = control<QPushButton>(&dialog, 2);
        const Seen seen = run(dialog, 10, [&](int done) {
            if (done != 0) return;
            // Keys and the close box are posted as the window system would: only the
            // dialog's polling delivers them.
            if (how == "click") {
                QTest::mouseClick(cancel, Qt::LeftButton);
            } else if (how == "escape") {
                QCoreApplication::postEvent(&dialog,
                                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
            } else if (how == "space") {
                QCoreApplication::postEvent(cancel,
                                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, {}));
            } else {
                QCoreApplication::postEvent(&dialog, new QCloseEvent);
            }
        });
        QCOMPARE(seen.unitsDone, 1);
        QCOMPARE(seen.texts, QStringList{"0% complete"});
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestBusyDialog)
#include "test_busy_dialog.moc"

#include <QDir>
#include <QElapsedTimer>

#include "core/app/commands.h"
#include "core/wheels/wheel_library.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/wheels/generate_wheel_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

qv::CoveringTable coverings() {
    qv::CoveringTable table;
    (void)qv::CoveringTable::load(QStringLiteral(QV_BUILD_DATA_DIR "/coverings.csv").toStdString(),
                                  table);
    return table;
}

void setTerms(GenerateWheelDialog* d, int n, int g, int i, int p, int cap = 0, int seconds = 1) {
    control<QSpinBox>(d, GenerateWheelDialog::kNumbersToWheel)->setValue(n);
    control<QSpinBox>(d, GenerateWheelDialog::kGuarantee)->setValue(g);
    control<QSpinBox>(d, GenerateWheelDialog::kGuaranteeIf)->setValue(i);
    control<QSpinBox>(d, GenerateWheelDialog::kNumbersPerTicket)->setValue(p);
    control<QSpinBox>(d, GenerateWheelDialog::kRowCap)->setValue(cap);
    control<QSpinBox>(d, GenerateWheelDialog::kSeconds)->setValue(seconds);
}

QString text(GenerateWheelDialog* d, int id) {
    return control<QLabel>(d, id)->text();
}

// Clicks "&Generate" and waits for the search to end; false when it did not within `ms`.
bool generateAndWait(GenerateWheelDialog* d, int ms = 30000) {
    QSignalSpy ended(d, &GenerateWheelDialog::finished);
    control<QPushButton>(d, GenerateWheelDialog::kGenerate)->click();
    return ended.count() > 0 || ended.wait(ms);
}

}  // namespace

class TestGenerateWheel : public QObject {
    Q_OBJECT

private slots:
    void theMenuCommandOpensTheDialog() {
        QTemporaryDir dir;
        FrameFixture f(environmentIn(dir));
        QString title;
        whenModal<GenerateWheelDialog>([&](GenerateWheelDialog* d) {
            title = d->windowTitle();
            d->reject();
        });
        f.frame.runCommand(qv::cmd::kGenerateWheelingTable);
        QCOMPARE(title, QStringLiteral("Generate Wheeling Table"));
    }

    void theBoundsFollowTheTerms() {
        FakeInteraction hooks;
        GenerateWheelDialog d(hooks, nullptr, coverings(), {}, {});
        setTerms(&d, 10, 3, 3, 6);
        QCOMPARE(text(&d, GenerateWheelDialog::kBounds),
                 QStringLiteral("Lower bound: 10\nBest known: 10"));
        setTerms(&d, 18, 3, 4, 6);
        QVERIFY(
            text(&d, GenerateWheelDialog::kBounds).endsWith(QStringLiteral("Best known: unknown")));
        // Terms that cannot be generated show no bounds.
        setTerms(&d, 18, 5, 4, 6);
        QCOMPARE(text(&d, GenerateWheelDialog::kBounds), QString());
    }

    void badTermsAreRefusedNamingTheField() {
        FakeInteraction hooks;
        GenerateWheelDialog d(hooks, nullptr, coverings(), {}, {});
        struct Case {
            int n, g, i, p;
            const char* field;
        };
        for (const Case c :
             {Case{10, 4, 3, 6, "Prize Guarantee: "}, Case{10, 3, 7, 6, "if: "},
              Case{10, 3, 3, 7, "Numbers Per Ticket: "}, Case{3, 3, 4, 4, "Numbers To Wheel: "}}) {
            hooks.problems.clear();
            setTerms(&d, c.n, c.g, c.i, c.p);
            control<QPushButton>(&d, GenerateWheelDialog::kGenerate)->click();
            QVERIFY(!d.running());
            QCOMPARE(hooks.problems.size(), 1);
            QVERIFY2(hooks.problems[0].startsWith(QLatin1String(c.field)),
                     qPrintable(hooks.problems[0]));
        }
        QVERIFY(hooks.requests.isEmpty());
    }

    // A finished search shows its wheel and offers it for saving in the wheel folder under the
    // library's name; the saved file is the confirmed wheel.
    void aConfirmedWheelIsShownAndSaved() {
        FakeInteraction hooks;
        QTemporaryDir dir;
        hooks.answer = dir.filePath(QStringLiteral("mine.wl6"));
        QStringList saved;
        GenerateWheelDialog d(
            hooks, nullptr, coverings(),
            {QString(), [&] { return dir.path(); }, [&](const QString& path) { saved << path; }},
            {});
        setTerms(&d, 10, 3, 3, 6);
        QVERIFY(generateAndWait(&d));
        const QStringList lines = text(&d, GenerateWheelDialog::kStatus).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);
        QVERIFY2(lines[0].startsWith(QLatin1String("Tickets: ")), qPrintable(lines[0]));
        QCOMPARE(lines[1], QStringLiteral("Lower bound: 10"));
        QCOMPARE(lines[2], QStringLiteral("Best known: 10"));
        QVERIFY(lines[3].startsWith(QLatin1String("Balance: each number on ")));
        QCOMPARE(lines[4],
                 QStringLiteral("The prize guarantee for this wheeling system is valid !"));

        QCOMPARE(hooks.requests.size(), 1);
        QCOMPARE(hooks.requests[0].title, QStringLiteral("Save Wheel File As"));
        QCOMPARE(hooks.requests[0].filter, QStringLiteral("Quorvantile Wheel File (*.wl6)"));
        QCOMPARE(hooks.requests[0].selected, dir.filePath(QStringLiteral("10nrs-3if3.wl6")));
        QCOMPARE(saved, QStringList{hooks.answer});
        qv::WheelInfo wheel;
        QVERIFY(qv::loadWheelFile(hooks.answer.toStdString(), wheel));
        QCOMPARE(wheel.description, std::string("10 nrs 3 if 3"));
        QCOMPARE(wheel.rows.size(), d.lastWheel()->rows.size());
        QVERIFY(qv::wheelConfirmed(wheel));
    }

    // A cap too small for the guarantee: the coverage is shown and nothing is offered.
    void aCapTooSmallSavesNothing() {
        FakeInteraction hooks;
        GenerateWheelDialog d(hooks, nullptr, coverings(), {}, {});
        setTerms(&d, 10, 3, 3, 6, 4);
        QVERIFY(generateAndWait(&d));
        QVERIFY(!d.lastWheel()->confirmed);
        QVERIFY(d.lastWheel()->rows.size() <= 4);
        QVERIFY(text(&d, GenerateWheelDialog::kStatus).contains(QLatin1String("of 120")));
        QVERIFY(hooks.requests.isEmpty());
    }

    // Stop during a long search: the window answered all along, and the best wheel so far
    // is kept and confirmed.
    void stopKeepsTheBestWheelSoFar() {
        FakeInteraction hooks;
        GenerateWheelDialog d(hooks, nullptr, coverings(), {}, {});
        setTerms(&d, 24, 3, 3, 6, 0, 600);
        QSignalSpy ended(&d, &GenerateWheelDialog::finished);
        control<QPushButton>(&d, GenerateWheelDialog::kGenerate)->click();
        QVERIFY(d.running());
        QVERIFY(!control<QPushButton>(&d, GenerateWheelDialog::kGenerate)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(
            text(&d, GenerateWheelDialog::kStatus).contains(QLatin1String("Best so far: ")), 20000);
        QElapsedTimer stopping;
        stopping.start();
        control<QPushButton>(&d, GenerateWheelDialog::kStop)->click();
        QVERIFY(ended.wait(10000));
        QVERIFY(stopping.elapsed() < 10000);
        QVERIFY(d.lastWheel()->stopped);
        QVERIFY(d.lastWheel()->confirmed);
        QCOMPARE(hooks.requests.size(), 1);
        QVERIFY(control<QPushButton>(&d, GenerateWheelDialog::kGenerate)->isEnabled());
    }

    // "Use Wheeling Table..." opens the file list in the data folder's library.
    void useWheelingTableOpensTheLibrary() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("wheels")));
        FrameFixture f(environmentIn(dir));
        QString opened;
        whenModal<FileSelection>([&](FileSelection* s) {
            opened = s->directory();
            s->reject();
        });
        f.frame.runCommand(qv::cmd::kUseWheelingTable);
        QCOMPARE(QDir(opened).absolutePath(),
                 QDir(dir.filePath(QStringLiteral("wheels"))).absolutePath());
    }

    // The wheel picker opens in the library until a wheel is taken from another folder.
    void theWheelPickerOpensInTheLibraryUntilTheUserChoosesAFolder() {
        QTemporaryDir library, own;
        QVERIFY(QDir(library.path()).exists());
        ApplicationState state(environmentIn(own));
        QCOMPARE(FileSelection::wheelFolder(state, library.path()), library.path());
        FileSelection::noteWheelFile(state, QDir(library.path()).filePath(QStringLiteral("a.wl6")),
                                     library.path());
        QCOMPARE(FileSelection::wheelFolder(state, library.path()), library.path());
        FileSelection::noteWheelFile(state, QDir(own.path()).filePath(QStringLiteral("b.wl6")),
                                     library.path());
        QCOMPARE(QDir(FileSelection::wheelFolder(state, library.path())).absolutePath(),
                 QDir(own.path()).absolutePath());
    }
};

QTEST_MAIN(TestGenerateWheel)
#include "test_generate_wheel.moc"

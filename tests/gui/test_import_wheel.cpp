#include <QClipboard>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolBar>
#include <deque>

#include "core/app/commands.h"
#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_info.h"
#include "gui/common/busy_dialog.h"
#include "gui/wheels/guarantee_check.h"
#include "gui/wheels/import_wheel_dialog.h"
#include "gui/wheels/manual_import_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A wheeling-table file from its layout: the record, then the rows' positions.
QByteArray wheelBytes(const char* description, int n, int g, int per, int i,
                      const QList<QList<int>>& rows) {
    QByteArray b(description);
    b.resize(25, '\0');
    auto put16 = [&b](int v) {
        b.append(char(v & 0xFF));
        b.append(char((v >> 8) & 0xFF));
    };
    for (int v : {n, int(rows.size()), g, per, i}) put16(v);
    for (const auto& r : rows)
        for (int j = 0; j < per; ++j) put16(j < r.size() ? r[j] : 0);
    return b;
}

void setTerms(ImportWheelDialog* d, int n, int g, int i, int p, bool textFile, bool confirm) {
    control<QSpinBox>(d, ImportWheelDialog::kNumbersToWheel)->setValue(n);
    control<QSpinBox>(d, ImportWheelDialog::kGuarantee)->setValue(g);
    control<QSpinBox>(d, ImportWheelDialog::kGuaranteeIf)->setValue(i);
    control<QSpinBox>(d, ImportWheelDialog::kNumbersPerTicket)->setValue(p);
    control<QRadioButton>(
        d, textFile ? ImportWheelDialog::kTextFile : ImportWheelDialog::kEnterManually)
        ->setChecked(true);
    control<QCheckBox>(d, ImportWheelDialog::kConfirm)->setChecked(confirm);
}

void clickBox(QWidget* d, int number) {
    QTest::mouseClick(control<QCheckBox>(d, 100 + number), Qt::LeftButton);
}

}  // namespace

class TestImportWheel : public QObject {
    Q_OBJECT

private slots:
    void commandAndGadgetOpenTheDialog() {
        QTemporaryDir dir;
        FrameFixture f(environmentIn(dir));
        QStringList seen;
        for (int id : {qv::cmd::kImportWheelingTable, qv::cmd::kToolImportWheelingTable}) {
            whenModal<ImportWheelDialog>([&](ImportWheelDialog* d) {
                auto* description = control<QLineEdit>(d, ImportWheelDialog::kDescription);
                QString values = d->windowTitle() + QStringLiteral(": ") + description->text() +
                                 QStringLiteral(" max ") +
                                 QString::number(description->maxLength());
                for (int spin :
                     {ImportWheelDialog::kNumbersToWheel, ImportWheelDialog::kGuarantee,
                      ImportWheelDialog::kGuaranteeIf, ImportWheelDialog::kNumbersPerTicket}) {
                    auto* s = control<QSpinBox>(d, spin);
                    values += QStringLiteral(" %1 (%2..%3)")
                                  .arg(s->value())
                                  .arg(s->minimum())
                                  .arg(s->maximum());
                }
                values += control<QRadioButton>(d, ImportWheelDialog::kEnterManually)->isChecked()
                              ? QStringLiteral(" manual")
                              : QStringLiteral(" text");
                values += control<QCheckBox>(d, ImportWheelDialog::kConfirm)->isChecked()
                              ? QStringLiteral(" confirm")
                              : QStringLiteral(" no confirm");
                seen << values;
                control<QPushButton>(d, ImportWheelDialog::kDone)->click();
            });
            f.frame.runCommand(id);
        }
        const QString expected = QStringLiteral(
            "Import Wheeling Table: Description max 24 10 (1..100) 3 (1..10) 6 (1..10) "
            "6 (4..10) manual no confirm");
        QCOMPARE(seen, (QStringList{expected, expected}));
    }

    // N = 5, "4 if 4": one full row and one short row typed in; the check finds 1 2 3 5
    // missing, Yes and Yes add every missing draw, and the grown wheel is saved. The dialog
    // itself stays for the next wheel.
    void enteredRowsAreCheckedGrownAndSaved() {
        FakeInteraction hooks;
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("five.wl4"));
        hooks.files << out;
        hooks.answers = {true, true};
        ImportWheelDialog d(hooks, nullptr, {});
        setTerms(&d, 5, 4, 4, 4, false, true);
        QStringList captions;
        QStringList listed;
        whenModal<ManualImportDialog>([&](ManualImportDialog* m) {
            captions << m->windowTitle();
            QVERIFY(control<QCheckBox>(m, 106)->checkState() == Qt::PartiallyChecked);
            clickBox(m, 6);  // above N: stays grey
            captions << m->windowTitle();
            for (int n : {4, 2, 3}) clickBox(m, n);
            captions << m->windowTitle();
            clickBox(m, 1);
            captions << m->windowTitle();
            control<QPushButton>(m, ManualImportDialog::kAdd)->click();
            captions << m->windowTitle();
            clickBox(m, 5);
            clickBox(m, 2);
            control<QPushButton>(m, ManualImportDialog::kAdd)->click();
            control<QPushButton>(m, ManualImportDialog::kAdd)->click();  // nothing chosen
            listed << control<QPlainTextEdit>(m, ManualImportDialog::kList)->toPlainText();
            control<QPushButton>(m, ManualImportDialog::kDone)->click();
        });
        control<QPushButton>(&d, ImportWheelDialog::kNext)->click();

        QCOMPARE(captions,
                 (QStringList{QStringLiteral("Enter Numbers"), QStringLiteral("Enter Numbers"),
                              QStringLiteral("Choose 1 More Number"),
                              QStringLiteral("Select Add Ticket Button"),
                              QStringLiteral("Select 4 more numbers")}));
        QCOMPARE(listed, QStringList{QStringLiteral("1 2 3 4 \n2 5 ")});
        QCOMPARE(hooks.messages,
                 (QStringList{
                     QStringLiteral("Invalid Guarantee. | Wheel guarantee is invalid, starting "
                                    "with :\n1-2-3-5 \nWould you like to add this combination ?"),
                     QStringLiteral("Question ? | Add all combinations that don't meet the "
                                    "condition of the wheel ?"),
                     QStringLiteral("Confirm Guarantee. | Added 4 tickets\nThis wheel now has a "
                                    "total of 6 tickets.")}));
        QCOMPARE(hooks.requests.size(), 1);
        QCOMPARE(hooks.requests[0].mode, FileRequest::Mode::Save);
        QCOMPARE(hooks.requests[0].title, QStringLiteral("Save Wheel File As"));
        QCOMPARE(hooks.requests[0].filter, QStringLiteral("Quorvantile Wheel File (*.wl4)"));
        QCOMPARE(hooks.requests[0].defaultSuffix, QStringLiteral("wl4"));
        // The short row covers nothing of "4 if 4"; every other draw is added.
        QCOMPARE(
            readAll(out),
            wheelBytes(
                "Description", 5, 4, 4, 4,
                {{1, 2, 3, 4}, {2, 5}, {1, 2, 3, 5}, {1, 2, 4, 5}, {1, 3, 4, 5}, {2, 3, 4, 5}}));
    }

    void cancelledEntrySavesNothing() {
        FakeInteraction hooks;
        ImportWheelDialog d(hooks, nullptr, {});
        whenModal<ManualImportDialog>([&](ManualImportDialog* m) {
            clickBox(m, 1);
            control<QPushButton>(m, ManualImportDialog::kAdd)->click();
            control<QPushButton>(m, ManualImportDialog::kCancel)->click();
        });
        control<QPushButton>(&d, ImportWheelDialog::kNext)->click();
        // Done with no rows: nothing to confirm or save either.
        whenModal<ManualImportDialog>([](ManualImportDialog* m) {
            control<QPushButton>(m, ManualImportDialog::kDone)->click();
        });
        control<QPushButton>(&d, ImportWheelDialog::kNext)->click();
        QVERIFY(hooks.requests.isEmpty());
        QVERIFY(hooks.messages.isEmpty());
    }

    void pasteTakesRowsFromTheClipboard() {
        FakeInteraction hooks;
        ManualImportDialog m(hooks, nullptr, 6, 10);
        QGuiApplication::clipboard()->setText(QStringLiteral("6 5 4 3 2 1\r\n7,8,9,10\r\n"));
        control<QPushButton>(&m, ManualImportDialog::kPaste)->click();
        QCOMPARE(control<QPlainTextEdit>(&m, ManualImportDialog::kList)->toPlainText(),
                 QStringLiteral("1 2 3 4 5 6 \n7 8 9 10 "));
        QCOMPARE(m.windowTitle(), QStringLiteral("Select 6 more numbers"));
        QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3\n4 5 x\n"));
        control<QPushButton>(&m, ManualImportDialog::kPaste)->click();
        QCOMPARE(hooks.messages,
                 QStringList{QStringLiteral(
                     "Bad Import Format | The pasted text contains illegal char 'x'")});
        QCOMPARE(m.rows().size(), std::size_t(2));
    }

    void textFiles_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("terms");  // N, G, I, P, confirm
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("saved");  // empty: no save offered

        QTest::newRow("valid") << QByteArray("1 2 3 4\n") << QList<int>{4, 4, 4, 4, 1}
                               << QStringList{QStringLiteral(
                                      "Confirm Guarantee. | The prize guarantee for this wheeling "
                                      "system is valid !")}
                               << wheelBytes("Description", 4, 4, 4, 4, {{1, 2, 3, 4}});
        QTest::newRow("hyphens, not confirmed")
            << QByteArray("1-2-3-4\r\n") << QList<int>{5, 4, 4, 4, 0} << QStringList{}
            << wheelBytes("Description", 5, 4, 4, 4, {{1, 2, 3, 4}});
        QTest::newRow("I below P")
            << QByteArray("1 2 3 4\n") << QList<int>{4, 4, 3, 4, 1}
            << QStringList{QStringLiteral("Invalid Guarantee. | Wheel guarantee is invalid, "
                                          "starting with : 1-2-3\n"),
                           QStringLiteral("Confirm Guarantee. | The prize guarantee for this "
                                          "wheeling system is invalid !")}
            << wheelBytes("Description", 4, 4, 4, 3, {{1, 2, 3, 4}});
        QTest::newRow("no to adding")
            << QByteArray("1 2 3 4\n") << QList<int>{5, 4, 4, 4, 1}
            << QStringList{QStringLiteral("Invalid Guarantee. | Wheel guarantee is invalid, "
                                          "starting with :\n1-2-3-5 \nWould you like to add "
                                          "this combination ?"),
                           QStringLiteral("Confirm Guarantee. | The prize guarantee for this "
                                          "wheeling system is invalid !")}
            << wheelBytes("Description", 5, 4, 4, 4, {{1, 2, 3, 4}});
        QTest::newRow("seven per ticket")
            << QByteArray("1 2 3 4 5 6 7\n") << QList<int>{10, 3, 6, 7, 1}
            << QStringList{QStringLiteral("Error | Can't Confirm This Type of Wheel")}
            << wheelBytes("Description", 10, 3, 7, 6, {{1, 2, 3, 4, 5, 6, 7}});
        QTest::newRow("semicolon")
            << QByteArray("1 2 3 4\n1;2;3;4\n") << QList<int>{10, 3, 6, 4, 1}
            << QStringList{QStringLiteral(
                   "Bad Import Format | This file contains illegal char ';'")}
            << QByteArray();
        QTest::newRow("position above N")
            << QByteArray("1 2 3 11\n") << QList<int>{10, 3, 6, 4, 1}
            << QStringList{QStringLiteral(
                   "Bad Import Format | Line 1 holds 11, which is not a position from 1 to 10.")}
            << QByteArray();
        QTest::newRow("no rows") << QByteArray("\n\n") << QList<int>{10, 3, 6, 4, 1}
                                 << QStringList{} << QByteArray();
    }

    void textFiles() {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, terms);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, saved);
        FakeInteraction hooks;
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("rows.txt"));
        const QString out = dir.filePath(QStringLiteral("out.wl"));
        writeFile(in, text);
        hooks.files << in << out;
        ImportWheelDialog d(hooks, nullptr, {});
        setTerms(&d, terms[0], terms[1], terms[2], terms[3], true, terms[4] != 0);
        d.next();
        QCOMPARE(hooks.messages, messages);
        QCOMPARE(hooks.requests[0].title, QStringLiteral("Select Text File to Import"));
        QCOMPARE(hooks.requests[0].filter, QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(hooks.requests[0].defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(hooks.requests.size(), saved.isEmpty() ? 1 : 2);
        QCOMPARE(readAll(out), saved);
    }

    // A Cancel pressed while the check waits for an answer stops the growth at the row
    // just added.
    void cancelStopsTheCheck() {
        FakeInteraction hooks;
        qv::WheelInfo wheel;
        wheel.numbersToWheel = 30;
        wheel.guarantee = 4;
        wheel.guaranteeIf = 6;
        wheel.numbersPerTicket = 6;
        qv::TicketType first;
        first.numbers = {1, 2, 3, 4, 5, 6};
        wheel.setRows({first});
        hooks.answers = {true, true};
        bool busyShown = false;
        hooks.onQuestion = [&](QWidget* parent) {
            auto* busy = qobject_cast<BusyDialog*>(parent);
            if (!busy || busyShown) return;
            busyShown = busy->isVisible();
            QTest::mouseClick(control<QPushButton>(busy, 2), Qt::LeftButton);
            QTest::qWait(60);  // the poll passes the press on
        };
        const qv::GuaranteeResult r = confirmGuarantee(hooks, nullptr, wheel);
        QVERIFY(busyShown);
        QVERIFY(r.cancelled);
        QCOMPARE(r.rowsAdded, 1);
        QCOMPARE(wheel.ticketCount, 2);
        QCOMPARE(hooks.messages.last(),
                 QStringLiteral("Confirm Guarantee. | Added 1 tickets\nThis wheel now has a total "
                                "of 2 tickets."));
    }

    void helpOpensTheManualPage() {
        QTemporaryDir dir;
        AppEnvironment env = environmentIn(dir);
        env.dataDir = QStringLiteral(QV_BUILD_DATA_DIR);
        FakeInteraction fake;
        FrameFixture f(env, fake);
        const QList<QUrl>& opened = fake.urls;
        whenModal<ImportWheelDialog>([](ImportWheelDialog* d) {
            control<QPushButton>(d, ImportWheelDialog::kHelp)->click();
            d->reject();
        });
        f.frame.runCommand(qv::cmd::kImportWheelingTable);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].toLocalFile().endsWith(QStringLiteral("manual/import-wheels.html")));
    }
};

QTEST_MAIN(TestImportWheel)
#include "test_import_wheel.moc"

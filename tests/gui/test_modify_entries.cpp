// The entry editor, reached from the database window's "&Modify Numbers".

#include <QComboBox>
#include <QSpinBox>

#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/int_edit.h"
#include "gui/entry/modify_entries_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

qv::TicketType draw(int month, int day, int year, std::initializer_list<int> numbers,
                    std::initializer_list<int> bonus = {}) {
    qv::TicketType t = ticket(numbers, bonus);
    t.setDate(qv::Date{std::int16_t(month), std::int16_t(day), std::int16_t(year)});
    return t;
}

// A database of three draws, newest first, open in its window.
struct Fixture : FakeInteraction {
    QTemporaryDir dir;
    FrameFixture app{environmentIn(dir), *this};
    DataBaseDialog* window = nullptr;

    Fixture() {
        const QString path = dir.filePath(QStringLiteral("three.dat"));
        qv::DataHeader header;
        header.description = "Three draws";
        qv::DrawDatabase d;
        d.setFileName(path.toStdString());
        d.replace(header, {draw(3, 5, 2024, {1, 2, 3, 4, 5, 6}, {7}),
                           draw(3, 2, 2024, {11, 12, 13, 14, 15, 16}),
                           draw(2, 28, 2024, {21, 22, 23, 24, 25, 26})});
        if (!d.save()) qFatal("cannot write %s", qPrintable(path));
        window = openDatabaseWindow(app.state, &app.frame, path);
    }
    const qv::DrawDatabase& database() const { return window->database(); }
    // Runs the editor from the window's button; `act` answers it.
    void modify(std::function<void(ModifyEntriesDialog*)> act) {
        bool seen = false;
        whenModal<ModifyEntriesDialog>([&](ModifyEntriesDialog* d) {
            seen = true;
            act(d);
        });
        control<QPushButton>(window, DataBaseDialog::kModifyNumbers)->click();
        QVERIFY(seen);
    }
};

QStringList comboLines(const QComboBox* combo) {
    QStringList lines;
    for (int i = 0; i < combo->count(); ++i) lines << combo->itemText(i);
    return lines;
}

QStringList fieldTexts(const ModifyEntriesDialog* d) {
    QStringList texts;
    for (int id = ModifyEntriesDialog::kFirstNumber; id <= 116; ++id) texts << d->field(id)->text();
    return texts;
}

}  // namespace

class TestModifyEntries : public QObject {
    Q_OBJECT

private slots:
    void updatesAndDeletesOnOk() {
        Fixture f;
        QVERIFY(f.window);
        f.modify([](ModifyEntriesDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Modify DataBase Entries"));
            QCOMPARE(comboLines(d->entryList()),
                     (QStringList{"3-5-2024", "3-2-2024", "2-28-2024"}));
            QCOMPARE(fieldTexts(d), (QStringList{"1", "2", "3", "4", "5", "6", "0", "0", "0", "0",
                                                 "7", "0", "0"}));
            d->entryList()->setCurrentIndex(1);
            QCOMPARE(d->field(104)->text(), QStringLiteral("11"));

            // Typing 1, 0, 1 leaves 10; 100 fits; an emptied field stores 0.
            TIntEdit* first = d->field(104);
            first->clear();
            QTest::keyClicks(first, QStringLiteral("101"));
            QCOMPARE(first->text(), QStringLiteral("10"));
            d->field(105)->setText(QStringLiteral("100"));
            d->field(109)->clear();
            d->field(114)->setText(QStringLiteral("9"));
            d->runCommand(ModifyEntriesDialog::kUpdate);
            QCOMPARE(d->field(109)->text(), QStringLiteral("0"));

            // Deleting the last line selects the new last line.
            d->entryList()->setCurrentIndex(2);
            d->runCommand(ModifyEntriesDialog::kDelete);
            QCOMPARE(comboLines(d->entryList()), (QStringList{"3-5-2024", "3-2-2024"}));
            QCOMPARE(d->entryList()->currentIndex(), 1);
            QCOMPARE(d->field(104)->text(), QStringLiteral("10"));
            d->runCommand(ModifyEntriesDialog::kOk);
        });
        QCOMPARE(f.database().entryCount(), 2u);
        QCOMPARE(f.database().entry(1).numbers,
                 (std::array<std::int16_t, 10>{10, 100, 13, 14, 15, 0}));
        QCOMPARE(f.database().entry(1).bonus, (std::array<std::int16_t, 3>{9, 0, 0}));
        QCOMPARE(f.database().entry(1).date(), (qv::Date{3, 2, 2024}));
        QVERIFY(f.database().isModified());
        QCOMPARE(control<QLabel>(f.window, 202)->text().left(9), QStringLiteral("2 Entries"));
    }

    void cancelDropsEditsButKeepsAttributes() {
        Fixture f;
        const std::vector<qv::TicketType> before = f.database().entries();
        f.modify([](ModifyEntriesDialog* d) {
            whenModal<CreateDataBaseDialog>([](CreateDataBaseDialog* a) {
                control<QLineEdit>(a, CreateDataBaseDialog::kDescription)
                    ->setText(QStringLiteral("Renamed"));
                a->accept();
            });
            d->runCommand(ModifyEntriesDialog::kAttributes);
            for (int i = 0; i < 4; ++i) d->runCommand(ModifyEntriesDialog::kDelete);
            QCOMPARE(d->entryList()->count(), 0);
            QCOMPARE(d->field(104)->text(), QString());
            d->runCommand(ModifyEntriesDialog::kCancel);
        });
        QCOMPARE(f.database().entries(), before);
        QCOMPARE(f.database().header().description, std::string("Renamed"));

        // With OK the deletions are kept, and so are attributes changed on the way.
        f.modify([](ModifyEntriesDialog* d) {
            whenModal<CreateDataBaseDialog>([](CreateDataBaseDialog* a) {
                control<QSpinBox>(a, CreateDataBaseDialog::kNumbersOnTicket)->setValue(5);
                a->accept();
            });
            d->runCommand(ModifyEntriesDialog::kAttributes);
            for (int i = 0; i < 3; ++i) d->runCommand(ModifyEntriesDialog::kDelete);
            d->accept();
        });
        QCOMPARE(f.database().entryCount(), 0u);
        QCOMPARE(f.database().header().numbersOnTicket, 5);
        QCOMPARE(f.database().header().description, std::string("Renamed"));
        QVERIFY(f.database().isModified());
    }
};

QTEST_MAIN(TestModifyEntries)
#include "test_modify_entries.moc"

// The draw-entry dialog with its date picker and bonus picker.

#include <QSpinBox>
#include <QStatusBar>

#include "core/app/commands.h"
#include "core/database/draw_database.h"
#include "gui/common/application_state.h"
#include "gui/common/number_grid.h"
#include "gui/common/sound_player.h"
#include "gui/database/database_dialog.h"
#include "gui/entry/calendar_dialog.h"
#include "gui/entry/draw_bonus_dialog.h"
#include "gui/entry/enter_winners_dialog.h"
#include "gui/entry/int_edit.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");
const qv::Date kToday{3, 5, 2024};

struct Fixture : FakeInteraction {
    QTemporaryDir dir;
    FrameFixture app{environmentIn(dir), *this};
    ApplicationState& state = app.state;

    DataBaseDialog* openSample() {
        const QString path = dir.filePath(QStringLiteral("lotto.dat"));
        QFile::copy(kSample, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return openDatabaseWindow(state, &app.frame, path);
    }
};

void click(EnterWinnersDialog& d, int number) {
    QTest::mouseClick(d.boxes()->box(number), Qt::LeftButton);
}

Qt::CheckState boxState(EnterWinnersDialog& d, int number) {
    return d.boxes()->box(number)->checkState();
}

// Clicks reach the boxes only once the dialog is laid out on screen.
void showNow(QDialog& d) {
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
}

TIntEdit* dateField(QDialog& d, int id) {
    return control<TIntEdit>(&d, id);
}

}  // namespace

class TestEnterWinners : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    void boxesFollowTheClicksAndTheFullRule() {
        Fixture f;
        EnterWinnersDialog d(f.state, {6, 49}, kToday);
        showNow(d);
        QCOMPARE(boxState(d, 49), Qt::Unchecked);
        QCOMPARE(boxState(d, 50), Qt::PartiallyChecked);
        for (int n : {4, 8, 15, 16, 23, 42}) click(d, n);
        QCOMPARE(boxState(d, 42), Qt::Checked);
        QCOMPARE(boxState(d, 1), Qt::PartiallyChecked);  // the full choice dims the rest
        click(d, 1);
        QCOMPARE(boxState(d, 1), Qt::PartiallyChecked);
        // Giving a number up opens every number of the game again.
        click(d, 16);
        QCOMPARE(boxState(d, 16), Qt::Unchecked);
        QCOMPARE(boxState(d, 1), Qt::Unchecked);
        QCOMPARE(control<QLabel>(&d, EnterWinnersDialog::kDraw)->text(),
                 QStringLiteral("4 8 15 23 42"));

        // Lowering the numbers in the lotto dims 42 but keeps it in the draw.
        control<QSpinBox>(&d, EnterWinnersDialog::kNumbersInLotto)->setValue(40);
        QCOMPARE(boxState(d, 42), Qt::PartiallyChecked);
        QCOMPARE(d.entry().draw().numbers[4], 42);

        QSignalSpy sounds(f.state.soundPlayer(), &SoundPlayer::eventPlayed);
        d.runCommand(EnterWinnersDialog::kClearAll);
        QCOMPARE(boxState(d, 40), Qt::Unchecked);
        QCOMPARE(boxState(d, 41), Qt::PartiallyChecked);
        QVERIFY(!d.entry().hasNumbers());
        d.runCommand(EnterWinnersDialog::kRandom);
        QCOMPARE(d.entry().choice().chosenCount(), 6);
        for (int n : d.entry().choice().chosen()) QVERIFY(n >= 1 && n <= 40);
        QCOMPARE(sounds.size(), 2);
        QCOMPARE(sounds.at(0).at(0).toInt(), 503);
        QCOMPARE(sounds.at(1).at(0).toInt(), 507);
    }

    void okMakesTheDrawTheWinningNumbers() {
        Fixture f;
        QSignalSpy winners(&f.state, &ApplicationState::winningNumbersChanged);
        {
            EnterWinnersDialog d(f.state, {6, 49}, kToday);
            showNow(d);
            for (int n : {1, 2, 3, 4, 5, 6}) click(d, n);
            click(d, 6);
            // 13 is no month: the 3 is taken back. 1899 is typed but not read.
            TIntEdit* month = dateField(d, EnterWinnersDialog::kMonth);
            month->clear();
            QTest::keyClicks(month, QStringLiteral("13"));
            QCOMPARE(month->text(), QStringLiteral("1"));
            TIntEdit* year = dateField(d, EnterWinnersDialog::kYear);
            year->clear();
            QTest::keyClicks(year, QStringLiteral("1899"));
            QCOMPARE(year->text(), QStringLiteral("1899"));
            dateField(d, EnterWinnersDialog::kDay)->clear();  // empty: keeps today's day
            control<QPushButton>(&d, EnterWinnersDialog::kOk)->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(winners.size(), 1);
        const qv::TicketType& w = f.state.winningNumbers();
        QCOMPARE(w.numbers, (std::array<std::int16_t, 10>{1, 2, 3, 4, 5}));
        QCOMPARE(w.date(), (qv::Date{1, 5, 2024}));

        // Nothing chosen: OK closes without new winning numbers.
        EnterWinnersDialog empty(f.state, {6, 49}, kToday);
        empty.accept();
        QCOMPARE(winners.size(), 1);
    }

    void addToDatabaseInsertsByDateAndStaysOpen() {
        Fixture f;
        EnterWinnersDialog d(f.state, {6, 49}, kToday);
        showNow(d);
        auto* add = control<QPushButton>(&d, EnterWinnersDialog::kAddToDatabase);
        click(d, 7);
        QVERIFY(!add->isEnabled());  // no database
        d.runCommand(EnterWinnersDialog::kAddToDatabase);
        QCOMPARE(f.problems, QStringList{"To add entries, you must first open a database."});

        DataBaseDialog* window = f.openSample();
        QVERIFY(window);
        QVERIFY(add->isEnabled());
        const std::size_t before = window->database().entryCount();
        const qv::Date newest = window->database().entry(0).date();
        for (int n : {9, 18, 27, 36, 45}) click(d, n);
        dateField(d, EnterWinnersDialog::kMonth)->setText(QString::number(newest.month));
        dateField(d, EnterWinnersDialog::kDay)->setText(QString::number(newest.day));
        dateField(d, EnterWinnersDialog::kYear)->setText(QString::number(newest.year));
        add->click();
        QCOMPARE(window->database().entryCount(), before + 1);
        // Same date as the newest draw: it goes after it.
        QCOMPARE(window->database().entry(1).numbers,
                 (std::array<std::int16_t, 10>{7, 9, 18, 27, 36, 45}));
        QVERIFY(window->database().isModified());
        QCOMPARE(f.state.winningNumbers(), window->database().entry(1));
        QCOMPARE(control<QLabel>(window, 202)->text().left(4), QString::number(before + 1));

        // The numbers stay chosen for the next draw.
        QCOMPARE(d.entry().choice().chosenCount(), 6);
        d.runCommand(EnterWinnersDialog::kClearAll);
        QVERIFY(!add->isEnabled());
        d.runCommand(EnterWinnersDialog::kAddToDatabase);
        QCOMPARE(window->database().entryCount(), before + 1);

        // The same draw again is added only when the question is answered Yes.
        for (int n : {7, 9, 18, 27, 36, 45}) click(d, n);
        add->click();
        QCOMPARE(f.questions.size(), 1);
        QVERIFY(
            f.questions[0].endsWith(QStringLiteral("is already in the database. Add it again?")));
        // Enter must not add a draw twice by accident.
        QCOMPARE(f.yesDefaults, QList<bool>{false});
        QCOMPARE(window->database().entryCount(), before + 1);
        f.answers.push_back(true);
        add->click();
        QCOMPARE(window->database().entryCount(), before + 2);

        // A number above the game's 49 raises them, and the status line says so.
        click(d, 7);
        control<QSpinBox>(&d, EnterWinnersDialog::kNumbersInLotto)->setValue(60);
        click(d, 60);
        add->click();
        QCOMPARE(window->database().entryCount(), before + 3);
        QCOMPARE(window->database().header().numbersInLotto, 60);
        QVERIFY2(f.app.frame.statusBar()->currentMessage().endsWith(
                     QStringLiteral("was added to the database. Numbers in lotto raised to 60.")),
                 qPrintable(f.app.frame.statusBar()->currentMessage()));
    }

    void theCommandTakesTheGameOfTheOpenDatabase() {
        Fixture f;
        DataBaseDialog* window = f.openSample();
        qv::DataHeader h = window->database().header();
        h.numbersInLotto = 54;
        h.numbersOnTicket = 5;
        window->document().setAttributes(h, window->database().updateLink());
        bool seen = false;
        whenModal<EnterWinnersDialog>([&](EnterWinnersDialog* d) {
            seen = true;
            QCOMPARE(d->entry().choice().quota(), 5);
            QCOMPARE(d->entry().choice().numbersInLotto(), 54);
            const QDate today = QDate::currentDate();
            QCOMPARE(dateField(*d, EnterWinnersDialog::kYear)->text(),
                     QString::number(today.year()));
            d->reject();
        });
        f.app.frame.runCommand(qv::cmd::kToolEnterNewWinners);
        QVERIFY(seen);
    }

    void datePickerStartsFromTheFieldsAndWritesThemBack() {
        Fixture f;
        EnterWinnersDialog d(f.state, {6, 49}, kToday);
        showNow(d);
        dateField(d, EnterWinnersDialog::kMonth)->setText(QStringLiteral("1"));
        dateField(d, EnterWinnersDialog::kDay)->setText(QStringLiteral("31"));
        whenModal<CalendarDialog>([](CalendarDialog* c) {
            QCOMPARE(c->picker().date(), (qv::CalendarDate{2024, 31, 1}));
            control<QComboBox>(c, CalendarDialog::kMonth)->setCurrentIndex(1);
            c->accept();
        });
        d.runCommand(EnterWinnersDialog::kDate);
        QCOMPARE(dateField(d, EnterWinnersDialog::kMonth)->text(), QStringLiteral("2"));
        QCOMPARE(dateField(d, EnterWinnersDialog::kDay)->text(), QStringLiteral("29"));
        QCOMPARE(d.entry().date(), (qv::Date{2, 29, 2024}));

        whenModal<CalendarDialog>([](CalendarDialog* c) {
            control<QComboBox>(c, CalendarDialog::kMonth)->setCurrentIndex(6);
            c->reject();
        });
        d.runCommand(EnterWinnersDialog::kDate);
        QCOMPARE(d.entry().date(), (qv::Date{2, 29, 2024}));
    }

    void calendarPicksDaysAndCancelRestores() {
        qv::CalendarDate date{2024, 31, 1};
        CalendarDialog c(nullptr, date, 0, 3000);
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        control<QComboBox>(&c, CalendarDialog::kMonth)->setCurrentIndex(1);
        QCOMPARE(date, (qv::CalendarDate{2024, 29, 2}));
        QCOMPARE(control<QLabel>(&c, CalendarDialog::kDateLine)->text(),
                 QStringLiteral("Thursday, February 29, 2024"));
        // February 2024 starts on a Thursday: day 29 is cell 4 + 28.
        QLabel* selected = c.cell(32);
        QCOMPARE(selected->text(), QStringLiteral("29"));
        QVERIFY(selected->styleSheet().contains(QStringLiteral("#ff0000")));

        // A click on a day picks it; on an empty cell or a heading nothing happens.
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell(10)->mapTo(&c, QPoint(3, 3)));
        QCOMPARE(date.day, 7);
        QVERIFY(c.cell(32)->styleSheet().isEmpty());
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell(0)->mapTo(&c, QPoint(3, 3)));
        QTest::mouseClick(&c, Qt::LeftButton, {}, c.cell(0)->mapTo(&c, QPoint(3, -12)));
        QCOMPARE(date.day, 7);

        control<QSpinBox>(&c, CalendarDialog::kYear)->setValue(1999);
        QCOMPARE(date, (qv::CalendarDate{1999, 7, 2}));
        c.reject();
        QCOMPARE(date, (qv::CalendarDate{2024, 31, 1}));
    }

    void bonusNumbersComeFromThePicker() {
        Fixture f;
        EnterWinnersDialog d(f.state, {6, 49}, kToday);
        showNow(d);
        for (int n : {4, 8, 15}) click(d, n);
        whenModal<EnterDrawBonusDialog>([](EnterDrawBonusDialog* b) {
            QCOMPARE(control<QLabel>(b, EnterDrawBonusDialog::kWinningNumbers)->text(),
                     QStringLiteral("4 8 15"));
            for (int n : {7, 9, 11, 13}) QTest::mouseClick(b->boxes()->box(n), Qt::LeftButton);
            QCOMPARE(b->choice().chosen(), (std::vector<int>{7, 9, 11}));
            QTest::mouseClick(b->boxes()->box(9), Qt::LeftButton);
            QCOMPARE(b->boxes()->box(13)->checkState(), Qt::Unchecked);  // open again
            b->accept();
        });
        d.runCommand(EnterWinnersDialog::kBonusNumbers);
        QCOMPARE(d.entry().draw().bonus, (std::array<std::int16_t, 3>{7, 11, 0}));
        QCOMPARE(control<QLabel>(&d, EnterWinnersDialog::kDraw)->text(),
                 QStringLiteral("4 8 15 + 7 11"));

        whenModal<EnterDrawBonusDialog>([](EnterDrawBonusDialog* b) {
            control<QPushButton>(b, EnterDrawBonusDialog::kClearAll)->click();
            QVERIFY(b->choice().chosen().empty());
            b->reject();
        });
        d.runCommand(EnterWinnersDialog::kBonusNumbers);
        QCOMPARE(d.entry().draw().bonus, (std::array<std::int16_t, 3>{7, 11, 0}));
    }
};

QTEST_MAIN(TestEnterWinners)
#include "test_enter_winners.moc"

// The number-picking dialogs, "Modify Tickets", and My Numbers lists with their commands.

#include <QSet>

#include "core/app/commands.h"
#include "core/options/number_list.h"
#include "core/util/file_io.h"
#include "gui/common/application_state.h"
#include "gui/common/number_grid.h"
#include "gui/common/sound_player.h"
#include "gui/lists/list_commands.h"
#include "gui/lists/number_list_dialog.h"
#include "gui/tickets/enter_numbers_dialog.h"
#include "gui/tickets/manual_enter_numbers_dialog.h"
#include "gui/tickets/modify_manual_tickets_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

void shot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("QV_SHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QCheckBox* box(QWidget* d, int number) {
    return control<QCheckBox>(d, 100 + number);
}

QByteArray listBytes(std::initializer_list<int> numbers) {
    QByteArray b;
    auto put32 = [&b](int v) {
        for (int k = 0; k < 4; ++k) b.append(char((v >> (8 * k)) & 0xFF));
    };
    put32(int(numbers.size()));
    int k = 0;
    for (int n : numbers) {
        put32(n);
        ++k;
    }
    for (; k < 100; ++k) put32(0);
    return b;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestNumberDialogs : public QObject {
    Q_OBJECT

private:
    struct Fixture : FakeInteraction {
        QTemporaryDir dir;
        std::unique_ptr<FrameFixture> fixture;
        TMyMDIFrame* frame = nullptr;
        QList<int> sounds;
        Fixture() {
            fixture = std::make_unique<FrameFixture>(environmentIn(dir), *this);
            frame = &fixture->frame;
            QObject::connect(state().soundPlayer(), &SoundPlayer::eventPlayed,
                             [this](int id) { sounds << id; });
        }
        ApplicationState& state() { return frame->state(); }
    };

private slots:
    void wheelOfTenCaptionsAndBoxes() {
        Fixture f;
        std::array<std::int16_t, 10> target{};
        EnterNumbersDialog d(f.state(), 10, target);
        // From the moment it opens the picker says how many numbers are wanted.
        QCOMPARE(d.windowTitle(), QStringLiteral("Choose 10 More Numbers"));
        // Every button has a mnemonic of its own.
        QSet<QChar> keys;
        for (auto* b : d.findChildren<QPushButton*>()) {
            const qsizetype amp = b->text().indexOf(QLatin1Char('&'));
            if (amp < 0) continue;
            const QChar key = b->text().at(amp + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(b->text()));
            keys.insert(key);
        }
        // Without a database or a list the quick picks are off.
        QVERIFY(!control<QPushButton>(&d, NumberGridDialog::kHot)->isEnabled());
        QVERIFY(!control<QPushButton>(&d, NumberGridDialog::kMyNumbers)->isEnabled());
        QCOMPARE(box(&d, 50)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(box(&d, 49)->checkState(), Qt::Unchecked);
        for (int n = 1; n <= 9; ++n) box(&d, n)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("Choose 1 More Number"));
        QCOMPARE(f.sounds.count(503), 9);
        box(&d, 50)->click();  // grey: freed
        QCOMPARE(box(&d, 50)->checkState(), Qt::Unchecked);
        box(&d, 50)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("All Numbers Selected"));
        QCOMPARE(box(&d, 20)->checkState(), Qt::PartiallyChecked);
        box(&d, 20)->click();  // grey while full: nothing
        QCOMPARE(d.currentChoice().chosenCount(), 10);
        // Unchoosing frees the boxes up to 49, not those above.
        box(&d, 5)->click();
        QCOMPARE(box(&d, 5)->checkState(), Qt::Unchecked);
        QCOMPARE(box(&d, 20)->checkState(), Qt::Unchecked);
        QCOMPARE(box(&d, 60)->checkState(), Qt::PartiallyChecked);
        box(&d, 5)->click();
        control<QPushButton>(&d, NumberGridDialog::kOk)->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(target, (std::array<std::int16_t, 10>{1, 2, 3, 4, 6, 7, 8, 9, 50, 5}));
    }

    void numbersInLottoRandomAndClearAll() {
        Fixture f;
        std::array<std::int16_t, 6> target{};
        EnterNumbersDialog d(f.state(), 6, target);
        box(&d, 45)->click();
        control<QSpinBox>(&d, NumberGridDialog::kNumbersInLotto)->setValue(40);
        QCOMPARE(box(&d, 44)->checkState(), Qt::PartiallyChecked);
        QCOMPARE(box(&d, 45)->checkState(), Qt::Checked);  // chosen stays chosen
        f.sounds.clear();
        control<QPushButton>(&d, NumberGridDialog::kRandom)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("All Numbers Selected"));
        QCOMPARE(f.sounds.first(), 507);
        QCOMPARE(f.sounds.count(503), 5);
        for (int n : d.currentChoice().chosen()) QVERIFY(n <= 40 || n == 45);
        control<QPushButton>(&d, NumberGridDialog::kClearAll)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("Choose 6 More Numbers"));
        QCOMPARE(box(&d, 45)->checkState(), Qt::PartiallyChecked);
        control<QPushButton>(&d, NumberGridDialog::kCancel)->click();
        QCOMPARE(target, (std::array<std::int16_t, 6>{}));  // Cancel leaves the list alone
    }

    void myNumbersFromTheListInUse() {
        Fixture f;
        f.state().setMyNumbers({9, 3, 20, 7});
        f.state().setNumberListState(true, false);
        std::array<std::int16_t, 3> target{};
        EnterNumbersDialog d(f.state(), 3, target);
        QVERIFY(control<QPushButton>(&d, NumberGridDialog::kMyNumbers)->isEnabled());
        box(&d, 3)->click();
        control<QPushButton>(&d, NumberGridDialog::kMyNumbers)->click();
        QCOMPARE(d.currentChoice().chosen(), (std::vector<int>{3, 9, 20}));
        // Without a list the picks say why and choose nothing.
        f.state().setNumberListState(false, false);
        box(&d, 9)->click();
        d.myNumbersPick();
        d.hotColdPick(qv::PickKind::Cold);
        QCOMPARE(f.problems.size(), 2);
        QVERIFY(f.problems[0].startsWith(QStringLiteral("List file hasn't been selected.")));
        QVERIFY(
            f.problems[1].startsWith(QStringLiteral("Can't Cold Pick Without an Open DataBase!")));
        QCOMPARE(d.currentChoice().chosenCount(), 2);
    }

    void bonusNumbersTicketByTicket() {
        Fixture f;
        EnterBonusNumbersDialog d(
            f.state(), {ticket({1, 2, 3}, {4}), ticket({5, 6, 7}), ticket({8, 9, 10})}, {2, 3, 1});
        QCOMPARE(d.windowTitle(), QStringLiteral("Ticket Number 2"));
        QCOMPARE(control<QLabel>(&d, EnterBonusNumbersDialog::kTicketLine)->text(),
                 QStringLiteral("1 2 3"));
        auto* combo = control<QComboBox>(&d, EnterBonusNumbersDialog::kTicketCombo);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QStringLiteral("Ticket 1"));
        QCOMPARE(box(&d, 4)->checkState(), Qt::Checked);
        // Random takes one number a press.
        control<QPushButton>(&d, NumberGridDialog::kRandom)->click();
        QCOMPARE(d.editor().choice().chosenCount(), 2);
        d.selectTicket(1);
        QCOMPARE(d.windowTitle(), QStringLiteral("Ticket Number 3"));
        QCOMPARE(control<QLabel>(&d, EnterBonusNumbersDialog::kTicketLine)->text(),
                 QStringLiteral("5 6 7"));
        box(&d, 30)->click();
        control<QPushButton>(&d, NumberGridDialog::kOk)->click();  // fewer than 3 is fine
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const std::vector<qv::TicketType> out = d.tickets();
        QCOMPARE(out[0].bonusCount(), 2);
        QCOMPARE(out[1].bonus, (std::array<std::int16_t, 3>{30, 0, 0}));
        QCOMPARE(out[2].bonusCount(), 0);
    }

    void manualGridQuotaAndCaptions() {
        Fixture f;
        qv::TicketFile file = qv::newManualTicketFile(6, 49);
        ManualEnterNumbersDialog d(f.state(), file);
        QCOMPARE(d.windowTitle(), QStringLiteral("Choose 6 More Numbers"));
        for (int n : {6, 5, 4, 3, 2, 1}) box(&d, n)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("Select Add Ticket Button"));
        control<QPushButton>(&d, ManualEnterNumbersDialog::kAddTicket)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("1 Ticket"));
        control<QSpinBox>(&d, ManualEnterNumbersDialog::kNumbersPerTicket)->setValue(5);
        QCOMPARE(d.windowTitle(), QStringLiteral("Choose 5 More Numbers"));
        for (int n : {10, 11, 12, 13}) box(&d, n)->click();
        control<QPushButton>(&d, ManualEnterNumbersDialog::kAddTicket)->click();  // incomplete
        QCOMPARE(d.windowTitle(), QStringLiteral("Choose 1 More Number"));
        box(&d, 14)->click();
        control<QPushButton>(&d, ManualEnterNumbersDialog::kAddTicket)->click();
        QCOMPARE(d.windowTitle(), QStringLiteral("2 Tickets"));
        shot(&d, QStringLiteral("manual_grid_two_tickets"));
        control<QPushButton>(&d, NumberGridDialog::kOk)->click();
        QVERIFY(d.entry().applyTo(file));
        QCOMPARE(file.tickets[1], ticket({10, 11, 12, 13, 14}));
        QCOMPARE(file.numbersPerTicket, 5);
    }

    void modifyTickets() {
        Fixture f;
        ModifyManualTicketsDialog d(f.state(), {ticket({1, 2, 3}, {9}), ticket({4, 5, 6})}, {2, 1},
                                    49);
        QCOMPARE(d.windowTitle(), QStringLiteral("Modify Tickets"));
        auto* combo = control<QComboBox>(&d, ModifyManualTicketsDialog::kTicketCombo);
        QCOMPARE(combo->itemText(0), QStringLiteral("Ticket 2"));
        QCOMPARE(d.field(0)->text(), QStringLiteral("1"));
        QCOMPARE(d.field(10)->text(), QStringLiteral("9"));
        QCOMPARE(d.field(5)->text(), QStringLiteral("0"));
        d.field(0)->setText(QStringLiteral("44"));
        d.field(1)->setText(QStringLiteral("250"));
        d.field(2)->setText(QString());
        control<QPushButton>(&d, ModifyManualTicketsDialog::kUpdateNumbers)->click();
        QCOMPARE(d.model().tickets()[0], ticket({44, 2, 3}, {9}));
        QCOMPARE(d.field(1)->text(), QStringLiteral("2"));  // refused: the old value again
        QCOMPARE(f.problems.size(), 1);
        // A number twice, or a main number above the file's 49, refuses the whole ticket.
        for (const auto& [second, message] :
             {std::pair{"44", "The number 44 stands twice in ticket 2."},
              std::pair{"77", "The number 77 in ticket 2 is above the 49 numbers in lotto."}}) {
            d.field(1)->setText(QString::fromLatin1(second));
            d.field(3)->setText(QStringLiteral("5"));
            control<QPushButton>(&d, ModifyManualTicketsDialog::kUpdateNumbers)->click();
            QCOMPARE(f.problems.last(), QString::fromLatin1(message));
            QCOMPARE(d.model().tickets()[0], ticket({44, 2, 3}, {9}));
        }
        d.selectTicket(0);  // shows the stored ticket again
        // Edits not applied are lost when another ticket is chosen.
        d.field(0)->setText(QStringLiteral("7"));
        d.selectTicket(1);
        d.selectTicket(0);
        QCOMPARE(d.field(0)->text(), QStringLiteral("44"));
        // Deleting the last ticket makes the one before it current.
        d.selectTicket(1);
        control<QPushButton>(&d, ModifyManualTicketsDialog::kDelete)->click();
        QCOMPARE(combo->count(), 1);
        QCOMPARE(d.model().current(), std::size_t(0));
        QCOMPARE(d.field(0)->text(), QStringLiteral("44"));
        // OK applies the fields shown first.
        d.field(3)->setText(QStringLiteral("8"));
        control<QPushButton>(&d, 1)->click();
        QCOMPARE(d.model().tickets()[0], ticket({44, 2, 3, 8}, {9}));
    }

    void numberListEditor() {
        Fixture f;
        std::vector<int> numbers = {5};
        TMyNumberList d(f.state(), numbers, QStringLiteral("C:\\lists\\mine.lst"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Edit Numbers for mine.lst"));
        QVERIFY(f.state().flags().numberListDialogOpen);
        QVERIFY(!f.frame->commandAction(qv::cmd::kSelectList)->isEnabled());
        QVERIFY(d.box(5)->isChecked());
        for (int n : {3, 17, 42}) d.box(n)->click();
        d.box(5)->click();
        QVERIFY(!d.box(5)->isChecked());
        control<QPushButton>(&d, 1)->click();
        QCOMPARE(numbers, (std::vector<int>{3, 17, 42}));
        QVERIFY(!f.state().flags().numberListDialogOpen);
        shot(&d, QStringLiteral("number_list"));
    }

    void listCommands() {
        Fixture f;
        // Nothing to edit before a list has been selected.
        QVERIFY(!f.frame->commandAction(qv::cmd::kEditCurrentList)->isEnabled());
        const QString path = f.dir.filePath(QStringLiteral("mine.lst"));

        // Create, cancelled: no file.
        whenModal<TMyNumberList>([](TMyNumberList* d) { d->reject(); });
        f.frame->runCommand(qv::cmd::kCreateList);
        QVERIFY(f.requests.isEmpty());
        // Create: 3, 17, 42 in that order, saved where the user says.
        f.answer = path;
        QString caption;
        whenModal<TMyNumberList>([&](TMyNumberList* d) {
            caption = d->windowTitle();
            for (int n : {3, 17, 42}) d->box(n)->click();
            d->accept();
        });
        f.frame->runCommand(qv::cmd::kCreateList);
        QCOMPARE(caption, QStringLiteral("Edit Numbers for New List"));
        QCOMPARE(f.requests.last().title, QStringLiteral("Saved Number List"));
        QCOMPARE(readAll(path), listBytes({3, 17, 42}));
        // A new list does not become the current one.
        QVERIFY(!f.state().flags().numberListInUse);

        // Select it: the current list, remembered for the next start.
        f.frame->runCommand(qv::cmd::kSelectList);
        QVERIFY(f.state().flags().numberListInUse);
        QCOMPARE(f.state().myNumbers(), (std::vector<int>{3, 17, 42}));
        QVERIFY(f.state().settings().usingNumberList);
        QVERIFY(f.frame->commandAction(qv::cmd::kEditCurrentList)->isEnabled());

        // Edit: unchecking 17 saves the list at once.
        whenModal<TMyNumberList>([](TMyNumberList* d) {
            d->box(17)->click();
            d->accept();
        });
        f.frame->runCommand(qv::cmd::kEditCurrentList);
        QCOMPARE(readAll(path), listBytes({3, 42}));
        QCOMPARE(f.state().myNumbers(), (std::vector<int>{3, 42}));

        // A list that cannot be read is no longer selected.
        f.answer = f.dir.filePath(QStringLiteral("gone.lst"));
        f.frame->runCommand(qv::cmd::kSelectList);
        QVERIFY(!f.state().flags().numberListInUse);
        QVERIFY(!f.state().settings().usingNumberList);
    }

    void listOfTheLastSessionIsLoadedAtStart() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fav.lst"));
        QVERIFY(qv::saveNumberList(path.toStdString(), {11, 22}));
        qv::Settings s;
        s.usingNumberList = true;
        s.lastNumberList = path.toStdString();
        const AppEnvironment env = environmentIn(dir);
        QVERIFY(qv::writeSettingsFile(env.settingsPath.toStdString(), s));
        FrameFixture fixture(env);
        QVERIFY(fixture.state.flags().numberListInUse);
        QCOMPARE(fixture.state.myNumbers(), (std::vector<int>{11, 22}));
    }
};

QTEST_MAIN(TestNumberDialogs)
#include "test_number_dialogs.moc"

// The odds window of a ticket file: opened from the button and the context menu, counted with
// the game of the open database, its prizes kept in the settings, refused and cancelled
// counts, the wheel's profile, copy and print.

#include <QClipboard>
#include <QTableWidget>

#include "core/database/draw_database.h"
#include "core/tickets/odds.h"
#include "core/tickets/ticket_file.h"
#include "core/wheels/wheel_info.h"
#include "gui/common/application_state.h"
#include "gui/database/database_dialog.h"
#include "gui/tickets/odds_dialog.h"
#include "gui/tickets/ticket_commands.h"
#include "gui/tickets/ticket_file_dialog.h"
#include "gui/tickets/ticket_window.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

// Cancels at the first poll.
struct CancelAtOnce : qv::ProgressReporter {
    void open(const std::string&) override {}
    void show(int) override {}
    bool cancelled() override { return true; }
    void close() override {}
};

}  // namespace

class TestOddsDialog : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        std::unique_ptr<FrameFixture> fixture;
        Fixture() : fixture(std::make_unique<FrameFixture>(environmentIn(dir))) {}
        ApplicationState& state() { return fixture->frame.state(); }

        void openSample() {
            const QString path = dir.filePath(QStringLiteral("lotto.dat"));
            QFile::copy(kSample, path);
            QVERIFY(openDatabaseWindow(state(), &fixture->frame, path));
        }
        // 3 tickets of 6 over 8 chosen numbers, guaranteeing 3 if 4.
        TicketFileDialog* openWheelFile() {
            qv::WheelInfo w;
            w.description = "Eight";
            w.numbersToWheel = 8;
            w.numbersPerTicket = 6;
            w.guarantee = 3;
            w.guaranteeIf = 4;
            w.setRows({ticket({1, 2, 3, 4, 5, 6}), ticket({3, 4, 5, 6, 7, 8}),
                       ticket({1, 2, 5, 6, 7, 8})});
            qv::NumbersUsed used{};
            const int chosen[] = {4, 9, 15, 22, 30, 36, 41, 48};
            for (int k = 0; k < 8; ++k) used[k] = static_cast<std::int16_t>(chosen[k]);
            qv::TicketFile f = qv::newWheelTicketFile(w, used);
            const QString path = dir.filePath(QStringLiteral("wheel.qvt"));
            if (!f.saveAs(path.toStdString())) qFatal("not written");
            return openTicketFileWindow(state(), &fixture->frame, path);
        }
    };

    static OddsDialog* oddsOf(TicketFileDialog* d) {
        const auto all = d->findChildren<OddsDialog*>();
        return all.isEmpty() ? nullptr : all.last();
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    void countsTheWheelFileInTheDatabasesGame() {
        Fixture f;
        f.openSample();
        TicketFileDialog* d = f.openWheelFile();
        QVERIFY(d);
        control<QPushButton>(d, TicketFileDialog::kOdds)->click();
        OddsDialog* odds = oddsOf(d);
        QVERIFY(odds);
        QVERIFY(odds->odds());
        const qv::OddsGame game = odds->odds()->game;
        QCOMPARE(game.lotto, 49);
        QCOMPARE(game.perTicket, 6);
        // Every row of the table is the core's count, formatted.
        const auto expected = qv::countTicketOdds(d->file().tickets, game, nullptr);
        QCOMPARE(odds->table()->rowCount(), static_cast<int>(expected->scores.size()));
        for (int r = 0; r < odds->table()->rowCount(); ++r) {
            const qv::ScoreCount& s = expected->scores[static_cast<std::size_t>(r)];
            QCOMPARE(odds->table()->item(r, OddsDialog::ScoreColumn)->text(),
                     QString::fromStdString(s.score.text()));
            QCOMPARE(odds->table()->item(r, OddsDialog::DrawsColumn)->text(),
                     QLocale().toString(static_cast<qulonglong>(s.draws)));
        }
        QCOMPARE(odds->table()->item(0, OddsDialog::DrawsColumn)->text(),
                 QLocale().toString(game.bonusBall ? 3 * 43 : 3));

        // The wheel's profile: lines for 6 down to 1, the guarantee's line marked.
        QVERIFY(odds->profile());
        QCOMPARE(odds->profileTable()->rowCount(), 6);
        QCOMPARE(odds->profileTable()->verticalHeaderItem(2)->text(),
                 QStringLiteral("If 4 (guarantee)"));
        QVERIFY(qv::profileHoldsGuarantee(*odds->profile(), 3, 4));

        // The chart shows its bars.
        const QImage chart = odds->chart()->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x)
                coloured += chart.pixelColor(x, y).saturation() > 100 ? 1 : 0;
        QVERIFY(coloured > 500);

        // Copy puts the whole report on the clipboard.
        odds->copyAsText();
        const QString text = QGuiApplication::clipboard()->text();
        QVERIFY(text.contains(QStringLiteral("Draws: ")));
        QVERIFY(text.contains(QStringLiteral("If 4: 4:")));
        QVERIFY(text.contains(QStringLiteral("<- guarantee")));
        QVERIFY(text.contains(QStringLiteral("Shared jackpots make the top prizes estimates.")));

        // The printout writes a page.
        OddsPrintout printout(odds->windowTitle(), odds->reportLines(), odds->odds());
        const QString pdf = f.dir.filePath(QStringLiteral("odds.pdf"));
        QString error;
        QVERIFY2(printToPdf(pdf, printout, &error), qPrintable(error));
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

    void prizesAreKeptPerGameAndChangeTheExpectation() {
        Fixture f;
        TicketFileDialog* d = f.openWheelFile();
        d->ticketWindow()->runCommand(TMyTicketWindow::kOdds);  // the context menu's "&Odds..."
        OddsDialog* odds = oddsOf(d);
        QVERIFY(odds && odds->odds());
        const QString before = odds->summaryText();
        // The top prize (row 0) of 6/49 changes, and only that game's table.
        odds->table()->item(0, OddsDialog::PrizeColumn)->setText(QStringLiteral("1000"));
        const auto& tables = f.state().settings().prizeTables;
        QCOMPARE(tables.size(), std::size_t{1});
        QCOMPARE(tables.at({49, 6}).prizes[0], 1000.0);
        QVERIFY(odds->summaryText() != before);
        // A price of 0 leaves no return per unit spent to show.
        odds->findChild<QDoubleSpinBox*>(QStringLiteral("price"))->setValue(0);
        QCOMPARE(tables.at({49, 6}).price, 0.0);
        QVERIFY(!odds->summaryText().contains(QStringLiteral("per unit")));
        // Text that is no amount is put back.
        odds->table()->item(1, OddsDialog::PrizeColumn)->setText(QStringLiteral("lots"));
        QCOMPARE(tables.at({49, 6}).prizes[1], qv::defaultPrizeTable(49, 6).prizes[1]);
    }

    void refusedAndCancelledCountsSayWhy() {
        Fixture f;
        TicketFileDialog* d = f.openWheelFile();
        OddsDialog odds(f.state(), d->file(), d);
        auto* problem = odds.findChild<QLabel*>(QStringLiteral("problem"));
        odds.setGame(5, false);
        QVERIFY(!odds.count());
        QCOMPARE(problem->text(), QStringLiteral("A game of 5 numbers cannot draw 6."));
        odds.setGame(40, false);
        QVERIFY(!odds.count());
        QCOMPARE(problem->text(),
                 QStringLiteral("Ticket 2 holds 41, which is not one of the numbers 1 to 40."));
        odds.setGame(49, true);
        CancelAtOnce cancel;
        QVERIFY(!odds.count(&cancel));
        QCOMPARE(problem->text(), QStringLiteral("The count was cancelled."));
        QCOMPARE(odds.table()->rowCount(), 0);
        QVERIFY(odds.count());
        QVERIFY(problem->isHidden());
        QCOMPARE(odds.table()->rowCount(), 13);
    }
};

QTEST_MAIN(TestOddsDialog)
#include "test_odds_dialog.moc"

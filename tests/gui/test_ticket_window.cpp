// The ticket-file dialogs and their ticket window: painting with the result colours, score
// sounds, sorting, arranging, export, saving and closing; tickets made from a wheel and
// entered by hand through the main commands.

#include <QSignalSpy>

#include "core/database/draw_database.h"
#include "core/tickets/matching.h"
#include "core/tickets/number_choice.h"
#include "core/tickets/ticket_file.h"
#include "core/util/file_io.h"
#include "core/wheels/wheel_info.h"
#include "gui/common/application_state.h"
#include "gui/common/sound_player.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/options/file_selection_dialog.h"
#include "gui/tickets/enter_numbers_dialog.h"
#include "gui/tickets/manual_enter_numbers_dialog.h"
#include "gui/tickets/modify_manual_tickets_dialog.h"
#include "gui/tickets/ticket_commands.h"
#include "gui/tickets/ticket_file_dialog.h"
#include "gui/tickets/ticket_window.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

int countPixels(const QImage& image, const std::function<bool(const QColor&)>& wanted) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += wanted(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool near(const QColor& c, int r, int g, int b) {
    return std::abs(c.red() - r) < 40 && std::abs(c.green() - g) < 40 &&
           std::abs(c.blue() - b) < 40;
}

// Screenshots for looking at, when QV_SHOT_DIR names a directory.
void shot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("QV_SHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A wheeling table of `n` numbers: every ticket takes `per` consecutive positions.
QString writeWheel(const QString& path, const char* description, int n, int per, int tickets) {
    qv::WheelInfo w;
    w.description = description;
    w.numbersToWheel = static_cast<std::int16_t>(n);
    w.numbersPerTicket = static_cast<std::int16_t>(per);
    w.guarantee = 3;
    w.guaranteeIf = 4;
    std::vector<qv::TicketType> rows(static_cast<std::size_t>(tickets));
    for (int k = 0; k < tickets; ++k)
        for (int j = 0; j < per; ++j)
            rows[k].numbers[j] = static_cast<std::int16_t>((k + j) % n + 1);
    w.setRows(rows);
    if (!qv::saveWheelFile(path.toStdString(), w)) qFatal("wheel not written");
    return path;
}

}  // namespace

class TestTicketWindow : public QObject {
    Q_OBJECT

private:
    struct Fixture : FakeInteraction {
        QTemporaryDir dir;
        std::unique_ptr<FrameFixture> fixture;
        TMyMDIFrame* frame = nullptr;
        QList<QString> waves;
        QStringList closeQuestions;
        QMessageBox::StandardButton closeAnswer = QMessageBox::Cancel;

        Fixture() {
            fixture = std::make_unique<FrameFixture>(environmentIn(dir), *this);
            frame = &fixture->frame;
            // No background, so the colours of the text are what the window shows.
            state().updateSettings([&](qv::Settings& s) { s.ticketBackground.path.clear(); });
            connect();
        }
        void connect() {
            QObject::connect(state().soundPlayer(), &SoundPlayer::waveFilePlayed,
                             [this](const QString& path) { waves << QFileInfo(path).fileName(); });
        }
        ApplicationState& state() { return frame->state(); }
        DataBaseDialog* openSample() {
            const QString path = dir.filePath(QStringLiteral("lotto.dat"));
            QFile::copy(kSample, path);
            return openDatabaseWindow(state(), frame, path);
        }
        QString writeTickets(const QString& name, std::vector<qv::TicketType> tickets) {
            qv::TicketFile f = qv::newManualTicketFile();
            f.tickets = std::move(tickets);
            const QString path = dir.filePath(name);
            if (!f.saveAs(path.toStdString())) qFatal("not written");
            return path;
        }
        TicketFileDialog* open(const QString& path) {
            TicketFileDialog* d = openTicketFileWindow(state(), frame, path);
            if (d)
                d->setCloseQuestion([this](const QString& text, const QString&) {
                    closeQuestions << text;
                    return closeAnswer;
                });
            return d;
        }
    };

    static QPushButton* button(QWidget* d, int id) { return control<QPushButton>(d, id); }
    static QAction* menuAction(TMyTicketWindow* w, int id) {
        for (QAction* a : w->contextMenu()->actions())
            if (a->data().toInt() == id) return a;
        qFatal("menu item %d missing", id);
        return nullptr;
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    void paintsResultsInTheirColours() {
        Fixture f;
        f.state().setWinningNumbers(ticket({7, 12, 19, 25, 33, 41}, {9}));
        // Scores of 6, 4 (with the bonus number), 3 and 1.
        TicketFileDialog* d = f.open(
            f.writeTickets(QStringLiteral("mine.qvt"),
                           {ticket({7, 12, 19, 25, 33, 41}), ticket({1, 7, 12, 19, 25, 40}, {9}),
                            ticket({2, 7, 12, 19, 44, 45}), ticket({1, 2, 3, 4, 5, 41})}));
        QVERIFY(d);
        TMyTicketWindow* w = d->ticketWindow();
        QCOMPARE(w->bonusColumns(), 1);
        QCOMPARE(d->windowTitle(), QDir::toNativeSeparators(f.dir.filePath("mine.qvt")));
        const QImage image = w->grab().toImage();
        shot(d, QStringLiteral("ticket_window_manual"));
        // Hits in red, the heading green, the results in orange to red.
        QVERIFY(countPixels(image, [](const QColor& c) { return near(c, 200, 0, 0); }) > 50);
        QVERIFY(countPixels(image, [](const QColor& c) { return near(c, 50, 100, 0); }) > 50);
        QVERIFY(countPixels(image, [](const QColor& c) { return near(c, 255, 128, 0); }) > 5);
        QVERIFY(countPixels(image, [](const QColor& c) { return near(c, 255, 64, 0); }) > 5);

        // Without tickets only the background is painted: no heading.
        QVERIFY(d->closeFile());
        TicketFileDialog* empty = f.open(f.writeTickets(QStringLiteral("empty.qvt"), {}));
        QVERIFY(empty);
        const QImage blank = empty->ticketWindow()->grab().toImage();
        QCOMPARE(countPixels(blank, [](const QColor& c) { return near(c, 50, 100, 0); }), 0);
        QVERIFY(empty->closeFile());
    }

    void firstPaintPlaysTheScoreSounds() {
        Fixture f;
        const QString data = QStringLiteral(QV_BUILD_DATA_DIR);
        QFile::copy(data + "/great.wav", f.dir.filePath("great.wav"));
        QFile::copy(data + "/good.wav", f.dir.filePath("medium.wav"));
        QFile::copy(data + "/good.wav", f.dir.filePath("lower.wav"));
        f.state().updateSettings([&](qv::Settings& s) { s.sound.waveFiles[0].path = "great.wav"; });
        f.state().updateSettings(
            [&](qv::Settings& s) { s.sound.waveFiles[1].path = "medium.wav"; });
        f.state().updateSettings([&](qv::Settings& s) { s.sound.waveFiles[2].path = "lower.wav"; });
        f.state().updateSettings([&](qv::Settings& s) { s.sound.waveFiles[1].enabled = false; });
        f.state().setWinningNumbers(ticket({1, 2, 3, 4, 5, 6}));
        TicketFileDialog* d =
            f.open(f.writeTickets(QStringLiteral("mine.qvt"),
                                  {ticket({1, 2, 3, 4, 5, 9}), ticket({1, 2, 3, 4, 8, 9}),
                                   ticket({1, 2, 3, 7, 8, 9}), ticket({1, 2, 8, 9, 10, 11})}));
        d->ticketWindow()->grab();
        QCOMPARE(f.waves, (QList<QString>{"great.wav", "lower.wav"}));
        d->ticketWindow()->grab();
        QCOMPARE(f.waves.size(), 2);  // the first paint only
        // New winning numbers are heard again.
        f.state().setWinningNumbers(ticket({1, 2, 3, 20, 21, 22}));
        d->ticketWindow()->grab();
        QCOMPARE(f.waves.size(), 5);
        QVERIFY(d->closeFile());
    }

    void sortingArrangingAndTheCheckMarks() {
        Fixture f;
        f.state().setWinningNumbers(ticket({7, 12, 19, 25, 33, 41}, {9}));
        TicketFileDialog* d = f.open(f.writeTickets(
            QStringLiteral("mine.qvt"), {ticket({41, 1, 2, 3, 4, 5}), ticket({7, 12, 19, 25, 1, 2}),
                                         ticket({12, 7, 19, 25, 1, 2}, {9})}));
        TMyTicketWindow* w = d->ticketWindow();
        QVERIFY(menuAction(w, TMyTicketWindow::kArrangeByNumber)->isChecked());
        QVERIFY(!menuAction(w, TMyTicketWindow::kArrangeByResult)->isChecked());

        menuAction(w, TMyTicketWindow::kSortTickets)->trigger();
        QCOMPARE(d->file().tickets[0], ticket({1, 2, 3, 4, 5, 41}));
        QVERIFY(!d->isModified());

        menuAction(w, TMyTicketWindow::kArrangeByResult)->trigger();
        QCOMPARE(w->labels(), (std::vector<int>{3, 2, 1}));
        QVERIFY(menuAction(w, TMyTicketWindow::kArrangeByResult)->isChecked());
        QVERIFY(!menuAction(w, TMyTicketWindow::kArrangeByNumber)->isChecked());
        QVERIFY(!d->isModified());
        menuAction(w, TMyTicketWindow::kArrangeByNumber)->trigger();
        QCOMPARE(w->labels(), (std::vector<int>{1, 2, 3}));
        QCOMPARE(d->file().tickets[2], ticket({1, 2, 7, 12, 19, 25}, {9}));
        QVERIFY(d->closeFile());
    }

    void exportAsksBeforeAppendingOrOverwriting() {
        Fixture f;
        TicketFileDialog* d = f.open(f.writeTickets(
            QStringLiteral("mine.qvt"), {ticket({1, 2, 3, 4, 5, 6}, {7}), ticket({8, 9})}));
        TMyTicketWindow* w = d->ticketWindow();
        QStringList questions;
        QList<bool> answers;
        w->setQuestion([&](const QString& text, const QString& caption) {
            questions << caption + QLatin1Char('|') + text;
            return answers.takeFirst();
        });
        const QString out = f.dir.filePath(QStringLiteral("out.txt"));
        f.answer = out;
        const std::string lines = "1 2 3 4 5 6 7 \n8 9 \n";
        w->runCommand(TMyTicketWindow::kExportTickets);
        QCOMPARE(qv::readTextFile(out.toStdString()).value(), lines);
        QVERIFY(questions.isEmpty());
        QCOMPARE(f.requests.last().title, QStringLiteral("Select File Name to Save As"));

        answers = {true};  // append
        w->runCommand(TMyTicketWindow::kExportTickets);
        QCOMPARE(qv::readTextFile(out.toStdString()).value(), lines + lines);
        QCOMPARE(questions.last(),
                 QStringLiteral("Question ?|File already exists.  Append tickets to file ?"));
        answers = {false, false};  // neither: nothing written
        w->runCommand(TMyTicketWindow::kExportTickets);
        QCOMPARE(qv::readTextFile(out.toStdString()).value(), lines + lines);
        QCOMPARE(questions.last(), QStringLiteral("Question ?|Overwrite existing file ?"));
        answers = {false, true};  // overwrite
        w->runCommand(TMyTicketWindow::kExportTickets);
        QCOMPARE(qv::readTextFile(out.toStdString()).value(), lines);

        // A file that cannot be written is reported.
        f.answer = f.dir.filePath(QStringLiteral("no/such/out.txt"));
        w->runCommand(TMyTicketWindow::kExportTickets);
        QCOMPARE(f.problems.size(), 1);
        QVERIFY(d->closeFile());
    }

    void savingAndClosing() {
        Fixture f;
        TicketFileDialog* d = f.open(f.writeTickets(QStringLiteral("mine.qvt"), {ticket({1, 2})}));
        QVERIFY(f.state().flags().manualTicketFileOpen);
        // Escape and the close box leave it open.
        QTest::keyClick(d, Qt::Key_Escape);
        d->close();
        QVERIFY(d->isVisible());
        // Modified: Cancel keeps the file open, No closes it without saving.
        d->document().edit([](qv::TicketFile&) {});  // an edit that changes nothing
        QVERIFY(!d->closeFile());
        QCOMPARE(f.closeQuestions, QStringList{"Save File Before Closing ?"});
        QVERIFY(d->isVisible());
        d->move(33, 44);
        f.closeAnswer = QMessageBox::No;
        QPointer<TicketFileDialog> gone = d;
        button(d, TicketFileDialog::kCloseFile)->click();
        QVERIFY(!f.state().flags().ticketFileOpen());
        QVERIFY(!f.state().ticketFile());
        QCOMPARE(f.state().settings().ticketWindowPos.x, d->pos().x());
        QTRY_VERIFY(gone.isNull());

        // "As" writes the file under the chosen name, which the next start opens.
        d = f.open(f.dir.filePath(QStringLiteral("mine.qvt")));
        const QString other = f.dir.filePath(QStringLiteral("other.qvt"));
        f.answer = other;
        button(d, TicketFileDialog::kSaveAs)->click();
        QCOMPARE(f.requests.last().title, QStringLiteral("Save Ticket File As"));
        QCOMPARE(d->windowTitle(), QDir::toNativeSeparators(other));
        QCOMPARE(QString::fromStdString(f.state().settings().lastTicketFile),
                 QDir::toNativeSeparators(other));
        QVERIFY(QFile::exists(other));
        const int asked = f.closeQuestions.size();
        QVERIFY(d->closeFile());
        QCOMPARE(f.closeQuestions.size(), asked);  // not modified: no question
    }

    void manualTicketsThroughTheGrid() {
        Fixture f;
        f.openSample();
        // "Enter Tickets Manually...", the grid cancelled: an open file without tickets.
        whenModal<ManualEnterNumbersDialog>([](ManualEnterNumbersDialog* g) { g->reject(); });
        f.frame->runCommand(qv::cmd::kEnterTicketsManually);
        TicketFileDialog* d = ticketWindowOf<TicketFileDialog>(f.state());
        QVERIFY(d);
        QVERIFY(!d->isWheel());
        QCOMPARE(d->file().ticketCount(), std::size_t(0));
        QVERIFY(d->isModified());
        QCOMPARE(d->windowTitle(), QStringLiteral("Manual Ticket Dialog"));
        QVERIFY(!f.frame->commandAction(qv::cmd::kEnterTicketsManually)->isEnabled());

        // "Add Ticket": two tickets of six, the second picked by Hot.
        QSignalSpy repaint(&f.state(), &ApplicationState::ticketFileChanged);
        QString caption;
        whenModal<ManualEnterNumbersDialog>([&](ManualEnterNumbersDialog* g) {
            for (int n : {30, 4, 17, 9, 44, 2}) control<QCheckBox>(g, 100 + n)->click();
            button(g, ManualEnterNumbersDialog::kAddTicket)->click();
            caption = g->windowTitle();
            button(g, NumberGridDialog::kHot)->click();
            button(g, ManualEnterNumbersDialog::kAddTicket)->click();
            shot(g, QStringLiteral("manual_grid"));
            button(g, NumberGridDialog::kOk)->click();
        });
        button(d, ManualTicketFileDialog::kAddTicket)->click();
        QCOMPARE(caption, QStringLiteral("1 Ticket"));
        QCOMPARE(d->file().ticketCount(), std::size_t(2));
        QCOMPARE(d->file().tickets[0], ticket({2, 4, 9, 17, 30, 44}));
        const qv::DrawDatabase* db = f.state().database();
        const qv::PickList hot =
            qv::hotColdPickList(qv::PickKind::Hot, db->header(), db->entries(), db->statistics());
        std::vector<int> hottest(hot.sequence.begin(), hot.sequence.begin() + 6);
        std::sort(hottest.begin(), hottest.end());
        for (int k = 0; k < 6; ++k) QCOMPARE(int(d->file().tickets[1].numbers[k]), hottest[k]);
        QVERIFY(repaint.count() >= 1);
        QCOMPARE(d->ticketWindow()->labels(), (std::vector<int>{1, 2}));

        // "Bonus Numbers": Change All with 7.
        whenModal<EnterBonusNumbersDialog>([](EnterBonusNumbersDialog* g) {
            control<QCheckBox>(g, 107)->click();
            button(g, EnterBonusNumbersDialog::kChangeAll)->click();
            shot(g, QStringLiteral("bonus_numbers"));
            button(g, NumberGridDialog::kOk)->click();
        });
        button(d, TicketFileDialog::kBonusNumbers)->click();
        for (const qv::TicketType& t : d->file().tickets)
            QCOMPARE(t.bonus, (std::array<std::int16_t, 3>{7, 0, 0}));
        QCOMPARE(d->ticketWindow()->bonusColumns(), 1);

        // "Update Tickets": delete the first ticket.
        whenModal<ModifyManualTicketsDialog>([](ModifyManualTicketsDialog* g) {
            button(g, ModifyManualTicketsDialog::kDelete)->click();
            shot(g, QStringLiteral("modify_tickets"));
            button(g, 1)->click();
        });
        button(d, ManualTicketFileDialog::kUpdateTickets)->click();
        QCOMPARE(d->file().ticketCount(), std::size_t(1));
        QCOMPARE(d->ticketWindow()->labels(), std::vector<int>{1});
        shot(d, QStringLiteral("manual_ticket_file"));

        // Saved for the first time through Save As.
        f.answer = f.dir.filePath(QStringLiteral("typed.qvt"));
        button(d, TicketFileDialog::kSave)->click();
        QVERIFY(!d->isModified());
        qv::TicketFile again;
        QVERIFY(qv::loadTicketFile(f.answer.toStdString(), again));
        QCOMPARE(again.tickets, d->file().tickets);
        QVERIFY(d->closeFile());
    }

    void wheelTicketFileFromHotPicks() {
        Fixture f;
        f.openSample();
        writeWheel(f.dir.filePath(QStringLiteral("a10.wl6")), "Ten numbers", 10, 6, 14);
        writeWheel(f.dir.filePath(QStringLiteral("b12.wl6")), "Twelve numbers", 12, 6, 20);
        f.state().setFileSelectionDirectory(f.dir.path());

        // "Use Wheeling Table...": the picker opens on "Pick 6 Wheels" for a 6-number game.
        QString filter;
        whenModal<FileSelection>([&](FileSelection* s) {
            filter = control<QComboBox>(s, 102)->currentText();
            s->activateRow(0);
        });
        QStringList captions;
        whenModal<EnterNumbersDialog>([&](EnterNumbersDialog* g) {
            captions << g->windowTitle();
            button(g, NumberGridDialog::kOk)->click();  // too few: stays open
            button(g, NumberGridDialog::kHot)->click();
            captions << g->windowTitle();
            shot(g, QStringLiteral("enter_numbers_hot"));
            button(g, NumberGridDialog::kOk)->click();
        });
        f.frame->runCommand(qv::cmd::kUseWheelingTable);
        QCOMPARE(filter, QStringLiteral("Pick 6 Wheels *.wl6"));
        QCOMPARE(captions, (QStringList{"Choose 10 More Numbers", "All Numbers Selected"}));
        QCOMPARE(f.problems, QStringList{"Please enter all numbers before clicking 'Ok'"});
        auto* d = ticketWindowOf<WheelTicketFileDialog>(f.state());
        QVERIFY(d);
        QVERIFY(f.state().flags().wheelTicketFileOpen);
        QCOMPARE(d->file().ticketCount(), std::size_t(14));
        const qv::DrawDatabase* db = f.state().database();
        const qv::PickList hot =
            qv::hotColdPickList(qv::PickKind::Hot, db->header(), db->entries(), db->statistics());
        QString used = QStringLiteral("Numbers Used : ");
        for (int k = 0; k < 10; ++k) used += QString::number(hot.sequence[k]) + QLatin1Char(' ');
        QCOMPARE(control<QLabel>(d, 202)->text(), used);
        QCOMPARE(control<QLabel>(d, 201)->text(),
                 QStringLiteral("Wheel Description: 10 Numbers 3 if 4, 14 Tickets"));
        QCOMPARE(d->file().tickets[0].numbers[0], std::int16_t(hot.sequence[0]));
        // The database window shows the new file's results.
        QCOMPARE(documentWindow<DataBaseDialog>(f.state(), DocumentSlot::Database)
                     ->listWindow()
                     ->ticketFile(),
                 &d->file());
        shot(d, QStringLiteral("wheel_ticket_file"));

        // "Change Wheel" to 12 numbers asks for 2 more; Cancel leaves the file as it was.
        const qv::TicketFile before = d->file();
        whenModal<FileSelection>([](FileSelection* s) { s->activateRow(1); });
        int preChosen = 0;
        whenModal<EnterNumbersDialog>([&](EnterNumbersDialog* g) {
            preChosen = g->currentChoice().chosenCount();
            g->randomPick();
            captions << g->windowTitle();
            g->reject();
        });
        button(d, WheelTicketFileDialog::kChangeWheel)->click();
        QCOMPARE(preChosen, 10);
        QCOMPARE(captions.last(), QStringLiteral("All Numbers Selected"));
        QCOMPARE(d->file(), before);

        whenModal<FileSelection>([](FileSelection* s) { s->activateRow(1); });
        whenModal<EnterNumbersDialog>([&](EnterNumbersDialog* g) {
            for (int n = 1; n <= 49 && !g->currentChoice().full(); ++n)
                if (g->currentChoice().state(n) == qv::BoxState::Free)
                    control<QCheckBox>(g, 100 + n)->click();
            button(g, NumberGridDialog::kOk)->click();
        });
        button(d, WheelTicketFileDialog::kChangeWheel)->click();
        QCOMPARE(d->file().ticketCount(), std::size_t(20));
        QCOMPARE(d->file().wheel.numbersToWheel, 12);
        QVERIFY(d->isModified());
        QCOMPARE(control<QLabel>(d, 201)->text(),
                 QStringLiteral("Wheel Description: 12 Numbers 3 if 4, 20 Tickets"));

        // "Modify Numbers": give up the first number and take 49 instead.
        const int first = d->file().numbersUsed[0];
        whenModal<EnterNumbersDialog>([&](EnterNumbersDialog* g) {
            control<QCheckBox>(g, 100 + first)->click();
            for (int n = 49; n >= 1 && !g->currentChoice().full(); --n)
                if (g->currentChoice().state(n) == qv::BoxState::Free)
                    control<QCheckBox>(g, 100 + n)->click();
            button(g, NumberGridDialog::kOk)->click();
        });
        button(d, WheelTicketFileDialog::kModifyNumbers)->click();
        QVERIFY(d->file().numbersUsed[11] != 0);
        QVERIFY(std::find(d->file().numbersUsed.begin(), d->file().numbersUsed.begin() + 12,
                          first) == d->file().numbersUsed.begin() + 12);

        // Saved under a name of the user's choice, with the title "Save File As".
        f.answer = f.dir.filePath(QStringLiteral("wheel.qvt"));
        button(d, TicketFileDialog::kSave)->click();
        QCOMPARE(f.requests.last().title, QStringLiteral("Save File As"));
        qv::TicketFile saved;
        QVERIFY(qv::loadTicketFile(f.answer.toStdString(), saved));
        QCOMPARE(saved.tickets, d->file().tickets);
        QVERIFY(d->closeFile());
    }

    void aWheelFileWithRepeatedNumbersIsMarked() {
        Fixture f;
        qv::WheelInfo wheel;
        wheel.numbersToWheel = 3;
        wheel.numbersPerTicket = 2;
        wheel.setRows({ticket({1, 2}), ticket({2, 3})});
        qv::NumbersUsed used{};
        used[0] = 5;
        used[1] = 5;
        used[2] = 7;
        qv::TicketFile file = qv::newWheelTicketFile(wheel, used);
        const QString path = f.dir.filePath(QStringLiteral("twice.qvt"));
        QVERIFY(file.saveAs(path.toStdString()));
        auto* d = dynamic_cast<WheelTicketFileDialog*>(f.open(path));
        QVERIFY(d);
        QVERIFY(control<QLabel>(d, 201)->text().contains(QStringLiteral("repeats")));
        QCOMPARE(d->file().numbersUsed[1], std::int16_t(5));  // nothing repaired
        QVERIFY(!d->isModified());
        QVERIFY(d->closeFile());
    }
};

QTEST_MAIN(TestTicketWindow)
#include "test_ticket_window.moc"

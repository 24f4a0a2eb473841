// The open database and ticket file as documents owned by the application state, and the
// windows as views over them.

#include <QPointer>

#include "core/database/draw_database.h"
#include "core/tickets/ticket_file.h"
#include "gui/app/exit_saves.h"
#include "gui/common/database_document.h"
#include "gui/common/ticket_document.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/tickets/ticket_commands.h"
#include "gui/tickets/ticket_file_dialog.h"
#include "gui/tickets/ticket_window.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

qv::TicketType drawOn(int day, std::initializer_list<int> numbers) {
    qv::TicketType t = ticket(numbers);
    t.setDate(qv::Date{1, std::int16_t(day), 2030});
    return t;
}

// What a document told of one edit.
struct Told {
    int changed = 0;
    int entriesChanged = 0;
    QList<bool> modified;  // the modifiedChanged signals
    QList<bool> undo;      // the importUndoChanged signals
};

struct Edit {
    const char* name;
    std::function<void(DatabaseDocument&)> run;
    int changed;
    int entriesChanged;
    QList<bool> modified;
    QList<bool> undo;
    std::size_t entries;  // the draws afterwards, the database starting with two
};

// Counts the paint events a widget gets: a window that follows a signal repaints on its own.
struct PaintCounter : QObject {
    int paints = 0;
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    // Whether a paint comes once the events queued now are handled.
    bool repaints() {
        const int before = paints;
        QTest::qWait(50);
        return paints > before;
    }
};

}  // namespace

class TestDocuments : public QObject {
    Q_OBJECT

private:
    struct Fixture : FakeInteraction {
        QTemporaryDir dir;
        std::unique_ptr<FrameFixture> app;
        QString path;
        Fixture() {
            app = std::make_unique<FrameFixture>(environmentIn(dir), *this);
            path = dir.filePath(QStringLiteral("lotto.dat"));
            QFile::copy(kSample, path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        }
        ApplicationState& state() { return app->state; }
    };

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    // Each edit of a database document tells what changed, once.
    void databaseEditsSignalWhatChanged() {
        const qv::TicketType older = drawOn(1, {1, 2, 3, 4, 5, 6});
        const qv::TicketType newer = drawOn(9, {7, 8, 9, 10, 11, 12});
        const qv::TicketType added = drawOn(5, {13, 14, 15, 16, 17, 18});
        const std::vector<Edit> edits = {
            {"insert",
             [&](DatabaseDocument& d) { d.insertDraws({added}); },
             1,
             1,
             {true},
             {true},
             3},
            {"insert nothing", [](DatabaseDocument& d) { d.insertDraws({}); }, 0, 0, {}, {}, 2},
            {"undo without an import",
             [](DatabaseDocument& d) { d.undoLastImport(); },
             0,
             0,
             {},
             {},
             2},
            {"insert then undo",
             [&](DatabaseDocument& d) {
                 d.insertDraws({added});
                 d.undoLastImport();
             },
             2,
             2,
             {true},
             {true, false},
             2},
            // Sorting is no modification, but the import can no longer be taken back.
            {"sort", [](DatabaseDocument& d) { d.sort(nullptr); }, 1, 1, {}, {false}, 2},
            {"attributes",
             [](DatabaseDocument& d) { d.setAttributes(d.database().header(), "https://x"); },
             1,
             0,
             {true},
             {},
             2},
            {"replace",
             [&](DatabaseDocument& d) { d.replace(d.database().header(), {newer}); },
             1,
             1,
             {true},
             {false},
             1},
            // The statistics options are kept with the database but are no contents.
            {"statistics",
             [](DatabaseDocument& d) {
                 qv::StatisticsSettings s = d.database().statistics();
                 s.fromDate.year = 1999;
                 d.setStatistics(s);
             },
             0,
             0,
             {true},
             {},
             2},
        };
        for (const Edit& e : edits) {
            qv::DrawDatabase database;
            database.replace(qv::DataHeader{}, {newer, older});
            database.setModified(false);
            DatabaseDocument document(std::move(database));
            Told told;
            connect(&document, &Document::changed, [&] { ++told.changed; });
            connect(&document, &DatabaseDocument::entriesChanged, [&] { ++told.entriesChanged; });
            connect(&document, &Document::modifiedChanged, [&](bool m) { told.modified << m; });
            connect(&document, &DatabaseDocument::importUndoChanged,
                    [&](bool u) { told.undo << u; });
            e.run(document);
            QVERIFY2(told.changed == e.changed, e.name);
            QVERIFY2(told.entriesChanged == e.entriesChanged, e.name);
            QVERIFY2(told.modified == e.modified, e.name);
            QVERIFY2(told.undo == e.undo, e.name);
            QVERIFY2(document.database().entryCount() == e.entries, e.name);
        }
    }

    void openingMakesTheDocumentAndClosingReleasesIt() {
        Fixture f;
        ApplicationState& state = f.state();
        QSignalSpy database(&state, &ApplicationState::databaseChanged);
        QSignalSpy flags(&state, &ApplicationState::flagsChanged);
        QSignalSpy winning(&state, &ApplicationState::winningNumbersChanged);
        QVERIFY(!state.databaseDocument());

        DataBaseDialog* d = openDatabaseWindow(state, &f.app->frame, f.path);
        QVERIFY(d);
        QPointer<DatabaseDocument> document = state.databaseDocument();
        QVERIFY(document);
        QCOMPARE(&d->document(), document.data());
        QCOMPARE(document->view(), static_cast<DocumentView*>(d));
        QCOMPARE(state.document(DocumentSlot::Database), document.data());
        QCOMPARE(state.database(), &document->database());
        QVERIFY(state.flags().databaseOpen);
        QCOMPARE(database.size(), 1);
        QCOMPARE(flags.size(), 1);
        QCOMPARE(winning.size(), 1);
        QCOMPARE(state.winningNumbers(), document->database().entry(0));

        // An edit through the document reaches the state and the window.
        const QString before = control<QLabel>(d, DataBaseDialog::kInformation)->text();
        QSignalSpy modified(document.data(), &Document::modifiedChanged);
        QCOMPARE(d->insertDraws({drawOn(2, {1, 2, 3, 4, 5, 6})}), 1);
        QCOMPARE(modified.size(), 1);
        QVERIFY(d->isModified());
        QCOMPARE(database.size(), 2);
        QVERIFY(control<QLabel>(d, DataBaseDialog::kInformation)->text() != before);
        QCOMPARE(state.winningNumbers(), document->database().entry(0));  // the new newest

        // Closing the window (not saving) releases the document.
        d->setCloseQuestion([](const QString&, const QString&) { return QMessageBox::No; });
        QVERIFY(d->closeFile());
        QVERIFY(!state.databaseDocument());
        QVERIFY(!state.database());
        QVERIFY(!state.flags().databaseOpen);
        QCOMPARE(database.size(), 3);
        QTRY_VERIFY(document.isNull());
    }

    void theExitAsksForAModifiedDocument() {
        Fixture f;
        ApplicationState& state = f.state();
        DataBaseDialog* d = openDatabaseWindow(state, &f.app->frame, f.path);
        QVERIFY(d);
        QVERIFY(offerSavesAtExit(state, &f.app->frame));
        QVERIFY(f.questions.isEmpty());

        // Edited: asked; Yes saves through the window.
        d->insertDraws({drawOn(3, {1, 2, 3, 4, 5, 6})});
        f.answers = {true};
        const qint64 size = QFileInfo(f.path).size();
        QVERIFY(offerSavesAtExit(state, &f.app->frame));
        QCOMPARE(f.questions, QStringList{"Save database file before exit ?"});
        QVERIFY(!d->isModified());
        QCOMPARE(QFileInfo(f.path).size(), size + 32);

        // A ticket file edited through its document is asked about too; No keeps it as it is.
        whenModal<QDialog>([](QDialog* grid) { grid->reject(); });
        TicketFileDialog* t = enterTicketsManually(state, &f.app->frame);
        QVERIFY(t);
        f.questions.clear();
        f.answers = {false};
        QVERIFY(offerSavesAtExit(state, &f.app->frame));
        QCOMPARE(f.questions, QStringList{"Save ticket file before exit ?"});
        QVERIFY(t->isModified());
    }

    void windowsFollowEachOthersDocuments() {
        Fixture f;
        ApplicationState& state = f.state();
        DataBaseDialog* d = openDatabaseWindow(state, &f.app->frame, f.path);
        QVERIFY(d);
        TMyDataTicketWindow* list = d->listWindow();
        const qv::TicketType newest = d->database().entry(0);

        // A manual ticket that matches nothing; the database window shows its results.
        qv::TicketFile file = qv::newManualTicketFile();
        file.tickets = {ticket({40, 41, 42, 43, 44, 45})};
        TicketDocument& tickets = state.openTicketFile(file);
        QCOMPARE(list->ticketFile(), &tickets.file());
        const QImage before = list->grab().toImage();
        PaintCounter listPaints(list);
        listPaints.repaints();  // what opening the file asked for
        QVERIFY(!listPaints.repaints());

        // The ticket becomes the newest draw through the document: the list repaints.
        tickets.edit([&](qv::TicketFile& edited) { edited.tickets = {newest}; });
        QVERIFY(tickets.isModified());
        QVERIFY(listPaints.repaints());
        QVERIFY(list->grab().toImage() != before);

        // The ticket window follows the winning numbers.
        state.closeDocument(&tickets);
        QVERIFY(!list->ticketFile());
        whenModal<QDialog>([](QDialog* grid) { grid->reject(); });
        TicketFileDialog* t = enterTicketsManually(state, &f.app->frame);
        QVERIFY(t);
        t->document().edit([&](qv::TicketFile& edited) { edited.tickets = {newest}; });
        t->ticketWindow()->attach();
        state.setWinningNumbers(ticket({40, 41, 42, 43, 44, 45}));
        const QImage missed = t->ticketWindow()->grab().toImage();
        PaintCounter ticketPaints(t->ticketWindow());
        ticketPaints.repaints();
        QVERIFY(!ticketPaints.repaints());
        state.setWinningNumbers(newest);
        QVERIFY(ticketPaints.repaints());
        QVERIFY(t->ticketWindow()->grab().toImage() != missed);
    }
};

QTEST_MAIN(TestDocuments)
#include "test_documents.moc"

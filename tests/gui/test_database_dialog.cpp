#include <QClipboard>
#include <QStatusBar>
#include <QTableWidget>

#include "core/database/draw_database.h"
#include "core/database/draw_parser.h"
#include "core/tickets/ticket_file.h"
#include "core/view/database_view.h"
#include "gui/common/faded_bitmap.h"
#include "gui/common/sound_player.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/database/draw_preview_dialog.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

qv::TicketType draw(int month, int day, int year, std::initializer_list<int> numbers,
                    std::initializer_list<int> bonus = {}) {
    qv::TicketType t = ticket(numbers, bonus);
    t.setDate(qv::Date{std::int16_t(month), std::int16_t(day), std::int16_t(year)});
    return t;
}

int countPixels(const QImage& image, const std::function<bool(const QColor&)>& wanted) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += wanted(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

// Text pixels of the red wheel mark, however the glyph was smoothed.
int countReddish(const QImage& image) {
    return countPixels(image, [](const QColor& c) {
        return c.red() - c.green() > 100 && c.red() - c.blue() > 100;
    });
}

// A 256-colour picture: soft diagonal bands.
QString writeBackground(const QTemporaryDir& dir) {
    QImage image(64, 64, QImage::Format_Indexed8);
    QList<QRgb> colors;
    for (int i = 0; i < 256; ++i) colors << qRgb(40 + i / 3, 90 + i / 4, 160 - i / 5);
    image.setColorTable(colors);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) image.setPixel(x, y, uint(((x + y) * 4) % 256));
    const QString path = dir.filePath(QStringLiteral("back.bmp"));
    image.save(path, "BMP");
    return path;
}

}  // namespace

class TestDatabaseDialog : public QObject {
    Q_OBJECT

private:
    struct Fixture : FakeInteraction {
        QTemporaryDir dir;
        std::unique_ptr<FrameFixture> fixture;
        TMyMDIFrame* frame = nullptr;
        QString path;

        Fixture() {
            fixture = std::make_unique<FrameFixture>(environmentIn(dir), *this);
            frame = &fixture->frame;
            path = dir.filePath(QStringLiteral("lotto.dat"));
            QFile::copy(kSample, path);
        }
        // What the preview was shown; every draw found is inserted.
        std::vector<qv::PreviewRow> previewed;
        DataBaseDialog* open() {
            DataBaseDialog* d = openDatabaseWindow(frame->state(), frame, path);
            if (d) {
                d->setDrawChooser([this](std::vector<qv::PreviewRow> rows, const QString&) {
                    previewed = rows;
                    std::vector<qv::TicketType> all;
                    for (const qv::PreviewRow& row : rows) all.push_back(row.draw);
                    return all;
                });
            }
            return d;
        }
    };

    static QPushButton* button(DataBaseDialog* d, int id) { return control<QPushButton>(d, id); }
    static QString infoLine(DataBaseDialog* d) { return control<QLabel>(d, 202)->text(); }
    static int scrollMaximum(TMyDataTicketWindow* list, int entries) {
        return qv::verticalScrollMaximum(entries, list->height() - 15, list->lineHeight());
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    void opensTheSampleDatabaseAndTakesInput() {
        Fixture f;
        QVERIFY(!openDatabaseWindow(f.frame->state(), f.frame,
                                    f.dir.filePath(QStringLiteral("gone.dat"))));
        QVERIFY(f.frame->state().settings().lastDatabase.empty());
        QVERIFY(f.problems.isEmpty());  // forgotten silently
        QVERIFY(!f.frame->state().flags().databaseOpen);
        // Random bytes are no database: refused with the value that gives them away.
        QByteArray junk(300, '\x5f');
        junk[37] = '\x5d';
        const QString junkPath = f.dir.filePath(QStringLiteral("junk.dat"));
        writeFile(junkPath, junk);
        QVERIFY(!openDatabaseWindow(f.frame->state(), f.frame, junkPath));
        QCOMPARE(f.problems, QStringList{QDir::toNativeSeparators(junkPath) +
                                         QStringLiteral(" is not a draw database: it says 24413 "
                                                        "numbers on a ticket.")});
        f.problems.clear();
        QVERIFY(!f.frame->state().flags().databaseOpen);

        f.frame->state().updateSettings([&](qv::Settings& s) {
            s.databaseWindowPos = qv::Point{30, 20};
        });
        DataBaseDialog* d = f.open();
        QVERIFY(d && d->isVisible());
        QVERIFY(f.frame->state().flags().databaseOpen);
        QVERIFY(!openDatabaseWindow(f.frame->state(), f.frame, f.path));  // one at a time
        QCOMPARE(d->windowTitle(), QDir::toNativeSeparators(f.path));
        QCOMPARE(QString::fromStdString(f.frame->state().settings().lastDatabase),
                 QDir::toNativeSeparators(f.path));
        QCOMPARE(f.frame->state().winningNumbers(), d->database().entry(0));
        QCOMPARE(control<QLabel>(d, 201)->text(), QStringLiteral("Lotto 6/49"));
        QCOMPARE(infoLine(d),
                 QStringLiteral("3622 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));

        // Placed at the remembered corner, three quarters of the desktop's bottom high.
        QCOMPARE(d->pos(), QPoint(30, 20));
        const QRect desktop = d->screen()->availableGeometry();
        const int h = d->height() + DataBaseDialog::kFrameAllowance;
        QCOMPARE(h, (desktop.y() + desktop.height()) * 3 / 4);

        // Buttons in order along the bottom, "As" under "Save", the list above them.
        TMyDataTicketWindow* list = d->listWindow();
        const qv::DatabaseWindowLayout layout = qv::databaseWindowLayout(
            d->width(), h, button(d, 108)->height(), DataBaseDialog::kButtonGap);
        QCOMPARE(list->geometry(),
                 QRect(layout.list.x, layout.list.y, layout.list.width, layout.list.height));
        int previousX = -1;
        for (int id : {108, 103, 505, 107, 106, 120}) {
            QCOMPARE(button(d, id)->y(), layout.buttonsY);
            QVERIFY(button(d, id)->x() > previousX);
            previousX = button(d, id)->x();
        }
        QCOMPARE(button(d, 112)->pos(), QPoint(button(d, 107)->x(), layout.asButtonY));
        QCOMPARE(button(d, 112)->text(), QStringLiteral("&As"));
        QCOMPARE(button(d, 108)->text(), QStringLiteral("Print &Options..."));

        // The range lets the last entry and the two notes scroll into view.
        QCOMPARE(list->verticalBar()->maximum(), scrollMaximum(list, 3622));
        QCOMPARE(list->horizontalBar()->maximum(), 50);
        QCOMPARE(list->verticalBar()->geometry(),
                 QRect(list->width() - 15, 0, 15, list->height() - 15));

        // Header and rows are painted in dark green.
        const QColor green = TMyDataTicketWindow::textColor();
        QVERIFY(countPixels(list->grab().toImage(), [&](const QColor& c) { return c == green; }) >
                500);

        // Neither Escape nor the close box closes it.
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        d->close();
        QVERIFY(d->isVisible());
        QCOMPARE(documentWindow<DataBaseDialog>(f.frame->state(), DocumentSlot::Database), d);

        // Keys and the wheel scroll the list.
        TMyScrollBar* v = list->verticalBar();
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(v->value(), v->maximum());
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(v->value(), 0);
        QTest::keyClick(list, Qt::Key_PageDown);
        QCOMPARE(v->value(), v->pageStep());
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(v->value(), v->pageStep() - 1);
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(list->horizontalBar()->value(), 1);

        QWheelEvent wheel(QPointF(50, 50), list->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        QCOMPARE(v->value(), v->pageStep() + 2);

        // The second row is the entry after the first listed one; the header is no entry. The
        // past performance is asked for through the state.
        ApplicationState& state = f.frame->state();
        QSignalSpy clicked(&state, &ApplicationState::pastPerformanceRequested);
        const int lh = list->lineHeight();
        QTest::mouseDClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2 * lh + 2));
        QTest::mouseDClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(1).toInt(), v->value() + 1);

        // Print Options and Modify hand over to their windows, each with its sound; the entry
        // editor comes from the entry commands. Both are modal and closed unchanged.
        QSignalSpy sounds(state.soundPlayer(), &SoundPlayer::eventPlayed);
        QSignalSpy modify(&state, &ApplicationState::modifyEntriesRequested);
        QStringList shown;
        auto closeUnchanged = [&](QDialog* dialog) {
            shown << QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        };
        whenModal<QDialog>(closeUnchanged);
        button(d, 108)->click();
        whenModal<QDialog>(closeUnchanged);
        button(d, 103)->click();
        QCOMPARE(shown, (QStringList{"qv::gui::MyDataBasePrintOptionsDialog",
                                     "qv::gui::ModifyEntriesDialog"}));
        QCOMPARE(modify.size(), 1);
        QCOMPARE(sounds.size(), 2);
        QCOMPARE(sounds.at(0).at(0).toInt(), 506);
        QCOMPARE(sounds.at(1).at(0).toInt(), 503);
    }

    void saveAsSaveAndCloseQuestion() {
        Fixture f;
        const qint64 size = QFileInfo(f.path).size();
        QPointer<DataBaseDialog> d = f.open();
        QVERIFY(d);
        const QString other = f.dir.filePath(QStringLiteral("copy.dat"));
        f.answer = other;
        d->insertDraws({draw(1, 1, 2030, {1, 2, 3, 4, 5, 6})});
        button(d, 112)->click();
        QCOMPARE(f.requests.size(), 1);
        const FileRequest seen = f.requests[0];
        QCOMPARE(seen.title, QStringLiteral("Save File As"));
        QCOMPARE(seen.filter, QStringLiteral("DataBase Files (*.dat)"));
        QCOMPARE(seen.defaultSuffix, QStringLiteral("dat"));
        QCOMPARE(seen.selected, QDir::toNativeSeparators(f.path));
        QVERIFY(!d->isModified());
        QCOMPARE(d->windowTitle(), QDir::toNativeSeparators(other));
        QCOMPARE(QFileInfo(other).size(), size + 32);

        // Save writes under the new name.
        d->insertDraws({draw(1, 2, 2030, {1, 2, 3, 4, 5, 6})});
        button(d, 107)->click();
        QVERIFY(!d->isModified());
        QCOMPARE(QFileInfo(other).size(), size + 64);
        QVERIFY(f.problems.isEmpty());

        // Close on a modified database asks; Cancel keeps it open and modified.
        QCOMPARE(d->insertDraws({draw(1, 3, 2030, {1, 2, 3, 4, 5, 6}, {7})}), 1);
        QStringList asked;
        auto answer = QMessageBox::Cancel;
        d->setCloseQuestion([&](const QString& text, const QString& caption) {
            asked << text << caption;
            return answer;
        });
        button(d, 106)->click();
        QCOMPARE(asked, (QStringList{"Save File Before Closing ?", "Quorvantile"}));
        QVERIFY(d->isVisible() && d->isModified());
        QCOMPARE(documentWindow<DataBaseDialog>(f.frame->state(), DocumentSlot::Database),
                 d.data());

        // A save that cannot be made (and no other name given) keeps the window open too.
        answer = QMessageBox::Yes;
        QFile::remove(other);
        QDir().mkpath(other);  // a directory where the file was
        f.answer.clear();
        button(d, 106)->click();
        QVERIFY(d->isVisible() && d->isModified());
        QCOMPARE(f.problems.size(), 1);
        QDir().rmdir(other);

        // Yes saves, then the window goes; its corner is remembered and the name forgotten.
        d->move(44, 33);
        button(d, 106)->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(QFileInfo(other).size(), size + 96);
        QVERIFY(!f.frame->state().flags().databaseOpen);
        QVERIFY(!documentWindow<DataBaseDialog>(f.frame->state(), DocumentSlot::Database));
        QVERIFY(f.frame->state().settings().lastDatabase.empty());
        QCOMPARE(f.frame->state().settings().databaseWindowPos, (qv::Point{44, 33}));
        QTRY_VERIFY(d.isNull());

        // An unmodified database closes without a question.
        d = f.open();
        asked.clear();
        d->setCloseQuestion([&](const QString& text, const QString&) {
            asked << text;
            return QMessageBox::No;
        });
        QVERIFY(d->closeFile());
        QVERIFY(asked.isEmpty());
    }

    void pasteAndImportInsertTheParsersDraws() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        // Paste is enabled only while the clipboard holds text.
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!button(d, 505)->isEnabled());
        const QString text = QStringLiteral(
            "Results\r\n"
            "12/3/2025\r\n 4 9 15 22 38 44 Bonus 17\r\n"
            "Jackpot 5 Million\r\n"
            "12/6/2025 1 2 3 4 5 6 ~ 7\r\n"
            "13/40/2025 1 2 3 4 5 6\r\n"
            "end of the list\r\n");
        const auto pasted = qv::parseClipboardText(text.toStdString(), 6);
        QCOMPARE(pasted.size(), std::size_t(2));
        QApplication::clipboard()->setText(text);
        QTRY_VERIFY(button(d, 505)->isEnabled());
        button(d, 505)->click();
        QCOMPARE(d->database().entryCount(), std::size_t(3622 + 2));
        QVERIFY(d->isModified());
        QCOMPARE(d->database().entry(0), pasted[1]);  // 12/6 is the newest
        QCOMPARE(d->database().entry(1), pasted[0]);
        QCOMPARE(infoLine(d),
                 QStringLiteral("3624 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));
        QCOMPARE(d->listWindow()->verticalBar()->maximum(), scrollMaximum(d->listWindow(), 3624));
        QVERIFY(f.frame->statusBar()->currentMessage().contains(QLatin1String("2")));
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!button(d, 505)->isEnabled());

        const QString txt = f.dir.filePath(QStringLiteral("draws.txt"));
        const QByteArray content =
            "1/5/2030 5 9 14 22 31 40 12\n"
            "Draw list\n"
            "1/8/2030 5 9 14 22 31 40 ~ 12\r\n"
            "12\n";
        writeFile(txt, content);
        f.answer = txt;
        const auto imported = qv::parseImportText(content.toStdString()).draws;
        QCOMPARE(imported.size(), std::size_t(2));
        control<QAction>(d->listWindow()->contextMenu(), 701)->trigger();
        const FileRequest seen = f.requests.value(0);
        QCOMPARE(seen.title, QStringLiteral("Select file to import into this database"));
        QCOMPARE(seen.filter, QStringLiteral("ASCII Text Files (*.txt)"));
        QCOMPARE(seen.mode, FileRequest::Mode::Open);
        QCOMPARE(d->database().entryCount(), std::size_t(3626));
        QCOMPARE(d->database().entry(0), imported[1]);
        QCOMPARE(d->database().entry(0).numberCount(), 6);
        QCOMPARE(d->database().entry(1).numberCount(), 7);  // no "~": all seven are numbers

        // A file that cannot be read says so and changes nothing.
        QVERIFY(!d->importFile(f.dir.filePath(QStringLiteral("none.txt"))));
        QCOMPARE(f.problems.size(), 1);
        QCOMPARE(d->database().entryCount(), std::size_t(3626));
    }

    void previewThenUndoTheLastImport() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        d->setDrawChooser({});  // the real preview dialog
        const qv::TicketType newest = d->database().entry(0);
        // A results page: the date on one line, the numbers on the next. With six numbers on a
        // ticket the paste rules read it as a short draw dated 3-9-2017.
        QString text = QStringLiteral("Saturday, NOVEMBER 22, 2025\n3 9 17 28 40 44 Bonus 12\n");
        text += QStringLiteral("%1/%2/%3 %4 %5 %6 %7 %8 %9\n")
                    .arg(newest.month)
                    .arg(newest.day)
                    .arg(newest.year)
                    .arg(newest.numbers[0])
                    .arg(newest.numbers[1])
                    .arg(newest.numbers[2])
                    .arg(newest.numbers[3])
                    .arg(newest.numbers[4])
                    .arg(newest.numbers[5]);
        text += QStringLiteral("1/5/2030 5 9 14 22 31 40 12\n");
        QApplication::clipboard()->setText(text);

        QStringList notes;
        QList<bool> ticks;
        whenModal<DrawPreviewDialog>([&](DrawPreviewDialog* preview) {
            QTableWidget* table = preview->table();
            for (int r = 0; r < table->rowCount(); ++r) {
                notes << table->item(r, 3)->text();
                ticks << (table->item(r, 0)->checkState() == Qt::Checked);
            }
            preview->insertButton()->click();
        });
        button(d, 505)->click();
        QCOMPARE(notes, (QStringList{"too few numbers", "already in the database", ""}));
        QCOMPARE(ticks, (QList<bool>{false, false, true}));
        QCOMPARE(d->database().entryCount(), std::size_t(3623));
        QCOMPARE(d->database().entry(0).year, 2030);

        // Cancel inserts nothing.
        whenModal<DrawPreviewDialog>([](DrawPreviewDialog* preview) { preview->reject(); });
        button(d, 505)->click();
        QCOMPARE(d->database().entryCount(), std::size_t(3623));

        QAction* undo = control<QAction>(d->listWindow()->contextMenu(), 702);
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(d->database().entryCount(), std::size_t(3622));
        QCOMPARE(d->database().entry(0), newest);
        QVERIFY(!undo->isEnabled());
        QApplication::clipboard()->clear();
    }

    void aFullDatabaseStopsWithAMessage() {
        Fixture f;
        qv::DrawDatabase full;
        std::vector<qv::TicketType> entries(qv::DrawDatabase::kMaxEntries,
                                            draw(1, 1, 2000, {1, 2, 3, 4, 5, 6}));
        full.replace(qv::DataHeader{}, std::move(entries));
        QVERIFY(full.saveAs(f.path.toStdString()).ok());

        DataBaseDialog* d = f.open();
        QVERIFY(d);
        QCOMPARE(d->insertDraws({draw(1, 2, 2000, {1, 2, 3, 4, 5, 6})}), 0);
        QCOMPARE(d->database().entryCount(), qv::DrawDatabase::kMaxEntries);
        QCOMPARE(f.problems.size(), 1);
        QVERIFY(f.problems.front().contains(QLatin1String("full")));
        QVERIFY(!d->isModified());
    }

    void contextMenuAndFade() {
        Fixture f;
        const QString back = writeBackground(f.dir);
        f.frame->state().updateSettings([&](qv::Settings& s) {
            s.databaseBackground = qv::DeskTopType{back.toStdString(), 100};
        });
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        TMyDataTicketWindow* list = d->listWindow();
        QMenu* menu = list->contextMenu();

        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{"Change &Background...", "&Increase Fade", "&Decrease Fade",
                                     "-", "&Sort Entries", "-", "Change &Attributes...", "-",
                                     "&Import and Insert ...", "&Undo Last Import"}));

        auto trigger = [&](int id) { control<QAction>(menu, id)->trigger(); };
        ApplicationState& state = f.frame->state();
        auto fade = [&] { return int(state.settings().databaseBackground.fade); };
        auto setFade = [&](int level) {
            state.updateSettings(
                [=](qv::Settings& s) { s.databaseBackground.fade = std::int16_t(level); });
        };
        QSignalSpy settingsChanged(&state, &ApplicationState::settingsChanged);
        QCOMPARE(list->background().pixelColor(10, 10), QColor(Qt::white));
        trigger(402);  // already 100
        QCOMPARE(fade(), 100);
        QCOMPARE(settingsChanged.size(), 0);
        trigger(403);
        QCOMPARE(fade(), 95);
        QCOMPARE(settingsChanged.size(), 1);
        setFade(50);
        trigger(403);
        QCOMPARE(list->background(), loadFadedBitmap(back, 45));

        setFade(5);
        trigger(403);
        QCOMPARE(fade(), 0);
        const QImage unfaded = list->background();
        trigger(403);  // already 0
        QCOMPARE(fade(), 0);
        // Up and down again reads the file afresh: the picture is as it was.
        trigger(402);
        trigger(403);
        QCOMPARE(list->background(), unfaded);

        trigger(401);  // cancelled
        QCOMPARE(f.requests.value(0).title, QStringLiteral("Select Bitmap File"));
        QCOMPARE(f.requests.value(0).filter, QStringLiteral("Bitmap (*.bmp)"));
        QCOMPARE(QString::fromStdString(f.frame->state().settings().databaseBackground.path), back);

        // Sorting goes through the progress dialog and does not count as a change.
        trigger(501);
        QVERIFY(!d->isModified());
        QVERIFY(!QApplication::activeModalWidget());

        // A right click pops the menu up.
        bool shown = false;
        QTimer::singleShot(20, menu, [&] {
            shown = menu->isVisible();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 40),
                                list->mapToGlobal(QPoint(40, 40)));
        QApplication::sendEvent(list, &event);
        QVERIFY(shown);
    }

    void urlButton() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        QVERIFY(d->database().updateLink().empty());

        // With no link the attributes editor opens; Cancel changes nothing.
        QString caption;
        whenModal<CreateDataBaseDialog>([&](CreateDataBaseDialog* dialog) {
            caption = dialog->windowTitle();
            control<QPushButton>(dialog, 2)->click();
        });
        button(d, 120)->click();
        QCOMPARE(caption, QStringLiteral("Edit existing attributes"));
        QVERIFY(!d->isModified());

        // OK installs the edits and marks the database modified.
        whenModal<CreateDataBaseDialog>([&](CreateDataBaseDialog* dialog) {
            control<QSpinBox>(dialog, 120)->setValue(7);
            control<QLineEdit>(dialog, 110)->setText(QStringLiteral("https://example.org/draws"));
            control<QPushButton>(dialog, 1)->click();
        });
        button(d, 120)->click();
        QVERIFY(d->isModified());
        QCOMPARE(d->database().updateLink(), std::string("https://example.org/draws"));
        QCOMPARE(d->database().header().entryCount, 3622);
        QCOMPARE(infoLine(d),
                 QStringLiteral("3622 Entries, 7 Numbers on a Ticket, 49 Numbers in Lotto"));

        // With a link, the browser is asked to open it.
        button(d, 120)->click();
        QCOMPARE(f.urls, (QList<QUrl>{QUrl(QStringLiteral("https://example.org/draws"))}));
    }

    void ticketResultsPerDraw() {
        Fixture f;
        const QString back = writeBackground(f.dir);
        f.frame->state().updateSettings([&](qv::Settings& s) {
            s.databaseBackground = qv::DeskTopType{back.toStdString(), 60};
        });
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        TMyDataTicketWindow* list = d->listWindow();
        const QImage before = list->grab().toImage();

        // A wheel whose chosen numbers share 4 with the newest draw: its condition is met there.
        const qv::TicketType newest = d->database().entry(0);
        qv::TicketFile tickets;
        tickets.kind = qv::TicketFileKind::Wheel;
        tickets.wheel.numbersToWheel = 7;
        tickets.wheel.numbersPerTicket = 6;
        tickets.wheel.guaranteeIf = 4;
        tickets.numbersUsed = {
            newest.numbers[0], newest.numbers[1], newest.numbers[2], newest.numbers[3], 3, 10, 19};
        tickets.tickets = {newest};

        // Opened as the ticket commands open a file.
        ApplicationState& state = f.frame->state();
        state.openTicketFile(tickets);
        const QImage after = list->grab().toImage();
        QVERIFY(after != before);
        QVERIFY(countReddish(after) > 0);  // the wheel mark

        state.closeDocument(state.ticketDocument());
        QCOMPARE(countReddish(list->grab().toImage()), 0);
    }
};

QTEST_MAIN(TestDatabaseDialog)
#include "test_database_dialog.moc"

#include "gui_test_support.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/database/database_view.h"
#include "core/database/draw_database.h"
#include "core/database/draw_parser.h"
#include "core/tickets/ticket_file.h"
#include "gui/app/my_mdi_frame.h"
#include "gui/database/create_database_dialog.h"
#include "gui/database/data_ticket_window.h"
#include "gui/database/database_dialog.h"
#include "gui/options/faded_bitmap.h"
#include "gui/options/sound_player.h"

using namespace qv::gui;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

FrameEnvironment environmentIn(const QTemporaryDir& dir) {
    FrameEnvironment env;
    env.programDir = dir.path();
    env.settingsPath = dir.filePath(QStringLiteral("quorvan.ini"));
    env.dataDir = dir.path();
    return env;
}

qv::TicketType draw(int month, int day, int year, std::initializer_list<int> numbers,
                    std::initializer_list<int> bonus = {}) {
    qv::TicketType t;
    std::size_t k = 0;
    for (int n : numbers) t.numbers[k++] = static_cast<std::int16_t>(n);
    k = 0;
    for (int n : bonus) t.bonus[k++] = static_cast<std::int16_t>(n);
    t.setDate(qv::Date{std::int16_t(month), std::int16_t(day), std::int16_t(year)});
    return t;
}

using qv::test::whenModal;

// Text pixels of the red wheel mark, however the glyph was smoothed.
int countReddish(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() - c.green() > 100 && c.red() - c.blue() > 100) ++n;
        }
    return n;
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> seen;
public slots:
    void open(const QUrl& url) { seen << url; }
};

int countPixels(const QImage& image, const QColor& color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) ++n;
    return n;
}

// Saves a picture for a person to look at when QV_SHOT_DIR is set.
void shot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("QV_SHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + QLatin1Char('/') + name);
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
    struct Fixture {
        QTemporaryDir dir;
        std::unique_ptr<TMyMDIFrame> frame;
        QString path;
        QStringList problems;

        Fixture() {
            frame = std::make_unique<TMyMDIFrame>(environmentIn(dir));
            path = dir.filePath(QStringLiteral("lotto.dat"));
            QFile::copy(kSample, path);
            setMessageSink(
                [this](QWidget*, const QString&, const QString& text) { problems << text; });
        }
        ~Fixture() {
            setMessageSink({});
            setFileChooser({});
        }
        DataBaseDialog* open() {
            if (!openDatabaseWindow(frame.get(), path)) return nullptr;
            return openDatabaseDialog(frame.get());
        }
    };

    static QPushButton* button(DataBaseDialog* d, int id) {
        return d->findChild<QPushButton*>(QString::number(id));
    }
    static QString infoLine(DataBaseDialog* d) {
        return d->findChild<QLabel*>(QStringLiteral("202"))->text();
    }

private slots:
    void initTestCase() { QVERIFY(QFile::exists(kSample)); }

    void opensTheSampleDatabase() {
        Fixture f;
        QVERIFY(!openDatabaseWindow(f.frame.get(), f.dir.filePath(QStringLiteral("gone.dat"))));
        QVERIFY(f.frame->settings().lastDatabase.empty());
        QVERIFY(f.problems.isEmpty());  // forgotten silently
        QVERIFY(!f.frame->appState().databaseOpen);

        f.frame->settings().databaseWindowPos = qv::Point{30, 20};
        DataBaseDialog* d = f.open();
        QVERIFY(d && d->isVisible());
        QVERIFY(f.frame->appState().databaseOpen);
        QVERIFY(!openDatabaseWindow(f.frame.get(), f.path));  // one at a time
        QCOMPARE(d->windowTitle(), QDir::toNativeSeparators(f.path));
        QCOMPARE(QString::fromStdString(f.frame->settings().lastDatabase),
                 QDir::toNativeSeparators(f.path));
        QCOMPARE(f.frame->currentWinningNumbers(), d->database().entry(0));
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("201"))->text(),
                 QStringLiteral("Lotto 6/49"));
        QCOMPARE(infoLine(d),
                 QStringLiteral("3622 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));

        // Placed at the remembered corner, three quarters of the desktop's bottom high.
        QCOMPARE(d->pos(), QPoint(30, 20));
        const QRect desktop = d->screen()->availableGeometry();
        QCOMPARE(d->height() + DataBaseDialog::kFrameAllowance,
                 (desktop.y() + desktop.height()) * 3 / 4);

        // Buttons in order along the bottom, "As" under "Save", the list above them.
        TMyDataTicketWindow* list = d->listWindow();
        const int h = d->height() + DataBaseDialog::kFrameAllowance;
        const int bh = button(d, 108)->height();
        const qv::DatabaseWindowLayout layout =
            qv::databaseWindowLayout(d->width(), h, bh, DataBaseDialog::kButtonGap);
        QCOMPARE(list->geometry(),
                 QRect(layout.list.x, layout.list.y, layout.list.width, layout.list.height));
        int previousX = -1;
        for (int id : {108, 103, 505, 107, 106, 120}) {
            QPushButton* b = button(d, id);
            QCOMPARE(b->y(), layout.buttonsY);
            QVERIFY(b->x() > previousX);
            previousX = b->x();
        }
        QCOMPARE(button(d, 112)->x(), button(d, 107)->x());
        QCOMPARE(button(d, 112)->y(), layout.asButtonY);
        QCOMPARE(button(d, 112)->text(), QStringLiteral("&As"));
        QCOMPARE(button(d, 108)->text(), QStringLiteral("Print &Options..."));

        // The range lets the last entry and the two notes scroll into view.
        QCOMPARE(list->verticalBar()->maximum(),
                 qv::verticalScrollMaximum(3622, list->height() - 15, list->lineHeight()));
        QCOMPARE(list->horizontalBar()->maximum(), 50);
        QCOMPARE(list->verticalBar()->geometry(),
                 QRect(list->width() - 15, 0, 15, list->height() - 15));

        // Header and rows are painted in dark green.
        const QImage painted = list->grab().toImage();
        QVERIFY(countPixels(painted, TMyDataTicketWindow::textColor()) > 500);
        shot(d, QStringLiteral("database_window.png"));

        list->verticalBar()->setPosition(list->verticalBar()->maximum());
        shot(d, QStringLiteral("database_window_end.png"));
    }

    void escapeAndCloseBoxDoNothing() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        d->close();
        QVERIFY(d->isVisible());
        QCOMPARE(openDatabaseDialog(f.frame.get()), d);
    }

    void closeAsksWhenModified() {
        Fixture f;
        const qint64 size = QFileInfo(f.path).size();
        QPointer<DataBaseDialog> d = f.open();
        QVERIFY(d);
        QCOMPARE(d->insertDraws({draw(1, 1, 2030, {1, 2, 3, 4, 5, 6}, {7})}), 1);
        QVERIFY(d->isModified());

        QStringList asked;
        auto answer = QMessageBox::Cancel;
        d->setCloseQuestion([&](const QString& text, const QString& caption) {
            asked << text << caption;
            return answer;
        });
        button(d, 106)->click();
        QCOMPARE(asked, (QStringList{"Save File Before Closing ?", "Quorvantile"}));
        QVERIFY(d->isVisible() && d->isModified());
        QCOMPARE(openDatabaseDialog(f.frame.get()), d.data());

        // A save that cannot be made keeps the window open too.
        answer = QMessageBox::Yes;
        QFile::remove(f.path);
        QDir().mkpath(f.path);  // a directory where the file was
        setFileChooser([](QWidget*, const FileRequest&) { return QString(); });
        button(d, 106)->click();
        QVERIFY(d->isVisible() && d->isModified());
        QCOMPARE(f.problems.size(), 1);
        QDir().rmdir(f.path);

        // Yes saves, then the window goes; its corner is remembered and the name forgotten.
        d->move(44, 33);
        button(d, 106)->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(QFileInfo(f.path).size(), size + 32);
        QVERIFY(!f.frame->appState().databaseOpen);
        QVERIFY(!openDatabaseDialog(f.frame.get()));
        QVERIFY(f.frame->settings().lastDatabase.empty());
        QCOMPARE(f.frame->settings().databaseWindowPos, (qv::Point{44, 33}));
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

    void saveAndSaveAs() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        FileRequest seen;
        const QString other = f.dir.filePath(QStringLiteral("copy.dat"));
        setFileChooser([&](QWidget*, const FileRequest& r) {
            seen = r;
            return other;
        });
        d->insertDraws({draw(1, 1, 2030, {1, 2, 3, 4, 5, 6})});
        button(d, 112)->click();
        QCOMPARE(seen.title, QStringLiteral("Save File As"));
        QCOMPARE(seen.filter, QStringLiteral("DataBase Files (*.dat)"));
        QCOMPARE(seen.defaultSuffix, QStringLiteral("dat"));
        QCOMPARE(seen.selected, QDir::toNativeSeparators(f.path));
        QVERIFY(!d->isModified());
        QCOMPARE(d->windowTitle(), QDir::toNativeSeparators(other));
        QCOMPARE(QFileInfo(other).size(), QFileInfo(f.path).size() + 32);

        // Save writes under the new name; a failure says why and falls back to Save As.
        d->insertDraws({draw(1, 2, 2030, {1, 2, 3, 4, 5, 6})});
        button(d, 107)->click();
        QVERIFY(!d->isModified());
        QCOMPARE(QFileInfo(other).size(), QFileInfo(f.path).size() + 64);
        QVERIFY(f.problems.isEmpty());
    }

    void pasteInsertsTheParsersDraws() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        const QString text = QStringLiteral(
            "Results\r\n"
            "12/3/2025\r\n 4 9 15 22 38 44 Bonus 17\r\n"
            "Jackpot 5 Million\r\n"
            "12/6/2025 1 2 3 4 5 6 ~ 7\r\n"
            "13/40/2025 1 2 3 4 5 6\r\n"
            "end of the list\r\n");
        const auto expected = qv::parseClipboardText(text.toStdString(), 6);
        QCOMPARE(expected.size(), std::size_t(2));

        QApplication::clipboard()->setText(text);
        QTRY_VERIFY(button(d, 505)->isEnabled());
        button(d, 505)->click();
        QCOMPARE(d->database().entryCount(), std::size_t(3622 + 2));
        QVERIFY(d->isModified());
        QCOMPARE(d->database().entry(0), expected[1]);  // 12/6 is the newest
        QCOMPARE(d->database().entry(1), expected[0]);
        QCOMPARE(infoLine(d),
                 QStringLiteral("3624 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));
        TMyDataTicketWindow* list = d->listWindow();
        QCOMPARE(list->verticalBar()->maximum(),
                 qv::verticalScrollMaximum(3624, list->height() - 15, list->lineHeight()));
        QVERIFY(f.frame->statusBar()->currentMessage().contains(QLatin1String("2")));
    }

    void pasteFollowsTheClipboard() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!button(d, 505)->isEnabled());
        QApplication::clipboard()->setText(QStringLiteral("1/1/2031 1 2 3 4 5 6"));
        QTRY_VERIFY(button(d, 505)->isEnabled());
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!button(d, 505)->isEnabled());
    }

    void importFromATextFile() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        const QString txt = f.dir.filePath(QStringLiteral("draws.txt"));
        const QByteArray content =
            "1/5/2030 5 9 14 22 31 40 12\n"
            "Draw list\n"
            "1/8/2030 5 9 14 22 31 40 ~ 12\r\n"
            "12\n";
        {
            QFile file(txt);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        FileRequest seen;
        setFileChooser([&](QWidget*, const FileRequest& r) {
            seen = r;
            return txt;
        });
        const auto expected = qv::parseImportText(content.toStdString()).draws;
        QCOMPARE(expected.size(), std::size_t(2));

        QMenu* menu = d->listWindow()->contextMenu();
        menu->findChild<QAction*>(QStringLiteral("701"))->trigger();
        QCOMPARE(seen.title, QStringLiteral("Select file to import into this database"));
        QCOMPARE(seen.filter, QStringLiteral("ASCII Text Files (*.txt)"));
        QCOMPARE(seen.mode, FileRequest::Mode::Open);
        QCOMPARE(d->database().entryCount(), std::size_t(3624));
        QCOMPARE(d->database().entry(0), expected[1]);
        QCOMPARE(d->database().entry(0).numberCount(), 6);
        QCOMPARE(d->database().entry(1).numberCount(), 7);  // no "~": all seven are numbers
        QVERIFY(d->isModified());

        // A file that cannot be read says so and changes nothing.
        QVERIFY(!d->importFile(f.dir.filePath(QStringLiteral("none.txt"))));
        QCOMPARE(f.problems.size(), 1);
        QCOMPARE(d->database().entryCount(), std::size_t(3624));
    }

    void aFullDatabaseStopsWithAMessage() {
        Fixture f;
        qv::DrawDatabase full;
        std::vector<qv::TicketType> entries(qv::DrawDatabase::kMaxEntries,
                                            draw(1, 1, 2000, {1, 2, 3, 4, 5, 6}));
        full.replace(qv::DataHeader{}, std::move(entries));
        QVERIFY(full.saveAs(f.path.toStdString(), qv::StatisticsSettings{}).empty());

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
        f.frame->settings().databaseBackground = qv::DeskTopType{back.toStdString(), 100};
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        TMyDataTicketWindow* list = d->listWindow();

        QStringList items;
        for (QAction* a : list->contextMenu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{"Change &Background...", "&Increase Fade", "&Decrease Fade",
                                     "-", "&Sort Entries", "-", "Change &Attributes...", "-",
                                     "&Import and Insert ..."}));

        auto trigger = [&](int id) {
            list->contextMenu()->findChild<QAction*>(QString::number(id))->trigger();
        };
        const QColor white(255, 255, 255);
        QVERIFY(!list->background().isNull());
        QCOMPARE(list->background().pixelColor(10, 10), white);
        trigger(402);  // already 100
        QCOMPARE(f.frame->settings().databaseBackground.fade, 100);
        trigger(403);
        QCOMPARE(f.frame->settings().databaseBackground.fade, 95);
        QCOMPARE(list->background(), loadFadedBitmap(back, 95));
        f.frame->settings().databaseBackground.fade = 50;
        trigger(403);
        QCOMPARE(list->background(), loadFadedBitmap(back, 45));
        QVERIFY(list->background().pixelColor(10, 10) != white);

        f.frame->settings().databaseBackground.fade = 5;
        trigger(403);
        QCOMPARE(f.frame->settings().databaseBackground.fade, 0);
        const QImage unfaded = list->background();
        trigger(403);  // already 0
        QCOMPARE(f.frame->settings().databaseBackground.fade, 0);
        // Up and down again reads the file afresh: the picture is as it was.
        trigger(402);
        trigger(403);
        QCOMPARE(list->background(), unfaded);

        FileRequest seen;
        setFileChooser([&](QWidget*, const FileRequest& r) {
            seen = r;
            return QString();
        });
        trigger(401);
        QCOMPARE(seen.title, QStringLiteral("Select Bitmap File"));
        QCOMPARE(seen.filter, QStringLiteral("Bitmap (*.bmp)"));
        QCOMPARE(QString::fromStdString(f.frame->settings().databaseBackground.path), back);

        // Sorting goes through the progress dialog and does not count as a change.
        trigger(501);
        QVERIFY(!d->isModified());
        QVERIFY(!QApplication::activeModalWidget());

        const QPoint at = list->mapToGlobal(QPoint(40, 40));
        QTimer::singleShot(50, list->contextMenu(), [list] { list->contextMenu()->close(); });
        QTimer::singleShot(20, list->contextMenu(), [list, d] {
            QMenu* menu = list->contextMenu();
            menu->setActiveAction(menu->actions().value(6));
            const QString dir = qEnvironmentVariable("QV_SHOT_DIR");
            if (dir.isEmpty()) return;
            // The window with its menu where the pointer opened it.
            QImage picture = d->grab().toImage();
            QPainter painter(&picture);
            painter.drawPixmap(menu->pos() - d->pos(), menu->grab());
            painter.end();
            picture.save(dir + QStringLiteral("/database_context_menu.png"));
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 40), at);
        QApplication::sendEvent(list, &event);
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
            dialog->findChild<QPushButton*>(QStringLiteral("2"))->click();
        });
        button(d, 120)->click();
        QCOMPARE(caption, QStringLiteral("Edit existing attributes"));
        QVERIFY(!d->isModified());

        // OK installs the edits and marks the database modified.
        whenModal<CreateDataBaseDialog>([&](CreateDataBaseDialog* dialog) {
            dialog->findChild<QSpinBox*>(QStringLiteral("120"))->setValue(7);
            auto* link = dialog->findChild<QLineEdit*>(QStringLiteral("110"));
            link->setText(QStringLiteral("https://example.org/draws"));
            dialog->findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        button(d, 120)->click();
        QVERIFY(d->isModified());
        QCOMPARE(d->database().updateLink(), std::string("https://example.org/draws"));
        QCOMPARE(d->database().header().entryCount, 3622);
        QCOMPARE(infoLine(d),
                 QStringLiteral("3622 Entries, 7 Numbers on a Ticket, 49 Numbers in Lotto"));

        // With a link, the browser is asked to open it.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        button(d, 120)->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.seen, (QList<QUrl>{QUrl(QStringLiteral("https://example.org/draws"))}));
    }

    void buttonsSoundAndHooks() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        QSignalSpy sounds(f.frame->soundPlayer(), &SoundPlayer::eventPlayed);
        QSignalSpy print(d, &DataBaseDialog::printOptionsRequested);
        QSignalSpy modify(d, &DataBaseDialog::modifyNumbersRequested);
        button(d, 108)->click();
        button(d, 103)->click();
        QCOMPARE(print.size(), 1);
        QCOMPARE(modify.size(), 1);
        QCOMPARE(sounds.size(), 2);
        QCOMPARE(sounds.at(0).at(0).toInt(), 506);
        QCOMPARE(sounds.at(1).at(0).toInt(), 503);
    }

    void scrollingAndDoubleClick() {
        Fixture f;
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        TMyDataTicketWindow* list = d->listWindow();
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

        // The second row is the entry after the first listed one.
        QSignalSpy clicked(d, &DataBaseDialog::entryDoubleClicked);
        const int lh = list->lineHeight();
        QTest::mouseDClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2 * lh + 2));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), v->value() + 1);
        QTest::mouseDClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(30, 2));  // header
        QCOMPARE(clicked.size(), 1);
    }

    void ticketResultsPerDraw() {
        Fixture f;
        const QString back = writeBackground(f.dir);
        f.frame->settings().databaseBackground = qv::DeskTopType{back.toStdString(), 60};
        DataBaseDialog* d = f.open();
        QVERIFY(d);
        TMyDataTicketWindow* list = d->listWindow();
        const QImage before = list->grab().toImage();

        // A wheel of 7 numbers that shares 4 with the newest draw.
        const qv::TicketType newest = d->database().entry(0);
        qv::WheelInfo wheel;
        wheel.description = "7 numbers";
        wheel.numbersToWheel = 7;
        wheel.numbersPerTicket = 6;
        wheel.guarantee = 3;
        wheel.guaranteeIf = 4;
        std::vector<qv::TicketType> rows;
        for (int skip = 0; skip < 7; ++skip) {
            qv::TicketType row;
            int k = 0;
            for (int p = 1; p <= 7; ++p)
                if (p != skip + 1) row.numbers[std::size_t(k++)] = std::int16_t(p);
            rows.push_back(row);
        }
        wheel.setRows(rows);
        qv::NumbersUsed used{};
        for (int i = 0; i < 4; ++i) used[std::size_t(i)] = newest.numbers[std::size_t(i)];
        used[4] = 3;
        used[5] = 10;
        used[6] = 19;
        qv::TicketFile tickets = qv::newWheelTicketFile(wheel, used);
        for (auto& t : tickets.tickets) t.bonus[0] = newest.bonus[0];

        setOpenTicketFile(f.frame.get(), &tickets);
        const QImage after = list->grab().toImage();
        QVERIFY(after != before);
        QVERIFY(countReddish(after) > 0);  // the wheel mark
        shot(d, QStringLiteral("database_window_tickets.png"));

        d->setTicketFile(nullptr);
        QCOMPARE(countReddish(list->grab().toImage()), 0);
        setOpenTicketFile(f.frame.get(), nullptr);
    }
};

QTEST_MAIN(TestDatabaseDialog)
#include "test_database_dialog.moc"

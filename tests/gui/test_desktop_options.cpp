#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <span>

#include "core/app/settings.h"
#include "core/options/sound_options.h"
#include "gui/app/my_mdi_frame.h"
#include "gui/options/desktop_options.h"
#include "gui/options/faded_bitmap.h"
#include "gui/options/sound_player.h"

using namespace qv::gui;

namespace {

const QList<QRgb> kTable{qRgb(200, 100, 0), qRgb(250, 243, 0), qRgb(10, 20, 30),
                         qRgb(255, 255, 255)};

// A 4 x 2 indexed picture using every entry of kTable.
QString writeIndexedBmp(const QString& path) {
    QImage image(4, 2, QImage::Format_Indexed8);
    image.setColorTable(kTable);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) image.setPixel(x, y, uint((x + y) % 4));
    return image.save(path, "BMP") ? path : QString();
}

// Left half red, right half blue, in true colour.
QString writeTrueColourBmp(const QString& path) {
    QImage image(8, 4, QImage::Format_RGB888);
    image.fill(QColor(0, 0, 255));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) image.setPixelColor(x, y, QColor(255, 0, 0));
    return image.save(path, "BMP") ? path : QString();
}

template <typename T>
T* child(const QWidget& parent, int id) {
    return parent.findChild<T*>(QString::number(id));
}

// Answers the next file dialog with `path` (or cancels it when `path` is empty) and notes
// its caption and filters.
void answerNextFileDialog(QObject* context, const QString& path, QString* title = nullptr,
                          QStringList* filters = nullptr) {
    QTimer::singleShot(0, context, [=] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!chooser) return;
        if (title) *title = chooser->windowTitle();
        if (filters) *filters = chooser->nameFilters();
        if (path.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->selectFile(path);
        static_cast<QDialog*>(chooser)->accept();
    });
}

FrameEnvironment environmentIn(const QTemporaryDir& dir) {
    FrameEnvironment env;
    env.programDir = dir.path();
    env.settingsPath = dir.filePath(QStringLiteral("quorvan.ini"));
    env.dataDir = dir.path();
    return env;
}

double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

}  // namespace

class TestDesktopOptions : public QObject {
    Q_OBJECT

private slots:
    // The colour table is faded, the pixels keep their indices, and every load starts again
    // from the file.
    void indexedPictureIsFadedFromTheFileEachTime() {
        QTemporaryDir dir;
        const QString path = writeIndexedBmp(dir.filePath("slip.bmp"));
        QVERIFY(!path.isEmpty());

        const QImage plain = loadFadedBitmap(path, 0);
        QCOMPARE(plain.format(), QImage::Format_Indexed8);
        QCOMPARE(plain.colorTable().mid(0, 4), kTable);

        const QImage half = loadFadedBitmap(path, 50);
        QCOMPARE(half.color(0), qRgb(255, 227, 127));
        QCOMPARE(half.color(1), qRgb(255, 255, 127));
        QCOMPARE(half.color(2), qRgb(137, 147, 157));
        QCOMPARE(half.pixelIndex(1, 1), plain.pixelIndex(1, 1));

        QCOMPARE(loadFadedBitmap(path, 5).color(1), qRgb(255, 255, 12));
        for (int level : {100, 102}) {
            const QImage white = loadFadedBitmap(path, level);
            for (QRgb c : white.colorTable()) QCOMPARE(c, qRgb(255, 255, 255));
        }
        QCOMPARE(loadFadedBitmap(path, 0).colorTable().mid(0, 4), kTable);
    }

    void trueColourAndUnusableFiles() {
        QTemporaryDir dir;
        const QString path = writeTrueColourBmp(dir.filePath("photo.bmp"));
        QVERIFY(!path.isEmpty());
        const QImage photo = loadFadedBitmap(path, 60);
        QVERIFY(!photo.isNull());
        QCOMPARE(photo.colorCount(), 0);
        QCOMPARE(photo.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(photo.pixel(7, 3), qRgb(0, 0, 255));

        QFile text(dir.filePath("notes.bmp"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("BM this is not a picture\n");
        text.close();
        QVERIFY(loadFadedBitmap(text.fileName(), 0).isNull());
        QVERIFY(loadFadedBitmap(dir.filePath("missing.bmp"), 0).isNull());
        QVERIFY(loadFadedBitmap(QString(), 0).isNull());
    }

    // Tiles start at the area's corner, come at full size, and stop at the area's edges.
    void tilingCoversOnlyTheArea() {
        QImage tile(4, 3, QImage::Format_RGB32);
        tile.fill(Qt::blue);
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        QImage canvas(20, 20, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        paintTiled(painter, tile, QRect(5, 7, 10, 7));
        paintTiled(painter, QImage(), QRect(0, 0, 20, 20));
        painter.end();

        const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);
        for (QPoint at : {QPoint(5, 7), QPoint(9, 7), QPoint(13, 10), QPoint(5, 13)})
            QCOMPARE(canvas.pixel(at), red);
        QCOMPARE(canvas.pixel(14, 13), blue);  // last tile, cut at the edge
        for (QPoint at : {QPoint(4, 7), QPoint(15, 8), QPoint(6, 14), QPoint(5, 6)})
            QCOMPARE(canvas.pixel(at), white);
    }

    void dialogShowsTheRecordAndReloadsOnFadeChange() {
        QTemporaryDir dir;
        QVERIFY(!writeIndexedBmp(dir.filePath("slip.bmp")).isEmpty());
        qv::DeskTopType record{".\\slip.bmp", 40};
        DeskTopOptions dialog(nullptr, &record, dir.path());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DeskTop Settings"));
        QCOMPARE(dialog.preview(), child<TWallPaperStatic>(dialog, 101));
        QCOMPARE(dialog.newLogoButton()->text(), QStringLiteral("&New Logo"));
        auto* fade = child<QSpinBox>(dialog, 102);
        QVERIFY(fade);
        QCOMPARE(fade->minimum(), 0);
        QCOMPARE(fade->maximum(), 100);
        QCOMPARE(fade->value(), 40);
        QCOMPARE(dialog.preview()->picture().color(0), qRgb(255, 202, 102));

        dialog.show();
        fade->setFocus();
        QTest::keyClick(fade, Qt::Key_Up);
        QCOMPARE(record.fade, qint16(41));
        QCOMPARE(dialog.preview()->picture().color(2), qRgb(114, 124, 134));
        fade->setValue(0);
        QCOMPARE(record.fade, qint16(0));
        QCOMPARE(dialog.preview()->picture().color(2), kTable[2]);
    }

    // A level above the range (97 + "Increase Fade") is shown at 100 and kept as it is.
    void outOfRangeLevelIsKeptUntilChanged() {
        QTemporaryDir dir;
        QVERIFY(!writeIndexedBmp(dir.filePath("slip.bmp")).isEmpty());
        qv::DeskTopType record{dir.filePath("slip.bmp").toStdString(), 102};
        DeskTopOptions dialog(nullptr, &record, dir.path());
        QCOMPARE(dialog.fadeBox()->value(), 100);
        QCOMPARE(dialog.preview()->picture().color(2), qRgb(255, 255, 255));
        dialog.accept();
        QCOMPARE(record.fade, qint16(102));
    }

    // The whole picture is stretched over the preview, unfaded when it has no colour table;
    // without a usable file the preview stays empty.
    void previewStretchesTrueColourAndStaysEmptyWithoutPicture() {
        QTemporaryDir dir;
        const QString photo = writeTrueColourBmp(dir.filePath("photo.bmp"));
        qv::DeskTopType record{photo.toStdString(), 50};
        TWallPaperStatic preview(&record, dir.path());
        preview.resize(preview.sizeHint());
        const QImage shot = preview.grab().toImage();
        const QRect inside = preview.contentsRect();
        const int midY = inside.center().y();
        QCOMPARE(shot.pixel(inside.left() + 2, midY), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(inside.right() - 2, midY), qRgb(0, 0, 255));
        QCOMPARE(shot.pixel(inside.left() + inside.width() / 4, inside.top() + 1), qRgb(255, 0, 0));

        for (const char* name : {"", ".\\missing.bmp"}) {
            record.path = name;
            preview.reload();
            QVERIFY(preview.picture().isNull());
            const QImage empty = preview.grab().toImage();
            QVERIFY(empty.pixel(inside.left() + 2, midY) != qRgb(255, 0, 0));
        }
    }

    void newLogoTakesTheChosenFileWithTheRecordFade() {
        QTemporaryDir dir;
        const QString slip = writeIndexedBmp(dir.filePath("slip.bmp"));
        qv::SoundSettings sound;
        SoundPlayer player(sound);
        QVERIFY(SoundPlayer::instance() == &player);
        QSignalSpy clicks(&player, &SoundPlayer::eventPlayed);

        qv::DeskTopType record{"", 50};
        DeskTopOptions dialog(nullptr, &record, dir.path());
        dialog.show();
        QVERIFY(dialog.preview()->picture().isNull());

        answerNextFileDialog(this, QString());
        QTest::mouseClick(dialog.newLogoButton(), Qt::LeftButton);
        QCOMPARE(record.path, std::string());

        QString title;
        QStringList filters;
        answerNextFileDialog(this, slip, &title, &filters);
        QTest::mouseClick(dialog.newLogoButton(), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Select Bitmap File"));
        QCOMPARE(filters, QStringList{QStringLiteral("Bitmap (*.bmp)")});
        QCOMPARE(QString::fromStdString(record.path),
                 QDir::toNativeSeparators(QFileInfo(slip).absoluteFilePath()));
        QCOMPARE(dialog.preview()->picture().color(0), qRgb(255, 227, 127));

        QTest::mouseClick(child<QPushButton>(dialog, 1), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(clicks.size(), 3);
        for (const auto& args : clicks) QCOMPARE(args.at(0).toInt(), SoundPlayer::kClick);
    }

    // Command 117 works on a copy: Cancel leaves the desktop record alone, OK installs it.
    void commandInstallsTheCopyOnlyOnOk() {
        QTemporaryDir dir;
        QVERIFY(!writeIndexedBmp(dir.filePath("qvtbg.bmp")).isEmpty());
        const QString other = writeIndexedBmp(dir.filePath("other.bmp"));
        TMyMDIFrame frame(environmentIn(dir));
        const qv::DeskTopType before = frame.settings().mainWallpaper;
        QCOMPARE(before.path, "\".\\qvtbg.bmp\"");

        auto edit = [&](bool ok) {
            QTimer::singleShot(0, this, [&, ok] {
                auto* dialog = qobject_cast<DeskTopOptions*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                // The quoted default name finds the picture in the data directory.
                QVERIFY(!dialog->preview()->picture().isNull());
                dialog->fadeBox()->setValue(35);
                answerNextFileDialog(this, other);
                QTest::mouseClick(dialog->newLogoButton(), Qt::LeftButton);
                QTest::mouseClick(child<QPushButton>(*dialog, ok ? 1 : 2), Qt::LeftButton);
            });
            runDeskTopOptionsCommand(&frame);
        };

        edit(false);
        QCOMPARE(frame.settings().mainWallpaper, before);

        edit(true);
        QCOMPARE(frame.settings().mainWallpaper.fade, qint16(35));
        QCOMPARE(QString::fromStdString(frame.settings().mainWallpaper.path),
                 QDir::toNativeSeparators(QFileInfo(other).absoluteFilePath()));
    }

    // The installed pictures are 256-colour bitmaps that dark green text reads well over at
    // their default fades; the score sounds are short plain waves.
    void shippedDataFiles() {
        const QDir data(QStringLiteral(QV_BUILD_DATA_DIR));
        const QRgb text = qRgb(50, 100, 0);
        struct Background {
            const char* name;
            int fade;
        };
        for (const Background& bg : {Background{"qvtbg.bmp", 0}, Background{"ticket.bmp", 40}}) {
            const QImage image = loadFadedBitmap(data.filePath(bg.name), bg.fade);
            QVERIFY2(!image.isNull(), bg.name);
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            QCOMPARE(image.colorCount(), 256);
            QVERIFY(image.width() >= 64 && image.height() >= 64);
            double contrast = 0.0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    contrast += (luminance(image.pixel(x, y)) + 0.05) / (luminance(text) + 0.05);
            contrast /= double(image.width()) * image.height();
            QVERIFY2(contrast >= 4.5,
                     qPrintable(QStringLiteral("%1: %2").arg(bg.name).arg(contrast)));
            // Fading lightens them visibly.
            const QImage faded = loadFadedBitmap(data.filePath(bg.name), bg.fade + 10);
            QVERIFY(faded.colorTable() != image.colorTable());
        }
        for (const char* name : {"great.wav", "good.wav"}) {
            QFile file(data.filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            const QByteArray bytes = file.readAll();
            qv::WaveFormat format;
            QVERIFY(qv::readWaveFormat(
                std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          std::size_t(bytes.size())),
                format));
            QCOMPARE(format.formatTag, std::uint16_t(1));
            QCOMPARE(format.channels, std::uint16_t(1));
            QCOMPARE(format.bitsPerSample, std::uint16_t(16));
            const double seconds = double(bytes.size() - 44) / (2.0 * format.sampleRate);
            QVERIFY2(seconds >= 0.5 && seconds <= 1.2, name);
        }
    }
};

QTEST_MAIN(TestDesktopOptions)
#include "test_desktop_options.moc"

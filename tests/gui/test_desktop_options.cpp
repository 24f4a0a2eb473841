#include <QPainter>
#include <cmath>

#include "core/options/settings.h"
#include "gui/common/faded_bitmap.h"
#include "gui/common/sound_player.h"
#include "gui/options/desktop_options.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QList<QRgb> kTable{qRgb(200, 100, 0), qRgb(250, 243, 0), qRgb(10, 20, 30),
                         qRgb(255, 255, 255)};
const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kWhite = qRgb(255, 255, 255);

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
    image.fill(QColor(kBlue));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) image.setPixelColor(x, y, QColor(kRed));
    return image.save(path, "BMP") ? path : QString();
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
    // An indexed picture has its colour table faded and keeps its pixel indices, and every load
    // starts again from the file; a true-colour one is loaded unfaded; unusable files give
    // nothing. (The fade arithmetic itself is checked with the core code.)
    void loadingFadedPictures() {
        QTemporaryDir dir;
        const QString path = writeIndexedBmp(dir.filePath("slip.bmp"));
        QVERIFY(!path.isEmpty());
        const QImage half = loadFadedBitmap(path, 50);
        QCOMPARE(half.format(), QImage::Format_Indexed8);
        QCOMPARE(half.color(0), qRgb(255, 227, 127));
        QCOMPARE(half.pixelIndex(1, 1), 2);
        for (QRgb c : loadFadedBitmap(path, 100).colorTable()) QCOMPARE(c, kWhite);
        QCOMPARE(loadFadedBitmap(path, 0).colorTable().mid(0, 4), kTable);

        const QImage photo = loadFadedBitmap(writeTrueColourBmp(dir.filePath("photo.bmp")), 60);
        QCOMPARE(photo.colorCount(), 0);
        QCOMPARE(photo.pixel(0, 0), kRed);
        QCOMPARE(photo.pixel(7, 3), kBlue);

        writeFile(dir.filePath("notes.bmp"), "BM this is not a picture\n");
        for (const QString& bad :
             {dir.filePath("notes.bmp"), dir.filePath("missing.bmp"), QString()})
            QVERIFY2(loadFadedBitmap(bad, 0).isNull(), qPrintable(bad));
    }

    // Tiles start at the area's corner, come at full size, and stop at the area's edges.
    void tilingCoversOnlyTheArea() {
        QImage tile(4, 3, QImage::Format_RGB32);
        tile.fill(Qt::blue);
        tile.setPixel(0, 0, kRed);
        QImage canvas(20, 20, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        paintTiled(painter, tile, QRect(5, 7, 10, 7));
        paintTiled(painter, QImage(), QRect(0, 0, 20, 20));
        painter.end();

        for (QPoint at : {QPoint(5, 7), QPoint(9, 7), QPoint(13, 10), QPoint(5, 13)})
            QCOMPARE(canvas.pixel(at), kRed);
        QCOMPARE(canvas.pixel(14, 13), kBlue);  // last tile, cut at the edge
        for (QPoint at : {QPoint(4, 7), QPoint(15, 8), QPoint(6, 14), QPoint(5, 6)})
            QCOMPARE(canvas.pixel(at), kWhite);
    }

    void dialogShowsTheRecordAndReloadsOnFadeChange() {
        QTemporaryDir dir;
        QVERIFY(!writeIndexedBmp(dir.filePath("slip.bmp")).isEmpty());
        qv::DeskTopType record{".\\slip.bmp", 40};
        FakeInteraction fake;
        DeskTopOptions dialog(fake, nullptr, &record, dir.path());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DeskTop Settings"));
        QCOMPARE(dialog.preview(), control<TWallPaperStatic>(&dialog, 101));
        QCOMPARE(dialog.newLogoButton()->text(), QStringLiteral("&New Logo"));
        auto* fade = control<QSpinBox>(&dialog, 102);
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

        // A level above the range (97 + "Increase Fade") is shown at 100 and kept as it is.
        qv::DeskTopType high{".\\slip.bmp", 102};
        DeskTopOptions again(fake, nullptr, &high, dir.path());
        QCOMPARE(again.fadeBox()->value(), 100);
        QCOMPARE(again.preview()->picture().color(2), kWhite);
        again.accept();
        QCOMPARE(high.fade, qint16(102));
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
        QCOMPARE(shot.pixel(inside.left() + 2, midY), kRed);
        QCOMPARE(shot.pixel(inside.right() - 2, midY), kBlue);
        QCOMPARE(shot.pixel(inside.left() + inside.width() / 4, inside.top() + 1), kRed);

        for (const char* name : {"", ".\\missing.bmp"}) {
            record.path = name;
            preview.reload();
            QVERIFY(preview.picture().isNull());
            QVERIFY(preview.grab().toImage().pixel(inside.left() + 2, midY) != kRed);
        }
    }

    void newLogoTakesTheChosenFileWithTheRecordFade() {
        QTemporaryDir dir;
        const QString slip = writeIndexedBmp(dir.filePath("slip.bmp"));
        qv::SoundSettings sound;
        SoundPlayer player(sound);
        QSignalSpy clicks(&player, &SoundPlayer::eventPlayed);
        DesktopInteraction desktop(player);

        qv::DeskTopType record{"", 50};
        DeskTopOptions dialog(desktop, nullptr, &record, dir.path());
        dialog.show();
        QVERIFY(dialog.preview()->picture().isNull());

        whenFileDialog(QString());
        QTest::mouseClick(dialog.newLogoButton(), Qt::LeftButton);
        QCOMPARE(record.path, std::string());

        QString title;
        QStringList filters;
        whenFileDialog(slip, &title, &filters);
        QTest::mouseClick(dialog.newLogoButton(), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Select Bitmap File"));
        QCOMPARE(filters, QStringList{QStringLiteral("Bitmap (*.bmp)")});
        QCOMPARE(QString::fromStdString(record.path),
                 QDir::toNativeSeparators(QFileInfo(slip).absoluteFilePath()));
        QCOMPARE(dialog.preview()->picture().color(0), qRgb(255, 227, 127));

        QTest::mouseClick(control<QPushButton>(&dialog, 1), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(clicks.size(), 3);
        for (const auto& args : clicks) QCOMPARE(args.at(0).toInt(), int(qv::EventSound::Click));
    }

    // Command 117 works on a copy: Cancel leaves the desktop record alone, OK installs it.
    void commandInstallsTheCopyOnlyOnOk() {
        QTemporaryDir dir;
        QVERIFY(!writeIndexedBmp(dir.filePath("qvtbg.bmp")).isEmpty());
        const QString other = writeIndexedBmp(dir.filePath("other.bmp"));
        FrameFixture fixture(environmentIn(dir));
        TMyMDIFrame& frame = fixture.frame;
        const qv::DeskTopType before = frame.state().settings().mainWallpaper;
        QCOMPARE(before.path, "\".\\qvtbg.bmp\"");

        auto edit = [&](int button) {
            whenModal<DeskTopOptions>([&, button](DeskTopOptions* dialog) {
                // The quoted default name finds the picture in the data directory.
                QVERIFY(!dialog->preview()->picture().isNull());
                dialog->fadeBox()->setValue(35);
                whenFileDialog(other);
                QTest::mouseClick(dialog->newLogoButton(), Qt::LeftButton);
                QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
            });
            frame.runCommand(qv::cmd::kDeskTopSettings);
        };
        edit(2);
        QCOMPARE(frame.state().settings().mainWallpaper, before);
        edit(1);
        QCOMPARE(frame.state().settings().mainWallpaper.fade, qint16(35));
        QCOMPARE(QString::fromStdString(frame.state().settings().mainWallpaper.path),
                 QDir::toNativeSeparators(QFileInfo(other).absoluteFilePath()));
    }

    // The installed pictures are 256-colour bitmaps that dark green text reads well over at
    // their default fades, and fading lightens them visibly.
    void shippedPictures() {
        const QDir data(QStringLiteral(QV_BUILD_DATA_DIR));
        const QRgb text = qRgb(50, 100, 0);
        for (const auto& [name, fade] : {std::pair{"qvtbg.bmp", 0}, std::pair{"ticket.bmp", 40}}) {
            const QImage image = loadFadedBitmap(data.filePath(name), fade);
            QVERIFY2(!image.isNull(), name);
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            QCOMPARE(image.colorCount(), 256);
            QVERIFY(image.width() >= 64 && image.height() >= 64);
            double contrast = 0.0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    contrast += (luminance(image.pixel(x, y)) + 0.05) / (luminance(text) + 0.05);
            contrast /= double(image.width()) * image.height();
            QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(name).arg(contrast)));
            const QImage faded = loadFadedBitmap(data.filePath(name), fade + 10);
            QVERIFY(faded.colorTable() != image.colorTable());
        }
    }
};

QTEST_MAIN(TestDesktopOptions)
#include "test_desktop_options.moc"

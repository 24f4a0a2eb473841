#include <QElapsedTimer>

#include "core/options/sound_options.h"
#include "core/sound/wave_file.h"
#include "gui/common/app_paths.h"
#include "gui/common/sound_player.h"
#include "gui/options/sound_options_dialog.h"
#include "gui_test_support.h"

using qv::gui::DesktopInteraction;
using qv::gui::SoundPlayer;
using qv::gui::TSoundOptionsDialog;
using qv::test::control;

namespace {

int g_warnings = 0;
QtMessageHandler g_previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg) ++g_warnings;
    if (g_previousHandler) g_previousHandler(type, context, text);
}

qv::SoundSettings scoreSettings(const QString& dir) {
    qv::SoundSettings s;
    s.waveFiles = {qv::WaveFileSetting{(dir + "/great.wav").toStdString(), true},
                   qv::WaveFileSetting{(dir + "/good.wav").toStdString(), false},
                   qv::WaveFileSetting{"low.wav", true}};
    return s;
}

// The file's size and format, or an unset format when it cannot be read.
std::pair<qint64, qv::WaveFormat> waveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    qv::WaveFormat format;
    qv::readWaveFormat(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 std::size_t(bytes.size())),
                       format);
    return {bytes.size(), format};
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(countingHandler); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

    // The built-in event sounds are resources; the installed score sounds are short plain
    // 16-bit mono waves.
    void soundFilesArePlayableWaves() {
        qv::SoundSettings settings;
        SoundPlayer player(settings);  // registers the resources
        const int sizes[] = {8444, 5716, 36130, 906, 3376, 7014, 4546, 6886, 17544};
        for (int id = 500; id <= 508; ++id) {
            const auto [size, format] = waveFile(QStringLiteral(":/sounds/%1.wav").arg(id));
            QCOMPARE(size, sizes[id - 500]);
            QVERIFY(qv::isPlayableWave(format));
        }
        for (const char* name : {"great.wav", "good.wav"}) {
            const auto [size, format] = waveFile(QStringLiteral(QV_BUILD_DATA_DIR "/") + name);
            QCOMPARE(format.formatTag, std::uint16_t(1));
            QCOMPARE(format.channels, std::uint16_t(1));
            QCOMPARE(format.bitsPerSample, std::uint16_t(16));
            const double seconds = double(size - 44) / (2.0 * format.sampleRate);
            QVERIFY2(seconds >= 0.5 && seconds <= 1.2, name);
        }
    }

    // Only the nine event ids play, and only while effects are on; the windows' sounds reach
    // the player through the desktop interaction.
    void soundsFollowTheEffectsSwitch() {
        qv::SoundSettings settings;
        {
            SoundPlayer player(settings);
            DesktopInteraction desktop(player);
            QSignalSpy played(&player, &SoundPlayer::eventPlayed);
            for (int id = 499; id <= 509; ++id) desktop.playSound(static_cast<qv::EventSound>(id));
            QCOMPARE(played.size(), 9);
            QCOMPARE(played.first().first().toInt(), 500);
            QCOMPARE(played.last().first().toInt(), 508);

            settings.effectsOn = false;
            played.clear();
            player.playEvent(qv::EventSound::Click);
            QCOMPARE(played.size(), 0);
        }

        // Score sounds play whatever the switch says, and only from readable wave files.
        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/sounds/505.wav", dir.filePath("great.wav")));
        qv::test::writeFile(dir.filePath("fake.wav"),
                            "no wave file, only text pretending to be one");

        SoundPlayer player(settings);
        QSignalSpy played(&player, &SoundPlayer::waveFilePlayed);
        for (const QString& path : {dir.filePath("great.wav"), dir.filePath("missing.wav"),
                                    dir.filePath("fake.wav"), dir.path(), QString()})
            player.playWaveFile(path);
        QCOMPARE(played.size(), 1);
        QCOMPARE(played.first().first().toString(), dir.filePath("great.wav"));
    }

    // Whether or not this machine has an audio output, sounds never hold up the caller, and
    // a run of them leaves the console alone.
    void playingNeitherBlocksNorFloodsTheConsole() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/sounds/502.wav", dir.filePath("long.wav")));
        qv::SoundSettings settings;
        SoundPlayer player(settings);
        player.playEvent(
            qv::EventSound::Click);  // the audio system may say once that it has no device
        QTest::qWait(50);
        const int before = g_warnings;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i) {
            player.playEvent(static_cast<qv::EventSound>(500 + i % 9));
            player.playWaveFile(dir.filePath("long.wav"));  // 1.6 s each
            player.playWaveFile(dir.filePath("nothing-here.wav"));
        }
        QVERIFY2(timer.elapsed() < 1500, "a sound blocked its caller");
        QTest::qWait(200);
        QVERIFY(g_warnings - before <= 1);
    }

    void dialogControlsAndTexts() {
        qv::SoundSettings settings = scoreSettings("/tmp/w");
        qv::test::FakeInteraction silent;
        TSoundOptionsDialog dialog(settings, silent);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quorvantile (Sound Options)"));

        QStringList labels;
        for (auto* label : dialog.findChildren<QLabel*>()) labels << label->text().remove('&');
        for (const char* text : {"On Great Scores (>=5), use the wave file :",
                                 "On Medium Scores ( 4 ), use the wave file :",
                                 "On Lower Scores ( 3 ), use the wave file :", "Enabled ?"}) {
            QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
        }
        for (int i = 0; i < 3; ++i) {
            auto* field = control<QLineEdit>(&dialog, 201 + i);
            QCOMPARE(field->maxLength(), 259);
            // A name relative to the program's data folder is shown as the file it stands for.
            const QString shown = i < 2 ? QString::fromStdString(settings.waveFiles[i].path)
                                        : qv::gui::dataDirectory() + QStringLiteral("/low.wav");
            QCOMPARE(field->text(), shown);
            QCOMPARE(control<QPushButton>(&dialog, 301 + i)->text().remove('&'),
                     QStringLiteral("Browse ..."));
            QCOMPARE(control<QCheckBox>(&dialog, 102 + i)->isChecked(),
                     settings.waveFiles[i].enabled);
        }
        auto* effects = control<QCheckBox>(&dialog, 101);
        QCOMPARE(effects->text().remove('&'), QStringLiteral("All other sound effects"));
        QVERIFY(effects->isChecked());
        QVERIFY(control<QPushButton>(&dialog, 1)->isDefault());

        // Tab walks each row, then the switch and the buttons.
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(&dialog, 201));
        for (int id : {301, 102, 202, 302, 103, 203, 303, 104, 101, 1, 2}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control<QWidget>(&dialog, id));
        }
        // The mnemonic of the medium-score label reaches its field.
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(&dialog, 202));
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("kept");
        QTest::newRow("OK") << "ok" << true;
        QTest::newRow("Return") << "return" << true;
        QTest::newRow("Cancel") << "cancel" << false;
        QTest::newRow("Escape") << "escape" << false;
    }

    // The effects switch acts at once; OK keeps the typed path and the flags, Cancel puts the
    // switch back and drops the edits.
    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, kept);
        const qv::SoundSettings before = scoreSettings("/tmp/w");
        qv::SoundSettings settings = before;
        SoundPlayer player(settings);
        QSignalSpy played(&player, &SoundPlayer::eventPlayed);
        qv::test::FakeInteraction ui;
        ui.sounds = &player;
        TSoundOptionsDialog dialog(settings, ui);
        dialog.show();

        auto* effects = control<QCheckBox>(&dialog, 101);
        QTest::mouseClick(effects, Qt::LeftButton);
        QVERIFY(!settings.effectsOn);
        QCOMPARE(played.size(), 0);  // silent once off
        QTest::mouseClick(effects, Qt::LeftButton);
        QVERIFY(settings.effectsOn);
        QCOMPARE(played.size(), 1);  // the click says it is on again
        QTest::mouseClick(effects, Qt::LeftButton);

        auto* medium = control<QLineEdit>(&dialog, 202);
        medium->selectAll();
        QTest::keyClicks(medium, "/home/me/typed.wav");
        QTest::mouseClick(control<QCheckBox>(&dialog, 103), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(&dialog, 104), Qt::LeftButton);
        if (how == "ok" || how == "cancel")
            QTest::mouseClick(control<QPushButton>(&dialog, how == "ok" ? 1 : 2), Qt::LeftButton);
        else
            QTest::keyClick(control<QLineEdit>(&dialog, 203),
                            how == "return" ? Qt::Key_Return : Qt::Key_Escape);

        QCOMPARE(dialog.result(), int(kept ? QDialog::Accepted : QDialog::Rejected));
        if (!kept) {
            QCOMPARE(settings, before);
            return;
        }
        QCOMPARE(settings.waveFiles[0], before.waveFiles[0]);
        QCOMPARE(settings.waveFiles[1], (qv::WaveFileSetting{"/home/me/typed.wav", true}));
        QCOMPARE(settings.waveFiles[2], (qv::WaveFileSetting{"low.wav", false}));
        QVERIFY(!settings.effectsOn);
    }

    // Browsing asks for an existing wave file, starting beside the file named now, and fills
    // its own field; what was typed in another field stays; a cancelled choice changes nothing.
    void browseReplacesOnlyItsField() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/sounds/502.wav", dir.filePath("fanfare.wav")));
        qv::SoundSettings settings = scoreSettings(dir.path());
        SoundPlayer player(settings);
        QSignalSpy played(&player, &SoundPlayer::eventPlayed);
        qv::test::FakeInteraction ui;
        ui.sounds = &player;
        TSoundOptionsDialog dialog(settings, ui);
        dialog.show();
        auto* medium = control<QLineEdit>(&dialog, 202);
        medium->selectAll();
        QTest::keyClicks(medium, "typed.wav");

        const QString chosen = QDir::toNativeSeparators(dir.filePath("fanfare.wav"));
        ui.files << chosen << QString();
        QTest::mouseClick(control<QPushButton>(&dialog, 301), Qt::LeftButton);
        QCOMPARE(ui.requests.size(), 1);
        const qv::gui::FileRequest& request = ui.requests.front();
        QCOMPARE(request.mode, qv::gui::FileRequest::Mode::Open);
        QCOMPARE(request.title, QStringLiteral("Select Sound File"));
        QCOMPARE(request.filter, QStringLiteral("Wave Files (*.wav)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("wav"));
        QCOMPARE(request.selected, dir.filePath("great.wav"));
        QCOMPARE(played.size(), 1);
        QCOMPARE(control<QLineEdit>(&dialog, 201)->text(), chosen);
        QCOMPARE(medium->text(), QStringLiteral("typed.wav"));

        // A cancelled choice keeps the field.
        QTest::mouseClick(control<QPushButton>(&dialog, 303), Qt::LeftButton);
        QCOMPARE(ui.requests.size(), 2);
        QCOMPARE(played.size(), 2);
        QCOMPARE(control<QLineEdit>(&dialog, 203)->text(),
                 qv::gui::dataDirectory() + QStringLiteral("/low.wav"));
        dialog.accept();
        QCOMPARE(settings.waveFiles[0].path, chosen.toStdString());
        QCOMPARE(settings.waveFiles[1].path, "typed.wav");
        QCOMPARE(settings.waveFiles[2].path, "low.wav");
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"

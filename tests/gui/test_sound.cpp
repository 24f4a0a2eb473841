#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/options/sound_options.h"
#include "gui/options/sound_options_dialog.h"
#include "gui/options/sound_player.h"

using qv::gui::SoundPlayer;
using qv::gui::TSoundOptionsDialog;

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

template <typename T>
T* child(QWidget& parent, int id) {
    T* w = parent.findChild<T*>(QString::number(id));
    if (!w) qFatal("control %d missing", id);
    return w;
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(countingHandler); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

    void builtInSoundsAreResources() {
        qv::SoundSettings settings;
        SoundPlayer player(settings);  // registers the resources
        const int sizes[] = {8444, 5716, 36130, 906, 3376, 7014, 4546, 6886, 17544};
        for (int id = 500; id <= 508; ++id) {
            QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QCOMPARE(bytes.size(), sizes[id - 500]);
            qv::WaveFormat format;
            QVERIFY(qv::readWaveFormat(
                std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()),
                format));
            QVERIFY(qv::isPlayableWave(format));
        }
    }

    void eventSoundsFollowTheEffectsSwitch() {
        qv::SoundSettings settings;
        SoundPlayer player(settings);
        QCOMPARE(SoundPlayer::instance(), &player);
        QSignalSpy played(&player, &SoundPlayer::eventPlayed);
        for (int id = 499; id <= 509; ++id) player.playEvent(id);
        QCOMPARE(played.size(), 9);
        QCOMPARE(played.first().first().toInt(), 500);
        QCOMPARE(played.last().first().toInt(), 508);

        settings.effectsOn = false;
        played.clear();
        player.playEvent(503);
        QCOMPARE(played.size(), 0);
    }

    void scoreSoundsIgnoreTheEffectsSwitchAndSkipBadFiles() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/sounds/505.wav", dir.filePath("great.wav")));
        QFile notWave(dir.filePath("fake.wav"));
        QVERIFY(notWave.open(QIODevice::WriteOnly));
        notWave.write("this is no wave file, only text pretending to be one");
        notWave.close();

        qv::SoundSettings settings;
        settings.effectsOn = false;
        SoundPlayer player(settings);
        QSignalSpy played(&player, &SoundPlayer::waveFilePlayed);
        player.playWaveFile(dir.filePath("great.wav"));
        player.playWaveFile(dir.filePath("missing.wav"));
        player.playWaveFile(dir.filePath("fake.wav"));
        player.playWaveFile(dir.path());
        player.playWaveFile(QString());
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
        player.playEvent(503);  // the audio system may say once that it has no device
        QTest::qWait(50);
        const int before = g_warnings;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i) {
            player.playEvent(500 + i % 9);
            player.playWaveFile(dir.filePath("long.wav"));  // 1.6 s each
            player.playWaveFile(dir.filePath("nothing-here.wav"));
        }
        QVERIFY2(timer.elapsed() < 1500, "a sound blocked its caller");
        QTest::qWait(200);
        QVERIFY(g_warnings - before <= 1);
    }

    void instanceIsTheFirstPlayerWhileItLives() {
        qv::SoundSettings settings;
        {
            SoundPlayer first(settings);
            SoundPlayer second(settings);
            QCOMPARE(SoundPlayer::instance(), &first);
        }
        QCOMPARE(SoundPlayer::instance(), nullptr);
    }

    void dialogControlsAndTexts() {
        qv::SoundSettings settings = scoreSettings("/tmp/w");
        TSoundOptionsDialog dialog(settings, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quorvantile (Sound Options)"));

        QStringList labels;
        for (auto* label : dialog.findChildren<QLabel*>()) labels << label->text().remove('&');
        for (const char* text : {"On Great Scores (>=5), use the wave file :",
                                 "On Medium Scores ( 4 ), use the wave file :",
                                 "On Lower Scores ( 3 ), use the wave file :", "Enabled ?"}) {
            QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
        }
        for (int i = 0; i < 3; ++i) {
            auto* field = child<QLineEdit>(dialog, 201 + i);
            QCOMPARE(field->maxLength(), 259);
            QCOMPARE(field->text().toStdString(), settings.waveFiles[i].path);
            QCOMPARE(child<QPushButton>(dialog, 301 + i)->text().remove('&'),
                     QStringLiteral("Browse ..."));
            QCOMPARE(child<QCheckBox>(dialog, 102 + i)->isChecked(), settings.waveFiles[i].enabled);
        }
        auto* effects = child<QCheckBox>(dialog, 101);
        QCOMPARE(effects->text().remove('&'), QStringLiteral("All other sound effects"));
        QVERIFY(effects->isChecked());
        QVERIFY(child<QPushButton>(dialog, 1)->isDefault());

        // Tab walks each row, then the switch and the buttons.
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, 201));
        const QList<QWidget*> order{child<QPushButton>(dialog, 301),
                                    child<QCheckBox>(dialog, 102),
                                    child<QLineEdit>(dialog, 202),
                                    child<QPushButton>(dialog, 302),
                                    child<QCheckBox>(dialog, 103),
                                    child<QLineEdit>(dialog, 203),
                                    child<QPushButton>(dialog, 303),
                                    child<QCheckBox>(dialog, 104),
                                    effects,
                                    child<QPushButton>(dialog, 1),
                                    child<QPushButton>(dialog, 2)};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // The mnemonic of the medium-score label reaches its field.
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, 202));
    }

    void cancelPutsTheEffectsSwitchBackAndDropsEdits() {
        const qv::SoundSettings before = scoreSettings("/tmp/w");
        qv::SoundSettings settings = before;
        SoundPlayer player(settings);
        QSignalSpy played(&player, &SoundPlayer::eventPlayed);
        TSoundOptionsDialog dialog(settings, &player);
        dialog.show();

        auto* effects = child<QCheckBox>(dialog, 101);
        QTest::mouseClick(effects, Qt::LeftButton);
        QVERIFY(!settings.effectsOn);
        QVERIFY(!effects->isChecked());
        QCOMPARE(played.size(), 0);  // silent once off
        QTest::mouseClick(effects, Qt::LeftButton);
        QVERIFY(settings.effectsOn);
        QCOMPARE(played.size(), 1);  // the click says it is on again
        QTest::mouseClick(effects, Qt::LeftButton);

        auto* medium = child<QLineEdit>(dialog, 202);
        medium->selectAll();
        QTest::keyClicks(medium, "/home/me/typed.wav");
        QTest::mouseClick(child<QCheckBox>(dialog, 103), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dialog, 2), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings, before);
    }

    void okKeepsTypedPathsAndEnableFlags() {
        qv::SoundSettings settings = scoreSettings("/tmp/w");
        TSoundOptionsDialog dialog(settings, nullptr);
        dialog.show();
        auto* medium = child<QLineEdit>(dialog, 202);
        medium->selectAll();
        QTest::keyClicks(medium, "/home/me/typed.wav");
        QTest::mouseClick(child<QCheckBox>(dialog, 103), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(dialog, 104), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(dialog, 101), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dialog, 1), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.waveFiles[1], (qv::WaveFileSetting{"/home/me/typed.wav", true}));
        QCOMPARE(settings.waveFiles[2], (qv::WaveFileSetting{"low.wav", false}));
        QCOMPARE(settings.waveFiles[0], scoreSettings("/tmp/w").waveFiles[0]);
        QVERIFY(!settings.effectsOn);
    }

    void keyboardEnterIsOkEscapeIsCancel() {
        qv::SoundSettings settings = scoreSettings("/tmp/w");
        {
            TSoundOptionsDialog dialog(settings, nullptr);
            dialog.show();
            QTest::mouseClick(child<QCheckBox>(dialog, 101), Qt::LeftButton);
            QTest::keyClick(child<QLineEdit>(dialog, 201), Qt::Key_Escape);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(settings.effectsOn);
        }
        TSoundOptionsDialog dialog(settings, nullptr);
        dialog.show();
        QTest::mouseClick(child<QCheckBox>(dialog, 102), Qt::LeftButton);
        QTest::keyClick(child<QLineEdit>(dialog, 203), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!settings.waveFiles[0].enabled);
    }

    // Browsing fills its own field; what was typed in another field stays.
    void browseReplacesOnlyItsField() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/sounds/502.wav", dir.filePath("fanfare.wav")));
        qv::SoundSettings settings = scoreSettings(dir.path());
        SoundPlayer player(settings);
        QSignalSpy played(&player, &SoundPlayer::eventPlayed);
        TSoundOptionsDialog dialog(settings, &player);
        dialog.show();
        auto* medium = child<QLineEdit>(dialog, 202);
        medium->selectAll();
        QTest::keyClicks(medium, "typed.wav");

        QString title;
        QTimer::singleShot(0, this, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!chooser) return;
            title = chooser->windowTitle();
            chooser->selectFile(dir.filePath("fanfare.wav"));
            static_cast<QDialog*>(chooser)->accept();
        });
        QTest::mouseClick(child<QPushButton>(dialog, 301), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Select Sound File"));
        QCOMPARE(played.size(), 1);
        QCOMPARE(QDir::fromNativeSeparators(child<QLineEdit>(dialog, 201)->text()),
                 QFileInfo(dir.filePath("fanfare.wav")).absoluteFilePath());
        QCOMPARE(medium->text(), QStringLiteral("typed.wav"));
        dialog.accept();
        QCOMPARE(settings.waveFiles[1].path, "typed.wav");
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"

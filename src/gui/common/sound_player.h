#pragma once
// The application's sounds: the built-in event sounds 500..508 (503 is the click) and the
// user's score wave files. Playback is asynchronous, so the user interface never waits for
// a sound; without an audio output everything stays silent.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/options/settings.h"
#include "core/options/sound_options.h"

class QSoundEffect;

namespace qv::gui {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(qv::SoundSettings& settings, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Plays built-in sound 500..508 when sound effects are on, cutting off the event sound
    // still playing. Unknown ids do nothing.
    void playEvent(qv::EventSound sound);
    // Plays a wave file whatever the sound-effects flag says (callers check the score
    // sound's own flag). Sounds asked for while one plays follow it in turn (at most eight
    // wait). A relative path is taken in the data directory. A missing or unreadable file, or
    // one that is not an uncompressed wave, plays nothing and reports nothing.
    void playWaveFile(const QString& path);

signals:
    // A sound was started, or would have been if there were an audio output.
    void eventPlayed(int soundId);
    void waveFilePlayed(const QString& path);

private:
    bool hasAudioOutput() const;
    QSoundEffect* eventEffect(int soundId);
    void playNextWaveFile();

    struct QueuedWave {
        QString path;
        int durationMs = 0;
    };

    qv::SoundSettings& settings_;
    QHash<int, QSoundEffect*> events_;
    QPointer<QSoundEffect> playingEvent_;
    QList<QueuedWave> waveQueue_;
    bool waveTurnTaken_ = false;  // a score sound is playing; the others wait
    quint64 waveTurn_ = 0;
};

}  // namespace qv::gui

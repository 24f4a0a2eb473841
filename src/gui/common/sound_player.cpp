#include "gui/common/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/options/sound_options.h"
#include "core/sound/wave_file.h"
#include "gui/common/app_paths.h"

// Resources in a static library must be registered by hand.
static void initSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace qv::gui {

namespace {

// The ticket window may ask for one score sound per ticket; a few in a row are a
// celebration, more are noise.
constexpr int kMaxQueuedWaveFiles = 8;
// The audio system's report of a sound's end is not tied to when it is heard, so the next
// score sound starts when the previous one's length has passed, after this short pause.
constexpr int kGapMs = 40;
// How long a score sound's effect is kept after its length, for the audio buffers to drain.
constexpr int kReleaseMarginMs = 2000;

// Stored paths may come from Windows (".\great.wav"); relative ones live in the data directory.
QString resolveWavePath(const QString& stored) {
    const QString path = resolveDataFile(stored.toStdString(), dataDirectory());
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

// Only wave files the decoder understands are handed over, so a wrong file stays silent
// instead of leaving a decoder error on the console. Gives the sound's length, or -1.
int playableDurationMs(const QString& path) {
    const std::optional<qv::PlayableWave> wave = qv::readPlayableWave(path.toStdString());
    if (!wave) return -1;
    return int(std::min<std::uint64_t>(wave->durationMs,
                                       std::numeric_limits<int>::max() - kReleaseMarginMs));
}

}  // namespace

SoundPlayer::SoundPlayer(qv::SoundSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {
    initSoundResources();
}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::hasAudioOutput() const {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

QSoundEffect* SoundPlayer::eventEffect(int soundId) {
    QSoundEffect*& effect = events_[soundId];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(soundId)));
    }
    return effect;
}

void SoundPlayer::playEvent(qv::EventSound sound) {
    const int soundId = static_cast<int>(sound);
    if (!settings_.effectsOn || soundId < qv::kFirstEventSound || soundId > qv::kLastEventSound)
        return;
    emit eventPlayed(soundId);
    if (!hasAudioOutput()) return;
    QSoundEffect* effect = eventEffect(soundId);
    if (playingEvent_ && playingEvent_ != effect) playingEvent_->stop();
    effect->stop();  // the same sound again starts over
    effect->play();
    playingEvent_ = effect;
}

void SoundPlayer::playWaveFile(const QString& path) {
    const QString resolved = resolveWavePath(path);
    if (resolved.isEmpty()) return;
    const int durationMs = playableDurationMs(resolved);
    if (durationMs < 0 || waveQueue_.size() >= kMaxQueuedWaveFiles) return;
    emit waveFilePlayed(path);
    if (!hasAudioOutput()) return;
    waveQueue_.append({resolved, durationMs});
    if (!waveTurnTaken_) playNextWaveFile();
}

void SoundPlayer::playNextWaveFile() {
    waveTurnTaken_ = false;
    if (waveQueue_.isEmpty()) return;
    const QueuedWave next = waveQueue_.takeFirst();
    waveTurnTaken_ = true;
    const quint64 turn = ++waveTurn_;
    auto passTurn = [this, turn] {
        if (turn == waveTurn_ && waveTurnTaken_) playNextWaveFile();
    };

    // Each score sound has its own effect. It reports the end of playing as soon as the
    // audio system has taken all its data, which may be before the sound is heard out, so it
    // is released only well after its length.
    auto* effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::statusChanged, this, [effect, passTurn] {
        if (effect->status() != QSoundEffect::Error) return;
        effect->deleteLater();
        passTurn();
    });
    QTimer::singleShot(next.durationMs + kReleaseMarginMs, effect, &QObject::deleteLater);
    QTimer::singleShot(next.durationMs + kGapMs, this, passTurn);
    effect->setSource(QUrl::fromLocalFile(next.path));
    effect->play();
}

}  // namespace qv::gui

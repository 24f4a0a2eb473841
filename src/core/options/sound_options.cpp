#include "core/options/sound_options.h"

#include "core/util/text.h"

namespace qv {

SoundOptionsModel::SoundOptionsModel(SoundSettings& settings)
    : settings_(settings), effectsKept_(settings.effectsOn), copies_(settings.waveFiles) {
    for (auto& copy : copies_) copy.path = utf8Left(copy.path, kPathChars);
}

const std::string& SoundOptionsModel::path(int i) const {
    static const std::string none;
    return valid(i) ? copies_[i].path : none;
}

void SoundOptionsModel::setPath(int i, std::string_view text) {
    if (valid(i)) copies_[i].path = utf8Left(text, kPathChars);
}

bool SoundOptionsModel::enabled(int i) const {
    return valid(i) && copies_[i].enabled;
}

void SoundOptionsModel::toggleEnabled(int i) {
    if (valid(i)) copies_[i].enabled = !copies_[i].enabled;
}

bool SoundOptionsModel::toggleEffects() {
    settings_.effectsOn = !settings_.effectsOn;
    return settings_.effectsOn;
}

void SoundOptionsModel::accept() {
    settings_.waveFiles = copies_;
}

void SoundOptionsModel::cancel() {
    settings_.effectsOn = effectsKept_;
}

}  // namespace qv

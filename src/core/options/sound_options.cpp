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

namespace {

std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | (b[at + 1] << 8));
}

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(le16(b, at)) | (std::uint32_t(le16(b, at + 2)) << 16);
}

bool tagIs(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (b[at + i] != std::uint8_t(tag[i])) return false;
    }
    return true;
}

}  // namespace

bool readWaveFormat(std::span<const std::uint8_t> head, WaveFormat& format) {
    if (head.size() < 12 || !tagIs(head, 0, "RIFF") || !tagIs(head, 8, "WAVE")) return false;
    // Chunks may precede "fmt " (LIST and the like); walk them within what we were given.
    std::size_t at = 12;
    while (head.size() - at >= 8) {
        const std::uint32_t size = le32(head, at + 4);
        if (tagIs(head, at, "fmt ")) {
            if (size < 16 || head.size() - (at + 8) < 16) return false;
            format.formatTag = le16(head, at + 8);
            format.channels = le16(head, at + 10);
            format.sampleRate = le32(head, at + 12);
            format.bitsPerSample = le16(head, at + 22);
            return true;
        }
        const std::uint64_t next = std::uint64_t(at) + 8 + size + (size & 1);
        if (next > head.size()) return false;
        at = std::size_t(next);
    }
    return false;
}

bool isPlayableWave(const WaveFormat& format) {
    const bool knownTag =
        format.formatTag == 1 || format.formatTag == 3 || format.formatTag == 0xFFFE;
    const bool knownBits = format.bitsPerSample == 8 || format.bitsPerSample == 16 ||
                           format.bitsPerSample == 24 || format.bitsPerSample == 32;
    return knownTag && knownBits && format.channels >= 1 && format.channels <= 8 &&
           format.sampleRate >= 1000 && format.sampleRate <= 384000;
}

}  // namespace qv

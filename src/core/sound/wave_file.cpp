#include "core/sound/wave_file.h"

#include <filesystem>
#include <string_view>

#include "core/util/file_io.h"

namespace qv {

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

std::optional<PlayableWave> readPlayableWave(const std::string& path) {
    const auto head = readWholeFile(path, kWaveHeadBytes);
    PlayableWave wave;
    if (!head || !readWaveFormat(*head, wave.format) || !isPlayableWave(wave.format))
        return std::nullopt;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    constexpr std::uintmax_t kHeaderBytes = 44;
    const std::uint64_t bytesPerSecond = std::uint64_t(wave.format.sampleRate) *
                                         wave.format.channels * (wave.format.bitsPerSample / 8);
    wave.durationMs = size > kHeaderBytes ? (size - kHeaderBytes) * 1000 / bytesPerSecond : 0;
    return wave;
}

}  // namespace qv

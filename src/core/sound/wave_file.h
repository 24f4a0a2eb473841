#pragma once
// Wave files: what their header says and whether the player can decode them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qv {

// What the header of a wave file says, enough to decide whether to hand it to the player.
struct WaveFormat {
    std::uint16_t formatTag = 0;  // 1 PCM, 3 IEEE float, 0xFFFE extensible
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
};

// Reads the RIFF/WAVE header at the start of a file (pass at least its first few hundred
// bytes). Returns false when it is not a wave file or its format chunk is missing or damaged.
bool readWaveFormat(std::span<const std::uint8_t> head, WaveFormat& format);

// True for the uncompressed formats the player can decode.
bool isPlayableWave(const WaveFormat& format);

// A wave file the player can decode, and how long it plays.
struct PlayableWave {
    WaveFormat format;
    std::uint64_t durationMs = 0;
};

// How many bytes of a file's start are enough to find its format chunk.
inline constexpr std::size_t kWaveHeadBytes = 4096;

// Reads the head of the wave file at `path`; nullopt when it cannot be read or is not a wave
// file the player can decode. The length counts everything after a 44-byte header as samples.
std::optional<PlayableWave> readPlayableWave(const std::string& path);

}  // namespace qv

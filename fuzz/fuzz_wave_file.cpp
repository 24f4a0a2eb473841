// Wave-file headers: any bytes, read as a whole head and cut short at every chunk boundary.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/sound/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> head(data, size);
    qv::WaveFormat format;
    const bool read = qv::readWaveFormat(head, format);
    if (read && (size < 12 + 8 + 16)) std::abort();  // no room for RIFF, a chunk and "fmt "
    if (read && qv::isPlayableWave(format) &&
        std::uint64_t(format.sampleRate) * format.channels * (format.bitsPerSample / 8) == 0)
        std::abort();  // a playable format always has a length per second
    // Reading a longer head never changes a format found in a shorter one.
    if (read && size > 0) {
        qv::WaveFormat shorter;
        for (std::size_t n = 0; n < size; n += 1 + size / 16) {
            if (qv::readWaveFormat(head.first(n), shorter) &&
                (shorter.formatTag != format.formatTag || shorter.channels != format.channels ||
                 shorter.sampleRate != format.sampleRate ||
                 shorter.bitsPerSample != format.bitsPerSample))
                std::abort();
        }
    }
    return 0;
}

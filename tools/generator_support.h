#pragma once
// Pieces shared by the sound and picture generators. Their output is committed, so all of
// this must give the same bytes on every machine: no library random numbers, explicit
// little-endian writing.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace qv::tools {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A tiny linear congruential generator, so the output is the same on every machine.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    double next() {  // 0..1
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 24);
    }

private:
    std::uint32_t state_;
};

inline double noteFreq(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Rises over `attack`, holds, and falls over `release` before `len`; zero outside, so no
// note starts or stops with a click.
inline double envelope(double t, double len, double attack, double release) {
    if (t < 0.0 || t >= len) return 0.0;
    const double a = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    const double r = release > 0.0 ? std::min(1.0, (len - t) / release) : 1.0;
    return a * r;
}

// A struck bell before scaling: slightly inharmonic partials, the higher ones dying away
// faster. The sum peaks near 1.75.
inline double bellPartials(double t, double freq, double decay) {
    static const double ratios[] = {1.0, 2.0, 2.76, 4.07};
    static const double gains[] = {1.0, 0.45, 0.22, 0.08};
    double v = 0.0;
    for (int k = 0; k < 4; ++k) {
        v += gains[k] * std::exp(-t * decay * (1.0 + k * 0.8)) *
             std::sin(kTwoPi * freq * ratios[k] * t);
    }
    return v;
}

inline void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffffu);
    put16(out, v >> 16);
}

// One byte at a time: a range insert here trips a false -Wstringop-overflow in GCC 12.
inline void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(tag[i]));
}

inline constexpr int kWaveHeaderBytes = 44;

// A canonical mono 16-bit PCM wave file. Samples are multiplied by `gain` and clipped to
// full scale.
inline std::vector<std::uint8_t> encodeWave(int rate, const std::vector<double>& samples,
                                            double gain = 1.0) {
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(kWaveHeaderBytes + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, std::uint32_t(rate));
    put32(out, std::uint32_t(rate) * 2);
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (double s : samples) {
        const long q = std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767.0);
        put16(out, unsigned(std::uint16_t(std::int16_t(q))));
    }
    return out;
}

inline bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();  // a failed flush shows only here
    return bool(file);
}

}  // namespace qv::tools
